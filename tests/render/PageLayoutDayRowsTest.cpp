// The day, weekly day and weekday rows of the date header through the recording device
// context: which text each day gets, where it stands, its colour and the separators.
//
// The usual chart here is 1-10 April 2010 (Thursday to Saturday): at 100 % a day is 221
// units wide, day i starting at x = 530 + 221 (i - 1); the row runs from y = 0 down to -120
// and a font 40 high puts the text's top at -40.
#include "render/PageLayout.h"

#include "ChartTestDoc.h"
#include "model/Hensoku.h"
#include "platform/Sjis.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace tembra {
namespace {

using test::ChartTestBase;
using test::DateFont;
using test::Day;
using test::DrawnLine;
using test::DrawnLines;
using test::DrawnText;
using test::DrawnTexts;
using Dev = CRecordingDC::Device;

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kLightGrey = RGB(0xC0, 0xC0, 0xC0);
constexpr COLORREF kDarkGrey = RGB(0x80, 0x80, 0x80);

// A label as the test expects it: the text (UTF-8), its x, alignment and the font width in
// force when it was drawn.
struct Label {
    std::string text;
    int x;
    UINT align;
    LONG fontWidth;
    bool operator==(const Label&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Label& l) {
    return out << "\"" << l.text << "\" x " << l.x << " align " << l.align << " width "
               << l.fontWidth;
}

std::vector<Label> Labels(const CRecordingDC& dc) {
    std::vector<Label> out;
    for (const DrawnText& t : DrawnTexts(dc)) {
        out.push_back({Sjis::ToUtf8(t.text), t.at.x, t.align, t.fontWidth});
    }
    return out;
}

// The vertical lines drawn (the separators), with their colour.
std::vector<std::pair<int, COLORREF>> Separators(const CRecordingDC& dc) {
    std::vector<std::pair<int, COLORREF>> out;
    for (const DrawnLine& line : DrawnLines(dc)) {
        if (line.from.x == line.to.x) {
            out.emplace_back(line.from.x, line.pen.color);
        }
    }
    return out;
}

class DayRowTest : public ChartTestBase {
protected:
    void SetUp() override {
        ChartTestBase::SetUp();
        Period(Day(2010, 4, 1), Day(2010, 4, 10));
    }
    void Style(int index, int value) { doc.set.GetChart().GetDateStyle().SetMode(index, value); }
    static constexpr int kDayMode = 3;
    static constexpr int kWeekMode = 4;
};

// ---- Day row labels -----------------------------------------------------------------------------

struct DayCase {
    const char* name;
    int zoomIndex;
    int mode;
    int step;
    int fontWidth;
    int dayMode;
    int nobeOffset; // days
    int monthDays;
    std::vector<Label> labels;
};

class DayRowLabelTest : public DayRowTest, public testing::WithParamInterface<DayCase> {};

TEST_P(DayRowLabelTest, TextPlaceAndAlignment) {
    const DayCase& c = GetParam();
    Style(kDayMode, c.dayMode);
    doc.set.SetJyunbiKikan(CTimeSpan(c.nobeOffset, 0, 0, 0));
    doc.set.SetNobeMonthSpan(CTimeSpan(c.monthDays, 0, 0, 0));
    Bind(c.zoomIndex);
    const int scale = CPageLayout::GetZoomPercent(c.zoomIndex);
    const LOGFONT font = DateFont(c.fontWidth, -40 * scale / 100);
    auto dc = DrawRow(
        font, [&](CDC* d) { layout.DrawDayRow(d, font, 0, -120 * scale / 100, c.step, c.mode); });
    EXPECT_EQ(Labels(*dc), c.labels) << dc->Dump();
    for (const DrawnText& t : DrawnTexts(*dc)) {
        EXPECT_EQ(t.at.y, -40 * scale / 100);
    }
}

std::vector<Label> Centred(const std::vector<std::string>& texts, int offset, LONG width) {
    std::vector<Label> out;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        out.push_back({texts[i], 530 + 221 * static_cast<int>(i) + offset, TA_LEFT, width});
    }
    return out;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DayRowLabelTest,
    testing::Values(
        // "N日" fits a day of 221 units at width 60 (room 220): centred, 20 units each side;
        // "10日" does not and falls back to "10".
        DayCase{"WithSuffix", 3, 0, 1, 60, 0, 0, 30,
                [] {
                    auto labels = Centred(
                        {"1日", "2日", "3日", "4日", "5日", "6日", "7日", "8日", "9日"}, 21, 60);
                    labels.push_back({"10", 2570, TA_LEFT, 60});
                    return labels;
                }()},
        // At width 120 only the bare number fits, and "10" not even that.
        DayCase{"BareNumber", 3, 0, 1, 120, 0, 0, 30,
                Centred({"1", "2", "3", "4", "5", "6", "7", "8", "9"}, 51, 120)},
        DayCase{"NothingFits", 3, 0, 1, 240, 0, 0, 30, {}},
        // DayMode 1 asks for bare numbers.
        DayCase{"DayModeNumbers", 3, 0, 1, 60, 1, 0, 30,
                [] {
                    auto labels = Centred({"1", "2", "3", "4", "5", "6", "7", "8", "9"}, 81, 60);
                    labels.push_back({"10", 2570, TA_LEFT, 60});
                    return labels;
                }()},
        // At 50 % a day is 110.5 units (the zoomed unit Zoom(1) is 0).
        DayCase{"HalfZoom",
                1,
                0,
                1,
                30,
                0,
                0,
                30,
                {{"1日", 275, TA_LEFT, 30},
                 {"2日", 385, TA_LEFT, 30},
                 {"3日", 496, TA_LEFT, 30},
                 {"4日", 606, TA_LEFT, 30},
                 {"5日", 717, TA_LEFT, 30},
                 {"6日", 827, TA_LEFT, 30},
                 {"7日", 938, TA_LEFT, 30},
                 {"8日", 1048, TA_LEFT, 30},
                 {"9日", 1159, TA_LEFT, 30},
                 {"10", 1284, TA_LEFT, 30}}},
        // Elapsed days from 3 April: -2, -1, then 1 (no day 0). The signed numbers do not fit
        // and are squeezed into the day (220 / 2 bytes).
        DayCase{
            "ElapsedAroundTheOrigin", 3, 1, 1, 120, 0, 2, 30,
            [] {
                std::vector<Label> labels = {{"-2", 531, TA_LEFT, 110}, {"-1", 752, TA_LEFT, 110}};
                auto rest = Centred({"1", "2", "3", "4", "5", "6", "7", "8"}, 51, 120);
                for (auto& l : rest) {
                    l.x += 2 * 221;
                }
                labels.insert(labels.end(), rest.begin(), rest.end());
                return labels;
            }()},
        // Elapsed day 120 onwards: three digits are squeezed in too (220 / 3 bytes).
        DayCase{
            "ElapsedHundreds", 3, 1, 1, 120, 0, -119, 30,
            Centred({"120", "121", "122", "123", "124", "125", "126", "127", "128", "129"}, 1, 73)},
        // A calendar-style day row in an elapsed chart counts 1 to the month length (3) and
        // starts again.
        DayCase{"ElapsedMonthCycle", 3, 2, 1, 20, 0, 0, 3,
                Centred({"1日", "2日", "3日", "1日", "2日", "3日", "1日", "2日", "3日", "1日"}, 81,
                        20)},
        // Every fifth day closes a group: right-aligned at the end of its day.
        DayCase{"GroupsOfFive",
                3,
                0,
                5,
                20,
                0,
                0,
                30,
                {{"5日", 1634, TA_RIGHT, 20}, {"10日", 2739, TA_RIGHT, 20}}}),
    [](const testing::TestParamInfo<DayCase>& info) { return info.param.name; });

// A number that must be squeezed in is left out when its room gives each byte less than one
// unit: a width of 0 would draw it at its natural width, and a negative room would be taken
// as an enormous one.
TEST_F(DayRowTest, SqueezedLabelWithoutRoomIsLeftOut) {
    // 3000 days over 2210 units: rooms of -1 and 0 units.
    Period(Day(2005, 1, 1), Day(2013, 3, 19));
    doc.set.SetNobeMode(1);
    doc.set.SetJyunbiKikan(CTimeSpan(-200, 0, 0, 0));
    Bind();
    const LOGFONT font = DateFont(60);
    auto dc = DrawRow(font, [&](CDC* d) { layout.DrawDayRow(d, font, 0, -120, 1, 1); });
    EXPECT_TRUE(DrawnTexts(*dc).empty()) << dc->Dump();
    // The separators are there all the same.
    EXPECT_FALSE(Separators(*dc).empty());
}

// ---- Colours
// -------------------------------------------------------------------------------------

struct ColourCase {
    const char* name;
    Dev device;
    int outputMode;
    bool blackBack;
    bool weekdayRow;
    // 1-10 April: Thursday, Friday, Saturday, Sunday, Monday (a holiday), ..., Saturday (a
    // holiday).
    std::vector<COLORREF> colours;
};

class DayColourTest : public DayRowTest, public testing::WithParamInterface<ColourCase> {};

TEST_P(DayColourTest, ByWeekdayAndHoliday) {
    const ColourCase& c = GetParam();
    doc.calendar.AddDayFlag(2010, 4, 5, CCalendar::kRuleHoliday);
    doc.calendar.AddDayFlag(2010, 4, 10, CCalendar::kRuleHoliday);
    doc.print.SetSundayColor(RGB(200, 0, 50));
    doc.print.SetSatdayColor(RGB(0, 100, 200));
    BlackBack(c.blackBack);
    Bind();
    layout.SetOutputMode(c.outputMode);
    const LOGFONT font = DateFont(20);
    auto dc = DrawRow(
        font,
        [&](CDC* d) {
            if (c.weekdayRow) {
                layout.DrawWeekdayRow(d, font, 0, -120);
            } else {
                layout.DrawDayRow(d, font, 0, -120, 1, 0);
            }
        },
        c.device);
    std::vector<COLORREF> colours;
    for (const DrawnText& t : DrawnTexts(*dc)) {
        colours.push_back(t.color);
    }
    EXPECT_EQ(colours, c.colours) << dc->Dump();
}

constexpr COLORREF B = kBlack;
constexpr COLORREF W = kWhite; // black text on the black screen
constexpr COLORREF kSun = RGB(200, 0, 50);
constexpr COLORREF kSat = RGB(0, 100, 200);

INSTANTIATE_TEST_SUITE_P(
    Cases, DayColourTest,
    testing::Values(
        ColourCase{
            "Screen", Dev::Screen, 0, false, false, {B, B, kBlue, kRed, kRed, B, B, B, B, kRed}},
        ColourCase{"ScreenWeekdays",
                   Dev::Screen,
                   0,
                   false,
                   true,
                   {B, B, kBlue, kRed, kRed, B, B, B, B, kRed}},
        ColourCase{"BlackScreenDayRowGreen",
                   Dev::Screen,
                   0,
                   true,
                   false,
                   {W, W, kGreen, kRed, kRed, W, W, W, W, kRed}},
        ColourCase{"BlackScreenWeekdaysBlue",
                   Dev::Screen,
                   0,
                   true,
                   true,
                   {W, W, kBlue, kRed, kRed, W, W, W, W, kRed}},
        ColourCase{
            "Paper", Dev::Printer, 1, false, false, {B, B, kSat, kSun, kSun, B, B, B, B, kSun}},
        ColourCase{"PaperWeekdays",
                   Dev::Printer,
                   1,
                   false,
                   true,
                   {B, B, kSat, kSun, kSun, B, B, B, B, kSun}},
        ColourCase{
            "MonochromePaper", Dev::MonoPrinter, 1, false, false, {B, B, B, B, B, B, B, B, B, B}}),
    [](const testing::TestParamInfo<ColourCase>& info) { return info.param.name; });

// Only centred calendar labels are coloured: elapsed days and group labels are black.
TEST_F(DayRowTest, OnlyCentredCalendarLabelsAreColoured) {
    Bind();
    const LOGFONT font = DateFont(20);
    for (const auto& [step, mode] : {std::pair{1, 1}, std::pair{1, 2}, std::pair{2, 0}}) {
        auto dc = DrawRow(font, [&](CDC* d) { layout.DrawDayRow(d, font, 0, -120, step, mode); });
        ASSERT_FALSE(DrawnTexts(*dc).empty());
        for (const DrawnText& t : DrawnTexts(*dc)) {
            EXPECT_EQ(t.color, kBlack) << "step " << step << " mode " << mode;
        }
    }
}

// ---- Separators --------------------------------------------------------------------------------

struct SeparatorCase {
    const char* name;
    CTime first;
    CTime last;
    int mode;
    int step;
    int keisenUnit;
    std::vector<std::pair<int, COLORREF>> lines;
};

class DaySeparatorTest : public DayRowTest, public testing::WithParamInterface<SeparatorCase> {};

TEST_P(DaySeparatorTest, KindByDayAndUnit) {
    const SeparatorCase& c = GetParam();
    Period(c.first, c.last);
    doc.set.SetKeisenUnit(static_cast<WORD>(c.keisenUnit));
    Bind();
    const LOGFONT font = DateFont(20);
    auto dc = DrawRow(font, [&](CDC* d) { layout.DrawDayRow(d, font, 0, -120, c.step, c.mode); });
    EXPECT_EQ(Separators(*dc), c.lines) << dc->Dump();
    for (const DrawnLine& line : DrawnLines(*dc)) {
        if (line.from.x == line.to.x) {
            EXPECT_EQ(line.from.y, 0);
            EXPECT_EQ(line.to.y, -120);
        }
    }
}

// Six days from 29 March: a day is 368.33 units.
const CTime kMar29 = Day(2010, 3, 29);
const CTime kApr3 = Day(2010, 4, 3);

INSTANTIATE_TEST_SUITE_P(
    Cases, DaySeparatorTest,
    testing::Values(
        // Day 1 of a month is a major line, the other days fine lines.
        SeparatorCase{"CalendarFirstOfMonth",
                      kMar29,
                      kApr3,
                      0,
                      1,
                      0,
                      {{530, kLightGrey},
                       {898, kLightGrey},
                       {1266, kLightGrey},
                       {1635, kDarkGrey},
                       {2003, kLightGrey},
                       {2371, kLightGrey}}},
        // Elapsed days (from 29 March, day 1) have no major lines.
        SeparatorCase{"ElapsedDayOne",
                      kMar29,
                      kApr3,
                      1,
                      1,
                      0,
                      {{530, kLightGrey},
                       {898, kLightGrey},
                       {1266, kLightGrey},
                       {1635, kLightGrey},
                       {2003, kLightGrey},
                       {2371, kLightGrey}}},
        // Under an hour or minute grid every day is a major line.
        SeparatorCase{"HourGrid",
                      kMar29,
                      kApr3,
                      0,
                      1,
                      4,
                      {{530, kDarkGrey},
                       {898, kDarkGrey},
                       {1266, kDarkGrey},
                       {1635, kDarkGrey},
                       {2003, kDarkGrey},
                       {2371, kDarkGrey}}},
        SeparatorCase{"MinuteGrid",
                      kMar29,
                      kMar29 + CTimeSpan(1, 0, 0, 0),
                      2,
                      1,
                      5,
                      {{530, kDarkGrey}, {1635, kDarkGrey}}},
        // Groups of ten from 20 March (24 days of 92.08 units): lines on the 21st and 11th,
        // day 1, and none on the 31st, the last day of March.
        SeparatorCase{"TenDaysNoneOnTheLastDay",
                      Day(2010, 3, 20),
                      Day(2010, 4, 12),
                      0,
                      10,
                      0,
                      {{622, kLightGrey}, {1635, kDarkGrey}, {2555, kLightGrey}}}),
    [](const testing::TestParamInfo<SeparatorCase>& info) { return info.param.name; });

// ---- Irregular periods -----------------------------------------------------------------------

struct ScaledCase {
    const char* name;
    LONG numerator;
    LONG denominator;
    short dateColumn;
    std::set<int> labelled;  // days of April
    std::set<int> separated; // days of April
};

class DayRowScaleTest : public DayRowTest, public testing::WithParamInterface<ScaledCase> {};

// 3-6 April narrowed by the factor: a narrowed day keeps its label only where its period
// has the date-column flag and it keeps a fifth of its width; its separator also where the
// width changes (3 April) if a tenth is left.
TEST_P(DayRowScaleTest, NarrowedDays) {
    const ScaledCase& c = GetParam();
    auto period = std::make_unique<CHensokuData>();
    ASSERT_TRUE(period->SetDayPeriod(1, Day(2010, 4, 3).GetTime(), Day(2010, 4, 6).GetTime(), 0, 0,
                                     c.dateColumn, 1, c.numerator, c.denominator));
    doc.set.GetHensoku()->AddData(std::move(period));
    doc.set.SetOption1(0);
    Bind();
    ASSERT_TRUE(layout.GetScale().IsBuilt());
    const LOGFONT font = DateFont(4);
    auto dc = DrawRow(font, [&](CDC* d) { layout.DrawDayRow(d, font, 0, -120, 1, 0); });
    std::set<int> labelled;
    for (const DrawnText& t : DrawnTexts(*dc)) {
        labelled.insert(std::stoi(Sjis::ToUtf8(t.text)));
    }
    std::set<int> separated;
    for (const auto& [x, colour] : Separators(*dc)) {
        for (int d = 1; d <= 10; ++d) {
            if (layout.DateToX(Day(2010, 4, d)) == x) {
                separated.insert(d);
            }
        }
    }
    EXPECT_EQ(labelled, c.labelled) << dc->Dump();
    EXPECT_EQ(separated, c.separated) << dc->Dump();
}

INSTANTIATE_TEST_SUITE_P(
    Factors, DayRowScaleTest,
    testing::Values(
        ScaledCase{"HalfWithDateColumns",
                   1,
                   2,
                   1,
                   {1, 2, 3, 4, 5, 6, 7, 8, 9, 10},
                   {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
        ScaledCase{"HalfWithoutDateColumns", 1, 2, 0, {1, 2, 7, 8, 9, 10}, {1, 2, 3, 7, 8, 9, 10}},
        ScaledCase{"TenthWithDateColumns", 1, 10, 1, {1, 2, 7, 8, 9, 10}, {1, 2, 3, 7, 8, 9, 10}}),
    [](const testing::TestParamInfo<ScaledCase>& info) { return info.param.name; });

// ---- Weekly day row
// ------------------------------------------------------------------------------

// Weeks run Monday to Sunday, counted from the period's first day (Thursday 1 April, week 1):
// every n-th Sunday is labelled with its day of the month at the end of its day, the Monday
// that starts each group of n weeks is separated.
TEST_F(DayRowTest, WeeklyRowLabelsSundaysAndSeparatesMondays) {
    Period(Day(2010, 4, 1), Day(2010, 4, 30));
    Bind();
    const LOGFONT font = DateFont(20);
    const auto x = [&](int day) { return layout.DateToX(Day(2010, 4, day)); };

    auto weekly = DrawRow(font, [&](CDC* d) { layout.DrawWeeklyDayRow(d, font, 0, -120, 1); });
    EXPECT_EQ(Labels(*weekly), (std::vector<Label>{{"4", x(5) - 1, TA_RIGHT, 20},
                                                   {"11", x(12) - 1, TA_RIGHT, 20},
                                                   {"18", x(19) - 1, TA_RIGHT, 20},
                                                   {"25", x(26) - 1, TA_RIGHT, 20}}));
    EXPECT_EQ(
        Separators(*weekly),
        (std::vector<std::pair<int, COLORREF>>{
            {x(5), kLightGrey}, {x(12), kLightGrey}, {x(19), kLightGrey}, {x(26), kLightGrey}}));

    auto fortnightly = DrawRow(font, [&](CDC* d) { layout.DrawWeeklyDayRow(d, font, 0, -120, 2); });
    EXPECT_EQ(Labels(*fortnightly), (std::vector<Label>{{"11", x(12) - 1, TA_RIGHT, 20},
                                                        {"25", x(26) - 1, TA_RIGHT, 20}}));
    EXPECT_EQ(Separators(*fortnightly),
              (std::vector<std::pair<int, COLORREF>>{{x(12), kLightGrey}, {x(26), kLightGrey}}));
}

// A repaint of a strip labels the same Sundays as a repaint of the whole row: the weeks are
// counted from the period's start, not from where the walk begins.
TEST_F(DayRowTest, WeeklyRowCountsWeeksFromThePeriodStart) {
    Period(Day(2010, 4, 1), Day(2010, 6, 30));
    Bind();
    const LOGFONT font = DateFont(20);
    auto whole = DrawRow(font, [&](CDC* d) { layout.DrawWeeklyDayRow(d, font, 0, -120, 2); });

    const int left = layout.DateToX(Day(2010, 5, 20));
    const int right = layout.DateToX(Day(2010, 6, 10));
    auto strip = Device();
    CRect device(left, 0, right, -120);
    strip->LPtoDP(&device);
    strip->SetUpdateRect(device);
    layout.DrawWeeklyDayRow(strip.get(), font, 0, -120, 2);

    const auto inside = [&](const std::vector<Label>& labels) {
        std::vector<Label> out;
        std::copy_if(labels.begin(), labels.end(), std::back_inserter(out),
                     [&](const Label& l) { return l.x > left && l.x < right; });
        return out;
    };
    const std::vector<Label> expected = inside(Labels(*whole));
    ASSERT_FALSE(expected.empty());
    std::vector<Label> drawn = inside(Labels(*strip));
    for (Label& l : drawn) {
        l.fontWidth = 20; // the strip's device has the default font selected
    }
    EXPECT_EQ(drawn, expected);
    // The walk stays near the strip.
    EXPECT_LT(Labels(*strip).size(), Labels(*whole).size());
}

// ---- Weekday row
// ---------------------------------------------------------------------------------

TEST_F(DayRowTest, WeekdayNamesCentredInTheirDays) {
    Bind();
    const LOGFONT font = DateFont(60);
    auto japanese = DrawRow(font, [&](CDC* d) { layout.DrawWeekdayRow(d, font, 0, -120); });
    EXPECT_EQ(Labels(*japanese),
              Centred({"木", "金", "土", "日", "月", "火", "水", "木", "金", "土"}, 51, 60));
    Style(kWeekMode, 2);
    auto english = DrawRow(font, [&](CDC* d) { layout.DrawWeekdayRow(d, font, 0, -120); });
    EXPECT_EQ(
        Labels(*english),
        Centred({"Thu", "Fri", "Sat", "Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"}, 21, 60));
}

// In a day of 73 units the names do not fit: the Japanese ones are left out, the English ones
// (WeekMode 2) squeezed in; a day too narrow for one unit a byte drops them too.
TEST_F(DayRowTest, WeekdayNamesNarrowed) {
    Period(Day(2010, 4, 1), Day(2010, 4, 30));
    Bind();
    const LOGFONT font = DateFont(60);
    auto japanese = DrawRow(font, [&](CDC* d) { layout.DrawWeekdayRow(d, font, 0, -120); });
    EXPECT_TRUE(DrawnTexts(*japanese).empty());

    Style(kWeekMode, 2);
    auto english = DrawRow(font, [&](CDC* d) { layout.DrawWeekdayRow(d, font, 0, -120); });
    const std::vector<DrawnText> texts = DrawnTexts(*english);
    ASSERT_EQ(texts.size(), 30u);
    for (const DrawnText& t : texts) {
        EXPECT_EQ(t.text.size(), 3u);
        EXPECT_TRUE(t.fontWidth == 24 || t.fontWidth == 23) << t.fontWidth;
    }

    // 3000 days: rooms of -1 and 0 units.
    Period(Day(2005, 1, 1), Day(2013, 3, 19));
    Bind();
    auto crowded = DrawRow(font, [&](CDC* d) { layout.DrawWeekdayRow(d, font, 0, -120); });
    EXPECT_TRUE(DrawnTexts(*crowded).empty()) << crowded->Dump();
}

// Every day is separated; the first of a month and every day under an hour grid with a major
// line.
TEST_F(DayRowTest, WeekdaySeparators) {
    Period(Day(2010, 3, 29), Day(2010, 4, 3));
    Bind();
    const LOGFONT font = DateFont(20);
    auto dc = DrawRow(font, [&](CDC* d) { layout.DrawWeekdayRow(d, font, 0, -120); });
    EXPECT_EQ(Separators(*dc), (std::vector<std::pair<int, COLORREF>>{{530, kLightGrey},
                                                                      {898, kLightGrey},
                                                                      {1266, kLightGrey},
                                                                      {1635, kDarkGrey},
                                                                      {2003, kLightGrey},
                                                                      {2371, kLightGrey}}));
    doc.set.SetKeisenUnit(4);
    auto hours = DrawRow(font, [&](CDC* d) { layout.DrawWeekdayRow(d, font, 0, -120); });
    for (const auto& [x, colour] : Separators(*hours)) {
        EXPECT_EQ(colour, kDarkGrey) << x;
    }
}

// After its days each row draws the line along its bottom, from the item table to the end of
// the date band, 3 units wide.
TEST_F(DayRowTest, RowEndsWithItsBottomLine) {
    Bind();
    const LOGFONT font = DateFont(20);
    for (int kind = 0; kind < 3; ++kind) {
        auto dc = DrawRow(font, [&](CDC* d) {
            if (kind == 0) {
                layout.DrawDayRow(d, font, 0, -120, 1, 0);
            } else if (kind == 1) {
                layout.DrawWeeklyDayRow(d, font, 0, -120, 1);
            } else {
                layout.DrawWeekdayRow(d, font, 0, -120);
            }
        });
        const std::vector<DrawnLine> lines = DrawnLines(*dc);
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(lines.back().from, CPoint(500, -120));
        EXPECT_EQ(lines.back().to, CPoint(2770, -120));
        EXPECT_EQ(lines.back().pen.width, 3);
        EXPECT_EQ(lines.back().pen.color, kBlack);
    }
}

} // namespace
} // namespace tembra
