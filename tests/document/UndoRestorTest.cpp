// The document's undo restore, one change at a time: where an object that comes back, goes or is
// replaced ends up (its list, its place in it, its selected flag) for every kind of record the
// document keeps, and the exchanges of a calendar and of the ruled-line types.
#include "DocTestSupport.h"

#include "document/KeisenTypeArray.h"
#include "document/TembraDoc.h"
#include "document/UndoPlace.h"
#include "model/Event.h"
#include "model/KoumokuData.h"
#include "model/Koutei.h"
#include "model/KtkmHatch.h"
#include "model/Shincyoku.h"
#include "shapes/ZukeiBox.h"
#include "shapes/ZukeiGroup.h"
#include "support/ScriptedUi.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace tembra {
namespace {

using test::ScopedAppState;

enum class Kind { Process, Event, Cell, Progress, Shape, Hatch };
// Where the current object stands before the restore.
enum class At { None, Objects, Selection };
// The replacement: none, unselected, selected.
enum : int { kNone = -1, kUnselected = 0, kSelected = 1 };

const char* Name(Kind kind) {
    switch (kind) {
    case Kind::Process:
        return "process";
    case Kind::Event:
        return "event";
    case Kind::Cell:
        return "item cell";
    case Kind::Progress:
        return "progress line";
    case Kind::Shape:
        return "shape";
    case Kind::Hatch:
        return "hatching";
    }
    return "";
}

std::unique_ptr<CObject> Make(Kind kind, bool selected) {
    std::unique_ptr<CObject> object;
    switch (kind) {
    case Kind::Process: {
        auto process = std::make_unique<CKoutei>();
        if (selected) {
            process->Select();
            auto term = std::make_unique<CYogo>();
            process->AddYogo(term, TRUE);
            process->SelectYogo(0);
        }
        return process;
    }
    case Kind::Event:
        object = std::make_unique<CEvent>();
        break;
    case Kind::Cell: {
        auto cell = std::make_unique<CKoumokuData>();
        cell->SetRow(2);
        cell->SetColumn(1);
        object = std::move(cell);
        break;
    }
    case Kind::Progress:
        object = std::make_unique<CShincyoku>();
        break;
    case Kind::Shape:
        object = std::make_unique<CZukeiBox>();
        break;
    case Kind::Hatch:
        object = std::make_unique<CKtkmHatch>();
        break;
    }
    if (selected) {
        if (auto* header = dynamic_cast<CDataHeader*>(object.get())) {
            header->SetSelected(1);
        }
    }
    return object;
}

// A document whose list of the kind holds two fillers, with the current object between them
// when it is given a place.
class Chart {
public:
    Chart(Kind kind, At at, bool currentSelected) : m_kind(kind) {
        doc.GetKoumoku()->SetLevelCount(3);
        if (kind == Kind::Cell) {
            // The current cell has its place in the table; there are no fillers.
            if (at != At::None) {
                current = Make(kind, currentSelected).release();
                doc.GetKoumoku()->SetAt(2, 1, current);
            }
            return;
        }
        m_fillers.push_back(Add(Make(kind, at == At::Selection).release(), at));
        if (at != At::None) {
            current = Add(Make(kind, currentSelected).release(), at);
        }
        m_fillers.push_back(Add(Make(kind, at == At::Selection).release(), at));
    }

