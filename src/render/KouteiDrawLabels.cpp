// The labels of a process as they are drawn: its terms with their leader lines and its resource
// label, each text with its white background, hyperlink mark and frame as its style flags ask.
#include "render/KouteiDraw.h"

#include "model/ConfigBase.h"
#include "model/ConfigChart.h"
#include "model/DcUtility.h"
#include "model/Koutei.h"
#include "model/OperationState.h"
#include "model/Shigen.h"
#include "model/SyokiSet.h"
#include "model/Utility.h"
#include "model/Yogo.h"
#include "platform/DC.h"
#include "render/KouteiLabels.h"
#include "render/LabelTextDraw.h"
#include "render/PageLayout.h"
#include "render/ScreenColors.h"
#include "render/StyledDraw.h"

#include <array>
#include <cstdlib>
#include <memory>
#include <string>

namespace tembra {

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

constexpr int kSolid = 0;
constexpr int kNoLine = -1;
constexpr int kNoFill = -1;
constexpr int kWhiteFill = 100;

int RopOf(int mode) {
    return mode == kKouteiDrawFeedback ? R2_NOT : R2_COPYPEN;
}

const CConfigChart* ChartSettings(const CPageLayout& layout) {
    const CSyokiSet* set = layout.GetSyokiSet();
    return set != nullptr ? &set->GetChart() : nullptr;
}

// One label text in its rectangle at its reference point (x, y).
void DrawLabelText(CDC* dc, const CPageLayout& layout, const CElemAttr& attr,
                   const LOGFONT& defaultFont, const CRect& rect, int x, int y, COLORREF color,
                   const std::string& text, bool hyperlink, int rop) {
    const bool simple = layout.IsSimpleText() != FALSE;
    const bool mark = layout.IsHyperlinkMark() != FALSE && hyperlink && !dc->IsPrinting();
    if (!simple) {
        if ((attr.m_attrb & kLabelOutline) != 0) {
            DrawStyledRect(dc, rect, kNoLine, 0, kWhite, kWhiteFill, kWhite, rop, OPAQUE);
        }
        if (mark) {
            DrawHyperlinkMark(dc, layout, rect, rop);
        }
        const bool vertical = (attr.m_attrb & kLabelVertical) != 0;
        if (vertical && (attr.m_attrb & kLabelUprightSingleByte) != 0) {
            DrawUprightRuns(dc, GetLabelUprightFont(attr, defaultFont, layout),
                            GetLabelTextFont(attr, defaultFont, layout), rect, x, y, text, color,
                            rop);
        } else {
            const LOGFONT font = GetLabelTextFont(attr, defaultFont, layout);
            DrawStyledText(dc, x, y, &font, color, text, 0, rop, TRANSPARENT);
        }
    } else if (mark) {
        DrawHyperlinkMark(dc, layout, rect, rop);
    }
    // Simplified texts show their frame in place of the text.
    if (simple || (attr.m_attrb & kLabelFrame) != 0) {
        DrawStyledRect(dc, rect, kSolid, 1, color, kNoFill, kWhite, rop, TRANSPARENT);
    }
}

// The leader line of a term at place 4 or 5: from the process to the label's near lower corner
// and under the label to its other lower corner, g below the label.
void DrawLeader(const CKoutei& koutei, CDC* dc, const CPageLayout& layout, int index,
                const CRect& rect, const LOGFONT& defaultFont, int mode) {
    const CYogo& term = *koutei.GetYogo(index);
    const bool left = term.GetAttr().m_form == kYogoPlaceLeaderLeft;
    const int g = layout.Zoom(std::abs(defaultFont.lfHeight) / 10);
    const CPoint near(left ? rect.left : rect.right, rect.bottom - g);
    const CPoint far(left ? rect.right : rect.left, rect.bottom - g);
    int x = 0;
    int y = 0;
    GetYogoMidpoint(koutei, layout, term.GetDateKind(), x, y);
    GetYogoLeaderStart(koutei, layout, index, x, y, near.x, near.y);
    const COLORREF color = mode == kKouteiDrawNormal ? kBlack : GetDrawColor(kBlack, mode);
    const int rop = RopOf(mode);
    DrawStyledPolyline(dc, x, y, near.x, near.y, kSolid, 1, color, rop, TRANSPARENT);
    DrawStyledPolyline(dc, near.x, near.y, far.x, far.y, kSolid, 1, color, rop, TRANSPARENT);
}

} // namespace

