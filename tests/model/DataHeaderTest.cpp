#include "model/DataHeader.h"
#include "model/ChartPos.h"

#include "platform/Archive.h"
#include "support/ArchiveBytes.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace tembra {
namespace {

using test::Bytes;
using test::Load;
using test::Store;

// A record as every record constructor sets it up.
class TestRecord : public CDataHeader {
public:
    TestRecord(WORD type, WORD kind) : CDataHeader(type, kind) {}
};

// ---- Header -----------------------------------------------------------------------------------

TEST(DataHeaderTest, DefaultEventHeaderBytes) {
    TestRecord event(kTypeEvent, kKindEvent);
    Bytes expected = {0x06, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00,
                      0x00, 0x00, 0xE8, 0x03, 0x00, 0x00, 0x00, 0x00};
    expected.resize(CDataHeader::kFileSize, 0);
    EXPECT_EQ(Store([&](CArchive& ar) { event.Serialize(ar); }), expected);

    // The bare header starts with all eight words 0.
    CDataHeader bare;
    EXPECT_EQ(Store([&](CArchive& ar) { bare.Serialize(ar); }), Bytes(32, 0));
}

TEST(DataHeaderTest, ReservedBytesAreReadThenZeroedOnStore) {
    Bytes stored;
    for (WORD w = 1; w <= 8; ++w) {
        stored.push_back(static_cast<BYTE>(w * 0x11));
        stored.push_back(static_cast<BYTE>(w));
    }
    stored.resize(CDataHeader::kFileSize, 0xAA);

    CDataHeader header;
    Load(stored, [&](CArchive& ar) { header.Serialize(ar); });
    EXPECT_EQ(header.GetType(), 0x0111);
    EXPECT_EQ(header.GetWord2(), 0x0222);
    EXPECT_EQ(header.GetKind(), 0x0333);
    EXPECT_EQ(header.GetWord4(), 0x0444);
    EXPECT_EQ(header.GetWord5(), 0x0555);
    EXPECT_EQ(header.GetWord6(), 0x0666);
    EXPECT_EQ(header.GetLayer(), 0x0777);
    EXPECT_EQ(header.IsSelected(), 0x0888);
    EXPECT_EQ(header.GetReserved()[0], 0xAA);

    Bytes expected(stored.begin(), stored.begin() + 16);
    expected.resize(CDataHeader::kFileSize, 0);
    EXPECT_EQ(Store([&](CArchive& ar) { header.Serialize(ar); }), expected);
    EXPECT_EQ(header.GetReserved()[0], 0);
}

TEST(DataHeaderTest, AsAnObjectItIsNamedCDataHeader) {
    TestRecord record(kTypeKoutei, kKindLand);
    CDataHeader header;
    header = record; // a plain header with the record's words
    const Bytes bytes = Store([&](CArchive& ar) { ar << &header; });
    const char name[] = "CDataHeader";
    ASSERT_EQ(bytes.size(), 6 + std::strlen(name) + CDataHeader::kFileSize);
    EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 6), (Bytes{0xFF, 0xFF, 0x01, 0x00, 11, 0x00}));

    Load(bytes, [&](CArchive& ar) {
        auto back = ar.ReadOwned<CDataHeader>();
        EXPECT_EQ(back->GetType(), kTypeKoutei);
        EXPECT_EQ(back->GetKind(), kKindLand);
        EXPECT_EQ(back->GetWord6(), kHeaderWord6Default);
    });
}

TEST(DataHeaderTest, CopyAndSelection) {
    Bytes stored(CDataHeader::kFileSize, 0x55);
    CDataHeader source;
    Load(stored, [&](CArchive& ar) { source.Serialize(ar); });

    CDataHeader copy;
    copy = source;
    EXPECT_EQ(copy.GetType(), 0x5555);
    EXPECT_EQ(copy.IsSelected(), 0x5555);
    EXPECT_EQ(copy.GetReserved(), source.GetReserved());

    copy = *&copy; // assigning a header to itself leaves it as it was
    EXPECT_EQ(copy.GetWord5(), 0x5555);
    EXPECT_EQ(copy.GetReserved(), source.GetReserved());

    EXPECT_EQ(copy.Select(), &copy);
    EXPECT_EQ(copy.IsSelected(), 1);
    EXPECT_EQ(copy.Deselect(), &copy);
    EXPECT_EQ(copy.IsSelected(), 0);
    copy.SetWord6(7);
    copy.InitWord6();
    EXPECT_EQ(copy.GetWord6(), 1000);
}

// ---- Chart position ---------------------------------------------------------------------------

CChartPos SamplePos() {
    CChartPos pos;
    pos.SetStartDateValue(0x11223344);
    pos.SetEndDateValue(0x55667788);
    pos.SetStartRow(3);
    pos.SetEndRow(5);
    pos.SetWord3(0x0A0B);
    pos.SetWord4(6);
    pos.SetWord5(7);
    pos.SetWord6(0x0C0D);
    return pos;
}

