// Resource charts with the mouse: a new chart placed by two clicks after its settings sheet, the
// commands that edit and rebuild charts, and the chart mode's clicks and drags of a chart's band,
// its edges and its totals box. Rows of the round page: row r spans y -100 - 50r .. -150 - 50r.
#include "EventMouseFixture.h"

#include "chart/Chart.h"
#include "chart/ChartDocument.h"
#include "document/ChartSheetRequests.h"
#include "model/Shigen.h"
#include "platform/CmdUI.h"
#include "platform/PopupMenuRequest.h"
#include "shapes/ZukeiString.h"

namespace tembra {
namespace {

using test::DayRow;

constexpr UINT kNewLoading = 40073;
constexpr UINT kEditLoading = 40074;
constexpr UINT kNewEarned = 33067;
constexpr UINT kEditEarned = 33068;
constexpr UINT kRecalc = 40075;

// The middle of a row at an x of the chart, and its upper and lower edges.
CPoint RowAt(int row, int x = 1500) {
    return CPoint(x, -125 - 50 * row);
}
int RowTop(int row) {
    return -100 - 50 * row;
}
int RowBottom(int row) {
    return -150 - 50 * row;
}

class ChartMouseTest : public test::EventMouseFixture {
protected:
    ChartMouseTest() {
        SetState(Op::kModeChart, Op::kOpEdit);
        const auto sheet = [this](DialogRequest& request) {
            asked.push_back(request.Name());
            CChart* chart = std::string(request.Name()) == "ChartSettings"
                                ? static_cast<ChartSettingsRequest&>(request).chart
                                : static_cast<PieceSettingsRequest&>(request).chart;
            sheetCharts.push_back(chart);
            if (answer == IDOK && chart != nullptr) {
                chart->SetMaxValue(77);
            }
            return answer;
        };
        ui.OnDialog("ChartSettings", sheet);
        ui.OnDialog("PieceSettings", sheet);
    }

    IChartDocument& Seam() { return *DocumentSeam<IChartDocument>(&doc); }
    CChart* AddChart(WORD kind, int top, int bottom, bool selected = false) {
        auto* chart = new CChart;
        chart->SetPurpose(kind);
        chart->SetTopRow(static_cast<short>(top));
        chart->SetBottomRow(static_cast<short>(bottom));
        chart->BuildShapes(Seam(), View().GetPageLayout());
        doc.GetChartList().AddTail(chart);
        if (selected) {
            chart->Select();
        }
        return chart;
    }
    std::vector<CChart*> Charts() {
        std::vector<CChart*> out;
        for (POSITION pos = doc.GetResourceCharts().GetHeadChartPosition(); pos != nullptr;) {
            out.push_back(doc.GetResourceCharts().GetNextChart(pos));
        }
        return out;
    }
    std::pair<int, int> Rows(const CChart& chart) {
        return {chart.GetTopRow(), chart.GetBottomRow()};
    }
    bool Enabled(UINT id) {
        CCmdUI state(id);
        EXPECT_TRUE(View().OnUpdateCommand(state));
        return state.IsEnabled();
    }
    // The command, then the pointer over the chart at the row (the sheet runs at that move).
    void Start(UINT command, int row) {
        host.cursorPos = test::ViewMouseFixture::Device(RowAt(row));
        ASSERT_TRUE(View().OnCommand(command));
        DeliverPosted();
        Send(CMouseEvent::kMove, 0, RowAt(row));
    }
    void Drag(const CPoint& from, const CPoint& to) {
        Send(CMouseEvent::kLeftDown, MK_LBUTTON, from);
        Send(CMouseEvent::kMove, MK_LBUTTON, CPoint((from.x + to.x) / 2, (from.y + to.y) / 2));
        Send(CMouseEvent::kMove, MK_LBUTTON, to);
        Send(CMouseEvent::kLeftUp, 0, to);
    }

