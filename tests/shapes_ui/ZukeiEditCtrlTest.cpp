// The edit window of a framed text, offscreen: made by the text shape in a host widget, aligned
// by the text's Form, sized in points by the zoom, placed in pixels inside the chart area, its
// text in CP932 with CR LF, and the end of the edit when the focus goes elsewhere.
#include "shapes/ui/ZukeiEditCtrl.h"

#include "platform/RecordingDC.h"
#include "shapes/DatePos.h"
#include "shapes/ZukeiString.h"
#include "shapes/ui/ZukeiEditHostWidget.h"
#include "support/Cp932Text.h"

#include "shapes/ShapeTestSupport.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QTextDocument>
#include <QTextOption>
#include <QVBoxLayout>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

namespace tembra {
namespace {

using test::J;

// The chart view's part: a widget to lay the window over, and the end of an edit as the view
// makes it (the window's text to the shape, the window disabled and hidden).
class RecordingHost : public IZukeiEditHostWidget {
public:
    QWidget* GetEditParent() const override { return widget; }
    void EndStringEdit() override {
        ++ends;
        if (shape != nullptr && shape->GetEditWnd() != nullptr) {
            CZukeiEditWnd* window = shape->GetEditWnd()->GetWnd();
            shape->SetText(window->GetWindowText());
            shape->ClearEditState();
            window->EnableWindow(false);
            window->ShowWindow(false);
        }
    }

    QWidget* widget = nullptr;
    CZukeiString* shape = nullptr;
    int ends = 0;
};

// A host that has no widget to offer.
class BareHost : public IZukeiEditHost {
public:
    void EndStringEdit() override {}
};

class ZukeiEditCtrlTest : public testing::Test {
protected:
    ZukeiEditCtrlTest() {
        m_previous = SetZukeiEditWndFactory({});
        InstallZukeiEditWndFactory();
        auto* layout = new QVBoxLayout(&window);
        viewport = new QWidget;
        other = new QLineEdit;
        layout->addWidget(viewport);
        layout->addWidget(other);
        window.resize(640, 400);

        text.SetKind(kZukeiFramedString);
        text.SetFrameKind(kZukeiBox);
        text.SetText(J("あい\r\nうえ"));
        LOGFONT font;
        font.lfHeight = -40;
        font.lfCharSet = SHIFTJIS_CHARSET;
        font.SetFaceName(J("ＭＳ ゴシック"));
        text.SetFont(font);
        Place(CRect(600, -300, 1000, -500));
        dc.SetMapMode(MM_LOMETRIC);
        host.widget = viewport;
        host.shape = &text;
    }
    ~ZukeiEditCtrlTest() override { SetZukeiEditWndFactory(std::move(m_previous)); }

    void Place(const CRect& rect) {
        text.SetPointMode(kPlaceOnPage);
        CDatePos pos;
        pos.point = rect.TopLeft();
        text.SetPoint(pos, chart, 1);
        pos.point = rect.BottomRight();
        text.SetPoint(pos, chart, 2);
    }
    void SetForm(WORD form) {
        CTextAttr attr = text.GetTextAttr();
        attr.m_form = form;
        text.SetTextAttr(attr);
    }
    CZukeiEditCtrl* Ctrl() const {
        const QList<CZukeiEditCtrl*> ctrls = viewport->findChildren<CZukeiEditCtrl*>();
        return ctrls.size() == 1 ? ctrls.front() : nullptr;
    }
    // Shown, enabled and focused, as the view starts an edit.
    void ShowForEditing() {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        CZukeiEditWnd* wnd = text.GetEditWnd()->GetWnd();
        text.GetEditWnd()->FitToShape(chart, dc, text);
        wnd->ShowWindow(true);
        wnd->EnableWindow(true);
        wnd->SetFocus();
        ASSERT_TRUE(QTest::qWaitFor([&] { return Ctrl()->hasFocus(); }));
    }

