#include "platform/qt/QtRasterOps.h"

#include <QBitmap>
#include <QImage>
#include <QPainterPath>
#include <QPen>
#include <QRegion>

#include <cmath>

namespace tembra {

namespace {

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

std::optional<COLORREF> QtRasterOps::DrawColor(COLORREF c, int rop2) const {
    c &= 0xFFFFFF;
    if (m_raster) {
        return c;
    }
    const COLORREF white = 0xFFFFFF;
    switch (rop2) {
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

void QtRasterOps::Apply(QPainter& p, int rop2) const {
    p.setCompositionMode(m_raster ? RopMode(rop2) : QPainter::CompositionMode_SourceOver);
}

void QtRasterOps::Invert(QPainter& p, const QRect& r) const {
    if (m_raster) {
        p.setCompositionMode(QPainter::RasterOp_NotDestination);
        p.fillRect(r, Qt::black);
    }
}

void QtRasterOps::Blit(QPainter& p, const QPoint& to, const QImage& image, const QRect& from,
                       DWORD rop3) const {
    if (m_raster) {
        p.setCompositionMode(BltMode(rop3));
        p.drawImage(to, image, from);
        return;
    }
    // A vector device copies; pixels the operation would leave alone are not drawn.
    QImage part = image.copy(from).convertToFormat(QImage::Format_ARGB32);
    std::optional<QRgb> identity;
    if (rop3 == SRCINVERT || rop3 == SRCPAINT) {
        identity = qRgb(0, 0, 0);
    } else if (rop3 == SRCAND) {
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
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.drawImage(to, part);
}

bool QtRasterOps::CombinesTwice(int rop2) {
    switch (rop2) {
    case R2_NOT:
    case R2_XORPEN:
    case R2_NOTXORPEN:
    case R2_NOTMERGEPEN:
    case R2_MASKPENNOT:
    case R2_NOTMASKPEN:
    case R2_MERGEPENNOT:
        return true;
    default:
        return false;
    }
}

QRegion QtRasterOps::FillOnly(const QPainter& p, const QPainterPath& path, const QPen& pen) {
    const QTransform& world = p.worldTransform();
    const int margin = static_cast<int>(std::ceil(pen.widthF())) + 2;
    const QRect bounds =
        world.map(path).boundingRect().toAlignedRect().adjusted(-margin, -margin, margin, margin);
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

} // namespace tembra
