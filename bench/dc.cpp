// Drawing through CQtDC on an A3 page at 300 dpi: 10,000 styled lines and 10,000 filled
// rectangles per iteration, on screen terms and on paper terms (styled drawing on, where the
// dash walker splits every dashed line into runs).
#include "platform/qt/QtDC.h"
#include "render/StyledDraw.h"

#include <QGuiApplication>
#include <QImage>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace tembra;

constexpr int kCount = 10000;
// A3 at 300 dpi.
constexpr int kWidth = 3508;
constexpr int kHeight = 4961;

struct Page {
    QImage image{kWidth, kHeight, QImage::Format_RGB32};
    std::unique_ptr<CQtDC> dc;

    explicit Page(CQtDC::Device device) {
        image.fill(Qt::white);
        CQtDC::Options o;
        o.device = device;
        o.dpiX = 300;
        o.dpiY = 300;
        dc = std::make_unique<CQtDC>(&image, o);
        dc->SetMapMode(MM_LOMETRIC);
    }
};

// Lines across the page (0.1 mm units, y down from the top edge) of every type and width.
void DrawLines(CDC* dc) {
    for (int i = 0; i < kCount; ++i) {
        const int x = (i * 37) % 2900;
        const int y = -((i * 53) % 4100);
        DrawStyledPolyline(dc, x, y, x + 150 + i % 200, y - (i % 3) * 60, i % 5, i % 4,
                           RGB((i * 7) % 256, (i * 13) % 256, (i * 29) % 256), R2_COPYPEN, OPAQUE);
    }
}

// Rectangles of every fill kind in the colours of the bars' palette.
void DrawRects(CDC* dc) {
    static constexpr int kFills[] = {99, 99, 2, 5, 90, 203, 100, -1};
    static constexpr COLORREF kColors[] = {RGB(0, 0, 0),     RGB(255, 0, 0),   RGB(0, 255, 0),
                                           RGB(255, 0, 255), RGB(0, 255, 255), RGB(255, 255, 0)};
    for (int i = 0; i < kCount; ++i) {
        const int x = (i * 41) % 2800;
        const int y = -((i * 59) % 4000);
        DrawStyledRect(dc, x, y, x + 40 + i % 150, y - 30 - i % 90, i % 2 == 0 ? 0 : 1, i % 3,
                       RGB(0, 0, 0), kFills[i % 8], kColors[(i / 8) % 6], R2_COPYPEN, OPAQUE);
    }
}

void BM_StyledLinesScreen(benchmark::State& state) {
    Page page(CQtDC::Device::Screen);
    for (auto _ : state) {
        DrawLines(page.dc.get());
    }
    state.SetItemsProcessed(state.iterations() * kCount);
}
BENCHMARK(BM_StyledLinesScreen)->Unit(benchmark::kMillisecond);

void BM_StyledLinesPaper(benchmark::State& state) {
    Page page(CQtDC::Device::Printer);
    const int previous = SetStyledDrawEnable(1);
    for (auto _ : state) {
        DrawLines(page.dc.get());
    }
    SetStyledDrawEnable(previous);
    state.SetItemsProcessed(state.iterations() * kCount);
}
BENCHMARK(BM_StyledLinesPaper)->Unit(benchmark::kMillisecond);

void BM_FilledRectsScreen(benchmark::State& state) {
    Page page(CQtDC::Device::Screen);
    for (auto _ : state) {
        DrawRects(page.dc.get());
    }
    state.SetItemsProcessed(state.iterations() * kCount);
}
BENCHMARK(BM_FilledRectsScreen)->Unit(benchmark::kMillisecond);

void BM_FilledRectsPaper(benchmark::State& state) {
    Page page(CQtDC::Device::Printer);
    const int previous = SetStyledDrawEnable(1);
    for (auto _ : state) {
        DrawRects(page.dc.get());
    }
    SetStyledDrawEnable(previous);
    state.SetItemsProcessed(state.iterations() * kCount);
}
BENCHMARK(BM_FilledRectsPaper)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
