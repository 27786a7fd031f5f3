#include "layout_editor/core/PHeadBoxData.h"
#include "layout_editor/core/PHeadInputArea.h"
#include "layout_editor/core/PHeadLineData.h"
#include "layout_editor/core/PHeadMojiData.h"

#include "EditorTestSupport.h"
#include "document/FailingAllocator.h"
#include "platform/RecordingDC.h"
#include "support/ScriptedUi.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace marquell {
namespace {

using tembra::CRecordingDC;
using tembra::DcOp;
using test::FakeView;
using Device = CRecordingDC::Device;

constexpr COLORREF kCyan = RGB(0, 255, 255);
constexpr COLORREF kNavy = RGB(0, 0, 128);

std::unique_ptr<CRecordingDC> Screen(int dpi = 0) {
    auto dc = std::make_unique<CRecordingDC>(Device::Screen, dpi);
    dc->SetMapMode(tembra::MM_LOMETRIC);
    return dc;
}

LOGFONT Font(int height, int width) {
    LOGFONT font;
    font.lfHeight = height;
    font.lfWidth = width;
    font.SetFaceName("F");
    return font;
}

CPHeadMojiData Text(const std::string& text, const CRect& rect, int v, int h) {
    CPHeadMojiData t;
    t.SetText(text);
    t.SetFrameRect(rect);
    t.SetFont(Font(-20, 10));
    t.SetColor(RGB(255, 0, 0));
    t.SetVCenter(v);
    t.SetHCenter(h);
    return t;
}

CPHeadLineData Line(const CRect& ends, int width) {
    CPHeadLineData line;
    line.SetFrameRect(ends);
    line.SetWidth(width);
    return line;
}

CPHeadBoxData Box(const CRect& rect, int width) {
    CPHeadBoxData box;
    box.SetFrameRect(rect);
    box.SetWidth(width);
    return box;
}

struct Placed {
    std::string text;
    CPoint at;
};

std::vector<Placed> Texts(const CRecordingDC& dc) {
    std::vector<Placed> out;
    for (const auto& r : dc.Find(DcOp::TextOut)) {
        out.push_back({r.args.text, r.args.points.at(0)});
    }
    return out;
}

bool operator==(const Placed& a, const Placed& b) {
    return a.text == b.text && a.at == b.at;
}

// ---- Drawing --------------------------------------------------------------------------------

TEST(FixedText, LinesAreCentredEachByItsOwnLengthAndScaledWithTheView) {
    struct Case {
        const char* name;
        int zoom;
        int v;
        int h;
        bool selected;
        std::vector<Placed> placed;
        int height; // of the font drawn
    };
    const std::vector<Case> cases = {
        {"both centrings", 100, 1, 1, false, {{"AB", {140, -205}}, {"CDE", {135, -225}}}, -20},
        {"selected", 100, 1, 1, true, {{"AB", {140, -205}}, {"CDE", {135, -225}}}, -20},
        {"half size", 50, 1, 1, false, {{"AB", {70, -102}}, {"CDE", {67, -112}}}, -10},
        {"no centring", 100, 0, 0, false, {{"AB", {100, -200}}, {"CDE", {100, -220}}}, -20},
        {"across only", 100, 0, 1, false, {{"AB", {140, -200}}, {"CDE", {135, -220}}}, -20},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CPHeadMojiData text = Text("AB\r\nCDE", CRect(100, -200, 200, -250), c.v, c.h);
        text.SetSelected(c.selected);
        FakeView view;
        view.zoom = c.zoom;
        auto dc = Screen();
        text.Draw(dc.get(), view, kDrawElement);
        EXPECT_EQ(Texts(*dc), c.placed) << dc->Dump();
        for (const auto& r : dc->Find(DcOp::TextOut)) {
            EXPECT_EQ(r.textColor, c.selected ? kCyan : RGB(255, 0, 0));
            EXPECT_EQ(r.bkMode, tembra::TRANSPARENT);
            EXPECT_EQ(r.rop2, tembra::R2_COPYPEN);
            EXPECT_EQ(r.font.lfHeight, c.height);
            EXPECT_EQ(r.font.lfWidth, -c.height / 2);
        }
    }
}

TEST(FixedText, TheDrawingOffsetMovesEveryLine) {
    CPHeadMojiData text = Text("AB\r\nCDE", CRect(100, -200, 200, -250), 1, 1);
    FakeView view;
    view.offset = CPoint(7, -3);
    auto dc = Screen();
    text.Draw(dc.get(), view, kDrawElement);
    EXPECT_EQ(Texts(*dc), (std::vector<Placed>{{"AB", {147, -208}}, {"CDE", {142, -228}}}));
}

TEST(InputArea, FrameThenNameOrDefaultTextInTheInputAreaColour) {
    struct Case {
        bool selected;
        bool defaultText;
        UINT frameStyle;
        COLORREF colour;
        const char* shown;
    };
    const std::vector<Case> cases = {
        {false, false, tembra::PS_SOLID, kNavy, "010001"},
        {false, true, tembra::PS_SOLID, kNavy, "Title"},
        {true, false, tembra::PS_DASHDOT, kCyan, "010001"},
    };
    for (const Case& c : cases) {
        CPHeadInputArea area;
        area.SetName("010001");
        area.SetDefaultText("Title");
        area.SetFrameRect(CRect(100, -200, 300, -250));
        area.SetFont(Font(-20, 10));
        area.SetColor(RGB(255, 0, 0)); // not used: input areas show in the editor's colour
        area.SetSelected(c.selected);
        FakeView view;
        view.defaultText = c.defaultText;
        auto dc = Screen();
        area.Draw(dc.get(), view, kDrawElement);
        const auto frames = dc->Find(DcOp::Rectangle);
        ASSERT_EQ(frames.size(), 1u);
        EXPECT_EQ(frames[0].args.rect, CRect(100, -200, 300, -250));
        EXPECT_EQ(frames[0].pen.LineStyle(), c.frameStyle);
        EXPECT_EQ(frames[0].pen.color, c.colour);
        EXPECT_TRUE(frames[0].brush.IsNull());
        const auto texts = dc->Find(DcOp::TextOut);
        ASSERT_EQ(texts.size(), 1u);
        EXPECT_EQ(texts[0].args.text, c.shown);
        EXPECT_EQ(texts[0].textColor, c.colour);
        // The frame comes first.
        EXPECT_EQ(dc->Drawings().front().op, DcOp::Rectangle);
    }
}

TEST(LineAndBox, PenWidthsFollowTheZoomOnScreenAndTheWidthOnPaper) {
    struct Case {
        Device device;
        int zoom;
        int width;
        int pen;
    };
    const std::vector<Case> cases = {
        {Device::Screen, 100, 6, 6}, {Device::Screen, 50, 6, 3},
        {Device::Screen, 25, 3, 1}, // at least one unit
        {Device::Screen, 100, 0, 1}, {Device::Printer, 100, 6, 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.zoom);
        FakeView view;
        view.zoom = c.zoom;
        CRecordingDC dc(c.device);
        dc.SetMapMode(tembra::MM_LOMETRIC);
        CPHeadLineData line = Line(CRect(0, -100, 400, -100), c.width);
        line.SetStyle(tembra::PS_DASH);
        line.SetColor(RGB(1, 2, 3));
        line.Draw(&dc, view, kDrawElement);
        CPHeadBoxData box = Box(CRect(0, 0, 400, -200), c.width);
        box.SetSelected(true);
        box.Draw(&dc, view, kDrawElement);
        const auto lines = dc.Find(DcOp::LineTo);
        ASSERT_EQ(lines.size(), 1u);
        EXPECT_EQ(lines[0].pen.width, c.pen);
        EXPECT_EQ(lines[0].pen.LineStyle(), tembra::PS_DASH);
        EXPECT_EQ(lines[0].pen.color, RGB(1, 2, 3));
        const auto boxes = dc.Find(DcOp::Rectangle);
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].pen.width, c.pen);
        EXPECT_EQ(boxes[0].pen.color, kCyan);
        EXPECT_TRUE(boxes[0].brush.IsNull());
    }
}

