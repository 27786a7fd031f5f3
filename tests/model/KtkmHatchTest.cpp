#include "model/KtkmHatch.h"

#include "platform/Archive.h"
#include "support/ArchiveBytes.h"

#include <gtest/gtest.h>

#include <vector>

namespace tembra {
namespace {

using test::Bytes;
using test::Load;
using test::Store;

CKtkmHatch SampleHatch() {
    CKtkmHatch hatch;
    hatch.GetPos().SetStartDateValue(0x11223344);
    hatch.GetPos().SetEndDateValue(0x55667788);
    hatch.SetFirstRow(3);
    hatch.SetLastRow(9);
    hatch.SetKind(CKtkmHatch::kKoumokuCells);
    hatch.SetColor(RGB(0x12, 0x34, 0x56));
    hatch.SetFirstColumn(1);
    hatch.SetLastColumn(-1);
    hatch.SetPattern(7);
    return hatch;
}

// The fields of SampleHatch in file order, without the pattern.
const Bytes kSampleBytes = {
    0x44, 0x33, 0x22, 0x11, 0x88, 0x77, 0x66, 0x55, // start and end dates
    0x03, 0x00, 0x09, 0x00,                         // first and last row
    0x0C, 0x00,                                     // kind 12
    0x12, 0x34, 0x56, 0x00,                         // colour, red in the low byte
    0x01, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, // first and last column
};

TEST(KtkmHatchTest, NewRecordHasThePattern99) {
    CKtkmHatch hatch;
    EXPECT_EQ(hatch.GetPattern(), 99);
    EXPECT_EQ(hatch.GetKind(), 0);
}

TEST(KtkmHatchTest, GoldenBytesAndRoundTripsByVersion) {
    struct Case {
        int version;
        bool withPattern;
    };
    for (const Case& c : std::vector<Case>{{52000, false}, {55000, false}, {58000, true}}) {
        SCOPED_TRACE(c.version);
        CKtkmHatch hatch = SampleHatch();
        Bytes expected = kSampleBytes;
        if (c.withPattern) {
            expected.insert(expected.end(), {0x07, 0x00});
        }
        const Bytes bytes = Store(hatch, c.version);
        EXPECT_EQ(bytes, expected);

        CKtkmHatch back;
        back.SetPattern(5);
        Load(bytes, back, c.version);
        EXPECT_EQ(back.GetStartDate(), hatch.GetStartDate());
        EXPECT_EQ(back.GetEndDate(), hatch.GetEndDate());
        EXPECT_EQ(back.GetFirstRow(), 3);
        EXPECT_EQ(back.GetLastRow(), 9);
        EXPECT_EQ(back.GetKind(), CKtkmHatch::kKoumokuCells);
        EXPECT_EQ(back.GetColor(), RGB(0x12, 0x34, 0x56));
        EXPECT_EQ(back.GetFirstColumn(), 1);
        EXPECT_EQ(back.GetLastColumn(), -1);
        // A record of a file before 58000 has the pattern 99.
        EXPECT_EQ(back.GetPattern(), c.withPattern ? 7 : 99);
    }
}

TEST(KtkmHatchTest, OnlyDatesAndRowsOfThePositionAreStored) {
    CKtkmHatch hatch = SampleHatch();
    hatch.GetPos().SetWord3(0x0A0B);
    hatch.GetPos().SetWord6(0x0C0D);
    EXPECT_EQ(Store(hatch, 55000), kSampleBytes);
}

TEST(KtkmHatchTest, CloneCopiesEveryMember) {
    CKtkmHatch hatch = SampleHatch();
    hatch.SetFirstRow(-2); // shifted above the first row
    const auto clone = hatch.Clone();
    ASSERT_NE(clone, nullptr);
    EXPECT_NE(clone.get(), &hatch);
    EXPECT_EQ(clone->GetPos(), hatch.GetPos());
    EXPECT_EQ(clone->GetFirstRow(), -2);
    EXPECT_EQ(clone->GetKind(), hatch.GetKind());
    EXPECT_EQ(clone->GetColor(), hatch.GetColor());
    EXPECT_EQ(clone->GetPattern(), 7);
    EXPECT_EQ(clone->GetLastColumn(), -1);
}

TEST(KtkmHatchTest, TruncatedRecordFails) {
    CKtkmHatch hatch;
    Bytes bytes = kSampleBytes;
    bytes.push_back(0x07); // half a pattern
    try {
        Load(bytes, hatch, 58000);
        FAIL() << "loaded";
    } catch (const CArchiveException& e) {
        EXPECT_EQ(e.m_cause, CArchiveException::endOfFile);
    }
}

} // namespace
} // namespace tembra
