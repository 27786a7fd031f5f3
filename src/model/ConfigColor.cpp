#include "model/ConfigColor.h"

namespace tembra {

CConfigColor& CConfigColor::Copy(const CConfigColor& source) {
    *this = source;
    return *this;
}

ConfigKeyTable CConfigColor::Keys() {
    return {
        ConfigKey::Color("EditWork", m_editWork, RGB(0, 255, 255)),
        ConfigKey::Color("EditBold", m_editBold, RGB(255, 0, 0)),
        ConfigKey::Color("HolidayMesh", m_holidayMesh, RGB(255, 225, 225)),
        ConfigKey::Color("Linked", m_linked, RGB(0, 0, 255)),
    };
}

BOOL CConfigColor::Read(BOOL fromProfile) {
    return ReadPartKeys(kSection, Keys(), fromProfile);
}

BOOL CConfigColor::Write(UINT /*mask*/) {
    return WritePartKeys(kSection, Keys());
}

} // namespace tembra
