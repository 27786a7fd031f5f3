// The Edit menu of the document: delete by mode and its guard, delete all with the layer
// question and one undo, the term bar's edit mark, the row and column commands, the popup's
// attribute entry and the text replacement.
#include "document/EditDialogRequests.h"
#include "document/RecordCast.h"
#include "document/TembraDoc.h"
#include "model/Event.h"
#include "model/KoumokuData.h"
#include "shapes/ZukeiPolyLine.h"

#include "DocCommandDriver.h"
#include "KouteiChainFixture.h"
#include "YogoBarRecorder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tembra {
namespace {

using Op = COperationState;
using test::CommandState;
using test::RunCommand;

constexpr UINT kDelete = 32784;
constexpr UINT kDeleteAll = 32771;
constexpr UINT kRowDelete = 32901;
constexpr UINT kRowInsert = 32902;

class DocEditMenuTest : public test::KouteiChainFixture {
protected:
    DocEditMenuTest() {
        app->SetYogoBar(&bar);
        doc.GetKoumoku()->SetLevelCount(2);
    }
    ~DocEditMenuTest() override { doc.RemoveView(&view); }

    CEvent* AddEvent(const std::string& text, bool selected) {
        std::unique_ptr<CEvent> event = doc.GetEvents().CreateEvent();
        event->SetText(text);
        event->SetStartDate(test::ChartDay(3));
        CEvent* raw = event.get();
        if (selected) {
            event->Select();
            doc.AddSel(event.release());
        } else {
            doc.AddObj(event.release(), FALSE);
        }
        return raw;
    }
    CKoumokuData* AddCell(int row, int column, const std::string& text, WORD selected = 0) {
        CKoumokuData* cell = doc.GetKoumokuCells().CreateKoumokuData(row, column);
        cell->SetText(text);
        cell->SetSelected(selected);
        return cell;
    }
    void AddShape(WORD layer) {
        auto* shape = new CZukeiPolyLine();
        shape->SetLayer(layer);
        doc.GetShapes().AddZukei(shape, FALSE);
    }
    // Answers the row and column dialogs with the method.
    void AnswerDeleteDialogs(int method) {
        ui->OnDialog("LineDeleteDlg", [method](DialogRequest& r) {
            static_cast<LineDeleteDlgRequest&>(r).method = method;
            return IDOK;
        });
    }
    // The text of the one event, in whichever list (a replaced event is a copy).
    std::string OnlyEventText() const {
        std::string text = "(none)";
        for (POSITION pos = doc.GetHeadObjPosition(); pos != nullptr;) {
            if (const CEvent* e = AsEvent(doc.GetNextObj(pos))) {
                text = e->GetText();
            }
        }
        for (POSITION pos = doc.GetHeadSelPosition(); pos != nullptr;) {
            if (const CEvent* e = AsEvent(doc.GetNextSel(pos))) {
                text = e->GetText();
            }
        }
        return text;
    }
    std::vector<std::string> DialogNames() {
        std::vector<std::string> names;
        for (const auto& call : ui.Get().Dialogs()) {
            names.push_back(call.name);
        }
        return names;
    }

