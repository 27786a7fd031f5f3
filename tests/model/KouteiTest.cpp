#include "model/Koutei.h"

#include "model/Calendar.h"
#include "model/ChartPos.h"
#include "model/KouteiDrag.h"
#include "model/Utility.h"
#include "platform/Archive.h"
#include "platform/Document.h"
#include "support/ArchiveBytes.h"
#include "support/ScriptedUi.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tembra {
namespace {

using test::Bytes;
using test::ByteWriter;
using test::Load;
using test::Store;

constexpr std::int64_t kDay = 86400;

CTime Date(int year, int month, int day) {
    return CTime(year, month, day);
}

CTimeSpan Days(std::int64_t days) {
    return CTimeSpan(days * kDay);
}

// A chart document as processes see it: a working calendar with holidays on 2000-01-05 and
// 2000-01-15, the elapsed-day base date 2000-01-01 and a sequence counter.
class KouteiDocument : public test::VersionDocument, public IKouteiDocument, public ILabelDocument {
public:
    explicit KouteiDocument(int version = kCurrentFileVersion) : VersionDocument(version) {
        m_calendar.Clear();
        m_calendar.AddDayFlag(2000, 1, 5, CCalendar::kRuleHoliday);
        m_calendar.AddDayFlag(2000, 1, 15, CCalendar::kRuleHoliday);
    }

    int GetMergeMode() const override { return m_mergeMode; }
    CSeqNumberCtrl& GetSeqNumberCtrl() override { return m_seq; }
    const CCalendar* GetCalendar() const override { return &m_calendar; }
    CTime GetNobeBaseDate() const override { return m_baseDate; }
    LONG GetHolidayAuto() const override { return m_holidayAuto; }
    void UpdateAllViewsWith(CObject* hint) override { m_hints.push_back(hint); }
    CKoutei* FindKouteiByNumber(const CObSeqNumber&, int, bool) const override { return nullptr; }
    LOGFONT GetYogoFont() const override { return {}; }
    LOGFONT GetShigenFont() const override { return {}; }
    int GetNobeMode() const override { return 1; }

