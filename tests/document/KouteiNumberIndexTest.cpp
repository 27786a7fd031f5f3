// The processes of the two lists by number, as FindKouteiByNumber finds them: the first
// unselected process of a number, else the first selected one; for numbers close together (as
// the counter hands them out) and for numbers spread far apart.
#include "document/KouteiNumberIndex.h"
#include "document/ObList.h"
#include "model/Koutei.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace tembra {
namespace {

struct Spread {
    const char* name;
    DWORD step; // between the numbers of one list and the next
    WORD high;
};

class KouteiNumberIndexTest : public ::testing::TestWithParam<Spread> {
protected:
    CKoutei* Make(ObList<CDataHeader>& list, DWORD number, bool relation = false) {
        auto& process = owned.emplace_back(std::make_unique<CKoutei>());
        process->SetSeqNumber(GetParam().high, number);
        process->SetRelationLine(relation ? 1 : 0);
        list.AddTail(process.get());
        return process.get();
    }
    CObSeqNumber Number(DWORD low) const { return CObSeqNumber(GetParam().high, low); }
    DWORD At(int i) const { return 1 + static_cast<DWORD>(i) * GetParam().step; }

    std::vector<std::unique_ptr<CKoutei>> owned;
    ObList<CDataHeader> unselected;
    ObList<CDataHeader> selected;
};

TEST_P(KouteiNumberIndexTest, FindsTheFirstUnselectedThenTheFirstSelected) {
    CKoutei* a = Make(unselected, At(0));
    CKoutei* line = Make(unselected, At(1), true);
    CKoutei* again = Make(unselected, At(0)); // a second process of that number
    CKoutei* b = Make(selected, At(2));
    Make(selected, At(0)); // shadowed by the unselected one
    CKoutei* c = Make(selected, At(3));
    Make(selected, At(3));
    CDataHeader other;
    unselected.AddTail(&other); // no process

    KouteiNumberIndex index;
    index.Build(unselected, selected);
    const std::vector<POSITION> lines = index.RelationLines();
    EXPECT_EQ(index.Find(Number(At(0))), a);
    EXPECT_EQ(index.Find(Number(At(1))), line);
    EXPECT_EQ(index.Find(Number(At(2))), b);
    EXPECT_EQ(index.Find(Number(At(3))), c);
    EXPECT_EQ(index.Find(Number(At(4))), nullptr);
    if (GetParam().step > 1) {
        EXPECT_EQ(index.Find(Number(At(0) + 1)), nullptr) << "between two numbers";
    }
    EXPECT_EQ(index.Find(CObSeqNumber()), nullptr);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(unselected.GetAt(lines[0]), line);

    // A process put in the place of the one found is found; one put in the place of a shadowed
    // one is not.
    CKoutei copy;
    copy.SetSeqNumber(GetParam().high, At(0));
    index.Replaced(again, &copy);
    EXPECT_EQ(index.Find(Number(At(0))), a);
    index.Replaced(a, &copy);
    EXPECT_EQ(index.Find(Number(At(0))), &copy);
    CKoutei copyOfB;
    copyOfB.SetSeqNumber(GetParam().high, At(2));
    index.Replaced(b, &copyOfB);
    EXPECT_EQ(index.Find(Number(At(2))), &copyOfB);
}

TEST_P(KouteiNumberIndexTest, EmptyListsFindNothing) {
    KouteiNumberIndex index;
    index.Build(unselected, selected);
    EXPECT_EQ(index.Find(Number(At(0))), nullptr);
    // Built again over other lists, it forgets the first.
    Make(selected, At(5));
    index.Build(unselected, selected);
    index.Build(selected, unselected);
    EXPECT_NE(index.Find(Number(At(5))), nullptr);
    index.Build(unselected, unselected);
    EXPECT_EQ(index.Find(Number(At(5))), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Numbers, KouteiNumberIndexTest,
                         ::testing::Values(Spread{"OneAfterAnother", 1, 0},
                                           Spread{"FarApart", 1000003, 0},
                                           Spread{"HighPart", 2, 7}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace tembra
