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

constexpr UINT kNoPaperInfo = 61245;
// The cursor resources of the edit modes 1 to 8.
constexpr int kModeCursors[] = {106, 108, 104, 111, 113, 115, 117, 118};
// How far the clip reaches beyond the area shown, and an element's repaint beyond its extent.
constexpr int kAreaClipMargin = 4;
constexpr int kPaperClipMargin = 2;
constexpr int kRepaintPixels = 3;
constexpr int kHitPixels = 2;

CRect Grown(CRect r, int by) {
    r = NormalizedLayoutRect(r);
    r.left -= by;
    r.top += by;
    r.right += by;
    r.bottom -= by;
    return r;
}

bool HasArea(const CRect& rect) {
    const CRect r = NormalizedLayoutRect(rect);
    return r.left < r.right && r.bottom < r.top;
}

} // namespace

CMarquellView::CMarquellView(CMarquellDoc& doc, CAppSettings& app, IMarquellViewHost& host)
    : m_doc(doc), m_app(app), m_host(host) {
    m_doc.AddView(this);
    m_faceName = kDefaultFaceName;
}

CMarquellView::~CMarquellView() = default;

CPaperData& CMarquellView::Paper() const {
    return m_doc.GetCurrentPaper();
}

const CEditorSettings& CMarquellView::GetSettings() const {
    return m_app.editor;
}

int CMarquellView::GetZoomPercent() const {
    return kZoomTable[m_zoom >= 0 && m_zoom < kZoomCount ? m_zoom : kDefaultZoom];
}

CRect CMarquellView::GetCurrentAreaRect() const {
    return m_doc.GetCurrentAreaRect();
}

bool CMarquellView::IsLineEndMode() const {
    const CPaperData& paper = Paper();
    if (paper.CountSelected() != 1) {
        return false;
    }
    const CPHeadLineData* line = paper.FindSelectedLine();
    return line != nullptr && line->IsLine();
}

bool CMarquellView::IsAdditiveSelection() const {
    // "随時複数選択" ("Hukusu" 1) while CTRL is up, "CTRLｷｰで複数" while it is down.
    const bool ctrl = (m_keys & MK_CONTROL) != 0;
    return (m_app.multiple == 1) != ctrl;
}

bool CMarquellView::IsInsideFrameSelection() const {
    // "枠内限定あり" ("Wakunai" 0) while SHIFT is up, "枠内限定なし" while it is down.
    const bool shift = (m_keys & MK_SHIFT) != 0;
    return (m_app.insideFrame == 0) != shift;
}

// ---- Geometry ----------------------------------------------------------------------------------

std::unique_ptr<CDC> CMarquellView::MappedDC() const {
    std::unique_ptr<CDC> dc = m_host.CreateMeasureDC();
    dc->SetMapMode(MM_LOMETRIC);
    return dc;
}

CSize CMarquellView::ClientLogicalSize() const {
    CSize size = m_host.GetClientSize();
    MappedDC()->DPtoLP(&size);
    return CSize(std::abs(size.cx), std::abs(size.cy));
}

CRect CMarquellView::GetWholePaperRect() const {
    const CPHeadSizeData& size = Paper().GetSize();
    const CRect footer = size.GetArea(kLayoutFooterArea);
    return CRect(size.GetArea(kLayoutLeftArea).left, size.GetArea(kLayoutHeaderArea).top,
                 size.GetArea(kLayoutRightArea).right,
                 footer.bottom != 0 ? footer.bottom : size.GetArea(kLayoutPaperArea).bottom);
}

CRect CMarquellView::GetDisplayedRect() const {
    return m_wholePaper ? GetWholePaperRect() : GetCurrentAreaRect();
}

bool CMarquellView::IsZoomAllowed(int index) const {
    if (index < 0 || index >= kZoomCount) {
        return false;
    }
    const int area = Paper().GetSize().GetCurrentArea();
    const CRect rect = m_wholePaper || area == kAreaFooter || area == kAreaRight
                           ? GetWholePaperRect()
                           : GetCurrentAreaRect();
    const auto within = [&](long long length) {
        const long long scaled = length * kZoomTable[index] / 100;
        return scaled >= -kMaxLogical && scaled <= kMaxLogical;
    };
    return within(static_cast<long long>(rect.right) - rect.left) &&
           within(static_cast<long long>(rect.bottom) - rect.top);
}

