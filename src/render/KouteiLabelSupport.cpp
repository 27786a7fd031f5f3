#include "render/KouteiLabelSupport.h"

#include "model/ConfigChart.h"
#include "model/DcUtility.h"
#include "model/Koutei.h"
#include "model/SyokiSet.h"
#include "model/Utility.h"
#include "render/Geometry.h"
#include "render/KouteiLabels.h"
#include "render/PageLayout.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

namespace tembra {

namespace {

constexpr LONG kVerticalEscapement = 901;
constexpr BYTE kClipLhAngles = 0x10;

} // namespace

namespace labels {

int Clamped(std::int64_t v) {
    return ClampCoord(v);
}

bool IsOnLine(int place) {
    return place >= kYogoPlaceStart && place <= kYogoPlaceEnd;
}

bool IsVertical(const CElemAttr& attr) {
    return (attr.m_attrb & kLabelVertical) != 0;
}

bool IsUpright(const CElemAttr& attr) {
    return (attr.m_attrb & kLabelUprightSingleByte) != 0;
}

int TimesFactor(LONG value, WORD factor) {
    const std::int64_t product = static_cast<std::int64_t>(value) * factor;
    return static_cast<int>(std::clamp<std::int64_t>(product, std::numeric_limits<int>::min() / 2,
                                                     std::numeric_limits<int>::max() / 2));
}

LOGFONT BaseFont(const CElemAttr& attr, const LOGFONT& documentFont) {
    LOGFONT font = attr.m_ownFont != 0 ? attr.GetLogFont() : documentFont;
    if ((attr.m_attrb & kLabelBold) != 0) {
        font.lfWeight = FW_BOLD;
    }
    return font;
}

LOGFONT FactoredFont(const CElemAttr& attr, LOGFONT font, const CPageLayout& layout, bool swap,
                     bool zoom) {
    const WORD heightFactor = swap ? attr.m_fontWidth : attr.m_fontHeigh;
    const WORD widthFactor = swap ? attr.m_fontHeigh : attr.m_fontWidth;
    font.lfHeight = TimesFactor(font.lfHeight, heightFactor);
    font.lfWidth = TimesFactor(font.lfWidth, widthFactor);
    if (zoom) {
        font.lfHeight = layout.Zoom(font.lfHeight);
        font.lfWidth = layout.Zoom(font.lfWidth);
    }
    return font;
}

LOGFONT TextFont(const CElemAttr& attr, const LOGFONT& base, const CPageLayout& layout, bool zoom) {
    if (!IsVertical(attr)) {
        return FactoredFont(attr, base, layout, false, zoom);
    }
    LOGFONT font = FactoredFont(attr, base, layout, true, zoom);
    font.lfEscapement = kVerticalEscapement;
    font.lfOrientation = kVerticalEscapement;
    font.lfClipPrecision = static_cast<BYTE>(font.lfClipPrecision | kClipLhAngles);
    font.SetFaceName("@" + std::string(base.FaceName()));
    return font;
}

int HangingGap(const CKoutei& koutei, const CPageLayout& layout) {
    const CKouteiAttr& attr = koutei.GetLines()->GetAttr();
    const int h = layout.GetScaledBarHeight();
    const int k = HighByteOf(attr.m_style);
    int width = 0;
    switch (koutei.GetLineShape()) {
    case kLineShapeBar:
        width = h * k / 2;
        break;
    case kLineShapeSlantBar: {
        const int band = static_cast<int>(std::floor(h * k * 1.2 + 0.5));
        width = band - band / 2;
        break;
    }
    default:
        if (const CSyokiSet* set = layout.GetSyokiSet()) {
            width = layout.Zoom(set->GetChart().GetKouteiWidthSet().GetAt(attr.m_width));
        }
        break;
    }
    return 2 * std::abs(width);
}

void PutBox(const LabelBox& box, bool vertical, int* outTextX, int* outTextY, CRect* outRect) {
    const CRect rect(Clamped(box.left - 1), Clamped(box.top + 1), Clamped(box.left + box.width + 1),
                     Clamped(box.top - box.height - 1));
    if (outTextX != nullptr) {
        *outTextX = vertical ? rect.right - 1 : rect.left + 1;
    }
    if (outTextY != nullptr) {
        *outTextY = rect.top - 1;
    }
    if (outRect != nullptr) {
        *outRect = rect;
    }
}

LabelBox StackedBox(int place, int along, int lineY, bool vertical, bool standing, bool centred,
                    int gap, const StackPlace& stack, int length, int thickness) {
    LabelBox box;
    if (!vertical) {
        box.width = length;
        box.height = thickness;
        switch (place) {
        case kYogoPlaceMiddle:
            box.left = static_cast<std::int64_t>(along) - length / 2;
            break;
        case kYogoPlaceEnd:
            box.left = static_cast<std::int64_t>(along) - length;
            break;
        default:
            box.left = along;
            break;
        }
        if (centred) {
            box.top = static_cast<std::int64_t>(lineY) - stack.total / 2 + stack.offset + thickness;
        } else if (standing) {
            box.top = static_cast<std::int64_t>(lineY) + stack.offset + thickness;
        } else {
            box.top = static_cast<std::int64_t>(lineY) - gap - stack.offset;
        }
        return box;
    }
    box.width = thickness;
    box.height = length;
    switch (place) {
    case kYogoPlaceMiddle:
        box.left = static_cast<std::int64_t>(along) - stack.total / 2 + stack.offset;
        break;
    case kYogoPlaceEnd:
        box.left = static_cast<std::int64_t>(along) - stack.offset - thickness;
        break;
    default:
        box.left = static_cast<std::int64_t>(along) + stack.offset;
        break;
    }
    if (centred) {
        box.top = static_cast<std::int64_t>(lineY) + length / 2;
    } else if (standing) {
        box.top = static_cast<std::int64_t>(lineY) + length;
    } else {
        box.top = static_cast<std::int64_t>(lineY) - gap;
    }
    return box;
}

} // namespace labels

// ---- Label fonts --------------------------------------------------------------------------------

using namespace labels;

LOGFONT GetLabelTextFont(const CElemAttr& attr, const LOGFONT& defaultFont,
                         const CPageLayout& layout) {
    return TextFont(attr, BaseFont(attr, defaultFont), layout, true);
}

LOGFONT GetLabelUprightFont(const CElemAttr& attr, const LOGFONT& defaultFont,
                            const CPageLayout& layout) {
    return FactoredFont(attr, BaseFont(attr, defaultFont), layout, false, true);
}

} // namespace tembra
