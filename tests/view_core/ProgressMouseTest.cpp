// Progress lines with the mouse: drawn row by row from a click on empty chart, reshaped from a
// copy of an existing line and committed in its place with a double click (one undo step gives
// the line back as it was, in its place), dropped with a right click, and in the edit operation
// erased, restyled or handed to the draw operation through the progress edit question.
#include "EventMouseFixture.h"

#include "document/EventRequests.h"
#include "model/ConfigOperation.h"

namespace tembra {
namespace {

using test::April;
using test::Bytes;
using test::DayRow;

class ProgressMouseTest : public test::EventMouseFixture {
protected:
    ProgressMouseTest() { SetState(Op::kModeShincyoku, Op::kOpDraw); }

    CShincyoku* AddLine(int day) {
        std::unique_ptr<CShincyoku> line = doc.GetProgressLines().CreateShincyoku(April(day));
        CShincyoku* raw = line.get();
        doc.GetProgressLines().AddShincyoku(line.release(), FALSE);
        return raw;
    }
    std::vector<CShincyoku*> Lines() {
        std::vector<CShincyoku*> out;
        for (POSITION pos = doc.GetProgressLines().GetHeadShincyokuPosition(); pos != nullptr;) {
            out.push_back(doc.GetProgressLines().GetNextShincyoku(pos));
        }
        return out;
    }
    void DoubleClick(const CPoint& p) {
        Send(CMouseEvent::kMove, 0, p);
        Click(p);
        Send(CMouseEvent::kLeftDoubleClick, MK_LBUTTON, p);
        Send(CMouseEvent::kLeftUp, 0, p);
    }
    // Moves to the points and clicks each.
    void Points(std::initializer_list<CPoint> points) {
        for (const CPoint& p : points) {
            Send(CMouseEvent::kMove, 0, p);
            Click(p);
        }
    }
};

TEST_F(ProgressMouseTest, AClickOnEmptyChartStartsALineThatADoubleClickCommits) {
    Click(DayRow(10, 2));
    EXPECT_EQ(Sub(), 2);
    ASSERT_EQ(Lines().size(), 1u);
    CShincyoku* line = Lines().front();
    EXPECT_EQ(line->GetDate(), April(10));
    EXPECT_EQ(line->IsSelected(), 2) << "held as the copy being edited";
    EXPECT_TRUE(View().IsProgressFeedbackShown());
    Points({DayRow(12, 3), DayRow(8, 5)});
    EXPECT_EQ(line->GetPointDate(3), April(12));
    EXPECT_EQ(line->GetPointDate(5), April(8));
    EXPECT_EQ(line->GetPointDate(4), April(10)) << "a row not clicked stays on the date";
    DoubleClick(DayRow(9, 6));
    EXPECT_EQ(Sub(), 0);
    EXPECT_FALSE(host.capture);
    EXPECT_EQ(View().GetEditedLine(), nullptr);
    EXPECT_EQ(line->IsSelected(), 0);
    EXPECT_EQ(line->GetPointDate(6), April(9));
    EXPECT_TRUE(UnevenInversions() == 0);
    doc.GetUndoHistory().Undo();
    EXPECT_TRUE(Lines().empty()) << "one undo takes the new line away";
}

TEST_F(ProgressMouseTest, AReshapedLineIsUndoneToItsSourceInItsPlace) {
    AddLine(5);
    CShincyoku* source = AddLine(15);
    AddLine(25);
    source->SetPointDate(1, April(17));
    const Bytes before = Save();
    Click(DayRow(15, 4));
    ASSERT_EQ(Lines().size(), 4u) << "the copy is edited at the list's tail";
    Points({DayRow(13, 2), DayRow(18, 6)});
    DoubleClick(DayRow(19, 7));
    ASSERT_EQ(Lines().size(), 3u);
    CShincyoku* reshaped = Lines()[1];
    EXPECT_NE(reshaped, source) << "the copy stands in the source's place";
    EXPECT_EQ(reshaped->GetPointDate(2), April(13));
    EXPECT_EQ(reshaped->GetPointDate(1), April(17)) << "what the source had stays";
    EXPECT_NE(Save(), before);
    ASSERT_TRUE(doc.GetUndoHistory().CanUndo());
    doc.GetUndoHistory().Undo();
    EXPECT_EQ(Save(), before) << "the source is back, in its place, as it was";
    EXPECT_EQ(Lines()[1], source);
}

TEST_F(ProgressMouseTest, ARightClickDropsTheCopyAndLeavesTheSourceDeselected) {
    CShincyoku* source = AddLine(15);
    const Bytes before = Save();
    Click(DayRow(15, 4));
    EXPECT_EQ(source->IsSelected(), 1);
    Points({DayRow(13, 2), DayRow(18, 6), DayRow(11, 8)});
    RightClick(DayRow(11, 9));
    EXPECT_EQ(Sub(), 0);
    EXPECT_FALSE(host.capture);
    ASSERT_EQ(Lines().size(), 1u);
    EXPECT_EQ(Lines().front(), source);
    EXPECT_EQ(source->IsSelected(), 0);
    EXPECT_EQ(Save(), before);
    EXPECT_FALSE(doc.GetUndoHistory().CanUndo()) << "nothing happened to undo";
    EXPECT_TRUE(UnevenInversions() == 0);
}

TEST_F(ProgressMouseTest, AModeChosenWhileReshapingDropsTheCopyAndFreesTheMouse) {
    CShincyoku* source = AddLine(15);
    const Bytes before = Save();
    Click(DayRow(15, 4));
    Points({DayRow(13, 2)});
    ASSERT_TRUE(host.capture);
    doc.GetOperation().SetMode(Op::kModeEvent);
    EXPECT_FALSE(host.capture);
    EXPECT_EQ(View().GetEditedLine(), nullptr);
    ASSERT_EQ(Lines().size(), 1u);
    EXPECT_EQ(Lines().front(), source);
    EXPECT_EQ(Save(), before);
}

TEST_F(ProgressMouseTest, InTheEditOperationAClickedLineIsAskedAbout) {
    struct Case {
        const char* what;
        int result;
        std::size_t lines;
        LONG operation;
        bool changed;
    };
    const Case cases[] = {
        {"10 erases", ProgressEditRequest::kErase, 0, Op::kOpEdit, true},
        {"11 draws", ProgressEditRequest::kDraw, 1, Op::kOpDraw, false},
        {"13 restyles", ProgressEditRequest::kAttributes, 1, Op::kOpEdit, true},
        {"Cancel leaves it", 0, 1, Op::kOpEdit, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        doc.FreeAllShincyoku();
        doc.GetUndoHistory().Reset();
        SetState(Op::kModeShincyoku, Op::kOpEdit);
        CShincyoku* line = AddLine(15);
        const Bytes before = Save();
        const CShincyoku* asked = nullptr;
        ui.OnDialog("ProgressEdit", [&](DialogRequest& request) {
            auto& edit = static_cast<ProgressEditRequest&>(request);
            asked = edit.line;
            edit.result = c.result;
            edit.applyLine = true;
            edit.lineAttr.m_color = RGB(0, 0, 255);
            return c.result != 0 ? IDOK : IDCANCEL;
        });
        Click(DayRow(15, 4));
        EXPECT_EQ(asked, line);
        EXPECT_EQ(Sub(), 0);
        EXPECT_FALSE(host.capture);
        EXPECT_EQ(Lines().size(), c.lines);
        EXPECT_EQ(Operation(), c.operation);
        EXPECT_EQ(Save() != before, c.changed);
        if (c.result == ProgressEditRequest::kAttributes) {
            EXPECT_EQ(Lines().front(), line) << "restyled where it is";
            EXPECT_EQ(line->GetLineAttr().m_color, RGB(0, 0, 255));
        }
        if (c.changed) {
            doc.GetUndoHistory().Undo();
            EXPECT_EQ(Save(), before) << "one undo step";
        }
    }
}

TEST_F(ProgressMouseTest, AClickOnEmptyChartInTheEditOperationCreatesNothing) {
    SetState(Op::kModeShincyoku, Op::kOpEdit);
    AddLine(15);
    Click(DayRow(5, 4));
    EXPECT_EQ(Sub(), 0);
    EXPECT_FALSE(host.capture);
    EXPECT_EQ(Lines().size(), 1u);
    EXPECT_TRUE(ui.Dialogs().empty());
}

TEST_F(ProgressMouseTest, ARepaintDrawsTheFeedbackAgainAndLeavesTheEditedRowToIt) {
    Click(DayRow(10, 2));
    Send(CMouseEvent::kMove, 0, DayRow(12, 3));
    ASSERT_TRUE(View().IsProgressFeedbackShown());
    host.Clear();
    // A paint of the whole window: the chart, then the feedback over it.
    auto dc = host.GetClientDC();
    View().OnPrepareDC(dc.get());
    View().OnDraw(dc.get());
    dc.reset();
    EXPECT_TRUE(AnyInverted());
    EXPECT_TRUE(View().IsProgressFeedbackShown());
    RightClick(DayRow(12, 3));
    EXPECT_TRUE(Lines().empty());
}

} // namespace
} // namespace tembra
