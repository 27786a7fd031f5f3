// The holiday initialisation offscreen: the matrix from the stored pattern, the weekday
// buttons, and 決定 making the calendar as MakeHolidays makes it from the same flags.
#include "dialogs/attributes/HolidayInitDlg.h"
#include "dialogs/attributes/RegisterAttributeDialogs.h"

#include "dialogs_attributes/DialogTestSupport.h"
#include "model/Calendar.h"
#include "model/CalendarRequests.h"
#include "platform/Profile.h"
#include "support/Cp932Text.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"

#include <QCheckBox>
#include <QPushButton>

namespace tembra {
namespace {

using test::Control;
using test::J;
using Dlg = CHolidayInitDlg;

QCheckBox* Cell(const QDialog& dialog, int weekday, int week) {
    return Control<QCheckBox>(dialog, Dlg::kRowFirstIds[static_cast<std::size_t>(weekday)] + week);
}

class HolidayInitDlgTest : public ::testing::Test {
protected:
    HolidayInitDlgTest() {
        // Second and fourth Saturdays, every Sunday; one yearly and one specific holiday.
        const char* const keys[] = {"日", "月", "火", "水", "木", "金", "土"};
        for (const char* key : keys) {
            WriteProfileString(J("公休"), J(key).c_str(), "0,0,0,0,0");
        }
        WriteProfileString(J("公休"), J("日").c_str(), "1,1,1,1,1");
        WriteProfileString(J("公休"), J("土").c_str(), "0,1,0,1,0");
        WriteProfileString(J("祝日"), "0101", J("1,元日").c_str());
        WriteProfileString(J("特定休日"), "20200707", J("1,A").c_str());
    }

    test::ScopedPaths paths;
    test::ScopedUi ui;
};

TEST_F(HolidayInitDlgTest, TheMatrixStartsFromTheStoredPattern) {
    CCalendar calendar;
    CHolidayInitDlg dialog(&calendar);
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("休日の初期化"));
    for (int week = 0; week < 5; ++week) {
        EXPECT_TRUE(Cell(dialog, 0, week)->isChecked()) << week;
        EXPECT_FALSE(Cell(dialog, 1, week)->isChecked()) << week;
        EXPECT_EQ(Cell(dialog, 6, week)->isChecked(), week % 2 == 1) << week;
    }
    EXPECT_TRUE(Control<QCheckBox>(dialog, Dlg::IDC_YEARLY)->isChecked());
    EXPECT_TRUE(Control<QCheckBox>(dialog, Dlg::IDC_SPECIAL)->isChecked());
}

TEST_F(HolidayInitDlgTest, WeekdayButtonsFillOrEmptyTheirRow) {
    CHolidayInitDlg dialog(nullptr);
    struct Step {
        int weekday;
        bool set;
    };
    // Saturday has two of five: full; then empty. Sunday is full: empty.
    for (const Step& step : {Step{6, true}, Step{6, false}, Step{0, false}}) {
        Control<QPushButton>(dialog, Dlg::kRowButtonIds[static_cast<std::size_t>(step.weekday)])
            ->click();
        for (int week = 0; week < 5; ++week) {
            EXPECT_EQ(Cell(dialog, step.weekday, week)->isChecked(), step.set)
                << step.weekday << " " << week;
        }
    }
    EXPECT_FALSE(Cell(dialog, 1, 0)->isChecked());
}

// 決定 makes the holidays from the 35 flags shown and the two switches, as MakeHolidays does;
// 取消 leaves the calendar.
TEST_F(HolidayInitDlgTest, OkMakesTheHolidaysFromTheFlagsShown) {
    struct Case {
        bool yearly;
        bool special;
    };
    for (const Case& c : {Case{true, true}, Case{false, true}, Case{true, false}}) {
        SCOPED_TRACE(testing::Message() << c.yearly << c.special);
        CCalendar calendar;
        CHolidayInitDlg dialog(&calendar);
        Cell(dialog, 3, 2)->setChecked(true);
        Control<QCheckBox>(dialog, Dlg::IDC_YEARLY)->setChecked(c.yearly);
        Control<QCheckBox>(dialog, Dlg::IDC_SPECIAL)->setChecked(c.special);
        WeeklyRestTable flags = dialog.Table();
        EXPECT_EQ(flags[3 * 5 + 2], 1);
        Control<QPushButton>(dialog, 1)->click();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);

        CCalendar expected;
        ASSERT_TRUE(expected.MakeHolidays(flags.data(), c.yearly, c.special));
        EXPECT_TRUE(calendar.IsSameAs(&expected));
        EXPECT_EQ(calendar.IsHoliday(2020, 1, 1) != FALSE, c.yearly);
        EXPECT_EQ(calendar.IsHoliday(2020, 7, 7) != FALSE, c.special);
        EXPECT_TRUE(calendar.IsHoliday(2020, 7, 15)); // third Wednesday
    }
    CCalendar calendar;
    CCalendar untouched;
    calendar.CopyTo(&untouched);
    CHolidayInitDlg dialog(&calendar);
    Cell(dialog, 3, 2)->setChecked(true);
    Control<QPushButton>(dialog, 2)->click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_TRUE(calendar.IsSameAs(&untouched));
}

TEST_F(HolidayInitDlgTest, AnswersTheCalendarDialogsRequest) {
    test::KeepingRegistry registry;
    RegisterAttributeDialogs(registry);
    CCalendar calendar;
    HolidayInitRequest request;
    request.calendar = &calendar;
    test::WhenShown<CHolidayInitDlg>(
        [](CHolidayInitDlg& dialog) { dialog.findChild<QPushButton*>("1")->click(); });
    EXPECT_EQ(registry.Run(request), IDOK);
    EXPECT_TRUE(calendar.IsHoliday(2020, 1, 5)); // a Sunday
    HolidayInitRequest none;
    test::WhenShown<CHolidayInitDlg>(
        [](CHolidayInitDlg& dialog) { dialog.findChild<QPushButton*>("1")->click(); });
    EXPECT_EQ(registry.Run(none), IDOK);
}

} // namespace
} // namespace tembra
