// The Edit menu of the view: when cut, copy and paste are enabled, and what select all, copy,
// paste, cut and undo leave in the chart and its undo history.
#include "ViewFixture.h"
#include "document/commands/EditMenu.h"

#include <algorithm>
#include <set>
#include <string>

namespace tembra {
namespace {

using test::April;

constexpr UINT ID_EDIT_UNDO = 57643;
constexpr UINT ID_EDIT_CUT = 32781;
constexpr UINT ID_EDIT_COPY = 32782;
constexpr UINT ID_EDIT_PASTE = 32783;

class ViewEditTest : public test::ViewFixture {
protected:
    ViewEditTest() {
        doc.GetKoumoku()->SetLevelCount(1);
        doc.GetKoumoku()->SetColumnWidth(0, 100);
    }
    CTembraView& View() { return *views.front(); }
    bool Enabled(UINT id) {
        CCmdUI ui(id);
        EXPECT_TRUE(View().OnUpdateCommand(ui));
        return ui.IsEnabled();
    }
    static std::string Number(const CKoutei* process) {
        const CObSeqNumber& n = process->GetSeqNumber();
        return std::to_string(n.GetHigh()) + "." + std::to_string(n.GetLow());
    }
    // The processes of the chart by their place, unselected and selected.
    static std::multiset<std::string> Places(const OwnedObList<CDataHeader>& list) {
        std::multiset<std::string> places;
        for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
            if (const auto* p = dynamic_cast<const CKoutei*>(list.GetNext(pos))) {
                places.insert(std::to_string(p->GetStartTime().GetDay()) + "/" +
                              std::to_string(p->GetStartRow()));
            }
        }
        return places;
    }
    std::multiset<std::string> AllPlaces() const {
        std::multiset<std::string> all = Places(doc.GetObjList());
        const std::multiset<std::string> selected = Places(doc.GetSelList());
        all.insert(selected.begin(), selected.end());
        return all;
    }

