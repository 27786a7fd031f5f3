// The device context apart from its backends: the device it describes, the mapping between
// logical and device units, the names of its traced calls and the screen device context the
// application provides. Its state, clip, figures and text are in DCState.cpp, DCClip.cpp,
// DCFigures.cpp and DCText.cpp.
#include "platform/DC.h"
#include "platform/DCTraceArgs.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <stdexcept>

namespace tembra {

using dc_trace::Pts;
using dc_trace::Vals;

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
