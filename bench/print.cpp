// A whole print of a large schedule into a PDF file, through the chart window's print (the view's
// OnPreparePrinting, then OnPrint for every page on the PDF printer): a generated chart of one
// year on A1 with n processes (the argument: 1,000 or 10,000) on n rows, 50 rows a page (20 and
// 200 pages), of every line shape and both bar forms, in chains linked by relation lines (every
// twentieth link reaching a process 120 rows further down, over two pages), a term on every
// second process and a term with a leader line on every tenth, resources on every fifth, n / 10
// events and two item columns of macro texts on every row.
//
// BM_PrintToPdf: the whole print into the PDF file. BM_PrintPagesToImage: the same pages, the
// view's OnPrint for each in turn between OnBeginPrinting and OnEndPrinting, drawn on a printer
// device context over an image of the A1 sheet at 50 dpi: the drawing without the PDF writer.
// BM_PrintDashedToPdf: the same print with the print settings' styled lines on, the faint dotted
// ruled lines and every plain process line dashed, dotted or dash-dotted: the lines whose dashes
// keep their lengths on paper.
//
// The time is that of the whole print; "ms_per_page" is the time of one page. A page draws the
// objects of its own rows: the cost of the print grows with pages × the objects a page shows, not
// with pages × all the objects of the chart, so the 10,000-process print costs about ten times
// the 1,000-process one and a page costs about the same at both sizes.
#include "document/TembraDoc.h"
#include "model/ChartPos.h"
#include "model/ConfigBase.h"
#include "model/Event.h"
#include "model/KoumokuData.h"
#include "model/Koutei.h"
#include "model/PrintArea.h"
#include "model/Shigen.h"
#include "model/Yogo.h"
#include "platform/Paths.h"
#include "platform/Time.h"
#include "platform/qt/QtDC.h"
#include "render/KouteiLabels.h"
#include "support/BenchFolders.h"
#include "support/BenchProcesses.h"
#include "support/BenchQtMain.h"
#include "support/BenchViewApplication.h"
#include "view/TembraFrame.h"
#include "view/TembraViewWnd.h"
#include "view/ViewApplication.h"
#include "view/core/PrintInfo.h"
#include "view/core/PrinterSelection.h"
#include "view/core/TembraView.h"

#include <QApplication>
#include <QImage>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

namespace {

using namespace tembra;
namespace fs = std::filesystem;

constexpr int kDays = 365;
constexpr int kRowsPerPage = 50;
// Processes a chain of relation lines links.
constexpr int kChainLength = 10;
// Every so many links reach far down the chart.
constexpr int kFarLinkEvery = 20;
constexpr int kFarLinkRows = 120;

CTime Day(int day) {
    return CTime(2010, 1, 1) + CTimeSpan(day, 0, 0, 0);
}

// The application as the chart window asks it: the PDF printer on the chart's paper, turned as
// the chart lies.
class PdfApplication : public bench::BenchViewApplication {
public:
    class PdfOnly : public IPrinterCatalog {
    public:
        std::vector<std::string> PrinterNames() const override { return {kPdfPrinterName}; }
        std::optional<std::string> DefaultPrinter() const override { return kPdfPrinterName; }
        std::optional<PrinterDevMode> DefaultDevMode(const std::string&) const override {
            return std::nullopt;
        }
        std::vector<int> PaperSizes(const std::string&) const override { return {}; }
    };
    const IPrinterCatalog& GetPrinters() const override { return m_printers; }
    bool GetPrinterDefaults(CTembraDoc& doc, PrinterDevMode& out) override {
        const ChartPaper paper = PaperOfChart(doc.GetSyokiSet().GetPageSetting().GetPaper());
        out = {kPdfPrinterName, paper.paperSize, paper.formName, PrinterDevMode::kLandscape};
        return true;
    }

private:
    PdfOnly m_printers;
};

// The program's folders and settings, and the application the chart windows ask.
class Setup {
public:
    Setup() : m_folders([] { return std::unique_ptr<CDC>(CQtDC::ForScreen()); }) {
        InstallFontSubstitutions();
    }

