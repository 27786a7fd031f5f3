// A schedule document as a resource chart reads it, with round numbers: the period starts on
// 1 April 2000 and runs a given number of days (10 unless a test says otherwise) across a chart
// rectangle (0, 0, 1000, -1500), the item columns (-500, 0, 0, -1500) left of it, rows 0 to 29
// each 50 high (row r spans y -50r .. -50(r + 1)). Zoom 100 %, on the screen.
//
// The document is also the view the chart's shapes are measured and drawn in, and it answers the
// page layout's question for the bounds of a chart as the schedule document does.
#pragma once

#include "chart/Chart.h"
#include "chart/ChartDocument.h"
#include "model/Koutei.h"
#include "model/PrintArea.h"
#include "model/Shigen.h"
#include "platform/DC.h"
#include "platform/RecordingDC.h"
#include "render/PageLayout.h"
#include "shapes/ZukeiView.h"
#include "support/FakeLayoutDocument.h"
#include "support/ScriptedUi.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace tembra::test {

inline CTime April(int day, int hour = 0) {
    return CTime(2000, 4, day, hour, 0, 0);
}

struct Resource {
    WORD number;
    WORD quantity;
};

class ChartDoc : public FakeLayoutDocument, public IChartDocument, public IZukeiView {
public:
    ChartDoc() { SetPeriod(10); }

    // The period of days days from 1 April 2000, bound anew; shift moves the page (a view on
    // the screen has the page's top-left corner at (0, 0)).
    void SetPeriod(int days, const CPoint& shift = {}) {
        CPrintArea::StoredFields f;
        f.paper = CRect(-500, 100, 1100, -1700);
        f.header = CRect(-500, 100, 1100, 100);
        f.page = CRect(-500, 100, 1100, -1500);
        f.date = CRect(-500, 100, 1000, 0);
        f.edit = CRect(-500, 0, 1000, -1500);
        f.items = CRect(-500, 0, 0, -1500);
        f.chart = CRect(0, 0, 1000, -1500);
        f.inner = CRect(0, 0, 1000, -1500);
        f.footer = CRect(-500, -1500, 1000, -1500);
        f.itemWidth = 500;
        for (CRect* r : {&f.paper, &f.header, &f.page, &f.date, &f.edit, &f.items, &f.chart,
                         &f.inner, &f.footer}) {
            r->OffsetRect(shift);
        }
        set.GetPageSetting().SetStoredFields(f);
        set.SetStartDate(April(1));
        set.SetEndDate(April(days));
        set.SetFirstRow(0);
        set.SetLastRow(29);
        set.SetNobeMonthSpan(CTimeSpan(30, 0, 0, 0));
        layout.Init(this);
    }

    // A process from start to end carrying the resources, in the object list or (selected) in
    // the selection list; holiday sets the Holiday attribute of its line.
    CKoutei& AddProcess(const CTime& start, const CTime& end,
                        std::initializer_list<Resource> resources, bool holiday = false,
                        bool selected = false) {
        auto process = std::make_unique<CKoutei>();
        process->SetStartDate(start);
        process->SetEndDate(end);
        process->GetLines()->GetAttr().m_holiday = holiday ? 1 : 0;
        for (const Resource& r : resources) {
            process->GetShigen()->AddShigenData(
                std::make_unique<CShigenData>(r.number, r.quantity));
        }
        if (selected) {
            process->CDataHeader::Select();
        }
        auto& list = selected ? selection : objects;
        list.push_back(std::move(process));
        return *list.back();
    }

    // Master table entries 1..names.size() with these names.
    void SetNames(std::initializer_list<const char*> names) {
        shigenNames.clear();
        WORD number = 1;
        for (const char* name : names) {
            shigenNames.push_back(std::make_unique<CShigenName>(number++, 1, name));
        }
    }

    // IChartDocument
    void ForEachObject(const std::function<void(const CDataHeader&)>& visit) const override {
        for (const auto* list : {&objects, &selection}) {
            for (const auto& object : *list) {
                visit(*object);
            }
        }
    }
    std::uint64_t GetObjectsChangeCount() const override { return objectChanges; }
    const CShigenNameTable& GetShigenNames() const override { return shigenNames; }
    const CCalendar* GetCalendar() const override { return &calendar; }
    LONG GetPrintHatch() const override { return printHatch; }
    void SetModified() override { ++modified; }
    void UpdateAllViewsWith(CObject* hint) override { viewUpdates.push_back(hint); }

    // IZukeiView
    const CPageLayout& GetPageLayout() const override { return layout; }
    int GetSelCount() const override { return 0; }
    const CDataHeader* GetFirstSel() const override { return nullptr; }
    void UpdateAllViews(CObject*) override {}
    const CZukei* GetEditingZukei() const override { return nullptr; }
    bool IsTextSuppressed() const override { return false; }

    // The page layout's bounds of a chart, as the schedule document gives them.
    CRect GetRecordBounds(const CDataHeader& record, const CPageLayout& on, CDC*) const override {
        CRect bounds;
        if (const auto* chart = DynamicDowncast<CChart>(&record)) {
            chart->GetBoundRect(bounds, CZukeiLayoutView(on), 1);
        }
        return bounds;
    }

    CPageLayout layout;
    std::vector<std::unique_ptr<CKoutei>> objects;
    std::vector<std::unique_ptr<CKoutei>> selection;
    LONG printHatch = 0;
    // What a test that changes the objects adds to.
    std::uint64_t objectChanges = 0;
    int modified = 0;
    std::vector<CObject*> viewUpdates;
};

// A chart of the band rows top..bottom with n series, those listed shown.
inline std::unique_ptr<CChart> MakeChart(WORD purpose, LONG graphType, short top, short bottom,
                                         int series, std::initializer_list<int> shown) {
    auto chart = std::make_unique<CChart>();
    chart->SetPurpose(purpose);
    chart->SetGraphType(graphType);
    chart->SetTopRow(top);
    chart->SetBottomRow(bottom);
    chart->SetSeriesCount(series);
    for (const int i : shown) {
        chart->SetSeriesShown(i, 1);
    }
    return chart;
}

// The day values of every slot of the last computation.
inline std::vector<std::vector<int>> AllDayValues(const CChart& chart) {
    std::vector<std::vector<int>> values;
    for (int slot = 1; slot <= chart.GetSlotCount(); ++slot) {
        const std::span<const int> v = chart.GetDayValues(slot);
        values.emplace_back(v.begin(), v.end());
    }
    return values;
}

// The screen that the totals block is measured on: the recording device context's estimate
// (a single-byte character as wide as half the font's height when the font has no width).
class ScopedScreen {
public:
    ScopedScreen()
        : m_previous(SetScreenDCFactory(
              [] { return std::make_unique<CRecordingDC>(CRecordingDC::Device::Screen); })) {}
    ~ScopedScreen() { SetScreenDCFactory(m_previous); }
    ScopedScreen(const ScopedScreen&) = delete;
    ScopedScreen& operator=(const ScopedScreen&) = delete;

private:
    ScreenDCFactory m_previous;
};

class ChartTest : public ::testing::Test {
protected:
    ScopedUi ui;
    ScopedScreen screen;
    ChartDoc doc;
};

} // namespace tembra::test
