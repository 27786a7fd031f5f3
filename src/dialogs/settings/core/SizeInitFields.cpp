#include "dialogs/settings/core/SizeInitFields.h"

#include "model/ConfigChart.h"

namespace tembra {

const std::array<SizeInitRange, kSizeFieldCount>& SizeInitRanges() {
    static constexpr std::array<SizeInitRange, kSizeFieldCount> kRanges{{
        {5, 100},  // Radius
        {30, 90},  // KakomiAngle
        {5, 100},  // CornerSize
        {5, 500},  // BarHeight
        {5, 100},  // ArrowLength
        {10, 45},  // ArrowAngle
        {10, 999}, // Inclined
        {0, 100},  // LineSpace
        {0, 50},   // NormalWidth
        {0, 50},   // ThinWidth
        {0, 50},   // BoldWidth
    }};
    return kRanges;
}

SizeInitValues LoadSizeInit(const CConfigChart& chart) {
    const auto& widths = chart.GetKouteiWidthSet().m_width;
    return SizeInitValues{
        chart.GetLandAttr().m_radius,
        chart.GetKakomiAngle(),
        chart.GetCornerSize(),
        chart.GetBarHeight(),
        chart.GetArrowLength(),
        chart.GetArrowAngle(),
        chart.GetInclined(),
        chart.GetYogoAttr().m_lineSpace,
        widths[0],
        widths[1],
        widths[2],
    };
}

void StoreSizeInit(const SizeInitValues& v, CConfigChart& chart) {
    const auto word = [&v](SizeInitField field) { return static_cast<WORD>(v[field]); };
    chart.GetLandAttr().m_radius = word(kSizeRadius);
    chart.SetKakomiAngle(static_cast<short>(v[kSizeKakomiAngle]));
    chart.SetCornerSize(word(kSizeCornerSize));
    chart.SetBarHeight(word(kSizeBarHeight));
    chart.SetArrowLength(word(kSizeArrowLength));
    chart.SetArrowAngle(word(kSizeArrowAngle));
    chart.SetInclined(word(kSizeInclined));
    chart.GetYogoAttr().m_lineSpace = word(kSizeLineSpace);
    auto& widths = chart.GetKouteiWidthSet().m_width;
    widths[0] = word(kSizeNormalWidth);
    widths[1] = word(kSizeThinWidth);
    widths[2] = word(kSizeBoldWidth);
}

} // namespace tembra
