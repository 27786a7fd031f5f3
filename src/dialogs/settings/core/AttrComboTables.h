// The combo boxes and radio groups of the progress-line, term and shape attribute dialogs, one
// table per kind: each entry's text and the code stored for it. The dialogs fill their controls
// from these tables and translate between the entry chosen and the stored code only through
// them. Kinds the process dialogs share (shape line types, widths, hatches, text sizes, colours)
// are the tables of dialogs/attributes/core/AttrCodeTables.h.
#pragma once

#include "dialogs/attributes/core/AttrCodeTables.h"

#include <span>
#include <string_view>

namespace tembra {

// Progress-line type: 点線 listed before 破線, unlike the shapes' list, but each name stores the
// line type the chart draws under that name (点線 2, 破線 1), as every other line list does.
std::span<const CodeEntry> ShinLineTypeTable();
// The nine date formats of the progress-line labels; the code is the position.
std::span<const CodeEntry> ShinDateFormatTable();
// The position of a stored date format that equals an entry exactly, else -1 (no selection).
int ShinDateFormatPosition(std::string_view format);
// The join intervals "1" to "5"; the code is the join written (position + 1).
std::span<const CodeEntry> JoinIntervalTable();

// Term placement (書式): 左寄せ 0, 中央寄 1, 右寄せ 2, 任意 3, 左引出 4, 右引出 5.
std::span<const CodeEntry> YogoFormatTable();

// Shape style 0 to 13; dialog 211 spells the parentheses in half width.
std::span<const CodeEntry> ShapeStyleTable(bool halfWidthParentheses);
// Position relation of a shape to the chart: 0 scale and move, 1 move only, 2 fixed.
std::span<const CodeEntry> PointModeTable();
// Grid divisions of a day and of a row: the index is stored, 0 "なし".
std::span<const CodeEntry> GridDivisionTable();
// Horizontal text format of shape texts (the index is stored).
std::span<const CodeEntry> TextHAlignTable();
// Vertical text format of shape texts: the flag of each entry (256 top, 0 centre, 512 bottom).
std::span<const CodeEntry> TextVAlignTable();
// The apply boxes of dialog 215 in order, each with its mask bit.
std::span<const CodeEntry> ZukeiApplyTable();

} // namespace tembra
