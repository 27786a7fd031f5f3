#include "model/Hensoku.h"

#include "model/Utility.h"
#include "platform/Archive.h"
#include "platform/Sjis.h"
#include "support/ArchiveBytes.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace tembra {
namespace {

using test::Bytes;
using test::ByteWriter;
using test::Load;
using test::Store;

std::int64_t Date(int year, int month, int day) {
    return CTime(year, month, day).GetTime();
}

std::unique_ptr<CHensokuData> DayPeriod(WORD rangeKind, std::int64_t start, std::int64_t end,
                                        short dayClass, LONG numerator, LONG denominator,
                                        short dateColumn = 1, short ruledLine = 1,
                                        WORD weekdays = 0) {
    auto data = std::make_unique<CHensokuData>();
    EXPECT_TRUE(data->SetDayPeriod(rangeKind, start, end, dayClass, weekdays, dateColumn, ruledLine,
                                   numerator, denominator));
    return data;
}

std::unique_ptr<CHensokuData> HourPeriod(WORD rangeKind, int startHour, int endHour, short dayClass,
                                         LONG numerator, LONG denominator, short dateColumn = 1,
                                         short ruledLine = 1) {
    auto data = std::make_unique<CHensokuData>();
    EXPECT_TRUE(data->SetHourPeriod(rangeKind, startHour, endHour, dayClass, 0, dateColumn,
                                    ruledLine, numerator, denominator));
    return data;
}

// The numerators of the active list, in order: shows what the list operations did.
std::vector<LONG> Numerators(const CHensoku& periods) {
    std::vector<LONG> out;
    for (int i = 0; i < periods.GetDataCount(); ++i) {
        out.push_back(periods.GetAt(i)->GetNumerator());
    }
    return out;
}

// ---- One period ---------------------------------------------------------------------------------

TEST(HensokuDataTest, WholeRangesAreFilledIn) {
    CHensokuData day;
    ASSERT_TRUE(day.SetDayPeriod(0, 123, 456, CHensokuData::kHolidays, 0, 1, 0, 1, 2));
    EXPECT_EQ(day.GetStart(), GetMinDate().GetTime());
    EXPECT_EQ(day.GetEnd(), GetMaxDate().GetTime());
    EXPECT_EQ(CTime(day.GetStart()).Format("%Y-%m-%d"), "1991-01-01");
    EXPECT_EQ(CTime(day.GetEnd()).Format("%Y-%m-%d"), "2037-12-31");

    CHensokuData hour;
    ASSERT_TRUE(hour.SetHourPeriod(0, 5, 7, CHensokuData::kAllDays, 0, 1, 1, 1, 2));
    EXPECT_EQ(hour.GetStartHour(), 0);
    EXPECT_EQ(hour.GetEndHour(), 24);
    EXPECT_EQ(hour.GetEnd(), 24 * 3600);

    ASSERT_TRUE(hour.SetHourPeriod(1, 22, 6, CHensokuData::kWeekdays, 0, 0, 1, 1, 3));
    EXPECT_EQ(hour.GetStart(), 22 * 3600);
    EXPECT_EQ(hour.GetEnd(), 6 * 3600);
    EXPECT_EQ(hour.GetRangeKind(), 1);
    EXPECT_EQ(hour.GetDayClass(), CHensokuData::kWeekdays);

    ASSERT_TRUE(day.SetDayPeriod(1, Date(2019, 4, 27), Date(2019, 5, 6), CHensokuData::kAllDays, 0,
                                 1, 1, 0, 1));
    EXPECT_EQ(day.GetStart(), Date(2019, 4, 27));
    EXPECT_EQ(day.GetEnd(), Date(2019, 5, 6));
}

TEST(HensokuDataTest, Factor) {
    struct Case {
        LONG numerator, denominator;
        double factor;
    };
    const Case cases[] = {{1, 2, 0.5}, {0, 1, 0.0}, {3, 1, 3.0}, {2, 3, 2.0 / 3.0}, {5, 5, 1.0}};
    for (const Case& c : cases) {
        CHensokuData data;
        ASSERT_TRUE(data.SetDayPeriod(0, 0, 0, 0, 0, 1, 1, c.numerator, c.denominator));
        EXPECT_DOUBLE_EQ(data.GetFactor(), c.factor) << c.numerator << "/" << c.denominator;
    }
}

TEST(HensokuDataTest, RatioWithoutAPositiveDenominatorIsRefused) {
    CHensokuData data;
    ASSERT_TRUE(data.SetDayPeriod(1, Date(2000, 1, 1), Date(2000, 1, 31), 2, 0, 1, 0, 1, 2));
    for (const LONG denominator : {0, -1, -100}) {
        EXPECT_FALSE(data.SetDayPeriod(0, 0, 0, 0, 0, 0, 0, 1, denominator)) << denominator;
        EXPECT_FALSE(data.SetHourPeriod(0, 0, 0, 0, 0, 0, 0, 1, denominator)) << denominator;
        // Nothing changed.
        EXPECT_EQ(data.GetStart(), Date(2000, 1, 1));
        EXPECT_EQ(data.GetDayClass(), 2);
        EXPECT_EQ(data.GetDenominator(), 2);
    }
}

// ---- The list line ----------------------------------------------------------------------------

TEST(HensokuTest, FormatPeriod) {
    struct Case {
        bool hourMode;
        std::unique_ptr<CHensokuData> period;
        const char* line; // UTF-8
    };
    std::vector<Case> cases;
    cases.push_back({true, HourPeriod(1, 22, 6, CHensokuData::kHolidays, 1, 2),
                     "  22:00:00 - 05:59:59 [休日] 001/002  自動   自動"});
    cases.push_back({true, HourPeriod(0, 0, 0, CHensokuData::kWeekdays, 12, 100, 0, 1),
                     "  00:00:00 - 23:59:59 [平日] 012/100  なし   自動"});
    cases.push_back(
        {false,
         DayPeriod(1, Date(2019, 4, 27), Date(2019, 5, 6), CHensokuData::kAllDays, 0, 1, 0, 0),
         "2019/04/27-2019/05/06 [全て] 000/001  なし   なし"});
    cases.push_back({false, DayPeriod(0, 0, 0, CHensokuData::kChosenWeekdays, 1, 3, 1, 0, 0x41),
                     "****/**/**-****/**/** [曜日] 001/003  自動   なし"});
    cases.push_back(
        {false, DayPeriod(0, 0, 0, 7, 1234, 5), "****/**/**-****/**/**  1234/005  自動   自動"});

    for (Case& c : cases) {
        CHensoku periods;
        periods.SetHourMode(c.hourMode);
        periods.AddData(std::move(c.period));
        std::string text = "old";
        EXPECT_EQ(periods.FormatPeriod(0, text), 1);
        EXPECT_EQ(Sjis::ToUtf8(text), c.line);

        EXPECT_EQ(periods.FormatPeriod(1, text), 0);
        EXPECT_EQ(text, "");
        EXPECT_EQ(periods.FormatPeriod(-1, text), 0);
    }
}

// ---- List operations ----------------------------------------------------------------------------

TEST(HensokuTest, ListOperationsOnTheActiveList) {
    CHensoku periods;
    for (LONG n = 1; n <= 3; ++n) {
        periods.AddData(DayPeriod(0, 0, 0, 2, n, 10));
    }
    EXPECT_EQ(Numerators(periods), (std::vector<LONG>{1, 2, 3}));

    EXPECT_EQ(periods.InsertAt(1, DayPeriod(0, 0, 0, 2, 4, 10)), 1);
    EXPECT_EQ(periods.InsertAt(9, DayPeriod(0, 0, 0, 2, 5, 10)), 4); // appended
    EXPECT_EQ(Numerators(periods), (std::vector<LONG>{1, 4, 2, 3, 5}));
    // A negative index is outside the list: nothing is inserted, at the end or anywhere.
    EXPECT_EQ(periods.InsertAt(-1, DayPeriod(0, 0, 0, 2, 6, 10)), -1);
    EXPECT_EQ(periods.InsertAt(-7, DayPeriod(0, 0, 0, 2, 7, 10)), -1);
    EXPECT_EQ(Numerators(periods), (std::vector<LONG>{1, 4, 2, 3, 5}));

    EXPECT_EQ(periods.MoveUp(0), -1);
    EXPECT_EQ(periods.MoveDown(4), -1);
    EXPECT_EQ(periods.MoveUp(7), -1);
    EXPECT_EQ(periods.MoveDown(-1), -1);
    EXPECT_EQ(Numerators(periods), (std::vector<LONG>{1, 4, 2, 3, 5}));

    EXPECT_EQ(periods.MoveUp(2), 1);
    EXPECT_EQ(Numerators(periods), (std::vector<LONG>{1, 2, 4, 3, 5}));
    EXPECT_EQ(periods.MoveDown(0), 1);
    EXPECT_EQ(Numerators(periods), (std::vector<LONG>{2, 1, 4, 3, 5}));

    periods.RemoveAt(5);
    periods.RemoveAt(-1);
    EXPECT_EQ(periods.GetDataCount(), 5);
    periods.RemoveAt(2);
    EXPECT_EQ(Numerators(periods), (std::vector<LONG>{2, 1, 3, 5}));
    EXPECT_EQ(periods.GetAt(4), nullptr);
    EXPECT_EQ(periods.GetAt(-1), nullptr);

    // Hour mode works on the other list; the day list stays as it is.
    periods.SetHourMode(TRUE);
    EXPECT_EQ(periods.GetDataCount(), 0);
    EXPECT_EQ(periods.GetAt(0), nullptr);
    periods.AddData(HourPeriod(1, 8, 17, 0, 7, 10));
    EXPECT_EQ(Numerators(periods), (std::vector<LONG>{7}));
    EXPECT_EQ(periods.GetDayList().size(), 4u);
    periods.SetHourMode(FALSE);
    EXPECT_EQ(Numerators(periods), (std::vector<LONG>{2, 1, 3, 5}));

    periods.RemoveAll();
    EXPECT_TRUE(periods.GetDayList().empty());
    EXPECT_TRUE(periods.GetHourList().empty());
}

TEST(HensokuTest, CopiesAreDeep) {
    auto source = std::make_unique<CHensoku>();
    source->m_precedence = 1;
    source->AddData(DayPeriod(0, 0, 0, 2, 1, 2));
    source->SetHourMode(TRUE);
    source->AddData(HourPeriod(1, 22, 6, 0, 1, 4));

    CHensoku copy;
    copy.AddData(DayPeriod(0, 0, 0, 0, 9, 9)); // replaced by the assignment
    copy = *source;
    CHensoku constructed(*source);
    source.reset();

    for (const CHensoku* c : {&copy, &constructed}) {
        EXPECT_EQ(c->m_precedence, 1);
        EXPECT_TRUE(c->IsHourMode());
        ASSERT_EQ(c->GetHourList().size(), 1u);
        EXPECT_EQ(c->GetHourList()[0]->GetStartHour(), 22);
        ASSERT_EQ(c->GetDayList().size(), 1u);
        EXPECT_EQ(c->GetDayList()[0]->GetDenominator(), 2);
    }
}

// ---- File form ---------------------------------------------------------------------------------

TEST(HensokuTest, FileFormByteForByte) {
    CHensoku periods;
    periods.m_precedence = 1;
    periods.AddData(
        DayPeriod(1, Date(2000, 1, 1), Date(2000, 1, 31), CHensokuData::kHolidays, 1, 2, 1, 0));

    ByteWriter expected;
    expected.Dword(0).Dword(0);
    expected.Word(1); // precedence
    expected.Word(0); // day mode
    expected.Word(1); // day list: one record
    expected.NewClass(1, "CHensokuData");
    expected.Word(1);
    expected.Dword(946652400); // 2000-01-01 00:00 in the chart zone
    expected.Dword(949244400); // 2000-01-31
    expected.Word(2).Word(0).Word(1).Word(0);
    expected.Dword(1).Dword(2);
    expected.Word(0); // hour list: empty

    EXPECT_EQ(Store(periods), expected.Get());
}

TEST(HensokuTest, RoundTrip) {
    CHensoku periods;
    periods.AddData(DayPeriod(1, Date(2005, 3, 1), Date(2005, 3, 31), 3, 1, 3, 0, 1, 0x41));
    periods.AddData(DayPeriod(0, 0, 0, 1, 0, 1));
    periods.SetHourMode(TRUE);
    periods.AddData(HourPeriod(1, 22, 6, 2, 1, 4, 0, 0));
    periods.m_precedence = 1;

    CHensoku loaded;
    loaded.AddData(DayPeriod(0, 0, 0, 0, 9, 9));
    Load(Store(periods), loaded);
    EXPECT_EQ(Store(loaded), Store(periods));
    EXPECT_TRUE(loaded.IsHourMode());
    EXPECT_EQ(loaded.m_precedence, 1);
    ASSERT_EQ(loaded.GetDayList().size(), 2u);
    ASSERT_EQ(loaded.GetHourList().size(), 1u);
    const CHensokuData& first = *loaded.GetDayList()[0];
    EXPECT_EQ(first.GetStart(), Date(2005, 3, 1));
    EXPECT_EQ(first.GetWeekdays(), 0x41);
    EXPECT_EQ(first.GetDateColumn(), 0);
    EXPECT_EQ(loaded.GetHourList()[0]->GetEndHour(), 6);
}

TEST(HensokuTest, ADenominatorBelowOneReadsAsOneToOne) {
    struct Case {
        std::int32_t numerator, denominator;
        LONG expectedNumerator, expectedDenominator;
    };
    const Case cases[] = {{1, 0, 1, 1}, {3, -2, 1, 1}, {0, 0, 1, 1}, {0, 1, 0, 1}, {3, 4, 3, 4}};
    for (const Case& c : cases) {
        CHensoku periods;
        periods.AddData(DayPeriod(0, 0, 0, 0, 1, 1));
        Bytes bytes = Store(periods);
        // The ratio is the last 8 bytes of the record, before the empty hour list.
        bytes.resize(bytes.size() - 2 - 8);
        ByteWriter changed;
        changed.Append(bytes);
        changed.Dword(static_cast<DWORD>(c.numerator)).Dword(static_cast<DWORD>(c.denominator));
        changed.Word(0);

        CHensoku loaded;
        Load(changed.Get(), loaded);
        ASSERT_EQ(loaded.GetDataCount(), 1);
        EXPECT_EQ(loaded.GetAt(0)->GetNumerator(), c.expectedNumerator) << c.denominator;
        EXPECT_EQ(loaded.GetAt(0)->GetDenominator(), c.expectedDenominator) << c.denominator;
    }
}

TEST(HensokuTest, DamagedStreamThrowsAndKeepsTheLists) {
    CHensoku periods;
    periods.AddData(DayPeriod(0, 0, 0, 2, 1, 2));
    periods.AddData(DayPeriod(0, 0, 0, 1, 1, 3));
    const Bytes bytes = Store(periods);

    for (std::size_t size = 0; size < bytes.size(); ++size) {
        CHensoku target;
        target.AddData(DayPeriod(0, 0, 0, 0, 7, 8));
        const Bytes before = Store(target);
        EXPECT_THROW(Load(Bytes(bytes.begin(), bytes.begin() + size), target), CArchiveException)
            << size;
        EXPECT_EQ(Store(target), before) << size;
    }

    // A record of another class in the list.
    Bytes wrong = bytes;
    wrong[18 + 7] = 'X'; // a letter of the class name
    CHensoku target;
    EXPECT_THROW(Load(wrong, target), CArchiveException);
}

} // namespace
} // namespace tembra
