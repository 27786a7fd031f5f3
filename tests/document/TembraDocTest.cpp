#include "document/TembraDoc.h"

#include "DocTestSupport.h"
#include "model/ConfigPrint.h"
#include "print/PrNewText.h"
#include "support/ScriptedUi.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace tembra {
namespace {

using test::Day;
using test::DeletionLog;
using test::J;
using test::Logged;
using test::ProbeRecord;
using test::RecordingView;
using test::ScopedAppState;

// ---- Construction ------------------------------------------------------------------------------

TEST(TembraDocTest, StartsEmptyAtTheCurrentVersion) {
    ScopedAppState app;
    CTembraDoc doc;
    EXPECT_EQ(doc.GetVersion(), 58000);
    EXPECT_EQ(doc.GetFileVersion(), 58000);
    EXPECT_EQ(doc.GetInsertMask(), 0xFFFF);
    EXPECT_EQ(doc.GetMergeMode(), 0xFFFF);
    EXPECT_FALSE(doc.IsReadOnly());
    EXPECT_FALSE(doc.GetChangedFlag());
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.GetCurrentLayer(), 0);
    EXPECT_EQ(doc.GetObjCount() + doc.GetSelCount() + doc.GetZukeiCount(), 0);
    EXPECT_EQ(doc.GetEmbeddedItems().CountCntrItems(), 0);
    // Hint 2 without a range of its own covers every row.
    EXPECT_EQ(doc.GetHint().m_range, CRect(0, -1, 0, 9999));
}

TEST(TembraDocTest, EachDocumentHoldsTheApplicationWhileItLives) {
    ScopedAppState app;
    {
        CTembraDoc first;
        CTembraDoc second;
        EXPECT_EQ(app->GetLockCount(), 2);
    }
    EXPECT_EQ(app->GetLockCount(), 0);
}

TEST(TembraDocTest, TheClipboardFormatIsRegisteredOnce) {
    ScopedAppState app;
    CTembraDoc first;
    const std::size_t registrations = GetClipboardFormatRegistrationCount();
    const UINT format = CTembraDoc::GetClipboardFormat();
    CTembraDoc second;
    EXPECT_EQ(GetClipboardFormatRegistrationCount(), registrations);
    EXPECT_EQ(CTembraDoc::GetClipboardFormat(), format);
    EXPECT_EQ(format, RegisterClipboardFormat("TEMBRA"));
    EXPECT_GE(format, 0xC000u);
}

// ---- Title
// ---------------------------------------------------------------------------------------

class TitleTest : public testing::Test {
protected:
    void CalendarChart(const CTime& start, const CTime& end, int firstRow, int lastRow) {
        CSyokiSet& settings = doc.GetSyokiSet();
        settings.SetNobeMode(0);
        settings.SetMaeYohaku(CTimeSpan());
        settings.SetAtoYohaku(CTimeSpan());
        settings.SetStartDate(start);
        settings.SetEndDate(end);
        settings.SetFirstRow(static_cast<WORD>(firstRow));
        settings.SetLastRow(static_cast<WORD>(lastRow));
    }
    void SetChartTitle(const std::string& title) {
        doc.GetPrHeader().AddElement(std::make_unique<CPrNewText>(
            kPrKindTitle, kPrAreaHeader, CRect(0, 0, 100, -10), LOGFONT{}, 0, "", "", 0, 0));
        doc.GetPrHeader().SetTitleText(title);
    }

    ScopedAppState app;
    CTembraDoc doc;
};

TEST_F(TitleTest, CalendarChartShowsItsWorkingPeriodAndRows) {
    CalendarChart(Day(1999, 4, 1), Day(1999, 9, 30), 0, 29);
    doc.SetTitle("Plan.tbr");
    EXPECT_EQ(doc.GetTitle(), J("Plan.tbr <無名> [1999/4/1-1999/9/30:1-30(暦)] "));
}

TEST_F(TitleTest, MarginsAreLeftOutOfThePeriod) {
    CalendarChart(Day(1999, 3, 25), Day(1999, 10, 10), 4, 9);
    CSyokiSet& settings = doc.GetSyokiSet();
    settings.SetMaeYohaku(CTimeSpan(7, 0, 0, 0));
    settings.SetAtoYohaku(CTimeSpan(10, 0, 0, 0));
    doc.SetTitle("A");
    EXPECT_EQ(doc.GetTitle(), J("A <無名> [1999/4/1-1999/9/30:5-10(暦)] "));
}

