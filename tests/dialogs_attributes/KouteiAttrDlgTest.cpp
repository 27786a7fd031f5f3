// The process attribute dialogs offscreen: the number ranges of the defaults dialog on both
// sides of each limit, its reset, and the selection dialog's change boxes, colour, reset and
// hand-over to the duration change.
#include "dialogs/attributes/KouteiAttrDlg.h"
#include "dialogs/attributes/KouteiAttr2Dlg.h"
#include "dialogs/attributes/RegisterAttributeDialogs.h"
#include "dialogs/attributes/core/AttrCodeTables.h"

#include "dialogs_attributes/DialogTestSupport.h"
#include "document/AttrDialogRequests.h"
#include "document/EditDialogRequests.h"
#include "model/ConfigBase.h"
#include "model/OptionDialogRequest.h"
#include "platform/ColorRequest.h"
#include "platform/RangeMessage.h"
#include "support/ScriptedUi.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace tembra {
namespace {

using test::Control;

class KouteiAttrDlgTest : public ::testing::Test {
protected:
    KouteiAttrDlgTest() { settings.Read(FALSE); }
    static void Ok(QDialog& d) { Control<QPushButton>(d, 1)->click(); }
    static QComboBox* Combo(const QDialog& d, int id) { return Control<QComboBox>(d, id); }
    // Picks an entry as the user does: the selection, then the activation.
    static void Pick(const QDialog& d, int id, int index) {
        QComboBox* combo = Combo(d, id);
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }

    CConfigBase settings;
    test::ScopedUi ui;
};

TEST_F(KouteiAttrDlgTest, NumbersOutsideTheirRangeAreRefusedWithTheFocusOnTheField) {
    struct Case {
        int id;
        const char* typed;
        bool taken;
        WORD (*stored)(const CConfigBase&);
    };
    const auto arrowLength = [](const CConfigBase& s) { return s.GetChart().GetArrowLength(); };
    const auto arrowAngle = [](const CConfigBase& s) { return s.GetChart().GetArrowAngle(); };
    const auto kakomi = [](const CConfigBase& s) {
        return static_cast<WORD>(s.GetChart().GetKakomiAngle());
    };
    const auto normalWidth = [](const CConfigBase& s) {
        return s.GetChart().GetKouteiWidthSet().GetAt(0);
    };
    const auto boldWidth = [](const CConfigBase& s) {
        return s.GetChart().GetKouteiWidthSet().GetAt(2);
    };
    const Case cases[] = {
        {1035, "4", false, arrowLength},  {1035, "5", true, arrowLength},
        {1035, "100", true, arrowLength}, {1035, "101", false, arrowLength},
        {1032, "9", false, arrowAngle},   {1032, "10", true, arrowAngle},
        {1032, "45", true, arrowAngle},   {1032, "46", false, arrowAngle},
        {1298, "29", false, kakomi},      {1298, "30", true, kakomi},
        {1298, "90", true, kakomi},       {1298, "91", false, kakomi},
        {1549, "0", true, normalWidth},   {1548, "51", false, boldWidth},
        {1548, "50", true, boldWidth},    {1035, "abc", false, arrowLength},
    };
    for (const Case& c : cases) {
        ui->ClearRecords();
        CConfigBase edited = settings;
        CKouteiAttrDlg dialog(&edited);
        dialog.show();
        QLineEdit* field = Control<QLineEdit>(dialog, c.id);
        field->setText(QString::fromUtf8(c.typed));
        Ok(dialog);
        if (c.taken) {
            EXPECT_TRUE(ui->MessageIds().empty()) << c.id << " " << c.typed;
            EXPECT_EQ(dialog.result(), QDialog::Accepted) << c.id << " " << c.typed;
            EXPECT_EQ(c.stored(edited), std::stoi(c.typed)) << c.id;
        } else {
            EXPECT_EQ(ui->MessageIds(), std::vector<UINT>{IDS_VALUE_RANGE})
                << c.id << " " << c.typed;
            EXPECT_TRUE(dialog.isVisible()) << c.id << " " << c.typed;
            EXPECT_EQ(dialog.focusWidget(), field) << c.id << " " << c.typed;
            EXPECT_EQ(c.stored(edited), c.stored(settings)) << c.id;
        }
    }
}

TEST_F(KouteiAttrDlgTest, CodesAndTheCustomColourAreWrittenByTheTables) {
    settings.GetChart().GetKouteiAttr().m_style = 0;
    settings.GetChart().GetKouteiAttr().m_color = RGB(255, 0, 0);
    CKouteiAttrDlg dialog(&settings);
    EXPECT_EQ(Combo(dialog, 1366)->currentText(), QString::fromUtf8("Ｙ先行エルボ"));
    EXPECT_EQ(Combo(dialog, 1362)->currentText(), QString::fromUtf8("赤"));
    ui->OnDialog("Color", [](DialogRequest& r) {
        static_cast<ColorRequest&>(r).color = RGB(1, 2, 3);
        return IDOK;
    });
    Pick(dialog, 1383, kCustomColorPosition);
    Pick(dialog, 1041, 2);
    Control<QCheckBox>(dialog, 1633)->click();
    Ok(dialog);
    const CConfigChart& chart = settings.GetChart();
    EXPECT_EQ(chart.GetKouteiAttr().m_style, 2);
    EXPECT_EQ(chart.GetKouteiAttr().m_color, RGB(255, 0, 0));
    EXPECT_EQ(chart.GetKouteiAttr().m_hatch, 99);
    EXPECT_EQ(chart.GetKouteiAttr().m_subStyle & KouteiAttrFields::kNoArrow,
              KouteiAttrFields::kNoArrow);
    EXPECT_EQ(chart.GetLandAttr().m_color, RGB(1, 2, 3));
}

TEST_F(KouteiAttrDlgTest, ResetShowsTheBuiltInDefaultsAndCancelKeepsTheSettings) {
    settings.GetChart().SetArrowLength(77);
    const CConfigBase before = settings;
    CKouteiAttrDlg dialog(&settings);
    EXPECT_EQ(Control<QLineEdit>(dialog, 1035)->text(), "77");
    Control<QPushButton>(dialog, CKouteiAttrDlg::IDC_RESET)->click();
    CConfigBase defaults;
    defaults.Read(FALSE);
    EXPECT_EQ(Control<QLineEdit>(dialog, 1035)->text(),
              QString::number(defaults.GetChart().GetArrowLength()));
    dialog.reject();
    EXPECT_EQ(settings.GetChart().GetArrowLength(), 77);
    EXPECT_EQ(settings.GetChart().GetKouteiAttr(), before.GetChart().GetKouteiAttr());
}

KouteiAttr2DlgRequest SelectionRequest() {
    KouteiAttr2DlgRequest request;
    request.fromSelection = true;
    request.line = {4, 1, 1, 2, RGB(0, 255, 0), 0, 3};
    request.node = {7, 0, RGB(0, 0, 0), 150, 20};
    return request;
}

TEST_F(KouteiAttrDlgTest, SelectionWritesOnlyWhatTheUserChanged) {
    const CKouteiAttr leaveLine{kLeaveWord,  kLeaveWord, kLeaveWord, -1,
                                kLeaveColor, kLeaveWord, kLeaveWord};
    struct Case {
        const char* name;
        std::function<void(QDialog&)> act;
        CKouteiAttr line;
        WORD nodeSize;
    };
    CKouteiAttr colourOnly = leaveLine;
    colourOnly.m_color = RGB(0, 255, 255);
    CKouteiAttr styleOnly = leaveLine;
    styleOnly.m_style = 320;
    const Case cases[] = {
        {"untouched", [](QDialog&) {}, leaveLine, kLeaveWord},
        {"colour", [](QDialog& d) { Pick(d, 1362, 4); }, colourOnly, kLeaveWord},
        {"style", [](QDialog& d) { Pick(d, 1366, 8); }, styleOnly, kLeaveWord},
        {"size",
         [](QDialog& d) {
             QLineEdit* size = Control<QLineEdit>(d, 1700);
             size->selectAll();
             QTest::keyClicks(size, "300");
         },
         leaveLine, 300},
    };
    for (const Case& c : cases) {
        KouteiAttr2DlgRequest request = SelectionRequest();
        CKouteiAttr2Dlg dialog(request);
        c.act(dialog);
        Ok(dialog);
        EXPECT_EQ(dialog.result(), QDialog::Accepted) << c.name;
        EXPECT_EQ(request.line, c.line) << c.name;
        EXPECT_EQ(request.node.m_size, c.nodeSize) << c.name;
        EXPECT_EQ(request.node.m_color, kLeaveColor) << c.name;
        EXPECT_EQ(request.node.m_style, kLeaveWord) << c.name;
    }
}

// 初期化 takes the defaults new documents start from, the application's, with every group ticked.
TEST_F(KouteiAttrDlgTest, SelectionResetTakesTheDefaultsWithEveryGroupTicked) {
    settings.GetChart().GetKouteiAttr() = {5, 0, 3, 1, RGB(255, 255, 0), 1, 999};
    settings.GetChart().GetLandAttr() = {521, 0, RGB(0, 0, 0), 100, 25};
    CConfigBase* previous = SetAppConfig(&settings);
    KouteiAttr2DlgRequest request = SelectionRequest();
    CKouteiAttr2Dlg dialog(request);
    EXPECT_EQ(Combo(dialog, 1364)->currentText(), QString::fromUtf8("□"));
    Control<QPushButton>(dialog, CKouteiAttr2Dlg::IDC_RESET)->click();
    EXPECT_EQ(Combo(dialog, 1364)->currentText(), QString::fromUtf8("ﾏｲﾙｽﾄｰﾝ(終了)"));
    for (int id = CKouteiAttr2Dlg::IDC_CHANGE_TYPE; id <= CKouteiAttr2Dlg::IDC_CHANGE_HATCH; ++id) {
        EXPECT_TRUE(Control<QCheckBox>(dialog, id)->isChecked()) << id;
    }
    Ok(dialog);
    SetAppConfig(previous);
    EXPECT_EQ(request.line, settings.GetChart().GetKouteiAttr());
    EXPECT_EQ(request.node.m_style, 521);
    EXPECT_EQ(request.node.m_size, 100);
}

TEST_F(KouteiAttrDlgTest, DurationChangeCancelsWithTheFlagSet) {
    KouteiAttr2DlgRequest request = SelectionRequest();
    const KouteiAttr2DlgRequest before = request;
    CKouteiAttr2Dlg dialog(request);
    Pick(dialog, 1362, 1);
    Control<QPushButton>(dialog, CKouteiAttr2Dlg::IDC_DURATION)->click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_TRUE(request.changeDaysAsked);
    EXPECT_EQ(request.line, before.line);

    KouteiAttr2DlgRequest defaults = SelectionRequest();
    defaults.fromSelection = false;
    CKouteiAttr2Dlg plain(defaults);
    EXPECT_FALSE(Control<QPushButton>(plain, CKouteiAttr2Dlg::IDC_DURATION)->isEnabled());
    EXPECT_TRUE(Control<QCheckBox>(plain, CKouteiAttr2Dlg::IDC_CHANGE_COLOR)->isHidden());
}

TEST_F(KouteiAttrDlgTest, TheRequestsAreAnsweredByTheirDialogs) {
    test::KeepingRegistry registry;
    RegisterAttributeDialogs(registry);
    KouteiAttr2DlgRequest request = SelectionRequest();
    test::WhenShown<CKouteiAttr2Dlg>([](CKouteiAttr2Dlg& d) {
        Pick(d, 1365, 2);
        Ok(d);
    });
    EXPECT_EQ(registry.Run(request), IDOK);
    EXPECT_EQ(request.line.m_type, 2);
    OptionDialogRequest option("KouteiAttributes", &settings);
    test::WhenShown<CKouteiAttrDlg>([](CKouteiAttrDlg& d) { d.reject(); });
    EXPECT_EQ(registry.Run(option), IDCANCEL);
}

} // namespace
} // namespace tembra
