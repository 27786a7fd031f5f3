// The drawing objects of the device context as plain values: pens, brushes, fonts, bitmaps and
// regions, with the GDI codes the chart code passes around (pen and brush styles, hatch styles,
// raster operations, mapping modes, text alignment, device capabilities).
//
// An object is "created" once one of its Create functions succeeded; selecting it into a
// device context copies its value there, so the device context never reads the object again
// and destroying an object that is still selected cannot break drawing.
#pragma once

#include "platform/Types.h"

#include <cstdint>
#include <limits>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace tembra {

// ---- Pen styles -----------------------------------------------------------------------------
enum : UINT {
    PS_SOLID = 0,
    PS_DASH = 1,
    PS_DOT = 2,
    PS_DASHDOT = 3,
    PS_DASHDOTDOT = 4,
    PS_NULL = 5,
    PS_INSIDEFRAME = 6,
    PS_USERSTYLE = 7,
    PS_ALTERNATE = 8,
    PS_STYLE_MASK = 0x0000000F,
    PS_ENDCAP_ROUND = 0x00000000,
    PS_ENDCAP_SQUARE = 0x00000100,
    PS_ENDCAP_FLAT = 0x00000200,
    PS_ENDCAP_MASK = 0x00000F00,
    PS_JOIN_ROUND = 0x00000000,
    PS_JOIN_BEVEL = 0x00001000,
    PS_JOIN_MITER = 0x00002000,
    PS_JOIN_MASK = 0x0000F000,
    PS_COSMETIC = 0x00000000,
    PS_GEOMETRIC = 0x00010000,
    PS_TYPE_MASK = 0x000F0000,
};

// ---- Brush styles and hatch styles ----------------------------------------------------------
enum : UINT {
    BS_SOLID = 0,
    BS_NULL = 1,
    BS_HOLLOW = BS_NULL,
    BS_HATCHED = 2,
    BS_PATTERN = 3,
};
enum : int {
    HS_HORIZONTAL = 0, // -----
    HS_VERTICAL = 1,   // |||||
    HS_FDIAGONAL = 2,  // \\\\\ (falling from the upper left)
    HS_BDIAGONAL = 3,  // ///// (rising to the upper right)
    HS_CROSS = 4,      // +++++
    HS_DIAGCROSS = 5,  // xxxxx
};

// ---- Stock objects ----------------------------------------------------------------------------
enum : int {
    WHITE_BRUSH = 0,
    LTGRAY_BRUSH = 1,
    GRAY_BRUSH = 2,
    DKGRAY_BRUSH = 3,
    BLACK_BRUSH = 4,
    NULL_BRUSH = 5,
    HOLLOW_BRUSH = NULL_BRUSH,
    WHITE_PEN = 6,
    BLACK_PEN = 7,
    NULL_PEN = 8,
    OEM_FIXED_FONT = 10,
    ANSI_FIXED_FONT = 11,
    ANSI_VAR_FONT = 12,
    SYSTEM_FONT = 13,
    DEVICE_DEFAULT_FONT = 14,
    SYSTEM_FIXED_FONT = 16,
    DEFAULT_GUI_FONT = 17,
};

// ---- Raster operations of pens and brushes (ROP2) -----------------------------------------------
enum : int {
    R2_BLACK = 1,        // 0
    R2_NOTMERGEPEN = 2,  // ~(D | P)
    R2_MASKNOTPEN = 3,   // D & ~P
    R2_NOTCOPYPEN = 4,   // ~P
    R2_MASKPENNOT = 5,   // P & ~D
    R2_NOT = 6,          // ~D
    R2_XORPEN = 7,       // D ^ P
    R2_NOTMASKPEN = 8,   // ~(D & P)
    R2_MASKPEN = 9,      // D & P
    R2_NOTXORPEN = 10,   // ~(D ^ P)
    R2_NOP = 11,         // D
    R2_MERGENOTPEN = 12, // D | ~P
    R2_COPYPEN = 13,     // P
    R2_MERGEPENNOT = 14, // P | ~D
    R2_MERGEPEN = 15,    // D | P
    R2_WHITE = 16,       // 1
};

// ---- Raster operations of block transfers (ROP3) ----------------------------------------------
enum : DWORD {
    SRCCOPY = 0x00CC0020,
    SRCPAINT = 0x00EE0086,
    SRCAND = 0x008800C6,
    SRCINVERT = 0x00660046,
    SRCERASE = 0x00440328,
    NOTSRCCOPY = 0x00330008,
    NOTSRCERASE = 0x001100A6,
    MERGEPAINT = 0x00BB0226,
    PATCOPY = 0x00F00021,
    PATINVERT = 0x005A0049,
    DSTINVERT = 0x00550009,
    BLACKNESS = 0x00000042,
    WHITENESS = 0x00FF0062,
};

