// Per-paper values the settings keep in the user profile, in sections named after the paper:
// the default fonts of the eight text kinds, the item-column width and the process margin.
//
//   paper  0 "A4"  1 "B4"  2 "A3"  3 "A3TATE"  4 "A2"  5 "A1"  6 "自由"
//   font   0 "DateFont"  1 "KoumukuFont"  2 "YogoFont"  3 "EventFont"  4 "ShigenFont"
//          5 "ZukeiFont"  6 "HeaderFont"  7 "ShinFont"
//
// A font value has the form of string 5150, "\"%s\",%d,%d": the face name in quotes, the
// character height as a positive number, the character width.
#pragma once

#include "platform/Types.h"

#include <string>

namespace tembra {

constexpr int kPaperProfileCount = 7;
constexpr int kPaperFontKindCount = 8;

// The profile section of a paper (CP932), or an empty string for an index out of range.
std::string PaperProfileSection(int paper);
// The key of a font kind, or nullptr for an index out of range.
const char* PaperFontKey(int fontIndex);

// Reads the font of a kind for a paper: the face name (cut to the 31 bytes of the record on a
// character boundary), height = -stored height, width; the other fields stay as they were.
// FALSE, the record untouched, when the value is empty or has no quoted face name, or an index
// is out of range.
BOOL ReadPaperFont(int paper, int fontIndex, LOGFONT& font);
// Writes the font as string 5150 with the face name, |height| and width. FALSE when an index is
// out of range or the profile cannot be written.
BOOL WritePaperFont(int paper, int fontIndex, const LOGFONT& font);

// One integer of "KoumokuWidth" (item-column width) or "KouteiMargin" (process margin) of the
// paper's profile section, taking its low 16 bits; the output is written only when the value is
// not empty (TRUE). The settings read these values here and nowhere else.
BOOL ReadPaperKoumokuWidth(int paper, WORD& width);
BOOL ReadPaperKouteiMargin(int paper, WORD& margin);

} // namespace tembra
