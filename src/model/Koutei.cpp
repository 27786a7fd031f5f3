#include "model/Koutei.h"

#include "model/Calendar.h"
#include "model/Utility.h"
#include "platform/Document.h"
#include "platform/Ui.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace tembra {

namespace {

// Spans are 32-bit signed values in the file.
LONG SpanToFile(CTimeSpan span) {
    return static_cast<LONG>(span.GetTimeSpan());
}

IKouteiDocument* KouteiDocumentOf(const CArchive& ar) {
    return ar.GetDocumentSeam<IKouteiDocument>();
}

CTime ClampToSupportedDates(const CTime& date) {
    return std::clamp(date, GetMinDate(), GetMaxDate());
}

} // namespace

// ---- CKouteiLines -----------------------------------------------------------------------------

IMPLEMENT_SERIAL(CKouteiLines, CDataHeader, 1)

CKouteiLines::CKouteiLines() : CDataHeader(kTypeKoutei, kKindKouteiLines) {}

void CKouteiLines::CopyFrom(const CKouteiLines& other) {
    if (this == &other) {
        return;
    }
    CDataHeader::operator=(other);
    m_pos = other.m_pos;
    m_attr = other.m_attr;
    m_bendOffset = other.m_bendOffset;
}

void CKouteiLines::Serialize(CArchive& ar) {
    CDataHeader::Serialize(ar);
    m_pos.Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_attr.m_style << m_attr.m_subStyle << m_attr.m_type
           << static_cast<WORD>(m_attr.m_width) << static_cast<DWORD>(m_attr.m_color)
           << m_attr.m_holiday << m_attr.m_hatch;
        ar << static_cast<WORD>(m_bendOffset);
        ar.WriteZeros(kReservedSize);
        return;
    }

    WORD width = 0;
    DWORD color = 0;
    WORD bend = 0;
    ar >> m_attr.m_style >> m_attr.m_subStyle >> m_attr.m_type >> width >> color >>
        m_attr.m_holiday >> m_attr.m_hatch;
    m_attr.m_width = static_cast<short>(width);
    m_attr.m_color = color;
    ar >> bend;
    m_bendOffset = static_cast<short>(bend);
    ar.Skip(kReservedSize);

    const int version = ArchiveVersion(ar);
    if (version < kKouteiSubStyleVersion) {
        m_attr.m_subStyle = 0;
    }
    if (version < kKouteiHatchVersion) {
        m_attr.m_hatch = kNoHatch;
    }
    if (version < kKouteiBendVersion) {
        m_bendOffset = 0;
    }
}

// ---- CLand ------------------------------------------------------------------------------------

IMPLEMENT_SERIAL(CLand, CDataHeader, 1)

CLand::CLand() : CDataHeader(kTypeKoutei, kKindLand) {}

void CLand::CopyFrom(const CLand& other) {
    if (this == &other) {
        return;
    }
    CDataHeader::operator=(other);
    m_pos = other.m_pos;
    m_attr = other.m_attr;
    m_tied = other.m_tied;
}

void CLand::SetAttr(const CLandAttr& attr) {
    m_attr = attr;
    m_attr.m_radius = 0;
}

void CLand::Serialize(CArchive& ar) {
    CDataHeader::Serialize(ar);
    m_pos.Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_attr.m_style << m_attr.m_type << static_cast<DWORD>(m_attr.m_color)
           << m_attr.m_size;
        m_tied.Serialize(ar);
        ar.WriteZeros(kReservedSize);
        return;
    }

    DWORD color = 0;
    ar >> m_attr.m_style >> m_attr.m_type >> color >> m_attr.m_size;
    m_attr.m_color = color;
    m_tied.Serialize(ar);
    ar.Skip(kReservedSize);
    if (ArchiveVersion(ar) < kKouteiBendVersion) {
        m_attr.m_size = kDefaultSize;
    }
}

