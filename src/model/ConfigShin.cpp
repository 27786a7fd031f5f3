#include "model/ConfigShin.h"

#include "model/AppColors.h"
#include "model/ConfigBase.h"
#include "platform/Sjis.h"

namespace tembra {

CConfigShin& CConfigShin::Copy(const CConfigShin& source) {
    *this = source;
    return *this;
}

void CConfigShin::SetDateFormat(const std::string& format) {
    m_dateFormat = Sjis::Cut(format, kDateFormatMax);
}

ConfigKeyTable CConfigShin::Keys() {
    ConfigKeyTable keys = WidthKeys(m_widths);
    keys.insert(
        keys.end(),
        {
            ConfigKey::Word("Style", m_style, 0),
            ConfigKey::Word("SubStyle", m_subStyle, 0),
            ConfigKey::Word("Type", m_type, 0),
            ConfigKey::Short("Width", m_width, 2),
            ConfigKey::Color("Color", m_color, RGB(255, 0, 0)).AppColor(kAppColorShin),
            ConfigKey::Word("Linked", m_linked, 0),
            ConfigKey::Int("DateDisp", m_dateDisp, 1),
            ConfigKey::Text("DateFormat", m_dateFormat, "mm/dd").Capacity(kDateFormatMax),
            ConfigKey::Color("DateColor", m_dateColor, RGB(255, 0, 0)).AppColor(kAppColorShinDate),
            ConfigKey::Int(nullptr, m_dateValue1, 0),
            ConfigKey::Int(nullptr, m_dateValue2, 0),
        });
    return keys;
}

BOOL CConfigShin::Read(BOOL fromProfile) {
    m_font = AppDefaultFont(kFontShin);
    return ReadPartKeys(kSection, Keys(), fromProfile);
}

BOOL CConfigShin::Write(UINT /*mask*/) {
    return WritePartKeys(kSection, Keys());
}

} // namespace tembra
