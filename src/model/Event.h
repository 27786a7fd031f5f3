// An event (行事): a free text placed on the chart at a date and a row, with its text attributes,
// its own font or the document's event font, and an optional hyperlink; its file form in every
// version, and the expansion of the date macros its text may carry.
//
// The members that need a device context or the page layout sit with the chart geometry, as
// functions that take the event first: CalcTextRect, GetAnchorPoint, SetOffsetFromPoint, MoveBy,
// MoveToPoint, KeepInChart, GetRect (render/EventGeometry.h), and Draw with the colour and raster
// operation of the draw states, GetDrawColor and GetDrawRop (render/EventDraw.h). The record
// keeps what they read and write: the position, the attribute block with its two percent
// offsets, and the draw state of the last drawing.
#pragma once

#include "model/AttrBlocks.h"
#include "model/ChartPos.h"
#include "model/DataHeader.h"
#include "platform/Archive.h"
#include "platform/Time.h"
#include "platform/Types.h"

#include <array>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace tembra {

class CCalendar;
class CDocument;
class CSyokiSet;

// Versions the event's file form tests.
constexpr int kEventFontVersion = 32000;      // the own font is stored from here
constexpr int kEventHyperlinkVersion = 56000; // the hyperlink is stored from here
constexpr int kEventDateMacroVersion = 58000; // "$日時{mm/dd}$" replaces "$実$" from here

// What events take from the document they are read into or written from. The schedule document
// implements it beside CDocument; the records reach it through the archive's document. Without it
// a load keeps the font the event has and no date macro is rewritten.
class IEventDocument {
public:
    virtual ~IEventDocument() = default;
    // The event font of the document's settings (the event settings' "EventFont").
    virtual LOGFONT GetEventFont() const = 0;
    // The settings' day-count mode: 0 when the chart counts calendar dates.
    virtual int GetNobeMode() const = 0;
};

// Style flags of the attribute block (offset 10).
enum : WORD {
    kEventWhiteBack = 0x0001,
    kEventFrame = 0x0002,
    kEventBold = 0x0004,
    kEventUprightSingleByte = 0x0008, // in vertical text: single-byte runs stand upright
    kEventVertical = 0x1000,
};

// Placement forms (offset 4); any value not named here begins the text at the anchor.
enum : WORD {
    kEventFormLeft = 0,
    kEventFormCenter = 1,
    kEventFormRight = 2,
    kEventFormBalloonRight = 4, // speech balloon, box right of the anchor
    kEventFormBalloonLeft = 5,  // speech balloon, box left of the anchor
};

// What the date macros of an event text are expanded against: the document's settings, its
// working calendar and its file name, and the page layout's elapsed-day count.
struct EventMacroContext {
    // The settings' day-count mode (0: calendar dates) and the base date of elapsed days.
    int nobeMode = 0;
    CTime nobeBase;
    // The working calendar whose holidays "$実$" and "$実時$" leave out (none: no holidays).
    const CCalendar* calendar = nullptr;
    // What "$F$" shows (see EventMacroFileName).
    std::string fileName;
    // The page layout's elapsed-day span of a date (CPageLayout::DateToNobeYMD). Without it
    // "$実$" and "$実時$" stay unexpanded in elapsed-day mode.
    std::function<CTimeSpan(const CTime&)> nobeSpan;
};

// The settings' mode and base date, the calendar and the file name; the caller that owns a page
// layout adds its elapsed-day span.
EventMacroContext MakeEventMacroContext(const CSyokiSet& settings, const CCalendar* calendar,
                                        std::string fileName);

// What "$F$" shows for a document: its file name with extension (CP932), or, for a document
// without a file, its title cut to 8 bytes and before the first of " #%;/\", followed by the
// default extension of the chart documents (".tbr").
std::string EventMacroFileName(const CDocument& document);

class CEvent : public CDataHeader {
    DECLARE_SERIAL(CEvent)
public:
    // The size of the attribute block in the file.
    static constexpr std::size_t kAttrSize = 36;
    // The text holds at most this many bytes (129 with the terminator in the file's field).
    static constexpr std::size_t kTextCapacity = 128;
    static constexpr std::size_t kReservedSize = 16;

    // Draw states: how the last drawing call asked the event to be drawn.
    enum : int {
        kDrawNormal = 0,
        kDrawSelected = 1,
        kDrawFeedback = 2, // inverted: drag feedback
        kDrawLinked = 3,
        kDrawInactive = 4,
    };

    // Kind 6, sub-kind 1, word 6 1000, layer 0, not selected; position, attributes, text and
    // font zero or empty (the creator fills them), no hyperlink.
    CEvent();
    CEvent(const CEvent& other);
    // Every field, in the order of the record: header, position, attributes, text, font,
    // hyperlink, reserved bytes and draw state. Assigning an event to itself changes nothing.
    CEvent& operator=(const CEvent& other);

