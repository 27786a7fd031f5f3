// The in-place edit control of a framed text without a display: the window it makes and makes
// again for an edit, how it is fitted to the shape at each zoom, and what a copy takes.
#include "shapes/ZukeiStringEdit.h"
#include "platform/RecordingDC.h"
#include "shapes/DatePos.h"
#include "shapes/ZukeiString.h"
#include "support/Cp932Text.h"

#include "FakeEditWnd.h"
#include "ShapeTestSupport.h"

#include <gtest/gtest.h>

#include <memory>

namespace tembra {
namespace {

using test::FakeEditWnd;
using test::J;

constexpr DWORD kStyle = 0x50001044;

class ZukeiStringEditTest : public testing::Test {
protected:
    ZukeiStringEditTest() {
        text.SetKind(kZukeiFramedString);
        text.SetFrameKind(kZukeiBox);
        text.SetText("AB\r\nCD");
        LOGFONT font;
        font.lfHeight = -40;
        font.lfWidth = 10;
        font.SetFaceName(J("ＭＳ 明朝"));
        text.SetFont(font);
        Place(CRect(600, -300, 1000, -500));
        dc.SetMapMode(MM_LOMETRIC);
    }
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
    FakeEditWnd* Window() const {
        CZukeiStringEdit* edit = text.GetEditWnd();
        return edit != nullptr ? static_cast<FakeEditWnd*>(edit->GetWnd()) : nullptr;
    }

    test::ScopedFakeEditWnd windows;
    test::FakeEditHost host;
    test::ShapeChart chart;
    CRecordingDC dc; // a 96 dpi screen
    CZukeiString text;
};

TEST_F(ZukeiStringEditTest, AnEditStartsWithAHiddenDisabledWindowAlignedByTheForm) {
    struct Case {
        WORD form;
        DWORD align;
    };
    const Case cases[] = {{0, 0}, {1, 1}, {2, 2}, {7, 0}};
    for (const Case& c : cases) {
        CZukeiString shape;
        shape.SetKind(kZukeiFramedString);
        shape.SetText("AB\r\nCD");
        CTextAttr attr = shape.GetTextAttr();
        attr.m_form = c.form;
        shape.SetTextAttr(attr);
        shape.BeginEdit(&host);
        ASSERT_NE(shape.GetEditWnd(), nullptr) << c.form;
        const auto* window = static_cast<FakeEditWnd*>(shape.GetEditWnd()->GetWnd());
        EXPECT_EQ(window->style, kStyle | c.align) << c.form;
        EXPECT_EQ(window->parent, &host);
        EXPECT_EQ(window->text, "AB\r\nCD");
        EXPECT_FALSE(window->enabled);
        EXPECT_FALSE(window->visible);
        EXPECT_EQ(shape.GetEditState(), 1u);
    }
}

TEST_F(ZukeiStringEditTest, StartingAgainMakesANewWindowWithWhatWasTypedAndTheNewAlignment) {
    SetForm(2);
    text.BeginEdit(&host);
    FakeEditWnd* first = Window();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->style & 3, 2u);
    first->text = J("入力\r\n中");
    text.ClearEditState();

