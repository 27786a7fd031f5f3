// The shape dialogs offscreen: the change of the selected shapes (215) with its apply mask and
// radius range, the chart's defaults (211) whose reset keeps the その他 colours, and the
// program's defaults (193) with the grid, widths and text format.
#include "dialogs/settings/ZukeiAttrDlg.h"
#include "dialogs/settings/RegisterSettingsDialogs.h"
#include "dialogs/settings/ZukeiAttrChangeDlg.h"
#include "dialogs/settings/ZukeiAttrPanel.h"
#include "dialogs/settings/ZukeiAttrSetDlg.h"

#include "dialogs_attributes/DialogTestSupport.h"
#include "dialogs_settings/AttrDlgTestSupport.h"
#include "document/ZukeiDialogRequests.h"
#include "model/ConfigBase.h"
#include "model/OptionDialogRequest.h"
#include "model/SyokiSet.h"
#include "platform/ColorRequest.h"
#include "platform/RangeMessage.h"
#include "support/ScriptedUi.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

namespace tembra {
namespace {

using test::Control;
using test::Pick;
using test::Press;
using Panel = CZukeiAttrPanel;

constexpr COLORREF kDarkGrey = RGB(64, 64, 64);
constexpr int kApplyBoxes = 7;

class ZukeiAttrDlgTest : public ::testing::Test {
protected:
    ZukeiAttrDlgTest() {
        RegisterSettingsDialogs(registry);
        config.Read(FALSE);
        request.attr = {3, 1, 2, 1, RGB(0, 0, 0), 2, RGB(0, 255, 0), 30};
    }
    int RunChange(std::function<void(CZukeiAttrChangeDlg&)> act) {
        test::WhenShown<CZukeiAttrChangeDlg>(act);
        return registry.Run(request);
    }
    static bool Ticked(QDialog& d, int box) {
        return Control<QCheckBox>(d, CZukeiAttrChangeDlg::IDC_APPLY + box)->isChecked();
    }

