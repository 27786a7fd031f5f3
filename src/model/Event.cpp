#include "model/Event.h"

#include "model/Calendar.h"
#include "model/SyokiSet.h"
#include "model/TextMacros.h"
#include "model/Utility.h"
#include "platform/ByteOrder.h"
#include "platform/Document.h"
#include "platform/Sjis.h"
#include "platform/StringTable.h"

#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace tembra {

namespace {

// The month-and-day macro since 5.80; older files wrote "$実$" for it.
constexpr std::string_view kMacroMonthDay = "$\x93\xfa\x8e\x9e{mm/dd}$"; // $日時{mm/dd}$

constexpr std::int64_t kHourSeconds = 3600;

// The document template string of the chart documents; its fifth line is the default extension.
constexpr UINT IDR_TEMBRA_DOC_TEMPLATE = 118;
constexpr std::size_t kTemplateExtensionField = 4;

// A text field of the file form: it ends at its first NUL and holds at most capacity bytes.
std::string CutField(std::string_view text, std::size_t capacity) {
    const std::size_t nul = text.find('\0');
    if (nul != std::string_view::npos) {
        text = text.substr(0, nul);
    }
    return Sjis::Cut(text, capacity);
}

std::string DefaultDocumentExtension() {
    const std::string text = LoadString(IDR_TEMBRA_DOC_TEMPLATE);
    std::size_t begin = 0;
    for (std::size_t field = 0; field < kTemplateExtensionField; ++field) {
        begin = text.find('\n', begin);
        if (begin == std::string::npos) {
            return {};
        }
        ++begin;
    }
    const std::size_t end = text.find('\n', begin);
    return text.substr(begin, end == std::string::npos ? std::string::npos : end - begin);
}

IEventDocument* EventDocumentOf(const CArchive& ar) {
    return ar.GetDocumentSeam<IEventDocument>();
}

} // namespace

// ---- Attribute block ----------------------------------------------------------------------------

void TextAttrToBytes(const CTextAttr& attr, BYTE* out) {
    PutWord(out + 0, attr.m_fontHeigh);
    PutWord(out + 2, attr.m_fontWidth);
    PutWord(out + 4, attr.m_form);
    PutDword(out + 6, attr.m_color);
    PutWord(out + 10, attr.m_attrb);
    PutDword(out + 12, static_cast<DWORD>(attr.m_offsetX));
    PutDword(out + 16, static_cast<DWORD>(attr.m_offsetY));
    PutWord(out + 20, static_cast<WORD>(attr.m_ownFont));
    std::memcpy(out + 22, attr.m_reserved.data(), attr.m_reserved.size());
}

CTextAttr TextAttrFromBytes(const BYTE* in) {
    CTextAttr attr;
    attr.m_fontHeigh = GetWord(in + 0);
    attr.m_fontWidth = GetWord(in + 2);
    attr.m_form = GetWord(in + 4);
    attr.m_color = GetDword(in + 6);
    attr.m_attrb = GetWord(in + 10);
    attr.m_offsetX = static_cast<LONG>(GetDword(in + 12));
    attr.m_offsetY = static_cast<LONG>(GetDword(in + 16));
    attr.m_ownFont = static_cast<short>(GetWord(in + 20));
    std::memcpy(attr.m_reserved.data(), in + 22, attr.m_reserved.size());
    return attr;
}

// ---- Macro context ------------------------------------------------------------------------------

EventMacroContext MakeEventMacroContext(const CSyokiSet& settings, const CCalendar* calendar,
                                        std::string fileName) {
    EventMacroContext context;
    context.nobeMode = settings.GetNobeMode();
    context.nobeBase = settings.GetNobeBaseDate();
    context.calendar = calendar;
    context.fileName = std::move(fileName);
    return context;
}

std::string EventMacroFileName(const CDocument& document) {
    const std::string& path = document.GetPathName();
    if (!path.empty()) {
        // Paths are UTF-8 on this system; texts are CP932.
        return Sjis::FromUtf8(std::filesystem::path(path).filename().string());
    }
    // A chart without a file is named as its first save would propose it: a short, harmless
    // stem of the title with the documents' extension.
    std::string name = Sjis::Cut(document.GetTitle(), 8);
    for (std::size_t i = 0; i < name.size(); i += Sjis::CharLength(name, i)) {
        if (std::string_view(" #%;/\\").find(name[i]) != std::string_view::npos) {
            name.resize(i);
            break;
        }
    }
    return name + DefaultDocumentExtension();
}

// ---- Record -------------------------------------------------------------------------------------

IMPLEMENT_SERIAL(CEvent, CDataHeader, 1)

CEvent::CEvent() : CDataHeader(kTypeEvent, kKindEvent) {}

CEvent::CEvent(const CEvent& other) : CDataHeader(other) {
    *this = other;
}

CEvent& CEvent::operator=(const CEvent& other) {
    if (this == &other) {
        return *this;
    }
    CDataHeader::operator=(other);
    m_pos = other.m_pos;
    m_attr = other.m_attr;
    m_text = other.m_text;
    m_font = other.m_font;
    m_hyperlink = other.m_hyperlink;
    m_tailReserved = other.m_tailReserved;
    m_drawState = other.m_drawState;
    return *this;
}

int CEvent::Offset(const CTimeSpan& delta, int rows) {
    m_pos.SetStartDate(m_pos.GetStartDate() + delta);
    m_pos.SetStartRow(static_cast<WORD>(m_pos.GetStartRow() + rows));
    return 1;
}

