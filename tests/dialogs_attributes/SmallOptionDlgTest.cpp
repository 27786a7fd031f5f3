// The dotted-line options, the node size and the row deletion offscreen: what they show for the
// values preset, what they hand back, and the node size's range.
#include "dialogs/attributes/DotLineDlg.h"
#include "dialogs/attributes/FineDotLineDlg.h"
#include "dialogs/attributes/LineDeleteDlg.h"
#include "dialogs/attributes/NodeSizeDlg.h"
#include "dialogs/attributes/RegisterAttributeDialogs.h"

#include "dialogs_attributes/DialogTestSupport.h"
#include "document/AttrDialogRequests.h"
#include "document/EditDialogRequests.h"
#include "platform/RangeMessage.h"
#include "support/ScriptedUi.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace tembra {
namespace {

using test::Control;

void Ok(QDialog& d) {
    Control<QPushButton>(d, 1)->click();
}

class SmallOptionDlgTest : public ::testing::Test {
protected:
    test::ScopedUi ui;
};

// A stored dash of 0 opens on "10" and is stored as 10; a stored fine width of 7 on 標準.
TEST_F(SmallOptionDlgTest, DottedLinesShowTheDefaultsForStoredValuesOutsideTheLists) {
    CDotLineDlg dots;
    dots.fields = LoadDotLine(true, 2, 0, 20);
    dots.show();
    EXPECT_EQ(Control<QComboBox>(dots, CDotLineDlg::IDC_DASH)->currentText(), "10");
    EXPECT_EQ(Control<QComboBox>(dots, CDotLineDlg::IDC_GAP)->currentText(), "20");
    EXPECT_TRUE(Control<QComboBox>(dots, CDotLineDlg::IDC_WIDTH)->isEnabled());
    Control<QRadioButton>(dots, CDotLineDlg::IDC_NORMAL)->click();
    EXPECT_FALSE(Control<QComboBox>(dots, CDotLineDlg::IDC_DASH)->isEnabled());
    Ok(dots);
    EXPECT_EQ(dots.fields.method, 0);
    EXPECT_EQ(DotLineDash(dots.fields), 10);
    EXPECT_EQ(dots.fields.width, 2);

    CDotLineDlg normal;
    normal.fields = LoadDotLine(false, 1, 5, 5);
    normal.show();
    EXPECT_FALSE(Control<QComboBox>(normal, CDotLineDlg::IDC_WIDTH)->isEnabled());
    Control<QRadioButton>(normal, CDotLineDlg::IDC_EXTENDED)->click();
    EXPECT_TRUE(Control<QComboBox>(normal, CDotLineDlg::IDC_WIDTH)->isEnabled());

    CFineDotLineDlg fine;
    fine.index = FineDotIndex(7);
    fine.show();
    EXPECT_TRUE(Control<QRadioButton>(fine, 2035)->isChecked());
    Ok(fine);
    EXPECT_EQ(FineDotWidth(fine.index), 2);
}

TEST_F(SmallOptionDlgTest, NodeSizeRangeAndPresets) {
    struct Case {
        const char* typed;
        int preset; // a button clicked after typing, 0 none
        bool taken;
        int size;
    };
    const Case cases[] = {
        {"1001", 0, false, 100},
        {"0", 0, false, 100},
        {"1000", 0, true, 1000},
        {"1", 0, true, 1},
        {"1001", CNodeSizeDlg::IDC_THREE, true, 300},
        {"7", CNodeSizeDlg::IDC_HALF, true, 50},
    };
    for (const Case& c : cases) {
        ui->ClearRecords();
        NodeSizeDlgRequest request;
        CNodeSizeDlg dialog(request);
        dialog.show();
        QLineEdit* size = Control<QLineEdit>(dialog, CNodeSizeDlg::IDC_SIZE);
        EXPECT_EQ(size->text(), "100");
        size->setText(c.typed);
        if (c.preset != 0) {
            Control<QPushButton>(dialog, c.preset)->click();
        }
        Ok(dialog);
        EXPECT_EQ(dialog.result() == QDialog::Accepted, c.taken) << c.typed;
        EXPECT_EQ(request.size, c.size) << c.typed;
        EXPECT_EQ(ui->MessageIds(),
                  c.taken ? std::vector<UINT>{} : std::vector<UINT>{IDS_VALUE_RANGE})
            << c.typed;
    }
}

TEST_F(SmallOptionDlgTest, RowDeletionAnswersItsRequest) {
    test::KeepingRegistry registry;
    RegisterAttributeDialogs(registry);
    LineDeleteDlgRequest request;
    test::WhenShown<CLineDeleteDlg>([](CLineDeleteDlg& d) {
        EXPECT_TRUE(Control<QRadioButton>(d, CLineDeleteDlg::IDC_DELETE)->isChecked());
        Control<QRadioButton>(d, CLineDeleteDlg::IDC_BLANK)->click();
        Ok(d);
    });
    EXPECT_EQ(registry.Run(request), IDOK);
    EXPECT_EQ(request.method, 1);
    NodeSizeDlgRequest size;
    size.size = 250;
    test::WhenShown<CNodeSizeDlg>([](CNodeSizeDlg& d) {
        Control<QPushButton>(d, CNodeSizeDlg::IDC_TWO)->click();
        d.reject();
    });
    EXPECT_EQ(registry.Run(size), IDCANCEL);
    EXPECT_EQ(size.size, 250);
}

} // namespace
} // namespace tembra
