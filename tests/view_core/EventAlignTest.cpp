// 属性 > 行事 > 整列: the selected events lined up on the leftmost event's top or bottom, or on
// the topmost event's left or right edge, with the even spacing of the row or the column that
// the alignment offers, at the zoom of the view; one undo step gives every event back. Edges
// are the texts' edges.
#include "EventMouseFixture.h"

#include "model/AlignRequest.h"
#include "platform/CmdUI.h"

#include <algorithm>

namespace tembra {
namespace {

using test::April;
using test::Bytes;

constexpr UINT kAlign = 32797;

class EventAlignTest : public test::EventMouseFixture {
protected:
    EventAlignTest() { SetState(Op::kModeEvent, Op::kOpEdit); }

    // Three events selected in the order C, A, B: A the topmost, B the leftmost.
    void ThreeEvents() {
        c = AddEvent("Crane", 20, 15, true);
        a = AddEvent("Asphalt", 10, 2, true);
        b = AddEvent("Beam", 3, 8, true);
    }
    // The text's rectangle of an event.
    CRect TextRect(const CEvent& event) {
        std::unique_ptr<CDC> dc = host.GetClientDC();
        View().OnPrepareDC(dc.get());
        return GetRect(event, View().GetPageLayout(), dc.get(), FALSE);
    }
    // The selected events' text rectangles, by text.
    CRect RectOf(const char* text) {
        for (CEvent* event : Events(true)) {
            if (event->GetText() == text) {
                return TextRect(*event);
            }
        }
        ADD_FAILURE() << text << " is not selected";
        return CRect();
    }
    std::vector<Bytes> EventBytes() {
        std::vector<Bytes> all;
        for (CEvent* event : Events(true)) {
            event->SetSelected(0);
            all.push_back(test::Store(*event, doc));
            event->SetSelected(1);
        }
        std::sort(all.begin(), all.end());
        return all;
    }
    bool Enabled() {
        CCmdUI state(kAlign);
        EXPECT_TRUE(View().OnUpdateCommand(state));
        return state.IsEnabled();
    }

