#include "platform/qt/QtTextDrawer.h"

#include "platform/Sjis.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

namespace tembra {

namespace {

QColor ToQColor(COLORREF c) {
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

// Text takes its colour from the painter's pen. The pen in force is kept where it already has
// the text's colour: on paper every pen change is written to the page, and a chart's lines and
// texts are mostly drawn alternately in one colour.
void UseTextColor(QPainter& p, const QColor& color) {
    const QPen& pen = p.pen();
    if (pen.style() != Qt::NoPen && pen.brush().style() == Qt::SolidPattern &&
        pen.color() == color) {
        return;
    }
    p.setPen(color);
}

int FontWeight(LONG weight) {
    return weight <= 0 ? 400 : std::clamp<int>(weight, 1, 1000);
}

constexpr std::size_t kKeptFonts = 32;
constexpr std::size_t kKeptLines = 8192;

} // namespace

void QtTextDrawer::SetDevice(int dpiY) {
    m_dpiY = dpiY > 0 ? dpiY : 96;
    m_fonts.clear();
    m_shaped.clear();
    ForgetPainterFont();
}

const QtTextDrawer::RealizedFont& QtTextDrawer::Font(const CDC& dc) const {
    const LOGFONT& lf = dc.CurrentFont();
    const double sx = dc.ScaleX();
    const double sy = dc.ScaleY();
    for (const auto& e : m_fonts) {
        if (e.sx == sx && e.sy == sy && e.font == lf) {
            return e.realized;
        }
    }
    if (m_fonts.size() > kKeptFonts) {
        m_fonts.erase(m_fonts.begin());
    }
    m_fonts.push_back({lf, sx, sy, Realize(lf, sx, sy)});
    return m_fonts.back().realized;
}

QtTextDrawer::RealizedFont QtTextDrawer::Realize(const LOGFONT& lf, double sx, double sy) const {
    RealizedFont r;
    r.id = ++m_lastId;
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
        em = m_dpiY / 6.0; // 12 points
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

std::vector<QtTextDrawer::Glyph> QtTextDrawer::Glyphs(const RealizedFont& rf,
                                                      std::string_view text) const {
    std::vector<Glyph> glyphs;
    if (!rf.vertical) {
        Glyph g;
        g.text = QString::fromStdString(Sjis::ToUtf8(text));
        g.advance = Shaped(rf, text).advance;
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

const QtTextDrawer::ShapedLine& QtTextDrawer::Shaped(const RealizedFont& rf,
                                                     std::string_view text) const {
    std::string key(sizeof rf.id, '\0');
    std::memcpy(key.data(), &rf.id, sizeof rf.id);
    key.append(text);
    if (const auto found = m_shaped.find(key); found != m_shaped.end()) {
        return found->second;
    }
    if (m_shaped.size() >= kKeptLines) {
        m_shaped.clear();
    }
    ShapedLine shaped;
    const QString line = QString::fromStdString(Sjis::ToUtf8(text));
    QTextLayout layout(line, rf.font);
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine shapedLine = layout.createLine();
    if (shapedLine.isValid()) {
        shapedLine.setPosition(QPointF(0.0, 0.0));
    }
    layout.endLayout();
    if (shapedLine.isValid()) {
        const QList<QGlyphRun> runs = shapedLine.glyphRuns();
        shaped.runs.assign(runs.begin(), runs.end());
        shaped.origin = QPointF(0.0, -shapedLine.ascent());
        // The same measure as the font's metrics give the line, without shaping it again.
        shaped.advance = shapedLine.horizontalAdvance();
    }
    return m_shaped.emplace(std::move(key), std::move(shaped)).first->second;
}

// One glyph per character at the advances given (logical units).
std::vector<QtTextDrawer::Glyph> QtTextDrawer::Advanced(const CDC& dc, std::string_view text,
                                                        const int* widths) const {
    std::vector<Glyph> glyphs;
    int k = 0;
    for (std::size_t i = 0; i < text.size(); ++k) {
        const std::size_t n = Sjis::CharLength(text, i);
        Glyph g;
        g.text = QString::fromStdString(Sjis::ToUtf8(text.substr(i, n)));
        g.advance = widths[k] * std::abs(dc.ScaleX());
        glyphs.push_back(std::move(g));
        i += n;
    }
    return glyphs;
}

// The device direction of the base line: the escapement turns with the y axis of the mapping,
// as the chart's vertical text (901 under a y-up mapping) expects.
qreal QtTextDrawer::BaselineAngle(const CDC& dc) const {
    const double theta = dc.CurrentFont().lfEscapement / 10.0 * std::numbers::pi / 180.0;
    const double dx = std::cos(theta) * (dc.ScaleX() < 0 ? -1.0 : 1.0);
    const double dy = -std::sin(theta) * (dc.ScaleY() < 0 ? -1.0 : 1.0);
    return std::atan2(dy, dx) * 180.0 / std::numbers::pi;
}

void QtTextDrawer::UseFont(QPainter& p, const RealizedFont& rf) {
    // Setting a font resolves it against the device again, which costs about as much as
    // drawing a short line on paper; most lines of a chart share one font. The painter may
    // have been handed a font by other drawing meanwhile: what it holds is compared (a copy of
    // the very font set compares at once).
    if (m_painterFont == rf.id && p.font() == m_painterFontValue) {
        return;
    }
    p.setFont(rf.font);
    m_painterFont = rf.id;
    m_painterFontValue = p.font();
}

void QtTextDrawer::Draw(const CDC& dc, QPainter& p, const QPoint& at, UINT options,
                        const QRect* rect, std::string_view text, const int* widths) {
    const RealizedFont& rf = Font(dc);
    const UINT align = dc.GetTextAlign();
    const bool opaque = dc.GetBkMode() == OPAQUE;
    const bool clipped = rect != nullptr && (options & ETO_CLIPPED) != 0;
    const bool advanced = widths != nullptr && !rf.vertical;
    // Without an escapement the base line is level unless the mapping turns the x axis.
    const bool level = dc.CurrentFont().lfEscapement == 0 && dc.ScaleX() > 0;
    // Text copies whatever the raster operation. The painter's background mode is the one the
    // last pen or brush left (opaque for an outline drawn in opaque mode), and in opaque mode
    // the painter fills a box of its own measure behind the text: over a shape just drawn that
    // wipes out its outline where the text's cell meets it. The cell of opaque text is filled
    // below, in the device context's colour and measure; the painter's own fill stays off.
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.setBackgroundMode(Qt::TransparentMode);
    if (rf.vertical || advanced || clipped || !level) {
        DrawGlyphs(dc, p, at, options, rect, rf,
                   advanced ? Advanced(dc, text, widths) : Glyphs(rf, text));
        return;
    }
    // One run along a level base line, drawn where it lies without a saved painter state. A
    // line with a line through or under it goes through the painter's own text drawing, which
    // draws those lines; any other is shaped once and its glyphs drawn as shaped.
    const bool decorated = rf.font.underline() || rf.font.strikeOut();
    const ShapedLine* shaped = decorated ? nullptr : &Shaped(rf, text);
    const UINT horz = align & TA_HORZ_MASK;
    qreal total = 0.0;
    if (horz == TA_CENTER || horz == TA_RIGHT || opaque) {
        total = shaped != nullptr ? shaped->advance
                                  : QFontMetricsF(rf.font).horizontalAdvance(
                                        QString::fromStdString(Sjis::ToUtf8(text)));
    }
    const QPointF start = BaseLineStart(dc, rf, at, total);
    const qreal x = start.x();
    const qreal base = start.y();
    const QColor back = ToQColor(dc.GetBkColor());
    if (rect != nullptr && (options & ETO_OPAQUE) != 0) {
        p.fillRect(*rect, back);
    }
    if (opaque) {
        p.fillRect(QRectF(x, base - rf.ascent, total, rf.ascent + rf.descent), back);
    }
    if (shaped != nullptr) {
        DrawLevelRuns(p, ToQColor(dc.GetTextColor()), shaped->runs,
                      QPointF(x, base) + shaped->origin);
        return;
    }
    UseTextColor(p, ToQColor(dc.GetTextColor()));
    UseFont(p, rf);
    p.drawText(QPointF(x, base), QString::fromStdString(Sjis::ToUtf8(text)));
}

// Where the base line of a level line starts, from the reference point and the alignment
// (total: the line's advance, needed when centred or right-aligned).
QPointF QtTextDrawer::BaseLineStart(const CDC& dc, const RealizedFont& rf, const QPoint& at,
                                    qreal total) const {
    const UINT align = dc.GetTextAlign();
    const UINT horz = align & TA_HORZ_MASK;
    qreal x = at.x();
    if (horz == TA_CENTER) {
        x -= total / 2.0;
    } else if (horz == TA_RIGHT) {
        x -= total;
    }
    qreal base = at.y() + rf.ascent;
    if ((align & TA_VERT_MASK) == TA_BASELINE) {
        base = at.y();
    } else if ((align & TA_VERT_MASK) == TA_BOTTOM) {
        base = at.y() - rf.descent;
    }
    return {x, base};
}

bool QtTextDrawer::PlaceLevelLine(const CDC& dc, const QPoint& at, std::string_view text,
                                  LevelLine& line) const {
    const RealizedFont& rf = Font(dc);
    if (rf.vertical || dc.GetBkMode() == OPAQUE || dc.CurrentFont().lfEscapement != 0 ||
        dc.ScaleX() <= 0 || rf.font.underline() || rf.font.strikeOut()) {
        return false;
    }
    const ShapedLine& shaped = Shaped(rf, text);
    line.runs = &shaped.runs;
    line.origin = BaseLineStart(dc, rf, at, shaped.advance) + shaped.origin;
    line.color = ToQColor(dc.GetTextColor());
    line.font = rf.id;
    return true;
}

void QtTextDrawer::DrawLevelRuns(QPainter& p, const QColor& color,
                                 const std::vector<QGlyphRun>& runs, const QPointF& origin) {
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.setBackgroundMode(Qt::TransparentMode);
    UseTextColor(p, color);
    for (const QGlyphRun& run : runs) {
        p.drawGlyphRun(origin, run);
    }
}

void QtTextDrawer::DrawGlyphs(const CDC& dc, QPainter& p, const QPoint& at, UINT options,
                              const QRect* rect, const RealizedFont& rf,
                              const std::vector<Glyph>& glyphs) {
    qreal total = 0.0;
    for (const Glyph& g : glyphs) {
        total += g.advance;
    }
    const UINT align = dc.GetTextAlign();
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
    // The fonts set below go with the saved state.
    p.save();
    if (rect != nullptr) {
        if (options & ETO_OPAQUE) {
            p.fillRect(*rect, ToQColor(dc.GetBkColor()));
        }
        if (options & ETO_CLIPPED) {
            p.setClipRect(*rect, Qt::IntersectClip);
        }
    }
    p.translate(at);
    p.rotate(BaselineAngle(dc));
    if (dc.GetBkMode() == OPAQUE) {
        p.fillRect(QRectF(x0, base - rf.ascent, total, rf.ascent + rf.descent),
                   ToQColor(dc.GetBkColor()));
    }
    UseTextColor(p, ToQColor(dc.GetTextColor()));
    qreal x = x0;
    for (const Glyph& g : glyphs) {
        if (!g.upright) {
            p.setFont(rf.font);
            p.drawText(QPointF(x, base), g.text);
        } else {
            // Upright in a vertical line: the glyph turns a quarter against the line and is
            // squeezed along it by the font's stretch.
            const QFontMetricsF pm(rf.plain);
            p.save();
            p.translate(x + g.advance / 2.0, base - (rf.ascent - rf.descent) / 2.0);
            p.scale(rf.stretch, 1.0);
            p.rotate(-90.0);
            p.setFont(rf.plain);
            p.drawText(
                QPointF(-pm.horizontalAdvance(g.text) / 2.0, (pm.ascent() - pm.descent()) / 2.0),
                g.text);
            p.restore();
        }
        x += g.advance;
    }
    p.restore();
}

CSize QtTextDrawer::Extent(const CDC& dc, std::string_view text) const {
    const RealizedFont& rf = Font(dc);
    qreal total = 0.0;
    if (!rf.vertical) {
        total = Shaped(rf, text).advance;
    } else {
        for (const Glyph& g : Glyphs(rf, text)) {
            total += g.advance;
        }
    }
    const double sx = std::abs(dc.ScaleX());
    const double sy = std::abs(dc.ScaleY());
    const qreal height = std::ceil(rf.ascent) + std::ceil(rf.descent);
    return {static_cast<LONG>(std::lround(sx > 0 ? total / sx : 0.0)),
            static_cast<LONG>(std::lround(sy > 0 ? height / sy : 0.0))};
}

void QtTextDrawer::Metrics(const CDC& dc, TEXTMETRIC& tm) const {
    const RealizedFont& rf = Font(dc);
    const LOGFONT& lf = dc.CurrentFont();
    const QFontMetricsF fm(rf.font);
    const double sx = std::abs(dc.ScaleX());
    const double sy = std::abs(dc.ScaleY());
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

} // namespace tembra
