#include "platform/GdiObjects.h"

#include "platform/DC.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <memory>

namespace tembra {

bool BitmapPixels::Bit(int x, int y) const {
    const std::uint32_t p = At(x, y);
    const int r = static_cast<int>((p >> 16) & 0xFF);
    const int g = static_cast<int>((p >> 8) & 0xFF);
    const int b = static_cast<int>(p & 0xFF);
    return r * 299 + g * 587 + b * 114 >= 128 * 1000;
}

// ---- Region -------------------------------------------------------------------------------

namespace {

using Spans = std::vector<std::pair<LONG, LONG>>;

bool Keep(int mode, bool inA, bool inB) {
    switch (mode) {
    case RGN_AND:
        return inA && inB;
    case RGN_OR:
        return inA || inB;
    case RGN_XOR:
        return inA != inB;
    case RGN_DIFF:
        return inA && !inB;
    default:
        return inA;
    }
}

// One band's spans of a combined with b's.
Spans CombineSpans(const Spans& a, const Spans& b, int mode) {
    std::vector<LONG> xs;
    xs.reserve((a.size() + b.size()) * 2);
    for (const auto& s : a) {
        xs.push_back(s.first);
        xs.push_back(s.second);
    }
    for (const auto& s : b) {
        xs.push_back(s.first);
        xs.push_back(s.second);
    }
    std::sort(xs.begin(), xs.end());
    xs.erase(std::unique(xs.begin(), xs.end()), xs.end());
    Spans out;
    std::size_t ia = 0;
    std::size_t ib = 0;
    for (std::size_t i = 0; i + 1 < xs.size(); ++i) {
        const LONG x0 = xs[i];
        const LONG x1 = xs[i + 1];
        while (ia < a.size() && a[ia].second <= x0) {
            ++ia;
        }
        while (ib < b.size() && b[ib].second <= x0) {
            ++ib;
        }
        const bool inA = ia < a.size() && a[ia].first <= x0;
        const bool inB = ib < b.size() && b[ib].first <= x0;
        if (!Keep(mode, inA, inB)) {
            continue;
        }
        if (!out.empty() && out.back().second == x0) {
            out.back().second = x1;
        } else {
            out.emplace_back(x0, x1);
        }
    }
    return out;
}

const Spans* SpansAt(const std::vector<Region::Band>& bands, std::size_t& cursor, LONG y) {
    while (cursor < bands.size() && bands[cursor].bottom <= y) {
        ++cursor;
    }
    if (cursor < bands.size() && bands[cursor].top <= y) {
        return &bands[cursor].spans;
    }
    return nullptr;
}

// Spans of the pixel centres inside [x0, x1) on one scan line (x0, x1 real crossings).
void AddSpan(Spans& spans, double x0, double x1) {
    const auto l = static_cast<LONG>(std::ceil(x0 - 0.5));
    const auto r = static_cast<LONG>(std::ceil(x1 - 0.5));
    if (r > l) {
        spans.emplace_back(l, r);
    }
}

void NormalizeSpans(Spans& spans) {
    std::sort(spans.begin(), spans.end());
    Spans merged;
    for (const auto& s : spans) {
        if (!merged.empty() && s.first <= merged.back().second) {
            merged.back().second = std::max(merged.back().second, s.second);
        } else {
            merged.push_back(s);
        }
    }
    spans.swap(merged);
}

// Scan lines are bounded so that a damaged shape cannot make a region of millions of bands.
constexpr LONG kMaxScanLines = 1 << 20;

} // namespace

Region Region::FromRect(const CRect& r) {
    CRect n = r;
    n.NormalizeRect();
    Region region;
    if (!n.IsRectEmpty()) {
        region.m_bands.push_back(Band{n.top, n.bottom, {{n.left, n.right}}});
    }
    return region;
}

Region Region::FromPolygon(const CPoint* points, int count, int fillMode, Lines lines) {
    Region region;
    if (points == nullptr || count < 3) {
        return region;
    }
    LONG minY = points[0].y;
    LONG maxY = points[0].y;
    for (int i = 1; i < count; ++i) {
        minY = std::min(minY, points[i].y);
        maxY = std::max(maxY, points[i].y);
    }
    minY = std::max(minY, lines.top);
    maxY = std::min(maxY, lines.bottom);
    if (static_cast<long long>(maxY) - minY > kMaxScanLines) {
        return region;
    }
    struct Crossing {
        double x;
        int dir;
    };
    std::vector<Crossing> crossings;
    for (LONG y = minY; y < maxY; ++y) {
        const double sy = y + 0.5;
        crossings.clear();
        for (int i = 0; i < count; ++i) {
            const CPoint& a = points[i];
            const CPoint& b = points[(i + 1) % count];
            if (a.y == b.y) {
                continue;
            }
            const bool up = a.y < b.y;
            const double y0 = up ? a.y : b.y;
            const double y1 = up ? b.y : a.y;
            if (sy < y0 || sy >= y1) {
                continue;
            }
            const double t = (sy - a.y) / static_cast<double>(b.y - a.y);
            crossings.push_back({a.x + t * (b.x - a.x), up ? 1 : -1});
        }
        std::sort(crossings.begin(), crossings.end(),
                  [](const Crossing& l, const Crossing& r) { return l.x < r.x; });
        Spans spans;
        if (fillMode == WINDING) {
            int winding = 0;
            double start = 0.0;
            for (const Crossing& c : crossings) {
                const int before = winding;
                winding += c.dir;
                if (before == 0 && winding != 0) {
                    start = c.x;
                } else if (before != 0 && winding == 0) {
                    AddSpan(spans, start, c.x);
                }
            }
        } else {
            for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
                AddSpan(spans, crossings[i].x, crossings[i + 1].x);
            }
        }
        NormalizeSpans(spans);
        if (!spans.empty()) {
            region.m_bands.push_back(Band{y, y + 1, std::move(spans)});
        }
    }
    region.Coalesce();
    return region;
}

