#include "model/ConfigEvent.h"

#include "model/AppColors.h"
#include "model/ConfigBase.h"

namespace tembra {

CConfigEvent& CConfigEvent::Copy(const CConfigEvent& source) {
    *this = source;
    return *this;
}

ConfigKeyTable CConfigEvent::Keys() {
    return {
        ConfigKey::Size(m_attr.m_fontHeigh, m_attr.m_fontWidth, 1, 1),
        ConfigKey::Word("Form", m_attr.m_form, 1),
        ConfigKey::Word("Attrb", m_attr.m_attrb, 0x1000),
        ConfigKey::Word("Revice", m_revice, 0x0102),
        ConfigKey::Int("OffsetX", m_attr.m_offsetX, 0),
        ConfigKey::Int("OffsetY", m_attr.m_offsetY, 0),
        ConfigKey::Color("Color", m_attr.m_color, RGB(0, 0, 0)).AppColor(kAppColorEvent),
    };
}

BOOL CConfigEvent::Read(BOOL fromProfile) {
    m_attr = CTextAttr{};
    m_font = AppDefaultFont(kFontEvent);
    return ReadPartKeys(kSection, Keys(), fromProfile);
}

BOOL CConfigEvent::Write(UINT /*mask*/) {
    return WritePartKeys(kSection, Keys());
}

} // namespace tembra
