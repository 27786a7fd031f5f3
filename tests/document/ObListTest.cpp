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
        {"remove all", [&] { list.RemoveAll(); }, true},
    };
    for (const Step& step : steps) {
        const std::uint64_t before = list.GetChangeCount();
        step.act();
        EXPECT_EQ(list.GetChangeCount() != before, step.counts) << step.name;
    }
    EXPECT_EQ(other.GetChangeCount(), 2u) << "both exchanges changed the other list too";
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