    // Where the object stands: the list (or "cell" for the item table, "" when nowhere) and its
    // place; a shape's selection entry apart.
    struct Where {
        std::string list;
        int index = -1;
        int selIndex = -1;
    };
    Where Find(const CObject* object) {
        Where where;
        const auto indexIn = [object](const ObList<CDataHeader>& list) {
            int i = 0;
            for (POSITION pos = list.GetHeadPosition(); pos != nullptr; ++i) {
                if (list.GetNext(pos) == object) {
                    return i;
                }
            }
            return -1;
        };
        int hatchIndex = 0;
        for (POSITION pos = doc.GetHatchList()->GetHeadPosition(); pos != nullptr; ++hatchIndex) {
            if (doc.GetHatchList()->GetNext(pos) == object) {
                where.list = "hatch";
                where.index = hatchIndex;
            }
        }
        if (doc.GetKoumokuCells().GetKoumokuCell(2, 1) == object) {
            where.list = "cell";
            where.index = 0;
        }
        const std::pair<const char*, const ObList<CDataHeader>*> lists[] = {
            {"obj", &doc.GetObjList()},
            {"progress", &doc.GetShincyokuList()},
            {"shape", &doc.GetZukeiList()},
        };
        for (const auto& [name, list] : lists) {
            if (const int i = indexIn(*list); i >= 0) {
                where.list = name;
                where.index = i;
            }
        }
        where.selIndex = indexIn(doc.GetSelList());
        if (where.list.empty() && where.selIndex >= 0) {
            where.list = "sel";
            where.index = where.selIndex;
        }
        return where;
    }

    CObject* Follower() const { return m_fillers.empty() ? nullptr : m_fillers.back(); }

    ScopedAppState app;
    test::ScopedUi ui;
    CTembraDoc doc;
    CObject* current = nullptr;

private:
    CObject* Add(CObject* object, At at) {
        switch (m_kind) {
        case Kind::Process:
        case Kind::Event: {
            auto* record = static_cast<CDataHeader*>(object);
            (at == At::Selection ? doc.GetSelList() : doc.GetObjList()).AddTail(record);
            break;
        }
        case Kind::Cell:
            break;
        case Kind::Progress:
            doc.GetShincyokuList().AddTail(static_cast<CDataHeader*>(object));
            break;
        case Kind::Shape: {
            auto* shape = static_cast<CDataHeader*>(object);
            doc.GetZukeiList().AddTail(shape);
            if (shape->IsSelected() != 0) {
                doc.GetSelList().AddTail(shape);
            }
            break;
        }
        case Kind::Hatch:
            doc.GetHatchList()->AddTail(static_cast<CKtkmHatch*>(object));
            break;
        }
        return object;
    }