    // ---- Position: the event's date and row are the anchor's first date and first row --------
    const CChartPos& GetPos() const { return m_pos; }
    CChartPos& GetPos() { return m_pos; }
    void SetPos(const CChartPos& pos) { m_pos = pos; }
    CTime GetStartDate() const { return m_pos.GetStartDate(); }
    void SetStartDate(const CTime& date) { m_pos.SetStartDate(date); }
    // The date as a time value (seconds since 1970).
    void SetStartTime(std::int64_t time) { m_pos.SetStartDate(CTime(time)); }
    WORD GetStartRow() const { return m_pos.GetStartRow(); }
    void SetStartRow(WORD row) { m_pos.SetStartRow(row); }

    // Adds the time delta to the date and the row delta to the row (the 16-bit row wraps as
    // the field does); returns 1.
    int Offset(const CTimeSpan& delta, int rows);

    // ---- Attributes ---------------------------------------------------------------------------
    const CTextAttr& GetAttr() const { return m_attr; }
    CTextAttr& GetAttr() { return m_attr; }
    void SetAttr(const CTextAttr& attr) { m_attr = attr; }
    WORD GetForm() const { return m_attr.m_form; }
    void SetForm(WORD form) { m_attr.m_form = form; }
    COLORREF GetColor() const { return m_attr.m_color; }
    void SetColor(COLORREF color) { m_attr.m_color = color; }
    WORD GetStyle() const { return m_attr.m_attrb; }
    void SetStyle(WORD flags) { m_attr.m_attrb = flags; }
    bool IsVertical() const { return (m_attr.m_attrb & kEventVertical) != 0; }
    bool IsBalloon() const {
        return m_attr.m_form == kEventFormBalloonRight || m_attr.m_form == kEventFormBalloonLeft;
    }
    LONG GetOffsetX() const { return m_attr.m_offsetX; }
    LONG GetOffsetY() const { return m_attr.m_offsetY; }
    void SetOffset(LONG percentX, LONG percentY) {
        m_attr.m_offsetX = percentX;
        m_attr.m_offsetY = percentY;
    }
    bool HasOwnFont() const { return m_attr.m_ownFont != 0; }
    void SetOwnFont(bool own) { m_attr.m_ownFont = own ? 1 : 0; }

    // ---- Text, font, hyperlink -----------------------------------------------------------------
    const std::string& GetText() const { return m_text; }
    // Cut at an embedded NUL and to kTextCapacity bytes on a character boundary.
    void SetText(std::string_view text);
    // The event's own font: meaningful when the own-font flag is set; otherwise the document's
    // event font stands wherever a font is needed (a load puts it here).
    const LOGFONT& GetLogFont() const { return m_font; }
    void SetLogFont(const LOGFONT& font) { m_font = font; }
    const std::string& GetHyperlink() const { return m_hyperlink; }
    void SetHyperlink(std::string_view address) { m_hyperlink = address; }

    const std::array<BYTE, kReservedSize>& GetReservedTail() const { return m_tailReserved; }
    int GetDrawState() const { return m_drawState; }
    void SetDrawState(int state) { m_drawState = state; }

    // ---- Date macros ---------------------------------------------------------------------------
    // The text with its macros expanded, in this order (D the event's date, B the base date):
    //   "$日時$"     calendar mode: D as "%Y/%m/%d"
    //   "$日時{f}$"  calendar mode: D in the format f (its date tokens expanded), for the first
    //                such macro's f; every occurrence of that same macro is replaced
    //   "$延$"       whole days of D - B          "$延時$"  whole hours of D - B
    //   "$実$"       calendar mode: working days of B..D, "(%ld)"; elapsed-day mode: the
    //                layout's elapsed-day count of D (one day added when not negative), "(%ld)"
    //   "$実時$"     the same in whole hours (one hour added in elapsed-day mode)
    //   "$F$"        the document's file name
    std::string ExpandDateMacros(const EventMacroContext& context, std::string_view text) const;
    std::string ExpandDateMacros(const EventMacroContext& context) const {
        return ExpandDateMacros(context, m_text);
    }

    // ---- File form -----------------------------------------------------------------------------
    // Header; position (20 bytes; files before 31000 hold the 16-byte old form); the attribute
    // block; from 32000 the own font (LogFont16) when the own-font flag is set; the text; 16
    // reserved bytes; from 56000 the hyperlink. Before 58000, in a calendar-date document, the
    // month-and-day macro is "$実$" in the file (see the .cpp).
    void Serialize(CArchive& ar) override;

private:
    CChartPos m_pos;
    CTextAttr m_attr;
    std::string m_text;
    LOGFONT m_font;
    std::string m_hyperlink;
    std::array<BYTE, kReservedSize> m_tailReserved{};
    int m_drawState = kDrawNormal;
};

// The 36 bytes of an attribute block as the file holds them, and back.
void TextAttrToBytes(const CTextAttr& attr, BYTE* out);
CTextAttr TextAttrFromBytes(const BYTE* in);

} // namespace tembra
