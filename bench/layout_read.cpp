// The layout editor reading a layout file (CLayoutFileData::ReadLayoutFile from its lines): a
// generated layout whose A4 paper holds n input areas of distinct names (the argument: 1,600 or
// 16,000) beside a fixed text and a line each tenth of them, the other papers empty. Each input
// area read is merged into an area of the paper's list that carries its name, or appended: the
// cost per area must not grow with the number of areas already read.
#include "layout_editor/core/LayoutFileData.h"
#include "layout_editor/core/PHeadInputArea.h"
#include "layout_editor/core/PHeadLineData.h"
#include "model/LayoutFile.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <sstream>
#include <string>

namespace {

using namespace marquell;

constexpr int kColumns = 40;

// The lines of the generated layout file.
tembra::LayoutLines GeneratedLayout(int areas) {
    CLayoutFileData layout;
    layout.InitNew();
    layout.SetLayoutName("bench");
    CPaperData& paper = layout.GetPaper(0);
    // An A4 paper whose header takes the areas.
    paper.GetSize().SetArea(tembra::kLayoutPaperArea, CRect(0, 0, 2970, -2100));
    paper.GetSize().SetArea(tembra::kLayoutHeaderArea, CRect(100, -100, 2870, -2000));
    for (int i = 0; i < areas; ++i) {
        const int x = 100 + (i % kColumns) * 70;
        const int y = -100 - (i / kColumns) * 40;
        auto input = std::make_unique<CPHeadInputArea>();
        input->SetName("Area" + std::to_string(i));
        input->SetDefaultText("text " + std::to_string(i));
        input->SetFrameRect(CRect(x, y, x + 60, y - 30));
        paper.GetElements().push_back(std::move(input));
        if (i % 10 == 0) {
            auto text = std::make_unique<CPHeadMojiData>();
            text->SetText("Label" + std::to_string(i));
            text->SetFrameRect(CRect(x, y - 30, x + 60, y - 40));
            paper.GetElements().push_back(std::move(text));
            auto line = std::make_unique<CPHeadLineData>();
            line->SetFrameRect(CRect(x, y - 35, x + 60, y - 35));
            paper.GetElements().push_back(std::move(line));
        }
    }
    std::ostringstream out;
    layout.WriteLayoutFile(out, false);
    return tembra::SplitLayoutLines(out.str());
}

void BM_ReadLayout(benchmark::State& state) {
    const tembra::LayoutLines lines = GeneratedLayout(static_cast<int>(state.range(0)));
    std::size_t elements = 0;
    for (auto _ : state) {
        CLayoutFileData layout;
        layout.ReadLayoutFile(lines);
        elements = layout.GetPaper(0).GetElements().size();
        benchmark::DoNotOptimize(elements);
    }
    state.counters["elements"] = static_cast<double>(elements);
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ReadLayout)->Arg(1600)->Arg(16000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
