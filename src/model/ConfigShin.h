// The progress settings part: progress lines and their date labels, kept in the user profile
// section "ShinConfig". The application's settings hold one; every document's settings record
// copies it.
#pragma once

#include "model/AttrBlocks.h"
#include "model/ConfigKeys.h"
#include "platform/Types.h"

#include <cstddef>
#include <string>

namespace tembra {

// Progress lines and their date labels ("ShinConfig").
class CConfigShin {
public:
    static constexpr std::size_t kDateFormatMax = 31;

    CConfigShin() = default;
    CConfigShin(const CConfigShin&) = default;
    CConfigShin& operator=(const CConfigShin&) = default;
    virtual ~CConfigShin() = default;

    virtual CConfigShin& Copy(const CConfigShin& source);
    virtual BOOL Read(BOOL fromProfile);
    virtual BOOL Write(UINT mask);

    WORD GetStyle() const { return m_style; }
    void SetStyle(WORD v) { m_style = v; }
    WORD GetSubStyle() const { return m_subStyle; }
    void SetSubStyle(WORD v) { m_subStyle = v; }
    WORD GetType() const { return m_type; }
    void SetType(WORD v) { m_type = v; }
    short GetWidth() const { return m_width; }
    void SetWidth(short v) { m_width = v; }
    COLORREF GetColor() const { return m_color; }
    void SetColor(COLORREF v) { m_color = v; }
    WORD GetLinked() const { return m_linked; }
    void SetLinked(WORD v) { m_linked = v; }
    const CWidthSet& GetWidthSet() const { return m_widths; }
    CWidthSet& GetWidthSet() { return m_widths; }
    COLORREF GetDateColor() const { return m_dateColor; }
    void SetDateColor(COLORREF v) { m_dateColor = v; }
    LONG GetDateValue1() const { return m_dateValue1; }
    LONG GetDateValue2() const { return m_dateValue2; }
    void SetDateValue1(LONG v) { m_dateValue1 = v; }
    void SetDateValue2(LONG v) { m_dateValue2 = v; }
    LONG GetDateDisp() const { return m_dateDisp; }
    void SetDateDisp(LONG v) { m_dateDisp = v; }
    const std::string& GetDateFormat() const { return m_dateFormat; }
    // Cut to 31 bytes on a character boundary.
    void SetDateFormat(const std::string& format);
    const LOGFONT& GetLogFont() const { return m_font; }
    void SetLogFont(const LOGFONT& font) { m_font = font; }

    static constexpr const char* kSection = "ShinConfig";

private:
    ConfigKeyTable Keys();

    WORD m_style = 0;
    WORD m_subStyle = 0;
    WORD m_type = 0;
    short m_width = 0;
    COLORREF m_color = 0;
    WORD m_linked = 0;
    CWidthSet m_widths;
    COLORREF m_dateColor = 0;
    LONG m_dateValue1 = 0;
    LONG m_dateValue2 = 0;
    LONG m_dateDisp = 0;
    std::string m_dateFormat;
    LOGFONT m_font;
};

} // namespace tembra
