// A text the user typed (UTF-8, as the widgets give it) on its way into a CP932 record or file.
// CP932 lacks many characters a keyboard on this system produces (𠮷, emoji, é): such a text is
// refused where it was typed, with a message that names each character it cannot store, rather
// than stored with "?" in their place. The dialogs and the text-entry helpers of both programs
// check every field through here (src/platform/qt/TextFieldCheck.h).
#pragma once

#include "platform/Types.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tembra {

// "保存できない文字が含まれています。\n%1\n別の文字に置き換えてください。" (both programs'
// tables): %1 one line per character, its place in the text and its code.
constexpr UINT IDS_UNSTORABLE_TEXT = 5930;

// "この欄には改行を入力できません。" (both programs' tables): a one-line field holding a line
// break, as a paste can bring one; no record or file line takes it as typed.
constexpr UINT IDS_LINE_BREAK_IN_LINE = 5939;

// A character CP932 cannot hold: where it first stands (1 for the first character) and its
// code point.
struct UnstorableChar {
    std::size_t position = 0;
    char32_t code = 0;
    bool operator==(const UnstorableChar&) const = default;
};

// Each character of the text that CP932 cannot hold, once, in the order of first appearance.
std::vector<UnstorableChar> FindUnstorable(std::string_view utf8);

// The message naming the characters (CP932): "2文字目 (U+20BB7)" per line, at most ten lines
// and "…" after them.
std::string UnstorableMessage(const std::vector<UnstorableChar>& found);

// When the text holds characters CP932 cannot hold, shows the message through the user interface
// services and returns true: the caller refuses the text.
bool RefuseUnstorable(std::string_view utf8);

} // namespace tembra