// ---- Background modes, fill modes, arc directions -------------------------------------------
enum : int { TRANSPARENT = 1, OPAQUE = 2 };
enum : int { ALTERNATE = 1, WINDING = 2 };
enum : int { AD_COUNTERCLOCKWISE = 1, AD_CLOCKWISE = 2 };

// ---- Mapping modes ----------------------------------------------------------------------------
enum : int {
    MM_TEXT = 1,
    MM_LOMETRIC = 2, // 0.1 mm, y up
    MM_HIMETRIC = 3, // 0.01 mm, y up
    MM_LOENGLISH = 4,
    MM_HIENGLISH = 5,
    MM_TWIPS = 6,
    MM_ISOTROPIC = 7,
    MM_ANISOTROPIC = 8,
};

// ---- Text alignment and text output options -------------------------------------------------
enum : UINT {
    TA_NOUPDATECP = 0,
    TA_UPDATECP = 1,
    TA_LEFT = 0,
    TA_RIGHT = 2,
    TA_CENTER = 6,
    TA_TOP = 0,
    TA_BOTTOM = 8,
    TA_BASELINE = 24,
    TA_HORZ_MASK = 6,
    TA_VERT_MASK = 24,
};
enum : UINT { ETO_OPAQUE = 0x0002, ETO_CLIPPED = 0x0004 };

// ---- Region combination and results ---------------------------------------------------------
enum : int { RGN_AND = 1, RGN_OR = 2, RGN_XOR = 3, RGN_DIFF = 4, RGN_COPY = 5 };
enum : int { RGN_ERROR = 0, NULLREGION = 1, SIMPLEREGION = 2, COMPLEXREGION = 3 };

// ---- Device capabilities ------------------------------------------------------------------
enum : int {
    TECHNOLOGY = 2,
    HORZSIZE = 4, // millimetres
    VERTSIZE = 6,
    HORZRES = 8, // pixels
    VERTRES = 10,
    BITSPIXEL = 12,
    PLANES = 14,
    NUMCOLORS = 24,
    RASTERCAPS = 38,
    ASPECTX = 40,
    ASPECTY = 42,
    LOGPIXELSX = 88,
    LOGPIXELSY = 90,
    PHYSICALWIDTH = 110,
    PHYSICALHEIGHT = 111,
    PHYSICALOFFSETX = 112,
    PHYSICALOFFSETY = 113,
};
enum : int { DT_RASDISPLAY = 1, DT_RASPRINTER = 2, DT_METAFILE = 5 };
enum : int { RC_BITBLT = 0x0001, RC_STRETCHBLT = 0x0800 };

// Printer escapes (CDC::Escape).
enum : int { QUERYESCSUPPORT = 8, GETPHYSPAGESIZE = 12, GETPRINTINGOFFSET = 13 };

// The text metrics of the selected font, in logical units.
constexpr BYTE TMPF_FIXED_PITCH = 0x01; // set for a variable-pitch font, as GDI has it
constexpr BYTE TMPF_VECTOR = 0x02;
constexpr BYTE TMPF_TRUETYPE = 0x04;
struct TEXTMETRIC {
    LONG tmHeight = 0;
    LONG tmAscent = 0;
    LONG tmDescent = 0;
    LONG tmInternalLeading = 0;
    LONG tmExternalLeading = 0;
    LONG tmAveCharWidth = 0;
    LONG tmMaxCharWidth = 0;
    LONG tmWeight = 0;
    BYTE tmItalic = 0;
    BYTE tmUnderlined = 0;
    BYTE tmStruckOut = 0;
    BYTE tmPitchAndFamily = 0;
    BYTE tmCharSet = 0;
};

struct LOGBRUSH {
    UINT lbStyle = BS_SOLID;
    COLORREF lbColor = 0;
    LONG lbHatch = 0;
};

struct BITMAP {
    LONG bmWidth = 0;
    LONG bmHeight = 0;
    WORD bmPlanes = 1;
    WORD bmBitsPixel = 0;
};

// ---- Object values ------------------------------------------------------------------------

// Pixels of a bitmap, 0xFFRRGGBB per pixel, rows top to bottom. A monochrome bitmap holds only
// white (a 1 bit) and black (a 0 bit).
struct BitmapPixels {
    int width = 0;
    int height = 0;
    bool monochrome = false;
    std::vector<std::uint32_t> pixels;

