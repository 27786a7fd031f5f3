// The batch input dialogs through their widgets: choosing days of every month or of chosen
// months, weekdays in weeks of the month, and the refusals of 決定 (nothing chosen, nothing in
// the period), with the caller's tables changed only on 決定.
#include "dialogs/attributes/EventBatchDateDlg.h"
#include "dialogs/attributes/EventBatchWeekDlg.h"

#include "DialogTestSupport.h"
#include "controls/DayButton.h"
#include "support/ScriptedUi.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace tembra {
namespace {

using test::Control;
using DateDlg = CEventBatchDateDlg;
using WeekDlg = CEventBatchWeekDlg;

CDayButton* Day(const QWidget& d, int day) {
    return Control<CDayButton>(d, DateDlg::IDC_DAY_FIRST + day - 1);
}
CDayButton* Month(const QWidget& d, int month) {
    return Control<CDayButton>(d, DateDlg::IDC_MONTH_FIRST + month - 1);
}
QCheckBox* Box(const QWidget& d, int weekday, int week) {
    return Control<QCheckBox>(d, WeekDlg::kFirstBoxIds[weekday] + week - 1);
}

class EventBatchDlgTest : public ::testing::Test {
protected:
    test::ScopedUi ui;
};

TEST_F(EventBatchDlgTest, EveryMonthRefusesNothingChosenAndADayOutsideThePeriod) {
    EventBatchDateTable table;
    DateDlg dialog(&table, CTime(2020, 3, 10), CTime(2020, 3, 20));
    EXPECT_TRUE(Control<QRadioButton>(dialog, DateDlg::IDC_EVERY_MONTH)->isChecked());
    Control<QPushButton>(dialog, 1)->click();
    EXPECT_EQ(ui->MessageIds(), std::vector<UINT>{5098});
    Day(dialog, 31)->click();
    EXPECT_EQ(Day(dialog, 31)->GetValue(), 1);
    Control<QPushButton>(dialog, 1)->click();
    EXPECT_EQ(ui->MessageIds(), (std::vector<UINT>{5098, 5099}));
    EXPECT_EQ(table, EventBatchDateTable()) << "refused, the table stays";
    Day(dialog, 15)->click();
    Control<QPushButton>(dialog, 1)->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(table.mode, 0);
    EXPECT_EQ(table.everyMonth[14], 1);
    EXPECT_EQ(table.everyMonth[30], 1);
}

TEST_F(EventBatchDlgTest, ChosenMonthsShowTheirDaysAndA29thOfFebruaryTakesTheFirstOfMarch) {
    EventBatchDateTable table;
    table.mode = 7;
    table.monthDays[6][3] = 1; // 4 July
    DateDlg dialog(&table, CTime(2019, 2, 20), CTime(2019, 3, 1));
    EXPECT_TRUE(Control<QRadioButton>(dialog, DateDlg::IDC_CHOSEN_MONTHS)->isChecked());
    EXPECT_EQ(Day(dialog, 4)->GetValue(), 1);
    EXPECT_EQ(Month(dialog, 7)->GetValue(), 1);
    Month(dialog, 2)->click();
    EXPECT_TRUE(Day(dialog, 30)->isHidden());
    EXPECT_TRUE(Day(dialog, 31)->isHidden());
    EXPECT_FALSE(Day(dialog, 29)->isHidden());
    EXPECT_EQ(Month(dialog, 7)->GetValue(), 2);
    EXPECT_EQ(Month(dialog, 2)->GetValue(), 1);
    Month(dialog, 4)->click();
    EXPECT_FALSE(Day(dialog, 30)->isHidden());
    EXPECT_TRUE(Day(dialog, 31)->isHidden());
    Month(dialog, 2)->click();
    Day(dialog, 29)->click();
    Control<QPushButton>(dialog, 1)->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted) << "4 July is outside, 29 February is 1 March";
    EXPECT_EQ(table.mode, 2);
    EXPECT_EQ(table.monthDays[1][28], 1);
    EXPECT_EQ(table.monthDays[6][3], 1);
}