// ---- CKoutei ----------------------------------------------------------------------------------

IMPLEMENT_SERIAL(CKoutei, CDataHeader, 1)

CKoutei::CKoutei() : CDataHeader(kTypeKoutei, kKindKoutei) {}

CKoutei::~CKoutei() = default;

void CKoutei::CopyFrom(const CKoutei& other) {
    if (this == &other) {
        return;
    }
    CDataHeader::operator=(other);
    m_seq = other.m_seq;
    m_relationLine = other.m_relationLine;
    m_lines.CopyFrom(other.m_lines);
    StartLand().CopyFrom(other.StartLand());
    EndLand().CopyFrom(other.EndLand());
    m_shigen.CopyFrom(other.m_shigen);
    m_spareDays = other.m_spareDays;
    m_startOffset = other.m_startOffset;
    m_duration = other.m_duration;
    m_partDrag = other.m_partDrag;

    // A process that already has terms would otherwise keep them beside (or under) the copies.
    SetYogoCount(0);
    for (int i = 0; i < other.m_yogoCount; ++i) {
        auto term = std::make_unique<CYogo>();
        term->CopyFrom(*other.YogoSlot(i));
        ReserveYogoSlots(i + 1);
        YogoSlot(i) = std::move(term);
        ++m_yogoCount;
    }
}

void CKoutei::Serialize(CArchive& ar) {
    CDataHeader::Serialize(ar);
    const int version = ArchiveVersion(ar);
    IKouteiDocument* document = KouteiDocumentOf(ar);

    if (ar.IsStoring()) {
        if (version >= kKouteiSeqVersion) {
            m_seq.Serialize(ar);
        }
        m_lines.Serialize(ar);
        StartLand().Serialize(ar);
        EndLand().Serialize(ar);
        // An older reader would take the resource list for the spans that follow.
        if (version >= kKouteiShigenVersion) {
            m_shigen.Serialize(ar);
        }
        if (version >= kKouteiSpanVersion) {
            RecalcDuration(document, CTime(0), FALSE);
            ar << SpanToFile(m_spareDays) << SpanToFile(m_startOffset) << SpanToFile(m_duration);
        }
        ar << static_cast<WORD>(m_yogoCount);
        for (int i = 0; i < m_yogoCount; ++i) {
            ar.WriteObject(YogoSlot(i).get());
        }
        ar << m_relationLine;
        ar.WriteZeros(kReservedSize);
        return;
    }

    const bool wholeDocument = document != nullptr && document->GetMergeMode() == kMergeModeWhole;
    if (version >= kKouteiSeqVersion) {
        m_seq.Serialize(ar);
    } else if (wholeDocument && !AssignSeqNumber(document->GetSeqNumberCtrl())) {
        // The counter has said why; a process without a number of its own cannot be loaded.
        AfxThrowUserException();
    }
    m_lines.Serialize(ar);
    StartLand().Serialize(ar);
    EndLand().Serialize(ar);
    if (version >= kKouteiShigenVersion) {
        m_shigen.Serialize(ar);
    }
    if (version >= kKouteiSpanVersion) {
        LONG spare = 0;
        LONG offset = 0;
        LONG duration = 0;
        ar >> spare >> offset >> duration;
        m_spareDays = CTimeSpan(spare);
        m_startOffset = CTimeSpan(offset);
        m_duration = CTimeSpan(duration);
    } else {
        RecalcDuration(document, CTime(0), FALSE);
    }

    // The terms go into 30 slots: a larger count (or a negative one) cannot come from a chart
    // and is refused before any slot is touched.
    WORD stored = 0;
    ar >> stored;
    const short count = static_cast<short>(stored);
    if (count < 0 || count > kMaxYogo) {
        FailDamagedFile();
    }
    SetYogoCount(0);
    ReserveYogoSlots(count);
    for (int i = 0; i < count; ++i) {
        YogoSlot(i) = ar.ReadOwned<CYogo>();
        ++m_yogoCount;
    }
    ar >> m_relationLine;
    ar.Skip(kReservedSize);

    if (document != nullptr && !wholeDocument) {
        Select();
    }
}