    test::ScopedUi ui;
    test::KeepingRegistry registry;
    CConfigBase config;
    ZukeiAttrChangeDlgRequest request;
};

TEST_F(ZukeiAttrDlgTest, ChangeOpensOnTheShapesValuesAndTheCallersMask) {
    request.mask = kZukeiMaskHatch;
    EXPECT_EQ(RunChange([](CZukeiAttrChangeDlg& d) {
                  EXPECT_EQ(Control<QComboBox>(d, Panel::IDC_TYPE)->currentText(),
                            QString::fromUtf8("点線"));
                  EXPECT_EQ(Control<QComboBox>(d, Panel::IDC_HATCH)->currentText(),
                            QString::fromUtf8("右下り斜線"));
                  EXPECT_EQ(Control<QComboBox>(d, Panel::IDC_POINTMODE)->currentText(),
                            QString::fromUtf8("移動のみ"));
                  EXPECT_EQ(Control<QLineEdit>(d, Panel::IDC_RADIUS)->text(), "30");
                  for (int box = 0; box < kApplyBoxes; ++box) {
                      EXPECT_EQ(Ticked(d, box), box == 3) << box;
                  }
                  // A click on a box changes nothing else.
                  Control<QCheckBox>(d, CZukeiAttrChangeDlg::IDC_APPLY)->click();
                  EXPECT_EQ(Control<QComboBox>(d, Panel::IDC_TYPE)->currentIndex(), 2);
                  Press(d, 1);
              }),
              IDOK);
    EXPECT_EQ(request.mask, kZukeiMaskLineType | kZukeiMaskHatch);
    EXPECT_EQ(request.attr, (CZukeiAttr{3, 1, 2, 1, RGB(0, 0, 0), 2, RGB(0, 255, 0), 30}));
}

TEST_F(ZukeiAttrDlgTest, EachFieldTicksItsGroup) {
    const struct {
        const char* name;
        std::function<void(QDialog&)> change;
        UINT mask;
    } cases[] = {
        {"type", [](QDialog& d) { Control<QComboBox>(d, Panel::IDC_TYPE)->setCurrentIndex(0); },
         kZukeiMaskLineType},
        {"width", [](QDialog& d) { Control<QComboBox>(d, Panel::IDC_WIDTH)->setCurrentIndex(2); },
         kZukeiMaskWidth},
        {"colour", [](QDialog& d) { Pick(Control<QComboBox>(d, Panel::IDC_COLOR), 1); },
         kZukeiMaskColor},
        {"pattern", [](QDialog& d) { Control<QComboBox>(d, Panel::IDC_HATCH)->setCurrentIndex(0); },
         kZukeiMaskHatch},
        {"pattern colour",
         [](QDialog& d) { Pick(Control<QComboBox>(d, Panel::IDC_HATCHCOLOR), 5); },
         kZukeiMaskHatchColor},
        {"radius",
         [](QDialog& d) {
             auto* radius = Control<QLineEdit>(d, Panel::IDC_RADIUS);
             radius->clear();
             QTest::keyClicks(radius, "45");
         },
         kZukeiMaskBoxRay},
        {"position relation",
         [](QDialog& d) { Control<QComboBox>(d, Panel::IDC_POINTMODE)->setCurrentIndex(2); },
         kZukeiMaskPointMode},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        request.mask = 0;
        EXPECT_EQ(RunChange([&c](CZukeiAttrChangeDlg& d) {
                      c.change(d);
                      Press(d, 1);
                  }),
                  IDOK);
        EXPECT_EQ(request.mask, c.mask);
    }
    EXPECT_EQ(request.attr, (CZukeiAttr{3, 2, 0, 2, RGB(255, 0, 0), 999, RGB(255, 255, 0), 45}));
}

// A radius typed is applied, and refused outside 1 to 100; a radius left alone is not looked
// at, so a first shape without corners (radius 0) does not block a change of its colour.
TEST_F(ZukeiAttrDlgTest, RadiusOutsideOneToHundredIsRefusedWhenApplied) {
    const struct {
        const char* typed;
        bool taken;
    } cases[] = {{"0", false}, {"101", false}, {"1", true}, {"100", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        ui->ClearRecords();
        request.mask = 0;
        EXPECT_EQ(RunChange([&c](CZukeiAttrChangeDlg& d) {
                      auto* radius = Control<QLineEdit>(d, Panel::IDC_RADIUS);
                      radius->clear();
                      QTest::keyClicks(radius, c.typed);
                      EXPECT_TRUE(Ticked(d, 5));
                      Press(d, 1);
                      if (d.isVisible()) {
                          EXPECT_EQ(d.focusWidget(), Control<QLineEdit>(d, Panel::IDC_RADIUS));
                          Press(d, 2);
                      }
                  }),
                  c.taken ? IDOK : IDCANCEL);
        EXPECT_EQ(ui->MessageIds(),
                  c.taken ? std::vector<UINT>{} : std::vector<UINT>{IDS_VALUE_RANGE});
        if (c.taken) {
            EXPECT_EQ(request.attr.m_boxRay, std::stoi(c.typed));
            EXPECT_EQ(request.mask, kZukeiMaskBoxRay);
        }
    }
    ui->ClearRecords();
    request.attr.m_boxRay = 0;
    request.mask = 0;
    EXPECT_EQ(RunChange([](CZukeiAttrChangeDlg& d) {
                  Pick(Control<QComboBox>(d, Panel::IDC_COLOR), 1);
                  Press(d, 1);
              }),
              IDOK);
    EXPECT_EQ(ui->MessageIds(), std::vector<UINT>{});
    EXPECT_EQ(request.mask, kZukeiMaskColor);
    EXPECT_EQ(request.attr.m_boxRay, 0);
}

TEST_F(ZukeiAttrDlgTest, ChangeResetReloadsTheValuesAndKeepsTheBoxes) {
    EXPECT_EQ(RunChange([](CZukeiAttrChangeDlg& d) {
                  Control<QComboBox>(d, Panel::IDC_WIDTH)->setCurrentIndex(0);
                  Press(d, CZukeiAttrChangeDlg::IDC_RESET);
                  EXPECT_EQ(Control<QComboBox>(d, Panel::IDC_WIDTH)->currentIndex(), 1);
                  EXPECT_TRUE(Ticked(d, 1));
                  Press(d, 1);
              }),
              IDOK);
    EXPECT_EQ(request.mask, kZukeiMaskWidth);
    EXPECT_EQ(request.attr.m_width, 1);
}

TEST_F(ZukeiAttrDlgTest, ChartDefaultsResetKeepsTheOtherColours) {
    CSyokiSet settings;
    CZukeiAttr& attr = settings.GetZukei().GetAttr();
    attr = {9, 2, 3, 0, kDarkGrey, 3, RGB(9, 9, 9), 12};
    ZukeiAttrSetDlgRequest setRequest(settings);
    ui->OnDialog("Color", [](DialogRequest&) { return IDCANCEL; });
    test::WhenShown<CZukeiAttrSetDlg>([](CZukeiAttrSetDlg& d) {
        EXPECT_EQ(Control<QComboBox>(d, Panel::IDC_STYLE)->currentText(),
                  QString::fromUtf8("三角(上下)"));
        EXPECT_EQ(Control<QComboBox>(d, Panel::IDC_HATCH)->currentText(),
                  QString::fromUtf8("右上り斜線"));
        Press(d, CZukeiAttrSetDlg::IDC_RESET);
        EXPECT_NE(Control<QComboBox>(d, Panel::IDC_COLOR)->currentIndex(), 6);
        // その他 still starts from the chart's colour; Cancel keeps it.
        Pick(Control<QComboBox>(d, Panel::IDC_COLOR), 6);
        Pick(Control<QComboBox>(d, Panel::IDC_HATCHCOLOR), 6);
        Press(d, 1);
    });
    EXPECT_EQ(registry.Run(setRequest), IDOK);
    CConfigBase fresh;
    fresh.Read(FALSE);
    CZukeiAttr expected = fresh.GetZukei().GetAttr();
    expected.m_color = kDarkGrey;
    expected.m_hatchColor = RGB(9, 9, 9);
    EXPECT_EQ(attr, expected);
}

TEST_F(ZukeiAttrDlgTest, ProgramDefaultsKeepGridNoneAndTheTextFormat) {
    CConfigZukei& zukei = config.GetZukei();
    zukei.SetPartitionFlag(0);
    zukei.SetTimePartition(3);
    zukei.SetLinePartition(2);
    zukei.GetTextAttr().m_attrb = 256;
    OptionDialogRequest optionRequest("ZukeiAttributes", &config);
    test::WhenShown<CZukeiAttrDlg>([](CZukeiAttrDlg& d) {
        EXPECT_TRUE(Control<QRadioButton>(d, CZukeiAttrDlg::IDC_GRID + 1)->isChecked());
        EXPECT_EQ(Control<QComboBox>(d, CZukeiAttrDlg::IDC_TEXT_VALIGN)->currentText(),
                  QString::fromUtf8("上寄せ"));
        Control<QRadioButton>(d, CZukeiAttrDlg::IDC_GRID)->click();
        Control<QComboBox>(d, CZukeiAttrDlg::IDC_DAY_DIVISION)->setCurrentIndex(0);
        Control<QComboBox>(d, CZukeiAttrDlg::IDC_TEXT_VALIGN)->setCurrentIndex(2);
        Control<QCheckBox>(d, CZukeiAttrDlg::IDC_TEXT_BOLD)->click();
        Control<QLineEdit>(d, CZukeiAttrDlg::IDC_THIN)->setText("0");
        Press(d, 1);
    });
    EXPECT_EQ(registry.Run(optionRequest), IDOK);
    EXPECT_EQ(zukei.GetPartitionFlag(), 1);
    EXPECT_EQ(zukei.GetTimePartition(), 0);
    EXPECT_EQ(zukei.GetLinePartition(), 2);
    EXPECT_EQ(zukei.GetTextAttr().m_attrb, 512 | 4);
    EXPECT_EQ(zukei.GetWidthSet().GetAt(1), 0);
    // Read again, なし stays なし.
    test::WhenShown<CZukeiAttrDlg>([](CZukeiAttrDlg& d) {
        EXPECT_EQ(Control<QComboBox>(d, CZukeiAttrDlg::IDC_DAY_DIVISION)->currentText(),
                  QString::fromUtf8("なし"));
        Press(d, 1);
    });
    EXPECT_EQ(registry.Run(optionRequest), IDOK);
    EXPECT_EQ(zukei.GetTimePartition(), 0);
}

TEST_F(ZukeiAttrDlgTest, ProgramDefaultsRefuseWidthsPastFifty) {
    OptionDialogRequest optionRequest("ZukeiAttributes", &config);
    test::WhenShown<CZukeiAttrDlg>([](CZukeiAttrDlg& d) {
        Control<QLineEdit>(d, CZukeiAttrDlg::IDC_BOLD)->setText("51");
        Press(d, 1);
        EXPECT_TRUE(d.isVisible());
        Press(d, 2);
    });
    EXPECT_EQ(registry.Run(optionRequest), IDCANCEL);
    EXPECT_EQ(ui->MessageIds(), std::vector<UINT>{IDS_VALUE_RANGE});
}

// Enter in a field moves on and never closes the dialog; on 決定 it accepts.
TEST_F(ZukeiAttrDlgTest, EnterMovesOnUntilTheOkButton) {
    EXPECT_EQ(RunChange([](CZukeiAttrChangeDlg& d) {
                  auto* radius = Control<QLineEdit>(d, Panel::IDC_RADIUS);
                  radius->setFocus();
                  QTest::keyClick(radius, Qt::Key_Return);
                  EXPECT_TRUE(d.isVisible());
                  EXPECT_NE(d.focusWidget(), radius);
                  QTest::keyClick(Control<QPushButton>(d, 1), Qt::Key_Return);
              }),
              IDOK);
}

} // namespace
} // namespace tembra
