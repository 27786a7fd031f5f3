#include "platform/DC.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <stdexcept>

namespace tembra {

namespace {

// n / d rounded half away from zero (d != 0).
long long RoundDiv(long long n, long long d) {
    if (d < 0) {
        n = -n;
        d = -d;
    }
    return n >= 0 ? (n + d / 2) / d : -((-n + d / 2) / d);
}

LONG ToLong(long long v) {
    return static_cast<LONG>(std::clamp<long long>(v, std::numeric_limits<LONG>::min(),
                                                   std::numeric_limits<LONG>::max()));
}

// Logical units per inch of the fixed metric and English mappings.
int UnitsPerInch(int mode) {
    switch (mode) {
    case MM_LOMETRIC:
    case MM_ISOTROPIC:
        return 254;
    case MM_HIMETRIC:
        return 2540;
    case MM_LOENGLISH:
        return 100;
    case MM_HIENGLISH:
        return 1000;
    case MM_TWIPS:
        return 1440;
    default:
        return 0;
    }
}

DcCallArgs Vals(std::vector<long long> values) {
    DcCallArgs a;
    a.values = std::move(values);
    return a;
}

DcCallArgs Pts(std::vector<CPoint> points, const CRect& rect = {}) {
    DcCallArgs a;
    a.points = std::move(points);
    a.rect = rect;
    return a;
}

DcCallArgs Rc(const CRect& rect, std::vector<long long> values = {}) {
    DcCallArgs a;
    a.rect = rect;
    a.values = std::move(values);
    return a;
}

// A metafile has no surface: its clip is bounded only by what the drawing calls accept.
constexpr LONG kUnbounded = 1 << 27;

CBitmap* DefaultBitmap() {
    static CBitmap bitmap;
    static const bool made = bitmap.CreateBitmap(1, 1, 1, 1, nullptr);
    (void)made;
    return &bitmap;
}

ScreenDCFactory& Factory() {
    static ScreenDCFactory factory;
    return factory;
}

} // namespace

int MulDiv(int a, int b, int c) {
    if (c == 0) {
        return -1;
    }
    return ToLong(RoundDiv(static_cast<long long>(a) * b, c));
}

const char* DcOpName(DcOp op) {
    switch (op) {
    case DcOp::SetMapMode:
        return "SetMapMode";
    case DcOp::SetWindowOrg:
        return "SetWindowOrg";
    case DcOp::SetViewportOrg:
        return "SetViewportOrg";
    case DcOp::SetWindowExt:
        return "SetWindowExt";
    case DcOp::SetViewportExt:
        return "SetViewportExt";
    case DcOp::SelectPen:
        return "SelectPen";
    case DcOp::SelectBrush:
        return "SelectBrush";
    case DcOp::SelectFont:
        return "SelectFont";
    case DcOp::SelectBitmap:
        return "SelectBitmap";
    case DcOp::SetTextColor:
        return "SetTextColor";
    case DcOp::SetBkColor:
        return "SetBkColor";
    case DcOp::SetBkMode:
        return "SetBkMode";
    case DcOp::SetROP2:
        return "SetROP2";
    case DcOp::SetTextAlign:
        return "SetTextAlign";
    case DcOp::SetPolyFillMode:
        return "SetPolyFillMode";
    case DcOp::SetArcDirection:
        return "SetArcDirection";
    case DcOp::SetBrushOrg:
        return "SetBrushOrg";
    case DcOp::SaveDC:
        return "SaveDC";
    case DcOp::RestoreDC:
        return "RestoreDC";
    case DcOp::SelectClipRgn:
        return "SelectClipRgn";
    case DcOp::IntersectClipRect:
        return "IntersectClipRect";
    case DcOp::ExcludeClipRect:
        return "ExcludeClipRect";
    case DcOp::MoveTo:
        return "MoveTo";
    case DcOp::LineTo:
        return "LineTo";
    case DcOp::Polyline:
        return "Polyline";
    case DcOp::Polygon:
        return "Polygon";
    case DcOp::Rectangle:
        return "Rectangle";
    case DcOp::Ellipse:
        return "Ellipse";
    case DcOp::Arc:
        return "Arc";
    case DcOp::Pie:
        return "Pie";
    case DcOp::Chord:
        return "Chord";
    case DcOp::RoundRect:
        return "RoundRect";
    case DcOp::FillRect:
        return "FillRect";
    case DcOp::FrameRect:
        return "FrameRect";
    case DcOp::InvertRect:
        return "InvertRect";
    case DcOp::PatBlt:
        return "PatBlt";
    case DcOp::BitBlt:
        return "BitBlt";
    case DcOp::TextOut:
        return "TextOut";
    }
    return "?";
}

bool IsDrawingOp(DcOp op) {
    return op >= DcOp::LineTo;
}

CDC::CDC() {
    m_state.penObject = static_cast<CPen*>(CGdiObject::Stock(BLACK_PEN));
    m_state.pen = m_state.penObject->Data();
    m_state.brushObject = static_cast<CBrush*>(CGdiObject::Stock(WHITE_BRUSH));
    m_state.brush = m_state.brushObject->Data();
    m_state.fontObject = static_cast<CFont*>(CGdiObject::Stock(SYSTEM_FONT));
    m_state.font = m_state.fontObject->Data();
}

CDC::~CDC() = default;

void CDC::BecomeMemoryDC() {
    m_device = m_device.Memory();
    m_state.bitmapObject = DefaultBitmap();
    m_state.bitmap = m_state.bitmapObject->Pixels();
    ++m_clipSerial;
}

// ---- The device -------------------------------------------------------------------------------

int CDC::GetDeviceCaps(int index) const {
    const DeviceDescription& d = m_device;
    const bool printer = d.IsPrinter();
    switch (index) {
    case TECHNOLOGY:
        return d.kind == DeviceKind::Metafile ? DT_METAFILE
               : printer                      ? DT_RASPRINTER
                                              : DT_RASDISPLAY;
    case HORZRES:
        return d.size.cx;
    case VERTRES:
        return d.size.cy;
    case HORZSIZE:
        return d.dpiX > 0 ? static_cast<int>(std::lround(d.size.cx * 25.4 / d.dpiX)) : 0;
    case VERTSIZE:
        return d.dpiY > 0 ? static_cast<int>(std::lround(d.size.cy * 25.4 / d.dpiY)) : 0;
    case LOGPIXELSX:
        return d.dpiX;
    case LOGPIXELSY:
        return d.dpiY;
    case BITSPIXEL:
        return d.monochrome ? 1 : 32;
    case PLANES:
        return 1;
    case NUMCOLORS:
        return d.monochrome ? 2 : -1;
    case RASTERCAPS:
        return RC_BITBLT | RC_STRETCHBLT;
    case ASPECTX:
    case ASPECTY:
        return 36;
    case PHYSICALWIDTH:
        return printer ? (d.sheet.cx > 0 ? d.sheet.cx : d.size.cx) : 0;
    case PHYSICALHEIGHT:
        return printer ? (d.sheet.cy > 0 ? d.sheet.cy : d.size.cy) : 0;
    case PHYSICALOFFSETX:
        return printer ? d.printableOffset.x : 0;
    case PHYSICALOFFSETY:
        return printer ? d.printableOffset.y : 0;
    default:
        return 0;
    }
}

COLORREF CDC::GetNearestColor(COLORREF color) const {
    if (GetDeviceCaps(NUMCOLORS) != 2 && GetDeviceCaps(BITSPIXEL) != 1) {
        return color & 0xFFFFFF;
    }
    // Black or white, whichever lies nearer.
    const long r = GetRValue(color);
    const long g = GetGValue(color);
    const long b = GetBValue(color);
    const long toBlack = r * r + g * g + b * b;
    const long toWhite = (255 - r) * (255 - r) + (255 - g) * (255 - g) + (255 - b) * (255 - b);
    return toWhite < toBlack ? RGB(255, 255, 255) : RGB(0, 0, 0);
}

int CDC::Escape(int escape, int inSize, const void* in, void* out) const {
    switch (escape) {
    case QUERYESCSUPPORT: {
        if (in == nullptr || inSize < static_cast<int>(sizeof(int))) {
            return 0;
        }
        const int asked = *static_cast<const int*>(in);
        if (asked == QUERYESCSUPPORT) {
            return 1;
        }
        return IsPrinting() && (asked == GETPRINTINGOFFSET || asked == GETPHYSPAGESIZE) ? 1 : 0;
    }
    case GETPRINTINGOFFSET:
    case GETPHYSPAGESIZE:
        if (!IsPrinting() || out == nullptr) {
            return 0;
        }
        *static_cast<CPoint*>(out) =
            escape == GETPRINTINGOFFSET
                ? CPoint(GetDeviceCaps(PHYSICALOFFSETX), GetDeviceCaps(PHYSICALOFFSETY))
                : CPoint(GetDeviceCaps(PHYSICALWIDTH), GetDeviceCaps(PHYSICALHEIGHT));
        return 1;
    default:
        return 0;
    }
}

// ---- Mapping ----------------------------------------------------------------------------------

void CDC::FixedExtents(int mode, CSize& window, CSize& viewport) const {
    const int units = UnitsPerInch(mode);
    if (units == 0) {
        window = {1, 1};
        viewport = {1, 1};
        return;
    }
    int dpiX = GetDeviceCaps(LOGPIXELSX);
    int dpiY = GetDeviceCaps(LOGPIXELSY);
    dpiX = dpiX > 0 ? dpiX : 96;
    dpiY = dpiY > 0 ? dpiY : 96;
    window = {units, units};
    viewport = {dpiX, -dpiY};
}

int CDC::SetMapMode(int mode) {
    if (mode < MM_TEXT || mode > MM_ANISOTROPIC) {
        return 0;
    }
    const int previous = m_state.mapMode;
    if (mode != MM_ANISOTROPIC) {
        if (mode != MM_ISOTROPIC || previous != MM_ISOTROPIC) {
            FixedExtents(mode, m_state.windowExt, m_state.viewportExt);
        }
    }
    m_state.mapMode = mode;
    Trace(DcOp::SetMapMode, [&] { return Vals({mode}); });
    return previous;
}

CPoint CDC::SetWindowOrg(int x, int y) {
    const CPoint previous = m_state.windowOrg;
    m_state.windowOrg = {x, y};
    Trace(DcOp::SetWindowOrg, [&] { return Pts({m_state.windowOrg}); });
    return previous;
}

CPoint CDC::OffsetWindowOrg(int dx, int dy) {
    return SetWindowOrg(m_state.windowOrg.x + dx, m_state.windowOrg.y + dy);
}

CPoint CDC::SetViewportOrg(int x, int y) {
    const CPoint previous = m_state.viewportOrg;
    m_state.viewportOrg = {x, y};
    Trace(DcOp::SetViewportOrg, [&] { return Pts({m_state.viewportOrg}); });
    return previous;
}

CPoint CDC::OffsetViewportOrg(int dx, int dy) {
    return SetViewportOrg(m_state.viewportOrg.x + dx, m_state.viewportOrg.y + dy);
}

void CDC::AdjustIsotropic() {
    if (m_state.mapMode != MM_ISOTROPIC) {
        return;
    }
    int dpiX = GetDeviceCaps(LOGPIXELSX);
    int dpiY = GetDeviceCaps(LOGPIXELSY);
    dpiX = dpiX > 0 ? dpiX : 96;
    dpiY = dpiY > 0 ? dpiY : 96;
    // Physical size of a logical unit on each axis; the larger one shrinks to the smaller.
    const double ux =
        std::abs(static_cast<double>(m_state.viewportExt.cx) / m_state.windowExt.cx) / dpiX;
    const double uy =
        std::abs(static_cast<double>(m_state.viewportExt.cy) / m_state.windowExt.cy) / dpiY;
    if (ux > uy) {
        const long long v = std::llround(uy * dpiX * std::abs(m_state.windowExt.cx));
        m_state.viewportExt.cx = ToLong(std::max(1LL, v)) * (m_state.viewportExt.cx < 0 ? -1 : 1);
    } else if (uy > ux) {
        const long long v = std::llround(ux * dpiY * std::abs(m_state.windowExt.cy));
        m_state.viewportExt.cy = ToLong(std::max(1LL, v)) * (m_state.viewportExt.cy < 0 ? -1 : 1);
    }
}

CSize CDC::SetWindowExt(int cx, int cy) {
    const CSize previous = m_state.windowExt;
    if ((m_state.mapMode != MM_ISOTROPIC && m_state.mapMode != MM_ANISOTROPIC) || cx == 0 ||
        cy == 0) {
        return previous;
    }
    m_state.windowExt = {cx, cy};
    AdjustIsotropic();
    Trace(DcOp::SetWindowExt, [&] { return Vals({cx, cy}); });
    return previous;
}

CSize CDC::SetViewportExt(int cx, int cy) {
    const CSize previous = m_state.viewportExt;
    if ((m_state.mapMode != MM_ISOTROPIC && m_state.mapMode != MM_ANISOTROPIC) || cx == 0 ||
        cy == 0) {
        return previous;
    }
    m_state.viewportExt = {cx, cy};
    AdjustIsotropic();
    Trace(DcOp::SetViewportExt, [&] { return Vals({cx, cy}); });
    return previous;
}

CSize CDC::ScaleViewportExt(int xNum, int xDenom, int yNum, int yDenom) {
    if (xDenom == 0 || yDenom == 0) {
        return m_state.viewportExt;
    }
    return SetViewportExt(MulDiv(m_state.viewportExt.cx, xNum, xDenom),
                          MulDiv(m_state.viewportExt.cy, yNum, yDenom));
}

CSize CDC::ScaleWindowExt(int xNum, int xDenom, int yNum, int yDenom) {
    if (xDenom == 0 || yDenom == 0) {
        return m_state.windowExt;
    }
    return SetWindowExt(MulDiv(m_state.windowExt.cx, xNum, xDenom),
                        MulDiv(m_state.windowExt.cy, yNum, yDenom));
}

void CDC::LPtoDP(CPoint* points, int count) const {
    if (points == nullptr) {
        return;
    }
    const State& s = m_state;
    for (int i = 0; i < count; ++i) {
        CPoint& p = points[i];
        p.x = ToLong(s.viewportOrg.x +
                     RoundDiv((static_cast<long long>(p.x) - s.windowOrg.x) * s.viewportExt.cx,
                              s.windowExt.cx));
        p.y = ToLong(s.viewportOrg.y +
                     RoundDiv((static_cast<long long>(p.y) - s.windowOrg.y) * s.viewportExt.cy,
                              s.windowExt.cy));
    }
}

void CDC::DPtoLP(CPoint* points, int count) const {
    if (points == nullptr) {
        return;
    }
    const State& s = m_state;
    for (int i = 0; i < count; ++i) {
        CPoint& p = points[i];
        p.x = ToLong(s.windowOrg.x +
                     RoundDiv((static_cast<long long>(p.x) - s.viewportOrg.x) * s.windowExt.cx,
                              s.viewportExt.cx));
        p.y = ToLong(s.windowOrg.y +
                     RoundDiv((static_cast<long long>(p.y) - s.viewportOrg.y) * s.windowExt.cy,
                              s.viewportExt.cy));
    }
}

void CDC::LPtoDP(CRect* rect) const {
    if (rect != nullptr) {
        LPtoDP(reinterpret_cast<CPoint*>(rect), 2);
    }
}

void CDC::DPtoLP(CRect* rect) const {
    if (rect != nullptr) {
        DPtoLP(reinterpret_cast<CPoint*>(rect), 2);
    }
}

void CDC::LPtoDP(CSize* size) const {
    if (size == nullptr) {
        return;
    }
    size->cx = MulDiv(size->cx, std::abs(m_state.viewportExt.cx), std::abs(m_state.windowExt.cx));
    size->cy = MulDiv(size->cy, std::abs(m_state.viewportExt.cy), std::abs(m_state.windowExt.cy));
}

void CDC::DPtoLP(CSize* size) const {
    if (size == nullptr) {
        return;
    }
    size->cx = MulDiv(size->cx, std::abs(m_state.windowExt.cx), std::abs(m_state.viewportExt.cx));
    size->cy = MulDiv(size->cy, std::abs(m_state.windowExt.cy), std::abs(m_state.viewportExt.cy));
}

double CDC::ScaleX() const {
    return static_cast<double>(m_state.viewportExt.cx) / m_state.windowExt.cx;
}

double CDC::ScaleY() const {
    return static_cast<double>(m_state.viewportExt.cy) / m_state.windowExt.cy;
}

// ---- Objects ----------------------------------------------------------------------------------

CPen* CDC::SelectObject(CPen* pen) {
    if (pen == nullptr || pen->GetSafeHandle() == nullptr) {
        return nullptr;
    }
    CPen* previous = m_state.penObject;
    m_state.penObject = pen;
    m_state.pen = pen->Data();
    Trace(DcOp::SelectPen, [] { return DcCallArgs(); });
    return previous;
}

CBrush* CDC::SelectObject(CBrush* brush) {
    if (brush == nullptr || brush->GetSafeHandle() == nullptr) {
        return nullptr;
    }
    CBrush* previous = m_state.brushObject;
    m_state.brushObject = brush;
    m_state.brush = brush->Data();
    Trace(DcOp::SelectBrush, [] { return DcCallArgs(); });
    return previous;
}

CFont* CDC::SelectObject(CFont* font) {
    if (font == nullptr || font->GetSafeHandle() == nullptr) {
        return nullptr;
    }
    CFont* previous = m_state.fontObject;
    m_state.fontObject = font;
    m_state.font = font->Data();
    Trace(DcOp::SelectFont, [] { return DcCallArgs(); });
    return previous;
}

CBitmap* CDC::SelectObject(CBitmap* bitmap) {
    if (bitmap == nullptr || bitmap->GetSafeHandle() == nullptr) {
        return nullptr;
    }
    // Only a memory device context has a bitmap to exchange.
    CBitmap* previous = m_state.bitmapObject;
    if (previous == nullptr) {
        return nullptr;
    }
    m_state.bitmapObject = bitmap;
    m_state.bitmap = bitmap->Pixels();
    ++m_clipSerial;
    Trace(DcOp::SelectBitmap, [&] {
        return Vals({bitmap->Pixels()->width, bitmap->Pixels()->height});
    });
    OnBitmapSelected();
    return previous;
}

int CDC::SelectObject(CRgn* region) {
    return SelectClipRgn(region);
}

CGdiObject* CDC::SelectObject(CGdiObject* object) {
    if (object == nullptr) {
        return nullptr;
    }
    switch (object->GetKind()) {
    case CGdiObject::Kind::Pen:
        return SelectObject(static_cast<CPen*>(object));
    case CGdiObject::Kind::Brush:
        return SelectObject(static_cast<CBrush*>(object));
    case CGdiObject::Kind::Font:
        return SelectObject(static_cast<CFont*>(object));
    case CGdiObject::Kind::Bitmap:
        return SelectObject(static_cast<CBitmap*>(object));
    case CGdiObject::Kind::Region:
        SelectClipRgn(static_cast<CRgn*>(object));
        return nullptr;
    }
    return nullptr;
}

CGdiObject* CDC::SelectStockObject(int index) {
    return SelectObject(CGdiObject::Stock(index));
}

// ---- Attributes -------------------------------------------------------------------------------

COLORREF CDC::SetTextColor(COLORREF color) {
    const COLORREF previous = m_state.textColor;
    m_state.textColor = color & 0xFFFFFF;
    Trace(DcOp::SetTextColor, [&] { return Vals({color}); });
    return previous;
}

COLORREF CDC::SetBkColor(COLORREF color) {
    const COLORREF previous = m_state.bkColor;
    m_state.bkColor = color & 0xFFFFFF;
    Trace(DcOp::SetBkColor, [&] { return Vals({color}); });
    return previous;
}

int CDC::SetBkMode(int mode) {
    if (mode != TRANSPARENT && mode != OPAQUE) {
        return 0;
    }
    const int previous = m_state.bkMode;
    m_state.bkMode = mode;
    Trace(DcOp::SetBkMode, [&] { return Vals({mode}); });
    return previous;
}

int CDC::SetROP2(int rop) {
    if (rop < R2_BLACK || rop > R2_WHITE) {
        return 0;
    }
    const int previous = m_state.rop2;
    m_state.rop2 = rop;
    Trace(DcOp::SetROP2, [&] { return Vals({rop}); });
    return previous;
}

UINT CDC::SetTextAlign(UINT align) {
    const UINT previous = m_state.textAlign;
    m_state.textAlign = align;
    Trace(DcOp::SetTextAlign, [&] { return Vals({align}); });
    return previous;
}

int CDC::SetPolyFillMode(int mode) {
    if (mode != ALTERNATE && mode != WINDING) {
        return 0;
    }
    const int previous = m_state.polyFillMode;
    m_state.polyFillMode = mode;
    Trace(DcOp::SetPolyFillMode, [&] { return Vals({mode}); });
    return previous;
}

int CDC::SetArcDirection(int direction) {
    if (direction != AD_COUNTERCLOCKWISE && direction != AD_CLOCKWISE) {
        return 0;
    }
    const int previous = m_state.arcDirection;
    m_state.arcDirection = direction;
    Trace(DcOp::SetArcDirection, [&] { return Vals({direction}); });
    return previous;
}

CPoint CDC::SetBrushOrg(int x, int y) {
    const CPoint previous = m_state.brushOrg;
    m_state.brushOrg = {x, y};
    Trace(DcOp::SetBrushOrg, [&] { return Pts({m_state.brushOrg}); });
    return previous;
}

// ---- Saved states -----------------------------------------------------------------------------

int CDC::SaveDC() {
    m_saved.push_back(m_state);
    Trace(DcOp::SaveDC, [&] { return Vals({static_cast<long long>(m_saved.size())}); });
    return static_cast<int>(m_saved.size());
}

BOOL CDC::RestoreDC(int saved) {
    const long long count = static_cast<long long>(m_saved.size());
    const long long index = saved < 0 ? count + saved : static_cast<long long>(saved) - 1;
    if (saved == 0 || index < 0 || index >= count) {
        return FALSE;
    }
    const auto bitmap = m_state.bitmap;
    m_state = std::move(m_saved[static_cast<std::size_t>(index)]);
    m_saved.resize(static_cast<std::size_t>(index));
    ++m_clipSerial;
    Trace(DcOp::RestoreDC, [&] { return Vals({saved}); });
    if (m_state.bitmap != bitmap) {
        OnBitmapSelected();
    }
    return TRUE;
}

// ---- Clipping ---------------------------------------------------------------------------------

void CDC::SetSystemClip(std::optional<Region> clip) {
    m_systemClip = std::move(clip);
    ++m_clipSerial;
}

CSize CDC::SurfaceSize() const {
    if (m_state.bitmap) {
        return {m_state.bitmap->width, m_state.bitmap->height};
    }
    return {GetDeviceCaps(HORZRES), GetDeviceCaps(VERTRES)};
}

Region CDC::SurfaceRegion() const {
    if (IsMetafile()) {
        return Region::FromRect(CRect(-kUnbounded, -kUnbounded, kUnbounded, kUnbounded));
    }
    const CSize size = SurfaceSize();
    return Region::FromRect(CRect(0, 0, size.cx, size.cy));
}

std::optional<Region> CDC::EffectiveClip() const {
    // Painters ask for every object whether it is visible: the clip is worked out once per
    // change.
    if (m_effectiveSerial == m_clipSerial) {
        return m_effective;
    }
    if (IsMetafile()) {
        m_effective = m_state.clip;
    } else {
        Region r = SurfaceRegion();
        if (m_systemClip) {
            r = Region::Combine(r, *m_systemClip, RGN_AND);
        }
        if (m_state.clip) {
            r = Region::Combine(r, *m_state.clip, RGN_AND);
        }
        m_effective = std::move(r);
    }
    m_effectiveSerial = m_clipSerial;
    return m_effective;
}

int CDC::ClipResult() const {
    const auto clip = EffectiveClip();
    return clip ? clip->Type() : SIMPLEREGION;
}

int CDC::SetClip(std::optional<Region> clip) {
    m_state.clip = std::move(clip);
    ++m_clipSerial;
    return ClipResult();
}

CRect CDC::ToDeviceRect(const CRect& logical) const {
    CRect r = logical;
    LPtoDP(&r);
    r.NormalizeRect();
    return r;
}

int CDC::SelectClipRgn(const CRgn* region) {
    return SelectClipRgn(region, RGN_COPY);
}

int CDC::SelectClipRgn(const CRgn* region, int mode) {
    if (mode < RGN_AND || mode > RGN_COPY) {
        return RGN_ERROR;
    }
    if (region != nullptr && region->GetSafeHandle() == nullptr) {
        return RGN_ERROR;
    }
    Trace(DcOp::SelectClipRgn, [&] { return Rc(region ? region->Data().Box() : CRect(), {mode}); });
    if (mode == RGN_COPY) {
        return SetClip(region ? std::optional<Region>(region->Data()) : std::nullopt);
    }
    if (region == nullptr) {
        return RGN_ERROR;
    }
    const Region current = m_state.clip ? *m_state.clip : SurfaceRegion();
    return SetClip(Region::Combine(current, region->Data(), mode));
}

int CDC::IntersectClipRect(int left, int top, int right, int bottom) {
    const CRect logical(left, top, right, bottom);
    Trace(DcOp::IntersectClipRect, [&] { return Rc(logical); });
    const Region rect = Region::FromRect(ToDeviceRect(logical));
    return SetClip(m_state.clip ? Region::Combine(*m_state.clip, rect, RGN_AND) : rect);
}

int CDC::IntersectClipRect(const CRect* rect) {
    return rect ? IntersectClipRect(rect->left, rect->top, rect->right, rect->bottom) : RGN_ERROR;
}

int CDC::ExcludeClipRect(int left, int top, int right, int bottom) {
    const CRect logical(left, top, right, bottom);
    Trace(DcOp::ExcludeClipRect, [&] { return Rc(logical); });
    const Region current = m_state.clip ? *m_state.clip : SurfaceRegion();
    return SetClip(Region::Combine(current, Region::FromRect(ToDeviceRect(logical)), RGN_DIFF));
}

int CDC::ExcludeClipRect(const CRect* rect) {
    return rect ? ExcludeClipRect(rect->left, rect->top, rect->right, rect->bottom) : RGN_ERROR;
}

int CDC::GetClipBox(CRect* rect) const {
    if (rect == nullptr) {
        return RGN_ERROR;
    }
    if (IsMetafile()) {
        rect->SetRectEmpty();
        return NULLREGION;
    }
    const auto clip = EffectiveClip();
    if (!clip || clip->IsEmpty()) {
        rect->SetRectEmpty();
        return NULLREGION;
    }
    *rect = clip->Box();
    DPtoLP(rect);
    return clip->Type();
}

BOOL CDC::PtVisible(int x, int y) const {
    if (IsMetafile()) {
        return TRUE;
    }
    CPoint p(x, y);
    LPtoDP(&p);
    const auto clip = EffectiveClip();
    return clip && clip->Contains(p.x, p.y);
}

BOOL CDC::RectVisible(const CRect* rect) const {
    if (rect == nullptr) {
        return FALSE;
    }
    if (IsMetafile()) {
        return TRUE;
    }
    const auto clip = EffectiveClip();
    return clip && clip->Intersects(ToDeviceRect(*rect));
}

// ---- Lines and shapes -------------------------------------------------------------------------

CPoint CDC::MoveTo(int x, int y) {
    const CPoint previous = m_state.currentPosition;
    m_state.currentPosition = {x, y};
    Trace(DcOp::MoveTo, [&] { return Pts({m_state.currentPosition}); });
    return previous;
}

BOOL CDC::LineTo(int x, int y) {
    const CPoint from = m_state.currentPosition;
    const CPoint to(x, y);
    Trace(DcOp::LineTo, [&] { return Pts({from, to}); });
    DoLine(from, to);
    m_state.currentPosition = to;
    return TRUE;
}

BOOL CDC::Polyline(const CPoint* points, int count) {
    if (points == nullptr || count < 2) {
        return FALSE;
    }
    Trace(DcOp::Polyline, [&] { return Pts(std::vector<CPoint>(points, points + count)); });
    DoPolyline(points, count);
    return TRUE;
}

BOOL CDC::Polygon(const CPoint* points, int count) {
    if (points == nullptr || count < 2) {
        return FALSE;
    }
    Trace(DcOp::Polygon, [&] { return Pts(std::vector<CPoint>(points, points + count)); });
    DoPolygon(points, count);
    return TRUE;
}

BOOL CDC::Rectangle(int left, int top, int right, int bottom) {
    const CRect r(left, top, right, bottom);
    Trace(DcOp::Rectangle, [&] { return Rc(r); });
    DoRectangle(r);
    return TRUE;
}

BOOL CDC::Rectangle(const CRect* rect) {
    return rect ? Rectangle(rect->left, rect->top, rect->right, rect->bottom) : FALSE;
}

BOOL CDC::Ellipse(int left, int top, int right, int bottom) {
    const CRect r(left, top, right, bottom);
    Trace(DcOp::Ellipse, [&] { return Rc(r); });
    DoEllipse(r);
    return TRUE;
}

BOOL CDC::Ellipse(const CRect* rect) {
    return rect ? Ellipse(rect->left, rect->top, rect->right, rect->bottom) : FALSE;
}

BOOL CDC::RoundRect(int left, int top, int right, int bottom, int width, int height) {
    const CRect r(left, top, right, bottom);
    Trace(DcOp::RoundRect, [&] { return Pts({CPoint(width, height)}, r); });
    DoRoundRect(r, CPoint(width, height));
    return TRUE;
}

BOOL CDC::RoundRect(const CRect* rect, const CPoint& corner) {
    return rect ? RoundRect(rect->left, rect->top, rect->right, rect->bottom, corner.x, corner.y)
                : FALSE;
}

BOOL CDC::ArcCall(ArcKind kind, const CRect& rect, const CPoint& start, const CPoint& end) {
    const DcOp op = kind == ArcKind::Arc   ? DcOp::Arc
                    : kind == ArcKind::Pie ? DcOp::Pie
                                           : DcOp::Chord;
    Trace(op, [&] { return Pts({start, end}, rect); });
    DoArc(kind, rect, start, end);
    return TRUE;
}

BOOL CDC::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    return ArcCall(ArcKind::Arc, CRect(x1, y1, x2, y2), CPoint(x3, y3), CPoint(x4, y4));
}

