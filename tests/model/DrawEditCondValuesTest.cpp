// The term-target word of the drawing and editing conditions: each target is read as "any of
// its four bits" and written as all four, the bits beside them untouched.
#include "model/DrawEditCondValues.h"

#include "model/ConfigOperation.h"

#include <gtest/gtest.h>

#include <vector>

namespace tembra {
namespace {

TEST(DrawEditCondValuesTest, TermTargetsAreReadAsAnyBitAndWrittenWhole) {
    struct Case {
        LONG stored;
        bool line;
        bool node;
        LONG saved; // what OK writes back unchanged
    };
    const std::vector<Case> cases = {
        {0x04, true, false, 0x0F},    {0x01, true, false, 0x0F},  {0x20, false, true, 0xF0},
        {0x81, true, true, 0xFF},     {0x00, false, false, 0x00}, {0xFF, true, true, 0xFF},
        {0x300, false, false, 0x300}, // bits above the two targets are kept
        {0x108, true, false, 0x10F},
    };
    for (const Case& c : cases) {
        CConfigOperation op;
        op.SetYogoAttach(c.stored);
        const DrawEditCondValues v = LoadDrawEditCond(op);
        EXPECT_EQ(v.attachToLine, c.line) << std::hex << c.stored;
        EXPECT_EQ(v.attachToNode, c.node) << std::hex << c.stored;
        StoreDrawEditCond(v, op);
        EXPECT_EQ(op.GetYogoAttach(), c.saved) << std::hex << c.stored;
    }
    // Clearing a target clears all four of its bits.
    CConfigOperation op;
    op.SetYogoAttach(0x5A);
    DrawEditCondValues v = LoadDrawEditCond(op);
    v.attachToLine = false;
    StoreDrawEditCond(v, op);
    EXPECT_EQ(op.GetYogoAttach(), 0xF0);
}

} // namespace
} // namespace tembra
