// Shift-JIS (CP932) text as records and files hold it. Records keep CP932 bytes in std::string;
// conversion to UTF-8 happens only where text meets Qt. Every byte-wise operation here works on
// character boundaries: a trail byte (which may equal '\\', '[', 'd', ...) is never matched alone.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tembra::Sjis {

// 0x81-0x9F and 0xE0-0xFC start a double-byte character.
bool IsLeadByte(unsigned char c);
// True when pos is the first byte of a character (or pos == size()).
bool IsCharStart(std::string_view text, std::size_t pos);
// Byte length of the character starting at pos (1 or 2; 1 for a lead byte at the very end;
// 0 at or after the end). A lead byte takes the next byte whatever it is.
std::size_t CharLength(std::string_view text, std::size_t pos);

// CP932 -> UTF-8. Bytes that are not valid CP932 map to private-use code points (U+F700 +
// byte) so that FromUtf8(ToUtf8(x)) == x for any byte string x. The duplicate codes of the
// NEC and IBM extensions that the way back would rewrite to their twins travel the same way.
std::string ToUtf8(std::string_view cp932);
// UTF-8 -> CP932. The private-use code points of ToUtf8 give their bytes back; a character
// that CP932 cannot hold becomes '?'.
std::string FromUtf8(std::string_view utf8);
// Whether FromUtf8 gives the code point bytes of its own rather than '?' (a character that is
// mapped one way, as the yen sign to 0x5C, counts as held).
bool CanEncode(char32_t codePoint);
// The code points of a UTF-8 text; a malformed sequence gives U+FFFD.
std::u32string CodePoints(std::string_view utf8);

// The largest length <= maxBytes that does not split a double-byte character.
std::size_t CutLength(std::string_view text, std::size_t maxBytes);
std::string Cut(std::string_view text, std::size_t maxBytes);

// Position of what (or of the byte c) at a character start at or after from, or npos.
std::size_t Find(std::string_view text, std::string_view what, std::size_t from = 0);
std::size_t FindByte(std::string_view text, char c, std::size_t from = 0);
// Last position of c at a character start, or npos.
std::size_t FindLastByte(std::string_view text, char c);

// ASCII-only case folding; double-byte characters (trail bytes included) are left alone.
std::string ToUpperAscii(std::string_view text);
std::string ToLowerAscii(std::string_view text);
// Compare with ASCII letters folded (only at single-byte characters): <0, 0, >0.
int CompareNoCase(std::string_view a, std::string_view b);
inline bool EqualsNoCase(std::string_view a, std::string_view b) {
    return CompareNoCase(a, b) == 0;
}

// Appends the UTF-8 form of a code point.
void AppendUtf8(std::string& out, char32_t codePoint);

// Number of characters (a double-byte character counts once).
std::size_t CharCount(std::string_view text);

} // namespace tembra::Sjis
