// The layout editor view's commands: the table of what each runs and how its menu entry shows,
// and the operations behind them.
#include "layout_editor/core/MarquellView.h"

#include "layout_editor/core/AppSettings.h"
#include "layout_editor/core/CommandIds.h"
#include "layout_editor/core/EditorRequests.h"
#include "layout_editor/core/EditorTexts.h"
#include "layout_editor/core/FormEditDone.h"
#include "layout_editor/core/LayoutGeometry.h"
#include "layout_editor/core/MarquellDoc.h"
#include "layout_editor/core/MenuCmdUI.h"
#include "layout_editor/core/PHeadInputArea.h"
#include "layout_editor/core/PHeadLineData.h"
#include "layout_editor/core/TextValues.h"
#include "model/Utility.h"
#include "platform/NumberText.h"
#include "platform/Sjis.h"
#include "render/StyledDraw.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace marquell {

namespace {

using namespace tembra;

bool HasArea(const CRect& rect) {
    const CRect r = NormalizedLayoutRect(rect);
    return r.left < r.right && r.bottom < r.top;
}

// The rectangle an area code's remembered size is kept in, and its size that counts (the
// footer's height, the side areas' width).
struct SideArea {
    int area;
    int rect;
    int old;
    bool height;
};
constexpr SideArea kSideAreas[] = {
    {kAreaFooter, kLayoutFooterArea, kLayoutFooterAreaOld, true},
    {kAreaLeft, kLayoutLeftArea, kLayoutLeftAreaOld, false},
    {kAreaRight, kLayoutRightArea, kLayoutRightAreaOld, false},
};
// The rectangles whose change only resets the display.
constexpr int kResettingRects[] = {kLayoutDateArea, kLayoutEditArea, kLayoutOffsetLTop,
                                   kLayoutOffsetRBottom};

} // namespace

// ---- Commands ----------------------------------------------------------------------------------