void CEvent::SetText(std::string_view text) {
    m_text = CutField(text, kTextCapacity);
}

// ---- Date macros --------------------------------------------------------------------------------

std::string CEvent::ExpandDateMacros(const EventMacroContext& context,
                                     std::string_view source) const {
    std::string text(source);
    const CTime date = GetStartDate();
    const bool calendarMode = context.nobeMode == 0;

    if (calendarMode) {
        ReplaceAll(text, kMacroDate, date.Format("%Y/%m/%d"));
        // Only the first format found is expanded; a macro without its end or with an empty
        // format stays as it is.
        const std::size_t begin = Sjis::Find(text, kMacroDateFormat);
        if (begin != std::string::npos) {
            const std::size_t formatAt = begin + kMacroDateFormat.size();
            const std::size_t end = Sjis::Find(text, kMacroFormatEnd, formatAt);
            if (end != std::string::npos && end > formatAt) {
                const std::string format = text.substr(formatAt, end - formatAt);
                const std::string macro = text.substr(begin, end + kMacroFormatEnd.size() - begin);
                ReplaceAll(text, macro, date.Format(FormatDateTokens(format)));
            }
        }
    }

    const CTimeSpan fromBase = date - context.nobeBase;
    ReplaceAll(text, kMacroNobeDays,
               StringPrintf("%lld", static_cast<long long>(fromBase.GetDays())));
    ReplaceAll(text, kMacroNobeHours,
               StringPrintf("%lld", static_cast<long long>(fromBase.GetTotalHours())));

    if (calendarMode) {
        const CTimeSpan holidays = context.calendar != nullptr
                                       ? context.calendar->GetHolidayTime(context.nobeBase, date)
                                       : CTimeSpan();
        ReplaceAll(text, kMacroWorkDays,
                   StringPrintf("(%lld)",
                                static_cast<long long>(fromBase.GetDays() - holidays.GetDays())));
        ReplaceAll(text, kMacroWorkHours,
                   StringPrintf("(%lld)", static_cast<long long>(fromBase.GetTotalHours() -
                                                                 holidays.GetTotalHours())));
    } else if (context.nobeSpan) {
        const std::int64_t span = context.nobeSpan(date).GetTimeSpan();
        const std::int64_t days = span >= 0 ? span + kDaySeconds : span;
        const std::int64_t hours = span >= 0 ? span + kHourSeconds : span;
        ReplaceAll(text, kMacroWorkDays,
                   StringPrintf("(%lld)", static_cast<long long>(days / kDaySeconds)));
        ReplaceAll(text, kMacroWorkHours,
                   StringPrintf("(%lld)", static_cast<long long>(hours / kHourSeconds)));
    }

    ReplaceAll(text, kMacroFileName, context.fileName);
    return text;
}

// ---- File form ----------------------------------------------------------------------------------

// Two things depend on the document: the font of an event without its own comes from the
// document's event settings, and before 58000 a calendar-date document wrote the month-and-day
// macro "$日時{mm/dd}$" as "$実$" (in elapsed-day mode "$実$" is the working-day count and the
// texts are kept). The macro grows by 9 bytes on load, so the text is cut to its field again.
void CEvent::Serialize(CArchive& ar) {
    CDataHeader::Serialize(ar);
    // The position in the form of the version (the old form only below 31000, which no save
    // offers), so that whatever is written reads back.
    m_pos.Serialize(ar);
    const int version = ArchiveVersion(ar);
    IEventDocument* document = EventDocumentOf(ar);
    const bool oldMacros =
        version < kEventDateMacroVersion && document != nullptr && document->GetNobeMode() == 0;

    if (ar.IsStoring()) {
        const bool withFont = version >= kEventFontVersion && m_attr.m_ownFont != 0;
        CTextAttr attr = m_attr;
        if (version < kEventFontVersion) {
            attr.m_ownFont = 0; // those files hold no font
        }
        BYTE block[kAttrSize];
        TextAttrToBytes(attr, block);
        ar.Write(block, kAttrSize);
        if (withFont) {
            LogFont16::Store(ar, m_font);
        }

        std::string text = m_text;
        if (oldMacros) {
            ReplaceAll(text, kMacroMonthDay, kMacroWorkDays);
        }
        ar << text;
        m_tailReserved.fill(0);
        ar.Write(m_tailReserved.data(), kReservedSize);
        if (version >= kEventHyperlinkVersion) {
            ar << m_hyperlink;
        }
        return;
    }

    BYTE block[kAttrSize];
    ar.ReadExact(block, kAttrSize);
    m_attr = TextAttrFromBytes(block);
    if (version < kEventFontVersion) {
        m_attr.m_ownFont = 0;
    }
    if (m_attr.m_ownFont != 0) {
        m_font = LogFont16::Load(ar);
    } else if (document != nullptr) {
        m_font = document->GetEventFont();
    }

    std::string text;
    ar >> text;
    text = CutField(text, kTextCapacity);
    if (oldMacros && ReplaceAll(text, kMacroWorkDays, kMacroMonthDay)) {
        text = Sjis::Cut(text, kTextCapacity);
    }
    m_text = std::move(text);
    ar.ReadExact(m_tailReserved.data(), kReservedSize);
    if (version >= kEventHyperlinkVersion) {
        ar >> m_hyperlink;
    } else {
        m_hyperlink.clear();
    }
}

} // namespace tembra