    std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
    // A monochrome bit: true for a 1 (white) pixel.
    bool Bit(int x, int y) const;
};

struct PenData {
    UINT style = PS_SOLID; // the whole style word: type, end cap, join and line style
    int width = 0;         // logical units; 0 is one device pixel
    COLORREF color = 0;
    std::vector<DWORD> dashes; // PS_USERSTYLE runs in logical units, on and off alternately

    UINT LineStyle() const { return style & PS_STYLE_MASK; }
    bool IsGeometric() const { return (style & PS_TYPE_MASK) == PS_GEOMETRIC; }
    UINT EndCap() const { return style & PS_ENDCAP_MASK; }
    UINT Join() const { return style & PS_JOIN_MASK; }
    bool IsNull() const { return LineStyle() == PS_NULL; }
    bool operator==(const PenData&) const = default;
};

struct BrushData {
    UINT style = BS_SOLID;
    COLORREF color = RGB(255, 255, 255);
    int hatch = 0;
    std::shared_ptr<const BitmapPixels> pattern; // BS_PATTERN

    bool IsNull() const { return style == BS_NULL; }
    bool operator==(const BrushData& o) const {
        return style == o.style && color == o.color && hatch == o.hatch && pattern == o.pattern;
    }
};

// Scan lines from top up to bottom (exclusive): a region that is only tested against a rectangle
// needs no more of a large shape than the lines the rectangle covers.
struct RegionLines {
    LONG top = std::numeric_limits<LONG>::min();
    LONG bottom = std::numeric_limits<LONG>::max();
};

// A set of pixels (or logical units) made of rectangles, kept as horizontal bands of disjoint
// spans: the clip of a device context and the regions of the drawing shapes.
class Region {
public:
    struct Band {
        LONG top = 0;
        LONG bottom = 0;
        std::vector<std::pair<LONG, LONG>> spans; // [left, right), sorted, disjoint
        bool operator==(const Band&) const = default;
    };

    using Lines = RegionLines;

    Region() = default;
    static Region FromRect(const CRect& r);
    // Pixel (x, y) belongs to the polygon when its centre (x + 0.5, y + 0.5) lies inside.
    static Region FromPolygon(const CPoint* points, int count, int fillMode, Lines lines = {});
    static Region FromEllipse(const CRect& bounds, Lines lines = {});
    // The rectangle with its corners cut round by quarters of an ellipse cornerWidth wide and
    // cornerHeight high (each held to the rectangle's size, signs ignored); a corner size of 0
    // leaves the rectangle.
    static Region FromRoundRect(const CRect& bounds, int cornerWidth, int cornerHeight,
                                Lines lines = {});

    static Region Combine(const Region& a, const Region& b, int mode);

    bool IsEmpty() const { return m_bands.empty(); }
    int Type() const;
    CRect Box() const;
    bool Contains(LONG x, LONG y) const;
    bool Intersects(const CRect& r) const;
    void Offset(LONG dx, LONG dy);
    std::vector<CRect> Rects() const;
    const std::vector<Band>& Bands() const { return m_bands; }
    bool operator==(const Region&) const = default;

private:
    void Coalesce();
    std::vector<Band> m_bands;
};

// ---- Object classes -------------------------------------------------------------------------

class CGdiObject {
public:
    enum class Kind { Pen, Brush, Font, Bitmap, Region };

    virtual ~CGdiObject() = default;
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;

    Kind GetKind() const { return m_kind; }
    // Non-null while the object holds a value.
    const void* GetSafeHandle() const { return m_created ? this : nullptr; }
    bool IsStock() const { return m_stock; }
    // Drops the value (stock objects keep theirs); TRUE when there was one.
    BOOL DeleteObject();

    // The stock object of an index (NULL_PEN, WHITE_BRUSH, SYSTEM_FONT ...), or nullptr.
    static CGdiObject* Stock(int index);

protected:
    explicit CGdiObject(Kind kind) : m_kind(kind) {}
    // Stock objects refuse to be re-created.
    bool BeginCreate();
    virtual void Reset() = 0;

    bool m_created = false;
    bool m_stock = false;

private:
    friend struct StockObjects;
    Kind m_kind;
};

class CPen : public CGdiObject {
public:
    CPen() : CGdiObject(Kind::Pen) {}
    CPen(int style, int width, COLORREF color);
    CPen(int style, int width, const LOGBRUSH* brush, int styleCount = 0,
         const DWORD* styles = nullptr);

