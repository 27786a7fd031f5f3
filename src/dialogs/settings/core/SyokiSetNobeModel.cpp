#include "dialogs/settings/core/SyokiSetNobeModel.h"

#include "document/TembraDoc.h"
#include "model/Calendar.h"
#include "model/Utility.h"

#include <algorithm>

namespace tembra {

namespace {

CTimeSpan Days(int days) {
    return CTimeSpan(days, 0, 0, 0);
}

int WholeDays(CTimeSpan span) {
    return static_cast<int>(span.GetDays());
}

constexpr int kMaxPreparationMonths = 12;
constexpr int kMaxEndYears = 30;

} // namespace

ElapsedParts SplitElapsedDays(int days, int monthLength) {
    const int l = std::max(monthLength, 1);
    const int rest = days % (12 * l);
    return {days / (12 * l), rest / l, rest % l};
}

int JoinElapsedDays(const ElapsedParts& parts, int monthLength) {
    return parts.years * 12 * monthLength + parts.months * monthLength + parts.days;
}

CSyokiSetNobeModel::CSyokiSetNobeModel(CTembraDoc* document) : CSyokiSetRekiModel(document) {
    m_dateMode = 1;
}

void CSyokiSetNobeModel::LoadPeriod(const CSyokiSet* settings, const SyokiSetConversion* c) {
    if (settings == nullptr) {
        return;
    }
    m_conversion.reset();
    if (c != nullptr) {
        m_conversion = *c;
    }
    m_dateMode = 1;
    LoadCommon(*settings);
    m_workStart = settings->GetWorkStartDate();
    m_workEnd = settings->GetWorkEndDate();
    m_preparation = settings->GetNobeOffset();
    m_values.monthLength = WholeDays(settings->GetNobeMonthSpan());
    if (c != nullptr) {
        const double factor = c->factor < 0 ? -c->factor : c->factor;
        const BOOL round = c->factor < 0 ? FALSE : TRUE;
        const CCalendar* calendar =
            m_document != nullptr ? &m_document->GetWorkCalendar() : nullptr;
        m_preparation = CTimeSpan();
        if (c->offset < CTimeSpan()) {
            m_workStart = m_workStart + c->offset;
            m_workEnd = m_workEnd + c->offset;
        } else {
            if (c->daySpan < CTimeSpan()) {
                m_preparation = Days(WholeDays(-c->daySpan));
            }
            CTimeSpan s = c->offset;
            if (s >= Days(1) && c->holidayFlag == 0 && calendar != nullptr) {
                s = s - calendar->GetHolidayTime(m_workStart, c->date);
            }
            m_preparation = m_preparation + ScaleSpan(s, factor, round);
        }
        CTimeSpan total = Days(settings->GetDisplayDayCount());
        if (c->holidayFlag == 0 && calendar != nullptr) {
            total = total - calendar->GetHolidayTime(m_workStart, m_workEnd + Days(1));
        }
        m_values.dayCount =
            std::max(WholeDays(ScaleSpan(total, factor, round)), WholeDays(m_preparation) + 1);
        m_workEnd = m_workStart + Days(m_values.dayCount - 1);
    }
    m_values.start[0] = 0;
    ShowPreparation(WholeDays(m_preparation));
    ShowLastDay(WholeDays(m_workEnd - m_workStart - m_preparation) + 1);
    m_values.holidayMode = 0;
}

void CSyokiSetNobeModel::ShowPreparation(int days) {
    const int l = std::max(m_values.monthLength, 1);
    m_values.start[1] = std::min(days / l, kMaxPreparationMonths);
    m_values.start[2] = days - m_values.start[1] * l;
}

void CSyokiSetNobeModel::ShowLastDay(int days) {
    const ElapsedParts parts = SplitElapsedDays(days, m_values.monthLength);
    m_values.end = {parts.years, parts.months, parts.days};
}

int CSyokiSetNobeModel::PreparationDays() const {
    return m_values.start[1] * m_values.monthLength + m_values.start[2];
}

int CSyokiSetNobeModel::LastElapsedDay() const {
    return JoinElapsedDays({m_values.end[0], m_values.end[1], m_values.end[2]},
                           m_values.monthLength);
}

double CSyokiSetNobeModel::PeriodUnits() {
    return static_cast<double>(m_values.dayCount + m_values.maeYohaku + m_values.atoYohaku);
}

void CSyokiSetNobeModel::RecalcDayCount() {
    if (ReadControls() != SyokiSetField::kNone) {
        return;
    }
    for (int* field : {&m_values.start[1], &m_values.start[2], &m_values.end[0], &m_values.end[1],
                       &m_values.end[2], &m_values.maeYohaku, &m_values.atoYohaku}) {
        *field = std::max(*field, 0);
    }
    int preparation = PreparationDays();
    // Day 1 is always part of the period.
    int dayCount = preparation + std::max(LastElapsedDay(), 1);
    if (GetMaxDate() - m_workStart < Days(dayCount - 1) + Days(m_values.atoYohaku)) {
        dayCount = WholeDays(GetMaxDate() - m_workStart) + 1;
        m_values.atoYohaku = 0;
    }
    // Clipped at the last supported day, the period keeps at least its day 1: the preparation
    // period stays below the day count.
    preparation = std::clamp(preparation, 0, std::max(dayCount - 1, 0));
    m_values.dayCount = std::max(dayCount, 1);
    ShowPreparation(preparation);
    ShowLastDay(m_values.dayCount - preparation);
    PutControls();
    CheckThinning(false);
    if (m_controls != nullptr) {
        m_controls->RepaintNow();
    }
}

void CSyokiSetNobeModel::RecalcEndFromDays() {
    if (ReadControls() != SyokiSetField::kNone) {
        return;
    }
    if (m_values.dayCount < 0) {
        m_values.dayCount = 1;
    }
    ShowLastDay(std::max(m_values.dayCount - PreparationDays(), 0));
    PutControls();
    RecalcDayCount();
}

BOOL CSyokiSetNobeModel::StorePeriod(CSyokiSet* settings) {
    CSyokiSet* s = settings != nullptr ? settings : const_cast<CSyokiSet*>(m_loaded);
    if (s == nullptr) {
        return FALSE;
    }
    const CTime base = m_workStart + m_preparation;
    StoreCommon(*s);
    s->GetHensoku()->RemoveAll();
    const int preparation = PreparationDays();
    s->SetJyunbiKikan(Days(preparation));
    s->SetStartDate(base - Days(m_values.maeYohaku) - Days(preparation));
    s->SetEndDate(base + Days(m_values.dayCount - 1) - Days(preparation) +
                  Days(m_values.atoYohaku));
    s->SetNobeMonthSpan(Days(m_values.monthLength));
    s->SetHolidayMode(0);
    s->SetNobeMode(1);
    return TRUE;
}

void CSyokiSetNobeModel::StepPeriodField(int code) {
    const int sign = (code & 0x100) != 0 ? 1 : -1;
    const int l = std::max(m_values.monthLength, 1);
    const int bits = code & 0xFF;
    if ((bits & 0x40) != 0) {
        ShowPreparation(std::clamp(PreparationDays() + sign, 0, kMaxPreparationMonths * l));
    }
    if ((bits & 0x20) != 0) {
        ShowPreparation(std::clamp(PreparationDays() + sign * l, 0, kMaxPreparationMonths * l));
    }
    const int maxLast = kMaxEndYears * 12 * l + 12 * l - 1;
    if ((bits & 0x04) != 0) {
        ShowLastDay(std::clamp(LastElapsedDay() + sign, 0, maxLast));
    }
    if ((bits & 0x02) != 0) {
        ShowLastDay(std::clamp(LastElapsedDay() + sign * l, 0, maxLast));
    }
    if ((bits & 0x01) != 0) {
        ShowLastDay(std::clamp(LastElapsedDay() + sign * 12 * l, 0, maxLast));
    }
    PutControls();
    RecalcDayCount();
}

} // namespace tembra
