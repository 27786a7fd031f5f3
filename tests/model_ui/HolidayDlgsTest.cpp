// The holiday dialogs offscreen: the one-holiday dialog (161), the yearly holiday dialog (414)
// with the checks of OK in their order, and the special holidays dialog (162) with its lists,
// its line dialogs and what OK writes.
#include "model/ui/HolidayDlg.h"
#include "model/ui/SpecialHolidayDlg.h"
#include "model/ui/YearlyHolidayDlg.h"

#include "platform/Profile.h"
#include "platform/RangeMessage.h"
#include "platform/RegKey.h"
#include "platform/Sjis.h"
#include "support/Cp932Text.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"
#include "support/qt/DialogControls.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace tembra {
namespace {

using test::J;

using test::Control;

// As a click of the user (the dialog is never shown, so its buttons have no size to hit).
void Click(const QWidget& dialog, int id) {
    Control<QAbstractButton>(dialog, id)->click();
}

class HolidayDlgsTest : public ::testing::Test {
protected:
    test::ScopedPaths paths;
    test::ScopedUi ui;
};

CHolidayEntry Specific(int year, int month, int day, int kind, const char* name) {
    CHolidayEntry entry;
    entry.year = year;
    entry.month = month;
    entry.day = day;
    entry.kind = kind;
    entry.name = J(name);
    return entry;
}

TEST_F(HolidayDlgsTest, OneHolidayRefusesWhatNamesNoSupportedDate) {
    const struct {
        const char* what;
        CHolidayEntry entry;
        std::string message;
    } cases[] = {
        {"a new line's year", Specific(1990, 0, 0, 0, ""), "1991年から2037年以外は無効です。"},
        {"past the range", Specific(2038, 1, 1, 1, "X"), "1991年から2037年以外は無効です。"},
        {"no month", Specific(2020, 0, 1, 1, "X"), "1 から 12 までの整数を入力してください。"},
        {"30 February", Specific(2021, 2, 30, 1, "X"), "1 から 28 までの整数を入力してください。"},
        {"31 April", Specific(2020, 4, 31, 1, "X"), "1 から 30 までの整数を入力してください。"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ui->ClearRecords();
        CHolidayDlg dialog(c.entry);
        Click(dialog, 1);
        EXPECT_NE(dialog.result(), QDialog::Accepted);
        ASSERT_EQ(ui->MessageTexts().size(), 1u);
        EXPECT_EQ(ui->MessageTexts()[0], c.message);
    }
}

TEST_F(HolidayDlgsTest, OneHolidayKeepsAKindItDoesNotOffer) {
    CHolidayDlg dialog(Specific(2020, 2, 29, 7, "X"));
    for (int id : {CHolidayDlg::IDC_KIND_WORKING, CHolidayDlg::IDC_KIND_HOLIDAY,
                   CHolidayDlg::IDC_KIND_SPECIAL}) {
        EXPECT_FALSE(Control<QRadioButton>(dialog, id)->isChecked());
    }
    Control<QLineEdit>(dialog, CHolidayDlg::IDC_NAME)->setText(QString::fromUtf8("休み"));
    Click(dialog, 1);
    ASSERT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Entry().kind, 7);
    EXPECT_EQ(dialog.Entry().name, J("休み"));
    EXPECT_EQ(dialog.Entry().day, 29);
}

// Fills the yearly dialog: month, day, weekday box (weekday 0..6, week 0..4, or -1), years.
struct YearlyInput {
    const char* month;
    const char* day;
    int weekday = -1;
    int week = -1;
    bool period = false;
    const char* first = "";
    const char* last = "";
};

void Fill(CYearlyHolidayDlg& dialog, const YearlyInput& in) {
    Control<QComboBox>(dialog, CYearlyHolidayDlg::IDC_MONTH)->setEditText(in.month);
    if (in.weekday >= 0) {
        Click(dialog, CYearlyHolidayDlg::IDC_BY_WEEKDAY);
        if (in.week >= 0) {
            Click(dialog, HolidayWeekGrid::kRowIds[static_cast<std::size_t>(in.weekday)] + in.week);
        }
    } else {
        Control<QComboBox>(dialog, CYearlyHolidayDlg::IDC_DAY)->setEditText(in.day);
    }
    if (in.period) {
        Click(dialog, CYearlyHolidayDlg::IDC_SOME_YEARS);
        Control<QComboBox>(dialog, CYearlyHolidayDlg::IDC_FIRST_YEAR)->setEditText(in.first);
        Control<QComboBox>(dialog, CYearlyHolidayDlg::IDC_LAST_YEAR)->setEditText(in.last);
    }
}

TEST_F(HolidayDlgsTest, YearlyHolidayChecksInItsOrder) {
    const struct {
        const char* what;
        YearlyInput in;
        std::string message;
    } cases[] = {
        {"month first",
         {"13", "40", -1, -1, true, "1990", "3000"},
         "1 から 12 までの整数を入力してください。"},
        {"then the day",
         {"5", "32", -1, -1, true, "1990", ""},
         "1 から 31 までの整数を入力してください。"},
        {"then the first year",
         {"5", "3", -1, -1, true, "1990", "2000"},
         "1991 から 2037 までの整数を入力してください。"},
        {"then the last year",
         {"5", "3", -1, -1, true, "", "2038"},
         "1991 から 2037 までの整数を入力してください。"},
        {"then their order",
         {"5", "3", -1, -1, true, "2001", "2000"},
         "有効期間が、「開始年 ≦ 終了年」 となるように設定して下さい。"},
        {"then a weekday", {"5", "", 1, -1, false}, "曜日を選択して下さい。"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ui->ClearRecords();
        CHolidayEntry entry; // a new line: by date
        entry.kind = 1;
        CYearlyHolidayDlg dialog(entry);
        Fill(dialog, c.in);
        Click(dialog, 1);
        EXPECT_NE(dialog.result(), QDialog::Accepted);
        ASSERT_EQ(ui->MessageTexts().size(), 1u);
        EXPECT_EQ(ui->MessageTexts()[0], c.message);
    }
}

TEST_F(HolidayDlgsTest, YearlyHolidayGivesTheEntryToStore) {
    const struct {
        const char* what;
        YearlyInput in;
        const char* key;
        const char* value;
    } cases[] = {
        {"last year only", {"1", "15", -1, -1, true, "", "2000"}, "0115", "1,X,,2000"},
        {"2nd Monday of May", {"5", "", 1, 1, false}, "0522w", "2,X"},
        {"5th Saturday, both years",
         {"8", "", 6, 4, true, "1995", "2000"},
         "0857w",
         "2,X,1995,2000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        CHolidayEntry entry;
        entry.kind = 1;
        entry.name = "X";
        CYearlyHolidayDlg dialog(entry);
        Fill(dialog, c.in);
        Click(dialog, 1);
        ASSERT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(dialog.Entry().Key(), c.key);
        EXPECT_EQ(Sjis::ToUtf8(dialog.Entry().Value()), c.value);
    }
}

TEST_F(HolidayDlgsTest, YearlyHolidayKeepsOneWeekdayBox) {
    CHolidayEntry entry;
    entry.month = 5;
    entry.week = 2;
    entry.weekday = 2;
    CYearlyHolidayDlg dialog(entry);
    EXPECT_TRUE(Control<QRadioButton>(dialog, CYearlyHolidayDlg::IDC_BY_WEEKDAY)->isChecked());
    EXPECT_TRUE(Control<QCheckBox>(dialog, 1443)->isChecked());
    EXPECT_FALSE(Control<QComboBox>(dialog, CYearlyHolidayDlg::IDC_DAY)->isEnabled());
    Click(dialog, 1557);
    EXPECT_FALSE(Control<QCheckBox>(dialog, 1443)->isChecked());
    EXPECT_TRUE(Control<QCheckBox>(dialog, 1557)->isChecked());
    Click(dialog, CYearlyHolidayDlg::IDC_BY_DATE);
    EXPECT_FALSE(Control<QCheckBox>(dialog, 1557)->isChecked());
    EXPECT_FALSE(Control<QCheckBox>(dialog, 1557)->isEnabled());
    EXPECT_TRUE(Control<QRadioButton>(dialog, 1277)->isChecked());
}

// Runs the action on the first modal dialog of that id as soon as it is open.
void OnModal(int id, std::function<void(QDialog&)> action) {
    QTimer::singleShot(0, [id, action] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<QDialog*>(widget);
            if (dialog != nullptr && dialog->objectName() == QString::number(id) &&
                dialog->isVisible()) {
                action(*dialog);
                return;
            }
        }
        ADD_FAILURE() << "no dialog " << id;
    });
}

QStringList Lines(const QListWidget* list) {
    QStringList lines;
    for (int i = 0; i < list->count(); ++i) {
        lines << list->item(i)->text();
    }
    return lines;
}

TEST_F(HolidayDlgsTest, SpecialHolidaysEditTheListsAndWriteThemOnOk) {
    WriteProfileString(J("祝日"), "0101", J("1,元日").c_str());
    WriteProfileString(J("特定休日"), "20100505", J("1,A").c_str());
    WriteRegString(J("特定休日"), "20100505", J("1,A").c_str());
    CHolidaySettings settings;
    settings.Load();
    CSpecialHolidayDlg dialog(settings);
    auto* yearly = Control<QListWidget>(dialog, CSpecialHolidayDlg::IDC_YEARLY_LIST);
    auto* specific = Control<QListWidget>(dialog, CSpecialHolidayDlg::IDC_SPECIFIC_LIST);
    EXPECT_EQ(Lines(yearly), QStringList{QString::fromUtf8("01/01     :[祝日]元日")});
    EXPECT_FALSE(yearly->isHidden());
    EXPECT_TRUE(specific->isHidden());

    // Saturdays off in every week.
    Click(dialog, 1217);
    for (int week = 0; week < 5; ++week) {
        EXPECT_TRUE(Control<QCheckBox>(dialog, 1555 + week)->isChecked());
    }

    // A yearly rule added through its dialog.
    OnModal(CYearlyHolidayDlg::IDD, [](QDialog& d) {
        Control<QComboBox>(d, CYearlyHolidayDlg::IDC_MONTH)->setEditText("5");
        Click(d, CYearlyHolidayDlg::IDC_BY_WEEKDAY);
        Click(d, 1443);
        Control<QLineEdit>(d, CYearlyHolidayDlg::IDC_NAME)->setText(QString::fromUtf8("祭"));
        Click(d, 1);
    });
    Click(dialog, CSpecialHolidayDlg::IDC_ADD);
    EXPECT_EQ(Lines(yearly).back(), QString::fromUtf8("05-2nd Mon:[特別]祭"));

    // A specific date added, the old one deleted.
    Click(dialog, CSpecialHolidayDlg::IDC_SPECIFIC);
    EXPECT_FALSE(specific->isHidden());
    specific->setCurrentRow(0);
    Click(dialog, CSpecialHolidayDlg::IDC_DELETE);
    EXPECT_EQ(Lines(specific)[0], QString::fromUtf8("2010/05/05:[----]A"));
    OnModal(CHolidayDlg::IDD, [](QDialog& d) {
        Control<QLineEdit>(d, CHolidayDlg::IDC_YEAR)->setText("2021");
        Control<QLineEdit>(d, CHolidayDlg::IDC_MONTH)->setText("6");
        Control<QLineEdit>(d, CHolidayDlg::IDC_DAY)->setText("7");
        Click(d, CHolidayDlg::IDC_KIND_SPECIAL);
        Click(d, 1);
    });
    Click(dialog, CSpecialHolidayDlg::IDC_ADD);
    EXPECT_EQ(Lines(specific).back(), QString::fromUtf8("2021/06/07:[特別]"));

    ui->ClearRecords();
    Click(dialog, 1);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(ui->MessageTexts(),
              std::vector<std::string>{"変更内容は次回新規作成から有効になります"});
    EXPECT_EQ(UserProfile().Find(J("公休"), J("土")), "1,1,1,1,1");
    EXPECT_EQ(UserProfile().Find(J("祝日"), "0522w"), J("2,祭"));
    EXPECT_EQ(UserProfile().Find(J("特定休日"), "20210607"), "2,");
    EXPECT_FALSE(UserProfile().Find(J("特定休日"), "20100505"));
    EXPECT_FALSE(OpenAppRegKey(J("特定休日"))->QueryValue("20100505"));
}

} // namespace
} // namespace tembra
