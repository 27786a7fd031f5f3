// The tool-bar customisation offscreen: what the lists show for a stored set, the reset presets
// of every bar, what 決定 saves, the combo entries and separators that stay, and 更新 followed by
// 取消 putting the bars back without saving.
#include "shell/ToolbarSetDlg.h"

#include "platform/Profile.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"
#include "support/qt/DialogControls.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <string>
#include <vector>

namespace tembra {
namespace {

using test::Control;
using Dlg = CToolbarSetDlg;
using Texts = std::vector<std::string>;

class ToolbarSetDlgTest : public ::testing::Test {
protected:
    ToolbarSetDlgTest() { sets.LoadToolBarSettings(0xFFFF, FALSE); }

    static QListWidget* List(const QWidget& d, int id) { return Control<QListWidget>(d, id); }
    static void Click(const QWidget& d, int id) { Control<QPushButton>(d, id)->click(); }
    static std::vector<int> Numbers(const QListWidget* list) {
        std::vector<int> numbers;
        for (int i = 0; i < list->count(); ++i) {
            numbers.push_back(list->item(i)->data(Qt::UserRole).toInt());
        }
        return numbers;
    }
    static Texts Shown(const QListWidget* list) {
        Texts texts;
        for (int i = 0; i < list->count(); ++i) {
            texts.push_back(list->item(i)->text().toStdString());
        }
        return texts;
    }
    // Puts the focus on a list (arming its button) and selects a row.
    static void Pick(Dlg& d, int id, int row) {
        QListWidget* list = List(d, id);
        list->setFocus();
        list->setCurrentRow(row);
    }
    static void Activate(Dlg& d) {
        d.show();
        d.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
    }

