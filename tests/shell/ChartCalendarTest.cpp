// A chart's calendar and its day counting through the program's own windows: 設定 > カレンダ with
// 反転 and the chart saved, closed and opened again; a chart of 2027/2028 switched to elapsed
// days and back with the program's dialogs, and the switch taken back by アンドゥ.
#include "ShellFixture.h"

#include "dialogs/attributes/CalDateToDayDlg.h"
#include "dialogs/attributes/DayToCalDateDlg.h"
#include "dialogs/settings/SyokiSetRekiDlg.h"
#include "document/DocFileRequests.h"
#include "document/RecordCast.h"
#include "exchange/ui/FileOpenDlg.h"
#include "model/Calendar.h"
#include "model/ui/CalendarSetDlg.h"
#include "platform/RegKey.h"
#include "support/qt/DialogControls.h"

#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>

namespace tembra {
namespace {

namespace fs = std::filesystem;

constexpr UINT kCalendarCommand = 32778;
constexpr UINT kSwitchCounting = 33008;
constexpr UINT kOpen = 57601;
constexpr UINT kSave = 57603;
constexpr UINT kSaveAs = 57604;
constexpr UINT kUndo = 57643;

CTime Day(int year, int month, int day) {
    return CTime(year, month, day);
}

std::string Span(const CTime& start, const CTime& end) {
    return start.Format("%Y-%m-%d") + ".." + end.Format("%Y-%m-%d");
}

std::uint64_t NumberKey(const CObSeqNumber& number) {
    return (static_cast<std::uint64_t>(number.GetHigh()) << 32) | number.GetLow();
}

// Accepts the first dialog once it shows, then the second.
template <class First, class Second> void AcceptInTurn() {
    test::WhenShown<First>([](First& first) {
        first.accept();
        test::WhenShown<Second>([](Second& second) { second.accept(); });
    });
}

class ChartCalendarTest : public test::ShellFixture {
protected:
    ChartCalendarTest() {
        // The holidays the program ships.
        fs::copy_file(fs::path(TEMBRA_DATA_DIR) / AppRegKeyDefaultPath().filename(),
                      AppRegKeyDefaultPath(), fs::copy_options::overwrite_existing);
    }

    void ChooseFile(const fs::path& path) {
        ui.OnDialog("FileDialog", [path](DialogRequest& r) {
            static_cast<FileDialogRequest&>(r).path = path.string();
            return IDOK;
        });
    }
    // The program's own dialog for the request.
    void RealDialog(const char* name) {
        ui.OnDialog(name, [this](DialogRequest& r) { return app->QtUi().RunDialog(r); });
    }
    // A menu command, as a click on its menu item runs it.
    void Choose(UINT command) {
        app->UpdateCommandStates();
        QAction* action = Frame().Action(command);
        ASSERT_NE(action, nullptr) << command;
        ASSERT_TRUE(action->isEnabled()) << command;
        action->trigger();
        QApplication::processEvents();
    }
    // A new chart made "today", with a process over the period.
    CTembraDoc* NewChart(int year) {
        clock.Set(CTime(year, 3, 2, 9, 0, 0));
        CTembraDoc* doc = app->NewDocument();
        CChartPos pos;
        pos.SetStartDate(Day(year, 3, 9));
        pos.SetEndDate(Day(year, 3, 20));
        pos.SetStartRow(2);
        pos.SetEndRow(2);
        doc->AddObj(doc->CreateKoutei(&pos).release(), FALSE);
        return doc;
    }
    void Close(CTembraDoc* doc) {
        for (QMdiSubWindow* window : Frame().MdiArea()->subWindowList()) {
            window->close();
        }
        QApplication::processEvents();
        EXPECT_TRUE(app->Documents().empty());
        static_cast<void>(doc);
    }
    // ﾌｧｲﾙ > 開く, the file chosen in the program's file dialog.
    CTembraDoc* Open(const fs::path& path) {
        test::WhenShown<CFileOpenDlg>([path](CFileOpenDlg& dialog) {
            dialog.selectFile(QString::fromStdString(path.string()));
            dialog.accept();
        });
        Choose(kOpen);
        EXPECT_EQ(app->Documents().size(), 1u);
        return app->Documents().empty() ? nullptr : app->Documents().front();
    }

