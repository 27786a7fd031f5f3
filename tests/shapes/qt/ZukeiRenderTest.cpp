// Shapes on pixels, through the Qt device context: inverting feedback that leaves no trace, a
// small chart with a polyline, a filled polygon and a selected polygon with its handles, and a
// chart with every standard figure hollow and filled, compared with reference images.
//
// The reference images lie in tests/shapes/data. After a deliberate change of what shapes draw,
// run this binary with TEMBRA_UPDATE_IMAGES=1 in the environment: it writes the images anew
// (and passes); look at them before committing them.
#include "platform/qt/QtDC.h"
#include "render/StyledDraw.h"
#include "shapes/ZukeiArc.h"
#include "shapes/ZukeiArrow1.h"
#include "shapes/ZukeiArrow2.h"
#include "shapes/ZukeiBox.h"
#include "shapes/ZukeiBox2.h"
#include "shapes/ZukeiCircle.h"
#include "shapes/ZukeiDelta1.h"
#include "shapes/ZukeiDelta2.h"
#include "shapes/ZukeiDiamond.h"
#include "shapes/ZukeiEllipse.h"
#include "shapes/ZukeiFan.h"
#include "shapes/ZukeiLine.h"
#include "shapes/ZukeiPolyLine.h"
#include "shapes/ZukeiPolygon.h"

#include "shapes/ShapeTestSupport.h"
#include "support/qt/QtTestEnvironment.h"
#include "support/qt/ReferenceImage.h"

