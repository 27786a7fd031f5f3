// The duration change dialogs through their widgets, over a chart whose Sundays are holidays:
// the count modes, an end typed before the start, the checks of 決定, the spare-days switch,
// the days-only flag, the arrows, and the elapsed month and day of the elapsed-day chart.
#include "dialogs/attributes/ChangeDaysExDlg.h"
#include "dialogs/attributes/RegisterAttributeDialogs.h"

#include "DialogTestSupport.h"
#include "document/AttrDialogRequests.h"
#include "document/TembraDoc.h"
#include "model/SyokiSet.h"
#include "support/ScriptedUi.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include <array>

namespace tembra {
namespace {

using test::Control;
using Dlg = CChangeDaysDlg;

const CTime kFriday(2020, 3, 6);
const CTime kMonday(2020, 3, 9);

class ChangeDaysDlgTest : public ::testing::Test {
protected:
    ChangeDaysDlgTest() {
        std::array<BYTE, 35> weekly{};
        for (int week = 0; week < 5; ++week) {
            weekly[week] = 1; // every Sunday
        }
        doc.GetWorkCalendar().MakeHolidays(weekly.data(), FALSE, FALSE);
        RegisterAttributeDialogs(registry);
    }
    void Process(const CTime& start, const CTime& end, bool holidayFlag, int spareDays = 0,
                 WORD endRow = 3) {
        koutei.SetStartDate(start);
        koutei.SetEndDate(end);
        koutei.SetStartRow(3);
        koutei.SetEndRow(endRow);
        koutei.GetLines()->GetAttr().m_holiday = holidayFlag ? 1 : 0;
        koutei.SetDuration(koutei.CalcSpan(holidayFlag ? &doc.GetWorkCalendar() : nullptr));
        koutei.SetSpareDays(CTimeSpan(spareDays, 0, 0, 0));
    }
    static QToolButton* Arrow(const QWidget& d, const char* name) {
        auto* arrow = d.findChild<QToolButton*>(name);
        EXPECT_NE(arrow, nullptr) << name;
        return arrow;
    }
    static QString Text(const QWidget& d, int id) { return Control<QLineEdit>(d, id)->text(); }
    static void Type(const QWidget& d, int id, const QString& text) {
        auto* edit = Control<QLineEdit>(d, id);
        edit->setText(text);
        emit edit->editingFinished();
    }
    static QString End(const QWidget& d) {
        return Text(d, Dlg::IDC_YEAR) + "-" + Text(d, Dlg::IDC_MONTH) + "-" +
               Text(d, Dlg::IDC_DAY) + " " + Text(d, Dlg::IDC_HOUR) + ":" +
               Text(d, Dlg::IDC_MINUTE);
    }

