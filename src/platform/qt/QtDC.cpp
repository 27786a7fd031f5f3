#include "platform/qt/QtDC.h"

#include "platform/Sjis.h"

#include <QBitmap>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPagedPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPrinter>
#include <QRegion>
#include <QScreen>

#include <algorithm>
#include <cmath>
#include <mutex>
#include <numbers>
#include <optional>

namespace tembra {

namespace {

QColor ToQColor(COLORREF c) {
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

// ---- Raster operations ------------------------------------------------------------------------

QPainter::CompositionMode RopMode(int rop) {
    switch (rop) {
    case R2_BLACK:
        return QPainter::RasterOp_ClearDestination;
    case R2_NOTMERGEPEN:
        return QPainter::RasterOp_NotSourceAndNotDestination;
    case R2_MASKNOTPEN:
        return QPainter::RasterOp_NotSourceAndDestination;
    case R2_NOTCOPYPEN:
        return QPainter::RasterOp_NotSource;
    case R2_MASKPENNOT:
        return QPainter::RasterOp_SourceAndNotDestination;
    case R2_NOT:
        return QPainter::RasterOp_NotDestination;
    case R2_XORPEN:
        return QPainter::RasterOp_SourceXorDestination;
    case R2_NOTMASKPEN:
        return QPainter::RasterOp_NotSourceOrNotDestination;
    case R2_MASKPEN:
        return QPainter::RasterOp_SourceAndDestination;
    case R2_NOTXORPEN:
        return QPainter::RasterOp_NotSourceXorDestination;
    case R2_MERGENOTPEN:
        return QPainter::RasterOp_NotSourceOrDestination;
    case R2_MERGEPENNOT:
        return QPainter::RasterOp_SourceOrNotDestination;
    case R2_MERGEPEN:
        return QPainter::RasterOp_SourceOrDestination;
    case R2_WHITE:
        return QPainter::RasterOp_SetDestination;
    default:
        return QPainter::CompositionMode_SourceOver;
    }
}

// Drawing the same shape twice with these leaves what drawing it once does, so a fill and an
// outline may overlap.
bool IsIdempotent(int rop) {
    switch (rop) {
    case R2_NOT:
    case R2_XORPEN:
    case R2_NOTXORPEN:
    case R2_NOTMERGEPEN:
    case R2_MASKPENNOT:
    case R2_NOTMASKPEN:
    case R2_MERGEPENNOT:
        return false;
    default:
        return true;
    }
}

// What a raster operation draws on a vector device: the colour to copy, or nothing when the
// operation would leave the destination as it is with this source colour.
std::optional<COLORREF> VectorColor(int rop, COLORREF c) {
    c &= 0xFFFFFF;
    const COLORREF white = 0xFFFFFF;
    switch (rop) {
    case R2_NOP:
        return std::nullopt;
    case R2_BLACK:
        return 0;
    case R2_WHITE:
        return white;
    case R2_NOTCOPYPEN:
        return ~c & white;
    case R2_XORPEN:
    case R2_MERGEPEN:
    case R2_MASKNOTPEN:
        return c == 0 ? std::nullopt : std::optional<COLORREF>(c);
    case R2_NOTXORPEN:
    case R2_MASKPEN:
    case R2_MERGENOTPEN:
        return c == white ? std::nullopt : std::optional<COLORREF>(c);
    default:
        return c;
    }
}

// ---- Hatches and patterns -------------------------------------------------------------------

// Rows of the 8 x 8 hatch cells, bit 7 at the left; a set bit is ink.
constexpr unsigned char kHatchRows[6][8] = {
    {0xFF, 0, 0, 0, 0, 0, 0, 0},                      // horizontal
    {0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80}, // vertical
    {0x80, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01}, // falling (\)
    {0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40, 0x80}, // rising (/)
    {0xFF, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80}, // cross
    {0x81, 0x42, 0x24, 0x18, 0x18, 0x24, 0x42, 0x81}, // diagonal cross
};

bool HatchInk(int hatch, int x, int y) {
    return (kHatchRows[hatch][y & 7] >> (7 - (x & 7))) & 1;
}

int FontWeight(LONG weight) {
    return weight <= 0 ? 400 : std::clamp<int>(weight, 1, 1000);
}

// One character of a text line as drawn: its text, whether it stands upright in a vertical
// line, and its advance along the base line in device pixels.
struct Glyph {
    QString text;
    bool upright = false;
    qreal advance = 0.0;
};

struct RealizedFont {
    QFont font;  // stretched to the LOGFONT's width
    QFont plain; // the same without the stretch (upright glyphs of vertical text)
    qreal stretch = 1.0;
    bool vertical = false;
    qreal ascent = 0.0;
    qreal descent = 0.0;
    int pixelSize = 1;
};

} // namespace

// ---- Font substitution ----------------------------------------------------------------------

void InstallFontSubstitutions() {
    static std::once_flag once;
    std::call_once(once, [] {
        const std::pair<const char*, const char*> names[] = {
            {"ＭＳ 明朝", "IPAMincho"},    {"ＭＳ ゴシック", "IPAGothic"},
            {"ＭＳ Ｐ明朝", "IPAPMincho"}, {"ＭＳ Ｐゴシック", "IPAPGothic"},
            {"MS Mincho", "IPAMincho"},    {"MS Gothic", "IPAGothic"},
            {"MS PMincho", "IPAPMincho"},  {"MS PGothic", "IPAPGothic"},
        };
        for (const auto& [windows, ipa] : names) {
            QFont::insertSubstitution(QString::fromUtf8(windows), QString::fromLatin1(ipa));
        }
    });
}

// ---- Impl -----------------------------------------------------------------------------------

struct CQtDC::Impl {
    Options options;
    QPainter* painter = nullptr;
    std::unique_ptr<QPainter> ownPainter;
    std::unique_ptr<QImage> ownImage;    // ForScreen
    std::unique_ptr<QImage> bitmapImage; // a memory device context's selected bitmap
    std::shared_ptr<BitmapPixels> bitmapPixels;
    QPaintDevice* device = nullptr;
    bool borrowed = false;
    bool rasterOps = false;
    int dpiX = 96;
    int dpiY = 96;
    QSize size;
    unsigned appliedClip = 0;

    // Fonts realised for the LOGFONT and scale in force.
    struct FontEntry {
        LOGFONT font;
        double sx = 0.0;
        double sy = 0.0;
        RealizedFont realized;
    };
    mutable std::vector<FontEntry> fonts;

