// Terms with the mouse, driven through the dispatcher as the window drives it (messages at client
// points, the view's posted messages delivered after each): the term bar's text attached to a
// line or a node, picked, dragged and copied between processes, each change one undo step, and
// the inverted feedback always taken off again.
#include "ViewMouseFixture.h"

#include "document/YogoBarRecorder.h"
#include "model/ConfigOperation.h"
#include "render/KouteiLabels.h"
#include "support/ArchiveBytes.h"

#include <map>
#include <tuple>

namespace tembra {
namespace {

using test::Bytes;

// The round page: day d starts at x 500 + 100 (d - 1); row r's middle is at y -125 - 50 r.
CPoint Pt(int day, int row, int dx = 0, int dy = 0) {
    return CPoint(500 + 100 * (day - 1) + dx, -125 - 50 * row + dy);
}

class TermMouseTest : public test::ViewMouseFixture {
protected:
    TermMouseTest() {
        View();
        state.SetYogoBar(&bar);
        bar.text = "kiso";
        doc.GetOperation().SetYogoAttach(0xFF);
        SetForm(kYogoPlaceStart);
        SetState(Op::kModeYogo, Op::kOpDraw);
    }
    ~TermMouseTest() override { state.SetYogoBar(nullptr); }

    void SetForm(WORD form) { doc.GetSyokiSet().GetChart().GetYogoAttr().m_form = form; }
    // No objects, nothing selected, an empty undo history: the next case starts afresh.
    void Fresh(LONG operation) {
        doc.GetUndoHistory().Reset();
        doc.UnselectAll(FALSE);
        while (doc.GetObjCount() > 0) {
            delete doc.GetObjList().RemoveHead();
        }
        SetState(Op::kModeYogo, operation);
    }

    Bytes Save() {
        Bytes all;
        const auto add = [&](CObject& object, BYTE list) {
            all.push_back(list);
            const Bytes bytes = test::Store(object, doc);
            all.insert(all.end(), bytes.begin(), bytes.end());
        };
        for (POSITION pos = doc.GetHeadObjPosition(); pos != nullptr;) {
            add(*doc.GetNextObj(pos), 1);
        }
        for (POSITION pos = doc.GetHeadSelPosition(); pos != nullptr;) {
            add(*doc.GetNextSel(pos), 2);
        }
        return all;
    }
    WORD Sub() { return doc.GetOperation().GetState(); }

    BOOL Send(int action, UINT flags, const CPoint& logical) {
        host.pending.reset();
        const BOOL taken = At(action, flags, logical);
        DeliverPosted();
        return taken;
    }
    void Click(const CPoint& p, UINT flags = 0) {
        Send(CMouseEvent::kLeftDown, MK_LBUTTON | flags, p);
        Send(CMouseEvent::kLeftUp, flags, p);
    }

    // The process (in either list) that starts on the row.
    CKoutei* OnRow(int row) {
        const auto match = [row](CDataHeader* object) {
            return object->GetType() == kTypeKoutei && object->GetKind() == kKindKoutei &&
                   static_cast<CKoutei*>(object)->GetStartRow() == row;
        };
        for (POSITION pos = doc.GetHeadObjPosition(); pos != nullptr;) {
            if (CDataHeader* object = doc.GetNextObj(pos); match(object)) {
                return static_cast<CKoutei*>(object);
            }
        }
        for (POSITION pos = doc.GetHeadSelPosition(); pos != nullptr;) {
            if (CDataHeader* object = doc.GetNextSel(pos); match(object)) {
                return static_cast<CKoutei*>(object);
            }
        }
        return nullptr;
    }
    std::vector<std::string> Texts(int row) {
        std::vector<std::string> texts;
        CKoutei* process = OnRow(row);
        for (int i = 0; process != nullptr && i < process->GetYogoCount(); ++i) {
            texts.push_back(process->GetYogo(i)->GetText());
        }
        return texts;
    }
    static CYogo* AddTerm(CKoutei* process, const std::string& text, WORD form = 0, WORD part = 0,
                          bool selected = false) {
        auto term = std::make_unique<CYogo>();
        term->SetText(text);
        term->GetAttr().m_form = form;
        term->GetAttr().m_fontHeigh = 1;
        term->GetAttr().m_fontWidth = 1;
        term->SetDateKind(part);
        CYogo* raw = term.get();
        process->AddYogo(term, TRUE);
        if (selected) {
            process->SelectYogo(process->GetYogoCount() - 1);
        }
        return raw;
    }
    void SelectProcess(CKoutei* process) { doc.SelectAt(doc.FindObj(process)); }
    // The middle of the term's box as the view measures it.
    CPoint TermCentre(CKoutei* process, int index) {
        test::FakeViewHost::ClientDC dc(host);
        View().OnPrepareDC(&dc);
        CRect rect = GetYogoRect(*process, View().GetLayout(), &dc, index);
        rect.NormalizeRect();
        host.drawn.clear();
        return rect.CenterPoint();
    }