    std::vector<std::string> asked;
    std::vector<CChart*> sheetCharts;
    int answer = IDOK;
};

// ---- Placement -----------------------------------------------------------------------------

TEST_F(ChartMouseTest, TwoClicksPlaceTheChartOfTheCommandOverTheRowsBetweenThem) {
    struct Case {
        const char* what;
        UINT command;
        int firstRow;
        int secondRow;
        WORD kind;
        const char* sheet;
    };
    const Case cases[] = {
        {"resource loading, upwards", kNewLoading, 12, 5, CChart::kPurposeLoading, "ChartSettings"},
        {"earned value, downwards", kNewEarned, 3, 9, CChart::kPurposeEarnedValue, "PieceSettings"},
        {"one row", kNewLoading, 7, 7, CChart::kPurposeLoading, "ChartSettings"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        doc.DeleteAllCharts();
        asked.clear();
        sheetCharts.clear();
        host.Clear();
        Start(c.command, c.firstRow);
        ASSERT_EQ(asked, std::vector<std::string>{c.sheet});
        EXPECT_EQ(sheetCharts[0], View().GetPendingChart());
        EXPECT_EQ(Sub(), 101);
        EXPECT_TRUE(host.capture);
        Click(RowAt(c.firstRow));
        Send(CMouseEvent::kMove, 0, RowAt(c.secondRow));
        Click(RowAt(c.secondRow));

        ASSERT_EQ(Charts().size(), 1U);
        const CChart& chart = *Charts()[0];
        EXPECT_EQ(Rows(chart), std::make_pair(std::min(c.firstRow, c.secondRow),
                                              std::max(c.firstRow, c.secondRow)));
        EXPECT_EQ(chart.GetKind(), c.kind);
        EXPECT_EQ(chart.GetMaxValue(), 77U); // what the sheet wrote
        EXPECT_EQ(View().GetPendingChart(), nullptr);
        EXPECT_EQ(Sub(), 0);
        EXPECT_FALSE(host.capture);
        EXPECT_FALSE(chart.GetShapes().empty()); // built for the view
        EXPECT_EQ(UnevenInversions(), 0);
    }
}

TEST_F(ChartMouseTest, ANewChartHasTheResourceSeriesAndTheSettingsOfItsKind) {
    doc.GetChartObjects().GetShigenNames().push_back(std::make_unique<CShigenName>());
    doc.GetChartObjects().GetShigenNames().push_back(std::make_unique<CShigenName>());
    Start(kNewLoading, 4);
    ASSERT_NE(View().GetPendingChart(), nullptr);
    EXPECT_EQ(View().GetPendingChart()->GetSeriesCount(), 2);
    EXPECT_NE(View().GetPendingChart()->GetLabel(), nullptr);

    Start(kNewEarned, 4);
    ASSERT_NE(View().GetPendingChart(), nullptr);
    EXPECT_EQ(View().GetPendingChart()->GetSeriesCount(), 2);
    EXPECT_EQ(View().GetPendingChart()->GetLabel(), nullptr);
    EXPECT_EQ(View().GetPendingChart()->GetGraphType(), CChart::kLineGraph);
    EXPECT_EQ(View().GetPendingChart()->GetPointMode(), 1);
}

TEST_F(ChartMouseTest, ARightClickStepsBackToTheFirstRowOrToTheSheet) {
    Start(kNewLoading, 12);
    Click(RowAt(12));
    EXPECT_EQ(Sub(), 103);
    RightClick(RowAt(8));
    EXPECT_EQ(Sub(), 101); // choosing the first row again
    EXPECT_EQ(asked.size(), 1U);
    Send(CMouseEvent::kMove, 0, RowAt(10));
    Click(RowAt(10));
    Send(CMouseEvent::kMove, 0, RowAt(11));
    Click(RowAt(11));
    ASSERT_EQ(Charts().size(), 1U);
    EXPECT_EQ(Rows(*Charts()[0]), std::make_pair(10, 11));

    Start(kNewLoading, 12);
    RightClick(RowAt(12));
    EXPECT_EQ(Sub(), 100);
    EXPECT_FALSE(host.capture);
    Send(CMouseEvent::kMove, 0, RowAt(12));
    EXPECT_EQ(asked.size(), 3U); // the sheet again
    EXPECT_EQ(Sub(), 101);
    Click(RowAt(12));
    Click(RowAt(14));
    EXPECT_EQ(Charts().size(), 2U);
    EXPECT_EQ(UnevenInversions(), 0);
}

TEST_F(ChartMouseTest, CancelOfTheSheetLeavesNoChart) {
    answer = IDCANCEL;
    Start(kNewLoading, 5);
    EXPECT_EQ(View().GetPendingChart(), nullptr);
    EXPECT_TRUE(Charts().empty());
    EXPECT_EQ(Sub(), 0);
    EXPECT_FALSE(host.capture);
    // Later clicks are the chart mode's own again.
    Click(RowAt(5));
    EXPECT_TRUE(Charts().empty());
}

TEST_F(ChartMouseTest, WithoutASheetTheDefaultChartIsPlaced) {
    host.missingDialogs = {"ChartSettings"};
    Start(kNewLoading, 5);
    EXPECT_TRUE(asked.empty());
    Click(RowAt(5));
    Click(RowAt(6));
    ASSERT_EQ(Charts().size(), 1U);
    EXPECT_EQ(Charts()[0]->GetMaxValue(), 0U);
}

TEST_F(ChartMouseTest, TheBandRunsFromTheItemAreaToTheChartsRightEdgeInverted) {
    Start(kNewLoading, 12);
    Click(RowAt(12));
    Send(CMouseEvent::kMove, 0, RowAt(5));
    EXPECT_TRUE(View().IsChartBandDrawn());
    EXPECT_EQ(View().GetChartBandRect(), CRect(0, RowTop(5), 3500, RowBottom(12)));
    ASSERT_TRUE(AnyInverted());
    for (const CRecordingDC::Record& r : host.drawn) {
        if (Inverts(r)) {
            EXPECT_EQ(r.rop2, R2_NOT);
        }
    }
    // A paint of the window draws the band again over the chart.
    host.Clear();
    {
        auto dc = host.GetClientDC();
        View().OnPrepareDC(dc.get());
        View().OnDraw(dc.get());
    }
    EXPECT_TRUE(AnyInverted());
    EXPECT_TRUE(View().IsChartBandDrawn());
    // A mode chosen anew drops the chart being placed, and its band.
    doc.GetOperation().SetMode(Op::kModeKoutei);
    View().OnModeChanged();
    EXPECT_EQ(View().GetPendingChart(), nullptr);
    EXPECT_FALSE(host.capture);
    EXPECT_EQ(UnevenInversions(), 0);
}

// ---- Commands ------------------------------------------------------------------------------

TEST_F(ChartMouseTest, EditIsEnabledForExactlyOneSelectedChartOfItsKind) {
    struct Case {
        const char* what;
        std::vector<WORD> selected;
        bool loading;
        bool earned;
    };
    const Case cases[] = {
        {"none", {}, false, false},
        {"one loading", {1}, true, false},
        {"two loading", {1, 1}, false, false},
        {"one of each", {1, 2}, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        doc.DeleteAllCharts();
        AddChart(CChart::kPurposeLoading, 20, 22); // never selected
        int row = 0;
        for (const WORD kind : c.selected) {
            AddChart(kind, row, row + 2, true);
            row += 4;
        }
        EXPECT_EQ(Enabled(kEditLoading), c.loading);
        EXPECT_EQ(Enabled(kEditEarned), c.earned);
        EXPECT_TRUE(Enabled(kNewLoading));
        EXPECT_TRUE(Enabled(kRecalc));
    }
    SetState(Op::kModeKoutei, Op::kOpEdit);
    for (const UINT id : {kNewLoading, kEditLoading, kNewEarned, kEditEarned, kRecalc}) {
        EXPECT_FALSE(Enabled(id)) << id;
    }
}

TEST_F(ChartMouseTest, EditActsOnTheSelectedChartOfItsOwnKind) {
    CChart* loading = AddChart(CChart::kPurposeLoading, 2, 4, true);
    CChart* earned = AddChart(CChart::kPurposeEarnedValue, 6, 8, true);
    ASSERT_TRUE(View().OnCommand(kEditEarned));
    ASSERT_EQ(asked, std::vector<std::string>{"PieceSettings"});
    EXPECT_NE(sheetCharts[0], earned); // a copy until OK
    EXPECT_EQ(earned->GetMaxValue(), 77U);
    EXPECT_EQ(loading->GetMaxValue(), 0U);
    EXPECT_EQ(earned->IsSelected(), 0);
    EXPECT_NE(loading->IsSelected(), 0);

    answer = IDCANCEL;
    earned->Select();
    earned->SetMaxValue(5);
    ASSERT_TRUE(View().OnCommand(kEditEarned));
    EXPECT_EQ(earned->GetMaxValue(), 5U);
    EXPECT_NE(earned->IsSelected(), 0);
}

TEST_F(ChartMouseTest, RecalculationRebuildsTheChartsThatHaveAnAreaThenDeselects) {
    CChart* built = AddChart(CChart::kPurposeLoading, 5, 8, true);
    auto* unbuilt = new CChart;
    unbuilt->SetTopRow(10);
    unbuilt->SetBottomRow(12);
    unbuilt->Select();
    doc.GetChartList().AddTail(unbuilt);
    built->SetTopRow(2); // not yet built so

    ASSERT_TRUE(View().OnCommand(kRecalc));
    CRect bounds;
    built->GetBoundRect(bounds, View(), 0);
    EXPECT_EQ(std::max(bounds.top, bounds.bottom), RowTop(2));
    EXPECT_TRUE(unbuilt->GetShapes().empty());
    EXPECT_EQ(built->IsSelected(), 0);
    EXPECT_EQ(unbuilt->IsSelected(), 0);
}

// ---- The chart mode -------------------------------------------------------------------------

TEST_F(ChartMouseTest, AClickTogglesTheChartAndDeselectsTheOthersFirst) {
    CChart* upper = AddChart(CChart::kPurposeLoading, 2, 4, true);
    CChart* lower = AddChart(CChart::kPurposeLoading, 8, 10, false);
    Click(RowAt(9));
    EXPECT_EQ(upper->IsSelected(), 0);
    EXPECT_NE(lower->IsSelected(), 0);
    EXPECT_EQ(View().GetCurrentChart(), lower);
    EXPECT_EQ(Sub(), 4);
    EXPECT_FALSE(host.capture);

    Click(RowAt(9));
    EXPECT_EQ(lower->IsSelected(), 0);
    EXPECT_EQ(View().GetCurrentChart(), nullptr);
    EXPECT_EQ(Sub(), 0);

    lower->Select();
    Click(RowAt(20)); // nothing there
    EXPECT_EQ(lower->IsSelected(), 0);
    EXPECT_EQ(Sub(), 0);
}

TEST_F(ChartMouseTest, ADragMovesTheBandOrAnEdgeOfTheSelectedChart) {
    struct Case {
        const char* what;
        int top;
        int bottom;
        CPoint from;
        int toRow;
        std::pair<int, int> rows;
    };
    const Case cases[] = {
        {"band down", 3, 6, RowAt(4), 10, {9, 12}},
        {"band up past the first row", 3, 6, RowAt(5), 0, {0, 3}},
        {"band down past the last row", 25, 28, RowAt(26), 29, {26, 29}},
        {"top edge below the bottom", 3, 6, CPoint(1500, RowTop(3) - 1), 9, {6, 9}},
        {"bottom edge above the top", 3, 6, CPoint(1500, RowBottom(6) + 1), 1, {1, 3}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        doc.DeleteAllCharts();
        host.Clear();
        CChart* chart = AddChart(CChart::kPurposeLoading, c.top, c.bottom, true);
        Drag(c.from, RowAt(c.toRow));
        EXPECT_EQ(Rows(*chart), c.rows);
        EXPECT_NE(chart->IsSelected(), 0);
        EXPECT_EQ(Sub(), 4);
        EXPECT_FALSE(host.capture);
        EXPECT_EQ(UnevenInversions(), 0);
        CRect bounds;
        chart->GetBoundRect(bounds, View(), 0);
        EXPECT_EQ(std::max(bounds.top, bounds.bottom), RowTop(c.rows.first)); // built anew
    }
}

TEST_F(ChartMouseTest, ARightClickOnAPickedChartAsksForItsMenu) {
    std::vector<UINT> menus;
    ui.OnDialog("PopupMenu", [&](DialogRequest& request) {
        menus.push_back(static_cast<PopupMenuRequest&>(request).menuId);
        return IDCANCEL;
    });
    CChart* chart = AddChart(CChart::kPurposeLoading, 2, 4);
    Click(RowAt(3));
    RightClick(RowAt(3));
    EXPECT_EQ(menus, std::vector<UINT>{149});
    EXPECT_NE(chart->IsSelected(), 0);
    // With the chart deselected there is no menu: the pick ends.
    chart->Deselect();
    RightClick(RowAt(3));
    EXPECT_EQ(menus.size(), 1U);
    EXPECT_EQ(Sub(), 0);
}

TEST_F(ChartMouseTest, ATotalsBoxMovedOffItsCornerIsFree) {
    // The totals are measured on the screen.
    const ScreenDCFactory previous = SetScreenDCFactory(
        [] { return std::make_unique<CRecordingDC>(CRecordingDC::Device::Screen); });
    struct Restore {
        ScreenDCFactory factory;
        ~Restore() { SetScreenDCFactory(factory); }
    } restore{previous};
    CChart* chart = AddChart(CChart::kPurposeLoading, 2, 8);
    ASSERT_TRUE(chart->EnsureLabel());
    chart->SetOptions(CChart::kOptionResourceTotals);
    chart->SetLabelPos(CChart::kLabelBottomRight);
    auto* box = static_cast<CZukeiString*>(chart->GetLabels().front().get());
    box->SetAnchors(test::April(20), 4, test::April(25), 6);
    CRect before = box->GetDeviceRect(View());
    before.NormalizeRect();
    ASSERT_FALSE(before.IsRectEmpty());
    const CPoint middle = before.CenterPoint();

    Click(middle);
    EXPECT_NE(box->IsSelected(), 0);
    EXPECT_EQ(View().GetCurrentChart(), chart);
    Drag(middle, middle + CPoint(-400, 100));
    EXPECT_EQ(Operation(), Op::kOpEdit); // back from the move
    EXPECT_EQ(Sub(), 0);
    EXPECT_FALSE(host.capture);
    CRect after = box->GetDeviceRect(View());
    after.NormalizeRect();
    EXPECT_NE(after, before);
    EXPECT_EQ(chart->GetLabelPos(), CChart::kLabelFree);
    EXPECT_EQ(Rows(*chart), std::make_pair(2, 8)); // the band stays

    // A click beside the selected box lets it go.
    Send(CMouseEvent::kLeftDown, MK_LBUTTON, RowAt(20));
    EXPECT_EQ(box->IsSelected(), 0);
}

} // namespace
} // namespace tembra
