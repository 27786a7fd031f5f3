// The print settings part: the options of a printed chart, kept in the user profile section
// "PrintConfig" as the application's defaults, and carried by every document's print header
// (which derives from this class and takes the values by Copy, never from the profile).
//
// Beside the profile keys the part holds the texts of the period and creation-date items of the
// print header, with a flag each that tells whether they were set explicitly, and the local-layout
// flag of a header that holds a layout edited for its chart alone. These have no profile key.
#pragma once

#include "model/ConfigKeys.h"
#include "platform/Types.h"

#include <array>
#include <functional>
#include <string>

namespace tembra {

class CConfigPrint {
public:
    static constexpr int kPeriodTextCount = 6; // from-year, -month, -day, to-year, -month, -day
    static constexpr int kDateTextCount = 3;   // year, month, day of the creation date

    using PeriodTexts = std::array<std::string, kPeriodTextCount>;
    using DateTexts = std::array<std::string, kDateTextCount>;

    // Every field takes its built-in default.
    CConfigPrint();
    CConfigPrint(const CConfigPrint&) = default;
    CConfigPrint& operator=(const CConfigPrint&) = default;
    virtual ~CConfigPrint() = default;

    // Every field of another part, the local-layout flag excepted.
    virtual CConfigPrint& Copy(const CConfigPrint& source);
    // Resets every field to its built-in default; then, when fromProfile is non-zero, reads each
    // key of "PrintConfig" with the default as the fallback. Returns TRUE.
    virtual BOOL Read(BOOL fromProfile);
    // Writes every key of "PrintConfig" (the mask is not looked at). FALSE when the profile
    // could not be written.
    virtual BOOL Write(UINT mask);

    // ---- The profile keys -------------------------------------------------------------------
    WORD GetSelect() const { return m_select; }
    void SetSelect(WORD v) { m_select = v; }
    short GetKikan() const { return m_kikan; }
    void SetKikan(short v) { m_kikan = v; }
    WORD GetToDay() const { return m_toDay; }
    void SetToDay(WORD v) { m_toDay = v; }
    short GetAmikake() const { return m_amikake; }
    void SetAmikake(short v) { m_amikake = v; }
    // The ruled-line setting: two byte values packed as (first << 8) | second; the first is the
    // kind of the vertical fine lines, the second that of the horizontal ones.
    WORD GetKeisen() const { return m_keisen; }
    void SetKeisen(WORD v) { m_keisen = v; }
    BYTE GetKeisenVertical() const { return static_cast<BYTE>(m_keisen >> 8); }
    BYTE GetKeisenHorizontal() const { return static_cast<BYTE>(m_keisen & 0xFF); }
    void SetKeisen(int vertical, int horizontal) {
        m_keisen = static_cast<WORD>(((vertical & 0xFF) << 8) | (horizontal & 0xFF));
    }
    COLORREF GetColor() const { return m_color; }
    void SetColor(COLORREF v) { m_color = v; }
    short GetVoldLineEx() const { return m_voldLineEx; }
    void SetVoldLineEx(short v) { m_voldLineEx = v; }
    COLORREF GetAmikakeColor() const { return m_amikakeColor; }
    void SetAmikakeColor(COLORREF v) { m_amikakeColor = v; }
    short GetHolidayLine() const { return m_holidayLine; }
    void SetHolidayLine(short v) { m_holidayLine = v; }
    WORD GetZoomPrinting() const { return m_zoomPrinting; }
    void SetZoomPrinting(WORD v) { m_zoomPrinting = v; }
    short GetCrossType() const { return m_crossType; }
    void SetCrossType(short v) { m_crossType = v; }
    short GetArcRay() const { return m_arcRay; }
    void SetArcRay(short v) { m_arcRay = v; }
    COLORREF GetSatdayColor() const { return m_satdayColor; }
    void SetSatdayColor(COLORREF v) { m_satdayColor = v; }
    COLORREF GetSundayColor() const { return m_sundayColor; }
    void SetSundayColor(COLORREF v) { m_sundayColor = v; }
    const std::string& GetLineRate() const { return m_lineRate; }
    void SetLineRate(const std::string& v) { m_lineRate = v; }
    LONG GetHatch() const { return m_hatch; }
    void SetHatch(LONG v) { m_hatch = v; }
    LONG GetKeisenDotFlag() const { return m_keisenDotFlag; }
    void SetKeisenDotFlag(LONG v) { m_keisenDotFlag = v; }
    WORD GetKeisenDotWidth() const { return m_keisenDotWidth; }
    void SetKeisenDotWidth(WORD v) { m_keisenDotWidth = v; }
    WORD GetKeisenDotItv() const { return m_keisenDotItv; }
    void SetKeisenDotItv(WORD v) { m_keisenDotItv = v; }
    WORD GetKeisenDotLen() const { return m_keisenDotLen; }
    void SetKeisenDotLen(WORD v) { m_keisenDotLen = v; }
    WORD GetKeisenDot2Width() const { return m_keisenDot2Width; }
    void SetKeisenDot2Width(WORD v) { m_keisenDot2Width = v; }

    // ---- The header texts (no profile keys) -------------------------------------------------
    // 1 when the six period texts were set explicitly, 0 when they are cleared.
    short GetPeriodSetFlag() const { return m_periodSet; }
    void SetPeriodSetFlag(short v) { m_periodSet = v; }
    const PeriodTexts& GetHeaderTexts() const { return m_periodTexts; }
    void SetHeaderTexts(const PeriodTexts& texts) { m_periodTexts = texts; }
    // The same for the three creation-date texts.
    short GetDateSetFlag() const { return m_dateSet; }
    void SetDateSetFlag(short v) { m_dateSet = v; }
    const DateTexts& GetHeaderTexts2() const { return m_dateTexts; }
    void SetHeaderTexts2(const DateTexts& texts) { m_dateTexts = texts; }
    // 1 while a print header holds a layout edited for its chart in the layout editor.
    short GetLocalLayout() const { return m_localLayout; }
    void SetLocalLayout(short v) { m_localLayout = v; }

    // The profile section of the part.
    static constexpr const char* kSection = "PrintConfig";

private:
    ConfigKeyTable Keys();

    WORD m_select = 0;
    short m_kikan = 0;
    WORD m_toDay = 0;
    short m_amikake = 0;
    WORD m_keisen = 0;
    COLORREF m_color = 0;
    short m_voldLineEx = 0;
    COLORREF m_amikakeColor = 0;
    short m_holidayLine = 0;
    WORD m_zoomPrinting = 0;
    short m_crossType = 0;
    short m_arcRay = 0;
    COLORREF m_satdayColor = 0;
    COLORREF m_sundayColor = 0;
    std::string m_lineRate;
    LONG m_hatch = 0;
    LONG m_keisenDotFlag = 0;
    WORD m_keisenDotWidth = 0;
    WORD m_keisenDotItv = 0;
    WORD m_keisenDotLen = 0;
    WORD m_keisenDot2Width = 0;

    short m_periodSet = 0;
    PeriodTexts m_periodTexts;
    short m_dateSet = 0;
    DateTexts m_dateTexts;
    short m_localLayout = 0;
};

// The application's default print settings (the print part of the application settings), which
// a print header copies when it is filled from the settings. The application settings install a
// source that answers their own part; until then a part with the built-in defaults answers.
using AppPrintConfigSource = std::function<const CConfigPrint&()>;
const CConfigPrint& GetAppPrintConfig();
// Installs a source (an empty one restores the built-in defaults); returns the previous one.
AppPrintConfigSource SetAppPrintConfigSource(AppPrintConfigSource source);

} // namespace tembra
