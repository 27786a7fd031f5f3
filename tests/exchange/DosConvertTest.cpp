// The DOS document's header file and the converter's tables: versions, the older block 2 in the
// current layout, colours, papers and the dates of records.
#include "exchange/DosConvert.h"
#include "model/DamagedFile.h"

#include "DosFiles.h"
#include "ExchangeFixture.h"
#include "platform/Archive.h"
#include "platform/MemFile.h"

#include <gtest/gtest.h>

namespace tembra {
namespace {

using test::DosHeader;
using test::J;

class DosConvertTest : public test::ExchangeFixture {
protected:
    // ReadHeader over the bytes; the converter keeps what it read.
    BOOL Read(CDosConvert& convert, const std::string& bytes) {
        CMemFile file(bytes.data(), bytes.size());
        CArchive ar(&file, CArchive::load);
        return convert.ReadHeader(ar);
    }
};

TEST_F(DosConvertTest, VersionsBelow2102AreRefusedWithTheirNumber) {
    for (const int version : {0, 1999, 2101}) {
        CDosConvert convert;
        ui->ClearRecords();
        EXPECT_FALSE(Read(convert, DosHeader(version).File())) << version;
        ASSERT_EQ(Messages(), std::vector<UINT>{IDS_DOS_VERSION}) << version;
    }
    EXPECT_EQ(MessageTexts()[0],
              "[v2.101]このバージョンは未対応です\n一旦最新のDOS版KELVAで保存し直してください");
}

TEST_F(DosConvertTest, Block2TakesItsLayoutByVersion) {
    // 2102 and 4099: the older 5605 bytes, moved into the current layout.
    for (const int version : {2102, 4099}) {
        DosHeader header(version);
        header.block2.Word(1468, 1);                     // same place in both layouts
        header.block2.Word(2929, 7).Word(2929 + 126, 8); // ends of the part that moves to 4221
        header.block2.Text(4461 + 2, J("鉄筋"));         // the first resource name (5755)
        header.block2.Word(4461 + 542, 9);               // the end of the part that moves to 5753
        header.block2.Dword(3761, 0x01020304);           // the process count (5053)
        header.block2.Text(2353 + 42, J("名前")).Text(2353 + 182, J("行一"));
        header.block2.Text(2609 + 42, J("施工")).Text(2609 + 226, J("行五"));
        CDosConvert convert;
        ASSERT_TRUE(Read(convert, header.File() + "tail")) << version;
        const Dos::Bytes& b2 = convert.GetBlock2();
        EXPECT_EQ(b2.Size(), 7409u);
        EXPECT_EQ(convert.m_nChartMode, 1);
        EXPECT_EQ(b2.Word(4221), 7);
        EXPECT_EQ(b2.Word(4221 + 126), 8);
        EXPECT_EQ(b2.Word(2929), 0) << "nothing stays at its old place";
        EXPECT_EQ(b2.Text(5755, 41), J("鉄筋"));
        EXPECT_EQ(b2.Word(5753 + 542), 9);
        EXPECT_EQ(b2.Dword(5053), 0x01020304u);
        // The company records: their texts in the longer fields of the current record.
        EXPECT_EQ(b2.Text(2353 + 42, 129), J("名前"));
        EXPECT_EQ(b2.Text(2353 + 182, 129), J("行一"));
        EXPECT_EQ(b2.Text(3255 + 42, 129), J("施工"));
        EXPECT_EQ(b2.Text(3255 + 698, 129), J("行五"));
    }
    // 4100: the 7409 bytes as they stand.
    DosHeader header(4100);
    header.block2.Word(4221, 7).Word(7407, 5);
    CDosConvert convert;
    ASSERT_TRUE(Read(convert, header.File()));
    EXPECT_EQ(convert.GetBlock2().Word(4221), 7);
    EXPECT_EQ(convert.GetBlock2().Word(7407), 5);
    EXPECT_TRUE(Messages().empty());
}

TEST_F(DosConvertTest, AHeaderThatBreaksOffIsRefusedAsADamagedFile) {
    const std::string whole = DosHeader(4100).File();
    for (const std::size_t size :
         {std::size_t{0}, std::size_t{2594}, std::size_t{2595}, whole.size() - 1}) {
        ui->ClearRecords();
        CDosConvert convert;
        EXPECT_FALSE(Read(convert, whole.substr(0, size))) << size;
        EXPECT_EQ(Messages(), std::vector<UINT>{IDS_FILE_DAMAGED}) << size;
    }
    ui->ClearRecords();
    CDosConvert old;
    EXPECT_FALSE(Read(old, DosHeader(3000).File().substr(0, 2595 + 5604)));
    EXPECT_EQ(Messages(), std::vector<UINT>{IDS_FILE_DAMAGED});
}

TEST(DosTablesTest, Colours) {
    const COLORREF white = RGB(255, 255, 255), blue = RGB(0, 0, 255), red = RGB(255, 0, 0),
                   magenta = RGB(255, 0, 255), green = RGB(0, 255, 0), cyan = RGB(0, 255, 255),
                   yellow = RGB(255, 255, 0), black = RGB(0, 0, 0), grey = RGB(192, 192, 192);
    const COLORREF expected[] = {white, blue, red,     magenta, green, cyan,   yellow, black, cyan,
                                 blue,  red,  magenta, grey,    cyan,  yellow, grey,   black};
    for (int index = 0; index <= 16; ++index) {
        EXPECT_EQ(CDosConvert::DosColorToRgb(index), expected[index]) << index;
    }
    EXPECT_EQ(CDosConvert::DosColorToRgb(-1), black);
    // And back: each colour to its first index; grey to 12, any other colour black.
    for (const auto& [color, index] : {std::pair{white, 0},
                                       {blue, 1},
                                       {red, 2},
                                       {magenta, 3},
                                       {green, 4},
                                       {cyan, 5},
                                       {yellow, 6},
                                       {black, 7},
                                       {grey, 12},
                                       {RGB(1, 2, 3), 7}}) {
        EXPECT_EQ(CDosConvert::RgbToDosColor(color), index);
    }
}

TEST(DosTablesTest, Papers) {
    struct Case {
        int paper, orientation, winPaper, winOrientation;
    };
    for (const Case& c : {Case{0, 1, 0, 0},
                          {1, 0, 1, 0},
                          {2, 0, 2, 0},
                          {2, 1, 3, 1},
                          {3, 1, 3, 1},
                          {3, 0, 2, 0},
                          {4, 1, 4, 0},
                          {5, 0, 4, 0},
                          {6, 0, 5, 0},
                          {7, 0, 5, 0},
                          {7, 1, 5, 0}}) {
        int paper = c.paper;
        int orientation = c.orientation;
        CDosConvert::DosPaperToWin(paper, orientation);
        EXPECT_EQ(paper, c.winPaper) << c.paper << "," << c.orientation;
        EXPECT_EQ(orientation, c.winOrientation) << c.paper << "," << c.orientation;
    }
    for (const Case& c : {Case{0, 0, 0, 0},
                          {1, 0, 1, 0},
                          {2, 0, 2, 0},
                          {2, 1, 3, 0},
                          {4, 0, 4, 0},
                          {6, 0, 5, 0},
                          {1, 0, 9, 1}}) {
        int paper = c.winPaper;
        int orientation = c.winOrientation;
        CDosConvert::WinPaperToDos(paper, orientation);
        EXPECT_EQ(paper, c.paper) << c.winPaper;
        EXPECT_EQ(orientation, c.orientation) << c.winPaper;
    }
}

TEST(DosTablesTest, ElapsedDayWords) {
    struct Case {
        int unit, month, day;
        std::int64_t days;
    };
    for (const Case& c : {Case{0, 2, 3, 32},
                          {0, 0, 1, 0},
                          {0, 0, 0, 0},
                          {0, 1, 1, 0},
                          {0, -1, 5, -26},
                          {1, 7, -2, -2},
                          {1, 0, 1, 0},
                          {1, 9, 40, 39}}) {
        const Dos::DateWords words{0, static_cast<WORD>(c.month), static_cast<WORD>(c.day)};
        EXPECT_EQ(CDosConvert::DosDays(words, c.unit), c.days)
            << c.unit << ": " << c.month << "/" << c.day;
    }
    // The words written for a day count read back as that count, either way of splitting.
    for (const int unit : {0, 1}) {
        for (const std::int64_t days : {-61, -35, -30, -5, 0, 1, 29, 30, 31, 400}) {
            for (const bool floorMonths : {false, true}) {
                EXPECT_EQ(
                    CDosConvert::DosDays(CDosConvert::NobeDaysToDos(days, unit, floorMonths), unit),
                    days)
                    << unit << " " << days << " " << floorMonths;
            }
        }
    }
}

TEST(DosTablesTest, RecordDatesKeepToTheCalendar) {
    CDosConvert convert;
    const CTime none;
    // A calendar-date chart: the words as a date, impossible ones and those outside 1991 to 2037
    // not at all.
    EXPECT_EQ(convert.DecodeDate({2000, 2, 29, 13, 5, 7}, none), CTime(2000, 2, 29, 13, 5, 7));
    EXPECT_EQ(convert.DecodeDate({1991, 1, 1}, none), CTime(1991, 1, 1));
    EXPECT_EQ(convert.DecodeDate({2020, 12, 31, 23, 59, 59}, none),
              CTime(2020, 12, 31, 23, 59, 59));
    EXPECT_EQ(convert.DecodeDate({2026, 12, 10}, none), CTime(2026, 12, 10));
    EXPECT_EQ(convert.DecodeDate({2037, 12, 31, 23, 59, 59}, none),
              CTime(2037, 12, 31, 23, 59, 59));
    for (const Dos::DateWords& words : {Dos::DateWords{1999, 2, 29},
                                        {1999, 13, 1},
                                        {1999, 4, 31},
                                        {1999, 4, 0},
                                        {1999, 0, 1},
                                        {1999, 4, 1, 24},
                                        {1999, 4, 1, 0, 60},
                                        {1990, 12, 31},
                                        {2038, 1, 1},
                                        {}}) {
        EXPECT_FALSE(convert.DecodeDate(words, none))
            << words[0] << "/" << words[1] << "/" << words[2];
    }
    // An elapsed-day chart: a day count from the base; the year word does not count.
    convert.m_nChartMode = 1;
    const CTime base(2000, 1, 1);
    EXPECT_EQ(convert.DecodeDate({1234, 2, 3}, base), CTime(2000, 2, 2));
    EXPECT_EQ(convert.DecodeDate({0, 0, 0}, base), base);
    EXPECT_FALSE(convert.DecodeDate({0, 400, 1}, CTime(2020, 1, 1)));
}

} // namespace
} // namespace tembra
