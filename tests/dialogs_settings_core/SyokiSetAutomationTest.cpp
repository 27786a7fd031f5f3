#include "dialogs/settings/core/SyokiSetAutomation.h"

#include "SyokiSetFixture.h"
#include "support/ArchiveBytes.h"

#include <gtest/gtest.h>

namespace tembra {
namespace {

using test::U8;

class SyokiSetAutomationTest : public test::SyokiSetFixture {
protected:
    void SetUp() override {
        SyokiSetFixture::SetUp();
        SetPeriod(CTime(2010, 4, 1), CTime(2010, 6, 30));
        ui->ClearRecords();
    }
    test::Bytes Settings() { return test::Store(doc.GetSyokiSet(), doc); }
    // A header that a rebuild from the layout file would not keep.
    void MarkHeader() { doc.GetPrHeader().SetLayoutName("mark"); }
    bool HeaderRebuilt() const { return doc.GetPrHeader().GetLayoutName() != "mark"; }
    void MakeElapsed() {
        CSyokiSet& s = doc.GetSyokiSet();
        s.SetNobeMode(1);
        s.SetNobeMonthSpan(CTimeSpan(30, 0, 0, 0));
    }
};

TEST_F(SyokiSetAutomationTest, ACallInElapsedModeOrWithAnUnusableArgumentChangesNothing) {
    struct Case {
        const char* what;
        bool elapsed;
        std::function<int(CTembraDoc&)> call;
    };
    const Case cases[] = {
        {"rows 0", false, [](CTembraDoc& d) { return LineChange(d, 0); }},
        {"paper 6", false, [](CTembraDoc& d) { return PaperChange(d, 6); }},
        {"paper -1", false, [](CTembraDoc& d) { return PaperChange(d, -1); }},
        {"30 February", false,
         [](CTembraDoc& d) {
             return KikanChange(d, {2000, 2, 30}, {2000, 3, 10});
         }},
        {"before the first supported day", false,
         [](CTembraDoc& d) {
             return KikanChange(d, {1990, 12, 31}, {1991, 3, 10});
         }},
        {"after the last supported day", false,
         [](CTembraDoc& d) {
             return KikanChange(d, {2037, 12, 1}, {2038, 1, 1});
         }},
        {"rows in elapsed mode", true, [](CTembraDoc& d) { return LineChange(d, 10); }},
        {"paper in elapsed mode", true, [](CTembraDoc& d) { return PaperChange(d, 1); }},
        {"period in elapsed mode", true,
         [](CTembraDoc& d) {
             return KikanChange(d, {2010, 1, 1}, {2010, 2, 1});
         }},
        {"calendar days in calendar mode", false,
         [](CTembraDoc& d) { return ChangeNobeToReki(d, DayConversionValues{}); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.elapsed) {
            MakeElapsed();
        } else {
            doc.GetSyokiSet().SetNobeMode(0);
        }
        MarkHeader();
        const test::Bytes before = Settings();
        EXPECT_EQ(c.call(doc), 0);
        EXPECT_EQ(Settings(), before);
        EXPECT_FALSE(HeaderRebuilt());
        EXPECT_EQ(app->GetSyokiDlgCount(), 0);
    }
}

TEST_F(SyokiSetAutomationTest, RowsAreCappedAt150) {
    EXPECT_EQ(LineChange(doc, 200), 1);
    EXPECT_EQ(doc.GetSyokiSet().GetRowSpan(), 150);
    EXPECT_EQ(LineChange(doc, 12), 1);
    EXPECT_EQ(doc.GetSyokiSet().GetRowSpan(), 12);
    EXPECT_EQ(app->GetSyokiDlgCount(), 0);
}

TEST_F(SyokiSetAutomationTest, TheCurrentPaperStoresTheSettingsUnchanged) {
    // The first call lets the label check settle the steps for the fixture's period.
    ASSERT_EQ(PaperChange(doc, 0), 1);
    MarkHeader();
    const test::Bytes before = Settings();
    EXPECT_EQ(PaperChange(doc, 0), 1);
    EXPECT_EQ(Settings(), before);
    EXPECT_FALSE(HeaderRebuilt());
}

TEST_F(SyokiSetAutomationTest, ANewPaperRebuildsTheHeader) {
    doc.GetPrHeader().SetTitleText(Sjis::FromUtf8("見本工事"));
    MarkHeader();
    EXPECT_EQ(PaperChange(doc, 1), 1);
    EXPECT_EQ(doc.GetSyokiSet().GetPageSetting().GetPaper(), 1);
    EXPECT_TRUE(HeaderRebuilt());
    EXPECT_EQ(U8(doc.GetPrHeader().GetLayoutName()), "標準書式");
    EXPECT_EQ(U8(doc.GetPrHeader().GetTitleText()), "見本工事");
}

TEST_F(SyokiSetAutomationTest, APlanLayoutLeavesItsPaperWithoutAQuestionUnderAutomation) {
    SetPaper(2, "PLAN.LYT");
    doc.m_bAutomation = TRUE;
    ui->FailOnUnqueued(true);
    EXPECT_EQ(PaperChange(doc, 0), 1);
    EXPECT_EQ(doc.GetSyokiSet().GetPath().GetLayoutFileName(), "MASTER01.LYT");
    EXPECT_EQ(doc.GetSyokiSet().GetPageSetting().GetPaper(), 0);
    EXPECT_EQ(doc.GetPrHeader().GetLayoutKind(), 0);
}

TEST_F(SyokiSetAutomationTest, APeriodIsStoredAroundTheMargins) {
    doc.GetSyokiSet().SetMaeYohaku(CTimeSpan(2, 0, 0, 0));
    doc.GetSyokiSet().SetStartDate(CTime(2010, 3, 30));
    EXPECT_EQ(KikanChange(doc, {2011, 5, 1}, {2011, 5, 31}), 1);
    const CSyokiSet& s = doc.GetSyokiSet();
    EXPECT_EQ(s.GetWorkStartDate(), CTime(2011, 5, 1));
    EXPECT_EQ(s.GetWorkEndDate(), CTime(2011, 5, 31));
    EXPECT_EQ(s.GetStartDate(), CTime(2011, 4, 29));
}

TEST_F(SyokiSetAutomationTest, AFailingCheckStoresNothing) {
    // A date font so wide that no label step fits the whole supported range.
    LOGFONT font = doc.GetSyokiSet().GetChart().GetDateStyle().GetLogFont();
    font.lfWidth = 400;
    doc.GetSyokiSet().GetChart().GetDateStyle().SetLogFont(font);
    const test::Bytes before = Settings();
    EXPECT_EQ(KikanChange(doc, {1991, 1, 1}, {2037, 12, 31}), 0);
    // Told when the period is recalculated and again by the final check.
    EXPECT_EQ(ui->MessageIds(), (std::vector<UINT>{5075, 5075}));
    EXPECT_EQ(Settings(), before);
    EXPECT_EQ(app->GetSyokiDlgCount(), 0);
}

TEST_F(SyokiSetAutomationTest, ElapsedDaysBecomeCalendarDays) {
    MakeElapsed();
    DayConversionValues values;
    values.year = 2012;
    values.month = 6;
    values.day = 1;
    values.dayNumber = 1;
    values.holidayChoice = 1;
    EXPECT_EQ(ChangeNobeToReki(doc, values), 1);
    const CSyokiSet& s = doc.GetSyokiSet();
    EXPECT_EQ(s.GetNobeMode(), 0);
    EXPECT_EQ(s.GetNobeOffset(), CTimeSpan());
    EXPECT_EQ(s.GetWorkStartDate(), CTime(2012, 6, 1));
    EXPECT_EQ(s.GetDisplayDayCount(), 91);
    EXPECT_EQ(app->GetSyokiDlgCount(), 0);

    // Values the conversion's checks refuse.
    MakeElapsed();
    const test::Bytes before = Settings();
    values.fromRatio = 0;
    EXPECT_EQ(ChangeNobeToReki(doc, values), 0);
    EXPECT_EQ(Settings(), before);
}

} // namespace
} // namespace tembra