    struct BrushKey {
        BrushData brush;
        std::vector<std::uint32_t> pattern;
        int patternWidth = 0;
        bool monochrome = false;
        int rop = 0;
        COLORREF text = 0;
        COLORREF bk = 0;
        int bkMode = 0;
        bool operator==(const BrushKey&) const = default;
    };
    mutable std::vector<std::pair<BrushKey, QBrush>> brushes;
    mutable QBitmap hatchBitmaps[6];

    int PatternScale() const {
        return std::max(1, static_cast<int>(std::lround(std::min(dpiX, dpiY) / 96.0)));
    }
};

namespace {

QRect DeviceRect(const CDC& dc, const CRect& logical) {
    CRect r = logical;
    dc.LPtoDP(&r);
    r.NormalizeRect();
    return QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1));
}

// Fills a device rectangle. A textured brush goes in bands of 64 rows: Qt hands taller texture
// fills to its thread pool, which costs more than it saves on the rectangles of a chart.
void FillDeviceRect(QPainter& p, const QRect& r, const QBrush& brush) {
    if (brush.style() != Qt::TexturePattern || r.height() <= 64) {
        p.fillRect(r, brush);
        return;
    }
    for (int top = r.top(); top <= r.bottom(); top += 64) {
        p.fillRect(QRect(r.left(), top, r.width(), std::min(64, r.bottom() + 1 - top)), brush);
    }
}

QPoint DevicePoint(const CDC& dc, const CPoint& logical) {
    CPoint p = logical;
    dc.LPtoDP(&p);
    return {p.x, p.y};
}

} // namespace

CQtDC::CQtDC(QPaintDevice* device, const Options& options) : d(std::make_unique<Impl>()) {
    d->options = options;
    d->device = device;
    if (device != nullptr) {
        d->ownPainter = std::make_unique<QPainter>(device);
        d->painter = d->ownPainter.get();
    }
    Init();
}

CQtDC::CQtDC(QPainter* painter, const Options& options) : d(std::make_unique<Impl>()) {
    d->options = options;
    d->painter = painter;
    d->borrowed = true;
    if (painter != nullptr) {
        d->device = painter->device();
        painter->save();
    }
    Init();
}

CQtDC::CQtDC(const Options& memoryOptions) : d(std::make_unique<Impl>()) {
    d->options = memoryOptions;
    d->options.device = Device::Memory;
    Init();
    BecomeMemoryDC();
    OnBitmapSelected();
}

void CQtDC::Init() {
    InstallFontSubstitutions();
    const Options& o = d->options;
    SetKind(o.device == Device::Printer, o.device == Device::Metafile);
    d->dpiX = o.dpiX > 0 ? o.dpiX : d->device ? d->device->logicalDpiX() : 96;
    d->dpiY = o.dpiY > 0 ? o.dpiY : d->device ? d->device->logicalDpiY() : 96;
    d->dpiX = d->dpiX > 0 ? d->dpiX : 96;
    d->dpiY = d->dpiY > 0 ? d->dpiY : 96;
    d->size = !o.size.isEmpty() ? o.size
              : d->device       ? QSize(d->device->width(), d->device->height())
                                : QSize(1, 1);
    if (!o.updateRect.isNull()) {
        const QRect u = o.updateRect;
        SetSystemClip(Region::FromRect(CRect(u.left(), u.top(), u.right() + 1, u.bottom() + 1)));
    }
    if (d->painter != nullptr) {
        d->painter->setRenderHint(QPainter::Antialiasing, false);
        d->painter->setRenderHint(QPainter::TextAntialiasing, true);
        d->rasterOps = (o.device == Device::Screen || o.device == Device::Memory) &&
                       d->painter->paintEngine() != nullptr &&
                       d->painter->paintEngine()->hasFeature(QPaintEngine::RasterOpModes);
    }
}

CQtDC::~CQtDC() {
    if (d->painter != nullptr && d->painter->isActive()) {
        if (d->borrowed) {
            d->painter->restore();
        } else {
            d->painter->end();
        }
    }
}

CQtDC::Options CQtDC::ForPrinter(const QPrinter& printer) {
    Options o = ForPagedDevice(printer, Device::Printer);
    o.monochrome = printer.colorMode() == QPrinter::GrayScale;
    return o;
}

CQtDC::Options CQtDC::ForPagedDevice(const QPagedPaintDevice& device, Device kind) {
    Options o;
    o.device = kind;
    const QPageLayout layout = device.pageLayout();
    const int dpi = device.logicalDpiX();
    o.dpiX = dpi;
    o.dpiY = device.logicalDpiY();
    const QRect paint = layout.paintRectPixels(dpi);
    const QRect full = layout.fullRectPixels(dpi);
    o.size = paint.size();
    o.physicalOffset = paint.topLeft() - full.topLeft();
    o.physicalSize = full.size();
    return o;
}

std::unique_ptr<CQtDC> CQtDC::ForScreen() {
    Options o;
    o.device = Device::Screen;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        o.dpiX = static_cast<int>(std::lround(screen->logicalDotsPerInchX()));
        o.dpiY = static_cast<int>(std::lround(screen->logicalDotsPerInchY()));
        o.size = screen->size();
    }
    auto image = std::make_unique<QImage>(1, 1, QImage::Format_RGB32);
    image->fill(Qt::white);
    auto dc = std::make_unique<CQtDC>(image.get(), o);
    dc->d->ownImage = std::move(image);
    return dc;
}

void InstallQtScreenDC() {
    SetScreenDCFactory([]() -> std::unique_ptr<CDC> { return CQtDC::ForScreen(); });
}

QPainter* CQtDC::Painter() const {
    return d->painter;
}

const QImage* CQtDC::Image() const {
    if (d->bitmapImage) {
        return d->bitmapImage.get();
    }
    if (d->device != nullptr && d->device->devType() == QInternal::Image) {
        return static_cast<const QImage*>(d->device);
    }
    return nullptr;
}

