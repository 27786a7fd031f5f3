// 属性 > 行事 > 整列: the selected events lined up by an edge of a reference event (tops and
// bottoms on the leftmost, left and right edges on the topmost), optionally spaced evenly along
// the row or the column, in one undo step.
#include "document/TembraDoc.h"
#include "model/AlignRequest.h"
#include "model/Event.h"
#include "platform/DC.h"
#include "platform/Ui.h"
#include "render/EventGeometry.h"
#include "view/core/TembraView.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace tembra {

namespace {

struct Placed {
    CEvent* event = nullptr;
    // The text's rectangle, top above bottom. The date and row point is left out: a moved event
    // takes the date and row under its new anchor, so that point lands on a day's start and a
    // row's middle, and edges measured with it could never be brought into line.
    CRect rect;
};

bool IsEvent(const CDataHeader* object) {
    return object->GetType() == kTypeEvent && object->GetKind() == kKindEvent;
}

} // namespace

void CTembraView::OnEventAlign() {
    CTembraDoc& doc = *GetDocument();
    std::unique_ptr<CDC> dc = PreparedClientDC();
    if (!dc) {
        return;
    }
    // Only events stay selected; the others leave the selection.
    std::vector<Placed> events;
    for (POSITION pos = doc.GetHeadSelPosition(); pos != nullptr;) {
        const POSITION at = pos;
        CDataHeader* object = doc.GetNextSel(pos);
        if (!IsEvent(object)) {
            object->Deselect();
            doc.UnselectAt(at, TRUE);
            continue;
        }
        auto* event = static_cast<CEvent*>(object);
        events.push_back({event, GetRect(*event, m_layout, dc.get(), FALSE)});
    }
    if (events.empty()) {
        return;
    }
    AlignRequest request;
    if (Ui().RunDialog(request) != IDOK) {
        return;
    }
    const AlignValues& values = request.values;
    const bool rowWise = AlignValues::HorizontalSpacingApplies(values.choice);
    // The reference: the leftmost event for a row, the topmost for a column; the earlier in the
    // selection on a tie.
    const Placed reference = *std::min_element(
        events.begin(), events.end(), [rowWise](const Placed& a, const Placed& b) {
            return rowWise ? a.rect.left < b.rect.left : a.rect.top > b.rect.top;
        });
    std::optional<int> gap;
    const int zoom = m_layout.GetZoom();
    if (rowWise && values.horizontalSpacing != FALSE) {
        gap = values.horizontalGap * zoom / 100;
    } else if (!rowWise && values.verticalSpacing != FALSE) {
        gap = values.verticalGap * zoom / 100;
    }
    std::stable_sort(events.begin(), events.end(), [rowWise](const Placed& a, const Placed& b) {
        return rowWise ? a.rect.left < b.rect.left : a.rect.top > b.rect.top;
    });

    doc.GetUndoHistory().Reset();
    // A balloon moves as a dragged one does: with the base point fixed its tip keeps marking its
    // date and row, and only the box is lined up.
    const BOOL keepTip = doc.GetOperation().GetEventBaseMove() != 0 ? TRUE : FALSE;
    int previousEdge = rowWise ? reference.rect.right : reference.rect.bottom;
    for (const Placed& placed : events) {
        const CRect& r = placed.rect;
        const bool isReference = placed.event == reference.event;
        CPoint offset;
        switch (values.choice) {
        case AlignValues::kTop:
            offset.y = reference.rect.top - r.top;
            break;
        case AlignValues::kBottom:
            offset.y = reference.rect.bottom - r.bottom;
            break;
        case AlignValues::kLeft:
            offset.x = reference.rect.left - r.left;
            break;
        default:
            offset.x = reference.rect.right - r.right;
            break;
        }
        if (gap && !isReference) {
            if (rowWise) {
                offset.x = previousEdge + *gap - r.left;
            } else {
                // y points up: the next event's top lies the gap below the previous bottom.
                offset.y = previousEdge - *gap - r.top;
            }
        }
        CRect moved = r;
        const POSITION at = doc.FindSel(placed.event);
        if (at != nullptr && offset != CPoint()) {
            std::unique_ptr<CEvent> copy = doc.GetEvents().CopyEvent(*placed.event);
            if (copy) {
                MoveBy(*copy, m_layout, offset.x, offset.y, keepTip);
                moved = GetRect(*copy, m_layout, dc.get(), FALSE);
                doc.UpdateAllViews(nullptr, 0, placed.event);
                doc.ReplaceSelAt(at, copy.release(), 0);
            }
        }
        if (!isReference || !gap) {
            previousEdge = rowWise ? moved.right : moved.bottom;
        }
    }
}

} // namespace tembra
