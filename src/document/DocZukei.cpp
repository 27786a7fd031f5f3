// The drawing shapes of the document: creating them by the settings' style, the shape list in
// drawing order and the selection of shapes, deleting, moving, copying, resizing and reordering
// them with undo, and keeping them in place when rows or date columns are deleted or inserted.
#include "document/ChartViewLayout.h"
#include "document/TembraDoc.h"
#include "model/Utility.h"
#include "platform/Ui.h"
#include "shapes/Zukei.h"
#include "shapes/Zukei2.h"
#include "shapes/Zukei3.h"
#include "shapes/ZukeiArc.h"
#include "shapes/ZukeiArrow1.h"
#include "shapes/ZukeiArrow2.h"
#include "shapes/ZukeiBox.h"
#include "shapes/ZukeiBox2.h"
#include "shapes/ZukeiCircle.h"
#include "shapes/ZukeiDelta1.h"
#include "shapes/ZukeiDelta2.h"
#include "shapes/ZukeiDiamond.h"
#include "shapes/ZukeiEllipse.h"
#include "shapes/ZukeiFan.h"
#include "shapes/ZukeiLine.h"
#include "shapes/ZukeiPolyLine.h"
#include "shapes/ZukeiPolygon.h"
#include "shapes/ZukeiString.h"
#include "shapes/ZukeiUser.h"
#include "shapes/ZukeiView.h"

#include <algorithm>
#include <array>
#include <memory>
#include <new>
#include <string_view>
#include <unordered_set>
#include <utility>
#include <vector>

