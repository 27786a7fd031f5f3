// The calendar dialog and the confirmation of the automatic adjustment offscreen: the month grid,
// the swatch colours, a click on a day, the ends of the months, the inversion.
#include "model/ui/CalendarSetDlg.h"
#include "model/ui/AutoAdjustDlg.h"

#include "model/Calendar.h"
#include "model/CalendarRequests.h"
#include "model/Utility.h"
#include "support/ScriptedUi.h"
#include "support/qt/DialogControls.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace tembra {
namespace {

using test::Control;

class CalendarSetDlgTest : public ::testing::Test {
protected:
    CalendarSetDlgTest() { calendar.Clear(); }

    QPushButton* DayButton(const CCalendarSetDlg& dialog, int cell) {
        return Control<QPushButton>(dialog, CCalendarSetDlg::IDC_FIRST_DAY + cell);
    }
    uint Swatch(const CCalendarSetDlg& dialog, int cell) {
        return Control<QLabel>(dialog, CCalendarSetDlg::IDC_FIRST_SWATCH + cell)
            ->property("colour")
            .toUInt();
    }

    test::ScopedUi ui;
    CCalendar calendar;
};

TEST_F(CalendarSetDlgTest, FebruaryOf2020StartsOnSaturdayWith29Days) {
    CCalendarSetDlg dialog(&calendar, 2020, 2);
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("カレンダー設定"));
    EXPECT_EQ(Control<QLineEdit>(dialog, CCalendarSetDlg::IDC_YEAR)->text(), "2020");
    EXPECT_EQ(Control<QLineEdit>(dialog, CCalendarSetDlg::IDC_MONTH)->text(), "2");
    int hidden = 0;
    for (int cell = 0; cell < 42; ++cell) {
        QPushButton* button = DayButton(dialog, cell);
        const bool shown = cell >= 6 && cell < 6 + 29;
        EXPECT_EQ(!button->isHidden(), shown) << cell;
        hidden += button->isHidden() ? 1 : 0;
        if (shown) {
            EXPECT_EQ(button->text(), QString::asprintf("%2d", cell - 5));
        } else {
            EXPECT_TRUE(button->text().isEmpty());
        }
    }
    EXPECT_EQ(hidden, 13);
}

TEST_F(CalendarSetDlgTest, SwatchesShowTheHolidayBits) {
    const struct {
        int day;
        BYTE bits;
        COLORREF colour;
    } cases[] = {{3, 0x00, RGB(0, 255, 255)},
                 {4, 0x10, RGB(255, 0, 0)},
                 {5, 0x20, RGB(255, 0, 255)},
                 {6, 0x30, RGB(0, 255, 0)}};
    for (const auto& c : cases) {
        calendar.SetDayFlag(2020, 2, c.day, c.bits);
    }
    CCalendarSetDlg dialog(&calendar, 2020, 2);
    for (const auto& c : cases) {
        EXPECT_EQ(Swatch(dialog, 5 + c.day), c.colour) << c.day;
    }
}

TEST_F(CalendarSetDlgTest, ARuleHolidayClickedBecomesAWorkingDayAndBack) {
    calendar.SetDayFlag(2020, 2, 11, CCalendar::kRuleHoliday);
    CCalendarSetDlg dialog(&calendar, 2020, 2);
    QPushButton* day11 = DayButton(dialog, 5 + 11);
    QTest::mouseClick(day11, Qt::LeftButton);
    EXPECT_EQ(Swatch(dialog, 5 + 11), RGB(0, 255, 0));
    EXPECT_FALSE(calendar.IsHoliday(2020, 2, 11));
    QTest::mouseClick(day11, Qt::LeftButton);
    EXPECT_EQ(Swatch(dialog, 5 + 11), RGB(255, 0, 0));
    EXPECT_TRUE(calendar.IsHoliday(2020, 2, 11));
}

TEST_F(CalendarSetDlgTest, TheArrowsStopAtTheSupportedMonths) {
    const struct {
        int year, month, button, wantYear, wantMonth;
    } cases[] = {
        {1991, 1, CCalendarSetDlg::IDC_PREVIOUS, 1991, 1},
        {GetMaxDate().GetYear(), 12, CCalendarSetDlg::IDC_NEXT, GetMaxDate().GetYear(), 12},
        {2020, 1, CCalendarSetDlg::IDC_PREVIOUS, 2019, 12},
        {2020, 12, CCalendarSetDlg::IDC_NEXT, 2021, 1},
    };
    for (const auto& c : cases) {
        CCalendarSetDlg dialog(&calendar, c.year, c.month);
        QTest::mouseClick(Control<QPushButton>(dialog, c.button), Qt::LeftButton);
        EXPECT_EQ(dialog.Year(), c.wantYear) << c.year << "-" << c.month;
        EXPECT_EQ(dialog.Month(), c.wantMonth) << c.year << "-" << c.month;
    }
}

TEST_F(CalendarSetDlgTest, TheInversionAsksFirst) {
    calendar.SetDayFlag(2020, 2, 11, CCalendar::kRuleHoliday);
    for (const int answer : {IDNO, IDYES}) {
        CCalendarSetDlg dialog(&calendar, 2020, 2);
        ui->QueueAnswer(answer);
        QTest::mouseClick(Control<QPushButton>(dialog, CCalendarSetDlg::IDC_INVERT),
                          Qt::LeftButton);
        EXPECT_EQ(ui->MessageTexts().back(), "休日と平日を反転します");
        EXPECT_EQ(calendar.IsHoliday(2020, 2, 11) != 0, answer == IDNO);
        EXPECT_EQ(calendar.IsHoliday(2020, 2, 12) != 0, answer == IDYES);
        EXPECT_EQ(Swatch(dialog, 5 + 12), answer == IDYES ? RGB(255, 0, 255) : RGB(0, 255, 255));
    }
}

TEST_F(CalendarSetDlgTest, TheBatchButtonHandsTheCopyToTheHolidayInitialisation) {
    CCalendarSetDlg dialog(&calendar, 2020, 2);
    ui->OnDialog("HolidayInit", [this](DialogRequest& r) {
        auto& request = static_cast<HolidayInitRequest&>(r);
        EXPECT_EQ(request.calendar, &calendar);
        request.calendar->SetDayFlag(2020, 2, 3, CCalendar::kRuleHoliday);
        return IDOK;
    });
    QTest::mouseClick(Control<QPushButton>(dialog, CCalendarSetDlg::IDC_BATCH), Qt::LeftButton);
    EXPECT_EQ(Swatch(dialog, 5 + 3), RGB(255, 0, 0));
}

TEST(AutoAdjustDlgTest, TheBoxStartsAsGivenAndIsReadBack) {
    for (const bool limit : {true, false}) {
        CAutoAdjustDlg dialog(limit);
        EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("自動調整の確認"));
        auto* box = dialog.findChild<QCheckBox*>(QString::number(CAutoAdjustDlg::IDC_LIMIT));
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->text(), QString::fromUtf8("初期設定期間に限定する"));
        EXPECT_EQ(box->isChecked(), limit);
        box->setChecked(!limit);
        EXPECT_EQ(dialog.LimitToPeriod(), !limit);
    }
}

} // namespace
} // namespace tembra
