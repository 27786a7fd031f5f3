// The term dialogs offscreen: the defaults (184) with spacing and stacking, and the batch dialog
// (217) in its two modes: the apply boxes ticked by changes, the markers of the groups left
// alone, the size of an unknown code, the stacking of the chart and the kept colour.
#include "dialogs/settings/YogoAttrDlg.h"
#include "dialogs/settings/RegisterSettingsDialogs.h"
#include "dialogs/settings/YogoAttr2Dlg.h"
#include "dialogs/settings/YogoAttrPanel.h"

#include "dialogs_attributes/DialogTestSupport.h"
#include "dialogs_settings/AttrDlgTestSupport.h"
#include "document/AttrDialogRequests.h"
#include "document/TembraDoc.h"
#include "model/ConfigBase.h"
#include "model/OptionDialogRequest.h"
#include "platform/ColorRequest.h"
#include "platform/RangeMessage.h"
#include "support/ScriptedUi.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>

namespace tembra {
namespace {

using test::Control;
using test::Pick;
using test::Press;
using Panel = CYogoAttrPanel;

constexpr COLORREF kDarkGrey = RGB(64, 64, 64);
constexpr int kApplyBoxes = 6;

class YogoAttrDlgTest : public ::testing::Test {
protected:
    YogoAttrDlgTest() {
        RegisterSettingsDialogs(registry);
        config.Read(FALSE);
    }
    int RunBatch(YogoAttr2DlgRequest& request, std::function<void(CYogoAttr2Dlg&)> act) {
        request.document = &doc;
        test::WhenShown<CYogoAttr2Dlg>(act);
        return registry.Run(request);
    }
    static bool Ticked(QDialog& d, int group) {
        return Control<QCheckBox>(d, CYogoAttr2Dlg::IDC_APPLY + group)->isChecked();
    }
    CElemAttr& ChartTerms() { return doc.GetSyokiSet().GetChart().GetYogoAttr(); }

