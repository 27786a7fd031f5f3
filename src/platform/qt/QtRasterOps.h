// What GDI's raster operations become on a QPainter device.
//
// A raster device (a screen image or a memory bitmap) combines with what lies below through
// Qt's raster-op composition modes. A vector device (printer, PDF, SVG, picture) cannot: there
// an operation draws as a copy, except that a colour the operation would leave the destination
// unchanged with (black for XOR and OR, white for AND and NOT-XOR) is not drawn at all, so that
// a pattern combined on paper keeps its gaps open.
#pragma once

#include "platform/GdiObjects.h"

#include <QPainter>

#include <optional>

class QImage;
class QPainterPath;
class QPen;
class QPoint;
class QRect;
class QRegion;

namespace tembra {

class QtRasterOps {
public:
    // raster: the device can combine with what lies below.
    explicit QtRasterOps(bool raster = false) : m_raster(raster) {}

    bool Raster() const { return m_raster; }

    // The colour a pen or brush of colour c draws with under the ROP2; nothing when it draws
    // nothing at all.
    std::optional<COLORREF> DrawColor(COLORREF c, int rop2) const;
    // Sets the painter up to combine by the ROP2 (a plain copy on a vector device).
    void Apply(QPainter& p, int rop2) const;
    // Inverts the device rectangle (DSTINVERT); a vector device cannot and is left alone.
    void Invert(QPainter& p, const QRect& r) const;
    // Puts the part `from` of the image at `to` with a ROP3 (a block transfer).
    void Blit(QPainter& p, const QPoint& to, const QImage& image, const QRect& from,
              DWORD rop3) const;

    // Drawing the same pixels twice with the ROP2 gives another result than drawing them once
    // (XOR, NOT and the like): a fill and its outline must then not overlap.
    static bool CombinesTwice(int rop2);
    // The device pixels the fill of the path covers and its outline (drawn with the pen under
    // the painter's transform) does not.
    static QRegion FillOnly(const QPainter& p, const QPainterPath& path, const QPen& pen);

private:
    bool m_raster = false;
};

} // namespace tembra
