// The attribute dialogs of processes, nodes, item cells, events, terms and fills, as requests
// the document's attribute commands raise through the UI services. Each carries the values the
// dialog starts from and, on OK, the values chosen; fromSelection tells the dialog whether the
// values were taken from a selected object (else they are the defaults of new objects).
// Unanswered requests come back as Cancel, so each command then changes nothing.
#pragma once

#include "model/AttrBlocks.h"
#include "platform/Types.h"
#include "platform/Ui.h"

namespace tembra {

class CKoutei;
class CTembraDoc;

// A dialog working on a selection writes 65535 for a value the user left as it was (a colour:
// 0xFFFFFFFF); the document's attribute operations take -1 for it.
inline constexpr int kLeaveValue = 0xFFFF;
inline constexpr int ValueOrLeave(int value) {
    return value == kLeaveValue ? -1 : value;
}

// Dialog 216 "工程属性": the line and node attributes of processes.
class KouteiAttr2DlgRequest : public DialogRequest {
public:
    const char* Name() const override { return "KouteiAttr2Dlg"; }
    CKouteiAttr line;
    CLandAttr node;
    bool fromSelection = false;
    // Out: the user asked for the change of days (日数変更) instead of the attributes.
    bool changeDaysAsked = false;
};

// Dialog 230: the size of the selected nodes.
class NodeSizeDlgRequest : public DialogRequest {
public:
    const char* Name() const override { return "NodeSizeDlg"; }
    int size = 100;
};

// Dialog 243: the ruled lines of an item cell: the row's line type and the cell's two line
// types, each code as the dialog shows it (the stored codes 1 and 2 exchanged).
class KeisenSetDlgRequest : public DialogRequest {
public:
    const char* Name() const override { return "KeisenSetDlg"; }
    int rowLine = 0;
    int lineA = 0;
    int lineB = 0;
};

// The text attributes the batch dialogs of item cells, events and terms edit: placement (form),
// colour, the whole decoration word and the two size factors.
struct TextAttrValues {
    int form = 0;
    COLORREF color = 0;
    WORD flags = 0;
    WORD sizeV = 1; // vertical factor (high byte of the size code)
    WORD sizeH = 1; // horizontal factor (low byte)

    WORD SizeCode() const { return static_cast<WORD>(((sizeV & 0xFF) << 8) | (sizeH & 0xFF)); }
    static TextAttrValues From(const CTextAttr& attr) {
        return {attr.m_form, attr.m_color, attr.m_attrb, attr.m_fontHeigh, attr.m_fontWidth};
    }
    bool operator==(const TextAttrValues&) const = default;
};

// Dialog 244: the text attributes of the selected item cells.
class KoumokuAttr2DlgRequest : public DialogRequest {
public:
    const char* Name() const override { return "KoumokuAttr2Dlg"; }
    TextAttrValues attr;
    bool fromSelection = false;
    // Out: the bits of the flag word the dialog set (the groups the user changed); the others
    // stay as each cell has them.
    WORD flagMask = 0xFFFF;
};

// Dialog 218 "行事属性": the text attributes of the selected events.
class EventAttrBulkDlgRequest : public DialogRequest {
public:
    const char* Name() const override { return "EventAttrBulkDlg"; }
    TextAttrValues attr;
    bool fromSelection = false;
    // Its "Revice" word takes the day and row alignment when no event is selected.
    CTembraDoc* document = nullptr;
    // Out, with events selected: the bits of the flag word the ticked groups own; the others
    // stay as each event has them.
    WORD flagMask = 0xFFFF;
};

// Dialog 217 "用語属性": the text attributes and the position (0 above, 1 below) of terms.
class YogoAttr2DlgRequest : public DialogRequest {
public:
    const char* Name() const override { return "YogoAttr2Dlg"; }
    TextAttrValues attr;
    int position = 0;
    bool fromSelection = false;
    // The chart: its term settings give the stacking of the single mode (written back there on
    // OK) and the values of the batch mode's reset.
    CTembraDoc* document = nullptr;
};

// Dialog 421: the fill (hatching) of item rows, item cells or a date range of the chart.
class FillSetDlgRequest : public DialogRequest {
public:
    enum : int { kSet = 0, kClear = 1 };
    const char* Name() const override { return "FillSetDlg"; }
    // In: the selected cells are whole rows.
    bool wholeRows = false;
    // Out: set or clear, the pattern index (0 to 8), its colour, and for whole rows whether the
    // cells of the block get (or lose) their fills too.
    int action = kSet;
    int pattern = 0;
    COLORREF color = 0;
    bool cellsToo = false;
};

// Dialogs 144 "日数変更" (calendar dates) and 221 "日数変更（延）" (elapsed days): both edit a
// working copy of one process; on OK changeByDays tells whether the change is by days.
class ChangeDaysDlgRequest : public DialogRequest {
public:
    const char* Name() const override { return "ChangeDaysDlg"; }
    CKoutei* koutei = nullptr;
    const CTembraDoc* document = nullptr;
    bool holidayConsidered = false;
    bool changeByDays = false;
};

class ChangeDaysExDlgRequest : public ChangeDaysDlgRequest {
public:
    const char* Name() const override { return "ChangeDaysExDlg"; }
};

} // namespace tembra
