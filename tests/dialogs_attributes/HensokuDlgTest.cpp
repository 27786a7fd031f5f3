// The irregular period dialog offscreen on a record of two periods: the fields of each mode,
// the refusals (with our own for an empty hour range and the range message for a zero ratio
// part), the list buttons, and that only 決定 writes the copy back.
#include "dialogs/attributes/HensokuDlg.h"
#include "dialogs/attributes/RegisterAttributeDialogs.h"
#include "dialogs/attributes/core/HensokuDlgRequest.h"

#include "dialogs_attributes/DialogTestSupport.h"
#include "model/Utility.h"
#include "platform/RangeMessage.h"
#include "platform/qt/Cp932Text.h"
#include "support/ScriptedUi.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace tembra {
namespace {

using test::Control;
using Dlg = CHensokuDlg;

std::unique_ptr<CHensokuData> DayPeriod(int month, int day, short dayClass, LONG numerator) {
    auto data = std::make_unique<CHensokuData>();
    EXPECT_TRUE(data->SetDayPeriod(1, CTime(2020, month, day).GetTime(),
                                   CTime(2020, month, day + 9).GetTime(), dayClass, 0, 1, 1,
                                   numerator, 2));
    return data;
}

// Day periods "A" (April, holidays, 1/2) and "B" (May, weekdays, 3/2); one hour period.
CHensoku Fixture(bool hourMode) {
    CHensoku hensoku;
    hensoku.AddData(DayPeriod(4, 1, CHensokuData::kHolidays, 1));
    hensoku.AddData(DayPeriod(5, 1, CHensokuData::kWeekdays, 3));
    hensoku.SetHourMode(TRUE);
    auto hours = std::make_unique<CHensokuData>();
    EXPECT_TRUE(hours->SetHourPeriod(1, 12, 13, CHensokuData::kAllDays, 0, 1, 1, 1, 3));
    hensoku.AddData(std::move(hours));
    hensoku.SetHourMode(hourMode ? TRUE : FALSE);
    return hensoku;
}

class HensokuDlgTest : public ::testing::Test {
protected:
    QListWidget* List(const QDialog& d) { return Control<QListWidget>(d, Dlg::IDC_LIST); }
    QComboBox* Combo(const QDialog& d, int id) { return Control<QComboBox>(d, id); }
    QLineEdit* Edit(const QDialog& d, int id) { return Control<QLineEdit>(d, id); }
    void Click(const QDialog& d, int id) { Control<QAbstractButton>(d, id)->click(); }
    QStringList Lines(const QDialog& d) {
        QStringList lines;
        for (int i = 0; i < List(d)->count(); ++i) {
            lines << List(d)->item(i)->text();
        }
        return lines;
    }
    static QString Line(const CHensoku& hensoku, int index) {
        std::string text;
        hensoku.FormatPeriod(index, text);
        return FromCp932(text);
    }
    void ExpectRefused(const QDialog& d, UINT message) {
        ASSERT_EQ(ui->MessageBoxes().size(), 1u);
        EXPECT_EQ(ui->MessageBoxes()[0].stringId, message);
        ui->ClearRecords();
        EXPECT_TRUE(d.isVisible());
    }

    test::ScopedUi ui;
};

TEST_F(HensokuDlgTest, ShowsTheListAndTheFirstPeriod) {
    CHensoku record = Fixture(false);
    CHensokuDlg dialog(record);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("変則期間設定"));
    EXPECT_EQ(Control<QRadioButton>(dialog, Dlg::IDC_WHOLE)->text(), QString::fromUtf8("全期間"));
    EXPECT_EQ(Lines(dialog), (QStringList{Line(record, 0), Line(record, 1)}));
    EXPECT_EQ(List(dialog)->currentRow(), 0);
    EXPECT_TRUE(Control<QRadioButton>(dialog, Dlg::IDC_SPECIFIED)->isChecked());
    EXPECT_EQ(Combo(dialog, Dlg::IDC_YEAR_START)->currentText(), "2020");
    EXPECT_EQ(Combo(dialog, Dlg::IDC_MONTH_START)->currentText(), "4");
    EXPECT_EQ(Combo(dialog, Dlg::IDC_DAY_END)->currentText(), "10");
    EXPECT_TRUE(Control<QRadioButton>(dialog, Dlg::IDC_CLASS_ALL + 2)->isChecked());
    // The years run from the first to the last supported one.
    QComboBox* years = Combo(dialog, Dlg::IDC_YEAR_START);
    EXPECT_EQ(years->itemText(0), QString::number(kMinDateYear));
    EXPECT_EQ(years->itemText(years->count() - 1), QString::number(GetMaxDate().GetYear()));