TEST_F(TitleTest, ElapsedChartShowsItsDayCount) {
    CalendarChart(Day(2001, 1, 1), Day(2001, 1, 1) + CTimeSpan(119, 0, 0, 0), 0, 29);
    doc.GetSyokiSet().SetNobeMode(1);
    doc.SetTitle("B");
    EXPECT_EQ(doc.GetTitle(), J("B <無名> [120:1-30(延)] "));
}

TEST_F(TitleTest, ChartTitleAndReadOnlyMark) {
    CalendarChart(Day(1999, 4, 1), Day(1999, 9, 30), 0, 29);
    SetChartTitle(J("新築工事"));
    doc.SetReadOnly(TRUE);
    doc.SetTitle("C");
    EXPECT_EQ(doc.GetTitle(), J("C <新築工事> [1999/4/1-1999/9/30:1-30(暦)]  －書込禁止－"));
    const std::string mark = J(" －書込禁止－");
    ASSERT_GE(doc.GetTitle().size(), mark.size());
    EXPECT_EQ(doc.GetTitle().substr(doc.GetTitle().size() - mark.size()), mark);
}

TEST_F(TitleTest, WithoutTheTitleInformationOptionTheNameStandsAlone) {
    CalendarChart(Day(1999, 4, 1), Day(1999, 9, 30), 0, 29);
    doc.GetSyokiSet().SetTitleInfo(0);
    doc.SetTitle("Plan.tbr");
    EXPECT_EQ(doc.GetTitle(), "Plan.tbr ");
    doc.SetTitle();
    EXPECT_EQ(doc.GetTitle(), "Plan.tbr ");
}

TEST_F(TitleTest, RefreshKeepsTheNameUpToItsFirstBlank) {
    CalendarChart(Day(1999, 4, 1), Day(1999, 9, 30), 0, 29);
    struct Case {
        std::string current;
        std::string name;
    };
    const std::vector<Case> cases = {
        {"Plan.tbr <old> [x] ", "Plan.tbr"},
        {"NoBlank", "NoBlank"},
        {" leading blank", " leading blank"},
        // A blank is only ever a whole character, never the second byte of one.
        {J("工程 表"), J("工程")},
    };
    for (const Case& c : cases) {
        doc.CDocument::SetTitle(c.current);
        doc.SetTitle();
        EXPECT_EQ(doc.GetTitle(), c.name + J(" <無名> [1999/4/1-1999/9/30:1-30(暦)] "))
            << c.current;
    }
    // A later refresh gives the same title again.
    const std::string once = doc.GetTitle();
    doc.SetTitle();
    EXPECT_EQ(doc.GetTitle(), once);
}

// ---- Contents ----------------------------------------------------------------------------------

