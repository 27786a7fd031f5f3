// The conversion dialogs offscreen: texts and start values, each check's message raised
// through the fields (the same answer as the plain check), Enter, and the requests answered.
#include "dialogs/attributes/CalDateToDayDlg.h"
#include "dialogs/attributes/DayToCalDateDlg.h"
#include "dialogs/attributes/RegisterAttributeDialogs.h"

#include "dialogs_attributes/DialogTestSupport.h"
#include "dialogs_attributes_core/ConversionFixture.h"
#include "platform/StringTable.h"
#include "support/ScopedClock.h"
#include "support/ScriptedUi.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <memory>

namespace tembra {
namespace {

using test::Control;
using Dlg = CDayConversionDlg;

std::unique_ptr<CDayConversionDlg> Make(DayConversionKind kind, const CSyokiSet& settings) {
    if (kind == DayConversionKind::kToElapsed) {
        return std::make_unique<CCalDateToDayDlg>(settings);
    }
    return std::make_unique<CDayToCalDateDlg>(settings);
}

void Type(const QDialog& dialog, const DayConversionValues& v) {
    const std::pair<int, int> fields[] = {{Dlg::IDC_YEAR, v.year},
                                          {Dlg::IDC_MONTH, v.month},
                                          {Dlg::IDC_DAY, v.day},
                                          {Dlg::IDC_DAY_NUMBER, v.dayNumber},
                                          {Dlg::IDC_RATIO_FROM, v.fromRatio},
                                          {Dlg::IDC_RATIO_TO, v.toRatio}};
    for (const auto& [id, value] : fields) {
        QLineEdit* edit = Control<QLineEdit>(dialog, id);
        edit->clear();
        QTest::keyClicks(edit, QString::number(value));
    }
    Control<QRadioButton>(dialog,
                          v.holidayChoice != 0 ? Dlg::IDC_HOLIDAY_INVALID : Dlg::IDC_HOLIDAY_VALID)
        ->click();
    Control<QCheckBox>(dialog, Dlg::IDC_ROUND)->setChecked(v.round);
}

QString Texts(const QDialog& dialog) {
    QStringList texts;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        texts << label->text();
    }
    return texts.join(' ');
}

TEST(DayConversionDlg, TextsAndStartValues) {
    test::ScopedClock clock(CTime(2024, 7, 8, 9, 30));
    const CSyokiSet settings = test::ConversionFixture();
    struct Case {
        DayConversionKind kind;
        const char* title;
        const char* now;
        const char* ratio;
        const char* date;
    };
    const Case cases[] = {
        {DayConversionKind::kToElapsed, "暦日→延日変換", "現在は暦日モードで作図中です。", "暦 延",
         "2020-4-9"},
        {DayConversionKind::kToCalendar, "延日→暦日変換", "現在は延日モードで作図中です。", "延 暦",
         "2024-7-8"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        const auto dialog = Make(c.kind, settings);
        EXPECT_EQ(dialog->windowTitle(), QString::fromUtf8(c.title));
        const QString texts = Texts(*dialog);
        EXPECT_TRUE(texts.contains(QString::fromUtf8(c.now))) << texts.toStdString();
        EXPECT_TRUE(texts.contains(QString::fromUtf8("●係数："))) << texts.toStdString();
        const QString date = Control<QLineEdit>(*dialog, Dlg::IDC_YEAR)->text() + "-" +
                             Control<QLineEdit>(*dialog, Dlg::IDC_MONTH)->text() + "-" +
                             Control<QLineEdit>(*dialog, Dlg::IDC_DAY)->text();
        EXPECT_EQ(date, c.date);
        EXPECT_EQ(Control<QLineEdit>(*dialog, Dlg::IDC_DAY_NUMBER)->text(), "1");
        EXPECT_EQ(Control<QLineEdit>(*dialog, Dlg::IDC_RATIO_FROM)->text(), "1");
        EXPECT_EQ(Control<QLineEdit>(*dialog, Dlg::IDC_RATIO_TO)->text(), "1");
        EXPECT_TRUE(Control<QRadioButton>(*dialog, Dlg::IDC_HOLIDAY_VALID)->isChecked());
        EXPECT_TRUE(Control<QCheckBox>(*dialog, Dlg::IDC_ROUND)->isChecked());
    }
}

// Every case of the plain checks, typed into the fields: 決定 refuses with the same message
// (the range message with the focus on the field) or takes the same conversion.
TEST(DayConversionDlg, OkAnswersAsThePlainCheck) {
    const CSyokiSet settings = test::ConversionFixture();
    for (const test::ConversionCase& c : test::ConversionCases()) {
        SCOPED_TRACE(c.name);
        test::ScopedUi ui;
        const auto dialog = Make(c.kind, settings);
        dialog->show();
        Type(*dialog, c.values);
        QTest::mouseClick(Control<QPushButton>(*dialog, 1), Qt::LeftButton);
        if (c.message == 0) {
            EXPECT_TRUE(ui->MessageBoxes().empty());
            EXPECT_EQ(dialog->result(), QDialog::Accepted);
            EXPECT_EQ(dialog->GetValues(), c.values);
            const DayConversionCheck check = CheckDayConversion(c.kind, c.values, settings);
            EXPECT_EQ(dialog->Result().conversion.offset, check.conversion.offset);
            EXPECT_EQ(dialog->Result().conversion.date, check.conversion.date);
            continue;
        }
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_NE(dialog->result(), QDialog::Accepted);
        ASSERT_EQ(ui->MessageBoxes().size(), 1u);
        EXPECT_EQ(ui->MessageBoxes()[0].stringId, c.message);
        EXPECT_EQ(ui->MessageBoxes()[0].text.empty(), false);
        if (c.message == 5900) {
            EXPECT_TRUE(dialog->focusWidget() == Control<QLineEdit>(*dialog, Dlg::IDC_YEAR) ||
                        dialog->focusWidget() == Control<QLineEdit>(*dialog, Dlg::IDC_RATIO_TO));
        } else {
            EXPECT_EQ(ui->MessageBoxes()[0].text, LoadStringUtf8(c.message));
        }
    }
}

TEST(DayConversionDlg, EnterMovesOnAndClosesOnlyOnItsButtons) {
    test::ScopedUi ui;
    const CSyokiSet settings = test::ConversionFixture();
    CCalDateToDayDlg dialog(settings);
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    QLineEdit* year = Control<QLineEdit>(dialog, Dlg::IDC_YEAR);
    year->setFocus();
    QTest::keyClick(year, Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(year->hasFocus());

    auto* cancel = Control<QPushButton>(dialog, 2);
    cancel->setFocus();
    QTest::keyClick(cancel, Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(ui->MessageBoxes().empty());
}

// The document's requests: OK hands the conversion back, Cancel and a request without settings
// leave it as it was.
TEST(DayConversionDlg, AnswersTheDocumentsRequests) {
    test::ScopedUi ui;
    test::KeepingRegistry registry;
    RegisterAttributeDialogs(registry);
    const CSyokiSet settings = test::ConversionFixture();

    CalDateToDayDlgRequest toElapsed;
    toElapsed.settings = &settings;
    test::WhenShown<CCalDateToDayDlg>([](CCalDateToDayDlg& dialog) {
        Type(dialog, {2020, 5, 20, 10, 1, 2, 1, false});
        Control<QPushButton>(dialog, 1)->click();
    });
    ASSERT_EQ(registry.Run(toElapsed), IDOK);
    EXPECT_EQ(toElapsed.conversion.date, CTime(2020, 5, 20));
    EXPECT_EQ(toElapsed.conversion.offset, CTimeSpan(9, 0, 0, 0));
    EXPECT_EQ(toElapsed.conversion.holidayChoice, 1);
    EXPECT_EQ(toElapsed.conversion.calendarRatio, 2);
    EXPECT_EQ(toElapsed.conversion.elapsedRatio, 1);
    EXPECT_FALSE(toElapsed.conversion.round);

    DayToCalDateDlgRequest toCalendar;
    toCalendar.settings = &settings;
    test::WhenShown<CDayToCalDateDlg>([](CDayToCalDateDlg& dialog) {
        Type(dialog, {2020, 5, 20, 10, 1, 2, 1, false});
        Control<QPushButton>(dialog, 2)->click();
    });
    EXPECT_EQ(registry.Run(toCalendar), IDCANCEL);
    EXPECT_EQ(toCalendar.conversion.date, CTime());

    DayToCalDateDlgRequest none;
    EXPECT_EQ(registry.Run(none), IDCANCEL);
}

} // namespace
} // namespace tembra