const std::vector<CMarquellView::Command>& CMarquellView::Commands() {
    using V = CMarquellView;
    using Cmd = CMenuCmdUI;
    static const std::vector<Command> table = {
        // Edit modes.
        {ID_MODE_TEXT, [](V& v) { v.SetMode(kModeText); },
         [](V& v, Cmd& c) { v.UpdateMode(c, kModeText); }},
        {ID_MODE_INPUT, [](V& v) { v.SetMode(kModeInput); },
         [](V& v, Cmd& c) { v.UpdateMode(c, kModeInput); }},
        {ID_MODE_LINE, [](V& v) { v.SetMode(kModeLine); },
         [](V& v, Cmd& c) { v.UpdateMode(c, kModeLine); }},
        {ID_MODE_BOX, [](V& v) { v.SetMode(kModeBox); },
         [](V& v, Cmd& c) { v.UpdateMode(c, kModeBox); }},
        {ID_MODE_EDIT, [](V& v) { v.SetMode(kModeEdit); },
         [](V& v, Cmd& c) { v.UpdateMode(c, kModeEdit); }},
        {ID_MODE_COPY, [](V& v) { v.SetMode(kModeCopy); },
         [](V& v, Cmd& c) { v.UpdateMode(c, kModeCopy); }},
        {ID_MODE_MOVE, [](V& v) { v.SetMode(kModeMove); },
         [](V& v, Cmd& c) { v.UpdateMode(c, kModeMove); }},
        {ID_MODE_TRANSFORM, [](V& v) { v.SetMode(kModeTransform); },
         [](V& v, Cmd& c) { v.UpdateMode(c, kModeTransform); }},
        // Elements.
        {ID_DELETE,
         [](V& v) {
             v.Paper().DeleteSelected(v.m_doc.GetOwner());
             v.ResetMouse();
             v.m_dragState = 0;
         },
         [](V& v, Cmd& c) { c.Enable(v.Paper().CountSelected() > 0 ? TRUE : FALSE); }},
        {ID_DELETE_ALL, [](V& v) { v.OnDeleteAll(); },
         [](V& v, Cmd& c) { c.Enable(v.Paper().CountElements() > 0 ? TRUE : FALSE); }},
        {ID_SELECT_ALL, [](V& v) { v.OnSelectAll(); },
         [](V& v, Cmd& c) {
             c.Enable(v.Paper().CountElements() > 0 && v.m_mode >= kModeEdit ? TRUE : FALSE);
         }},
        {ID_EDIT_UNDO, [](V& v) { v.OnUndo(); },
         [](V& v, Cmd& c) { c.Enable(v.m_doc.CanUndo() || v.m_doc.CanRedo() ? TRUE : FALSE); }},
        {ID_EDIT_COPY, [](V& v) { v.m_doc.CopySelected(); },
         [](V& v, Cmd& c) { c.Enable(v.m_mode >= kModeEdit ? TRUE : FALSE); }},
        {ID_EDIT_CUT, [](V& v) { v.m_doc.CutSelected(); },
         [](V& v, Cmd& c) { c.Enable(v.m_mode >= kModeEdit ? TRUE : FALSE); }},
        {ID_EDIT_PASTE, [](V& v) { v.OnPaste(); },
         [](V& v, Cmd& c) { c.Enable(v.m_doc.GetCopyCount() > 0 ? TRUE : FALSE); }},
        {ID_CHANGE_TEXT, [](V& v) { v.OnChangeText(); },
         [](V& v, Cmd& c) { v.UpdateSelectedKind(c, kTypeText); }},
        {ID_CHANGE_INPUT_NAME, [](V& v) { v.OnChangeInputName(); },
         [](V& v, Cmd& c) { v.UpdateSelectedKind(c, kTypeInput); }},
        // Settings of the layout and of new elements.
        {ID_SIZE_SET, [](V& v) { v.OnSizeSet(); }, EnableAlways},
        {ID_GRID_SET, [](V& v) { v.OnGridSet(); }, EnableAlways},
        {ID_INIT_SET_STORED, [](V& v) { v.OnInitSet(CInitSetData::kStoredForm); }, EnableAlways},
        {ID_INIT_SET_RUNNING, [](V& v) { v.OnInitSet(CInitSetData::kRunningForm); }, EnableAlways},
        {ID_FORMAT_NAME, [](V& v) { v.OnFormatName(); }, EnableAlways},
        {ID_BASE_INPUT_NAMES, [](V& v) { v.OnBaseInputNames(); },
         [](V& v, Cmd& c) { c.Enable(v.m_doc.IsTemporaryEdit() ? FALSE : TRUE); }},
        {ID_GRID_SNAP,
         [](V& v) {
             v.m_gridSnap = !v.m_gridSnap;
             v.m_host.InvalidateAll();
         },
         [](V& v, Cmd& c) { c.SetCheck(v.m_gridSnap ? 1 : 0); }},
        {ID_CENTER_VERTICAL, [](V& v) { v.OnCentring(true); },
         [](V& v, Cmd& c) { v.UpdateCentring(c, true); }},
        {ID_CENTER_HORIZONTAL, [](V& v) { v.OnCentring(false); },
         [](V& v, Cmd& c) { v.UpdateCentring(c, false); }},
        {ID_WIDTH_NORMAL, [](V& v) { v.OnLineWidth(kWidthNormal); },
         [](V& v, Cmd& c) { v.UpdateWidth(c, kWidthNormal); }},
        {ID_WIDTH_THIN, [](V& v) { v.OnLineWidth(kWidthThin); },
         [](V& v, Cmd& c) { v.UpdateWidth(c, kWidthThin); }},
        {ID_WIDTH_BOLD, [](V& v) { v.OnLineWidth(kWidthBold); },
         [](V& v, Cmd& c) { v.UpdateWidth(c, kWidthBold); }},
        // Display.
        {ID_ZOOM_IN,
         [](V& v) {
             if (v.IsZoomAllowed(v.m_zoom + 1)) {
                 v.ZoomTo(v.m_zoom + 1);
             }
         },
         [](V& v, Cmd& c) { c.Enable(v.IsZoomAllowed(v.m_zoom + 1) ? TRUE : FALSE); }},
        {ID_ZOOM_RESET, [](V& v) { v.ZoomTo(kDefaultZoom); },
         [](V& v, Cmd& c) { c.Enable(v.m_zoom != kDefaultZoom ? TRUE : FALSE); }},
        {ID_ZOOM_OUT,
         [](V& v) {
             if (v.IsZoomAllowed(v.m_zoom - 1)) {
                 v.ZoomTo(v.m_zoom - 1);
             }
         },
         [](V& v, Cmd& c) { c.Enable(v.IsZoomAllowed(v.m_zoom - 1) ? TRUE : FALSE); }},
        {ID_AREA_HEADER, [](V& v) { v.OnArea(kAreaHeader); },
         [](V& v, Cmd& c) { v.UpdateArea(c, kAreaHeader); }},
        {ID_AREA_FOOTER, [](V& v) { v.OnArea(kAreaFooter); },
         [](V& v, Cmd& c) { v.UpdateArea(c, kAreaFooter); }},
        {ID_AREA_LEFT, [](V& v) { v.OnArea(kAreaLeft); },
         [](V& v, Cmd& c) { v.UpdateArea(c, kAreaLeft); }},
        {ID_AREA_RIGHT, [](V& v) { v.OnArea(kAreaRight); },
         [](V& v, Cmd& c) { v.UpdateArea(c, kAreaRight); }},
        {ID_DEFAULT_TEXT,
         [](V& v) {
             v.m_defaultText = !v.m_defaultText;
             v.m_host.InvalidateAll();
         },
         [](V& v, Cmd& c) { c.SetCheck(v.m_defaultText ? 1 : 0); }},
        {ID_WHOLE_PAPER,
         [](V& v) {
             v.m_wholePaper = !v.m_wholePaper;
             v.ComputeScrollSizes();
             v.m_host.InvalidateAll();
         },
         [](V& v, Cmd& c) { c.SetCheck(v.m_wholePaper ? 1 : 0); }},
        // File commands the application runs; the view shows them.
        {ID_FILE_SAVE_AS, nullptr, EnableAlways},
        {ID_FILE_NEW, nullptr, [](V& v, Cmd& c) { v.UpdateFileCommand(c); }},
        {ID_FILE_OPEN, nullptr, [](V& v, Cmd& c) { v.UpdateFileCommand(c); }},
        {ID_FILE_SAVE, nullptr, [](V& v, Cmd& c) { v.UpdateFileCommand(c); }},
        {ID_APP_EXIT, nullptr,
         [](V& v, Cmd& c) {
             if (v.m_doc.IsTemporaryEdit()) {
                 c.SetText(Sjis::FromUtf8("戻る"));
             }
         }},
    };
    return table;
}

