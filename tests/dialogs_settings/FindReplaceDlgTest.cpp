// The select and replace dialog through its request: the lists from the term bar's history, the
// caption and enabling per mode, what each action button hands back, the empty target refused,
// and Enter moving on from the target.
#include "dialogs/settings/FindReplaceDlg.h"
#include "dialogs/settings/RegisterSettingsDialogs.h"

#include "dialogs_attributes/DialogTestSupport.h"
#include "document/AppState.h"
#include "document/EditDialogRequests.h"
#include "model/OperationState.h"
#include "support/Cp932Text.h"
#include "support/ScriptedUi.h"
#include "support/qt/DialogControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace tembra {
namespace {

using test::Control;
using test::J;

using Op = COperationState;

std::vector<std::string> Items(const QComboBox& box) {
    std::vector<std::string> items;
    for (int i = 0; i < box.count(); ++i) {
        items.push_back(box.itemText(i).toStdString());
    }
    return items;
}

class FindReplaceDlgTest : public ::testing::Test {
protected:
    FindReplaceDlgTest() { RegisterSettingsDialogs(registry); }

    FindReplaceDlgRequest Request(LONG mode, LONG operation, bool selection) {
        FindReplaceDlgRequest request;
        request.mode = mode;
        request.operation = operation;
        request.selectionAvailable = selection;
        return request;
    }

    test::ScopedUi ui;
    test::KeepingRegistry registry;
};

TEST_F(FindReplaceDlgTest, ShowsTheHistoryAndTheModesOffer) {
    FindReplaceDlgRequest terms = Request(Op::kModeYogo, Op::kOpDraw, true);
    CFindReplaceDlg dialog(terms, {J("壁"), "", J("柱"), "Abc"});
    for (int id : {CFindReplaceDlg::IDC_TARGET, CFindReplaceDlg::IDC_REPLACEMENT}) {
        const auto* box = Control<QComboBox>(dialog, id);
        EXPECT_EQ(Items(*box), (std::vector<std::string>{"壁", "柱", "Abc"}));
        EXPECT_EQ(box->currentText(), "");
    }
    EXPECT_EQ(dialog.windowTitle().toStdString(), "選択／置換[用語]");
    EXPECT_FALSE(Control<QPushButton>(dialog, CFindReplaceDlg::IDC_SELECT)->isEnabled());
    EXPECT_FALSE(Control<QCheckBox>(dialog, CFindReplaceDlg::IDC_LIMIT)->isEnabled());
    EXPECT_FALSE(Control<QCheckBox>(dialog, CFindReplaceDlg::IDC_LIMIT)->isChecked());

    FindReplaceDlgRequest items = Request(Op::kModeKoumoku, Op::kOpEdit, true);
    CFindReplaceDlg itemDialog(items, {});
    EXPECT_EQ(itemDialog.windowTitle().toStdString(), "置換[項目]");
    EXPECT_FALSE(Control<QPushButton>(itemDialog, CFindReplaceDlg::IDC_SELECT)->isEnabled());
    EXPECT_TRUE(Control<QCheckBox>(itemDialog, CFindReplaceDlg::IDC_LIMIT)->isChecked());
}

TEST_F(FindReplaceDlgTest, TheButtonsHandBackTheTextsAndTheAction) {
    struct Case {
        int button;
        const char* target;
        const char* replacement;
        bool whole;
        int result;
        int action;
    };
    const Case cases[] = {
        {CFindReplaceDlg::IDC_SELECT, "壁", "", false, IDOK, FindReplaceDlgRequest::kSelect},
        {CFindReplaceDlg::IDC_REPLACE_ALL, "壁", "塀", true, IDOK, FindReplaceDlgRequest::kReplace},
        {IDCANCEL, "壁", "塀", false, IDCANCEL, 0},
    };
    for (const Case& c : cases) {
        FindReplaceDlgRequest request = Request(Op::kModeEvent, Op::kOpEdit, true);
        request.action = 0;
        test::WhenShown<CFindReplaceDlg>([&c](CFindReplaceDlg& d) {
            Control<QComboBox>(d, CFindReplaceDlg::IDC_TARGET)
                ->setEditText(QString::fromUtf8(c.target));
            Control<QComboBox>(d, CFindReplaceDlg::IDC_REPLACEMENT)
                ->setEditText(QString::fromUtf8(c.replacement));
            Control<QCheckBox>(d, CFindReplaceDlg::IDC_WHOLE)->setChecked(c.whole);
            Control<QCheckBox>(d, CFindReplaceDlg::IDC_LIMIT)->setChecked(false);
            Control<QPushButton>(d, c.button)->click();
        });
        EXPECT_EQ(registry.Run(request), c.result) << c.button;
        EXPECT_EQ(request.action, c.action) << c.button;
        if (c.result == IDOK) {
            EXPECT_EQ(request.search, J(c.target));
            EXPECT_EQ(request.replacement, J(c.replacement)) << "an empty one is taken";
            EXPECT_EQ(request.wholeMatch, c.whole);
            EXPECT_FALSE(request.selectionOnly);
        }
    }
}

TEST_F(FindReplaceDlgTest, AnEmptyTargetIsRefusedAndEnterMovesOn) {
    FindReplaceDlgRequest request = Request(Op::kModeEvent, Op::kOpEdit, true);
    test::WhenShown<CFindReplaceDlg>([this](CFindReplaceDlg& d) {
        auto* target = Control<QComboBox>(d, CFindReplaceDlg::IDC_TARGET);
        auto* replacement = Control<QComboBox>(d, CFindReplaceDlg::IDC_REPLACEMENT);
        target->setFocus();
        QTest::keyClick(target->lineEdit(), Qt::Key_Return);
        EXPECT_TRUE(d.isVisible());
        EXPECT_TRUE(d.focusWidget() == replacement || d.focusWidget() == replacement->lineEdit());

        Control<QPushButton>(d, CFindReplaceDlg::IDC_REPLACE_ALL)->click();
        EXPECT_EQ(ui->MessageIds(), std::vector<UINT>{CFindReplaceDlg::kNoTargetMessage});
        EXPECT_TRUE(d.isVisible());
        Control<QPushButton>(d, IDCANCEL)->click();
    });
    EXPECT_EQ(registry.Run(request), IDCANCEL);
}

} // namespace
} // namespace tembra