int CQtDC::GetDeviceCaps(int index) const {
    const Options& o = d->options;
    const bool printer = o.device == Device::Printer;
    switch (index) {
    case TECHNOLOGY:
        return o.device == Device::Metafile ? DT_METAFILE : printer ? DT_RASPRINTER : DT_RASDISPLAY;
    case HORZRES:
        return d->size.width();
    case VERTRES:
        return d->size.height();
    case HORZSIZE:
        return static_cast<int>(std::lround(d->size.width() * 25.4 / d->dpiX));
    case VERTSIZE:
        return static_cast<int>(std::lround(d->size.height() * 25.4 / d->dpiY));
    case LOGPIXELSX:
        return d->dpiX;
    case LOGPIXELSY:
        return d->dpiY;
    case BITSPIXEL:
        return o.monochrome ? 1 : 32;
    case PLANES:
        return 1;
    case NUMCOLORS:
        return o.monochrome ? 2 : -1;
    case RASTERCAPS:
        return RC_BITBLT | RC_STRETCHBLT;
    case ASPECTX:
    case ASPECTY:
        return 36;
    case PHYSICALWIDTH:
        return printer ? (o.physicalSize.isEmpty() ? d->size.width() : o.physicalSize.width()) : 0;
    case PHYSICALHEIGHT:
        return printer ? (o.physicalSize.isEmpty() ? d->size.height() : o.physicalSize.height())
                       : 0;
    case PHYSICALOFFSETX:
        return printer ? o.physicalOffset.x() : 0;
    case PHYSICALOFFSETY:
        return printer ? o.physicalOffset.y() : 0;
    default:
        return 0;
    }
}

std::unique_ptr<CDC> CQtDC::CreateCompatibleDC() {
    Options o;
    o.dpiX = d->dpiX;
    o.dpiY = d->dpiY;
    o.size = d->size;
    o.monochrome = d->options.monochrome;
    return std::unique_ptr<CDC>(new CQtDC(o));
}

void CQtDC::OnBitmapSelected() {
    if (d->options.device != Device::Memory) {
        return;
    }
    if (d->ownPainter && d->ownPainter->isActive()) {
        d->ownPainter->end();
    }
    d->bitmapImage.reset();
    d->bitmapPixels = SelectedBitmap();
    if (!d->bitmapPixels || d->bitmapPixels->width <= 0) {
        d->painter = nullptr;
        return;
    }
    BitmapPixels& px = *d->bitmapPixels;
    d->bitmapImage = std::make_unique<QImage>(reinterpret_cast<uchar*>(px.pixels.data()), px.width,
                                              px.height, px.width * 4, QImage::Format_RGB32);
    if (!d->ownPainter) {
        d->ownPainter = std::make_unique<QPainter>();
    }
    d->ownPainter->begin(d->bitmapImage.get());
    d->painter = d->ownPainter.get();
    d->device = d->bitmapImage.get();
    d->painter->setRenderHint(QPainter::Antialiasing, false);
    d->painter->setRenderHint(QPainter::TextAntialiasing, true);
    d->rasterOps = d->painter->paintEngine() != nullptr &&
                   d->painter->paintEngine()->hasFeature(QPaintEngine::RasterOpModes);
    d->appliedClip = 0;
}

// ---- Drawing state --------------------------------------------------------------------------

// Everything the drawing functions share lives here so that it can reach the state of the
// device context through its public interface.
class QtDrawer {
public:
    QtDrawer(CQtDC& dc, CQtDC::Impl& impl) : m_dc(dc), m_d(impl) {}

    QPainter* Painter() {
        QPainter* p = m_d.painter;
        return p != nullptr && p->isActive() ? p : nullptr;
    }

    void ApplyClip(QPainter& p, unsigned serial) {
        if (m_d.appliedClip == serial) {
            return;
        }
        m_d.appliedClip = serial;
        const auto clip = m_dc.EffectiveClip();
        if (!clip) {
            p.setClipping(false);
            return;
        }
        const auto& bands = clip->Bands();
        if (bands.size() == 1 && bands.front().spans.size() == 1) {
            const CRect r = clip->Box();
            if (r.left <= 0 && r.top <= 0 && r.right >= m_d.size.width() &&
                r.bottom >= m_d.size.height() && !m_dc.IsMetafile()) {
                p.setClipping(false);
                return;
            }
        }
        QRegion region;
        for (const CRect& r : clip->Rects()) {
            region += QRect(r.left, r.top, r.Width(), r.Height());
        }
        p.setClipRegion(region);
    }

    // The colour a pen or brush draws with under the ROP2 on this device; nothing when it
    // draws nothing.
    std::optional<COLORREF> DrawColor(COLORREF c, int rop) const {
        if (m_d.rasterOps) {
            return c & 0xFFFFFF;
        }
        return VectorColor(rop, c);
    }

    void SetRop(QPainter& p, int rop) const {
        p.setCompositionMode(m_d.rasterOps ? RopMode(rop) : QPainter::CompositionMode_SourceOver);
    }

    int PenWidth(const PenData& pen) const {
        if (pen.width <= 0) {
            return pen.IsGeometric() ? 1 : 0;
        }
        return std::max(1, static_cast<int>(std::lround(pen.width * std::abs(m_dc.ScaleX()))));
    }

    // Qt::NoPen for a null pen or one that draws nothing under the ROP2.
    QPen MakePen(const PenData& pen, int rop) const {
        if (pen.IsNull()) {
            return Qt::NoPen;
        }
        const auto color = DrawColor(pen.color, rop);
        if (!color) {
            return Qt::NoPen;
        }
        const int width = PenWidth(pen);
        const UINT style = pen.LineStyle();
        QPen q(ToQColor(*color));
        if (width <= 1 && !pen.IsGeometric()) {
            // One device pixel; like GDI, a line leaves out its last pixel.
            q.setWidth(1);
            q.setCosmetic(true);
            q.setCapStyle(Qt::FlatCap);
            q.setJoinStyle(Qt::MiterJoin);
            const qreal unit = m_d.PatternScale();
            QList<qreal> dashes;
            switch (style) {
            case PS_DASH:
                dashes = {18, 6};
                break;
            case PS_DOT:
                dashes = {3, 3};
                break;
            case PS_DASHDOT:
                dashes = {9, 6, 3, 6};
                break;
            case PS_DASHDOTDOT:
                dashes = {9, 3, 3, 3, 3, 3};
                break;
            case PS_ALTERNATE:
                dashes = {1, 1};
                break;
            default:
                break;
            }
            if (!dashes.isEmpty()) {
                for (qreal& v : dashes) {
                    v *= unit;
                }
                q.setDashPattern(dashes);
            }
            return q;
        }
        q.setWidth(width);
        if (pen.IsGeometric()) {
            const UINT cap = pen.EndCap();
            q.setCapStyle(cap == PS_ENDCAP_FLAT     ? Qt::FlatCap
                          : cap == PS_ENDCAP_SQUARE ? Qt::SquareCap
                                                    : Qt::RoundCap);
            const UINT join = pen.Join();
            q.setJoinStyle(join == PS_JOIN_BEVEL   ? Qt::BevelJoin
                           : join == PS_JOIN_MITER ? Qt::MiterJoin
                                                   : Qt::RoundJoin);
        } else {
            q.setCapStyle(Qt::RoundCap);
            q.setJoinStyle(Qt::RoundJoin);
        }
        QList<qreal> dashes;
        // A cosmetic pen wider than a pixel draws its dashed styles solid, as GDI does.
        switch (pen.IsGeometric() ? style : PS_SOLID) {
        case PS_DASH:
            dashes = {3, 1};
            break;
        case PS_DOT:
            dashes = {1, 1};
            break;
        case PS_DASHDOT:
            dashes = {3, 1, 1, 1};
            break;
        case PS_DASHDOTDOT:
            dashes = {3, 1, 1, 1, 1, 1};
            break;
        case PS_USERSTYLE:
            for (DWORD run : pen.dashes) {
                dashes.push_back(std::max(0.01, run * std::abs(m_dc.ScaleX()) / width));
            }
            if (dashes.size() % 2 == 1) {
                dashes.push_back(dashes.back());
            }
            break;
        default:
            break;
        }
        if (!dashes.isEmpty()) {
            q.setDashPattern(dashes);
        }
        return q;
    }