    QWidget window;
    QWidget* viewport = nullptr;
    QLineEdit* other = nullptr;
    RecordingHost host;
    test::ShapeChart chart;
    CRecordingDC dc;
    CZukeiString text;

private:
    ZukeiEditWndFactory m_previous;
};

TEST_F(ZukeiEditCtrlTest, AnEditMakesAHiddenDisabledWindowAlignedByTheForm) {
    struct Case {
        WORD form;
        Qt::Alignment align;
    };
    const Case cases[] = {{0, Qt::AlignLeft}, {1, Qt::AlignHCenter}, {2, Qt::AlignRight}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.form);
        SetForm(c.form);
        text.BeginEdit(&host);
        CZukeiEditCtrl* ctrl = Ctrl();
        ASSERT_NE(ctrl, nullptr);
        const QTextOption option = ctrl->document()->defaultTextOption();
        EXPECT_EQ(option.alignment() & Qt::AlignHorizontal_Mask, c.align);
        EXPECT_EQ(option.wrapMode(), QTextOption::WrapAnywhere);
        EXPECT_FALSE(ctrl->isEnabled());
        EXPECT_TRUE(ctrl->isHidden());
        EXPECT_EQ(ctrl->toPlainText(), QString::fromUtf8("あい\nうえ"));
        EXPECT_EQ(ctrl->GetStyle(), 0x50001044u | c.form);
        EXPECT_EQ(text.GetEditState(), 1u);
    }
}

TEST_F(ZukeiEditCtrlTest, StartingAgainKeepsWhatWasTypedInANewlyAlignedWindow) {
    SetForm(2);
    text.BeginEdit(&host);
    QPointer<CZukeiEditCtrl> first = Ctrl();
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->document()->defaultTextOption().alignment() & Qt::AlignRight);
    first->setPlainText(QString::fromUtf8("入力\n中"));

    SetForm(0);
    text.BeginEdit(nullptr);
    EXPECT_TRUE(first.isNull()) << "the old window is gone";
    CZukeiEditCtrl* second = Ctrl();
    ASSERT_NE(second, nullptr);
    EXPECT_TRUE(second->document()->defaultTextOption().alignment() & Qt::AlignLeft);
    EXPECT_EQ(second->toPlainText(), QString::fromUtf8("入力\n中"));
    EXPECT_EQ(text.GetEditWnd()->GetWnd()->GetWindowText(), J("入力\r\n中"));
}

TEST_F(ZukeiEditCtrlTest, TheFontIsInPointsAndTheWindowInPixelsOfTheTextBox) {
    text.BeginEdit(&host);
    CZukeiStringEdit* edit = text.GetEditWnd();
    edit->FitToShape(chart, dc, text);
    CZukeiEditCtrl* ctrl = Ctrl();
    // 40 units of 0.1 mm: 11.3 points.
    EXPECT_DOUBLE_EQ(ctrl->font().pointSizeF(), 11.3);
    // The text box (616, -316, 984, -484) at 96 pixels an inch of 254 units.
    EXPECT_EQ(ctrl->geometry(), QRect(233, 119, 372 - 233, 183 - 119));
    const CRect full = edit->GetRect100();

    chart.layout.SetZoomIndex(5); // 200 %
    chart.layout.RecalcLayout();
    edit->FitToShape(chart, dc, text);
    EXPECT_DOUBLE_EQ(ctrl->font().pointSizeF(), 22.7);
    EXPECT_EQ(edit->GetRect100(), full);
    EXPECT_GT(ctrl->geometry().width(), 2 * (372 - 233) - 4);
}