    test::YogoBarRecorder bar;
};

// ---- Attaching ----------------------------------------------------------------------------------

TEST_F(TermMouseTest, AttachingPutsTheBarsTextOnTheClickedPartInOneUndoStep) {
    struct Case {
        const char* what;
        WORD form;
        CPoint click;
        WORD part;
        bool leadOut; // a second click places the text
    };
    const Case cases[] = {
        {"on the line, at once", kYogoPlaceStart, Pt(4, 2, 50), kYogoOnLine, false},
        {"on the start node, at once", kYogoPlaceMiddle, Pt(3, 2), kYogoOnStart, false},
        {"with a lead line from the start node", kYogoPlaceLeaderLeft, Pt(3, 2), kYogoOnStart,
         true},
        {"with a lead line from the end node", kYogoPlaceLeaderRight, Pt(6, 2), kYogoOnEnd, true},
        {"with a lead line from the line", kYogoPlaceLeaderLeft, Pt(4, 2, 50), kYogoOnLine, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Fresh(Op::kOpDraw);
        SetForm(c.form);
        AddProcess(3, 6, 2);
        bar.history.clear();
        ui.ClearRecords();
        host.Clear();
        const Bytes before = Save();

        Click(c.click);
        const CPoint place = Pt(10, 6);
        if (c.leadOut) {
            EXPECT_EQ(Sub(), 2) << "waiting for the lead-out point";
            Send(CMouseEvent::kMove, 0, Pt(9, 5));
            Send(CMouseEvent::kMove, 0, place);
            EXPECT_TRUE(View().IsYogoFeedbackDrawn());
            Send(CMouseEvent::kLeftDown, MK_LBUTTON, place);
            Send(CMouseEvent::kLeftUp, 0, place);
        }
        EXPECT_EQ(Sub(), 0);
        EXPECT_FALSE(host.capture);
        EXPECT_TRUE(ui.MessageIds().empty());
        EXPECT_EQ(doc.GetSelCount(), 0);
        CKoutei* process = OnRow(2);
        ASSERT_NE(process, nullptr);
        ASSERT_EQ(process->GetYogoCount(), 1);
        const CYogo& term = *process->GetYogo(0);
        EXPECT_EQ(term.GetText(), "kiso");
        EXPECT_EQ(term.GetDateKind(), c.part);
        EXPECT_EQ(bar.history, std::vector<std::string>{"kiso"});
        if (c.leadOut) {
            int x = 0;
            int y = 0;
            GetYogoMidpoint(*process, View().GetLayout(), c.part, x, y);
            const CPoint middle(x, y);
            GetYogoAnchor(*process, View().GetLayout(), 0, x, y);
            EXPECT_NEAR(x, place.x, 2) << "the text stands where the second click was";
            EXPECT_NEAR(y, place.y, 2);
            if (c.part == kYogoOnLine) {
                x = middle.x;
                y = middle.y;
                GetYogoLeaderEnd(*process, View().GetLayout(), 0, x, y);
                EXPECT_NEAR(x, c.click.x, 2)
                    << "the lead line leaves the line where it was clicked";
                EXPECT_NEAR(y, c.click.y, 2);
            }
            EXPECT_TRUE(AnyInverted());
        }
        EXPECT_TRUE(UnevenInversions() == 0);
        ASSERT_TRUE(doc.GetUndoHistory().CanUndo());
        doc.GetUndoHistory().Undo();
        EXPECT_EQ(Save(), before);
    }
}

TEST_F(TermMouseTest, AttachingRefusesWithoutTextOrRoom) {
    struct Case {
        const char* what;
        std::string text;
        bool visible;
        int terms; // on the process beforehand
        UINT message;
    };
    const Case cases[] = {
        {"an empty term bar", "", true, 0, 5007},
        {"blanks only", "   ", true, 0, 5007},
        {"a hidden term bar", "kiso", false, 0, 5007},
        {"a process with 30 terms", "kiso", true, 30, 5062},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Fresh(Op::kOpDraw);
        CKoutei* process = AddProcess(3, 6, 2);
        for (int i = 0; i < c.terms; ++i) {
            AddTerm(process, "t" + std::to_string(i));
        }
        bar.text = c.text;
        bar.visible = c.visible;
        bar.focusBits.clear();
        ui.ClearRecords();
        doc.GetUndoHistory().Reset();
        const Bytes before = Save();

        Click(Pt(4, 2, 50));
        EXPECT_EQ(ui.MessageIds(), std::vector<UINT>{c.message});
        EXPECT_EQ(Save(), before) << "the document and the selection as they were";
        EXPECT_FALSE(doc.GetUndoHistory().CanUndo());
        EXPECT_EQ(Sub(), 0);
        EXPECT_FALSE(host.capture);
        EXPECT_EQ(bar.focusBits.empty(), c.message != 5007) << "the term box takes the focus";
    }
}

TEST_F(TermMouseTest, ARightClickWhileChoosingTheLeadOutLeavesNothing) {
    SetForm(kYogoPlaceLeaderLeft);
    AddProcess(3, 6, 2);
    const Bytes before = Save();
    host.Clear();
    Click(Pt(3, 2));
    Send(CMouseEvent::kMove, 0, Pt(9, 5));
    Send(CMouseEvent::kMove, 0, Pt(10, 6));
    Send(CMouseEvent::kRightUp, 0, Pt(10, 6));
    EXPECT_EQ(Sub(), 0);
    EXPECT_FALSE(host.capture);
    EXPECT_EQ(Save(), before);
    EXPECT_TRUE(AnyInverted());
    EXPECT_TRUE(UnevenInversions() == 0);
}

// Another mode chosen while the lead-out point is being chosen ends the placing as a right click
// does: no term, the process's selection taken back, nothing left inverted.
TEST_F(TermMouseTest, AModeChosenWhileChoosingTheLeadOutLeavesNothing) {
    SetForm(kYogoPlaceLeaderLeft);
    AddProcess(3, 6, 2);
    const Bytes before = Save();
    host.Clear();
    Click(Pt(3, 2));
    Send(CMouseEvent::kMove, 0, Pt(9, 5));
    ASSERT_EQ(Sub(), 2);
    ASSERT_TRUE(AnyInverted());
    doc.GetOperation().SetMode(Op::kModeKoutei);
    EXPECT_EQ(Sub(), 0);
    EXPECT_FALSE(host.capture);
    EXPECT_EQ(Mode(), Op::kModeKoutei);
    EXPECT_EQ(Save(), before);
    EXPECT_EQ(UnevenInversions(), 0);
}

TEST_F(TermMouseTest, APaintDrawsTheLeadLineAgainButAPrintDoesNot) {
    SetForm(kYogoPlaceLeaderLeft);
    AddProcess(3, 6, 2);
    Click(Pt(3, 2));
    Send(CMouseEvent::kMove, 0, Pt(9, 5));
    Send(CMouseEvent::kMove, 0, Pt(10, 6));
    ASSERT_TRUE(View().IsYogoFeedbackDrawn());
    const auto inverted = [&](CRecordingDC::Device device) {
        CRecordingDC dc(device, 254, CSize(4000, 2000));
        View().OnPrepareDC(&dc);
        View().OnDraw(&dc);
        int count = 0;
        for (const auto& r : dc.Drawings()) {
            count += r.rop2 == R2_NOT ? 1 : 0;
        }
        return count;
    };
    EXPECT_GT(inverted(CRecordingDC::Device::Screen), 0);
    EXPECT_EQ(inverted(CRecordingDC::Device::Printer), 0);
    EXPECT_TRUE(View().IsYogoFeedbackDrawn()) << "still on the screen after the paint";
    Send(CMouseEvent::kRightUp, 0, Pt(10, 6));
    EXPECT_EQ(inverted(CRecordingDC::Device::Screen), 0) << "the cancelled gesture drew none";
}

TEST_F(TermMouseTest, TheBoxStaysInTheProcessArea) {
    CYogo term;
    term.SetText("abcd");
    term.GetAttr().m_fontHeigh = 1;
    term.GetAttr().m_fontWidth = 1;
    CRect area = View().GetLayout().GetKouteiRect();
    area.NormalizeRect();
    const CPoint middle((area.left + area.right) / 2, (area.top + area.bottom) / 2);
    struct Case {
        const char* what;
        WORD form;
        bool vertical;
    };
    const Case kinds[] = {
        {"kind 4", kYogoPlaceLeaderLeft, false},  {"kind 4 vertical", kYogoPlaceLeaderLeft, true},
        {"kind 5", kYogoPlaceLeaderRight, false}, {"kind 5 vertical", kYogoPlaceLeaderRight, true},
        {"kind 3", kYogoPlaceFree, false},        {"kind 3 vertical", kYogoPlaceFree, true},
        {"kind 0", kYogoPlaceStart, false},
    };
    for (const Case& c : kinds) {
        term.GetAttr().m_form = c.form;
        term.GetAttr().m_attrb = c.vertical ? kLabelVertical : 0;
        CRect inner;
        ASSERT_EQ(View().GetYogoBoxAt(nullptr, term, middle, &inner), middle) << c.what;
        const int width = inner.right - inner.left;
        const int height = inner.top - inner.bottom;
        ASSERT_GT(width, 1) << c.what;
        ASSERT_GT(height, 1) << c.what;
        // Where the point stands in its box, as the kind says.
        const CPoint corner(c.form == kYogoPlaceLeaderRight ? inner.right : inner.left,
                            c.vertical && c.form != kYogoPlaceLeaderLeft &&
                                    c.form != kYogoPlaceLeaderRight
                                ? inner.top
                                : inner.bottom);
        EXPECT_EQ(corner, middle) << c.what;
        struct Edge {
            const char* what;
            CPoint point;
        };
        const Edge edges[] = {
            {"left", CPoint(area.left - 30, middle.y)},
            {"right", CPoint(area.right + 30, middle.y)},
            {"top", CPoint(middle.x, area.bottom + 30)},
            {"bottom", CPoint(middle.x, area.top - 30)},
        };
        for (const Edge& e : edges) {
            SCOPED_TRACE(std::string(c.what) + ", " + e.what);
            CRect box;
            const CPoint at = View().GetYogoBoxAt(nullptr, term, e.point, &box);
            EXPECT_EQ(box.right - box.left, width);
            EXPECT_EQ(box.top - box.bottom, height);
            EXPECT_GE(box.left, area.left);
            EXPECT_LE(box.right, area.right);
            EXPECT_GE(box.bottom, area.top);
            EXPECT_LE(box.top, area.bottom);
            // Moved only as far as the box must, the point with it.
            const bool touches = box.left == area.left || box.right == area.right ||
                                 box.bottom == area.top || box.top == area.bottom;
            EXPECT_TRUE(touches);
            EXPECT_EQ(at.x - box.left, middle.x - inner.left);
            EXPECT_EQ(at.y - box.bottom, middle.y - inner.bottom);
        }
    }
}

// ---- Picking ------------------------------------------------------------------------------------

TEST_F(TermMouseTest, AClickPicksATermAndPutsItsTextIntoTheBar) {
    CKoutei* process = AddProcess(3, 10, 2);
    AddTerm(process, "first");
    AddTerm(process, "second", kYogoPlaceFree);
    process->GetYogo(1)->GetAttr().m_offsetX = 300;
    process->GetYogo(1)->GetAttr().m_offsetY = -400;
    SetState(Op::kModeYogo, Op::kOpEdit);
    bar.modified = true;
    const CPoint second = TermCentre(process, 1);
    const CPoint first = TermCentre(process, 0);

    Click(second);
    EXPECT_EQ(bar.setTexts, std::vector<std::string>{"second"});
    EXPECT_FALSE(bar.modified);
    EXPECT_TRUE(process->IsYogoSelected(1));
    EXPECT_FALSE(process->IsYogoSelected(0));
    EXPECT_EQ(doc.GetSelCount(), 1);

    Click(first);
    EXPECT_TRUE(process->IsYogoSelected(0)) << "MultiEdit off: the new pick replaces";
    EXPECT_FALSE(process->IsYogoSelected(1));
    Click(first);
    EXPECT_EQ(doc.GetSelCount(), 0) << "a click on the picked term drops it";

    // A band around both.
    Send(CMouseEvent::kLeftDown, MK_LBUTTON, Pt(2, 0));
    Send(CMouseEvent::kLeftUp, 0, Pt(2, 0));
    EXPECT_EQ(Sub(), 4);
    Send(CMouseEvent::kMove, MK_LBUTTON, Pt(25, 20));
    Send(CMouseEvent::kLeftUp, 0, Pt(25, 20));
    EXPECT_EQ(Sub(), 0);
    EXPECT_EQ(process->CountSelectedYogo(), 2);
    EXPECT_EQ(bar.setTexts.back(), "second") << "the last term picked";

    Send(CMouseEvent::kLeftDoubleClick, MK_LBUTTON | MK_CONTROL, second);
    EXPECT_EQ(ui.commands, std::vector<UINT>{33133});
    EXPECT_TRUE(UnevenInversions() == 0);
}

TEST_F(TermMouseTest, TheContextMenuOfATermSearchesForItsText) {
    CKoutei* process = AddProcess(3, 10, 2);
    AddTerm(process, "kiso");
    SetState(Op::kModeYogo, Op::kOpEdit);
    const CPoint at = TermCentre(process, 0);
    test::FakeViewHost::ClientDC dc(host);
    View().OnPrepareDC(&dc);
    View().GetMouseEvent().SetPoint(at);
    EXPECT_EQ(View().GetPopupMenuId(&dc), 141U);
    EXPECT_EQ(doc.GetWebKeyword(), "kiso");
}

// ---- Carrying -----------------------------------------------------------------------------------

class TermCarryTest : public TermMouseTest {
protected:
    // The source on row 2 (selected, with terms), the target on row 6.
    TermCarryTest() {
        source = AddProcess(3, 6, 2);
        target = AddProcess(3, 6, 6);
    }
    void Prepare(LONG operation) {
        SelectProcess(source);
        SetState(Op::kModeYogo, operation);
        doc.GetUndoHistory().Reset();
        ui.ClearRecords();
        host.Clear();
    }
    CKoutei* source = nullptr;
    CKoutei* target = nullptr;
};

TEST_F(TermCarryTest, TwoCopiedTermsFitUpToThirty) {
    struct Case {
        int already;
        std::size_t carried;
        std::vector<UINT> messages;
    };
    const Case cases[] = {{28, 2, {}}, {29, 1, {5062}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.already);
        Fresh(Op::kOpDraw);
        source = AddProcess(3, 6, 2);
        target = AddProcess(3, 6, 6);
        AddTerm(source, "a", 0, 0, true);
        AddTerm(source, "b", 0, 0, true);
        for (int i = 0; i < c.already; ++i) {
            AddTerm(target, "t");
        }
        Prepare(Op::kOpCopy);
        const Bytes before = Save();
        Click(Pt(4, 6, 50));
        EXPECT_EQ(ui.MessageIds(), c.messages);
        EXPECT_EQ(OnRow(6)->GetYogoCount(), c.already + static_cast<int>(c.carried));
        EXPECT_EQ(Texts(2), (std::vector<std::string>{"a", "b"})) << "a copy keeps the source";
        EXPECT_EQ(Operation(), Op::kOpCopy);
        doc.GetUndoHistory().Undo();
        EXPECT_EQ(Texts(6).size(), static_cast<std::size_t>(c.already));
        (void)before;
    }
}

TEST_F(TermCarryTest, SeveralTermsKeepTheirProcessAndTheirParts) {
    struct Case {
        const char* what;
        CPoint click;
        std::vector<UINT> messages;
        std::vector<std::string> sourceAfter, targetAfter;
    };
    AddTerm(source, "line", 0, kYogoOnLine, true);
    AddTerm(source, "start", 0, kYogoOnStart, true);
    const Case cases[] = {
        {"onto their own process", Pt(4, 2, 50), {5046}, {"line", "start"}, {}},
        {"to another part", Pt(4, 6, 50), {5047}, {}, {"line", "start"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Prepare(Op::kOpMove);
        Click(c.click);
        EXPECT_EQ(ui.MessageIds(), c.messages);
        EXPECT_EQ(Texts(2), c.sourceAfter);
        EXPECT_EQ(Texts(6), c.targetAfter);
    }
    // The parts were kept.
    CKoutei* moved = OnRow(6);
    ASSERT_EQ(moved->GetYogoCount(), 2);
    EXPECT_EQ(moved->GetYogo(0)->GetDateKind(), kYogoOnLine);
    EXPECT_EQ(moved->GetYogo(1)->GetDateKind(), kYogoOnStart);
}

TEST_F(TermCarryTest, OneTermMovedTakesThePartItIsDroppedOnAndOneUndoGivesBothBack) {
    // Move, and the other moving operations, which carry terms the same way.
    for (LONG operation : {Op::kOpMove, Op::kOpMoveFree, Op::kOpCopyFree, Op::kOpMoveBend}) {
        SCOPED_TRACE(operation);
        Fresh(Op::kOpDraw);
        source = AddProcess(3, 6, 2);
        target = AddProcess(3, 6, 6);
        AddTerm(source, "start", 0, kYogoOnStart, true);
        Prepare(operation);
        const Bytes before = Save();
        Click(Pt(4, 6, 50));
        EXPECT_TRUE(ui.MessageIds().empty());
        EXPECT_TRUE(Texts(2).empty());
        ASSERT_EQ(Texts(6), std::vector<std::string>{"start"});
        EXPECT_EQ(OnRow(6)->GetYogo(0)->GetDateKind(), kYogoOnLine);
        EXPECT_EQ(Sub(), 0);
        EXPECT_FALSE(host.capture);
        ASSERT_TRUE(doc.GetUndoHistory().CanUndo());
        doc.GetUndoHistory().Undo();
        EXPECT_EQ(Texts(2), std::vector<std::string>{"start"});
        EXPECT_TRUE(Texts(6).empty());
        (void)before;
    }
}

TEST_F(TermCarryTest, ADragMovesAndACtrlDragCopiesBackInTheEditOperation) {
    struct Case {
        const char* what;
        UINT keys;
        std::size_t sourceAfter;
    };
    const Case cases[] = {{"drag", 0, 0}, {"Ctrl-drag", MK_CONTROL, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Fresh(Op::kOpDraw);
        source = AddProcess(3, 10, 2);
        target = AddProcess(3, 10, 6);
        AddTerm(source, "kiso");
        SetState(Op::kModeYogo, Op::kOpEdit);
        const CPoint grip = TermCentre(source, 0);
        Click(grip);
        ASSERT_TRUE(source->IsYogoSelected(0));
        doc.GetUndoHistory().Reset();
        ui.ClearRecords();
        host.Clear();

        const CPoint drop = Pt(5, 6, 50);
        Send(CMouseEvent::kLeftDown, MK_LBUTTON | c.keys, grip);
        Send(CMouseEvent::kMove, MK_LBUTTON | c.keys, Pt(5, 4));
        EXPECT_EQ(Operation(), c.keys != 0 ? Op::kOpCopy : Op::kOpMove);
        Send(CMouseEvent::kMove, MK_LBUTTON | c.keys, Pt(5, 5));
        Send(CMouseEvent::kMove, MK_LBUTTON | c.keys, drop);
        Send(CMouseEvent::kLeftUp, c.keys, drop);

        EXPECT_EQ(Operation(), Op::kOpEdit);
        EXPECT_EQ(Sub(), 0);
        EXPECT_FALSE(host.capture);
        EXPECT_TRUE(ui.MessageIds().empty());
        EXPECT_EQ(Texts(2).size(), c.sourceAfter);
        ASSERT_EQ(Texts(6), std::vector<std::string>{"kiso"});
        const CYogo& moved = *OnRow(6)->GetYogo(0);
        EXPECT_EQ(moved.GetAttr().m_form, kYogoPlaceFree) << "a dragged term stands free";
        int x = 0;
        int y = 0;
        GetYogoMidpoint(*OnRow(6), View().GetLayout(), moved.GetDateKind(), x, y);
        GetYogoAnchor(*OnRow(6), View().GetLayout(), 0, x, y);
        EXPECT_NEAR(x, drop.x, 2) << "its text stands where it was let go";
        EXPECT_NEAR(y, drop.y, 2);
        EXPECT_TRUE(AnyInverted());
        EXPECT_TRUE(UnevenInversions() == 0);
        doc.GetUndoHistory().Undo();
        EXPECT_EQ(Texts(2).size(), 1U);
        EXPECT_TRUE(Texts(6).empty());
    }
}

// The draw operation chosen in the middle of a term's drag ends it: the term stays where it was.
TEST_F(TermCarryTest, AnOperationChosenMidDragLeavesTheTermOnItsProcess) {
    Fresh(Op::kOpDraw);
    source = AddProcess(3, 10, 2);
    target = AddProcess(3, 10, 6);
    AddTerm(source, "kiso");
    SetState(Op::kModeYogo, Op::kOpEdit);
    const CPoint grip = TermCentre(source, 0);
    Click(grip);
    const CElemAttr attr = OnRow(2)->GetYogo(0)->GetAttr();
    host.Clear();
    Send(CMouseEvent::kLeftDown, MK_LBUTTON, grip);
    Send(CMouseEvent::kMove, MK_LBUTTON, Pt(5, 4));
    Send(CMouseEvent::kMove, MK_LBUTTON, Pt(5, 5));
    ASSERT_EQ(Operation(), Op::kOpMove);
    ASSERT_NE(Sub(), 0);
    doc.GetOperation().SetOperation(Op::kOpDraw);
    EXPECT_EQ(Sub(), 0);
    EXPECT_FALSE(host.capture);
    EXPECT_EQ(Operation(), Op::kOpDraw) << "the chosen operation stays";
    EXPECT_EQ(UnevenInversions(), 0);
    Send(CMouseEvent::kLeftUp, 0, Pt(5, 6, 50));
    EXPECT_EQ(Texts(2), std::vector<std::string>{"kiso"});
    EXPECT_TRUE(Texts(6).empty());
    EXPECT_TRUE(OnRow(2)->GetYogo(0)->GetAttr() == attr);
    EXPECT_FALSE(doc.GetUndoHistory().CanUndo());
}

TEST_F(TermCarryTest, SelectionsOfTwoProcessesAreRefused) {
    AddTerm(source, "a", 0, 0, true);
    AddTerm(target, "b", 0, 0, true);
    SelectProcess(target);
    Prepare(Op::kOpMove);
    Click(Pt(4, 6, 50));
    EXPECT_EQ(ui.MessageIds(), std::vector<UINT>{5052});
    EXPECT_EQ(Operation(), Op::kOpEdit);
    EXPECT_EQ(Texts(2), std::vector<std::string>{"a"});
    EXPECT_EQ(Texts(6), std::vector<std::string>{"b"});
}

} // namespace
} // namespace tembra
