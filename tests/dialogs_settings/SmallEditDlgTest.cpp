// The column deletion, corner radius and grid dialogs offscreen, answered through their
// requests: what they show, what they hand back on 決定, the radius's arrows and range, and
// the grid's divisions kept while the grid is off.
#include "dialogs/settings/ColumnDeleteDlg.h"
#include "dialogs/settings/GridSetDlg.h"
#include "dialogs/settings/RegisterSettingsDialogs.h"
#include "dialogs/settings/RoundRadiusDlg.h"

#include "dialogs_attributes/DialogTestSupport.h"
#include "document/EditDialogRequests.h"
#include "document/ZukeiDialogRequests.h"
#include "model/ConfigZukei.h"
#include "model/SyokiSet.h"
#include "platform/RangeMessage.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

namespace tembra {
namespace {

using test::Control;

void Ok(QDialog& d) {
    Control<QPushButton>(d, 1)->click();
}

void Cancel(QDialog& d) {
    Control<QPushButton>(d, 2)->click();
}

class SmallEditDlgTest : public ::testing::Test {
protected:
    SmallEditDlgTest() { RegisterSettingsDialogs(registry); }
    test::ScopedUi ui;
    test::KeepingRegistry registry;
};

TEST_F(SmallEditDlgTest, ColumnDeletionOpensOnTheCallersChoiceAndReturnsTheAnswer) {
    ColumnDeleteDlgRequest request;
    test::WhenShown<CColumnDeleteDlg>([](CColumnDeleteDlg& d) {
        EXPECT_TRUE(Control<QRadioButton>(d, CColumnDeleteDlg::IDC_DELETE)->isChecked());
        Control<QRadioButton>(d, CColumnDeleteDlg::IDC_BLANK)->click();
        Ok(d);
    });
    EXPECT_EQ(registry.Run(request), IDOK);
    EXPECT_EQ(request.method, ColumnDeleteDlgRequest::kBlank);

    test::WhenShown<CColumnDeleteDlg>([](CColumnDeleteDlg& d) {
        EXPECT_TRUE(Control<QRadioButton>(d, CColumnDeleteDlg::IDC_BLANK)->isChecked());
        Control<QRadioButton>(d, CColumnDeleteDlg::IDC_DELETE)->click();
        Cancel(d);
    });
    EXPECT_EQ(registry.Run(request), IDCANCEL);
    EXPECT_EQ(request.method, ColumnDeleteDlgRequest::kBlank);
}

TEST_F(SmallEditDlgTest, RadiusArrowsStopAtTheRangeEnds) {
    struct ArrowCase {
        WORD start;
        const char* arrow;
        int presses;
        const char* shown;
    };
    const ArrowCase cases[] = {
        {100, "up", 1, "100"}, {1, "down", 1, "1"}, {99, "up", 3, "100"},
        {5, "down", 2, "3"},   {0, "up", 1, "1"}, // a broken stored radius steps back into the
                                                  // range
    };
    for (const ArrowCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.start << " " << c.arrow);
        WORD radius = c.start;
        CRoundRadiusDlg dialog(CRoundRadiusDlg::IDD_CHANGE, radius);
        dialog.show();
        const QString arrow = QString::number(CRoundRadiusDlg::IDC_RADIUS) + "." + c.arrow;
        for (int i = 0; i < c.presses; ++i) {
            dialog.findChild<QToolButton*>(arrow)->click();
        }
        EXPECT_EQ(Control<QLineEdit>(dialog, CRoundRadiusDlg::IDC_RADIUS)->text(), c.shown);
        EXPECT_EQ(radius, c.start);
    }
}

TEST_F(SmallEditDlgTest, RadiusTypedOutsideTheRangeIsRefusedAtOk) {
    struct TypedCase {
        const char* typed;
        bool taken;
    };
    const TypedCase cases[] = {
        {"0", false}, {"101", false}, {"x", false}, {"1", true}, {"100", true}};
    for (const TypedCase& c : cases) {
        SCOPED_TRACE(c.typed);
        ui->ClearRecords();
        RoundRadiusChangeDlgRequest request;
        request.radius = 30;
        test::WhenShown<CRoundRadiusDlg>([&c](CRoundRadiusDlg& d) {
            Control<QLineEdit>(d, CRoundRadiusDlg::IDC_RADIUS)->setText(c.typed);
            Ok(d);
            if (d.isVisible()) {
                EXPECT_EQ(d.focusWidget(), Control<QLineEdit>(d, CRoundRadiusDlg::IDC_RADIUS));
                Cancel(d);
            }
        });
        EXPECT_EQ(registry.Run(request), c.taken ? IDOK : IDCANCEL);
        EXPECT_EQ(request.radius, c.taken ? std::stoi(c.typed) : 30);
        EXPECT_EQ(ui->MessageIds(),
                  c.taken ? std::vector<UINT>{} : std::vector<UINT>{IDS_VALUE_RANGE});
    }
}

TEST_F(SmallEditDlgTest, DefaultRadiusIsWrittenOnlyOnOk) {
    CSyokiSet settings;
    settings.GetZukei().GetAttr().m_boxRay = 30;
    RoundRadiusSetDlgRequest request(settings);
    for (const bool ok : {false, true}) {
        test::WhenShown<CRoundRadiusDlg>([ok](CRoundRadiusDlg& d) {
            EXPECT_EQ(d.windowTitle(), QString::fromUtf8("角丸四角の角丸半径設定"));
            Control<QLineEdit>(d, CRoundRadiusDlg::IDC_RADIUS)->setText("45");
            ok ? Ok(d) : Cancel(d);
        });
        EXPECT_EQ(registry.Run(request), ok ? IDOK : IDCANCEL);
        EXPECT_EQ(settings.GetZukei().GetAttr().m_boxRay, ok ? 45 : 30);
    }
}

TEST_F(SmallEditDlgTest, GridOffKeepsItsDivisionsAndNoneReadsBackAsNone) {
    test::ScopedPaths paths;
    CSyokiSet settings;
    CConfigZukei& zukei = settings.GetZukei();
    zukei.SetPartitionFlag(1);
    zukei.SetTimePartition(2);
    zukei.SetLinePartition(2);
    GridSetDlgRequest request(settings);
    test::WhenShown<CGridSetDlg>([](CGridSetDlg& d) {
        EXPECT_TRUE(Control<QRadioButton>(d, CGridSetDlg::IDC_ON)->isChecked());
        EXPECT_EQ(Control<QComboBox>(d, CGridSetDlg::IDC_DAY)->currentText(),
                  QString::fromUtf8("１／２"));
        Control<QRadioButton>(d, CGridSetDlg::IDC_OFF)->click();
        Control<QComboBox>(d, CGridSetDlg::IDC_ROW)->setCurrentIndex(0);
        Ok(d);
    });
    EXPECT_EQ(registry.Run(request), IDOK);
    EXPECT_EQ(zukei.GetPartitionFlag(), 0);
    EXPECT_EQ(zukei.GetTimePartition(), 2);
    EXPECT_EQ(zukei.GetLinePartition(), 0);

    // なし survives the profile (whose default for a missing key is １／１).
    ASSERT_TRUE(zukei.Write(0));
    CSyokiSet reread;
    ASSERT_TRUE(reread.GetZukei().Read(TRUE));
    EXPECT_EQ(reread.GetZukei().GetLinePartition(), 0);
    EXPECT_EQ(reread.GetZukei().GetTimePartition(), 2);
    GridSetDlgRequest again(reread);
    test::WhenShown<CGridSetDlg>([](CGridSetDlg& d) {
        EXPECT_TRUE(Control<QRadioButton>(d, CGridSetDlg::IDC_OFF)->isChecked());
        EXPECT_EQ(Control<QComboBox>(d, CGridSetDlg::IDC_ROW)->currentText(),
                  QString::fromUtf8("なし"));
        EXPECT_EQ(Control<QComboBox>(d, CGridSetDlg::IDC_DAY)->currentText(),
                  QString::fromUtf8("１／２"));
        Cancel(d);
    });
    EXPECT_EQ(registry.Run(again), IDCANCEL);
}

} // namespace
} // namespace tembra
