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

// The settings' resource label block; null without a settings record.
const CElemAttr* ShigenDefaults(const CPageLayout& layout) {
    const CSyokiSet* set = layout.GetSyokiSet();
    return set != nullptr ? &set->GetChart().GetShigenAttr() : nullptr;
}

// The layout of the resource label's lines, computed once for the whole label.
class ShigenLabelLayout {
public:
    ShigenLabelLayout(const CKoutei& koutei, const CPageLayout& layout, CDC* dc)
        : m_koutei(koutei), m_layout(layout), m_dc(dc), m_list(*koutei.GetShigen()),
          m_attr(m_list.GetAttr()) {
        const CElemAttr* defaults = ShigenDefaults(layout);
        m_base =
            BaseFont(m_attr, defaults != nullptr ? defaults->GetLogFont() : m_list.GetLogFont());
        m_font = TextFont(m_attr, m_base, layout, true);
        m_vertical = IsVertical(m_attr);
        m_thickness = std::abs(static_cast<int>(m_font.lfHeight));
        const int lineSpace = defaults != nullptr ? defaults->GetLineSpace() : 0;
        m_spacing = TimesFactor(m_thickness, static_cast<WORD>(lineSpace)) / 100;
        m_count = m_list.GetCount();
        m_document = layout.GetDocument();
        if (m_document != nullptr) {
            m_document->MeasureShigenList(m_list, m_nameLength, m_largest);
        }

        GetYogoSegment(koutei, layout, kYogoOnLine, m_x1, m_x2, m_lineY);
        // Below terms that reach under the line.
        const CRect terms = GetYogoRect(koutei, layout, dc, -1);
        if (!terms.IsRectNull() && terms.bottom < m_lineY) {
            m_drop = m_lineY - terms.bottom;
        }
    }

    int Count() const { return m_count; }

    void Line(int line, int* outTextX, int* outTextY, CRect* outRect) const {
        const TextExtent extent = Extent(line);
        const int room = m_thickness + m_spacing;
        StackPlace stack;
        stack.offset = Clamped(static_cast<std::int64_t>(m_count - 1 - line) * room);
        stack.total = Clamped(static_cast<std::int64_t>(m_count) * room - m_spacing);
        const bool centred = m_layout.IsShigenCentered() != FALSE;
        const int place = centred ? kYogoPlaceMiddle : kYogoPlaceStart;
        const int along = centred ? m_x1 + std::abs(m_x2 - m_x1) / 2
                                  : m_x1 + GetStartLandSize(m_koutei, m_layout);
        LabelBox box =
            StackedBox(place, along, m_lineY, m_vertical, m_attr.GetLinkPosition() == 0,
                       m_koutei.GetLineShape() == kLineShapeSlantBar,
                       HangingGap(m_koutei, m_layout), stack, extent.length, extent.thickness);
        box.top -= m_drop;
        PutBox(box, m_vertical, outTextX, outTextY, outRect);
    }

private:
    // The document's text of the line (the widest line for an entry without an amount).
    std::string Text(int line) const {
        if (m_document == nullptr) {
            return {};
        }
        const CShigenData& entry = *m_list.GetEntries()[static_cast<std::size_t>(line)];
        if (entry.GetQuantity() == 0) {
            if (!m_widest) {
                m_widest = m_document->GetShigenLabel(m_list, -1);
            }
            return *m_widest;
        }
        std::string name;
        if (m_document->GetShigenName(static_cast<int>(entry.GetNumber()) - 1, name) < 0) {
            name.clear();
        }
        return FormatShigenLine(name, entry.GetQuantity(), m_nameLength, m_largest);
    }

    // Measured on the device context, else |font width| x (longest name + digits of the
    // largest amount + 3), + 2 when the layout shows amounts only (display mode 2).
    TextExtent Extent(int line) const {
        if (m_dc != nullptr) {
            const CSize size = MeasureText(m_dc, m_font, Text(line));
            return {std::abs(static_cast<int>(size.cx)), std::abs(static_cast<int>(size.cy))};
        }
        const int digits = static_cast<int>(StringPrintf("%d", m_largest).size());
        const int brackets = m_layout.GetShigenDispMode() == 2 ? 2 : 3;
        const std::int64_t chars = static_cast<std::int64_t>(m_nameLength) + digits + brackets;
        return {Clamped(static_cast<std::int64_t>(std::abs(m_font.lfWidth)) * chars), m_thickness};
    }

    const CKoutei& m_koutei;
    const CPageLayout& m_layout;
    CDC* m_dc;
    const CShigen& m_list;
    const CElemAttr& m_attr;
    const IPageLayoutDocument* m_document = nullptr;
    LOGFONT m_base;
    LOGFONT m_font;
    bool m_vertical = false;
    int m_thickness = 0;
    int m_spacing = 0;
    int m_count = 0;
    int m_nameLength = 0;
    int m_largest = 0;
    int m_x1 = 0;
    int m_x2 = 0;
    int m_lineY = 0;
    int m_drop = 0;
    mutable std::optional<std::string> m_widest;
};

} // namespace

int CalcShigenRect(const CKoutei& koutei, const CPageLayout& layout, CDC* dc, int line,
                   int* outTextX, int* outTextY, CRect* outRect) {
    if (line < 0 || line >= koutei.GetShigenCount()) {
        return 0;
    }
    const ShigenLabelLayout label(koutei, layout, dc);
    label.Line(line, outTextX, outTextY, outRect);
    return 1;
}

CRect GetShigenRect(const CKoutei& koutei, const CPageLayout& layout, CDC* dc, int index) {
    const int count = koutei.GetShigenCount();
    if (count == 0 || index >= count) {
        return CRect();
    }
    const ShigenLabelLayout label(koutei, layout, dc);
    CRect bounds;
    const int first = index < 0 ? 0 : index;
    const int last = index < 0 ? count - 1 : index;
    for (int i = first; i <= last; ++i) {
        CRect rect;
        label.Line(i, nullptr, nullptr, &rect);
        bounds = UnionLogRect(bounds, rect);
    }
    return bounds;
}

} // namespace tembra
