// The whole chart page of a schedule document, drawn through a page layout the way the chart
// view draws it, for the tests and the benchmarks that need a whole page: the white band, the
// date header (with its shading, selections, grid and ruled lines), the area-name header, the
// item cells of the rows the clip box shows, the chart objects (the unselected ones, then the
// selected ones, those on hidden layers left out and those on reference layers drawn as
// inactive) and the progress lines; an object whose bounds miss the clip box is passed over.
// The objects the clip box shows are found in the layout's index of the objects' bounds, kept
// from one drawing to the next while the document does not change. The drawing runs as one
// drawing pass of the layout.
//
// Test code: the program's view has drawing of its own (its resource charts, embedded items and
// mouse feedback come between and after these).
#pragma once

#include "document/TembraDoc.h"
#include "model/DataHeader.h"
#include "model/Koumoku.h"
#include "model/LayerSet.h"
#include "model/Shincyoku.h"
#include "platform/DC.h"
#include "render/ChartDrawMode.h"
#include "render/ChartObjectIndex.h"
#include "render/PageLayout.h"
#include "render/ShincyokuDraw.h"

#include <algorithm>
#include <optional>

namespace tembra::test {

// What one drawing of the page did with the document's objects.
struct ChartPageCount {
    int drawn = 0;
    int passedOver = 0;
};

// The draw mode of an object by its layer: none when the layer hides it.
inline std::optional<ChartDrawMode> LayerDrawMode(const CTembraDoc& doc,
                                                  const CDataHeader& object) {
    const auto& layers = doc.GetLayers();
    const std::size_t layer = object.GetLayer();
    if (layer >= layers.size() || !layers[layer]) {
        return ChartDrawMode::Normal;
    }
    if (!layers[layer]->IsDrawn()) {
        return std::nullopt;
    }
    return layers[layer]->GetState() == CLayerSet::kReference ? ChartDrawMode::Reference
                                                              : ChartDrawMode::Normal;
}

inline ChartPageCount DrawChartPage(CTembraDoc& doc, CPageLayout& layout, CDC& dc) {
    ChartPageCount count;
    const CPageLayout::DrawPass pass(layout);
    layout.FillWhiteBand(&dc);
    layout.DrawDateHeader(&dc);
    layout.DrawHeaderCells(&dc);

    // What the clip box shows, in the layout's coordinates (top above bottom).
    CRect clip;
    if (dc.GetClipBox(&clip) == NULLREGION) {
        clip = layout.GetPageRect();
    }
    const CRect shown(std::min(clip.left, clip.right), std::max(clip.top, clip.bottom),
                      std::max(clip.left, clip.right), std::min(clip.top, clip.bottom));
    const auto meets = [&](const CRect& r) {
        return r.left <= shown.right && shown.left <= r.right && r.bottom <= shown.top &&
               shown.bottom <= r.top;
    };

    // The item cells of the rows shown, when the item columns are.
    const CKoumoku& table = doc.GetKoumokuTable();
    const CRect items = layout.GetKoumokuRect();
    const bool itemsShown = items.left <= shown.right && shown.left <= items.right;
    const int firstRow = std::max<int>(layout.GetFirstRow(), layout.YToRow(shown.top));
    const int lastRow =
        itemsShown ? std::min<int>(layout.GetLastRow(), layout.YToRow(shown.bottom)) : -1;
    for (int row = firstRow; row <= lastRow; ++row) {
        for (int column = 0; column < table.GetColumnCount(); ++column) {
            if (auto* cell = dynamic_cast<CDataHeader*>(table.GetAt(row, column))) {
                layout.DrawChartObject(&dc, cell, ChartDrawMode::Normal);
                ++count.drawn;
            }
        }
    }

    // The chart objects whose bounds meet the clip box, in drawing order (the document counts
    // its changes: the layout keeps their index).
    if (const CChartObjectIndex* index = layout.GetObjectIndex()) {
        int met = 0;
        index->ForEachObjectIn(shown, [&](const CChartObjectIndex::Entry& entry) {
            // The index refers to the document's own objects, which drawing marks.
            auto* object = const_cast<CDataHeader*>(entry.object);
            ++met;
            if (const std::optional<ChartDrawMode> mode = LayerDrawMode(doc, *object)) {
                layout.DrawChartObject(&dc, object, *mode);
                ++count.drawn;
            }
        });
        count.passedOver += index->GetCount() - met;
    }

    // The progress lines, whose bounds are worked out here.
    const auto drawList = [&](OwnedObList<CDataHeader>& list, auto draw) {
        for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
            CDataHeader* object = list.GetNext(pos);
            const std::optional<ChartDrawMode> mode = LayerDrawMode(doc, *object);
            if (!mode.has_value()) {
                continue;
            }
            if (!meets(layout.GetObjectBounds(nullptr, object, 0))) {
                ++count.passedOver;
                continue;
            }
            draw(object, *mode);
            ++count.drawn;
        }
    };
    drawList(doc.GetShincyokuList(), [&](CDataHeader* object, ChartDrawMode mode) {
        if (auto* line = dynamic_cast<CShincyoku*>(object)) {
            Draw(*line, &dc, layout, static_cast<int>(mode));
        }
    });
    return count;
}

} // namespace tembra::test