    List(dialog)->setCurrentRow(1);
    EXPECT_EQ(Combo(dialog, Dlg::IDC_MONTH_START)->currentText(), "5");
    EXPECT_EQ(Edit(dialog, Dlg::IDC_NUMERATOR)->text(), "3");
    EXPECT_TRUE(Control<QRadioButton>(dialog, Dlg::IDC_CLASS_ALL + 1)->isChecked());
}

// The date fields go with a specified range of days, the hour fields with one of hours; the
// weekday checks with chosen weekdays only.
TEST_F(HensokuDlgTest, FieldsShownByModeAndRange) {
    struct Case {
        bool hourMode;
        int range;
        bool dates;
        bool hours;
        const char* wholeText;
    };
    const Case cases[] = {{false, Dlg::IDC_SPECIFIED, true, false, "全期間"},
                          {false, Dlg::IDC_WHOLE, false, false, "全期間"},
                          {true, Dlg::IDC_SPECIFIED, false, true, "終日"},
                          {true, Dlg::IDC_WHOLE, false, false, "終日"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.hourMode << " " << c.range);
        CHensoku record = Fixture(c.hourMode);
        CHensokuDlg dialog(record);
        dialog.show();
        EXPECT_EQ(Control<QRadioButton>(dialog, Dlg::IDC_WHOLE)->text(),
                  QString::fromUtf8(c.wholeText));
        Click(dialog, c.range);
        EXPECT_EQ(Combo(dialog, Dlg::IDC_YEAR_START)->isVisible(), c.dates);
        EXPECT_EQ(Control<QLabel>(dialog, Dlg::IDC_DATE_LABEL_FIRST + 5)->isVisible(), c.dates);
        EXPECT_EQ(Combo(dialog, Dlg::IDC_HOUR_END)->isVisible(), c.hours);
        EXPECT_EQ(Control<QLabel>(dialog, Dlg::IDC_HOUR_LABEL_START)->isVisible(), c.hours);
    }
    CHensoku record = Fixture(false);
    CHensokuDlg dialog(record);
    dialog.show();
    Click(dialog, Dlg::IDC_CLASS_ALL + 3);
    EXPECT_TRUE(Control<QCheckBox>(dialog, Dlg::IDC_WEEKDAY_FIRST)->isEnabled());
    Click(dialog, Dlg::IDC_CLASS_ALL + 1);
    EXPECT_FALSE(Control<QCheckBox>(dialog, Dlg::IDC_WEEKDAY_FIRST)->isEnabled());
    // Choosing a specified range after the whole one starts over with every day.
    Click(dialog, Dlg::IDC_WHOLE);
    Click(dialog, Dlg::IDC_CLASS_ALL + 3);
    Click(dialog, Dlg::IDC_SPECIFIED);
    EXPECT_TRUE(Control<QRadioButton>(dialog, Dlg::IDC_CLASS_ALL)->isChecked());
}

