// The MY term list driven through its widgets: groups made, renamed and deleted, terms added and
// stored, the search, the terms sent to the term bar, the names and terms the file could not
// keep, and its place with the registration panel open and closed.
#include "shell/MyYogoDlg.h"
#include "platform/Profile.h"
#include "platform/Sjis.h"
#include "shell/YogoGroupNameDlg.h"
#include "support/Cp932Text.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"
#include "support/qt/DialogControls.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace tembra {
namespace {

using test::Control;
using test::J;
using test::WhenShown;

class MyYogoDlgTest : public ::testing::Test {
protected:
    MyYogoDlgTest()
        : dialog(dir.File("MYYOGO.INI"),
                 {[this](int mode, const std::string& text) { sent.emplace_back(mode, text); },
                  [] {
                      return std::vector<std::string>{"", J("鉄筋"), "Abc"};
                  },
                  [] { return nullptr; }}) {}

    void Click(int id) { Control<QPushButton>(dialog, id)->click(); }
    // The name dialog, each time it shows, gets the next name and 決定 (取消 for an empty one).
    static void AnswerNames(std::vector<std::string> names) {
        if (names.empty()) {
            return;
        }
        WhenShown<CYogoGroupNameDlg>([names](CYogoGroupNameDlg& dialog) {
            const std::string name = names.front();
            AnswerNames(std::vector<std::string>(names.begin() + 1, names.end()));
            Control<QLineEdit>(dialog, CYogoGroupNameDlg::IDC_NAME)
                ->setText(QString::fromStdString(Sjis::ToUtf8(name)));
            Control<QPushButton>(dialog, name.empty() ? 2 : 1)->click();
        });
    }
    static void AnswerName(const std::string& name) { AnswerNames({name}); }
    void Type(int id, const char* utf8) {
        auto* field = Control<QLineEdit>(dialog, id);
        field->setText(QString::fromUtf8(utf8));
    }
    std::vector<std::string> Listed() {
        std::vector<std::string> terms;
        auto* list = Control<QListWidget>(dialog, CMyYogoDlg::IDC_TERMS);
        for (int i = 0; i < list->count(); ++i) {
            terms.push_back(list->item(i)->text().toStdString());
        }
        return terms;
    }
    // A group with its terms, through the panel.
    void MakeGroup(const char* name, std::initializer_list<const char*> terms) {
        AnswerName(J(name));
        Click(CMyYogoDlg::IDC_NEW_GROUP);
        for (const char* term : terms) {
            Type(CMyYogoDlg::IDC_CANDIDATE_TEXT, term);
            Click(CMyYogoDlg::IDC_ADD);
        }
        Click(CMyYogoDlg::IDC_STORE);
    }