TEST(Feedback, DottedOutlinesInvertedOrCopiedAndLinesAsTheirSegment) {
    FakeView view;
    CPHeadMojiData text = Text("A", CRect(100, -200, 300, -250), 0, 0);
    CPHeadLineData line = Line(CRect(10, -20, 110, -70), 3);
    for (const int mode : {kDrawFeedbackInverted, kDrawFeedbackCopied}) {
        auto dc = Screen();
        text.Draw(dc.get(), view, mode);
        line.Draw(dc.get(), view, mode);
        const int rop = mode == kDrawFeedbackInverted ? tembra::R2_NOT : tembra::R2_COPYPEN;
        const auto frames = dc->Find(DcOp::Rectangle);
        ASSERT_EQ(frames.size(), 1u);
        EXPECT_EQ(frames[0].args.rect, CRect(100, -200, 300, -250));
        EXPECT_EQ(frames[0].pen.LineStyle(), tembra::PS_DOT);
        EXPECT_EQ(frames[0].rop2, rop);
        const auto lines = dc->Find(DcOp::LineTo);
        ASSERT_EQ(lines.size(), 1u);
        EXPECT_EQ(lines[0].args.points, (std::vector<CPoint>{{10, -20}, {110, -70}}));
        EXPECT_EQ(lines[0].rop2, rop);
        EXPECT_TRUE(dc->Find(DcOp::TextOut).empty());
    }
    auto dc = Screen();
    text.DrawMoveFeedback(dc.get(), view, CPoint(5, -5));
    ASSERT_EQ(dc->Find(DcOp::Rectangle).size(), 1u);
    EXPECT_EQ(dc->Find(DcOp::Rectangle)[0].args.rect, CRect(105, -205, 305, -255));
    EXPECT_EQ(dc->Find(DcOp::Rectangle)[0].rop2, tembra::R2_NOT);

    view.mark = 4;
    view.from = CRect(100, -200, 300, -250);
    view.to = CRect(100, -200, 400, -250);
    dc = Screen();
    text.DrawTransformFeedback(dc.get(), view);
    ASSERT_EQ(dc->Find(DcOp::Rectangle).size(), 1u);
    EXPECT_EQ(dc->Find(DcOp::Rectangle)[0].args.rect, CRect(100, -200, 400, -250));
    EXPECT_EQ(text.GetFrameRect(), CRect(100, -200, 300, -250));
}

