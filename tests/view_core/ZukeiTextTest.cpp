// Typing into framed texts where they stand (文字編集, a new framed text, the end of the edit on
// focus loss and before the chart scrolls, undo of the conversion) and the safety-board
// commands of the view (the pair of frames recognised or given its roles by position, the
// messages, the frame dialogs around the view's state).
#include "ZukeiMouseFixture.h"

#include "document/SafetyBoardRequests.h"
#include "platform/Sjis.h"
#include "shapes/FakeEditWnd.h"
#include "shapes/ZukeiGroup.h"
#include "shapes/ZukeiString.h"

namespace tembra {
namespace {

using test::Anchor;
using test::AnchorOf;
using test::April;

constexpr UINT kTextEdit = 33094;
constexpr UINT kShiftLeft = 32835;

class ZukeiTextTest : public test::ZukeiMouseFixture {
protected:
    ZukeiTextTest() { SetState(Op::kModeZukei, Op::kOpEdit); }

    // A shape of the style made by the document, over the days and rows given.
    CZukei* AddStyled(short style, int day1, double row1, int day2, double row2,
                      bool selected = true) {
        SetStyle(style);
        std::unique_ptr<CZukei> made = doc.GetShapes().CreateZukei();
        CZukei* shape = made.release();
        if (auto* two = dynamic_cast<CZukei2*>(shape)) {
            two->SetAnchors(April(day1), row1, April(day2), row2);
        }
        doc.GetShapes().AddZukei(shape, FALSE);
        if (selected) {
            shape->Select();
            doc.GetShapes().AddSelZukei(shape);
        }
        return shape;
    }
    CZukeiString* AddFrame(int day1, double row1, int day2, double row2, WORD role = 0) {
        auto* text = static_cast<CZukeiString*>(AddStyled(14, day1, row1, day2, row2));
        text->SetFrameTag(role);
        return text;
    }
    // A paint of the whole window.
    void Paint() {
        std::unique_ptr<CDC> dc = host.GetClientDC();
        View().OnPrepareDC(dc.get());
        View().OnDraw(dc.get());
    }
    bool Enabled(UINT id) {
        CCmdUI cmd(id);
        EXPECT_TRUE(View().OnUpdateCommand(cmd));
        return cmd.IsEnabled();
    }
    static test::FakeEditWnd* Window(CZukeiString* text) {
        return text->GetEditWnd() != nullptr
                   ? static_cast<test::FakeEditWnd*>(text->GetEditWnd()->GetWnd())
                   : nullptr;
    }

