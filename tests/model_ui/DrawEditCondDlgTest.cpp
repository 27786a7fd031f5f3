// The drawing and editing conditions dialog: each radio pair on its own setting, the term-target
// nibbles read as "any bit" and written whole, the built-in values of 初期化, Cancel, and the
// application's and a document's conditions kept apart by the registered handlers.
#include "model/ui/DrawEditCondDlg.h"

#include "model/ConfigBase.h"
#include "model/ConfigOperation.h"
#include "model/DocOperationRequest.h"
#include "model/OptionDialogRequest.h"
#include "model/ui/RegisterModelDialogs.h"
#include "platform/qt/DialogRegistry.h"
#include "support/ScriptedUi.h"
#include "support/qt/DialogControls.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace tembra {
namespace {

using test::Control;
using D = CDrawEditCondDlg;

// Keeps the handlers a registration function registers, to run them by name.
class HandlerRegistry : public IDialogRegistry {
public:
    void Register(const std::string& name, DialogHandler handler) override {
        handlers[name] = std::move(handler);
    }
    QWidget* DialogParent() const override { return nullptr; }
    std::map<std::string, DialogHandler> handlers;
};

// Every setting the dialog edits set to the other value than its default.
CConfigOperation NonDefault() {
    CConfigOperation op;
    op.SetKouTempStyle(1);
    op.SetMultiEdit(1);
    op.SetWakunai(0);
    op.SetHolidayAuto(0);
    op.SetWithYogo(1);
    op.SetEventBaseMove(0);
    op.SetYogoAttach(0);
    op.SetGuideMode(0);
    return op;
}

bool SameSettings(const CConfigOperation& a, const CConfigOperation& b) {
    return LoadDrawEditCond(a) == LoadDrawEditCond(b) && a.GetYogoAttach() == b.GetYogoAttach() &&
           a.GetGuideMode() == b.GetGuideMode();
}

TEST(DrawEditCondDlgTest, OnlyBitTwoShowsProcessLineAndSavesTheWholeNibble) {
    test::ScopedUi ui;
    CConfigOperation op;
    op.SetYogoAttach(0x04);
    D dialog(&op);
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("作図・編集条件"));
    EXPECT_EQ(Control<QCheckBox>(dialog, D::IDC_ATTACH_LINE)->text(), QString::fromUtf8("工程線"));
    EXPECT_TRUE(Control<QCheckBox>(dialog, D::IDC_ATTACH_LINE)->isChecked());
    EXPECT_FALSE(Control<QCheckBox>(dialog, D::IDC_ATTACH_NODE)->isChecked());
    Control<QPushButton>(dialog, 1)->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(op.GetYogoAttach(), 0x0F);
}

// Each radio pair shows and writes its own setting, and no other.
TEST(DrawEditCondDlgTest, EachRadioPairEditsItsOwnSetting) {
    test::ScopedUi ui;
    struct Case {
        int off;
        int on;
        const char* onText;
        std::function<LONG(const CConfigOperation&)> get;
        std::function<void(CConfigOperation&, LONG)> set;
    };
    const std::vector<Case> cases = {
        {D::IDC_TEMP_OFF, D::IDC_TEMP_ON, "仮決定状態あり", &CConfigOperation::GetKouTempStyle,
         &CConfigOperation::SetKouTempStyle},
        {D::IDC_MULTI_CTRL, D::IDC_MULTI_ALWAYS, "随時複数選択", &CConfigOperation::GetMultiEdit,
         &CConfigOperation::SetMultiEdit},
        {D::IDC_WAKUNAI_OFF, D::IDC_WAKUNAI_ON, "枠内限定あり(SHIFTｷｰで一時解除)",
         &CConfigOperation::GetWakunai, &CConfigOperation::SetWakunai},
        {D::IDC_HOLIDAY_OFF, D::IDC_HOLIDAY_ON, "休日を考慮する（実動工数を維持）",
         &CConfigOperation::GetHolidayAuto, &CConfigOperation::SetHolidayAuto},
        {D::IDC_YOGO_ALONE, D::IDC_YOGO_PAIR, "工程とペア作図", &CConfigOperation::GetWithYogo,
         &CConfigOperation::SetWithYogo},
        {D::IDC_EVENT_BASE_MOVE, D::IDC_EVENT_BASE_FIXED, "基準点固定",
         &CConfigOperation::GetEventBaseMove, &CConfigOperation::SetEventBaseMove},
    };
    for (const Case& c : cases) {
        for (LONG from : {0, 1}) {
            CConfigOperation op;
            for (const Case& other : cases) {
                other.set(op, 0);
            }
            c.set(op, from);
            const CConfigOperation before = op;
            D dialog(&op);
            EXPECT_EQ(Control<QRadioButton>(dialog, c.on)->text(), QString::fromUtf8(c.onText));
            EXPECT_EQ(Control<QRadioButton>(dialog, c.on)->isChecked(), from == 1) << c.on;
            EXPECT_EQ(Control<QRadioButton>(dialog, c.off)->isChecked(), from == 0) << c.off;
            Control<QRadioButton>(dialog, from == 1 ? c.off : c.on)->click();
            dialog.accept();
            EXPECT_EQ(c.get(op), 1 - from) << c.on;
            for (const Case& other : cases) {
                if (other.on != c.on) {
                    EXPECT_EQ(other.get(op), other.get(before)) << c.on << " " << other.on;
                }
            }
        }
    }
}

