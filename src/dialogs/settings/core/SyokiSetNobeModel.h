// The initial settings of an elapsed-day chart (195 "初期設定（延）"): the calendar-day model with
// the period given as a preparation period before day 1 and the last elapsed day, both in
// months of a month length L and days (years of twelve such months). Day 1 keeps its calendar
// date when the preparation period is edited: the chart start moves instead.
#pragma once

#include "dialogs/settings/core/SyokiSetRekiModel.h"

namespace tembra {

// An elapsed count of days as years, months and days of a month length (years of 12 months).
struct ElapsedParts {
    int years = 0;
    int months = 0;
    int days = 0;
};
ElapsedParts SplitElapsedDays(int days, int monthLength);
int JoinElapsedDays(const ElapsedParts& parts, int monthLength);

class CSyokiSetNobeModel : public CSyokiSetRekiModel {
public:
    explicit CSyokiSetNobeModel(CTembraDoc* document);

    void LoadPeriod(const CSyokiSet* settings, const SyokiSetConversion* conversion) override;
    BOOL StorePeriod(CSyokiSet* settings) override;
    void StepPeriodField(int code) override;
    void RecalcEndFromDays() override;
    void RecalcDayCount() override;

    // The preparation period and the last elapsed day as the fields hold them, in days.
    int PreparationDays() const;
    int LastElapsedDay() const;
    const CTime& GetWorkStart() const { return m_workStart; }

protected:
    double PeriodUnits() override;

private:
    void ShowPreparation(int days);
    void ShowLastDay(int days);

    CTime m_workStart;
    CTime m_workEnd;
    CTimeSpan m_preparation;
};

} // namespace tembra