// ---- Marks ----------------------------------------------------------------------------------

TEST(SelectionMarks, EightSquaresOfFivePixelsOrTheTwoEndsOfALine) {
    // 254 dpi: a device pixel is a unit.
    FakeView view;
    view.offset = CPoint(10, -10);
    const CPHeadMojiData text = Text("A", CRect(100, -200, 300, -250), 0, 0);
    auto dc = Screen(254);
    text.DrawSelectionMarks(dc.get(), view);
    const auto marks = dc->Find(DcOp::PatBlt);
    const std::vector<CPoint> points = {{110, -210}, {210, -210}, {310, -210}, {310, -235},
                                        {310, -260}, {210, -260}, {110, -260}, {110, -235}};
    ASSERT_EQ(marks.size(), points.size());
    for (std::size_t i = 0; i < points.size(); ++i) {
        CRect device = marks[i].args.rect;
        dc->LPtoDP(&device);
        device.NormalizeRect();
        CPoint p = points[i];
        dc->LPtoDP(&p);
        EXPECT_EQ(device, CRect(p.x - 2, p.y - 2, p.x + 3, p.y + 3)) << i;
        EXPECT_EQ(marks[i].args.values.at(0), tembra::DSTINVERT);
    }

    CPHeadLineData line = Line(CRect(0, 0, 100, -50), 3);
    view.lineEnd = true;
    EXPECT_EQ(line.MarkPoints(view), (std::vector<CPoint>{{0, 0}, {100, -50}}));
    EXPECT_EQ(text.MarkPoints(view).size(), 8u); // line-end mode is for lines only
    view.lineEnd = false;
    EXPECT_EQ(line.MarkPoints(view).size(), 8u);
}

// ---- Hit tests ------------------------------------------------------------------------------

