// Turns the pens and brushes of a device context into QPens and QBrushes for one device.
//
// A cosmetic pen one pixel wide dashes in GDI's runs (scaled up on high-resolution devices so
// that they stay visible); a wider cosmetic pen draws its dashed styles solid, as GDI does; a
// geometric pen has its own end caps, joins and dash runs. Hatches and patterns are 8 x 8
// device cells from the brush origin, scaled up with the resolution; a hatch's gaps take the
// background colour in opaque mode, a monochrome pattern draws its 0 bits in the text colour
// and its 1 bits in the background colour. Colours a raster operation would not draw (on a
// vector device) stay out of pens and textures.
#pragma once

#include "platform/DC.h"
#include "platform/qt/QtRasterOps.h"

#include <QBitmap>
#include <QBrush>
#include <QPen>

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

class QPainter;

namespace tembra {

class QtPenBrushMaker {
public:
    // The device: how it combines, and how many device pixels a pixel of a hatch cell takes.
    // Forgets the brushes made for the previous device.
    void SetDevice(const QtRasterOps& rops, int patternScale);
    int PatternScale() const { return m_patternScale; }

    // Qt::NoPen for a null pen or one that draws nothing under the ROP2. The width is scaled
    // by the device context's horizontal mapping.
    QPen MakePen(const CDC& dc, const PenData& pen, int rop2) const;
    // A geometric pen's own dash runs are logical lengths along the line, as GDI keeps them:
    // MakePen scales them by the horizontal mapping, which is their length along any line only
    // when both axes scale alike. This scales them for the line from `from` to `to` (logical).
    void FitDashesToLine(const CDC& dc, const PenData& pen, QPen& q, const CPoint& from,
                         const CPoint& to) const;
    // Qt::NoBrush for a null brush or one that draws nothing. Hatches and patterns take their
    // other colours from the device context (background mode and colour, text colour).
    QBrush MakeBrush(const CDC& dc, const BrushData& brush, int rop2) const;
    // The painter's background (the gaps of dashed lines) from the device context's mode and
    // colour.
    void SetBackground(const CDC& dc, QPainter& p, int rop2) const;

private:
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

    int PenWidth(const CDC& dc, const PenData& pen) const;
    QBrush MakeTexture(const CDC& dc, const BrushData& brush, int rop2) const;
    const QBitmap& HatchBitmap(int hatch) const;
    template <class ColorAt> QImage Cell(int w, int h, bool opaque, ColorAt color) const;

    QtRasterOps m_rops;
    int m_patternScale = 1;
    // The painters make the same few brushes over and over: the last ones are kept.
    mutable std::vector<std::pair<BrushKey, QBrush>> m_brushes;
    mutable std::array<QBitmap, 6> m_hatchBitmaps;
};

} // namespace tembra