    const fs::path& Dir() const { return m_folders.Dir(); }
    PdfApplication& App() { return m_app; }

private:
    bench::BenchFolders m_folders;
    PdfApplication m_app;
};

Setup& Folders() {
    static Setup setup;
    return setup;
}

// The print settings' styled lines with the faint dotted ruled lines, and the line types 1 to 4
// in turn on the processes drawn as lines.
enum class Lines { Plain, Dashed };

class GeneratedChart {
public:
    explicit GeneratedChart(int processes, Lines lines = Lines::Plain)
        : m_rows(processes), m_lines(lines) {
        doc.OnNewDocument();
        BuildSettings();
        BuildItems();
        BuildProcesses(processes);
        BuildEvents(processes / 10);
        doc.SetModifiedFlag(FALSE);
    }

    CTembraDoc doc;

private:
    int m_rows = 0;
    Lines m_lines = Lines::Plain;

    void BuildSettings() {
        CSyokiSet& set = doc.GetSyokiSet();
        const fs::path layout = Paths::ShippedDataDir() / "MASTER01.LYT";
        set.GetPageSetting().SetPaper(kPaperA1, 0, layout, -1);
        doc.GetPrHeader().InitFromSettings(&doc, kPaperA1, layout, FALSE);
        if (m_lines == Lines::Dashed) {
            constexpr int kFaintDotted = 1;
            doc.GetPrHeader().SetKeisen(kFaintDotted, kFaintDotted);
            doc.GetPrHeader().SetVoldLineEx(1);
        }
        set.SetMaeYohaku(CTimeSpan());
        set.SetAtoYohaku(CTimeSpan());
        set.SetStartDate(Day(0));
        set.SetEndDate(Day(kDays - 1));
        set.SetFirstRow(0);
        set.SetLastRow(kRowsPerPage - 1);
        set.CalcDateThinning();
        doc.GetShigenNames().push_back(std::make_unique<CShigenName>(1, 0, "Worker"));
        doc.GetShigenNames().push_back(std::make_unique<CShigenName>(2, 0, "Crane"));
    }

    void BuildItems() {
        doc.GetKoumoku()->SetLevelCount(2);
        for (int row = 0; row < m_rows; ++row) {
            doc.GetKoumokuCells().CreateKoumokuData(row, 0)->SetText("No.$L$");
            doc.GetKoumokuCells().CreateKoumokuData(row, 1)->SetText("$Y$/$M$/$D$");
        }
    }

    // Process i on row i; a chain's processes follow one another in time.
    void BuildProcesses(int count) {
        std::vector<CKoutei*> made;
        made.reserve(static_cast<std::size_t>(count));
        int day = 0;
        for (int i = 0; i < count; ++i) {
            if (i % kChainLength == 0) {
                day = (i * 37) % (kDays - 200);
            }
            const int length = 3 + i % 12;
            CChartPos pos;
            pos.SetStartDate(Day(day));
            pos.SetEndDate(Day(day + length));
            pos.SetStartRow(static_cast<WORD>(i));
            pos.SetEndRow(static_cast<WORD>(i));
            day += length + 1 + i % 3;
            std::unique_ptr<CKoutei> koutei = doc.CreateKoutei(&pos);
            bench::DressProcess(*koutei, i);
            if (m_lines == Lines::Dashed && !bench::IsBarForm(bench::ProcessForm(i))) {
                koutei->GetLines()->GetAttr().m_type = static_cast<WORD>(1 + i % 4);
            }
            made.push_back(koutei.get());
            doc.AddObj(koutei.release(), FALSE);
        }
        for (int i = 1; i < count; ++i) {
            if (i % kChainLength != 0) {
                Relate(*made[static_cast<std::size_t>(i - 1)], *made[static_cast<std::size_t>(i)]);
            }
            if (i % kFarLinkEvery == 0 && i + kFarLinkRows < count) {
                Relate(*made[static_cast<std::size_t>(i)],
                       *made[static_cast<std::size_t>(i + kFarLinkRows)]);
            }
        }
    }

