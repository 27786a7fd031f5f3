#include "render/KouteiLabels.h"

#include "model/Calendar.h"
#include "model/ConfigChart.h"
#include "model/DcUtility.h"
#include "model/SyokiSet.h"
#include "model/Utility.h"
#include "model/Yogo.h"
#include "platform/Sjis.h"
#include "platform/Ui.h"
#include "render/Geometry.h"
#include "render/KouteiRoute.h"
#include "render/PageLayout.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <new>
#include <optional>
#include <string_view>

#include "render/KouteiLabelSupport.h"

namespace tembra {

using namespace labels;

namespace {

int DateKindSlot(int dateKind) {
    return dateKind == kYogoOnStart || dateKind == kYogoOnEnd ? dateKind : 0;
}

// The settings' label blocks; null without a settings record.
const CElemAttr* YogoDefaults(const CPageLayout& layout) {
    const CSyokiSet* set = layout.GetSyokiSet();
    return set != nullptr ? &set->GetChart().GetYogoAttr() : nullptr;
}

LOGFONT DefaultYogoFont(const CPageLayout& layout, const CYogo& term) {
    const CElemAttr* defaults = YogoDefaults(layout);
    return defaults != nullptr ? defaults->GetLogFont() : term.GetLogFont();
}

// The extent of a label text as events measure theirs: the estimate |font width| x bytes of
// the unexpanded text (twice as long for the layout's quick text without macros), or the
// expanded text measured on the device context.
TextExtent LabelExtent(const CElemAttr& attr, const LOGFONT& base, const CPageLayout& layout,
                       CDC* dc, const std::string& text, const std::string& expanded) {
    const LOGFONT font = TextFont(attr, base, layout, true);
    const TextExtent estimate{Clamped(static_cast<std::int64_t>(std::abs(font.lfWidth)) *
                                      static_cast<std::int64_t>(text.size())),
                              std::abs(static_cast<int>(font.lfHeight))};
    const bool vertical = IsVertical(attr);
    const bool upright = IsUpright(attr);
    if (layout.IsQuickText() && (!vertical || !upright) && text.find('$') == std::string::npos) {
        return {Clamped(static_cast<std::int64_t>(estimate.length) * 2), estimate.thickness};
    }
    if (dc == nullptr) {
        return estimate;
    }
    if (vertical && upright) {
        return MeasureUprightRuns(dc, FactoredFont(attr, base, layout, false, true), font,
                                  expanded);
    }
    const CSize size = MeasureText(dc, font, expanded);
    return {std::abs(static_cast<int>(size.cx)), std::abs(static_cast<int>(size.cy))};
}

// The thickness of a term in the stacking table (unzoomed fonts): the height of the font it is
// written with, or for an upright-run column the widest of its runs.
int StackThickness(const CYogo& term, const LOGFONT& base, const CPageLayout& layout, CDC* dc,
                   const std::string& expanded) {
    const CElemAttr& attr = term.GetAttr();
    const LOGFONT font = TextFont(attr, base, layout, false);
    if (!IsVertical(attr) || !IsUpright(attr)) {
        return std::abs(static_cast<int>(font.lfHeight));
    }
    const LOGFONT upright = FactoredFont(attr, base, layout, false, false);
    int thickness = 0;
    for (std::size_t i = 0; i < expanded.size(); ++i) {
        int charClass = kCharOther;
        const std::string run = NextCharRun(expanded, i, charClass);
        if (run.empty()) {
            continue;
        }
        int across = std::abs(static_cast<int>(font.lfHeight));
        if (charClass == kCharSingle) {
            across = dc != nullptr ? std::abs(static_cast<int>(MeasureText(dc, upright, run).cx))
                                   : Clamped(static_cast<std::int64_t>(std::abs(upright.lfWidth)) *
                                             static_cast<std::int64_t>(run.size()));
        }
        thickness = std::max(thickness, across);
    }
    return thickness;
}

// The stack of the term at index in its group (same date kind, place and direction).
StackPlace StackOf(const YogoStackTable& table, const CPageLayout& layout, int index, int dateKind,
                   int place, int direction, int lineSpace) {
    StackPlace stack;
    bool first = true;
    for (int j = 0; j < CKoutei::kMaxYogo; ++j) {
        const int thickness = table.Get(j, dateKind, place, direction);
        if (thickness == 0) {
            continue;
        }
        const int zoomed = layout.Zoom(thickness);
        const int spacing = layout.Zoom(TimesFactor(thickness, static_cast<WORD>(lineSpace)) / 100);
        stack.total += first ? zoomed : zoomed + spacing;
        first = false;
        if (j > index) {
            stack.offset += zoomed + spacing;
        }
    }
    return stack;
}

} // namespace

// ---- Stacking table -----------------------------------------------------------------------------

int YogoStackTable::Slot(int term, int dateKind, int place, int direction) {
    if (term < 0 || term >= CKoutei::kMaxYogo || dateKind < 0 || dateKind >= kDateKinds ||
        place < 0 || place >= kPlaces || direction < 0 || direction >= kDirections) {
        return -1;
    }
    return ((term * kDateKinds + dateKind) * kPlaces + place) * kDirections + direction;
}

int YogoStackTable::Get(int term, int dateKind, int place, int direction) const {
    const int slot = Slot(term, dateKind, place, direction);
    return slot < 0 ? 0 : m_thickness[static_cast<std::size_t>(slot)];
}

void YogoStackTable::Set(int term, int dateKind, int place, int direction, int thickness) {
    const int slot = Slot(term, dateKind, place, direction);
    if (slot >= 0) {
        m_thickness[static_cast<std::size_t>(slot)] = thickness;
    }
}

std::unique_ptr<YogoStackTable> BuildYogoStackTable(const CKoutei& koutei,
                                                    const CPageLayout& layout, CDC* dc,
                                                    const LOGFONT& defaultFont) {
    std::unique_ptr<YogoStackTable> table(new (std::nothrow) YogoStackTable());
    if (!table) {
        AfxMessageBox(IDS_YOGO_STACK_FAILED, MB_OK);
        return nullptr;
    }
    const int count = std::min(koutei.GetYogoCount(), CKoutei::kMaxYogo);
    for (int i = 0; i < count; ++i) {
        const CYogo* term = koutei.GetYogo(i);
        if (term == nullptr || term->GetText().empty()) {
            continue;
        }
        const CElemAttr& attr = term->GetAttr();
        std::string expanded = term->GetText();
        if (dc != nullptr) {
            FormatYogoText(koutei, layout, *term, expanded);
        }
        table->Set(i, DateKindSlot(term->GetDateKind()), attr.m_form, IsVertical(attr) ? 1 : 0,
                   StackThickness(*term, BaseFont(attr, defaultFont), layout, dc, expanded));
    }
    return table;
}

// ---- Term rectangles ----------------------------------------------------------------------------

int CalcYogoRect(const CKoutei& koutei, const CPageLayout& layout, CDC* dc, int index,
                 const YogoStackTable* table, int* outTextX, int* outTextY, CRect* outRect) {
    const CYogo* term = koutei.GetYogo(index);
    if (table == nullptr || term == nullptr || term->GetText().empty()) {
        return 0;
    }
    const CElemAttr& attr = term->GetAttr();
    const LOGFONT base = BaseFont(attr, DefaultYogoFont(layout, *term));
    std::string expanded = term->GetText();
    if (dc != nullptr) {
        FormatYogoText(koutei, layout, *term, expanded);
    }
    const TextExtent extent = LabelExtent(attr, base, layout, dc, term->GetText(), expanded);
    const bool vertical = IsVertical(attr);
    const int place = attr.m_form;
    const int dateKind = term->GetDateKind();

    int x1 = 0;
    int x2 = 0;
    int y = 0;
    GetYogoSegment(koutei, layout, dateKind, x1, x2, y);

    LabelBox box;
    if (IsOnLine(place)) {
        int along = x1 + GetStartLandSize(koutei, layout) + layout.Zoom(kNodeGap);
        if (place == kYogoPlaceMiddle) {
            along = x1 + (x2 - x1) / 2;
        } else if (place == kYogoPlaceEnd) {
            along = x2 - GetEndLandSize(koutei, layout) - layout.Zoom(kNodeGap);
        }
        const CElemAttr* defaults = YogoDefaults(layout);
        const StackPlace stack =
            StackOf(*table, layout, index, DateKindSlot(dateKind), place, vertical ? 1 : 0,
                    defaults != nullptr ? defaults->GetLineSpace() : 0);
        box = StackedBox(place, along, y, vertical, attr.GetLinkPosition() == 0,
                         koutei.GetLineShape() == kLineShapeSlantBar, HangingGap(koutei, layout),
                         stack, extent.length, extent.thickness);
    } else {
        int ax = x1 + (x2 - x1) / 2;
        int ay = y;
        GetYogoAnchor(koutei, layout, index, ax, ay);
        box.width = vertical ? extent.thickness : extent.length;
        box.height = vertical ? extent.length : extent.thickness;
        box.left = place == kYogoPlaceLeaderRight ? static_cast<std::int64_t>(ax) - box.width : ax;
        box.top = static_cast<std::int64_t>(ay) + box.height;
    }
    PutBox(box, vertical, outTextX, outTextY, outRect);
    return 1;
}

CRect GetYogoRect(const CKoutei& koutei, const CPageLayout& layout, CDC* dc, int index) {
    if (koutei.GetYogoCount() == 0) {
        return CRect();
    }
    const CYogo* any = koutei.GetYogo(0);
    const CElemAttr* defaults = YogoDefaults(layout);
    const LOGFONT defaultFont = defaults != nullptr ? defaults->GetLogFont() : any->GetLogFont();
    const std::unique_ptr<YogoStackTable> table =
        BuildYogoStackTable(koutei, layout, dc, defaultFont);
    if (!table) {
        return CRect();
    }
    CRect bounds;
    const int first = index < 0 ? koutei.GetYogoCount() - 1 : index;
    const int last = index < 0 ? 0 : index;
    for (int i = first; i >= last; --i) {
        CRect rect;
        if (CalcYogoRect(koutei, layout, dc, i, table.get(), nullptr, nullptr, &rect) != 0) {
            bounds = UnionLogRect(bounds, rect);
        }
    }
    return bounds;
}

} // namespace tembra
