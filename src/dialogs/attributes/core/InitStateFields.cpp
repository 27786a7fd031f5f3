#include "dialogs/attributes/core/InitStateFields.h"

#include "model/ConfigBase.h"
#include "model/LayoutFile.h"
#include "model/PrintArea.h"

namespace tembra {

namespace {

constexpr InitStateNumberField kNumbers[] = {
    {1361, 1, 3650, &InitStateFields::kikan},       {1615, 1, 100, &InitStateFields::lines},
    {1670, 0, 150, &InitStateFields::maeYohaku},    {1671, 0, 150, &InitStateFields::atoYohaku},
    {1043, 0, 9999, &InitStateFields::bigHolidays}, {1680, 0, 365, &InitStateFields::jyunbiKikan},
    {1008, 1, 31, &InitStateFields::monthDays},
};

// The date-row mode words.
enum : int { kModeBig = 0, kModeYear = 1, kModeMonth = 2, kModeDay = 3, kModeWeek = 4 };
constexpr WORD kWeekEnglish = 2;

} // namespace

std::span<const InitStateNumberField> InitStateNumberFields() {
    return kNumbers;
}

InitStateFields LoadInitState(const CConfigBase& settings) {
    InitStateFields f;
    f.chart.GetAreaNameSet().RemoveAll();
    f.chart.Copy(settings.GetChart());
    const CPageSetting& page = settings.GetChart().GetPageSetting();
    f.storedPaper = page.GetPaper();
    f.storedOrientation = page.GetMuki();
    f.paper = f.storedPaper >= 0 && f.storedPaper < kPaperListCount ? f.storedPaper : -1;
    f.nobeMode = settings.GetNobeMode();
    f.layoutFileName = settings.GetPath().GetLayoutFileName();
    f.layoutName = ReadLayoutName(ConfigPathToFs(settings.GetPath().GetLayoutFilePath()));
    f.kikan = settings.GetKikan();
    f.lines = settings.GetLines();
    f.maeYohaku = settings.GetMaeYohaku();
    f.atoYohaku = settings.GetAtoYohaku();
    f.jyunbiKikan = settings.GetJyunbiKikan();
    f.monthDays = settings.GetMonthDays();
    const CAreaStyle& dates = settings.GetChart().GetDateStyle();
    f.bigHolidays = dates.GetMode(kModeBig);
    f.yearMode = dates.GetMode(kModeYear);
    f.monthMode = dates.GetMode(kModeMonth);
    f.dayMode = dates.GetMode(kModeDay);
    f.weekMode = dates.GetMode(kModeWeek) == kWeekEnglish ? 1 : 0;
    f.dataPath = settings.GetPath().GetDataPath();
    return f;
}

void StoreInitState(const InitStateFields& fields, CConfigBase& settings) {
    CConfigChart& chart = settings.GetChart();
    chart.GetAreaNameSet().RemoveAll();
    chart.Copy(fields.chart);
    settings.SetKikan(fields.kikan);
    settings.SetLines(fields.lines);
    settings.SetNobeMode(fields.nobeMode);
    settings.SetMaeYohaku(fields.maeYohaku);
    settings.SetAtoYohaku(fields.atoYohaku);
    settings.SetJyunbiKikan(fields.jyunbiKikan);
    settings.SetMonthDays(fields.monthDays);
    CAreaStyle& dates = chart.GetDateStyle();
    dates.SetMode(kModeBig, static_cast<WORD>(fields.bigHolidays));
    CPageSetting& page = chart.GetPageSetting();
    if (fields.paper >= 0 && fields.paper < kPaperListCount) {
        page.SetPaperKind(fields.paper);
        page.SetOrientation(0);
    } else {
        page.SetPaperKind(fields.storedPaper);
        page.SetOrientation(fields.storedOrientation);
    }
    dates.SetMode(kModeYear, static_cast<WORD>(fields.yearMode));
    dates.SetMode(kModeMonth, static_cast<WORD>(fields.monthMode));
    dates.SetMode(kModeDay, static_cast<WORD>(fields.dayMode));
    dates.SetMode(kModeWeek, fields.weekMode == 1 ? kWeekEnglish : WORD{0});
    settings.GetPath().SetLayoutFileName(fields.layoutFileName);
    settings.GetPath().SetDataPath(fields.dataPath);
}

bool LayoutNeedsA3(int discernmentFlag, int paperPosition) {
    return discernmentFlag == 1 && paperPosition != kPaperA3Position;
}

} // namespace tembra
