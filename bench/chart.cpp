// The whole chart page of a large schedule drawn as the chart view draws it, on the screen
// device (CQtDC over a QImage at 96 dpi, 100 %): a generated chart of one year on an A1 page
// holding n processes (the argument: 1,000 or 10,000), one a row on average, of every line
// shape and both bar forms, a term on every second process and a term with a leader line on every
// tenth, a resource label on every fifth, n / 10 events, three progress lines with date labels,
// row, date and item-cell hatchings, and two item columns of macro texts on every row.
//
// BM_FullPage redraws the whole page, all rows shown, into an image of the paper: every object
// is drawn. BM_VisibleArea redraws what a window of 1,920 x 1,080 pixels shows of the page
// showing 100 of the rows (rows of readable height, from the middle of the chart), scrolled to
// the page's middle (goal: under 8 ms at 10,000 processes): every painter walks only the dates,
// rows and objects of its clip box, and the objects' bounds are worked out once, not per
// redraw.
#include "../tests/support/ChartPage.h"
#include "document/TembraDoc.h"
#include "model/Calendar.h"
#include "model/ChartPos.h"
#include "model/ConfigBase.h"
#include "model/Event.h"
#include "model/KoumokuData.h"
#include "model/Koutei.h"
#include "model/KtkmHatch.h"
#include "model/PrintArea.h"
#include "model/Shigen.h"
#include "model/Shincyoku.h"
#include "model/SyokiSet.h"
#include "model/Yogo.h"
#include "platform/Paths.h"
#include "platform/qt/QtDC.h"
#include "render/KouteiLabels.h"
#include "render/PageLayout.h"
#include "support/BenchProcesses.h"
#include "support/BenchQtMain.h"

#include <QGuiApplication>
#include <QImage>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <string>

namespace {

using namespace tembra;

constexpr int kScreenDpi = 96;
constexpr int kDays = 365;
// The rows a page shows in the visible-area redraw.
constexpr int kShownRows = 100;
constexpr int kWindowWidth = 1920;
constexpr int kWindowHeight = 1080;

CTime Day(int day) {
    return CTime(2010, 1, 1) + CTimeSpan(day, 0, 0, 0);
}

LOGFONT Gothic(LONG height, LONG width) {
    LOGFONT font;
    font.lfHeight = height;
    font.lfWidth = width;
    font.lfCharSet = SHIFTJIS_CHARSET;
    font.SetFaceName("MS Gothic");
    return font;
}

// The application's settings at their built-in defaults, for the life of the program.
CConfigBase& AppDefaults() {
    static CConfigBase config = [] {
        CConfigBase c;
        c.Read(FALSE);
        return c;
    }();
    return config;
}

class GeneratedChart : public IPageLayoutView {
public:
    // n processes on n rows; the page shows the rows first..last (all: -1).
    GeneratedChart(int processes, int first, int last)
        : m_rows(std::clamp(processes, 4, CPageLayout::kMaxRow + 1)) {
        SetAppConfig(&AppDefaults());
        BuildSettings(first < 0 ? 0 : first, last < 0 ? m_rows - 1 : last);
        BuildItems();
        BuildProcesses(processes);
        BuildEvents(processes / 10);
        BuildProgressLines();
        BuildHatchings();
        layout.Init(this);
    }

    IPageLayoutDocument* GetLayoutDocument() const override {
        return DocumentSeam<IPageLayoutDocument>(&doc);
    }

    mutable CTembraDoc doc;
    CPageLayout layout;

private:
    int m_rows = 0;

    void BuildSettings(int first, int last) {
        CSyokiSet& set = doc.GetSyokiSet();
        set.SetDefault(&doc, 0);
        set.GetPageSetting().SetPaper(kPaperA1, 0, Paths::ShippedDataDir() / "MASTER01.LYT", -1);
        set.SetMaeYohaku(CTimeSpan());
        set.SetAtoYohaku(CTimeSpan());
        set.SetStartDate(Day(0));
        set.SetEndDate(Day(kDays - 1));
        set.SetFirstRow(static_cast<WORD>(first));
        set.SetLastRow(static_cast<WORD>(last));
        set.SetFixedFirstRow(0);
        set.SetFixedLastRow(0xFFFF);
        CConfigChart& chart = set.GetChart();
        chart.GetDateStyle().SetLogFont(Gothic(-24, 10));
        // The label and ruled-line units and intervals, the holiday shading and the date rows
        // that the period and the page call for, as the settings dialogs choose them.
        set.CalcDateThinning();
        chart.SetKoumokuFont(Gothic(-8, 4));
        chart.GetYogoAttr().SetLogFont(Gothic(-10, 5));
        chart.GetShigenAttr().SetLogFont(Gothic(-8, 4));
        set.GetEvent().SetLogFont(Gothic(-12, 6));

        CCalendar& calendar = doc.GetWorkCalendar();
        calendar.Clear();
        for (int d = 0; d < kDays; ++d) {
            const int weekday = Day(d).GetDayOfWeek();
            if (weekday == 1 || weekday == 7) {
                calendar.SetDayFlag(Day(d).GetTime(), CCalendar::kRuleHoliday);
            }
        }
        doc.GetShigenNames().push_back(std::make_unique<CShigenName>(1, 0, "Worker"));
        doc.GetShigenNames().push_back(std::make_unique<CShigenName>(2, 0, "Crane"));
    }

    void BuildItems() {
        CKoumoku& table = *doc.GetKoumoku();
        table.SetLevelCount(2);
        for (int row = 0; row < m_rows; ++row) {
            doc.GetKoumokuCells().CreateKoumokuData(row, 0)->SetText("No.$L$");
            doc.GetKoumokuCells().CreateKoumokuData(row, 1)->SetText("$Y$/$M$/$D$");
        }
    }

