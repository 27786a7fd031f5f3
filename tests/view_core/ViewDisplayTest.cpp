// The display options of the view: each command switches its flag of the layout or of the view
// and shows it as a check mark, the hour and minute modes follow the date-label unit, the rows
// heading the process column are set from the item selection, and the paste with the layer
// chosen and the layer move.
#include "ViewFixture.h"

#include "document/ChartSheetRequests.h"
#include "document/DocFileRequests.h"
#include "document/LayerDialogRequests.h"
#include "platform/CmdUI.h"

#include <functional>

namespace tembra {
namespace {

using test::April;
using Op = COperationState;

constexpr UINT kHeader = 32830;
constexpr UINT kSimpleText = 32950;
constexpr UINT kLinkMarks = 33136;
constexpr UINT kShigenNames = 40070;
constexpr UINT kShigenHours = 40082;
constexpr UINT kShigenNone = 40085;
constexpr UINT kShigenLeft = 40083;
constexpr UINT kShigenCenter = 40084;
constexpr UINT kHourMode = 40092;
constexpr UINT kMinuteMode = 33066;
constexpr UINT kLayerPaste = 40088;
constexpr UINT kLayerMove = 40089;
constexpr UINT kKouteiHeader = 33146;
constexpr WORD kHourUnit = 4;

class ViewDisplayTest : public test::ViewFixture {
protected:
    ViewDisplayTest() { MakeView(host); }
    CTembraView& View() { return *views.front(); }
    CCmdUI Update(UINT id) {
        CCmdUI state(id);
        EXPECT_TRUE(View().OnUpdateCommand(state)) << id;
        return state;
    }
    int Check(UINT id) { return Update(id).GetCheck(); }
    bool Enabled(UINT id) { return Update(id).IsEnabled(); }
    const CPageLayout& Layout() { return View().GetPageLayout(); }

