#include "model/ByteField.h"

#include "support/ArchiveBytes.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace tembra {
namespace {

using test::Bytes;
using test::ByteWriter;

// A record with a field of every kind a path reaches: plain members, a member kept in fewer
// bytes than its type, parts behind accessors, an array element, a value behind a getter and a
// setter, and the rectangle and font forms.
struct Inner {
    WORD word = 0;
    std::array<WORD, 2> pair{};
};

class Record {
public:
    LONG GetValue() const { return m_value; }
    void SetValue(LONG value) { m_value = value; }
    Inner& GetInner() { return m_inner; }
    const Inner& GetInner() const { return m_inner; }

    short small = 0;
    COLORREF color = 0;
    LONG narrow = 0; // kept in 16 bits
    CRect rect;
    std::array<BYTE, 3> raw{};
    LOGFONT font;

private:
    LONG m_value = 0;
    Inner m_inner;
};

constexpr auto kInner = [](auto& record) -> auto& {
    return record.GetInner();
};

constexpr ByteField<Record> kFields[] = {
    Field<&Record::small>(0),
    Field<&Record::color>(2),
    FieldAs<LittleEndian<2>, &Record::narrow>(6),
    Field<kInner, &Inner::word>(8),
    Field<kInner, &Inner::pair, At<1>>(10),
    Field<Prop<&Record::GetValue, &Record::SetValue>>(12),
    FieldAs<Rect16, &Record::rect>(16),
    Field<&Record::raw>(24),
    FieldAs<Font16, &Record::font>(27),
};
constexpr std::size_t kSize = 77;
static_assert(FitsBlock(kFields, kSize));
static_assert(!FitsBlock(kFields, kSize - 1));

Record Sample() {
    Record r;
    r.small = -3;
    r.color = 0x00123456;
    r.narrow = -2;
    r.GetInner().word = 0xBEEF;
    r.GetInner().pair = {7, 8};
    r.SetValue(-70000);
    r.rect = CRect(-1, 2, 300, -400);
    r.raw = {1, 2, 3};
    r.font.lfHeight = -24;
    r.font.lfWeight = 700;
    r.font.SetFaceName("F");
    return r;
}

Bytes SampleBytes() {
    ByteWriter w;
    w.Word(WORD(-3)).Dword(0x00123456).Word(WORD(-2)).Word(0xBEEF).Word(8).Dword(DWORD(-70000));
    w.Word(WORD(-1)).Word(2).Word(300).Word(WORD(-400)).Raw("\x01\x02\x03");
    w.Word(WORD(-24)).Word(0).Word(0).Word(0).Word(700).Zeros(8).Raw("F").Zeros(31);
    return w.Get();
}

TEST(ByteFieldTest, OneTableLaysOutAndTakesBackEveryKindOfField) {
    const Record sample = Sample();
    Bytes block(kSize, 0xEE);
    PutFields<Record>(kFields, sample, block);
    EXPECT_EQ(block, SampleBytes());

    Record back;
    GetFields<Record>(kFields, block, back);
    EXPECT_EQ(back.small, -3);
    EXPECT_EQ(back.color, 0x00123456u);
    EXPECT_EQ(back.narrow, -2); // sign-extended from its 16 bits
    EXPECT_EQ(back.GetInner().word, 0xBEEF);
    EXPECT_EQ(back.GetInner().pair, (std::array<WORD, 2>{0, 8}));
    EXPECT_EQ(back.GetValue(), -70000);
    EXPECT_EQ(back.rect, CRect(-1, 2, 300, -400));
    EXPECT_EQ(back.raw, (std::array<BYTE, 3>{1, 2, 3}));
    EXPECT_EQ(back.font, sample.font);

    // A value that does not fit its 16 bits keeps its low bits, as the files do.
    Record wide = sample;
    wide.narrow = 0x12345;
    PutFields<Record>(kFields, wide, block);
    GetFields<Record>(kFields, block, back);
    EXPECT_EQ(back.narrow, 0x2345);
}

TEST(ByteFieldTest, AShorterBlockHoldsOnlyTheFieldsInsideIt) {
    // The first 12 bytes: up to the array element; the getter's value and later stay out.
    const Record sample = Sample();
    Bytes shortBlock(12, 0);
    PutFields<Record>(kFields, sample, shortBlock);
    const Bytes full = SampleBytes();
    EXPECT_EQ(shortBlock, Bytes(full.begin(), full.begin() + 12));

    Record back;
    back.SetValue(5);
    back.raw = {9, 9, 9};
    GetFields<Record>(kFields, shortBlock, back);
    EXPECT_EQ(back.GetInner().pair[1], 8);
    EXPECT_EQ(back.GetValue(), 5);
    EXPECT_EQ(back.raw, (std::array<BYTE, 3>{9, 9, 9}));
}

TEST(ByteFieldTest, AnOlderFormWithoutSomeFieldsMovesTheOthersUp) {
    // Without the colour (4 bytes at 2) and the array element (2 bytes at 10).
    constexpr auto kOld = WithoutFields(kFields, {2, 10});
    static_assert(kOld.size() == std::size(kFields) - 2);
    static_assert(FitsBlock(kOld, kSize - 6));
    const std::vector<std::size_t> offsets = {0, 2, 4, 6, 10, 18, 21};
    for (std::size_t i = 0; i < kOld.size(); ++i) {
        EXPECT_EQ(kOld[i].offset, offsets[i]) << i;
    }

    Bytes old(kSize - 6, 0);
    PutFields<Record>(kOld, Sample(), old);
    Bytes expected = SampleBytes();
    expected.erase(expected.begin() + 10, expected.begin() + 12);
    expected.erase(expected.begin() + 2, expected.begin() + 6);
    EXPECT_EQ(old, expected);
}

TEST(ByteFieldTest, FitsBlockFindsOverlapsAndOverruns) {
    struct Case {
        std::vector<ByteField<Record>> fields;
        std::size_t size;
        bool fits;
    };
    const std::vector<Case> cases = {
        {{Field<&Record::small>(0), Field<&Record::color>(2)}, 6, true},
        {{Field<&Record::small>(0), Field<&Record::color>(1)}, 6, false},
        {{Field<&Record::color>(2), Field<&Record::small>(4)}, 6, false},
        {{Field<&Record::small>(0), Field<&Record::color>(2)}, 5, false},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        EXPECT_EQ(FitsBlock(cases[i].fields, cases[i].size), cases[i].fits) << i;
    }
}

} // namespace
} // namespace tembra
