#include "platform/TypedText.h"

#include "platform/Sjis.h"
#include "platform/StringTable.h"
#include "platform/Ui.h"

#include <algorithm>
#include <cstdio>

namespace tembra {

namespace {

// More lines than this say nothing more to the reader.
constexpr std::size_t kMaxNamed = 10;

std::string CodeText(char32_t code) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "U+%04X", static_cast<unsigned>(code));
    return buffer;
}

} // namespace

std::vector<UnstorableChar> FindUnstorable(std::string_view utf8) {
    std::vector<UnstorableChar> found;
    const std::u32string codes = Sjis::CodePoints(utf8);
    for (std::size_t i = 0; i < codes.size(); ++i) {
        const char32_t code = codes[i];
        if (code < 0x80 ||
            std::ranges::any_of(found, [&](const UnstorableChar& c) { return c.code == code; })) {
            continue;
        }
        if (!Sjis::CanEncode(code)) {
            found.push_back({i + 1, code});
        }
    }
    return found;
}

std::string UnstorableMessage(const std::vector<UnstorableChar>& found) {
    std::string lines;
    for (std::size_t i = 0; i < found.size() && i < kMaxNamed; ++i) {
        if (!lines.empty()) {
            lines += '\n';
        }
        lines += std::to_string(found[i].position) + Sjis::FromUtf8("文字目 (") +
                 CodeText(found[i].code) + ")";
    }
    if (found.size() > kMaxNamed) {
        lines += Sjis::FromUtf8("\n…");
    }
    return FormatString(LoadString(IDS_UNSTORABLE_TEXT), {lines});
}

bool RefuseUnstorable(std::string_view utf8) {
    const std::vector<UnstorableChar> found = FindUnstorable(utf8);
    if (found.empty()) {
        return false;
    }
    Ui().MessageBox(UnstorableMessage(found), MB_OK | MB_ICONEXCLAMATION, IDS_UNSTORABLE_TEXT);
    return true;
}

} // namespace tembra
