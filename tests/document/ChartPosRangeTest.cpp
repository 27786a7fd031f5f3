#include "document/ChartPosRange.h"

#include <gtest/gtest.h>

#include <vector>

namespace tembra {
namespace {

TEST(ChartPosRangeTest, UnionWidensTheRangeBySpans) {
    const CChartPosRange start{1000, 2000, 5, 8};
    struct Case {
        const char* what;
        CChartSpan span;
        CChartPosRange expected;
    };
    const std::vector<Case> cases = {
        {"inside", {1200, 1800, 6, 7, 6}, {1000, 2000, 5, 8}},
        {"earlier start, later end", {900, 2100, 6, 7, 6}, {900, 2100, 5, 8}},
        {"rows below and above", {1200, 1800, 2, 12, 2}, {1000, 2000, 2, 12}},
        {"rows in descending order", {1200, 1800, 12, 2, 12}, {1000, 2000, 2, 12}},
        {"third row above both ends", {1200, 1800, 6, 7, 20}, {1000, 2000, 5, 20}},
        {"third row below both ends", {1200, 1800, 6, 7, -3}, {1000, 2000, -3, 8}},
        {"negative dates", {-500, -100, 6, 6, 6}, {-500, 2000, 5, 8}},
    };
    for (const Case& c : cases) {
        CChartPosRange range = start;
        EXPECT_EQ(&range.Union(c.span), &range) << c.what;
        EXPECT_EQ(range, c.expected) << c.what;
    }
}

TEST(ChartPosRangeTest, ARangeStartsAtTheFirstSpan) {
    const CChartSpan first{300, 400, 9, 4, 11};
    EXPECT_EQ(CChartPosRange::FromSpan(first), (CChartPosRange{300, 400, 4, 11}));
    CChartPosRange range = CChartPosRange::FromSpan(first);
    range.Union({100, 350, 6, 6, 6});
    EXPECT_EQ(range, (CChartPosRange{100, 400, 4, 11}));
}

TEST(ChartPosRangeTest, SwapEndsTurnsThePositionRound) {
    CChartPos pos;
    pos.SetStartDateValue(111);
    pos.SetEndDateValue(222);
    pos.SetStartRow(3);
    pos.SetEndRow(9);
    pos.SetWord3(0x3333);
    pos.SetWord4(44);
    pos.SetWord5(55);
    pos.SetWord6(0x6666);
    const CChartPos original = pos;

    pos.SwapEnds();
    EXPECT_EQ(pos.GetStartDateValue(), 222u);
    EXPECT_EQ(pos.GetEndDateValue(), 111u);
    EXPECT_EQ(pos.GetStartRow(), 9);
    EXPECT_EQ(pos.GetEndRow(), 3);
    EXPECT_EQ(pos.GetWord4(), 55);
    EXPECT_EQ(pos.GetWord5(), 44);
    EXPECT_EQ(pos.GetWord3(), 0x3333) << "the field between the rows and the offsets stays";
    EXPECT_EQ(pos.GetWord6(), 0x6666);

    pos.SwapEnds();
    EXPECT_EQ(pos, original);
}

} // namespace
} // namespace tembra
