// The text settings of an area-name cell: the size refused below 1, bold and the vertical
// alignment into the style flags, the face into the cell's own font, the free colour from the
// colour dialog, and 決定 without a face as 取消.
#include "render/ui/AreaNameFontDlg.h"

#include "model/AreaNameDataGrid.h"
#include "model/Utility.h"
#include "platform/ColorRequest.h"
#include "support/ScriptedUi.h"
#include "support/qt/DialogControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <cstring>

namespace tembra {
namespace {

using test::Control;

AreaNameFontValues Start(int mode = AreaNameFontValues::kGrid) {
    CAreaNameDataGrid cell(0, 0);
    LOGFONT base;
    base.lfHeight = -30;
    return AreaNameFontValues::FromCell(cell, base, mode);
}

void TypeSize(CAreaNameFontDlg& dialog, const char* size) {
    auto* edit = Control<QComboBox>(dialog, CAreaNameFontDlg::IDC_SIZE)->lineEdit();
    edit->selectAll();
    QTest::keyClicks(edit, size);
    QTest::keyClick(edit, Qt::Key_Return);
}

TEST(AreaNameFontDlgTest, OkWithAFaceSizesTheFontAndSetsTheFlags) {
    CAreaNameFontDlg dialog(Start(), nullptr);
    dialog.show();
    auto* faces = Control<QListWidget>(dialog, CAreaNameFontDlg::IDC_FACES);
    ASSERT_GT(faces->count(), 0);
    for (int i = 0; i < faces->count(); ++i) {
        EXPECT_FALSE(faces->item(i)->text().startsWith('@')) << "no vertical faces";
    }
    auto* size = Control<QComboBox>(dialog, CAreaNameFontDlg::IDC_SIZE);
    EXPECT_EQ(size->currentText(), "30");
    EXPECT_TRUE(Control<QCheckBox>(dialog, CAreaNameFontDlg::IDC_BASE_FONT)->isChecked());

    faces->setCurrentRow(0);
    EXPECT_FALSE(Control<QCheckBox>(dialog, CAreaNameFontDlg::IDC_BASE_FONT)->isChecked())
        << "a face chosen is the cell's own";
    // Below 1 or no number: the last good size comes back.
    for (const char* refused : {"0", "-5", "x"}) {
        TypeSize(dialog, "40");
        TypeSize(dialog, refused);
        EXPECT_EQ(size->currentText(), "40") << refused;
    }
    Control<QCheckBox>(dialog, CAreaNameFontDlg::IDC_BOLD)->click();
    Control<QRadioButton>(dialog, CAreaNameFontDlg::IDC_BOTTOM)->click();
    Control<QRadioButton>(dialog, CAreaNameFontDlg::IDC_RIGHT)->click();
    dialog.accept();
    ASSERT_EQ(dialog.result(), QDialog::Accepted);

    CAreaNameDataGrid cell(0, 0);
    dialog.Values().StoreInto(cell);
    EXPECT_EQ(cell.GetLogFont().lfHeight, -40);
    EXPECT_EQ(cell.GetLogFont().lfWidth, 20);
    EXPECT_EQ(cell.GetStyle(), 0x204);
    EXPECT_EQ(cell.GetOwnFont(), 1);
    EXPECT_EQ(cell.GetAlign(), CAreaNameData::kAlignRight);
    EXPECT_FALSE(cell.GetLogFont().FaceName().empty());
}

TEST(AreaNameFontDlgTest, OkWithoutAFaceIsCancel) {
    AreaNameFontValues start = Start();
    std::strcpy(start.font.lfFaceName, "no such face");
    CAreaNameFontDlg dialog(start, nullptr);
    dialog.show();
    ASSERT_EQ(Control<QListWidget>(dialog, CAreaNameFontDlg::IDC_FACES)->currentRow(), -1);
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

TEST(AreaNameFontDlgTest, TheHeadingsHaveNoAlignment) {
    CAreaNameFontDlg heading(Start(AreaNameFontValues::kHeading), nullptr);
    EXPECT_FALSE(Control<QRadioButton>(heading, CAreaNameFontDlg::IDC_LEFT)->isEnabled());
    EXPECT_FALSE(Control<QRadioButton>(heading, CAreaNameFontDlg::IDC_TOP)->isEnabled());
    CAreaNameFontDlg slant(Start(AreaNameFontValues::kSlant), nullptr);
    EXPECT_TRUE(Control<QRadioButton>(slant, CAreaNameFontDlg::IDC_LEFT)->isEnabled());
}

TEST(AreaNameFontDlgTest, TheFreeColourComesFromTheColourDialogAndCancelKeepsTheLast) {
    test::ScopedUi ui;
    CAreaNameFontDlg dialog(Start(), nullptr);
    auto* color = Control<QComboBox>(dialog, CAreaNameFontDlg::IDC_COLOR);
    color->setCurrentIndex(1);
    emit color->activated(1);

    ui->OnDialog("Color", [](DialogRequest&) { return IDCANCEL; });
    color->setCurrentIndex(kOtherColorIndex);
    emit color->activated(kOtherColorIndex);
    EXPECT_EQ(color->currentIndex(), 1);
    EXPECT_EQ(dialog.Values().colorIndex, 1);

    ui->OnDialog("Color", [](DialogRequest& r) {
        static_cast<ColorRequest&>(r).color = RGB(10, 20, 30);
        return IDOK;
    });
    color->setCurrentIndex(kOtherColorIndex);
    emit color->activated(kOtherColorIndex);
    CAreaNameDataGrid cell(0, 0);
    dialog.Values().StoreInto(cell);
    EXPECT_EQ(cell.GetTextColor(), RGB(10, 20, 30));
}

} // namespace
} // namespace tembra
