// Switching a chart between calendar days and elapsed days: the refusals, the empty chart, the
// cancelled dialogs, the calendar, the objects on every layer, the points, and the links of
// calendar-day processes to the working-day processes after them.
#include "ChartBytes.h"
#include "ConversionAnswers.h"
#include "KouteiChainFixture.h"
#include "document/ModeChangeRequests.h"
#include "document/RecordCast.h"
#include "model/Event.h"
#include "model/LayerSet.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <string>
#include <vector>

namespace tembra::test {
namespace {

constexpr UINT kSyokiDlgOpen = 5132;

class ModeChangeTest : public KouteiChainFixture {
protected:
    ModeChangeTest() {
        CSyokiSet& settings = doc.GetSyokiSet();
        settings.SetNobeMode(0);
        settings.SetStartDate(ChartDay(0));
        settings.SetEndDate(ChartDay(60));
        settings.SetMaeYohaku(CTimeSpan());
        settings.SetJyunbiKikan(CTimeSpan());
        doc.GetWorkCalendar().Clear();
    }

    // Both conversion dialogs with the anchor at day 0 (the elapsed day 1), holidays counted as
    // given, and OK in both settings dialogs.
    void AnswerConversion(int holidayChoice = 0) {
        test::AnswerConversion(ui.Get(), ChartDay(0), holidayChoice);
    }
    std::vector<std::string> DialogNames() {
        std::vector<std::string> out;
        for (const auto& call : ui->Dialogs()) {
            out.push_back(call.name);
        }
        return out;
    }
    CEvent* AddEvent(int day, WORD layer) {
        std::unique_ptr<CEvent> event = doc.CreateEvent();
        event->SetStartDate(ChartDay(day));
        event->SetStartRow(3);
        event->SetLayer(layer);
        CEvent* raw = event.get();
        doc.AddObj(event.release(), FALSE);
        return raw;
    }
    void Holidays(std::initializer_list<int> days) {
        for (int day : days) {
            const CTime date = ChartDay(day);
            doc.GetWorkCalendar().SetDayFlag(date.GetTime(), CCalendar::kRuleHoliday);
        }
    }
    int StartDay(const std::string& name) const {
        return static_cast<int>((Get(name)->GetStartTime() - ChartDay(0)).GetDays());
    }
    int EndDay(const std::string& name) const {
        return static_cast<int>((Get(name)->GetEndTime() - ChartDay(0)).GetDays());
    }
};

TEST_F(ModeChangeTest, AnOpenSettingsDialogRefusesBothCommandsAndKeepsItsCount) {
    Add({"A", 0, 5, 1, 1});
    app->RaiseSyokiDlgCount();
    AnswerConversion();
    for (const auto& run : std::vector<void (CDayCountingChange::*)()>{
             &CDayCountingChange::OnChangeNobeReki, &CDayCountingChange::OnSyokiSet}) {
        ui->ClearRecords();
        (doc.GetDayCounting().*run)();
        EXPECT_EQ(ui->MessageIds(), std::vector<UINT>{kSyokiDlgOpen});
        EXPECT_TRUE(ui->Dialogs().empty());
        EXPECT_EQ(app->GetSyokiDlgCount(), 1);
        EXPECT_EQ(doc.GetSyokiSet().GetNobeMode(), 0);
    }
}

TEST_F(ModeChangeTest, AChartHoldingNothingBecomesANewChartOfTheOtherCounting) {
    ui->OnDialog("SyokiSetNobeDlg", [](DialogRequest&) { return IDCANCEL; });
    doc.GetDayCounting().OnChangeNobeReki();
    EXPECT_GT(doc.GetSyokiSet().GetNobeMode(), 0);
    EXPECT_EQ(DialogNames(), std::vector<std::string>{"SyokiSetNobeDlg"});
}

TEST_F(ModeChangeTest, AShapeOrAProgressLineIsConvertedNotThrownAway) {
    doc.GetShincyokuList().AddTail(new ProbeRecord(kTypeShincyoku, "progress"));
    ui->OnDialog("CalDateToDayDlg", [](DialogRequest&) { return IDCANCEL; });
    doc.GetDayCounting().OnChangeNobeReki();
    EXPECT_EQ(DialogNames(), std::vector<std::string>{"CalDateToDayDlg"});
    EXPECT_EQ(doc.GetShincyokuList().GetCount(), 1);
}

TEST_F(ModeChangeTest, CancelInAnyDialogOfTheConversionChangesNothing) {
    struct Case {
        const char* cancelled;
        bool toElapsed;
    };
    for (const Case& c : {Case{"CalDateToDayDlg", true}, Case{"SyokiSetNobeDlg", true},
                          Case{"DayToCalDateDlg", false}, Case{"SyokiSetRekiDlg", false}}) {
        SCOPED_TRACE(c.cancelled);
        doc.GetSyokiSet().SetNobeMode(c.toElapsed ? 0 : 1);
        if (doc.GetObjCount() == 0) {
            AddAll({{"A", 0, 5, 1, 1},
                    {"B", 5, 9, 1, 1, 0, kLineShapeStraight, false, false, 0, true}});
            AddEvent(7, 0);
            Holidays({3, 4});
        }
        AnswerConversion();
        ui->OnDialog(c.cancelled, [](DialogRequest&) { return IDCANCEL; });
        CCalendar calendar;
        doc.GetWorkCalendar().CopyTo(&calendar);
        const Bytes before = ChartBytes(doc);
        doc.GetDayCounting().OnChangeNobeReki();
        EXPECT_EQ(ChartBytes(doc), before);
        EXPECT_TRUE(doc.GetWorkCalendar().IsSameAs(&calendar));
        EXPECT_EQ(doc.GetSyokiSet().GetNobeMode(), c.toElapsed ? 0 : 1);
    }
}

TEST_F(ModeChangeTest, ElapsedDaysHaveNoHolidaysAndCalendarDaysGetTheChartsCalendarBack) {
    Add({"A", 0, 5, 1, 1});
    Holidays({3, 4});
    CCalendar own;
    doc.GetWorkCalendar().CopyTo(&own);
    AnswerConversion();
    doc.GetDayCounting().OnChangeNobeReki();
    ASSERT_GT(doc.GetSyokiSet().GetNobeMode(), 0);
    CCalendar cleared;
    cleared.Clear();
    EXPECT_TRUE(doc.GetWorkCalendar().IsSameAs(&cleared));

    doc.GetDayCounting().OnChangeNobeReki();
    ASSERT_EQ(doc.GetSyokiSet().GetNobeMode(), 0);
    EXPECT_TRUE(doc.GetWorkCalendar().IsSameAs(&own));
    EXPECT_EQ(doc.GetSelCount(), 0);
}

TEST_F(ModeChangeTest, ObjectsOnEveryLayerAreCountedAnew) {
    // Working days over the holidays 3 and 4: day 7 is elapsed day 5.
    CKoutei* hidden = Add({"hidden", 7, 9, 1, 1, 0, kLineShapeStraight, false, false, 0, true});
    hidden->SetLayer(2);
    CEvent* event = AddEvent(7, 2);
    doc.SetLayerVisible(2, CLayerSet::kHidden);
    Add({"shown", 7, 9, 2, 2, 0, kLineShapeStraight, false, false, 0, true});
    Holidays({3, 4});
    AnswerConversion();
    doc.GetDayCounting().OnChangeNobeReki();
    EXPECT_EQ(StartDay("hidden"), 5);
    EXPECT_EQ(StartDay("shown"), 5);
    EXPECT_EQ(event->GetStartDate(), ChartDay(5));
}

TEST_F(ModeChangeTest, AProcessLeftAsAPointIsDeletedAfterTheLinksAreRepaired) {
    // The working-day process lies on the holidays 4 and 5 only: no working time is left of it.
    // It follows a calendar-day process that the holiday 1 leaves a day apart from it, so the
    // repair moves it before it goes.
    AddAll({{"A", 0, 4, 1, 1},
            {"gone", 4, 6, 1, 1, 0, kLineShapeStraight, false, false, 0, true},
            {"B", 7, 9, 2, 2, 0, kLineShapeStraight, false, false, 0, true}});
    Holidays({1, 4, 5});
    AnswerConversion();
    doc.GetDayCounting().OnChangeNobeReki();
    EXPECT_EQ(doc.FindKouteiByNumber(numbers.at("gone"), 0), nullptr);
    EXPECT_EQ(doc.FindSelKouteiByNumber(numbers.at("gone"), 0), nullptr);
    EXPECT_EQ(doc.GetObjCount(), 2);
}

TEST_F(ModeChangeTest, LinksOfCalendarDayProcessesAreRepairedInAMixedChartOnly) {
    // A counts calendar days over the holidays 3 and 4; B and C count working days and lose
    // them, so B would start two days before A's end.
    struct Case {
        const char* what;
        int holidayChoice;
        int spareOfB;
        bool bWorkingDays;
        int startB, endB, startC, endC;
    };
    const Case cases[] = {
        // B starts at A's end and takes C with it.
        {"repaired", 0, 0, true, 5, 8, 8, 10},
        // Spare days stay what they are: B and C move the same.
        {"repaired, with spare days", 0, 2, true, 5, 8, 8, 10},
        // Holidays not counted: nothing opens, nothing to repair.
        {"holidays off", 1, 0, true, 5, 8, 8, 10},
        // All calendar days: not mixed, no repair; each keeps its calendar length from its
        // working-day start.
        {"one kind only", 0, 0, false, 3, 6, 6, 8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        doc.FreeAllObjects();
        doc.GetSyokiSet().SetNobeMode(0);
        doc.GetWorkCalendar().Clear();
        AddAll({{"A", 0, 5, 1, 1},
                {"B", 5, 8, 1, 1, c.spareOfB, kLineShapeStraight, false, false, 0, c.bWorkingDays},
                {"C", 8, 10, 1, 1, 0, kLineShapeStraight, false, false, 0, c.bWorkingDays}});
        Holidays({3, 4});
        AnswerConversion(c.holidayChoice);
        doc.GetDayCounting().OnChangeNobeReki();
        ASSERT_GT(doc.GetSyokiSet().GetNobeMode(), 0);
        EXPECT_EQ(StartDay("A"), 0);
        EXPECT_EQ(EndDay("A"), 5);
        EXPECT_EQ(StartDay("B"), c.startB);
        EXPECT_EQ(EndDay("B"), c.endB);
        EXPECT_EQ(StartDay("C"), c.startC);
        EXPECT_EQ(EndDay("C"), c.endC);
        EXPECT_EQ(Get("B")->GetSpareDays(), Days(c.spareOfB));
    }
}

TEST_F(ModeChangeTest, BackInCalendarDaysACalendarDayProcessKeepsItsLengthAndPullsItsSuccessors) {
    // Elapsed days 0..10 in calendar days with "HolidayAuto": the rules of an empty store make
    // every Sunday a holiday (days 3 and 10 from Thursday 1 April 2010). Spread over working
    // days, A would run to day 6 over the Sunday; it keeps its five calendar days, and its
    // successors without spare days come back with it.
    doc.GetSyokiSet().SetNobeMode(1);
    doc.GetOperation().SetHolidayAuto(1);
    AddAll({{"A", 0, 5, 1, 1},
            {"B", 5, 8, 1, 1, 0, kLineShapeStraight, false, false, 0, true},
            {"C", 8, 10, 1, 1, 0, kLineShapeStraight, false, false, 0, true}});
    AnswerConversion();
    doc.GetDayCounting().OnChangeNobeReki();
    ASSERT_EQ(doc.GetSyokiSet().GetNobeMode(), 0);
    ASSERT_TRUE(doc.GetWorkCalendar().IsHoliday(ChartDay(3)));
    EXPECT_EQ(StartDay("A"), 0);
    EXPECT_EQ(EndDay("A"), 5);
    EXPECT_EQ(StartDay("B"), 5);
    EXPECT_EQ(StartDay("C"), EndDay("B"));
    EXPECT_EQ(EndDay("B"), 8);
}

TEST_F(ModeChangeTest, ThePrintHeaderIsKeptOnlyWhilePaperLayoutAndNumberStay) {
    const std::string master =
        (std::filesystem::path(TEMBRA_SOURCE_DIR) / "data" / "MASTER01.LYT").string();
    const std::string other =
        (std::filesystem::path(TEMBRA_SOURCE_DIR) / "data" / "other.lyt").string();
    struct Case {
        const char* what;
        bool temporary;
        bool rebuild;
        short number;
        int paper;
        const std::string* layout;
        bool rebuilt;
        short kindAfter;  // the master layout's is 0
        short localAfter; // the header's temporary-layout flag
    };
    const Case cases[] = {
        {"all the same", false, false, 0, 0, &master, false, 4, 0},
        {"asked to rebuild", false, true, 0, 0, &master, true, 0, 0},
        {"another temporary flag", false, false, 1, 0, &master, true, 0, 0},
        {"another paper", false, false, 0, 2, &master, true, 0, 0},
        {"another layout file", false, false, 0, 0, &other, true, 4, 0},
        {"a temporary layout", true, false, 0, 0, &master, true, 0, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CSyokiSet& settings = doc.GetSyokiSet();
        settings.GetPath().SetLayoutFileName(master);
        settings.GetPath().SetLayoutTempFileName(master);
        settings.GetPageSetting().SetPaperKind(0);
        doc.GetPrHeader().RemoveAllElements();
        doc.GetPrHeader().SetLayoutName("kept");
        doc.GetPrHeader().SetLayoutKind(4);
        doc.GetPrHeader().SetLocalLayout(0);
        ui->OnDialog("SyokiSetRekiDlg", [&c](DialogRequest& r) {
            SyokiSetResults& results = static_cast<SyokiSetRekiDlgRequest&>(r).results;
            results.temporaryLayout = c.temporary;
            results.rebuildHeader = c.rebuild;
            results.layoutNumber = c.number;
            results.settings.GetPageSetting().SetPaperKind(c.paper);
            results.settings.GetPath().SetLayoutFileName(*c.layout);
            return IDOK;
        });
        doc.GetDayCounting().OnSyokiSet();
        // Rebuilt from a layout that cannot be read, the header keeps its name.
        const bool fromMaster = c.rebuilt && (c.temporary || c.layout == &master);
        EXPECT_EQ(doc.GetPrHeader().GetLayoutName() == "kept", !fromMaster);
        EXPECT_EQ(doc.GetPrHeader().GetElementList().empty(), !fromMaster);
        EXPECT_EQ(doc.GetPrHeader().GetLayoutKind(), c.kindAfter);
        EXPECT_EQ(doc.GetPrHeader().GetLocalLayout(), c.localAfter);
    }
}

TEST_F(ModeChangeTest, AHeaderRebuiltForANewPaperKeepsItsInputs) {
    const std::string master =
        (std::filesystem::path(TEMBRA_SOURCE_DIR) / "data" / "MASTER01.LYT").string();
    CSyokiSet& settings = doc.GetSyokiSet();
    settings.GetPath().SetLayoutFileName(master);
    settings.GetPageSetting().SetPaperKind(0);
    doc.GetPrHeader().InitFromSettings(&doc, 0, master, FALSE);
    doc.GetPrHeader().SetTitleText("title");
    ui->OnDialog("SyokiSetRekiDlg", [](DialogRequest& r) {
        static_cast<SyokiSetRekiDlgRequest&>(r).results.settings.GetPageSetting().SetPaperKind(2);
        return IDOK;
    });
    doc.GetDayCounting().OnSyokiSet();
    EXPECT_EQ(doc.GetSyokiSet().GetPageSetting().GetPaper(), 2);
    EXPECT_EQ(doc.GetPrHeader().GetTitleText(), "title");
}

// The scale handed to the process redating: the second part over the first, negative (times of
// day kept) when rounding is off or when the parts are equal.
TEST(DayConversionTest, FactorCarriesTheRoundingInItsSign) {
    struct Case {
        int calendar;
        int elapsed;
        bool round;
        bool toElapsed;
        double factor;
    };
    const Case cases[] = {
        {1, 1, true, true, -1.0},  {1, 1, false, true, -1.0}, {2, 1, true, true, 0.5},
        {2, 1, false, true, -0.5}, {2, 1, true, false, 2.0},  {3, 3, true, false, -1.0},
    };
    for (const Case& c : cases) {
        DayConversion conversion;
        conversion.calendarRatio = c.calendar;
        conversion.elapsedRatio = c.elapsed;
        conversion.round = c.round;
        EXPECT_DOUBLE_EQ(conversion.Factor(c.toElapsed), c.factor)
            << c.calendar << ":" << c.elapsed << " round " << c.round << " to elapsed "
            << c.toElapsed;
    }
}

} // namespace
} // namespace tembra::test
