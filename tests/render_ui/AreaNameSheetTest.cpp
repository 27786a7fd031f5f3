// The area-name sheet driven as a user would: the style radios switch the hidden tabs, the split
// checks rebuild the cell list, a cell's text and lines are edited, and 決定 writes the set.
#include "render/ui/AreaNameSheet.h"

#include "platform/qt/DialogRegistry.h"
#include "render/AreaNameSheetRequest.h"
#include "render/ui/AreaNameGridLineDlg.h"
#include "render/ui/AreaNameP1.h"
#include "render/ui/AreaNameP2.h"
#include "render/ui/AreaNameSlantLineDlg.h"
#include "render/ui/RegisterRenderDialogs.h"
#include "support/qt/DialogControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace tembra {
namespace {

using test::Control;

class AreaNameSheetTest : public testing::Test {
protected:
    AreaNameSheetTest() {
        set.SetDefaults();
        set.FindGrid(0, 0)->SetText("g00");
        set.FindSlant(10)->SetText("s10");
    }

    std::unique_ptr<CAreaNameSheet> Open(int dateRows, int* columns) {
        auto sheet = std::make_unique<CAreaNameSheet>(&set, dateRows, columns, LOGFONT(),
                                                      QStringLiteral("sheet"), nullptr);
        sheet->show();
        return sheet;
    }
    static std::vector<std::string> Entries(const CAreaNameSheet& sheet) {
        auto* list = Control<QListWidget>(*sheet.ExtendedPage(), CAreaNameP2::IDC_CELLS);
        std::vector<std::string> entries;
        for (int i = 0; i < list->count(); ++i) {
            entries.push_back(list->item(i)->text().toStdString());
        }
        return entries;
    }
    static void Check(const CAreaNameSheet& sheet, int id, bool on) {
        auto* box = Control<QCheckBox>(*sheet.ExtendedPage(), id);
        if (box->isChecked() != on) {
            box->click();
        }
    }

