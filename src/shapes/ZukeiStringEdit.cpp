#include "shapes/ZukeiStringEdit.h"

#include "model/DcUtility.h"
#include "model/Utility.h"
#include "platform/DC.h"
#include "render/PageLayout.h"
#include "shapes/ZukeiString.h"
#include "shapes/ZukeiView.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace tembra {

namespace {

// The window's alignment for the shape's Form: left, centre or right; left for any other.
DWORD AlignmentOf(WORD form) {
    switch (form) {
    case 1:
        return ES_CENTER;
    case 2:
        return ES_RIGHT;
    default:
        return ES_LEFT;
    }
}

} // namespace

CZukeiStringEdit::~CZukeiStringEdit() = default;

std::unique_ptr<CZukeiEditWnd> CZukeiStringEdit::MakeWindow(IZukeiEditHost& parent, DWORD style,
                                                            std::string_view text) {
    std::unique_ptr<CZukeiEditWnd> wnd = CreateZukeiEditWnd(parent, style);
    if (wnd == nullptr) {
        return nullptr;
    }
    wnd->SetWindowText(text);
    wnd->EnableWindow(false);
    wnd->ShowWindow(false);
    return wnd;
}

void CZukeiStringEdit::BeginEdit(CZukeiString& shape, IZukeiEditHost* parent) {
    if (parent == nullptr) {
        if (m_wnd == nullptr || m_wnd->GetParent() == nullptr) {
            return;
        }
        parent = m_wnd->GetParent();
    }
    DWORD style = kNewStyle;
    std::string text;
    if (m_wnd != nullptr) {
        // The window in place of the old one keeps what was typed and its style.
        style = m_wnd->GetStyle();
        text = m_wnd->GetWindowText();
    } else {
        text = shape.GetText();
    }
    style = (style & ~static_cast<DWORD>(ES_ALIGN_MASK)) | AlignmentOf(shape.GetTextAttr().m_form);
    std::unique_ptr<CZukeiEditWnd> wnd = MakeWindow(*parent, style, text);
    if (wnd == nullptr) {
        return; // without a window there is nothing to type into: the shape stays as it was
    }
    m_wnd = std::move(wnd);
    shape.SetEditState(1);
}

void CZukeiStringEdit::FitToShape(const IZukeiView& view, CDC& dc, const CZukeiString& shape) {
    const CPageLayout& layout = view.GetPageLayout();
    m_textColor = shape.GetTextAttr().m_color;

    LOGFONT font = shape.GetFont();
    if ((shape.GetTextAttr().m_attrb & CZukeiString::kAttrBold) != 0) {
        font.lfWeight = FW_BOLD;
    }
    // Tenths of a point of the height the chart shows at this zoom.
    font.lfHeight = static_cast<LONG>(
        std::lround(LogicalToPoints(&dc, layout.Zoom(shape.GetFont().lfHeight)) * 10.0));
    font.lfWidth = layout.Zoom(font.lfWidth);
    m_editFont = font;

    CRect box = shape.GetTextRect(view, shape.GetDeviceRect(view));
    // The window stays on the chart: nothing of it above the chart area's top or below its
    // bottom.
    const CRect chart = layout.GetChartRect();
    const LONG chartTop = std::max(chart.top, chart.bottom);
    const LONG chartBottom = std::min(chart.top, chart.bottom);
    box.top = std::min(box.top, chartTop);
    box.bottom = std::max(box.bottom, chartBottom);
    box.bottom = std::min(box.bottom, box.top);
    m_viewRect = box;
    m_rect100 = shape.GetTextRect100(view);

    if (m_wnd != nullptr) {
        m_wnd->SetTextColor(m_textColor);
        m_wnd->SetEditFont(m_editFont);
        CRect device = box;
        dc.LPtoDP(&device);
        NormalizeRect(device);
        m_wnd->MoveWindow(device);
    }
}

BOOL CZukeiStringEdit::CopyTo(CZukeiStringEdit& other) const {
    other.m_viewRect = m_viewRect;
    other.m_rect100 = m_rect100;
    if (m_wnd == nullptr || m_wnd->GetParent() == nullptr) {
        return FALSE;
    }
    other.m_wnd = MakeWindow(*m_wnd->GetParent(), m_wnd->GetStyle(), m_wnd->GetWindowText());
    return other.m_wnd != nullptr ? TRUE : FALSE;
}

} // namespace tembra