TEST_F(ZukeiEditCtrlTest, AWindowOverTheChartAreasTopIsCutThere) {
    // The chart area begins at -120: the box from -66 down to -284 keeps -120 to -284.
    Place(CRect(600, -50, 1000, -300));
    text.BeginEdit(&host);
    text.GetEditWnd()->FitToShape(chart, dc, text);
    const CRect view = text.GetEditWnd()->GetViewRect();
    EXPECT_EQ(view, CRect(616, -120, 984, -284));
    EXPECT_EQ(Ctrl()->geometry().top(), 45);         // 120 units
    EXPECT_EQ(Ctrl()->geometry().bottom() + 1, 107); // 284 units
}

TEST_F(ZukeiEditCtrlTest, FocusElsewhereEndsTheEditOnceAndTheTextComesBackInCp932) {
    text.BeginEdit(&host);
    ShowForEditing();
    CZukeiEditCtrl* ctrl = Ctrl();
    ctrl->selectAll();
    QTest::keyClicks(ctrl, "AB");
    QTest::keyClick(ctrl, Qt::Key_Return);
    ctrl->insertPlainText(QString::fromUtf8("漢字"));
    EXPECT_EQ(host.ends, 0);

    other->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return other->hasFocus(); }));
    EXPECT_EQ(host.ends, 1);
    EXPECT_EQ(text.GetText(), "AB\r\n" + J("漢字"));
    EXPECT_EQ(text.GetEditState(), 0u);
    EXPECT_FALSE(ctrl->isEnabled());
}

TEST_F(ZukeiEditCtrlTest, ALostFocusEndsNothingWhileDisabledOrWhenTheProgramLostIt) {
    text.BeginEdit(&host);
    ShowForEditing();
    CZukeiEditCtrl* ctrl = Ctrl();
    ctrl->setEnabled(false); // the view's end of the edit: the focus goes with it
    EXPECT_FALSE(ctrl->hasFocus());
    other->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return other->hasFocus(); }));
    // A late notice of the lost focus while the window is disabled.
    QFocusEvent lost(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(ctrl, &lost);
    EXPECT_EQ(host.ends, 0);
    // Enabled, the same notice ends the edit; with no widget of the program focused, not.
    ctrl->setEnabled(true);
    QApplication::sendEvent(ctrl, &lost);
    EXPECT_EQ(host.ends, 1);
    ctrl->setEnabled(true);
    other->clearFocus();
    ASSERT_EQ(QApplication::focusWidget(), nullptr);
    QApplication::sendEvent(ctrl, &lost);
    EXPECT_EQ(host.ends, 1);
}

TEST_F(ZukeiEditCtrlTest, AWindowWhoseHostWidgetWentFirstKeepsItsText) {
    text.BeginEdit(&host);
    Ctrl()->setPlainText(QString::fromUtf8("残る"));
    delete viewport; // the view closes while the document stays
    viewport = nullptr;
    ASSERT_NE(text.GetEditWnd(), nullptr);
    CZukeiEditWnd* wnd = text.GetEditWnd()->GetWnd();
    EXPECT_EQ(wnd->GetWindowText(), J("残る"));
    EXPECT_EQ(wnd->GetParent(), nullptr);
    EXPECT_FALSE(wnd->IsWindowVisible());
    // A copy takes the text over; starting again has no host to start in.
    std::unique_ptr<CZukei> copy = text.Clone();
    EXPECT_EQ(text.GetText(), J("残る"));
    EXPECT_EQ(static_cast<CZukeiString*>(copy.get())->GetEditWnd(), nullptr);
    text.ClearEditState();
    text.BeginEdit(nullptr);
    EXPECT_EQ(text.GetEditState(), 0u);
}

TEST_F(ZukeiEditCtrlTest, AHostWithoutAWidgetGetsNoWindow) {
    BareHost bare;
    text.BeginEdit(&bare);
    EXPECT_EQ(text.GetEditWnd(), nullptr);
    EXPECT_EQ(text.GetEditState(), 0u);
    RecordingHost nowhere;
    text.BeginEdit(&nowhere);
    EXPECT_EQ(text.GetEditWnd(), nullptr);
}

} // namespace
} // namespace tembra
