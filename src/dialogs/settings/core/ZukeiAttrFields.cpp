#include "dialogs/settings/core/ZukeiAttrFields.h"

#include "dialogs/settings/core/AttrComboTables.h"
#include "model/ConfigZukei.h"

namespace tembra {

namespace {

constexpr WORD kTextBold = 4;
constexpr WORD kVAlignBits = 256 | 512;

int StylePosition(short code) {
    const auto styles = ShapeStyleTable(false);
    for (std::size_t i = 0; i < styles.size(); ++i) {
        if (styles[i].code == code) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

} // namespace

ZukeiAttrFields ZukeiAttrFields::From(const CZukeiAttr& attr) {
    ZukeiAttrFields f;
    f.styleCode = attr.m_style;
    f.style = StylePosition(attr.m_style);
    f.pointMode = PositionOfCode(PointModeTable(), attr.m_pointMode);
    f.lineType = PositionOfCode(LineTypeTable(), attr.m_type);
    f.width = PositionOfCode(LineWidthTable(), attr.m_width);
    f.color = ColorChoice::From(attr.m_color);
    f.hatch = PositionOfCode(HatchTable(), attr.m_hatch);
    f.hatchColor = ColorChoice::From(attr.m_hatchColor);
    f.boxRay = attr.m_boxRay;
    return f;
}

void ZukeiAttrFields::WriteTo(CZukeiAttr& attr) const {
    attr.m_style =
        style >= 0 ? static_cast<short>(CodeAtPosition(ShapeStyleTable(false), style)) : styleCode;
    attr.m_pointMode = static_cast<short>(CodeAtPosition(PointModeTable(), pointMode));
    attr.m_type = static_cast<WORD>(CodeAtPosition(LineTypeTable(), lineType));
    attr.m_width = static_cast<short>(CodeAtPosition(LineWidthTable(), width));
    attr.m_color = color.Color();
    attr.m_hatch = static_cast<WORD>(CodeAtPosition(HatchTable(), hatch));
    attr.m_hatchColor = hatchColor.Color();
    attr.m_boxRay = static_cast<WORD>(boxRay);
}

void ZukeiAttrFields::ReloadKeepingColors(const CZukeiAttr& attr) {
    const COLORREF lineKept = color.kept;
    const COLORREF hatchKept = hatchColor.kept;
    *this = From(attr);
    color.kept = lineKept;
    hatchColor.kept = hatchKept;
}

ZukeiTextGridFields ZukeiTextGridFields::From(const CConfigZukei& settings) {
    ZukeiTextGridFields f;
    for (int i = 0; i < 3; ++i) {
        f.widths[static_cast<std::size_t>(i)] = settings.GetWidthSet().GetAt(i);
    }
    f.grid = settings.GetPartitionFlag() != 0;
    // A division index from a damaged profile shows as なし.
    const int divisions = static_cast<int>(GridDivisionTable().size());
    f.dayDivision = settings.GetTimePartition() < divisions ? settings.GetTimePartition() : 0;
    f.rowDivision = settings.GetLinePartition() < divisions ? settings.GetLinePartition() : 0;
    const CTextAttr& text = settings.GetTextAttr();
    f.textColor = ColorChoice::From(text.m_color);
    f.bold = (text.m_attrb & kTextBold) != 0;
    f.hAlign = PositionOfCode(TextHAlignTable(), text.m_form);
    f.vAlign = PositionOfCode(TextVAlignTable(), text.m_attrb & kVAlignBits);
    return f;
}

void ZukeiTextGridFields::WriteTo(CConfigZukei& settings) const {
    for (int i = 0; i < 3; ++i) {
        settings.GetWidthSet().SetAt(i, widths[static_cast<std::size_t>(i)]);
    }
    settings.SetPartitionFlag(grid ? 1 : 0);
    settings.SetTimePartition(static_cast<WORD>(dayDivision));
    settings.SetLinePartition(static_cast<WORD>(rowDivision));
    CTextAttr& text = settings.GetTextAttr();
    text.m_color = textColor.Color();
    text.m_form = static_cast<WORD>(CodeAtPosition(TextHAlignTable(), hAlign));
    WORD flags = static_cast<WORD>(text.m_attrb & ~(kVAlignBits | kTextBold));
    flags = static_cast<WORD>(flags | CodeAtPosition(TextVAlignTable(), vAlign));
    if (bold) {
        flags = static_cast<WORD>(flags | kTextBold);
    }
    text.m_attrb = flags;
}

UINT ZukeiMaskFromChecks(const std::array<bool, ZukeiAttrFields::kApplyCount>& checks) {
    const auto table = ZukeiApplyTable();
    UINT mask = 0;
    for (std::size_t i = 0; i < checks.size(); ++i) {
        if (checks[i]) {
            mask |= static_cast<UINT>(table[i].code);
        }
    }
    return mask;
}

std::array<bool, ZukeiAttrFields::kApplyCount> ZukeiChecksFromMask(UINT mask) {
    const auto table = ZukeiApplyTable();
    std::array<bool, ZukeiAttrFields::kApplyCount> checks{};
    for (std::size_t i = 0; i < checks.size(); ++i) {
        checks[i] = (mask & static_cast<UINT>(table[i].code)) != 0;
    }
    return checks;
}

} // namespace tembra
