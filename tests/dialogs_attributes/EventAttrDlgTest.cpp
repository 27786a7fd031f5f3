// The event attribute dialogs through their widgets: the default dialog on the settings, and
// the document's dialog with and without selected events (group boxes, day alignment, 初期化).
#include "dialogs/attributes/EventAttrDlg.h"
#include "dialogs/attributes/EventAttrBulkDlg.h"
#include "dialogs/attributes/EventAttrControls.h"

#include "DialogTestSupport.h"
#include "document/AttrDialogRequests.h"
#include "document/TembraDoc.h"
#include "model/ConfigBase.h"
#include "support/ScriptedUi.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>

namespace tembra {
namespace {

using test::Control;
using Ctl = EventAttrControls;

constexpr int kChangeIds[] = {Ctl::IDC_CHANGE_FORM, Ctl::IDC_CHANGE_SIZE, Ctl::IDC_CHANGE_STYLE,
                              Ctl::IDC_CHANGE_COLOR, Ctl::IDC_CHANGE_HALF};

bool Checked(const QWidget& d, int id) {
    return Control<QAbstractButton>(d, id)->isChecked();
}

TEST(EventAttrDlg, TheAlignmentWordAndAnUnknownSizeComeBackAsTheRadiosSay) {
    struct Case {
        WORD revice;
        int dayRadio, rowRadio;
    };
    const Case cases[] = {{1, 1224, 1229}, {2, 1225, 1229}, {257, 1224, 1228}, {0, 1226, 1229}};
    for (const Case& c : cases) {
        CConfigBase config;
        config.GetEvent().SetRevice(c.revice);
        config.GetEvent().GetTextAttr().SetSize(999);
        CEventAttrDlg dialog(&config);
        EXPECT_TRUE(Checked(dialog, c.dayRadio)) << c.revice;
        EXPECT_TRUE(Checked(dialog, c.rowRadio)) << c.revice;
        EXPECT_TRUE(Checked(dialog, Ctl::kSizeIds[0])) << "999 shows as 標準";
        Control<QPushButton>(dialog, 1)->click();
        EXPECT_EQ(config.GetEvent().GetRevice(), c.revice);
        EXPECT_EQ(config.GetEvent().GetTextAttr().GetSize(), 257);
    }
    // Without settings nothing is shown or written, and OK still closes.
    CEventAttrDlg empty(nullptr);
    Control<QPushButton>(empty, 1)->click();
    EXPECT_EQ(empty.result(), QDialog::Accepted);
}

class EventAttrBulkDlgTest : public ::testing::Test {
protected:
    EventAttrBulkDlgRequest Request(bool bulk) {
        EventAttrBulkDlgRequest request;
        request.attr = {5, RGB(255, 0, 0), 1 | 8, 2, 2}; // 右吹出, red, 白抜 + 常に横書き, ４倍角
        request.fromSelection = bulk;
        request.document = &doc;
        return request;
    }
    test::ScopedUi ui;
    CTembraDoc doc;
};

TEST_F(EventAttrBulkDlgTest, OnlyTheTouchedGroupsComeBackInBulkMode) {
    EventAttrBulkDlgRequest request = Request(true);
    CEventAttrBulkDlg dialog(request);
    for (const int id : kChangeIds) {
        EXPECT_FALSE(Checked(dialog, id)) << id;
    }
    EXPECT_FALSE(Control<QRadioButton>(dialog, Ctl::kDayIds[1])->isEnabled());
    auto* color = Control<QComboBox>(dialog, Ctl::IDC_COLOR);
    color->setCurrentIndex(2);
    emit color->activated(2);
    EXPECT_TRUE(Checked(dialog, Ctl::IDC_CHANGE_COLOR));
    Control<QPushButton>(dialog, 1)->click();
    EXPECT_EQ(request.attr.form, 65535);
    EXPECT_EQ(request.attr.SizeCode(), 65535);
    EXPECT_EQ(request.attr.flags, 65535);
    EXPECT_EQ(request.attr.color, RGB(0, 255, 0));
    EXPECT_EQ(request.flagMask, 0);

    // A style box ticks 属性, and only its bits are handed back.
    EventAttrBulkDlgRequest styled = Request(true);
    CEventAttrBulkDlg again(styled);
    Control<QCheckBox>(again, Ctl::IDC_BOLD)->click();
    EXPECT_TRUE(Checked(again, Ctl::IDC_CHANGE_STYLE));
    Control<QPushButton>(again, 1)->click();
    EXPECT_EQ(styled.attr.flags, 1 | 4 | 8);
    EXPECT_EQ(styled.flagMask, kEventStyleFlags);
    EXPECT_EQ(styled.attr.color, CTembraDoc::kUnchangedColor);
}

TEST_F(EventAttrBulkDlgTest, ResetInBulkModeTicksEveryGroup) {
    // The document's defaults: 中央寄, 縦倍角, 囲み.
    CTextAttr& defaults = doc.GetSyokiSet().GetEvent().GetTextAttr();
    defaults.m_form = 1;
    defaults.SetSize(0x0201);
    defaults.m_attrb = 2;
    EventAttrBulkDlgRequest request = Request(true);
    CEventAttrBulkDlg dialog(request);
    Control<QPushButton>(dialog, CEventAttrBulkDlg::IDC_RESET)->click();
    for (const int id : kChangeIds) {
        EXPECT_TRUE(Checked(dialog, id)) << id;
    }
    Control<QPushButton>(dialog, 1)->click();
    EXPECT_EQ(request.attr.form, 1);
    EXPECT_EQ(request.attr.SizeCode(), 0x0201);
    EXPECT_EQ(request.attr.flags, 2);
    EXPECT_EQ(request.flagMask, kEventStyleFlags | kEventHalfWidthFlags);
}

TEST_F(EventAttrBulkDlgTest, WithoutSelectionTheDayAlignmentTakesTheFormAndReachesTheDocument) {
    doc.GetSyokiSet().GetEvent().SetRevice(0);
    EventAttrBulkDlgRequest request = Request(false);
    CEventAttrBulkDlg dialog(request);
    for (const int id : kChangeIds) {
        EXPECT_TRUE(Control<QCheckBox>(dialog, id)->isHidden()) << id;
    }
    EXPECT_TRUE(Checked(dialog, Ctl::kFormIds[4]));
    Control<QRadioButton>(dialog, Ctl::kDayIds[1])->click(); // 日左寄
    EXPECT_TRUE(Checked(dialog, Ctl::kFormIds[0]));
    Control<QRadioButton>(dialog, Ctl::kDayIds[2])->click(); // 日中央
    EXPECT_TRUE(Checked(dialog, Ctl::kFormIds[1]));
    Control<QRadioButton>(dialog, Ctl::kDayIds[0])->click(); // しない leaves the form
    EXPECT_TRUE(Checked(dialog, Ctl::kFormIds[1]));
    Control<QRadioButton>(dialog, Ctl::kDayIds[1])->click();
    Control<QRadioButton>(dialog, Ctl::kRowIds[1])->click();
    Control<QPushButton>(dialog, 1)->click();
    EXPECT_EQ(doc.GetSyokiSet().GetEvent().GetRevice(), 257);
    EXPECT_EQ(request.attr.form, 0);
    EXPECT_EQ(request.flagMask, 0xFFFF);
}

} // namespace
} // namespace tembra
