// The events of a chart as a group: their creation and copies, the moves and offsets of the
// selected events, their attributes from the event attribute menu with its menu state, the find
// and replace of their texts, and their re-dating between calendar-day and elapsed-day counting
// (ChartEvents.cpp).
//
// Every change of an existing event replaces it by a changed copy, the pair recorded for undo; a
// copy that cannot be made skips that event. "The selected events" are the events of the
// selection from its head up to the entry that was last when the operation began. The values
// that leave an attribute as it is are the document's (CTembraDoc::kUnchangedColor,
// kUnchangedFlags), which the terms and item cells share.
//
// Its edits combine the document's selection, replacements, undo history, settings and
// calendar, so it works on the CTembraDoc that holds it.
#pragma once

#include "model/Event.h"
#include "platform/CmdUI.h"
#include "platform/Time.h"
#include "platform/Types.h"

#include <memory>
#include <string_view>

namespace tembra {

class CPageLayout;
class CTembraDoc;

class CChartEvents {
public:
    explicit CChartEvents(CTembraDoc& doc) : m_doc(doc) {}
    CChartEvents(const CChartEvents&) = delete;
    CChartEvents& operator=(const CChartEvents&) = delete;

    // A new event on the current layer with the default event attributes and font of the
    // settings and no text; null after message 5013. The caller adds it to a list.
    std::unique_ptr<CEvent> CreateEvent();
    // A new event equal to the given one; null when it cannot be made (nothing is shown).
    std::unique_ptr<CEvent> CopyEvent(const CEvent& event);
    // Moves each selected event so that its anchor lands on its anchor plus (dx, dy) in the
    // layout's logical units, then back inside the chart; balloons keep their tip when the
    // operation settings say so ("EventBaseMove"). Mode 2 copies: the old events stay, unselected,
    // and the moved copies are selected; otherwise the moved copy replaces each event and stays
    // selected. One undo step.
    void MoveSelectedEvents(const CPageLayout& layout, int dx, int dy, int mode);
    // The same, the change being CEvent::Offset by the time and the rows.
    void OffsetSelectedEvents(const CTimeSpan& delta, int rows, int mode);
    // The event attribute menus: each value that is not the unchanged marker is given to the
    // selected events (in the event mode) in the order form, colour, flags, size, text, print
    // flag (with it the font). Flags: bit 15 set gives the whole flag word (the lower 15 bits),
    // 0 clears it, any other value toggles its bits (set when none of them is set, else
    // cleared). A text is cut to 128 bytes on a character boundary and joins the term bar's
    // history. An event whose last change was its colour leaves the selection, so that the new
    // colour shows. When no event was changed the form, colour, flags, size and font become the
    // defaults of new events instead (a colour that is none of the six also the application's
    // "その他" colour of events). A whole flag word changes only the bits of flagMask of each
    // event (the groups a bulk dialog had ticked).
    void SetSelectedAttributes(int form, COLORREF color, WORD flags, int size,
                               std::string_view text, int printFlag, const LOGFONT* font,
                               WORD flagMask = 0xFFFF);
    // Menu state of a command of the event attribute menu: checked when the first selected event
    // (in the event mode) or else the defaults of new events carry the command's value; a colour
    // that is none of the six checks "7. その他" and becomes the "その他" colour of events; the
    // colour commands show the colour in the term bar; "文字修正" is enabled only for a selected
    // event.
    void UpdateEventAttrUI(CCmdUI* cmdUI);
    // Runs a command of the event attribute menu that carries its value ("7. その他": the
    // application's "その他" colour of events). FALSE for any other id.
    BOOL OnEventAttrCommand(UINT id);
    // Find (mode other than 2) or replace (mode 2) in the texts of the events: the whole text
    // equal to search (whole) or every occurrence of it, never inside a double-byte character.
    // A selected event that does not match leaves the selection; unless selectedOnly the
    // unselected events that match are selected. In mode 2 each matching event is replaced by a
    // copy with the replaced text (cut to 128 bytes on a character boundary), in one undo step.
    // Returns how many events matched.
    int ReplaceEventText(int mode, std::string_view search, std::string_view replacement,
                         BOOL whole, BOOL selectedOnly);
    // Re-dates the selected events from one base date to another: by the same calendar time
    // (plain), or else by the same working time over the working calendar, a date in a run of
    // holidays moving to its end. No undo record (the caller has emptied the history).
    void ShiftEventsByDays(const CTime& oldBase, const CTime& newBase, BOOL plain);
    // Unless skip: takes the holiday time between the base date and each selected event's date
    // off that date. No undo record.
    void RemoveEventHolidays(const CTime& base, BOOL skip);

private:
    // Replaces each selected event by a copy changed by change (mode 2: adds the copy and
    // deselects the event), in one undo step.
    template <class Change> void ChangeSelectedEvents(int mode, Change change);

    CTembraDoc& m_doc;
};

} // namespace tembra
