// Shapes on pixels, through the Qt device context: inverting feedback that leaves no trace, and a
// small chart with a polyline, a filled polygon and a selected polygon with its handles compared
// with a reference image.
//
// The reference images lie in tests/shapes/data. After a deliberate change of what shapes draw,
// run this binary with TEMBRA_UPDATE_IMAGES=1 in the environment: it writes the images anew
// (and passes); look at them before committing them.
#include "platform/qt/QtDC.h"
#include "render/StyledDraw.h"
#include "shapes/ZukeiPolyLine.h"
#include "shapes/ZukeiPolygon.h"

#include "shapes/ShapeTestSupport.h"

#include <QApplication>
#include <QColor>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QString>

#include <gtest/gtest.h>

#include <cstdlib>
#include <initializer_list>
#include <string>

namespace tembra {
namespace {

using test::Day;

class QtEnvironment : public testing::Environment {
public:
    void SetUp() override {
        if (QApplication::instance() == nullptr) {
            static int argc = 1;
            static char name[] = "shapes_tests";
            static char* argv[] = {name, nullptr};
            m_app = new QApplication(argc, argv);
        }
    }
    void TearDown() override {
        delete m_app;
        m_app = nullptr;
    }

private:
    QApplication* m_app = nullptr;
};

const testing::Environment* const g_environment =
    testing::AddGlobalTestEnvironment(new QtEnvironment);

// The page of the test chart (2770 x 1600 units of 0.1 mm) at 48 dpi: about 5.3 units a pixel.
constexpr int kDpi = 48;
constexpr int kWidth = 530;
constexpr int kHeight = 306;

QImage Page() {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

CQtDC::Options ChartDevice() {
    CQtDC::Options options;
    options.dpiX = kDpi;
    options.dpiY = kDpi;
    return options;
}

// Paints on the image as a chart view paints: 0.1 mm, y upwards from the page's top-left corner.
template <class Paint> void PaintOn(QImage& image, Paint paint) {
    CQtDC dc(&image, ChartDevice());
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

bool UpdateImages() {
    const char* update = std::getenv("TEMBRA_UPDATE_IMAGES");
    return update != nullptr && std::string(update) == "1";
}

QString ReferencePath(const char* name) {
    return QString::fromUtf8(TEMBRA_SOURCE_DIR) + "/tests/shapes/data/" + name;
}

// Equal within a few steps of each colour channel, with at most a small share of pixels that
// differ more (edges that a different rasteriser puts one pixel over).
void ExpectLooksLike(const QImage& image, const char* name) {
    const QString path = ReferencePath(name);
    if (UpdateImages()) {
        ASSERT_TRUE(QDir().mkpath(QFileInfo(path).absolutePath()));
        ASSERT_TRUE(image.save(path, "PNG")) << path.toStdString();
        return;
    }
    QImage reference(path);
    ASSERT_FALSE(reference.isNull())
        << path.toStdString() << " is missing: run with TEMBRA_UPDATE_IMAGES=1 to write it";
    reference = reference.convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(reference.size(), image.size());
    constexpr int kChannelTolerance = 8;
    constexpr double kShareTolerance = 0.0005;
    long differing = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor a = image.pixelColor(x, y);
            const QColor b = reference.pixelColor(x, y);
            if (std::abs(a.red() - b.red()) > kChannelTolerance ||
                std::abs(a.green() - b.green()) > kChannelTolerance ||
                std::abs(a.blue() - b.blue()) > kChannelTolerance) {
                ++differing;
            }
        }
    }
    EXPECT_LE(static_cast<double>(differing) / (image.width() * image.height()), kShareTolerance)
        << differing << " pixels differ from " << path.toStdString();
}

TEST(ZukeiRenderTest, ASmallChartLooksAsItShould) {
    test::ShapeChart chart;
    QImage image = Page();
    PaintOn(image, [&](CDC& dc) { PaintSmallChart(chart, dc); });
    ExpectLooksLike(image, "small_chart.png");
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

} // namespace
} // namespace tembra