void CKoutei::UpdateViews(IKouteiDocument& document) {
    document.UpdateAllViewsWith(this);
}

BOOL CKoutei::AssignSeqNumber(CSeqNumberCtrl& counter) {
    const std::optional<CObSeqNumber> next = counter.Next();
    if (!next) {
        return FALSE;
    }
    m_seq = *next;
    return TRUE;
}

void CKoutei::SetShigen(std::unique_ptr<CShigen> shigen) {
    if (shigen) {
        m_shigen.TakeFrom(*shigen);
    } else {
        CShigen empty;
        m_shigen.TakeFrom(empty);
    }
}

void CKoutei::SetStartDate(const CTime& date) {
    m_lines.GetPos().SetStartDate(date);
    StartLand().GetPos().SetStartDate(date);
}

void CKoutei::SetEndDate(const CTime& date) {
    m_lines.GetPos().SetEndDate(date);
    EndLand().GetPos().SetStartDate(date);
}

void CKoutei::SetStartRow(WORD row) {
    m_lines.GetPos().SetStartRow(row);
    StartLand().GetPos().SetStartRow(row);
}

void CKoutei::SetEndRow(WORD row) {
    m_lines.GetPos().SetEndRow(row);
    EndLand().GetPos().SetStartRow(row);
}

CTimeSpan CKoutei::CalcSpan(const IKouteiDocument* document, BOOL withCalendar) const {
    return CalcSpan(document != nullptr && withCalendar != FALSE ? document->GetCalendar()
                                                                 : nullptr);
}

CTimeSpan CKoutei::CalcSpan(const CCalendar* calendar) const {
    const CTime start = GetStartTime();
    const CTime end = GetEndTime();
    CTimeSpan span = end - start;
    if (calendar != nullptr && m_lines.GetAttr().GetHoliday() != 0) {
        span -= calendar->GetHolidayTime(start, end);
    }
    return span;
}

void CKoutei::RecalcDuration(const IKouteiDocument* document, const CTime& date,
                             BOOL withoutCalendar) {
    CTime base = date;
    if (base.GetTime() == 0 && document != nullptr) {
        base = document->GetNobeBaseDate();
    }
    const CTime start = GetStartTime();
    CTimeSpan offset = start - base;
    if (withoutCalendar == FALSE && document != nullptr) {
        if (const CCalendar* calendar = document->GetCalendar()) {
            offset -= calendar->GetHolidayTime(base, start);
        }
    }
    m_startOffset = offset;
    m_duration = CalcSpan(document, withoutCalendar == FALSE ? TRUE : FALSE);
    if (m_spareDays > m_duration) {
        m_spareDays = m_duration;
    }
}

void CKoutei::RedateFromSpans(const IKouteiDocument* document, const CTime& base,
                              BOOL withoutCalendar, double factor) {
    CTime from = base;
    if (from.GetTime() == 0 && document != nullptr) {
        from = document->GetNobeBaseDate();
    }
    const BOOL wholeDays = factor < 0.0 ? FALSE : TRUE;
    const double scale = std::fabs(factor);
    CTimeSpan s1 = ScaleSpan(m_startOffset, scale, wholeDays);
    CTimeSpan s2 = ScaleSpan(m_startOffset + m_duration, scale, wholeDays);

    const CCalendar* calendar = nullptr;
    if (document != nullptr && document->GetHolidayAuto() != 0 && withoutCalendar == FALSE) {
        calendar = document->GetCalendar();
    }
    if (calendar != nullptr) {
        s1 = calendar->AddWorkTime(from, s1);
        s2 = calendar->AddWorkTime(from, s2);
    }
    // A scaled span can reach past the dates a chart can hold (and a time value a file can).
    // Skipping holidays cannot go beyond the last date either: a holiday run that reaches it
    // (even a single holiday on the last date) has no working day after it in the calendar, and
    // the date stays on the last date.
    CTime start = ClampToSupportedDates(from + s1);
    CTime end = ClampToSupportedDates(from + s2);
    if (calendar != nullptr) {
        const std::int64_t limit = GetMaxDate().GetTime();
        start = ClampToSupportedDates(CTime(calendar->SkipHolidays(start.GetTime(), limit)));
        end = ClampToSupportedDates(CTime(calendar->SkipHolidays(end.GetTime(), limit)));
    }
    SetStartDate(start);
    SetEndDate(end);
}