    CAreaNameSet set;
};

TEST_F(AreaNameSheetTest, TheStyleRadiosSwitchTheHiddenPagesAndOkWritesTheSet) {
    int columns = 3;
    auto sheet = Open(2, &columns);
    EXPECT_FALSE(sheet->Tabs()->tabBar()->isVisible());
    EXPECT_EQ(sheet->Tabs()->currentWidget(), sheet->StandardPage());

    Control<QRadioButton>(*sheet->StandardPage(), CAreaNameP1::IDC_STYLE_EXTENDED)->click();
    ASSERT_EQ(sheet->Tabs()->currentWidget(), sheet->ExtendedPage());
    EXPECT_TRUE(Control<QRadioButton>(*sheet->ExtendedPage(), CAreaNameP2::IDC_STYLE_EXTENDED)
                    ->isChecked());
    EXPECT_TRUE(Control<QRadioButton>(*sheet->StandardPage(), CAreaNameP1::IDC_STYLE_EXTENDED)
                    ->isChecked());
    EXPECT_EQ(Control<QComboBox>(*sheet->ExtendedPage(), CAreaNameP2::IDC_COLUMNS)->currentText(),
              "3");

    Check(*sheet, CAreaNameP2::IDC_BY_COLUMNS, true);
    std::vector<std::string> entries = Entries(*sheet);
    ASSERT_EQ(entries.size(), 30u);
    EXPECT_EQ(entries[0], "*1-1");
    EXPECT_EQ(entries[2], "*1-3");
    EXPECT_EQ(entries[3], " 1-4");
    EXPECT_EQ(entries.back(), " 3-10");

    // The first entry is selected and its text shown; the second one takes a new text.
    auto* text = Control<QLineEdit>(*sheet->ExtendedPage(), CAreaNameP2::IDC_CELL_TEXT);
    EXPECT_EQ(text->text(), "g00");
    Control<QListWidget>(*sheet->ExtendedPage(), CAreaNameP2::IDC_CELLS)->setCurrentRow(1);
    text->clear();
    QTest::keyClicks(text, "abc");

    // Four columns: the list is rebuilt and the first entry selected again.
    Control<QComboBox>(*sheet->ExtendedPage(), CAreaNameP2::IDC_COLUMNS)->setCurrentIndex(3);
    EXPECT_EQ(Entries(*sheet)[3], "*1-4");
    EXPECT_EQ(Control<QListWidget>(*sheet->ExtendedPage(), CAreaNameP2::IDC_CELLS)->currentRow(),
              0);

    sheet->OkButton()->click();
    EXPECT_EQ(sheet->result(), QDialog::Accepted);
    EXPECT_EQ(set.GetStyle(), CAreaNameSet::kStyleGrid);
    EXPECT_EQ(set.GetBunkatuOpt(), CAreaNameSet::kSplitByColumns);
    EXPECT_EQ(columns, 4);
    EXPECT_EQ(set.FindGrid(0, 1)->GetText(), "abc");
    EXPECT_EQ(set.FindGrid(0, 0)->GetText(), "g00");
}

TEST_F(AreaNameSheetTest, WithoutTheExtendedPageTheCellsStayAndTheHeadingsAreWritten) {
    set.SetKoumokuColumnCount(2);
    auto sheet = Open(2, nullptr);
    auto* hizuke = Control<QLineEdit>(*sheet->StandardPage(), CAreaNameP1::IDC_HIZUKE_NAME);
    hizuke->clear();
    QTest::keyClicks(hizuke, "date");
    Control<QComboBox>(*sheet->StandardPage(), CAreaNameP1::IDC_COLUMNS)->setCurrentIndex(4);
    // What the sheet's copies hold must not reach the set unless the page was shown.
    sheet->Values().cells.FindGrid(0, 0)->SetText("changed");
    sheet->OkButton()->click();
    EXPECT_EQ(set.GetHizukeName(), "date");
    EXPECT_EQ(set.GetKoumokuColumnCount(), 5);
    EXPECT_EQ(set.GetStyle(), CAreaNameSet::kStyleStandard);
    EXPECT_EQ(set.FindGrid(0, 0)->GetText(), "g00");
}

TEST_F(AreaNameSheetTest, TheDiagonalListsTheDateRowsAndLeavesTheFrameWithoutLineSettings) {
    set.SetStyle(CAreaNameSet::kStyleSlant);
    set.SetBunkatuOpt(CAreaNameSet::kSplitByRows);
    int columns = 1;
    auto sheet = Open(2, &columns);
    ASSERT_EQ(sheet->Tabs()->currentWidget(), sheet->ExtendedPage());
    EXPECT_TRUE(Control<QCheckBox>(*sheet->ExtendedPage(), CAreaNameP2::IDC_SLANT)->isChecked());
    const std::vector<std::string> entries = Entries(*sheet);
    ASSERT_GE(entries.size(), 3u);
    EXPECT_EQ(std::vector<std::string>(entries.begin(), entries.begin() + 3),
              (std::vector<std::string>{"*1", "*a", "*b"}));
    EXPECT_EQ(entries.back(), " c");

    auto* list = Control<QListWidget>(*sheet->ExtendedPage(), CAreaNameP2::IDC_CELLS);
    auto* line = Control<QPushButton>(*sheet->ExtendedPage(), CAreaNameP2::IDC_CELL_LINE);
    const std::map<int, bool> lineSettings = {{0, true}, {1, true}, {2, false}};
    for (const auto& [row, enabled] : lineSettings) {
        list->setCurrentRow(row);
        EXPECT_EQ(line->isEnabled(), enabled) << row;
    }
    list->setCurrentRow(1);
    EXPECT_EQ(Control<QLineEdit>(*sheet->ExtendedPage(), CAreaNameP2::IDC_CELL_TEXT)->text(),
              "s10");

    // The diagonal of "*a" hidden through its line dialog.
    test::WhenShown<CAreaNameSlantLineDlg>([](CAreaNameSlantLineDlg& dialog) {
        Control<QCheckBox>(dialog, CAreaNameSlantLineDlg::IDC_HIDE_SLANT)->click();
        dialog.accept();
    });
    line->click();
    sheet->OkButton()->click();
    EXPECT_EQ(set.FindSlant(10)->GetLineType(), -1);
    EXPECT_EQ(set.GetStyle(), CAreaNameSet::kStyleSlant);

    // Unchecking the diagonal makes it a grid.
    sheet = Open(2, &columns);
    Check(*sheet, CAreaNameP2::IDC_SLANT, false);
    EXPECT_EQ(Entries(*sheet)[1], "*2-1");
    sheet->OkButton()->click();
    EXPECT_EQ(set.GetStyle(), CAreaNameSet::kStyleGrid);
}

TEST_F(AreaNameSheetTest, AHeaderWithoutDateRowsShowsOneRow) {
    set.SetStyle(CAreaNameSet::kStyleGrid);
    set.SetBunkatuOpt(CAreaNameSet::kSplitByRows | CAreaNameSet::kSplitByColumns);
    int columns = 2;
    auto sheet = Open(0, &columns);
    EXPECT_EQ(Entries(*sheet)[1], "*1-2");
    EXPECT_EQ(Entries(*sheet)[2], " 1-3");
    Check(*sheet, CAreaNameP2::IDC_SLANT, true);
    EXPECT_EQ(Entries(*sheet)[2], "*a");
    EXPECT_EQ(Entries(*sheet)[3], " 3");
    // Drawn in both splits without a division by the rows.
    sheet->ExtendedPage()->grab();
}

TEST_F(AreaNameSheetTest, TheGridLinesAreHiddenOrSolid) {
    CAreaNameDataGrid cell(0, 0);
    cell.SetLine2Type(-1);
    CAreaNameGridLineDlg dialog(cell, nullptr);
    EXPECT_FALSE(Control<QCheckBox>(dialog, CAreaNameGridLineDlg::IDC_HIDE_RIGHT)->isChecked());
    EXPECT_TRUE(Control<QCheckBox>(dialog, CAreaNameGridLineDlg::IDC_HIDE_BOTTOM)->isChecked());
    Control<QCheckBox>(dialog, CAreaNameGridLineDlg::IDC_HIDE_RIGHT)->click();
    Control<QCheckBox>(dialog, CAreaNameGridLineDlg::IDC_HIDE_BOTTOM)->click();
    dialog.StoreInto(cell);
    EXPECT_EQ(cell.GetLineType(), -1);
    EXPECT_EQ(cell.GetLine2Type(), 0);
}

// Records the names a registration function registers and keeps the handlers.
class KeepingRegistry : public IDialogRegistry {
public:
    void Register(const std::string& name, DialogHandler handler) override {
        handlers[name] = std::move(handler);
    }
    QWidget* DialogParent() const override { return nullptr; }
    std::map<std::string, DialogHandler> handlers;
};

TEST_F(AreaNameSheetTest, TheRequestIsAnsweredByTheSheetOnItsCopy) {
    KeepingRegistry registry;
    RegisterRenderDialogs(registry);
    ASSERT_EQ(registry.handlers.count("AreaNameSheet"), 1u);
    AreaNameSheetRequest request;
    request.areaNames = set;
    request.dateRows = 1;
    request.itemColumns = 2;
    test::WhenShown<CAreaNameSheet>([](CAreaNameSheet& sheet) {
        auto* koumoku = Control<QLineEdit>(*sheet.StandardPage(), CAreaNameP1::IDC_KOUMOKU_NAME);
        koumoku->clear();
        QTest::keyClicks(koumoku, "items");
        Control<QComboBox>(*sheet.StandardPage(), CAreaNameP1::IDC_COLUMNS)->setCurrentIndex(5);
        sheet.OkButton()->click();
    });
    EXPECT_EQ(registry.handlers["AreaNameSheet"](request), IDOK);
    EXPECT_EQ(request.areaNames.GetKoumokuName(), "items");
    EXPECT_EQ(request.itemColumns, 6);

    test::WhenShown<CAreaNameSheet>([](CAreaNameSheet& sheet) {
        Control<QComboBox>(*sheet.StandardPage(), CAreaNameP1::IDC_COLUMNS)->setCurrentIndex(1);
        sheet.CancelButton()->click();
    });
    EXPECT_EQ(registry.handlers["AreaNameSheet"](request), IDCANCEL);
    EXPECT_EQ(request.itemColumns, 6);
}

} // namespace
} // namespace tembra
