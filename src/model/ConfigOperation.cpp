#include "model/ConfigOperation.h"

namespace tembra {

CConfigOperation::CConfigOperation() {
    ResetKeys(Keys());
}

CConfigOperation& CConfigOperation::Copy(const CConfigOperation& source) {
    m_settings = source.m_settings;
    return *this;
}

ConfigKeyTable CConfigOperation::Keys() {
    return {
        ConfigKey::Int("GuideMode", m_settings.guideMode, 1),
        ConfigKey::Int("Wakunai", m_settings.wakunai, 1),
        ConfigKey::Int("EventBaseMove", m_settings.eventBaseMove, 1),
        ConfigKey::Int("WithYogo", m_settings.withYogo, 0),
        ConfigKey::Int("KouTempStyle", m_settings.kouTempStyle, 0),
        ConfigKey::Int("MultiEdit", m_settings.multiEdit, 0),
        ConfigKey::Int("HolidayAuto", m_settings.holidayAuto, 1),
        ConfigKey::Int("YogoAttach", m_settings.yogoAttach, 255),
    };
}

BOOL CConfigOperation::Read(BOOL fromProfile) {
    return ReadPartKeys(kSection, Keys(), fromProfile);
}

BOOL CConfigOperation::Write(UINT /*mask*/) {
    return WritePartKeys(kSection, Keys());
}

} // namespace tembra