    test::ScopedPaths paths;
    test::ScopedUi ui;
    test::TempDir dir;
    std::vector<std::pair<int, std::string>> sent;
    CMyYogoDlg dialog;
};

TEST_F(MyYogoDlgTest, AGroupAndTwoTermsStoredInTheFile) {
    dialog.Open();
    dialog.show();
    AnswerName(J("ゾーン"));
    Click(CMyYogoDlg::IDC_OPEN_PANEL); // no group yet: 新規作成 runs at once
    EXPECT_TRUE(dialog.IsExpanded());
    EXPECT_EQ(test::TempDir::Read(dir.File("MYYOGO.INI")), J("[GroupName]\r\nゾーン=\r\n"));
    EXPECT_EQ(dialog.CurrentGroup(), J("ゾーン"));

    Type(CMyYogoDlg::IDC_CANDIDATE_TEXT, "躯体");
    Click(CMyYogoDlg::IDC_ADD);
    Type(CMyYogoDlg::IDC_CANDIDATE_TEXT, "Abc");
    Click(CMyYogoDlg::IDC_ADD);
    Click(CMyYogoDlg::IDC_ADD); // the same again: the list keeps one
    EXPECT_EQ(Listed(), (std::vector<std::string>{"Abc", "躯体"}));
    EXPECT_EQ(test::TempDir::Read(dir.File("MYYOGO.INI")), J("[GroupName]\r\nゾーン=\r\n"))
        << "<< alone writes nothing";
    Click(CMyYogoDlg::IDC_STORE);
    EXPECT_EQ(test::TempDir::Read(dir.File("MYYOGO.INI")),
              J("[GroupName]\r\nゾーン=\r\n[ゾーン]\r\nAbc=\r\n躯体=\r\n"));

    // >> takes a term back out into the candidate text; without 更新 the file keeps it.
    Control<QListWidget>(dialog, CMyYogoDlg::IDC_TERMS)->setCurrentRow(0);
    Click(CMyYogoDlg::IDC_REMOVE);
    EXPECT_EQ(Listed(), std::vector<std::string>{"躯体"});
    EXPECT_EQ(Control<QLineEdit>(dialog, CMyYogoDlg::IDC_CANDIDATE_TEXT)->text(), "Abc");
    Click(CMyYogoDlg::IDC_CLOSE_PANEL);
    dialog.Open();
    EXPECT_EQ(Listed(), (std::vector<std::string>{"Abc", "躯体"}));
}

TEST_F(MyYogoDlgTest, TermsTheFileCannotKeepAreRefusedWithAMessage) {
    dialog.Open();
    MakeGroup("g", {"Abc"});
    for (const char* term : {";x", "a=b", "ABC"}) {
        Type(CMyYogoDlg::IDC_CANDIDATE_TEXT, term);
        Click(CMyYogoDlg::IDC_ADD);
        EXPECT_EQ(Listed(), std::vector<std::string>{"Abc"}) << term;
    }
    EXPECT_EQ(ui->MessageBoxes().size(), 3u);
}

TEST_F(MyYogoDlgTest, ATakenOrUnusableGroupNameAsksAgain) {
    dialog.Open();
    MakeGroup("Zone", {});
    MakeGroup("Other", {});
    ASSERT_EQ(dialog.CurrentGroup(), "Other");
    // Renamed to a name in use (in another case): 5115, the dialog again; then "GroupName":
    // our message, the dialog again; then cancelled.
    AnswerNames({"zone", "GroupName", ""});
    Click(CMyYogoDlg::IDC_RENAME_GROUP);
    ASSERT_EQ(ui->MessageBoxes().size(), 2u);
    EXPECT_EQ(ui->MessageBoxes()[0].stringId, 5115u);
    EXPECT_EQ(ui->MessageBoxes()[1].text, "「GroupName」はグループ名に使えません。");
    EXPECT_EQ(dialog.File().Groups(), (std::vector<std::string>{"Other", "Zone"}));

    // A free name is applied, the terms go with it.
    AnswerName("Third");
    Click(CMyYogoDlg::IDC_RENAME_GROUP);
    EXPECT_EQ(dialog.File().Groups(), (std::vector<std::string>{"Third", "Zone"}));
}

TEST_F(MyYogoDlgTest, DeletingAsksTwice) {
    dialog.Open();
    MakeGroup("A", {"t"});
    struct Case {
        int first;
        int second;
        bool deleted;
    };
    for (const Case c :
         {Case{IDCANCEL, IDOK, false}, Case{IDOK, IDCANCEL, false}, Case{IDOK, IDOK, true}}) {
        ui->QueueAnswer(c.first);
        ui->QueueAnswer(c.second);
        const std::size_t before = ui->MessageBoxes().size();
        Click(CMyYogoDlg::IDC_DELETE_GROUP);
        EXPECT_EQ(dialog.File().HasGroup("A"), !c.deleted);
        ASSERT_GT(ui->MessageBoxes().size(), before);
        EXPECT_EQ(ui->MessageBoxes()[before].text, "グループ「A」を削除します");
        if (c.first == IDOK) {
            EXPECT_EQ(ui->MessageBoxes()[before + 1].stringId, 1068u);
        }
        while (ui->PendingAnswers() > 0) {
            ui->MessageBox("", MB_OK, 0); // take an unused answer
        }
    }
    EXPECT_TRUE(Listed().empty());
    EXPECT_TRUE(dialog.File().Terms("A", "").empty());
}

TEST_F(MyYogoDlgTest, TheSearchAndTheTermsSent) {
    dialog.Open();
    MakeGroup("g", {"abc", "xaby", "zz"});
    Click(CMyYogoDlg::IDC_CLOSE_PANEL);
    struct Case {
        const char* search;
        std::vector<std::string> terms;
    };
    for (const Case& c : {Case{"", {"abc", "xaby", "zz"}}, Case{"*", {"abc", "xaby", "zz"}},
                          Case{"ab", {"abc", "xaby"}}}) {
        Type(CMyYogoDlg::IDC_SEARCH, c.search);
        EXPECT_EQ(Listed(), c.terms) << c.search;
    }
    auto* list = Control<QListWidget>(dialog, CMyYogoDlg::IDC_TERMS);
    list->setCurrentRow(1);
    Control<QRadioButton>(dialog, CMyYogoDlg::IDC_APPEND)->click();
    list->setCurrentRow(0);
    Click(CMyYogoDlg::IDC_CLEAR);
    EXPECT_EQ(sent, (std::vector<std::pair<int, std::string>>{{0, "xaby"}, {1, "abc"}, {0, ""}}));

    // While the panel is open a selection sends nothing.
    sent.clear();
    Click(CMyYogoDlg::IDC_OPEN_PANEL);
    list->setCurrentRow(2);
    EXPECT_TRUE(sent.empty());
}

TEST_F(MyYogoDlgTest, TheCandidatesFromTheHistory) {
    dialog.Open();
    MakeGroup("g", {});
    Click(CMyYogoDlg::IDC_OPEN_PANEL);
    auto* candidates = Control<QListWidget>(dialog, CMyYogoDlg::IDC_CANDIDATES);
    ASSERT_EQ(candidates->count(), 2) << "the empty entry is left out";
    candidates->setCurrentRow(1);
    EXPECT_EQ(Control<QLineEdit>(dialog, CMyYogoDlg::IDC_CANDIDATE_TEXT)->text(),
              QString::fromUtf8("鉄筋"));
}

TEST_F(MyYogoDlgTest, ThePlaceKeepsTheCollapsedWidthAndTheEdgeMovesTheOpenPanel) {
    const QRect desktop = QGuiApplication::primaryScreen()->availableGeometry();
    WriteProfileString(
        "Settings", CMyYogoDlg::kPositionKey,
        (std::to_string(desktop.right() - CMyYogoDlg::kCollapsedWidth) + ",50,999,400,1").c_str());
    dialog.Open();
    dialog.show();
    const QRect collapsed = dialog.geometry();
    EXPECT_EQ(collapsed.width(), CMyYogoDlg::kCollapsedWidth);
    EXPECT_EQ(collapsed.height(), 400);

    MakeGroup("g", {});
    Click(CMyYogoDlg::IDC_OPEN_PANEL);
    EXPECT_EQ(dialog.geometry().width(), CMyYogoDlg::kExpandedWidth);
    EXPECT_LE(dialog.geometry().right(), desktop.right()) << "moved left onto the desktop";
    EXPECT_LT(dialog.geometry().left(), collapsed.left());

    // Stored while open: the collapsed width and place, shown.
    dialog.SavePosition();
    EXPECT_EQ(dialog.geometry(), collapsed) << "closing the panel moved it back";
    EXPECT_EQ(GetProfileString("Settings", CMyYogoDlg::kPositionKey),
              std::to_string(collapsed.left()) + ",50," +
                  std::to_string(CMyYogoDlg::kCollapsedWidth) + ",400,1");
}

} // namespace
} // namespace tembra
