// The drawing of the whole chart into any device context: the window, a printed or previewed
// page. The order of the layers: the white band of the page, the item table, the header cells,
// the resource charts, the shapes, the item cells, the unselected and then the selected chart
// objects and the progress lines; the fixed rows of a chart scrolled down are drawn once more
// in a second, clipped pass. Each layer is clipped to its band and skipped when the band shows
// nothing of the part being painted; each object is drawn only when its bounds meet the band.
// The chart objects the band shows are found in the layout's index of their bounds, which is
// made once per change of the chart, not per paint.
#include "chart/Chart.h"
#include "chart/ChartDocument.h"
#include "document/TembraDoc.h"
#include "model/Koumoku.h"
#include "model/LayerSet.h"
#include "model/Shincyoku.h"
#include "platform/DC.h"
#include "platform/Ui.h"
#include "render/ChartDrawMode.h"
#include "render/ChartObjectIndex.h"
#include "render/ShincyokuDraw.h"
#include "shapes/Zukei.h"
#include "view/core/ShincyokuGesture.h"
#include "view/core/TembraView.h"
#include "view/core/ViewHost.h"
#include "view/core/YogoGesture.h"

#include <algorithm>
#include <optional>

namespace tembra {

namespace {

// Bounds in device units (normalised) meet the box when they share an area or touch it.
bool Meets(const CRect& bounds, const CRect& box) {
    return bounds.left <= box.right && box.left <= bounds.right && bounds.top <= box.bottom &&
           box.top <= bounds.bottom;
}

CRect Normalized(CRect r) {
    r.NormalizeRect();
    return r;
}

// One band of the drawing: the device context's state saved, the clip reduced to the part to
// paint and the band's rectangle; the band's clip box in device units. Restored when it goes.
class Band {
public:
    Band(CDC* dc, const CRect& paint, const CRect& rect) : m_dc(dc), m_saved(dc->SaveDC()) {
        dc->SelectClipRgn(nullptr);
        dc->IntersectClipRect(&paint);
        dc->IntersectClipRect(&rect);
        CRect box;
        dc->GetClipBox(&box);
        m_logical = Normalized(box);
        dc->LPtoDP(&box);
        m_box = Normalized(box);
    }
    ~Band() { m_dc->RestoreDC(m_saved); }
    Band(const Band&) = delete;
    Band& operator=(const Band&) = delete;

