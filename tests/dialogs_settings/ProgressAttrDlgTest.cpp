// The progress-line dialogs offscreen, answered through their requests: the defaults (175) with
// their widths, join interval, unknown date formats and kept colours; the question box (176)
// and the attributes of one line (316) with their apply boxes and font.
#include "dialogs/settings/ProgressAttrDlg.h"
#include "dialogs/settings/ProgressAttr2Dlg.h"
#include "dialogs/settings/ProgressEditDlg.h"
#include "dialogs/settings/RegisterSettingsDialogs.h"
#include "dialogs/settings/ShinAttrPanel.h"

#include "dialogs_attributes/DialogTestSupport.h"
#include "dialogs_settings/AttrDlgTestSupport.h"
#include "document/EventRequests.h"
#include "document/FontSelDlgRequest.h"
#include "model/ConfigBase.h"
#include "model/OptionDialogRequest.h"
#include "platform/ColorRequest.h"
#include "platform/RangeMessage.h"
#include "support/ScriptedUi.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

namespace tembra {
namespace {

using test::Control;
using test::Pick;
using test::Press;
using Panel = CShinAttrPanel;

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kDarkGrey = RGB(64, 64, 64);

class ProgressAttrDlgTest : public ::testing::Test {
protected:
    ProgressAttrDlgTest() {
        RegisterSettingsDialogs(registry);
        config.Read(FALSE);
    }
    int RunDefaults(std::function<void(CProgressAttrDlg&)> act) {
        OptionDialogRequest request("ShincyokuAttributes", &config);
        test::WhenShown<CProgressAttrDlg>(act);
        return registry.Run(request);
    }
    CConfigShin& Shin() { return config.GetShin(); }

