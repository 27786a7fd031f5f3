// A chart document as the background painters read it, and the recording of what they draw.
//
// The page is the shipped layout file's A4 page on screen at 100 %: the date band is
// (0, 0, 2770, -120), the body (0, -120, 2770, -1600), the item area 500 wide, the chart
// rectangle (530, -120, 2740, -1600) and the process area (500, -120, 2770, -1600).
#pragma once

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

class ChartTestDocument : public IPageLayoutDocument, public IPageLayoutView {
public:
    CSyokiSet set;
    CCalendar calendar;
    CKoumoku table;
    CConfigPrint print;
    CChartPos range;
    std::vector<std::unique_ptr<CKtkmHatch>> hatches;

    ChartTestDocument() { calendar.Clear(); }

    const CSyokiSet* GetSyokiSet() const override { return &set; }
    const CCalendar* GetCalendar() const override { return &calendar; }
    const CKoumoku* GetKoumoku() const override { return &table; }
    bool GetKouteiBoundsParts(const CDataHeader&, const CPageLayout&, CDC*, bool, bool,
                              KouteiBoundsParts&) const override {
        return false;
    }
    CRect GetRecordBounds(const CDataHeader&, const CPageLayout&, CDC*) const override {
        return CRect();
    }
    const CChartPos* GetSelectedDateRange() const override { return &range; }
    void ForEachHatch(const std::function<void(const CKtkmHatch&)>& visit) const override {
        for (const auto& hatch : hatches) {
            visit(*hatch);
        }
    }
    const CConfigPrint* GetPrintSettings() const override { return &print; }
    // The painters here do not read the item-cell selection.
    int GetSelectedKoumokuRows(int& first, int& last) const override {
        first = last = -1;
        return 0;
    }
    int GetSelectedKoumokuCols(int& first, int& last) const override {
        first = last = -1;
        return 0;
    }
    IPageLayoutDocument* GetLayoutDocument() const override {
        return const_cast<ChartTestDocument*>(this);
    }

    // Marks the days first..last as holidays.
    void Holidays(const CTime& first, const CTime& last) {
        for (CTime d = first; d <= last; d += CTimeSpan(1, 0, 0, 0)) {
            calendar.SetDayFlag(d.GetTime(), CCalendar::kRuleHoliday);
        }
    }
    CKtkmHatch& AddHatch(WORD kind, COLORREF color, WORD pattern) {
        auto hatch = std::make_unique<CKtkmHatch>();
        hatch->SetKind(kind);
        hatch->SetColor(color);
        hatch->SetPattern(pattern);
        hatches.push_back(std::move(hatch));
        return *hatches.back();
    }
};

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
