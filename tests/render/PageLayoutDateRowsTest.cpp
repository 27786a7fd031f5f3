// The year, month and hour rows of the date header through the recording device context.
// The row runs from y = 0 down to -120; the chart from x = 530 to 2740 at 100 %.
#include "render/PageLayout.h"

#include "ChartTestDoc.h"
#include "model/Hensoku.h"
#include "platform/Sjis.h"

#include <gtest/gtest.h>

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

constexpr COLORREF kDarkGrey = RGB(0x80, 0x80, 0x80);

struct Label {
    std::string text; // UTF-8
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

std::vector<std::string> Texts(const CRecordingDC& dc) {
    std::vector<std::string> out;
    for (const DrawnText& t : DrawnTexts(dc)) {
        out.push_back(Sjis::ToUtf8(t.text));
    }
    return out;
}

std::vector<int> SeparatorXs(const CRecordingDC& dc) {
    std::vector<int> out;
    for (const DrawnLine& line : DrawnLines(dc)) {
        if (line.from.x == line.to.x) {
            out.push_back(line.from.x);
        }
    }
    return out;
}

class DateRowTest : public ChartTestBase {
protected:
    static constexpr int kYearMode = 1;
    static constexpr int kMonthMode = 2;
    void Style(int index, int value) { doc.set.GetChart().GetDateStyle().SetMode(index, value); }