    test::TempDir files;
};

TEST_F(ChartCalendarTest, InvertedChartsOf2010And2027AreSavedAndComeBack) {
    ASSERT_FALSE(Start());
    RealDialog("CalendarSet");
    ui.OnDialog("AutoAdjust", [](DialogRequest&) { return IDCANCEL; });
    for (const int year : {2010, 2027}) {
        SCOPED_TRACE(year);
        CTembraDoc* doc = NewChart(year);
        // The chart's first Sunday in March.
        CTime sunday = Day(year, 3, 1);
        while (sunday.GetDayOfWeek() != 1) {
            sunday += CTimeSpan(1, 0, 0, 0);
        }
        ASSERT_TRUE(doc->GetWorkCalendar().IsHoliday(sunday.GetTime()));

        // 設定 > カレンダ: 反転, asked and answered yes, then 決定.
        bool shown = false;
        test::WhenShown<CCalendarSetDlg>([&](CCalendarSetDlg& dialog) {
            shown = true;
            ui.QueueAnswer(IDYES);
            QTest::mouseClick(test::Control<QPushButton>(dialog, CCalendarSetDlg::IDC_INVERT),
                              Qt::LeftButton);
            dialog.accept();
        });
        Choose(kCalendarCommand);
        EXPECT_TRUE(shown);
        CCalendar inverted;
        doc->GetWorkCalendar().CopyTo(&inverted);
        EXPECT_FALSE(inverted.IsHoliday(sunday.GetTime()));

        // 上書き保存 (a new chart asks for its name), then 名前を付けて保存.
        ui.ClearRecords();
        const fs::path first = files.File("first-" + std::to_string(year) + ".tbr");
        ChooseFile(first);
        Choose(kSave);
        const fs::path second = files.File("second-" + std::to_string(year) + ".tbr");
        ChooseFile(second);
        Choose(kSaveAs);
        EXPECT_TRUE(test::Messages(ui).empty()) << "no message, 5912 least of all";
        ASSERT_TRUE(fs::exists(first));
        ASSERT_TRUE(fs::exists(second));
        Close(doc);

        CTembraDoc* reopened = Open(second);
        ASSERT_NE(reopened, nullptr);
        const CCalendar& calendar = reopened->GetWorkCalendar();
        EXPECT_FALSE(calendar.IsHoliday(sunday.GetTime()));
        for (CTime day = Day(year, 1, 1); day <= Day(year, 12, 31); day += CTimeSpan(1, 0, 0, 0)) {
            ASSERT_EQ(calendar.GetDayFlag(day.GetTime()), inverted.GetDayFlag(day.GetTime()))
                << day.Format("%Y-%m-%d");
        }
        EXPECT_EQ(reopened->GetObjCount(), 1);
        Close(reopened);
    }
}

TEST_F(ChartCalendarTest, AChartOf2027And2028GoesToElapsedDaysAndBackAsItWas) {
    ASSERT_FALSE(Start());
    clock.Set(CTime(2027, 11, 15, 9, 0, 0));
    CTembraDoc* doc = app->NewDocument();
    doc->GetSyokiSet().SetStartDate(Day(2027, 11, 15));
    doc->GetSyokiSet().SetEndDate(Day(2028, 3, 31));
    RealDialog("CalendarSet");
    RealDialog("CalDateToDayDlg");
    RealDialog("DayToCalDateDlg");
    RealDialog("SyokiSetNobeDlg");
    RealDialog("SyokiSetRekiDlg");
    ui.OnDialog("AutoAdjust", [](DialogRequest&) { return IDCANCEL; });

    // The site closes from 29 to 31 December 2027: three clicks in the calendar's December.
    test::WhenShown<CCalendarSetDlg>([](CCalendarSetDlg& dialog) {
        QTest::mouseClick(test::Control<QPushButton>(dialog, CCalendarSetDlg::IDC_NEXT),
                          Qt::LeftButton);
        ASSERT_EQ(dialog.Month(), 12);
        // December 2027 begins on a Wednesday: the 29th is the cell of its fifth week's
        // Wednesday.
        for (const int day : {29, 30, 31}) {
            const int cell = 3 + day - 1;
            QTest::mouseClick(
                test::Control<QPushButton>(dialog, CCalendarSetDlg::IDC_FIRST_DAY + cell),
                Qt::LeftButton);
        }
        dialog.accept();
    });
    Choose(kCalendarCommand);
    CCalendar own;
    doc->GetWorkCalendar().CopyTo(&own);
    ASSERT_TRUE(own.IsHoliday(Day(2027, 12, 29).GetTime()));
    ASSERT_TRUE(own.IsHoliday(Day(2027, 12, 31).GetTime()));

    // A calendar-day process over the closure and the new year, working-day processes on it.
    struct Plan {
        CTime start, end;
        bool workingDays;
    };
    const Plan plans[] = {
        {Day(2027, 12, 20), Day(2027, 12, 27), true},
        {Day(2027, 12, 27), Day(2028, 1, 10), false},
        {Day(2028, 1, 10), Day(2028, 1, 17), true},
        {Day(2028, 1, 17), Day(2028, 1, 24), true},
    };
    std::map<std::uint64_t, std::string> before;
    for (const Plan& plan : plans) {
        CChartPos pos;
        pos.SetStartDate(plan.start);
        pos.SetEndDate(plan.end);
        pos.SetStartRow(3);
        pos.SetEndRow(3);
        std::unique_ptr<CKoutei> process = doc->CreateKoutei(&pos);
        process->GetLines()->GetAttr().m_holiday = plan.workingDays ? 1 : 0;
        before[NumberKey(process->GetSeqNumber())] = Span(plan.start, plan.end);
        doc->AddObj(process.release(), FALSE);
    }
    const auto dates = [&] {
        std::map<std::uint64_t, std::string> out;
        doc->UnselectAll(FALSE);
        for (POSITION pos = doc->GetHeadObjPosition(); pos != nullptr;) {
            if (const CKoutei* process = AsKoutei(doc->GetNextObj(pos))) {
                out[NumberKey(process->GetSeqNumber())] =
                    Span(process->GetStartTime(), process->GetEndTime());
            }
        }
        return out;
    };
    ASSERT_EQ(dates(), before);

    // 設定 > [暦・延]モード変更: the conversion dialog and the settings dialog, both as they
    // open (the first elapsed day at the chart's base date).
    AcceptInTurn<CCalDateToDayDlg, CSyokiSetNobeDlg>();
    Choose(kSwitchCounting);
    ASSERT_GT(doc->GetSyokiSet().GetNobeMode(), 0);
    const auto elapsed = dates();
    EXPECT_NE(elapsed, before);

    AcceptInTurn<CDayToCalDateDlg, CSyokiSetRekiDlg>();
    Choose(kSwitchCounting);
    ASSERT_EQ(doc->GetSyokiSet().GetNobeMode(), 0);
    EXPECT_EQ(dates(), before);
    EXPECT_TRUE(doc->GetWorkCalendar().IsSameAs(&own));

    // アンドゥ takes the switch back to elapsed days, and once more forward.
    Choose(kUndo);
    EXPECT_GT(doc->GetSyokiSet().GetNobeMode(), 0);
    EXPECT_EQ(dates(), elapsed);
    Choose(kUndo);
    EXPECT_EQ(doc->GetSyokiSet().GetNobeMode(), 0);
    EXPECT_EQ(dates(), before);
    doc->SetModifiedFlag(FALSE);
}

} // namespace
} // namespace tembra