TEST(DrawEditCondDlgTest, ResetShowsTheBuiltInValuesAndCancelWritesNothing) {
    test::ScopedUi ui;
    CConfigOperation op = NonDefault();
    const CConfigOperation before = op;
    {
        D dialog(&op);
        Control<QPushButton>(dialog, D::IDC_RESET)->click();
        DrawEditCondValues builtIn;
        builtIn.wakunai = 1;
        builtIn.holidayAuto = 1;
        builtIn.eventBaseMove = 1;
        builtIn.attachToLine = true;
        builtIn.attachToNode = true;
        EXPECT_EQ(dialog.GetValues(), builtIn);
        EXPECT_TRUE(Control<QRadioButton>(dialog, D::IDC_WAKUNAI_ON)->isChecked());
        EXPECT_TRUE(Control<QRadioButton>(dialog, D::IDC_TEMP_OFF)->isChecked());
        // Nothing is written before OK.
        EXPECT_TRUE(SameSettings(op, before));
        Control<QPushButton>(dialog, 2)->click();
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
    }
    EXPECT_TRUE(SameSettings(op, before));

    D dialog(&op);
    Control<QPushButton>(dialog, D::IDC_RESET)->click();
    dialog.accept();
    EXPECT_EQ(op.GetWakunai(), 1);
    EXPECT_EQ(op.GetYogoAttach(), 0xFF);
    EXPECT_EQ(op.GetGuideMode(), 0) << "a setting the dialog does not show stays";
}

TEST(DrawEditCondDlgTest, WithoutSettingsTheDialogIsInert) {
    test::ScopedUi ui;
    D dialog(nullptr);
    Control<QRadioButton>(dialog, D::IDC_TEMP_ON)->click();
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

// The document's command edits the document's conditions; the application's stay.
TEST(DrawEditCondDlgTest, TheDocumentAndTheApplicationEachEditTheirOwn) {
    test::ScopedUi ui;
    HandlerRegistry registry;
    RegisterModelDialogs(registry);
    CConfigBase config;
    config.GetOperation().SetKouTempStyle(0);
    CConfigOperation document = config.GetOperation();
    const CConfigOperation application = config.GetOperation();

    test::WhenShown<D>([](D& d) {
        Control<QRadioButton>(d, D::IDC_TEMP_ON)->click();
        Control<QPushButton>(d, 1)->click();
    });
    DocOperationRequest docRequest("DocDrawEditConditions", document);
    EXPECT_EQ(registry.handlers.at("DocDrawEditConditions")(docRequest), IDOK);
    EXPECT_EQ(document.GetKouTempStyle(), 1);
    EXPECT_TRUE(SameSettings(config.GetOperation(), application));

    test::WhenShown<D>([](D& d) {
        Control<QCheckBox>(d, D::IDC_ATTACH_NODE)->click();
        Control<QPushButton>(d, 1)->click();
    });
    const CConfigOperation documentBefore = document;
    OptionDialogRequest appRequest("DrawEditConditions", &config);
    EXPECT_EQ(registry.handlers.at("DrawEditConditions")(appRequest), IDOK);
    EXPECT_EQ(config.GetOperation().GetYogoAttach(), application.GetYogoAttach() ^ 0xF0);
    EXPECT_TRUE(SameSettings(document, documentBefore));

    test::WhenShown<D>([](D& d) {
        Control<QRadioButton>(d, D::IDC_MULTI_ALWAYS)->click();
        Control<QPushButton>(d, 2)->click();
    });
    EXPECT_EQ(registry.handlers.at("DocDrawEditConditions")(docRequest), IDCANCEL);
    EXPECT_TRUE(SameSettings(document, documentBefore));
}

} // namespace
} // namespace tembra