    void Relate(const CKoutei& from, const CKoutei& to) {
        CChartPos pos;
        pos.SetStartDate(from.GetEndTime());
        pos.SetEndDate(to.GetStartTime());
        pos.SetStartRow(from.GetEndRow());
        pos.SetEndRow(to.GetStartRow());
        std::unique_ptr<CKoutei> relation = doc.CreateKoutei(&pos);
        relation->SetRelationLine(1);
        relation->SetStartLandNo(from.GetSeqNumber().GetHigh(), from.GetSeqNumber().GetLow());
        relation->SetEndLandNo(to.GetSeqNumber().GetHigh(), to.GetSeqNumber().GetLow());
        relation->SetLineShape(kLineShapeRelation);
        doc.AddObj(relation.release(), FALSE);
    }

    void BuildEvents(int count) {
        for (int i = 0; i < count; ++i) {
            std::unique_ptr<CEvent> event = doc.GetEvents().CreateEvent();
            event->SetStartDate(Day((i * 53) % kDays));
            event->SetStartRow(static_cast<WORD>((i * 211) % m_rows));
            event->SetForm(i % 3 == 0 ? kEventFormBalloonRight : kEventFormLeft);
            event->SetStyle(i % 2 == 0 ? kEventFrame | kEventWhiteBack : 0);
            event->SetOffset(100, 100);
            event->SetText("Event " + std::to_string(i));
            doc.AddObj(event.release(), FALSE);
        }
    }
};

void PrintToPdf(benchmark::State& state, Lines lines) {
    Setup& folders = Folders();
    GeneratedChart chart(static_cast<int>(state.range(0)), lines);
    CTembraFrame frame(chart.doc, folders.App());
    frame.resize(1280, 800);
    frame.show();
    QApplication::processEvents();
    CTembraViewWnd& pane = *frame.Pane(0, 0);
    const fs::path pdf = folders.Dir() / "print.pdf";
    double seconds = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        if (!pane.PrintDirect("", pdf.string())) {
            state.SkipWithError("the print did not start");
            break;
        }
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    const double pages = pane.View().CountPrintPages();
    state.counters["pages"] = pages;
    state.counters["ms_per_page"] =
        state.iterations() > 0 ? 1000.0 * seconds / static_cast<double>(state.iterations()) / pages
                               : 0.0;
    std::error_code ec;
    state.counters["pdf_kib"] = static_cast<double>(fs::file_size(pdf, ec)) / 1024.0;
    chart.doc.SetModifiedFlag(FALSE);
}

void BM_PrintToPdf(benchmark::State& state) {
    PrintToPdf(state, Lines::Plain);
}

void BM_PrintDashedToPdf(benchmark::State& state) {
    PrintToPdf(state, Lines::Dashed);
}

void BM_PrintPagesToImage(benchmark::State& state) {
    constexpr int kDpi = 50;
    Setup& folders = Folders();
    GeneratedChart chart(static_cast<int>(state.range(0)));
    CTembraFrame frame(chart.doc, folders.App());
    frame.resize(1280, 800);
    frame.show();
    QApplication::processEvents();
    CTembraView& view = frame.Pane(0, 0)->View();
    const CSize paper = chart.doc.GetSyokiSet().GetPageSetting().GetPaperSize();
    QImage sheet(static_cast<int>(paper.cx) * kDpi / 254, static_cast<int>(paper.cy) * kDpi / 254,
                 QImage::Format_RGB32);
    CQtDC::Options options;
    options.device = DeviceKind::Printer;
    options.dpiX = kDpi;
    options.dpiY = kDpi;
    options.size = sheet.size();
    options.physicalSize = sheet.size();
    CPrintInfo info;
    info.m_nMaxPage = view.CountPrintPages();
    info.m_nToPage = info.m_nMaxPage;
    double seconds = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        view.OnBeginPrinting();
        for (UINT page = 1; page <= info.m_nMaxPage; ++page) {
            sheet.fill(Qt::white);
            CQtDC dc(&sheet, options);
            info.m_nCurPage = page;
            view.OnPrepareDC(&dc);
            view.OnPrint(&dc, info);
        }
        view.OnEndPrinting();
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    state.counters["pages"] = info.m_nMaxPage;
    state.counters["ms_per_page"] = 1000.0 * seconds / static_cast<double>(state.iterations()) /
                                    static_cast<double>(info.m_nMaxPage);
    chart.doc.SetModifiedFlag(FALSE);
}

BENCHMARK(BM_PrintToPdf)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PrintDashedToPdf)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PrintPagesToImage)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    return bench::RunQtBenchmarks<QApplication>(argc, argv);
}