    // A texture of the 8 x 8 cell (or a pattern bitmap) for a hatch or pattern brush, scaled
    // for the device. Colours that draw nothing are left transparent (vector devices). Brushes
    // are kept for the next draw: the painters make the same few over and over.
    QBrush MakeBrush(const BrushData& brush, int rop) const {
        if (brush.style == BS_NULL) {
            return Qt::NoBrush;
        }
        if (brush.style == BS_SOLID) {
            const auto c = DrawColor(brush.color, rop);
            return c ? QBrush(ToQColor(*c)) : QBrush(Qt::NoBrush);
        }
        CQtDC::Impl::BrushKey key;
        key.brush = brush;
        key.brush.pattern.reset();
        if (brush.pattern) {
            key.pattern = brush.pattern->pixels;
            key.patternWidth = brush.pattern->width;
            key.monochrome = brush.pattern->monochrome;
        }
        key.rop = rop;
        key.text = m_dc.GetTextColor();
        key.bk = m_dc.GetBkColor();
        key.bkMode = m_dc.GetBkMode();
        for (const auto& [k, b] : m_d.brushes) {
            if (k == key) {
                return b;
            }
        }
        QBrush made = MakeTexture(brush, rop);
        if (m_d.brushes.size() >= 16) {
            m_d.brushes.erase(m_d.brushes.begin());
        }
        m_d.brushes.emplace_back(std::move(key), made);
        return made;
    }

    // An image of a cell, each pixel repeated s times on each axis for the device.
    template <class ColorAt> QImage Cell(int w, int h, bool opaque, ColorAt color) const {
        QImage cell(w, h, opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32);
        for (int y = 0; y < h; ++y) {
            auto* line = reinterpret_cast<QRgb*>(cell.scanLine(y));
            for (int x = 0; x < w; ++x) {
                const std::optional<COLORREF> c = color(x, y);
                line[x] = c ? (0xFF000000u | ToQColor(*c).rgb()) : 0u;
            }
        }
        const int s = m_d.PatternScale();
        return s > 1 ? cell.scaled(w * s, h * s, Qt::IgnoreAspectRatio, Qt::FastTransformation)
                     : cell;
    }

    // The set bits of a hatch cell (scaled for the device), made once per device context.
    const QBitmap& HatchBitmap(int hatch) const {
        auto& slot = m_d.hatchBitmaps[hatch];
        if (slot.isNull()) {
            // Black pixels are the set bits of a bitmap.
            const QImage cell = Cell(8, 8, true, [&](int x, int y) {
                return std::optional<COLORREF>(HatchInk(hatch, x, y) ? 0 : 0xFFFFFF);
            });
            slot = QBitmap::fromImage(cell.convertToFormat(QImage::Format_Mono));
        }
        return slot;
    }