#include <QApplication>
#include <QColor>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QString>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tembra {
namespace {

using test::Day;

const testing::Environment* const g_environment =
    testing::AddGlobalTestEnvironment(new tembra::test::QtTestEnvironment("shapes_tests"));

// The page of the test chart (2770 x 1600 units of 0.1 mm) at 48 dpi: about 5.3 units a pixel.
constexpr int kDpi = 48;
constexpr int kWidth = 530;
constexpr int kHeight = 306;

QImage Page(int width = kWidth, int height = kHeight) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

CQtDC::Options ChartDevice(int dpi) {
    CQtDC::Options options;
    options.dpiX = dpi;
    options.dpiY = dpi;
    return options;
}

// Paints on the image as a chart view paints: 0.1 mm, y upwards from the page's top-left corner.
template <class Paint> void PaintOn(QImage& image, Paint paint, int dpi = kDpi) {
    CQtDC dc(&image, ChartDevice(dpi));
    dc.SetMapMode(MM_LOMETRIC);
    paint(dc);
}

CZukeiPoint At(int day, double row) {
    return CZukeiPoint(Day(2010, 4, day), row);
}

template <class Shape>
Shape Make(std::initializer_list<CZukeiPoint> points, COLORREF color, WORD hatch, COLORREF fill) {
    Shape shape;
    for (const CZukeiPoint& point : points) {
        shape.AddPoint(point);
    }
    shape.SetAttr(CZukeiAttr{0, 0, 0, -10, color, hatch, fill, 30});
    return shape;
}

// The chart: its rectangle, a blue polyline, a red polygon filled green, and a black polygon
// filled yellow that is selected and shows its handles.
void PaintSmallChart(test::ShapeChart& chart, CDC& dc) {
    DrawStyledRect(&dc, chart.layout.GetChartRect(), 0, 0, RGB(128, 128, 128), -1, 0, R2_COPYPEN,
                   OPAQUE);
    const auto line = Make<CZukeiPolyLine>({At(2, 2.0), At(8, 12.0), At(12, 4.0), At(18, 20.0)},
                                           RGB(0, 0, 255), kHatchNone, 0);
    const auto filled = Make<CZukeiPolygon>({At(14, 3.0), At(22, 3.0), At(24, 10.0), At(16, 12.0)},
                                            RGB(255, 0, 0), 99, RGB(0, 200, 0));
    auto selected = Make<CZukeiPolygon>({At(6, 18.0), At(12, 26.0), At(3, 27.0)}, RGB(0, 0, 0), 99,
                                        RGB(255, 255, 0));
    selected.Select();
    line.Draw(chart, dc, kDrawNormal);
    filled.Draw(chart, dc, kDrawNormal);
    selected.Draw(chart, dc, kDrawNormal);
    CRect handles;
    selected.DrawHandles(chart, dc, handles);
}

TEST(ZukeiRenderTest, ASmallChartLooksAsItShould) {
    test::ShapeChart chart;
    QImage image = Page();
    PaintOn(image, [&](CDC& dc) { PaintSmallChart(chart, dc); });
    test::ExpectLooksLike(image, {"shapes", "small_chart.png", 0.0005});
}

TEST(ZukeiRenderTest, ARubberSegmentDrawnTwiceLeavesEveryPixelAsItWas) {
    test::ShapeChart chart;
    QImage image = Page();
    PaintOn(image, [&](CDC& dc) { PaintSmallChart(chart, dc); });
    const QImage before = image.copy();

    struct Case {
        WORD type;
        short width;
    };
    for (const Case c : {Case{0, -1}, Case{0, -10}, Case{1, -1}, Case{2, -6}}) {
        SCOPED_TRACE(testing::Message() << "type " << c.type << " width " << -c.width);
        // A polygon whose closing segment crosses the shapes below it.
        auto polygon = Make<CZukeiPolygon>({At(1, 1.0), At(20, 25.0), At(26, 6.0)}, RGB(0, 0, 0),
                                           kHatchNone, 0);
        polygon.SetLineType(c.type);
        polygon.SetWidth(c.width);
        PaintOn(image, [&](CDC& dc) { polygon.DrawClosingSegment(chart, dc); });
        EXPECT_NE(image, before) << "the segment shows";
        PaintOn(image, [&](CDC& dc) { polygon.DrawClosingSegment(chart, dc); });
        EXPECT_EQ(image, before) << "the second drawing removes it";
    }
}

TEST(ZukeiRenderTest, HandlesDrawnTwiceAreGone) {
    test::ShapeChart chart;
    QImage image = Page();
    PaintOn(image, [&](CDC& dc) { PaintSmallChart(chart, dc); });
    const QImage before = image.copy();
    const auto polygon = Make<CZukeiPolygon>({At(14, 3.0), At(22, 3.0), At(24, 10.0)},
                                             RGB(255, 0, 0), 99, RGB(0, 200, 0));
    CRect rect;
    PaintOn(image, [&](CDC& dc) { polygon.DrawHandles(chart, dc, rect); });
    EXPECT_NE(image, before);
    PaintOn(image, [&](CDC& dc) { polygon.DrawHandles(chart, dc, rect); });
    EXPECT_EQ(image, before);
}

// ---- The standard figures ----------------------------------------------------------------------

// The page of the test chart at 96 dpi: about 2.6 units a pixel.
constexpr int kFigureDpi = 96;
constexpr int kFigureWidth = 1060;
constexpr int kFigureHeight = 612;

// Twelve columns of 2.5 days, a figure 2 days wide and 3 rows high in each: the hollow ones on
// rows 4 to 7, the filled ones on rows 14 to 17, each kind in its own colours.
std::vector<std::unique_ptr<CZukei>> StandardFigures(bool filled) {
    const double top = filled ? 14.0 : 4.0;
    const double bottom = top + 3.0;
    const auto at = [](int column, double days, double row) {
        return CZukeiPoint(
            Day(2010, 4, 1) + CTimeSpan(static_cast<LONG>((column * 2.5 + days) * 86400)), row);
    };
    const auto two = [&](auto shape, int column) {
        shape->SetAnchor1(at(column, 0.25, top));
        shape->SetAnchor2(at(column, 2.25, bottom));
        return std::unique_ptr<CZukei>(std::move(shape));
    };
    const auto three = [&](auto shape, int column, double endDays, double endRow) {
        shape->SetAnchor(0, at(column, 1.25, top + 1.5));
        shape->SetAnchor(1, at(column, 2.25, top + 1.5));
        shape->SetAnchor(2, at(column, endDays, endRow));
        shape->SetPointCount(3);
        return std::unique_ptr<CZukei>(std::move(shape));
    };
    std::vector<std::unique_ptr<CZukei>> figures;
    figures.push_back(two(std::make_unique<CZukeiLine>(), 0));
    figures.push_back(two(std::make_unique<CZukeiBox>(), 1));
    figures.push_back(two(std::make_unique<CZukeiBox2>(), 2));
    figures.push_back(two(std::make_unique<CZukeiCircle>(), 3));
    figures.push_back(two(std::make_unique<CZukeiEllipse>(), 4));
    // Three quarters, from the right round over the top to straight down.
    figures.push_back(three(std::make_unique<CZukeiArc>(), 5, 1.25, bottom));
    figures.push_back(three(std::make_unique<CZukeiFan>(), 6, 1.25, bottom));
    figures.push_back(two(std::make_unique<CZukeiDelta1>(), 7));
    figures.push_back(two(std::make_unique<CZukeiDelta2>(), 8));
    figures.push_back(two(std::make_unique<CZukeiArrow1>(), 9));
    figures.push_back(two(std::make_unique<CZukeiArrow2>(), 10));
    figures.push_back(two(std::make_unique<CZukeiDiamond>(), 11));
    const COLORREF colors[] = {RGB(0, 0, 255), RGB(200, 0, 0), RGB(0, 128, 0), RGB(128, 0, 128)};
    const COLORREF fills[] = {RGB(255, 255, 0), RGB(0, 200, 255), RGB(255, 160, 160)};
    for (std::size_t i = 0; i < figures.size(); ++i) {
        figures[i]->SetAttr(CZukeiAttr{0, 0, 0, -6, colors[i % 4], filled ? WORD{99} : kHatchNone,
                                       fills[i % 3], 60});
    }
    return figures;
}

TEST(ZukeiRenderTest, EveryStandardFigureHollowAndFilledLooksAsItShould) {
    test::ShapeChart chart;
    QImage image = Page(kFigureWidth, kFigureHeight);
    PaintOn(
        image,
        [&](CDC& dc) {
            DrawStyledRect(&dc, chart.layout.GetChartRect(), 0, 0, RGB(128, 128, 128), -1, 0,
                           R2_COPYPEN, OPAQUE);
            for (const bool filled : {false, true}) {
                for (const auto& figure : StandardFigures(filled)) {
                    figure->Draw(chart, dc, kDrawNormal);
                }
            }
        },
        kFigureDpi);
    test::ExpectLooksLike(image, {"shapes", "standard_figures.png", 0.0005});
}

// Where a filled figure is painted it is hit, and where it is not painted it is not: the hit
// regions turn the same way as the drawing. A unit probe on a grid over each figure's square,
// against the pixel under it, wherever the pixels around are all alike (not along an edge, where
// a region and a painted outline may differ by a pixel or two). The line and the arc have no
// inside to compare.
TEST(ZukeiRenderTest, AFilledFigureIsHitWhereItIsPainted) {
    test::ShapeChart chart;
    QImage image = Page(kFigureWidth, kFigureHeight);
    const QColor white(Qt::white);
    const auto painted = [&](int x, int y) { return image.pixelColor(x, y) != white; };
    // The pixels within three of (x, y) all painted or all not; nullopt along an edge.
    const auto settled = [&](const CPoint& p) -> std::optional<bool> {
        const bool centre = painted(p.x, p.y);
        for (int dx = -3; dx <= 3; ++dx) {
            for (int dy = -3; dy <= 3; ++dy) {
                if (painted(p.x + dx, p.y + dy) != centre) {
                    return std::nullopt;
                }
            }
        }
        return centre;
    };
    PaintOn(
        image,
        [&](CDC& dc) {
            for (const auto& figure : StandardFigures(true)) {
                figure->Draw(chart, dc, kDrawNormal);
                if (figure->GetKind() == kZukeiLine || figure->GetKind() == kZukeiArc) {
                    continue;
                }
                CRect box = figure->GetDeviceRect(chart);
                box.NormalizeRect();
                int probes = 0;
                int inside = 0;
                for (int x = box.left - 20; x <= box.right + 20; x += 4) {
                    for (int y = box.top - 20; y <= box.bottom + 20; y += 4) {
                        CPoint pixel(x, y);
                        dc.LPtoDP(&pixel);
                        const std::optional<bool> shown = settled(pixel);
                        if (!shown) {
                            continue;
                        }
                        ++probes;
                        inside += *shown ? 1 : 0;
                        const bool hit =
                            figure->HitTest(chart, CRect(x, y + 1, x + 1, y), kHitTouch) != FALSE;
                        EXPECT_EQ(hit, *shown) << figure->GetRuntimeClass()->m_lpszClassName
                                               << " at " << x << ", " << y;
                    }
                }
                // Enough of both to tell.
                EXPECT_GT(inside, 50) << figure->GetRuntimeClass()->m_lpszClassName;
                EXPECT_GT(probes - inside, 50) << figure->GetRuntimeClass()->m_lpszClassName;
            }
        },
        kFigureDpi);
}

} // namespace
} // namespace tembra