void CKoutei::Select() {
    CDataHeader::Select();
    m_lines.Select();
    StartLand().Select();
    EndLand().Select();
}

void CKoutei::Deselect() {
    CDataHeader::Deselect();
    m_lines.Deselect();
    StartLand().Deselect();
    EndLand().Deselect();
    m_partDrag = 0;
}

void CKoutei::SelectForStretch(BOOL startFixed) {
    Select();
    if (startFixed != FALSE) {
        DeselectStartLand();
    } else {
        DeselectEndLand();
    }
    m_partDrag = 1;
}

// ---- Terms ----

std::unique_ptr<CYogo>& CKoutei::YogoSlot(int index) const {
    if (index < kInlineYogo) {
        return m_yogo[static_cast<std::size_t>(index)];
    }
    return (*m_moreYogo)[static_cast<std::size_t>(index - kInlineYogo)];
}

void CKoutei::ReserveYogoSlots(int count) {
    if (count > kInlineYogo && !m_moreYogo) {
        m_moreYogo = std::make_unique<MoreYogo>();
    }
}

CYogo* CKoutei::GetYogo(int index) const {
    if (index < 0 || index >= m_yogoCount) {
        return nullptr;
    }
    return YogoSlot(index).get();
}

BOOL CKoutei::SetYogo(int index, std::unique_ptr<CYogo> term) {
    if (!term || index < 0 || index >= m_yogoCount) {
        return FALSE;
    }
    YogoSlot(index) = std::move(term);
    return TRUE;
}

void CKoutei::SetYogoCount(int count) {
    const int keep = std::clamp(count, 0, static_cast<int>(m_yogoCount));
    for (int i = keep; i < m_yogoCount; ++i) {
        YogoSlot(i).reset();
    }
    m_yogoCount = static_cast<short>(keep);
    if (keep <= kInlineYogo) {
        m_moreYogo.reset();
    }
}

BOOL CKoutei::AddYogo(std::unique_ptr<CYogo>& term, BOOL atEnd) {
    if (!term) {
        return FALSE;
    }
    if (m_yogoCount >= kMaxYogo) {
        AfxMessageBox(IDS_YOGO_LIMIT, MB_OK);
        return FALSE;
    }
    const int count = m_yogoCount;
    ReserveYogoSlots(count + 1);
    if (atEnd != FALSE) {
        YogoSlot(count) = std::move(term);
    } else {
        for (int i = count; i > 0; --i) {
            YogoSlot(i) = std::move(YogoSlot(i - 1));
        }
        YogoSlot(0) = std::move(term);
    }
    ++m_yogoCount;
    return TRUE;
}

std::unique_ptr<CYogo> CKoutei::DetachYogo(int index) {
    if (index < 0 || index >= m_yogoCount) {
        return nullptr;
    }
    std::unique_ptr<CYogo> term = std::move(YogoSlot(index));
    for (int i = index + 1; i < m_yogoCount; ++i) {
        YogoSlot(i - 1) = std::move(YogoSlot(i));
    }
    --m_yogoCount;
    return term;
}

