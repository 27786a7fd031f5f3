#include "platform/qt/QtHeldDrawing.h"

#include <QGlyphRun>
#include <QLine>

#include <algorithm>

namespace tembra {

namespace {

constexpr std::size_t kMaxHeldLines = 4096;
constexpr std::size_t kMaxHeldGlyphs = 16384;
constexpr qsizetype kMaxHeldFills = 4096;

// Whether two brushes fill alike. The brush maker makes a new cell image for every pattern
// brush, which the painter's own comparison tells apart by its serial alone.
bool FillsAlike(const QBrush& a, const QBrush& b) {
    if (a == b) {
        return true;
    }
    if (a.style() != b.style() || a.color() != b.color() || a.transform() != b.transform()) {
        return false;
    }
    return a.style() == Qt::TexturePattern && a.textureImage() == b.textureImage();
}

} // namespace

bool QtHeldDrawing::Holds(const CDC& dc, const QPainter& p) {
    return dc.GetDeviceDescription().kind == DeviceKind::Printer && p.paintEngine() != nullptr &&
           !PaintsOnRaster(p);
}

// The gaps of dashed lines in opaque mode are drawn under all the lines of a run: the lines of
// such a run must not meet, so that each looks as drawn alone. They run together only while
// they are upright (or level) and apart; lines of one colour without gaps meet as they would
// anyway. 0: no gaps; 1 upright, 2 level; -1: cannot be held.
int QtHeldDrawing::GapsAlong(const QPainter& p, const QPen& pen, const QPoint& a, const QPoint& b) {
    if (pen.style() == Qt::SolidLine || p.backgroundMode() != Qt::OpaqueMode) {
        return 0;
    }
    return a.x() == b.x() ? 1 : a.y() == b.y() ? 2 : -1;
}

bool QtHeldDrawing::ContinuesLines(const State& state, const QPen& pen, const QPoint& a,
                                   const QPoint& b) {
    Lines& held = m_lines;
    if (held.points.empty() || held.points.size() >= kMaxHeldLines || held.pen != pen ||
        !(held.state == state)) {
        return false;
    }
    if (held.axis != 0) {
        const int axis = a.x() == b.x() ? 1 : a.y() == b.y() ? 2 : -1;
        if (axis != held.axis || !held.across.insert(axis == 1 ? a.x() : a.y()).second) {
            return false;
        }
    }
    held.points.emplace_back(a, b);
    return true;
}

// Only lines of one device pixel are held: a wider line drawn in pieces (a progress line, row
// by row) keeps the look of its pieces in a viewer that rasterises the page coarsely.
bool QtHeldDrawing::HoldLine(const State& state, const QPainter& p, const QPen& pen,
                             const QPoint& a, const QPoint& b) {
    const int axis = GapsAlong(p, pen, a, b);
    if (axis < 0 || !pen.isCosmetic()) {
        return false;
    }
    Lines& held = m_lines;
    held.pen = pen;
    held.state = state;
    held.axis = axis;
    held.across.clear();
    if (axis != 0) {
        held.across.insert(axis == 1 ? a.x() : a.y());
    }
    held.points.assign(1, {a, b});
    return true;
}

// Glyphs drawn later still come later, so overlapping texts cover each other as they would.
bool QtHeldDrawing::ContinuesText(const State& state, const QtTextDrawer::LevelLine& line) {
    if (m_text.runs.empty() || m_text.glyphs >= kMaxHeldGlyphs || m_text.color != line.color ||
        m_text.font != line.font || !(m_text.state == state)) {
        return false;
    }
    AddText(line);
    return true;
}

void QtHeldDrawing::HoldText(const State& state, const QtTextDrawer::LevelLine& line) {
    m_text.color = line.color;
    m_text.font = line.font;
    m_text.state = state;
    m_text.glyphs = 0;
    m_text.runs.clear();
    AddText(line);
}

void QtHeldDrawing::AddText(const QtTextDrawer::LevelLine& line) {
    for (const QGlyphRun& run : *line.runs) {
        const QRawFont font = run.rawFont();
        auto to = std::find_if(m_text.runs.begin(), m_text.runs.end(),
                               [&](const Text::Run& r) { return r.font == font; });
        // A font met again after another keeps its place in the drawing only as the last.
        if (to != m_text.runs.end() && to + 1 != m_text.runs.end()) {
            to = m_text.runs.end();
        }
        if (to == m_text.runs.end()) {
            m_text.runs.push_back({font, {}, {}});
            to = m_text.runs.end() - 1;
        }
        const QList<quint32> indexes = run.glyphIndexes();
        to->indexes.append(indexes);
        for (const QPointF& at : run.positions()) {
            to->positions.push_back(at + line.origin);
        }
        m_text.glyphs += static_cast<std::size_t>(indexes.size());
    }
}

bool QtHeldDrawing::ContinuesFills(const State& state, const QBrush& brush, const QPoint& origin,
                                   const QRect& block) {
    Fills& held = m_fills;
    if (held.rects.empty() || held.rects.size() >= kMaxHeldFills || held.origin != origin ||
        !(held.state == state) || !FillsAlike(held.brush, brush)) {
        return false;
    }
    held.rects.push_back(block);
    return true;
}

void QtHeldDrawing::HoldFill(const State& state, const QPainter& p, const QBrush& brush,
                             const QRect& block) {
    m_fills.brush = brush;
    m_fills.origin = p.brushOrigin();
    m_fills.state = state;
    m_fills.rects = {block};
}

void QtHeldDrawing::Flush(QPainter* p) {
    // At most one kind is held: holding one kind draws the others first.
    FlushLines(p);
    FlushText(p);
    FlushFills(p);
}

// The lines go in one call, which the PDF writer makes one path.
void QtHeldDrawing::FlushLines(QPainter* p) {
    if (m_lines.points.empty()) {
        return;
    }
    std::vector<std::pair<QPoint, QPoint>> points;
    points.swap(m_lines.points);
    if (p == nullptr) {
        return;
    }
    std::vector<QLine> strokes;
    strokes.reserve(points.size());
    for (const auto& [a, b] : points) {
        strokes.emplace_back(a, b);
    }
    StrokeOver(*p, m_lines.pen,
               [&] { p->drawLines(strokes.data(), static_cast<int>(strokes.size())); });
}

// The blocks go in one call, which the PDF writer makes one path and one fill, with one
// pattern object for a pattern brush.
void QtHeldDrawing::FlushFills(QPainter* p) {
    if (m_fills.rects.empty()) {
        return;
    }
    QList<QRect> rects;
    rects.swap(m_fills.rects);
    if (p == nullptr) {
        return;
    }
    const QPen pen = p->pen();
    const QBrush brush = p->brush();
    p->setPen(Qt::NoPen);
    p->setBrush(m_fills.brush);
    if (p->brushOrigin() != m_fills.origin) {
        p->setBrushOrigin(m_fills.origin);
    }
    p->drawRects(rects.constData(), static_cast<int>(rects.size()));
    p->setBrush(brush);
    p->setPen(pen);
}

void QtHeldDrawing::FlushText(QPainter* p) {
    if (m_text.runs.empty()) {
        return;
    }
    std::vector<Text::Run> runs;
    runs.swap(m_text.runs);
    if (p == nullptr) {
        return;
    }
    std::vector<QGlyphRun> glyphs;
    glyphs.reserve(runs.size());
    for (const Text::Run& run : runs) {
        QGlyphRun made;
        made.setRawFont(run.font);
        made.setGlyphIndexes(run.indexes);
        made.setPositions(run.positions);
        glyphs.push_back(std::move(made));
    }
    QtTextDrawer::DrawLevelRuns(*p, m_text.color, glyphs, QPointF(0.0, 0.0));
}

} // namespace tembra
