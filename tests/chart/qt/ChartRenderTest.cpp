// Resource charts on pixels, through the Qt device context: a resource-loading bar graph of three
// series with its scale, its totals per day and its totals block, and a resource-loading line
// graph above an earned-value line, compared with reference images.
//
// The reference images lie in tests/chart/data. After a deliberate change of what the charts
// draw, run this binary with TEMBRA_UPDATE_IMAGES=1 in the environment: it writes the images anew
// (and passes); look at them before committing them.
#include "chart/ChartTestSupport.h"

#include "platform/qt/QtDC.h"
#include "shapes/Zukei.h"
#include "support/qt/ReferenceImage.h"

#include <QColor>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QString>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace tembra {
namespace {

using test::April;
using test::ChartDoc;
using test::MakeChart;

// The page of the test chart, (0, 0) to (1600, -1800) in 0.1 mm, at 96 dpi.
constexpr int kDpi = 96;
constexpr int kWidth = 605;
constexpr int kHeight = 681;

class ChartRenderTest : public ::testing::Test {
protected:
    ChartRenderTest()
        : m_previous(SetScreenDCFactory([] { return std::unique_ptr<CDC>(CQtDC::ForScreen()); })) {
        InstallFontSubstitutions();
        // The page's top-left corner at (0, 0), as on the screen.
        doc.SetPeriod(10, CPoint(500, -100));
        doc.SetNames({"Crane", "Workers", "Trucks"});
        doc.Holidays(April(2), April(2));
        doc.Holidays(April(9), April(9));
        doc.AddProcess(April(1), April(5), {{1, 1}, {2, 4}});
        doc.AddProcess(April(3), April(8), {{2, 3}, {3, 2}});
        doc.AddProcess(April(6), April(10, 12), {{1, 2}, {3, 1}});
        doc.AddProcess(April(7), April(9), {{2, 5}}, false, true);
    }
    ~ChartRenderTest() override { SetScreenDCFactory(m_previous); }

    QImage Paint(const std::vector<CChart*>& charts) {
        QImage image(kWidth, kHeight, QImage::Format_RGB32);
        image.fill(Qt::white);
        CQtDC::Options options;
        options.dpiX = kDpi;
        options.dpiY = kDpi;
        CQtDC dc(&image, options);
        dc.SetMapMode(MM_LOMETRIC);
        for (CChart* chart : charts) {
            chart->Draw(doc, doc, dc, kDrawNormal);
        }
        return image;
    }

    test::ScopedUi ui;
    ChartDoc doc;

private:
    ScreenDCFactory m_previous;
};

TEST_F(ChartRenderTest, ABarGraphOfThreeSeries) {
    auto chart = MakeChart(CChart::kPurposeLoading, CChart::kBarGraph, 4, 19, 3, {0, 1, 2});
    const COLORREF colors[] = {RGB(200, 0, 0), RGB(0, 120, 0), RGB(0, 0, 200)};
    const COLORREF fills[] = {RGB(255, 160, 160), RGB(160, 230, 160), RGB(160, 160, 255)};
    const LONG patterns[] = {99, 3, 99};
    for (int i = 0; i < 3; ++i) {
        chart->SetSeriesLineColor(i, colors[i]);
        chart->SetSeriesPatternColor(i, fills[i]);
        chart->SetSeriesPattern(i, patterns[i]);
    }
    chart->SetOptions(CChart::kOptionDayTotals | CChart::kOptionResourceTotals);
    chart->SetTotalsColor(RGB(128, 0, 128));
    chart->SetLabelPos(CChart::kLabelBottomRight);
    ASSERT_TRUE(chart->EnsureLabel());
    chart->BuildShapes(doc, doc.layout);
    test::ExpectLooksLike(Paint({chart.get()}), {"chart", "bar_graph.png", 0.0005});
}

TEST_F(ChartRenderTest, ALineGraphAndAnEarnedValueLine) {
    auto lines = MakeChart(CChart::kPurposeLoading, CChart::kLineGraph, 2, 13, 3, {0, 1, 2});
    const COLORREF colors[] = {RGB(200, 0, 0), RGB(0, 120, 0), RGB(0, 0, 200)};
    for (int i = 0; i < 3; ++i) {
        lines->SetSeriesLineColor(i, colors[i]);
        lines->SetSeriesLineWidth(i, static_cast<short>(-4));
    }
    lines->SetOptions(CChart::kOptionDayTotals);
    lines->BuildShapes(doc, doc.layout);

    auto earned = MakeChart(CChart::kPurposeEarnedValue, CChart::kLineGraph, 17, 28, 3, {1});
    earned->SetPointMode(CChart::kPointBefore);
    earned->SetMaxValue(60);
    earned->SetSeriesLineColor(1, RGB(220, 100, 0));
    earned->SetSeriesLineWidth(1, static_cast<short>(-6));
    earned->BuildShapes(doc, doc.layout);
    test::ExpectLooksLike(Paint({lines.get(), earned.get()}),
                          {"chart", "lines_and_earned_value.png", 0.0005});
}

} // namespace
} // namespace tembra