Region Region::FromEllipse(const CRect& bounds, Lines lines) {
    CRect n = bounds;
    n.NormalizeRect();
    Region region;
    const LONG first = std::max(n.top, lines.top);
    const LONG end = std::min(n.bottom, lines.bottom);
    if (n.IsRectEmpty() || static_cast<long long>(end) - first > kMaxScanLines) {
        return region;
    }
    const double cx = (n.left + n.right) / 2.0;
    const double cy = (n.top + n.bottom) / 2.0;
    const double rx = n.Width() / 2.0;
    const double ry = n.Height() / 2.0;
    for (LONG y = first; y < end; ++y) {
        const double dy = (y + 0.5 - cy) / ry;
        const double q = 1.0 - dy * dy;
        if (q <= 0.0) {
            continue;
        }
        const double dx = rx * std::sqrt(q);
        Spans spans;
        AddSpan(spans, cx - dx, cx + dx);
        if (!spans.empty()) {
            region.m_bands.push_back(Band{y, y + 1, std::move(spans)});
        }
    }
    region.Coalesce();
    return region;
}

Region Region::FromRoundRect(const CRect& bounds, int cornerWidth, int cornerHeight, Lines lines) {
    CRect n = bounds;
    n.NormalizeRect();
    Region region;
    const LONG first = std::max(n.top, lines.top);
    const LONG end = std::min(n.bottom, lines.bottom);
    if (n.IsRectEmpty() || static_cast<long long>(end) - first > kMaxScanLines) {
        return region;
    }
    const double rx = std::min<double>(std::abs(static_cast<double>(cornerWidth)), n.Width()) / 2;
    const double ry = std::min<double>(std::abs(static_cast<double>(cornerHeight)), n.Height()) / 2;
    for (LONG y = first; y < end; ++y) {
        const double sy = y + 0.5;
        // How far the corner's curve keeps this line in from the sides.
        double inset = 0.0;
        const double dy = sy < n.top + ry      ? n.top + ry - sy
                          : sy > n.bottom - ry ? sy - (n.bottom - ry)
                                               : 0.0;
        if (dy > 0.0 && rx > 0.0) {
            const double q = 1.0 - (dy / ry) * (dy / ry);
            if (q <= 0.0) {
                continue;
            }
            inset = rx - rx * std::sqrt(q);
        }
        Spans spans;
        AddSpan(spans, n.left + inset, n.right - inset);
        if (!spans.empty()) {
            region.m_bands.push_back(Band{y, y + 1, std::move(spans)});
        }
    }
    region.Coalesce();
    return region;
}