    QBrush MakeTexture(const BrushData& brush, int rop) const {
        switch (brush.style) {
        case BS_HATCHED: {
            const int hatch = std::clamp(brush.hatch, 0, 5);
            const auto ink = DrawColor(brush.color, rop);
            const bool opaque = m_dc.GetBkMode() == OPAQUE;
            if (m_d.rasterOps && !opaque && rop != R2_COPYPEN) {
                // Open gaps under a raster operation: a bitmap brush, whose gaps the painter
                // leaves alone in transparent mode.
                return QBrush(ToQColor(ink.value_or(brush.color)), HatchBitmap(hatch));
            }
            std::optional<COLORREF> gap;
            if (opaque) {
                gap = DrawColor(m_dc.GetBkColor(), rop);
            }
            return QBrush(Cell(8, 8, ink && gap,
                               [&](int x, int y) { return HatchInk(hatch, x, y) ? ink : gap; }));
        }
        case BS_PATTERN: {
            if (!brush.pattern || brush.pattern->width <= 0) {
                return Qt::NoBrush;
            }
            const BitmapPixels& px = *brush.pattern;
            const auto fore = DrawColor(m_dc.GetTextColor(), rop);
            const auto back = DrawColor(m_dc.GetBkColor(), rop);
            return QBrush(Cell(px.width, px.height, fore && back && px.monochrome,
                               [&](int x, int y) -> std::optional<COLORREF> {
                                   if (px.monochrome) {
                                       return px.Bit(x, y) ? back : fore;
                                   }
                                   const std::uint32_t v = px.At(x, y);
                                   return DrawColor(
                                       RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF), rop);
                               }));
        }
        default:
            return Qt::NoBrush;
        }
    }

    void SetBackground(QPainter& p, int rop) const {
        p.setBackgroundMode(m_dc.GetBkMode() == OPAQUE ? Qt::OpaqueMode : Qt::TransparentMode);
        const auto bk = DrawColor(m_dc.GetBkColor(), rop);
        if (!bk) {
            p.setBackgroundMode(Qt::TransparentMode);
        } else {
            p.setBackground(ToQColor(*bk));
        }
    }

    // Sets the painter up for the pen and brush in force; false when nothing can be drawn.
    bool Begin(QPainter*& p, QPen& pen, QBrush& brush) {
        p = Painter();
        if (p == nullptr || m_dc.GetROP2() == R2_NOP) {
            return false;
        }
        ApplyClip(*p, ClipSerial());
        const int rop = m_dc.GetROP2();
        SetRop(*p, rop);
        SetBackground(*p, rop);
        const CPoint org = m_dc.GetBrushOrg();
        p->setBrushOrigin(org.x, org.y);
        pen = MakePen(m_dc.CurrentPen(), rop);
        brush = MakeBrush(m_dc.CurrentBrush(), rop);
        return true;
    }

    unsigned ClipSerial() const { return m_dc.ClipSerial(); }

    // Fills the path and draws its outline without touching a pixel twice where the raster
    // operation would not allow it: the fill then keeps to the pixels the outline leaves, found
    // by rasterising both into masks.
    void FillAndStroke(QPainter& p, const QPainterPath& path, const QPen& pen, const QBrush& brush,
                       bool fill) {
        if (fill && brush.style() != Qt::NoBrush) {
            p.setPen(Qt::NoPen);
            p.setBrush(brush);
            if (pen.style() != Qt::NoPen && m_d.rasterOps && !IsIdempotent(m_dc.GetROP2())) {
                p.save();
                p.setClipRegion(FillOnly(p, path, pen), Qt::IntersectClip);
                p.drawPath(path);
                p.restore();
            } else {
                p.drawPath(path);
            }
        }
        if (pen.style() != Qt::NoPen) {
            p.setPen(pen);
            p.setBrush(Qt::NoBrush);
            p.drawPath(path);
        }
    }

    // The device pixels the fill of the path covers and its outline does not.
    static QRegion FillOnly(const QPainter& p, const QPainterPath& path, const QPen& pen) {
        const QTransform& world = p.worldTransform();
        const int margin = static_cast<int>(std::ceil(pen.widthF())) + 2;
        const QRect bounds = world.map(path).boundingRect().toAlignedRect().adjusted(
            -margin, -margin, margin, margin);
        if (bounds.isEmpty()) {
            return {};
        }
        const QTransform toMask = world * QTransform::fromTranslate(-bounds.x(), -bounds.y());
        auto mask = [&](bool outline) {
            QBitmap bits(bounds.size());
            bits.fill(Qt::color0);
            QPainter mp(&bits);
            mp.setRenderHint(QPainter::Antialiasing, false);
            mp.setTransform(toMask);
            if (outline) {
                QPen mono = pen;
                mono.setColor(Qt::color1);
                mp.setPen(mono);
                mp.setBrush(Qt::NoBrush);
                mp.setBackgroundMode(p.backgroundMode());
                mp.setBackground(Qt::color1);
            } else {
                mp.setPen(Qt::NoPen);
                mp.setBrush(Qt::color1);
            }
            mp.drawPath(path);
            mp.end();
            return QRegion(bits);
        };
        return (mask(false) - mask(true)).translated(bounds.topLeft());
    }

    // The rectangle a shape outline runs along (device), inset for an inside-frame pen.
    QRectF OutlineRect(const QRect& r, const QPen& pen) const {
        QRectF box(r.left(), r.top(), r.width() - 1, r.height() - 1);
        if (m_dc.CurrentPen().LineStyle() == PS_INSIDEFRAME && pen.style() != Qt::NoPen) {
            const qreal inset = std::floor(pen.widthF() / 2.0);
            box.adjust(inset, inset, -inset, -inset);
        }
        return box;
    }

    // ---- Text -------------------------------------------------------------------------------

    const RealizedFont& Font() const {
        const LOGFONT& lf = m_dc.CurrentFont();
        const double sx = m_dc.ScaleX();
        const double sy = m_dc.ScaleY();
        for (const auto& e : m_d.fonts) {
            if (e.sx == sx && e.sy == sy && e.font == lf) {
                return e.realized;
            }
        }
        if (m_d.fonts.size() > 32) {
            m_d.fonts.erase(m_d.fonts.begin());
        }
        m_d.fonts.push_back({lf, sx, sy, Realize(lf, sx, sy)});
        return m_d.fonts.back().realized;
    }

    RealizedFont Realize(const LOGFONT& lf, double sx, double sy) const {
        RealizedFont r;
        QString face = QString::fromStdString(Sjis::ToUtf8(lf.FaceName()));
        if (face.startsWith(QLatin1Char('@'))) {
            r.vertical = true;
            face.remove(0, 1);
        }
        QFont f;
        if (!face.isEmpty()) {
            f.setFamily(face);
        }
        switch (lf.lfPitchAndFamily & 0xF0) {
        case FF_ROMAN:
            f.setStyleHint(QFont::Serif);
            break;
        case FF_SWISS:
            f.setStyleHint(QFont::SansSerif);
            break;
        case FF_MODERN:
            f.setStyleHint(QFont::TypeWriter);
            break;
        default:
            break;
        }
        f.setWeight(static_cast<QFont::Weight>(FontWeight(lf.lfWeight)));
        f.setItalic(lf.lfItalic != 0);
        f.setUnderline(lf.lfUnderline != 0);
        f.setStrikeOut(lf.lfStrikeOut != 0);
        f.setKerning(false);
        double em = 0.0;
        if (lf.lfHeight < 0) {
            em = -lf.lfHeight * std::abs(sy);
        } else if (lf.lfHeight > 0) {
            // A positive height is the cell (ascent + descent): find the character height.
            QFont probe = f;
            probe.setPixelSize(100);
            const QFontMetricsF pm(probe);
            const qreal cell = pm.ascent() + pm.descent();
            em = lf.lfHeight * std::abs(sy) * (cell > 0 ? 100.0 / cell : 1.0);
        } else {
            em = m_d.dpiY / 6.0; // 12 points
        }
        r.pixelSize = std::max(1, static_cast<int>(std::lround(em)));
        f.setPixelSize(r.pixelSize);
        r.plain = f;
        if (lf.lfWidth != 0) {
            const qreal natural = QFontMetricsF(f).averageCharWidth();
            const double target = std::abs(lf.lfWidth * sx);
            if (natural > 0.0) {
                const int stretch =
                    std::clamp(static_cast<int>(std::lround(100.0 * target / natural)), 1, 4000);
                f.setStretch(stretch);
                r.stretch = stretch / 100.0;
            }
        }
        r.font = f;
        const QFontMetricsF fm(f);
        r.ascent = fm.ascent();
        r.descent = fm.descent();
        return r;
    }

    std::vector<Glyph> Glyphs(const RealizedFont& rf, std::string_view text) const {
        std::vector<Glyph> glyphs;
        if (!rf.vertical) {
            Glyph g;
            g.text = QString::fromStdString(Sjis::ToUtf8(text));
            g.advance = QFontMetricsF(rf.font).horizontalAdvance(g.text);
            glyphs.push_back(std::move(g));
            return glyphs;
        }
        const QFontMetricsF stretched(rf.font);
        const QFontMetricsF plain(rf.plain);
        for (std::size_t i = 0; i < text.size();) {
            const std::size_t n = Sjis::CharLength(text, i);
            Glyph g;
            g.text = QString::fromStdString(Sjis::ToUtf8(text.substr(i, n)));
            g.upright = n == 2;
            g.advance = g.upright ? plain.horizontalAdvance(g.text) * rf.stretch
                                  : stretched.horizontalAdvance(g.text);
            glyphs.push_back(std::move(g));
            i += n;
        }
        return glyphs;
    }

    // The device direction of the base line: the escapement turns with the y axis of the
    // mapping, as the chart's vertical text (901 under a y-up mapping) expects.
    qreal BaselineAngle() const {
        const double theta = m_dc.CurrentFont().lfEscapement / 10.0 * std::numbers::pi / 180.0;
        const double dx = std::cos(theta) * (m_dc.ScaleX() < 0 ? -1.0 : 1.0);
        const double dy = -std::sin(theta) * (m_dc.ScaleY() < 0 ? -1.0 : 1.0);
        return std::atan2(dy, dx) * 180.0 / std::numbers::pi;
    }

    void DrawText(QPainter& p, const QPoint& at, UINT options, const QRect* rect,
                  std::string_view text, const int* widths) {
        const RealizedFont& rf = Font();
        std::vector<Glyph> glyphs = Glyphs(rf, text);
        if (widths != nullptr && !rf.vertical) {
            // Explicit advances: one glyph per character.
            glyphs.clear();
            int k = 0;
            for (std::size_t i = 0; i < text.size(); ++k) {
                const std::size_t n = Sjis::CharLength(text, i);
                Glyph g;
                g.text = QString::fromStdString(Sjis::ToUtf8(text.substr(i, n)));
                g.advance = widths[k] * std::abs(m_dc.ScaleX());
                glyphs.push_back(std::move(g));
                i += n;
            }
        }
        qreal total = 0.0;
        for (const Glyph& g : glyphs) {
            total += g.advance;
        }
        const UINT align = m_dc.GetTextAlign();
        qreal x0 = 0.0;
        if ((align & TA_HORZ_MASK) == TA_CENTER) {
            x0 = -total / 2.0;
        } else if ((align & TA_HORZ_MASK) == TA_RIGHT) {
            x0 = -total;
        }
        qreal base = rf.ascent;
        if ((align & TA_VERT_MASK) == TA_BASELINE) {
            base = 0.0;
        } else if ((align & TA_VERT_MASK) == TA_BOTTOM) {
            base = -rf.descent;
        }
        const auto fore = m_dc.GetTextColor();
        p.save();
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
        if (rect != nullptr) {
            if (options & ETO_OPAQUE) {
                p.fillRect(*rect, ToQColor(m_dc.GetBkColor()));
            }
            if (options & ETO_CLIPPED) {
                p.setClipRect(*rect, Qt::IntersectClip);
            }
        }
        p.translate(at);
        p.rotate(BaselineAngle());
        if (m_dc.GetBkMode() == OPAQUE) {
            p.fillRect(QRectF(x0, base - rf.ascent, total, rf.ascent + rf.descent),
                       ToQColor(m_dc.GetBkColor()));
        }
        p.setPen(ToQColor(fore));
        qreal x = x0;
        for (const Glyph& g : glyphs) {
            if (!g.upright) {
                p.setFont(rf.font);
                p.drawText(QPointF(x, base), g.text);
            } else {
                // Upright in a vertical line: the glyph turns a quarter against the line and
                // is squeezed along it by the font's stretch.
                const QFontMetricsF pm(rf.plain);
                p.save();
                p.translate(x + g.advance / 2.0, base - (rf.ascent - rf.descent) / 2.0);
                p.scale(rf.stretch, 1.0);
                p.rotate(-90.0);
                p.setFont(rf.plain);
                p.drawText(QPointF(-pm.horizontalAdvance(g.text) / 2.0,
                                   (pm.ascent() - pm.descent()) / 2.0),
                           g.text);
                p.restore();
            }
            x += g.advance;
        }
        p.restore();
    }

    CSize Extent(std::string_view text) const {
        const RealizedFont& rf = Font();
        qreal total = 0.0;
        for (const Glyph& g : Glyphs(rf, text)) {
            total += g.advance;
        }
        const double sx = std::abs(m_dc.ScaleX());
        const double sy = std::abs(m_dc.ScaleY());
        const qreal height = std::ceil(rf.ascent) + std::ceil(rf.descent);
        return {static_cast<LONG>(std::lround(sx > 0 ? total / sx : 0.0)),
                static_cast<LONG>(std::lround(sy > 0 ? height / sy : 0.0))};
    }

    void Metrics(TEXTMETRIC& tm) const {
        const RealizedFont& rf = Font();
        const LOGFONT& lf = m_dc.CurrentFont();
        const QFontMetricsF fm(rf.font);
        const double sx = std::abs(m_dc.ScaleX());
        const double sy = std::abs(m_dc.ScaleY());
        auto ly = [&](qreal v) { return static_cast<LONG>(std::lround(sy > 0 ? v / sy : 0.0)); };
        auto lx = [&](qreal v) { return static_cast<LONG>(std::lround(sx > 0 ? v / sx : 0.0)); };
        tm.tmAscent = ly(std::ceil(rf.ascent));
        tm.tmDescent = ly(std::ceil(rf.descent));
        tm.tmHeight = tm.tmAscent + tm.tmDescent;
        tm.tmInternalLeading = std::max<LONG>(0, tm.tmHeight - ly(rf.pixelSize));
        tm.tmExternalLeading = ly(std::max<qreal>(0.0, fm.leading()));
        tm.tmAveCharWidth = lx(fm.averageCharWidth());
        tm.tmMaxCharWidth = lx(fm.maxWidth());
        tm.tmWeight = FontWeight(lf.lfWeight);
        tm.tmItalic = lf.lfItalic;
        tm.tmUnderlined = lf.lfUnderline;
        tm.tmStruckOut = lf.lfStrikeOut;
        tm.tmCharSet = lf.lfCharSet;
        const bool fixed = QFontInfo(rf.font).fixedPitch();
        tm.tmPitchAndFamily = static_cast<BYTE>((lf.lfPitchAndFamily & 0xF0) | TMPF_TRUETYPE |
                                                TMPF_VECTOR | (fixed ? 0 : TMPF_FIXED_PITCH));
    }

