// The term list window over a CP932 term file: the boxes after a pattern is chosen, the
// reading per column, the joined text sent to the owner and taken back by a right click, and
// the place kept as five numbers.
#include "dialogs/settings/YogoListDlg.h"

#include "platform/Profile.h"
#include "support/Cp932Text.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"
#include "support/qt/DialogControls.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <cstdio>

namespace tembra {
namespace {

using test::Control;
using test::J;

const char* const kYogoIni = "[Pattern]\r\n0=建築\r\n1=土木\r\n"
                             "[建築]\r\n0=躯体\r\n"
                             "[土木]\r\n0=土工\r\n"
                             "[躯体]\r\n部位=部位\r\n;隠し=部位\r\n作業=作業\r\n工程=工程\r\n"
                             "[土工]\r\n場所=作業\r\n"
                             "[部位]\r\n柱=はしら\r\n床=ゆか\r\n;壁=かべ\r\n"
                             "[作業]\r\n配筋=はいきん\r\n型枠=かたわく\r\n"
                             "[工程]\r\n着手=ちゃくしゅ\r\n完了=かんりょう\r\n";

std::vector<std::string> Texts(const QListWidget& list) {
    std::vector<std::string> texts;
    for (int i = 0; i < list.count(); ++i) {
        texts.push_back(list.item(i)->text().toStdString());
    }
    return texts;
}

class YogoListDlgTest : public ::testing::Test {
protected:
    YogoListDlgTest()
        : dialog(paths.Dir().Write("YOGO.INI", J(kYogoIni)),
                 [this](int mode, const std::string& text) { sent.emplace_back(mode, text); }) {
        dialog.Open();
    }
    QListWidget* List(int c) { return Control<QListWidget>(dialog, CYogoListDlg::IDC_LIST1 + c); }
    QLineEdit* Reading() { return Control<QLineEdit>(dialog, CYogoListDlg::IDC_READING); }
    void Pick(int c, int row) {
        QListWidget* list = List(c);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
    }

    test::ScopedPaths paths;
    test::ScopedUi ui;
    std::vector<std::pair<int, std::string>> sent;
    CYogoListDlg dialog;
};

TEST_F(YogoListDlgTest, ColumnsShowTheirKeysAndAReadingFiltersOneColumn) {
    dialog.show();
    // It opens wide enough for the lists and the whole button pad, "0" last.
    for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
        if (button->text() == "0") {
            EXPECT_GE(dialog.width(), button->mapTo(&dialog, QPoint(button->width(), 0)).x());
        }
    }
    EXPECT_GE(dialog.width(), List(3)->mapTo(&dialog, QPoint(List(3)->width(), 0)).x());
    EXPECT_EQ(Control<QComboBox>(dialog, CYogoListDlg::IDC_PATTERN)->count(), 2);
    EXPECT_EQ(Control<QComboBox>(dialog, CYogoListDlg::IDC_GROUP)->currentText().toStdString(),
              "躯体");
    EXPECT_EQ(Texts(*List(0)), (std::vector<std::string>{"柱", "床"}));
    EXPECT_EQ(Texts(*List(1)), (std::vector<std::string>{"配筋", "型枠"}));
    EXPECT_EQ(Texts(*List(2)), (std::vector<std::string>{"着手", "完了"}));
    EXPECT_TRUE(Texts(*List(3)).empty()) << "the group has three keys";
    EXPECT_EQ(Control<QComboBox>(dialog, CYogoListDlg::IDC_KEY1 + 1)->currentText().toStdString(),
              "作業");

    // Column 2's reading: typed with a kana button and in the field.
    Control<QRadioButton>(dialog, CYogoListDlg::IDC_COLUMN1 + 1)->click();
    Reading()->insert(QString::fromUtf8("か"));
    EXPECT_EQ(Texts(*List(1)), (std::vector<std::string>{"型枠"}));
    EXPECT_EQ(Texts(*List(0)), (std::vector<std::string>{"柱", "床"}));
    QTest::keyClicks(Reading(), QString::fromUtf8("x"));
    EXPECT_TRUE(Texts(*List(1)).empty());
    Control<QPushButton>(dialog, CYogoListDlg::IDC_BACKSPACE)->click();
    EXPECT_EQ(Reading()->text().toStdString(), "か");

    // Column 1 shows its own (empty) reading; back on column 2 its reading is there again.
    Control<QRadioButton>(dialog, CYogoListDlg::IDC_COLUMN1)->click();
    EXPECT_EQ(Reading()->text().toStdString(), "");
    EXPECT_EQ(Texts(*List(1)), (std::vector<std::string>{"型枠"})) << "no list reloaded";
    Control<QRadioButton>(dialog, CYogoListDlg::IDC_COLUMN1 + 1)->click();
    EXPECT_EQ(Reading()->text().toStdString(), "か");
    Reading()->clear();
    EXPECT_EQ(Texts(*List(1)), (std::vector<std::string>{"配筋", "型枠"}));

    // Another pattern: its group 0.
    Control<QComboBox>(dialog, CYogoListDlg::IDC_PATTERN)->setCurrentIndex(1);
    EXPECT_EQ(Texts(*List(0)), (std::vector<std::string>{"配筋", "型枠"}));
    EXPECT_TRUE(Texts(*List(1)).empty());
}

TEST_F(YogoListDlgTest, PickedWordsAreJoinedAndSentToReplaceTheTermBarText) {
    dialog.show();
    Pick(0, 0);
    Pick(2, 1);
    const std::pair<int, std::string> joined{0, J("柱完了")};
    EXPECT_EQ(std::count(sent.begin(), sent.end(), joined), 1);
    EXPECT_EQ(sent.back(), joined);
    EXPECT_EQ(dialog.windowTitle().toStdString(), "柱完了");

    // A right click takes column 1's word out.
    QTest::mouseClick(List(0)->viewport(), Qt::RightButton, {},
                      List(0)->visualItemRect(List(0)->item(0)).center());
    EXPECT_EQ(sent.back(), (std::pair<int, std::string>{0, J("完了")}));
    QTest::mouseClick(List(2)->viewport(), Qt::RightButton, {},
                      List(2)->visualItemRect(List(2)->item(1)).center());
    EXPECT_EQ(dialog.windowTitle().toStdString(), "用語一覧");
    EXPECT_EQ(sent.back(), (std::pair<int, std::string>{0, J("完了")})) << "nothing sent";
}

TEST_F(YogoListDlgTest, ThePlaceIsKeptAsFiveNumbers) {
    dialog.setGeometry(100, 120, dialog.width(), 400);
    dialog.show();
    dialog.SavePosition();
    const std::string stored = GetProfileString("Settings", CYogoListDlg::kPositionKey);
    int n[5] = {};
    ASSERT_EQ(std::sscanf(stored.c_str(), "%d,%d,%d,%d,%d", &n[0], &n[1], &n[2], &n[3], &n[4]), 5)
        << stored;
    EXPECT_EQ(n[4], 1);

    CYogoListDlg again(paths.Dir().File("YOGO.INI"), nullptr);
    again.Open();
    EXPECT_EQ(again.frameGeometry().topLeft(), QPoint(n[0], n[1]));
}

} // namespace
} // namespace tembra
