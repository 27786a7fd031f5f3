// The text a device context draws and measures; text moves the current position when the text
// alignment asks for it.
#include "platform/DC.h"
#include "platform/DCTraceArgs.h"

#include <string>
#include <string_view>

namespace tembra {

using dc_trace::Pts;

// ---- Text -------------------------------------------------------------------------------------

BOOL CDC::TextOut(int x, int y, std::string_view textCp932) {
    return ExtTextOut(x, y, 0, nullptr, textCp932, nullptr);
}

BOOL CDC::ExtTextOut(int x, int y, UINT options, const CRect* rect, std::string_view textCp932,
                     const int* widths) {
    const bool updateCp = (m_state.textAlign & TA_UPDATECP) != 0;
    const CPoint at = updateCp ? m_state.currentPosition : CPoint(x, y);
    Trace(DcOp::TextOut, [&] {
        DcCallArgs a = Pts({at}, rect ? *rect : CRect());
        a.text = std::string(textCp932);
        a.values = {options};
        return a;
    });
    DoTextOut(at, options, rect, textCp932, widths);
    if (updateCp) {
        const LONG cx = DoTextExtent(textCp932).cx;
        const UINT horz = m_state.textAlign & TA_HORZ_MASK;
        if (horz == TA_LEFT) {
            m_state.currentPosition.x += cx;
        } else if (horz == TA_RIGHT) {
            m_state.currentPosition.x -= cx;
        }
    }
    return TRUE;
}

CSize CDC::GetTextExtent(std::string_view textCp932) const {
    return DoTextExtent(textCp932);
}

BOOL CDC::GetTextMetrics(TEXTMETRIC* metrics) const {
    if (metrics == nullptr) {
        return FALSE;
    }
    *metrics = TEXTMETRIC{};
    DoTextMetrics(*metrics);
    return TRUE;
}

} // namespace tembra
