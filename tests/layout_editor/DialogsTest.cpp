// The layout editor's dialogs on the offscreen platform: the limits of their fields, the checks
// made when a field is left and at OK, and what they hand back; the two dialogs that name input
// areas among them.
#include "layout_editor/BaseInputAreaNameDlg.h"
#include "layout_editor/FixedTextDlg.h"
#include "layout_editor/GridSetDlg.h"
#include "layout_editor/GridSizeButton.h"
#include "layout_editor/InitSetDlg.h"
#include "layout_editor/InputAreaNameDlg.h"
#include "layout_editor/LayoutFormatNameDlg.h"
#include "layout_editor/SizeSetDlg.h"
#include "layout_editor/core/AppSettings.h"
#include "layout_editor/core/LayoutFileData.h"
#include "layout_editor/core/MarquellDoc.h"
#include "layout_editor/core/PHeadInputArea.h"
#include "layout_editor/core/PHeadMojiData.h"
#include "platform/Profile.h"
#include "platform/Sjis.h"
#include "platform/qt/Cp932Text.h"

#include "EditorFixture.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace marquell {
namespace {

using test::J;

// Shows a dialog as the active window, so that focus moves as a user's would.
void ShowActive(QDialog& dialog) {
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
}

class DialogTest : public test::EditorFixture {
protected:
    std::vector<UINT> Messages() { return ui->MessageIds(); }
};

TEST_F(DialogTest, AFormatNameHoldsTwentyEightBytesAndNotNothing) {
    LayoutFormatNameRequest request;
    CLayoutFormatNameDlg dialog(request);
    ShowActive(dialog);
    QLineEdit* field = dialog.NameField();
    field->clear();
    // 書 takes two bytes: the fifteenth is not taken.
    for (int i = 0; i < 15; ++i) {
        field->insert(QString(QChar(0x66F8)));
    }
    EXPECT_EQ(field->text(), QString(14, QChar(0x66F8)));
    field->clear();
    QTest::keyClicks(field, QString(29, QLatin1Char('a')));
    EXPECT_EQ(field->text().size(), 28);

    field->clear();
    dialog.accept();
    EXPECT_EQ(Messages(), (std::vector<UINT>{61241}));
    EXPECT_TRUE(dialog.isVisible());
    field->setText(QString::fromUtf8("新書式"));
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(request.name, J("新書式"));
}

TEST_F(DialogTest, AFixedTextNeedsVisibleTextThatTheLayoutFileKeeps) {
    struct Case {
        const char* typed;
        bool accepted;
        const char* stored;
        UINT message = 0;
    };
    const Case cases[] = {
        {"A\"B", false, "工事名", 61250},
        {"　　\n ", false, "工事名", 61250},
        // Backslash and n would come back from the file as a line break.
        {"A\\nB", false, "工事名", 61251},
        {"AB\nCD", true, "AB\r\nCD"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        ui->ClearRecords();
        CPHeadMojiData text;
        text.SetText(J("工事名"));
        FixedTextRequest request(text);
        CFixedTextDlg dialog(request);
        ShowActive(dialog);
        EXPECT_EQ(dialog.TextField()->toPlainText(), QString::fromUtf8("工事名"));
        dialog.TextField()->setPlainText(QString::fromUtf8(c.typed));
        dialog.accept();
        EXPECT_EQ(dialog.result() == QDialog::Accepted, c.accepted);
        EXPECT_EQ(text.GetText(), J(c.stored));
        if (!c.accepted) {
            EXPECT_EQ(Messages(), (std::vector<UINT>{c.message}));
            EXPECT_TRUE(dialog.TextField()->toPlainText().isEmpty());
        }
    }
}

// Each hostile text typed into each text the editor's dialogs store: a text CP932 cannot hold is
// refused at OK with the message naming its characters and nothing is stored; any other is
// stored as the field holds it (line breaks as CR LF) or refused with the dialog's own message.
TEST_F(DialogTest, EveryTypedTextIsStoredAsTypedOrRefusedWithAMessage) {
    const std::vector<std::pair<const char*, QString>> hostile = {
        {"outside CP932", QString::fromUtf8("A𠮷B")},
        {"emoji", QString::fromUtf8("😀")},
        {"accent", QString::fromUtf8("josé")},
        {"half-width kana", QString::fromUtf8("ｹﾞﾝﾊﾞ")},
        {"1,000 characters", QString(1000, QChar(0x5DE5))},
        {"empty", QString()},
        {"bracket", QStringLiteral("第1班]")},
        {"equals", QStringLiteral("a=b")},
        {"line break", QStringLiteral("a\nb")},
        {"blanks", QStringLiteral(" x ")},
    };
    CMarquellDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(Layout("a.lyt", 0, 0).string()));
    // One field of one dialog: made with its stored text, the field, the stored text read back.
    struct Field {
        const char* what;
        std::function<void(const QString& text, bool& accepted, QString& held, std::string& before,
                           std::string& after)>
            run;
    };
    const auto settle = [](QDialog& dialog, QWidget* field, const QString& text) {
        ShowActive(dialog);
        if (auto* plain = qobject_cast<QPlainTextEdit*>(field)) {
            plain->setPlainText(text);
            return plain->toPlainText();
        }
        auto* box = qobject_cast<QComboBox*>(field);
        QLineEdit* edit = box != nullptr ? box->lineEdit() : qobject_cast<QLineEdit*>(field);
        edit->clear();
        edit->insert(text);
        return edit->text();
    };
    const std::vector<Field> fields = {
        {"format name",
         [&](const QString& text, bool& accepted, QString& held, std::string& before,
             std::string& after) {
             LayoutFormatNameRequest request;
             request.name = J("書式");
             before = request.name;
             CLayoutFormatNameDlg dialog(request);
             dialog.NameField()->setText(QString::fromUtf8("書式"));
             held = settle(dialog, dialog.NameField(), text);
             dialog.accept();
             accepted = dialog.result() == QDialog::Accepted;
             after = accepted ? request.name : before;
         }},
        {"fixed text",
         [&](const QString& text, bool& accepted, QString& held, std::string& before,
             std::string& after) {
             CPHeadMojiData moji;
             moji.SetText(J("工事名"));
             before = moji.GetText();
             FixedTextRequest request(moji);
             CFixedTextDlg dialog(request);
             held = settle(dialog, dialog.TextField(), text);
             dialog.accept();
             accepted = dialog.result() == QDialog::Accepted;
             after = moji.GetText();
         }},
        {"input area name and default text",
         [&](const QString& text, bool& accepted, QString& held, std::string& before,
             std::string& after) {
             int chosen = 0;
             CPHeadInputArea area;
             area.SetFrameRect(CRect(100, -100, 600, -200));
             InputAreaNameRequest request(
                 CInputAreaNameData(doc.GetCurrentPaper(), doc.GetOwner(), area, chosen));
             CInputAreaNameDlg dialog(request);
             dialog.NameBox()->setEditText(QString::fromUtf8("担当者"));
             before = area.GetDefaultText();
             held = settle(dialog, dialog.DefaultTextField(), text);
             dialog.accept();
             accepted = dialog.result() == QDialog::Accepted;
             after = area.GetDefaultText();
         }},
    };
    for (const Field& field : fields) {
        for (const auto& [what, text] : hostile) {
            SCOPED_TRACE(::testing::Message() << field.what << ", " << what);
            ui->ClearRecords();
            bool accepted = false;
            QString held;
            std::string before;
            std::string after;
            field.run(text, accepted, held, before, after);
            bool lacks = false;
            for (const char32_t c : held.toUcs4()) {
                lacks = lacks || !tembra::Sjis::CanEncode(c);
            }
            if (lacks) {
                EXPECT_FALSE(accepted);
                EXPECT_EQ(Messages(), (std::vector<UINT>{5930}));
                EXPECT_EQ(after, before);
            } else if (accepted) {
                // A text of lines keeps them as CR LF (a one-line name has none).
                QString crlf = held;
                crlf.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
                EXPECT_EQ(tembra::Sjis::ToUtf8(after), tembra::Sjis::ToUtf8(tembra::ToCp932(crlf)));
            } else {
                EXPECT_FALSE(Messages().empty());
                EXPECT_EQ(after, before);
            }
        }
    }
}

class GridDialogTest : public DialogTest {
protected:
    GridDialogTest() {
        request.data.snap = 1;
        request.data.across = 50;
        request.data.down = 6;
        request.data.areaWidth = 1000;
        request.data.areaHeight = 300;
    }
    GridSetRequest request;
};

TEST_F(GridDialogTest, ThePitchesFollowTheCounts) {
    CGridSetDlg dialog(request);
    EXPECT_EQ(dialog.CountBox(0)->currentText(), QStringLiteral(" 50"));
    EXPECT_EQ(dialog.CountBox(1)->currentText(), QStringLiteral("  6"));
    EXPECT_EQ(dialog.PitchButton(0)->PitchText(), QStringLiteral(" 2.0mm"));
    EXPECT_EQ(dialog.PitchButton(1)->PitchText(), QStringLiteral(" 5.0mm"));
    struct Case {
        const char* count;
        const char* pitch;
    };
    const Case cases[] = {
        {"3", "33.3mm"},
        {"6", "16.7mm"},
        {"8", "12.5mm"},
        {"なし", ""},
    };
    for (const Case& c : cases) {
        dialog.CountBox(0)->setEditText(QString::fromUtf8(c.count));
        EXPECT_EQ(dialog.PitchButton(0)->PitchText(), QString::fromUtf8(c.pitch)) << c.count;
    }
    // A count picked from the list.
    dialog.CountBox(1)->setCurrentIndex(dialog.CountBox(1)->findText(QStringLiteral("10")));
    EXPECT_EQ(dialog.PitchButton(1)->PitchText(), QStringLiteral(" 3.0mm"));
}

TEST_F(GridDialogTest, ACountIsCheckedWhenItsBoxIsLeft) {
    struct Case {
        const char* count;
        std::vector<UINT> messages;
    };
    const Case cases[] = {
        {"1", {61214}},
        {"2001", {61215}},
        {"なし", {}},
        {"20", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.count);
        ui->ClearRecords();
        CGridSetDlg dialog(request);
        ShowActive(dialog);
        dialog.CountBox(0)->setFocus();
        dialog.CountBox(0)->setEditText(QString::fromUtf8(c.count));
        dialog.CountBox(1)->setFocus();
        QTest::qWait(20);
        EXPECT_EQ(Messages(), c.messages);
        if (!c.messages.empty()) {
            EXPECT_TRUE(dialog.CountBox(0)->hasFocus());
        }
    }
}

TEST_F(GridDialogTest, EnterMovesOnAndClosesOnlyOnOk) {
    CGridSetDlg dialog(request);
    ShowActive(dialog);
    dialog.CountBox(0)->setFocus();
    dialog.CountBox(0)->setEditText(QStringLiteral("20"));
    QTest::keyClick(dialog.CountBox(0), Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(dialog.CountBox(0)->hasFocus());
    QTest::qWait(20);
    EXPECT_TRUE(Messages().empty());
    QTest::keyClick(dialog.OkButton(), Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(request.data.across, 20);
}

TEST_F(GridDialogTest, OkHandsBackTheSwitchAndTheCounts) {
    CGridSetDlg dialog(request);
    ShowActive(dialog);
    dialog.SnapButton(false)->setChecked(true);
    dialog.CountBox(0)->setEditText(QString::fromUtf8("なし"));
    dialog.CountBox(1)->setEditText(QStringLiteral("12"));
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(request.data.snap, 0);
    EXPECT_EQ(request.data.across, 0);
    EXPECT_EQ(request.data.down, 12);
}

class SizeDialogTest : public DialogTest {
protected:
    SizeDialogTest() { layout.InitNew(); }
    CLayoutFileData layout;
};

TEST_F(SizeDialogTest, LeavingAHeightChecksWhatIsLeftForTheProcessRow) {
    SizeSetRequest request(CSizeSetData(layout), false);
    CSizeSetDlg dialog(request);
    ShowActive(dialog);
    QLineEdit* header = dialog.Field(kSizeHeader);
    QLineEdit* footer = dialog.Field(kSizeFooter);
    EXPECT_EQ(header->text(), QStringLiteral("300"));
    EXPECT_EQ(dialog.Field(kSizeProcess)->text(), QStringLiteral("1480"));

    footer->setFocus();
    footer->setText(QStringLiteral("200"));
    dialog.Field(kSizeDate)->setFocus();
    dialog.Field(kSizeDate)->setText(QStringLiteral("100"));
    header->setFocus();
    QTest::qWait(20);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(dialog.Field(kSizeProcess)->text(), QStringLiteral("1300"));

    // 2100 - 1101 - 200 - 100 - 100 - 100 leaves 499.
    header->setText(QStringLiteral("1101"));
    dialog.Field(kSizeDate)->setFocus();
    QTest::qWait(20);
    EXPECT_EQ(Messages(), (std::vector<UINT>{61206}));
    EXPECT_TRUE(dialog.Field(kSizeProcess)->hasFocus());

    // Back in the header, 1100 leaves the process row 500.
    header->setFocus();
    header->setText(QStringLiteral("1100"));
    dialog.Field(kSizeDate)->setFocus();
    QTest::qWait(20);
    EXPECT_EQ(Messages().size(), 1u);
    EXPECT_EQ(dialog.Field(kSizeProcess)->text(), QStringLiteral("500"));
}

TEST_F(SizeDialogTest, AValueOutsideItsRangeIsRefusedOnItsField) {
    SizeSetRequest request(CSizeSetData(layout), false);
    CSizeSetDlg dialog(request);
    ShowActive(dialog);
    dialog.Field(kSizeHeader)->setFocus();
    dialog.Field(kSizeHeader)->setText(QStringLiteral("49"));
    dialog.Field(kSizeDate)->setFocus();
    QTest::qWait(20);
    ASSERT_EQ(Messages(), (std::vector<UINT>{61715}));
    EXPECT_EQ(ui->MessageBoxes()[0].text, "50 から 5940 までの整数を入力してください。");
    EXPECT_TRUE(dialog.Field(kSizeHeader)->hasFocus());
    dialog.accept();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
}

TEST_F(SizeDialogTest, EnterMovesOnAndOkHandsTheValuesBack) {
    SizeSetRequest request(CSizeSetData(layout), false);
    CSizeSetDlg dialog(request);
    ShowActive(dialog);
    dialog.Field(kSizeHeader)->setFocus();
    QTest::keyClick(dialog.Field(kSizeHeader), Qt::Key_Return);
    EXPECT_TRUE(dialog.Field(kSizeDate)->hasFocus());
    EXPECT_TRUE(dialog.isVisible());
    dialog.Field(kSizeProcessLeft)->setText(QStringLiteral("50"));
    dialog.OkButton()->setFocus();
    QTest::keyClick(dialog.OkButton(), Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(request.data.GetValues()[kSizeProcessLeft], 50);
}

TEST_F(SizeDialogTest, TheTemporaryCopysPaperCannotBeChanged) {
    SizeSetRequest temporary(CSizeSetData(layout), true);
    CSizeSetDlg fixed(temporary);
    EXPECT_FALSE(fixed.PaperList()->isEnabled());
    SizeSetRequest ordinary(CSizeSetData(layout), false);
    CSizeSetDlg free(ordinary);
    EXPECT_TRUE(free.PaperList()->isEnabled());
    EXPECT_EQ(free.PaperList()->count(), 6);
    EXPECT_EQ(free.PaperList()->itemText(3), QString::fromUtf8("Ａ３縦"));
}

TEST_F(DialogTest, TheInitialSettingsResetAndCheckTheirWidths) {
    InitSetRequest request(CInitSetData::kStoredForm);
    CAppSettings app;
    request.data.Load(app);
    CInitSetDlg dialog(request);
    ShowActive(dialog);
    EXPECT_TRUE(dialog.BandButton(1)->isChecked());
    EXPECT_EQ(dialog.WidthField(kWidthBold)->text(), QStringLiteral("6"));
    dialog.ResetButton()->click();
    EXPECT_EQ(dialog.WidthField(kWidthBold)->text(), QStringLiteral("5"));

    dialog.WidthField(kWidthThin)->setText(QStringLiteral("51"));
    dialog.accept();
    EXPECT_EQ(Messages(), (std::vector<UINT>{61715}));
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    dialog.WidthField(kWidthThin)->setText(QStringLiteral("2"));
    dialog.MultipleButton(1)->setChecked(true);
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(request.data.thinWidth, 2);
    EXPECT_EQ(request.data.boldWidth, 5);
    EXPECT_EQ(request.data.multiple, 1);
}

TEST_F(DialogTest, TheInitialSettingsMoveOnWithEnterAndCloseOnlyOnOk) {
    InitSetRequest request(CInitSetData::kStoredForm);
    CAppSettings app;
    request.data.Load(app);
    CInitSetDlg dialog(request);
    ShowActive(dialog);
    dialog.WidthField(kWidthNormal)->setFocus();
    QTest::keyClick(dialog.WidthField(kWidthNormal), Qt::Key_Return);
    EXPECT_TRUE(dialog.WidthField(kWidthThin)->hasFocus());
    EXPECT_TRUE(dialog.isVisible());

    dialog.WidthField(kWidthThin)->setText(QStringLiteral("51"));
    QTest::keyClick(dialog.WidthField(kWidthThin), Qt::Key_Return);
    EXPECT_TRUE(Messages().empty()) << "Enter in a field checks nothing";
    QTest::keyClick(dialog.OkButton(), Qt::Key_Return);
    EXPECT_EQ(Messages(), (std::vector<UINT>{61715}));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(dialog.WidthField(kWidthThin)->hasFocus());
    dialog.WidthField(kWidthThin)->setText(QStringLiteral("2"));
    QTest::keyClick(dialog.OkButton(), Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(request.data.thinWidth, 2);
}

TEST_F(DialogTest, AnInputAreaIsNamedFromTheBaseNamesOrByATypedName) {
    CMarquellDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(Layout("a.lyt", 0, 0).string()));
    CPaperData& paper = doc.GetCurrentPaper();
    int chosen = 1;
    CPHeadInputArea created;
    created.SetFrameRect(CRect(100, -100, 600, -200));
    InputAreaNameRequest request(CInputAreaNameData(paper, doc.GetOwner(), created, chosen));
    CInputAreaNameDlg dialog(request);
    ShowActive(dialog);
    QComboBox* names = dialog.NameBox();
    ASSERT_EQ(names->count(), 5);
    EXPECT_EQ(names->itemText(0), QString::fromUtf8("工事名称"));
    EXPECT_EQ(names->itemText(4), QString::fromUtf8("部署名"));
    EXPECT_EQ(names->lineEdit()->maxLength(), 50);
    // Opening the list on an empty name shows the name chosen last.
    names->showPopup();
    EXPECT_EQ(names->currentIndex(), 1);
    names->hidePopup();
    emit names->activated(3);
    EXPECT_EQ(chosen, 3);

    struct Case {
        const char* typed;
        UINT message;
        const char* left; // the name box afterwards
    };
    const Case cases[] = {
        {"", 61216, ""},
        {"　 ", 61251, ""},
        {"A\\nB", 61251, ""},
        {"工事名称", 61213, "工事名称"}, // placed on the standard layout's paper
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        ui->ClearRecords();
        names->setEditText(QString::fromUtf8(c.typed));
        dialog.accept();
        EXPECT_EQ(Messages(), (std::vector<UINT>{c.message}));
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(names->currentText(), QString::fromUtf8(c.left));
    }
    // A default text the file cannot keep is refused where it stands; the name stays.
    ui->ClearRecords();
    names->setEditText(QString::fromUtf8("担当者"));
    dialog.DefaultTextField()->setPlainText(QStringLiteral("a\\nb"));
    dialog.accept();
    EXPECT_EQ(Messages(), (std::vector<UINT>{61251}));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(names->currentText(), QString::fromUtf8("担当者"));
    EXPECT_TRUE(dialog.DefaultTextField()->hasFocus());

    ui->ClearRecords();
    dialog.DefaultTextField()->setPlainText(QStringLiteral("a\nb"));
    dialog.accept();
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(created.GetName(), J("担当者"));
    EXPECT_EQ(created.GetDefaultText(), "a\r\nb");
}

TEST_F(DialogTest, AnAreaReadAsNoBaseAreaKeepsItsName) {
    CMarquellDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(Layout("a.lyt", 0, 0).string()));
    int chosen = 0;
    CPHeadInputArea area;
    area.SetBaseFlag(0);
    InputAreaNameRequest request(
        CInputAreaNameData(doc.GetCurrentPaper(), doc.GetOwner(), area, chosen));
    CInputAreaNameDlg dialog(request);
    EXPECT_FALSE(dialog.NameBox()->isEnabled());
}

TEST_F(DialogTest, TheBaseNamesListAddsDeletesAndIsStoredForTheNextStart) {
    BaseInputAreaNamesRequest request;
    CBaseInputAreaNameDlg dialog(request);
    ShowActive(dialog);
    ASSERT_EQ(dialog.List()->count(), 2); // from the editor's key
    EXPECT_FALSE(dialog.AddButton()->isEnabled());
    EXPECT_FALSE(dialog.DeleteButton()->isEnabled());
    const auto add = [&](const char* name) {
        dialog.NewNameField()->setFocus();
        QTest::keyClicks(dialog.NewNameField(), QString::fromUtf8(name));
        EXPECT_TRUE(dialog.AddButton()->isEnabled());
        dialog.AddButton()->click();
        EXPECT_FALSE(dialog.AddButton()->isEnabled());
        EXPECT_TRUE(dialog.NewNameField()->text().isEmpty());
    };
    add("ABC");
    add("AB");
    add("abc");
    EXPECT_EQ(Messages(), (std::vector<UINT>{61243}));
    ASSERT_EQ(dialog.List()->count(), 4);
    // Enter in the field moves on; it does not store the list.
    dialog.NewNameField()->setFocus();
    QTest::keyClick(dialog.NewNameField(), Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible());
    // The company's name goes.
    dialog.List()->setCurrentIndex(0);
    emit dialog.List()->activated(0);
    EXPECT_TRUE(dialog.DeleteButton()->isEnabled());
    dialog.DeleteButton()->click();
    EXPECT_FALSE(dialog.DeleteButton()->isEnabled());
    EXPECT_EQ(dialog.List()->currentText(), QString::fromUtf8("部署名"));

    ui->ClearRecords();
    dialog.OkButton()->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(Messages(), (std::vector<UINT>{61249}));
    EXPECT_EQ(tembra::GetProfileInt(J("固定Ｂ"), "CurUser", 0), 1u);
    EXPECT_EQ(tembra::GetProfileString(J("固定Ｂ"), "InputArea1", ""),
              J("\"部署名\", 0, 0, 0, 0, \"ＭＳ 明朝\", 24, 12, 1, 1, 0"));
    EXPECT_EQ(tembra::GetProfileString(J("固定Ｂ"), "InputArea3", ""),
              J("\"AB\", 0, 0, 0, 0, \"ＭＳ 明朝\", 24, 12, 1, 1, 0"));
    EXPECT_EQ(tembra::GetProfileString(J("固定Ｂ"), "InputArea4", ""), "");
}

TEST_F(DialogTest, TheBaseNamesListCancelledWritesNothing) {
    BaseInputAreaNamesRequest request;
    CBaseInputAreaNameDlg dialog(request);
    ShowActive(dialog);
    QTest::keyClicks(dialog.NewNameField(), QStringLiteral("X"));
    dialog.AddButton()->click();
    dialog.reject();
    EXPECT_EQ(tembra::GetProfileInt(J("固定Ｂ"), "CurUser", 0), 0u);
    EXPECT_EQ(tembra::GetProfileString(J("固定Ｂ"), "InputArea1", ""), "");
}

} // namespace
} // namespace marquell