Region Region::Combine(const Region& a, const Region& b, int mode) {
    if (mode == RGN_COPY) {
        return a;
    }
    std::vector<LONG> ys;
    for (const auto* r : {&a, &b}) {
        for (const auto& band : r->m_bands) {
            ys.push_back(band.top);
            ys.push_back(band.bottom);
        }
    }
    std::sort(ys.begin(), ys.end());
    ys.erase(std::unique(ys.begin(), ys.end()), ys.end());
    Region out;
    std::size_t ca = 0;
    std::size_t cb = 0;
    static const Spans kNone;
    for (std::size_t i = 0; i + 1 < ys.size(); ++i) {
        const Spans* sa = SpansAt(a.m_bands, ca, ys[i]);
        const Spans* sb = SpansAt(b.m_bands, cb, ys[i]);
        Spans spans = CombineSpans(sa ? *sa : kNone, sb ? *sb : kNone, mode);
        if (!spans.empty()) {
            out.m_bands.push_back(Band{ys[i], ys[i + 1], std::move(spans)});
        }
    }
    out.Coalesce();
    return out;
}

void Region::Coalesce() {
    std::vector<Band> merged;
    for (auto& band : m_bands) {
        if (!merged.empty() && merged.back().bottom == band.top &&
            merged.back().spans == band.spans) {
            merged.back().bottom = band.bottom;
        } else {
            merged.push_back(std::move(band));
        }
    }
    m_bands.swap(merged);
}