// Each refusal keeps the list as it was; the ratio parts refuse with the range message and
// take the focus.
TEST_F(HensokuDlgTest, AddRefusesWhatCannotBeAPeriod) {
    struct Case {
        const char* name;
        bool hourMode;
        std::function<void(CHensokuDlg&)> set;
        UINT message;
        int focus; // the control that takes the focus, 0 for none asked
    };
    const auto select = [](CHensokuDlg& d, int id, int index) {
        d.findChild<QComboBox*>(QString::number(id))->setCurrentIndex(index);
    };
    const auto type = [](CHensokuDlg& d, int id, const char* text) {
        d.findChild<QLineEdit*>(QString::number(id))->setText(text);
    };
    const auto click = [](CHensokuDlg& d, int id) {
        d.findChild<QAbstractButton*>(QString::number(id))->click();
    };
    const Case cases[] = {
        {"whole range of every day", false,
         [&](CHensokuDlg& d) {
             click(d, Dlg::IDC_WHOLE);
             click(d, Dlg::IDC_CLASS_ALL);
         },
         5914, 0},
        {"whole day of every day", true,
         [&](CHensokuDlg& d) {
             click(d, Dlg::IDC_WHOLE);
             click(d, Dlg::IDC_CLASS_ALL);
         },
         5913, 0},
        {"start after end", false, [&](CHensokuDlg& d) { select(d, Dlg::IDC_MONTH_START, 5); },
         5915, 0},
        {"hours reversed", true,
         [&](CHensokuDlg& d) {
             select(d, Dlg::IDC_HOUR_START, 15);
             select(d, Dlg::IDC_HOUR_END, 9);
         },
         5916, 0},
        {"no hour between", true,
         [&](CHensokuDlg& d) {
             select(d, Dlg::IDC_HOUR_START, 9);
             select(d, Dlg::IDC_HOUR_END, 8);
         },
         5916, 0},
        {"ratio 1 / 0", false, [&](CHensokuDlg& d) { type(d, Dlg::IDC_DENOMINATOR, "0"); },
         IDS_VALUE_RANGE, Dlg::IDC_DENOMINATOR},
        {"ratio 0 / 2", true, [&](CHensokuDlg& d) { type(d, Dlg::IDC_NUMERATOR, "0"); },
         IDS_VALUE_RANGE, Dlg::IDC_NUMERATOR},
        {"ratio not a number", false, [&](CHensokuDlg& d) { type(d, Dlg::IDC_NUMERATOR, "x"); },
         IDS_VALUE_RANGE, Dlg::IDC_NUMERATOR},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CHensoku record = Fixture(c.hourMode);
        CHensokuDlg dialog(record);
        dialog.show();
        const QStringList before = Lines(dialog);
        c.set(dialog);
        Click(dialog, Dlg::IDC_ADD);
        ExpectRefused(dialog, c.message);
        EXPECT_EQ(Lines(dialog), before);
        if (c.focus != 0) {
            EXPECT_EQ(dialog.focusWidget(), Edit(dialog, c.focus));
        }
        // 決定 refuses the same fields and writes nothing.
        QTest::mouseClick(Control<QPushButton>(dialog, 1), Qt::LeftButton);
        ExpectRefused(dialog, c.message);
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
    }
}

TEST_F(HensokuDlgTest, ListButtons) {
    CHensoku record = Fixture(false);
    const QString a = Line(record, 0);
    const QString b = Line(record, 1);
    CHensokuDlg dialog(record);
    dialog.show();

    // 上へ on the first line and 下へ on the last change nothing.
    Click(dialog, Dlg::IDC_UP);
    EXPECT_EQ(Lines(dialog), (QStringList{a, b}));
    List(dialog)->setCurrentRow(1);
    Click(dialog, Dlg::IDC_DOWN);
    EXPECT_EQ(Lines(dialog), (QStringList{a, b}));
    Click(dialog, Dlg::IDC_UP);
    EXPECT_EQ(Lines(dialog), (QStringList{b, a}));
    EXPECT_EQ(List(dialog)->currentRow(), 0);

    // 2019-02-31 is taken as 2019-02-28: a one-day period of 28 February.
    Click(dialog, Dlg::IDC_SPECIFIED);
    Combo(dialog, Dlg::IDC_YEAR_START)->setCurrentText("2019");
    Combo(dialog, Dlg::IDC_MONTH_START)->setCurrentText("2");
    Combo(dialog, Dlg::IDC_DAY_START)->setCurrentText("31");
    Combo(dialog, Dlg::IDC_YEAR_END)->setCurrentText("2019");
    Combo(dialog, Dlg::IDC_MONTH_END)->setCurrentText("2");
    Combo(dialog, Dlg::IDC_DAY_END)->setCurrentText("28");
    Click(dialog, Dlg::IDC_ADD);
    EXPECT_TRUE(ui->MessageBoxes().empty());
    ASSERT_EQ(List(dialog)->count(), 3);
    EXPECT_EQ(List(dialog)->currentRow(), 2);
    EXPECT_TRUE(List(dialog)->item(2)->text().startsWith("2019/02/28-2019/02/28"));
    EXPECT_EQ(Combo(dialog, Dlg::IDC_DAY_START)->currentText(), "28");
    const QString c = List(dialog)->item(2)->text();

    // 挿入 before the selected line; 修正 rewrites it.
    List(dialog)->setCurrentRow(1);
    Edit(dialog, Dlg::IDC_NUMERATOR)->setText("5");
    Click(dialog, Dlg::IDC_INSERT);
    ASSERT_EQ(List(dialog)->count(), 4);
    EXPECT_EQ(List(dialog)->currentRow(), 1);
    EXPECT_EQ(Lines(dialog).mid(2), (QStringList{a, c}));
    EXPECT_TRUE(List(dialog)->item(1)->text().contains("005/002"));
    Edit(dialog, Dlg::IDC_NUMERATOR)->setText("7");
    Click(dialog, Dlg::IDC_MODIFY);
    EXPECT_EQ(List(dialog)->count(), 4);
    EXPECT_EQ(List(dialog)->currentRow(), 1);
    EXPECT_TRUE(List(dialog)->item(1)->text().contains("007/002"));

    // 削除 selects the line that takes the place, or else the last.
    Click(dialog, Dlg::IDC_DELETE);
    EXPECT_EQ(Lines(dialog), (QStringList{b, a, c}));
    EXPECT_EQ(List(dialog)->currentRow(), 1);
    List(dialog)->setCurrentRow(2);
    Click(dialog, Dlg::IDC_DELETE);
    EXPECT_EQ(List(dialog)->currentRow(), 1);
    EXPECT_EQ(Lines(dialog), (QStringList{b, a}));
    // Nothing of this reached the record.
    EXPECT_EQ(record.GetDataCount(), 2);
    EXPECT_EQ(Line(record, 0), a);
}

