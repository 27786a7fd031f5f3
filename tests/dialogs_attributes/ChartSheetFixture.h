// What the tests of the resource-chart sheets share: a resource table of n names, a chart of
// either kind with a series per resource (and its totals box), the chart's stored bytes, and
// the controls of a page's five rows.
#pragma once

#include "chart/Chart.h"
#include "model/Shigen.h"
#include "support/ArchiveBytes.h"
#include "support/qt/DialogControls.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QString>

#include <algorithm>
#include <array>
#include <memory>
#include <string>
#include <vector>

namespace tembra::test {

// Resources "R0", "R1" ...
inline CShigenNameTable Resources(int count) {
    CShigenNameTable names;
    for (int i = 0; i < count; ++i) {
        names.push_back(std::make_unique<CShigenName>(static_cast<WORD>(i + 1), WORD{1},
                                                      "R" + std::to_string(i)));
    }
    return names;
}

// As the view hands a chart to its sheet: a series per resource, the totals box of a
// resource-loading chart, and some settings that differ from the defaults.
inline void SetUpChart(CChart& chart, WORD purpose, int series) {
    chart.SetPurpose(purpose);
    chart.SetSeriesCount(series);
    for (int i = 0; i < series; ++i) {
        chart.SetSeriesLineColor(i, RGB(255, 0, 0));
        chart.SetSeriesPattern(i, i == 1 ? 100 : 3);
        chart.SetSeriesLineType(i, 2);
    }
    chart.SetSeriesShown(0, 1);
    chart.SetScaleStep(10);
    chart.SetMaxValue(purpose == CChart::kPurposeEarnedValue ? 500 : 0);
    if (purpose == CChart::kPurposeLoading) {
        EXPECT_TRUE(chart.EnsureLabel());
    } else {
        chart.SetGraphType(CChart::kLineGraph);
    }
}

inline Bytes StoredBytes(CChart& chart) {
    return Store(chart);
}

// Equal bytes, else where they first differ.
inline ::testing::AssertionResult SameBytes(const Bytes& actual, const Bytes& expected) {
    const std::size_t n = std::min(actual.size(), expected.size());
    for (std::size_t i = 0; i < n; ++i) {
        if (actual[i] != expected[i]) {
            return ::testing::AssertionFailure()
                   << "byte " << i << ": " << int(actual[i]) << " instead of " << int(expected[i]);
        }
    }
    if (actual.size() != expected.size()) {
        return ::testing::AssertionFailure()
               << actual.size() << " bytes instead of " << expected.size();
    }
    return ::testing::AssertionSuccess();
}

// The name shown in row r (0 to 4) of a graph page.
inline QString RowName(const QWidget& page, int row) {
    auto* label = page.findChild<QLabel*>(QStringLiteral("name%1").arg(row));
    EXPECT_NE(label, nullptr) << row;
    return label != nullptr ? label->text() : QString();
}

// Five resources a page: "▼次" only while a resource lies beyond them, rows without a resource
// empty and disabled.
struct PagingCase {
    int resources;
    int nextClicks;
    std::array<const char*, 5> names; // "" an empty, disabled row
    bool next;
    bool previous;
};
inline std::vector<PagingCase> PagingCases() {
    return {
        {3, 0, {"R0", "R1", "R2", "", ""}, false, false},
        {4, 0, {"R0", "R1", "R2", "R3", ""}, false, false},
        {5, 0, {"R0", "R1", "R2", "R3", "R4"}, false, false},
        {7, 0, {"R0", "R1", "R2", "R3", "R4"}, true, false},
        {7, 1, {"R5", "R6", "", "", ""}, false, true},
    };
}

inline void ClickNext(const QWidget& page, int times) {
    for (int i = 0; i < times; ++i) {
        Control<QPushButton>(page, 1853)->click();
    }
}

inline void ExpectPagingButtons(const QWidget& page, const PagingCase& c) {
    EXPECT_EQ(Control<QPushButton>(page, 1853)->isEnabled(), c.next);
    EXPECT_EQ(Control<QPushButton>(page, 1854)->isEnabled(), c.previous);
}

// The rows of a graph page: name, check and sample of each.
inline void ExpectSeriesRows(const QWidget& page, const PagingCase& c) {
    constexpr std::array<int, 5> kShownIds = {1822, 1831, 1833, 1835, 1837};
    constexpr std::array<int, 5> kSampleIds = {1823, 1832, 1834, 1836, 1838};
    for (std::size_t row = 0; row < 5; ++row) {
        const bool filled = !std::string(c.names[row]).empty();
        EXPECT_EQ(RowName(page, static_cast<int>(row)), c.names[row]);
        EXPECT_EQ(Control<QCheckBox>(page, kShownIds[row])->isEnabled(), filled) << row;
        EXPECT_EQ(Control<QWidget>(page, kSampleIds[row])->isEnabled(), filled) << row;
    }
    ExpectPagingButtons(page, c);
}

} // namespace tembra::test
