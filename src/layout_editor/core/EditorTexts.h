// The texts of the layout editor that are checked or composed rather than shown as they are: the
// window title, paper names, the proposed file name of a first save, and the checks of the
// fixed-text and format-name dialogs. Every text is CP932.
#pragma once

#include "layout_editor/core/LayoutBase.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tembra {
class IFontCatalog;
}

namespace marquell {

// The longest layout (format) name, in CP932 bytes.
constexpr std::size_t kFormatNameLimit = 28;

// A paper's name in lists ("Ａ４" ... "Ａ３縦" ... "Ａ１") and its six-byte label in the window
// title (" Ａ４ " ... "Ａ３縦" ... " Ａ１ "); empty for a paper outside 0..5.
std::string PaperListName(int paper);
std::string PaperTitleLabel(int paper);

// The window title made from the title of the layout template (string 128's first part, as
// "ﾚｲｱｳﾄ ｴﾃﾞｨﾀ  <> - [ Ａ４ ] "): the layout name between "<" and ">", the paper's label in the
// six bytes after "[". It is built from the template's parts, so that whatever the name holds
// ("[", "<", ">") stands in the title as it is. A template without those marks is returned as
// it is.
std::string BuildFrameTitle(std::string_view templateTitle, std::string_view layoutName, int paper);

// The file name proposed for a document that has none: its title cut to 8 bytes and before the
// first of blank, "#", "%", ";", "/" and backslash, then the extension; cuts fall on character
// boundaries, and a trail byte 0x5C is no backslash.
std::string ProposeFileName(std::string_view title, std::string_view extension);

// Whether a text holds a character other than blank, CR, LF and the full-width blank.
bool IsVisibleText(std::string_view text);
// The message that refuses a fixed text (61250: nothing visible, or a double quote, which the
// layout file cannot keep; 61251: backslash and n, which reads back as a line break), or 0.
UINT CheckFixedText(std::string_view text);
// The message that refuses an input area's default text (61251: backslash and n, which reads
// back as a line break), or 0.
UINT CheckDefaultText(std::string_view text);
// The message that refuses a format name (61241: empty), or 0.
UINT CheckFormatName(std::string_view name);
// The message that refuses an input-area name: 61216 when it is empty, 61251 when nothing of
// it is visible or it holds what its line of the layout file cannot keep (a double quote, CR,
// LF, or backslash and n, which reads back as a line break); else 0.
UINT CheckInputAreaName(std::string_view name);

// The font height as the paper/font bar shows it: "%3d x0.1mm".
std::string FormatHeightText(int height);
// The heights the paper/font bar offers ("10" ... "100").
const std::vector<std::string>& FontHeightTexts();
// The faces the paper/font bar offers: the catalogue's (the Windows faces first), without the
// vertical faces whose names begin with "@".
std::vector<std::string> FontListNames(const tembra::IFontCatalog& fonts);

} // namespace marquell
