// The file form of a process: the layout of its parts, older versions and what they lack, round
// trips at every version, the terms and the counter that make a load fail, the numbers handed
// out by the counter, and the link records that save a process and replace its links.
#include "KouteiTestSupport.h"

#include "model/Utility.h"
#include "platform/Archive.h"
#include "support/ScriptedUi.h"

#include <memory>
#include <vector>

namespace tembra {
namespace {

using test::Bytes;
using test::ByteWriter;
using test::Date;
using test::Days;
using test::kDay;
using test::KouteiDocument;
using test::Load;
using test::SampleKoutei;
using test::Store;

DWORD TimeValue(const CTime& t) {
    return static_cast<DWORD>(t.GetTime());
}

// ---- File form ------------------------------------------------------------------------------

// The bytes of the sample without terms and resources, written out from the record layouts.
Bytes SampleBytes58000() {
    const CTime start = Date(2000, 1, 10);
    const CTime end = Date(2000, 1, 20);
    ByteWriter w;
    w.Header(1, 1).Word(3).Dword(7);
    // Line set: position, attributes, bend offset, reserved.
    w.Header(1, 2).Dword(TimeValue(start)).Dword(TimeValue(end)).Word(3).Word(5).Zeros(8);
    w.Word(2).Word(5).Word(1).Word(2).Dword(RGB(255, 0, 0)).Word(1).Word(12);
    w.Word(2).Zeros(14);
    // Start node and end node: position, attributes, tied number, reserved.
    w.Header(1, 3).Dword(TimeValue(start)).Dword(0).Word(3).Word(0).Zeros(8);
    w.Word(1).Word(7).Dword(RGB(0, 0, 255)).Word(80).Word(0).Dword(0).Zeros(10);
    w.Header(1, 3).Dword(TimeValue(end)).Dword(0).Word(5).Word(0).Zeros(8);
    w.Word(1).Word(7).Dword(RGB(0, 0, 255)).Word(80).Word(9).Dword(11).Zeros(10);
    // Empty resource list: header, label head, no font, no entries.
    w.Header(1, 5).Zeros(kElemAttrHeadSize).Word(0);
    // Spare days, start offset, duration; no terms; relation line; reserved.
    w.Dword(2 * kDay).Dword(8 * kDay).Dword(9 * kDay);
    w.Word(0).Word(1).Zeros(14);
    return w.Get();
}

TEST(KouteiFileTest, StoresTheLayoutOfItsParts) {
    auto koutei = SampleKoutei();
    koutei->SetYogoCount(0);
    koutei->SetShigen(nullptr);
    koutei->SetStartOffset(Days(100)); // stale: recalculated before it is written
    KouteiDocument doc;
    EXPECT_EQ(Store(*koutei, doc), SampleBytes58000());
}

TEST(KouteiFileTest, ReadsAVersion20000FileAndFillsWhatItLacks) {
    const CTime start = Date(2000, 1, 10);
    const CTime end = Date(2000, 1, 20);
    ByteWriter w;
    w.Header(1, 1);
    // Old positions: A, B, C (rows in its halves), D.
    w.Header(1, 2).Dword(TimeValue(start)).Dword(TimeValue(end)).Dword(MAKELONG(3, 5)).Dword(0);
    w.Word(2).Word(5).Word(1).Word(2).Dword(RGB(255, 0, 0)).Word(1).Word(12);
    w.Word(2).Zeros(14);
    w.Header(1, 3).Dword(TimeValue(start)).Dword(0).Dword(3).Dword(0);
    w.Word(1).Word(7).Dword(0).Word(80).Word(0).Dword(0).Zeros(10);
    w.Header(1, 3).Dword(TimeValue(end)).Dword(0).Dword(5).Dword(0);
    w.Word(1).Word(7).Dword(0).Word(80).Word(0).Dword(0).Zeros(10);
    w.Word(0).Word(0).Zeros(14);

    KouteiDocument doc(20000);
    doc.m_seq.Set(0, 41);
    CKoutei koutei;
    Load(w.Get(), koutei, doc);

    EXPECT_EQ(koutei.GetSeqNumber(), CObSeqNumber(0, 42));
    EXPECT_EQ(koutei.GetStartTime(), start);
    EXPECT_EQ(koutei.GetEndTime(), end);
    EXPECT_EQ(koutei.GetStartRow(), 3);
    EXPECT_EQ(koutei.GetEndRow(), 5);
    EXPECT_EQ(koutei.GetLines()->GetAttr().m_subStyle, 5);
    EXPECT_EQ(koutei.GetLines()->GetAttr().m_hatch, CKouteiLines::kNoHatch);
    EXPECT_EQ(koutei.GetLines()->GetBendOffset(), 0);
    EXPECT_EQ(koutei.GetStartLand()->GetSize(), CLand::kDefaultSize);
    EXPECT_EQ(koutei.GetEndLand()->GetSize(), CLand::kDefaultSize);
    EXPECT_EQ(koutei.GetStartOffset(), Days(8));
    EXPECT_EQ(koutei.GetDuration(), Days(9));
    EXPECT_EQ(koutei.GetSpareDays(), Days(0));
    EXPECT_EQ(koutei.IsSelected(), 0);
}

struct RoundTripCase {
    int version;
    bool keepsSeq;      // from 22000
    bool keepsSpare;    // from 21100 (older files get their spans recalculated)
    bool keepsShigen;   // from 40000
    bool keepsBend;     // from 31000 (bend offset and node size)
    bool keepsHatch;    // from 21000
    bool keepsSubStyle; // from 11000
};

class KouteiRoundTripTest : public testing::TestWithParam<RoundTripCase> {};

TEST_P(KouteiRoundTripTest, KeepsWhatTheVersionHoldsAndDefaultsTheRest) {
    const RoundTripCase& c = GetParam();
    auto original = SampleKoutei();
    KouteiDocument doc(c.version);
    doc.m_seq.Set(0, 41);
    const Bytes bytes = Store(*original, doc);

    CKoutei loaded;
    Load(bytes, loaded, doc);

    EXPECT_EQ(loaded.GetSeqNumber(), c.keepsSeq ? CObSeqNumber(3, 7) : CObSeqNumber(0, 42));
    EXPECT_EQ(loaded.GetStartTime(), Date(2000, 1, 10));
    EXPECT_EQ(loaded.GetEndTime(), Date(2000, 1, 20));
    EXPECT_EQ(loaded.GetStartRow(), 3);
    EXPECT_EQ(loaded.GetEndRow(), 5);
    EXPECT_EQ(loaded.GetStartLand()->GetPos().GetStartRow(), 3);
    EXPECT_EQ(loaded.GetEndLand()->GetPos().GetStartDate(), Date(2000, 1, 20));
    EXPECT_EQ(loaded.GetEndLandNo(), CObSeqNumber(9, 11));

    const CKouteiAttr& attr = loaded.GetLines()->GetAttr();
    EXPECT_EQ(attr.m_subStyle, c.keepsSubStyle ? 5 : 0);
    EXPECT_EQ(attr.m_hatch, c.keepsHatch ? 12 : CKouteiLines::kNoHatch);
    EXPECT_EQ(attr.m_color, RGB(255, 0, 0));
    EXPECT_EQ(attr.m_holiday, 1);
    EXPECT_EQ(loaded.GetLines()->GetBendOffset(), c.keepsBend ? 2 : 0);
    EXPECT_EQ(loaded.GetStartLand()->GetSize(), c.keepsBend ? 80 : CLand::kDefaultSize);
    EXPECT_EQ(loaded.GetStartLand()->GetSubStyle(), 7);

    EXPECT_EQ(loaded.GetShigenCount(), c.keepsShigen ? 1 : 0);
    EXPECT_EQ(loaded.GetStartOffset(), Days(8));
    EXPECT_EQ(loaded.GetDuration(), Days(9));
    EXPECT_EQ(loaded.GetSpareDays(), c.keepsSpare ? Days(2) : Days(0));
    EXPECT_LE(loaded.GetSpareDays(), loaded.GetDuration());

    ASSERT_EQ(loaded.GetYogoCount(), 2);
    EXPECT_EQ(loaded.GetYogo(0)->GetText(), "first");
    EXPECT_EQ(loaded.GetYogo(1)->GetText(), "second");
    EXPECT_EQ(loaded.IsRelationLine(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Versions, KouteiRoundTripTest,
    testing::Values(RoundTripCase{10000, false, false, false, false, false, false},
                    RoundTripCase{20000, false, false, false, false, false, true},
                    RoundTripCase{21000, false, false, false, false, true, true},
                    RoundTripCase{21100, false, true, false, false, true, true},
                    RoundTripCase{22000, true, true, false, false, true, true},
                    RoundTripCase{31000, true, true, false, true, true, true},
                    RoundTripCase{40000, true, true, true, true, true, true},
                    RoundTripCase{58000, true, true, true, true, true, true}),
    [](const testing::TestParamInfo<RoundTripCase>& info) {
        return "V" + std::to_string(info.param.version);
    });

TEST(KouteiFileTest, SpareDaysLongerThanTheDurationAreCutWhenStored) {
    auto koutei = SampleKoutei();
    koutei->SetSpareDays(Days(20));
    KouteiDocument doc;
    const Bytes bytes = Store(*koutei, doc);
    CKoutei loaded;
    Load(bytes, loaded, doc);
    EXPECT_EQ(loaded.GetSpareDays(), Days(9));
}

TEST(KouteiFileTest, OldProcessesAreNumberedOnlyWhenTheWholeDocumentIsRead) {
    struct Case {
        int version;
        int mergeMode;
        CObSeqNumber number;
        WORD selected;
    };
    const Case cases[] = {
        {21100, kMergeModeWhole, CObSeqNumber(0, 42), 0},
        {21100, 0, CObSeqNumber(0, 0), 1},
        {58000, kMergeModeWhole, CObSeqNumber(3, 7), 0},
        {58000, 0, CObSeqNumber(3, 7), 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.version << " merge " << c.mergeMode);
        auto original = SampleKoutei();
        KouteiDocument doc(c.version);
        const Bytes bytes = Store(*original, doc);
        doc.m_seq.Set(0, 41);
        doc.m_mergeMode = c.mergeMode;
        CKoutei loaded;
        Load(bytes, loaded, doc);
        EXPECT_EQ(loaded.GetSeqNumber(), c.number);
        EXPECT_EQ(loaded.IsSelected(), c.selected);
        EXPECT_EQ(loaded.IsLinesSelected(), c.selected);
        EXPECT_EQ(loaded.IsEndLandSelected(), c.selected);
    }
}

// The sample's bytes with the term count replaced.
Bytes WithTermCount(WORD count) {
    Bytes bytes = SampleBytes58000();
    const std::size_t at = bytes.size() - 14 - 2 - 2;
    bytes[at] = static_cast<BYTE>(count & 0xFF);
    bytes[at + 1] = static_cast<BYTE>(count >> 8);
    return bytes;
}

TEST(KouteiFileTest, ATermCountAboveThirtyFailsTheLoadAsADamagedFile) {
    for (WORD count : {WORD{31}, WORD{1000}, WORD{0xFFFF}}) {
        SCOPED_TRACE(count);
        test::ScopedUi ui;
        KouteiDocument doc;
        CKoutei koutei;
        EXPECT_THROW(Load(WithTermCount(count), koutei, doc), CUserException);
        ASSERT_EQ(ui->MessageBoxes().size(), 1u);
        EXPECT_EQ(ui->MessageBoxes()[0].stringId, IDS_FILE_DAMAGED);
        EXPECT_EQ(ui->MessageBoxes()[0].text, "ファイルが異常です");
        EXPECT_EQ(koutei.GetYogoCount(), 0);
    }
}

TEST(KouteiFileTest, ATermCountWithoutItsTermsIsAnArchiveError) {
    KouteiDocument doc;
    CKoutei koutei;
    EXPECT_THROW(Load(WithTermCount(2), koutei, doc), CArchiveException);
}

TEST(KouteiFileTest, AnExhaustedCounterFailsTheLoadOfAnUnnumberedProcess) {
    test::ScopedUi ui;
    auto original = SampleKoutei();
    KouteiDocument doc(21000);
    const Bytes bytes = Store(*original, doc);
    doc.m_seq.Set(0xFFFF, 0xFFFFFFFF);
    CKoutei loaded;
    EXPECT_THROW(Load(bytes, loaded, doc), CUserException);
    ASSERT_EQ(ui->MessageBoxes().size(), 1u);
    EXPECT_EQ(ui->MessageBoxes()[0].stringId, IDS_SEQNUMBER_EXHAUSTED);
    EXPECT_EQ(doc.m_seq, CObSeqNumber(0xFFFF, 0xFFFFFFFF));
}

// ---- Numbers --------------------------------------------------------------------------------

TEST(KouteiNumberTest, NumbersComeFromTheCounterAndAreNeverHandedOutTwice) {
    CSeqNumberCtrl counter;
    CKoutei first;
    CKoutei second;
    EXPECT_TRUE(first.AssignSeqNumber(counter));
    EXPECT_TRUE(second.AssignSeqNumber(counter));
    EXPECT_EQ(first.GetSeqNumber(), CObSeqNumber(0, 1));
    EXPECT_EQ(second.GetSeqNumber(), CObSeqNumber(0, 2));

    test::ScopedUi ui;
    counter.Set(0xFFFF, 0xFFFFFFFF);
    CKoutei third;
    EXPECT_FALSE(third.AssignSeqNumber(counter));
    EXPECT_TRUE(third.GetSeqNumber().IsNull());
    EXPECT_EQ(ui->MessageBoxes().size(), 1u);
}

// ---- Link records ---------------------------------------------------------------------------

TEST(KouteiLinkTest, SavesTheProcessAndReplacesLinks) {
    auto koutei = SampleKoutei();
    CKoutei a;
    CKoutei b;
    CKoutei c;
    auto link = std::make_unique<CKouteiLink>(koutei.get());
    EXPECT_EQ(link->GetSavedStart(), Date(2000, 1, 10));
    EXPECT_EQ(link->GetSavedEnd(), Date(2000, 1, 20));
    EXPECT_EQ(link->GetSavedSpareDays(), Days(2));

    koutei->SetEndDate(Date(2000, 1, 25));
    EXPECT_EQ(link->GetSavedEnd(), Date(2000, 1, 20));
    link->Refresh();
    EXPECT_EQ(link->GetSavedEnd(), Date(2000, 1, 25));

    link->AddLink(&a);
    link->AddLink(&b);
    EXPECT_TRUE(link->IsLinked(&b));
    EXPECT_FALSE(link->IsLinked(&c));
    EXPECT_EQ(link->ReplaceLink(&b, &c), 2u);
    EXPECT_EQ(link->ReplaceLink(&b, &c), 0u);
    EXPECT_EQ(link->GetLinks(), (std::vector<CKoutei*>{&a, &c}));

    CKouteiLink copy;
    EXPECT_EQ(copy.GetKoutei(), nullptr);
    copy.CopyFrom(*link);
    EXPECT_EQ(copy.GetKoutei(), koutei.get());
    EXPECT_EQ(copy.GetSavedEnd(), Date(2000, 1, 25));
    EXPECT_TRUE(copy.GetLinks().empty());

    link.reset(); // must leave the linked processes alone
    EXPECT_EQ(a.GetYogoCount(), 0);
}

} // namespace
} // namespace tembra
