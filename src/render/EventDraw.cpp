#include "render/EventDraw.h"

#include "model/ConfigBase.h"
#include "model/DcUtility.h"
#include "model/Utility.h"
#include "platform/DC.h"
#include "render/EventGeometry.h"
#include "render/LabelTextDraw.h"
#include "render/PageLayout.h"
#include "render/ScreenColors.h"
#include "render/StyledDraw.h"

#include <array>
#include <cstdlib>
#include <string>

namespace tembra {

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kGrey = RGB(192, 192, 192);

// Line types, fills and the pen width of the event's outlines.
constexpr int kSolid = 0;
constexpr int kNoLine = -1;
constexpr int kNoFill = -1;
constexpr int kWhiteFill = 100;
constexpr int kOutlineWidth = 1;

} // namespace

COLORREF GetDrawColor(const CEvent& event, const CDC* dc) {
    const CConfigColor& colors = GetAppConfig()->GetColor();
    switch (event.GetDrawState()) {
    case CEvent::kDrawSelected:
        return colors.GetEditWork();
    case CEvent::kDrawFeedback:
        return kBlack;
    case CEvent::kDrawLinked:
        return colors.GetEditBold();
    case CEvent::kDrawInactive:
        return kGrey;
    default: {
        const bool onScreen = dc == nullptr || !dc->IsPrinting();
        return onScreen ? ScreenTextColor(event.GetColor(), event.GetColor()) : event.GetColor();
    }
    }
}

int GetDrawRop(const CEvent& event) {
    return event.GetDrawState() == CEvent::kDrawFeedback ? R2_NOT : R2_COPYPEN;
}

void Draw(CEvent& event, const CPageLayout& layout, CDC* dc, int state) {
    if (event.IsSelected() != 0 && state != CEvent::kDrawFeedback && layout.ShowsSelection()) {
        state = CEvent::kDrawSelected;
    }
    event.SetDrawState(state);
    if (dc == nullptr) {
        return;
    }
    const COLORREF color = GetDrawColor(event, dc);
    const int rop = GetDrawRop(event);

    int x = 0;
    int y = 0;
    CRect rect;
    if (CalcTextRect(event, layout, dc, &x, &y, &rect) == 0) {
        return;
    }

    BalloonOutline outline{};
    const bool balloon = GetBalloonOutline(event, layout, rect, outline) != 0;
    if (balloon) {
        const COLORREF edge = state == CEvent::kDrawInactive ? kGrey : kBlack;
        DrawStyledShape(dc, outline.data(), static_cast<int>(outline.size()), kSolid, kOutlineWidth,
                        edge, kWhiteFill, kWhite, rop, OPAQUE);
    }
    const WORD style = event.GetStyle();
    const bool simple = layout.IsSimpleText() != FALSE;
    const bool mark =
        layout.IsHyperlinkMark() != FALSE && !event.GetHyperlink().empty() && !dc->IsPrinting();

    if (!simple) {
        if (!balloon && (style & kEventWhiteBack) != 0) {
            DrawStyledRect(dc, rect, kNoLine, 0, kWhite, kWhiteFill, kWhite, rop, OPAQUE);
        }
        if (mark) {
            DrawHyperlinkMark(dc, layout, rect, rop);
        }
        const std::string text = ExpandDateMacros(event, layout);
        if (event.IsVertical() && (style & kEventUprightSingleByte) != 0) {
            DrawUprightRuns(dc, GetEventUprightFont(event, layout), GetEventTextFont(event, layout),
                            rect, x, y, text, color, rop);
        } else {
            const LOGFONT font = GetEventTextFont(event, layout);
            DrawStyledText(dc, x, y, &font, color, text, 0, rop, TRANSPARENT);
        }
    } else if (mark) {
        DrawHyperlinkMark(dc, layout, rect, rop);
    }

    // Simplified texts show their frame in place of the text.
    if (!balloon && (simple || (style & kEventFrame) != 0)) {
        DrawStyledRect(dc, rect, kSolid, kOutlineWidth, color, kNoFill, kWhite, rop, OPAQUE);
    }
}

} // namespace tembra
