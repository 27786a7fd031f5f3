// A chart document as the background painters read it, and the recording of what they draw.
//
// The page is the shipped layout file's A4 page on screen at 100 %: the date band is
// (0, 0, 2770, -120), the body (0, -120, 2770, -1600), the item area 500 wide, the chart
// rectangle (530, -120, 2740, -1600) and the process area (500, -120, 2770, -1600).
#pragma once

#include "FakeLayoutDocument.h"
#include "model/Calendar.h"
#include "model/ChartPos.h"
#include "model/ConfigPrint.h"
#include "model/Koumoku.h"
#include "model/KtkmHatch.h"
#include "model/PrintArea.h"
#include "model/SyokiSet.h"
#include "platform/RecordingDC.h"
#include "render/DrawSettings.h"
#include "render/PageLayout.h"
#include "render/StyledDraw.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <vector>

namespace tembra::test {

inline CTime Day(int year, int month, int day, int hour = 0, int minute = 0) {
    return CTime(year, month, day, hour, minute, 0);
}

using ChartTestDocument = FakeLayoutDocument;

// One line a painter drew: its ends and its pen.
struct DrawnLine {
    CPoint from;
    CPoint to;
    PenData pen;
};

inline std::vector<DrawnLine> DrawnLines(const CRecordingDC& dc) {
    std::vector<DrawnLine> lines;
    for (const auto& r : dc.Find(DcOp::LineTo)) {
        if (!r.pen.IsNull()) {
            lines.push_back({r.args.points[0], r.args.points[1], r.pen});
        }
    }
    return lines;
}

// A chart of the given period and rows on the A4 page, bound to a layout; a recording screen
// in the 0.1 mm mapping. The drawing settings and switches start from the program's defaults
// and are left so.
class ChartTest : public ::testing::Test {
protected:
    ChartTest() {
        SetDrawSettings(DrawSettings{});
        SetStyledDrawEnable(0);
        SetColorMatchEnable(1);
        const auto master = std::filesystem::path(TEMBRA_SOURCE_DIR) / "data" / "MASTER01.LYT";
        EXPECT_TRUE(doc.set.GetPageSetting().SetPaper(kPaperA4, 0, master, -1));
        doc.set.SetNobeMonthSpan(CTimeSpan(30, 0, 0, 0));
        Period(Day(2000, 1, 1), Day(2000, 1, 31));
        Rows(0, 29);
        doc.table.SetLevelCount(3);
    }
    ~ChartTest() override {
        SetDrawSettings(DrawSettings{});
        SetColorMatchEnable(1);
    }

    void Period(const CTime& start, const CTime& end) {
        doc.set.SetStartDate(start);
        doc.set.SetEndDate(end);
    }
    void Rows(int first, int last) {
        doc.set.SetFirstRow(static_cast<WORD>(first));
        doc.set.SetLastRow(static_cast<WORD>(last));
    }
    // Binds the layout to the document as it now is.
    void Bind() { layout.Init(&doc); }
    // A fresh recording device context: a screen, or a printer with the layout printing.
    std::unique_ptr<CRecordingDC> Screen() {
        auto dc = std::make_unique<CRecordingDC>(CRecordingDC::Device::Screen);
        dc->SetMapMode(MM_LOMETRIC);
        return dc;
    }

    ScopedPaths paths;
    ScopedUi ui;
    ChartTestDocument doc;
    CPageLayout layout;
};

} // namespace tembra::test