private:
    CQtDC& m_dc;
    CQtDC::Impl& m_d;
};

// ---- Lines and shapes -------------------------------------------------------------------------

void CQtDC::DoLine(const CPoint& from, const CPoint& to) {
    QtDrawer dr(*this, *d);
    QPainter* p = nullptr;
    QPen pen;
    QBrush brush;
    if (!dr.Begin(p, pen, brush) || pen.style() == Qt::NoPen) {
        return;
    }
    p->setPen(pen);
    p->drawLine(DevicePoint(*this, from), DevicePoint(*this, to));
}

void CQtDC::DoPolyline(const CPoint* points, int count) {
    QtDrawer dr(*this, *d);
    QPainter* p = nullptr;
    QPen pen;
    QBrush brush;
    if (!dr.Begin(p, pen, brush) || pen.style() == Qt::NoPen) {
        return;
    }
    QPolygon poly;
    poly.reserve(count);
    for (int i = 0; i < count; ++i) {
        poly.push_back(DevicePoint(*this, points[i]));
    }
    p->setPen(pen);
    p->setBrush(Qt::NoBrush);
    p->drawPolyline(poly);
}

void CQtDC::DoPolygon(const CPoint* points, int count) {
    QtDrawer dr(*this, *d);
    QPainter* p = nullptr;
    QPen pen;
    QBrush brush;
    if (!dr.Begin(p, pen, brush)) {
        return;
    }
    QPolygonF poly;
    poly.reserve(count);
    for (int i = 0; i < count; ++i) {
        poly.push_back(DevicePoint(*this, points[i]));
    }
    QPainterPath path;
    path.setFillRule(GetPolyFillMode() == WINDING ? Qt::WindingFill : Qt::OddEvenFill);
    path.addPolygon(poly);
    path.closeSubpath();
    dr.FillAndStroke(*p, path, pen, brush, true);
}

