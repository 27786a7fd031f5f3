// Fonts given in tenths of a point: the height in the logical units of a device context through
// its vertical resolution, the other fields kept.
#include "platform/DC.h"
#include "platform/GdiObjects.h"
#include "platform/RecordingDC.h"

#include <gtest/gtest.h>

#include <memory>

namespace tembra {
namespace {

LOGFONT PointFont(LONG tenths) {
    LOGFONT lf;
    lf.lfHeight = tenths;
    lf.lfWidth = 7;
    lf.lfWeight = FW_BOLD;
    lf.lfCharSet = SHIFTJIS_CHARSET;
    lf.SetFaceName("Face");
    return lf;
}

TEST(PointFontTest, HeightFollowsTheDevicesResolutionAndMapping) {
    struct Case {
        const char* what;
        CRecordingDC::Device device;
        int dpi;
        int mapMode;
        LONG tenths;
        LONG height;
    };
    const Case cases[] = {
        {"12 pt on a 96 dpi screen", CRecordingDC::Device::Screen, 96, MM_TEXT, 120, -16},
        {"a negative size counts as its size", CRecordingDC::Device::Screen, 96, MM_TEXT, -120,
         -16},
        {"10 pt: 13.3 rows are 13", CRecordingDC::Device::Screen, 96, MM_TEXT, 100, -13},
        {"twice the resolution, twice the rows", CRecordingDC::Device::Screen, 192, MM_TEXT, 120,
         -32},
        // 100 device rows at 600 dpi are 42.3 units of 0.1 mm.
        {"12 pt on a printer in 0.1 mm", CRecordingDC::Device::Printer, 600, MM_LOMETRIC, 120, -42},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CRecordingDC dc(c.device, c.dpi);
        dc.SetMapMode(c.mapMode);
        const LOGFONT lf = PointFont(c.tenths);
        CFont font;
        ASSERT_TRUE(font.CreatePointFontIndirect(&lf, &dc));
        EXPECT_EQ(font.Data().lfHeight, c.height);
        EXPECT_EQ(font.Data().lfWidth, 7);
        EXPECT_EQ(font.Data().lfWeight, FW_BOLD);
        EXPECT_EQ(font.Data().lfCharSet, SHIFTJIS_CHARSET);
        EXPECT_EQ(font.Data().FaceName(), "Face");
    }
}

TEST(PointFontTest, WithoutADeviceContextTheScreenMeasures) {
    const ScreenDCFactory previous = SetScreenDCFactory(
        [] { return std::make_unique<CRecordingDC>(CRecordingDC::Device::Screen, 144); });
    const LOGFONT lf = PointFont(100);
    CFont font;
    EXPECT_TRUE(font.CreatePointFontIndirect(&lf));
    SetScreenDCFactory(previous);
    EXPECT_EQ(font.Data().lfHeight, -20);

    CFont none;
    EXPECT_FALSE(none.CreatePointFontIndirect(nullptr));
    EXPECT_EQ(none.GetSafeHandle(), nullptr);
}

} // namespace
} // namespace tembra
