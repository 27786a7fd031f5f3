#include "platform/qt/QtPenBrushMaker.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <optional>

namespace tembra {

namespace {

QColor ToQColor(COLORREF c) {
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

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

constexpr std::size_t kKeptBrushes = 16;

} // namespace

void QtPenBrushMaker::SetDevice(const QtRasterOps& rops, int patternScale) {
    m_rops = rops;
    m_patternScale = std::max(1, patternScale);
    m_brushes.clear();
    m_hatchBitmaps = {};
}

int QtPenBrushMaker::PenWidth(const CDC& dc, const PenData& pen) const {
    if (pen.width <= 0) {
        return pen.IsGeometric() ? 1 : 0;
    }
    return std::max(1, static_cast<int>(std::lround(pen.width * std::abs(dc.ScaleX()))));
}

QPen QtPenBrushMaker::MakePen(const CDC& dc, const PenData& pen, int rop2) const {
    if (pen.IsNull()) {
        return Qt::NoPen;
    }
    const auto color = m_rops.DrawColor(pen.color, rop2);
    if (!color) {
        return Qt::NoPen;
    }
    const int width = PenWidth(dc, pen);
    const UINT style = pen.LineStyle();
    QPen q(ToQColor(*color));
    if (width <= 1 && !pen.IsGeometric()) {
        // One device pixel; like GDI, a line leaves out its last pixel.
        q.setWidth(1);
        q.setCosmetic(true);
        q.setCapStyle(Qt::FlatCap);
        q.setJoinStyle(Qt::MiterJoin);
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
                v *= m_patternScale;
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
            dashes.push_back(std::max(0.01, run * std::abs(dc.ScaleX()) / width));
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

void QtPenBrushMaker::FitDashesToLine(const CDC& dc, const PenData& pen, QPen& q,
                                      const CPoint& from, const CPoint& to) const {
    if (!pen.IsGeometric() || pen.LineStyle() != PS_USERSTYLE || q.style() != Qt::CustomDashLine) {
        return;
    }
    const double sx = std::abs(dc.ScaleX());
    const double sy = std::abs(dc.ScaleY());
    const double dx = to.x - from.x;
    const double dy = to.y - from.y;
    const double logical = std::hypot(dx, dy);
    if (sx == sy || logical <= 0.0) {
        return;
    }
    const double perUnit = std::hypot(dx * sx, dy * sy) / logical;
    QList<qreal> dashes;
    for (DWORD run : pen.dashes) {
        dashes.push_back(std::max(0.01, run * perUnit / q.widthF()));
    }
    if (dashes.size() % 2 == 1) {
        dashes.push_back(dashes.back());
    }
    q.setDashPattern(dashes);
}

QBrush QtPenBrushMaker::MakeBrush(const CDC& dc, const BrushData& brush, int rop2) const {
    if (brush.style == BS_NULL) {
        return Qt::NoBrush;
    }
    if (brush.style == BS_SOLID) {
        const auto c = m_rops.DrawColor(brush.color, rop2);
        return c ? QBrush(ToQColor(*c)) : QBrush(Qt::NoBrush);
    }
    BrushKey key;
    key.brush = brush;
    key.brush.pattern.reset();
    if (brush.pattern) {
        key.pattern = brush.pattern->pixels;
        key.patternWidth = brush.pattern->width;
        key.monochrome = brush.pattern->monochrome;
    }
    key.rop = rop2;
    key.text = dc.GetTextColor();
    key.bk = dc.GetBkColor();
    key.bkMode = dc.GetBkMode();
    for (const auto& [k, b] : m_brushes) {
        if (k == key) {
            return b;
        }
    }
    QBrush made = MakeTexture(dc, brush, rop2);
    if (m_brushes.size() >= kKeptBrushes) {
        m_brushes.erase(m_brushes.begin());
    }
    m_brushes.emplace_back(std::move(key), made);
    return made;
}

// An image of a cell, each pixel repeated on each axis by the pattern scale.
template <class ColorAt>
QImage QtPenBrushMaker::Cell(int w, int h, bool opaque, ColorAt color) const {
    QImage cell(w, h, opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32);
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(cell.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const std::optional<COLORREF> c = color(x, y);
            line[x] = c ? (0xFF000000u | ToQColor(*c).rgb()) : 0u;
        }
    }
    const int s = m_patternScale;
    return s > 1 ? cell.scaled(w * s, h * s, Qt::IgnoreAspectRatio, Qt::FastTransformation) : cell;
}

// The set bits of a hatch cell (scaled for the device), made once per device.
const QBitmap& QtPenBrushMaker::HatchBitmap(int hatch) const {
    QBitmap& slot = m_hatchBitmaps[static_cast<std::size_t>(hatch)];
    if (slot.isNull()) {
        // Black pixels are the set bits of a bitmap.
        const QImage cell = Cell(8, 8, true, [&](int x, int y) {
            return std::optional<COLORREF>(HatchInk(hatch, x, y) ? 0 : 0xFFFFFF);
        });
        slot = QBitmap::fromImage(cell.convertToFormat(QImage::Format_Mono));
    }
    return slot;
}

QBrush QtPenBrushMaker::MakeTexture(const CDC& dc, const BrushData& brush, int rop2) const {
    switch (brush.style) {
    case BS_HATCHED: {
        const int hatch = std::clamp(brush.hatch, 0, 5);
        const auto ink = m_rops.DrawColor(brush.color, rop2);
        const bool opaque = dc.GetBkMode() == OPAQUE;
        if (m_rops.Raster() && !opaque && rop2 != R2_COPYPEN) {
            // Open gaps under a raster operation: a bitmap brush, whose gaps the painter
            // leaves alone in transparent mode.
            return QBrush(ToQColor(ink.value_or(brush.color)), HatchBitmap(hatch));
        }
        std::optional<COLORREF> gap;
        if (opaque) {
            gap = m_rops.DrawColor(dc.GetBkColor(), rop2);
        }
        return QBrush(Cell(8, 8, ink && gap,
                           [&](int x, int y) { return HatchInk(hatch, x, y) ? ink : gap; }));
    }
    case BS_PATTERN: {
        if (!brush.pattern || brush.pattern->width <= 0) {
            return Qt::NoBrush;
        }
        const BitmapPixels& px = *brush.pattern;
        const auto fore = m_rops.DrawColor(dc.GetTextColor(), rop2);
        const auto back = m_rops.DrawColor(dc.GetBkColor(), rop2);
        return QBrush(Cell(px.width, px.height, fore && back && px.monochrome,
                           [&](int x, int y) -> std::optional<COLORREF> {
                               if (px.monochrome) {
                                   return px.Bit(x, y) ? back : fore;
                               }
                               const std::uint32_t v = px.At(x, y);
                               return m_rops.DrawColor(
                                   RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF), rop2);
                           }));
    }
    default:
        return Qt::NoBrush;
    }
}

void QtPenBrushMaker::SetBackground(const CDC& dc, QPainter& p, int rop2) const {
    const auto bk = m_rops.DrawColor(dc.GetBkColor(), rop2);
    if (dc.GetBkMode() != OPAQUE || !bk) {
        p.setBackgroundMode(Qt::TransparentMode);
        return;
    }
    p.setBackgroundMode(Qt::OpaqueMode);
    p.setBackground(ToQColor(*bk));
}

} // namespace tembra
