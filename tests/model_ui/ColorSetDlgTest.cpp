// The colour settings dialog: each radio chooses the colour 色変更 changes, the colour dialog is
// preset with it and its Cancel keeps it, 初期化 shows the built-in colours and Cancel writes
// nothing.
#include "model/ui/ColorSetDlg.h"

#include "model/ConfigBase.h"
#include "model/ConfigColor.h"
#include "model/OptionDialogRequest.h"
#include "model/ui/RegisterModelDialogs.h"
#include "platform/ColorRequest.h"
#include "platform/qt/DialogRegistry.h"
#include "support/ScriptedUi.h"
#include "support/qt/DialogControls.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace tembra {
namespace {

using test::Control;
using C = CColorSetDlg;

CConfigColor Distinct() {
    CConfigColor color;
    color.SetEditWork(RGB(1, 2, 3));
    color.SetEditBold(RGB(4, 5, 6));
    color.SetLinked(RGB(7, 8, 9));
    color.SetHolidayMesh(RGB(10, 11, 12));
    return color;
}

bool Same(const CConfigColor& a, const CConfigColor& b) {
    return LoadColorSet(a) == LoadColorSet(b);
}

TEST(ColorSetDlgTest, EachRadioChangesItsOwnColour) {
    struct Case {
        int radio;
        const char* text;
        COLORREF (CConfigColor::*get)() const;
    };
    const std::vector<Case> cases = {
        {C::IDC_SELECTED, "選択色", &CConfigColor::GetEditWork},
        {C::IDC_LOCKED, "ロック色", &CConfigColor::GetEditBold},
        {C::IDC_RELATION, "関係線色", &CConfigColor::GetLinked},
        {C::IDC_HATCH, "網掛色", &CConfigColor::GetHolidayMesh},
    };
    for (const Case& c : cases) {
        test::ScopedUi ui;
        CConfigColor color = Distinct();
        const CConfigColor before = color;
        COLORREF preset = 0;
        ui->OnDialog("Color", [&preset](DialogRequest& r) {
            auto& request = static_cast<ColorRequest&>(r);
            preset = request.color;
            request.color = RGB(200, 100, 50);
            return IDOK;
        });
        C dialog(&color);
        EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("色設定"));
        EXPECT_TRUE(Control<QRadioButton>(dialog, C::IDC_SELECTED)->isChecked());
        EXPECT_EQ(Control<QRadioButton>(dialog, c.radio)->text(), QString::fromUtf8(c.text));
        Control<QRadioButton>(dialog, c.radio)->click();
        Control<QPushButton>(dialog, C::IDC_CHANGE)->click();
        EXPECT_EQ(preset, (before.*c.get)()) << c.text;
        EXPECT_TRUE(Same(color, before)) << "nothing is written before OK";
        Control<QPushButton>(dialog, 1)->click();
        EXPECT_EQ((color.*c.get)(), RGB(200, 100, 50)) << c.text;
        for (const Case& other : cases) {
            if (other.radio != c.radio) {
                EXPECT_EQ((color.*other.get)(), (before.*other.get)()) << c.text << other.text;
            }
        }
    }
}

TEST(ColorSetDlgTest, CancelOfTheColourDialogKeepsTheColour) {
    test::ScopedUi ui;
    // A colour dialog that changes its colour and then is cancelled.
    ui->OnDialog("Color", [](DialogRequest& r) {
        static_cast<ColorRequest&>(r).color = RGB(99, 99, 99);
        return IDCANCEL;
    });
    CConfigColor color = Distinct();
    C dialog(&color);
    Control<QRadioButton>(dialog, C::IDC_LOCKED)->click();
    Control<QPushButton>(dialog, C::IDC_CHANGE)->click();
    EXPECT_EQ(dialog.GetValues(), LoadColorSet(Distinct()));
    dialog.accept();
    EXPECT_TRUE(Same(color, Distinct()));
}

TEST(ColorSetDlgTest, ResetShowsTheBuiltInColoursAndCancelWritesNothing) {
    test::ScopedUi ui;
    ui->OnDialog("Color", [](DialogRequest& r) {
        static_cast<ColorRequest&>(r).color = RGB(50, 60, 70);
        return IDOK;
    });
    CConfigColor color = Distinct();
    {
        C dialog(&color);
        Control<QPushButton>(dialog, C::IDC_CHANGE)->click();
        Control<QPushButton>(dialog, C::IDC_RESET)->click();
        const ColorSetValues builtIn{
            {RGB(0, 255, 255), RGB(255, 0, 0), RGB(0, 0, 255), RGB(255, 225, 225)}};
        EXPECT_EQ(dialog.GetValues(), builtIn);
        Control<QPushButton>(dialog, 2)->click();
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
    }
    EXPECT_TRUE(Same(color, Distinct()));

    QStringList texts;
    C dialog(&color);
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        texts << label->text();
    }
    EXPECT_TRUE(texts.join('\n').contains(QString::fromUtf8(
        "・休日網掛色はシステム環境設定で固定網掛が設定されていると反映されません")));
}

class HandlerRegistry : public IDialogRegistry {
public:
    void Register(const std::string& name, DialogHandler handler) override {
        handlers[name] = std::move(handler);
    }
    QWidget* DialogParent() const override { return nullptr; }
    std::map<std::string, DialogHandler> handlers;
};

// The registered handler edits the colours of the settings in the request.
TEST(ColorSetDlgTest, TheSettingsCommandEditsTheSettingsColours) {
    test::ScopedUi ui;
    ui->OnDialog("Color", [](DialogRequest& r) {
        static_cast<ColorRequest&>(r).color = RGB(1, 1, 1);
        return IDOK;
    });
    HandlerRegistry registry;
    RegisterModelDialogs(registry);
    CConfigBase config;
    config.GetColor().Copy(Distinct());
    OptionDialogRequest request("ColorSettings", &config);
    for (int button : {2, 1}) {
        test::WhenShown<C>([button](C& d) {
            Control<QRadioButton>(d, C::IDC_HATCH)->click();
            Control<QPushButton>(d, C::IDC_CHANGE)->click();
            Control<QPushButton>(d, button)->click();
        });
        EXPECT_EQ(registry.handlers.at("ColorSettings")(request), button == 1 ? IDOK : IDCANCEL);
        EXPECT_EQ(config.GetColor().GetHolidayMesh(), button == 1 ? RGB(1, 1, 1) : RGB(10, 11, 12));
    }
}

} // namespace
} // namespace tembra
