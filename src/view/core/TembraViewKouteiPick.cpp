// Picking processes part by part (line, start node, end node) with a click or a band, and the
// edit operation of the process mode built on it: click to select, click again to deselect, a
// band for many, a double click for the duration change, a drag of the selection to move it.
#include "document/AppState.h"
#include "document/CommandIds.h"
#include "document/RecordCast.h"
#include "document/TembraDoc.h"
#include "model/ConfigOperation.h"
#include "model/Koutei.h"
#include "model/LayerSet.h"
#include "model/Yogo.h"
#include "platform/DC.h"
#include "platform/Ui.h"
#include "render/KouteiRoute.h"
#include "view/core/EditGesture.h"
#include "view/core/TembraView.h"
#include "view/core/ViewHost.h"

#include <algorithm>
#include <iterator>

namespace tembra {

namespace {

using Op = COperationState;

// The bent line (gate) shape.
constexpr WORD kShapeBent = 6;
// How far beyond its dates and rows a process's nodes and bars may reach, at least (0.1 mm).
constexpr int kFarSlack = 200;

// What one pick tests and how.
struct PickRule {
    UINT flags = 0;
    bool click = true;
    int band = 0; // 0 a click, 1 wholly inside, 2 touching
    bool testLine = true;
    bool testStart = true;
    bool testEnd = true;
    bool termMode = false;
    int linePart = kHitLine;
    LONG operation = 0;

    bool Deselect() const { return (flags & CTembraView::kPickDeselect) != 0; }
    bool TestOnly() const { return (flags & CTembraView::kPickTestOnly) != 0; }
    bool DragPick() const { return flags == CTembraView::kPickSelection; }
    bool NodesOnly() const {
        return (flags & (CTembraView::kPickStartOnly | CTembraView::kPickEndOnly)) != 0;
    }
    bool Stops(int bits) const {
        return NodesOnly() || (click && bits == CTembraView::kPickedLine);
    }
};

bool Inside(const CRect& band, const CRect& box) {
    return box.left >= band.left && box.right <= band.right && box.top <= band.top &&
           box.bottom >= band.bottom;
}

class Picker {
public:
    Picker(CTembraView& view, CTembraDoc& doc, CDC* dc, const PickRule& rule, const CRect& test)
        : m_view(view), m_doc(doc), m_dc(dc), m_rule(rule), m_test(test) {
        m_device = test;
        dc->LPtoDP(&m_device);
        m_device.NormalizeRect();
        const CPageLayout& layout = view.GetPageLayout();
        m_slack = std::max(
            {kFarSlack, 4 * layout.GetScaledKouteiSize(), 2 * layout.GetScaledBarHeight()});
    }

    // Whether the process's dates and rows alone keep it clear of the rectangle, with room for
    // its nodes and bars: what is far away is not measured.
    bool FarAway(const CKoutei& process) const {
        const CPageLayout& layout = m_view.GetPageLayout();
        const int x1 = layout.DateToX(process.GetStartTime());
        const int x2 = layout.DateToX(process.GetEndTime());
        if (std::max(x1, x2) + m_slack < m_test.left || std::min(x1, x2) - m_slack > m_test.right) {
            return true;
        }
        const int rows[3] = {process.GetStartRow(), process.GetEndRow(), process.GetBendRow()};
        const int top = *std::min_element(std::begin(rows), std::end(rows));
        const int bottom = *std::max_element(std::begin(rows), std::end(rows));
        return layout.RowToY(bottom, 1) - m_slack > m_test.top ||
               layout.RowToY(top, -1) + m_slack < m_test.bottom;
    }
    bool Meets(const CKoutei& process) const {
        CRect bounds = m_view.GetPageLayout().GetObjectBounds(m_dc, &process, -1);
        bounds.NormalizeRect();
        CRect common;
        return common.IntersectRect(bounds, m_device) != FALSE;
    }
    bool WhollyInside(const CKoutei& process) const {
        if (m_rule.band == 0) {
            return false;
        }
        CRect box = m_view.GetPageLayout().GetObjectBounds(nullptr, &process, -1);
        return Inside(m_test, box);
    }
    bool Hit(const CKoutei& process, int part) const {
        return HitTestPart(process, m_view.GetPageLayout(), m_dc, m_test.left, m_test.top,
                           m_test.right, m_test.bottom, part, 0) != 0;
    }
    bool NodeCounts(const CKoutei& process, int part) const {
        if ((m_rule.flags & CTembraView::kPickYogoAttach) == 0) {
            return true;
        }
        return process.HasYogoOn(part == kHitStartLand ? kYogoOnStart : kYogoOnEnd, FALSE) != FALSE;
    }
    bool LineTested(int bits) const {
        return m_rule.testLine && m_rule.band != 1 && (m_rule.band == 2 || bits == 0);
    }
    bool Skipped(const CKoutei& process) const {
        return m_rule.NodesOnly() && process.IsRelationLine() != 0;
    }