const CMarquellView::Command* CMarquellView::FindCommand(UINT id) {
    for (const Command& command : Commands()) {
        if (command.id == id) {
            return &command;
        }
    }
    return nullptr;
}

void CMarquellView::EnableAlways(CMarquellView& /*view*/, CMenuCmdUI& cmd) {
    cmd.Enable(TRUE);
}

bool CMarquellView::OnCommand(UINT id) {
    for (int i = 0; i < kZoomCount; ++i) {
        if (id == kZoomCommands[i]) {
            if (IsZoomAllowed(i)) {
                ZoomTo(i);
            }
            return true;
        }
    }
    const Command* command = FindCommand(id);
    if (command == nullptr || command->run == nullptr) {
        return false;
    }
    command->run(*this);
    return true;
}

bool CMarquellView::OnUpdateCommand(CMenuCmdUI& cmd) {
    const UINT id = cmd.m_nID;
    for (int i = 0; i < kZoomCount; ++i) {
        if (id == kZoomCommands[i]) {
            cmd.Enable(IsZoomAllowed(i) ? TRUE : FALSE);
            cmd.SetCheck(m_zoom == i ? 1 : 0);
            return true;
        }
    }
    const Command* command = FindCommand(id);
    if (command == nullptr) {
        return false;
    }
    command->update(*this, cmd);
    return true;
}

void CMarquellView::UpdateMode(CMenuCmdUI& cmd, int mode) const {
    cmd.SetCheck(m_mode == mode ? 1 : 0);
}

