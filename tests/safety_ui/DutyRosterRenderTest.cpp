// A safety-and-health plan chart drawn as the chart view draws it, on the screen device at 100 %
// into an image of the paper: A3, March 2010 over 30 rows with Saturdays and Sundays off, the
// disaster and countermeasure frames, the weekly target and action frames below them, and the
// duty roster of three persons with its partner band at its default rows below those. Compared with
// the reference picture in tests/safety_ui/data (TEMBRA_UPDATE_IMAGES=1 writes it anew; look at it
// first).
#include "document/DocTestSupport.h"
#include "document/PageFixture.h"
#include "document/TembraDoc.h"
#include "model/Calendar.h"
#include "model/ConfigBase.h"
#include "model/SyokiSet.h"
#include "platform/qt/QtDC.h"
#include "render/PageLayout.h"
#include "safety/DisasterFrames.h"
#include "safety/DutyRoster.h"
#include "safety/WeekTargetFrames.h"
#include "shapes/Zukei.h"
#include "shapes/ZukeiView.h"

#include "support/ChartPage.h"
#include "support/Cp932Text.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"
#include "support/qt/ReferenceImage.h"

#include <QImage>

#include <gtest/gtest.h>

#include <filesystem>

namespace tembra {
namespace {

using test::J;

constexpr int kScreenDpi = 96;

class DutyRosterRenderTest : public testing::Test {
protected:
    DutyRosterRenderTest() {
        m_config.Read(FALSE);
        m_previous = SetAppConfig(&m_config);
        doc.OnNewDocument();
        CSyokiSet& set = doc.GetSyokiSet();
        set.SetDefault(&doc, 0);
        const auto master = std::filesystem::path(TEMBRA_DATA_DIR) / "MASTER01.LYT";
        EXPECT_TRUE(set.GetPageSetting().SetPaper(kPaperA3, 0, master, -1));
        set.SetMaeYohaku(CTimeSpan());
        set.SetAtoYohaku(CTimeSpan());
        set.SetStartDate(CTime(2010, 3, 1));
        set.SetEndDate(CTime(2010, 3, 31));
        set.SetFirstRow(0);
        set.SetLastRow(29);
        set.SetFixedFirstRow(0);
        set.SetFixedLastRow(0xFFFF);
        set.SetOption1(kUnitDay);
        set.SetOption2(0);
        set.SetKeisenUnit(kUnitDay);
        set.SetKeisenStep(0);
        set.SetHolidayMode(1);
        const WORD dateRows[] = {kDateRowYear, kDateRowMonth, kDateRowDay, kDateRowWeekday};
        for (int i = 0; i < kDateRowMax; ++i) {
            set.SetDateRowKind(i, dateRows[i]);
        }
        CCalendar& calendar = doc.GetWorkCalendar();
        calendar.Clear();
        for (CTime d(2010, 2, 1); d <= CTime(2010, 4, 30); d += CTimeSpan(1, 0, 0, 0)) {
            if (d.GetDayOfWeek() == 1 || d.GetDayOfWeek() == 7) {
                calendar.SetDayFlag(d.GetTime(), CCalendar::kRuleHoliday);
            }
        }
        layout.Init(&view);
    }
    ~DutyRosterRenderTest() override { SetAppConfig(m_previous); }

    QImage Screen() {
        CPageLayout page;
        page.Init(&view);
        // The A3 sheet across (the chart's paper extent reaches further down, empty).
        QImage image(4200 * kScreenDpi / 254, 2970 * kScreenDpi / 254, QImage::Format_RGB32);
        image.fill(Qt::white);
        CQtDC::Options options;
        options.dpiX = kScreenDpi;
        options.dpiY = kScreenDpi;
        CQtDC dc(&image, options);
        dc.SetMapMode(MM_LOMETRIC);
        test::DrawChartPage(doc, page, dc);
        // The shapes, head of the list first, as the view draws them over the page.
        const CZukeiLayoutView shapes(page);
        for (POSITION pos = doc.GetShapes().GetHeadZukeiPosition(); pos != nullptr;) {
            doc.GetShapes().GetNextZukei(pos)->Draw(shapes, dc, kDrawNormal);
        }
        return image;
    }

    test::ScopedPaths paths;
    test::ScopedAppState app;
    test::ScopedUi ui;
    CConfigBase m_config;
    CConfigBase* m_previous = nullptr;
    CTembraDoc doc;
    test::DocLayoutView view{doc};
    CPageLayout layout;
};

TEST_F(DutyRosterRenderTest, TheA3PlanShowsTheRosterBesideTheOtherFrames) {
    ASSERT_TRUE(BuildDisasterFrames(doc, layout, 1, kUnitWeek, {{11, 13}, {14, 16}}));
    ASSERT_TRUE(BuildWeekTargetFrames(doc, layout, 1, true, {{17, 18}, {19, 22}}));
    // Below the weekly frames: rows 23-24 and 25-27.
    const PlanBandRows rows = DutyDefaultRows(doc);
    DutyWorkSite site;
    site.rows = rows.upper;
    site.startDate = CTime(2010, 3, 10);
    site.shiftDays = 1;
    site.entries = {{J("田中"), 0}, {J("鈴木"), 1}, {J("佐藤"), 0}};
    DutyPartners partners;
    partners.rows = rows.lower;
    partners.startDate = CTime(2010, 3, 1);
    ASSERT_TRUE(CDutyRosterBuilder(doc, layout).Build(kDutyBoth, site, partners));
    test::ExpectLooksLike(Screen(), {"safety_ui", "duty_roster_a3.png", 0.002});
}

} // namespace
} // namespace tembra