TEST(HitTest, ElementsByTheirKind) {
    CPHeadLineData across = Line(CRect(0, 0, 100, 0), 3);
    CPHeadLineData nothing = Line(CRect(50, -50, 50, -50), 3);
    CPHeadLineData slanted = Line(CRect(0, 0, 100, -100), 2);
    CPHeadBoxData box = Box(CRect(0, 0, 100, -100), 4);
    CPHeadMojiData placed = Text("ABCDEF", CRect(0, 0, 20, -20), 0, 0);
    CPHeadMojiData noHeight = Text("A", CRect(0, 0, 20, -20), 0, 0);
    noHeight.SetFont(Font(0, 10));
    CPHeadMojiData unplaced = Text("A", CRect(), 0, 0);
    unplaced.SetFont(Font(0, 10));
    struct Case {
        const char* name;
        const CLayoutData* element;
        CRect query;
        BOOL wholeInside;
        bool hit;
    };
    const std::vector<Case> cases = {
        {"zero-length line", &nothing, CRect(50, -50, 50, -50), FALSE, false},
        {"zero-length line, band", &nothing, CRect(0, 0, 100, -100), FALSE, false},
        {"line, 2 above", &across, CRect(50, 2, 50, 2), FALSE, true},
        {"line, 2 below", &across, CRect(50, -2, 50, -2), FALSE, true},
        {"line, 5 above", &across, CRect(50, 5, 50, 5), FALSE, false},
        {"line, 5 below", &across, CRect(50, -5, 50, -5), FALSE, false},
        {"line, past its end", &across, CRect(102, 0, 102, 0), FALSE, true},
        {"slanted line, on it", &slanted, CRect(50, -50, 50, -50), FALSE, true},
        {"slanted line, beside it", &slanted, CRect(80, -20, 80, -20), FALSE, false},
        {"line, band holds it", &across, CRect(-10, 10, 110, -10), TRUE, true},
        {"line, band holds it not", &across, CRect(-1, 10, 110, -10), TRUE, false},
        {"box, on its edge", &box, CRect(0, -50, 0, -50), FALSE, true},
        {"box, just outside", &box, CRect(-2, -50, -2, -50), FALSE, true},
        {"box, inside its band", &box, CRect(2, -50, 2, -50), FALSE, true},
        {"box, at its centre", &box, CRect(50, -50, 50, -50), FALSE, false},
        {"box, band across the centre", &box, CRect(40, -40, 60, -60), FALSE, false},
        {"box, band reaching the edge", &box, CRect(40, -40, 99, -60), FALSE, true},
        {"box, band holds it", &box, CRect(-1, 1, 101, -101), TRUE, true},
        {"box, band holds part", &box, CRect(-1, 1, 50, -101), TRUE, false},
        {"text, in its rectangle", &placed, CRect(10, -10, 10, -10), FALSE, true},
        {"text, on its text past the rectangle", &placed, CRect(50, -10, 50, -10), FALSE, true},
        {"text, past its text", &placed, CRect(70, -10, 70, -10), FALSE, false},
        {"text, band holds the text", &placed, CRect(-1, 1, 61, -21), TRUE, true},
        {"placed text of height 0, anywhere", &noHeight, CRect(900, -900, 900, -900), FALSE, true},
        {"unplaced text of height 0", &unplaced, CRect(900, -900, 900, -900), FALSE, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.element->HitTest(c.query, c.wholeInside) != FALSE, c.hit) << c.name;
    }
}

// ---- Transform ------------------------------------------------------------------------------