void CMarquellView::UpdateArea(CMenuCmdUI& cmd, int area) const {
    const CPHeadSizeData& size = Paper().GetSize();
    cmd.Enable(HasArea(size.GetAreaRect(area)) ? TRUE : FALSE);
    cmd.SetCheck(size.GetCurrentArea() == area ? 1 : 0);
}

void CMarquellView::UpdateWidth(CMenuCmdUI& cmd, int kind) const {
    const CPHeadLineData* line = LastSelectedLine();
    const bool on =
        line != nullptr ? line->GetWidth() == m_app.GetLineWidth(kind) : m_widthClass == kind;
    cmd.SetCheck(on ? 1 : 0);
}

void CMarquellView::UpdateCentring(CMenuCmdUI& cmd, bool vertical) const {
    const CPHeadMojiData* text = LastSelectedText();
    const int on = text != nullptr ? (vertical ? text->GetVCenter() : text->GetHCenter())
                                   : (vertical ? m_vCenter : m_hCenter);
    cmd.SetCheck(on != 0 ? 1 : 0);
}

void CMarquellView::UpdateSelectedKind(CMenuCmdUI& cmd, int type) const {
    const CPaperData& paper = Paper();
    const bool one = m_mode == kModeEdit && paper.CountSelected() == 1;
    const auto it = std::find_if(paper.GetElements().begin(), paper.GetElements().end(),
                                 [](const auto& e) { return e->IsSelected(); });
    cmd.Enable(one && it != paper.GetElements().end() && (*it)->GetType() == type ? TRUE : FALSE);
}

// New, Open and Save wait while the main program's temporary layout is edited; the application
// reads from the update what kind of layout it would save.
void CMarquellView::UpdateFileCommand(CMenuCmdUI& cmd) {
    const bool temporary = m_doc.IsTemporaryEdit();
    m_app.temporaryEdit = temporary ? kTemporaryLayout : m_doc.GetLayout().GetMasterFlag();
    cmd.Enable(temporary ? FALSE : TRUE);
}

void CMarquellView::SetMode(int mode) {
    const bool keepsSelection =
        (mode == kModeCopy || mode == kModeMove) && Paper().CountSelected() > 0;
    if (!keepsSelection) {
        ResetMouse();
    }
    m_mode = mode;
    switch (mode) {
    case kModeText:
    case kModeInput:
    case kModeLine:
    case kModeBox:
        m_lastDrawMode = mode;
        m_dragState = 0;
        if (Paper().CountSelected() > 0) {
            Paper().DeselectAll(m_doc.GetOwner());
        }
        break;
    case kModeCopy:
    case kModeMove:
        if (Paper().CountSelected() == 0) {
            m_dragState = 0;
        }
        break;
    default:
        m_dragState = 0;
        break;
    }
}

void CMarquellView::ZoomTo(int index) {
    m_zoom = index;
    m_doc.UpdateAllViews(nullptr, kHintZoom);
}

void CMarquellView::CopyGridFromDocument() {
    m_doc.GetPartitions(m_gridAcross, m_gridDown);
}

void CMarquellView::ResetDisplay() {
    m_zoom = kDefaultZoom;
    ComputeScrollSizes();
    ScrollToPosition(CPoint());
}

void CMarquellView::OnArea(int area) {
    Paper().DeselectAll(m_doc.GetOwner());
    Paper().GetSize().SetCurrentArea(area);
    CopyGridFromDocument();
    if (!m_wholePaper) {
        ComputeScrollSizes();
    }
    m_doc.UpdateAllViews(nullptr, kHintAll);
}

void CMarquellView::OnPaperSelected(int paper) {
    CLayoutFileData& layout = m_doc.GetLayout();
    if (paper < 0 || paper >= CLayoutFileData::kPaperCount ||
        paper == layout.GetCurrentPaperIndex()) {
        return;
    }
    layout.SetCurrentPaperIndex(paper);
    ResetMouse();
    ResetDisplay();
    Paper().DeselectAll(m_doc.GetOwner());
    m_doc.Reset();
    CopyGridFromDocument();
    m_drawOffset = CPoint();
    m_dragState = 0;
    m_handle = 0;
    m_doc.SetModifiedFlag(TRUE);
    m_doc.UpdateAllViews(nullptr, kHintAll);
}