// ---- Scrolling ---------------------------------------------------------------------------------

CPoint CMarquellView::GetScrollPosition() const {
    CPoint position = m_scroll;
    MappedDC()->DPtoLP(&position);
    return position;
}

void CMarquellView::ScrollToPosition(const CPoint& logical) {
    CPoint device = logical;
    MappedDC()->LPtoDP(&device);
    OnScroll(device);
    m_host.UpdateScrollBars();
}

void CMarquellView::OnScroll(const CPoint& devicePosition) {
    const CSize client = m_host.GetClientSize();
    const CPoint clamped(
        std::clamp<LONG>(devicePosition.x, 0, std::max<LONG>(0, m_totalDevice.cx - client.cx)),
        std::clamp<LONG>(devicePosition.y, 0, std::max<LONG>(0, m_totalDevice.cy - client.cy)));
    if (clamped != m_scroll) {
        m_scroll = clamped;
        m_host.InvalidateAll();
    }
}

void CMarquellView::OnSize() {
    OnScroll(m_scroll);
    m_host.UpdateScrollBars();
    m_host.InvalidateAll();
}

void CMarquellView::SetScrollSizes(const CSize& total) {
    m_total = total;
    CSize device = total;
    MappedDC()->LPtoDP(&device);
    m_totalDevice = CSize(std::abs(device.cx), std::abs(device.cy));
    OnScroll(m_scroll);
    m_host.UpdateScrollBars();
}

void CMarquellView::ComputeScrollSizes() {
    const CRect shown = GetDisplayedRect();
    const CRect margin = Paper().GetSize().GetArea(kLayoutOffsetLTop);
    const int left = std::abs(margin.right - margin.left);
    const int top = std::abs(margin.top - margin.bottom);
    SetScrollSizes(CSize(std::abs(Scale(std::abs(shown.right - shown.left) + 2 * left)),
                         std::abs(Scale(std::abs(shown.top - shown.bottom) + 2 * top))));
}

CPoint CMarquellView::ComputeDrawOffset() const {
    CPoint offset;
    if (!m_wholePaper) {
        const CPHeadSizeData& size = Paper().GetSize();
        const CRect header = size.GetArea(kLayoutHeaderArea);
        switch (size.GetCurrentArea()) {
        case kAreaFooter:
            offset.y = Scale(header.top - size.GetArea(kLayoutFooterArea).top);
            break;
        case kAreaLeft:
            offset.y = Scale(header.top - size.GetArea(kLayoutLeftArea).top);
            break;
        case kAreaRight: {
            const CRect right = size.GetArea(kLayoutRightArea);
            offset.x = Scale(header.left - right.left);
            offset.y = Scale(header.top - right.top);
            break;
        }
        default:
            break;
        }
    }
    // A drawing smaller than the window stands in its middle.
    const CSize client = ClientLogicalSize();
    if (client.cx > m_total.cx) {
        offset.x += (client.cx - m_total.cx) / 2;
    }
    if (client.cy > m_total.cy) {
        offset.y -= (client.cy - m_total.cy) / 2;
    }
    return offset;
}

// ---- The framework's steps ---------------------------------------------------------------------

void CMarquellView::ResetState() {
    ResetMouse();
    m_keys = 0;
    m_lButton = false;
    m_rButton = false;
    m_mode = kModeText;
    m_lastDrawMode = kModeText;
    m_dragState = 0;
    m_zoom = kDefaultZoom;
    m_vCenter = 1;
    m_hCenter = 1;
    m_gridSnap = true;
    m_widthClass = kWidthNormal;
    m_drawOffset = CPoint();
    m_handle = 0;
    m_transformFrom = CRect();
    m_transformTo = CRect();
    m_faceName = kDefaultFaceName;
    m_heightText = "24";
    m_baseName = 0;
    m_defaultText = false;
    m_wholePaper = false;
    m_scroll = CPoint();
}