    // A pen of the styles PS_SOLID to PS_INSIDEFRAME. As in GDI the dashed styles dash only
    // while the pen is one device pixel wide; a wider pen draws them solid.
    BOOL CreatePen(int style, int width, COLORREF color);
    // The extended form: a geometric pen of a solid brush colour, end caps, joins and user
    // dash runs (PS_USERSTYLE with styleCount runs).
    BOOL CreatePen(int style, int width, const LOGBRUSH* brush, int styleCount = 0,
                   const DWORD* styles = nullptr);
    const PenData& Data() const { return m_data; }

private:
    friend struct StockObjects;
    void Reset() override { m_data = {}; }
    PenData m_data;
};

class CBrush : public CGdiObject {
public:
    CBrush() : CGdiObject(Kind::Brush) {}
    explicit CBrush(COLORREF color);
    CBrush(int hatch, COLORREF color);

    BOOL CreateSolidBrush(COLORREF color);
    // Hatch styles HS_HORIZONTAL .. HS_DIAGCROSS; any other style is refused.
    BOOL CreateHatchBrush(int hatch, COLORREF color);
    // A pattern brush of a bitmap: a monochrome pattern draws its 0 bits in the text colour and
    // its 1 bits in the background colour of the device context, as GDI does.
    BOOL CreatePatternBrush(const class CBitmap* bitmap);
    BOOL CreateBrushIndirect(const LOGBRUSH* brush);
    const BrushData& Data() const { return m_data; }

private:
    friend struct StockObjects;
    void Reset() override { m_data = {}; }
    BrushData m_data;
};

class CFont : public CGdiObject {
public:
    CFont() : CGdiObject(Kind::Font) {}

    BOOL CreateFontIndirect(const LOGFONT* font);
    // A font whose lfHeight is given in tenths of a point: the height becomes the character
    // height (negative) in the logical units of the device context, through its vertical dpi
    // (the screen's when dc is null); the other fields are taken as they are.
    BOOL CreatePointFontIndirect(const LOGFONT* font, const class CDC* dc = nullptr);
    BOOL CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic,
                    BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision,
                    BYTE clipPrecision, BYTE quality, BYTE pitchAndFamily,
                    std::string_view faceCp932);
    int GetLogFont(LOGFONT* out) const;
    const LOGFONT& Data() const { return m_data; }

private:
    friend struct StockObjects;
    void Reset() override { m_data = {}; }
    LOGFONT m_data;
};

class CBitmap : public CGdiObject {
public:
    CBitmap() : CGdiObject(Kind::Bitmap) {}

    // A bitmap of 1 (monochrome) or 32 bits per pixel. Monochrome bits come as GDI keeps them:
    // rows top to bottom, the most significant bit first, each row padded to 16 bits.
    BOOL CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits);
    // A colour bitmap (monochrome when the device context is), cleared to black. Refused when
    // a side is not positive or the bitmap would be unreasonably large.
    BOOL CreateCompatibleBitmap(const class CDC* dc, int width, int height);
    int GetBitmap(BITMAP* out) const;
    CSize GetBitmapDimension() const;

    // The pixels, shared with the device context that draws into the bitmap.
    const std::shared_ptr<BitmapPixels>& Pixels() const { return m_pixels; }

private:
    friend struct StockObjects;
    void Reset() override { m_pixels.reset(); }
    std::shared_ptr<BitmapPixels> m_pixels;
};

class CRgn : public CGdiObject {
public:
    CRgn() : CGdiObject(Kind::Region) {}

    BOOL CreateRectRgn(int left, int top, int right, int bottom);
    BOOL CreateRectRgnIndirect(const CRect* rect);
    BOOL CreateEllipticRgn(int left, int top, int right, int bottom);
    BOOL CreateEllipticRgnIndirect(const CRect* rect);
    BOOL CreatePolygonRgn(const CPoint* points, int count, int fillMode);
    // width and height: the size of the ellipse whose quarters round the corners.
    BOOL CreateRoundRectRgn(int left, int top, int right, int bottom, int width, int height);
    void SetRectRgn(int left, int top, int right, int bottom);
    // This region becomes a combined with b (b unused for RGN_COPY); the region type or
    // RGN_ERROR when an operand holds no region.
    int CombineRgn(const CRgn* a, const CRgn* b, int mode);
    int CopyRgn(const CRgn* source);
    BOOL EqualRgn(const CRgn* other) const;
    int OffsetRgn(int dx, int dy);
    BOOL PtInRegion(int x, int y) const;
    BOOL RectInRegion(const CRect* rect) const;
    int GetRgnBox(CRect* out) const;

    const Region& Data() const { return m_data; }
    void SetData(Region region);

private:
    void Reset() override { m_data = {}; }
    Region m_data;
};

} // namespace tembra
