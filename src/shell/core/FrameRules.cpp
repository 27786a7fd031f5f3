#include "shell/core/FrameRules.h"

#include "model/OperationState.h"

#include <algorithm>

namespace tembra {

ModeBars BarsForMode(LONG mode, int currentYogoBarKind) {
    ModeBars bars;
    int kind = kYogoBarTerm;
    if (mode == COperationState::kModeEvent) {
        kind = kYogoBarEvent;
    } else if (mode == COperationState::kModeKoumoku) {
        kind = kYogoBarKoumoku;
    }
    if (kind != currentYogoBarKind) {
        bars.yogoBarKind = kind;
    }
    bars.zukeiBar = mode == COperationState::kModeZukei;
    bars.chartBar = mode == COperationState::kModeChart;
    return bars;
}

bool IsAutoSaveDue(const CTime& now, const CTime& lastAutoSave, long intervalMinutes,
                   bool mouseCaptured) {
    if (mouseCaptured || intervalMinutes <= 0) {
        return false;
    }
    return (now - lastAutoSave).GetTotalSeconds() > static_cast<std::int64_t>(intervalMinutes) * 60;
}

CSize KeepBarSize(CSize computed, bool mostRecentlyUsed, const CPoint& windowTopLeft,
                  CSize& remembered, CSize minimum) {
    CSize size(std::max(computed.cx, minimum.cx), std::max(computed.cy, minimum.cy));
    if (mostRecentlyUsed) {
        remembered = size;
    }
    if (windowTopLeft.x + size.cx < 24 || windowTopLeft.y + size.cy < 24) {
        size = remembered;
    }
    remembered = size;
    return size;
}

std::optional<CPoint> PaletteOnScreen(const CRect& window, int screenWidth, int screenHeight) {
    CPoint corner(window.left, window.top);
    if (window.left < 0) {
        corner.x = 0;
    } else if (window.right > screenWidth) {
        corner.x = screenWidth - window.Width();
    }
    if (window.top < 0) {
        corner.y = 0;
    } else if (window.bottom > screenHeight) {
        corner.y = screenHeight - window.Height();
    }
    if (corner == CPoint(window.left, window.top)) {
        return std::nullopt;
    }
    return corner;
}

} // namespace tembra
