// A resource-loading bar graph of a year: 10 shown series over 365 days on an A4 chart of a
// schedule document holding 10,000 processes of 3 resources each, lasting 1 to 90 days at random
// places (a fixed seed), a tenth of them selected. One iteration computes the day values (goal:
// under 20 ms), or builds the chart's shapes from them, the totals per day included (goal: under
// 20 ms).
#include "chart/Chart.h"
#include "chart/ChartDocument.h"
#include "document/TembraDoc.h"
#include "model/Koutei.h"
#include "model/PrintArea.h"
#include "model/Shigen.h"
#include "model/SyokiSet.h"
#include "platform/Paths.h"
#include "render/PageLayout.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <string>

namespace {

using namespace tembra;

constexpr int kProcessCount = 10000;
constexpr int kResourcesPerProcess = 3;
constexpr int kSeriesCount = 10;
constexpr int kDays = 365;

// The document and its layout as a view binds one.
class Chart : public IPageLayoutView {
public:
    Chart() {
        CSyokiSet& settings = m_doc.GetSyokiSet();
        settings.GetPageSetting().SetPaper(kPaperA4, 0, Paths::ShippedDataDir() / "MASTER01.LYT",
                                           -1);
        const CTime start(2010, 4, 1, 0, 0, 0);
        settings.SetStartDate(start);
        settings.SetEndDate(start + CTimeSpan(kDays - 1, 0, 0, 0));
        settings.SetFirstRow(0);
        settings.SetLastRow(29);
        layout.Init(this);

        for (int i = 0; i < kSeriesCount; ++i) {
            m_doc.GetShigenNames().push_back(std::make_unique<CShigenName>(
                static_cast<WORD>(i + 1), 1, "Resource " + std::to_string(i + 1)));
        }
        std::mt19937 random(24);
        std::uniform_int_distribution<int> day(-30, kDays);
        std::uniform_int_distribution<int> length(1, 90);
        std::uniform_int_distribution<int> resource(1, kSeriesCount);
        std::uniform_int_distribution<int> quantity(1, 20);
        for (int i = 0; i < kProcessCount; ++i) {
            auto* process = new CKoutei;
            const CTime from = start + CTimeSpan(day(random), 0, 0, 0);
            process->SetStartDate(from);
            process->SetEndDate(from + CTimeSpan(length(random), 0, 0, 0));
            for (int r = 0; r < kResourcesPerProcess; ++r) {
                process->GetShigen()->AddShigenData(std::make_unique<CShigenData>(
                    static_cast<WORD>(resource(random)), static_cast<WORD>(quantity(random))));
            }
            if (i % 10 == 0) {
                process->CDataHeader::Select();
                m_doc.GetSelList().AddTail(process);
            } else {
                m_doc.GetObjList().AddTail(process);
            }
        }

        chart.SetPurpose(CChart::kPurposeLoading);
        chart.SetTopRow(15);
        chart.SetBottomRow(29);
        chart.SetSeriesCount(kSeriesCount);
        for (int i = 0; i < kSeriesCount; ++i) {
            chart.SetSeriesShown(i, 1);
            chart.SetSeriesPattern(i, 99);
        }
        chart.SetOptions(CChart::kOptionDayTotals);
    }
    IPageLayoutDocument* GetLayoutDocument() const override {
        return DocumentSeam<IPageLayoutDocument>(&m_doc);
    }
    IChartDocument& Document() { return *DocumentSeam<IChartDocument>(&m_doc); }

    CPageLayout layout;
    CChart chart;

private:
    mutable CTembraDoc m_doc;
};

void BM_ComputeLoading(benchmark::State& state) {
    Chart chart;
    IChartDocument& document = chart.Document();
    for (auto _ : state) {
        DWORD maximum = 0;
        benchmark::DoNotOptimize(chart.chart.ComputeLoading(document, chart.layout, maximum));
        benchmark::DoNotOptimize(maximum);
    }
}
BENCHMARK(BM_ComputeLoading)->Unit(benchmark::kMillisecond);

void BM_BuildShapes(benchmark::State& state) {
    Chart chart;
    IChartDocument& document = chart.Document();
    for (auto _ : state) {
        benchmark::DoNotOptimize(chart.chart.BuildShapes(document, chart.layout));
    }
}
BENCHMARK(BM_BuildShapes)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
