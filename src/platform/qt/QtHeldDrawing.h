// What a printer's page holds back to draw together: runs of ruled lines of one pixel in one
// pen, level labels of one font and colour, and blocks filled with one brush. A PDF page writes
// the whole pen or text state again for every line and label drawn alone, and a new pattern
// object for every block filled with a pattern brush; a chart's date header, day grid and
// holiday shading draw hundreds of them a page in one pen, one font or one brush. Held back, a
// run goes to the page as one path, one text object or one fill.
//
// Only a drawing of the same kind in the same device context state joins what is held: the
// device context draws what is held before any other drawing (it takes its painter through
// Flush), so that nothing changes its place in the drawing. The painter state a run was set up
// in is the one it is drawn in.
#pragma once

#include "platform/DC.h"
#include "platform/qt/QtTextDrawer.h"

#include <QBrush>
#include <QColor>
#include <QList>
#include <QPaintEngine>
#include <QPainter>
#include <QPen>
#include <QPoint>
#include <QRawFont>
#include <QRect>

#include <cstddef>
#include <unordered_set>
#include <utility>
#include <vector>

namespace tembra {

// Whether the painter draws on a raster image (a screen, an image, a memory bitmap) rather than
// on a vector device such as a PDF file.
inline bool PaintsOnRaster(const QPainter& p) {
    const QPaintEngine* engine = p.paintEngine();
    return engine != nullptr && engine->type() == QPaintEngine::Raster;
}

// Strokes with the pen. In opaque mode the gaps of a dashed pen take the background colour; on
// a vector device they are drawn here first, as a solid line of the dashed pen's own width and
// kind: the painter would draw them with a pen of its own making, and on a PDF page every
// switch between its pen and ours writes the page's whole graphics state again.
template <class Draw> void StrokeOver(QPainter& p, const QPen& pen, Draw draw) {
    if (!PaintsOnRaster(p) && pen.style() != Qt::SolidLine && pen.style() != Qt::NoPen &&
        p.backgroundMode() == Qt::OpaqueMode) {
        QPen gaps = pen;
        gaps.setStyle(Qt::SolidLine);
        gaps.setColor(p.background().color());
        p.setBackgroundMode(Qt::TransparentMode);
        p.setPen(gaps);
        draw();
    }
    p.setPen(pen);
    draw();
}

class QtHeldDrawing {
public:
    // What of the device context a run keeps as it was: its raster operation, background and
    // clip (by its serial).
    struct State {
        int rop = 0;
        int bkMode = 0;
        COLORREF bkColor = 0;
        unsigned clip = 0;
        bool operator==(const State&) const = default;
    };

    // Whether the device holds drawing back: a printer that is not a raster image. Screens and
    // images draw at once.
    static bool Holds(const CDC& dc, const QPainter& p);

    bool Empty() const {
        return m_lines.points.empty() && m_text.runs.empty() && m_fills.rects.empty();
    }
    bool HoldsLines() const { return !m_lines.points.empty(); }
    bool HoldsFills() const { return !m_fills.rects.empty(); }

    // Adds the line (device points, drawn with the pen made for the device context as it now
    // is) to the lines held when it is drawn exactly as they are; false otherwise.
    bool ContinuesLines(const State& state, const QPen& pen, const QPoint& a, const QPoint& b);
    // Holds the line back as the first of a run, the painter set up for it; false for a line
    // that is drawn at once (wider than a pixel, or dashed in opaque mode off the axes).
    bool HoldLine(const State& state, const QPainter& p, const QPen& pen, const QPoint& a,
                  const QPoint& b);

    // The same for a level line of text, as the text drawer placed it.
    bool ContinuesText(const State& state, const QtTextDrawer::LevelLine& line);
    void HoldText(const State& state, const QtTextDrawer::LevelLine& line);

    // The same for a block (device rectangle) filled with the brush from the brush origin, no
    // outline drawn over it. Blocks of one brush cover the same way however many times they
    // overlap, so a run keeps to no order among its blocks.
    bool ContinuesFills(const State& state, const QBrush& brush, const QPoint& origin,
                        const QRect& block);
    void HoldFill(const State& state, const QPainter& p, const QBrush& brush, const QRect& block);

    // Draws what is held on the painter (nothing when it is gone) and forgets it.
    void Flush(QPainter* p);

private:
    struct Lines {
        QPen pen;
        State state;
        // Dashed lines in opaque mode: 1 upright, 2 level (see GapsAlong); 0 others.
        int axis = 0;
        std::unordered_set<int> across; // where the upright or level lines lie
        std::vector<std::pair<QPoint, QPoint>> points;
    };
    struct Text {
        QColor color;
        unsigned font = 0;
        State state;
        std::size_t glyphs = 0;
        struct Run {
            QRawFont font;
            QList<quint32> indexes;
            QList<QPointF> positions;
        };
        std::vector<Run> runs;
    };

    struct Fills {
        QBrush brush;
        QPoint origin;
        State state;
        QList<QRect> rects;
    };

    static int GapsAlong(const QPainter& p, const QPen& pen, const QPoint& a, const QPoint& b);
    void AddText(const QtTextDrawer::LevelLine& line);
    void FlushLines(QPainter* p);
    void FlushText(QPainter* p);
    void FlushFills(QPainter* p);

    Lines m_lines;
    Text m_text;
    Fills m_fills;
};

} // namespace tembra