int Region::Type() const {
    if (m_bands.empty()) {
        return NULLREGION;
    }
    return m_bands.size() == 1 && m_bands.front().spans.size() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

CRect Region::Box() const {
    if (m_bands.empty()) {
        return {};
    }
    CRect box(std::numeric_limits<LONG>::max(), m_bands.front().top,
              std::numeric_limits<LONG>::min(), m_bands.back().bottom);
    for (const auto& band : m_bands) {
        box.left = std::min(box.left, band.spans.front().first);
        box.right = std::max(box.right, band.spans.back().second);
    }
    return box;
}

bool Region::Contains(LONG x, LONG y) const {
    for (const auto& band : m_bands) {
        if (y < band.top) {
            return false;
        }
        if (y < band.bottom) {
            for (const auto& s : band.spans) {
                if (x >= s.first && x < s.second) {
                    return true;
                }
            }
            return false;
        }
    }
    return false;
}

bool Region::Intersects(const CRect& r) const {
    CRect n = r;
    n.NormalizeRect();
    if (n.IsRectEmpty()) {
        return false;
    }
    for (const auto& band : m_bands) {
        if (band.bottom <= n.top) {
            continue;
        }
        if (band.top >= n.bottom) {
            break;
        }
        for (const auto& s : band.spans) {
            if (s.first < n.right && s.second > n.left) {
                return true;
            }
        }
    }
    return false;
}

void Region::Offset(LONG dx, LONG dy) {
    for (auto& band : m_bands) {
        band.top += dy;
        band.bottom += dy;
        for (auto& s : band.spans) {
            s.first += dx;
            s.second += dx;
        }
    }
}

std::vector<CRect> Region::Rects() const {
    std::vector<CRect> rects;
    for (const auto& band : m_bands) {
        for (const auto& s : band.spans) {
            rects.emplace_back(s.first, band.top, s.second, band.bottom);
        }
    }
    return rects;
}

// ---- CGdiObject -----------------------------------------------------------------------------

BOOL CGdiObject::DeleteObject() {
    if (m_stock || !m_created) {
        return FALSE;
    }
    Reset();
    m_created = false;
    return TRUE;
}

bool CGdiObject::BeginCreate() {
    if (m_stock) {
        return false;
    }
    Reset();
    m_created = false;
    return true;
}

struct StockObjects {
    CBrush brushes[6];
    CPen pens[3];
    CFont fonts[8];

    StockObjects() {
        const COLORREF brushColors[] = {RGB(255, 255, 255), RGB(192, 192, 192), RGB(128, 128, 128),
                                        RGB(64, 64, 64), RGB(0, 0, 0)};
        for (int i = 0; i < 5; ++i) {
            brushes[i].m_data = BrushData{BS_SOLID, brushColors[i], 0, nullptr};
        }
        brushes[NULL_BRUSH].m_data = BrushData{BS_NULL, 0, 0, nullptr};
        pens[0].m_data = PenData{PS_SOLID, 0, RGB(255, 255, 255), {}};
        pens[1].m_data = PenData{PS_SOLID, 0, RGB(0, 0, 0), {}};
        pens[2].m_data = PenData{PS_NULL, 0, RGB(0, 0, 0), {}};
        for (auto& f : fonts) {
            f.m_data = LOGFONT{};
            f.m_data.lfWeight = FW_NORMAL;
        }
        // The fixed-pitch stock fonts (OEM, ANSI fixed, system fixed).
        for (int i : {0, 1, 6}) {
            fonts[i].m_data.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
        }
        for (CGdiObject* o : All()) {
            o->m_created = true;
            o->m_stock = true;
        }
    }
    std::vector<CGdiObject*> All() {
        std::vector<CGdiObject*> all;
        for (auto& b : brushes) {
            all.push_back(&b);
        }
        for (auto& p : pens) {
            all.push_back(&p);
        }
        for (auto& f : fonts) {
            all.push_back(&f);
        }
        return all;
    }
    static StockObjects& Get() {
        static StockObjects stock;
        return stock;
    }
};

CGdiObject* CGdiObject::Stock(int index) {
    StockObjects& s = StockObjects::Get();
    if (index >= WHITE_BRUSH && index <= NULL_BRUSH) {
        return &s.brushes[index];
    }
    if (index >= WHITE_PEN && index <= NULL_PEN) {
        return &s.pens[index - WHITE_PEN];
    }
    if (index >= OEM_FIXED_FONT && index <= DEFAULT_GUI_FONT && index != 15) {
        return &s.fonts[index - OEM_FIXED_FONT];
    }
    return nullptr;
}

// ---- CPen -----------------------------------------------------------------------------------

CPen::CPen(int style, int width, COLORREF color) : CPen() {
    CreatePen(style, width, color);
}

CPen::CPen(int style, int width, const LOGBRUSH* brush, int styleCount, const DWORD* styles)
    : CPen() {
    CreatePen(style, width, brush, styleCount, styles);
}

BOOL CPen::CreatePen(int style, int width, COLORREF color) {
    if (!BeginCreate()) {
        return FALSE;
    }
    const UINT s = static_cast<UINT>(style) & PS_STYLE_MASK;
    if (s > PS_INSIDEFRAME) {
        return FALSE;
    }
    m_data = PenData{s, std::max(width, 0), color, {}};
    m_created = true;
    return TRUE;
}

BOOL CPen::CreatePen(int style, int width, const LOGBRUSH* brush, int styleCount,
                     const DWORD* styles) {
    if (!BeginCreate() || brush == nullptr) {
        return FALSE;
    }
    const UINT word = static_cast<UINT>(style);
    const UINT s = word & PS_STYLE_MASK;
    const bool geometric = (word & PS_TYPE_MASK) == PS_GEOMETRIC;
    if (s > PS_ALTERNATE || (s == PS_ALTERNATE && geometric) || (!geometric && width != 1)) {
        return FALSE;
    }
    if (s == PS_USERSTYLE) {
        if (styleCount <= 0 || styleCount > 16 || styles == nullptr) {
            return FALSE;
        }
        m_data.dashes.assign(styles, styles + styleCount);
        bool any = false;
        for (DWORD d : m_data.dashes) {
            any = any || d != 0;
        }
        if (!any) {
            m_data.dashes.clear();
            return FALSE;
        }
    } else if (styleCount != 0 || styles != nullptr) {
        return FALSE;
    }
    m_data.style = word;
    m_data.width = geometric ? std::max(width, 0) : 0;
    m_data.color = brush->lbColor;
    m_created = true;
    return TRUE;
}

// ---- CBrush ---------------------------------------------------------------------------------

CBrush::CBrush(COLORREF color) : CBrush() {
    CreateSolidBrush(color);
}

CBrush::CBrush(int hatch, COLORREF color) : CBrush() {
    CreateHatchBrush(hatch, color);
}

BOOL CBrush::CreateSolidBrush(COLORREF color) {
    if (!BeginCreate()) {
        return FALSE;
    }
    m_data = BrushData{BS_SOLID, color, 0, nullptr};
    m_created = true;
    return TRUE;
}

BOOL CBrush::CreateHatchBrush(int hatch, COLORREF color) {
    if (!BeginCreate() || hatch < HS_HORIZONTAL || hatch > HS_DIAGCROSS) {
        return FALSE;
    }
    m_data = BrushData{BS_HATCHED, color, hatch, nullptr};
    m_created = true;
    return TRUE;
}

BOOL CBrush::CreatePatternBrush(const CBitmap* bitmap) {
    if (!BeginCreate() || bitmap == nullptr || !bitmap->Pixels()) {
        return FALSE;
    }
    // The brush keeps its own copy: drawing into the bitmap later does not change it.
    m_data = BrushData{BS_PATTERN, 0, 0, std::make_shared<const BitmapPixels>(*bitmap->Pixels())};
    m_created = true;
    return TRUE;
}

BOOL CBrush::CreateBrushIndirect(const LOGBRUSH* brush) {
    if (brush == nullptr) {
        return FALSE;
    }
    switch (brush->lbStyle) {
    case BS_SOLID:
        return CreateSolidBrush(brush->lbColor);
    case BS_HATCHED:
        return CreateHatchBrush(brush->lbHatch, brush->lbColor);
    case BS_NULL:
        if (!BeginCreate()) {
            return FALSE;
        }
        m_data = BrushData{BS_NULL, 0, 0, nullptr};
        m_created = true;
        return TRUE;
    default:
        return FALSE;
    }
}

// ---- CFont ----------------------------------------------------------------------------------

BOOL CFont::CreateFontIndirect(const LOGFONT* font) {
    if (!BeginCreate() || font == nullptr) {
        return FALSE;
    }
    m_data = *font;
    // The face name is always terminated, whatever the caller filled in.
    m_data.lfFaceName[LF_FACESIZE - 1] = '\0';
    m_created = true;
    return TRUE;
}

BOOL CFont::CreatePointFontIndirect(const LOGFONT* font, const CDC* dc) {
    if (font == nullptr) {
        return FALSE;
    }
    std::unique_ptr<CDC> screen;
    if (dc == nullptr) {
        screen = CreateScreenDC();
        dc = screen.get();
    }
    LOGFONT lf = *font;
    if (dc != nullptr) {
        // 720 tenths of a point to the inch; the device rows of that, taken back to logical
        // units from the device origin.
        CPoint height(0, static_cast<LONG>(static_cast<long long>(dc->GetDeviceCaps(LOGPIXELSY)) *
                                           lf.lfHeight / 720));
        CPoint origin(0, 0);
        dc->DPtoLP(&height);
        dc->DPtoLP(&origin);
        lf.lfHeight = -std::abs(height.y - origin.y);
    }
    return CreateFontIndirect(&lf);
}

BOOL CFont::CreateFont(int height, int width, int escapement, int orientation, int weight,
                       BYTE italic, BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision,
                       BYTE clipPrecision, BYTE quality, BYTE pitchAndFamily,
                       std::string_view faceCp932) {
    LOGFONT lf;
    lf.lfHeight = height;
    lf.lfWidth = width;
    lf.lfEscapement = escapement;
    lf.lfOrientation = orientation;
    lf.lfWeight = weight;
    lf.lfItalic = italic;
    lf.lfUnderline = underline;
    lf.lfStrikeOut = strikeOut;
    lf.lfCharSet = charSet;
    lf.lfOutPrecision = outPrecision;
    lf.lfClipPrecision = clipPrecision;
    lf.lfQuality = quality;
    lf.lfPitchAndFamily = pitchAndFamily;
    lf.SetFaceName(faceCp932);
    return CreateFontIndirect(&lf);
}

int CFont::GetLogFont(LOGFONT* out) const {
    if (!m_created || out == nullptr) {
        return 0;
    }
    *out = m_data;
    return static_cast<int>(sizeof(LOGFONT));
}

// ---- CBitmap --------------------------------------------------------------------------------

namespace {
constexpr long long kMaxBitmapPixels = 64LL * 1024 * 1024;
}

BOOL CBitmap::CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel,
                           const void* bits) {
    if (!BeginCreate() || width <= 0 || height <= 0 || planes != 1 ||
        (bitsPerPixel != 1 && bitsPerPixel != 32) ||
        static_cast<long long>(width) * height > kMaxBitmapPixels) {
        return FALSE;
    }
    auto pixels = std::make_shared<BitmapPixels>();
    pixels->width = width;
    pixels->height = height;
    pixels->monochrome = bitsPerPixel == 1;
    pixels->pixels.assign(static_cast<std::size_t>(width) * height, 0xFF000000u);
    if (bits != nullptr) {
        if (bitsPerPixel == 1) {
            const auto* bytes = static_cast<const unsigned char*>(bits);
            const int stride = ((width + 15) / 16) * 2;
            for (int y = 0; y < height; ++y) {
                for (int x = 0; x < width; ++x) {
                    const bool one = (bytes[y * stride + x / 8] >> (7 - x % 8)) & 1;
                    pixels->pixels[static_cast<std::size_t>(y) * width + x] =
                        one ? 0xFFFFFFFFu : 0xFF000000u;
                }
            }
        } else {
            const auto* words = static_cast<const std::uint32_t*>(bits);
            for (std::size_t i = 0; i < pixels->pixels.size(); ++i) {
                pixels->pixels[i] = words[i] | 0xFF000000u;
            }
        }
    }
    m_pixels = std::move(pixels);
    m_created = true;
    return TRUE;
}