TEST(Transform, ScalesAboutTheFixedEdgeRoundsKeepsFiveAndStaysNearTheArea) {
    struct Case {
        const char* name;
        bool line;
        bool lineEnd;
        int mark;
        CRect from;
        CRect to;
        CRect element;
        CRect expected;
    };
    const CRect frame(0, 0, 300, -300);
    const std::vector<Case> cases = {
        {"right edge, 66.67 up", false, false, 4, frame, CRect(0, 0, 200, -300),
         CRect(0, 0, 100, -100), CRect(0, 0, 67, -100)},
        {"right edge, .5 down", false, false, 4, CRect(0, 0, 200, -300), CRect(0, 0, 101, -300),
         CRect(0, 0, 100, -100), CRect(0, 0, 50, -100)},
        {"left edge about the right", false, false, 8, frame, CRect(150, 0, 300, -300),
         CRect(0, 0, 300, -100), CRect(150, 0, 300, -100)},
        {"bottom edge about the top", false, false, 6, frame, CRect(0, 0, 300, -150),
         CRect(0, -100, 100, -300), CRect(0, -50, 100, -150)},
        {"top-left corner", false, false, 1, frame, CRect(100, -100, 300, -300),
         CRect(0, 0, 300, -300), CRect(100, -100, 300, -300)},
        {"corner below 5 keeps 5", false, false, 5, frame, CRect(0, 0, 3, -2),
         CRect(0, 0, 300, -300), CRect(0, 0, 5, -5)},
        {"left below 5 keeps 5 from the right", false, false, 8, frame, CRect(298, 0, 300, -300),
         CRect(0, 0, 300, -300), CRect(295, 0, 300, -300)},
        {"outside the area back 10", false, false, 4, frame, CRect(0, 0, 600, -300),
         CRect(0, 0, 300, -300), CRect(0, 0, 590, -300)},
        {"lines scale like any element", true, false, 4, frame, CRect(0, 0, 600, -300),
         CRect(0, 0, 300, -300), CRect(0, 0, 600, -300)},
        {"line-end mode moves the dragged end", true, true, 5, CRect(0, 0, 300, -300),
         CRect(0, 0, 350, -320), CRect(0, 0, 300, -300), CRect(0, 0, 350, -320)},
        {"line-end mode, the start", true, true, 1, CRect(0, 0, 300, -300),
         CRect(-20, 40, 300, -300), CRect(0, 0, 300, -300), CRect(-20, 40, 300, -300)},
        {"line-end mode, a line straight across", true, true, 3, CRect(0, -50, 300, -50),
         CRect(0, -30, 320, -50), CRect(0, -50, 300, -50), CRect(0, -50, 320, -30)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeView view;
        view.area = CRect(-1000, 1000, 595, -1000);
        view.mark = c.mark;
        view.from = c.from;
        view.to = c.to;
        view.lineEnd = c.lineEnd;
        std::unique_ptr<CLayoutData> element;
        if (c.line) {
            element = std::make_unique<CPHeadLineData>(Line(c.element, 3));
        } else {
            element = std::make_unique<CPHeadBoxData>(Box(c.element, 3));
        }
        element->Transform(view);
        EXPECT_EQ(element->GetFrameRect(), c.expected);
    }
}

// ---- Extents, copies ------------------------------------------------------------------------

TEST(Extent, TextsCoverTheirTextLinesWidenStraightOnes) {
    const CPHeadMojiData text = Text("ABCDEF\r\nG", CRect(0, 0, 20, -20), 0, 0);
    EXPECT_EQ(text.GetRect(), CRect(0, 0, 60, -40));
    EXPECT_EQ(text.GetLineKind(), 3);
    const CPHeadLineData across = Line(CRect(100, -50, 0, -50), 6);
    EXPECT_EQ(across.GetRect(), CRect(-6, -44, 106, -56));
    EXPECT_EQ(across.GetLineKind(), 6);
    const CPHeadLineData slanted = Line(CRect(100, -50, 0, 0), 6);
    EXPECT_EQ(slanted.GetRect(), CRect(0, 0, 100, -50));
    CPHeadInputArea area;
    area.SetFrameRect(CRect(0, 0, 20, -20));
    area.SetFont(Font(-20, 10));
    area.SetName("A");
    area.SetDefaultText("ABCDE");
    EXPECT_EQ(area.GetRect(), CRect(0, 0, 50, -20));
}

TEST(Clone, CopiesEveryFieldOrReportsThatNoDataCouldBeMade) {
    CPHeadInputArea area;
    area.SetName("n");
    area.SetDefaultText("d\r\ne");
    area.SetFrameRect(CRect(1, -2, 3, -4));
    area.SetFont(Font(-30, 15));
    area.SetColor(RGB(1, 2, 3));
    area.SetVCenter(1);
    area.SetBaseIndex(2);
    area.SetBaseFlag(0);
    area.SetArea(kAreaLeft);
    area.SetSelected(true);
    const std::unique_ptr<CLayoutData> copy = area.Clone();
    const auto* input = dynamic_cast<const CPHeadInputArea*>(copy.get());
    ASSERT_NE(input, nullptr);
    EXPECT_EQ(input->GetType(), kTypeInput);
    EXPECT_EQ(input->GetName(), "n");
    EXPECT_EQ(input->GetDefaultText(), "d\r\ne");
    EXPECT_EQ(input->GetFrameRect(), CRect(1, -2, 3, -4));
    EXPECT_EQ(input->GetFont(), Font(-30, 15));
    EXPECT_EQ(input->GetColor(), RGB(1, 2, 3));
    EXPECT_EQ(input->GetVCenter(), 1);
    EXPECT_EQ(input->GetBaseIndex(), 2);
    EXPECT_EQ(input->GetBaseFlag(), 0);
    EXPECT_EQ(input->GetFileIndex(), kNoBaseIndex);
    EXPECT_EQ(input->GetArea(), kAreaLeft);
    EXPECT_TRUE(input->IsSelected());

    const CPHeadBoxData box = Box(CRect(0, 0, 9, -9), 6);
    const std::unique_ptr<CLayoutData> boxCopy = box.Clone();
    ASSERT_NE(dynamic_cast<const CPHeadBoxData*>(boxCopy.get()), nullptr);
    EXPECT_EQ(boxCopy->GetLineKind(), 6);

    tembra::test::ScopedUi ui;
    {
        tembra::test::FailingAllocation failing(0);
        EXPECT_EQ(area.Clone(), nullptr);
        EXPECT_TRUE(failing.Fired());
    }
    ASSERT_EQ(ui->MessageBoxes().size(), 1u);
    EXPECT_EQ(ui->MessageBoxes()[0].stringId, 61246u);
}

} // namespace
} // namespace marquell
