#include "document/ObList.h"

#include "DocTestSupport.h"

#include <gtest/gtest.h>

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
