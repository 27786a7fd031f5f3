#include "model/ConfigPrint.h"

#include "platform/Profile.h"

#include <cstdio>
#include <string>
#include <utility>

namespace tembra {

namespace {

std::string ColorText(COLORREF color) {
    return std::to_string(GetRValue(color)) + "," + std::to_string(GetGValue(color)) + "," +
           std::to_string(GetBValue(color));
}

// A colour key holds "%d,%d,%d"; only a value that scans as three numbers replaces the colour,
// each number cut to its low 8 bits.
COLORREF ReadColor(const char* key, COLORREF current) {
    const std::string text = GetProfileString(CConfigPrint::kSection, key, ColorText(current));
    int r = 0;
    int g = 0;
    int b = 0;
    if (std::sscanf(text.c_str(), "%d,%d,%d", &r, &g, &b) != 3) {
        return current;
    }
    return RGB(r, g, b);
}

UINT ReadInt(const char* key, long long current) {
    return GetProfileInt(CConfigPrint::kSection, key, static_cast<int>(current));
}

short ReadShort(const char* key, short current) {
    return static_cast<short>(ReadInt(key, current) & 0xFFFFu);
}

WORD ReadWord(const char* key, WORD current) {
    return static_cast<WORD>(ReadInt(key, current) & 0xFFFFu);
}

LONG ReadLong(const char* key, LONG current) {
    return static_cast<LONG>(ReadInt(key, current));
}

const CConfigPrint& BuiltInPrintConfig() {
    static const CConfigPrint defaults;
    return defaults;
}

AppPrintConfigSource& AppSource() {
    static AppPrintConfigSource source;
    return source;
}

} // namespace

CConfigPrint& CConfigPrint::Copy(const CConfigPrint& source) {
    if (&source == this) {
        return *this;
    }
    const short localLayout = m_localLayout;
    *this = source;
    m_localLayout = localLayout;
    return *this;
}

BOOL CConfigPrint::Read(BOOL fromProfile) {
    *this = CConfigPrint();
    if (!fromProfile) {
        return TRUE;
    }
    m_select = ReadWord("Select", m_select);
    m_kikan = ReadShort("Kikan", m_kikan);
    m_toDay = ReadWord("ToDay", m_toDay);
    m_amikake = ReadShort("Amikake", m_amikake);
    m_keisen = ReadWord("Keisen", m_keisen);
    m_voldLineEx = ReadShort("VoldLineEx", m_voldLineEx);
    m_holidayLine = ReadShort("HolidayLine", m_holidayLine);
    m_zoomPrinting = ReadWord("ZoomPrinting", m_zoomPrinting);
    m_crossType = ReadShort("CrossType", m_crossType);
    m_arcRay = ReadShort("ArcRay", m_arcRay);
    m_color = ReadColor("Color", m_color);
    m_amikakeColor = ReadColor("AmikakeColor", m_amikakeColor);
    m_satdayColor = ReadColor("SatdayColor", m_satdayColor);
    m_sundayColor = ReadColor("SundayColor", m_sundayColor);
    m_lineRate = GetProfileString(kSection, "LineRate", m_lineRate);
    m_hatch = ReadLong("Hatch", m_hatch);
    m_keisenDotFlag = ReadLong("KeisenDotFlag", m_keisenDotFlag);
    m_keisenDotWidth = ReadWord("KeisenDotWidth", m_keisenDotWidth);
    m_keisenDotLen = ReadWord("KeisenDotLen", m_keisenDotLen);
    m_keisenDotItv = ReadWord("KeisenDotItv", m_keisenDotItv);
    m_keisenDot2Width = ReadWord("KeisenDot2Width", m_keisenDot2Width);
    return TRUE;
}

BOOL CConfigPrint::Write(UINT /*mask*/) {
    bool ok = true;
    // Unsigned 16-bit fields are written zero-extended, signed ones sign-extended.
    auto writeInt = [&ok](const char* key, int value) {
        ok = WriteProfileInt(kSection, key, value) && ok;
    };
    auto writeColor = [&ok](const char* key, COLORREF color) {
        ok = WriteProfileString(kSection, key, ColorText(color).c_str()) && ok;
    };
    writeInt("Select", m_select);
    writeInt("Kikan", m_kikan);
    writeInt("ToDay", m_toDay);
    writeInt("Amikake", m_amikake);
    writeInt("Keisen", m_keisen);
    writeInt("VoldLineEx", m_voldLineEx);
    writeInt("HolidayLine", m_holidayLine);
    writeInt("ZoomPrinting", m_zoomPrinting);
    writeInt("CrossType", m_crossType);
    writeInt("ArcRay", m_arcRay);
    writeColor("Color", m_color);
    writeColor("AmikakeColor", m_amikakeColor);
    writeColor("SatdayColor", m_satdayColor);
    writeColor("SundayColor", m_sundayColor);
    ok = WriteProfileString(kSection, "LineRate", m_lineRate.c_str()) && ok;
    writeInt("Hatch", m_hatch);
    writeInt("KeisenDotFlag", m_keisenDotFlag);
    writeInt("KeisenDotWidth", m_keisenDotWidth);
    writeInt("KeisenDotLen", m_keisenDotLen);
    writeInt("KeisenDotItv", m_keisenDotItv);
    writeInt("KeisenDot2Width", m_keisenDot2Width);
    return ok ? TRUE : FALSE;
}

const CConfigPrint& GetAppPrintConfig() {
    const AppPrintConfigSource& source = AppSource();
    return source ? source() : BuiltInPrintConfig();
}

AppPrintConfigSource SetAppPrintConfigSource(AppPrintConfigSource source) {
    return std::exchange(AppSource(), std::move(source));
}

} // namespace tembra
