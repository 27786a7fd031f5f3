#include "model/Hensoku.h"

#include "model/Utility.h"
#include "platform/Sjis.h"
#include "platform/Time.h"

#include <algorithm>
#include <cstdio>
#include <utility>

namespace tembra {

IMPLEMENT_SERIAL(CHensokuData, CObject, 1)
IMPLEMENT_SERIAL(CHensoku, CObject, 1)

namespace {

// The fixed texts of the list line, in CP932.
struct ListTexts {
    std::string dayClass[4] = {Sjis::FromUtf8("[全て]"), Sjis::FromUtf8("[平日]"),
                               Sjis::FromUtf8("[休日]"), Sjis::FromUtf8("[曜日]")};
    std::string autoColumn = Sjis::FromUtf8("自動 ");
    std::string noColumn = Sjis::FromUtf8("なし ");
    std::string autoLine = Sjis::FromUtf8("自動");
    std::string noLine = Sjis::FromUtf8("なし");
};

const ListTexts& Texts() {
    static const ListTexts texts;
    return texts;
}

} // namespace

// ---- CHensokuData ---------------------------------------------------------------------------

BOOL CHensokuData::SetDayPeriod(WORD rangeKind, std::int64_t start, std::int64_t end,
                                short dayClass, WORD weekdays, short dateColumn, short ruledLine,
                                LONG numerator, LONG denominator) {
    if (!IsValidDenominator(denominator)) {
        return FALSE;
    }
    if (rangeKind == 0) {
        start = GetMinDate().GetTime();
        end = GetMaxDate().GetTime();
    }
    Assign(rangeKind, start, end, dayClass, weekdays, dateColumn, ruledLine, numerator,
           denominator);
    return TRUE;
}

BOOL CHensokuData::SetHourPeriod(WORD rangeKind, int startHour, int endHour, short dayClass,
                                 WORD weekdays, short dateColumn, short ruledLine, LONG numerator,
                                 LONG denominator) {
    if (!IsValidDenominator(denominator)) {
        return FALSE;
    }
    if (rangeKind == 0) {
        startHour = 0;
        endHour = 24;
    }
    Assign(rangeKind, std::int64_t{startHour} * 3600, std::int64_t{endHour} * 3600, dayClass,
           weekdays, dateColumn, ruledLine, numerator, denominator);
    return TRUE;
}

void CHensokuData::Assign(WORD rangeKind, std::int64_t start, std::int64_t end, short dayClass,
                          WORD weekdays, short dateColumn, short ruledLine, LONG numerator,
                          LONG denominator) {
    m_rangeKind = rangeKind;
    m_start = static_cast<std::int32_t>(start);
    m_end = static_cast<std::int32_t>(end);
    m_dayClass = dayClass;
    m_weekdays = weekdays;
    m_dateColumn = dateColumn;
    m_ruledLine = ruledLine;
    m_numerator = numerator;
    m_denominator = denominator;
}

double CHensokuData::GetFactor() const {
    if (m_numerator == 0 || m_denominator == 0) {
        return 0.0;
    }
    return static_cast<double>(m_numerator) / static_cast<double>(m_denominator);
}

void CHensokuData::Serialize(CArchive& ar) {
    CObject::Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_rangeKind << static_cast<DWORD>(m_start) << static_cast<DWORD>(m_end)
           << static_cast<WORD>(m_dayClass) << m_weekdays << static_cast<WORD>(m_dateColumn)
           << static_cast<WORD>(m_ruledLine) << static_cast<DWORD>(m_numerator)
           << static_cast<DWORD>(m_denominator);
        return;
    }
    WORD rangeKind = 0, weekdays = 0;
    DWORD start = 0, end = 0, numerator = 0, denominator = 0;
    short dayClass = 0, dateColumn = 0, ruledLine = 0;
    ar >> rangeKind >> start >> end >> dayClass >> weekdays >> dateColumn >> ruledLine >>
        numerator >> denominator;
    m_rangeKind = rangeKind;
    m_start = static_cast<std::int32_t>(start);
    m_end = static_cast<std::int32_t>(end);
    m_dayClass = dayClass;
    m_weekdays = weekdays;
    m_dateColumn = dateColumn;
    m_ruledLine = ruledLine;
    m_numerator = static_cast<LONG>(numerator);
    m_denominator = static_cast<LONG>(denominator);
    // A ratio that cannot have been entered (a denominator below 1) is taken as 1/1.
    if (!IsValidDenominator(m_denominator)) {
        m_numerator = 1;
        m_denominator = 1;
    }
}

// ---- CHensoku -------------------------------------------------------------------------------

CHensoku::CHensoku(const CHensoku& other) : CObject() {
    *this = other;
}

