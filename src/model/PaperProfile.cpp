#include "model/PaperProfile.h"

#include "platform/NumberText.h"
#include "platform/Profile.h"
#include "platform/Sjis.h"
#include "platform/StringTable.h"

#include <cstdint>
#include <initializer_list>
#include <string_view>

namespace tembra {

namespace {

constexpr UINT IDS_PAPER_FONT_FORMAT = 5150;

// Formats a printf-style text of the string table whose conversions are %s and %d only, taking
// the arguments in order; %% gives a percent sign. The format comes from the table, so it is
// never handed to printf itself.
std::string FormatPrintf(std::string_view format, std::initializer_list<std::string> args) {
    std::string out;
    auto next = args.begin();
    for (std::size_t i = 0; i < format.size(); i += Sjis::CharLength(format, i)) {
        char c = format[i];
        if (c == '%' && i + 1 < format.size()) {
            char conv = format[i + 1];
            if (conv == '%') {
                out.push_back('%');
                ++i;
                continue;
            }
            if (conv == 's' || conv == 'd') {
                if (next != args.end())
                    out += *next++;
                ++i;
                continue;
            }
        }
        out.append(format.substr(i, Sjis::CharLength(format, i)));
    }
    return out;
}

BOOL ReadPaperWord(int paper, const char* key, WORD& out) {
    std::string section = PaperProfileSection(paper);
    if (section.empty())
        return FALSE;
    std::string value = GetProfileString(section, key, "");
    if (value.empty())
        return FALSE;
    out = static_cast<WORD>(NumberText::ProfileInt(value) & 0xFFFFu);
    return TRUE;
}

} // namespace

std::string PaperProfileSection(int paper) {
    static const std::string names[kPaperProfileCount] = {
        "A4", "B4", "A3", "A3TATE", "A2", "A1", Sjis::FromUtf8("自由")};
    if (paper < 0 || paper >= kPaperProfileCount)
        return {};
    return names[paper];
}

const char* PaperFontKey(int fontIndex) {
    static constexpr const char* keys[kPaperFontKindCount] = {
        "DateFont",   "KoumukuFont", "YogoFont",   "EventFont",
        "ShigenFont", "ZukeiFont",   "HeaderFont", "ShinFont"};
    if (fontIndex < 0 || fontIndex >= kPaperFontKindCount)
        return nullptr;
    return keys[fontIndex];
}

BOOL ReadPaperFont(int paper, int fontIndex, LOGFONT& font) {
    std::string section = PaperProfileSection(paper);
    const char* key = PaperFontKey(fontIndex);
    if (section.empty() || key == nullptr)
        return FALSE;
    std::string value = GetProfileString(section, key, "");
    // A double quote is never the trail byte of a double-byte character.
    std::size_t open = value.find('"');
    std::size_t close = open == std::string::npos ? open : value.find('"', open + 1);
    if (close == std::string::npos)
        return FALSE;
    std::string_view face = std::string_view(value).substr(open + 1, close - open - 1);

    std::string_view rest = std::string_view(value).substr(close + 1);
    std::size_t comma = rest.find(',');
    rest = comma == std::string_view::npos ? std::string_view{} : rest.substr(comma + 1);
    comma = rest.find(',');
    auto height = static_cast<std::int32_t>(NumberText::ProfileInt(rest.substr(0, comma)));
    auto width = static_cast<std::int32_t>(
        comma == std::string_view::npos ? 0u : NumberText::ProfileInt(rest.substr(comma + 1)));

    font.lfHeight = static_cast<LONG>(-static_cast<std::int64_t>(height));
    font.lfWidth = width;
    // The record holds 31 bytes of face name; a longer one is cut before a whole character.
    font.SetFaceName(face);
    return TRUE;
}

BOOL WritePaperFont(int paper, int fontIndex, const LOGFONT& font) {
    std::string section = PaperProfileSection(paper);
    const char* key = PaperFontKey(fontIndex);
    if (section.empty() || key == nullptr)
        return FALSE;
    std::int64_t height = font.lfHeight < 0 ? -static_cast<std::int64_t>(font.lfHeight)
                                            : static_cast<std::int64_t>(font.lfHeight);
    std::string value = FormatPrintf(
        LoadString(IDS_PAPER_FONT_FORMAT),
        {std::string(font.FaceName()), std::to_string(height), std::to_string(font.lfWidth)});
    return WriteProfileString(section, key, value.c_str());
}

BOOL ReadPaperKoumokuWidth(int paper, WORD& width) {
    return ReadPaperWord(paper, "KoumokuWidth", width);
}

BOOL ReadPaperKouteiMargin(int paper, WORD& margin) {
    return ReadPaperWord(paper, "KouteiMargin", margin);
}

} // namespace tembra
