// The layout editor's own forms of two small utilities: the quoted-text reader of its file and
// the point test of its rectangles (y negated: top above bottom).
#pragma once

#include "model/LayoutFile.h"
#include "model/Utility.h"

#include <cstddef>
#include <string>

namespace marquell {

// The quoted text of a value: the characters after the first double quote up to the next one
// (or the end), each backslash and n at a character start made CR LF, cut to max bytes. Returns
// the rest after the first comma following the closing quote; nothing (out empty) without a
// value or a quote, and nothing when the quote is not closed or no comma follows.
tembra::ParsePos ParseQuotedText(tembra::ParsePos text, std::string& out, std::size_t max);

// TRUE when left <= x < right and bottom < y <= top.
using tembra::PtInLogRect;

} // namespace marquell