    test::YogoBarRecorder bar;
};

// ---- Delete -------------------------------------------------------------------------------------

TEST_F(DocEditMenuTest, DeleteWaitsForTheEditInProgressToEnd) {
    struct Case {
        const char* name;
        LONG mode;
        WORD state;
        bool runs;
    };
    const Case cases[] = {
        {"events, idle", Op::kModeEvent, 0, true},
        {"events, a drag", Op::kModeEvent, 3, false},
        {"resource charts, idle", Op::kModeChart, 0, false},
        {"resource charts, picked", Op::kModeChart, 4, true},
    };
    for (const Case& c : cases) {
        // A selected cell turns the deletion into the row dialog, which shows whether it ran.
        AddCell(0, 0, "x", 1);
        doc.GetOperation().SetMode(c.mode);
        doc.GetOperation().SetState(c.state);
        ui->ClearRecords();
        RunCommand(doc, kDelete);
        EXPECT_EQ(DialogNames(),
                  c.runs ? std::vector<std::string>{"LineDeleteDlg"} : std::vector<std::string>{})
            << c.name;
        doc.GetKoumokuCells().ClearSelectedKoumokuCells(FALSE);
    }
}

TEST_F(DocEditMenuTest, DeleteTakesWholeProcessesAndKeepsOnesHeldByANode) {
    Add({"A", 0, 5, 1, 1});
    Add({"B", 5, 9, 1, 1});
    SelectWhole("A");
    Get("B")->SelectStartLand();
    doc.SelectAt(doc.FindObj(Get("B")));

    RunCommand(doc, kDelete);
    EXPECT_EQ(Get("A"), nullptr);
    ASSERT_NE(Get("B"), nullptr);
    EXPECT_EQ(doc.GetSelCount(), 0);
    EXPECT_EQ(Parts("B"), "");

    doc.GetUndoHistory().Undo();
    ASSERT_NE(Get("A"), nullptr);
    EXPECT_EQ(Get("A")->GetEndTime(), test::ChartDay(5));
    EXPECT_EQ(doc.GetObjCount() + doc.GetSelCount(), 2);
}

// ---- Delete all ---------------------------------------------------------------------------------

TEST_F(DocEditMenuTest, DeleteAllAsksAboutHiddenLayersAndOneUndoGivesEverythingBack) {
    struct Case {
        const char* name;
        bool hiddenData;
        std::vector<int> answers; // to 5082, then 5121
        std::vector<UINT> asked;
        int objectsLeft, shapesLeft; // of two each; -1: nothing deleted
    };
    const Case cases[] = {
        {"No to the first question", true, {IDNO}, {5082}, -1, -1},
        {"Cancel to the layers", true, {IDYES, IDCANCEL}, {5082, 5121}, -1, -1},
        {"everything", true, {IDYES, IDYES}, {5082, 5121}, 0, 0},
        {"shown layers only", true, {IDYES, IDNO}, {5082, 5121}, 1, 1},
        {"nothing hidden: one question", false, {IDYES}, {5082}, 0, 0},
    };
    for (const Case& c : cases) {
        test::ScopedUi scoped;
        CTembraDoc d;
        d.GetChartLayers().CreateLayers();
        d.GetKoumoku()->SetLevelCount(1);
        d.GetChartLayers().SetLayerVisible(1,
                                           c.hiddenData ? CLayerSet::kHidden : CLayerSet::kShown);
        for (WORD layer : {0, 1}) {
            std::unique_ptr<CEvent> event = d.GetEvents().CreateEvent();
            event->SetLayer(layer);
            d.AddObj(event.release(), FALSE);
            auto* shape = new CZukeiPolyLine();
            shape->SetLayer(layer);
            d.GetShapes().AddZukei(shape, FALSE);
        }
        d.GetKoumokuCells().CreateKoumokuData(0, 0)->SetText("cell");
        d.GetProgressLines().AddShincyoku(
            d.GetProgressLines().CreateShincyoku(test::ChartDay(2)).release(), FALSE);
        d.GetHatchList()->AddTail(
            CChartHatches::CreateHatch(1, 201, 0, test::ChartDay(0), test::ChartDay(0), 0, 1, 0, 0)
                .release());
        d.GetUndoHistory().Reset();
        for (const int answer : c.answers) {
            scoped->QueueAnswer(answer);
        }

        RunCommand(d, kDeleteAll);
        EXPECT_EQ(scoped->MessageIds(), c.asked) << c.name;
        const bool deleted = c.objectsLeft >= 0;
        EXPECT_EQ(d.GetObjCount(), deleted ? c.objectsLeft : 2) << c.name;
        EXPECT_EQ(d.GetZukeiCount(), deleted ? c.shapesLeft : 2) << c.name;
        EXPECT_EQ(d.GetKoumokuCells().GetKoumokuCell(0, 0) != nullptr, !deleted) << c.name;
        EXPECT_EQ(d.GetProgressLines().GetShincyokuCount(), deleted ? 0 : 1) << c.name;
        EXPECT_EQ(d.GetHatchList()->GetCount(), deleted ? 0 : 1) << c.name;
        if (!deleted) {
            continue;
        }
        d.GetUndoHistory().Undo();
        EXPECT_EQ(d.GetObjCount(), 2) << c.name;
        EXPECT_EQ(d.GetZukeiCount(), 2) << c.name;
        EXPECT_NE(d.GetKoumokuCells().GetKoumokuCell(0, 0), nullptr) << c.name;
        EXPECT_EQ(d.GetProgressLines().GetShincyokuCount(), 1) << c.name;
        EXPECT_EQ(d.GetHatchList()->GetCount(), 1) << c.name;
    }
}

TEST_F(DocEditMenuTest, TheTermBarsEditMarkFollowsAChangeOfDeletability) {
    doc.GetOperation().SetMode(Op::kModeEvent);
    AddEvent("a", true);
    bar.modified = true;
    EXPECT_TRUE(CommandState(doc, kDelete).IsEnabled());
    EXPECT_FALSE(bar.modified); // Delete now deletes events

    doc.UnselectAll(TRUE);
    EXPECT_FALSE(CommandState(doc, kDelete).IsEnabled());
    EXPECT_TRUE(bar.modified); // Delete now edits the bar's text

    bar.modified = false;
    EXPECT_FALSE(CommandState(doc, kDelete).IsEnabled());
    EXPECT_FALSE(bar.modified); // no change, no mark
}

// ---- Rows ---------------------------------------------------------------------------------------

TEST_F(DocEditMenuTest, RowInsertStopsShortOfTheTablesLastRow) {
    struct Case {
        const char* name;
        int rowsInTable;
        bool inserts;
    };
    const Case cases[] = {
        {"9,990 rows and 9 more: refused", 9990, false},
        {"9,989 rows and 9 more", 9989, true},
    };
    for (const Case& c : cases) {
        test::ScopedUi scoped;
        CTembraDoc d;
        d.GetChartLayers().CreateLayers();
        d.GetKoumoku()->SetLevelCount(1);
        d.GetKoumokuCells().CreateKoumokuData(c.rowsInTable - 1, 0)->SetText("last");
        for (int row = 0; row < 9; ++row) {
            d.GetKoumokuCells().CreateKoumokuData(row, 0)->SetSelected(1);
        }
        RunCommand(d, kRowInsert);
        EXPECT_EQ(scoped->MessageIds(), c.inserts ? std::vector<UINT>{} : std::vector<UINT>{5036})
            << c.name;
        EXPECT_EQ(d.GetKoumokuCells().GetKoumokuRowCount(-1), c.rowsInTable + (c.inserts ? 9 : 0))
            << c.name;
    }
}

TEST_F(DocEditMenuTest, WholeRowsMovedUpTakeTheirProcessesAndOneUndoGivesTheRulesBack) {
    Add({"P", 0, 5, 2, 2});
    Add({"Q", 0, 5, 5, 5});
    for (int row = 0; row < 6; ++row) {
        doc.GetKoumoku()->SetKeisenType(row, static_cast<WORD>(row + 1));
        for (int column = 0; column < 2; ++column) {
            AddCell(row, column, std::to_string(row), row == 2 || row == 3 ? 255 : 0);
        }
    }
    doc.GetUndoHistory().Reset();
    AnswerDeleteDialogs(LineDeleteDlgRequest::kMoveUp);

    RunCommand(doc, kRowDelete);
    EXPECT_EQ(Get("P"), nullptr);
    ASSERT_NE(Get("Q"), nullptr);
    EXPECT_EQ(Get("Q")->GetStartRow(), 3);
    EXPECT_EQ(doc.GetKoumokuTable().GetKeisenTypes(), (std::vector<WORD>{1, 2, 5, 6}));
    EXPECT_EQ(doc.GetKoumokuCells().GetKoumokuCell(2, 1)->GetText(), "4");

    doc.GetUndoHistory().Undo();
    EXPECT_EQ(doc.GetKoumokuTable().GetKeisenTypes(), (std::vector<WORD>{1, 2, 3, 4, 5, 6}));
    ASSERT_NE(Get("P"), nullptr);
    EXPECT_EQ(Get("Q")->GetStartRow(), 5);
    EXPECT_EQ(doc.GetKoumokuCells().GetKoumokuCell(2, 1)->GetText(), "2");
}

TEST_F(DocEditMenuTest, CellsOfOneColumnTouchOnlyTheCells) {
    Add({"P", 0, 5, 2, 2});
    AddShape(0);
    for (int row = 0; row < 4; ++row) {
        AddCell(row, 0, "a" + std::to_string(row), row == 2 ? 1 : 0);
        AddCell(row, 1, "b" + std::to_string(row));
    }
    AnswerDeleteDialogs(LineDeleteDlgRequest::kMoveUp);
    RunCommand(doc, kRowDelete);
    ASSERT_NE(Get("P"), nullptr);
    EXPECT_EQ(Get("P")->GetStartRow(), 2);
    EXPECT_EQ(doc.GetZukeiCount(), 1);
    EXPECT_EQ(doc.GetKoumokuCells().GetKoumokuCell(2, 0)->GetText(), "a3");
    EXPECT_EQ(doc.GetKoumokuCells().GetKoumokuCell(2, 1)->GetText(), "b2");
}

// ---- The popup's attributes and the replacement -------------------------------------------------

TEST_F(DocEditMenuTest, ThePopupsAttributeEntryPostsTheBatchCommandOfTheMode) {
    struct Case {
        LONG mode;
        std::vector<UINT> posted;
        bool enabled;
    };
    const Case cases[] = {
        {Op::kModeKoutei, {33017}, true}, {Op::kModeYogo, {33018}, true},
        {Op::kModeEvent, {33019}, true},  {Op::kModeZukei, {33014}, true},
        {Op::kModeKoumoku, {}, false},    {Op::kModeShigen, {}, false},
    };
    for (const Case& c : cases) {
        doc.GetOperation().SetMode(c.mode);
        ui->ClearRecords();
        RunCommand(doc, 33021);
        EXPECT_EQ(ui->PostedCommands(), c.posted) << c.mode;
        EXPECT_EQ(CommandState(doc, 33021).IsEnabled(), c.enabled) << c.mode;
    }
}

TEST_F(DocEditMenuTest, ReplaceWorksOnTheEventsOrTheCellsByMode) {
    ui->OnDialog("FindReplaceDlg", [](DialogRequest& r) {
        auto& request = static_cast<FindReplaceDlgRequest&>(r);
        request.search = "old";
        request.replacement = "new";
        return IDOK;
    });
    struct Case {
        LONG mode;
        const char* eventText;
        const char* cellText;
    };
    const Case cases[] = {
        {Op::kModeEvent, "new", "old"},
        {Op::kModeKoumoku, "old", "new"},
        {Op::kModeKoutei, "old", "new"},
    };
    for (const Case& c : cases) {
        AddEvent("old", false);
        AddCell(0, 0, "old");
        doc.GetOperation().SetMode(c.mode);
        RunCommand(doc, 40068);
        EXPECT_EQ(OnlyEventText(), c.eventText) << c.mode;
        EXPECT_EQ(doc.GetKoumokuCells().GetKoumokuCell(0, 0)->GetText(), c.cellText) << c.mode;
        // The next case starts from a clean chart.
        doc.UnselectAll(FALSE);
        while (doc.GetObjCount() > 0) {
            doc.DeleteObjAt(doc.GetHeadObjPosition());
        }
        doc.GetKoumokuCells().SetKoumokuCell(0, 0, nullptr);
    }
}

} // namespace
} // namespace tembra