    bool IsVisible() const { return !m_box.IsRectEmpty() && !m_box.IsRectNull(); }
    const CRect& Box() const { return m_box; }
    // The clip box in logical units grown by grow on every side, top above bottom, as the
    // layout's rectangles and the index of the objects have them.
    CRect LogicalBox(int grow = 0) const {
        return CRect(m_logical.left - grow, m_logical.bottom + grow, m_logical.right + grow,
                     m_logical.top - grow);
    }
    bool Shows(CDC* dc, const CPageLayout& layout, const CDataHeader* object, int index) const {
        return Meets(Normalized(layout.GetObjectBounds(dc, object, index)), m_box);
    }

private:
    CDC* m_dc;
    int m_saved;
    CRect m_box;
    CRect m_logical;
};

// The draw mode of an object by the state of its layer; none when the layer hides it.
std::optional<ChartDrawMode> LayerMode(const CTembraDoc& doc, const CDataHeader* object) {
    switch (doc.GetChartLayers().IsObjectLayerVisible(object)) {
    case CLayerSet::kShown:
        return ChartDrawMode::Normal;
    case CLayerSet::kReference:
        return ChartDrawMode::Reference;
    default:
        return std::nullopt;
    }
}

// The band of the process area across the page: from the outer rectangle's left to its right
// less 2, between the given top and bottom (the bottom moved up by 3).
CRect ProcessBand(const CPageLayout& layout, LONG top, LONG bottom) {
    const CRect outer = layout.GetRect();
    return CRect(outer.left, top, outer.right - 2, bottom + 3);
}

CRect ObjectBand(CRect r) {
    r.right -= 2;
    r.bottom += 3;
    return r;
}

} // namespace

void CTembraView::OnDraw(CDC* dc) {
    CTembraDoc* doc = GetDocument();
    if (doc == nullptr || dc == nullptr) {
        return;
    }
    const CPageLayout::DrawPass pass(m_layout);

    CRect paint;
    dc->GetClipBox(&paint);

    m_layout.FillWhiteBand(dc);
    {
        // The item table leaves its clip set.
        const int saved = dc->SaveDC();
        m_layout.DrawDateHeader(dc);
        dc->RestoreDC(saved);
    }
    {
        CRect header = m_layout.GetBodyRect();
        header.right = m_layout.GetKoumokuRect().right;
        const Band band(dc, paint, header);
        if (band.IsVisible()) {
            m_layout.DrawHeaderCells(dc);
        }
    }

    const CRect process = m_layout.GetKouteiRect();
    const CRect fixed = m_layout.GetKouteiGridRect();
    const CRect processBand = ProcessBand(m_layout, process.top, process.bottom);
    const CRect fixedBand = ProcessBand(m_layout, fixed.top, fixed.bottom);
    const bool scrolled = m_layout.IsScrolledDown() != FALSE;

    // The resource charts, then (once more for the fixed rows) in the clip pass.
    IChartDocument* charts = DocumentSeam<IChartDocument>(doc);
    const auto drawCharts = [&](const CRect& rect) {
        const Band band(dc, paint, rect);
        if (!band.IsVisible() || charts == nullptr) {
            return;
        }
        OwnedObList<CDataHeader>& list = doc->GetChartList();
        for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
            CDataHeader* record = list.GetNext(pos);
            auto* chart = record != nullptr && record->GetType() == kTypeChart
                              ? DynamicDowncast<CChart>(record)
                              : nullptr;
            if (chart != nullptr && band.Shows(dc, m_layout, chart, 1)) {
                chart->Draw(*charts, *this, *dc, 0);
            }
        }
    };
    drawCharts(processBand);
    if (scrolled) {
        m_layout.SetClipPass(TRUE);
        drawCharts(fixedBand);
        m_layout.SetClipPass(FALSE);
    }

    // The shapes, head of the list first (the back), with the edit window of a framed text laid
    // over its shape and the handles of the shape selection.
    const bool screen = !dc->IsPrinting() && !dc->IsMetafile();
    const auto drawShapes = [&](const CRect& rect) {
        const Band band(dc, paint, rect);
        if (!band.IsVisible()) {
            return;
        }
        if (screen && m_layout.GetClipPass() == FALSE) {
            PlaceStringEdit(dc, *doc);
        }
        for (POSITION pos = doc->GetShapes().GetHeadZukeiPosition(); pos != nullptr;) {
            CZukei* shape = doc->GetShapes().GetNextZukei(pos);
            if (shape == nullptr || !band.Shows(dc, m_layout, shape, 1)) {
                continue;
            }
            // A shape takes the chart objects' codes of its layer's state.
            if (const std::optional<ChartDrawMode> mode = LayerMode(*doc, shape)) {
                shape->Draw(*this, *dc, static_cast<int>(*mode));
            }
        }
        if (screen) {
            DrawZukeiHandles(dc, *doc);
        }
    };
    drawShapes(processBand);
    if (scrolled) {
        m_layout.SetClipPass(TRUE);
        drawShapes(fixedBand);
        m_layout.SetClipPass(FALSE);
    }

    // The item cells of the displayed rows the band shows, column by column.
    const CKoumoku& table = doc->GetKoumokuTable();
    const auto drawCells = [&](const CRect& rect, int firstRow, int lastRow, int index) {
        const Band band(dc, paint, rect);
        if (!band.IsVisible()) {
            return;
        }
        const CRect shown = band.LogicalBox();
        firstRow = std::max(firstRow, m_layout.YToRow(shown.top));
        lastRow = std::min(lastRow, m_layout.YToRow(shown.bottom));
        for (int column = 0; column < table.GetColumnCount(); ++column) {
            if (table.GetColumnWidth(column) <= 0) {
                continue;
            }
            for (int row = firstRow; row <= lastRow; ++row) {
                CKoumokuData* cell = doc->GetKoumokuCells().GetKoumokuCell(row, column);
                if (cell != nullptr && band.Shows(dc, m_layout, cell, index)) {
                    m_layout.DrawChartObject(dc, cell, ChartDrawMode::Normal);
                }
            }
        }
    };
    drawCells(m_layout.GetKoumokuRect(), m_layout.GetFirstRow(), m_layout.GetLastRow(), 1);
    if (scrolled) {
        m_layout.SetClipPass(TRUE);
        drawCells(m_layout.GetGridRect(), m_layout.GetAltFirstRow(), m_layout.GetAltLastRow(), -1);
        m_layout.SetClipPass(FALSE);
    }