TEST_F(HensokuDlgTest, OnlyOkWritesTheCopyBack) {
    CHensoku record = Fixture(false);
    const QString a = Line(record, 0);
    {
        CHensokuDlg dialog(record);
        dialog.show();
        Click(dialog, Dlg::IDC_DELETE);
        Click(dialog, Dlg::IDC_UPPER_FIRST);
        Click(dialog, 2);
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
    }
    EXPECT_EQ(record.GetDataCount(), 2);
    EXPECT_EQ(record.GetPrecedence(), 0);
    {
        CHensokuDlg dialog(record);
        dialog.show();
        Click(dialog, Dlg::IDC_DELETE);
        Click(dialog, Dlg::IDC_UPPER_FIRST);
        QTest::mouseClick(Control<QPushButton>(dialog, 1), Qt::LeftButton);
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    }
    EXPECT_EQ(record.GetDataCount(), 1);
    EXPECT_NE(Line(record, 0), a);
    EXPECT_EQ(record.GetPrecedence(), 1);
    // The hour list was not touched.
    EXPECT_EQ(record.GetHourList().size(), 1u);
}

// A new period in hour mode runs 0 to 24, with the end hour box showing "24".
TEST_F(HensokuDlgTest, ANewHourPeriod) {
    CHensoku record;
    record.SetHourMode(TRUE);
    CHensokuDlg dialog(record);
    dialog.show();
    EXPECT_EQ(List(dialog)->count(), 0);
    EXPECT_TRUE(Control<QRadioButton>(dialog, Dlg::IDC_WHOLE)->isChecked());
    EXPECT_TRUE(Control<QRadioButton>(dialog, Dlg::IDC_CLASS_ALL + 2)->isChecked());
    EXPECT_EQ(Combo(dialog, Dlg::IDC_HOUR_START)->currentText(), "0");
    EXPECT_EQ(Combo(dialog, Dlg::IDC_HOUR_END)->currentText(), "24");
    EXPECT_EQ(Combo(dialog, Dlg::IDC_YEAR_START)->currentIndex(), -1);
    EXPECT_EQ(Edit(dialog, Dlg::IDC_NUMERATOR)->text(), "1");
    EXPECT_EQ(Edit(dialog, Dlg::IDC_DENOMINATOR)->text(), "2");
    Click(dialog, Dlg::IDC_INSERT);
    ASSERT_EQ(List(dialog)->count(), 1);
    QTest::mouseClick(Control<QPushButton>(dialog, 1), Qt::LeftButton);
    ASSERT_EQ(record.GetHourList().size(), 1u);
    EXPECT_EQ(record.GetHourList()[0]->GetEndHour(), 24);
    EXPECT_TRUE(record.GetDayList().empty());
}

TEST_F(HensokuDlgTest, AnswersTheRequest) {
    test::KeepingRegistry registry;
    RegisterAttributeDialogs(registry);
    CHensoku record = Fixture(false);
    HensokuDlgRequest request;
    request.hensoku = &record;
    test::WhenShown<CHensokuDlg>([](CHensokuDlg& dialog) {
        dialog.findChild<QPushButton*>(QString::number(Dlg::IDC_DELETE))->click();
        dialog.findChild<QPushButton*>("1")->click();
    });
    EXPECT_EQ(registry.Run(request), IDOK);
    EXPECT_EQ(record.GetDataCount(), 1);
    HensokuDlgRequest none;
    EXPECT_EQ(registry.Run(none), IDCANCEL);
}

} // namespace
} // namespace tembra
