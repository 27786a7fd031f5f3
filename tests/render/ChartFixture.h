// A chart with round numbers for the record painters' tests: April 2010 (30 days) over a chart
// rectangle (0, 0, 3000, -1500) and rows 0 to 29, so that a day is 100 units wide and a row 50
// high: the 1st of April lies at x 0, the d-th at (d - 1) x 100, and the middle of row r at
// y -50r - 25. Zoom 100 %. Process settings: corner 10, arrow 12 at 30 degrees, slant 20, node
// radius 10, bar height 18. The event font is 30 high and 15 wide.
#pragma once

#include "model/Calendar.h"
#include "model/PrintArea.h"
#include "model/SyokiSet.h"
#include "render/PageLayout.h"
#include "support/FakeLayoutDocument.h"
#include "support/ScriptedUi.h"

#include <gtest/gtest.h>

#include <string>

namespace tembra::test {

inline CTime April(int day, int hour = 0) {
    return CTime(2010, 4, day, hour, 0, 0);
}

// x of a day of April at 00:00, y of the middle of a row.
constexpr int DayX(int day) {
    return (day - 1) * 100;
}
constexpr int RowY(int row) {
    return -50 * row - 25;
}

// The document and the view as the layout sees them.
using ChartDoc = FakeLayoutDocument;

class ChartFixture : public ::testing::Test {
protected:
    ChartFixture() {
        CPrintArea::StoredFields f;
        f.paper = CRect(-500, 100, 3100, -1700);
        f.header = CRect(-500, 100, 3100, 100);
        f.page = CRect(-500, 100, 3100, -1500);
        f.date = CRect(-500, 100, 3000, 0);
        f.edit = CRect(-500, 0, 3000, -1500);
        f.items = CRect(-500, 0, 0, -1500);
        f.chart = CRect(0, 0, 3000, -1500);
        f.inner = CRect(0, 0, 3000, -1500);
        f.footer = CRect(-500, -1500, 3000, -1500);
        f.itemWidth = 500;
        doc.set.GetPageSetting().SetStoredFields(f);
        doc.set.SetStartDate(April(1));
        doc.set.SetEndDate(April(30));
        doc.set.SetFirstRow(0);
        doc.set.SetLastRow(29);
        doc.set.SetNobeMonthSpan(CTimeSpan(30, 0, 0, 0));
        CConfigChart& chart = doc.set.GetChart();
        chart.SetCornerSize(10);
        chart.SetArrowLength(12);
        chart.SetArrowAngle(30);
        chart.SetInclined(20);
        chart.SetBarHeight(18);
        chart.GetLandAttr().m_radius = 10;
        LOGFONT font;
        font.lfHeight = -30;
        font.lfWidth = 15;
        font.SetFaceName("Gothic");
        doc.set.GetEvent().SetLogFont(font);
        doc.calendar.Clear();
        Bind();
    }

    // Binds the layout again after the settings changed.
    void Bind() { layout.Init(&doc); }

    ScopedUi ui;
    ChartDoc doc;
    CPageLayout layout;
};

} // namespace tembra::test