    test::FakeViewHost host;
};

TEST_F(ViewDisplayTest, EachDisplayCommandSwitchesItsFlagAndItsCheckMark) {
    struct Case {
        const char* what;
        UINT id;
        std::function<int()> flag;
        int after;
    };
    const Case cases[] = {
        {"header on screen", kHeader, [&] { return Layout().GetHeader() != nullptr ? 1 : 0; }, 1},
        {"simple text", kSimpleText, [&] { return Layout().IsSimpleText() ? 1 : 0; }, 1},
        {"link marks (on at first)", kLinkMarks, [&] { return Layout().IsHyperlinkMark() ? 1 : 0; },
         0},
        {"resource names", kShigenNames, [&] { return Layout().GetShigenDispMode(); }, 1},
        {"resource hours", kShigenHours, [&] { return Layout().GetShigenDispMode(); }, 2},
        {"no resource label", kShigenNone, [&] { return Layout().GetShigenDispMode(); }, 0},
        {"resources centred", kShigenCenter, [&] { return Layout().IsShigenCentered() ? 1 : 0; },
         1},
        {"resources left", kShigenLeft, [&] { return Layout().IsShigenCentered() ? 1 : 0; }, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(View().OnCommand(c.id));
        EXPECT_EQ(c.flag(), c.after);
        // The switches show their state, the choices that they are the one chosen.
        EXPECT_EQ(Check(c.id), c.id == kLinkMarks ? 0 : 1);
        EXPECT_TRUE(host.WholeInvalidated());
        host.Clear();
    }
    // The three label modes and the two alignments check only the one in force.
    EXPECT_EQ(Check(kShigenNames) + Check(kShigenHours) + Check(kShigenNone), 1);
    EXPECT_EQ(Check(kShigenLeft) + Check(kShigenCenter), 1);

    // A layout built anew (the settings changed) keeps what the user chose.
    View().OnUpdate(nullptr, CTembraView::kHintRelayout, nullptr);
    EXPECT_NE(Layout().GetHeader(), nullptr);
    EXPECT_TRUE(Layout().IsSimpleText());
    EXPECT_FALSE(Layout().IsHyperlinkMark());
    EXPECT_EQ(Layout().GetShigenDispMode(), 0);
    EXPECT_FALSE(Layout().IsShigenCentered());

    // Again, and the flags are back.
    for (const UINT id : {kHeader, kSimpleText, kLinkMarks}) {
        ASSERT_TRUE(View().OnCommand(id));
        EXPECT_EQ(Check(id), id == kLinkMarks ? 1 : 0) << id;
    }
}

TEST_F(ViewDisplayTest, HourAndMinuteModesFollowTheDateLabelUnit) {
    ASSERT_NE(doc.GetSyokiSet().GetDateUnit(), kHourUnit);
    EXPECT_TRUE(Enabled(kHourMode));
    ASSERT_TRUE(View().OnCommand(kHourMode));
    EXPECT_TRUE(View().IsHourMode());
    EXPECT_EQ(Check(kHourMode), 1);
    EXPECT_FALSE(Enabled(kMinuteMode));
    ASSERT_TRUE(View().OnCommand(kMinuteMode));
    EXPECT_FALSE(View().IsMinuteMode());

    doc.GetSyokiSet().SetOption1(kHourUnit);
    EXPECT_FALSE(Enabled(kHourMode));
    ASSERT_TRUE(View().OnCommand(kHourMode));
    EXPECT_TRUE(View().IsHourMode()); // not switched at unit 4
    EXPECT_TRUE(Enabled(kMinuteMode));
    ASSERT_TRUE(View().OnCommand(kMinuteMode));
    EXPECT_TRUE(View().IsMinuteMode());
    EXPECT_EQ(Check(kMinuteMode), 1);

    // The unit changes: the menu's update switches minute mode off.
    doc.GetSyokiSet().SetOption1(1);
    EXPECT_FALSE(Enabled(kMinuteMode));
    EXPECT_EQ(Check(kMinuteMode), 0);
    EXPECT_FALSE(View().IsMinuteMode());
}

TEST_F(ViewDisplayTest, TheRowsAboveTheSelectedCellHeadTheProcessColumn) {
    CKoumokuData* cell = doc.GetKoumokuCells().CreateKoumokuData(3, 0);
    cell->SetText("x");
    cell->SetSelected(1);
    ASSERT_EQ(View().GetKouteiHeaderRows(), 0);
    // The entry says which of the two it will do.
    EXPECT_EQ(Update(kKouteiHeader).GetText(), "工程欄ヘッダ指定(&H)");

    ASSERT_TRUE(View().OnCommand(kKouteiHeader));
    EXPECT_EQ(View().GetKouteiHeaderRows(), 3); // rows 0 to 2
    EXPECT_EQ(Update(kKouteiHeader).GetText(), "工程欄ヘッダ解除(&H)");
    EXPECT_EQ(doc.GetSyokiSet().GetFixedFirstRow(), 0);
    EXPECT_EQ(doc.GetSyokiSet().GetFixedLastRow(), 2);
    EXPECT_EQ(Layout().GetAltLastRow(), 2);

    ASSERT_TRUE(View().OnCommand(kKouteiHeader)); // again: cleared
    EXPECT_EQ(View().GetKouteiHeaderRows(), 0);

    // Scrolled down, or with no cell selected, only "none" is stored.
    cell = doc.GetKoumokuCells().CreateKoumokuData(3, 0);
    cell->SetSelected(1);
    View().OnShiftDown();
    ASSERT_NE(Layout().GetFirstRow(), 0);
    ASSERT_TRUE(View().OnCommand(kKouteiHeader));
    EXPECT_EQ(View().GetKouteiHeaderRows(), 0);
    EXPECT_EQ(doc.GetSyokiSet().GetFixedLastRow(), 0xFFFF);
}

TEST_F(ViewDisplayTest, ThePasteWithTheLayerChosenAsksForTheLayerInTheModesItTakes) {
    struct Case {
        const char* what;
        LONG mode;
        bool columnRange;
        bool enabled;
    };
    CKoutei* process = AddProcess(2, 4, 1);
    process->Select();
    doc.SelectLastObj();
    doc.GetChartClipboard().CopySelectedObjects();
    doc.UnselectAll(FALSE);
    const Case cases[] = {
        {"processes in the process mode", Op::kModeKoutei, false, true},
        {"processes in the event mode", Op::kModeEvent, false, false},
        {"processes in the shape mode", Op::kModeZukei, false, false},
        {"a date range selected", Op::kModeKoutei, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        doc.GetOperation().SetMode(c.mode);
        doc.GetSelectedDateRange()->SetStartDate(April(1));
        doc.GetSelectedDateRange()->SetEndDate(c.columnRange ? April(3) : April(1));
        EXPECT_EQ(Enabled(kLayerPaste), c.enabled);
    }
    doc.GetOperation().SetMode(Op::kModeKoutei);
    doc.GetSelectedDateRange()->SetEndDate(April(1));
    std::vector<std::string> asked;
    ui.OnDialog("OutputLayer", [&](DialogRequest& request) {
        asked.push_back(request.Name());
        static_cast<OutputLayerRequest&>(request).map[0] = 4;
        return IDOK;
    });
    const int before = doc.GetObjList().GetCount() + doc.GetSelCount();
    ASSERT_TRUE(View().OnCommand(kLayerPaste));
    EXPECT_EQ(asked.size(), 1U);
    EXPECT_EQ(doc.GetObjList().GetCount() + doc.GetSelCount(), before + 1);
    EXPECT_FALSE(doc.GetAskTargetLayer()); // for this paste only
}

TEST_F(ViewDisplayTest, TheLayerMoveMovesObjectsByTheDialogsMap) {
    AddProcess(6, 8, 2, 0);
    CKoutei* process = AddProcess(2, 4, 1, 0);
    process->Select();
    doc.SelectLastObj();
    const auto unselectedLayers = [&] {
        std::vector<int> layers;
        for (POSITION pos = doc.GetHeadObjPosition(); pos != nullptr;) {
            layers.push_back(doc.GetNextObj(pos)->GetLayer());
        }
        return layers;
    };
    std::vector<std::array<int, CLayerSet::kLayerCount>> received;
    int answer = IDOK;
    ui.OnDialog("LayerMove", [&](DialogRequest& request) {
        auto& move = static_cast<LayerMoveRequest&>(request);
        received.push_back(move.map);
        move.map[0] = 5;
        return answer;
    });
    host.missingDialogs = {"LayerMove"};
    EXPECT_FALSE(Enabled(kLayerMove));
    host.missingDialogs.clear();
    EXPECT_TRUE(Enabled(kLayerMove));

    answer = IDCANCEL;
    ASSERT_TRUE(View().OnCommand(kLayerMove));
    EXPECT_EQ(unselectedLayers(), std::vector<int>{0});
    ASSERT_EQ(received.size(), 1U);
    for (std::size_t i = 0; i < received[0].size(); ++i) {
        EXPECT_EQ(received[0][i], static_cast<int>(i)); // each layer to itself at first
    }

    answer = IDOK;
    ASSERT_TRUE(View().OnCommand(kLayerMove));
    EXPECT_EQ(unselectedLayers(), std::vector<int>{5});

    doc.UnselectAll(FALSE);
    EXPECT_FALSE(Enabled(kLayerMove)); // nothing the Delete command would take
}

} // namespace
} // namespace tembra