    void Note(int bits, CKoutei* process) {
        if (m_bits == 0 && bits != 0) {
            m_bits = bits;
            m_first = process;
        }
    }

    void ObjectPass();
    void SelectionPass(int keepOrder);

    int Bits() const { return m_bits; }
    CKoutei* First() const { return m_first; }

private:
    int PartsOfUnselected(CKoutei& process);
    int PartsOfSelected(CKoutei& process);

    CTembraView& m_view;
    CTembraDoc& m_doc;
    CDC* m_dc;
    PickRule m_rule;
    CRect m_test;
    CRect m_device;
    int m_slack = 0;
    int m_bits = 0;
    CKoutei* m_first = nullptr;
};

int Picker::PartsOfUnselected(CKoutei& process) {
    int bits = 0;
    if (m_rule.testStart && Hit(process, kHitStartLand) && NodeCounts(process, kHitStartLand)) {
        process.SelectStartLand();
        bits |= CTembraView::kPickedStart;
    }
    if (m_rule.testEnd && Hit(process, kHitEndLand) && NodeCounts(process, kHitEndLand)) {
        process.SelectEndLand();
        bits |= CTembraView::kPickedEnd;
    }
    if (LineTested(bits) && Hit(process, m_rule.linePart)) {
        process.SelectLines();
        bits |= CTembraView::kPickedLine;
    }
    // Picking for a copy or a move takes whole lines: a line brings its nodes, nodes their
    // line (a gate line keeps its nodes as they are).
    if (bits != 0 && m_rule.click &&
        (m_rule.operation == Op::kOpCopyPick || m_rule.operation == Op::kOpMovePick)) {
        if ((bits & CTembraView::kPickedLine) != 0 && process.GetLineShape() != kShapeBent) {
            process.SelectStartLand();
            process.SelectEndLand();
            bits |= CTembraView::kPickedNodes;
        } else {
            process.SelectLines();
            bits |= CTembraView::kPickedLine;
        }
    }
    return bits;
}

void Picker::ObjectPass() {
    for (POSITION pos = m_doc.GetHeadObjPosition(); pos != nullptr;) {
        const POSITION at = pos;
        CKoutei* process = AsKoutei(m_doc.GetNextObj(pos));
        if (process == nullptr || FarAway(*process) ||
            m_doc.GetChartLayers().IsObjectLayerVisible(process) != CLayerSet::kShown ||
            Skipped(*process) || !Meets(*process)) {
            continue;
        }
        if (WhollyInside(*process)) {
            process->Select();
            m_doc.SelectAt(at);
            Note(7, process);
            continue;
        }
        const int bits = PartsOfUnselected(*process);
        if (bits == 0) {
            continue;
        }
        Note(bits, process);
        m_doc.SelectAt(at);
        if (m_rule.Stops(bits) || m_rule.termMode) {
            return;
        }
    }
}

int Picker::PartsOfSelected(CKoutei& process) {
    int bits = 0;
    const auto node = [&](int part, int bit, WORD selected, void (CKoutei::*select)(),
                          void (CKoutei::*deselect)()) {
        if (!Hit(process, part) || !NodeCounts(process, part)) {
            return;
        }
        if (m_rule.Deselect()) {
            if (selected != 0) {
                (process.*deselect)();
                bits |= bit;
            }
        } else if (m_rule.TestOnly()) {
            if (selected != 0) {
                bits |= bit;
            }
        } else if (m_rule.DragPick()) {
            if (selected != 0 || process.IsLinesSelected() != 0) {
                (process.*select)();
                bits |= bit;
            }
        } else if (selected == 0) {
            (process.*select)();
            bits |= bit;
        }
    };
    if (m_rule.testStart) {
        node(kHitStartLand, CTembraView::kPickedStart, process.IsStartLandSelected(),
             &CKoutei::SelectStartLand, &CKoutei::DeselectStartLand);
    }
    if (m_rule.testEnd) {
        node(kHitEndLand, CTembraView::kPickedEnd, process.IsEndLandSelected(),
             &CKoutei::SelectEndLand, &CKoutei::DeselectEndLand);
    }
    if (LineTested(bits) && Hit(process, m_rule.linePart)) {
        const WORD selected = process.IsLinesSelected();
        if (m_rule.Deselect()) {
            if (selected != 0) {
                process.DeselectLines();
                bits |= CTembraView::kPickedLine;
            }
        } else if (m_rule.TestOnly() || m_rule.DragPick()) {
            if (selected != 0) {
                bits |= CTembraView::kPickedLine;
            }
        } else if (selected == 0) {
            process.SelectLines();
            bits |= CTembraView::kPickedLine;
        }
    }
    return bits;
}

void Picker::SelectionPass(int keepOrder) {
    if (m_doc.GetSelCount() == 0) {
        return;
    }
    // The pass ends with the object that was last when it began; what it moves to the end
    // is not visited twice.
    const CDataHeader* last = m_doc.GetSelAt(m_doc.GetTailSelPosition());
    for (POSITION pos = m_doc.GetHeadSelPosition(); pos != nullptr;) {
        const POSITION at = pos;
        CDataHeader* object = m_doc.GetNextSel(pos);
        const bool end = object == last;
        CKoutei* process = AsKoutei(object);
        if (process != nullptr && !FarAway(*process) && !Skipped(*process) && Meets(*process)) {
            if (WhollyInside(*process)) {
                const bool whole = process->IsLinesSelected() != 0 &&
                                   process->IsStartLandSelected() != 0 &&
                                   process->IsEndLandSelected() != 0;
                if (!whole || m_rule.DragPick() || m_rule.Deselect()) {
                    if (m_rule.Deselect()) {
                        process->Deselect();
                        m_doc.UnselectAt(at, FALSE);
                    } else {
                        if (!m_rule.TestOnly()) {
                            process->Select();
                        }
                        if (keepOrder == 0) {
                            m_doc.MoveSelToTail(at);
                        }
                    }
                    Note(7, process);
                }
            } else if (const int bits = PartsOfSelected(*process); bits != 0) {
                Note(bits, process);
                if (process->IsLinesSelected() == 0 && process->IsStartLandSelected() == 0 &&
                    process->IsEndLandSelected() == 0) {
                    m_doc.UnselectAt(at, FALSE);
                } else if (keepOrder == 0) {
                    m_doc.MoveSelToTail(at);
                }
                if (m_rule.Stops(bits) || m_rule.termMode) {
                    return;
                }
            }
        }
        if (end) {
            return;
        }
    }
}

} // namespace

CRect CTembraView::ClickTestRect(const CPoint& point, bool shift, UINT flags) const {
    if (shift) {
        return CRect(point.x - 2, point.y + 2, point.x + 2, point.y - 2);
    }
    const int size = m_layout.GetScaledKouteiSize();
    const int half = (flags & kPickDeselect) != 0 ? std::max(size / 2, 1) : size;
    const int row = m_layout.YToRow(point.y);
    return CRect(point.x - half, m_layout.RowToY(row, -1), point.x + half, m_layout.RowToY(row, 1));
}

CMouseEvent CTembraView::PressPoint(const CMouseEvent& mouse) {
    CMouseEvent press = mouse;
    press.SetPoint(mouse.GetStartPoint());
    return press;
}

int CTembraView::PickKoutei(CDC* dc, const CMouseEvent& mouse, CKoutei** out, UINT flags,
                            int keepOrder) {
    CTembraDoc& doc = *GetDocument();
    const CConfigOperation& config = doc.GetOperation();
    PickRule rule;
    rule.flags = flags;
    rule.operation = config.GetOperation();
    rule.termMode = config.GetMode() == Op::kModeYogo;
    rule.linePart = (flags & kPickSegment) != 0 ? kHitLabelSegment : kHitLine;
    if (rule.termMode) {
        const LONG attach = config.GetYogoAttach();
        rule.testLine = (attach & 0x0F) != 0;
        rule.testStart = rule.testEnd = (attach & 0xF0) != 0;
    } else {
        rule.testLine = (flags & (kPickYogoAttach | kPickStartOnly | kPickEndOnly)) == 0;
        rule.testStart = (flags & kPickEndOnly) == 0;
        rule.testEnd = (flags & kPickStartOnly) == 0;
    }
    if ((flags & kPickYogoAttach) != 0) {
        rule.testLine = false;
    }

    const CPoint start = mouse.GetStartPoint();
    const CPoint point = mouse.GetPoint();
    CRect test;
    if (start == point) {
        test = ClickTestRect(point, mouse.IsShift(), flags);
    } else {
        rule.click = false;
        test = CRect(std::min(start.x, point.x), std::max(start.y, point.y),
                     std::max(start.x, point.x), std::min(start.y, point.y));
        if (m_layout.IsScrolledDown() != FALSE) {
            const CRect chart = m_layout.GetChartRect();
            test.top = std::min(test.top, chart.top);
            test.bottom = std::max(test.bottom, chart.bottom);
        }
        const bool inside = doc.GetOperation().GetWakunai() != 0;
        rule.band = inside != mouse.IsShift() ? 1 : 2;
    }
    if (out != nullptr) {
        *out = nullptr;
    }
    CRect device = test;
    dc->LPtoDP(&device);
    device.NormalizeRect();
    if (!rule.click) {
        // A band holds the pixels of its edges, so that a drag straight along a line still
        // meets it.
        device.InflateRect(1, 1);
        test = device;
        dc->DPtoLP(&test);
        test.NormalizeRect();
        test = CRect(test.left, test.bottom, test.right, test.top);
    }
    if (device.IsRectEmpty() != FALSE) {
        return 0;
    }
    Picker picker(*this, doc, dc, rule, test);
    if ((flags & kPickObjects) != 0) {
        picker.ObjectPass();
    }
    if ((flags & kPickSelection) != 0 && !(rule.termMode && picker.Bits() != 0)) {
        picker.SelectionPass(keepOrder);
    }
    if (out != nullptr) {
        *out = picker.First();
    }
    return picker.Bits();
}

BOOL CTembraView::TrackSelectKoutei(CDC* dc) {
    const MouseTrackScope scope(*this, MouseFamily::Process);
    CTembraDoc& doc = *GetDocument();
    CConfigOperation& config = doc.GetOperation();
    const int code = m_mouse.GetCode();
    const CPoint point = m_mouse.GetPoint();
    const auto endCapture = [&] {
        m_host.SetAutoScroll(false);
        m_host.ReleaseCapture();
    };
    switch (config.GetState()) {
    case 0:
        if (code == CMouseEvent::kLeftPress) {
            const int zone = m_layout.HitZone(point);
            if ((zone & (CPageLayout::kZoneChart | CPageLayout::kZoneKoutei)) == 0) {
                return FALSE;
            }
            m_host.SetCapture();
            m_host.SetAutoScroll(true);
            m_mouse.StoreStart();
            m_mouse.StoreLast();
            m_trackPos.SetStartDate(m_mouse.GetCursorDate());
            m_trackPos.SetEndDate(m_mouse.GetCursorDate());
            m_trackPos.SetStartRow(static_cast<WORD>(m_mouse.GetCursorRow()));
            m_trackPos.SetEndRow(static_cast<WORD>(m_mouse.GetCursorRow()));
            m_trackRect.SetRectEmpty();
            m_bandDrawn = FALSE;
            config.SetState(1);
            return TRUE;
        }
        if (code == CMouseEvent::kDoubleClick && doc.GetSelCount() > 0) {
            Ui().PostCommand(ID_KOUTEI_CHANGE_DAYS);
        }
        return FALSE;
    case 1: {
        if (code == CMouseEvent::kRightRelease) {
            config.SetState(0);
            endCapture();
            return TRUE;
        }
        if (code == CMouseEvent::kMoveLeft) {
            CKoutei* hit = nullptr;
            if (PickKoutei(dc, PressPoint(m_mouse), &hit, kPickSelection, 1) != 0) {
                // The drag goes to the copy or move operation, which restores this one at its
                // end; it starts at the press's date and row.
                config.SaveOperation();
                config.ChangeOperation(m_mouse.IsCtrl() ? Op::kOpCopy : Op::kOpMove);
                config.SetState(1);
                OnSetCursor();
                CPoint device =
                    m_layout.DateRowToPoint(m_trackPos.GetEndDate(), m_trackPos.GetEndRow());
                dc->LPtoDP(&device);
                m_host.PostMouseEvent(CMouseEvent::kMove, MK_LBUTTON, device);
                m_host.SetCapture();
                return TRUE;
            }
        } else if (code != CMouseEvent::kLeftRelease) {
            return FALSE;
        }
        if (PickKoutei(dc, m_mouse, nullptr, kPickDeselect | kPickSelection, 0) != 0) {
            endCapture();
            config.SetState(0);
            return TRUE;
        }
        if (CEditGesture::ClearsSelection(config.GetMultiEdit(), m_mouse.IsCtrl())) {
            doc.UnselectAll();
        }
        if (PickKoutei(dc, m_mouse, nullptr, 15, 0) == 0) {
            config.SetState(2);
            m_trackRect.SetRectEmpty();
            m_bandDrawn = FALSE;
            return TRUE;
        }
        endCapture();
        config.SetState(0);
        doc.GetUndoHistory().Reset();
        // What the term bar holds is no longer a text typed for what was picked before.
        GetAppState()->SetEditModify(false);
        return TRUE;
    }
    case 2:
    case 3: {
        SelectBand band;
        band.drawn = &m_bandDrawn;
        band.pick = [&] { return PickKoutei(dc, m_mouse, nullptr, 15, 0) != 0; };
        return TrackSelectBand(dc, band);
    }
    default:
        config.SetState(0);
        return FALSE;
    }
}

} // namespace tembra
