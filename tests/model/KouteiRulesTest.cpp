// The consistency rules of a process's line shape and direction, applied after edits.
#include "model/Koutei.h"

#include "support/ArchiveBytes.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace tembra {
namespace {

CTime Date(int year, int month, int day) {
    return CTime(year, month, day);
}

std::unique_ptr<CKoutei> Process(int startRow, int endRow, WORD shapeWord, short bend = 0) {
    auto koutei = std::make_unique<CKoutei>();
    koutei->SetStartDate(Date(2005, 4, 1));
    koutei->SetEndDate(Date(2005, 4, 10));
    koutei->SetStartRow(static_cast<WORD>(startRow));
    koutei->SetEndRow(static_cast<WORD>(endRow));
    koutei->GetLines()->GetAttr().m_style = shapeWord;
    koutei->GetLines()->SetBendOffset(bend);
    return koutei;
}

TEST(KouteiRulesTest, LineShapeIsTheLowByteOfTheFirstWord) {
    const auto koutei = Process(1, 1, 0x0340);
    EXPECT_EQ(koutei->GetLineShape(), kLineShapeBar);
    koutei->SetLineShape(kLineShapeElbowVH);
    EXPECT_EQ(koutei->GetLines()->GetAttr().m_style, 0x0302);
}

TEST(KouteiRulesTest, GateRowLiesBeyondBothEnds) {
    struct Case {
        int startRow, endRow;
        short bend;
        int row;
    };
    const std::vector<Case> cases = {
        {5, 1, 3, 8},   {2, 8, 3, 8},  {2, 8, 10, 12}, {5, 1, -3, 1},       {5, 9, -2, 3},
        {5, 1, -10, 0}, {1, 4, -1, 0}, {5, 1, 0, 5},   {9990, 3, 20, 9999},
    };
    for (const Case& c : cases) {
        const auto koutei = Process(c.startRow, c.endRow, kLineShapeGate, c.bend);
        EXPECT_EQ(koutei->CalcGateRow(), c.row)
            << c.startRow << " to " << c.endRow << " bend " << c.bend;
    }
}

// 1 only when nothing changed; a gate turned into an elbow is a change.
TEST(KouteiRulesTest, NormalizeBendShape) {
    struct Case {
        const char* name;
        int startRow, endRow;
        WORD shapeWord;
        short bend;
        int result;
        WORD after;
    };
    const std::vector<Case> cases = {
        {"bar over two rows", 1, 3, 0x0140, 0, 0, 0x0102},
        {"slanted bar over two rows", 3, 1, 0x0280, 0, 0, 0x0202},
        {"bar on one row", 2, 2, 0x0140, 0, 1, 0x0140},
        {"gate at the start row", 5, 1, kLineShapeGate, 0, 0, kLineShapeElbowHV},
        {"gate at the end row", 2, 8, kLineShapeGate, 3, 0, kLineShapeElbowVH},
        {"gate above both rows", 5, 2, kLineShapeGate, -4, 1, kLineShapeGate},
        {"gate below both rows", 2, 5, kLineShapeGate, 6, 1, kLineShapeGate},
        {"gate on one row", 4, 4, kLineShapeGate, 0, 0, kLineShapeElbowHV},
        {"elbow", 1, 3, kLineShapeElbowVH, 5, 1, kLineShapeElbowVH},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto koutei = Process(c.startRow, c.endRow, c.shapeWord, c.bend);
        EXPECT_EQ(koutei->NormalizeBendShape(), c.result);
        EXPECT_EQ(koutei->GetLines()->GetAttr().m_style, c.after);
    }
}

// A process that starts after it ends is turned round once: the ends change places, the elbows
// change shape, the nodes (with their numbers and their own data) change places.
TEST(KouteiRulesTest, NormalizeDirectionTurnsABackwardProcessOnce) {
    const auto koutei = Process(3, 7, kLineShapeElbowVH);
    koutei->SetStartDate(Date(2005, 4, 20));
    koutei->SetEndDate(Date(2005, 4, 10));
    koutei->GetLines()->SetBendOffset(2);
    koutei->SetStartLandNo(1, 11);
    koutei->SetEndLandNo(2, 22);
    koutei->GetStartLand()->SetShape(7);
    koutei->GetEndLand()->SetShape(9);
    CLand* oldStart = koutei->GetStartLand();
    CLand* oldEnd = koutei->GetEndLand();

    EXPECT_EQ(koutei->NormalizeDirection(), 0);
    EXPECT_EQ(koutei->GetStartTime(), Date(2005, 4, 10));
    EXPECT_EQ(koutei->GetEndTime(), Date(2005, 4, 20));
    EXPECT_EQ(koutei->GetStartRow(), 7);
    EXPECT_EQ(koutei->GetEndRow(), 3);
    EXPECT_EQ(koutei->GetLineShape(), kLineShapeElbowHV);
    EXPECT_EQ(koutei->GetStartLand(), oldEnd);
    EXPECT_EQ(koutei->GetEndLand(), oldStart);
    EXPECT_EQ(koutei->GetStartLandNo(), CObSeqNumber(2, 22));
    EXPECT_EQ(koutei->GetEndLandNo(), CObSeqNumber(1, 11));
    EXPECT_EQ(koutei->GetStartLand()->GetShape(), 9);
    // Each node still stands at its own date and row.
    EXPECT_EQ(koutei->GetStartLand()->GetPos().GetStartDate(), koutei->GetStartTime());
    EXPECT_EQ(koutei->GetStartLand()->GetPos().GetStartRow(), koutei->GetStartRow());
    EXPECT_EQ(koutei->GetEndLand()->GetPos().GetStartDate(), koutei->GetEndTime());
    EXPECT_EQ(koutei->GetLines()->GetBendOffset(), 2);

    EXPECT_EQ(koutei->NormalizeDirection(), 1);
    EXPECT_EQ(koutei->GetStartTime(), Date(2005, 4, 10));
    EXPECT_EQ(koutei->GetLineShape(), kLineShapeElbowHV);
}

// After the turn the nodes go by their new places: a copy takes each node to the same end, and
// the file holds the new start node first.
TEST(KouteiRulesTest, ATurnedProcessIsCopiedAndStoredByItsNewEnds) {
    const auto turned = Process(3, 7, kLineShapeElbowVH);
    turned->SetStartDate(Date(2005, 4, 20));
    turned->SetEndDate(Date(2005, 4, 10));
    turned->SetStartLandNo(1, 11);
    turned->SetEndLandNo(2, 22);
    turned->GetStartLand()->SetShape(7);
    ASSERT_EQ(turned->NormalizeDirection(), 0);

    CKoutei copy;
    copy.CopyFrom(*turned);
    EXPECT_EQ(copy.GetStartLandNo(), CObSeqNumber(2, 22));
    EXPECT_EQ(copy.GetEndLandNo(), CObSeqNumber(1, 11));
    EXPECT_EQ(copy.GetEndLand()->GetShape(), 7);
    EXPECT_EQ(copy.GetStartLand()->GetPos().GetStartDate(), Date(2005, 4, 10));
    EXPECT_EQ(test::Store(copy), test::Store(*turned));

    // Turned back, the nodes stand where they began.
    turned->SetStartDate(Date(2005, 4, 30));
    ASSERT_EQ(turned->NormalizeDirection(), 0);
    EXPECT_EQ(turned->GetStartLandNo(), CObSeqNumber(1, 11));
    EXPECT_EQ(turned->GetStartLand()->GetShape(), 7);
}

TEST(KouteiRulesTest, NormalizeDirectionLeavesForwardProcessesAndRelationLines) {
    const auto forward = Process(3, 7, kLineShapeElbowVH);
    EXPECT_EQ(forward->NormalizeDirection(), 1);
    EXPECT_EQ(forward->GetStartRow(), 3);

    const auto relation = Process(3, 7, kLineShapeRelation);
    relation->SetStartDate(Date(2005, 4, 20));
    relation->SetRelationLine(1);
    EXPECT_EQ(relation->NormalizeDirection(), 1);
    EXPECT_EQ(relation->GetStartTime(), Date(2005, 4, 20));
    EXPECT_EQ(relation->GetStartRow(), 3);

    // Both ends on one date: nothing to turn.
    const auto oneDate = Process(7, 3, kLineShapeElbowVH);
    oneDate->SetEndDate(Date(2005, 4, 1));
    EXPECT_EQ(oneDate->NormalizeDirection(), 1);
}

// Directional nodes (bit 128 of the node's second word) keep only the shapes that meet them.
TEST(KouteiRulesTest, NormalizeNodeShapeTable) {
    struct Case {
        bool start, end;
        WORD shape;
        WORD after;
    };
    const std::vector<Case> cases = {
        // Neither: nothing changes.
        {false, false, 1, 1},
        {false, false, 3, 3},
        // Both: 0, 4, 5, 6 stay, the rest becomes 4.
        {true, true, 0, 0},
        {true, true, 4, 4},
        {true, true, 5, 5},
        {true, true, 6, 6},
        {true, true, 1, 4},
        {true, true, 2, 4},
        {true, true, 3, 4},
        {true, true, 64, 4},
        // The end node: 3 stays too, the rest becomes 3.
        {false, true, 3, 3},
        {false, true, 6, 6},
        {false, true, 2, 3},
        {false, true, 1, 3},
        // The start node: 2 stays too, the rest becomes 2.
        {true, false, 2, 2},
        {true, false, 0, 0},
        {true, false, 3, 2},
        {true, false, 128, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "start " << c.start << " end " << c.end << " shape " << c.shape);
        const auto koutei = Process(1, 3, static_cast<WORD>(0x0100 | c.shape));
        koutei->GetStartLand()->SetSubStyle(c.start ? 0x0081 : 0x0001);
        koutei->GetEndLand()->SetSubStyle(c.end ? 0x0082 : 0x0002);
        EXPECT_EQ(koutei->NormalizeNodeShape(), c.shape == c.after ? 1 : 0);
        EXPECT_EQ(koutei->GetLineShape(), c.after);
        EXPECT_EQ(koutei->GetLines()->GetAttr().m_style >> 8, 1);
    }
}

TEST(KouteiRulesTest, ClearRelationMakesAPlainProcess) {
    const auto koutei = Process(1, 3, kLineShapeRelation);
    koutei->SetRelationLine(1);
    koutei->SetStartLandNo(0, 5);
    koutei->SetEndLandNo(1, 0);
    koutei->ClearRelation();
    EXPECT_EQ(koutei->IsRelationLine(), 0);
    EXPECT_TRUE(koutei->GetStartLandNo().IsNull());
    EXPECT_TRUE(koutei->GetEndLandNo().IsNull());
}

} // namespace
} // namespace tembra
