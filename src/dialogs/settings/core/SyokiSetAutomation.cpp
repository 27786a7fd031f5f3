#include "dialogs/settings/core/SyokiSetAutomation.h"

#include "document/TembraDoc.h"
#include "model/Utility.h"

#include <algorithm>
#include <functional>

namespace tembra {

namespace {

constexpr int kMaxRows = 150;

bool IsElapsed(const CTembraDoc& document) {
    return document.GetSyokiSet().GetNobeMode() > 0;
}

// Load, the change, the check, the store; the header follows a new paper.
int RunSettings(CTembraDoc& document, const std::function<bool(CSyokiSetRekiModel&)>& change) {
    CSyokiSetRekiModel model(&document);
    const short paperBefore = document.GetSyokiSet().GetPageSetting().GetPaper();
    model.LoadPeriod(&document.GetSyokiSet(), nullptr);
    model.InitControls();
    if (!change(model) || !model.CanClose()) {
        return 0;
    }
    model.StorePeriod(&document.GetSyokiSet());
    document.InvalidateTextZukei();
    const CSyokiSet& settings = document.GetSyokiSet();
    const short paper = settings.GetPageSetting().GetPaper();
    if (paper != paperBefore) {
        document.GetPrHeader().InitFromSettings(
            &document, paper, ConfigPathToFs(settings.GetPath().GetLayoutFilePath()), TRUE);
    }
    return 1;
}

bool IsSupportedDate(const SyokiSetDate& date) {
    if (date.year < kMinDateYear || date.year > kMaxDateYear || date.month < 1 || date.month > 12 ||
        date.day < 1 || date.day > GetDaysInMonth(date.year, date.month)) {
        return false;
    }
    return true;
}

} // namespace

int LineChange(CTembraDoc& document, int rows) {
    if (IsElapsed(document) || rows < 1) {
        return 0;
    }
    return RunSettings(document, [rows](CSyokiSetRekiModel& model) {
        model.Values().rows = std::min(rows, kMaxRows);
        model.PutControls();
        return true;
    });
}

int PaperChange(CTembraDoc& document, int paper) {
    if (IsElapsed(document) || paper < 0 || paper > 5) {
        return 0;
    }
    return RunSettings(document, [paper](CSyokiSetRekiModel& model) {
        model.Values().paper = paper;
        model.OnSelchangePaper();
        // A question answered No keeps the old paper: nothing to apply.
        return model.Values().paper == paper;
    });
}

int KikanChange(CTembraDoc& document, const SyokiSetDate& start, const SyokiSetDate& end) {
    if (IsElapsed(document) || !IsSupportedDate(start) || !IsSupportedDate(end)) {
        return 0;
    }
    return RunSettings(document, [&start, &end](CSyokiSetRekiModel& model) {
        SyokiSetValues& values = model.Values();
        values.start = {start.year - kMinDateYear, start.month - 1, start.day - 1};
        values.end = {end.year - kMinDateYear, end.month - 1, end.day - 1};
        model.PutControls();
        model.RecalcDayCount();
        return true;
    });
}

int ChangeNobeToReki(CTembraDoc& document, const DayConversionValues& values) {
    if (!IsElapsed(document)) {
        return 0;
    }
    const DayConversionCheck check =
        CheckDayConversion(DayConversionKind::kToCalendar, values, document.GetSyokiSet());
    if (check.message != 0) {
        return 0;
    }
    const SyokiSetConversion conversion =
        MakeSyokiSetConversion(check.conversion, document.GetSyokiSet(), false);
    CSyokiSetRekiModel model(&document);
    model.LoadPeriod(&document.GetSyokiSet(), &conversion);
    model.InitControls();
    if (!model.CanClose()) {
        return 0;
    }
    document.GetDayCounting().ConvertChartToCalendar(
        check.conversion, [&model, &document] { model.StorePeriod(&document.GetSyokiSet()); });
    document.InvalidateTextZukei();
    return 1;
}

SyokiSetConversion MakeSyokiSetConversion(const DayConversion& conversion,
                                          const CSyokiSet& settings, bool toElapsed) {
    SyokiSetConversion record;
    record.date = conversion.date;
    record.daySpan = conversion.offset;
    const CTime dayOne = conversion.date - conversion.offset;
    record.offset = dayOne - (toElapsed ? settings.GetWorkStartDate() : settings.GetNobeBaseDate());
    record.factor = conversion.Factor(toElapsed);
    record.holidayFlag = conversion.holidayChoice;
    return record;
}

} // namespace tembra
