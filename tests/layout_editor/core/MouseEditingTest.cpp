// Mouse editing of the layout view over a fixed window of 254 dpi, where one pixel is one layout
// unit: gesture scripts (messages in, elements, drag state, undo and panes out), the selection
// rules of the profile and the keys, the prompts of every mode and state, and auto-scrolling.
#include "layout_editor/core/AppSettings.h"
#include "layout_editor/core/CommandIds.h"
#include "layout_editor/core/EditorRequests.h"
#include "layout_editor/core/MarquellDoc.h"
#include "layout_editor/core/MarquellView.h"
#include "layout_editor/core/PHeadBoxData.h"
#include "layout_editor/core/PHeadInputArea.h"
#include "layout_editor/core/PHeadLineData.h"

#include "EditorTestSupport.h"
#include "platform/RecordingDC.h"
#include "platform/RegKey.h"
#include "platform/StringTable.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

namespace marquell {
namespace {

namespace fs = std::filesystem;
using namespace tembra;
using test::J;

// The standard layout's header area: (100, -100) to (2870, -400).
class MouseTest : public testing::Test {
protected:
    void SetUp() override {
        fs::copy_file(fs::path(TEMBRA_DATA_DIR) / AppRegKeyDefaultPath().filename(),
                      AppRegKeyDefaultPath(), fs::copy_options::overwrite_existing);
        app.ReadProfile();
        doc.SetServices(&app, nullptr);
        host.dpi = 254;
        host.client = CSize(3200, 800);
        const fs::path file = paths.Dir().Write(
            "in.lyt", tembra::test::TempDir::Read(fs::path(TEMBRA_DATA_DIR) / "MASTER01.LYT"));
        ASSERT_TRUE(doc.OnOpenDocument(file.string()));
        view.OnInitialUpdate();
        Paper().GetElements().clear();
        view.OnCommand(ID_GRID_SNAP); // off: points stay where they are given
        Paint();
    }

    CPaperData& Paper() { return doc.GetCurrentPaper(); }
    void Paint() {
        CRecordingDC dc(CRecordingDC::Device::Screen, host.dpi, host.client);
        view.OnPaint(&dc);
    }
    // Whether a paint leaves anything inverted on top of the picture.
    bool FeedbackOnScreen() {
        CRecordingDC dc(CRecordingDC::Device::Screen, host.dpi, host.client);
        view.OnPaint(&dc);
        for (const auto& record : dc.Drawings()) {
            if (record.rop2 == R2_NOT) {
                return true;
            }
        }
        return false;
    }
    // The window's pixel of a layout point.
    CPoint Dev(const CPoint& at) {
        std::unique_ptr<CDC> dc = host.CreateMeasureDC();
        view.OnPrepareDC(dc.get());
        const int zoom = view.GetZoomPercent();
        const CPoint offset = view.GetDrawOffset();
        CPoint p(at.x * zoom / 100 + offset.x, at.y * zoom / 100 + offset.y);
        dc->LPtoDP(&p);
        return p;
    }
    void Down(CPoint at, UINT keys = 0) { view.OnLButtonDown(keys | MK_LBUTTON, Dev(at)); }
    void Up(CPoint at, UINT keys = 0) { view.OnLButtonUp(keys, Dev(at)); }
    void Move(CPoint at, UINT keys = 0, bool left = false) {
        view.OnMouseMove(keys | (left ? UINT{MK_LBUTTON} : UINT{0}), Dev(at));
    }
    void Click(CPoint at, UINT keys = 0) {
        Down(at, keys);
        Up(at, keys);
    }
    void Drag(CPoint from, CPoint to, UINT keys = 0) {
        Down(from, keys);
        Move(to, keys, true);
        Up(to, keys);
    }
    void RightClick(CPoint at, UINT keys = 0) {
        view.OnRButtonDown(keys | MK_RBUTTON, Dev(at));
        view.OnRButtonUp(keys, Dev(at));
    }
    CLayoutData& AddBox(const CRect& rect, bool selected = false) {
        auto box = std::make_unique<CPHeadBoxData>();
        box->SetFrameRect(rect);
        box->SetSelected(selected);
        Paper().GetElements().push_back(std::move(box));
        return *Paper().GetElements().back();
    }
    // Answers the fixed-text dialog with a text, or with Cancel for an empty one.
    void AnswerText(const std::string& text) {
        ui->OnDialog("FixedText", [text](DialogRequest& request) {
            if (text.empty()) {
                return IDCANCEL;
            }
            static_cast<FixedTextRequest&>(request).element.SetText(text);
            return IDOK;
        });
    }
    std::string Pane(int pane) { return host.panes[pane]; }