BOOL CDC::Arc(const CRect* rect, const CPoint& start, const CPoint& end) {
    return rect ? ArcCall(ArcKind::Arc, *rect, start, end) : FALSE;
}

BOOL CDC::Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    return ArcCall(ArcKind::Pie, CRect(x1, y1, x2, y2), CPoint(x3, y3), CPoint(x4, y4));
}

BOOL CDC::Pie(const CRect* rect, const CPoint& start, const CPoint& end) {
    return rect ? ArcCall(ArcKind::Pie, *rect, start, end) : FALSE;
}

BOOL CDC::Chord(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    return ArcCall(ArcKind::Chord, CRect(x1, y1, x2, y2), CPoint(x3, y3), CPoint(x4, y4));
}

BOOL CDC::Chord(const CRect* rect, const CPoint& start, const CPoint& end) {
    return rect ? ArcCall(ArcKind::Chord, *rect, start, end) : FALSE;
}

// ---- Blocks -----------------------------------------------------------------------------------

namespace {
DcCallArgs BrushArgs(const CRect& rect, const BrushData& brush) {
    return Rc(rect, {brush.style, brush.color, brush.hatch});
}
} // namespace

void CDC::FillRect(const CRect* rect, const CBrush* brush) {
    if (rect == nullptr || brush == nullptr || brush->GetSafeHandle() == nullptr) {
        return;
    }
    Trace(DcOp::FillRect, [&] { return BrushArgs(*rect, brush->Data()); });
    DoFillRect(*rect, brush->Data());
}

