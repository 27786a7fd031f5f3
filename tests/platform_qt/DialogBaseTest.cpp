// The parts every dialog of both programs is built from: number fields, CP932 fields, Enter,
// the colour dialog and the property-sheet frame, driven through real widgets offscreen.
#include "platform/ColorRequest.h"
#include "platform/RangeMessage.h"
#include "platform/StringTable.h"
#include "platform/qt/ColorDialog.h"
#include "platform/qt/Cp932Text.h"
#include "platform/qt/Cp932Validator.h"
#include "platform/qt/DialogParts.h"
#include "platform/qt/EnterMovesFocus.h"
#include "platform/qt/IntField.h"
#include "platform/qt/PropertySheet.h"
#include "platform/qt/TextFieldCheck.h"

#include "support/ScriptedUi.h"

#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace tembra {
namespace {

// A shown, active dialog with two fields, so that the focus can move between them.
class TwoFields : public QDialog {
public:
    TwoFields() {
        first = new QLineEdit(this);
        second = new QLineEdit(this);
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(first);
        layout->addWidget(second);
        show();
        activateWindow();
        static_cast<void>(QTest::qWaitForWindowActive(this));
    }
    QLineEdit* first = nullptr;
    QLineEdit* second = nullptr;
};

TEST(ReadIntFieldTest, TakesAnIntegerInRangeElseShowsItsMessageAndReturnsToTheField) {
    constexpr int kMin = 3;
    constexpr int kMax = 60;
    enum Outcome { kTaken, kNotInteger, kOutOfRange };
    struct Case {
        const char* text;
        Outcome outcome;
        int value;
    };
    const std::vector<Case> cases = {
        {"12", kTaken, 12},    {" 12 ", kTaken, 12},   {"3", kTaken, 3},
        {"60", kTaken, 60},    {"", kNotInteger, 0},   {"abc", kNotInteger, 0},
        {"2", kOutOfRange, 0}, {"61", kOutOfRange, 0},
    };
    // Each program keeps its messages: the layout editor the framework's two, Tembra one.
    struct Program {
        StringTableProgram table;
        IntFieldMessages messages;
        const char* notInteger;
    };
    const std::string range = "3 から 60 までの整数を入力してください。";
    const std::vector<Program> programs = {
        {StringTableProgram::Marquell, {61712, 61715}, "整数を入力してください。"},
        {StringTableProgram::Tembra, kRangeMessages, range.c_str()},
    };
    TwoFields dialog;
    test::ScopedUi ui;
    for (const Program& program : programs) {
        SelectStringTable(program.table);
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string("'") + c.text + "' with message " +
                         std::to_string(program.messages.outOfRange));
            ui->ClearRecords();
            dialog.first->setText(QString::fromUtf8(c.text));
            dialog.second->setFocus();
            int value = -1;
            EXPECT_EQ(ReadIntField(dialog.first, kMin, kMax, value, program.messages),
                      c.outcome == kTaken);
            if (c.outcome == kTaken) {
                EXPECT_EQ(value, c.value);
                EXPECT_TRUE(ui->MessageBoxes().empty());
                EXPECT_TRUE(dialog.second->hasFocus());
                continue;
            }
            EXPECT_EQ(value, -1) << "a refused text leaves the value alone";
            ASSERT_EQ(ui->MessageBoxes().size(), 1u);
            const auto& box = ui->MessageBoxes()[0];
            if (c.outcome == kNotInteger) {
                EXPECT_EQ(box.stringId, program.messages.notInteger);
                EXPECT_EQ(box.text, program.notInteger);
            } else {
                EXPECT_EQ(box.stringId, program.messages.outOfRange);
                EXPECT_EQ(box.text, range);
            }
            EXPECT_EQ(box.type & MB_ICONMASK, MB_ICONEXCLAMATION);
            EXPECT_TRUE(dialog.first->hasFocus());
            EXPECT_EQ(dialog.first->selectedText(), dialog.first->text());
        }
    }
    SelectStringTable(StringTableProgram::Tembra);
}

TEST(Cp932ValidatorTest, AFieldTakesAsManyBytesAsItsLimitAndNoMore) {
    const QString kanji = QString::fromUtf8("漢"); // two bytes in CP932
    struct Case {
        QString text;
        QValidator::State state;
    };
    const std::vector<Case> cases = {
        {QString(kanji).repeated(64), QValidator::Acceptable},             // 128 bytes
        {QString(kanji).repeated(64) + 'a', QValidator::Invalid},          // 129 bytes
        {QString(QLatin1Char('a')).repeated(128), QValidator::Acceptable}, // 128 bytes
        {QString(kanji).repeated(63) + QStringLiteral("ab"), QValidator::Acceptable},
        {QString(kanji).repeated(63) + QStringLiteral("abc"), QValidator::Invalid},
        // CP932 has no such sign: it is let in, for 決定 to name it.
        {QString::fromUtf8("\xF0\x9F\x98\x80"), QValidator::Acceptable},
        {QString(), QValidator::Acceptable},
    };
    CCp932Validator validator(128, nullptr);
    for (const Case& c : cases) {
        QString text = c.text;
        int pos = 0;
        EXPECT_EQ(validator.validate(text, pos), c.state) << ToCp932(c.text).size() << " bytes";
    }

    // Typing into a full field adds nothing.
    QLineEdit field;
    field.setValidator(new CCp932Validator(128, &field));
    field.setText(QString(kanji).repeated(64));
    QTest::keyClicks(&field, QStringLiteral("a"));
    EXPECT_EQ(ToCp932(field.text()).size(), 128u);
    EXPECT_EQ(FromCp932(ToCp932(field.text())), field.text());
}