TEST(TembraDocContentsTest, DeleteContentsEmptiesEverythingInOrder) {
    ScopedAppState app;
    CTembraDoc doc;

    doc.AddObj(new ProbeRecord(kTypeEvent, "object 1"), FALSE);
    doc.AddObj(new ProbeRecord(kTypeEvent, "object 2"), FALSE);
    auto* selectedShape = new ProbeRecord(kTypeZukei, "shape 2");
    selectedShape->Select();
    auto* selectedEvent = new ProbeRecord(kTypeEvent, "selected 1");
    selectedEvent->Select();
    doc.AddSel(selectedEvent);
    doc.GetZukeiList().AddTail(new ProbeRecord(kTypeZukei, "shape 1"));
    doc.GetZukeiList().AddTail(selectedShape);
    doc.AddSel(selectedShape);

    auto* cell = new Logged<CKoumokuData>("cell");
    cell->SetRow(3);
    cell->SetColumn(1);
    doc.GetKoumoku()->SetAt(3, 1, cell);
    doc.GetShincyokuList().AddTail(new ProbeRecord(kTypeShincyoku, "progress"));
    doc.GetCntrItems().AddTail(new Logged<CObject>("item"));
    doc.GetPrHeader().AddElement(std::make_unique<Logged<CPrNewElement>>("element", 0x100, 0));
    doc.GetShigenNames().push_back(std::make_unique<Logged<CShigenName>>("resource 1"));
    doc.GetShigenNames().push_back(std::make_unique<Logged<CShigenName>>("resource 2"));
    doc.GetChartList().AddTail(new ProbeRecord(kTypeChart, "chart"));
    doc.GetLayers().push_back(std::make_unique<Logged<CLayerSet>>("layer 0"));
    doc.GetLayers().push_back(std::make_unique<Logged<CLayerSet>>("layer 1"));
    doc.GetHatchList()->AddTail(new Logged<CKtkmHatch>("hatch"));

    DeletionLog().clear();
    doc.DeleteContents();
    EXPECT_EQ(DeletionLog(),
              (std::vector<std::string>{"selected 1", "object 1", "object 2", "cell", "progress",
                                        "shape 1", "shape 2", "item", "element", "resource 2",
                                        "resource 1", "chart", "layer 1", "layer 0", "hatch"}));
    EXPECT_EQ(doc.GetObjCount() + doc.GetSelCount() + doc.GetZukeiCount(), 0);
    EXPECT_TRUE(doc.GetShincyokuList().IsEmpty());
    EXPECT_TRUE(doc.GetChartList().IsEmpty());
    EXPECT_TRUE(doc.GetHatchList()->IsEmpty());
    EXPECT_TRUE(doc.GetCntrItems().IsEmpty());
    EXPECT_TRUE(doc.GetPrHeader().GetElementList().empty());
    EXPECT_TRUE(doc.GetShigenNames().empty());
    EXPECT_TRUE(doc.GetLayers().empty());
    EXPECT_EQ(doc.GetKoumoku()->GetRowCount(), 0);
    DeletionLog().clear();
}

TEST(TembraDocContentsTest, TheUndoHistoryDoesNotOutliveTheContents) {
    ScopedAppState app;
    CTembraDoc doc;
    auto* event = new ProbeRecord(kTypeEvent, "event");
    const POSITION pos = doc.AddObj(event, FALSE);
    doc.SelectAt(pos);
    doc.DeleteSelAt(doc.GetHeadSelPosition());
    auto* kept = new ProbeRecord(kTypeEvent, "kept");
    doc.AddObj(kept, FALSE);
    doc.GetUndoHistory().AddNew(kept);
    ASSERT_TRUE(doc.GetUndoHistory().CanUndo());

    DeletionLog().clear();
    doc.DeleteContents();
    EXPECT_FALSE(doc.GetUndoHistory().CanUndo());
    EXPECT_EQ(DeletionLog(), (std::vector<std::string>{"event", "kept"}));
    DeletionLog().clear();
}

TEST(TembraDocContentsTest, WhatIsLeftGoesWithTheDocument) {
    ScopedAppState app;
    DeletionLog().clear();
    {
        CTembraDoc doc;
        auto* shape = new ProbeRecord(kTypeZukei, "shape");
        shape->Select();
        doc.GetZukeiList().AddTail(shape);
        doc.AddSel(shape);
        auto* event = new ProbeRecord(kTypeEvent, "event");
        event->Select();
        doc.AddSel(event);
    }
    std::vector<std::string> log = DeletionLog();
    std::sort(log.begin(), log.end());
    EXPECT_EQ(log, (std::vector<std::string>{"event", "shape"}));
    DeletionLog().clear();
}

// ---- Layers, cells and lookups
// -------------------------------------------------------------------

TEST(TembraDocLayerTest, SixteenShownLayersAndTheStateOfAnObjectsLayer) {
    ScopedAppState app;
    CTembraDoc doc;
    ProbeRecord object(kTypeEvent, "object");
    EXPECT_EQ(doc.GetChartLayers().IsObjectLayerVisible(&object), 0) << "no table yet";

    ASSERT_EQ(doc.GetChartLayers().CreateLayers(), 1);
    ASSERT_EQ(doc.GetLayers().size(), 16u);
    for (const auto& layer : doc.GetLayers()) {
        EXPECT_EQ(layer->GetState(), CLayerSet::kShown);
        EXPECT_TRUE(layer->GetName().empty());
    }
    doc.GetLayers()[15]->SetState(CLayerSet::kReference);
    doc.GetLayers()[3]->SetState(CLayerSet::kNotDrawn);
    const std::vector<std::pair<WORD, short>> cases = {
        {0, CLayerSet::kShown},          {3, CLayerSet::kNotDrawn}, {15, CLayerSet::kReference},
        {16, CLayerSet::kReference}, // a damaged layer word counts as the last layer
        {0xFFFF, CLayerSet::kReference},
    };
    for (const auto& [layer, state] : cases) {
        object.SetLayer(layer);
        EXPECT_EQ(doc.GetChartLayers().IsObjectLayerVisible(&object), state) << layer;
    }
    doc.GetChartLayers().DeleteLayers();
    EXPECT_TRUE(doc.GetLayers().empty());
}

