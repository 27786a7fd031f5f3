// The events of the document as a group: creation and copy, moving and offsetting the selected
// events, their attributes from the event attribute menu with its menu state, the find and
// replace of their texts, and their re-dating between calendar-day and elapsed-day counting.
#include "document/ChartEvents.h"
#include "document/AppState.h"
#include "document/AttrCommands.h"
#include "document/RecordCast.h"
#include "document/TembraDoc.h"
#include "model/Utility.h"
#include "platform/Ui.h"
#include "render/EventGeometry.h"

#include <optional>
#include <string>

namespace tembra {

namespace {

constexpr UINT IDS_EVENT_CREATE_FAILED = 5013; // 行事データの生成ができません

// Mode of the move operations that copies instead of moving.
constexpr int kCopyMode = 2;
// Mode of ReplaceEventText that replaces; any other finds.
constexpr int kReplaceMode = 2;

// What an attribute command compares: the check mark of the command against the attributes.
int CheckOf(const AttrCommand& command, const CTextAttr& attr) {
    switch (command.arg) {
    case AttrArg::Form:
        return attr.m_form == command.value ? 1 : 0;
    case AttrArg::Color:
        return attr.m_color == command.value ? 1 : 0;
    case AttrArg::OtherColor:
        return IsOtherColor(attr.m_color) ? 1 : 0;
    case AttrArg::Flags:
        return (attr.m_attrb & command.value) != 0 ? 1 : 0;
    case AttrArg::Size:
        return attr.GetSize() == command.value ? 1 : 0;
    case AttrArg::Text:
    case AttrArg::BarColor:
        break;
    }
    return 0;
}

} // namespace

// ---- Creation -----------------------------------------------------------------------------------

std::unique_ptr<CEvent> CChartEvents::CreateEvent() {
    std::unique_ptr<CEvent> event(
        AsEvent(m_doc.CreateObjectByKind(kTypeEvent, kKindEvent).release()));
    if (event == nullptr) {
        AfxMessageBox(IDS_EVENT_CREATE_FAILED);
        return nullptr;
    }
    event->SetLayer(static_cast<WORD>(m_doc.GetCurrentLayer()));
    // The block carries the size, form, colour, flags, offsets and print flag of new events.
    const CConfigEvent& defaults = m_doc.GetSyokiSet().GetEvent();
    event->SetAttr(defaults.GetTextAttr());
    event->SetLogFont(defaults.GetLogFont());
    return event;
}

std::unique_ptr<CEvent> CChartEvents::CopyEvent(const CEvent& event) {
    std::unique_ptr<CEvent> copy(
        AsEvent(m_doc.CreateObjectByKind(kTypeEvent, kKindEvent).release()));
    if (copy != nullptr) {
        *copy = event;
    }
    return copy;
}

// ---- Moving -------------------------------------------------------------------------------------

template <class Change> void CChartEvents::ChangeSelectedEvents(int mode, Change change) {
    m_doc.GetUndoHistory().Reset();
    m_doc.ForEachSelected([&](POSITION pos, CDataHeader* object) {
        const CEvent* event = AsEvent(object);
        if (event == nullptr) {
            return;
        }
        std::unique_ptr<CEvent> copy = CopyEvent(*event);
        if (copy == nullptr) {
            return;
        }
        change(*copy);
        if (mode == kCopyMode) {
            // The old event stays where it was, unselected; the moved copy is new.
            m_doc.UnselectAt(pos);
            copy->Select();
            CEvent* added = copy.release();
            m_doc.AddSel(added);
            m_doc.GetUndoHistory().AddNew(added);
        } else {
            m_doc.RedrawObject(object);
            m_doc.ReplaceSelAt(pos, copy.release(), 0);
        }
    });
}

void CChartEvents::MoveSelectedEvents(const CPageLayout& layout, int dx, int dy, int mode) {
    const BOOL keepTip = m_doc.GetOperation().GetEventBaseMove() != 0 ? TRUE : FALSE;
    ChangeSelectedEvents(mode, [&](CEvent& event) {
        const CPoint anchor = GetAnchorPoint(event, layout);
        MoveToPoint(event, layout, CPoint(anchor.x + dx, anchor.y + dy), keepTip);
        KeepInChart(event, layout, keepTip);
    });
}

void CChartEvents::OffsetSelectedEvents(const CTimeSpan& delta, int rows, int mode) {
    ChangeSelectedEvents(mode, [&](CEvent& event) { event.Offset(delta, rows); });
}

// ---- Attributes ---------------------------------------------------------------------------------

void CChartEvents::SetSelectedAttributes(int form, COLORREF color, WORD flags, int size,
                                         std::string_view text, int printFlag, const LOGFONT* font,
                                         WORD flagMask) {
    const bool setForm = form >= 0;
    const bool setColor = color != CTembraDoc::kUnchangedColor;
    const bool setFlags = flags != CTembraDoc::kUnchangedFlags;
    const bool setSize = size >= 0;
    const bool setText = !text.empty();
    const bool setPrintFlag = printFlag >= 0;
    if (!setForm && !setColor && !setFlags && !setSize && !setText && !setPrintFlag &&
        font == nullptr) {
        return;
    }

    bool changedAny = false;
    if (m_doc.GetOperation().GetMode() == COperationState::kModeEvent &&
        !m_doc.GetSelList().IsEmpty()) {
        m_doc.GetUndoHistory().Reset();
        CAppState* app = GetAppState();
        m_doc.ForEachSelected([&](POSITION pos, CDataHeader* object) {
            const CEvent* event = AsEvent(object);
            if (event == nullptr) {
                return;
            }
            std::unique_ptr<CEvent> copy = CopyEvent(*event);
            if (copy == nullptr) {
                return;
            }
            m_doc.RedrawObject(copy.get());
            enum { kNone, kOther, kColor } last = kNone;
            if (copy->IsSelected()) {
                if (setForm) {
                    copy->SetForm(static_cast<WORD>(form));
                    last = kOther;
                }
                if (setColor) {
                    copy->SetColor(color);
                    last = kColor;
                }
                if (setFlags) {
                    const WORD style = copy->GetStyle();
                    const WORD applied = ApplyAttrFlags(style, flags);
                    copy->SetStyle((flags & 0x8000) != 0 ? static_cast<WORD>((style & ~flagMask) |
                                                                             (applied & flagMask))
                                                         : applied);
                    last = kOther;
                }
                if (setSize) {
                    copy->GetAttr().SetSize(static_cast<WORD>(size));
                    last = kOther;
                }
                if (setText) {
                    copy->SetText(text);
                    app->AddYogoHistory(std::string(text));
                    last = kOther;
                }
                if (setPrintFlag) {
                    copy->GetAttr().m_ownFont = static_cast<short>(printFlag);
                    if (printFlag != 0 && font != nullptr) {
                        copy->SetLogFont(*font);
                    }
                    last = kOther;
                }
            }
            if (last == kNone) {
                return; // the copy goes
            }
            changedAny = true;
            // A new colour shows only on an event that is not drawn selected.
            m_doc.ReplaceSelAt(pos, copy.release(), last == kColor ? 1 : 0);
        });
    }
    if (changedAny) {
        return;
    }

    // Nothing was changed: the values are for the next new events.
    CConfigEvent& defaults = m_doc.GetSyokiSet().GetEvent();
    CTextAttr& attr = defaults.GetTextAttr();
    if (setForm) {
        attr.m_form = static_cast<WORD>(form);
    }
    if (setColor) {
        attr.m_color = color;
        if (IsOtherColor(color)) {
            GetAppState()->SetEventCustomColor(color);
        }
    }
    if (setFlags) {
        attr.m_attrb = ApplyAttrFlags(attr.m_attrb, flags);
    }
    if (setSize) {
        attr.SetSize(static_cast<WORD>(size));
    }
    if (font != nullptr) {
        defaults.SetLogFont(*font);
        m_doc.GetUndoHistory().Reset();
        m_doc.UpdateAllViews(nullptr);
    }
}

void CChartEvents::UpdateEventAttrUI(CCmdUI* cmdUI) {
    // The term bar is the event bar in the event mode only: the events' colour is shown there
    // then, not over the terms' or the cells' colour in the other modes.
    const auto showColorInBar = [this](COLORREF color) {
        if (m_doc.GetOperation().GetMode() == COperationState::kModeEvent) {
            GetAppState()->SetYogoColor(color);
        }
    };
    const AttrCommand* command = FindAttrCommand(EventAttrCommands(), cmdUI->m_nID);
    if (command == nullptr) {
        return;
    }
    const CEvent* selected = nullptr;
    if (m_doc.GetOperation().GetMode() == COperationState::kModeEvent) {
        for (POSITION pos = m_doc.GetHeadSelPosition(); pos != nullptr && selected == nullptr;) {
            selected = AsEvent(m_doc.GetNextSel(pos));
        }
    }
    const CTextAttr& attr =
        selected != nullptr ? selected->GetAttr() : m_doc.GetSyokiSet().GetEvent().GetTextAttr();

    switch (command->arg) {
    case AttrArg::Text:
        cmdUI->Enable(selected != nullptr ? TRUE : FALSE);
        return;
    case AttrArg::BarColor:
        showColorInBar(attr.m_color);
        return;
    case AttrArg::Color:
    case AttrArg::OtherColor:
        if (IsOtherColor(attr.m_color)) {
            GetAppState()->SetEventCustomColor(attr.m_color);
        }
        showColorInBar(attr.m_color);
        break;
    default:
        break;
    }
    cmdUI->SetCheck(CheckOf(*command, attr));
}

BOOL CChartEvents::OnEventAttrCommand(UINT id) {
    const AttrCommand* command = FindAttrCommand(EventAttrCommands(), id);
    if (command == nullptr) {
        return FALSE;
    }
    switch (command->arg) {
    case AttrArg::Form:
        SetSelectedAttributes(static_cast<int>(command->value), CTembraDoc::kUnchangedColor,
                              CTembraDoc::kUnchangedFlags, -1, {}, -1, nullptr);
        return TRUE;
    case AttrArg::Color:
        SetSelectedAttributes(-1, command->value, CTembraDoc::kUnchangedFlags, -1, {}, -1, nullptr);
        return TRUE;
    case AttrArg::OtherColor:
        SetSelectedAttributes(-1, GetAppState()->GetEventCustomColor(), CTembraDoc::kUnchangedFlags,
                              -1, {}, -1, nullptr);
        return TRUE;
    case AttrArg::Flags:
        SetSelectedAttributes(-1, CTembraDoc::kUnchangedColor, static_cast<WORD>(command->value),
                              -1, {}, -1, nullptr);
        return TRUE;
    case AttrArg::Size:
        SetSelectedAttributes(-1, CTembraDoc::kUnchangedColor, CTembraDoc::kUnchangedFlags,
                              static_cast<int>(command->value), {}, -1, nullptr);
        return TRUE;
    case AttrArg::Text:
    case AttrArg::BarColor:
        break; // their values come from the term bar
    }
    return FALSE;
}

// ---- Find and replace ---------------------------------------------------------------------------

int CChartEvents::ReplaceEventText(int mode, std::string_view search, std::string_view replacement,
                                   BOOL whole, BOOL selectedOnly) {
    const bool replace = mode == kReplaceMode;
    // The text the event would get, or nothing when it does not match.
    const auto replaced = [&](const CEvent& event) -> std::optional<std::string> {
        std::string text = event.GetText();
        if (whole) {
            if (text != search) {
                return std::nullopt;
            }
            text = replacement;
        } else if (!ReplaceAll(text, search, replacement)) {
            return std::nullopt;
        }
        return text;
    };

    if (replace) {
        m_doc.GetUndoHistory().Reset();
        m_doc.GetUndoHistory().BeginGroup();
    }
    // Events deselected below join the object list after its present last entry.
    const POSITION lastObject = m_doc.GetObjList().GetTailPosition();
    int matched = 0;
    m_doc.ForEachSelected([&](POSITION pos, CDataHeader* object) {
        const CEvent* event = AsEvent(object);
        if (event == nullptr) {
            return;
        }
        const std::optional<std::string> text = replaced(*event);
        if (!text) {
            m_doc.UnselectAt(pos);
            return;
        }
        ++matched;
        if (replace) {
            std::unique_ptr<CEvent> copy = CopyEvent(*event);
            if (copy != nullptr) {
                copy->SetText(*text);
                m_doc.ReplaceSelAt(pos, copy.release(), 0);
            }
        }
    });
    if (!selectedOnly && lastObject != nullptr) {
        OwnedObList<CDataHeader>& objects = m_doc.GetObjList();
        for (POSITION pos = objects.GetHeadPosition(); pos != nullptr;) {
            const POSITION current = pos;
            const bool isLast = current == lastObject;
            const CEvent* event = AsEvent(objects.GetNext(pos));
            const std::optional<std::string> text =
                event != nullptr ? replaced(*event) : std::nullopt;
            if (text) {
                ++matched;
                if (!replace) {
                    m_doc.SelectAt(current);
                } else if (std::unique_ptr<CEvent> copy = CopyEvent(*event)) {
                    copy->SetText(*text);
                    m_doc.ReplaceObjAt(current, copy.release());
                    m_doc.SelectAt(current);
                }
            }
            if (isLast) {
                break;
            }
        }
    }
    if (replace) {
        m_doc.GetUndoHistory().EndGroup();
    }
    return matched;
}

// ---- Re-dating ----------------------------------------------------------------------------------

void CChartEvents::ShiftEventsByDays(const CTime& oldBase, const CTime& newBase, BOOL plain) {
    m_doc.ForEachSelected([&](POSITION, CDataHeader* object) {
        CEvent* event = AsEvent(object);
        if (event == nullptr) {
            return;
        }
        const CTimeSpan offset = event->GetStartDate() - oldBase;
        if (plain) {
            event->SetStartDate(newBase + offset);
            return;
        }
        const CTime reached = newBase + m_doc.GetWorkCalendar().AddWorkTime(newBase, offset);
        event->SetStartTime(
            m_doc.GetWorkCalendar().SkipHolidays(reached.GetTime(), GetMaxDate().GetTime()));
    });
}

void CChartEvents::RemoveEventHolidays(const CTime& base, BOOL skip) {
    if (skip) {
        return;
    }
    m_doc.ForEachSelected([&](POSITION, CDataHeader* object) {
        CEvent* event = AsEvent(object);
        if (event == nullptr) {
            return;
        }
        const CTime start = event->GetStartDate();
        event->SetStartDate(start - m_doc.GetWorkCalendar().GetHolidayTime(base, start));
    });
}

} // namespace tembra