BOOL CBitmap::CreateCompatibleBitmap(const CDC* dc, int width, int height) {
    const bool mono = dc != nullptr && dc->GetDeviceCaps(BITSPIXEL) == 1;
    return CreateBitmap(width, height, 1, mono ? 1 : 32, nullptr);
}

int CBitmap::GetBitmap(BITMAP* out) const {
    if (!m_created || out == nullptr) {
        return 0;
    }
    out->bmWidth = m_pixels->width;
    out->bmHeight = m_pixels->height;
    out->bmPlanes = 1;
    out->bmBitsPixel = m_pixels->monochrome ? 1 : 32;
    return static_cast<int>(sizeof(BITMAP));
}

CSize CBitmap::GetBitmapDimension() const {
    return m_pixels ? CSize(m_pixels->width, m_pixels->height) : CSize();
}

// ---- CRgn -----------------------------------------------------------------------------------

BOOL CRgn::CreateRectRgn(int left, int top, int right, int bottom) {
    if (!BeginCreate()) {
        return FALSE;
    }
    SetData(Region::FromRect(CRect(left, top, right, bottom)));
    return TRUE;
}

BOOL CRgn::CreateRectRgnIndirect(const CRect* rect) {
    return rect != nullptr && CreateRectRgn(rect->left, rect->top, rect->right, rect->bottom);
}

