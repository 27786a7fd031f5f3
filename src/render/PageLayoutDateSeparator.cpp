// The fine line that separates dates and item rows: its look is the print settings' fine-line
// kind of its direction ("Keisen": the high byte for vertical lines, the low byte for horizontal
// ones; 0 dotted, 1 fine dotted, 2 solid, 3 none). On screen every kind but "none" is a thin
// grey line; on paper each kind has its own pen.
#include "render/PageLayout.h"

#include "model/ConfigPrint.h"
#include "platform/DC.h"
#include "render/DrawSettings.h"
#include "render/ExactColors.h"
#include "render/StyledDraw.h"

namespace tembra {

namespace {

enum : int { kDotted = 0, kFineDotted = 1, kSolid = 2, kNone = 3 };

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kDarkGrey = RGB(128, 128, 128);
constexpr COLORREF kLightGrey = RGB(192, 192, 192);

} // namespace

void CPageLayout::DrawDateSeparator(CDC* dc, int kind, int x1, int y1, int x2, int y2) const {
    const CConfigPrint* settings = m_doc != nullptr ? m_doc->GetPrintSettings() : nullptr;
    static const CConfigPrint kDefaults;
    const CConfigPrint& print = settings != nullptr ? *settings : kDefaults;

    int line = kNone;
    switch (kind) {
    case 0:
        line = print.GetKeisenVertical();
        break;
    case 2:
        // The major grid line is solid unless the fine lines are switched off.
        line = print.GetKeisenVertical() == kNone ? kNone : kSolid;
        break;
    case 3:
        line = kNone;
        break;
    default:
        line = print.GetKeisenHorizontal();
        break;
    }

    if (m_outputMode == 0) {
        if (line == kNone) {
            return;
        }
        const bool blackBack = GetDrawSettings().blackBack;
        const COLORREF color =
            kind == 2 ? (blackBack ? kLightGrey : kDarkGrey) : (blackBack ? kDarkGrey : kLightGrey);
        DrawStyledPolyline(dc, x1, y1, x2, y2, 0, 0, color, R2_COPYPEN, OPAQUE);
        return;
    }

    // The fine dot pattern is a screen bitmap: a metafile and the second print mode get dots.
    if ((m_outputMode == 2 || dc->IsMetafile()) && line == kFineDotted) {
        line = kDotted;
    }
    switch (line) {
    case kDotted:
        if (print.GetKeisenDotFlag() == 0 || m_outputMode == 2) {
            DrawStyledPolyline(dc, x1, y1, x2, y2, 2, 0, kBlack, R2_COPYPEN, OPAQUE);
        } else {
            DrawPrintDotLine(dc, x1, y1, x2, y2, 2, print.GetKeisenDotWidth(), kBlack,
                             print.GetKeisenDotLen(), print.GetKeisenDotItv());
        }
        break;
    case kFineDotted:
        DrawDotLine(dc, x1, y1, x2, y2, 7, print.GetKeisenDot2Width(), kBlack, R2_COPYPEN, OPAQUE);
        break;
    case kSolid:
        if (kind == 2) {
            DrawStyledPolyline(dc, x1, y1, x2, y2, 0, 0, kBlack, R2_COPYPEN, OPAQUE);
        } else {
            const ExactColors exact;
            DrawStyledPolyline(dc, x1, y1, x2, y2, 6, 1, print.GetColor(), R2_COPYPEN, OPAQUE);
        }
        break;
    default:
        break;
    }
}

} // namespace tembra