    Kind m_kind;
    std::vector<CObject*> m_fillers;
};

struct Case {
    Kind kind;
    At at;                // where the current object stands (None: an object comes back)
    bool currentSelected; // the current shape is selected
    int replacement;      // kNone, kUnselected, kSelected
    bool place;           // the change carries the place in front of the second filler
    const char* list;     // where the replacement ends ("" for none)
    int index;
    int selIndex; // the replacement's selection entry (shapes), -1 none
    WORD selected;
};

// Lists hold [filler, current, filler]; a replacement takes index 1, a returning object the
// end of its list (index 2; 1 with the place) unless noted.
const Case kCases[] = {
    // Processes and events: by the selected flag into the object or the selection list.
    {Kind::Process, At::None, false, kUnselected, false, "obj", 2, -1, 0},
    {Kind::Process, At::None, false, kUnselected, true, "obj", 1, -1, 0},
    {Kind::Process, At::None, false, kSelected, false, "sel", 0, 0, 1},
    {Kind::Process, At::Objects, false, kNone, false, "", -1, -1, 0},
    {Kind::Process, At::Objects, false, kUnselected, false, "obj", 1, -1, 0},
    {Kind::Process, At::Objects, false, kSelected, false, "obj", 1, -1, 0},
    {Kind::Process, At::Selection, true, kNone, false, "", -1, -1, 0},
    {Kind::Process, At::Selection, true, kUnselected, false, "sel", 1, 1, 1},
    {Kind::Process, At::Selection, true, kSelected, false, "sel", 1, 1, 1},
    {Kind::Event, At::None, false, kUnselected, false, "obj", 2, -1, 0},
    {Kind::Event, At::None, false, kSelected, true, "sel", 0, 0, 1},
    {Kind::Event, At::Objects, false, kNone, false, "", -1, -1, 0},
    {Kind::Event, At::Objects, false, kSelected, false, "obj", 1, -1, 0},
    {Kind::Event, At::Selection, true, kNone, false, "", -1, -1, 0},
    {Kind::Event, At::Selection, true, kUnselected, false, "sel", 1, 1, 1},
    // Item cells: by their row and column; the selected word is theirs.
    {Kind::Cell, At::None, false, kUnselected, false, "cell", 0, -1, 0},
    {Kind::Cell, At::Objects, false, kNone, false, "", -1, -1, 0},
    {Kind::Cell, At::Objects, false, kSelected, false, "cell", 0, -1, 1},
    // Progress lines: in their order.
    {Kind::Progress, At::None, false, kUnselected, false, "progress", 2, -1, 0},
    {Kind::Progress, At::None, false, kUnselected, true, "progress", 1, -1, 0},
    {Kind::Progress, At::Objects, false, kNone, false, "", -1, -1, 0},
    {Kind::Progress, At::Objects, false, kUnselected, false, "progress", 1, -1, 0},
    // Shapes: in the drawing order, and in the selection by their selected flag.
    {Kind::Shape, At::None, false, kUnselected, false, "shape", 2, -1, 0},
    {Kind::Shape, At::None, false, kUnselected, true, "shape", 1, -1, 0},
    {Kind::Shape, At::None, false, kSelected, true, "shape", 1, 0, 1},
    {Kind::Shape, At::Objects, false, kNone, false, "", -1, -1, 0},
    {Kind::Shape, At::Objects, true, kNone, false, "", -1, -1, 0},
    {Kind::Shape, At::Objects, false, kSelected, false, "shape", 1, 0, 1},
    {Kind::Shape, At::Objects, true, kUnselected, false, "shape", 1, -1, 0},
    {Kind::Shape, At::Objects, true, kSelected, false, "shape", 1, 0, 1},
    // Hatchings: in their order.
    {Kind::Hatch, At::None, false, kUnselected, false, "hatch", 2, -1, 0},
    {Kind::Hatch, At::None, false, kUnselected, true, "hatch", 1, -1, 0},
    {Kind::Hatch, At::Objects, false, kNone, false, "", -1, -1, 0},
    {Kind::Hatch, At::Objects, false, kUnselected, false, "hatch", 1, -1, 0},
};

TEST(UndoRestorTest, EachKindLandsInItsListPlaceAndSelection) {
    for (const Case& c : kCases) {
        const std::string what = std::string(Name(c.kind)) + " case " +
                                 std::to_string(&c - kCases) + ": current " +
                                 (c.at == At::None ? "none" : "listed") + ", replacement " +
                                 std::to_string(c.replacement);
        Chart chart(c.kind, c.at, c.currentSelected);
        std::unique_ptr<CObject> replacement =
            c.replacement == kNone ? nullptr : Make(c.kind, c.replacement == kSelected);
        CObject* returned = replacement.get();
        std::unique_ptr<CUndoPlace> place =
            c.place ? std::make_unique<CUndoPlace>(chart.Follower()) : nullptr;

        ASSERT_EQ(chart.doc.GetUndoHistory().UndoRestor(chart.current, replacement.release(),
                                                        place.get()),
                  1)
            << what;
        // What left the lists is the history's; here it is the test's.
        std::unique_ptr<CObject> gone(chart.current);
        if (chart.current != nullptr) {
            EXPECT_EQ(chart.Find(chart.current).list, "") << what << ": the current one left";
        }
        if (returned == nullptr) {
            continue;
        }
        const Chart::Where where = chart.Find(returned);
        EXPECT_EQ(where.list, c.list) << what;
        EXPECT_EQ(where.index, c.index) << what;
        if (c.kind == Kind::Shape) {
            EXPECT_EQ(where.selIndex, c.selIndex) << what << ": selection entry";
        }
        // A hatching has no selected flag.
        if (const auto* header = dynamic_cast<const CDataHeader*>(returned)) {
            EXPECT_EQ(header->IsSelected(), c.selected) << what;
        }
        if (const auto* process = dynamic_cast<const CKoutei*>(returned);
            process != nullptr && c.selected == 0) {
            EXPECT_EQ(process->IsLinesSelected(), 0) << what << ": its line";
            EXPECT_EQ(process->IsYogoSelected(0), 0) << what << ": its terms";
        }
    }
}

// A shape that replaces another is told whether it is selected: a group passes it on to its
// members, which draw and hit by their own flags.
TEST(UndoRestorTest, AReplacingGroupPassesItsSelectionToItsMembers) {
    for (const bool selected : {true, false}) {
        ScopedAppState app;
        test::ScopedUi ui;
        CTembraDoc doc;
        auto* current = new CZukeiBox;
        doc.GetZukeiList().AddTail(current);
        auto group = std::make_unique<CZukeiGroup>();
        auto member = std::make_unique<CZukeiBox>();
        // The member's flag is the opposite of the group's.
        member->SetSelected(selected ? 0 : 1);
        const CZukeiBox* memberSeen = member.get();
        group->AddMember(std::move(member));
        group->SetSelected(selected ? 1 : 0);
        CZukeiGroup* replacement = group.release();

        ASSERT_EQ(doc.GetUndoHistory().UndoRestor(current, replacement, nullptr), 1);
        std::unique_ptr<CObject> gone(current);
        EXPECT_EQ(doc.GetZukeiList().GetHead(), replacement);
        EXPECT_EQ(memberSeen->IsSelected(), selected ? 1 : 0) << selected;
        EXPECT_EQ(doc.GetSelList().GetHead() == replacement, selected);
    }
}

// The exchanges that move no object: the working calendar and the rows' ruled-line types each
// trade places with the before-image the record holds, so the same record undoes and redoes.
TEST(UndoRestorTest, BeforeImagesAreExchangedWithTheChart) {
    ScopedAppState app;
    test::ScopedUi ui;
    CTembraDoc doc;
    test::RecordingView view;
    doc.AddView(&view);

    CCalendar& calendar = doc.GetWorkCalendar();
    calendar.Clear();
    CCalendar before;
    calendar.CopyTo(&before);
    calendar.AddDayFlag(2005, 6, 1, CCalendar::kRuleHoliday);

    CKoumoku& table = *doc.GetKoumoku();
    table.SetKeisenType(0, 3);
    CUndoInfo types(kUndoKeisenTypes, std::make_unique<CKeisenTypeArray>(std::vector<WORD>{7}));

    CChartUndo& undo = doc.GetUndoHistory();
    ASSERT_EQ(undo.UndoRestor(nullptr, nullptr, &before), 1);
    EXPECT_FALSE(calendar.IsHoliday(2005, 6, 1));
    ASSERT_EQ(undo.UndoRestor(nullptr, nullptr, &types), 1);
    EXPECT_EQ(table.GetKeisenType(0), 7);
    ASSERT_EQ(view.updates.size(), 2u);
    EXPECT_EQ(view.updates[1].object, nullptr) << "the whole chart is redrawn";

    ASSERT_EQ(undo.UndoRestor(nullptr, nullptr, &before), 1);
    EXPECT_TRUE(calendar.IsHoliday(2005, 6, 1));
    ASSERT_EQ(undo.UndoRestor(nullptr, nullptr, &types), 1);
    EXPECT_EQ(table.GetKeisenType(0), 3);

    // An info of another kind is no change of the document.
    CUndoInfo other(kUndoKeisenTypes + 1, std::make_unique<CKeisenTypeArray>());
    EXPECT_EQ(undo.UndoRestor(nullptr, nullptr, &other), 0);
}

} // namespace
} // namespace tembra
