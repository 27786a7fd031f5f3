// The eleven drawing sizes of the initial sizes dialog (181 "サイズ初期設定"): node radius,
// process shapes, arrows, term line spacing and the three process line widths, each a word of
// the chart settings part with the range the dialog accepts.
#pragma once

#include <array>

namespace tembra {

class CConfigChart;

enum SizeInitField : int {
    kSizeRadius,      // "Radius" of the node settings, 0.1 mm
    kSizeKakomiAngle, // "KakomiAngle": the angle of a framed process's < > ends, degrees
    kSizeCornerSize,  // "CornerSize": the bend radius, 0.1 mm
    kSizeBarHeight,   // "BarHeight": the thickness of a bar process, 0.1 mm
    kSizeArrowLength, // "ArrowLength", 0.1 mm
    kSizeArrowAngle,  // "ArrowAngle": the opening of an arrow head, degrees
    kSizeInclined,    // "Inclined": the slant of cranks and elbows, 0.1 mm
    kSizeLineSpace,   // "LineSpace" of the term labels: % of the height between rows
    kSizeNormalWidth, // entry 0 of the process line widths, 0.1 mm
    kSizeThinWidth,   // entry 1
    kSizeBoldWidth,   // entry 2
    kSizeFieldCount
};

struct SizeInitRange {
    int min;
    int max;
};

using SizeInitValues = std::array<int, kSizeFieldCount>;

// The accepted range of each field, by SizeInitField.
const std::array<SizeInitRange, kSizeFieldCount>& SizeInitRanges();

SizeInitValues LoadSizeInit(const CConfigChart& chart);
// Writes the values into their words; the caller has checked the ranges.
void StoreSizeInit(const SizeInitValues& values, CConfigChart& chart);

} // namespace tembra