    int m_mergeMode = kMergeModeWhole;
    CSeqNumberCtrl m_seq;
    CCalendar m_calendar;
    CTime m_baseDate = Date(2000, 1, 1);
    LONG m_holidayAuto = 1;
    std::vector<CObject*> m_hints;
};

DWORD TimeValue(const CTime& t) {
    return static_cast<DWORD>(t.GetTime());
}

std::unique_ptr<CYogo> Term(const std::string& text, WORD part = kYogoOnLine) {
    auto term = std::make_unique<CYogo>();
    term->SetText(text);
    term->SetDateKind(part);
    return term;
}

// 2000-01-10 to 2000-01-20 on rows 3 to 5, counted through the calendar (one holiday before the
// start, one inside): start offset 8 days, duration 9 days; 2 spare days.
std::unique_ptr<CKoutei> SampleKoutei() {
    auto koutei = std::make_unique<CKoutei>();
    koutei->SetStartDate(Date(2000, 1, 10));
    koutei->SetEndDate(Date(2000, 1, 20));
    koutei->SetStartRow(3);
    koutei->SetEndRow(5);
    koutei->SetSeqNumber(3, 7);
    koutei->SetRelationLine(1);
    koutei->SetSpareDays(Days(2));

    CKouteiAttr attr;
    attr.m_style = 2;
    attr.m_subStyle = 5;
    attr.m_type = 1;
    attr.m_width = 2;
    attr.m_color = RGB(255, 0, 0);
    attr.m_holiday = 1;
    attr.m_hatch = 12;
    koutei->GetLines()->SetAttr(attr);
    koutei->GetLines()->SetBendOffset(2);

    CLandAttr node;
    node.m_style = 1;
    node.m_type = 7;
    node.m_color = RGB(0, 0, 255);
    node.m_size = 80;
    koutei->GetStartLand()->SetAttr(node);
    koutei->GetEndLand()->SetAttr(node);
    koutei->SetEndLandNo(9, 11);

    auto shigen = std::make_unique<CShigen>();
    shigen->AddShigenData(std::make_unique<CShigenData>(2, 4));
    koutei->SetShigen(std::move(shigen));

    for (const char* text : {"first", "second"}) {
        auto term = Term(text);
        EXPECT_TRUE(koutei->AddYogo(term, TRUE));
    }
    return koutei;
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

// ---- Terms ----------------------------------------------------------------------------------

std::vector<std::string> Texts(const CKoutei& koutei) {
    std::vector<std::string> out;
    for (int i = 0; i < koutei.GetYogoCount(); ++i) {
        out.push_back(koutei.GetYogo(i)->GetText());
    }
    return out;
}

TEST(KouteiYogoTest, NewTermsGoInFrontOrAtTheEnd) {
    CKoutei koutei;
    const std::pair<const char*, BOOL> adds[] = {{"a", TRUE}, {"b", TRUE}, {"c", FALSE}};
    for (const auto& [text, atEnd] : adds) {
        auto term = Term(text);
        EXPECT_TRUE(koutei.AddYogo(term, atEnd));
        EXPECT_TRUE(term == nullptr) << "the process owns an attached term";
    }
    EXPECT_EQ(Texts(koutei), (std::vector<std::string>{"c", "a", "b"}));

    std::unique_ptr<CYogo> none;
    EXPECT_FALSE(koutei.AddYogo(none, TRUE));
    EXPECT_EQ(koutei.GetYogoCount(), 3);
}

TEST(KouteiYogoTest, AThirtyFirstTermIsRefusedWithAMessage) {
    test::ScopedUi ui;
    CKoutei koutei;
    for (int i = 0; i < CKoutei::kMaxYogo; ++i) {
        auto term = Term("t" + std::to_string(i));
        ASSERT_TRUE(koutei.AddYogo(term, TRUE));
    }
    EXPECT_TRUE(ui->MessageBoxes().empty());

    auto extra = Term("extra");
    EXPECT_FALSE(koutei.AddYogo(extra, FALSE));
    EXPECT_EQ(koutei.GetYogoCount(), 30);
    ASSERT_TRUE(extra != nullptr) << "a refused term stays with the caller";
    EXPECT_EQ(koutei.GetYogo(0)->GetText(), "t0");
    ASSERT_EQ(ui->MessageBoxes().size(), 1u);
    EXPECT_EQ(ui->MessageBoxes()[0].text, "これ以上用語は付けられません");
    EXPECT_EQ(ui->MessageBoxes()[0].stringId, IDS_YOGO_LIMIT);

    EXPECT_TRUE(koutei.RemoveYogo(29, TRUE));
    EXPECT_EQ(koutei.GetYogoCount(), 29);
    EXPECT_EQ(koutei.GetYogo(29), nullptr);
    EXPECT_TRUE(koutei.AddYogo(extra, TRUE));
    EXPECT_EQ(koutei.GetYogo(29)->GetText(), "extra");
}

TEST(KouteiYogoTest, RemovingClosesTheGap) {
    CKoutei koutei;
    for (const char* text : {"a", "b", "c", "d"}) {
        auto term = Term(text);
        koutei.AddYogo(term, TRUE);
    }
    EXPECT_FALSE(koutei.RemoveYogo(4, TRUE));
    EXPECT_FALSE(koutei.RemoveYogo(-1, TRUE));
    EXPECT_TRUE(koutei.RemoveYogo(1, TRUE));
    EXPECT_EQ(Texts(koutei), (std::vector<std::string>{"a", "c", "d"}));

    // Without deleting, the term passes to the caller.
    std::unique_ptr<CYogo> kept(koutei.GetYogo(0));
    EXPECT_TRUE(koutei.RemoveYogo(0, FALSE));
    EXPECT_EQ(kept->GetText(), "a");
    std::unique_ptr<CYogo> detached = koutei.DetachYogo(1);
    ASSERT_TRUE(detached != nullptr);
    EXPECT_EQ(detached->GetText(), "d");
    EXPECT_EQ(Texts(koutei), (std::vector<std::string>{"c"}));
    EXPECT_TRUE(koutei.DetachYogo(1) == nullptr);
}

TEST(KouteiYogoTest, TheCountOnlyShrinksAndSlotsOnlyReplace) {
    CKoutei koutei;
    for (const char* text : {"a", "b", "c"}) {
        auto term = Term(text);
        koutei.AddYogo(term, TRUE);
    }
    EXPECT_TRUE(koutei.SetYogo(1, Term("B")));
    EXPECT_FALSE(koutei.SetYogo(3, Term("D")));
    EXPECT_FALSE(koutei.SetYogo(0, nullptr));
    koutei.SetYogoCount(10);
    EXPECT_EQ(Texts(koutei), (std::vector<std::string>{"a", "B", "c"}));
    koutei.SetYogoCount(1);
    EXPECT_EQ(Texts(koutei), (std::vector<std::string>{"a"}));
    EXPECT_EQ(koutei.GetYogo(1), nullptr);
}

// A process holds its first few terms' slots itself and the others beside it: every step below
// moves terms across that boundary, and the order must come out as the user made it, also in a
// copy and through a file.
TEST(KouteiYogoTest, TermsKeepTheirOrderWhereverTheirSlotsAre) {
    struct Step {
        const char* what;
        std::function<void(CKoutei&)> apply;
        std::vector<std::string> expected;
    };
    const auto add = [](const char* text, BOOL atEnd) {
        return [text, atEnd](CKoutei& k) {
            auto term = Term(text);
            ASSERT_TRUE(k.AddYogo(term, atEnd));
        };
    };
    const auto detach = [](int index, const char* text) {
        return [index, text](CKoutei& k) {
            std::unique_ptr<CYogo> term = k.DetachYogo(index);
            ASSERT_TRUE(term != nullptr);
            EXPECT_EQ(term->GetText(), text);
        };
    };
    const Step steps[] = {
        {"five at the end",
         [&](CKoutei& k) {
             for (const char* text : {"a", "b", "c", "d", "e"}) {
                 add(text, TRUE)(k);
             }
         },
         {"a", "b", "c", "d", "e"}},
        {"one in front", add("z", FALSE), {"z", "a", "b", "c", "d", "e"}},
        {"the first taken out", detach(0, "z"), {"a", "b", "c", "d", "e"}},
        {"one from the middle taken out", detach(2, "c"), {"a", "b", "d", "e"}},
        {"cut to two", [](CKoutei& k) { k.SetYogoCount(2); }, {"a", "b"}},
        {"two more at the end",
         [&](CKoutei& k) {
             add("f", TRUE)(k);
             add("g", TRUE)(k);
         },
         {"a", "b", "f", "g"}},
        {"the last replaced",
         [](CKoutei& k) { ASSERT_TRUE(k.SetYogo(3, Term("G"))); },
         {"a", "b", "f", "G"}},
        {"one in front again", add("y", FALSE), {"y", "a", "b", "f", "G"}},
    };
    CKoutei koutei;
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        step.apply(koutei);
        EXPECT_EQ(Texts(koutei), step.expected);
        EXPECT_EQ(koutei.GetYogo(koutei.GetYogoCount()), nullptr);
    }

    CKoutei copy;
    copy.CopyFrom(koutei);
    EXPECT_EQ(Texts(copy), Texts(koutei));

    KouteiDocument doc;
    CKoutei loaded;
    Load(Store(koutei, doc), loaded, doc);
    EXPECT_EQ(Texts(loaded), Texts(koutei));
}

TEST(KouteiYogoTest, CopyingReplacesTheTermsTheTargetHad) {
    auto source = SampleKoutei();
    CKoutei target;
    for (const char* text : {"x", "y", "z"}) {
        auto term = Term(text);
        target.AddYogo(term, TRUE);
    }
    target.CopyFrom(*source);
    ASSERT_EQ(Texts(target), Texts(*source));
    EXPECT_NE(target.GetYogo(0), source->GetYogo(0));
    EXPECT_EQ(target.GetSeqNumber(), source->GetSeqNumber());
    EXPECT_EQ(target.GetEndTime(), source->GetEndTime());
    EXPECT_EQ(target.GetLines()->GetBendOffset(), 2);
    EXPECT_EQ(target.GetEndLandNo(), CObSeqNumber(9, 11));
    EXPECT_EQ(target.GetShigenCount(), 1);
    EXPECT_NE(target.GetShigen(), source->GetShigen());
    EXPECT_EQ(target.GetSpareDays(), Days(2));

    target.CopyFrom(target);
    EXPECT_EQ(target.GetYogoCount(), 2);
}

// ---- Selection ------------------------------------------------------------------------------

struct PartSelection {
    WORD koutei, lines, start, end;
    bool operator==(const PartSelection&) const = default;
};

PartSelection Selection(const CKoutei& k) {
    return {k.IsSelected(), k.IsLinesSelected(), k.IsStartLandSelected(), k.IsEndLandSelected()};
}

TEST(KouteiSelectTest, WholeProcessAndStretch) {
    CKoutei koutei;
    koutei.Select();
    EXPECT_EQ(Selection(koutei), (PartSelection{1, 1, 1, 1}));
    koutei.SelectForStretch(TRUE);
    EXPECT_EQ(Selection(koutei), (PartSelection{1, 1, 0, 1}));
    EXPECT_EQ(koutei.GetPartDrag(), 1);
    koutei.SelectForStretch(FALSE);
    EXPECT_EQ(Selection(koutei), (PartSelection{1, 1, 1, 0}));
    koutei.Deselect();
    EXPECT_EQ(Selection(koutei), (PartSelection{0, 0, 0, 0}));
    EXPECT_EQ(koutei.GetPartDrag(), 0);
}

TEST(KouteiSelectTest, TermsAndTheirOwners) {
    CKoutei koutei;
    for (WORD part : {WORD{kYogoOnLine}, WORD{kYogoOnEnd}, WORD{7}}) {
        auto term = Term("t", part);
        koutei.AddYogo(term, TRUE);
    }
    koutei.SelectEndLand();
    struct Case {
        int index;
        WORD expected;
    };
    // A term on the end node; on the (unselected) line; on no part; past the last term.
    for (const Case& c : {Case{1, 1}, Case{0, 0}, Case{2, 0}, Case{3, 0}, Case{-1, 0}}) {
        EXPECT_EQ(koutei.IsYogoOwnerSelected(c.index), c.expected) << c.index;
    }

    koutei.Select();
    koutei.SelectYogoOwner(1);
    EXPECT_EQ(Selection(koutei), (PartSelection{0, 0, 0, 1}));

    EXPECT_FALSE(koutei.HasYogoOn(kKouteiPartEnd, TRUE));
    koutei.SelectYogo(1);
    EXPECT_TRUE(koutei.HasYogoOn(kKouteiPartEnd, TRUE));
    EXPECT_FALSE(koutei.HasYogoOn(kKouteiPartStart, FALSE));
    EXPECT_TRUE(koutei.HasYogoOn(kKouteiPartLines, FALSE));
    EXPECT_EQ(koutei.IsYogoSelected(1), 1);
    EXPECT_EQ(koutei.IsYogoSelected(0), 0);
    EXPECT_EQ(koutei.IsYogoSelected(5), 0);

    koutei.SelectYogo(-1);
    EXPECT_EQ(koutei.IsYogoSelected(0) + koutei.IsYogoSelected(2), 2);
    koutei.DeselectYogo(-1);
    EXPECT_FALSE(koutei.HasYogoOn(kKouteiPartEnd, TRUE));
}

// ---- Spans and dates ------------------------------------------------------------------------

TEST(KouteiSpanTest, DurationsCountWorkingTimeOnlyWhenAsked) {
    KouteiDocument doc;
    auto koutei = SampleKoutei();
    EXPECT_EQ(koutei->CalcSpan(&doc, TRUE), Days(9));
    EXPECT_EQ(koutei->CalcSpan(&doc, FALSE), Days(10));
    EXPECT_EQ(koutei->CalcSpan(nullptr, TRUE), Days(10));

    koutei->RecalcDuration(&doc, CTime(0), TRUE);
    EXPECT_EQ(koutei->GetStartOffset(), Days(9));
    EXPECT_EQ(koutei->GetDuration(), Days(10));

    // A given date replaces the base date; a line without the Holiday word counts calendar days
    // for its duration, while its start offset is working time.
    CKouteiAttr attr = koutei->GetLines()->GetAttr();
    attr.m_holiday = 0;
    koutei->GetLines()->SetAttr(attr);
    koutei->RecalcDuration(&doc, Date(2000, 1, 3), FALSE);
    EXPECT_EQ(koutei->GetStartOffset(), Days(6));
    EXPECT_EQ(koutei->GetDuration(), Days(10));

    koutei->SetSpareDays(Days(30));
    koutei->RecalcDuration(&doc, CTime(0), FALSE);
    EXPECT_EQ(koutei->GetSpareDays(), Days(10));
}

TEST(KouteiSpanTest, RedatingFromSpansInvertsTheRecalculation) {
    struct Case {
        const char* what;
        LONG holidayAuto;
        BOOL withoutCalendar;
        double factor;
        CTimeSpan offset;
        CTimeSpan duration;
        CTime base;
        CTime start;
        CTime end;
    };
    const CTime base = Date(2000, 1, 1);
    const Case cases[] = {
        {"working days", 1, FALSE, 1.0, Days(8), Days(9), CTime(0), Date(2000, 1, 10),
         Date(2000, 1, 20)},
        {"calendar asked off", 1, TRUE, 1.0, Days(8), Days(9), CTime(0), Date(2000, 1, 9),
         Date(2000, 1, 18)},
        {"HolidayAuto off", 0, FALSE, 1.0, Days(8), Days(9), CTime(0), Date(2000, 1, 9),
         Date(2000, 1, 18)},
        {"scaled, rounded up", 0, FALSE, 1.5, Days(8), Days(9), base, Date(2000, 1, 13),
         Date(2000, 1, 27)},
        {"scaled, not rounded", 0, FALSE, -1.5, Days(8), Days(9), base, Date(2000, 1, 13),
         CTime(2000, 1, 26, 12)},
        {"lands on a holiday", 1, FALSE, 1.0, Days(4), Days(0), base, Date(2000, 1, 6),
         Date(2000, 1, 6)},
        {"past the last date", 0, FALSE, 1.0, Days(3), Days(30), Date(2037, 12, 20),
         Date(2037, 12, 23), Date(2037, 12, 31)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        KouteiDocument doc;
        doc.m_holidayAuto = c.holidayAuto;
        CKoutei koutei;
        koutei.SetStartOffset(c.offset);
        koutei.SetDuration(c.duration);
        koutei.RedateFromSpans(&doc, c.base, c.withoutCalendar, c.factor);
        EXPECT_EQ(koutei.GetStartTime(), c.start);
        EXPECT_EQ(koutei.GetEndTime(), c.end);
        EXPECT_EQ(koutei.GetStartLand()->GetPos().GetStartDate(), c.start);
        EXPECT_EQ(koutei.GetEndLand()->GetPos().GetStartDate(), c.end);
    }
}

TEST(KouteiSpanTest, RedatedDatesStayInsideTheCalendar) {
    // Holidays at both ends of the calendar: a run of two at its start, one on its last day.
    struct Case {
        const char* what;
        LONG holidayAuto;
        double factor;
        CTime base;
        CTimeSpan offset;
        CTimeSpan duration;
        CTime start;
        CTime end;
    };
    const Case cases[] = {
        {"onto the last day, a holiday", 1, 1.0, Date(2037, 12, 21), Days(10), Days(0),
         Date(2037, 12, 31), Date(2037, 12, 31)},
        {"past the last day, cut to it", 1, 1.0, Date(2037, 12, 21), Days(5), Days(20),
         Date(2037, 12, 26), Date(2037, 12, 31)},
        {"not in whole days, past the last day", 1, -1.0, Date(2037, 12, 21),
         CTimeSpan(10, 12, 0, 0), CTimeSpan(0, 6, 0, 0), Date(2037, 12, 31), Date(2037, 12, 31)},
        {"HolidayAuto off leaves the holiday", 0, 1.0, Date(2037, 12, 21), Days(10), Days(5),
         Date(2037, 12, 31), Date(2037, 12, 31)},
        {"onto the first day, a holiday", 1, 1.0, Date(1991, 1, 1), Days(0), Days(1),
         Date(1991, 1, 3), Date(1991, 1, 4)},
        {"before the first day, cut to it", 1, 1.0, Date(1991, 1, 10), Days(-20), Days(5),
         Date(1991, 1, 3), Date(1991, 1, 3)},
        {"HolidayAuto off, before the first day", 0, 1.0, Date(1991, 1, 10), Days(-20), Days(5),
         Date(1991, 1, 1), Date(1991, 1, 1)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        KouteiDocument doc;
        doc.m_holidayAuto = c.holidayAuto;
        doc.m_calendar.AddDayFlag(1991, 1, 1, CCalendar::kRuleHoliday);
        doc.m_calendar.AddDayFlag(1991, 1, 2, CCalendar::kRuleHoliday);
        doc.m_calendar.AddDayFlag(2037, 12, 31, CCalendar::kRuleHoliday);
        CKoutei koutei;
        koutei.SetStartOffset(c.offset);
        koutei.SetDuration(c.duration);
        koutei.RedateFromSpans(&doc, c.base, FALSE, c.factor);
        EXPECT_EQ(koutei.GetStartTime(), c.start);
        EXPECT_EQ(koutei.GetEndTime(), c.end);
        EXPECT_EQ(koutei.GetEndLand()->GetPos().GetStartDate(), c.end);
    }
}

TEST(KouteiSpanTest, RowsMoveTheNodesWithTheLine) {
    CKoutei koutei;
    koutei.SetStartRow(4);
    koutei.SetEndRow(9);
    koutei.GetLines()->SetBendOffset(-2);
    EXPECT_EQ(koutei.GetStartLand()->GetPos().GetStartRow(), 4);
    EXPECT_EQ(koutei.GetEndLand()->GetPos().GetStartRow(), 9);
    EXPECT_EQ(koutei.GetLines()->GetPos().GetEndRow(), 9);
    EXPECT_EQ(koutei.GetBendRow(), 2);
}

// ---- Moving -------------------------------------------------------------------------------

// Which parts take part in a move of 3 days and 2 rows without the calendar: 10 to 20 January
// 2000 on rows 3 to 5 with 2 spare days.
TEST(KouteiMoveTest, SelectedPartsAndSpareDays) {
    enum Pick { kNone, kAll, kLines, kLinesAndStart, kLinesAndEnd };
    struct Case {
        const char* name;
        Pick pick;
        BOOL selectedOnly;
        BOOL adjustSpare;
        LONG adjustMark;
        int result;
        CTime start;
        CTime end;
        int startRow;
        int endRow;
        CTimeSpan spare;
    };
    const Case cases[] = {
        {"the line not selected", kNone, TRUE, TRUE, 0, 0, Date(2000, 1, 10), Date(2000, 1, 20), 3,
         5, Days(2)},
        {"the whole process", kNone, FALSE, TRUE, 0, 1, Date(2000, 1, 13), Date(2000, 1, 23), 5, 7,
         Days(2)},
        {"both nodes", kAll, TRUE, TRUE, 0, 1, Date(2000, 1, 13), Date(2000, 1, 23), 5, 7, Days(2)},
        {"the end node: spare days gain", kLinesAndEnd, TRUE, TRUE, 0, 1, Date(2000, 1, 10),
         Date(2000, 1, 23), 3, 7, Days(5)},
        {"the end node, spare days kept", kLinesAndEnd, TRUE, FALSE, 0, 1, Date(2000, 1, 10),
         Date(2000, 1, 23), 3, 7, Days(2)},
        {"the start node: spare days lose, not below 0", kLinesAndStart, TRUE, TRUE, 0, 1,
         Date(2000, 1, 13), Date(2000, 1, 20), 5, 5, Days(0)},
        {"the end node under the adjust mark", kLinesAndEnd, TRUE, TRUE, 1, 1, Date(2000, 1, 10),
         Date(2000, 1, 23), 3, 7, Days(2)},
        // The adjust mark turns the move of a line whose nodes stay into a change of its spare
        // days: 2 less 3, not below 0.
        {"the line alone under the adjust mark", kLines, TRUE, FALSE, 1, 0, Date(2000, 1, 10),
         Date(2000, 1, 20), 3, 5, Days(0)},
        {"the line alone", kLines, TRUE, TRUE, 0, 0, Date(2000, 1, 10), Date(2000, 1, 20), 3, 5,
         Days(2)},
    };
    KouteiDocument doc;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CKoutei koutei;
        koutei.SetStartDate(Date(2000, 1, 10));
        koutei.SetEndDate(Date(2000, 1, 20));
        koutei.SetStartRow(3);
        koutei.SetEndRow(5);
        koutei.SetSpareDays(Days(2));
        koutei.SetAdjustMark(c.adjustMark);
        switch (c.pick) {
        case kAll:
            koutei.Select();
            break;
        case kLinesAndStart:
            koutei.SelectStartLand();
            koutei.SelectLines();
            break;
        case kLinesAndEnd:
            koutei.SelectEndLand();
            koutei.SelectLines();
            break;
        case kLines:
            koutei.SelectLines();
            break;
        case kNone:
            break;
        }
        EXPECT_EQ(koutei.MoveBy(&doc, Days(3), 2, nullptr,
                                MoveFlagIf(c.selectedOnly, KouteiMoveFlags::SelectedOnly) |
                                    KouteiMoveFlags::WithoutCalendar |
                                    MoveFlagIf(c.adjustSpare, KouteiMoveFlags::AdjustSpare)),
                  c.result);
        EXPECT_EQ(koutei.GetStartTime(), c.start);
        EXPECT_EQ(koutei.GetEndTime(), c.end);
        EXPECT_EQ(koutei.GetStartLand()->GetPos().GetStartDate(), c.start);
        EXPECT_EQ(koutei.GetEndLand()->GetPos().GetStartDate(), c.end);
        EXPECT_EQ(koutei.GetStartRow(), c.startRow);
        EXPECT_EQ(koutei.GetEndRow(), c.endRow);
        EXPECT_EQ(koutei.GetSpareDays(), c.spare);
    }
}

// With "HolidayAuto" the dates move by working time (the document's holidays are 5 and 15
// January 2000) and off the holiday they land on, never past the last supported date; an end
// at the reference's date moves by the plain offset.
TEST(KouteiMoveTest, DatesThroughTheCalendar) {
    struct Case {
        const char* name;
        LONG holidayAuto;
        BOOL withoutCalendar;
        CTime start;
        CTime end;
        CTimeSpan offset;
        WORD referenceStart; // 1 the record pins the start, 0 it does not (no record: 0xFFFF)
        CTime movedStart;
        CTime movedEnd;
    };
    const Case cases[] = {
        {"plain", 0, FALSE, Date(2000, 1, 10), Date(2000, 1, 20), Days(5), 0xFFFF,
         Date(2000, 1, 15), Date(2000, 1, 25)},
        {"working time, off the holiday", 1, FALSE, Date(2000, 1, 10), Date(2000, 1, 20), Days(5),
         0xFFFF, Date(2000, 1, 16), Date(2000, 1, 25)},
        {"backwards over a holiday", 1, FALSE, Date(2000, 1, 10), Date(2000, 1, 20), Days(-6),
         0xFFFF, Date(2000, 1, 3), Date(2000, 1, 13)},
        {"without the calendar", 1, TRUE, Date(2000, 1, 10), Date(2000, 1, 20), Days(5), 0xFFFF,
         Date(2000, 1, 15), Date(2000, 1, 25)},
        {"the start at the reference's date", 1, FALSE, Date(2000, 1, 10), Date(2000, 1, 20),
         Days(5), 1, Date(2000, 1, 15), Date(2000, 1, 25)},
        {"the reference's date not chosen", 1, FALSE, Date(2000, 1, 10), Date(2000, 1, 20), Days(5),
         0, Date(2000, 1, 16), Date(2000, 1, 25)},
        {"not past the last date", 1, FALSE, Date(2037, 12, 20), Date(2037, 12, 28), Days(10),
         0xFFFF, Date(2037, 12, 30), Date(2037, 12, 31)},
        {"not past the last date, plain", 0, FALSE, Date(2037, 12, 20), Date(2037, 12, 28),
         Days(10), 0xFFFF, Date(2037, 12, 30), Date(2037, 12, 31)},
        {"not before the first date", 0, FALSE, Date(1991, 1, 5), Date(1991, 1, 10), Days(-10),
         0xFFFF, Date(1991, 1, 1), Date(1991, 1, 1)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        KouteiDocument doc;
        doc.m_holidayAuto = c.holidayAuto;
        CKoutei koutei;
        koutei.SetStartDate(c.start);
        koutei.SetEndDate(c.end);
        CKouteiDrag reference;
        reference.startDate = c.start;
        reference.endDate = c.start;
        reference.startPinned = c.referenceStart != 0 && c.referenceStart != 0xFFFF;
        const CKouteiDrag* ref = c.referenceStart == 0xFFFF ? nullptr : &reference;
        EXPECT_EQ(koutei.MoveBy(&doc, c.offset, 0, ref,
                                MoveFlagIf(c.withoutCalendar, KouteiMoveFlags::WithoutCalendar)),
                  1);
        EXPECT_EQ(koutei.GetStartTime(), c.movedStart);
        EXPECT_EQ(koutei.GetEndTime(), c.movedEnd);
    }
}

// A relation line keeps its working span as spare days, never negative; rows stay in 0..9999.
TEST(KouteiMoveTest, RelationLinesAndRows) {
    KouteiDocument doc;
    CKoutei relation;
    relation.SetRelationLine(1);
    relation.GetLines()->GetAttr().m_holiday = 1;
    relation.SetStartDate(Date(2000, 1, 10));
    relation.SetEndDate(Date(2000, 1, 20));
    relation.SetStartRow(1);
    relation.SetEndRow(9998);
    relation.SetSpareDays(Days(1));
    EXPECT_EQ(relation.MoveBy(&doc, Days(3), -5, nullptr,
                              KouteiMoveFlags::WithoutCalendar | KouteiMoveFlags::AdjustSpare),
              1);
    // 13 to 23 January less the holiday of the 15th.
    EXPECT_EQ(relation.GetSpareDays(), Days(9));
    EXPECT_EQ(relation.GetStartRow(), 0);
    EXPECT_EQ(relation.GetEndRow(), 9993);
    relation.MoveBy(&doc, Days(0), 10, nullptr,
                    KouteiMoveFlags::WithoutCalendar | KouteiMoveFlags::AdjustSpare);
    EXPECT_EQ(relation.GetEndRow(), 9999);

    // Running backwards: no spare days.
    relation.SetStartDate(Date(2000, 1, 25));
    EXPECT_EQ(relation.MoveBy(&doc, Days(1), 0, nullptr,
                              KouteiMoveFlags::WithoutCalendar | KouteiMoveFlags::AdjustSpare),
              1);
    EXPECT_EQ(relation.GetSpareDays(), Days(0));
}

TEST(KouteiTest, UpdateViewsHintsTheProcess) {
    KouteiDocument doc;
    CKoutei koutei;
    koutei.UpdateViews(doc);
    EXPECT_EQ(doc.m_hints, (std::vector<CObject*>{&koutei}));
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