    test::FakeViewHost host;
};

struct EnableCase {
    const char* what;
    LONG mode;
    bool objectSelected;
    bool cellSelected;
    bool columnRange;
    LONG clipboardKind; // 0 empty, 1 processes, 6 events
    bool cutCopy;
    bool paste;
};

TEST_F(ViewEditTest, WhenCutCopyAndPasteAreEnabled) {
    const EnableCase cases[] = {
        {"processes, one selected", 1, true, false, false, 0, true, false},
        {"processes, none selected", 1, false, false, false, 0, false, false},
        {"processes, processes held", 1, false, false, false, 1, false, true},
        {"processes, events held", 1, false, false, false, 6, false, false},
        {"events, events held", 6, false, false, false, 6, false, true},
        {"events, one selected", 6, true, false, false, 0, true, false},
        {"shapes, processes held", 4, false, false, false, 1, false, false},
        {"items, a cell selected", 0, false, true, false, 0, true, true},
        {"items, no cell", 0, true, false, false, 1, false, false},
        {"terms, one selected", 2, true, false, false, 1, false, false},
        {"a date range selected", 1, true, false, true, 1, false, false},
    };
    MakeView(host);
    for (const EnableCase& c : cases) {
        doc.UnselectAll(FALSE);
        doc.GetKoumokuCells().ClearSelectedKoumokuCells(FALSE);
        doc.GetSelectedDateRange()->SetStartDate(April(1));
        doc.GetSelectedDateRange()->SetEndDate(c.columnRange ? April(3) : April(1));
        GetAppState()->ClearObjectClipboard();
        doc.GetOperation().SetMode(COperationState::kModeKoutei);
        if (c.clipboardKind != 0) {
            CKoutei* process = AddProcess(2, 4, 1);
            if (c.clipboardKind == 6) {
                std::unique_ptr<CEvent> event = doc.GetEvents().CreateEvent();
                event->SetStartDate(April(2));
                doc.AddObj(event.release(), FALSE);
                doc.SelectLastObj();
            } else {
                process->Select();
                doc.SelectLastObj();
            }
            doc.GetChartClipboard().CopySelectedObjects();
            doc.UnselectAll(FALSE);
        }
        if (c.objectSelected) {
            AddProcess(5, 6, 2)->Select();
            doc.SelectLastObj();
        }
        if (c.cellSelected) {
            CKoumokuData* cell = doc.GetKoumokuCells().CreateKoumokuData(3, 0);
            cell->SetText("x");
            cell->SetSelected(1);
        }
        doc.GetOperation().SetMode(c.mode);
        EXPECT_EQ(Enabled(ID_EDIT_CUT), c.cutCopy) << c.what;
        EXPECT_EQ(Enabled(ID_EDIT_COPY), c.cutCopy) << c.what;
        EXPECT_EQ(Enabled(ID_EDIT_PASTE), c.paste) << c.what;
    }
}

TEST_F(ViewEditTest, SelectAllCopyPasteSelectsExactlyTheNewCopies) {
    AddProcess(2, 4, 1);
    AddProcess(5, 9, 3);
    AddProcess(10, 12, 6);
    MakeView(host);
    std::set<std::string> originals;
    for (POSITION pos = doc.GetHeadObjPosition(); pos != nullptr;) {
        originals.insert(Number(static_cast<CKoutei*>(doc.GetNextObj(pos))));
    }
    OnEditSelectAll(doc);
    EXPECT_EQ(doc.GetSelCount(), 3);
    EXPECT_TRUE(doc.GetUndoHistory().CanUndo() == FALSE);
    View().OnCommand(ID_EDIT_COPY);
    EXPECT_TRUE(Enabled(ID_EDIT_PASTE));
    View().OnCommand(ID_EDIT_PASTE);
    EXPECT_EQ(doc.GetObjCount(), 3) << "the originals, unselected";
    ASSERT_EQ(doc.GetSelCount(), 3) << "the copies, selected";
    for (POSITION pos = doc.GetHeadSelPosition(); pos != nullptr;) {
        const auto* copy = static_cast<CKoutei*>(doc.GetNextSel(pos));
        EXPECT_EQ(originals.count(Number(copy)), 0u) << "a new number";
    }
    EXPECT_TRUE(doc.GetUndoHistory().CanUndo());
    View().OnCommand(ID_EDIT_UNDO);
    EXPECT_EQ(doc.GetObjCount() + doc.GetSelCount(), 3) << "the paste undone as one step";
}

TEST_F(ViewEditTest, CutThenUndoTwiceGivesTheChartBeforeThenAfterTheCut) {
    AddProcess(2, 4, 1);
    AddProcess(5, 9, 3);
    CKoutei* kept = AddProcess(10, 12, 6);
    MakeView(host);
    const std::multiset<std::string> before = AllPlaces();
    OnEditSelectAll(doc);
    // The process that stays leaves the selection.
    for (POSITION pos = doc.GetHeadSelPosition(); pos != nullptr;) {
        const POSITION at = pos;
        if (doc.GetNextSel(pos) == kept) {
            doc.UnselectAt(at, FALSE);
        }
    }
    View().OnCommand(ID_EDIT_CUT);
    const std::multiset<std::string> after = AllPlaces();
    EXPECT_EQ(after, (std::multiset<std::string>{"10/6"}));
    EXPECT_TRUE(Enabled(ID_EDIT_UNDO));
    View().OnCommand(ID_EDIT_UNDO);
    EXPECT_EQ(AllPlaces(), before);
    View().OnCommand(ID_EDIT_UNDO);
    EXPECT_EQ(AllPlaces(), after);
}

TEST_F(ViewEditTest, WholeRowCellsBringTheProcessesOfTheirRows) {
    AddProcess(2, 4, 2);
    AddProcess(5, 9, 3);
    AddProcess(10, 12, 8);
    for (int row = 2; row <= 3; ++row) {
        CKoumokuData* cell = doc.GetKoumokuCells().CreateKoumokuData(row, 0);
        cell->SetText("row" + std::to_string(row));
        cell->SetSelected(255);
    }
    MakeView(host);
    doc.GetOperation().SetMode(COperationState::kModeKoumoku);
    View().OnCommand(ID_EDIT_COPY);
    EXPECT_EQ(Places(GetAppState()->GetObjectClipboard()),
              (std::multiset<std::string>{"2/2", "5/3"}));
    EXPECT_EQ(doc.GetSelCount(), 0) << "the rows' processes deselected after the copy";
    EXPECT_GT(GetAppState()->GetCellClipboard().GetRowCount(), 0);

    // Pasted onto whole rows further down: the processes come to those rows.
    for (int row = 2; row <= 3; ++row) {
        doc.GetKoumokuCells().GetKoumokuCell(row, 0)->SetSelected(0);
    }
    for (int row = 20; row <= 21; ++row) {
        CKoumokuData* cell = doc.GetKoumokuCells().CreateKoumokuData(row, 0);
        cell->SetSelected(255);
    }
    View().OnCommand(ID_EDIT_PASTE);
    const std::multiset<std::string> places = AllPlaces();
    EXPECT_EQ(places.count("2/20"), 1u);
    EXPECT_EQ(places.count("5/21"), 1u);
    EXPECT_EQ(doc.GetSelCount(), 0) << "deselected in the item mode";
}

TEST_F(ViewEditTest, AnEmptyCutEmptiesTheClipboardSoPasteIsDisabled) {
    AddProcess(2, 4, 1);
    MakeView(host);
    OnEditSelectAll(doc);
    View().OnCommand(ID_EDIT_COPY);
    OnEditSelectAll(doc); // clears
    ASSERT_EQ(doc.GetSelCount(), 0);
    EXPECT_TRUE(Enabled(ID_EDIT_PASTE));
    View().OnCommand(ID_EDIT_CUT);
    EXPECT_FALSE(Enabled(ID_EDIT_PASTE));
    EXPECT_EQ(doc.GetObjCount(), 1);
}

TEST_F(ViewEditTest, SelectAllOrClearAndItsMenuState) {
    MakeView(host);
    CCmdUI empty(32772);
    OnUpdateEditSelectAll(doc, &empty);
    EXPECT_FALSE(empty.IsEnabled()) << "nothing to select";
    AddProcess(2, 4, 1);
    const std::pair<LONG, bool> modes[] = {{0, false}, {1, true}, {2, true}, {3, false}, {4, true},
                                           {5, false}, {6, true}, {7, true}, {8, false}};
    for (const auto& [mode, enabled] : modes) {
        doc.GetOperation().SetMode(mode);
        CCmdUI ui(32772);
        OnUpdateEditSelectAll(doc, &ui);
        EXPECT_EQ(ui.IsEnabled(), enabled) << mode;
    }
    doc.GetOperation().SetMode(COperationState::kModeKoutei);
    host.Clear();
    OnEditSelectAll(doc);
    EXPECT_EQ(doc.GetSelCount(), 1);
    EXPECT_TRUE(host.WholeInvalidated()) << "the selection shows";
    OnEditSelectAll(doc);
    EXPECT_EQ(doc.GetSelCount(), 0);
    EXPECT_EQ(doc.GetObjCount(), 1);
}

} // namespace
} // namespace tembra
