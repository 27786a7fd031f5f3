// The term bar's history between runs, its clearing command and its edit field: the history file
// read when the bar is made (cut, damaged or missing files too) and rewritten at closing, the
// question before the list is emptied, the text the next key is compared with, and what Delete
// in the field does in each operation and mode of the active chart.
#include "ShellFixture.h"

#include "model/ConfigBase.h"
#include "model/ConfigPath.h"
#include "model/OperationState.h"
#include "platform/Sjis.h"
#include "shell/YogoBar.h"
#include "shell/YogoEdit.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace tembra {
namespace {

void WriteFile(const std::filesystem::path& file, const std::string& bytes) {
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
}

class TermHistoryTest : public test::ShellFixture {
protected:
    std::filesystem::path HistoryFile() {
        return ConfigPathToFs(app->Config().GetPath().GetHistoryFilePath());
    }
    // The path the program reads its history from, known before the run that reads it.
    std::filesystem::path HistoryFileOfTheNextRun() {
        EXPECT_FALSE(Start());
        const std::filesystem::path file = HistoryFile();
        app.reset();
        return file;
    }
    CYogoBar& Bar() { return *Frame().YogoBar(); }
    QComboBox* Terms() { return Bar().YogoCombo(); }
    std::vector<std::string> Utf8History() {
        std::vector<std::string> entries;
        for (const std::string& entry : app->State().GetYogoHistory()) {
            entries.push_back(Sjis::ToUtf8(entry));
        }
        return entries;
    }
};

TEST_F(TermHistoryTest, TheBarReadsWhatTheFileHolds) {
    const std::string dbcs = Sjis::FromUtf8("あ");
    struct Case {
        const char* name;
        std::string bytes; // the file's contents (CP932); empty: no file
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"no file", "", {}},
        {"keys up to the first missing one",
         "[PUBLIC]\r\n0=a\r\n1=b\r\n2=c\r\n4=e\r\n",
         {"a", "b", "c"}},
        {"an empty value ends the list", "[PUBLIC]\r\n0=a\r\n1=\r\n2=c\r\n", {"a"}},
        {"a long value is cut before a double-byte character it would split",
         "[PUBLIC]\r\n0=" + std::string(255, 'x') + dbcs + "y\r\n",
         {std::string(255, 'x')}},
        {"a damaged file gives what reads",
         std::string("[PUBLIC]\r\n0=a\r\n\0\0\x81\xFF garbage\r\n[\r\n1=b\r\n", 37),
         {"a"}},
        {"another section only", "[PRIVATE]\r\n0=a\r\n", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::filesystem::path file = HistoryFileOfTheNextRun();
        std::filesystem::remove_all(file);
        if (!c.bytes.empty()) {
            WriteFile(file, c.bytes);
        }
        ASSERT_FALSE(Start());
        ASSERT_NE(Frame().YogoBar(), nullptr);
        EXPECT_EQ(Utf8History(), c.expected);
        app.reset();
    }
}

TEST_F(TermHistoryTest, AnUnreadableFileGivesAnEmptyListAndTheBar) {
    const std::filesystem::path file = HistoryFileOfTheNextRun();
    std::filesystem::create_directories(file / "sub");
    ASSERT_FALSE(Start());
    ASSERT_NE(Frame().YogoBar(), nullptr);
    EXPECT_TRUE(app->State().GetYogoHistory().empty());
    app->State().AddYogoHistory("a");
    // Closing cannot write it either and goes on; what was there stays.
    EXPECT_TRUE(Frame().close());
    EXPECT_TRUE(std::filesystem::is_directory(file / "sub"));
}

TEST_F(TermHistoryTest, ClosingRewritesTheFileAndTheNextRunReadsIt) {
    const std::filesystem::path file = HistoryFileOfTheNextRun();
    // Keys that the new list no longer holds go; other sections stay.
    WriteFile(file, "[PUBLIC]\r\n0=old\r\n1=older\r\n2=oldest\r\n[Other]\r\nk=v\r\n");
    ASSERT_FALSE(Start());
    Bar().ClearHistory();
    app->State().AddYogoHistory(Sjis::FromUtf8("基礎"));
    app->State().AddYogoHistory("b");
    EXPECT_TRUE(Frame().close());
    const std::string written = test::TempDir::Read(file);
    EXPECT_EQ(written.find("old"), std::string::npos) << written;
    EXPECT_NE(written.find("k=v"), std::string::npos) << written;

    ASSERT_FALSE(Start());
    EXPECT_EQ(Utf8History(), (std::vector<std::string>{"基礎", "b"}));
}

TEST_F(TermHistoryTest, ClearingAsksFirst) {
    ASSERT_FALSE(Start());
    struct Case {
        const char* name;
        int answer;
        bool emptied;
    };
    const Case cases[] = {{"No keeps the list", IDNO, false}, {"Yes empties it", IDYES, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        app->State().AddYogoHistory("a");
        Terms()->setEditText("typed");
        Terms()->lineEdit()->setModified(true);
        ui.QueueAnswer(c.answer);
        app->Router().Execute(33041);
        ASSERT_FALSE(ui.MessageBoxes().empty());
        EXPECT_EQ(ui.MessageBoxes().back().stringId, 5087U);
        EXPECT_EQ(app->State().GetYogoHistory().empty(), c.emptied);
        EXPECT_EQ(Terms()->currentText(), "typed") << "the field keeps its text";
        EXPECT_TRUE(Terms()->lineEdit()->isModified());
    }
}

TEST_F(TermHistoryTest, AKeyMarksATextTheProgramPutInWithoutTellingTheField) {
    ASSERT_FALSE(Start());
    Frame().show();
    QApplication::setActiveWindow(&Frame());
    CYogoEdit* edit = Bar().Edit();
    struct Case {
        const char* name;
        std::string lastText; // CP932
        bool sync;            // the field's own text becomes the last text
        bool marked;
    };
    const Case cases[] = {
        {"a text other than the last", "other", false, true},
        {"the same text", "shown", false, false},
        {"the field's text made the last one", "other", true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Terms()->setEditText("shown");
        edit->setModified(false);
        app->State().SetLastText(c.lastText);
        if (c.sync) {
            app->State().SyncLastText();
        }
        // A key that changes no text: only the comparison can mark the field.
        QTest::keyClick(edit, Qt::Key_Shift);
        EXPECT_EQ(edit->isModified(), c.marked);
        EXPECT_EQ(edit->LastText(), "shown");
    }
    app->State().SetYogoText("put");
    EXPECT_EQ(edit->LastText(), "put");
}

TEST_F(TermHistoryTest, DeleteInTheFieldDeletesChartObjectsOrText) {
    test::TempDir files;
    const std::filesystem::path sample = test::CopyOfSample(files, "sample.tbr");
    ASSERT_FALSE(Start());
    Frame().show();
    QApplication::setActiveWindow(&Frame());
    CTembraDoc* doc = app->OpenDocumentFile(sample.string());
    ASSERT_NE(doc, nullptr);
    QApplication::processEvents();
    CYogoEdit* edit = Bar().Edit();
    int sent = 0;
    edit->SetDeleteCommand([&sent] { ++sent; });

    using S = COperationState;
    struct Case {
        const char* name;
        LONG operation;
        LONG mode;
        WORD state;
        bool modified;
        bool selection; // "bc" of "abc" selected, else the cursor before "a"
        bool sends;
        QString textAfter; // the key passed on edits the text
    };
    const Case cases[] = {
        {"edit, term, untouched selection", S::kOpEdit, S::kModeYogo, 0, false, true, true, "abc"},
        {"edit, term, typed", S::kOpEdit, S::kModeYogo, 0, true, true, false, "a"},
        {"edit, term, no selection", S::kOpEdit, S::kModeYogo, 0, false, false, false, "bc"},
        {"edit, event, untouched selection", S::kOpEdit, S::kModeEvent, 0, false, true, true,
         "abc"},
        {"edit, item, untouched selection", S::kOpEdit, S::kModeKoumoku, 0, false, true, true,
         "abc"},
        {"draw, item, untouched selection", S::kOpDraw, S::kModeKoumoku, 0, false, true, true,
         "abc"},
        {"draw, term, untouched", S::kOpDraw, S::kModeYogo, 0, false, false, true, "abc"},
        {"draw, term, typed", S::kOpDraw, S::kModeYogo, 0, true, false, false, "bc"},
        {"edit, process, untouched", S::kOpEdit, S::kModeKoutei, 0, false, false, true, "abc"},
        {"progress line, sub-state 0", S::kOpEdit, S::kModeShincyoku, 0, false, false, true, "bc"},
        {"progress line, sub-state 0, typed", S::kOpDraw, S::kModeShincyoku, 0, true, false, true,
         "bc"},
        {"progress line, later sub-state", S::kOpEdit, S::kModeShincyoku, 1, false, false, false,
         "bc"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        doc->GetOperation().ChangeMode(c.mode);
        doc->GetOperation().ChangeOperation(c.operation);
        doc->GetOperation().SetState(c.state);
        ASSERT_EQ(doc->GetOperation().GetMode(), c.mode);
        ASSERT_EQ(doc->GetOperation().GetOperation(), c.operation);
        Terms()->setEditText("abc");
        if (c.selection) {
            edit->setSelection(1, 2);
        } else {
            edit->setCursorPosition(0);
        }
        edit->setModified(c.modified);
        sent = 0;
        QTest::keyPress(edit, Qt::Key_Delete);
        EXPECT_EQ(sent, c.sends ? 1 : 0);
        EXPECT_EQ(edit->text(), c.textAfter);
    }
}

TEST_F(TermHistoryTest, TheChartsAcceleratorsPassTheFieldBy) {
    ASSERT_FALSE(Start());
    Frame().show();
    QApplication::setActiveWindow(&Frame());
    CYogoEdit* edit = Bar().Edit();
    edit->setFocus();
    test::WaitUntil([edit] { return edit->hasFocus(); });
    struct Case {
        const char* name;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        UINT command;
    };
    const Case cases[] = {
        // (Cut, copy, paste and select all are the field's own editing keys.)
        {"Ctrl+Z", Qt::Key_Z, Qt::ControlModifier, 57643},
        {"F5", Qt::Key_F5, Qt::NoModifier, 32927},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QAction* action = Frame().Action(c.command);
        ASSERT_NE(action, nullptr);
        int triggered = 0;
        const QMetaObject::Connection counting =
            QObject::connect(action, &QAction::triggered, [&triggered] { ++triggered; });
        Terms()->setEditText("abc");
        edit->selectAll();
        QTest::keyClick(edit, c.key, c.modifiers);
        QObject::disconnect(counting);
        EXPECT_EQ(triggered, 1);
        EXPECT_EQ(edit->text(), "abc");
    }
    // Keys of its own the field still takes.
    edit->setCursorPosition(3);
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(edit->text(), "ab");
}

TEST_F(TermHistoryTest, TheFieldTakes128BytesOfTyping) {
    ASSERT_FALSE(Start());
    CYogoEdit* edit = Bar().Edit();
    struct Case {
        const char* name;
        QString start;
        QString typed;
        QString expected;
    };
    const Case cases[] = {
        {"a kanji past 127 bytes", QString(127, 'a'), QString::fromUtf8("あ"), QString(127, 'a')},
        {"a letter up to 128 bytes", QString(127, 'a'), "b", QString(127, 'a') + "b"},
        {"a kanji after 63", QString(63, QChar(0x3042)), QString::fromUtf8("い"),
         QString(63, QChar(0x3042)) + QString::fromUtf8("い")},
        {"a 65th kanji", QString(64, QChar(0x3042)), QString::fromUtf8("い"),
         QString(64, QChar(0x3042))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Terms()->setEditText(c.start);
        edit->end(false);
        // Typed as an input method hands the text over (QTest types ASCII only).
        QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, c.typed);
        QApplication::sendEvent(edit, &key);
        EXPECT_EQ(edit->text(), c.expected);
    }
}

TEST_F(TermHistoryTest, WithoutAChartDeleteEditsTheText) {
    ASSERT_FALSE(Start());
    CYogoEdit* edit = Bar().Edit();
    int sent = 0;
    edit->SetDeleteCommand([&sent] { ++sent; });
    Terms()->setEditText("abc");
    edit->setCursorPosition(0);
    edit->setModified(false);
    QTest::keyPress(edit, Qt::Key_Delete);
    EXPECT_EQ(sent, 0);
    EXPECT_EQ(edit->text(), "bc");
}

} // namespace
} // namespace tembra
