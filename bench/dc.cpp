// Drawing through CQtDC on an A3 page at 300 dpi, on screen terms (a QImage) and on paper (a
// QPdfWriter, the vector device a print job draws on): 10,000 styled lines, 10,000 filled
// rectangles and 10,000 lines of text per iteration. On paper styled drawing is on, so the dash
// walker splits every dashed line into runs. The text cases have a plain-QPainter twin that
// draws the same strings in the same font at the same device points, so that the cost of the
// device context's text path shows as a ratio.
//
// Every paper iteration draws on a fresh page of its own PDF; making the writer and writing the
// finished file are outside the timed part.
#include "platform/Sjis.h"
#include "platform/qt/QtDC.h"
#include "render/StyledDraw.h"
#include "support/BenchQtMain.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <benchmark/benchmark.h>

#include <array>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace tembra;

constexpr int kCount = 10000;
// A3 at 300 dpi.
constexpr int kDpi = 300;
constexpr int kWidth = 3508;
constexpr int kHeight = 4961;
// Text 3.5 mm high (MM_LOMETRIC units), in the chart's default face.
constexpr int kTextHeight = 35;
constexpr const char* kFaceUtf8 = "ＭＳ 明朝";

// A screen-like image the size of the page.
struct ScreenPage {
    QImage image{kWidth, kHeight, QImage::Format_RGB32};
    std::unique_ptr<CQtDC> dc;

    ScreenPage() {
        image.fill(Qt::white);
        CQtDC::Options o;
        o.device = CQtDC::Device::Screen;
        o.dpiX = kDpi;
        o.dpiY = kDpi;
        dc = std::make_unique<CQtDC>(&image, o);
        dc->SetMapMode(MM_LOMETRIC);
    }
};

// One page of a PDF written into memory.
struct PaperPage {
    QBuffer buffer;
    std::unique_ptr<QPdfWriter> writer;

    PaperPage() {
        buffer.open(QIODevice::WriteOnly);
        writer = std::make_unique<QPdfWriter>(&buffer);
        writer->setResolution(kDpi);
        writer->setPageSize(QPageSize(QPageSize::A3));
    }
    // A print job's device context, with styled drawing as the job asks.
    std::unique_ptr<CQtDC> MakeDC(bool styled) {
        auto dc = std::make_unique<CQtDC>(writer.get(), CQtDC::ForPagedDevice(*writer));
        dc->SetMapMode(MM_LOMETRIC);
        SetStyledDrawEnable(dc.get(), styled ? 1 : 0);
        return dc;
    }
};

// Runs draw(dc) once per iteration on a fresh PDF page; only the drawing is timed.
template <class Draw> void OnPaper(benchmark::State& state, bool styled, Draw draw) {
    for (auto _ : state) {
        state.PauseTiming();
        auto page = std::make_unique<PaperPage>();
        auto dc = page->MakeDC(styled);
        state.ResumeTiming();
        draw(dc.get());
        state.PauseTiming();
        dc.reset();
        page.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kCount);
}

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

// ---- Text -------------------------------------------------------------------------------------

// Labels as a chart writes them: process names, dates, quantities.
const std::array<std::string, 8>& Labels() {
    static const std::array<std::string, 8> labels = {
        Sjis::FromUtf8("基礎工事"),   Sjis::FromUtf8("鉄骨建方 3F"),
        Sjis::FromUtf8("2020/04/01"), Sjis::FromUtf8("外壁 タイル張り"),
        Sjis::FromUtf8("設備配管"),   Sjis::FromUtf8("125 m3"),
        Sjis::FromUtf8("内装仕上げ"), Sjis::FromUtf8("検査・引渡し"),
    };
    return labels;
}

CPoint TextPoint(int i) {
    return {(i * 43) % 2700, -((i * 61) % 4000)};
}

COLORREF TextColor(int i) {
    return RGB((i * 11) % 200, (i * 17) % 200, (i * 23) % 200);
}

LOGFONT TextFont() {
    LOGFONT lf;
    lf.lfHeight = -kTextHeight;
    lf.lfCharSet = SHIFTJIS_CHARSET;
    lf.SetFaceName(Sjis::FromUtf8(kFaceUtf8));
    return lf;
}