    SetForm(0);
    text.BeginEdit(nullptr); // the window's own host
    FakeEditWnd* second = Window();
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(windows.made, 2);
    EXPECT_EQ(second->style, kStyle);
    EXPECT_EQ(second->parent, &host);
    EXPECT_EQ(second->text, J("入力\r\n中"));
    EXPECT_FALSE(second->enabled);
    EXPECT_FALSE(second->visible);
    EXPECT_EQ(text.GetEditState(), 1u);
    EXPECT_EQ(text.GetText(), "AB\r\nCD") << "the shape takes the text when the edit ends";
}

TEST_F(ZukeiStringEditTest, WithoutAHostOrAWindowNothingStarts) {
    text.BeginEdit(nullptr);
    EXPECT_EQ(windows.made, 0);
    EXPECT_EQ(text.GetEditWnd(), nullptr);
    EXPECT_EQ(text.GetEditState(), 0u);

    test::ScopedFakeEditWnd failing(true);
    text.BeginEdit(&host);
    EXPECT_EQ(failing.made, 1);
    EXPECT_EQ(text.GetEditWnd(), nullptr);
    EXPECT_EQ(text.GetEditState(), 0u) << "no window, no edit";
}

TEST_F(ZukeiStringEditTest, FittingTakesColourPointSizeAndTheTextBoxInPixels) {
    CTextAttr attr = text.GetTextAttr();
    attr.m_color = RGB(1, 2, 3);
    attr.m_attrb = CZukeiString::kAttrBold;
    text.SetTextAttr(attr);
    text.BeginEdit(&host);
    CZukeiStringEdit* edit = text.GetEditWnd();
    ASSERT_NE(edit, nullptr);
    edit->FitToShape(chart, dc, text);

    const CRect box(616, -316, 984, -484);
    EXPECT_EQ(edit->GetViewRect(), box);
    EXPECT_EQ(edit->GetRect100(), box);
    EXPECT_EQ(edit->GetTextColor(), RGB(1, 2, 3));
    // 40 units of 0.1 mm are 11.3 points.
    EXPECT_EQ(edit->GetEditFont().lfHeight, 113);
    EXPECT_EQ(edit->GetEditFont().lfWeight, FW_BOLD);
    EXPECT_EQ(edit->GetEditFont().lfWidth, 10);
    EXPECT_EQ(edit->GetEditFont().FaceName(), J("ＭＳ 明朝"));
    const FakeEditWnd* window = Window();
    EXPECT_EQ(window->color, RGB(1, 2, 3));
    EXPECT_EQ(window->font, edit->GetEditFont());
    // 96 pixels an inch of 254 units, y downwards.
    EXPECT_EQ(window->rect, CRect(233, 119, 372, 183));

    // At 200 % the point size doubles and the box at 100 % stays.
    chart.layout.SetZoomIndex(5);
    chart.layout.RecalcLayout();
    edit->FitToShape(chart, dc, text);
    EXPECT_EQ(edit->GetEditFont().lfHeight, 227);
    EXPECT_EQ(edit->GetEditFont().lfWidth, 20);
    EXPECT_EQ(edit->GetRect100(), box);
    EXPECT_EQ(edit->GetViewRect(), text.GetTextRect(chart, text.GetDeviceRect(chart)));
    EXPECT_NE(edit->GetViewRect(), box);
}

TEST_F(ZukeiStringEditTest, TheWindowStaysInsideTheChartArea) {
    // The chart area runs from -120 down to -1600.
    struct Case {
        const char* what;
        CRect frame;
        CRect view;
        CRect full;
    };
    const Case cases[] = {
        {"reaching above", {600, -50, 1000, -300}, {616, -120, 984, -284}, {616, -66, 984, -284}},
        {"reaching below",
         {600, -1500, 1000, -1700},
         {616, -1516, 984, -1600},
         {616, -1516, 984, -1684}},
        {"wholly above", {600, 0, 1000, -100}, {616, -120, 984, -120}, {616, -16, 984, -84}},
    };
    text.BeginEdit(&host);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Place(c.frame);
        CZukeiStringEdit* edit = text.GetEditWnd();
        edit->FitToShape(chart, dc, text);
        EXPECT_EQ(edit->GetViewRect(), c.view);
        EXPECT_EQ(edit->GetRect100(), c.full);
    }
}

TEST_F(ZukeiStringEditTest, ACopyOfAControlWithoutAWindowTakesOnlyTheRectangles) {
    CZukeiStringEdit source;
    source.SetViewRect(CRect(1, 2, 3, 4));
    source.SetRect100(CRect(5, 6, 7, 8));
    CZukeiStringEdit copy;
    EXPECT_FALSE(source.CopyTo(copy));
    EXPECT_EQ(copy.GetViewRect(), CRect(1, 2, 3, 4));
    EXPECT_EQ(copy.GetRect100(), CRect(5, 6, 7, 8));
    EXPECT_EQ(copy.GetWnd(), nullptr);
    EXPECT_EQ(windows.made, 0);
}

TEST_F(ZukeiStringEditTest, PlacingAFramedTextFitsTheEditRectangles) {
    // Already placed by the fixture: the text box, at 100 % as well.
    text.BeginEdit(&host);
    EXPECT_EQ(text.GetEditWnd()->GetViewRect(), CRect(616, -316, 984, -484));
    EXPECT_EQ(text.GetEditWnd()->GetRect100(), CRect(616, -316, 984, -484));
    chart.layout.SetZoomIndex(1); // 50 %
    chart.layout.RecalcLayout();
    Place(CRect(300, -150, 500, -250));
    EXPECT_EQ(text.GetEditWnd()->GetViewRect(),
              text.GetTextRect(chart, CRect(300, -150, 500, -250)));
    EXPECT_EQ(text.GetEditWnd()->GetRect100(), CRect(616, -316, 984, -484));
}

} // namespace
} // namespace tembra