void CMarquellView::OnSizeSet() {
    CLayoutFileData& layout = m_doc.GetLayout();
    m_doc.SetPartitions(m_gridAcross, m_gridDown);
    const int paperBefore = layout.GetCurrentPaperIndex();
    std::array<CRect, kLayoutRectCount> before;
    for (int i = 0; i < kLayoutRectCount; ++i) {
        before[static_cast<std::size_t>(i)] = Paper().GetSize().GetArea(i);
    }
    SizeSetRequest request(CSizeSetData(layout), m_doc.IsTemporaryEdit());
    if (Ui().RunDialog(request) != IDOK) {
        return;
    }
    request.data.Apply(layout);
    ResetMouse();
    m_mode = kModeText;
    m_dragState = 0;
    if (layout.GetCurrentPaperIndex() == paperBefore) {
        CPHeadSizeData& size = Paper().GetSize();
        const auto old = [&](int index) { return before[static_cast<std::size_t>(index)]; };
        bool reset = false;
        if (size.GetArea(kLayoutHeaderArea) != old(kLayoutHeaderArea)) {
            m_doc.MoveAreaElements(kAreaHeader, old(kLayoutHeaderArea),
                                   size.GetArea(kLayoutHeaderArea));
            reset = true;
        }
        for (const SideArea& side : kSideAreas) {
            const CRect was = old(side.rect);
            const CRect now = size.GetArea(side.rect);
            if (now == was) {
                continue;
            }
            const auto sized = [&](const CRect& r) {
                return side.height ? r.top != r.bottom : r.left != r.right;
            };
            CRect taken = was;
            if (sized(was) && !sized(now)) {
                OnArea(kAreaHeader);
            } else if (!sized(was) && sized(now)) {
                taken = size.GetArea(side.old);
                m_doc.MoveAreaElements(side.area, taken, now);
                reset = true;
            } else {
                m_doc.MoveAreaElements(side.area, was, now);
            }
            size.SetArea(side.old, taken);
        }
        for (int index : kResettingRects) {
            if (size.GetArea(index) != old(index)) {
                reset = true;
            }
        }
        if (reset) {
            ResetDisplay();
        }
    } else {
        ResetDisplay();
        Paper().DeselectAll(m_doc.GetOwner());
        m_doc.Reset();
    }
    CopyGridFromDocument();
    m_drawOffset = CPoint();
    m_handle = 0;
    m_doc.SetModifiedFlag(TRUE);
    ComputeScrollSizes();
    m_doc.UpdateAllViews(nullptr, kHintAll);
}

void CMarquellView::OnGridSet() {
    GridSetRequest request;
    request.data.snap = m_gridSnap ? 1 : 0;
    request.data.across = m_gridAcross;
    request.data.down = m_gridDown;
    const CRect area = GetCurrentAreaRect();
    request.data.areaWidth = std::abs(area.right - area.left);
    request.data.areaHeight = std::abs(area.top - area.bottom);
    if (Ui().RunDialog(request) != IDOK) {
        return;
    }
    m_gridSnap = request.data.snap != 0;
    m_gridAcross = request.data.across;
    m_gridDown = request.data.down;
    m_doc.SetPartitions(m_gridAcross, m_gridDown);
    m_doc.SetModifiedFlag(TRUE);
    m_doc.UpdateAllViews(nullptr, kHintAll);
}

CPHeadMojiData* CMarquellView::LastSelectedText() const {
    const auto& elements = Paper().GetElements();
    for (auto it = elements.rbegin(); it != elements.rend(); ++it) {
        if (auto* text = dynamic_cast<CPHeadMojiData*>(it->get());
            text != nullptr && text->IsSelected()) {
            return text;
        }
    }
    return nullptr;
}