TEST(TembraDocCellTest, CellsAreFoundInsideTheTableOnly) {
    ScopedAppState app;
    CTembraDoc doc;
    auto* cell = new CKoumokuData;
    cell->SetRow(7); // misplaced: the table says row 2, column 1
    cell->SetColumn(0);
    ASSERT_TRUE(doc.GetKoumoku()->SetAt(2, 1, cell));

    EXPECT_EQ(doc.GetKoumokuCells().GetKoumokuCell(2, 1), cell);
    EXPECT_EQ(cell->GetRow(), 2);
    EXPECT_EQ(cell->GetColumn(), 1);
    const std::vector<std::pair<int, int>> outside = {{-1, 1}, {2, -1}, {3, 1}, {2, 2}, {0, 5}};
    for (const auto& [row, column] : outside) {
        EXPECT_EQ(doc.GetKoumokuCells().GetKoumokuCell(row, column), nullptr)
            << row << "," << column;
    }
    EXPECT_EQ(doc.GetKoumokuCells().GetKoumokuCell(0, 1), nullptr) << "an empty place in the row";
}

TEST(TembraDocLookupTest, ProcessesAreFoundByTheirNumbers) {
    ScopedAppState app;
    CTembraDoc doc;
    auto a = doc.CreateKoutei(nullptr, TRUE);
    auto b = doc.CreateKoutei(nullptr, TRUE);
    auto line = doc.CreateKoutei(nullptr, TRUE);
    line->SetRelationLine(1);
    line->SetStartLandNo(a->GetSeqNumber().GetHigh(), a->GetSeqNumber().GetLow());
    line->SetEndLandNo(b->GetSeqNumber().GetHigh(), b->GetSeqNumber().GetLow());
    CKoutei* pa = a.get();
    CKoutei* pb = b.get();
    CKoutei* pline = line.get();
    doc.AddObj(a.release(), FALSE);
    doc.AddObj(line.release(), FALSE);
    pb->SetSelected(1);
    doc.AddSel(b.release());

    EXPECT_EQ(doc.FindKouteiByNumber(pa->GetSeqNumber(), 0), pa);
    EXPECT_EQ(doc.FindKouteiByNumber(pb->GetSeqNumber(), 0), nullptr) << "selected";
    EXPECT_EQ(doc.FindSelKouteiByNumber(pb->GetSeqNumber(), 0), pb);
    EXPECT_EQ(doc.FindKouteiByNumber(pa->GetSeqNumber(), 1), pline);
    EXPECT_EQ(doc.FindKouteiByNumber(pb->GetSeqNumber(), 2), pline);
    EXPECT_EQ(doc.FindKouteiByNumber(CObSeqNumber(), 1), nullptr) << "no number";
    EXPECT_EQ(doc.FindKouteiByNumber(pa->GetSeqNumber(), 3), nullptr);
}

// ---- Views
// -----------------------------------------------------------------------------------------

TEST(TembraDocViewTest, RecordsReachTheViewsThroughTheDocument) {
    ScopedAppState app;
    CTembraDoc doc;
    RecordingView view;
    doc.AddView(&view);
    auto process = doc.CreateKoutei(nullptr, TRUE);
    process->UpdateViews(*DocumentSeam<IKouteiDocument>(&doc));
    ASSERT_EQ(view.updates.size(), 1u);
    EXPECT_EQ(view.updates[0].object, process.get());
    EXPECT_EQ(view.updates[0].hint, 0);

    // While redrawing is held, additions do not redraw.
    doc.SetRedrawHold(TRUE);
    CKoutei* held = process.get();
    doc.AddObj(process.release(), TRUE);
    EXPECT_EQ(view.CountFor(held), 1);
    doc.SetRedrawHold(FALSE);
    doc.SelectAt(doc.GetHeadObjPosition());
    EXPECT_EQ(view.CountFor(held), 2);
}

} // namespace
} // namespace tembra