void CMarquellView::OnInitialUpdate() {
    ResetState();
    if (!m_doc.IsTemporaryEdit()) {
        m_doc.GetLayout().SetCurrentPaperIndex(0);
    }
    ComputeScrollSizes();
    if (!HasArea(GetCurrentAreaRect())) {
        AfxMessageBox(kNoPaperInfo);
    }
    CopyGridFromDocument();
    CSize tolerance(kHitPixels, kHitPixels);
    MappedDC()->DPtoLP(&tolerance);
    m_hitTolerance = std::abs(tolerance.cx);
    EnumFontFaces(m_font, m_faceName, 0, 0);
    OnUpdate(nullptr, kHintAll, nullptr);
}

void CMarquellView::OnUpdate(tembra::CView* sender, LPARAM hint, CObject* hintObject) {
    static_cast<void>(sender);
    if (const auto* element = dynamic_cast<const CLayoutData*>(hintObject)) {
        InvalidateElement(*element);
        return;
    }
    if (hint != kHintZoom) {
        m_host.InvalidateAll();
        return;
    }
    // The point at the window's centre stays at its centre.
    const CSize client = ClientLogicalSize();
    const CPoint position = GetScrollPosition();
    CPoint centre(position.x + client.cx / 2, position.y - client.cy / 2);
    const CSize before = m_total;
    ComputeScrollSizes();
    const CSize after = m_total;
    if (before.cx != 0) {
        centre.x = MulDiv(centre.x, after.cx, before.cx);
    }
    if (before.cy != 0) {
        centre.y = MulDiv(centre.y, after.cy, before.cy);
    }
    CPoint target(centre.x - client.cx / 2, centre.y + client.cy / 2);
    if (target.x + client.cx > after.cx) {
        target.x = after.cx - client.cx;
    }
    if (-target.y + client.cy > after.cy) {
        target.y = client.cy - after.cy;
    }
    target.x = std::max<LONG>(target.x, 0);
    target.y = std::min<LONG>(target.y, 0);
    ScrollToPosition(target);
    m_host.InvalidateAll();
}

void CMarquellView::InvalidateElement(const CLayoutData& element) {
    std::unique_ptr<CDC> dc = MappedDC();
    OnPrepareDC(dc.get());
    CSize pixels(kRepaintPixels, kRepaintPixels);
    dc->DPtoLP(&pixels);
    CRect rect = Grown(ToView(element.GetRect()), std::abs(pixels.cx) + element.GetLineKind());
    dc->LPtoDP(&rect);
    rect.NormalizeRect();
    m_host.Invalidate(rect);
}

void CMarquellView::OnPrepareDC(CDC* dc) const {
    dc->SetMapMode(MM_LOMETRIC);
    if (!dc->IsPrinting()) {
        dc->SetViewportOrg(-m_scroll.x, -m_scroll.y);
    }
    // The editor's colours are its own, and every line one pen.
    SetColorMatchEnable(dc, 0);
    SetStyledDrawEnable(dc, 0);
}

void CMarquellView::OnPaint(CDC* dc) {
    OnPrepareDC(dc);
    CRect clip;
    dc->GetClipBox(&clip);
    dc->FillSolidRect(&clip, m_host.GetWorkspaceColor());
    OnDraw(dc);
    // The feedback of a drag stays on top of what was painted again.
    DrawFeedback(dc);
}

void CMarquellView::RefreshTitle() {
    const std::string title =
        BuildFrameTitle(LayoutTemplatePart(0), m_doc.GetLayout().GetLayoutName(),
                        m_doc.GetLayout().GetCurrentPaperIndex());
    if (m_host.GetFrameTitle() != title) {
        m_host.SetFrameTitle(title);
    }
}

void CMarquellView::OnDraw(CDC* dc) {
    RefreshTitle();
    const CPaperData& paper = Paper();
    m_drawOffset = ComputeDrawOffset();
    const int saved = dc->SaveDC();
    const CRect clip = m_wholePaper ? Grown(ToView(GetWholePaperRect()), kPaperClipMargin)
                                    : Grown(ToView(GetCurrentAreaRect()), kAreaClipMargin);
    dc->IntersectClipRect(&clip);
    paper.Draw(dc, *this, kDrawElement);
    for (const auto& element : paper.GetElements()) {
        if (element->IsSelected()) {
            element->DrawSelectionMarks(dc, *this);
        }
    }
    dc->RestoreDC(saved);
}

