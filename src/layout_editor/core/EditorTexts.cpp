#include "layout_editor/core/EditorTexts.h"

#include "platform/FontCatalog.h"
#include "platform/Sjis.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace marquell {

namespace {

using tembra::Sjis::CharLength;
using tembra::Sjis::FromUtf8;

// CP932 of the paper names, by paper index.
const std::array<std::string, 6>& ListNames() {
    static const std::array<std::string, 6> names = {FromUtf8("Ａ４"), FromUtf8("Ｂ４"),
                                                     FromUtf8("Ａ３"), FromUtf8("Ａ３縦"),
                                                     FromUtf8("Ａ２"), FromUtf8("Ａ１")};
    return names;
}

const std::array<std::string, 6>& TitleLabels() {
    static const std::array<std::string, 6> labels = {FromUtf8(" Ａ４ "), FromUtf8(" Ｂ４ "),
                                                      FromUtf8(" Ａ３ "), FromUtf8("Ａ３縦"),
                                                      FromUtf8(" Ａ２ "), FromUtf8(" Ａ１ ")};
    return labels;
}

// The byte offset of the first single-byte c at a character start from pos, or npos.
std::size_t FindAscii(std::string_view text, char c, std::size_t pos = 0) {
    while (pos < text.size()) {
        const std::size_t length = CharLength(text, pos);
        if (length == 1 && text[pos] == c) {
            return pos;
        }
        pos += length;
    }
    return std::string_view::npos;
}

// The number of bytes the label takes in the title.
constexpr std::size_t kLabelBytes = 6;

// The refusal of a text that the layout file cannot keep as it is.
constexpr UINT kInvalidEscape = 61251;

// Whether a text holds backslash and "n", which the layout file reads back as a line break (it
// has no escape for them); a backslash that is the trail byte of a character is none.
bool HoldsEscapedLineBreak(std::string_view text) {
    for (std::size_t at = FindAscii(text, '\\'); at != std::string_view::npos;
         at = FindAscii(text, '\\', at + 1)) {
        if (at + 1 < text.size() && text[at + 1] == 'n') {
            return true;
        }
    }
    return false;
}

} // namespace

std::string PaperListName(int paper) {
    return paper >= 0 && paper < 6 ? ListNames()[static_cast<std::size_t>(paper)] : std::string();
}

std::string PaperTitleLabel(int paper) {
    return paper >= 0 && paper < 6 ? TitleLabels()[static_cast<std::size_t>(paper)] : std::string();
}

std::string BuildFrameTitle(std::string_view templateTitle, std::string_view layoutName,
                            int paper) {
    const std::size_t open = FindAscii(templateTitle, '<');
    const std::size_t close =
        open == std::string_view::npos ? open : FindAscii(templateTitle, '>', open + 1);
    const std::size_t bracket =
        close == std::string_view::npos ? close : FindAscii(templateTitle, '[', close + 1);
    if (bracket == std::string_view::npos) {
        return std::string(templateTitle);
    }
    const std::size_t rest = std::min(templateTitle.size(), bracket + 1 + kLabelBytes);
    std::string title(templateTitle.substr(0, open + 1));
    title += layoutName;
    title += templateTitle.substr(close, bracket + 1 - close);
    title += PaperTitleLabel(paper);
    title += templateTitle.substr(rest);
    return title;
}

std::string ProposeFileName(std::string_view title, std::string_view extension) {
    std::string_view name = title.substr(0, tembra::Sjis::CutLength(title, 8));
    for (std::size_t pos = 0; pos < name.size();) {
        const std::size_t length = CharLength(name, pos);
        if (length == 1 && std::string_view(" #%;/\\").find(name[pos]) != std::string_view::npos) {
            name = name.substr(0, pos);
            break;
        }
        pos += length;
    }
    std::string proposal(name);
    proposal += extension;
    return proposal;
}

bool IsVisibleText(std::string_view text) {
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t length = CharLength(text, pos);
        const std::string_view c = text.substr(pos, length);
        if (c != " " && c != "\r" && c != "\n" && c != "\x81\x40") {
            return true;
        }
        pos += length;
    }
    return false;
}

UINT CheckFixedText(std::string_view text) {
    constexpr UINT kInvalidText = 61250;
    if (!IsVisibleText(text) || FindAscii(text, '"') != std::string_view::npos) {
        return kInvalidText;
    }
    return HoldsEscapedLineBreak(text) ? kInvalidEscape : 0;
}

UINT CheckFormatName(std::string_view name) {
    constexpr UINT kInvalidName = 61241;
    return name.empty() ? kInvalidName : 0;
}

UINT CheckInputAreaName(std::string_view name) {
    constexpr UINT kNoName = 61216;
    constexpr UINT kInvalidName = kInvalidEscape;
    if (name.empty()) {
        return kNoName;
    }
    if (!IsVisibleText(name)) {
        return kInvalidName;
    }
    for (const char c : {'"', '\r', '\n'}) {
        if (FindAscii(name, c) != std::string_view::npos) {
            return kInvalidName;
        }
    }
    return HoldsEscapedLineBreak(name) ? kInvalidName : 0;
}

UINT CheckDefaultText(std::string_view text) {
    return HoldsEscapedLineBreak(text) ? kInvalidEscape : 0;
}

std::string FormatHeightText(int height) {
    char text[32];
    std::snprintf(text, sizeof(text), "%3d x0.1mm", height);
    return text;
}

} // namespace marquell

namespace marquell {

const std::vector<std::string>& FontHeightTexts() {
    static const std::vector<std::string> heights = {"10", "12", "14", "16", "17", "18", "20", "22",
                                                     "24", "26", "28", "30", "32", "34", "36", "38",
                                                     "40", "50", "60", "70", "80", "90", "100"};
    return heights;
}

std::vector<std::string> FontListNames(const tembra::IFontCatalog& fonts) {
    return tembra::ListedFaceNames(fonts);
}

} // namespace marquell
