// The term bar and the process bar of the running main frame as the document and the view reach
// them through the application's state: the text cut as the document wants it, the focus and
// the modified mark, the input history and the colour lists.
#include "ShellFixture.h"

#include "platform/Sjis.h"
#include "shell/ProcessColorBar.h"
#include "shell/YogoBar.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <string>

namespace tembra {
namespace {

class TermBarTest : public test::ShellFixture {
protected:
    void SetUp() override {
        ASSERT_FALSE(Start());
        Frame().show();
        QApplication::setActiveWindow(&Frame());
        test::WaitUntil([this] { return Frame().isActiveWindow(); });
    }
    CAppState& State() { return app->State(); }
    QComboBox* Terms() { return Frame().YogoBar()->YogoCombo(); }
    void Type(const QString& text) {
        Terms()->setEditText(text);
        Terms()->lineEdit()->setModified(false);
    }
    std::vector<QString> History() {
        std::vector<QString> entries;
        for (int i = 0; i < Terms()->count(); ++i) {
            entries.push_back(Terms()->itemText(i));
        }
        return entries;
    }
};

TEST_F(TermBarTest, TheFrameRegistersItsBars) {
    EXPECT_EQ(State().GetYogoBar(), Frame().YogoBar());
    EXPECT_EQ(State().GetKouteiBar(), Frame().KouteiBar());
}

TEST_F(TermBarTest, TheTextIsCutAsTheDocumentTakesIt) {
    struct Case {
        const char* name;
        QString typed;
        std::string expected; // CP932
    };
    const Case cases[] = {
        {"trailing blanks", "ab  ", "ab"},
        {"blanks inside stay", " a b", " a b"},
        {"130 ASCII characters", QString(130, 'x'), std::string(128, 'x')},
        {"65 double-byte ones", QString(65, QChar(0x3042)),
         Sjis::FromUtf8(QString(64, QChar(0x3042)).toStdString())},
        {"empty", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Type(c.typed);
        EXPECT_EQ(State().GetYogoText(), c.expected);
    }
}

TEST_F(TermBarTest, TheProgramsTextClearsTheMarkAndAKeySetsIt) {
    QWidget elsewhere(&Frame());
    elsewhere.setFocusPolicy(Qt::StrongFocus);
    elsewhere.setFocus();
    State().SetEditModify(true);
    State().SetYogoText(Sjis::FromUtf8("基礎"));
    EXPECT_EQ(Terms()->currentText(), QString::fromUtf8("基礎"));
    EXPECT_TRUE(Terms()->hasFocus() || Terms()->lineEdit()->hasFocus());
    EXPECT_FALSE(State().IsEditModified());

    QTest::keyClick(Terms()->lineEdit(), Qt::Key_A);
    EXPECT_TRUE(State().IsEditModified());
    EXPECT_EQ(State().GetYogoText(), Sjis::FromUtf8("基礎a"));
    State().SetEditModify(false);
    EXPECT_FALSE(Terms()->lineEdit()->isModified());
}

TEST_F(TermBarTest, FocusSelectsTheWholeTextWhenTheBarIsShown) {
    Type("abc");
    Terms()->lineEdit()->setSelection(0, 1);
    State().FocusYogoCombo(0);
    EXPECT_EQ(Terms()->lineEdit()->selectedText(), "a") << "bits that meet no shown flag";
    State().FocusYogoCombo(1);
    EXPECT_EQ(Terms()->lineEdit()->selectedText(), "abc");
}

TEST_F(TermBarTest, TheHistoryKeepsTheLastDistinctTexts) {
    Type("typed");
    for (int i = 0; i < CYogoBar::kMaxHistory; ++i) {
        State().AddYogoHistory(std::to_string(i));
    }
    ASSERT_EQ(Terms()->count(), CYogoBar::kMaxHistory);
    EXPECT_EQ(Terms()->currentText(), "typed") << "the list leaves the typed text alone";

    struct Case {
        const char* name;
        std::string text;
        QString first;
        QString last;
    };
    const Case cases[] = {
        {"an existing text", "17", "0", "255"},
        {"an empty text", "", "0", "255"},
        {"a 257th distinct text drops entry 0", "new", "1", "new"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        State().AddYogoHistory(c.text);
        const std::vector<QString> entries = History();
        ASSERT_EQ(entries.size(), static_cast<std::size_t>(CYogoBar::kMaxHistory));
        EXPECT_EQ(entries.front(), c.first);
        EXPECT_EQ(entries.back(), c.last);
    }
    EXPECT_EQ(Terms()->currentText(), "typed");
}

TEST_F(TermBarTest, CommitPutsTheCutTextIntoTheHistory) {
    Type(QString::fromUtf8("基礎工事 "));
    State().CommitYogoText();
    ASSERT_EQ(History().size(), 1U);
    EXPECT_EQ(History().front(), QString::fromUtf8("基礎工事"));
    EXPECT_EQ(Terms()->currentText(), QString::fromUtf8("基礎工事 "));
}

TEST_F(TermBarTest, TheColourListsShowTheColourTheDocumentTells) {
    State().SetYogoCustomColor(RGB(1, 2, 3));
    State().SetKouteiCustomColor(RGB(9, 8, 7));
    struct Case {
        const char* name;
        COLORREF told;
        int index;
        COLORREF read; // what the bar answers after
    };
    const Case cases[] = {
        {"red", RGB(255, 0, 0), 1, RGB(255, 0, 0)},
        {"yellow", RGB(255, 255, 0), 5, RGB(255, 255, 0)},
        {"a colour of none of the six", RGB(10, 20, 30), 6, 0},
        {"black", RGB(0, 0, 0), 0, RGB(0, 0, 0)},
    };
    QComboBox* processColors = Frame().KouteiBar()->ColorCombo();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        State().SetYogoColor(c.told);
        EXPECT_EQ(State().GetYogoColorIndex(), c.index);
        EXPECT_EQ(State().GetYogoColor(), c.index == 6 ? RGB(1, 2, 3) : c.read)
            << "entry 6 stands for the custom term colour";
        State().SetKouteiColor(c.told);
        EXPECT_EQ(processColors->currentIndex(), c.index);
        EXPECT_EQ(State().GetKouteiColorIndex(), c.index);
        EXPECT_EQ(State().GetKouteiColor(), c.index == 6 ? RGB(9, 8, 7) : c.read);
    }
}

TEST_F(TermBarTest, TheEventBarsEntrySixIsTheCustomEventColour) {
    State().SetEventCustomColor(RGB(4, 5, 6));
    ASSERT_TRUE(Frame().CreateYogoBar(0));
    State().SetYogoColor(RGB(100, 100, 100));
    EXPECT_EQ(State().GetYogoColor(), RGB(4, 5, 6));
}

TEST_F(TermBarTest, AHiddenOrDisabledBarIsSeenAsSuch) {
    EXPECT_TRUE(State().IsYogoBarVisible());
    Frame().YogoBar()->hide();
    EXPECT_FALSE(State().IsYogoBarVisible());
    State().SetYogoComboActive(false);
    EXPECT_FALSE(Terms()->isEnabled());
    State().SetYogoComboActive(true);
    EXPECT_TRUE(Terms()->isEnabled());
}

} // namespace
} // namespace tembra
