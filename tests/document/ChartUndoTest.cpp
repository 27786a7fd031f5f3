#include "document/ChartUndo.h"

#include "DocTestSupport.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace tembra {
namespace {

using test::ProbeRecord;
using test::RecordingView;

// The undo service over a chart's records alone, with a plain document for the views.
class ChartUndoTest : public testing::Test {
protected:
    ChartUndoTest() { document.AddView(&view); }

    ProbeRecord* Add(const std::string& name, bool selected) {
        auto* record = new ProbeRecord(kTypeEvent, name);
        if (selected) {
            record->Select();
            objects.GetSelList().AddTail(record);
        } else {
            objects.GetObjList().AddTail(record);
        }
        return record;
    }
    static std::vector<std::string> Names(const ObList<CDataHeader>& list) {
        std::vector<std::string> names;
        for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
            names.push_back(static_cast<const ProbeRecord*>(list.GetNext(pos))->Name());
        }
        return names;
    }
    // Replaces the record at pos by a copy named name + "'", recorded.
    void Replace(OwnedObList<CDataHeader>& list, POSITION pos) {
        auto* old = static_cast<ProbeRecord*>(list.GetAt(pos));
        auto* copy = new ProbeRecord(kTypeEvent, old->Name() + "'");
        copy->SetSelected(old->IsSelected());
        list.SetAt(pos, copy);
        ASSERT_EQ(undo.AddChange(old, copy), 1);
    }

    CDocument document;
    RecordingView view;
    CChartNotifier notifier{document};
    CChartObjects objects;
    CCalendar calendar;
    CChartUndo undo{objects, calendar, notifier};
};

// A step over many objects of both lists: replaced objects come back in their places, added ones
// leave, deleted ones come back at the end of the list of their selected flag.
TEST_F(ChartUndoTest, ALargeStepComesBackInPlaceAndGoesAgain) {
    for (int i = 0; i < 200; ++i) {
        Add("o" + std::to_string(i), false);
        Add("s" + std::to_string(i), true);
    }
    const std::vector<std::string> objBefore = Names(objects.GetObjList());
    const std::vector<std::string> selBefore = Names(objects.GetSelList());

    undo.Reset();
    for (OwnedObList<CDataHeader>* list : {&objects.GetObjList(), &objects.GetSelList()}) {
        for (POSITION pos = list->GetHeadPosition(); pos != nullptr; list->GetNext(pos)) {
            Replace(*list, pos);
        }
    }
    // Delete the first replaced object of each list, add one to each.
    for (OwnedObList<CDataHeader>* list : {&objects.GetObjList(), &objects.GetSelList()}) {
        CDataHeader* gone = list->RemoveHead();
        ASSERT_EQ(undo.AddDelete(gone), 1);
    }
    ASSERT_EQ(undo.AddNew(Add("added o", false)), 1);
    ASSERT_EQ(undo.AddNew(Add("added s", true)), 1);
    const std::vector<std::string> objAfter = Names(objects.GetObjList());
    const std::vector<std::string> selAfter = Names(objects.GetSelList());

    view.updates.clear();
    ASSERT_EQ(undo.Undo(), 1);
    std::vector<std::string> objExpected(objBefore.begin() + 1, objBefore.end());
    objExpected.push_back(objBefore.front());
    std::vector<std::string> selExpected(selBefore.begin() + 1, selBefore.end());
    selExpected.push_back(selBefore.front());
    EXPECT_EQ(Names(objects.GetObjList()), objExpected);
    EXPECT_EQ(Names(objects.GetSelList()), selExpected);
    EXPECT_FALSE(view.updates.empty());

    ASSERT_EQ(undo.Redo(), 1);
    EXPECT_EQ(Names(objects.GetObjList()), objAfter);
    EXPECT_EQ(Names(objects.GetSelList()), selAfter);
}

// Between two replays the lists may change in any way: each undo and redo finds the objects where
// the lists hold them then, and refuses a change whose object has left them.
TEST_F(ChartUndoTest, EachReplayFindsTheObjectsWhereTheListsHoldThemNow) {
    ProbeRecord* a = Add("a", false);
    Add("b", false);
    undo.Reset();
    Replace(objects.GetObjList(), objects.GetObjList().Find(a));
    auto* copy = static_cast<ProbeRecord*>(objects.GetObjList().GetHead());

    // The copy is selected: it moves to the selection list.
    objects.GetObjList().RemoveAt(objects.GetObjList().Find(copy));
    copy->Select();
    objects.GetSelList().AddTail(copy);
    ASSERT_EQ(undo.Undo(), 1);
    EXPECT_EQ(Names(objects.GetSelList()), std::vector<std::string>{"a"});
    EXPECT_EQ(a->IsSelected(), 1);
    EXPECT_EQ(Names(objects.GetObjList()), std::vector<std::string>{"b"});

    // The restored object leaves the lists (its owner keeps it): the redo has nothing to replace.
    objects.GetSelList().RemoveAt(objects.GetSelList().Find(a));
    std::unique_ptr<ProbeRecord> kept(a);
    EXPECT_EQ(undo.Redo(), 0);
    EXPECT_TRUE(objects.GetSelList().IsEmpty());
    EXPECT_FALSE(undo.CanUndo());
    EXPECT_FALSE(undo.CanRedo());
}

TEST_F(ChartUndoTest, ACalendarBeforeImageIsExchangedWithTheWorkingCalendar) {
    calendar.Clear();
    auto before = std::make_unique<CCalendar>();
    calendar.CopyTo(before.get());
    calendar.AddDayFlag(2005, 6, 1, CCalendar::kRuleHoliday);
    ASSERT_EQ(undo.AddOther(before.release()), 1);

    view.updates.clear();
    ASSERT_EQ(undo.Undo(), 1);
    EXPECT_FALSE(calendar.IsHoliday(2005, 6, 1));
    ASSERT_EQ(view.updates.size(), 1u);
    EXPECT_EQ(view.updates[0].object, nullptr) << "the whole chart";
    ASSERT_EQ(undo.Redo(), 1);
    EXPECT_TRUE(calendar.IsHoliday(2005, 6, 1));

    // An info that is no calendar is no change of this document.
    EXPECT_EQ(undo.UndoRestor(nullptr, nullptr, nullptr), 0);
}

} // namespace
} // namespace tembra