    std::unique_ptr<CRecordingDC> Year(int width, int step, int mode, int era) {
        const LOGFONT font = DateFont(width);
        return DrawRow(font,
                       [&](CDC* d) { layout.DrawYearRow(d, font, 0, -120, step, mode, era); });
    }
    std::unique_ptr<CRecordingDC> Month(int width, int step, int mode) {
        const LOGFONT font = DateFont(width);
        return DrawRow(font, [&](CDC* d) { layout.DrawMonthRow(d, font, 0, -120, step, mode); });
    }
};

// ---- Year rows ----------------------------------------------------------------------------------

// One year over the whole chart: room for 2209 units. The first text that fits wins, centred.
struct YearTextCase {
    const char* name;
    int year;
    int era;
    int yearMode;
    int fontWidth;
    std::vector<Label> labels;
};

class YearTextTest : public DateRowTest, public testing::WithParamInterface<YearTextCase> {};

TEST_P(YearTextTest, FirstTextThatFits) {
    const YearTextCase& c = GetParam();
    Period(Day(c.year, 1, 1), Day(c.year, 12, 31));
    Style(kYearMode, c.yearMode);
    Bind();
    auto dc = Year(c.fontWidth, 1, 0, c.era);
    EXPECT_EQ(Labels(*dc), c.labels) << dc->Dump();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, YearTextTest,
    testing::Values(
        YearTextCase{"Western", 2003, 0, 0, 300, {{"2003年", 735, TA_LEFT, 300}}},
        YearTextCase{"WesternNumber", 2003, 0, 0, 400, {{"2003", 835, TA_LEFT, 400}}},
        YearTextCase{"WesternLastDigits", 2003, 0, 0, 600, {{"3", 1335, TA_LEFT, 600}}},
        YearTextCase{"WesternNone", 2003, 0, 0, 2300, {}},
        YearTextCase{"Heisei", 1989, 1, 0, 300, {{"平成1年", 585, TA_LEFT, 300}}},
        YearTextCase{"HeiseiLetter", 1989, 1, 0, 500, {{"H1年", 635, TA_LEFT, 500}}},
        YearTextCase{"HeiseiLetterOnly", 1989, 1, 0, 1000, {{"H1", 635, TA_LEFT, 1000}}},
        YearTextCase{"HeiseiNumber", 1989, 1, 0, 2000, {{"1", 635, TA_LEFT, 2000}}},
        // 令和 in its own forms as the room narrows; a 平成 year as it always was.
        YearTextCase{"Reiwa", 2027, 1, 0, 300, {{"令和9年", 585, TA_LEFT, 300}}},
        YearTextCase{"ReiwaLetter", 2027, 1, 0, 500, {{"R9年", 635, TA_LEFT, 500}}},
        YearTextCase{"ReiwaLetterOnly", 2027, 1, 0, 1000, {{"R9", 635, TA_LEFT, 1000}}},
        YearTextCase{"ReiwaNumber", 2027, 1, 0, 2000, {{"9", 635, TA_LEFT, 2000}}},
        YearTextCase{"Heisei2010", 2010, 1, 0, 250, {{"平成22年", 635, TA_LEFT, 250}}},
        YearTextCase{"Heisei2010Letter", 2010, 1, 0, 300, {{"H22年", 885, TA_LEFT, 300}}},
        YearTextCase{"YearModeBare", 2003, 0, 1, 300, {{"2003", 1035, TA_LEFT, 300}}},
        YearTextCase{"YearModeBareHeisei", 1989, 1, 1, 300, {{"1", 1485, TA_LEFT, 300}}}),
    [](const testing::TestParamInfo<YearTextCase>& info) { return info.param.name; });

// 1998-04-01 to 2000-03-31: the first year is cut at the drawn start and its label centred in
// the part that shows (530..1361); each new year is separated with a major line.
TEST_F(DateRowTest, FirstPartialYearCentredInItsVisiblePart) {
    Period(Day(1998, 4, 1), Day(2000, 3, 31));
    Bind();
    auto dc = Year(20, 1, 0, 0);
    EXPECT_EQ(Labels(*dc), (std::vector<Label>{{"1998年", 886, TA_LEFT, 20},
                                               {"1999年", 1853, TA_LEFT, 20},
                                               {"2000年", 2542, TA_LEFT, 20}}))
        << dc->Dump();
    EXPECT_EQ(SeparatorXs(*dc), (std::vector<int>{1361, 2464}));
    for (const DrawnLine& line : DrawnLines(*dc)) {
        if (line.from.x == line.to.x) {
            EXPECT_EQ(line.pen.color, kDarkGrey);
        }
    }
}

// 2019 holds two era years: 平成31年 up to 30 April and 令和1年 from 1 May, each labelled inside
// its own part and separated where 令和 begins.
TEST_F(DateRowTest, TheYearAnEraBeginsSplitsWhereItBegins) {
    Period(Day(2019, 1, 1), Day(2019, 12, 31));
    Bind();
    auto dc = Year(20, 1, 0, 1);
    const int may = layout.DateToX(Day(2019, 5, 1));
    EXPECT_EQ(SeparatorXs(*dc), std::vector<int>{may}) << dc->Dump();
    const std::vector<Label> labels = Labels(*dc);
    ASSERT_EQ(labels.size(), 2u) << dc->Dump();
    EXPECT_EQ(labels[0].text, "平成31年");
    EXPECT_LT(labels[0].x + 8 * 20, may);
    EXPECT_EQ(labels[1].text, "令和1年");
    EXPECT_GT(labels[1].x, may);
    // The Western row of the same chart is one year.
    EXPECT_EQ(Texts(*Year(20, 1, 0, 0)), std::vector<std::string>{"2019年"});
}

// Two era years a label: the last 平成 year ends its group early and is labelled alone, 令和
// counts its groups from 1.
TEST_F(DateRowTest, EveryOtherEraYearLabelsTheLastYearOfAnEra) {
    Period(Day(2016, 1, 1), Day(2021, 12, 31));
    Bind();
    auto dc = Year(10, 2, 0, 1);
    EXPECT_EQ(Texts(*dc), (std::vector<std::string>{"平成28年", "平成30年", "平成31年", "令和2年"}))
        << dc->Dump();
    EXPECT_EQ(SeparatorXs(*dc),
              (std::vector<int>{layout.DateToX(Day(2017, 1, 1)), layout.DateToX(Day(2019, 1, 1)),
                                layout.DateToX(Day(2019, 5, 1)), layout.DateToX(Day(2021, 1, 1))}));
}

// Elapsed years of 12 months of 30 days around an origin 720 days into the period: -2, -1,
// then 1, 2; there is no year 0.
TEST_F(DateRowTest, ElapsedYearsSkipZero) {
    Period(Day(2000, 1, 1), Day(2000, 1, 1) + CTimeSpan(1439, 0, 0, 0));
    doc.set.SetJyunbiKikan(CTimeSpan(720, 0, 0, 0));
    Bind();
    auto dc = Year(20, 1, 1, 0);
    EXPECT_EQ(Labels(*dc), (std::vector<Label>{{"-2年", 766, TA_LEFT, 20},
                                               {"-1年", 1319, TA_LEFT, 20},
                                               {"1年", 1881, TA_LEFT, 20},
                                               {"2年", 2434, TA_LEFT, 20}}))
        << dc->Dump();
    EXPECT_EQ(SeparatorXs(*dc), (std::vector<int>{1082, 1635, 2187}));
}

// ---- Month rows ---------------------------------------------------------------------------------

// January to March 2010: rooms of 760, 686 and 761 units.
struct MonthCase {
    const char* name;
    int mode;
    int monthMode;
    int fontWidth;
    std::vector<Label> labels;
};

class MonthTextTest : public DateRowTest, public testing::WithParamInterface<MonthCase> {};

TEST_P(MonthTextTest, TextPlaceAndWidth) {
    const MonthCase& c = GetParam();
    Period(Day(2010, 1, 1), Day(2010, 3, 31));
    Style(kMonthMode, c.monthMode);
    doc.set.SetJyunbiKikan(CTimeSpan(-2970, 0, 0, 0));
    Bind();
    auto dc = Month(c.fontWidth, 1, c.mode);
    EXPECT_EQ(Labels(*dc), c.labels) << dc->Dump();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MonthTextTest,
    testing::Values(
        // " 1月" (4 bytes, 720) fits January and is drawn without its space; " 2月" does not
        // fit February, which falls back to " 2", drawn as "2".
        MonthCase{
            "MeasuredWithTheSpace",
            0,
            0,
            180,
            {{"1月", 641, TA_LEFT, 180}, {"2", 1545, TA_LEFT, 180}, {"3月", 2089, TA_LEFT, 180}}},
        MonthCase{"Numbers",
                  0,
                  0,
                  200,
                  {{"1", 811, TA_LEFT, 200}, {"2", 1535, TA_LEFT, 200}, {"3", 2259, TA_LEFT, 200}}},
        // English names are drawn condensed into rooms too narrow for them...
        MonthCase{
            "EnglishCondensed",
            0,
            2,
            300,
            {{"Jan", 531, TA_LEFT, 253}, {"Feb", 1292, TA_LEFT, 228}, {"Mar", 1979, TA_LEFT, 253}}},
        // ... but not into a room narrower than one character.
        MonthCase{"EnglishDroppedBelowOneCharacter",
                  0,
                  2,
                  700,
                  {{"Jan", 531, TA_LEFT, 253}, {"Mar", 1979, TA_LEFT, 253}}},
        // Elapsed months from 100 (30-day months from 2970 days before the start): numbers
        // above 99 are drawn condensed when they do not fit.
        MonthCase{
            "ElapsedHundreds",
            1,
            0,
            300,
            {{"100", 531, TA_LEFT, 245}, {"101", 1267, TA_LEFT, 245}, {"102", 2004, TA_LEFT, 245}}},
        // A calendar month that does not fit is left out.
        MonthCase{"CalendarNotCondensed", 0, 0, 800, {}}),
    [](const testing::TestParamInfo<MonthCase>& info) { return info.param.name; });

// A "月" row of an elapsed chart (mode 2) counts the months of the elapsed year 1 to 12 and
// starts again; an elapsed month row (mode 1) counts on.
TEST_F(DateRowTest, ElapsedMonthsWithinTheYear) {
    Period(Day(2010, 1, 1), Day(2010, 1, 1) + CTimeSpan(419, 0, 0, 0));
    Bind();
    auto within = Month(5, 1, 2);
    EXPECT_EQ(Texts(*within),
              (std::vector<std::string>{"1月", "2月", "3月", "4月", "5月", "6月", "7月", "8月",
                                        "9月", "10月", "11月", "12月", "1月", "2月"}));
    auto on = Month(5, 1, 1);
    EXPECT_EQ(Texts(*on).back(), "14月");
}

// Groups of three months in 2010: labels on March, June, September and December, each
// right-aligned at the end of its group; separators where the groups start (April, July,
// October; January is the drawn start).
TEST_F(DateRowTest, QuarterGroups) {
    Period(Day(2010, 1, 1), Day(2010, 12, 31));
    Bind();
    auto dc = Month(5, 3, 0);
    EXPECT_EQ(Labels(*dc), (std::vector<Label>{{"3月", 1073, TA_RIGHT, 5},
                                               {"6月", 1624, TA_RIGHT, 5},
                                               {"9月", 2181, TA_RIGHT, 5},
                                               {"12月", 2739, TA_RIGHT, 5}}))
        << dc->Dump();
    EXPECT_EQ(SeparatorXs(*dc), (std::vector<int>{1074, 1625, 2182}));
}

// December and January squeezed to a tenth by an irregular period without date columns: the
// separator of a squeezed month goes, except on January 1 of a calendar month row.
TEST_F(DateRowTest, JanuaryBoundaryAlwaysSeparated) {
    Period(Day(2009, 10, 1), Day(2010, 3, 31));
    auto period = std::make_unique<CHensokuData>();
    ASSERT_TRUE(period->SetDayPeriod(1, Day(2009, 12, 1).GetTime(), Day(2010, 1, 31).GetTime(), 0,
                                     0, 0, 1, 1, 10));
    doc.set.GetHensoku()->AddData(std::move(period));
    doc.set.SetOption1(2);
    Bind();
    ASSERT_TRUE(layout.GetScale().IsBuilt());
    const auto x = [&](int year, int month) { return layout.DateToX(Day(year, month, 1)); };
    auto calendar = Month(5, 1, 0);
    EXPECT_EQ(SeparatorXs(*calendar),
              (std::vector<int>{x(2009, 11), x(2009, 12), x(2010, 1), x(2010, 2), x(2010, 3)}));
    auto counted = Month(5, 1, 3);
    EXPECT_EQ(SeparatorXs(*counted),
              (std::vector<int>{x(2009, 11), x(2009, 12), x(2010, 2), x(2010, 3)}));
}

// ---- Hour row -----------------------------------------------------------------------------------

// Two days from 0:00, labels every 6 hours: 6, 12 and 18 centred on their hour's line; hour 0
// gets no label, only the day's separator.
TEST_F(DateRowTest, HourLabelsCentredOnTheirLines) {
    Period(Day(2010, 4, 1), Day(2010, 4, 2));
    Bind();
    const LOGFONT font = DateFont(20);
    auto dc = DrawRow(font, [&](CDC* d) { layout.DrawHourRow(d, font, 0, -120, 6); });
    EXPECT_EQ(Labels(*dc), (std::vector<Label>{{"6", 796, TA_LEFT, 20},
                                               {"12", 1062, TA_LEFT, 20},
                                               {"18", 1338, TA_LEFT, 20},
                                               {"6", 1901, TA_LEFT, 20},
                                               {"12", 2167, TA_LEFT, 20},
                                               {"18", 2443, TA_LEFT, 20}}))
        << dc->Dump();
    EXPECT_EQ(SeparatorXs(*dc), (std::vector<int>{1635}));
    for (const DrawnLine& line : DrawnLines(*dc)) {
        if (line.from.x == line.to.x) {
            EXPECT_EQ(line.pen.color, kDarkGrey);
        }
    }
}

// Hours 10 to 15 squeezed to a fifth (an hour scale without date columns): where the squeeze
// begins, the label shares the stretch with the next one's. On a chart so long that its share
// is less than one unit a byte, the label is left out instead of being drawn at its natural
// width.
TEST_F(DateRowTest, SharedHourLabelWithoutRoomIsLeftOut) {
    CHensoku* periods = doc.set.GetHensoku();
    periods->SetHourMode(TRUE);
    auto hours = std::make_unique<CHensokuData>();
    ASSERT_TRUE(hours->SetHourPeriod(1, 10, 15, 0, 0, 0, 1, 1, 5));
    periods->AddData(std::move(hours));
    doc.set.SetOption1(4);
    const LOGFONT font = DateFont(30);

    Period(Day(2010, 4, 1), Day(2010, 4, 4));
    Bind();
    ASSERT_TRUE(layout.GetScale().IsBuilt());
    auto shared = DrawRow(font, [&](CDC* d) { layout.DrawHourRow(d, font, 0, -120, 1); });
    std::vector<DrawnText> tens;
    for (const DrawnText& t : DrawnTexts(*shared)) {
        if (t.text == "10") {
            tens.push_back(t);
        }
    }
    ASSERT_EQ(tens.size(), 4u) << shared->Dump();
    for (const DrawnText& t : tens) {
        EXPECT_GE(t.fontWidth, 1);
        EXPECT_LT(t.fontWidth, 30);
    }

    Period(Day(2010, 4, 1), Day(2010, 5, 10));
    Bind();
    ASSERT_TRUE(layout.GetScale().IsBuilt());
    auto crowded = DrawRow(font, [&](CDC* d) { layout.DrawHourRow(d, font, 0, -120, 1); });
    EXPECT_TRUE(DrawnTexts(*crowded).empty()) << crowded->Dump();
}

// ---- The clip box ------------------------------------------------------------------------------

// A repaint of the body alone (the clip box below the date band) draws nothing of the year,
// month and hour rows, not even their top line; for the embedded object's picture the whole
// row is drawn.
TEST_F(DateRowTest, ClipBelowTheDateBandDrawsNothing) {
    Bind();
    const LOGFONT font = DateFont(20);
    for (int row = 0; row < 3; ++row) {
        auto dc = Device();
        CRect body(0, -200, 2770, -1600);
        dc->LPtoDP(&body);
        dc->SetUpdateRect(body);
        if (row == 0) {
            layout.DrawYearRow(dc.get(), font, 0, -120, 1, 0, 0);
        } else if (row == 1) {
            layout.DrawMonthRow(dc.get(), font, 0, -120, 1, 0);
        } else {
            layout.DrawHourRow(dc.get(), font, 0, -120, 6);
        }
        EXPECT_TRUE(dc->Drawings().empty()) << dc->Dump();
    }
    // While the chart is drawn as an embedded object's picture the clip box does not count.
    DrawSettings embedded;
    embedded.embeddedPicture = true;
    SetDrawSettings(embedded);
    auto picture = Device();
    CRect below(0, -200, 2770, -1600);
    picture->LPtoDP(&below);
    picture->SetUpdateRect(below);
    layout.DrawYearRow(picture.get(), font, 0, -120, 1, 0, 0);
    EXPECT_EQ(DrawnTexts(*picture).size(), 1u) << picture->Dump();
    SetDrawSettings(DrawSettings{});

    // Reaching into the band is enough.
    auto dc = Device();
    CRect reaching(0, -100, 2770, -1600);
    dc->LPtoDP(&reaching);
    dc->SetUpdateRect(reaching);
    layout.DrawMonthRow(dc.get(), font, 0, -120, 1, 0);
    EXPECT_FALSE(DrawnTexts(*dc).empty());
}

// A strip of a long chart: the walk covers the strip and a label group on each side, and what
// lies inside the strip is drawn as on a whole repaint.
TEST_F(DateRowTest, StripRepaintMatchesWholeRepaint) {
    Period(Day(1995, 1, 1), Day(2004, 12, 31));
    Bind();
    const LOGFONT font = DateFont(8);
    const int left = layout.DateToX(Day(1999, 5, 10));
    const int right = layout.DateToX(Day(2000, 2, 20));
    const auto inStrip = [&](const std::vector<Label>& labels) {
        std::vector<Label> out;
        for (Label l : labels) {
            if (l.x >= left && l.x <= right) {
                l.fontWidth = 8;
                out.push_back(l);
            }
        }
        return out;
    };
    for (const auto& [step, mode] : {std::pair{1, 0}, std::pair{3, 0}, std::pair{2, 3}}) {
        auto whole = Month(8, step, mode);
        auto strip = Device();
        CRect device(left, 0, right, -120);
        strip->LPtoDP(&device);
        strip->SetUpdateRect(device);
        layout.DrawMonthRow(strip.get(), font, 0, -120, step, mode);
        SCOPED_TRACE(testing::Message() << "step " << step << " mode " << mode);
        ASSERT_FALSE(inStrip(Labels(*whole)).empty());
        EXPECT_EQ(inStrip(Labels(*strip)), inStrip(Labels(*whole)));
        EXPECT_LT(DrawnTexts(*strip).size(), DrawnTexts(*whole).size() / 2);
    }
    auto whole = Year(8, 1, 0, 0);
    auto strip = Device();
    CRect device(left, 0, right, -120);
    strip->LPtoDP(&device);
    strip->SetUpdateRect(device);
    layout.DrawYearRow(strip.get(), font, 0, -120, 1, 0, 0);
    ASSERT_FALSE(inStrip(Labels(*whole)).empty());
    EXPECT_EQ(inStrip(Labels(*strip)), inStrip(Labels(*whole)));
}

} // namespace
} // namespace tembra