    tembra::test::ScopedPaths paths;
    tembra::test::ScopedUi ui;
    CAppSettings app;
    CMarquellDoc doc;
    test::FakeViewHost host;
    CMarquellView view{doc, app, host};
};

TEST_F(MouseTest, TheWindowsPixelsAreLayoutUnits) {
    for (const CPoint at : {CPoint(100, -100), CPoint(2870, -400), CPoint(12, -345)}) {
        EXPECT_EQ(view.DeviceToLayout(Dev(at)), at);
    }
}

TEST_F(MouseTest, ALineIsDrawnByTwoClicksOrByOneDrag) {
    view.OnCommand(ID_MODE_LINE);
    const CPoint start(200, -150);
    const CPoint end(500, -300);
    for (const bool drag : {false, true}) {
        SCOPED_TRACE(drag ? "drag" : "two clicks");
        Paper().GetElements().clear();
        doc.Reset();
        if (drag) {
            Down(start);
            EXPECT_EQ(view.GetDragState(), kDragPressed);
            EXPECT_TRUE(host.captured);
            Move(CPoint(300, -200), 0, true);
            Move(end, 0, true);
            EXPECT_EQ(view.GetDragState(), kDragTracking);
            Up(end);
        } else {
            Click(start);
            EXPECT_EQ(view.GetDragState(), kDragTracking);
            EXPECT_TRUE(FeedbackOnScreen()) << "the outline follows the mouse";
            Move(end);
            Click(end);
        }
        ASSERT_EQ(Paper().CountElements(), 1);
        const auto& line = dynamic_cast<const CPHeadLineData&>(*Paper().GetElements()[0]);
        EXPECT_EQ(line.GetFrameRect(), CRect(start.x, start.y, end.x, end.y));
        EXPECT_EQ(line.GetArea(), kAreaHeader);
        EXPECT_EQ(line.GetWidth(), 3);
        EXPECT_EQ(view.GetDragState(), kDragIdle);
        EXPECT_FALSE(host.captured);
        EXPECT_FALSE(FeedbackOnScreen());
        EXPECT_TRUE(doc.IsModified());
        // One undo step takes the line away.
        view.OnCommand(ID_EDIT_UNDO);
        EXPECT_EQ(Paper().CountElements(), 0);
    }
}

TEST_F(MouseTest, AZeroSizeBeepsAndKeepsTracking) {
    struct Case {
        UINT mode;
        CPoint end; // the second click: no length, or no width
    };
    const Case cases[] = {{ID_MODE_LINE, CPoint(300, -200)}, {ID_MODE_BOX, CPoint(300, -350)}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        ui->ClearRecords();
        view.OnCommand(c.mode);
        Click(CPoint(300, -200));
        Move(c.end);
        Click(c.end);
        EXPECT_EQ(ui->Beeps().size(), 1u);
        EXPECT_EQ(view.GetDragState(), kDragTracking);
        EXPECT_TRUE(host.captured);
        EXPECT_EQ(Paper().CountElements(), 0);
        // The element is still in the making: a proper end finishes it.
        Move(CPoint(400, -300));
        Click(CPoint(400, -300));
        EXPECT_EQ(view.GetDragState(), kDragIdle);
        EXPECT_EQ(Paper().CountElements(), 1);
        Paper().GetElements().clear();
        doc.Reset();
    }
}

TEST_F(MouseTest, ShiftStraightensALineButNotABox) {
    struct Case {
        UINT mode;
        CPoint to;
        CRect frame;
    };
    const CPoint from(100, -100);
    const Case cases[] = {
        // Nearer the horizontal, then nearer the vertical.
        {ID_MODE_LINE, CPoint(300, -130), CRect(100, -100, 300, -100)},
        {ID_MODE_LINE, CPoint(130, -300), CRect(100, -100, 100, -300)},
        {ID_MODE_BOX, CPoint(300, -130), CRect(100, -100, 300, -130)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        Paper().GetElements().clear();
        doc.Reset();
        view.OnCommand(c.mode);
        Click(from, MK_SHIFT);
        Move(c.to, MK_SHIFT);
        Click(c.to, MK_SHIFT);
        ASSERT_EQ(Paper().CountElements(), 1);
        EXPECT_EQ(Paper().GetElements()[0]->GetFrameRect(), c.frame);
    }
}

TEST_F(MouseTest, PointsSnapToTheDivisionsOfTheArea) {
    // An area from x 100 to 1100 and y -100 to -400, in 3 divisions each way.
    Paper().GetSize().SetArea(kLayoutHeaderArea, CRect(100, -100, 1100, -400));
    ui->OnDialog("GridSet", [](DialogRequest& request) {
        CGridSetData& data = static_cast<GridSetRequest&>(request).data;
        data.snap = 1;
        data.across = 3;
        data.down = 3;
        return IDOK;
    });
    view.OnCommand(ID_GRID_SET);
    struct Case {
        CPoint point;
        UINT keys;
        CPoint snapped;
    };
    const Case cases[] = {
        {CPoint(600, -100), 0, CPoint(433, -100)}, // 1.5 divisions: the half goes toward zero
        {CPoint(700, -100), 0, CPoint(767, -100)}, // 666.67 goes up
        {CPoint(600, -150), 0, CPoint(433, -100)}, // half a division down stays at the top
        {CPoint(600, -160), 0, CPoint(433, -200)},
        {CPoint(600, -160), MK_CONTROL, CPoint(600, -160)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(view.SnapToGrid(c.point, c.keys), c.snapped) << c.point.x << "," << c.point.y;
    }
    // A line drawn across the snapped points.
    Paint();
    view.OnCommand(ID_MODE_LINE);
    Click(CPoint(600, -150));
    Move(CPoint(700, -150));
    Click(CPoint(700, -150));
    ASSERT_EQ(Paper().CountElements(), 1);
    EXPECT_EQ(Paper().GetElements()[0]->GetFrameRect(), CRect(433, -100, 767, -100));
    // With CTRL held nothing snaps.
    view.OnCommand(ID_MODE_LINE);
    Click(CPoint(600, -160), MK_CONTROL);
    Move(CPoint(700, -160), MK_CONTROL);
    Click(CPoint(700, -160), MK_CONTROL);
    ASSERT_EQ(Paper().CountElements(), 2);
    EXPECT_EQ(Paper().GetElements()[1]->GetFrameRect(), CRect(600, -160, 700, -160));
}

TEST_F(MouseTest, ACancelledNameDialogKeepsTheElementInTheMaking) {
    struct Case {
        UINT mode;
        const char* dialog;
    };
    for (const Case& c : {Case{ID_MODE_TEXT, "FixedText"}, Case{ID_MODE_INPUT, "InputAreaName"}}) {
        SCOPED_TRACE(c.dialog);
        Paper().GetElements().clear();
        doc.Reset();
        view.OnCommand(c.mode);
        ui->OnDialog(c.dialog, [](DialogRequest&) { return IDCANCEL; });
        Click(CPoint(200, -150));
        Move(CPoint(600, -250));
        Click(CPoint(600, -250));
        EXPECT_EQ(Paper().CountElements(), 0);
        EXPECT_NE(view.GetNewElement(), nullptr);
        EXPECT_EQ(view.GetDragState(), kDragTracking);
        EXPECT_TRUE(host.captured);
        // The next two moves are the dialog's going; then the outline follows again.
        const int drawn = host.directDrawings;
        Move(CPoint(610, -250));
        Move(CPoint(620, -250));
        EXPECT_EQ(host.directDrawings, drawn);
        Move(CPoint(700, -300));
        EXPECT_GT(host.directDrawings, drawn);

        ui->OnDialog(c.dialog, [](DialogRequest& request) {
            if (auto* text = dynamic_cast<FixedTextRequest*>(&request)) {
                text->element.SetText("A");
            } else {
                auto& data = static_cast<InputAreaNameRequest&>(request).data;
                data.name = "A";
                EXPECT_EQ(data.Check(), 0u);
                data.Apply();
            }
            return IDOK;
        });
        Click(CPoint(700, -300));
        ASSERT_EQ(Paper().CountElements(), 1);
        const auto& text = dynamic_cast<const CPHeadMojiData&>(*Paper().GetElements()[0]);
        EXPECT_EQ(text.GetText(), "A");
        EXPECT_EQ(text.GetFrameRect(), CRect(200, -150, 700, -300));
        // The attributes of new texts: "ＭＳ 明朝", 24 high, 12 wide, centred both ways.
        EXPECT_EQ(std::string(text.GetFont().FaceName()), J("ＭＳ 明朝"));
        EXPECT_EQ(text.GetFont().lfHeight, -24);
        EXPECT_EQ(text.GetFont().lfWidth, 12);
        EXPECT_EQ(text.GetVCenter(), 1);
        EXPECT_EQ(text.GetHCenter(), 1);
        EXPECT_FALSE(host.captured);
    }
}

TEST_F(MouseTest, AnEditModeDragMovesCopiesOrReshapesAndReturnsToEditMode) {
    struct Case {
        const char* name;
        CPoint press;
        CPoint to;
        UINT keys;
        int count;          // elements afterwards
        CRect frame;        // of the element that stays selected
        bool originalMoved; // whether the first element changed
    };
    const CRect box(200, -150, 400, -250);
    const Case cases[] = {
        {"move", CPoint(200, -170), CPoint(300, -190), 0, 1, CRect(300, -170, 500, -270), true},
        {"copy", CPoint(200, -170), CPoint(200, -270), MK_CONTROL, 2, CRect(200, -250, 400, -350),
         false},
        // The bottom-right mark: the left and top edges stay.
        {"reshape", CPoint(400, -250), CPoint(500, -300), 0, 1, CRect(200, -150, 500, -300), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Paper().GetElements().clear();
        doc.Reset();
        view.OnCommand(ID_MODE_EDIT);
        AddBox(box);
        Click(CPoint(200, -170));
        ASSERT_EQ(view.GetDragState(), kDragSelected);
        ASSERT_EQ(Paper().CountSelected(), 1);

        Down(c.press, c.keys);
        EXPECT_EQ(view.GetDragState(), kDragOnSelection);
        Move(c.to, c.keys, true); // picks the selection up
        Move(c.to, c.keys, true); // and takes it along
        EXPECT_EQ(view.GetDragState(), kDragPlacing);
        EXPECT_EQ(view.GetMode(), std::string(c.name) == "copy"   ? kModeCopy
                                  : std::string(c.name) == "move" ? kModeMove
                                                                  : kModeTransform);
        Up(c.to, c.keys);
        EXPECT_EQ(view.GetMode(), kModeEdit);
        EXPECT_EQ(view.GetDragState(), kDragSelected);
        EXPECT_FALSE(host.captured);
        EXPECT_FALSE(FeedbackOnScreen());
        ASSERT_EQ(Paper().CountElements(), c.count);
        EXPECT_EQ(Paper().GetElements().back()->GetFrameRect(), c.frame);
        EXPECT_TRUE(Paper().GetElements().back()->IsSelected());
        EXPECT_EQ(Paper().GetElements()[0]->GetFrameRect() != box, c.originalMoved);
        // One undo step puts it back.
        view.OnCommand(ID_EDIT_UNDO);
        EXPECT_EQ(Paper().CountElements(), 1);
        EXPECT_EQ(Paper().GetElements()[0]->GetFrameRect(), box);
    }
}

TEST_F(MouseTest, ReleasingAtTheStartKeepsPlacing) {
    AddBox(CRect(200, -150, 400, -250));
    view.OnCommand(ID_MODE_EDIT);
    Click(CPoint(200, -200));
    view.OnCommand(ID_MODE_MOVE);
    // A move with the selection there waits for its first press on it.
    Click(CPoint(200, -200));
    Click(CPoint(200, -200));
    EXPECT_EQ(view.GetDragState(), kDragPlacing);
    EXPECT_EQ(Paper().GetElements()[0]->GetFrameRect(), CRect(200, -150, 400, -250));
    EXPECT_FALSE(doc.CanUndo());
    Move(CPoint(250, -200));
    Click(CPoint(250, -200));
    EXPECT_EQ(view.GetDragState(), kDragSelected);
    EXPECT_EQ(view.GetMode(), kModeMove);
    EXPECT_EQ(Paper().GetElements()[0]->GetFrameRect(), CRect(250, -150, 450, -250));
}

TEST_F(MouseTest, TheGhostStaysInTheArea) {
    struct Case {
        CRect box;
        CPoint grab;
        CPoint to;
        CRect frame;
    };
    const Case cases[] = {
        // Pushed beyond the right edge: it stops there.
        {CRect(2700, -150, 2860, -250), CPoint(2700, -200), CPoint(2950, -200),
         CRect(2710, -150, 2870, -250)},
        // Larger than the area: it keeps to the right and bottom edges.
        {CRect(50, -50, 3000, -450), CPoint(50, -200), CPoint(60, -210), CRect(-80, 0, 2870, -400)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.box.left);
        Paper().GetElements().clear();
        doc.Reset();
        view.OnCommand(ID_MODE_EDIT);
        AddBox(c.box);
        Click(c.grab);
        ASSERT_EQ(Paper().CountSelected(), 1);
        view.OnCommand(ID_MODE_MOVE);
        Click(c.grab);
        ASSERT_EQ(view.GetDragState(), kDragPlacing);
        Move(c.to);
        const CPoint offset(view.GetCurrent().x - view.GetAnchor().x,
                            view.GetCurrent().y - view.GetAnchor().y);
        CRect ghost = c.box;
        ghost.OffsetRect(offset);
        EXPECT_EQ(ghost, c.frame);
        Click(c.to);
        EXPECT_EQ(Paper().GetElements()[0]->GetFrameRect(), c.frame);
    }
}

TEST_F(MouseTest, ARightClickSwapsDrawingAndEditModeAndWithShiftOpensTheMenu) {
    view.OnCommand(ID_MODE_BOX);
    RightClick(CPoint(300, -200));
    EXPECT_EQ(view.GetMode(), kModeEdit);
    RightClick(CPoint(300, -200));
    EXPECT_EQ(view.GetMode(), kModeBox);
    EXPECT_TRUE(host.contextMenus.empty());
    RightClick(CPoint(300, -200), MK_SHIFT);
    EXPECT_EQ(view.GetMode(), kModeBox);
    ASSERT_EQ(host.contextMenus.size(), 1u);
    EXPECT_EQ(host.contextMenus[0], Dev(CPoint(300, -200)));
    // During a creation a right click drops the element.
    Click(CPoint(300, -200));
    RightClick(CPoint(400, -300));
    EXPECT_EQ(view.GetDragState(), kDragIdle);
    EXPECT_EQ(view.GetNewElement(), nullptr);
    EXPECT_FALSE(FeedbackOnScreen());
}

// Box A stands left, box B right; C elsewhere is selected first. A click on B, and a band
// that holds B whole and crosses A's frame, each with the keys held. "Hukusu" 1 adds to the
// selection while CTRL is up, 0 while it is down; "Wakunai" 0 takes only elements wholly inside
// the band while SHIFT is up, 1 while it is down.
TEST_F(MouseTest, TheSelectionFollowsTheProfileAndTheKeys) {
    const CRect a(200, -150, 400, -250);
    const CRect b(600, -150, 800, -250);
    const CRect c(1500, -150, 1700, -250);
    constexpr UINT kCtrl = MK_CONTROL;
    constexpr UINT kShift = MK_SHIFT;
    constexpr UINT kBoth = MK_CONTROL | MK_SHIFT;
    struct Case {
        int hukusu;
        int wakunai;
        UINT keys;
        bool keepsC;     // the earlier selection stays
        bool bandTakesA; // a band that crosses A's frame takes A
    };
    const Case cases[] = {
        {0, 0, 0, false, false},      {0, 0, kCtrl, true, false}, {0, 0, kShift, false, true},
        {0, 0, kBoth, true, true},    {0, 1, 0, false, true},     {0, 1, kCtrl, true, true},
        {0, 1, kShift, false, false}, {0, 1, kBoth, true, false}, {1, 0, 0, true, false},
        {1, 0, kCtrl, false, false},  {1, 0, kShift, true, true}, {1, 0, kBoth, false, true},
        {1, 1, 0, true, true},        {1, 1, kCtrl, false, true}, {1, 1, kShift, true, false},
        {1, 1, kBoth, false, false},
    };
    for (const bool band : {false, true}) {
        for (const Case& t : cases) {
            SCOPED_TRACE(testing::Message() << (band ? "band" : "click") << " Hukusu " << t.hukusu
                                            << " Wakunai " << t.wakunai << " keys " << t.keys);
            Paper().GetElements().clear();
            doc.Reset();
            app.multiple = t.hukusu;
            app.insideFrame = t.wakunai;
            view.OnCommand(ID_MODE_EDIT);
            const CLayoutData& boxA = AddBox(a);
            const CLayoutData& boxB = AddBox(b);
            const CLayoutData& boxC = AddBox(c);
            Click(CPoint(1500, -200));
            ASSERT_TRUE(boxC.IsSelected());
            if (band) {
                Drag(CPoint(300, -120), CPoint(900, -300), t.keys);
            } else {
                Click(CPoint(600, -200), t.keys);
            }
            EXPECT_TRUE(boxB.IsSelected());
            EXPECT_EQ(boxC.IsSelected(), t.keepsC);
            EXPECT_EQ(boxA.IsSelected(), band && t.bandTakesA);
            EXPECT_EQ(view.GetDragState(), kDragSelected);
        }
    }
}

TEST_F(MouseTest, AClickOnASelectedElementTakesItOut) {
    view.OnCommand(ID_MODE_EDIT);
    CLayoutData& box = AddBox(CRect(200, -150, 400, -250));
    Click(CPoint(200, -200));
    EXPECT_TRUE(box.IsSelected());
    Click(CPoint(200, -200));
    EXPECT_FALSE(box.IsSelected());
    EXPECT_EQ(view.GetDragState(), kDragIdle);
}

// The prompt of each mode and drag state, reached by gestures; the last message of each is
// the one whose prompt counts.
TEST_F(MouseTest, EveryModeAndStateHasItsPrompt) {
    struct Case {
        UINT command;
        int state;
        UINT prompt; // 0: the pane is left as it was
    };
    const Case cases[] = {
        {ID_MODE_TEXT, 0, 61217},      {ID_MODE_TEXT, 2, 61218},      {ID_MODE_INPUT, 0, 61220},
        {ID_MODE_INPUT, 2, 61221},     {ID_MODE_LINE, 0, 61222},      {ID_MODE_LINE, 2, 61223},
        {ID_MODE_BOX, 0, 61224},       {ID_MODE_BOX, 2, 61225},       {ID_MODE_EDIT, 0, 61226},
        {ID_MODE_EDIT, 2, 61227},      {ID_MODE_EDIT, 4, 61228},      {ID_MODE_COPY, 0, 61229},
        {ID_MODE_COPY, 2, 61230},      {ID_MODE_COPY, 4, 61231},      {ID_MODE_COPY, 6, 61232},
        {ID_MODE_MOVE, 0, 61233},      {ID_MODE_MOVE, 2, 61234},      {ID_MODE_MOVE, 4, 61235},
        {ID_MODE_MOVE, 6, 61236},      {ID_MODE_TRANSFORM, 0, 61237}, {ID_MODE_TRANSFORM, 2, 61238},
        {ID_MODE_TRANSFORM, 4, 61239}, {ID_MODE_TRANSFORM, 6, 61240}, {ID_MODE_TEXT, 1, 0},
        {ID_MODE_EDIT, 5, 0},
    };
    const CPoint edge(200, -170);
    const CPoint empty(600, -300);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.command << " state " << c.state);
        Paper().GetElements().clear();
        doc.Reset();
        view.OnCommand(ID_MODE_EDIT);
        AddBox(CRect(200, -150, 400, -250));
        std::function<void()> last;
        switch (c.state) {
        case 0:
            view.OnCommand(c.command);
            last = [&] { Move(edge); };
            break;
        case 1:
            view.OnCommand(c.command);
            last = [&] { Down(empty); };
            break;
        case 2:
            view.OnCommand(c.command);
            Down(empty); // drawing modes: the outline follows; others: a band
            last = [&] { Up(empty); };
            break;
        case 4:
            view.OnCommand(c.command);
            Down(edge);
            last = [&] { Up(edge); };
            break;
        case 5:
            view.OnCommand(c.command);
            Click(edge);
            last = [&] { Down(edge); };
            break;
        case 6:
            view.OnCommand(c.command);
            Click(edge);
            Down(c.command == ID_MODE_TRANSFORM ? CPoint(400, -250) : edge);
            last = [&] { Up(c.command == ID_MODE_TRANSFORM ? CPoint(400, -250) : edge); };
            break;
        }
        host.panes[0] = "before";
        last();
        ASSERT_EQ(view.GetDragState(), c.state);
        EXPECT_EQ(Pane(0), c.prompt != 0 ? LoadString(c.prompt) : "before");
        if (c.state == kDragPressed || c.state == kDragOnSelection) {
            Up(edge);
        }
    }
}

TEST_F(MouseTest, ThePositionPanesShowWhereTheMouseIsAndWhatIsDrawn) {
    // An area from the paper's corner, so that small positions lie in it.
    Paper().GetSize().SetArea(kLayoutHeaderArea, CRect(0, 0, 2970, -500));
    Paint();
    struct Case {
        CPoint at;
        std::string position;
    };
    const Case cases[] = {
        {CPoint(12, -345), "   12,345"},
        {CPoint(-3, -345), "   -3,345"}, // within 0.4 mm of the area
        {CPoint(-5, -345), ""},          // 0.5 mm outside
        {CPoint(2000, -505), ""},
    };
    for (const Case& c : cases) {
        Move(c.at);
        EXPECT_EQ(Pane(5), c.position) << c.at.x << "," << c.at.y;
        EXPECT_EQ(Pane(6), "");
    }
    // A band being drawn shows its size, the point kept in the area.
    view.OnCommand(ID_MODE_EDIT);
    Down(CPoint(100, -100));
    Move(CPoint(150, -130), 0, true);
    Move(CPoint(3100, -230), 0, true);
    EXPECT_EQ(Pane(6), " 2870, 130");
    Up(CPoint(3100, -230));
    Move(CPoint(150, -130));
    EXPECT_EQ(Pane(6), "");
}

TEST_F(MouseTest, ABandBeyondTheWindowScrollsItWhileThePointerIsOut) {
    host.client = CSize(600, 300);
    view.OnSize();
    Paint();
    view.OnCommand(ID_MODE_EDIT);
    Down(CPoint(200, -200));
    Move(CPoint(300, -250), 0, true);
    ASSERT_EQ(view.GetDragState(), kDragTracking);
    EXPECT_FALSE(host.autoScroll);
    // 100 pixels right of the window.
    view.OnMouseMove(MK_LBUTTON, CPoint(700, 150));
    EXPECT_EQ(view.GetDeviceScrollPosition().x, 100);
    EXPECT_TRUE(host.autoScroll);
    EXPECT_GT(host.updates, 0);
    // Again, as the timer gives it, until the window stops.
    for (int i = 0; i < 40; ++i) {
        view.OnMouseMove(MK_LBUTTON, CPoint(700, 150));
    }
    EXPECT_EQ(view.GetDeviceScrollPosition().x, view.GetTotalDeviceSize().cx - 600);
    EXPECT_FALSE(host.autoScroll);
    view.OnMouseMove(MK_LBUTTON, CPoint(300, 150));
    EXPECT_FALSE(host.autoScroll);
    view.OnLButtonUp(0, CPoint(300, 150));
    EXPECT_FALSE(host.captured);
}

TEST_F(MouseTest, ADoubleClickOnAFixedTextEditsItAsOneStep) {
    auto text = std::make_unique<CPHeadMojiData>();
    text->SetText("A");
    text->SetFrameRect(CRect(200, -150, 400, -250));
    Paper().GetElements().push_back(std::move(text));
    view.OnCommand(ID_MODE_EDIT);
    AnswerText("B");
    Click(CPoint(300, -200));
    ASSERT_EQ(view.GetDragState(), kDragSelected);
    view.OnLButtonDblClk(MK_LBUTTON, Dev(CPoint(300, -200)));
    Up(CPoint(300, -200));
    EXPECT_EQ(static_cast<CPHeadMojiData&>(*Paper().GetElements()[0]).GetText(), "B");
    EXPECT_EQ(view.GetDragState(), kDragIdle);
    view.OnCommand(ID_EDIT_UNDO);
    EXPECT_EQ(static_cast<CPHeadMojiData&>(*Paper().GetElements()[0]).GetText(), "A");
}

} // namespace
} // namespace marquell