CPHeadLineData* CMarquellView::LastSelectedLine() const {
    const auto& elements = Paper().GetElements();
    for (auto it = elements.rbegin(); it != elements.rend(); ++it) {
        if (auto* line = dynamic_cast<CPHeadLineData*>(it->get());
            line != nullptr && line->IsSelected()) {
            return line;
        }
    }
    return nullptr;
}

void CMarquellView::OnCentring(bool vertical) {
    const CPHeadMojiData* text = Paper().CountSelected() > 0 ? LastSelectedText() : nullptr;
    if (text == nullptr) {
        // Nothing selected, or only lines and boxes: the switch of new texts.
        int& own = vertical ? m_vCenter : m_hCenter;
        own = own != 0 ? 0 : 1;
        return;
    }
    const int on = vertical ? text->GetVCenter() : text->GetHCenter();
    m_doc.SetCentringOfSelected(vertical, on != 0 ? 0 : 1);
}

void CMarquellView::OnLineWidth(int kind) {
    if (Paper().CountSelected() > 0) {
        Paper().SetLineWidthOfSelected(m_doc.GetOwner(), m_app.editor, kind);
    } else {
        m_widthClass = kind;
    }
}

void CMarquellView::OnUndo() {
    if (m_doc.CanUndo()) {
        m_doc.Undo();
    } else if (m_doc.CanRedo()) {
        m_doc.Redo();
    }
}

void CMarquellView::OnDeleteAll() {
    const int answer = AfxMessageBox(Sjis::FromUtf8("全てのデータを消去します。よろしいですか？"),
                                     MB_YESNO | MB_ICONQUESTION);
    if (answer == IDYES) {
        Paper().DeleteAll(m_doc.GetOwner());
    }
}

void CMarquellView::OnSelectAll() {
    if (Paper().CountSelected() > 0) {
        Paper().DeselectAll(m_doc.GetOwner());
    } else {
        Paper().SelectInArea(m_doc.GetOwner());
    }
}

void CMarquellView::OnPaste() {
    ResetMouse();
    Paper().DeselectAll(m_doc.GetOwner());
    m_doc.Paste();
    m_mode = kModeEdit;
    m_dragState = 4;
}

void CMarquellView::OnInitSet(int form) {
    InitSetRequest request(form);
    request.data.Load(m_app);
    if (Ui().RunDialog(request) == IDOK) {
        request.data.Store(m_app);
    }
}

void CMarquellView::OnFormatName() {
    LayoutFormatNameRequest request;
    request.name = m_doc.GetLayout().GetLayoutName();
    if (Ui().RunDialog(request) == IDOK) {
        m_doc.GetLayout().SetLayoutName(request.name);
        m_host.InvalidateAll();
    }
}

void CMarquellView::OnBaseInputNames() {
    BaseInputAreaNamesRequest request;
    Ui().RunDialog(request);
}

void CMarquellView::OnChangeText() {
    CPHeadMojiData* text = LastSelectedText();
    if (text != nullptr && text->GetType() == kTypeText) {
        EditTextElement(*text);
    }
}

void CMarquellView::OnChangeInputName() {
    if (auto* area = dynamic_cast<CPHeadInputArea*>(LastSelectedText())) {
        EditTextElement(*area);
    }
}

void CMarquellView::EditTextElement(CPHeadMojiData& element) {
    std::unique_ptr<CLayoutData> copy = element.Clone();
    if (!copy) {
        return;
    }
    int answer = IDCANCEL;
    if (auto* area = dynamic_cast<CPHeadInputArea*>(&element)) {
        InputAreaNameRequest request(
            CInputAreaNameData(Paper(), m_doc.GetOwner(), *area, m_baseName));
        answer = Ui().RunDialog(request);
    } else {
        FixedTextRequest request(element);
        answer = Ui().RunDialog(request);
    }
    if (answer == IDOK) {
        m_doc.Reset();
        CLayoutData* old = copy.release();
        if (m_doc.AddChange(old, &element) == 0) {
            delete old;
        } else {
            m_doc.UpdateAllViews(nullptr, kHintAll, old);
        }
        m_doc.SetModifiedFlag(TRUE);
    }
    m_doc.UpdateAllViews(nullptr, kHintAll, &element);
}

} // namespace marquell