void CDC::FrameRect(const CRect* rect, const CBrush* brush) {
    if (rect == nullptr || brush == nullptr || brush->GetSafeHandle() == nullptr) {
        return;
    }
    Trace(DcOp::FrameRect, [&] { return BrushArgs(*rect, brush->Data()); });
    DoFrameRect(*rect, brush->Data());
}

void CDC::InvertRect(const CRect* rect) {
    if (rect == nullptr) {
        return;
    }
    Trace(DcOp::InvertRect, [&] { return Rc(*rect); });
    DoPatBlt(*rect, DSTINVERT);
}

void CDC::FillSolidRect(const CRect* rect, COLORREF color) {
    if (rect == nullptr) {
        return;
    }
    SetBkColor(color);
    const BrushData brush{BS_SOLID, color & 0xFFFFFF, 0, nullptr};
    Trace(DcOp::FillRect, [&] { return BrushArgs(*rect, brush); });
    DoFillRect(*rect, brush);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF color) {
    const CRect rect(x, y, x + cx, y + cy);
    FillSolidRect(&rect, color);
}

BOOL CDC::PatBlt(int x, int y, int width, int height, DWORD rop) {
    switch (rop) {
    case PATCOPY:
    case PATINVERT:
    case DSTINVERT:
    case BLACKNESS:
    case WHITENESS:
        break;
    default:
        return FALSE;
    }
    const CRect rect(x, y, x + width, y + height);
    Trace(DcOp::PatBlt, [&] { return Rc(rect, {rop}); });
    DoPatBlt(rect, rop);
    return TRUE;
}

