#include "platform/qt/QtDC.h"

#include "platform/qt/QtHeldDrawing.h"
#include "platform/qt/QtPenBrushMaker.h"
#include "platform/qt/QtRasterOps.h"
#include "platform/qt/QtTextDrawer.h"

#include <QFont>
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
#include <utility>
#include <vector>

namespace tembra {

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

namespace {

QRect DeviceRect(const CDC& dc, const CRect& logical) {
    CRect r = logical;
    dc.LPtoDP(&r);
    r.NormalizeRect();
    return QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1));
}

// Fills a device rectangle. On a raster device a textured brush goes in bands of 64 rows: Qt
// hands taller texture fills to its thread pool, which costs more than it saves on the
// rectangles of a chart. A vector device (a PDF file) gets the rectangle whole, since it writes
// a pattern object for every fill.
void FillDeviceRect(QPainter& p, const QRect& r, const QBrush& brush) {
    if (!PaintsOnRaster(p) || brush.style() != Qt::TexturePattern || r.height() <= 64) {
        p.fillRect(r, brush);
        return;
    }
    for (int top = r.top(); top <= r.bottom(); top += 64) {
        p.fillRect(QRect(r.left(), top, r.width(), std::min(64, r.bottom() + 1 - top)), brush);
    }
}

// Sets the painter's brush, or its origin, unless it has it already. The painter takes every
// brush object and every origin set as a change, and a PDF page writes the fill colour again
// at every change (before every node of a printed chart).
void UseBrush(QPainter& p, const QBrush& brush) {
    if (p.brush() != brush) {
        p.setBrush(brush);
    }
}

void UseBrushOrigin(QPainter& p, const CPoint& origin) {
    if (p.brushOrigin() != QPoint(origin.x, origin.y)) {
        p.setBrushOrigin(origin.x, origin.y);
    }
}

QPoint DevicePoint(const CDC& dc, const CPoint& logical) {
    CPoint p = logical;
    dc.LPtoDP(&p);
    return {p.x, p.y};
}

} // namespace

// ---- Impl -----------------------------------------------------------------------------------

struct CQtDC::Impl {
    explicit Impl(CQtDC& owner) : dc(owner) {}

    CQtDC& dc;
    Options options;
    QPainter* painter = nullptr;
    std::unique_ptr<QPainter> ownPainter;
    std::unique_ptr<QImage> ownImage;    // ForScreen
    std::unique_ptr<QImage> bitmapImage; // a memory device context's selected bitmap
    std::shared_ptr<BitmapPixels> bitmapPixels;
    QPaintDevice* device = nullptr;
    bool borrowed = false;
    unsigned appliedClip = 0;
    QtRasterOps rops;
    QtPenBrushMaker tools;
    QtTextDrawer text;

    // What a printer's page holds back to draw together.
    QtHeldDrawing held;

    // The painter, when it can draw, with what is held back drawn first.
    QPainter* Painter() {
        Flush();
        return ActivePainter();
    }
    QPainter* ActivePainter() const {
        return painter != nullptr && painter->isActive() ? painter : nullptr;
    }
    void Flush() {
        if (!held.Empty()) {
            held.Flush(ActivePainter());
        }
    }
    QtHeldDrawing::State HeldState() const {
        return {dc.GetROP2(), dc.GetBkMode(), dc.GetBkColor(), dc.ClipSerial()};
    }

    // The device's raster operations, pens, brushes and fonts follow the painter.
    void DeviceChanged() {
        const DeviceDescription& desc = dc.GetDeviceDescription();
        const bool canCombine = (desc.kind == Device::Screen || desc.kind == Device::Memory) &&
                                painter != nullptr && painter->paintEngine() != nullptr &&
                                painter->paintEngine()->hasFeature(QPaintEngine::RasterOpModes);
        rops = QtRasterOps(canCombine);
        tools.SetDevice(rops, static_cast<int>(std::lround(std::min(desc.dpiX, desc.dpiY) / 96.0)));
        text.SetDevice(desc.dpiY);
        appliedClip = 0;
    }