BOOL CKoutei::RemoveYogo(int index, BOOL deleteTerm) {
    std::unique_ptr<CYogo> term = DetachYogo(index);
    if (!term) {
        return FALSE;
    }
    if (deleteTerm == FALSE) {
        // The caller took the pointer from GetYogo and owns the term from now on.
        static_cast<void>(term.release());
    }
    return TRUE;
}

void CKoutei::SelectYogo(int index) {
    if (index == -1) {
        for (int i = 0; i < m_yogoCount; ++i) {
            YogoSlot(i)->Select();
        }
    } else if (CYogo* term = GetYogo(index)) {
        term->Select();
    }
}

void CKoutei::DeselectYogo(int index) {
    if (index == -1) {
        for (int i = 0; i < m_yogoCount; ++i) {
            YogoSlot(i)->Deselect();
        }
    } else if (CYogo* term = GetYogo(index)) {
        term->Deselect();
    }
}

WORD CKoutei::IsYogoSelected(int index) const {
    const CYogo* term = GetYogo(index);
    return term != nullptr ? term->IsSelected() : 0;
}

int CKoutei::CountSelectedYogo() const {
    int count = 0;
    for (int i = 0; i < m_yogoCount; ++i) {
        count += YogoSlot(i)->IsSelected() != 0 ? 1 : 0;
    }
    return count;
}

BOOL CKoutei::HasYogoOn(int part, BOOL selectedOnly) const {
    for (int i = 0; i < m_yogoCount; ++i) {
        const CYogo& term = *YogoSlot(i);
        if (term.GetDateKind() == part && (selectedOnly == FALSE || term.IsSelected() != 0)) {
            return TRUE;
        }
    }
    return FALSE;
}

CDataHeader* CKoutei::Part(int part) const {
    switch (part) {
    case kKouteiPartLines:
        return &m_lines;
    case kKouteiPartStart:
        return &StartLand();
    case kKouteiPartEnd:
        return &EndLand();
    default:
        return nullptr;
    }
}

WORD CKoutei::IsYogoOwnerSelected(int index) const {
    const CYogo* term = GetYogo(index);
    if (term == nullptr) {
        return 0;
    }
    const CDataHeader* owner = Part(term->GetDateKind());
    return owner != nullptr ? owner->IsSelected() : 0;
}

void CKoutei::SelectYogoOwner(int index) {
    Deselect();
    const CYogo* term = GetYogo(index);
    if (term == nullptr) {
        return;
    }
    if (CDataHeader* owner = Part(term->GetDateKind())) {
        owner->Select();
    }
}

// ---- CKouteiLink ------------------------------------------------------------------------------

CKouteiLink::CKouteiLink(CKoutei* koutei) {
    SetFrom(koutei);
}

CKouteiLink::~CKouteiLink() {
    m_links.clear();
}

void CKouteiLink::SetFrom(CKoutei* koutei) {
    m_koutei = koutei;
    Refresh();
}

void CKouteiLink::Refresh() {
    if (m_koutei == nullptr) {
        return;
    }
    m_start = m_koutei->GetStartTime();
    m_end = m_koutei->GetEndTime();
    m_spareDays = m_koutei->GetSpareDays();
}

void CKouteiLink::CopyFrom(const CKouteiLink& other) {
    if (this == &other) {
        return;
    }
    m_koutei = other.m_koutei;
    m_start = other.m_start;
    m_end = other.m_end;
    m_spareDays = other.m_spareDays;
}

BOOL CKouteiLink::IsLinked(const CObject* object) const {
    return std::find(m_links.begin(), m_links.end(), object) != m_links.end() ? TRUE : FALSE;
}

std::size_t CKouteiLink::ReplaceLink(const CObject* old, CKoutei* replacement) {
    const auto it = std::find(m_links.begin(), m_links.end(), old);
    if (it == m_links.end()) {
        return 0;
    }
    *it = replacement;
    return static_cast<std::size_t>(it - m_links.begin()) + 1;
}

} // namespace tembra