    // The chart objects and the progress lines; a right click during a preview stops here.
    bool aborted = false;
    DrawObjects(dc, paint, aborted);
    // The feedback of the mouse edits and the edit window of a framed text, on the screen only.
    m_yogo->RedrawFeedback(dc);
    if (m_layout.GetOutputMode() == 0 && !dc->IsPrinting()) {
        DrawEditFeedback(dc);
    }
    if (screen) {
        ShowStringEdit(*doc);
        DrawZukeiEditFeedback(dc, *doc);
    }
}

void CTembraView::DrawObjects(CDC* dc, const CRect& paint, bool& aborted) {
    CTembraDoc& doc = *GetDocument();
    // The progress lines are tested against the part to paint, so that one that meets it is
    // drawn even where the band shows nothing of the process area.
    CRect paintBox = paint;
    dc->LPtoDP(&paintBox);
    paintBox.NormalizeRect();
    const auto pass = [&](const CRect& rect) {
        const Band band(dc, paint, rect);
        if (band.IsVisible()) {
            if (const CChartObjectIndex* index = m_layout.GetObjectIndex()) {
                // The index files the bounds without the widening of 10 units that a device
                // context adds; a unit more covers the rounding to pixels.
                index->ForEachObjectIn(
                    band.LogicalBox(11), [&](const CChartObjectIndex::Entry& entry) {
                        if (aborted) {
                            return;
                        }
                        // The index refers to the document's own objects, which
                        // drawing marks.
                        auto* object = const_cast<CDataHeader*>(entry.object);
                        const bool selected = object->IsSelected() != 0;
                        if (!selected && m_layout.GetOutputMode() == 2 &&
                            m_host.TakePreviewAbort()) {
                            Ui().Beep(MB_ICONEXCLAMATION);
                            aborted = true;
                            return;
                        }
                        m_layout.SetDrawPassFlag(TRUE);
                        const bool shown = band.Shows(dc, m_layout, object, 1);
                        m_layout.SetDrawPassFlag(FALSE);
                        if (!shown) {
                            return;
                        }
                        // Selected or not, an object of a hidden layer is
                        // not drawn; a selected one for reference is drawn
                        // in full.
                        std::optional<ChartDrawMode> mode = LayerMode(doc, object);
                        if (selected && mode.has_value()) {
                            mode = ChartDrawMode::Normal;
                        }
                        if (mode.has_value()) {
                            m_layout.DrawChartObject(dc, object, *mode);
                        }
                    });
            }
        }
        if (aborted) {
            return;
        }
        // The progress lines, whether or not the band shows anything of the process area.
        OwnedObList<CDataHeader>& lines = doc.GetShincyokuList();
        for (POSITION pos = lines.GetHeadPosition(); pos != nullptr;) {
            auto* line = dynamic_cast<CShincyoku*>(lines.GetNext(pos));
            if (line == nullptr ||
                !Meets(Normalized(m_layout.GetObjectBounds(dc, line, 1)), paintBox)) {
                continue;
            }
            if (const std::optional<int> row = m_shincyoku->FeedbackRow(line)) {
                // The row being placed is the feedback's: the line leaves it out.
                line->SetPointValue(*row, 1);
                Draw(*line, dc, m_layout, 0);
                line->SetPointValue(*row, 0);
            } else {
                Draw(*line, dc, m_layout, 0);
            }
        }
    };
    pass(ObjectBand(m_layout.GetKouteiRect()));
    if (m_layout.IsScrolledDown() && !aborted) {
        m_layout.SetClipPass(TRUE);
        pass(ObjectBand(m_layout.GetKouteiGridRect()));
        m_layout.SetClipPass(FALSE);
    }
}

} // namespace tembra