void CMarquellView::OnPrint(CDC* dc) {
    dc->SetMapMode(MM_LOMETRIC);
    SetColorMatchEnable(dc, 0);
    SetStyledDrawEnable(dc, 0);
    // The paper's corner at the sheet's corner, whatever the printer leaves unprinted.
    CPoint printable;
    CSize offset;
    if (dc->Escape(GETPRINTINGOFFSET, 0, nullptr, &printable) > 0) {
        offset = CSize(printable.x, printable.y);
        dc->DPtoLP(&offset);
    }
    const CPoint screenOffset = m_drawOffset;
    const int zoom = m_zoom;
    m_drawOffset = CPoint(-std::abs(offset.cx), std::abs(offset.cy));
    m_zoom = kDefaultZoom;
    const CPaperData& paper = Paper();
    paper.Draw(dc, *this, kDrawElement);
    for (const auto& element : paper.GetElements()) {
        if (element->IsSelected()) {
            element->DrawSelectionMarks(dc, *this);
        }
    }
    m_zoom = zoom;
    m_drawOffset = screenOffset;
}

void CMarquellView::OnDestroy() {
    if (m_destroyed) {
        return;
    }
    m_destroyed = true;
    ResetMouse();
    // The history refers to the elements: it goes before them.
    m_doc.Reset();
    for (int paper = 0; paper < CLayoutFileData::kPaperCount; ++paper) {
        m_doc.GetLayout().GetPaper(paper).RemoveAllElements();
    }
    m_doc.ClearCopyBuffer();
    if (m_doc.IsTemporaryEdit() && m_done != nullptr) {
        m_done->FormEditDone(m_doc.GetLayout().GetWindowHandle(), m_doc.GetPathName());
    }
}

int CMarquellView::GetCursorShape(const CPoint& devicePoint) const {
    const CSize client = m_host.GetClientSize();
    if (devicePoint.x < 0 || devicePoint.y < 0 || devicePoint.x >= client.cx ||
        devicePoint.y >= client.cy) {
        return 0;
    }
    const CPoint point = DeviceToLayout(devicePoint);
    if (!PtInLogRect(point, NormalizedLayoutRect(GetCurrentAreaRect()))) {
        return 0;
    }
    if (m_mode == kModeEdit || m_mode == kModeTransform) {
        switch (HitSelectionMark(m_lastMouse)) {
        case 1:
        case 5:
            return kCursorSizeNWSE;
        case 2:
        case 6:
            return kCursorSizeNS;
        case 3:
        case 7:
            return kCursorSizeNESW;
        case 4:
        case 8:
            return kCursorSizeWE;
        default:
            break;
        }
    }
    return m_mode >= kModeText && m_mode <= kModeTransform ? kModeCursors[m_mode - 1] : 0;
}

// ---- The paper/font bar
// --------------------------------------------------------------------------

void CMarquellView::OnFontNameSelected(const LOGFONT& font) {
    if (Paper().CountSelected() > 0) {
        Paper().SetFontOfSelected(m_doc.GetOwner(), font);
        return;
    }
    m_faceName = std::string(font.FaceName());
    m_font = font;
}

void CMarquellView::OnFontHeightChosen(std::string_view text) {
    const int height = NumberText::AtoI(text);
    if (height < 1) {
        return;
    }
    if (Paper().CountSelected() > 0) {
        m_doc.SetFontHeightOfSelected(height);
    } else {
        m_heightText = std::to_string(height);
    }
}

std::string CMarquellView::GetBarFaceName() const {
    if (const CPHeadMojiData* text = Paper().FindSelectedText()) {
        return std::string(text->GetFont().FaceName());
    }
    return m_faceName;
}

int CMarquellView::GetBarHeight() const {
    if (const CPHeadMojiData* text = Paper().FindSelectedText()) {
        return std::abs(text->GetFont().lfHeight);
    }
    return NumberText::AtoI(m_heightText);
}

} // namespace marquell