namespace tembra {

namespace {

// The drawing style of a framed text.
constexpr short kTextStyle = 14;

// The shapes the drawing styles create, by style number; style 14 is the text that a frame
// surrounds (its kind becomes 18 once it is framed).
using ZukeiMaker = std::unique_ptr<CZukei> (*)();
template <class T> std::unique_ptr<CZukei> Make() {
    return std::make_unique<T>();
}
struct ZukeiStyle {
    ZukeiMaker make;
    WORD kind;
};
constexpr ZukeiStyle kZukeiStyles[] = {
    {&Make<CZukeiLine>, kZukeiLine},           // 0 直線
    {&Make<CZukeiPolyLine>, kZukeiPolyLine},   // 1 連続直線
    {&Make<CZukeiPolygon>, kZukeiPolygon},     // 2 多角形
    {&Make<CZukeiBox>, kZukeiBox},             // 3 四角
    {&Make<CZukeiBox2>, kZukeiBox2},           // 4 角丸四角
    {&Make<CZukeiCircle>, kZukeiCircle},       // 5 円
    {&Make<CZukeiEllipse>, kZukeiEllipse},     // 6 楕円
    {&Make<CZukeiArc>, kZukeiArc},             // 7 円弧
    {&Make<CZukeiFan>, kZukeiFan},             // 8 扇型
    {&Make<CZukeiDelta1>, kZukeiDelta1},       // 9 三角(上下)
    {&Make<CZukeiDelta2>, kZukeiDelta2},       // 10 三角(左右)
    {&Make<CZukeiArrow1>, kZukeiArrow1},       // 11 矢印(↑↓)
    {&Make<CZukeiArrow2>, kZukeiArrow2},       // 12 矢印(←→)
    {&Make<CZukeiDiamond>, kZukeiDiamond},     // 13 菱形
    {&Make<CZukeiString>, kZukeiFramedString}, // 14 framed text
    {&Make<CZukeiUser>, kZukeiUser},           // 15 user shape
    {&Make<CZukeiString>, kZukeiString},       // 16 plain text
};

// The outlines that can frame a text: the shape kinds of the frame styles.
bool IsFrameKind(WORD kind) {
    return (kind >= kZukeiBox && kind <= kZukeiEllipse) ||
           (kind >= kZukeiDelta1 && kind <= kZukeiDiamond);
}

// The font height of the plan sheets' framed texts by paper: A4 to A3 upright, then A2 and A1.
constexpr LONG kSmallPaperTextHeight = 32;
constexpr LONG kLargePaperTextHeight = 40;

// Rows and dates the shapes may reach: the bottom of the last row, the end of the calendar.
constexpr double kRowLimit = 10000.0;
CTime CalendarEnd() {
    return GetMaxDate() + CTimeSpan(1, 0, 0, 0);
}

} // namespace

// ---- Creation -----------------------------------------------------------------------------------

WORD CTembraDoc::GetFrameKind(int frameStyle) {
    const auto kind = static_cast<WORD>(frameStyle + 1);
    return frameStyle >= 0 && IsFrameKind(kind) ? kind : static_cast<WORD>(kZukeiBox);
}

void CTembraDoc::FrameText(CZukeiString& text, short frameStyle) const {
    const CConfigZukei& settings = m_syokiSet.GetZukei();
    if (frameStyle < 0 || !IsFrameKind(static_cast<WORD>(frameStyle + 1))) {
        frameStyle = kDefaultFrameStyle;
    }
    text.CDataHeader::SetKind(kZukeiFramedString);
    text.SetStyleNo(frameStyle);
    text.SetFrameKind(GetFrameKind(frameStyle));
    text.SetFont(settings.GetLogFont());
    CTextAttr attr = text.GetTextAttr();
    attr.m_form = settings.GetTextAttr().m_form;
    attr.m_attrb = settings.GetTextAttr().m_attrb;
    attr.m_color = settings.GetTextAttr().m_color;
    text.SetTextAttr(attr);
}

std::unique_ptr<CZukei> CTembraDoc::CreateZukei() {
    const CZukeiAttr& attr = m_syokiSet.GetZukei().GetAttr();
    std::unique_ptr<CZukei> shape;
    if (attr.m_style >= 0 && attr.m_style < static_cast<short>(std::size(kZukeiStyles))) {
        try {
            shape = kZukeiStyles[static_cast<std::size_t>(attr.m_style)].make();
        } catch (const std::bad_alloc&) {
            shape.reset();
        }
    }
    if (shape == nullptr) {
        AfxMessageBox(kNoZukeiDataMessage);
        return nullptr;
    }
    shape->SetLayer(static_cast<WORD>(GetCurrentLayer()));
    shape->SetAttr(attr);
    if (attr.m_style == kTextStyle) {
        FrameText(static_cast<CZukeiString&>(*shape), m_nZukeiFrameStyle);
    }
    return shape;
}

std::unique_ptr<CZukeiString> CTembraDoc::CreateTextZukei(std::string_view faceName) {
    std::unique_ptr<CZukeiString> text;
    try {
        text = std::make_unique<CZukeiString>();
    } catch (const std::bad_alloc&) {
        AfxMessageBox(kNoZukeiDataMessage);
        return nullptr;
    }
    text->SetLayer(static_cast<WORD>(GetCurrentLayer()));
    CZukeiAttr attr = m_syokiSet.GetZukei().GetAttr();
    attr.m_style = kTextStyle;
    text->SetAttr(attr);
    FrameText(*text, kDefaultFrameStyle);
    const int paper = m_syokiSet.GetPageSetting().GetPaper();
    if (paper >= kPaperA4 && paper <= kPaperA1) {
        LOGFONT font;
        EnumFontFaces(font, faceName,
                      paper <= kPaperA3Tate ? kSmallPaperTextHeight : kLargePaperTextHeight, 0);
        text->SetFont(font);
    }
    m_undo.AddNew(text.get());
    return text;
}

CZukeiString* CTembraDoc::ConvertToTextZukei(CZukei* shape) {
    const auto* outline = DynamicDowncast<CZukei2>(shape);
    if (outline == nullptr || !IsFrameKind(shape->GetKind())) {
        return nullptr;
    }
    OwnedObList<CDataHeader>& shapes = GetZukeiList();
    const POSITION pos = shapes.Find(shape);
    if (pos == nullptr) {
        return nullptr;
    }
    std::unique_ptr<CZukeiString> text;
    try {
        text = std::make_unique<CZukeiString>();
    } catch (const std::bad_alloc&) {
        AfxMessageBox(kNoZukeiDataMessage);
        return nullptr;
    }
    // The shape's header, attributes, page and anchors, as a framed text of its outline.
    static_cast<CDataHeader&>(*text) = *shape;
    shape->CopyAttrTo(*text);
    CZukeiAttr attr = text->GetAttr();
    attr.m_style = kTextStyle;
    text->SetAttr(attr);
    text->CopyAnchorsFrom(*outline);
    text->SetLayer(static_cast<WORD>(GetCurrentLayer()));
    // Framed by the shape's own outline, whatever its style word says.
    FrameText(*text, shape->GetStyle());
    text->SetFrameKind(shape->GetKind());
    text->SetStyleNo(shape->GetStyle());
    text->Deselect();

    DeselectZukei(shape);
    CZukeiString* made = text.release(); // the shape list's now
    shapes.SetAt(pos, made);
    RedrawObject(made);
    // Undo puts the shape back in the text's place.
    if (m_undo.AddChange(shape, made) == 0) {
        DiscardUnrecorded(shape);
    }
    return made;
}

// ---- The list -----------------------------------------------------------------------------------

POSITION CTembraDoc::AddZukei(CZukei* shape, BOOL redraw) {
    const POSITION pos = GetZukeiList().AddTail(shape);
    m_notifier.MarkChanged();
    if (redraw) {
        RedrawObject(shape);
    }
    return pos;
}

POSITION CTembraDoc::AddZukeiHead(CZukei* shape, BOOL redraw) {
    const POSITION pos = GetZukeiList().AddHead(shape);
    m_notifier.MarkChanged();
    if (redraw) {
        RedrawObject(shape);
    }
    return pos;
}

CZukei* CTembraDoc::RemoveZukeiAt(POSITION pos) {
    CZukei* shape = AsZukei(GetZukeiList().GetAt(pos));
    if (shape == nullptr) {
        return nullptr;
    }
    // The caller may delete it: no selection entry may outlive it.
    if (const POSITION selected = GetSelList().Find(shape)) {
        GetSelList().RemoveAt(selected);
    }
    GetZukeiList().RemoveAt(pos);
    return shape;
}

CZukei* CTembraDoc::RemoveZukei(CZukei* shape) {
    if (shape == nullptr || shape->GetType() != kTypeZukei) {
        return nullptr;
    }
    return RemoveZukeiAt(GetZukeiList().Find(shape));
}

CZukei* CTembraDoc::GetNextZukei(POSITION& pos) const {
    return AsZukei(m_objects.GetZukeiList().GetNext(pos));
}

CZukei* CTembraDoc::GetPrevZukei(POSITION& pos) const {
    return AsZukei(m_objects.GetZukeiList().GetPrev(pos));
}

// ---- Selection ----------------------------------------------------------------------------------

void CTembraDoc::AddSelZukei(CZukei* shape) {
    AddSel(shape);
}

void CTembraDoc::SelectZukeiAt(POSITION pos) {
    CZukei* shape = AsZukei(GetZukeiList().GetAt(pos));
    if (shape == nullptr || shape->IsSelected() != 0) {
        return;
    }
    shape->Select();
    AddSelZukei(shape);
}

void CTembraDoc::SelectAllZukei() {
    if (m_operation.GetMode() != COperationState::kModeZukei) {
        return;
    }
    OwnedObList<CDataHeader>& shapes = GetZukeiList();
    for (POSITION pos = shapes.GetHeadPosition(); pos != nullptr;) {
        const POSITION current = pos;
        const CDataHeader* shape = shapes.GetNext(pos);
        if (GetChartLayers().IsObjectLayerVisible(shape) == CLayerSet::kShown) {
            SelectZukeiAt(current);
        }
    }
}

void CTembraDoc::DeselectZukei(CZukei* shape) {
    if (const POSITION pos = GetSelList().Find(shape)) {
        m_selection.UnselectAt(pos, TRUE);
    }
}

void CTembraDoc::UpdateAllZukeiViews() {
    for (POSITION pos = GetSelList().GetHeadPosition(); pos != nullptr;) {
        CDataHeader* object = GetSelList().GetNext(pos);
        if (object->GetType() == kTypeZukei) {
            RedrawObject(object);
        }
    }
}

// ---- Deletion -----------------------------------------------------------------------------------

template <class Doomed> void CTembraDoc::DeleteZukeiWhere(Doomed doomed) {
    OwnedObList<CDataHeader>& shapes = GetZukeiList();
    std::unordered_set<const CDataHeader*> going;
    for (POSITION pos = shapes.GetHeadPosition(); pos != nullptr;) {
        const CDataHeader* shape = shapes.GetNext(pos);
        if (doomed(*shape)) {
            going.insert(shape);
        }
    }
    if (going.empty()) {
        return;
    }
    // Their selection entries go first (in one pass); their selected flags stay, so that undo
    // selects them again.
    OwnedObList<CDataHeader>& selection = GetSelList();
    for (POSITION pos = selection.GetHeadPosition(); pos != nullptr;) {
        const POSITION current = pos;
        if (going.count(selection.GetNext(pos)) != 0) {
            selection.RemoveAt(current);
        }
    }
    for (POSITION pos = shapes.GetHeadPosition(); pos != nullptr;) {
        const POSITION current = pos;
        CDataHeader* shape = shapes.GetNext(pos);
        if (going.count(shape) != 0) {
            RedrawObject(shape);
            RemoveRecorded(shapes, current);
        }
    }
}

void CTembraDoc::DeleteSelectedZukei() {
    DeleteZukeiWhere([](const CDataHeader& shape) { return shape.IsSelected() != 0; });
}

void CTembraDoc::RemoveAllZukei() {
    DeleteZukeiWhere([](const CDataHeader&) { return true; });
}

void CTembraDoc::RemoveShownZukei() {
    std::array<short, CLayerSet::kLayerCount> states{};
    for (int i = 0; i < CLayerSet::kLayerCount; ++i) {
        states[static_cast<std::size_t>(i)] = GetChartLayers().IsLayerVisible(i);
    }
    DeleteZukeiWhere([&states](const CDataHeader& shape) {
        return shape.GetLayer() < CLayerSet::kLayerCount &&
               states[shape.GetLayer()] == CLayerSet::kShown;
    });
}

// ---- Moving, copying, resizing, order -----------------------------------------------------------

void CTembraDoc::MoveSelectedZukei(const IZukeiView& view, const CPoint& delta,
                                   const CTimeSpan& span, double rows, int mode) {
    OwnedObList<CDataHeader>& selection = GetSelList();
    if (selection.IsEmpty()) {
        return;
    }
    m_undo.Reset();
    if (mode == COperationState::kOpCopy) {
        // From the last selected: each moved clone takes its original's selection entry and
        // goes to the front; the originals stay where they are, deselected.
        for (POSITION pos = selection.GetTailPosition(); pos != nullptr;) {
            const POSITION current = pos;
            CZukei* shape = AsZukei(selection.GetPrev(pos));
            if (shape == nullptr) {
                continue;
            }
            std::unique_ptr<CZukei> clone = shape->Clone();
            if (clone == nullptr) {
                continue; // no copy of this one: it stays selected
            }
            clone->MoveAnchors(view, delta, span, rows);
            clone->Select();
            AddZukei(clone.get(), TRUE);
            CZukei* made = clone.release(); // the shape list's now
            selection.SetAt(current, made);
            shape->Deselect();
            if (auto* text = DynamicDowncast<CZukeiString>(shape)) {
                text->ClearEditState();
            }
            RedrawObject(shape);
            m_undo.AddNew(made);
        }
        return;
    }
    ForEachSelected([&](POSITION, CDataHeader* object) {
        CZukei* shape = AsZukei(object);
        if (shape == nullptr) {
            return;
        }
        std::unique_ptr<CZukei> before = shape->Clone();
        if (before == nullptr) {
            return;
        }
        RedrawObject(before.get());
        shape->MoveAnchors(view, delta, span, rows);
        RedrawObject(shape);
        if (m_undo.AddChange(before.get(), shape) != 0) {
            before.release(); // the history's now
        }
    });
}

void CTembraDoc::ResizeSelectedZukei(const IZukeiView& view, const CPoint& delta, int handle,
                                     const CRect& ref, const CDatePos& pos) {
    if (GetSelList().IsEmpty()) {
        return;
    }
    m_undo.Reset();
    ForEachSelected([&](POSITION, CDataHeader* object) {
        CZukei* shape = AsZukei(object);
        if (shape == nullptr) {
            return;
        }
        std::unique_ptr<CZukei> before = shape->Clone();
        if (before == nullptr) {
            return;
        }
        RedrawObject(before.get());
        shape->ResizeAnchors(view, delta, handle, ref, pos);
        RedrawObject(shape);
        if (m_undo.AddChange(before.get(), shape) != 0) {
            before.release();
        }
    });
}

void CTembraDoc::ChangeZukeiOrder(BOOL toFront) {
    m_undo.Reset();
    OwnedObList<CDataHeader>& shapes = GetZukeiList();
    if (shapes.GetHeadPosition() == shapes.GetTailPosition()) {
        return;
    }
    // Each selected shape met goes to the far end it is walked towards; the walk ends at the
    // end where it began, so what was moved is not met again and keeps its order.
    const POSITION stop = toFront ? shapes.GetTailPosition() : shapes.GetHeadPosition();
    for (POSITION pos = toFront ? shapes.GetHeadPosition() : shapes.GetTailPosition();
         pos != nullptr;) {
        const POSITION current = pos;
        CZukei* shape = AsZukei(toFront ? shapes.GetNext(pos) : shapes.GetPrev(pos));
        const bool last = current == stop;
        if (shape != nullptr && shape->IsSelected() != 0) {
            if (toFront) {
                AddZukei(shape, TRUE);
            } else {
                AddZukeiHead(shape, TRUE);
            }
            shapes.RemoveAt(current);
        }
        if (last) {
            break;
        }
    }
}

CZukeiString* CTembraDoc::FindTextZukei(WORD tag, int from, int to) const {
    const ObList<CDataHeader>& shapes = m_objects.GetZukeiList();
    const double above = from - 1.0;
    for (POSITION pos = shapes.GetHeadPosition(); pos != nullptr;) {
        auto* text = DynamicDowncast<CZukeiString>(AsZukei(shapes.GetNext(pos)));
        if (text == nullptr || text->GetKind() != kZukeiFramedString ||
            text->GetFrameTag() != tag) {
            continue;
        }
        const double top = text->GetTopRow(0);
        const double bottom = text->GetBottomRow(0);
        if ((top <= above && above < bottom) || (top < to && to <= bottom) ||
            (above < top && bottom < to)) {
            return text;
        }
    }
    return nullptr;
}

// ---- Row and column edits -----------------------------------------------------------------------

const CPageLayout* CTembraDoc::GetFirstViewLayout() const {
    for (CView* view : GetViews()) {
        if (const auto* chart = dynamic_cast<const IChartViewLayout*>(view)) {
            if (const CPageLayout* layout = chart->GetChartLayout()) {
                return layout;
            }
        }
    }
    return nullptr;
}

CTembraDoc::ZukeiExtent CTembraDoc::MeasureZukei(const CZukei& shape, const IZukeiView& view) {
    ZukeiExtent extent;
    if (const auto* arc = DynamicDowncast<CZukei3>(&shape)) {
        // The curve itself, as the view shows it.
        arc->GetArcExtent(view, &extent.start, &extent.end, &extent.top, &extent.bottom);
    } else {
        extent.start = shape.GetStartDate(0);
        extent.end = shape.GetEndDate(0);
        extent.top = shape.GetTopRow(0);
        extent.bottom = shape.GetBottomRow(0);
    }
    return extent;
}

template <class Decide> void CTembraDoc::EditZukeiBand(bool movesFixed, Decide decide) {
    const CPageLayout* layout = GetFirstViewLayout();
    if (layout == nullptr) {
        return;
    }
    const CZukeiLayoutView view(*layout);
    OwnedObList<CDataHeader>& shapes = GetZukeiList();

    // Fixed shapes move only when the user lets them switch to move mode.
    bool switchFixed = false;
    if (movesFixed) {
        for (POSITION pos = shapes.GetHeadPosition(); pos != nullptr;) {
            const CZukei* shape = AsZukei(shapes.GetNext(pos));
            if (shape != nullptr && shape->GetPointMode() != kPlaceOnChart) {
                switchFixed =
                    AfxMessageBox(kFixedZukeiQuestion, MB_YESNO | MB_ICONQUESTION) == IDYES;
                break;
            }
        }
    }

    // Every shape is measured before anything changes.
    std::vector<std::pair<POSITION, ZukeiEdit>> edits;
    std::unordered_set<const CDataHeader*> going;
    for (POSITION pos = shapes.GetHeadPosition(); pos != nullptr;) {
        const POSITION current = pos;
        const CZukei* shape = AsZukei(shapes.GetNext(pos));
        if (shape == nullptr) {
            continue;
        }
        const ZukeiEdit edit = decide(MeasureZukei(*shape, view));
        if (edit.action == ZukeiEdit::kKeep) {
            continue;
        }
        if (edit.action == ZukeiEdit::kMove && shape->GetPointMode() != kPlaceOnChart &&
            !switchFixed) {
            continue;
        }
        edits.emplace_back(current, edit);
        if (edit.action == ZukeiEdit::kDelete) {
            going.insert(shape);
        }
    }
    if (!going.empty()) {
        OwnedObList<CDataHeader>& selection = GetSelList();
        for (POSITION pos = selection.GetHeadPosition(); pos != nullptr;) {
            const POSITION current = pos;
            if (going.count(selection.GetNext(pos)) != 0) {
                selection.RemoveAt(current);
            }
        }
    }

    for (const auto& [pos, edit] : edits) {
        CZukei* shape = AsZukei(shapes.GetAt(pos));
        if (edit.action == ZukeiEdit::kDelete) {
            RedrawObject(shape);
            RemoveRecorded(shapes, pos);
            continue;
        }
        std::unique_ptr<CZukei> before = shape->Clone();
        if (before == nullptr) {
            continue; // it stays where it is
        }
        RedrawObject(before.get());
        if (shape->GetPointMode() != kPlaceOnChart) {
            shape->SetPointMode(kPlaceOnChart);
        }
        shape->ResetOffsets();
        shape->MoveBy(edit.span, edit.rows);
        RedrawObject(shape);
        if (m_undo.AddChange(before.get(), shape) != 0) {
            before.release(); // the history's now
        }
    }
}

void CTembraDoc::DeleteZukeiRows(BOOL blankOnly, int firstRow, int lastRow) {
    const double first = firstRow;
    const double end = lastRow + 1.0;
    EditZukeiBand(!blankOnly, [&](const ZukeiExtent& e) {
        if (e.top < first) {
            return ZukeiEdit::Keep(); // above the band or across its upper edge
        }
        if (end <= e.top) {
            return blankOnly ? ZukeiEdit::Keep() : ZukeiEdit::Move(CTimeSpan(), first - end);
        }
        if (e.bottom <= end) {
            return ZukeiEdit::Delete();
        }
        return blankOnly ? ZukeiEdit::Keep() : ZukeiEdit::Move(CTimeSpan(), first - e.top);
    });
}

void CTembraDoc::InsertZukeiRows(int atRow, int lastRow) {
    const double at = atRow;
    const double count = lastRow + 1.0 - atRow;
    EditZukeiBand(true, [&](const ZukeiExtent& e) {
        if (e.top < at) {
            return ZukeiEdit::Keep();
        }
        const double rows = std::min(count, kRowLimit - e.bottom);
        return rows > 0 ? ZukeiEdit::Move(CTimeSpan(), rows) : ZukeiEdit::Keep();
    });
}

void CTembraDoc::DeleteZukeiColumns(BOOL blankOnly, const CTime& fromDate, const CTime& toDate) {
    EditZukeiBand(!blankOnly, [&](const ZukeiExtent& e) {
        if (e.start < fromDate) {
            return ZukeiEdit::Keep();
        }
        if (toDate <= e.start) {
            return blankOnly ? ZukeiEdit::Keep() : ZukeiEdit::Move(fromDate - toDate, 0.0);
        }
        if (e.end <= toDate) {
            return ZukeiEdit::Delete();
        }
        return blankOnly ? ZukeiEdit::Keep() : ZukeiEdit::Move(fromDate - e.start, 0.0);
    });
}

void CTembraDoc::InsertZukeiColumns(const CTime& atDate, const CTime& toDate) {
    const CTime limit = CalendarEnd();
    EditZukeiBand(true, [&](const ZukeiExtent& e) {
        if (e.start < atDate) {
            return ZukeiEdit::Keep();
        }
        const CTimeSpan span = std::min(toDate - atDate, limit - e.end);
        return span > CTimeSpan() ? ZukeiEdit::Move(span, 0.0) : ZukeiEdit::Keep();
    });
}

} // namespace tembra
