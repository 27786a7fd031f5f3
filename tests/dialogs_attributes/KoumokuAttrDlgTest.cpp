// The item attribute dialogs and the ruled-line dialog offscreen: the defaults written whole,
// the selection's groups ticked by use and the flag mask of the ticked groups, and the ruled
// lines left alone unless picked.
#include "dialogs/attributes/KoumokuAttrDlg.h"
#include "dialogs/attributes/KeisenSetDlg.h"
#include "dialogs/attributes/KoumokuAttr2Dlg.h"
#include "dialogs/attributes/RegisterAttributeDialogs.h"

#include "dialogs_attributes/DialogTestSupport.h"
#include "document/AttrDialogRequests.h"
#include "document/EditDialogRequests.h"
#include "model/ConfigBase.h"
#include "model/OptionDialogRequest.h"
#include "platform/ColorRequest.h"
#include "support/ScriptedUi.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>

namespace tembra {
namespace {

using test::Control;

void Ok(QDialog& d) {
    Control<QPushButton>(d, 1)->click();
}
void Click(const QDialog& d, int id) {
    Control<QAbstractButton>(d, id)->click();
}
void Pick(const QDialog& d, int id, int index) {
    QComboBox* combo = Control<QComboBox>(d, id);
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

class KoumokuAttrDlgTest : public ::testing::Test {
protected:
    test::ScopedUi ui;
};

TEST_F(KoumokuAttrDlgTest, DefaultsShowTopForBothFlagsAndSaveTheTableCodes) {
    CConfigBase settings;
    settings.Read(FALSE);
    CFontAttr& attr = settings.GetChart().GetKoumokuAttr();
    attr.m_fontHeigh = 0;
    attr.m_fontWidth = 0;
    attr.m_attrb = 256 | 512 | 2;
    attr.m_color = RGB(9, 9, 9);
    CKoumokuAttrDlg dialog(&settings);
    EXPECT_TRUE(Control<QRadioButton>(dialog, 1727)->isChecked());
    EXPECT_TRUE(Control<QRadioButton>(dialog, 1038)->isChecked());
    EXPECT_EQ(Control<QComboBox>(dialog, 1369)->currentIndex(), 6);
    Click(dialog, 1044);
    Ok(dialog);
    EXPECT_EQ(attr.m_attrb, 256 | 4 | 2);
    EXPECT_EQ(attr.m_fontHeigh, 1);
    EXPECT_EQ(attr.m_fontWidth, 1);
    EXPECT_EQ(attr.m_color, RGB(9, 9, 9));
}

KoumokuAttr2DlgRequest Selection() {
    KoumokuAttr2DlgRequest request;
    request.fromSelection = true;
    request.attr = {1, RGB(0, 255, 0), 256 | 4 | 1, 2, 2};
    return request;
}

TEST_F(KoumokuAttrDlgTest, SelectionHandsBackOnlyTheTickedGroups) {
    struct Case {
        const char* name;
        std::function<void(QDialog&)> act;
        WORD size, form;
        COLORREF color;
        WORD flags, mask;
    };
    const Case cases[] = {
        {"untouched", [](QDialog&) {}, 65535, 65535, 0xFFFFFFFF, 65535, 0},
        {"colour", [](QDialog& d) { Pick(d, 1369, 1); }, 65535, 65535, RGB(255, 0, 0), 65535, 0},
        {"bottom", [](QDialog& d) { Click(d, 1729); }, 65535, 1, 0xFFFFFFFF, 512 | 4 | 1,
         256 | 512},
        {"emphasis off", [](QDialog& d) { Click(d, 1044); }, 65535, 65535, 0xFFFFFFFF, 256 | 1, 4},
        {"size", [](QDialog& d) { Click(d, 1039); }, 0x0201, 65535, 0xFFFFFFFF, 65535, 0},
    };
    for (const Case& c : cases) {
        KoumokuAttr2DlgRequest request = Selection();
        CKoumokuAttr2Dlg dialog(request);
        c.act(dialog);
        Ok(dialog);
        EXPECT_EQ(request.attr.SizeCode(), c.size) << c.name;
        EXPECT_EQ(request.attr.form, c.form) << c.name;
        EXPECT_EQ(request.attr.color, c.color) << c.name;
        EXPECT_EQ(request.attr.flags, c.flags) << c.name;
        EXPECT_EQ(dialog.FlagMask(), c.mask) << c.name;
    }
}

// 初期化 takes the defaults new documents start from, the application's, all groups ticked.
TEST_F(KoumokuAttrDlgTest, SelectionResetTakesTheDefaultsAllTicked) {
    CConfigBase settings;
    settings.Read(FALSE);
    CFontAttr& defaults = settings.GetChart().GetKoumokuAttr();
    defaults.m_fontHeigh = 1;
    defaults.m_fontWidth = 2;
    defaults.m_form = 2;
    defaults.m_color = RGB(255, 255, 0);
    defaults.m_attrb = 512;
    CConfigBase* previous = SetAppConfig(&settings);
    KoumokuAttr2DlgRequest request = Selection();
    CKoumokuAttr2Dlg dialog(request);
    Click(dialog, CKoumokuAttr2Dlg::IDC_RESET);
    for (int id : {1681, 1682, 1683, 1684}) {
        EXPECT_TRUE(Control<QCheckBox>(dialog, id)->isChecked()) << id;
    }
    Ok(dialog);
    SetAppConfig(previous);
    EXPECT_EQ(request.attr.SizeCode(), 0x0102);
    EXPECT_EQ(request.attr.form, 2);
    EXPECT_EQ(request.attr.color, RGB(255, 255, 0));
    EXPECT_EQ(request.attr.flags, 512 | 1);
    EXPECT_EQ(dialog.FlagMask(), 256 | 512 | 4);
}

TEST_F(KoumokuAttrDlgTest, RuledLinesUntouchedComeBackAsMinusOne) {
    struct Case {
        const char* name;
        std::function<void(QDialog&)> act;
        std::array<int, 3> lines;
    };
    const Case cases[] = {
        {"untouched", [](QDialog&) {}, {-1, -1, -1}},
        {"item lower", [](QDialog& d) { Pick(d, 2004, 5); }, {-1, 5, -1}},
        {"ticked alone", [](QDialog& d) { Click(d, 1758); }, {2, -1, -1}},
    };
    for (const Case& c : cases) {
        KeisenSetDlgRequest request;
        request.rowLine = 2;
        request.lineA = 1;
        request.lineB = 0;
        CKeisenSetDlg dialog(request);
        EXPECT_EQ(Control<QComboBox>(dialog, 2003)->currentText(),
                  QString::fromUtf8("仕切り線（標準）"));
        c.act(dialog);
        Ok(dialog);
        EXPECT_EQ((std::array<int, 3>{request.rowLine, request.lineA, request.lineB}), c.lines)
            << c.name;
    }
}

TEST_F(KoumokuAttrDlgTest, TheRequestsAreAnsweredByTheirDialogs) {
    test::KeepingRegistry registry;
    RegisterAttributeDialogs(registry);
    KeisenSetDlgRequest keisen;
    test::WhenShown<CKeisenSetDlg>([](CKeisenSetDlg& d) {
        Pick(d, 2005, 3);
        Ok(d);
    });
    EXPECT_EQ(registry.Run(keisen), IDOK);
    EXPECT_EQ((std::array<int, 3>{keisen.rowLine, keisen.lineA, keisen.lineB}),
              (std::array<int, 3>{-1, -1, 3}));
    KoumokuAttr2DlgRequest item = Selection();
    test::WhenShown<CKoumokuAttr2Dlg>([](CKoumokuAttr2Dlg& d) { d.reject(); });
    EXPECT_EQ(registry.Run(item), IDCANCEL);
    EXPECT_EQ(item.attr, Selection().attr);
    CConfigBase settings;
    settings.Read(FALSE);
    OptionDialogRequest option("KoumokuAttributes", &settings);
    test::WhenShown<CKoumokuAttrDlg>([](CKoumokuAttrDlg& d) { Ok(d); });
    EXPECT_EQ(registry.Run(option), IDOK);
}

} // namespace
} // namespace tembra