    test::ScopedPaths paths;
    test::ScopedUi ui;
    CToolBarSets sets;
    int recreated = 0;
    std::function<void()> recreate = [this] { ++recreated; };
};

TEST_F(ToolbarSetDlgTest, AStoredSetShowsItsButtonsAndSeparators) {
    WriteProfileString(CToolBarSets::kSection, "ToolBar", "3,1,0,2");
    sets.LoadToolBarSettings(0xFFFF, FALSE);
    Dlg dialog(sets, recreate);
    dialog.show();
    const QListWidget* set = List(dialog, Dlg::IDC_SET);
    EXPECT_EQ(Shown(set),
              (Texts{CToolBarSets::ButtonName(1, 1), "  区切り", CToolBarSets::ButtonName(1, 2)}));
    EXPECT_EQ(set->sizeHintForRow(0), 22);
    const QListWidget* available = List(dialog, Dlg::IDC_AVAILABLE);
    EXPECT_EQ(available->count(), 43); // 44 buttons less two, and the separator item
    EXPECT_EQ(available->item(0)->text().toStdString(), CToolBarSets::ButtonName(1, 3));
    EXPECT_EQ(available->item(42)->text().toStdString(), "  区切り");
    EXPECT_EQ(Control<QLabel>(dialog, Dlg::IDC_LABEL)->text(),
              QString::fromUtf8("[メインツールバー]"));
}

TEST_F(ToolbarSetDlgTest, EachResetOnEachTabGivesThePresetOfTheBar) {
    const int counts[6][3] = {{26, 35, 47}, {17, 26, 30}, {16, 24, 32},
                              {16, 24, 35}, {26, 35, 46}, {27, 31, 45}};
    Dlg dialog(sets, recreate);
    dialog.show();
    for (int bar = 1; bar <= 6; ++bar) {
        Click(dialog, Dlg::IDC_FIRST_TAB + bar - 1);
        for (int preset = 0; preset < 3; ++preset) {
            SCOPED_TRACE(::testing::Message() << "bar " << bar << " preset " << preset);
            Click(dialog, Dlg::IDC_RESET_SHORT + preset);
            EXPECT_EQ(List(dialog, Dlg::IDC_SET)->count(), counts[bar - 1][preset]);
            EXPECT_EQ(Numbers(List(dialog, Dlg::IDC_SET)),
                      CToolBarSets::PresetArray(bar, static_cast<CToolBarSets::Preset>(preset)));
        }
    }
}

TEST_F(ToolbarSetDlgTest, OkSavesEverySetAndMediumResetOnOneTabResetsAllSix) {
    Dlg shortReset(sets, recreate);
    shortReset.show();
    Click(shortReset, Dlg::IDC_RESET_SHORT);
    Click(shortReset, IDOK);
    EXPECT_EQ(GetProfileString(CToolBarSets::kSection, "KoumokuBar"),
              "17,1,0,2,0,3,0,4,0,5,6,7,0,14,0,19,0,20");

    Dlg medium(sets, recreate);
    medium.show();
    Click(medium, Dlg::IDC_FIRST_TAB + 4); // 工程
    Click(medium, Dlg::IDC_RESET_MEDIUM);
    Click(medium, IDOK);
    for (int bar = 1; bar <= 6; ++bar) {
        EXPECT_EQ(sets.GetToolBarArray(bar),
                  CToolBarSets::PresetArray(bar, CToolBarSets::kPresetMedium))
            << bar;
        EXPECT_EQ(GetProfileString(CToolBarSets::kSection, CToolBarSets::Key(bar)),
                  CToolBarSets::FormatSetValue(
                      CToolBarSets::PresetArray(bar, CToolBarSets::kPresetMedium)))
            << bar;
    }
    EXPECT_EQ(recreated, 0);
}

TEST_F(ToolbarSetDlgTest, CombosMoveButNeverLeaveAndTheSeparatorItemStays) {
    sets.SetToolBarArray(5, std::vector<int>{1, 40, 2});
    Dlg dialog(sets, recreate);
    Activate(dialog);
    Click(dialog, Dlg::IDC_FIRST_TAB + 4);
    EXPECT_FALSE(Control<QPushButton>(dialog, Dlg::IDC_REMOVE)->isEnabled());
    Pick(dialog, Dlg::IDC_SET, 1); // 色コンボ
    EXPECT_FALSE(Control<QPushButton>(dialog, Dlg::IDC_REMOVE)->isEnabled());
    Click(dialog, Dlg::IDC_UP);
    EXPECT_EQ(Numbers(List(dialog, Dlg::IDC_SET)), (std::vector<int>{40, 1, 2}));
    EXPECT_EQ(List(dialog, Dlg::IDC_SET)->currentRow(), 0);
    emit List(dialog, Dlg::IDC_SET)->itemDoubleClicked(List(dialog, Dlg::IDC_SET)->item(0));
    EXPECT_EQ(Numbers(List(dialog, Dlg::IDC_SET)), (std::vector<int>{40, 1, 2}));

    // The separator item goes in as a separator and stays on the left, last.
    QListWidget* available = List(dialog, Dlg::IDC_AVAILABLE);
    const int separatorRow = available->count() - 1;
    Pick(dialog, Dlg::IDC_AVAILABLE, separatorRow);
    Click(dialog, Dlg::IDC_ADD);
    Click(dialog, Dlg::IDC_ADD);
    EXPECT_EQ(available->count(), separatorRow + 1);
    EXPECT_EQ(available->item(separatorRow)->data(Qt::UserRole).toInt(),
              CToolBarListEditor::kSeparatorItem);
    // Each goes before the selected 色コンボ, which stays selected after them.
    EXPECT_EQ(Numbers(List(dialog, Dlg::IDC_SET)), (std::vector<int>{0, 0, 40, 1, 2}));
    EXPECT_EQ(List(dialog, Dlg::IDC_SET)->currentRow(), 2);
}

TEST_F(ToolbarSetDlgTest, RemovingEveryButtonLeavesOneSeparator) {
    Dlg dialog(sets, recreate);
    Activate(dialog);
    Click(dialog, Dlg::IDC_FIRST_TAB + 5); // 線画: no combo
    Pick(dialog, Dlg::IDC_SET, 0);
    QPushButton* remove = Control<QPushButton>(dialog, Dlg::IDC_REMOVE);
    while (remove->isEnabled()) {
        remove->click();
    }
    EXPECT_EQ(Shown(List(dialog, Dlg::IDC_SET)), (Texts{"  区切り"}));
    EXPECT_EQ(List(dialog, Dlg::IDC_AVAILABLE)->count(), 37);
}

TEST_F(ToolbarSetDlgTest, ApplyThenCancelShowsTheBarsAsTheyWereAndSavesNothing) {
    const std::vector<int> before = sets.GetToolBarArray(5);
    Dlg dialog(sets, recreate);
    Activate(dialog);
    Click(dialog, Dlg::IDC_FIRST_TAB + 4);
    Pick(dialog, Dlg::IDC_SET, 2);
    Click(dialog, Dlg::IDC_REMOVE);
    Click(dialog, Dlg::IDC_REMOVE);
    Click(dialog, Dlg::IDC_APPLY);
    EXPECT_EQ(recreated, 1);
    EXPECT_EQ(sets.GetToolBarArray(5).size(), before.size() - 2);
    Click(dialog, IDCANCEL);
    EXPECT_EQ(recreated, 2);
    EXPECT_EQ(sets.GetToolBarArray(5), before);
    EXPECT_EQ(GetProfileString(CToolBarSets::kSection, "KouteiBar"), "");
}

} // namespace
} // namespace tembra
