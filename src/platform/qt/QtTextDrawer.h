// Draws and measures the text of a device context with QPainter.
//
// Fonts come from the LOGFONT: the height (negative: character height, positive: cell height),
// the width (the glyphs are stretched to it), the escapement (the base line turns with the y
// axis of the mapping, so that 901 runs downwards under a y-up mapping and -901 under a
// y-down one), weight, italic, underline and the face. A face beginning with "@" writes
// vertically: double-byte characters stand upright, single-byte ones lie along the line. Text
// is placed by the GDI alignment (left, centre or right; top, baseline or bottom of the cell).
//
// A line of text is measured only where the result is used (centred or right-aligned text, an
// opaque background, explicit advances, vertical writing): on a vector device the measurement
// costs about as much as drawing.
#pragma once

#include "platform/DC.h"

#include <QColor>
#include <QFont>
#include <QGlyphRun>
#include <QPointF>
#include <QString>

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class QPainter;
class QPoint;
class QRect;

namespace tembra {

class QtTextDrawer {
public:
    // The vertical resolution of the device (the default font is 12 points on it). Forgets the
    // fonts realised for the previous device.
    void SetDevice(int dpiY);
    // The painter is a new one: the font last set on a painter is not on it.
    void ForgetPainterFont() {
        m_painterFont = 0;
        m_painterFontValue = QFont();
    }

    // Draws the CP932 text at the device point in the device context's font, colours, mode
    // and alignment; ETO_OPAQUE fills and ETO_CLIPPED clips to the device rectangle.
    void Draw(const CDC& dc, QPainter& p, const QPoint& at, UINT options, const QRect* rect,
              std::string_view text, const int* widths);
    // A line of text along a level base line on a clear background, as shaped: its glyph runs
    // (valid until the next line is shaped), where they are drawn from on the device, and
    // the text's colour.
    struct LevelLine {
        const std::vector<QGlyphRun>* runs = nullptr;
        QPointF origin;
        QColor color;
        unsigned font = 0; // the realised font's id
    };
    // Places text drawn without a box or advances of its own when it is such a line: no
    // background, not vertical, not turned, nothing under or through it. False for any other.
    bool PlaceLevelLine(const CDC& dc, const QPoint& at, std::string_view text,
                        LevelLine& line) const;
    // Draws glyph runs of level lines in the colour, from the device origin given.
    static void DrawLevelRuns(QPainter& p, const QColor& color, const std::vector<QGlyphRun>& runs,
                              const QPointF& origin);

    // Width along the base line and cell height, logical units.
    CSize Extent(const CDC& dc, std::string_view text) const;
    void Metrics(const CDC& dc, TEXTMETRIC& metrics) const;

private:
    struct RealizedFont {
        unsigned id = 0; // nonzero, different for every font realised
        QFont font;      // stretched to the LOGFONT's width
        QFont plain;     // the same without the stretch (upright glyphs of vertical text)
        qreal stretch = 1.0;
        bool vertical = false;
        qreal ascent = 0.0;
        qreal descent = 0.0;
        int pixelSize = 1;
    };
    // One character of a text line as drawn: its text, whether it stands upright in a vertical
    // line, and its advance along the base line in device pixels.
    struct Glyph {
        QString text;
        bool upright = false;
        qreal advance = 0.0;
    };
    // A level line of text shaped once: the glyph runs (one per font the line falls back to)
    // placed from the start of the base line, and the line's advance.
    struct ShapedLine {
        std::vector<QGlyphRun> runs;
        QPointF origin; // where the runs are drawn from, relative to the base line's start
        qreal advance = 0.0;
    };
    struct FontEntry {
        LOGFONT font;
        double sx = 0.0;
        double sy = 0.0;
        RealizedFont realized;
    };

    const RealizedFont& Font(const CDC& dc) const;
    RealizedFont Realize(const LOGFONT& lf, double sx, double sy) const;
    std::vector<Glyph> Glyphs(const RealizedFont& rf, std::string_view text) const;
    const ShapedLine& Shaped(const RealizedFont& rf, std::string_view text) const;
    std::vector<Glyph> Advanced(const CDC& dc, std::string_view text, const int* widths) const;
    qreal BaselineAngle(const CDC& dc) const;
    QPointF BaseLineStart(const CDC& dc, const RealizedFont& rf, const QPoint& at,
                          qreal total) const;
    void UseFont(QPainter& p, const RealizedFont& rf);
    void DrawGlyphs(const CDC& dc, QPainter& p, const QPoint& at, UINT options, const QRect* rect,
                    const RealizedFont& rf, const std::vector<Glyph>& glyphs);

    int m_dpiY = 96;
    // Fonts realised for the LOGFONT and scale in force.
    mutable std::vector<FontEntry> m_fonts;
    mutable unsigned m_lastId = 0;
    // Lines shaped in a realised font, by the font's id and the text: a chart repeats its day
    // numbers, weekday names and terms on every page, and shaping costs more than drawing.
    mutable std::unordered_map<std::string, ShapedLine> m_shaped;
    // The font last set on the painter outside a saved state (0: none) and the painter's font
    // right after.
    unsigned m_painterFont = 0;
    QFont m_painterFontValue;
};

} // namespace tembra