    void BuildProcesses(int count) {
        for (int i = 0; i < count; ++i) {
            const WORD shape = bench::ProcessForm(i);
            const int row = (i * 7919) % (m_rows - 3);
            const int start = (i * 37) % (kDays - 40);
            const int endRow = bench::IsBarForm(shape) || i % 8 == 0 ? row : row + 1 + i % 3;
            CChartPos pos;
            pos.SetStartDate(Day(start));
            pos.SetEndDate(Day(start + 3 + i % 30));
            pos.SetStartRow(static_cast<WORD>(row));
            pos.SetEndRow(static_cast<WORD>(endRow));
            std::unique_ptr<CKoutei> koutei = doc.CreateKoutei(&pos);
            bench::DressProcess(*koutei, i);
            doc.AddObj(koutei.release(), FALSE);
        }
    }

    void BuildEvents(int count) {
        for (int i = 0; i < count; ++i) {
            auto* event = new CEvent();
            event->SetStartDate(Day((i * 53) % kDays));
            event->SetStartRow(static_cast<WORD>((i * 211) % m_rows));
            event->SetForm(i % 3 == 0 ? kEventFormBalloonRight : kEventFormLeft);
            event->SetStyle(i % 2 == 0 ? kEventFrame | kEventWhiteBack : 0);
            event->SetOffset(100, 100);
            event->GetAttr().m_fontHeigh = 1;
            event->GetAttr().m_fontWidth = 1;
            event->SetText("Event " + std::to_string(i));
            doc.AddObj(event, FALSE);
        }
    }

    void BuildProgressLines() {
        for (int n = 0; n < 3; ++n) {
            auto* line = new CShincyoku();
            line->SetDate(Day(100 + 100 * n));
            line->GetLineAttr().m_color = RGB(255, 0, 0);
            CShinLabelAttr& label = line->GetLabelAttr();
            label.m_dateDisp = 1;
            label.SetText("mm/dd");
            for (int row = n; row < m_rows; row += 10) {
                line->SetPointDate(row, Day(100 + 100 * n + (row % 7) - 3));
            }
            doc.GetShincyokuList().AddTail(line);
        }
    }

    void BuildHatchings() {
        for (int n = 0; n < 20; ++n) {
            auto* rows = new CKtkmHatch();
            rows->SetKind(CKtkmHatch::kRowBand);
            rows->SetFirstRow(n * 50);
            rows->SetLastRow(n * 50 + 2);
            rows->SetColor(RGB(255, 255, 160));
            rows->SetPattern(99);
            doc.GetHatchList()->AddTail(rows);
        }
        for (int n = 0; n < 10; ++n) {
            auto* dates = new CKtkmHatch();
            dates->SetKind(CKtkmHatch::kDateBand);
            dates->SetStartDate(Day(n * 36));
            dates->SetEndDate(Day(n * 36 + 3));
            dates->SetColor(RGB(200, 200, 255));
            dates->SetPattern(2);
            doc.GetHatchList()->AddTail(dates);
            auto* cells = new CKtkmHatch();
            cells->SetKind(CKtkmHatch::kKoumokuCells);
            cells->SetFirstRow(n * 100);
            cells->SetLastRow(n * 100 + 20);
            cells->SetFirstColumn(1);
            cells->SetLastColumn(1);
            cells->SetColor(RGB(255, 200, 200));
            cells->SetPattern(99);
            doc.GetHatchList()->AddTail(cells);
        }
    }
};

CQtDC::Options Screen(const QRect& update = QRect()) {
    CQtDC::Options options;
    options.dpiX = kScreenDpi;
    options.dpiY = kScreenDpi;
    options.updateRect = update;
    return options;
}

void BM_FullPage(benchmark::State& state) {
    GeneratedChart chart(static_cast<int>(state.range(0)), -1, -1);
    const CSize paper = chart.doc.GetSyokiSet().GetPageSetting().GetPaperSize();
    QImage image(paper.cx * kScreenDpi / 254, paper.cy * kScreenDpi / 254, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        CQtDC dc(&image, Screen());
        dc.SetMapMode(MM_LOMETRIC);
        benchmark::DoNotOptimize(test::DrawChartPage(chart.doc, chart.layout, dc));
    }
}

void BM_VisibleArea(benchmark::State& state) {
    const int first = static_cast<int>(state.range(0)) / 2 - kShownRows / 2;
    GeneratedChart chart(static_cast<int>(state.range(0)), first, first + kShownRows - 1);
    QImage image(kWindowWidth, kWindowHeight, QImage::Format_RGB32);
    // The window scrolled to the middle of the chart.
    const CRect chartRect = chart.layout.GetChartRect();
    CPoint middle((chartRect.left + chartRect.right) / 2, (chartRect.top + chartRect.bottom) / 2);
    test::ChartPageCount count;
    for (auto _ : state) {
        image.fill(Qt::white);
        CQtDC dc(&image, Screen());
        dc.SetMapMode(MM_LOMETRIC);
        CPoint corner = middle;
        dc.LPtoDP(&corner);
        dc.SetViewportOrg(kWindowWidth / 2 - corner.x, kWindowHeight / 2 - corner.y);
        count = test::DrawChartPage(chart.doc, chart.layout, dc);
    }
    state.counters["objects_drawn"] = count.drawn;
    state.counters["objects_passed_over"] = count.passedOver;
}

BENCHMARK(BM_FullPage)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_VisibleArea)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return bench::RunQtBenchmarks<QGuiApplication>(argc, argv);
}
