// The cursor of the chart view (the table of modes and operations, the bands, the handles of
// selected shapes, the area zoom) and the cross-hair that follows the pointer.
#include "ViewMouseFixture.h"

#include "model/Koumoku.h"
#include "platform/GdiObjects.h"

#include <array>

namespace tembra {
namespace {

class ViewCursorTest : public test::ViewMouseFixture {
protected:
    // The cursor the view sets with the pointer at a logical point; kCursorArrow when it left
    // the window's own.
    int CursorAt(const CPoint& logical) {
        View();
        host.cursorPos = Device(logical);
        host.cursor = -2;
        const BOOL set = View().OnSetCursor();
        if (!set) {
            EXPECT_EQ(host.cursor, IViewHost::kCursorArrow);
            return IViewHost::kCursorArrow;
        }
        return host.cursor;
    }
    // The lines of the cross-hair drawn since the last Clear: inverting, 1 wide, light grey.
    std::vector<std::vector<CPoint>> CrossLines() const {
        std::vector<std::vector<CPoint>> lines;
        for (const CRecordingDC::Record& r : host.drawn) {
            if (!IsDrawingOp(r.op)) {
                continue;
            }
            EXPECT_EQ(r.rop2, R2_XORPEN);
            EXPECT_EQ(r.pen.color, RGB(192, 192, 192));
            lines.push_back(r.args.points);
        }
        return lines;
    }
};

const CPoint kInChart(1000, -500);

// The cursor of every mode (rows) and operation (columns) over the chart.
constexpr std::array<std::array<int, 12>, 9> kTable{{
    {1670, 1194, 1176, 1184, 0, 0, 0, 0, 0, 0, 0, 1667},
    {1501, 1193, 1176, 1184, 1176, 1184, 1193, 1193, 0, 0, 228, 1667},
    {1504, 1197, 1177, 1185, 0, 0, 1197, 1197, 0, 0, 0, 1667},
    {1503, 1196, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1667},
    {1668, 1198, 1178, 1186, 1178, 1186, 1198, 1198, 1179, 1190, 0, 1667},
    {1502, 1195, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1667},
    {1500, 1192, 1175, 1183, 0, 0, 1192, 1192, 0, 0, 0, 1667},
    {268, 269, 270, 271, 0, 0, 269, 269, 0, 0, 0, 1667},
    {1502, 272, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1667},
}};

TEST_F(ViewCursorTest, EachModeAndOperationHasItsCursorOverTheChart) {
    for (LONG mode = 0; mode < 9; ++mode) {
        for (LONG op = 0; op < 12; ++op) {
            SetState(mode, op);
            const int expected =
                kTable[static_cast<std::size_t>(mode)][static_cast<std::size_t>(op)];
            EXPECT_EQ(CursorAt(kInChart), expected != 0 ? expected : IViewHost::kCursorArrow)
                << "mode " << mode << ", operation " << op;
        }
    }
    // Values past the table are held to its edges.
    SetState(Op::kModeKoutei, 0);
    doc.GetOperation().ChangeOperation(14);
    EXPECT_EQ(CursorAt(kInChart), 1667);
}

TEST_F(ViewCursorTest, TheBandsHaveCursorsOfTheirOwn) {
    // Two item columns: a border 300 units in.
    CKoumoku& table = *doc.GetKoumoku();
    table.SetLevelCount(2);
    table.SetColumnWidth(0, 60);
    table.SetColumnWidth(1, 40);
    View();
    const CPageLayout& layout = View().GetLayout();
    const int border = layout.ColumnToX(0, 1);
    const int y = -700;
    ASSERT_EQ(border, 300);
    struct Case {
        const char* what;
        LONG mode;
        LONG op;
        CPoint at;
        int cursor;
    };
    const Case cases[] = {
        {"date band, edit", Op::kModeKoutei, Op::kOpEdit, {1450, -50}, 1191},
        {"date band, draw", Op::kModeKoutei, Op::kOpDraw, {1450, -50}, IViewHost::kCursorArrow},
        {"date band, edit of shapes",
         Op::kModeZukei,
         Op::kOpEdit,
         {1450, -50},
         IViewHost::kCursorArrow},
        {"item header", Op::kModeKoutei, Op::kOpEdit, {200, -50}, IViewHost::kCursorArrow},
        {"items, draw", Op::kModeEvent, Op::kOpDraw, {border + 30, y}, 1670},
        {"items, edit, on a border", Op::kModeEvent, Op::kOpEdit, {border, y}, 1669},
        {"items, edit, 4 before a border", Op::kModeKoutei, Op::kOpEdit, {border - 4, y}, 1669},
        {"items, edit, 4 past a border", Op::kModeKoutei, Op::kOpEdit, {border + 4, y}, 1669},
        {"items, edit, 6 past a border", Op::kModeKoutei, Op::kOpEdit, {border + 6, y}, 1194},
        {"items, copy: the table", Op::kModeKoutei, Op::kOpCopy, {border + 30, y}, 1176},
        {"items, shapes: the table", Op::kModeZukei, Op::kOpDraw, {border + 30, y}, 1668},
        {"off the page", Op::kModeKoutei, Op::kOpEdit, {3550, -700}, IViewHost::kCursorArrow},
    };
    for (const Case& c : cases) {
        SetState(c.mode, c.op);
        EXPECT_EQ(CursorAt(c.at), c.cursor) << c.what;
    }
}

TEST_F(ViewCursorTest, TheAreaZoomCrossCoversThePageOnly) {
    host.client = CSize(4000, 2000);
    View();
    SetState(Op::kModeKoutei, 0);
    doc.GetOperation().ChangeOperation(11);
    // The page is centred: 250 pixels in from the left, 200 down.
    host.cursorPos = CPoint(400, 500);
    host.cursor = -2;
    EXPECT_TRUE(View().OnSetCursor());
    EXPECT_EQ(host.cursor, 1667);
    host.cursorPos = CPoint(100, 500);
    EXPECT_FALSE(View().OnSetCursor());
    EXPECT_EQ(host.cursor, IViewHost::kCursorArrow);
}

TEST_F(ViewCursorTest, TheHandlesOfSelectedShapesShowSizeCursors) {
    AddShape(true);
    SetState(Op::kModeZukei, Op::kOpEdit);
    View();
    std::unique_ptr<CDC> dc = host.GetClientDC();
    View().OnPrepareDC(dc.get());
    const CZukei& shape = static_cast<const CZukei&>(*doc.GetSelList().GetHead());
    // Find each handle's place around the box (days 6 to 9, rows 2 to 5).
    std::array<CPoint, 9> at{};
    for (int x = 900; x <= 1400; x += 2) {
        for (int y = -180; y >= -420; y -= 2) {
            const int handle = shape.HitTestHandle(View(), *dc, CPoint(x, y));
            if (handle > 0 && at[static_cast<std::size_t>(handle)] == CPoint()) {
                at[static_cast<std::size_t>(handle)] = CPoint(x, y);
            }
        }
    }
    const int expected[9] = {0,
                             IViewHost::kCursorSizeNWSE,
                             IViewHost::kCursorSizeNS,
                             IViewHost::kCursorSizeNESW,
                             IViewHost::kCursorSizeWE,
                             IViewHost::kCursorSizeNWSE,
                             IViewHost::kCursorSizeNS,
                             IViewHost::kCursorSizeNESW,
                             IViewHost::kCursorSizeWE};
    for (int handle = 1; handle <= 8; ++handle) {
        const CPoint p = at[static_cast<std::size_t>(handle)];
        ASSERT_NE(p, CPoint()) << "handle " << handle;
        View().GetMouseEvent().SetPoint(p);
        EXPECT_EQ(CursorAt(p), expected[handle]) << "handle " << handle;
    }
    // Not selected: the table's.
    doc.GetSelList().RemoveAll();
    View().GetMouseEvent().SetPoint(at[1]);
    EXPECT_EQ(CursorAt(at[1]), 1198);
}

TEST_F(ViewCursorTest, ACursorThatFailsToLoadLeavesTheWindowsOwn) {
    SetState(Op::kModeKoutei, Op::kOpEdit);
    host.unknownCursor = 1193;
    EXPECT_EQ(CursorAt(kInChart), IViewHost::kCursorArrow);
    EXPECT_FALSE(View().OnSetCursor(false)) << "another window under the pointer";
}

TEST_F(ViewCursorTest, TheCrossHairSpansThePageAndTheChart) {
    config.SetSystemWord(CConfigBase::kSysCrossCursor, 1);
    SetState(Op::kModeKoutei, Op::kOpDraw);
    View();
    host.Clear();
    At(CMouseEvent::kMove, 0, CPoint(1000, -500));
    EXPECT_TRUE(View().IsCrossShown());
    std::vector<std::vector<CPoint>> lines = CrossLines();
    ASSERT_EQ(lines.size(), 4u);
    // Across the page at the point's y, up and down the process area at its x.
    EXPECT_EQ(lines[0].front(), CPoint(0, -500));
    EXPECT_EQ(lines[1].back(), CPoint(3500, -500));
    EXPECT_EQ(lines[2].front(), CPoint(1000, -100));
    EXPECT_EQ(lines[3].back(), CPoint(1000, -1600));

    // Over the item columns, off the time axis, the upright arm reaches into the date band.
    host.Clear();
    At(CMouseEvent::kMove, 0, CPoint(300, -700));
    lines = CrossLines();
    ASSERT_EQ(lines.size(), 8u) << "the old arms inverted away, the new ones drawn";
    EXPECT_EQ(lines[4].front(), CPoint(0, -700));
    EXPECT_EQ(lines[6].front(), CPoint(300, 0));

    // Into the date band it goes; leaving the window it goes too.
    host.Clear();
    At(CMouseEvent::kMove, 0, CPoint(1450, -50));
    EXPECT_FALSE(View().IsCrossShown());
    EXPECT_EQ(CrossLines().size(), 4u);
    At(CMouseEvent::kMove, 0, CPoint(1000, -500));
    host.cursorOver = false;
    host.Clear();
    View().OnObjectAction(CTembraView::kHoverOnly, nullptr);
    EXPECT_FALSE(View().IsCrossShown());
    EXPECT_EQ(CrossLines().size(), 4u);

    // With the setting off there is none.
    host.cursorOver = true;
    config.SetSystemWord(CConfigBase::kSysCrossCursor, 0);
    host.Clear();
    At(CMouseEvent::kMove, 0, CPoint(1000, -500));
    EXPECT_FALSE(View().IsCrossShown());
    EXPECT_TRUE(CrossLines().empty());
}

TEST_F(ViewCursorTest, TheHoverFeedbackEndsWhereItNoLongerBelongs) {
    struct Case {
        const char* what;
        LONG mode;
        LONG op;
        bool over;
        bool dateErased;
        bool eventErased;
    };
    const Case cases[] = {
        {"drawing processes over the view", Op::kModeKoutei, Op::kOpDraw, true, false, true},
        {"drawing events over the view", Op::kModeEvent, Op::kOpDraw, true, true, false},
        {"editing", Op::kModeKoutei, Op::kOpEdit, true, true, true},
        {"off the view", Op::kModeKoutei, Op::kOpDraw, false, true, true},
    };
    int dateErases = 0;
    int eventErases = 0;
    View().DateTextFeedback().erase = [&](CDC*) { ++dateErases; };
    View().EventPreviewFeedback().erase = [&](CDC*) { ++eventErases; };
    for (const Case& c : cases) {
        SetState(c.mode, c.op);
        host.cursorOver = c.over;
        View().DateTextFeedback().shown = true;
        View().EventPreviewFeedback().shown = true;
        dateErases = eventErases = 0;
        const LONG result = View().OnObjectAction(CTembraView::kHoverOnly, nullptr);
        EXPECT_EQ(dateErases, c.dateErased ? 1 : 0) << c.what;
        EXPECT_EQ(eventErases, c.eventErased ? 1 : 0) << c.what;
        EXPECT_EQ(View().DateTextFeedback().shown, !c.dateErased) << c.what;
        EXPECT_EQ(result, c.dateErased || c.eventErased ? 1 : 0) << c.what;
    }
}

} // namespace
} // namespace tembra