// A dialog of the base's parts with a field of each kind a dialog types in.
class TextFields : public QDialog {
public:
    TextFields() {
        line = new QLineEdit(this);
        combo = new QComboBox(this);
        combo->setEditable(true);
        plain = new QPlainTextEdit(this);
        readOnly = new QLineEdit(QString::fromUtf8("\xF0\xA0\xAE\xB7"), this);
        readOnly->setReadOnly(true);
        auto* layout = new QVBoxLayout(this);
        for (QWidget* field : std::initializer_list<QWidget*>{line, combo, plain, readOnly}) {
            layout->addWidget(field);
        }
        auto* enter = new CEnterMovesFocus(this);
        enter->Watch({line, combo, plain});
        buttons = MakeOkCancel(this, enter);
        layout->addWidget(buttons);
        show();
        activateWindow();
        static_cast<void>(QTest::qWaitForWindowActive(this));
    }
    void accept() override {
        ++accepted;
        QDialog::accept();
    }
    QPushButton* Ok() const { return findChild<QPushButton*>(IdName(1)); }

    QLineEdit* line = nullptr;
    QComboBox* combo = nullptr;
    QPlainTextEdit* plain = nullptr;
    QLineEdit* readOnly = nullptr;
    QDialogButtonBox* buttons = nullptr;
    int accepted = 0;
};

TEST(TextFieldCheckTest, OkRefusesATextCp932CannotHoldWhereItWasTyped) {
    struct Case {
        const char* text;
        bool refused;
    };
    const Case cases[] = {
        {"\xF0\xA0\xAE\xB7", true},          // 𠮷
        {"\xF0\x9F\x98\x80", true},          // 😀
        {"jos\xC3\xA9", true},               // é
        {"\xEF\xBD\xB1\xEF\xBD\xB2", false}, // half-width kana
        {"", false},
        {"]", false},
        {"=", false},
        {" x ", false},
    };
    for (int field = 0; field < 3; ++field) {
        for (const Case& c : cases) {
            test::ScopedUi ui;
            TextFields dialog;
            const QString text = QString::fromUtf8(c.text);
            QWidget* typedInto = nullptr;
            switch (field) {
            case 0:
                dialog.line->insert(text);
                typedInto = dialog.line;
                break;
            case 1:
                dialog.combo->lineEdit()->insert(text);
                typedInto = dialog.combo; // its edit passes the focus to it
                break;
            default:
                dialog.plain->insertPlainText(text);
                typedInto = dialog.plain;
                break;
            }
            dialog.Ok()->click();
            if (c.refused) {
                ASSERT_EQ(ui->MessageIds(), std::vector<UINT>{5930}) << field << " " << c.text;
                EXPECT_EQ(ui->MessageBoxes()[0].type & MB_ICONMASK, MB_ICONEXCLAMATION);
                EXPECT_EQ(dialog.accepted, 0);
                EXPECT_TRUE(dialog.isVisible());
                EXPECT_EQ(QApplication::focusWidget(), typedInto) << field << " " << c.text;
                EXPECT_EQ(TypedText(field == 1   ? static_cast<QWidget*>(dialog.combo)
                                    : field == 0 ? static_cast<QWidget*>(dialog.line)
                                                 : dialog.plain),
                          text)
                    << "the text stays as typed";
            } else {
                EXPECT_TRUE(ui->MessageBoxes().empty()) << field << " " << c.text;
                EXPECT_EQ(dialog.accepted, 1);
            }
        }
    }
}

TEST(TextFieldCheckTest, APropertySheetChecksEveryPageBeforeAnyStores) {
    test::ScopedUi ui;
    CPropertySheet sheet(QStringLiteral("sheet"), nullptr);
    int applied = 0;
    auto* first = new QLineEdit(QStringLiteral("ok"));
    auto* second = new QLineEdit(QString::fromUtf8("A\xF0\xA0\xAE\xB7"));
    sheet.AddPage(first, QStringLiteral("1"), [&] { return ++applied > 0; });
    sheet.AddPage(second, QStringLiteral("2"), [&] { return ++applied > 0; });
    sheet.show();
    static_cast<void>(QTest::qWaitForWindowActive(&sheet));
    sheet.OkButton()->click();
    EXPECT_EQ(ui->MessageIds(), std::vector<UINT>{5930});
    EXPECT_EQ(applied, 0);
    EXPECT_TRUE(sheet.isVisible());
    EXPECT_EQ(sheet.Tabs()->currentIndex(), 1);
    EXPECT_EQ(QApplication::focusWidget(), second);
    EXPECT_EQ(second->selectedText(), second->text());
    second->setText(QStringLiteral("AB"));
    sheet.OkButton()->click();
    EXPECT_EQ(applied, 2);
    EXPECT_FALSE(sheet.isVisible());
}

