// What the resource-chart sheets copy in and out of a chart, without widgets: the five-row
// paging, the pattern codes of both pattern combos (unknown codes kept while untouched), the
// colour positions, the numbers of the scale combos, the scale and totals-box fields stored
// into a chart, and the display names.
#include "dialogs/attributes/core/ChartSheetFields.h"

#include "chart/Chart.h"
#include "shapes/ZukeiString.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tembra {
namespace {

TEST(ChartSheetPaging, TheButtonsOfFiveRowsAtATime) {
    struct Case {
        int count;
        int first;
        bool next;
        bool previous;
    };
    const Case cases[] = {
        {0, 0, false, false}, {3, 0, false, false}, {5, 0, false, false}, {6, 0, true, false},
        {7, 0, true, false},  {7, 5, false, true},  {10, 5, false, true}, {11, 5, true, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(HasNextRows(c.first, c.count), c.next) << c.count << " from " << c.first;
        EXPECT_EQ(HasPreviousRows(c.first), c.previous) << c.count << " from " << c.first;
    }
    EXPECT_EQ(PreviousFirst(10), 5);
    EXPECT_EQ(PreviousFirst(5), 0);
    EXPECT_EQ(PreviousFirst(0), 0);
}

// The code a position stores, picked over another entry.
int Picked(std::span<const CodeEntry> table, int position) {
    ComboChoice choice = LoadChoice(table, position == 0 ? table[1].code : table[0].code);
    choice.position = position;
    return StoreChoice(table, choice, -1);
}

// Both pattern combos: each stored code's position and back; "白抜き" only in the box's combo.
TEST(ChartSheetPatterns, CodesAndPositionsOfBothCombos) {
    struct Case {
        int code;
        int barPosition; // -1: not offered
        int boxPosition;
    };
    const Case cases[] = {{999, 0, 0}, {100, -1, 1}, {99, 1, 2}, {3, 2, 3}, {4, 3, 4},
                          {5, 4, 5},   {2, 5, 6},    {0, 6, 7},  {1, 7, 8}};
    for (const Case& c : cases) {
        EXPECT_EQ(LoadChoice(HatchTable(), c.code).shown, c.boxPosition) << c.code;
        EXPECT_EQ(Picked(HatchTable(), c.boxPosition), c.code);
        if (c.barPosition >= 0) {
            EXPECT_EQ(LoadChoice(BarPatternTable(), c.code).shown, c.barPosition) << c.code;
            EXPECT_EQ(Picked(BarPatternTable(), c.barPosition), c.code);
        }
    }
}

// A code the combo cannot show comes back unchanged unless another entry is picked; a position
// outside the table stores what the caller gives for it.
TEST(ChartSheetPatterns, AnUntouchedUnknownCodeIsKept) {
    struct Case {
        std::span<const CodeEntry> table;
        int code;
        int pickedCode; // of position 1
    };
    const Case cases[] = {{BarPatternTable(), 100, 99}, {BarPatternTable(), 77, 99},
                          {HatchTable(), 42, 100},      {LineTypeTable(), 9, 1},
                          {LineWidthTable(), -3, 1},    {LineWidthTable(), 7, 1}};
    for (const Case& c : cases) {
        ComboChoice choice = LoadChoice(c.table, c.code);
        EXPECT_EQ(choice.shown, 0) << c.code;
        EXPECT_EQ(StoreChoice(c.table, choice, -1), c.code);
        choice.position = 1;
        EXPECT_EQ(StoreChoice(c.table, choice, -1), c.pickedCode) << c.code;
        choice.position = static_cast<int>(c.table.size());
        EXPECT_EQ(StoreChoice(c.table, choice, -1), -1) << c.code;
    }
}

TEST(ChartSheetColors, PositionAndCustomColour) {
    struct Case {
        COLORREF color;
        int position;
    };
    const Case cases[] = {{RGB(0, 0, 0), 0},     {RGB(255, 0, 0), 1},   {RGB(0, 255, 0), 2},
                          {RGB(255, 0, 255), 3}, {RGB(0, 255, 255), 4}, {RGB(255, 255, 0), 5},
                          {RGB(10, 20, 30), 6},  {RGB(0, 0, 255), 6}};
    for (const Case& c : cases) {
        const ColorChoice choice = LoadColorChoice(c.color);
        EXPECT_EQ(choice.position, c.position) << c.color;
        EXPECT_EQ(choice.custom, c.color);
        EXPECT_EQ(StoreColorChoice(choice), c.color);
    }
    // A table position writes the table colour, whatever the custom colour is.
    EXPECT_EQ(StoreColorChoice({2, RGB(10, 20, 30)}), RGB(0, 255, 0));
}

TEST(ChartSheetNumbers, TextsThatAreNoNumbersCountAsZero) {
    struct Case {
        const char* text;
        long value;
    };
    const Case cases[] = {{"自動", 0},   {"", 0},    {"x", 0},  {"25", 25}, {" 12", 12},
                          {"12abc", 12}, {"-3", -3}, {"+7", 7}, {"0", 0}};
    for (const Case& c : cases) {
        EXPECT_EQ(ReadChartNumber(c.text), c.value) << c.text;
    }
    EXPECT_EQ(ScaleText(0), "自動");
    EXPECT_EQ(ScaleText(25), "25");
}

TEST(ChartSheetNumbers, TheComboEntries) {
    const std::vector<std::string>& steps = ScaleStepTexts();
    ASSERT_EQ(steps.size(), 1u + 20u + 16u);
    EXPECT_EQ(steps.front(), "自動");
    EXPECT_EQ(steps[20], "20");
    EXPECT_EQ(steps[21], "25");
    EXPECT_EQ(steps.back(), "100");
    const std::vector<std::string>& maxima = ScaleMaximumTexts();
    ASSERT_EQ(maxima.size(), 1u + 10u + 1u + 16u);
    EXPECT_EQ(maxima[10], "100");
    EXPECT_EQ(maxima[11], "200");
    EXPECT_EQ(maxima[12], "250");
    EXPECT_EQ(maxima.back(), "1000");
}

void SetUpChart(CChart& chart, WORD purpose) {
    chart.SetPurpose(purpose);
    chart.SetMaxValue(300);
    chart.SetScaleStep(10);
}

TEST(ChartSheetScale, FieldsOfBothKindsInAndOut) {
    CChart loading;
    SetUpChart(loading, CChart::kPurposeLoading);
    loading.SetMaxValue(0);
    ScaleFields fields = LoadScaleFields(loading);
    EXPECT_EQ(fields.maximum, "自動");
    EXPECT_EQ(fields.step, "10");
    EXPECT_TRUE(fields.maximumEnabled);
    fields.size = "20";
    fields.step = "自動";
    fields.maximum = "x";
    StoreScaleFields(fields, loading);
    EXPECT_EQ(loading.GetScaleFont().lfHeight, -20);
    EXPECT_EQ(loading.GetScaleFont().lfWidth, 10);
    EXPECT_EQ(loading.GetScaleStep(), 0);
    EXPECT_EQ(loading.GetMaxValue(), 0u);

    // An earned-value line's maximum is its 100 % total: shown as automatic, never written.
    CChart earned;
    SetUpChart(earned, CChart::kPurposeEarnedValue);
    fields = LoadScaleFields(earned);
    EXPECT_EQ(fields.maximum, "自動");
    EXPECT_FALSE(fields.maximumEnabled);
    fields.maximum = "500";
    fields.step = "25";
    StoreScaleFields(fields, earned);
    EXPECT_EQ(earned.GetMaxValue(), 300u);
    EXPECT_EQ(earned.GetScaleStep(), 25);
}

TEST(ChartSheetScale, OnlyAnEarnedValueLineRefusesAStepOfHundred) {
    struct Case {
        WORD purpose;
        const char* step;
        bool accepted;
    };
    const Case cases[] = {
        {CChart::kPurposeEarnedValue, "99", true},   {CChart::kPurposeEarnedValue, "100", false},
        {CChart::kPurposeEarnedValue, "250", false}, {CChart::kPurposeEarnedValue, "自動", true},
        {CChart::kPurposeLoading, "100", true},
    };
    for (const Case& c : cases) {
        CChart chart;
        SetUpChart(chart, c.purpose);
        ScaleFields fields = LoadScaleFields(chart);
        fields.step = c.step;
        EXPECT_EQ(ScaleStepAccepted(fields, chart), c.accepted) << c.purpose << " " << c.step;
    }
}

TEST(ChartSheetSeries, TheEditorsFieldsInAndOut) {
    CChart chart;
    chart.SetSeriesCount(2);
    chart.SetSeriesPattern(1, 100);
    chart.SetSeriesLineType(1, 9);
    chart.SetSeriesLineWidth(1, 2);
    BarPatternFields bar = LoadBarPattern(chart, 1);
    EXPECT_EQ(bar.pattern.position, 0);
    StoreBarPattern(bar, chart, 1);
    EXPECT_EQ(chart.GetSeriesPattern(1), 100) << "white fill untouched";
    bar.pattern.position = 3;
    bar.fill = {6, RGB(1, 2, 3)};
    StoreBarPattern(bar, chart, 1);
    EXPECT_EQ(chart.GetSeriesPattern(1), 4);
    EXPECT_EQ(chart.GetSeriesPatternColor(1), RGB(1, 2, 3));

    LineTypeFields line = LoadLineType(chart, 1);
    EXPECT_EQ(line.type.position, 0) << "a type outside 0 to 5 shows 実線";
    EXPECT_EQ(line.width.position, 2);
    line.width.position = 1;
    StoreLineType(line, chart, 1);
    EXPECT_EQ(chart.GetSeriesLineType(1), 9);
    EXPECT_EQ(chart.GetSeriesLineWidth(1), 1);
}

// A shown series keeps the slot number of its last computation unless its check changes.
TEST(ChartSheetSeries, OnlyAChangedCheckIsWritten) {
    CChart chart;
    chart.SetSeriesCount(2);
    chart.SetSeriesShown(0, 3);
    StoreSeriesShown(chart, 0, true);
    StoreSeriesShown(chart, 1, false);
    EXPECT_EQ(chart.IsSeriesShown(0), 3);
    EXPECT_EQ(chart.IsSeriesShown(1), 0);
    StoreSeriesShown(chart, 0, false);
    StoreSeriesShown(chart, 1, true);
    EXPECT_EQ(chart.IsSeriesShown(0), 0);
    EXPECT_EQ(chart.IsSeriesShown(1), 1);
}

TEST(ChartSheetTotalsBox, VerticalAlignmentFlags) {
    struct Case {
        WORD flags;
        int position;
    };
    const Case cases[] = {{0, 1}, {0x100, 0}, {0x200, 2}, {0x300, 0}, {0x0004, 1}};
    for (const Case& c : cases) {
        EXPECT_EQ(VerticalPosition(c.flags), c.position) << c.flags;
    }
    EXPECT_EQ(WithVerticalPosition(0x0200, 0), 0x0100);
    EXPECT_EQ(WithVerticalPosition(0x0100, 1), 0x0000);
    EXPECT_EQ(WithVerticalPosition(0x0000, 2), 0x0200);
    EXPECT_EQ(WithVerticalPosition(0x0104, 2), 0x0204) << "bold stays";
}

TEST(ChartSheetTotalsBox, FormatInAndOut) {
    CChart chart;
    ASSERT_TRUE(chart.EnsureLabel());
    CZukeiString& box = *chart.GetLabel();
    box.SetHatch(100);
    box.SetLineType(3);
    box.SetWidth(7);
    TotalsFormatFields fields = LoadTotalsFormat(chart, box);
    EXPECT_EQ(fields.hatch.position, 1);
    EXPECT_EQ(fields.lineType.position, 3);
    EXPECT_EQ(fields.lineWidth.position, 0);
    EXPECT_EQ(fields.separator, ":");
    EXPECT_EQ(fields.size, "32");
    EXPECT_EQ(fields.vertical, 1);
    fields.size = "24";
    fields.hatch.position = 0;
    fields.separator = "->";
    fields.text = {1, RGB(0, 0, 0)};
    fields.horizontal = 2;
    fields.vertical = 0;
    StoreTotalsFormat(fields, chart, box);
    EXPECT_EQ(box.GetHatch(), 999);
    EXPECT_EQ(box.GetWidth(), 7) << "an untouched width the combo cannot show";
    EXPECT_EQ(chart.GetSeparator(), "->");
    EXPECT_EQ(box.GetFont().lfHeight, -24);
    EXPECT_EQ(box.GetFont().lfWidth, 0);
    EXPECT_EQ(box.GetTextAttr().m_color, RGB(255, 0, 0));
    EXPECT_EQ(box.GetTextAttr().m_form, 2);
    EXPECT_EQ(box.GetTextAttr().m_attrb, 0x100);
}

TEST(ChartSheetDisplayNames, TheResourcesOwnNameIsStoredEmpty) {
    std::vector<std::string> stored = {"", "Crane"};
    EXPECT_EQ(ShownDisplayName(stored, 0, "Pump"), "Pump");
    EXPECT_EQ(ShownDisplayName(stored, 1, "Lift"), "Crane");
    EXPECT_EQ(ShownDisplayName(stored, 4, "Van"), "Van");
    StoreDisplayName(stored, 1, "Lift", "Lift");
    EXPECT_EQ(stored, (std::vector<std::string>{"", ""}));
    StoreDisplayName(stored, 4, "Van", "Van");
    EXPECT_EQ(stored.size(), 2u) << "a missing name already is the resource's own";
    StoreDisplayName(stored, 3, "Truck", "Van");
    EXPECT_EQ(stored, (std::vector<std::string>{"", "", "", "Truck"}));
}

} // namespace
} // namespace tembra