TEST(ChartPosTest, TwentyByteForm) {
    const Bytes expected = {0x44, 0x33, 0x22, 0x11, 0x88, 0x77, 0x66, 0x55, 0x03, 0x00,
                            0x05, 0x00, 0x0B, 0x0A, 0x06, 0x00, 0x07, 0x00, 0x0D, 0x0C};
    const CChartPos pos = SamplePos();
    const Bytes bytes = Store([&](CArchive& ar) { CChartPos(pos).Serialize(ar); }, 31000);
    EXPECT_EQ(bytes, expected);
    CChartPos back;
    Load(
        bytes, [&](CArchive& ar) { back.Serialize(ar); }, 31000);
    EXPECT_EQ(back, pos);
}

TEST(ChartPosTest, OldFormIsConvertedBelow31000) {
    // A, B, C = rows 3 (low) and 5 (high), D = words 6 (low) and 7 (high).
    const Bytes old = {0x44, 0x33, 0x22, 0x11, 0x88, 0x77, 0x66, 0x55,
                       0x03, 0x00, 0x05, 0x00, 0x06, 0x00, 0x07, 0x00};
    CChartPos pos = SamplePos();
    Load(
        old, [&](CArchive& ar) { pos.Serialize(ar); }, 30999);
    EXPECT_EQ(pos.GetStartDateValue(), 0x11223344u);
    EXPECT_EQ(pos.GetEndDateValue(), 0x55667788u);
    EXPECT_EQ(pos.GetStartRow(), 3);
    EXPECT_EQ(pos.GetEndRow(), 5);
    EXPECT_EQ(pos.GetWord3(), 0);
    EXPECT_EQ(pos.GetWord4(), 6);
    EXPECT_EQ(pos.GetWord5(), 7);
    EXPECT_EQ(pos.GetWord6(), 0);

    // Saved for such a version it takes the old form again.
    EXPECT_EQ(Store([&](CArchive& ar) { pos.Serialize(ar); }, 30999), old);

    CChartPos direct;
    direct.SetFromOldForm(0, 0, 0x00050003, 0);
    EXPECT_EQ(direct.GetStartRow(), 3);
    EXPECT_EQ(direct.GetEndRow(), 5);
}

TEST(ChartPosTest, DatesAsTimeValues) {
    CChartPos pos;
    pos.SetStartDate(CTime(1999, 4, 1));
    pos.SetEndDate(CTime(1999, 9, 30));
    EXPECT_EQ(pos.GetStartDate(), CTime(1999, 4, 1));
    EXPECT_EQ(pos.GetEndDate(), CTime(1999, 9, 30));
    EXPECT_EQ(static_cast<std::int64_t>(pos.GetStartDateValue()), CTime(1999, 4, 1).GetTime());
}

// ---- Font record ------------------------------------------------------------------------------

TEST(LogFont16Test, FiftyBytesWithSixteenBitMetrics) {
    LOGFONT lf;
    lf.lfHeight = -12;
    lf.lfWidth = 6;
    lf.lfEscapement = 900;
    lf.lfOrientation = -900;
    lf.lfWeight = 700;
    lf.lfItalic = 1;
    lf.lfCharSet = SHIFTJIS_CHARSET;
    lf.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
    lf.SetFaceName("\x82\x6c\x82\x72 \x96\xbe\x92\xa9"); // ＭＳ 明朝

    const Bytes bytes = Store([&](CArchive& ar) { LogFont16::Store(ar, lf); });
    ASSERT_EQ(bytes.size(), LogFont16::kSize);
    const Bytes head = {0xF4, 0xFF, 0x06, 0x00, 0x84, 0x03, 0x7C, 0xFC, 0xBC,
                        0x02, 0x01, 0x00, 0x00, 0x80, 0x00, 0x00, 0x00, 0x31};
    EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 18), head);
    EXPECT_EQ(std::memcmp(bytes.data() + 18, lf.lfFaceName, LF_FACESIZE), 0);

    LOGFONT back;
    Load(bytes, [&](CArchive& ar) { LogFont16::Serialize(ar, back); });
    EXPECT_EQ(back, lf);
}

TEST(LogFont16Test, MetricsAreCutToSixteenBitsAndSignExtended) {
    struct Case {
        LONG stored;
        LONG loaded;
    };
    const std::vector<Case> cases = {
        {-12, -12},
        {700, 700},
        {32767, 32767},
        {-32768, -32768},
        {40000, 40000 - 65536},
        {-70000, -70000 + 65536},
    };
    for (const Case& c : cases) {
        LOGFONT lf;
        lf.lfHeight = c.stored;
        BYTE bytes[LogFont16::kSize];
        LogFont16::FromLogFont(lf).ToBytes(bytes);
        EXPECT_EQ(LogFont16::FromBytes(bytes).ToLogFont().lfHeight, c.loaded) << c.stored;
    }
}

} // namespace
} // namespace tembra
