#include "model/DcUtility.h"

#include "platform/RecordingDC.h"

#include <gtest/gtest.h>

namespace tembra {
namespace {

struct VisibleCase {
    const char* name;
    int dpi;
    CRect rect;
    bool visible;
};

class IsLogRectVisibleTest : public testing::TestWithParam<VisibleCase> {
protected:
    void SetUp() override {
        const int dpi = GetParam().dpi;
        m_previous = SetScreenDCFactory(
            [dpi] { return std::make_unique<CRecordingDC>(CRecordingDC::Device::Screen, dpi); });
    }
    void TearDown() override { SetScreenDCFactory(m_previous); }
    ScreenDCFactory m_previous;
};

TEST_P(IsLogRectVisibleTest, NeedsAPixelOnTheScreen) {
    EXPECT_EQ(IsLogRectVisible(GetParam().rect), GetParam().visible ? TRUE : FALSE);
}

INSTANTIATE_TEST_SUITE_P(
    Rects, IsLogRectVisibleTest,
    testing::Values(
        // At 96 dpi a unit (0.1 mm) is 0.38 pixels: one unit rounds away, two make a pixel.
        VisibleCase{"one_unit_wide", 96, {0, 0, 1, -100}, false},
        VisibleCase{"two_units_wide", 96, {0, 0, 2, -100}, true},
        VisibleCase{"one_unit_high", 96, {0, 0, 100, -1}, false},
        // Given the wrong way round, it is normalised first.
        VisibleCase{"upside_down", 96, {100, -100, 0, 0}, true},
        VisibleCase{"empty", 96, {5, -5, 5, -5}, false},
        VisibleCase{"fine_screen", 254, {0, 0, 1, -1}, true}),
    [](const auto& info) { return info.param.name; });

TEST(DcUtility, MeasureTextSelectsTheFontOnlyForTheMeasurement) {
    CRecordingDC dc;
    dc.SetMapMode(MM_LOMETRIC);
    CFont current;
    current.CreateFont(-10, 5, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "");
    dc.SelectObject(&current);
    LOGFONT lf;
    lf.lfHeight = -40;
    lf.lfWidth = 20;
    EXPECT_EQ(MeasureText(&dc, lf, "AB\x82\xA0"), CSize(80, 40));
    EXPECT_EQ(dc.GetCurrentFont(), &current);
    EXPECT_EQ(MeasureText(nullptr, lf, "AB"), CSize());
}

struct PointsCase {
    const char* name;
    int dpi;
    int mode;
    int value;
    double points;
};

class LogicalToPointsTest : public testing::TestWithParam<PointsCase> {};

TEST_P(LogicalToPointsTest, ScalesByTheExtentsAndResolution) {
    const PointsCase& c = GetParam();
    CRecordingDC dc(CRecordingDC::Device::Screen, c.dpi);
    dc.SetMapMode(c.mode);
    EXPECT_NEAR(LogicalToPoints(&dc, c.value), c.points, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Mappings, LogicalToPointsTest,
    testing::Values(
        // 254 units of 0.1 mm are an inch: 72 points, negative because y runs up.
        PointsCase{"lometric", 96, MM_LOMETRIC, 254, -72.0},
        PointsCase{"lometric_printer", 600, MM_LOMETRIC, 127, -36.0},
        PointsCase{"text", 96, MM_TEXT, 96, 72.0}),
    [](const auto& info) { return info.param.name; });

TEST(DcUtility, ExtentsOfTheMapping) {
    CRecordingDC dc(CRecordingDC::Device::Screen, 96);
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(100, 200);
    dc.SetViewportExt(300, -400);
    EXPECT_EQ(GetWindowExt(&dc), CSize(100, 200));
    EXPECT_EQ(GetViewportExt(&dc), CSize(300, -400));
    EXPECT_NEAR(LogicalToPoints(&dc, 96), 96.0 * -400 / 200 / 96 * 72, 1e-9);
    EXPECT_EQ(GetWindowExt(nullptr), CSize());
    EXPECT_EQ(LogicalToPoints(nullptr, 5), 0.0);
}

} // namespace
} // namespace tembra