    CEvent* a = nullptr;
    CEvent* b = nullptr;
    CEvent* c = nullptr;
};

TEST_F(EventAlignTest, EdgesAndSpacingAtEachZoom) {
    struct Case {
        int choice;
        bool spacing;
    };
    const int gap = 50;
    for (const int zoomIndex : {3, 5}) { // 100 % and 200 %
        for (const int choice : {0, 1, 2, 3}) {
            for (const bool spacing : {false, true}) {
                SCOPED_TRACE(testing::Message() << "zoom index " << zoomIndex << ", choice "
                                                << choice << ", spacing " << spacing);
                doc.UnselectAll(FALSE);
                while (doc.GetObjCount() > 0) {
                    delete doc.GetObjList().RemoveHead();
                }
                View().SetZoomIndexCommand(zoomIndex);
                const int scaled = gap * View().GetPageLayout().GetZoom() / 100;
                ThreeEvents();
                const CRect ra = TextRect(*a), rb = TextRect(*b), rc = TextRect(*c);
                const std::vector<Bytes> before = EventBytes();
                ui.OnDialog("Align", [&](DialogRequest& request) {
                    AlignValues& values = static_cast<AlignRequest&>(request).values;
                    values.choice = choice;
                    // Both boxes ticked: only the spacing the alignment offers counts.
                    values.horizontalSpacing = spacing ? TRUE : FALSE;
                    values.verticalSpacing = spacing ? TRUE : FALSE;
                    values.horizontalGap = gap;
                    values.verticalGap = gap;
                    return IDOK;
                });
                ASSERT_TRUE(View().OnCommand(kAlign));
                const CRect na = RectOf("Asphalt"), nb = RectOf("Beam"), nc = RectOf("Crane");
                switch (choice) {
                case 0: // tops on the leftmost (B)
                    EXPECT_NEAR(na.top, rb.top, 1);
                    EXPECT_NEAR(nc.top, rb.top, 1);
                    break;
                case 1:
                    EXPECT_NEAR(na.bottom, rb.bottom, 1);
                    EXPECT_NEAR(nc.bottom, rb.bottom, 1);
                    break;
                case 2: // left edges on the topmost (A)
                    EXPECT_NEAR(nb.left, ra.left, 2);
                    EXPECT_NEAR(nc.left, ra.left, 2);
                    break;
                default:
                    EXPECT_NEAR(nb.right, ra.right, 2);
                    EXPECT_NEAR(nc.right, ra.right, 2);
                    break;
                }
                const bool row = choice < 2;
                if (row && spacing) {
                    // Left to right: B, A, C, each the gap after the one before.
                    EXPECT_EQ(nb.left, rb.left) << "the reference stays";
                    EXPECT_NEAR(na.left, rb.right + scaled, 2);
                    EXPECT_NEAR(nc.left, na.right + scaled, 2);
                } else if (row) {
                    EXPECT_NEAR(na.left, ra.left, 2) << "no horizontal move";
                    EXPECT_NEAR(nc.left, rc.left, 2);
                } else if (spacing) {
                    // Top to bottom: A, B, C, each the gap below the one before.
                    EXPECT_EQ(na.top, ra.top);
                    EXPECT_NEAR(nb.top, ra.bottom - scaled, 1);
                    EXPECT_NEAR(nc.top, nb.bottom - scaled, 1);
                } else {
                    EXPECT_NEAR(nb.top, rb.top, 1) << "no vertical move";
                    EXPECT_NEAR(nc.top, rc.top, 1);
                }
                ASSERT_TRUE(doc.GetUndoHistory().CanUndo());
                doc.GetUndoHistory().Undo();
                EXPECT_EQ(EventBytes(), before) << "one undo gives every event back";
            }
        }
    }
}

// A balloon lined up with other events moves as a dragged one does: with the base point fixed
// (the default of "EventBaseMove") its tip keeps the date and row it marks and only the box
// moves; with the base point moving, the date and row under the moved box become the event's.
TEST_F(EventAlignTest, ABalloonKeepsItsTipAsTheMoveSettingSays) {
    struct Case {
        LONG baseMove;
        bool tipStays;
    };
    for (const Case& c : {Case{1, true}, Case{0, false}}) {
        SCOPED_TRACE(testing::Message() << "EventBaseMove " << c.baseMove);
        doc.UnselectAll(FALSE);
        while (doc.GetObjCount() > 0) {
            delete doc.GetObjList().RemoveHead();
        }
        doc.GetOperation().SetEventBaseMove(c.baseMove);
        AddEvent("Beam", 3, 8, true);
        CEvent* balloon = AddEvent("Handover", 12, 14, true, 300, 500);
        balloon->SetForm(kEventFormBalloonRight);
        const CTime date = balloon->GetStartDate();
        const WORD row = balloon->GetStartRow();
        const CRect beam = RectOf("Beam");
        ASSERT_NE(RectOf("Handover").top, beam.top);
        ui.OnDialog("Align", [](DialogRequest& request) {
            static_cast<AlignRequest&>(request).values.choice = 0;
            return IDOK;
        });
        ASSERT_TRUE(View().OnCommand(kAlign));
        const CEvent* moved = nullptr;
        for (CEvent* event : Events(true)) {
            if (event->GetText() == "Handover") {
                moved = event;
            }
        }
        ASSERT_NE(moved, nullptr);
        EXPECT_NEAR(RectOf("Handover").top, beam.top, 1);
        EXPECT_EQ(moved->GetStartDate() == date && moved->GetStartRow() == row, c.tipStays);
    }
}

TEST_F(EventAlignTest, OnlyEventsStayAndCancelMovesNothing) {
    ThreeEvents();
    CKoutei* process = AddProcess(3, 6, 20);
    process->Select();
    doc.SelectAt(doc.FindObj(process));
    const std::vector<Bytes> before = EventBytes();
    ui.OnDialog("Align", [](DialogRequest&) { return IDCANCEL; });
    View().OnCommand(kAlign);
    EXPECT_EQ(doc.FindSel(process), nullptr) << "what is not an event leaves the selection";
    EXPECT_EQ(doc.GetSelCount(), 3);
    EXPECT_EQ(EventBytes(), before);
}

TEST_F(EventAlignTest, EnabledInTheEventModeWithTwoOrMoreSelected) {
    struct Case {
        const char* what;
        LONG mode;
        int selected;
        bool enabled;
    };
    const Case cases[] = {
        {"events, two", Op::kModeEvent, 2, true},
        {"events, one", Op::kModeEvent, 1, false},
        {"processes, two", Op::kModeKoutei, 2, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        doc.UnselectAll(FALSE);
        for (int i = 0; i < c.selected; ++i) {
            AddEvent("E", 3 + 5 * i, 3, true);
        }
        doc.GetOperation().SetMode(c.mode);
        EXPECT_EQ(Enabled(), c.enabled);
    }
}

} // namespace
} // namespace tembra