void CQtDC::DoRectangle(const CRect& rect) {
    QtDrawer dr(*this, *d);
    QPainter* p = nullptr;
    QPen pen;
    QBrush brush;
    if (!dr.Begin(p, pen, brush)) {
        return;
    }
    const QRect r = DeviceRect(*this, rect);
    if (r.width() <= 0 || r.height() <= 0) {
        return;
    }
    const bool hasPen = pen.style() != Qt::NoPen || !CurrentPen().IsNull();
    if (brush.style() != Qt::NoBrush) {
        // The interior: without a pen GDI fills one pixel less on the right and at the bottom;
        // with one the outline covers the edges.
        QRect inner(r.left(), r.top(), r.width() - 1, r.height() - 1);
        if (hasPen) {
            const int w = std::max(1, static_cast<int>(pen.widthF()));
            const int inset = (w + 1) / 2;
            inner = QRect(r.left() + inset, r.top() + inset, r.width() - 2 * inset,
                          r.height() - 2 * inset);
        }
        if (inner.width() > 0 && inner.height() > 0) {
            FillDeviceRect(*p, inner, brush);
        }
    }
    if (pen.style() != Qt::NoPen) {
        p->setPen(pen);
        p->setBrush(Qt::NoBrush);
        p->drawRect(dr.OutlineRect(r, pen));
    }
}

void CQtDC::DoEllipse(const CRect& rect) {
    QtDrawer dr(*this, *d);
    QPainter* p = nullptr;
    QPen pen;
    QBrush brush;
    if (!dr.Begin(p, pen, brush)) {
        return;
    }
    const QRect r = DeviceRect(*this, rect);
    if (r.width() <= 0 || r.height() <= 0) {
        return;
    }
    QPainterPath path;
    path.addEllipse(dr.OutlineRect(r, pen));
    dr.FillAndStroke(*p, path, pen, brush, true);
}

void CQtDC::DoRoundRect(const CRect& rect, const CPoint& corner) {
    QtDrawer dr(*this, *d);
    QPainter* p = nullptr;
    QPen pen;
    QBrush brush;
    if (!dr.Begin(p, pen, brush)) {
        return;
    }
    const QRect r = DeviceRect(*this, rect);
    if (r.width() <= 0 || r.height() <= 0) {
        return;
    }
    const qreal rx = std::abs(corner.x * ScaleX()) / 2.0;
    const qreal ry = std::abs(corner.y * ScaleY()) / 2.0;
    QPainterPath path;
    path.addRoundedRect(dr.OutlineRect(r, pen), rx, ry);
    dr.FillAndStroke(*p, path, pen, brush, true);
}

void CQtDC::DoArc(ArcKind kind, const CRect& rect, const CPoint& start, const CPoint& end) {
    QtDrawer dr(*this, *d);
    QPainter* p = nullptr;
    QPen pen;
    QBrush brush;
    if (!dr.Begin(p, pen, brush)) {
        return;
    }
    const QRect r = DeviceRect(*this, rect);
    if (r.width() <= 1 || r.height() <= 1) {
        return;
    }
    const QRectF box = dr.OutlineRect(r, pen);
    const QPointF c = box.center();
    const qreal rx = box.width() / 2.0;
    const qreal ry = box.height() / 2.0;
    // The parametric angle (counter-clockwise as seen) where the ray to a point meets the
    // ellipse.
    auto angle = [&](const CPoint& logical) {
        const QPoint q = DevicePoint(*this, logical);
        const double phi = std::atan2(-(q.y() - c.y()), q.x() - c.x());
        const double t = std::atan2(std::sin(phi) / ry, std::cos(phi) / rx);
        return t * 180.0 / std::numbers::pi;
    };
    const double a0 = angle(start);
    const double a1 = angle(end);
    double sweep = std::fmod(a1 - a0, 360.0);
    if (sweep <= 1e-9) {
        sweep += 360.0;
    }
    if (GetArcDirection() == AD_CLOCKWISE) {
        sweep -= 360.0;
        if (sweep > -1e-9) {
            sweep = -360.0;
        }
    }
    QPainterPath path;
    if (kind == ArcKind::Pie) {
        path.moveTo(c);
        path.arcTo(box, a0, sweep);
        path.closeSubpath();
    } else {
        path.arcMoveTo(box, a0);
        path.arcTo(box, a0, sweep);
        if (kind == ArcKind::Chord) {
            path.closeSubpath();
        }
    }
    dr.FillAndStroke(*p, path, pen, brush, kind != ArcKind::Arc);
}

// ---- Blocks -----------------------------------------------------------------------------------