    test::ScopedUi ui;
    test::KeepingRegistry registry;
    CConfigBase config;
};

TEST_F(ProgressAttrDlgTest, StoredValuesOpenAsTheyAreAndOkKeepsThem) {
    Shin().SetLinked(3);
    Shin().SetColor(kDarkGrey);
    Shin().SetDateFormat("yyyy-mm-dd");
    Shin().SetType(2);
    EXPECT_EQ(RunDefaults([](CProgressAttrDlg& d) {
                  EXPECT_TRUE(Control<QRadioButton>(d, Panel::IDC_JOINED)->isChecked());
                  auto* interval = Control<QComboBox>(d, Panel::IDC_INTERVAL);
                  EXPECT_EQ(interval->currentText(), "3");
                  EXPECT_TRUE(interval->isEnabled());
                  EXPECT_EQ(interval->count(), 5);
                  EXPECT_EQ(Control<QComboBox>(d, Panel::IDC_FORMAT)->currentIndex(), -1);
                  EXPECT_EQ(Control<QComboBox>(d, Panel::IDC_COLOR)->currentIndex(), 6);
                  EXPECT_EQ(Control<QComboBox>(d, Panel::IDC_TYPE)->currentText(),
                            QString::fromUtf8("点線"));
                  Press(d, 1);
              }),
              IDOK);
    EXPECT_EQ(Shin().GetLinked(), 3);
    EXPECT_EQ(Shin().GetColor(), kDarkGrey);
    EXPECT_EQ(Shin().GetDateFormat(), "yyyy-mm-dd");
    EXPECT_EQ(Shin().GetType(), 2);
}

TEST_F(ProgressAttrDlgTest, ResetLoadsTheBuiltInDefaults) {
    CConfigShin builtIn = Shin();
    Shin().SetWidth(0);
    Shin().SetLinked(2);
    Shin().SetDateDisp(0);
    Shin().SetDateFormat("dd");
    Shin().SetColor(kDarkGrey);
    Shin().SetDateColor(kDarkGrey);
    Shin().GetWidthSet().SetAt(0, 20);
    EXPECT_EQ(RunDefaults([](CProgressAttrDlg& d) {
                  Press(d, CProgressAttrDlg::IDC_RESET);
                  EXPECT_EQ(Control<QLineEdit>(d, CProgressAttrDlg::IDC_NORMAL)->text(), "3");
                  EXPECT_EQ(Control<QLineEdit>(d, CProgressAttrDlg::IDC_THIN)->text(), "1");
                  EXPECT_EQ(Control<QLineEdit>(d, CProgressAttrDlg::IDC_BOLD)->text(), "6");
                  EXPECT_TRUE(Control<QRadioButton>(d, Panel::IDC_UNJOINED)->isChecked());
                  EXPECT_FALSE(Control<QComboBox>(d, Panel::IDC_INTERVAL)->isEnabled());
                  EXPECT_TRUE(Control<QRadioButton>(d, Panel::IDC_DATES)->isChecked());
                  EXPECT_EQ(Control<QComboBox>(d, Panel::IDC_FORMAT)->currentText(), "mm/dd");
                  EXPECT_EQ(Control<QComboBox>(d, Panel::IDC_WIDTH)->currentText(),
                            QString::fromUtf8("太線"));
                  Press(d, 1);
              }),
              IDOK);
    EXPECT_EQ(Shin().GetWidthSet(), (CWidthSet{}));
    EXPECT_EQ(Shin().GetType(), 0);
    EXPECT_EQ(Shin().GetWidth(), 2);
    EXPECT_EQ(Shin().GetColor(), kRed);
    EXPECT_EQ(Shin().GetLinked(), 0);
    EXPECT_EQ(Shin().GetDateDisp(), 1);
    EXPECT_EQ(Shin().GetDateFormat(), "mm/dd");
    EXPECT_EQ(Shin().GetDateColor(), kRed);
}

// Joining radios enable the interval list; the entry chosen is written as its number.
TEST_F(ProgressAttrDlgTest, JoinIsTheIntervalChosen) {
    for (int position = 0; position < 5; ++position) {
        SCOPED_TRACE(position);
        Shin().SetLinked(0);
        EXPECT_EQ(RunDefaults([position](CProgressAttrDlg& d) {
                      Control<QRadioButton>(d, Panel::IDC_JOINED)->click();
                      EXPECT_TRUE(Control<QComboBox>(d, Panel::IDC_INTERVAL)->isEnabled());
                      Control<QComboBox>(d, Panel::IDC_INTERVAL)->setCurrentIndex(position);
                      Press(d, 1);
                  }),
                  IDOK);
        EXPECT_EQ(Shin().GetLinked(), position + 1);
    }
    EXPECT_EQ(RunDefaults([](CProgressAttrDlg& d) {
                  Control<QRadioButton>(d, Panel::IDC_UNJOINED)->click();
                  EXPECT_FALSE(Control<QComboBox>(d, Panel::IDC_INTERVAL)->isEnabled());
                  Press(d, 1);
              }),
              IDOK);
    EXPECT_EQ(Shin().GetLinked(), 0);
}

TEST_F(ProgressAttrDlgTest, WidthsOutsideOneToFiftyAreRefused) {
    const struct {
        int field;
        const char* typed;
        bool taken;
    } cases[] = {{CProgressAttrDlg::IDC_NORMAL, "0", false},
                 {CProgressAttrDlg::IDC_THIN, "51", false},
                 {CProgressAttrDlg::IDC_BOLD, "x", false},
                 {CProgressAttrDlg::IDC_NORMAL, "1", true},
                 {CProgressAttrDlg::IDC_BOLD, "50", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        ui->ClearRecords();
        Shin().GetWidthSet().Reset();
        const int result = RunDefaults([&c](CProgressAttrDlg& d) {
            Control<QLineEdit>(d, c.field)->setText(c.typed);
            Press(d, 1);
            if (d.isVisible()) {
                EXPECT_EQ(d.focusWidget(), Control<QLineEdit>(d, c.field));
                Press(d, 2);
            }
        });
        EXPECT_EQ(result, c.taken ? IDOK : IDCANCEL);
        EXPECT_EQ(ui->MessageIds(),
                  c.taken ? std::vector<UINT>{} : std::vector<UINT>{IDS_VALUE_RANGE});
        if (c.taken) {
            const int index = c.field - CProgressAttrDlg::IDC_NORMAL;
            EXPECT_EQ(Shin().GetWidthSet().GetAt(index), std::stoi(c.typed));
        }
    }
}

// その他 asks for a colour from the kept one: Cancel keeps it, OK replaces it.
TEST_F(ProgressAttrDlgTest, OtherColourCancelledKeepsTheColour) {
    const struct {
        int answer;
        COLORREF stored;
    } cases[] = {{IDCANCEL, kDarkGrey}, {IDOK, RGB(1, 2, 3)}};
    for (const auto& c : cases) {
        Shin().SetColor(kDarkGrey);
        COLORREF asked = 0;
        ui->OnDialog("Color", [&](DialogRequest& r) {
            auto& request = static_cast<ColorRequest&>(r);
            asked = request.color;
            if (c.answer == IDOK) {
                request.color = RGB(1, 2, 3);
            }
            return c.answer;
        });
        EXPECT_EQ(RunDefaults([](CProgressAttrDlg& d) {
                      auto* color = Control<QComboBox>(d, Panel::IDC_COLOR);
                      Pick(color, 1);
                      Pick(color, 6);
                      Press(d, 1);
                  }),
                  IDOK);
        EXPECT_EQ(asked, kDarkGrey);
        EXPECT_EQ(Shin().GetColor(), c.stored);
    }
}

// ---- The question box and dialog 316 ------------------------------------------------------

class ProgressEditTest : public ProgressAttrDlgTest {
protected:
    ProgressEditTest() {
        request.lineAttr = {0, 0, 1, 2, kDarkGrey, 2};
        request.labelAttr.m_dateDisp = 1;
        request.labelAttr.m_dateColor = kRed;
        request.labelAttr.SetText("dd");
        request.settings = &chartShin;
        chartShin = config.GetShin();
        chartShin.SetType(4);
        chartShin.SetLinked(5);
    }
    int RunAttributes(std::function<void(CProgressAttr2Dlg&)> act) {
        test::WhenShown<CProgressEditDlg>(
            [](CProgressEditDlg& d) { Press(d, CProgressEditDlg::IDC_ATTRIBUTES); });
        test::WhenShown<CProgressAttr2Dlg>(act);
        return registry.Run(request);
    }
    ProgressEditRequest request;
    CConfigShin chartShin;
};

TEST_F(ProgressEditTest, EachAnswerReachesTheView) {
    const struct {
        int button;
        int returned;
        int result;
    } cases[] = {{CProgressEditDlg::IDC_ERASE, IDOK, ProgressEditRequest::kErase},
                 {CProgressEditDlg::IDC_DRAW, IDOK, ProgressEditRequest::kDraw},
                 {IDCANCEL, IDCANCEL, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.button);
        request.result = 0;
        test::WhenShown<CProgressEditDlg>([&c](CProgressEditDlg& d) {
            EXPECT_FALSE(Control<QPushButton>(d, CProgressEditDlg::IDC_JOIN)->isVisible());
            EXPECT_FALSE(Control<QPushButton>(d, CProgressEditDlg::IDC_JOIN)->isEnabled());
            Press(d, c.button);
        });
        EXPECT_EQ(registry.Run(request), c.returned);
        EXPECT_EQ(request.result, c.result);
    }
    const CShinLineAttr before = request.lineAttr;
    EXPECT_EQ(RunAttributes([](CProgressAttr2Dlg& d) { Press(d, 2); }), IDCANCEL);
    EXPECT_EQ(request.lineAttr, before);
}

// No box ticked: 13 comes back with nothing to apply (the view still records the change).
TEST_F(ProgressEditTest, NoBoxTickedAppliesNothing) {
    const CShinLineAttr line = request.lineAttr;
    const CShinLabelAttr label = request.labelAttr;
    EXPECT_EQ(RunAttributes([](CProgressAttr2Dlg& d) {
                  for (int id = CProgressAttr2Dlg::IDC_APPLY_TYPE;
                       id <= CProgressAttr2Dlg::IDC_APPLY_DATES; ++id) {
                      EXPECT_FALSE(Control<QCheckBox>(d, id)->isChecked());
                  }
                  EXPECT_EQ(Control<QComboBox>(d, Panel::IDC_INTERVAL)->currentText(), "2");
                  Press(d, 1);
              }),
              IDOK);
    EXPECT_EQ(request.result, ProgressEditRequest::kAttributes);
    EXPECT_FALSE(request.applyLine);
    EXPECT_FALSE(request.applyLabel);
    EXPECT_FALSE(request.applyFont);
    EXPECT_EQ(request.lineAttr, line);
    EXPECT_EQ(request.labelAttr, label);
}

// A change of a field ticks its group; only ticked groups reach the line.
TEST_F(ProgressEditTest, ChangedFieldsTickTheirGroups) {
    const struct {
        const char* name;
        std::function<void(CProgressAttr2Dlg&)> change;
        int box;
    } cases[] = {
        {"type", [](auto& d) { Control<QComboBox>(d, Panel::IDC_TYPE)->setCurrentIndex(5); },
         CProgressAttr2Dlg::IDC_APPLY_TYPE},
        {"width", [](auto& d) { Control<QComboBox>(d, Panel::IDC_WIDTH)->setCurrentIndex(0); },
         CProgressAttr2Dlg::IDC_APPLY_WIDTH},
        {"colour", [](auto& d) { Pick(Control<QComboBox>(d, Panel::IDC_COLOR), 2); },
         CProgressAttr2Dlg::IDC_APPLY_COLOR},
        {"interval",
         [](auto& d) { Control<QComboBox>(d, Panel::IDC_INTERVAL)->setCurrentIndex(3); },
         CProgressAttr2Dlg::IDC_APPLY_JOIN},
        {"unjoined", [](auto& d) { Control<QRadioButton>(d, Panel::IDC_UNJOINED)->click(); },
         CProgressAttr2Dlg::IDC_APPLY_JOIN},
        {"dates", [](auto& d) { Control<QRadioButton>(d, Panel::IDC_NODATES)->click(); },
         CProgressAttr2Dlg::IDC_APPLY_DATES},
        {"format", [](auto& d) { Control<QComboBox>(d, Panel::IDC_FORMAT)->setCurrentIndex(8); },
         CProgressAttr2Dlg::IDC_APPLY_DATES},
    };
    const ProgressEditRequest start = request;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        request = start;
        EXPECT_EQ(RunAttributes([&c](CProgressAttr2Dlg& d) {
                      c.change(d);
                      for (int id = CProgressAttr2Dlg::IDC_APPLY_TYPE;
                           id <= CProgressAttr2Dlg::IDC_APPLY_DATES; ++id) {
                          EXPECT_EQ(Control<QCheckBox>(d, id)->isChecked(), id == c.box) << id;
                      }
                      Press(d, 1);
                  }),
                  IDOK);
        EXPECT_EQ(request.applyLine, c.box != CProgressAttr2Dlg::IDC_APPLY_DATES);
        EXPECT_EQ(request.applyLabel, c.box == CProgressAttr2Dlg::IDC_APPLY_DATES);
    }
    // The last case: the dates group carries the format chosen, the line is as it was.
    EXPECT_EQ(request.labelAttr.m_text, "hh:MM");
    EXPECT_EQ(request.lineAttr, start.lineAttr);
    EXPECT_EQ(request.labelAttr.m_dateDisp, 1);
}

// The list shows 点線 before 破線, yet the line gets the type the chart draws under the name
// chosen (1 dashed, 2 dotted), and a line opens on the name of its type.
TEST_F(ProgressEditTest, LineTypeNamesStoreTheTypeDrawnUnderThem) {
    const struct {
        const char* name;
        WORD stored;
    } cases[] = {{"実線", 0},     {"点線", 2},     {"破線", 1},
                 {"１点鎖線", 3}, {"２点鎖線", 4}, {"仮線", 5}};
    const ProgressEditRequest start = request;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        request = start;
        EXPECT_EQ(RunAttributes([&c](CProgressAttr2Dlg& d) {
                      auto* type = Control<QComboBox>(d, Panel::IDC_TYPE);
                      type->setCurrentIndex(type->findText(QString::fromUtf8(c.name)));
                      Press(d, 1);
                  }),
                  IDOK);
        EXPECT_EQ(request.lineAttr.m_type, c.stored);
        EXPECT_EQ(RunAttributes([&c](CProgressAttr2Dlg& d) {
                      EXPECT_EQ(Control<QComboBox>(d, Panel::IDC_TYPE)->currentText(),
                                QString::fromUtf8(c.name));
                      Press(d, 2);
                  }),
                  IDCANCEL);
    }
}

TEST_F(ProgressEditTest, FontOfItsOwnUnlessTheBaseFontKeepsPriority) {
    LOGFONT chartFont{};
    chartFont.lfHeight = -33;
    chartShin.SetLogFont(chartFont);
    for (const int baseFont : {0, 1}) {
        SCOPED_TRACE(baseFont);
        request.labelAttr.m_ownFont = 0;
        FontSelDlgRequest asked;
        ui->OnDialog("FontSelDlg", [&](DialogRequest& r) {
            auto& font = static_cast<FontSelDlgRequest&>(r);
            asked = font;
            font.font.lfHeight = -44;
            font.baseFontCheck = baseFont;
            return IDOK;
        });
        EXPECT_EQ(RunAttributes([](CProgressAttr2Dlg& d) {
                      Press(d, CProgressAttr2Dlg::IDC_FONT);
                      EXPECT_TRUE(
                          Control<QCheckBox>(d, CProgressAttr2Dlg::IDC_APPLY_DATES)->isChecked());
                      Press(d, 1);
                  }),
                  IDOK);
        EXPECT_EQ(asked.baseFontCheck, 1);
        EXPECT_EQ(asked.font.lfHeight, -33);
        EXPECT_TRUE(request.applyLabel);
        EXPECT_EQ(request.labelAttr.m_ownFont, baseFont == 0 ? 1 : 0);
        EXPECT_EQ(request.applyFont, baseFont == 0);
        EXPECT_EQ(request.font.lfHeight, -44);
    }
}

TEST_F(ProgressEditTest, ResetTicksEveryBoxAndLoadsTheChartSettings) {
    EXPECT_EQ(RunAttributes([](CProgressAttr2Dlg& d) {
                  Press(d, CProgressAttr2Dlg::IDC_RESET);
                  for (int id = CProgressAttr2Dlg::IDC_APPLY_TYPE;
                       id <= CProgressAttr2Dlg::IDC_APPLY_DATES; ++id) {
                      EXPECT_TRUE(Control<QCheckBox>(d, id)->isChecked());
                  }
                  EXPECT_EQ(Control<QComboBox>(d, Panel::IDC_FORMAT)->currentText(), "mm/dd");
                  Press(d, 1);
              }),
              IDOK);
    EXPECT_EQ(request.lineAttr.m_type, 4);
    EXPECT_EQ(request.lineAttr.m_linked, 5);
    EXPECT_EQ(request.lineAttr.m_color, kRed);
    EXPECT_EQ(request.labelAttr.m_text, "mm/dd");
    EXPECT_EQ(request.labelAttr.m_ownFont, 0);
    EXPECT_FALSE(request.applyFont);
}

} // namespace
} // namespace tembra
