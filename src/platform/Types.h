// Plain values of the Windows API as the chart code uses them: integer types, points, sizes,
// rectangles (right and bottom exclusive), RGB colours and the logical font description.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace tembra {

using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using UINT = std::uint32_t;
using LONG = std::int32_t;
using BOOL = int;
using COLORREF = std::uint32_t;

constexpr BOOL TRUE = 1;
constexpr BOOL FALSE = 0;

// Red in the low byte, as GDI stores a colour.
constexpr COLORREF RGB(int r, int g, int b) {
    return static_cast<COLORREF>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int GetRValue(COLORREF c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int GetGValue(COLORREF c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int GetBValue(COLORREF c) {
    return static_cast<int>((c >> 16) & 0xFF);
}

constexpr WORD LOWORD(DWORD v) {
    return static_cast<WORD>(v & 0xFFFF);
}
constexpr WORD HIWORD(DWORD v) {
    return static_cast<WORD>((v >> 16) & 0xFFFF);
}
constexpr DWORD MAKELONG(WORD lo, WORD hi) {
    return static_cast<DWORD>(lo) | (static_cast<DWORD>(hi) << 16);
}

struct CSize;

struct CPoint {
    LONG x = 0;
    LONG y = 0;

    constexpr CPoint() = default;
    constexpr CPoint(LONG px, LONG py) : x(px), y(py) {}

    void Offset(LONG dx, LONG dy) {
        x += dx;
        y += dy;
    }
    void Offset(const CPoint& p) { Offset(p.x, p.y); }
    void Offset(const CSize& s);

    constexpr bool operator==(const CPoint&) const = default;
    CPoint& operator+=(const CSize& s);
    CPoint& operator-=(const CSize& s);
    CPoint& operator+=(const CPoint& p) {
        Offset(p.x, p.y);
        return *this;
    }
    CPoint& operator-=(const CPoint& p) {
        Offset(-p.x, -p.y);
        return *this;
    }
    constexpr CPoint operator-() const { return {-x, -y}; }
    constexpr CPoint operator+(const CPoint& p) const { return {x + p.x, y + p.y}; }
    constexpr CPoint operator-(const CPoint& p) const { return {x - p.x, y - p.y}; }
};

struct CSize {
    LONG cx = 0;
    LONG cy = 0;

    constexpr CSize() = default;
    constexpr CSize(LONG w, LONG h) : cx(w), cy(h) {}

    constexpr bool operator==(const CSize&) const = default;
    constexpr CSize operator+(const CSize& s) const { return {cx + s.cx, cy + s.cy}; }
    constexpr CSize operator-(const CSize& s) const { return {cx - s.cx, cy - s.cy}; }
    constexpr CSize operator-() const { return {-cx, -cy}; }
};

inline void CPoint::Offset(const CSize& s) {
    Offset(s.cx, s.cy);
}
inline CPoint& CPoint::operator+=(const CSize& s) {
    Offset(s.cx, s.cy);
    return *this;
}
inline CPoint& CPoint::operator-=(const CSize& s) {
    Offset(-s.cx, -s.cy);
    return *this;
}
constexpr CPoint operator+(const CPoint& p, const CSize& s) {
    return {p.x + s.cx, p.y + s.cy};
}
constexpr CPoint operator-(const CPoint& p, const CSize& s) {
    return {p.x - s.cx, p.y - s.cy};
}

// A rectangle with Windows semantics: the right and bottom edges are outside it.
struct CRect {
    LONG left = 0;
    LONG top = 0;
    LONG right = 0;
    LONG bottom = 0;

    constexpr CRect() = default;
    constexpr CRect(LONG l, LONG t, LONG r, LONG b) : left(l), top(t), right(r), bottom(b) {}
    constexpr CRect(const CPoint& topLeft, const CPoint& bottomRight)
        : left(topLeft.x), top(topLeft.y), right(bottomRight.x), bottom(bottomRight.y) {}
    constexpr CRect(const CPoint& p, const CSize& s)
        : left(p.x), top(p.y), right(p.x + s.cx), bottom(p.y + s.cy) {}

    constexpr LONG Width() const { return right - left; }
    constexpr LONG Height() const { return bottom - top; }
    constexpr CSize Size() const { return {Width(), Height()}; }
    constexpr CPoint TopLeft() const { return {left, top}; }
    constexpr CPoint BottomRight() const { return {right, bottom}; }
    constexpr CPoint CenterPoint() const { return {(left + right) / 2, (top + bottom) / 2}; }

    // Empty when it has no area (as IsRectEmpty: width or height not positive).
    constexpr bool IsRectEmpty() const { return right <= left || bottom <= top; }
    constexpr bool IsRectNull() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
    constexpr bool PtInRect(const CPoint& p) const {
        return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
    }
    constexpr bool EqualRect(const CRect& r) const { return *this == r; }
    constexpr bool operator==(const CRect&) const = default;

    void SetRect(LONG l, LONG t, LONG r, LONG b) {
        left = l;
        top = t;
        right = r;
        bottom = b;
    }
    void SetRectEmpty() { SetRect(0, 0, 0, 0); }
    void NormalizeRect();
    void OffsetRect(LONG dx, LONG dy);
    void OffsetRect(const CPoint& p) { OffsetRect(p.x, p.y); }
    void OffsetRect(const CSize& s) { OffsetRect(s.cx, s.cy); }
    void InflateRect(LONG dx, LONG dy);
    void InflateRect(LONG l, LONG t, LONG r, LONG b);
    void DeflateRect(LONG dx, LONG dy) { InflateRect(-dx, -dy); }
    // Both return FALSE and leave an empty rectangle when the result has no area.
    BOOL IntersectRect(const CRect& a, const CRect& b);
    // Empty operands are ignored; both empty gives an empty rectangle.
    BOOL UnionRect(const CRect& a, const CRect& b);
};

// The logical font description: 32-bit metrics, the face name as CP932 bytes (NUL-terminated,
// 32 bytes with the terminator), 60 bytes in all as on 32-bit Windows.
constexpr int LF_FACESIZE = 32;
struct LOGFONT {
    LONG lfHeight = 0;
    LONG lfWidth = 0;
    LONG lfEscapement = 0;
    LONG lfOrientation = 0;
    LONG lfWeight = 0;
    BYTE lfItalic = 0;
    BYTE lfUnderline = 0;
    BYTE lfStrikeOut = 0;
    BYTE lfCharSet = 0;
    BYTE lfOutPrecision = 0;
    BYTE lfClipPrecision = 0;
    BYTE lfQuality = 0;
    BYTE lfPitchAndFamily = 0;
    char lfFaceName[LF_FACESIZE] = {};

    std::string_view FaceName() const;
    // Stores a face name cut to 31 bytes on a character boundary, NUL-padded.
    void SetFaceName(std::string_view cp932);
    bool operator==(const LOGFONT& o) const { return std::memcmp(this, &o, sizeof(LOGFONT)) == 0; }
};
static_assert(sizeof(LOGFONT) == 60, "LOGFONT must keep the 60-byte Windows layout");

// Font weights, character sets and pitch/family codes the Parts name.
constexpr LONG FW_NORMAL = 400;
constexpr LONG FW_BOLD = 700;
constexpr BYTE ANSI_CHARSET = 0;
constexpr BYTE DEFAULT_CHARSET = 1;
constexpr BYTE SHIFTJIS_CHARSET = 128;
constexpr BYTE OUT_STROKE_PRECIS = 3;
constexpr BYTE CLIP_STROKE_PRECIS = 2;
constexpr BYTE DRAFT_QUALITY = 1;
constexpr BYTE FIXED_PITCH = 1;
constexpr BYTE VARIABLE_PITCH = 2;
constexpr BYTE FF_ROMAN = 0x10;
constexpr BYTE FF_SWISS = 0x20;
constexpr BYTE FF_MODERN = 0x30;

} // namespace tembra