void CQtDC::DoFillRect(const CRect& rect, const BrushData& brushData) {
    QtDrawer dr(*this, *d);
    QPainter* p = dr.Painter();
    if (p == nullptr) {
        return;
    }
    const QRect r = DeviceRect(*this, rect);
    if (r.width() <= 0 || r.height() <= 0) {
        return;
    }
    dr.ApplyClip(*p, ClipSerial());
    // A block fill copies: the ROP2 of the pens and brushes does not apply.
    dr.SetRop(*p, R2_COPYPEN);
    dr.SetBackground(*p, R2_COPYPEN);
    p->setBrushOrigin(GetBrushOrg().x, GetBrushOrg().y);
    const QBrush brush = dr.MakeBrush(brushData, R2_COPYPEN);
    if (brush.style() != Qt::NoBrush) {
        FillDeviceRect(*p, r, brush);
    }
}

void CQtDC::DoFrameRect(const CRect& rect, const BrushData& brush) {
    const QRect r = DeviceRect(*this, rect);
    if (r.width() <= 0 || r.height() <= 0) {
        return;
    }
    const int tx = std::max(1, static_cast<int>(std::lround(std::abs(ScaleX()))));
    const int ty = std::max(1, static_cast<int>(std::lround(std::abs(ScaleY()))));
    CRect parts[4] = {
        CRect(r.left(), r.top(), r.right() + 1, r.top() + ty),
        CRect(r.left(), r.bottom() + 1 - ty, r.right() + 1, r.bottom() + 1),
        CRect(r.left(), r.top() + ty, r.left() + tx, r.bottom() + 1 - ty),
        CRect(r.right() + 1 - tx, r.top() + ty, r.right() + 1, r.bottom() + 1 - ty),
    };
    for (CRect& part : parts) {
        DPtoLP(&part);
        DoFillRect(part, brush);
    }
}

void CQtDC::DoPatBlt(const CRect& rect, DWORD rop) {
    QtDrawer dr(*this, *d);
    QPainter* p = dr.Painter();
    if (p == nullptr) {
        return;
    }
    const QRect r = DeviceRect(*this, rect);
    if (r.width() <= 0 || r.height() <= 0) {
        return;
    }
    dr.ApplyClip(*p, ClipSerial());
    p->setBrushOrigin(GetBrushOrg().x, GetBrushOrg().y);
    switch (rop) {
    case BLACKNESS:
    case WHITENESS:
        p->setCompositionMode(QPainter::CompositionMode_Source);
        p->fillRect(r, rop == BLACKNESS ? Qt::black : Qt::white);
        break;
    case DSTINVERT:
        if (d->rasterOps) {
            p->setCompositionMode(QPainter::RasterOp_NotDestination);
            p->fillRect(r, Qt::black);
        }
        break;
    case PATINVERT:
    case PATCOPY: {
        const int rop2 = rop == PATINVERT ? R2_XORPEN : R2_COPYPEN;
        dr.SetRop(*p, rop2);
        dr.SetBackground(*p, rop2);
        const QBrush brush = dr.MakeBrush(CurrentBrush(), rop2);
        if (brush.style() != Qt::NoBrush) {
            FillDeviceRect(*p, r, brush);
        }
        break;
    }
    default:
        break;
    }
}

namespace {

QPainter::CompositionMode BltMode(DWORD rop) {
    switch (rop) {
    case SRCPAINT:
        return QPainter::RasterOp_SourceOrDestination;
    case SRCAND:
        return QPainter::RasterOp_SourceAndDestination;
    case SRCINVERT:
        return QPainter::RasterOp_SourceXorDestination;
    case SRCERASE:
        return QPainter::RasterOp_SourceAndNotDestination;
    case NOTSRCCOPY:
        return QPainter::RasterOp_NotSource;
    case NOTSRCERASE:
        return QPainter::RasterOp_NotSourceAndNotDestination;
    case MERGEPAINT:
        return QPainter::RasterOp_NotSourceOrDestination;
    default:
        return QPainter::CompositionMode_Source;
    }
}

} // namespace

BOOL CQtDC::DoBitBlt(const CRect& rect, CDC* source, const CPoint& sourcePoint, DWORD rop) {
    auto* src = dynamic_cast<CQtDC*>(source);
    const QImage* image = src ? src->Image() : nullptr;
    QtDrawer dr(*this, *d);
    QPainter* p = dr.Painter();
    if (image == nullptr || p == nullptr) {
        return FALSE;
    }
    const QRect r = DeviceRect(*this, rect);
    if (r.width() <= 0 || r.height() <= 0) {
        return TRUE;
    }
    CPoint sp = sourcePoint;
    src->LPtoDP(&sp);
    const QRect from(sp.x, sp.y, r.width(), r.height());
    dr.ApplyClip(*p, ClipSerial());
    if (d->rasterOps) {
        p->setCompositionMode(BltMode(rop));
        p->drawImage(r.topLeft(), *image, from);
        return TRUE;
    }
    // A vector device copies; pixels the operation would leave alone are not drawn.
    QImage part = image->copy(from).convertToFormat(QImage::Format_ARGB32);
    std::optional<QRgb> identity;
    if (rop == SRCINVERT || rop == SRCPAINT) {
        identity = qRgb(0, 0, 0);
    } else if (rop == SRCAND) {
        identity = qRgb(255, 255, 255);
    }
    if (identity) {
        for (int y = 0; y < part.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(part.scanLine(y));
            for (int x = 0; x < part.width(); ++x) {
                if ((line[x] | 0xFF000000u) == (*identity | 0xFF000000u)) {
                    line[x] = 0;
                }
            }
        }
    }
    p->setCompositionMode(QPainter::CompositionMode_SourceOver);
    p->drawImage(r.topLeft(), part);
    return TRUE;
}

// ---- Text -------------------------------------------------------------------------------------

void CQtDC::DoTextOut(const CPoint& point, UINT options, const CRect* rect, std::string_view text,
                      const int* widths) {
    QtDrawer dr(*this, *d);
    QPainter* p = dr.Painter();
    if (p == nullptr) {
        return;
    }
    dr.ApplyClip(*p, ClipSerial());
    std::optional<QRect> box;
    if (rect != nullptr) {
        box = DeviceRect(*this, *rect);
    }
    dr.DrawText(*p, DevicePoint(*this, point), options, box ? &*box : nullptr, text, widths);
}

CSize CQtDC::DoTextExtent(std::string_view text) const {
    QtDrawer dr(const_cast<CQtDC&>(*this), *d);
    return dr.Extent(text);
}

void CQtDC::DoTextMetrics(TEXTMETRIC& metrics) const {
    QtDrawer dr(const_cast<CQtDC&>(*this), *d);
    dr.Metrics(metrics);
}

} // namespace tembra
