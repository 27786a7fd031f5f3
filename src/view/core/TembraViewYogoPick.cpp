// Picking the terms of processes with a click or a band, and the box a term's text takes at a
// point (the term gestures of CYogoGesture build on them).
#include "document/RecordCast.h"
#include "document/TembraDoc.h"
#include "model/ConfigOperation.h"
#include "model/Koutei.h"
#include "model/LayerSet.h"
#include "model/Yogo.h"
#include "platform/DC.h"
#include "render/KouteiLabels.h"
#include "render/KouteiRoute.h"
#include "view/core/TembraView.h"
#include "view/core/YogoGesture.h"

#include <algorithm>
#include <cstdlib>

namespace tembra {

namespace {

// How far a term's box is widened when a device context measures (logical units).
constexpr int kTermSlack = 10;

bool Meets(const CRect& a, const CRect& b) {
    CRect na = a;
    CRect nb = b;
    na.NormalizeRect();
    nb.NormalizeRect();
    CRect common;
    return common.IntersectRect(na, nb) != FALSE;
}

} // namespace

BOOL CTembraView::PickYogo(CDC* dc, const CMouseEvent& mouse, CKoutei** outProcess, int* outIndex,
                           UINT flags, int keepOrder) {
    CTembraDoc& doc = *GetDocument();
    const CPoint start = mouse.GetStartPoint();
    const CPoint last = mouse.GetLastPoint();
    const bool click = start == last;
    CRect test;
    if (click) {
        // Three pixels square around the point.
        CRect device(start, start);
        dc->LPtoDP(&device);
        device.NormalizeRect();
        device.InflateRect(1, 1);
        test = device;
        dc->DPtoLP(&test);
    } else {
        test = CRect(std::min(start.x, last.x), std::max(start.y, last.y),
                     std::max(start.x, last.x), std::min(start.y, last.y));
        if (m_layout.IsScrolledDown() != FALSE) {
            const CRect chart = m_layout.GetChartRect();
            test.top = std::min(test.top, chart.top);
            test.bottom = std::max(test.bottom, chart.bottom);
        }
    }
    if (outProcess != nullptr) {
        *outProcess = nullptr;
    }
    if (outIndex != nullptr) {
        *outIndex = -1;
    }
    const auto note = [&](CKoutei* process, int index) {
        if (outProcess != nullptr) {
            *outProcess = process;
        }
        if (outIndex != nullptr) {
            *outIndex = index;
        }
    };
    const auto near = [&](const CKoutei& process) {
        if (process.GetYogoCount() == 0) {
            return false;
        }
        CRect bounds = GetYogoRect(process, m_layout, dc, -1);
        bounds.NormalizeRect();
        if (dc != nullptr) {
            bounds.InflateRect(kTermSlack, kTermSlack);
        }
        return Meets(bounds, test);
    };
    const auto hits = [&](const CKoutei& process, int index) {
        return HitTestPart(process, m_layout, dc, test.left, test.top, test.right, test.bottom,
                           kHitYogo, index) != 0;
    };

    BOOL picked = FALSE;
    if ((flags & kPickObjects) != 0) {
        for (POSITION pos = doc.GetHeadObjPosition(); pos != nullptr;) {
            const POSITION at = pos;
            CKoutei* process = AsKoutei(doc.GetNextObj(pos));
            if (process == nullptr ||
                doc.GetChartLayers().IsObjectLayerVisible(process) != CLayerSet::kShown ||
                !near(*process)) {
                continue;
            }
            bool any = false;
            for (int i = 0; i < process->GetYogoCount(); ++i) {
                if (!hits(*process, i)) {
                    continue;
                }
                process->SelectYogo(i);
                note(process, i);
                any = true;
                picked = TRUE;
                if (click) {
                    doc.SelectAt(at);
                    return TRUE;
                }
            }
            if (any) {
                doc.SelectAt(at);
            }
        }
    }
    if ((flags & kPickSelection) == 0 || doc.GetSelCount() == 0) {
        return picked;
    }
    const bool deselect = (flags & kPickDeselect) != 0;
    // The walk ends with the object that was last when it began.
    const CDataHeader* tail = doc.GetSelAt(doc.GetTailSelPosition());
    for (POSITION pos = doc.GetHeadSelPosition(); pos != nullptr;) {
        const POSITION at = pos;
        CDataHeader* object = doc.GetNextSel(pos);
        const bool end = object == tail;
        CKoutei* process = AsKoutei(object);
        if (process != nullptr && near(*process)) {
            bool any = false;
            for (int i = 0; i < process->GetYogoCount(); ++i) {
                if (!hits(*process, i)) {
                    continue;
                }
                const bool selected = process->IsYogoSelected(i) != 0;
                if (deselect) {
                    if (!selected) {
                        continue;
                    }
                    process->DeselectYogo(i);
                } else if (selected && flags != kPickSelection) {
                    continue;
                } else {
                    process->SelectYogo(i);
                }
                note(process, i);
                any = true;
                picked = TRUE;
                if (click) {
                    break;
                }
            }
            if (any) {
                if (process->CountSelectedYogo() == 0) {
                    doc.UnselectAt(at, FALSE);
                } else if (keepOrder == 0) {
                    doc.MoveSelToTail(at);
                }
                if (click) {
                    return TRUE;
                }
            }
        }
        if (end) {
            break;
        }
    }
    return picked;
}

CPoint CTembraView::GetYogoBoxAt(CDC* dc, const CYogo& term, const CPoint& point,
                                 CRect* outBox) const {
    (void)dc;
    const CElemAttr& attr = term.GetAttr();
    const LOGFONT font =
        attr.m_ownFont != 0 ? term.GetLogFont() : GetDocument()->GetSeams().Label().GetYogoFont();
    const int charHeight = std::abs(static_cast<int>(font.lfHeight));
    const int charWidth =
        font.lfWidth != 0 ? std::abs(static_cast<int>(font.lfWidth)) : (charHeight + 1) / 2;
    const int count = static_cast<int>(term.GetText().size());
    const int across = std::max<int>(attr.m_fontWidth, 1);
    const int down = std::max<int>(attr.m_fontHeigh, 1);
    const bool vertical = (attr.m_attrb & kLabelVertical) != 0;
    const int width = m_layout.Zoom(vertical ? charHeight * across : count * charWidth * across);
    const int height = m_layout.Zoom(vertical ? count * charWidth * down : charHeight * down);

    CRect box;
    const int x = point.x;
    const int y = point.y;
    switch (attr.m_form) {
    case kYogoPlaceLeaderLeft:
        box = CRect(x, y + 1 + height, x + 1 + width, y);
        break;
    case kYogoPlaceLeaderRight:
        box = CRect(x - width - 1, y + 1 + height, x, y);
        break;
    default:
        box = vertical ? CRect(x, y, x + 1 + width, y - height - 1)
                       : CRect(x, y + 1 + height, x + 1 + width, y);
        break;
    }
    // Back inside the process area, the point moved with the box.
    CRect area = m_layout.GetKouteiRect();
    area.NormalizeRect(); // top <= bottom here: y grows upwards in the logical units
    CPoint shift;
    if (box.left < area.left) {
        shift.x = area.left - box.left;
    } else if (box.right > area.right) {
        shift.x = area.right - box.right;
    }
    if (box.top > area.bottom) {
        shift.y = area.bottom - box.top;
    } else if (box.bottom < area.top) {
        shift.y = area.top - box.bottom;
    }
    box.OffsetRect(shift.x, shift.y);
    if (outBox != nullptr) {
        *outBox = box;
    }
    return CPoint(x + shift.x, y + shift.y);
}

bool CTembraView::IsYogoFeedbackDrawn() const {
    return m_yogo->IsFeedbackDrawn();
}

} // namespace tembra
