#include "model/ConfigPrint.h"

#include <utility>

namespace tembra {

namespace {

const CConfigPrint& BuiltInPrintConfig() {
    static const CConfigPrint defaults;
    return defaults;
}

AppPrintConfigSource& AppSource() {
    static AppPrintConfigSource source;
    return source;
}

} // namespace

CConfigPrint::CConfigPrint() {
    ResetKeys(Keys());
}

CConfigPrint& CConfigPrint::Copy(const CConfigPrint& source) {
    if (&source == this) {
        return *this;
    }
    const short localLayout = m_localLayout;
    *this = source;
    m_localLayout = localLayout;
    return *this;
}

ConfigKeyTable CConfigPrint::Keys() {
    // The colours are read after "ArcRay", and "KeisenDotLen" before "KeisenDotItv".
    return {
        ConfigKey::Word("Select", m_select, 0),
        ConfigKey::Short("Kikan", m_kikan, 1),
        ConfigKey::Word("ToDay", m_toDay, 1),
        ConfigKey::Short("Amikake", m_amikake, 0),
        ConfigKey::Word("Keisen", m_keisen, 0),
        ConfigKey::Short("VoldLineEx", m_voldLineEx, 0),
        ConfigKey::Short("HolidayLine", m_holidayLine, 2),
        ConfigKey::Word("ZoomPrinting", m_zoomPrinting, 1),
        ConfigKey::Short("CrossType", m_crossType, 0),
        ConfigKey::Short("ArcRay", m_arcRay, 9),
        ConfigKey::Color("Color", m_color, RGB(0, 0, 0)),
        ConfigKey::Color("AmikakeColor", m_amikakeColor, RGB(255, 0, 0)),
        ConfigKey::Color("SatdayColor", m_satdayColor, RGB(0, 0, 255)),
        ConfigKey::Color("SundayColor", m_sundayColor, RGB(255, 0, 0)),
        ConfigKey::Text("LineRate", m_lineRate, "1.0"),
        ConfigKey::Int("Hatch", m_hatch, 1),
        ConfigKey::Int("KeisenDotFlag", m_keisenDotFlag, 0),
        ConfigKey::Word("KeisenDotWidth", m_keisenDotWidth, 1),
        ConfigKey::Word("KeisenDotLen", m_keisenDotLen, 10),
        ConfigKey::Word("KeisenDotItv", m_keisenDotItv, 10),
        ConfigKey::Word("KeisenDot2Width", m_keisenDot2Width, 2),
    };
}

BOOL CConfigPrint::Read(BOOL fromProfile) {
    // The header texts and flags go back to their defaults too.
    *this = CConfigPrint();
    if (fromProfile != FALSE) {
        ReadKeys(kSection, Keys());
    }
    return TRUE;
}

BOOL CConfigPrint::Write(UINT /*mask*/) {
    return WritePartKeys(kSection, Keys());
}

const CConfigPrint& GetAppPrintConfig() {
    const AppPrintConfigSource& source = AppSource();
    return source ? source() : BuiltInPrintConfig();
}

AppPrintConfigSource SetAppPrintConfigSource(AppPrintConfigSource source) {
    return std::exchange(AppSource(), std::move(source));
}

} // namespace tembra
