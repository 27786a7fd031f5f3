#include "dialogs/attributes/core/KouteiAttrFields.h"

#include "dialogs/attributes/core/AttrCodeTables.h"
#include "model/ConfigChart.h"

namespace tembra {

namespace {

constexpr KouteiNumberField kNumbers[] = {
    {1035, "矢印 長さ (×0.1mm)", "ArrowLength", 5, 100, &KouteiAttrFields::arrowLength},
    {1032, "矢印 開き (度)", "ArrowAngle", 10, 45, &KouteiAttrFields::arrowAngle},
    {1144, "曲角半径 (×0.1mm)", "CornerSize", 5, 100, &KouteiAttrFields::cornerSize},
    {1298, "囲み角度 (度)", "KakomiAngle", 30, 90, &KouteiAttrFields::kakomiAngle},
    {1289, "傾斜幅 (×0.1mm)", "Inclined", 0, 999, &KouteiAttrFields::inclined},
    {1042, "バー 高さ (×0.1mm)", "BarHeight", 5, 500, &KouteiAttrFields::barHeight},
    {1549, "実線幅 標準 (×0.1mm)", "NormalWidth", 0, 50, &KouteiAttrFields::normalWidth},
    {1550, "実線幅 細線 (×0.1mm)", "ThinWidth", 0, 50, &KouteiAttrFields::thinWidth},
    {1548, "実線幅 太線 (×0.1mm)", "BoldWidth", 0, 50, &KouteiAttrFields::boldWidth},
    {1384, "ノード半径 (×0.1mm)", "Radius", 5, 100, &KouteiAttrFields::nodeRadius},
};

// The width fields by their entry of the line-width table.
constexpr int KouteiAttrFields::*kWidthEntries[CWidthSet::kCount] = {
    &KouteiAttrFields::normalWidth, &KouteiAttrFields::thinWidth, &KouteiAttrFields::boldWidth};

WORD Word(int value) {
    return static_cast<WORD>(value);
}

} // namespace

std::span<const KouteiNumberField> KouteiNumberFields() {
    return kNumbers;
}

KouteiAttrFields LoadKouteiBlock(const CKouteiAttr& line, const CLandAttr& node,
                                 bool withMilestones) {
    KouteiAttrFields f;
    f.type = PositionOfCode(LineTypeTable(), line.m_type);
    f.width = PositionOfCode(LineWidthTable(), line.m_width);
    f.color = ColorPosition(line.m_color);
    f.customColor = line.m_color;
    f.holiday = PositionOfCode(HolidayTable(), line.m_holiday);
    f.style = PositionOfCode(StyleTable(), line.m_style);
    f.hatch = PositionOfCode(HatchTable(), line.m_hatch);
    f.slanted = (line.m_subStyle & KouteiAttrFields::kSlanted) != 0;
    f.noArrow = (line.m_subStyle & KouteiAttrFields::kNoArrow) != 0;
    f.nodeShape = PositionOfCode(NodeShapeTable(withMilestones), node.m_style);
    f.nodeColor = ColorPosition(node.m_color);
    f.nodeCustomColor = node.m_color;
    f.nodeRadius = node.m_radius;
    f.nodeSize = node.m_size;
    return f;
}

KouteiAttrFields LoadKouteiDefaults(const CConfigChart& chart) {
    KouteiAttrFields f = LoadKouteiBlock(chart.GetKouteiAttr(), chart.GetLandAttr(), false);
    f.arrowLength = chart.GetArrowLength();
    f.arrowAngle = chart.GetArrowAngle();
    f.cornerSize = chart.GetCornerSize();
    f.kakomiAngle = chart.GetKakomiAngle();
    f.inclined = chart.GetInclined();
    f.barHeight = chart.GetBarHeight();
    for (std::size_t i = 0; i < CWidthSet::kCount; ++i) {
        f.*kWidthEntries[i] = chart.GetKouteiWidthSet().GetAt(static_cast<int>(i));
    }
    return f;
}

void StoreKouteiDefaults(const KouteiAttrFields& fields, CConfigChart& chart) {
    CLandAttr& node = chart.GetLandAttr();
    StoreKouteiBlock(fields, false, kChangeAllKoutei, chart.GetKouteiAttr(), node);
    node.m_color = ColorAtPosition(fields.nodeColor, fields.nodeCustomColor);
    node.m_radius = Word(fields.nodeRadius);
    chart.SetArrowLength(Word(fields.arrowLength));
    chart.SetArrowAngle(Word(fields.arrowAngle));
    chart.SetCornerSize(Word(fields.cornerSize));
    chart.SetKakomiAngle(static_cast<short>(fields.kakomiAngle));
    chart.SetInclined(Word(fields.inclined));
    chart.SetBarHeight(Word(fields.barHeight));
    for (std::size_t i = 0; i < CWidthSet::kCount; ++i) {
        chart.GetKouteiWidthSet().SetAt(static_cast<int>(i), Word(fields.*kWidthEntries[i]));
    }
}

void StoreKouteiBlock(const KouteiAttrFields& fields, bool selectionMode, unsigned changes,
                      CKouteiAttr& line, CLandAttr& node) {
    const auto counts = [&](unsigned bit) { return !selectionMode || (changes & bit) != 0; };
    // The shorter list of the defaults dialog is the head of the selection dialog's, so one
    // table turns both into codes.
    line.m_type =
        counts(kChangeType) ? Word(CodeAtPosition(LineTypeTable(), fields.type)) : kLeaveWord;
    line.m_width = static_cast<short>(
        counts(kChangeWidth) ? CodeAtPosition(LineWidthTable(), fields.width) : kLeaveWord);
    line.m_color =
        counts(kChangeColor) ? ColorAtPosition(fields.color, fields.customColor) : kLeaveColor;
    line.m_holiday =
        counts(kChangeHoliday) ? Word(CodeAtPosition(HolidayTable(), fields.holiday)) : kLeaveWord;
    line.m_style =
        counts(kChangeStyle) ? Word(CodeAtPosition(StyleTable(), fields.style)) : kLeaveWord;
    line.m_subStyle = counts(kChangeSubStyle)
                          ? Word((fields.slanted ? KouteiAttrFields::kSlanted : 0) |
                                 (fields.noArrow ? KouteiAttrFields::kNoArrow : 0))
                          : kLeaveWord;
    line.m_hatch =
        counts(kChangeHatch) ? Word(CodeAtPosition(HatchTable(), fields.hatch)) : kLeaveWord;
    node.m_style = counts(kChangeShape)
                       ? Word(CodeAtPosition(NodeShapeTable(true), fields.nodeShape))
                       : kLeaveWord;
    if (selectionMode) {
        node.m_size = counts(kChangeSize) ? Word(fields.nodeSize) : kLeaveWord;
        node.m_color = kLeaveColor;
        node.m_radius = kLeaveWord;
        node.m_type = kLeaveWord;
    } else {
        node.m_size = Word(fields.nodeSize);
    }
}

} // namespace tembra
