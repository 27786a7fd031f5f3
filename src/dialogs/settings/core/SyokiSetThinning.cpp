// The date-label and ruled-line checks of the initial settings: the labels must be wide enough
// for the date font on the paper, the ruled lines must suit the labels' unit.
#include "dialogs/settings/core/SyokiSetRekiModel.h"
#include "document/TembraDoc.h"
#include "platform/Ui.h"

#include <cmath>
#include <cstdlib>

namespace tembra {

namespace {

constexpr UINT IDS_PERIOD_TOO_LONG = 5079;
constexpr UINT IDS_NO_THINNING = 5075;
constexpr UINT IDS_WEEK_LABELS_ELAPSED = 5057;
constexpr UINT IDS_WEEK_LINES_ELAPSED = 5058;

// The ruled-line units that go with a date-label unit, and the message when another is chosen.
struct RuledLinePair {
    int dateUnit;
    int first;
    int second;
    UINT message;
};
constexpr RuledLinePair kRuledLinePairs[] = {
    {kUnitDay, kUnitDay, kUnitHour, 5028},     {kUnitWeek, kUnitWeek, kUnitDay, 5031},
    {kUnitMonth, kUnitMonth, kUnitDay, 5029},  {kUnitYear, kUnitYear, kUnitMonth, 5032},
    {kUnitHour, kUnitHour, kUnitMinute, 5030},
};

} // namespace

double CSyokiSetRekiModel::PeriodUnits() {
    const CTimeSpan hour(0, std::max(m_values.startHour, 0), 0, 0);
    const CTime start =
        DateFromIndexes(m_values.start) + hour - CTimeSpan(m_values.maeYohaku, 0, 0, 0);
    const CTime end =
        DateFromIndexes(m_values.end) + hour + CTimeSpan(m_values.atoYohaku + 1, 0, 0, 0);
    if (m_scale.GetStart() != start || m_scale.GetEnd() != end ||
        m_scale.GetHensoku() != &m_hensoku) {
        m_scale.Build(start, end, m_document != nullptr ? &m_document->GetWorkCalendar() : nullptr,
                      &m_hensoku);
    }
    return m_scale.DateToUnits(end);
}

std::optional<double> CSyokiSetRekiModel::WidthPerUnit() {
    m_measure.units = PeriodUnits();
    const double width = static_cast<double>(m_area.GetChartSize().cx);
    m_measure.widthPerUnit = m_measure.units > 0.0 ? width / m_measure.units : 0.0;
    if (m_measure.widthPerUnit <= 0.0) {
        AfxMessageBox(IDS_PERIOD_TOO_LONG, MB_OK | MB_ICONEXCLAMATION);
        return std::nullopt;
    }
    return m_measure.widthPerUnit;
}

BOOL CSyokiSetRekiModel::CheckThinning(bool optimise) {
    return CheckThinningOnce(optimise, false);
}

BOOL CSyokiSetRekiModel::CheckThinningOnce(bool optimise, bool reentered) {
    if (ReadControls() != SyokiSetField::kNone) {
        return FALSE;
    }
    const std::optional<double> width = WidthPerUnit();
    if (!width) {
        return FALSE;
    }
    m_measure.minWidth = std::abs(m_fonts[kFontDate].lfWidth) * 2.0 + 2.0;
    int u = 0;
    int n = 0;
    if (!ChooseThinning(m_measure.minWidth, *width, u, n)) {
        AfxMessageBox(IDS_NO_THINNING, MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    }
    if (m_measure.units > 5.0 && u == kUnitHour && optimise) {
        u = kUnitDay;
        n = 0;
    }
    const bool elapsed = m_dateMode != 0;
    const int cu = m_values.dateUnit;
    const int cn = m_values.dateStep;
    if (elapsed && cu == kUnitWeek) {
        AfxMessageBox(IDS_WEEK_LABELS_ELAPSED, MB_OK | MB_ICONINFORMATION);
        optimise = true;
    }
    if (m_values.alwaysOptimise) {
        optimise = true;
    }

    bool replace = optimise;
    if (!optimise) {
        if (cu == kUnitHour) {
            replace = cu != u || cn < n;
        } else if (cu == kUnitWeek && u == kUnitDay) {
            // The shown week step is raised until seven days of it reach the needed day step.
            int step = cn;
            while (GetThinningStep(kUnitWeek, step) != 0 &&
                   7 * GetThinningStep(kUnitWeek, step) < GetThinningStep(kUnitDay, n)) {
                ++step;
            }
            if (GetThinningStep(kUnitWeek, step) == 0) {
                replace = true;
            } else if (step != cn) {
                u = kUnitWeek;
                n = step;
                replace = true;
            }
        } else {
            replace = u != kUnitHour && (cu < u || (cu == u && cn < n));
        }
    }
    if (replace) {
        const bool unitChanged = m_values.dateUnit != u;
        m_values.dateUnit = u;
        m_values.keisenUnit = u;
        if (unitChanged) {
            FillStepList(m_dateSteps, u);
        }
        FillStepList(m_keisenSteps, u);
        m_values.dateStep = n;
        m_values.keisenStep = n;
        GetDefaultDateRows(m_dateMode, u, m_dateRows);
        ShowRowLabels();
    } else {
        u = cu;
        n = cn;
    }
    if (!elapsed && (optimise || m_values.holidayMode > GetHolidayMaxMode(u, n))) {
        m_values.holidayMode = GetHolidayMaxMode(u, n);
    }
    m_startHourEnabled = !elapsed && u == kUnitHour;
    if (!m_startHourEnabled) {
        m_values.startHour = 0;
    }
    PutControls();
    const bool hours = u == kUnitHour;
    if (!elapsed && hours != (m_hensoku.IsHourMode() != FALSE) && !reentered) {
        // The day scale counts hours for hour labels; once rebuilt the check runs again, once.
        m_hensoku.SetHourMode(hours ? TRUE : FALSE);
        m_scale.Build(m_scale.GetStart(), m_scale.GetEnd(),
                      m_document != nullptr ? &m_document->GetWorkCalendar() : nullptr, &m_hensoku);
        return CheckThinningOnce(false, true);
    }
    CheckRuledLines(optimise);
    return TRUE;
}

BOOL CSyokiSetRekiModel::CheckRuledLines(bool optimise) {
    if (ReadControls() != SyokiSetField::kNone) {
        return FALSE;
    }
    if (!WidthPerUnit()) {
        return FALSE;
    }
    const int du = m_values.dateUnit;
    const int dn = m_values.dateStep;
    const int ru = m_values.keisenUnit;
    if (m_dateMode != 0 && ru == kUnitWeek) {
        AfxMessageBox(IDS_WEEK_LINES_ELAPSED, MB_OK | MB_ICONINFORMATION);
        optimise = true;
    }
    if (m_values.alwaysOptimise) {
        optimise = true;
    }
    bool replace = optimise;
    if (!optimise) {
        for (const RuledLinePair& pair : kRuledLinePairs) {
            if (pair.dateUnit == du && ru != pair.first && ru != pair.second) {
                AfxMessageBox(pair.message, MB_OK | MB_ICONINFORMATION);
                replace = true;
            }
        }
    }
    if (replace) {
        if (ru != du) {
            m_values.keisenUnit = du;
            FillStepList(m_keisenSteps, du);
        }
        m_values.keisenStep = dn;
        PutControls();
    }
    return TRUE;
}

void CSyokiSetRekiModel::OnDateUnitChanged() {
    const int unit = m_values.dateUnit;
    m_values.keisenUnit = unit;
    FillStepList(m_dateSteps, unit);
    FillStepList(m_keisenSteps, unit);
    m_values.dateStep = 0;
    m_values.keisenStep = 0;
    GetDefaultDateRows(m_dateMode, unit, m_dateRows);
    PutControls();
    CheckThinning(false);
    ShowRowLabels();
    PutControls();
}

void CSyokiSetRekiModel::OnKeisenUnitChanged() {
    FillStepList(m_keisenSteps, m_values.keisenUnit);
    m_values.keisenStep = 0;
    PutControls();
    CheckRuledLines(false);
}

void CSyokiSetRekiModel::OnStartHourChanged() {
    if (m_values.dateUnit != kUnitHour) {
        m_values.startHour = 0;
        PutControls();
    }
}

void CSyokiSetRekiModel::OnItemWidthLeft() {
    if (ReadControls() != SyokiSetField::kNone) {
        return;
    }
    if (m_values.itemWidth < 0 || m_values.itemWidth > m_area.GetPaperSize().cx / 2) {
        m_values.itemWidth = m_area.GetLeftWidth();
    }
    m_area.SetLeftWidth(m_values.itemWidth);
    PutControls();
    CheckThinning(false);
}

void CSyokiSetRekiModel::OnInsetsLeft() {
    if (ReadControls() != SyokiSetField::kNone) {
        return;
    }
    if (m_values.insetLeft < 0 || m_values.insetRight < 0 ||
        m_values.insetLeft + m_values.insetRight > m_area.GetPaperSize().cx / 4) {
        m_values.insetLeft = m_area.GetInsetLeft();
        m_values.insetRight = m_area.GetInsetRight();
    }
    m_area.SetEditInsets(m_values.insetLeft, m_values.insetRight);
    PutControls();
    CheckThinning(false);
}

} // namespace tembra