BOOL CRgn::CreateEllipticRgn(int left, int top, int right, int bottom) {
    if (!BeginCreate()) {
        return FALSE;
    }
    SetData(Region::FromEllipse(CRect(left, top, right, bottom)));
    return TRUE;
}

BOOL CRgn::CreateEllipticRgnIndirect(const CRect* rect) {
    return rect != nullptr && CreateEllipticRgn(rect->left, rect->top, rect->right, rect->bottom);
}

BOOL CRgn::CreatePolygonRgn(const CPoint* points, int count, int fillMode) {
    if (!BeginCreate() || points == nullptr || count < 2 ||
        (fillMode != ALTERNATE && fillMode != WINDING)) {
        return FALSE;
    }
    SetData(Region::FromPolygon(points, count, fillMode));
    return TRUE;
}

BOOL CRgn::CreateRoundRectRgn(int left, int top, int right, int bottom, int width, int height) {
    if (!BeginCreate()) {
        return FALSE;
    }
    SetData(Region::FromRoundRect(CRect(left, top, right, bottom), width, height));
    return TRUE;
}

void CRgn::SetRectRgn(int left, int top, int right, int bottom) {
    SetData(Region::FromRect(CRect(left, top, right, bottom)));
}

int CRgn::CombineRgn(const CRgn* a, const CRgn* b, int mode) {
    if (a == nullptr || !a->m_created || mode < RGN_AND || mode > RGN_COPY ||
        (mode != RGN_COPY && (b == nullptr || !b->m_created))) {
        return RGN_ERROR;
    }
    SetData(Region::Combine(a->m_data, mode == RGN_COPY ? a->m_data : b->m_data, mode));
    return m_data.Type();
}

int CRgn::CopyRgn(const CRgn* source) {
    return CombineRgn(source, nullptr, RGN_COPY);
}

BOOL CRgn::EqualRgn(const CRgn* other) const {
    return other != nullptr && m_created && other->m_created && m_data == other->m_data;
}

int CRgn::OffsetRgn(int dx, int dy) {
    if (!m_created) {
        return RGN_ERROR;
    }
    m_data.Offset(dx, dy);
    return m_data.Type();
}

BOOL CRgn::PtInRegion(int x, int y) const {
    return m_created && m_data.Contains(x, y);
}

BOOL CRgn::RectInRegion(const CRect* rect) const {
    return m_created && rect != nullptr && m_data.Intersects(*rect);
}

int CRgn::GetRgnBox(CRect* out) const {
    if (!m_created || out == nullptr) {
        return RGN_ERROR;
    }
    *out = m_data.Box();
    return m_data.Type();
}

void CRgn::SetData(Region region) {
    m_data = std::move(region);
    m_created = true;
}

} // namespace tembra