CHensoku& CHensoku::operator=(const CHensoku& other) {
    if (this == &other) {
        return *this;
    }
    RemoveAll();
    m_precedence = other.m_precedence;
    m_mode = other.m_mode;
    for (const auto& data : other.m_dayList) {
        m_dayList.push_back(std::make_unique<CHensokuData>(*data));
    }
    for (const auto& data : other.m_hourList) {
        m_hourList.push_back(std::make_unique<CHensokuData>(*data));
    }
    return *this;
}

CHensoku::~CHensoku() {
    RemoveAll();
}

void CHensoku::RemoveAll() {
    m_hourList.clear();
    m_dayList.clear();
}

int CHensoku::GetDataCount() const {
    return static_cast<int>(GetActiveList().size());
}

int CHensoku::AddData(std::unique_ptr<CHensokuData> data) {
    return InsertAt(GetDataCount(), std::move(data));
}

int CHensoku::InsertAt(int index, std::unique_ptr<CHensokuData> data) {
    if (!data) {
        return -1;
    }
    auto& list = ActiveList();
    if (index < 0) {
        return -1; // no place in the list: the record is dropped
    }
    if (index >= static_cast<int>(list.size())) {
        list.push_back(std::move(data));
        return static_cast<int>(list.size()) - 1;
    }
    list.insert(list.begin() + index, std::move(data));
    return index;
}

int CHensoku::MoveUp(int index) {
    if (!InActive(index) || index == 0) {
        return -1;
    }
    auto& list = ActiveList();
    std::swap(list[static_cast<std::size_t>(index)], list[static_cast<std::size_t>(index - 1)]);
    return index - 1;
}

int CHensoku::MoveDown(int index) {
    if (!InActive(index) || index == GetDataCount() - 1) {
        return -1;
    }
    auto& list = ActiveList();
    std::swap(list[static_cast<std::size_t>(index)], list[static_cast<std::size_t>(index + 1)]);
    return index + 1;
}

void CHensoku::RemoveAt(int index) {
    if (InActive(index)) {
        auto& list = ActiveList();
        list.erase(list.begin() + index);
    }
}

CHensokuData* CHensoku::GetAt(int index) {
    return InActive(index) ? ActiveList()[static_cast<std::size_t>(index)].get() : nullptr;
}

const CHensokuData* CHensoku::GetAt(int index) const {
    return InActive(index) ? GetActiveList()[static_cast<std::size_t>(index)].get() : nullptr;
}

int CHensoku::FormatPeriod(int index, std::string& text) const {
    text.clear();
    const CHensokuData* data = GetAt(index);
    if (data == nullptr) {
        return 0;
    }

    if (IsHourMode()) {
        text +=
            StringPrintf("  %02d:00:00 - %02d:59:59", data->GetStartHour(), data->GetEndHour() - 1);
    } else if (data->GetRangeKind() > 0) {
        const CTime start(data->GetStart());
        const CTime end(data->GetEnd());
        text += StringPrintf("%04d/%02d/%02d-%04d/%02d/%02d", start.GetYear(), start.GetMonth(),
                             start.GetDay(), end.GetYear(), end.GetMonth(), end.GetDay());
    } else {
        text += "****/**/**-****/**/**";
    }

    text += ' ';
    if (data->GetDayClass() >= CHensokuData::kAllDays &&
        data->GetDayClass() <= CHensokuData::kChosenWeekdays) {
        text += Texts().dayClass[data->GetDayClass()];
    }

    text += ' ';
    text += StringPrintf("%03ld/%03ld", static_cast<long>(data->GetNumerator()),
                         static_cast<long>(data->GetDenominator()));

    text += "  ";
    text += data->GetDateColumn() != 0 ? Texts().autoColumn : Texts().noColumn;
    text += "  ";
    text += data->GetRuledLine() != 0 ? Texts().autoLine : Texts().noLine;
    return 1;
}

void CHensoku::Serialize(CArchive& ar) {
    CObject::Serialize(ar);
    if (ar.IsStoring()) {
        ar << DWORD{0} << DWORD{0};
        ar << static_cast<WORD>(m_precedence) << static_cast<WORD>(m_mode);
        for (const auto* list : {&m_dayList, &m_hourList}) {
            ar.WriteCount(static_cast<DWORD>(list->size()));
            for (const auto& data : *list) {
                ar.WriteObject(data.get());
            }
        }
        return;
    }

    DWORD ignored = 0;
    WORD precedence = 0, mode = 0;
    ar >> ignored >> ignored >> precedence >> mode;
    // Both lists are read in full before they replace the present ones.
    std::vector<std::unique_ptr<CHensokuData>> lists[2];
    for (auto& list : lists) {
        const DWORD count = ar.ReadCount();
        for (DWORD i = 0; i < count; ++i) {
            list.push_back(ar.ReadOwned<CHensokuData>());
        }
    }
    m_precedence = precedence;
    m_mode = mode;
    m_dayList = std::move(lists[0]);
    m_hourList = std::move(lists[1]);
}

} // namespace tembra