    test::ScopedUi ui;
    test::KeepingRegistry registry;
    CTembraDoc doc;
    CKoutei koutei;
};

TEST_F(ChangeDaysDlgTest, TheCountModeMattersOnlyForAProcessThatSkipsHolidays) {
    struct Case {
        bool holidayFlag;
        const char* working;
        const char* elapsed;
    };
    const Case cases[] = {{true, "2", "3"}, {false, "3", "3"}};
    for (const Case& c : cases) {
        Process(kFriday, kMonday, c.holidayFlag);
        Dlg dialog(false, &koutei, &doc);
        EXPECT_EQ(End(dialog), "2020-3-9 0:0");
        EXPECT_TRUE(Control<QRadioButton>(dialog, Dlg::IDC_WORKING)->isChecked());
        EXPECT_EQ(Text(dialog, Dlg::IDC_DAYS), c.working) << c.holidayFlag;
        Control<QRadioButton>(dialog, Dlg::IDC_ELAPSED)->click();
        EXPECT_EQ(Text(dialog, Dlg::IDC_DAYS), c.elapsed) << c.holidayFlag;
        EXPECT_EQ(End(dialog), "2020-3-9 0:0");
    }
}

TEST_F(ChangeDaysDlgTest, AnEndBeforeTheStartIsDroppedOnLeavingAndRefusedByOk) {
    Process(kFriday, kMonday, true);
    Dlg dialog(false, &koutei, &doc);
    Type(dialog, Dlg::IDC_DAY, "2");
    EXPECT_EQ(End(dialog), "2020-3-9 0:0");
    EXPECT_EQ(Text(dialog, Dlg::IDC_DAYS), "2");

    struct Case {
        const char* day;
        WORD endRow;
        UINT message;
    };
    const Case cases[] = {{"5", 3, 5074}, {"6", 3, 5045}, {"6", 4, 0}};
    for (const Case& c : cases) {
        Process(kFriday, kMonday, false, 0, c.endRow);
        Dlg refused(false, &koutei, &doc);
        ui->ClearRecords();
        Control<QLineEdit>(refused, Dlg::IDC_DAY)->setText(c.day); // OK straight from the field
        Control<QPushButton>(refused, 1)->click();
        if (c.message == 0) {
            EXPECT_TRUE(ui->MessageIds().empty());
            EXPECT_EQ(refused.result(), QDialog::Accepted);
            EXPECT_EQ(koutei.GetEndTime(), kFriday);
        } else {
            EXPECT_EQ(ui->MessageIds(), std::vector<UINT>{c.message}) << c.day;
            EXPECT_NE(refused.result(), QDialog::Accepted);
        }
    }
}

TEST_F(ChangeDaysDlgTest, FewerSpareDaysWithAnEarlierEndChangeOnlyTheSpareDays) {
    // Friday to Wednesday with two spare days: the working days end as Saturday ends.
    Process(kFriday, CTime(2020, 3, 11), true, 2);
    Dlg dialog(false, &koutei, &doc);
    EXPECT_EQ(End(dialog), "2020-3-8 0:0");
    Control<QLineEdit>(dialog, Dlg::IDC_SPARE_DAYS)->setText("1");
    Control<QPushButton>(dialog, 1)->click();
    EXPECT_EQ(ui->MessageIds(), std::vector<UINT>{5081});
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(koutei.GetEndTime(), CTime(2020, 3, 11));
    EXPECT_EQ(koutei.GetSpareDays(), CTimeSpan(1, 0, 0, 0));
}

TEST_F(ChangeDaysDlgTest, TheSpareSwitchAndTheDaysOnlyFlagDecideWhatCanBeEdited) {
    Process(kFriday, kMonday, true);
    const int dateIds[] = {Dlg::IDC_YEAR,   Dlg::IDC_MONTH, Dlg::IDC_DAY,   Dlg::IDC_HOUR,
                           Dlg::IDC_MINUTE, Dlg::IDC_DAYS,  Dlg::IDC_HOURS, Dlg::IDC_MINUTES};
    for (const bool daysOnly : {false, true}) {
        Dlg dialog(daysOnly, &koutei, &doc);
        for (const int id : dateIds) {
            const bool clock = id == Dlg::IDC_HOUR || id == Dlg::IDC_MINUTE ||
                               id == Dlg::IDC_HOURS || id == Dlg::IDC_MINUTES;
            EXPECT_EQ(Control<QLineEdit>(dialog, id)->isEnabled(), !(daysOnly && clock))
                << daysOnly << " " << id;
        }
        EXPECT_FALSE(Control<QLineEdit>(dialog, Dlg::IDC_SPARE_DAYS)->isEnabled());
        Control<QCheckBox>(dialog, Dlg::IDC_SPARE_SWITCH)->click();
        for (const int id : dateIds) {
            EXPECT_FALSE(Control<QLineEdit>(dialog, id)->isEnabled()) << id;
        }
        EXPECT_FALSE(Control<QCheckBox>(dialog, Dlg::IDC_LINK)->isEnabled());
        EXPECT_FALSE(Arrow(dialog, "1170.up")->isEnabled());
        EXPECT_TRUE(Control<QLineEdit>(dialog, Dlg::IDC_SPARE_DAYS)->isEnabled());
    }
}

TEST_F(ChangeDaysDlgTest, TheArrowsStepTheEndAndKeepTheDayInItsMonth) {
    Process(CTime(2000, 1, 3), CTime(2000, 1, 31), false);
    Dlg dialog(false, &koutei, &doc);
    Arrow(dialog, "1441.up")->click();
    EXPECT_EQ(End(dialog), "2000-2-29 0:0");
    EXPECT_EQ(Text(dialog, Dlg::IDC_DAYS), "57");
    Arrow(dialog, "1170.up")->click();
    EXPECT_EQ(End(dialog), "2000-3-1 0:0");
    Arrow(dialog, "2005.down")->click();
    EXPECT_EQ(End(dialog), "2000-2-29 23:59");
}

TEST_F(ChangeDaysDlgTest, TheRequestHandsBackTheLinkAndCancelLeavesTheProcess) {
    Process(kFriday, kMonday, false);
    ChangeDaysDlgRequest request;
    request.koutei = &koutei;
    request.document = &doc;
    ui->OnDialog("ChangeDaysDlg", [this](DialogRequest& r) { return registry.Run(r); });
    test::WhenShown<Dlg>([](Dlg& d) {
        Control<QLineEdit>(d, Dlg::IDC_DAY)->setText("12");
        Control<QPushButton>(d, 2)->click();
    });
    EXPECT_EQ(Ui().RunDialog(request), IDCANCEL);
    EXPECT_EQ(koutei.GetEndTime(), kMonday);
    test::WhenShown<Dlg>([](Dlg& d) {
        Control<QLineEdit>(d, Dlg::IDC_DAY)->setText("12");
        Control<QPushButton>(d, 1)->click();
    });
    EXPECT_EQ(Ui().RunDialog(request), IDOK);
    EXPECT_TRUE(request.changeByDays);
    EXPECT_EQ(koutei.GetEndTime(), CTime(2020, 3, 12));
    EXPECT_EQ(koutei.GetDuration(), CTimeSpan(6, 0, 0, 0));
}

TEST_F(ChangeDaysDlgTest, TheElapsedEndShowsMonthAndDayFromTheBaseDateAndComesBackTheSame) {
    CSyokiSet& settings = doc.GetSyokiSet();
    settings.SetStartDate(CTime(2020, 1, 1));
    settings.SetMaeYohaku(CTimeSpan(0));
    settings.SetJyunbiKikan(CTimeSpan(0));
    settings.SetNobeMonthSpan(CTimeSpan(30, 0, 0, 0));
    // 2020-03-02 is day 61 from 1 January: month 3, day 2.
    Process(CTime(2020, 1, 10), CTime(2020, 3, 2, 12), false);
    CChangeDaysExDlg dialog(false, &koutei, &doc);
    EXPECT_TRUE(Control<QLineEdit>(dialog, Dlg::IDC_YEAR)->isHidden());
    EXPECT_EQ(Text(dialog, Dlg::IDC_MONTH), "3");
    EXPECT_EQ(Text(dialog, Dlg::IDC_DAY), "2");
    EXPECT_EQ(Text(dialog, Dlg::IDC_HOUR), "12");
    Arrow(dialog, "1441.down")->click(); // a month of 30 days back
    EXPECT_EQ(Text(dialog, Dlg::IDC_MONTH), "2");
    EXPECT_EQ(Text(dialog, Dlg::IDC_DAY), "2");
    Type(dialog, Dlg::IDC_MONTH, "3");
    Control<QPushButton>(dialog, 1)->click();
    EXPECT_EQ(koutei.GetEndTime(), CTime(2020, 3, 2, 12));
}

} // namespace
} // namespace tembra
