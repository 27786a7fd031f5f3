#include "model/ConfigZukei.h"

#include "model/AppColors.h"
#include "model/ConfigBase.h"

namespace tembra {

CConfigZukei& CConfigZukei::Copy(const CConfigZukei& source) {
    *this = source;
    return *this;
}

ConfigKeyTable CConfigZukei::Keys() {
    ConfigKeyTable keys = WidthKeys(m_widths);
    keys.insert(
        keys.end(),
        {
            ConfigKey::Short("Style", m_attr.m_style, 0),
            ConfigKey::Short("PointMode", m_attr.m_pointMode, 0),
            ConfigKey::Word("Type", m_attr.m_type, 0),
            ConfigKey::Short("Width", m_attr.m_width, 0),
            ConfigKey::Word("Hatch", m_attr.m_hatch, 100),
            ConfigKey::Word("BoxRay", m_attr.m_boxRay, 30),
            ConfigKey::Color("Color", m_attr.m_color, RGB(0, 0, 0)).AppColor(kAppColorZukeiLine),
            ConfigKey::Color("HatchColor", m_attr.m_hatchColor, RGB(0, 0, 0))
                .AppColor(kAppColorZukeiHatch),
            ConfigKey::Word("PartitionFlag", m_partitionFlag, 0),
            // The grid of the shape editor: parts of a day and of a row; 0 ("なし") snaps
            // nothing on that axis, so it is read back as it was written.
            ConfigKey::Word("TimePartition", m_timePartition, 1),
            ConfigKey::Word("LinePartition", m_linePartition, 1),
            ConfigKey::Word("Form", m_text.m_form, 0),
            ConfigKey::Word("Attrb", m_text.m_attrb, 0x0100),
            ConfigKey::Color("TextColor", m_text.m_color, RGB(0, 0, 0)),
        });
    return keys;
}

BOOL CConfigZukei::Read(BOOL fromProfile) {
    m_attr = CZukeiAttr{};
    m_text = CTextAttr{};
    m_font = AppDefaultFont(kFontZukei);
    return ReadPartKeys(kSection, Keys(), fromProfile);
}

BOOL CConfigZukei::Write(UINT /*mask*/) {
    return WritePartKeys(kSection, Keys());
}

} // namespace tembra
