#include "document/ObList.h"

#include "DocTestSupport.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace tembra {
namespace {

using test::DeletionLog;
using test::ProbeRecord;

std::vector<int> Contents(const ObList<int>& list) {
    std::vector<int> out;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
        out.push_back(*list.GetNext(pos));
    }
    return out;
}

TEST(ObListTest, PositionsStayValidWhileOtherEntriesComeAndGo) {
    int values[6] = {0, 1, 2, 3, 4, 5};
    ObList<int> list;
    const POSITION p1 = list.AddTail(&values[1]);
    const POSITION p3 = list.AddTail(&values[3]);
    list.AddHead(&values[0]);
    list.InsertBefore(p3, &values[2]);
    const POSITION p4 = list.InsertAfter(p3, &values[4]);
    list.AddTail(&values[5]);
    EXPECT_EQ(Contents(list), (std::vector<int>{0, 1, 2, 3, 4, 5}));

    list.RemoveAt(p3);
    list.RemoveHead();
    EXPECT_EQ(*list.GetAt(p1), 1);
    EXPECT_EQ(*list.GetAt(p4), 4);
    EXPECT_EQ(Contents(list), (std::vector<int>{1, 2, 4, 5}));
    EXPECT_EQ(list.GetCount(), 4);

    POSITION walk = list.GetTailPosition();
    EXPECT_EQ(*list.GetPrev(walk), 5);
    EXPECT_EQ(*list.GetPrev(walk), 4);
    EXPECT_EQ(list.Find(&values[4]), p4);
    EXPECT_EQ(list.Find(&values[4], p4), nullptr) << "searched after p4";
    EXPECT_EQ(list.Find(&values[3]), nullptr);
    EXPECT_EQ(list.FindIndex(1), list.Find(&values[2]));
    EXPECT_EQ(list.FindIndex(4), nullptr);
    EXPECT_EQ(list.FindIndex(-1), nullptr);

    list.RemoveAll();
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(list.GetHead(), nullptr);
    POSITION none = nullptr;
    EXPECT_EQ(list.GetNext(none), nullptr);
}

// Every change of the entries counts; walking and looking up do not.
TEST(ObListTest, ChangesAreCounted) {
    int values[3] = {0, 1, 2};
    ObList<int> list;
    ObList<int> other;
    struct Step {
        const char* name;
        std::function<void()> act;
        bool counts;
    };
    POSITION pos = nullptr;
    const std::vector<Step> steps = {
        {"add at the tail", [&] { pos = list.AddTail(&values[0]); }, true},
        {"add at the head", [&] { list.AddHead(&values[1]); }, true},
        {"insert before", [&] { list.InsertBefore(pos, &values[2]); }, true},
        {"insert after", [&] { list.InsertAfter(pos, &values[2]); }, true},
        {"walk and find",
         [&] {
             POSITION p = list.GetHeadPosition();
             list.GetNext(p);
             list.Find(&values[2]);
             list.FindIndex(1);
         },
         false},
        {"replace", [&] { list.SetAt(pos, &values[1]); }, true},
        {"remove", [&] { list.RemoveAt(pos); }, true},
        {"remove the head", [&] { list.RemoveHead(); }, true},
        {"exchange", [&] { list.Swap(other); }, true},
        {"exchange back", [&] { other.Swap(list); }, true},
        {"move to its own tail", [&] { list.MoveToTail(list.GetHeadPosition(), list); }, true},
        {"move the tail to itself", [&] { list.MoveToTail(list.GetTailPosition(), list); }, false},
        {"move to another list", [&] { list.MoveToTail(list.GetHeadPosition(), other); }, true},
        {"remove all", [&] { list.RemoveAll(); }, true},
    };
    for (const Step& step : steps) {
        const std::uint64_t before = list.GetChangeCount();
        step.act();
        EXPECT_EQ(list.GetChangeCount() != before, step.counts) << step.name;
    }
    EXPECT_EQ(other.GetChangeCount(), 3u)
        << "both exchanges and the entry moved over changed the other list too";
}

TEST(ObListTest, AnEntryMovedToATailKeepsItsPosition) {
    int values[5] = {0, 1, 2, 3, 4};
    ObList<int> list;
    ObList<int> other;
    const POSITION p0 = list.AddTail(&values[0]);
    const POSITION p1 = list.AddTail(&values[1]);
    const POSITION p2 = list.AddTail(&values[2]);
    const POSITION p3 = other.AddTail(&values[3]);
    struct Case {
        const char* name;
        POSITION moved;
        ObList<int>* from;
        ObList<int>* to;
        std::vector<int> list;
        std::vector<int> other;
    };
    const std::vector<Case> cases = {
        {"the middle to its own tail", p1, &list, &list, {0, 2, 1}, {3}},
        {"the tail to its own tail", p1, &list, &list, {0, 2, 1}, {3}},
        {"the head to the other list", p0, &list, &other, {2, 1}, {3, 0}},
        {"the tail to the other list", p1, &list, &other, {2}, {3, 0, 1}},
        {"the last entry to the other list", p2, &list, &other, {}, {3, 0, 1, 2}},
        {"back into the empty list", p3, &other, &list, {3}, {0, 1, 2}},
    };
    for (const Case& c : cases) {
        c.from->MoveToTail(c.moved, *c.to);
        EXPECT_EQ(Contents(list), c.list) << c.name;
        EXPECT_EQ(Contents(other), c.other) << c.name;
        EXPECT_EQ(list.GetCount(), static_cast<int>(c.list.size())) << c.name;
        EXPECT_EQ(other.GetCount(), static_cast<int>(c.other.size())) << c.name;
        EXPECT_EQ(c.to->GetTailPosition(), c.moved) << c.name << ": the same position";
        // Walked backwards as well: every neighbour was joined again.
        std::vector<int> backwards;
        for (POSITION pos = c.to->GetTailPosition(); pos != nullptr;) {
            backwards.insert(backwards.begin(), *c.to->GetPrev(pos));
        }
        EXPECT_EQ(backwards, c.to == &list ? c.list : c.other) << c.name;
    }
    list.MoveToTail(nullptr, other);
    EXPECT_EQ(list.GetCount() + other.GetCount(), 4);
}

TEST(ObListTest, AnOwnedListDeletesOnlyWhatItOwns) {
    DeletionLog().clear();
    ProbeRecord shape(kTypeZukei, "shape");
    {
        OwnedObList<CDataHeader> list(
            [](const CDataHeader* object) { return object->GetType() != kTypeZukei; });
        list.AddTail(new ProbeRecord(kTypeEvent, "a"));
        list.AddTail(&shape);
        list.AddTail(new ProbeRecord(kTypeEvent, "b"));
        list.DeleteAll();
        EXPECT_TRUE(list.IsEmpty());
        EXPECT_EQ(DeletionLog(), (std::vector<std::string>{"a", "b"}));
        list.AddTail(new ProbeRecord(kTypeEvent, "left over"));
    }
    EXPECT_EQ(DeletionLog(), (std::vector<std::string>{"a", "b", "left over"}));
    DeletionLog().clear();
}

} // namespace
} // namespace tembra