void DrawYogoLabels(CKoutei& koutei, CDC* dc, const CPageLayout& layout, int mode,
                    LONG objectMode) {
    if (dc == nullptr || koutei.GetYogoCount() == 0) {
        return;
    }
    if (mode == kKouteiDrawFeedback && objectMode != COperationState::kModeYogo) {
        return;
    }
    const CConfigChart* chart = ChartSettings(layout);
    const LOGFONT defaultFont =
        chart != nullptr ? chart->GetYogoAttr().GetLogFont() : koutei.GetYogo(0)->GetLogFont();
    const std::unique_ptr<YogoStackTable> table =
        BuildYogoStackTable(koutei, layout, dc, defaultFont);
    if (!table) {
        return;
    }
    for (int i = koutei.GetYogoCount() - 1; i >= 0; --i) {
        const CYogo& term = *koutei.GetYogo(i);
        int x = 0;
        int y = 0;
        CRect rect;
        if (CalcYogoRect(koutei, layout, dc, i, table.get(), &x, &y, &rect) == 0) {
            continue;
        }
        const int termMode =
            layout.ShowsSelection() ? GetYogoDrawMode(koutei, i, mode, objectMode) : mode;
        koutei.SetDrawMode(termMode);
        const CElemAttr& attr = term.GetAttr();
        if (attr.m_form == kYogoPlaceLeaderLeft || attr.m_form == kYogoPlaceLeaderRight) {
            DrawLeader(koutei, dc, layout, i, rect, defaultFont, termMode);
        }
        std::string text = term.GetText();
        FormatYogoText(koutei, layout, term, text);
        DrawLabelText(dc, layout, attr, defaultFont, rect, x, y,
                      GetDrawColor(attr.m_color, termMode), text, !term.GetHyperlink().empty(),
                      RopOf(termMode));
    }
}

void DrawShigenLabel(CKoutei& koutei, CDC* dc, const CPageLayout& layout, int mode,
                     LONG objectMode) {
    const int count = koutei.GetShigenCount();
    if (dc == nullptr || count == 0 || layout.GetShigenDispMode() == 0) {
        return;
    }
    if (mode == kKouteiDrawFeedback && objectMode != COperationState::kModeShigen) {
        return;
    }
    const IPageLayoutDocument* document = layout.GetDocument();
    int nameLength = 0;
    int largest = 0;
    if (document != nullptr) {
        document->MeasureShigenList(*koutei.GetShigen(), nameLength, largest);
    }
    const CShigen& list = *koutei.GetShigen();
    const CElemAttr& attr = list.GetAttr();
    const CConfigChart* chart = ChartSettings(layout);
    const LOGFONT defaultFont =
        chart != nullptr ? chart->GetShigenAttr().GetLogFont() : list.GetLogFont();
    const int labelMode =
        layout.ShowsSelection() ? GetShigenDrawMode(koutei, mode, objectMode) : mode;
    koutei.SetDrawMode(labelMode);
    COLORREF color = GetDrawColor(attr.m_color, labelMode);
    if (labelMode == kKouteiDrawNormal && !dc->IsPrinting()) {
        color = ScreenTextColor(color, kBlack);
    }
    // The amounts right-aligned to the digits of the largest.
    const int digits = static_cast<int>(StringPrintf("%d", largest).size());
    const bool amountsOnly = layout.GetShigenDispMode() == 2;
    for (int line = 0; line < count; ++line) {
        int x = 0;
        int y = 0;
        CRect rect;
        if (CalcShigenRect(koutei, layout, dc, line, &x, &y, &rect) == 0) {
            continue;
        }
        const CShigenData& entry = *list.GetEntries()[static_cast<std::size_t>(line)];
        const std::string amount =
            StringPrintf("%*d", digits, static_cast<int>(entry.GetQuantity()));
        std::string text = "[";
        if (!amountsOnly) {
            std::string name;
            if (document == nullptr ||
                document->GetShigenName(static_cast<int>(entry.GetNumber()) - 1, name) < 0) {
                name.clear();
            }
            if (static_cast<int>(name.size()) < nameLength) {
                name.append(static_cast<std::size_t>(nameLength) - name.size(), ' ');
            }
            text += name + " ";
        }
        text += amount + "]";
        DrawLabelText(dc, layout, attr, defaultFont, rect, x, y, color, text, false,
                      RopOf(labelMode));
    }
}

} // namespace tembra