    test::ScopedUi ui;
    test::KeepingRegistry registry;
    CConfigBase config;
    CTembraDoc doc;
};

TEST_F(YogoAttrDlgTest, DefaultsWriteEveryFieldAndRefuseSpacingOutsideZeroToHundred) {
    const struct {
        const char* typed;
        bool taken;
    } cases[] = {{"-1", false}, {"101", false}, {"0", true}, {"100", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        ui->ClearRecords();
        CElemAttr& terms = config.GetChart().GetYogoAttr();
        terms.m_lineSpace = 10;
        terms.m_stack = 0;
        terms.m_attrb = 0;
        OptionDialogRequest request("YogoAttributes", &config);
        test::WhenShown<CYogoAttrDlg>([&c](CYogoAttrDlg& d) {
            EXPECT_EQ(Control<QLineEdit>(d, CYogoAttrDlg::IDC_SPACING)->text(), "10");
            Control<QRadioButton>(d, Panel::IDC_STACK + 1)->click();
            Control<QRadioButton>(d, CYogoAttrDlg::IDC_GAP + 1)->click();
            Control<QRadioButton>(d, Panel::IDC_SIZE + 3)->click();
            Control<QCheckBox>(d, Panel::IDC_VERTICAL)->click();
            Control<QLineEdit>(d, CYogoAttrDlg::IDC_SPACING)->setText(c.typed);
            Press(d, 1);
            if (d.isVisible()) {
                EXPECT_EQ(d.focusWidget(), Control<QLineEdit>(d, CYogoAttrDlg::IDC_SPACING));
                Press(d, 2);
            }
        });
        EXPECT_EQ(registry.Run(request), c.taken ? IDOK : IDCANCEL);
        EXPECT_EQ(ui->MessageIds(),
                  c.taken ? std::vector<UINT>{} : std::vector<UINT>{IDS_VALUE_RANGE});
        EXPECT_EQ(terms.m_lineSpace, c.taken ? std::stoi(c.typed) : 10);
        EXPECT_EQ(terms.m_stack, c.taken ? 1 : 0);
        if (c.taken) {
            EXPECT_EQ(terms.m_firstSpace, 1);
            EXPECT_EQ(terms.m_fontHeigh, 2);
            EXPECT_EQ(terms.m_fontWidth, 2);
            EXPECT_NE(terms.m_attrb & 4096, 0);
        }
    }
}

TEST_F(YogoAttrDlgTest, BatchWithNoBoxTickedWritesMarkersEverywhere) {
    YogoAttr2DlgRequest request;
    request.fromSelection = true;
    request.attr = {1, RGB(255, 0, 0), 2, 1, 1};
    request.position = 1;
    EXPECT_EQ(RunBatch(request,
                       [](CYogoAttr2Dlg& d) {
                           EXPECT_TRUE(
                               Control<QCheckBox>(d, CYogoAttr2Dlg::IDC_APPLY)->isVisibleTo(&d));
                           for (int g = 0; g < kApplyBoxes; ++g) {
                               EXPECT_FALSE(Ticked(d, g)) << g;
                           }
                           EXPECT_FALSE(Control<QRadioButton>(d, Panel::IDC_STACK)->isEnabled());
                           Press(d, 1);
                       }),
              IDOK);
    EXPECT_EQ(request.attr.form, 0xFFFF);
    EXPECT_EQ(request.attr.color, 0xFFFFFFFFu);
    EXPECT_EQ(request.attr.flags, 0xFFFF);
    EXPECT_EQ(request.attr.SizeCode(), 0xFFFF);
    EXPECT_EQ(request.position, -1);
}

// Each control ticks its own group's box, and that group alone is written.
TEST_F(YogoAttrDlgTest, BatchChangesTickTheirGroups) {
    const struct {
        const char* name;
        int control;
        int group;
    } cases[] = {{"format", Panel::IDC_FORMAT + 2, 0},
                 {"size", Panel::IDC_SIZE + 1, 1},
                 {"frame", Panel::IDC_FRAME, 2},
                 {"outline", Panel::IDC_OUTLINE, 2},
                 {"bold", Panel::IDC_BOLD, 2},
                 {"vertical", Panel::IDC_VERTICAL, 2},
                 {"position", Panel::IDC_POSITION + 1, 4},
                 {"half width", Panel::IDC_HALF_ACROSS, 5}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        YogoAttr2DlgRequest request;
        request.fromSelection = true;
        request.attr = {0, RGB(255, 0, 0), 0, 1, 1};
        EXPECT_EQ(RunBatch(request,
                           [&c](CYogoAttr2Dlg& d) {
                               Control<QAbstractButton>(d, c.control)->click();
                               for (int g = 0; g < kApplyBoxes; ++g) {
                                   EXPECT_EQ(Ticked(d, g), g == c.group) << g;
                               }
                               Press(d, 1);
                           }),
                  IDOK);
        EXPECT_EQ(request.attr.form != 0xFFFF, c.group == 0);
        EXPECT_EQ(request.attr.SizeCode() != 0xFFFF, c.group == 1);
        EXPECT_EQ(request.attr.flags != 0xFFFF, c.group == 2 || c.group == 5);
        EXPECT_EQ(request.position != -1, c.group == 4);
        EXPECT_EQ(request.attr.color, 0xFFFFFFFFu);
    }
}

TEST_F(YogoAttrDlgTest, UnknownSizeOpensAsStandardAndIsStoredAs257) {
    YogoAttr2DlgRequest request;
    request.fromSelection = true;
    request.attr = {0, 0, 0, 3, 3};
    EXPECT_EQ(RunBatch(request,
                       [](CYogoAttr2Dlg& d) {
                           auto* standard = Control<QRadioButton>(d, Panel::IDC_SIZE);
                           EXPECT_TRUE(standard->isChecked());
                           standard->click();
                           EXPECT_TRUE(Ticked(d, 1));
                           Press(d, 1);
                       }),
              IDOK);
    EXPECT_EQ(request.attr.SizeCode(), 257);
}

TEST_F(YogoAttrDlgTest, OtherColourCancelledKeepsTheColour) {
    ui->OnDialog("Color", [](DialogRequest&) { return IDCANCEL; });
    YogoAttr2DlgRequest request;
    request.fromSelection = true;
    request.attr = {0, kDarkGrey, 0, 1, 1};
    EXPECT_EQ(RunBatch(request,
                       [](CYogoAttr2Dlg& d) {
                           auto* color = Control<QComboBox>(d, Panel::IDC_COLOR);
                           EXPECT_EQ(color->currentIndex(), 6);
                           Pick(color, 6);
                           EXPECT_TRUE(Ticked(d, 3));
                           Press(d, 1);
                       }),
              IDOK);
    EXPECT_EQ(request.attr.color, kDarkGrey);
}

TEST_F(YogoAttrDlgTest, SingleModeShowsNoBoxesAndWritesTheChartsStacking) {
    ChartTerms().m_stack = 1;
    YogoAttr2DlgRequest request;
    request.attr = {2, RGB(0, 255, 0), 8, 1, 2};
    request.position = 0;
    EXPECT_EQ(RunBatch(request,
                       [](CYogoAttr2Dlg& d) {
                           EXPECT_FALSE(
                               Control<QCheckBox>(d, CYogoAttr2Dlg::IDC_APPLY)->isVisibleTo(&d));
                           EXPECT_TRUE(Control<QRadioButton>(d, Panel::IDC_STACK + 1)->isChecked());
                           Control<QRadioButton>(d, Panel::IDC_STACK)->click();
                           Press(d, 1);
                       }),
              IDOK);
    EXPECT_EQ(ChartTerms().m_stack, 0);
    EXPECT_EQ(request.attr, (TextAttrValues{2, RGB(0, 255, 0), 8, 1, 2}));
    EXPECT_EQ(request.position, 0);
}

TEST_F(YogoAttrDlgTest, ResetTakesTheChartsTermsInBatchAndTheProgramsInSingle) {
    ChartTerms().m_form = 5;
    CElemAttr& program = GetAppConfig()->GetChart().GetYogoAttr();
    const CElemAttr saved = program;
    program.m_form = 4;
    for (const bool batch : {true, false}) {
        SCOPED_TRACE(batch);
        YogoAttr2DlgRequest request;
        request.fromSelection = batch;
        EXPECT_EQ(RunBatch(request,
                           [batch](CYogoAttr2Dlg& d) {
                               Press(d, CYogoAttr2Dlg::IDC_RESET);
                               if (batch) {
                                   for (int g = 0; g < kApplyBoxes; ++g) {
                                       EXPECT_TRUE(Ticked(d, g)) << g;
                                   }
                               }
                               Press(d, 1);
                           }),
                  IDOK);
        EXPECT_EQ(request.attr.form, batch ? 5 : 4);
    }
    program = saved;
}

} // namespace
} // namespace tembra
