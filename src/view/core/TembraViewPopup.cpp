// What lies under the pointer for the context menus and the hyperlink tip: the process, term,
// shape or event hit, the menu that belongs to it, and the user's web links appended to the menus
// of terms and events.
#include "document/CommandIds.h"
#include "document/TembraDoc.h"
#include "model/DataHeader.h"
#include "model/Event.h"
#include "model/Koutei.h"
#include "model/LayerSet.h"
#include "model/SearchUrlList.h"
#include "model/Yogo.h"
#include "platform/DC.h"
#include "platform/PopupMenuRequest.h"
#include "render/ChartObjectIndex.h"
#include "render/KouteiLabels.h"
#include "render/KouteiRoute.h"
#include "shapes/Zukei.h"
#include "view/core/TembraView.h"
#include "view/core/ViewHost.h"

#include <algorithm>

namespace tembra {

namespace {

// The context menus.
constexpr UINT kMenuKouteiLine = 135;
constexpr UINT kMenuKouteiNode = 137;
constexpr UINT kMenuKoutei = 139;
constexpr UINT kMenuYogo = 141;
constexpr UINT kMenuEvent = 143;
constexpr UINT kMenuZukei = 145;
constexpr UINT kMenuChart = 149;

// Half the side of the pick box, device pixels.
constexpr LONG kPickPixels = 3;

bool Visible(const CTembraDoc& doc, const CDataHeader* object) {
    const short state = doc.GetChartLayers().IsObjectLayerVisible(object);
    return state == CLayerSet::kShown || state == CLayerSet::kReference;
}

// The pick box around a logical point: kPickPixels device pixels each way, normalised.
CRect PickBox(CDC* dc, const CPoint& point) {
    CPoint device = point;
    dc->LPtoDP(&device);
    CRect box(device.x - kPickPixels, device.y - kPickPixels, device.x + kPickPixels,
              device.y + kPickPixels);
    dc->DPtoLP(&box);
    box.NormalizeRect();
    return box;
}

// The chart objects whose bounds meet the box (logical units, either way up), through the layout's
// index when the document keeps one, else from its lists; last drawn first.
template <class Visit>
const CDataHeader* FindObject(const CTembraDoc& doc, const CPageLayout& layout, const CRect& box,
                              Visit hit) {
    if (const CChartObjectIndex* index = layout.GetObjectIndex()) {
        // The index takes its boxes with y up, the top above the bottom.
        const CRect up(box.left, std::max(box.top, box.bottom), box.right,
                       std::min(box.top, box.bottom));
        const CDataHeader* found = nullptr;
        index->ForEachObjectIn(up, [&](const CChartObjectIndex::Entry& entry) {
            if (Visible(doc, entry.object) && hit(*entry.object)) {
                found = entry.object;
            }
        });
        return found;
    }
    const CDataHeader* found = nullptr;
    for (const auto* list : {&doc.GetObjList(), &doc.GetSelList()}) {
        for (POSITION pos = list->GetHeadPosition(); pos != nullptr;) {
            const CDataHeader* object = list->GetNext(pos);
            if (Visible(doc, object) && hit(*object)) {
                found = object;
            }
        }
    }
    return found;
}

bool IsProcess(const CDataHeader& object) {
    return object.GetType() == kTypeKoutei && object.GetKind() == kKindKoutei;
}

} // namespace

CDataHeader* CTembraView::HitLabelObject(CDC* dc, bool events, bool terms) const {
    const CTembraDoc& doc = *GetDocument();
    const CRect box = PickBox(dc, m_mouse.GetPoint());
    const CPoint point = m_mouse.GetPoint();
    CDataHeader* label = nullptr;
    FindObject(doc, m_layout, box, [&](const CDataHeader& object) {
        if (events && object.GetType() == kTypeEvent && object.GetKind() == 1) {
            CRect bounds = m_layout.GetObjectBounds(dc, &object, 1);
            dc->DPtoLP(&bounds);
            bounds.NormalizeRect();
            if (bounds.PtInRect(point)) {
                label = const_cast<CDataHeader*>(&object);
                return true;
            }
        }
        if (terms && IsProcess(object)) {
            const auto& process = static_cast<const CKoutei&>(object);
            for (int i = process.GetYogoCount() - 1; i >= 0; --i) {
                CYogo* term = process.GetYogo(i);
                CRect rect = term != nullptr ? GetYogoRect(process, m_layout, dc, i) : CRect();
                rect.NormalizeRect();
                if (!rect.IsRectNull() && rect.PtInRect(point)) {
                    label = term;
                    return true;
                }
            }
        }
        return false;
    });
    return label;
}

CObject* CTembraView::HitTestHyperlink(const CPoint& devicePoint, std::string* link) const {
    const CTembraDoc* doc = GetDocument();
    if (doc == nullptr) {
        return nullptr;
    }
    const LONG operation = doc->GetOperation().GetOperation();
    const LONG mode = doc->GetOperation().GetMode();
    const bool events =
        operation == COperationState::kOpEdit && mode == COperationState::kModeEvent;
    const bool terms = operation == COperationState::kOpEdit && mode == COperationState::kModeYogo;
    if (!events && !terms) {
        return nullptr;
    }
    std::unique_ptr<CDC> dc = PreparedClientDC();
    if (!dc) {
        return nullptr;
    }
    // The hit tests read the point of the record; the tip asks between events.
    CTembraView& self = const_cast<CTembraView&>(*this);
    const CMouseEvent kept = self.m_mouse;
    CPoint point = devicePoint;
    dc->DPtoLP(&point);
    self.m_mouse.SetPoint(point);
    CDataHeader* hit = HitLabelObject(dc.get(), events, terms);
    self.m_mouse = kept;
    if (hit == nullptr) {
        return nullptr;
    }
    if (link != nullptr) {
        *link = hit->GetType() == kTypeEvent ? static_cast<CEvent*>(hit)->GetHyperlink()
                                             : static_cast<CYogo*>(hit)->GetHyperlink();
    }
    return hit;
}

UINT CTembraView::KouteiPopupId(CDC* dc) const {
    const CTembraDoc& doc = *GetDocument();
    // What a left click there would pick: the same rectangle, the same parts.
    const CRect test = ClickTestRect(m_mouse.GetPoint(), m_mouse.IsShift(), 0);
    const CDataHeader* hit = FindObject(doc, m_layout, test, [&](const CDataHeader& object) {
        if (!IsProcess(object)) {
            return false;
        }
        const auto& process = static_cast<const CKoutei&>(object);
        for (const int part : {kHitLine, kHitStartLand, kHitEndLand}) {
            if (HitTestPart(process, m_layout, dc, test.left, test.top, test.right, test.bottom,
                            part, 0) != 0) {
                return true;
            }
        }
        return false;
    });
    if (hit == nullptr) {
        return 0;
    }
    int bits = 0;
    for (POSITION pos = doc.GetHeadSelPosition(); pos != nullptr;) {
        const CDataHeader* object = doc.GetNextSel(pos);
        if (!IsProcess(*object)) {
            continue;
        }
        const auto& process = static_cast<const CKoutei&>(*object);
        if (process.IsLinesSelected() != 0) {
            bits |= 1;
        }
        if (process.IsStartLandSelected() != 0 || process.IsEndLandSelected() != 0) {
            bits |= 2;
        }
    }
    switch (bits) {
    case 1:
        return kMenuKouteiLine;
    case 2:
        return kMenuKouteiNode;
    case 3:
        return kMenuKoutei;
    default:
        return 0;
    }
}

bool CTembraView::HitZukei(CDC* dc) const {
    const CTembraDoc& doc = *GetDocument();
    const CRect box = PickBox(dc, m_mouse.GetPoint());
    const auto& shapes = const_cast<CTembraDoc&>(doc).GetZukeiList();
    for (POSITION pos = shapes.GetTailPosition(); pos != nullptr;) {
        const CDataHeader* object = shapes.GetPrev(pos);
        if (Visible(doc, object) &&
            static_cast<const CZukei*>(object)->HitTest(*this, box, kHitTouch) != FALSE) {
            return true;
        }
    }
    return false;
}

UINT CTembraView::GetPopupMenuId(CDC* dc) {
    CTembraDoc& doc = *GetDocument();
    switch (doc.GetOperation().GetMode()) {
    case COperationState::kModeKoutei:
        return KouteiPopupId(dc);
    case COperationState::kModeYogo:
        if (CDataHeader* term = HitLabelObject(dc, false, true)) {
            doc.SetWebKeyword(static_cast<CYogo*>(term)->GetText());
            return kMenuYogo;
        }
        return 0;
    case COperationState::kModeZukei:
        return HitZukei(dc) ? kMenuZukei : 0U;
    case COperationState::kModeEvent:
        // The links of the menu search for the text of the event it was opened on.
        if (CDataHeader* event = HitLabelObject(dc, true, false)) {
            doc.SetWebKeyword(static_cast<CEvent*>(event)->GetText());
            return kMenuEvent;
        }
        return 0;
    case COperationState::kModeChart: {
        int selected = 0;
        const auto& charts = doc.GetChartList();
        for (POSITION pos = charts.GetHeadPosition(); pos != nullptr;) {
            if (charts.GetNext(pos)->IsSelected() != 0) {
                ++selected;
            }
        }
        return selected == 1 ? kMenuChart : 0U;
    }
    default:
        // Item cells, progress lines and resources have no menu of their own; embedded objects
        // are never current at a point here (none can be activated).
        return 0;
    }
}

void CTembraView::AppendExecURLMenu(PopupMenuRequest& request, UINT id) {
    if (id != kMenuYogo && id != kMenuEvent) {
        return;
    }
    CSearchUrlList links;
    links.Load();
    if (links.GetCount() == 0) {
        return;
    }
    request.added.push_back({0, std::string()});
    UINT command = ID_BROWSER_FIRST;
    for (const SearchUrlEntry& entry : links.Entries()) {
        request.added.push_back({command++, entry.title});
    }
}

} // namespace tembra