    void ApplyClip(QPainter& p) {
        const unsigned serial = dc.ClipSerial();
        if (appliedClip == serial) {
            return;
        }
        appliedClip = serial;
        const auto clip = dc.EffectiveClip();
        if (!clip) {
            p.setClipping(false);
            return;
        }
        const auto& bands = clip->Bands();
        if (bands.size() == 1 && bands.front().spans.size() == 1) {
            const CRect r = clip->Box();
            const CSize size = dc.GetDeviceDescription().size;
            if (r.left <= 0 && r.top <= 0 && r.right >= size.cx && r.bottom >= size.cy &&
                !dc.IsMetafile()) {
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

    // Sets the painter up for the pen and brush in force; false when nothing can be drawn.
    bool Begin(QPainter*& p, QPen& pen, QBrush& brush) {
        p = Painter();
        if (p == nullptr || dc.GetROP2() == R2_NOP) {
            return false;
        }
        ApplyClip(*p);
        const int rop = dc.GetROP2();
        rops.Apply(*p, rop);
        tools.SetBackground(dc, *p, rop);
        const CPoint org = dc.GetBrushOrg();
        UseBrushOrigin(*p, org);
        pen = tools.MakePen(dc, dc.CurrentPen(), rop);
        brush = tools.MakeBrush(dc, dc.CurrentBrush(), rop);
        return true;
    }

    // A figure drawn in a logical rectangle: the painter, pen and brush Begin made ready and
    // the box its outline follows.
    struct Figure {
        QPainter* painter = nullptr;
        QPen pen;
        QBrush brush;
        QRectF outline;
    };
    // Begin for a figure: none, and nothing to draw, also where the rectangle in device pixels
    // is no more than minExtent wide or high.
    std::optional<Figure> BeginFigure(const CRect& rect, int minExtent) {
        Figure figure;
        if (!Begin(figure.painter, figure.pen, figure.brush)) {
            return std::nullopt;
        }
        const QRect r = DeviceRect(dc, rect);
        if (r.width() <= minExtent || r.height() <= minExtent) {
            return std::nullopt;
        }
        figure.outline = OutlineRect(r, figure.pen);
        return figure;
    }

    // Fills the path and draws its outline without touching a pixel twice where the raster
    // operation would not allow it: the fill then keeps to the pixels the outline leaves.
    // Otherwise the painter fills and outlines the path in one call, which draws the same
    // pixels and gives a PDF page one path instead of two.
    void FillAndStroke(QPainter& p, const QPainterPath& path, const QPen& pen, const QBrush& brush,
                       bool fill) {
        const bool fills = fill && brush.style() != Qt::NoBrush;
        const bool strokes = pen.style() != Qt::NoPen;
        if (fills && strokes && !(rops.Raster() && QtRasterOps::CombinesTwice(dc.GetROP2()))) {
            p.setPen(pen);
            UseBrush(p, brush);
            p.drawPath(path);
            return;
        }
        if (fills) {
            p.setPen(Qt::NoPen);
            UseBrush(p, brush);
            if (pen.style() != Qt::NoPen && rops.Raster() &&
                QtRasterOps::CombinesTwice(dc.GetROP2())) {
                p.save();
                p.setClipRegion(QtRasterOps::FillOnly(p, path, pen), Qt::IntersectClip);
                p.drawPath(path);
                p.restore();
            } else {
                p.drawPath(path);
            }
        }
        if (pen.style() != Qt::NoPen) {
            p.setPen(pen);
            UseBrush(p, Qt::NoBrush);
            p.drawPath(path);
        }
    }

    // Whether a block filled with the brush, with no outline over it, joins the blocks held
    // back: only when it fills exactly as they do.
    bool ContinuesFill(const QRect& block, const QBrush& brush) {
        const CPoint org = dc.GetBrushOrg();
        return held.ContinuesFills(HeldState(), brush, QPoint(org.x, org.y), block);
    }
    // Fills a block with no outline over it; a printer's page holds it back.
    void FillBlock(QPainter& p, const QRect& block, const QBrush& brush) {
        if (QtHeldDrawing::Holds(dc, p)) {
            held.HoldFill(HeldState(), p, brush, block);
            return;
        }
        FillDeviceRect(p, block, brush);
    }

    // The rectangle a shape outline runs along (device), inset for an inside-frame pen.
    QRectF OutlineRect(const QRect& r, const QPen& pen) const {
        QRectF box(r.left(), r.top(), r.width() - 1, r.height() - 1);
        if (dc.CurrentPen().LineStyle() == PS_INSIDEFRAME && pen.style() != Qt::NoPen) {
            const qreal inset = std::floor(pen.widthF() / 2.0);
            box.adjust(inset, inset, -inset, -inset);
        }
        return box;
    }
};

// ---- Construction ---------------------------------------------------------------------------

CQtDC::CQtDC(QPaintDevice* device, const Options& options) : d(std::make_unique<Impl>(*this)) {
    d->options = options;
    d->device = device;
    if (device != nullptr) {
        d->ownPainter = std::make_unique<QPainter>(device);
        d->painter = d->ownPainter.get();
    }
    Init();
}

CQtDC::CQtDC(QPainter* painter, const Options& options) : d(std::make_unique<Impl>(*this)) {
    d->options = options;
    d->painter = painter;
    d->borrowed = true;
    if (painter != nullptr) {
        d->device = painter->device();
        painter->save();
    }
    Init();
}

CQtDC::CQtDC(const DeviceDescription& parent) : d(std::make_unique<Impl>(*this)) {
    InstallFontSubstitutions();
    d->options.device = Device::Memory;
    SetDevice(parent);
    BecomeMemoryDC();
    OnBitmapSelected();
}

void CQtDC::Init() {
    InstallFontSubstitutions();
    const Options& o = d->options;
    DeviceDescription desc;
    desc.kind = o.device;
    desc.dpiX = o.dpiX > 0 ? o.dpiX : d->device ? d->device->logicalDpiX() : 96;
    desc.dpiY = o.dpiY > 0 ? o.dpiY : d->device ? d->device->logicalDpiY() : 96;
    desc.dpiX = desc.dpiX > 0 ? desc.dpiX : 96;
    desc.dpiY = desc.dpiY > 0 ? desc.dpiY : 96;
    const QSize size = !o.size.isEmpty() ? o.size
                       : d->device       ? QSize(d->device->width(), d->device->height())
                                         : QSize(1, 1);
    desc.size = CSize(size.width(), size.height());
    desc.monochrome = o.monochrome;
    if (desc.IsPrinter()) {
        desc.printableOffset = CPoint(o.physicalOffset.x(), o.physicalOffset.y());
        if (!o.physicalSize.isEmpty()) {
            desc.sheet = CSize(o.physicalSize.width(), o.physicalSize.height());
        }
    }
    SetDevice(desc);
    if (!o.updateRect.isNull()) {
        const QRect u = o.updateRect;
        SetSystemClip(Region::FromRect(CRect(u.left(), u.top(), u.right() + 1, u.bottom() + 1)));
    }
    BeginPainter(d->painter);
}

void CQtDC::BeginPainter(QPainter* painter) {
    d->Flush();
    d->painter = painter;
    if (painter != nullptr) {
        painter->setRenderHint(QPainter::Antialiasing, false);
        painter->setRenderHint(QPainter::TextAntialiasing, true);
    }
    d->DeviceChanged();
}

CQtDC::~CQtDC() {
    d->Flush();
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
    Flush();
    return d->painter;
}

void CQtDC::Flush() const {
    d->Flush();
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

std::unique_ptr<CDC> CQtDC::CreateCompatibleDC() {
    return std::unique_ptr<CDC>(new CQtDC(GetDeviceDescription()));
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
    d->device = d->bitmapImage.get();
    BeginPainter(d->ownPainter.get());
}

// ---- Lines and shapes -------------------------------------------------------------------------

void CQtDC::DoLine(const CPoint& from, const CPoint& to) {
    const QPoint a = DevicePoint(*this, from);
    const QPoint b = DevicePoint(*this, to);
    if (d->held.HoldsLines() && GetROP2() != R2_NOP) {
        QPen pen = d->tools.MakePen(*this, CurrentPen(), GetROP2());
        d->tools.FitDashesToLine(*this, CurrentPen(), pen, from, to);
        if (d->held.ContinuesLines(d->HeldState(), pen, a, b)) {
            return;
        }
    }
    QPainter* p = nullptr;
    QPen pen;
    QBrush brush;
    if (!d->Begin(p, pen, brush) || pen.style() == Qt::NoPen) {
        return;
    }
    // A level or upright line one pixel wide on an image is the run of pixels from the smaller
    // end up to the larger one, the larger left out, whichever way it was drawn: the pixels the
    // painter's line would set, filled as a rectangle, which fills many times faster (the ruled
    // grid of a chart is thousands of such lines).
    const bool level = a.y() == b.y() && a.x() != b.x();
    const bool upright = a.x() == b.x() && a.y() != b.y();
    if ((level || upright) && Image() != nullptr && pen.style() == Qt::SolidLine &&
        pen.isCosmetic() && pen.widthF() <= 1.0 && pen.brush().style() == Qt::SolidPattern &&
        p->worldTransform().isIdentity() && !p->testRenderHint(QPainter::Antialiasing)) {
        const QRect run = level ? QRect(std::min(a.x(), b.x()), a.y(), std::abs(b.x() - a.x()), 1)
                                : QRect(a.x(), std::min(a.y(), b.y()), 1, std::abs(b.y() - a.y()));
        p->fillRect(run, pen.color());
        return;
    }
    d->tools.FitDashesToLine(*this, CurrentPen(), pen, from, to);
    if (QtHeldDrawing::Holds(*this, *p) && d->held.HoldLine(d->HeldState(), *p, pen, a, b)) {
        return;
    }
    StrokeOver(*p, pen, [&] { p->drawLine(a, b); });
}

void CQtDC::DoPolyline(const CPoint* points, int count) {
    QPainter* p = nullptr;
    QPen pen;
    QBrush brush;
    if (!d->Begin(p, pen, brush) || pen.style() == Qt::NoPen) {
        return;
    }
    QPolygon poly;
    poly.reserve(count);
    for (int i = 0; i < count; ++i) {
        poly.push_back(DevicePoint(*this, points[i]));
    }
    UseBrush(*p, Qt::NoBrush);
    StrokeOver(*p, pen, [&] { p->drawPolyline(poly); });
}

void CQtDC::DoPolygon(const CPoint* points, int count) {
    QPainter* p = nullptr;
    QPen pen;
    QBrush brush;
    if (!d->Begin(p, pen, brush)) {
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
    d->FillAndStroke(*p, path, pen, brush, true);
}

void CQtDC::DoRectangle(const CRect& rect) {
    const QRect r = DeviceRect(*this, rect);
    if (r.width() <= 0 || r.height() <= 0) {
        return;
    }
    if (d->held.HoldsFills() && GetROP2() != R2_NOP && CurrentPen().IsNull()) {
        const QRect inner(r.left(), r.top(), r.width() - 1, r.height() - 1);
        if (!inner.isEmpty() &&
            d->ContinuesFill(inner, d->tools.MakeBrush(*this, CurrentBrush(), GetROP2()))) {
            return;
        }
    }
    QPainter* p = nullptr;
    QPen pen;
    QBrush brush;
    if (!d->Begin(p, pen, brush)) {
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
            if (pen.style() == Qt::NoPen) {
                d->FillBlock(*p, inner, brush);
            } else {
                FillDeviceRect(*p, inner, brush);
            }
        }
    }
    if (pen.style() != Qt::NoPen) {
        p->setPen(pen);
        UseBrush(*p, Qt::NoBrush);
        p->drawRect(d->OutlineRect(r, pen));
    }
}

void CQtDC::DoEllipse(const CRect& rect) {
    const auto figure = d->BeginFigure(rect, 0);
    if (!figure) {
        return;
    }
    QPainterPath path;
    path.addEllipse(figure->outline);
    d->FillAndStroke(*figure->painter, path, figure->pen, figure->brush, true);
}

void CQtDC::DoRoundRect(const CRect& rect, const CPoint& corner) {
    const auto figure = d->BeginFigure(rect, 0);
    if (!figure) {
        return;
    }
    const qreal rx = std::abs(corner.x * ScaleX()) / 2.0;
    const qreal ry = std::abs(corner.y * ScaleY()) / 2.0;
    QPainterPath path;
    path.addRoundedRect(figure->outline, rx, ry);
    d->FillAndStroke(*figure->painter, path, figure->pen, figure->brush, true);
}

void CQtDC::DoArc(ArcKind kind, const CRect& rect, const CPoint& start, const CPoint& end) {
    const auto figure = d->BeginFigure(rect, 1);
    if (!figure) {
        return;
    }
    const QRectF& box = figure->outline;
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
    d->FillAndStroke(*figure->painter, path, figure->pen, figure->brush, kind != ArcKind::Arc);
}

// ---- Blocks -----------------------------------------------------------------------------------

void CQtDC::DoFillRect(const CRect& rect, const BrushData& brushData) {
    const QRect r = DeviceRect(*this, rect);
    if (r.width() <= 0 || r.height() <= 0) {
        return;
    }
    if (d->held.HoldsFills() &&
        d->ContinuesFill(r, d->tools.MakeBrush(*this, brushData, R2_COPYPEN))) {
        return;
    }
    QPainter* p = d->Painter();
    if (p == nullptr) {
        return;
    }
    d->ApplyClip(*p);
    // A block fill copies: the ROP2 of the pens and brushes does not apply.
    d->rops.Apply(*p, R2_COPYPEN);
    d->tools.SetBackground(*this, *p, R2_COPYPEN);
    UseBrushOrigin(*p, GetBrushOrg());
    const QBrush brush = d->tools.MakeBrush(*this, brushData, R2_COPYPEN);
    if (brush.style() != Qt::NoBrush) {
        d->FillBlock(*p, r, brush);
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
    QPainter* p = d->Painter();
    if (p == nullptr) {
        return;
    }
    const QRect r = DeviceRect(*this, rect);
    if (r.width() <= 0 || r.height() <= 0) {
        return;
    }
    d->ApplyClip(*p);
    UseBrushOrigin(*p, GetBrushOrg());
    switch (rop) {
    case BLACKNESS:
    case WHITENESS:
        p->setCompositionMode(QPainter::CompositionMode_Source);
        p->fillRect(r, rop == BLACKNESS ? Qt::black : Qt::white);
        break;
    case DSTINVERT:
        d->rops.Invert(*p, r);
        break;
    case PATINVERT:
    case PATCOPY: {
        const int rop2 = rop == PATINVERT ? R2_XORPEN : R2_COPYPEN;
        d->rops.Apply(*p, rop2);
        d->tools.SetBackground(*this, *p, rop2);
        const QBrush brush = d->tools.MakeBrush(*this, CurrentBrush(), rop2);
        if (brush.style() != Qt::NoBrush) {
            FillDeviceRect(*p, r, brush);
        }
        break;
    }
    default:
        break;
    }
}

BOOL CQtDC::DoBitBlt(const CRect& rect, CDC* source, const CPoint& sourcePoint, DWORD rop) {
    auto* src = dynamic_cast<CQtDC*>(source);
    const QImage* image = src ? src->Image() : nullptr;
    QPainter* p = d->Painter();
    if (image == nullptr || p == nullptr) {
        return FALSE;
    }
    const QRect r = DeviceRect(*this, rect);
    if (r.width() <= 0 || r.height() <= 0) {
        return TRUE;
    }
    CPoint sp = sourcePoint;
    src->LPtoDP(&sp);
    d->ApplyClip(*p);
    d->rops.Blit(*p, r.topLeft(), *image, QRect(sp.x, sp.y, r.width(), r.height()), rop);
    return TRUE;
}

// ---- Text -------------------------------------------------------------------------------------

void CQtDC::DoTextOut(const CPoint& point, UINT options, const CRect* rect, std::string_view text,
                      const int* widths) {
    const QPoint at = DevicePoint(*this, point);
    QtTextDrawer::LevelLine line;
    const QPainter* active = d->ActivePainter();
    const bool holds = rect == nullptr && widths == nullptr && active != nullptr &&
                       QtHeldDrawing::Holds(*this, *active) &&
                       d->text.PlaceLevelLine(*this, at, text, line);
    if (holds && d->held.ContinuesText(d->HeldState(), line)) {
        return;
    }
    QPainter* p = d->Painter();
    if (p == nullptr) {
        return;
    }
    d->ApplyClip(*p);
    if (holds) {
        d->held.HoldText(d->HeldState(), line);
        return;
    }
    std::optional<QRect> box;
    if (rect != nullptr) {
        box = DeviceRect(*this, *rect);
    }
    d->text.Draw(*this, *p, at, options, box ? &*box : nullptr, text, widths);
}

CSize CQtDC::DoTextExtent(std::string_view text) const {
    return d->text.Extent(*this, text);
}

void CQtDC::DoTextMetrics(TEXTMETRIC& metrics) const {
    d->text.Metrics(*this, metrics);
}

} // namespace tembra