TEST(EnterMovesFocusTest, EnterMovesOnOrPressesItsButton) {
    TwoFields dialog;
    auto* ok = new QPushButton(QString::fromUtf8("決定"), &dialog);
    auto* cancel = new QPushButton(QString::fromUtf8("取消"), &dialog);
    dialog.layout()->addWidget(ok);
    dialog.layout()->addWidget(cancel);
    int accepted = 0;
    int cancelled = 0;
    QObject::connect(ok, &QPushButton::clicked, [&] { ++accepted; });
    QObject::connect(cancel, &QPushButton::clicked, [&] { ++cancelled; });
    auto* enter = new CEnterMovesFocus(&dialog);
    enter->Watch({dialog.first});
    enter->SetButtons(ok, cancel);
    int opened = 0;
    enter->SetAction(dialog.second, [&] { ++opened; });

    dialog.first->setFocus();
    QTest::keyClick(dialog.first, Qt::Key_Return);
    EXPECT_TRUE(dialog.second->hasFocus());
    QTest::keyClick(dialog.second, Qt::Key_Enter);
    EXPECT_EQ(opened, 1);
    EXPECT_TRUE(dialog.second->hasFocus()) << "its own action instead of moving on";
    ok->setFocus();
    QTest::keyClick(ok, Qt::Key_Return);
    cancel->setFocus();
    QTest::keyClick(cancel, Qt::Key_Return);
    EXPECT_EQ(accepted, 1);
    EXPECT_EQ(cancelled, 1);
}

TEST(PropertySheetTest, OkAppliesThePagesInOrderAndStaysOnTheOneThatRefuses) {
    std::vector<int> applied;
    bool secondTakes = false;
    CPropertySheet sheet(QStringLiteral("sheet"), nullptr);
    EXPECT_EQ(sheet.OkButton()->text(), QString::fromUtf8("決定"));
    EXPECT_EQ(sheet.CancelButton()->text(), QString::fromUtf8("取消"));
    sheet.AddPage(new QWidget, QStringLiteral("one"), [&] {
        applied.push_back(1);
        return true;
    });
    sheet.AddPage(new QWidget, QStringLiteral("two"), [&] {
        applied.push_back(2);
        return secondTakes;
    });
    sheet.show();
    ASSERT_EQ(sheet.Tabs()->count(), 2);
    EXPECT_EQ(sheet.Tabs()->currentIndex(), 0);

    sheet.OkButton()->click();
    EXPECT_EQ(applied, (std::vector<int>{1, 2}));
    EXPECT_TRUE(sheet.isVisible());
    EXPECT_EQ(sheet.Tabs()->currentIndex(), 1);

    applied.clear();
    secondTakes = true;
    sheet.OkButton()->click();
    EXPECT_EQ(applied, (std::vector<int>{1, 2}));
    EXPECT_FALSE(sheet.isVisible());
    EXPECT_EQ(sheet.result(), QDialog::Accepted);
}

TEST(PropertySheetTest, CancelAppliesNothing) {
    int applied = 0;
    CPropertySheet sheet(QStringLiteral("sheet"), nullptr);
    sheet.AddPage(new QWidget, QStringLiteral("one"), [&] { return ++applied > 0; });
    sheet.show();
    sheet.CancelButton()->click();
    EXPECT_EQ(applied, 0);
    EXPECT_EQ(sheet.result(), QDialog::Rejected);
}

// Answers the colour dialog once it is open: picks a colour, then OK or Cancel; records the
// colour the dialog started from.
void AnswerColorDialog(bool ok, QColor& preset, bool& native) {
    QTimer::singleShot(0, [ok, &preset, &native] {
        auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        preset = dialog->currentColor();
        native = !dialog->testOption(QColorDialog::DontUseNativeDialog);
        dialog->setCurrentColor(QColor(10, 20, 30));
        if (ok) {
            dialog->accept();
        } else {
            dialog->reject();
        }
    });
}

TEST(ColorDialogTest, StartsFromTheRequestsColourAndCancelChangesNothing) {
    for (const bool ok : {false, true}) {
        SCOPED_TRACE(ok ? "OK" : "Cancel");
        ColorRequest request;
        EXPECT_STREQ(request.Name(), "Color");
        request.color = RGB(200, 100, 50);
        QColor preset;
        bool native = true;
        AnswerColorDialog(ok, preset, native);
        EXPECT_EQ(RunColorDialog(request, nullptr), ok ? IDOK : IDCANCEL);
        EXPECT_EQ(preset, QColor(200, 100, 50));
        EXPECT_FALSE(native);
        EXPECT_EQ(request.color, ok ? RGB(10, 20, 30) : RGB(200, 100, 50));
    }
}

} // namespace
} // namespace tembra