BOOL CDC::BitBlt(int x, int y, int width, int height, CDC* source, int xSrc, int ySrc, DWORD rop) {
    if (source == nullptr && rop != BLACKNESS && rop != WHITENESS && rop != DSTINVERT &&
        rop != PATCOPY && rop != PATINVERT) {
        return FALSE;
    }
    const CRect rect(x, y, x + width, y + height);
    Trace(DcOp::BitBlt, [&] {
        DcCallArgs a = Pts({CPoint(xSrc, ySrc)}, rect);
        a.values = {rop};
        a.source = source;
        return a;
    });
    if (source == nullptr) {
        DoPatBlt(rect, rop);
        return TRUE;
    }
    return DoBitBlt(rect, source, CPoint(xSrc, ySrc), rop);
}

// ---- Text -------------------------------------------------------------------------------------

BOOL CDC::TextOut(int x, int y, std::string_view textCp932) {
    return ExtTextOut(x, y, 0, nullptr, textCp932, nullptr);
}

BOOL CDC::ExtTextOut(int x, int y, UINT options, const CRect* rect, std::string_view textCp932,
                     const int* widths) {
    const bool updateCp = (m_state.textAlign & TA_UPDATECP) != 0;
    const CPoint at = updateCp ? m_state.currentPosition : CPoint(x, y);
    Trace(DcOp::TextOut, [&] {
        DcCallArgs a = Pts({at}, rect ? *rect : CRect());
        a.text = std::string(textCp932);
        a.values = {options};
        return a;
    });
    DoTextOut(at, options, rect, textCp932, widths);
    if (updateCp) {
        const LONG cx = DoTextExtent(textCp932).cx;
        const UINT horz = m_state.textAlign & TA_HORZ_MASK;
        if (horz == TA_LEFT) {
            m_state.currentPosition.x += cx;
        } else if (horz == TA_RIGHT) {
            m_state.currentPosition.x -= cx;
        }
    }
    return TRUE;
}

CSize CDC::GetTextExtent(std::string_view textCp932) const {
    return DoTextExtent(textCp932);
}

BOOL CDC::GetTextMetrics(TEXTMETRIC* metrics) const {
    if (metrics == nullptr) {
        return FALSE;
    }
    *metrics = TEXTMETRIC{};
    DoTextMetrics(*metrics);
    return TRUE;
}

// ---- The screen -------------------------------------------------------------------------------

std::unique_ptr<CDC> CreateScreenDC() {
    if (!Factory()) {
        throw std::logic_error("no screen device context: the application installs a factory "
                               "with SetScreenDCFactory before anything measures on the screen");
    }
    return Factory()();
}

ScreenDCFactory SetScreenDCFactory(ScreenDCFactory factory) {
    ScreenDCFactory previous = std::move(Factory());
    Factory() = std::move(factory);
    return previous;
}

} // namespace tembra
