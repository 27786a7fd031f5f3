// The attribute blocks: the fixed-size value blocks that the settings parts hold as the
// defaults of new objects and that the records copy when they are created (line widths, text,
// item text, labels, process lines and nodes, shapes, date rows).
#pragma once

#include "platform/Types.h"

#include <array>
#include <cstddef>

namespace tembra {

// A three-entry line width table: normal, thin, bold ("NormalWidth", "ThinWidth", "BoldWidth").
struct CWidthSet {
    static constexpr std::size_t kCount = 3;
    static constexpr std::array<WORD, kCount> kBuiltIn{3, 1, 6};
    std::array<WORD, kCount> m_width = kBuiltIn;

    // Entry 0, 1 or 2; any other code gives the normal entry.
    WORD GetAt(int code) const;
    void SetAt(int code, WORD width);
    void Reset() { m_width = kBuiltIn; }
    bool operator==(const CWidthSet&) const = default;
};

// The text attribute block: the text-size words, placement form, colour and style flags shared
// by every text (shape texts store its first 12 bytes), followed by the event's two percent
// offsets, its own-font flag and a reserved tail.
struct CTextAttr {
    WORD m_fontHeigh = 0;
    WORD m_fontWidth = 0;
    WORD m_form = 0;
    COLORREF m_color = 0;
    WORD m_attrb = 0;
    LONG m_offsetX = 0;
    LONG m_offsetY = 0;
    short m_ownFont = 0;
    std::array<BYTE, 14> m_reserved{};

    // The packed size code height * 256 + (width & 0xFF).
    WORD GetSize() const {
        return static_cast<WORD>(((m_fontHeigh & 0xFF) << 8) | (m_fontWidth & 0xFF));
    }
    void SetSize(WORD packed) {
        m_fontHeigh = static_cast<WORD>(packed >> 8);
        m_fontWidth = static_cast<WORD>(packed & 0xFF);
    }
    void SetDefaultSize() { SetSize(0x0101); }
    void AddFlags(WORD mask) { m_attrb = static_cast<WORD>(m_attrb | mask); }
    void RemoveFlags(WORD mask) { m_attrb = static_cast<WORD>(m_attrb & ~mask); }
    bool operator==(const CTextAttr&) const = default;
};

// The item text block ("KoumokuConfig") with the item font.
struct CFontAttr {
    WORD m_fontHeigh = 0;
    WORD m_fontWidth = 0;
    WORD m_form = 0;
    COLORREF m_color = 0;
    WORD m_attrb = 0;
    WORD m_partition = 0; // seventh word
    WORD m_eventBase = 0; // eighth word
    std::array<WORD, 2> m_spare{};
    LOGFONT m_font;

    const LOGFONT& GetLogFont() const { return m_font; }
    void SetLogFont(const LOGFONT& font) { m_font = font; }
    bool operator==(const CFontAttr&) const = default;
};

// The label block of terms and resources ("YogoConfig", "ShigenConfig") with its font.
struct CElemAttr {
    WORD m_fontHeigh = 0;
    WORD m_fontWidth = 0;
    WORD m_form = 0;
    COLORREF m_color = 0;
    WORD m_attrb = 0;
    WORD m_linkWord = 0; // seventh word: the process part the label hangs on
    WORD m_stack = 0;
    short m_linkPosition = 0;
    LONG m_offsetX = 0;
    LONG m_offsetY = 0;
    LONG m_drawerX = 0;
    LONG m_drawerY = 0;
    short m_ownFont = 0;
    LOGFONT m_font;
    WORD m_spare = 0;
    WORD m_lineSpace = 0;
    WORD m_firstSpace = 0;

    const LOGFONT& GetLogFont() const { return m_font; }
    void SetLogFont(const LOGFONT& font) { m_font = font; }
    short GetLinkPosition() const { return m_linkPosition; }
    LONG GetOffset() const { return m_offsetX; }
    LONG GetOffsetY() const { return m_offsetY; }
    void SetOffset(LONG x) { m_offsetX = x; }
    void SetOffsetY(LONG y) { m_offsetY = y; }
    LONG GetDrawerX() const { return m_drawerX; }
    LONG GetDrawerY() const { return m_drawerY; }
    void SetDrawerX(LONG x) { m_drawerX = x; }
    void SetDrawerY(LONG y) { m_drawerY = y; }
    WORD GetLineSpace() const { return m_lineSpace; }
    WORD GetFirstSpace() const { return m_firstSpace; }
    bool operator==(const CElemAttr&) const = default;
};

// The line attribute block of a process (16 bytes in a process's line record).
struct CKouteiAttr {
    WORD m_style = 0;
    WORD m_subStyle = 0;
    WORD m_type = 0;
    short m_width = 0;
    COLORREF m_color = 0;
    WORD m_holiday = 0;
    WORD m_hatch = 0;

    WORD GetHoliday() const { return m_holiday; }
    void SetHatch(WORD hatch) { m_hatch = hatch; }
    bool operator==(const CKouteiAttr&) const = default;
};

// The attribute block of a process node ("LandConfig").
struct CLandAttr {
    WORD m_style = 0;
    WORD m_type = 0;
    COLORREF m_color = 0;
    WORD m_size = 0; // no key: 100
    WORD m_radius = 0;
    bool operator==(const CLandAttr&) const = default;
};

// The attribute record of a drawing shape ("ZukeiConfig").
struct CZukeiAttr {
    short m_style = 0;
    short m_pointMode = 0;
    WORD m_type = 0;
    short m_width = 0;
    COLORREF m_color = 0;
    WORD m_hatch = 0;
    COLORREF m_hatchColor = 0;
    WORD m_boxRay = 0;
    bool operator==(const CZukeiAttr&) const = default;
};

// The date-row style: the date font and five mode words ("BigHolidays", "YearMode",
// "MonthMode", "DayMode", "WeekMode").
struct CAreaStyle {
    static constexpr int kModeCount = 5;
    LOGFONT m_font;
    std::array<WORD, kModeCount> m_mode{};

    const LOGFONT& GetLogFont() const { return m_font; }
    void SetLogFont(const LOGFONT& font) { m_font = font; }
    // Mode word i (0 to 4); 0 for another index.
    WORD GetMode(int i) const { return i >= 0 && i < kModeCount ? m_mode[i] : 0; }
    void SetMode(int i, WORD value) {
        if (i >= 0 && i < kModeCount) {
            m_mode[i] = value;
        }
    }
    WORD GetBigHolidays() const { return m_mode[0]; }
    bool operator==(const CAreaStyle&) const = default;
};

} // namespace tembra