// Left and top aligned on a transparent background: the common case, where nothing needs the
// width of the text.
void DrawTexts(CDC* dc) {
    const LOGFONT lf = TextFont();
    const auto& labels = Labels();
    for (int i = 0; i < kCount; ++i) {
        const CPoint at = TextPoint(i);
        DrawStyledText(dc, at.x, at.y, &lf, TextColor(i), labels[i % labels.size()],
                       TA_LEFT | TA_TOP, R2_COPYPEN, TRANSPARENT);
    }
}

// The same strings drawn straight with QPainter: the font, the device points (the top of the
// cell at the logical point) and the strings are made once, as a Qt program would.
struct PlainText {
    QFont font;
    std::vector<QString> labels;
    std::vector<QPointF> points;
    std::vector<QColor> colors;

    PlainText() {
        InstallFontSubstitutions();
        font = QFont(QString::fromUtf8(kFaceUtf8));
        font.setPixelSize(static_cast<int>(kTextHeight * kDpi / 254.0 + 0.5));
        font.setKerning(false);
        const qreal ascent = QFontMetricsF(font).ascent();
        for (const std::string& s : Labels()) {
            labels.push_back(QString::fromStdString(Sjis::ToUtf8(s)));
        }
        for (int i = 0; i < kCount; ++i) {
            const CPoint at = TextPoint(i);
            // MM_LOMETRIC with the origin at the top left: a unit is kDpi / 254 pixels, and a
            // point lands on the nearest whole pixel, as the device context puts it.
            points.emplace_back(std::round(at.x * kDpi / 254.0),
                                std::round(-at.y * kDpi / 254.0) + ascent);
            const COLORREF c = TextColor(i);
            colors.emplace_back(GetRValue(c), GetGValue(c), GetBValue(c));
        }
    }

    void Draw(QPainter& p) const {
        p.setFont(font);
        for (int i = 0; i < kCount; ++i) {
            p.setPen(colors[i]);
            p.drawText(points[i], labels[i % labels.size()]);
        }
    }
};

// ---- Benchmarks -------------------------------------------------------------------------------

void BM_StyledLinesScreen(benchmark::State& state) {
    ScreenPage page;
    for (auto _ : state) {
        DrawLines(page.dc.get());
    }
    state.SetItemsProcessed(state.iterations() * kCount);
}
BENCHMARK(BM_StyledLinesScreen)->Unit(benchmark::kMillisecond);

void BM_StyledLinesPaper(benchmark::State& state) {
    OnPaper(state, true, DrawLines);
}
BENCHMARK(BM_StyledLinesPaper)->Unit(benchmark::kMillisecond);

void BM_FilledRectsScreen(benchmark::State& state) {
    ScreenPage page;
    for (auto _ : state) {
        DrawRects(page.dc.get());
    }
    state.SetItemsProcessed(state.iterations() * kCount);
}
BENCHMARK(BM_FilledRectsScreen)->Unit(benchmark::kMillisecond);

void BM_FilledRectsPaper(benchmark::State& state) {
    OnPaper(state, true, DrawRects);
}
BENCHMARK(BM_FilledRectsPaper)->Unit(benchmark::kMillisecond);

void BM_TextScreen(benchmark::State& state) {
    ScreenPage page;
    for (auto _ : state) {
        DrawTexts(page.dc.get());
    }
    state.SetItemsProcessed(state.iterations() * kCount);
}
BENCHMARK(BM_TextScreen)->Unit(benchmark::kMillisecond);

void BM_TextScreenPlainQPainter(benchmark::State& state) {
    const PlainText text;
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    for (auto _ : state) {
        text.Draw(p);
    }
    state.SetItemsProcessed(state.iterations() * kCount);
}
BENCHMARK(BM_TextScreenPlainQPainter)->Unit(benchmark::kMillisecond);

void BM_TextPaper(benchmark::State& state) {
    OnPaper(state, false, DrawTexts);
}
BENCHMARK(BM_TextPaper)->Unit(benchmark::kMillisecond);

void BM_TextPaperPlainQPainter(benchmark::State& state) {
    const PlainText text;
    for (auto _ : state) {
        state.PauseTiming();
        auto page = std::make_unique<PaperPage>();
        auto p = std::make_unique<QPainter>(page->writer.get());
        state.ResumeTiming();
        text.Draw(*p);
        state.PauseTiming();
        p.reset();
        page.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kCount);
}
BENCHMARK(BM_TextPaperPlainQPainter)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return bench::RunQtBenchmarks<QGuiApplication>(argc, argv);
}