    test::ScopedFakeEditWnd windows;
};

TEST_F(ZukeiTextTest, TextEditIsOfferedForOneBoxLikeShape) {
    const struct {
        const char* what;
        std::vector<short> styles; // selected, in order
        bool enabled;
    } cases[] = {
        {"box", {3}, true},           {"rounded box", {4}, true}, {"circle", {5}, true},
        {"ellipse", {6}, true},       {"triangle", {9}, true},    {"triangle", {10}, true},
        {"arrow", {11}, true},        {"arrow", {12}, true},      {"diamond", {13}, true},
        {"framed text", {14}, true},  {"line", {0}, false},       {"polyline", {1}, false},
        {"polygon", {2}, false},      {"arc", {7}, false},        {"fan", {8}, false},
        {"two boxes", {3, 3}, false}, {"nothing", {}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        doc.GetShapes().DeselectAllZukei();
        doc.GetShapes().RemoveAllZukei();
        for (const short style : c.styles) {
            AddStyled(style, 6, 2, 9, 5);
        }
        EXPECT_EQ(Enabled(kTextEdit), c.enabled);
    }
    doc.GetShapes().DeselectAllZukei();
    auto* group = new CZukeiGroup;
    doc.GetShapes().AddZukei(group, FALSE);
    group->Select();
    doc.GetShapes().AddSelZukei(group);
    EXPECT_FALSE(Enabled(kTextEdit)) << "a group";
}

TEST_F(ZukeiTextTest, AnEllipseBecomesAFramedTextTypedIntoAndUndoBringsItBack) {
    AddStyled(3, 2, 1, 4, 3, false);
    CZukei* ellipse = AddStyled(6, 6, 2, 9, 5);
    AddStyled(3, 12, 1, 14, 3, false);
    EXPECT_TRUE(View().OnCommand(kTextEdit));

    ASSERT_EQ(ShapeCount(), 3);
    auto* text = dynamic_cast<CZukeiString*>(ShapeAt(1));
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->GetKind(), kZukeiFramedString);
    EXPECT_EQ(text->GetFrameKind(), kZukeiEllipse);
    EXPECT_EQ(AnchorOf(text->GetAnchor1()), (Anchor{6, 0, 2.0}));
    EXPECT_EQ(AnchorOf(text->GetAnchor2()), (Anchor{9, 0, 5.0}));
    EXPECT_NE(text->GetEditState(), 0u);
    EXPECT_EQ(doc.GetFirstSel(), text);

    // The paint lays the window over the shape, shows and enables it.
    test::FakeEditWnd* wnd = Window(text);
    ASSERT_NE(wnd, nullptr);
    Paint();
    EXPECT_TRUE(wnd->visible);
    EXPECT_TRUE(wnd->enabled);
    EXPECT_NE(wnd->rect, CRect(-99, -99, -99, -99));
    EXPECT_EQ(View().GetEditingZukei(), text);

    // Scrolling stores what was typed first.
    wnd->text = Sjis::FromUtf8("工程Ａ");
    View().OnCommand(kShiftLeft);
    EXPECT_EQ(text->GetText(), Sjis::FromUtf8("工程Ａ"));
    EXPECT_FALSE(wnd->visible);
    EXPECT_EQ(text->GetEditState(), 0u);
    EXPECT_EQ(View().GetEditingZukei(), nullptr);

    View().OnEditUndo();
    ASSERT_EQ(ShapeCount(), 3);
    EXPECT_EQ(ShapeAt(1), ellipse);
}

TEST_F(ZukeiTextTest, TheEditEndsWhenTheWindowLosesTheFocus) {
    CZukei* box = AddStyled(3, 6, 2, 9, 5);
    View().OnCommand(kTextEdit);
    auto* text = static_cast<CZukeiString*>(doc.GetFirstSel());
    ASSERT_NE(text, box);
    Paint();
    Window(text)->text = Sjis::FromUtf8("安全第一\r\n整理整頓");
    // What the window asks of its host when the focus goes elsewhere.
    View().EndStringEdit();
    EXPECT_EQ(text->GetText(), Sjis::FromUtf8("安全第一\r\n整理整頓"));
    EXPECT_FALSE(Window(text)->enabled);
    // A second end has nothing left to do.
    Window(text)->text = "x";
    View().EndStringEdit();
    EXPECT_EQ(text->GetText(), Sjis::FromUtf8("安全第一\r\n整理整頓"));
}

TEST_F(ZukeiTextTest, ANewFramedTextStartsItsEdit) {
    SetState(Op::kModeZukei, Op::kOpDraw);
    SetStyle(14);
    Drag(P(6, 2), P(9, 5));
    ASSERT_EQ(ShapeCount(), 1);
    auto* text = dynamic_cast<CZukeiString*>(ShapeAt(0));
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->GetKind(), kZukeiFramedString);
    EXPECT_EQ(doc.GetFirstSel(), text);
    Paint();
    ASSERT_NE(Window(text), nullptr);
    EXPECT_TRUE(Window(text)->visible);
    EXPECT_EQ(View().GetEditingZukei(), text);
    // A click elsewhere unselects it, and the next paint ends the edit.
    SetState(Op::kModeZukei, Op::kOpEdit);
    Window(text)->text = "abc";
    Click(P(20, 20));
    Paint();
    EXPECT_EQ(text->GetText(), "abc");
    EXPECT_EQ(View().GetEditingZukei(), nullptr);
}

// ---- The safety board ---------------------------------------------------------------------------

constexpr UINT kDisasterText = 33102;
constexpr UINT kWeekTargetText = 33138;

TEST_F(ZukeiTextTest, APairOfFramesIsRecognisedOrGivenItsRolesByPosition) {
    struct Frame {
        int day1;
        double row1;
        int day2;
        double row2;
        WORD role;
    };
    const Frame upper{6, 2, 9, 4, 0};
    const Frame lower{6, 6, 9, 8, 0};
    const Frame left{2, 2, 5, 4, 0};
    const Frame right{7, 2, 10, 4, 0};
    const struct {
        const char* what;
        UINT command;
        std::vector<Frame> frames; // selected in this order
        std::vector<int> answers;
        bool asked;
        bool refused;
        std::vector<WORD> roles; // of the frames after the command
        int firstOfDialog;       // the frame the dialog gets as the first, -1 none
    } cases[] = {
        {"lower then upper, Yes", kDisasterText, {lower, upper}, {IDYES}, true, false, {2, 1}, 1},
        {"side by side, Yes", kDisasterText, {right, left}, {IDYES}, true, false, {2, 1}, 1},
        {"a tagged pair",
         kWeekTargetText,
         {{6, 6, 9, 8, 4}, {6, 2, 9, 4, 3}},
         {},
         false,
         false,
         {4, 3},
         1},
        {"the disaster pair for the weekly texts",
         kWeekTargetText,
         {{6, 6, 9, 8, 2}, {6, 2, 9, 4, 1}},
         {IDYES},
         true,
         false,
         {4, 3},
         1},
        {"No", kDisasterText, {lower, upper}, {IDNO}, true, true, {0, 0}, -1},
        {"one frame", kDisasterText, {upper}, {}, false, true, {0}, -1},
        {"three frames", kDisasterText, {upper, lower, left}, {}, false, true, {0, 0, 0}, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        doc.GetShapes().DeselectAllZukei();
        doc.GetShapes().RemoveAllZukei();
        ui.ClearRecords();
        std::vector<CZukeiString*> frames;
        for (const Frame& f : c.frames) {
            frames.push_back(AddFrame(f.day1, f.row1, f.day2, f.row2, f.role));
        }
        CZukeiString* given = nullptr;
        const auto take = [&](DialogRequest& request) {
            given = dynamic_cast<SafetyTextPair&>(request).first;
            return IDOK;
        };
        ui.OnDialog("DisasterTextDlg", take);
        ui.OnDialog("WeekTargetTextDlg", take);
        for (const int answer : c.answers) {
            ui.QueueAnswer(answer);
        }
        EXPECT_TRUE(View().OnCommand(c.command));

        const std::string first = c.command == kDisasterText ? "災害" : "週間目標";
        const std::string second = c.command == kDisasterText ? "対策" : "実施項目";
        std::vector<std::string> expected;
        if (c.asked) {
            expected.push_back("現在選択中の線画文字図形は" + first + "枠と" + second +
                               "枠のセットではありません。\n選択した線画文字図形を" + first +
                               "枠と" + second + "枠に設定しますか？");
        }
        if (c.refused) {
            expected.push_back(first + "と" + second +
                               "の線画文字図形を２つ選択しもう一度操作し直してください。");
        }
        EXPECT_EQ(ui.MessageTexts(), expected);
        std::vector<WORD> roles;
        for (const CZukeiString* frame : frames) {
            roles.push_back(frame->GetFrameTag());
        }
        EXPECT_EQ(roles, c.roles);
        EXPECT_EQ(ui.Dialogs().size(), c.firstOfDialog < 0 ? 0u : 1u);
        EXPECT_EQ(given, c.firstOfDialog < 0 ? nullptr
                                             : frames[static_cast<std::size_t>(c.firstOfDialog)]);
    }
}

TEST_F(ZukeiTextTest, BoardCommandsOfCalendarDatesAreDisabledInAnElapsedDayChart) {
    const struct {
        UINT id;
        bool calendar, elapsed;
    } cases[] = {
        {33101, true, true}, {33102, true, true},  {33137, true, false},
        {33138, true, true}, {33139, true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        doc.GetSyokiSet().SetNobeMode(0);
        EXPECT_EQ(Enabled(c.id), c.calendar);
        doc.GetSyokiSet().SetNobeMode(1);
        EXPECT_EQ(Enabled(c.id), c.elapsed);
    }
}

TEST_F(ZukeiTextTest, TheFrameDialogsLeaveTheViewsMouseRecordAsItWas) {
    CMouseEvent& mouse = View().GetMouseEvent();
    mouse.Set(CMouseEvent::kLeftUp, MK_SHIFT, 1200, -300);
    mouse.SetStartPoint(CPoint(700, -250));
    mouse.SetLastPoint(CPoint(900, -450));
    // A frame builder that works through the view's mouse record.
    const auto builder = [&](DialogRequest& request) {
        auto& target = dynamic_cast<SafetyBoardTarget&>(request);
        EXPECT_EQ(target.document, &doc);
        EXPECT_EQ(target.settings, &doc.GetSyokiSet());
        EXPECT_EQ(target.layout, &View().GetPageLayout());
        View().GetMouseEvent().Set(CMouseEvent::kMove, 0, 5, 5);
        View().GetMouseEvent().SetStartPoint(CPoint(1, 1));
        View().GetMouseEvent().SetLastPoint(CPoint(2, 2));
        return IDOK;
    };
    for (const char* name :
         {"DisasterFrameDlg", "WeekTargetFrameDlg", "ToubanCreateSelDlg", "ManeiToubanSheet"}) {
        ui.OnDialog(name, builder);
    }
    for (const UINT id : {33101u, 33137u, 33139u}) {
        SCOPED_TRACE(id);
        EXPECT_TRUE(View().OnCommand(id));
        EXPECT_EQ(mouse.GetPoint(), CPoint(1200, -300));
        EXPECT_EQ(mouse.GetCode(), CMouseEvent::kLeftRelease);
        EXPECT_TRUE(mouse.IsShift());
        EXPECT_EQ(mouse.GetStartPoint(), CPoint(700, -250));
        EXPECT_EQ(mouse.GetLastPoint(), CPoint(900, -450));
    }
    std::vector<std::string> names;
    for (const auto& call : ui.Dialogs()) {
        names.push_back(call.name);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"DisasterFrameDlg", "WeekTargetFrameDlg",
                                               "ToubanCreateSelDlg", "ManeiToubanSheet"}));

    // A cancelled choice ends the roster command.
    ui.ClearRecords();
    ui.OnDialog("ToubanCreateSelDlg", [](DialogRequest&) { return IDCANCEL; });
    View().OnCommand(33139);
    ASSERT_EQ(ui.Dialogs().size(), 1u);
    EXPECT_EQ(ui.Dialogs()[0].name, "ToubanCreateSelDlg");
}

} // namespace
} // namespace tembra