TEST_F(EventBatchDlgTest, ResetClearsEveryMonthAndTheModesKeepTheirOwnChoices) {
    EventBatchDateTable table;
    table.mode = 1;
    table.monthDays[0][0] = 1;
    table.monthDays[5][9] = 1;
    table.everyMonth[2] = 1;
    DateDlg dialog(&table, CTime(2020, 1, 1), CTime(2020, 12, 31));
    Control<QPushButton>(dialog, DateDlg::IDC_RESET)->click();
    Control<QRadioButton>(dialog, DateDlg::IDC_EVERY_MONTH)->click();
    EXPECT_EQ(Day(dialog, 3)->GetValue(), 1) << "every month's list is kept";
    for (int m = 1; m <= 12; ++m) {
        EXPECT_EQ(Month(dialog, m)->GetValue(), 1);
    }
    Control<QRadioButton>(dialog, DateDlg::IDC_CHOSEN_MONTHS)->click();
    for (int m = 1; m <= 12; ++m) {
        EXPECT_EQ(Month(dialog, m)->GetValue(), m == 1 ? 1 : 0) << m;
    }
    Control<QPushButton>(dialog, 1)->click();
    EXPECT_EQ(ui->MessageIds(), std::vector<UINT>{5098});
    Control<QPushButton>(dialog, 2)->click();
    EXPECT_EQ(table.monthDays[5][9], 1) << "cancelled, the table stays";
}

TEST_F(EventBatchDlgTest, WeekdaysCountTheirWeekFromTheFirstOfTheMonth) {
    struct Case {
        const char* name;
        int weekday, week;
        CTime start, end;
        UINT message;
    };
    // March 2020 begins on a Sunday; the 16th is its third Monday.
    const Case cases[] = {
        {"third Monday from the 15th", 1, 3, CTime(2020, 3, 15), CTime(2020, 3, 17), 0},
        {"first Monday from the 15th", 1, 1, CTime(2020, 3, 15), CTime(2020, 3, 17), 5096},
        {"fifth in a first week", 4, 5, CTime(2020, 3, 1), CTime(2020, 3, 7), 5096},
    };
    for (const Case& c : cases) {
        ui->ClearRecords();
        EventBatchWeekTable table;
        WeekDlg dialog(&table, c.start, c.end);
        Control<QPushButton>(dialog, 1)->click();
        EXPECT_EQ(ui->MessageIds(), std::vector<UINT>{5097}) << c.name;
        Box(dialog, c.weekday, c.week)->setChecked(true);
        Control<QPushButton>(dialog, 1)->click();
        if (c.message != 0) {
            EXPECT_EQ(ui->MessageIds(), (std::vector<UINT>{5097, c.message})) << c.name;
            EXPECT_EQ(table, EventBatchWeekTable()) << c.name;
        } else {
            EXPECT_EQ(dialog.result(), QDialog::Accepted) << c.name;
            EXPECT_EQ(table.weeks[c.weekday][c.week - 1], 1) << c.name;
        }
    }
}

TEST_F(EventBatchDlgTest, AWeekdayButtonTicksItsWholeRowOrClearsAFullOne) {
    EventBatchWeekTable table;
    table.weeks[1] = {1, 0, 1, 0, 1};
    WeekDlg dialog(&table, CTime(2020, 3, 1), CTime(2020, 3, 31));
    auto* monday = Control<QPushButton>(dialog, WeekDlg::kHeaderIds[1]);
    monday->click();
    for (int week = 1; week <= 5; ++week) {
        EXPECT_TRUE(Box(dialog, 1, week)->isChecked()) << week;
    }
    monday->click();
    for (int week = 1; week <= 5; ++week) {
        EXPECT_FALSE(Box(dialog, 1, week)->isChecked()) << week;
    }
    EXPECT_FALSE(Box(dialog, 0, 1)->isChecked());
}

TEST_F(EventBatchDlgTest, EnterActsAsOkWhereverTheFocusIs) {
    EventBatchDateTable dates;
    dates.everyMonth[9] = 1;
    DateDlg dateDialog(&dates, CTime(2020, 3, 1), CTime(2020, 3, 31));
    dateDialog.show();
    dateDialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dateDialog));
    Day(dateDialog, 5)->setFocus();
    QTest::keyClick(Day(dateDialog, 5), Qt::Key_Return);
    EXPECT_EQ(dateDialog.result(), QDialog::Accepted);
    EXPECT_EQ(dates.everyMonth[4], 0) << "Enter presses no day";

    EventBatchWeekTable weeks;
    weeks.weeks[2][0] = 1;
    WeekDlg weekDialog(&weeks, CTime(2020, 3, 1), CTime(2020, 3, 31));
    weekDialog.show();
    weekDialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&weekDialog));
    Box(weekDialog, 4, 2)->setFocus();
    QTest::keyClick(Box(weekDialog, 4, 2), Qt::Key_Return);
    EXPECT_EQ(weekDialog.result(), QDialog::Accepted);
}

} // namespace
} // namespace tembra
