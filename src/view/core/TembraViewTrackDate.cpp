// The date and duration labels of a process drag or drawing and the date text that follows the
// cursor, drawn inverted on the window (drawn twice, they are gone). The user's setting
// "CursorDate" switches them: bit 1 the date, bit 2 the row; 0 shows nothing.
#include "document/TembraDoc.h"
#include "model/ConfigBase.h"
#include "model/Koutei.h"
#include "platform/DC.h"
#include "render/StyledDraw.h"
#include "view/core/TembraView.h"
#include "view/core/TrackDateLabel.h"
#include "view/core/ViewHost.h"

namespace tembra {

namespace {

// The label's parts the setting asks for, joined by a blank; forward puts the row first.
std::string Compose(WORD setting, const std::string& date, const std::string& row, bool forward) {
    const bool withDate = (setting & 1) != 0;
    const bool withRow = (setting & 2) != 0;
    if (withDate && withRow) {
        return CTrackDateLabel::SpanLabel(date, row, forward);
    }
    return withDate ? date : withRow ? row : std::string();
}

void DrawInverted(CDC* dc, const CPoint& at, const std::string& text, UINT align) {
    if (text.empty()) {
        return;
    }
    DrawStyledText(dc, at.x, at.y, nullptr, RGB(0, 0, 0), text, align, R2_NOT, TRANSPARENT);
}

} // namespace

void CTembraView::DrawTrackDate(CDC* dc, const CKoutei* process, const CChartPos* span) {
    const CConfigBase* config = GetAppConfig();
    const WORD setting = config != nullptr ? config->GetCursorDate() : 0;
    if (setting == 0) {
        return;
    }
    CTembraDoc& doc = *GetDocument();
    const CPageLayout* elapsed = IsElapsedChart() ? &m_layout : nullptr;
    if (span != nullptr) {
        const CTime start = span->GetStartDate();
        const CTime end = span->GetEndDate();
        const CTime shown = CTrackDateLabel::ShownEnd(start, end, config->GetEndDateDec() != 0);
        const bool forward = start < end;
        const std::string text = Compose(setting, CTrackDateLabel::FormatDate(elapsed, shown),
                                         CTrackDateLabel::FormatRow(span->GetEndRow()), forward);
        DrawInverted(dc, m_layout.DateRowToPoint(end, span->GetEndRow()), text,
                     (forward ? TA_RIGHT : TA_LEFT) | TA_BOTTOM);
    }
    if (process != nullptr) {
        const CTimeSpan plain = process->CalcSpan(static_cast<const CCalendar*>(nullptr));
        std::optional<CTimeSpan> working;
        if (elapsed == nullptr) {
            working = process->CalcSpan(&doc.GetWorkCalendar());
        }
        const std::string text = CTrackDateLabel::FormatDuration(plain, working);
        const CPoint a = m_layout.DateRowToPoint(process->GetStartTime(), process->GetStartRow());
        const CPoint b = m_layout.DateRowToPoint(process->GetEndTime(), process->GetEndRow());
        DrawInverted(dc, CPoint((a.x + b.x) / 2, (a.y + b.y) / 2), text, TA_CENTER | TA_TOP);
    }
}

void CTembraView::FormatCursorDate(CDC* dc, int show) {
    const CConfigBase* config = GetAppConfig();
    const WORD setting = config != nullptr ? config->GetCursorDate() : 0;
    const CPageLayout* elapsed = IsElapsedChart() ? &m_layout : nullptr;
    const auto textOf = [&](const CTime& date, int row) {
        return Compose(setting, CTrackDateLabel::FormatDate(elapsed, date),
                       CTrackDateLabel::FormatRow(row), true);
    };
    const auto erase = [&] {
        if (m_cursorDate.shown) {
            DrawInverted(dc, m_cursorDate.point, textOf(m_cursorDate.date, m_cursorDate.row),
                         TA_RIGHT | TA_BOTTOM);
            m_cursorDate.shown = false;
        }
    };
    if (show == 0 || setting == 0) {
        erase();
        m_hoverDate.shown = m_cursorDate.shown;
        return;
    }
    CPoint point = m_host.GetCursorPos();
    dc->DPtoLP(&point);
    const CTime date = m_layout.XToDate(point.x, GetDateSnap(m_mouse.IsCtrl()), 0);
    const int row = m_layout.YToRow(point.y);
    if (m_cursorDate.shown && m_cursorDate.point == point && m_cursorDate.date == date &&
        m_cursorDate.row == row) {
        return;
    }
    erase();
    if (IsCursorOverView()) {
        const std::string text = textOf(date, row);
        DrawInverted(dc, point, text, TA_RIGHT | TA_BOTTOM);
        const CSize extent = dc->GetTextExtent(text);
        m_cursorDate = {
            true, point, date, row,
            CRect(point.x - extent.cx - 1, point.y + 1 + extent.cy, point.x + 1, point.y + 1)};
    }
    m_hoverDate.shown = m_cursorDate.shown;
    m_hoverDate.erase = [this](CDC* d) { FormatCursorDate(d, 0); };
}

} // namespace tembra
