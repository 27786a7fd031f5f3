#include "dialogs/settings/core/SyokiSetRekiModel.h"

#include "document/AppState.h"
#include "document/TembraDoc.h"
#include "model/Calendar.h"
#include "model/ConfigBase.h"
#include "model/LayoutFile.h"
#include "model/Utility.h"
#include "platform/RangeMessage.h"
#include "platform/Sjis.h"

#include <cstdio>

#include <algorithm>

namespace tembra {

namespace {

constexpr CTimeSpan kDay(1, 0, 0, 0);

CTimeSpan Days(int days) {
    return CTimeSpan(days, 0, 0, 0);
}

int WholeDays(CTimeSpan span) {
    return static_cast<int>(span.GetDays());
}

} // namespace

const std::vector<SyokiSetFieldRange>& SyokiSetFieldRanges() {
    static const std::vector<SyokiSetFieldRange> ranges{
        {SyokiSetField::kMaeYohaku, 0, 999},  {SyokiSetField::kAtoYohaku, 0, 999},
        {SyokiSetField::kRows, 1, 150},       {SyokiSetField::kItemWidth, 0, 9999},
        {SyokiSetField::kInsetLeft, 0, 700},  {SyokiSetField::kInsetRight, 0, 700},
        {SyokiSetField::kMonthLength, 1, 31},
    };
    return ranges;
}

CSyokiSetRekiModel::CSyokiSetRekiModel(CTembraDoc* document) : m_document(document) {
    GetAppState()->RaiseSyokiDlgCount();
}

CSyokiSetRekiModel::~CSyokiSetRekiModel() {
    GetAppState()->LowerSyokiDlgCount();
}

// ---- Loading and storing ------------------------------------------------------------------------

void CSyokiSetRekiModel::LoadCommon(const CSyokiSet& s) {
    m_loaded = &s;
    m_chart.Copy(s.GetChart());

    m_layoutFile = s.GetPath().GetLayoutFileName();
    m_editedHere = false;
    m_layoutChanged = false;
    const CPrHeader* docHeader = m_document != nullptr ? &m_document->GetPrHeader() : nullptr;
    m_tempAtOpen = docHeader != nullptr && docHeader->GetLocalLayout() != 0;
    m_layoutName = m_tempAtOpen ? docHeader->GetLayoutName() : ReadLayoutName(LayoutPath());

    const CPageSetting& page = s.GetPageSetting();
    m_values.paper = page.GetPaper();
    m_orientation = m_values.paper == 3 ? 1 : 0;
    m_values.itemWidth = page.GetLeftWidth();
    m_values.insetLeft = page.GetInsetLeft();
    m_values.insetRight = page.GetInsetRight();
    m_area = page;
    if (docHeader != nullptr) {
        m_header.CopyFrom(*docHeader);
    }

    m_values.maeYohaku = WholeDays(s.GetMaeYohaku());
    m_values.atoYohaku = WholeDays(s.GetAtoYohaku());
    m_values.dayCount = s.GetDisplayDayCount();
    m_values.startHour = s.GetStartDate().GetHour();
    m_values.rows = s.GetRowSpan();
    m_values.dateUnit = s.GetDateUnit();
    m_values.dateStep = s.GetOption2();
    m_values.keisenUnit = s.GetKeisenUnit();
    m_values.keisenStep = s.GetKeisenStep();
    for (int i = 0; i < kDateRowMax; ++i) {
        m_dateRows[static_cast<std::size_t>(i)] = s.GetDateRowKind(i);
    }

    const CConfigChart& chart = s.GetChart();
    m_fonts[kFontDate] = chart.GetDateStyle().GetLogFont();
    m_fonts[kFontKoumoku] = chart.GetKoumokuAttr().GetLogFont();
    m_fonts[kFontYogo] = chart.GetYogoAttr().GetLogFont();
    m_fonts[kFontEvent] = s.GetEvent().GetLogFont();
    m_fonts[kFontShigen] = chart.GetShigenAttr().GetLogFont();
    m_fonts[kFontZukei] = s.GetZukei().GetLogFont();
    m_fonts[kFontHeader] = s.GetPaperFont();
    m_fonts[kFontShin] = s.GetShin().GetLogFont();
    // Mode words 1 to 4: how years, months, days and weekdays are written.
    for (int i = 0; i < 4; ++i) {
        m_dateModes[static_cast<std::size_t>(i)] = chart.GetDateStyle().GetMode(i + 1);
    }
}

void CSyokiSetRekiModel::StoreCommon(CSyokiSet& s) {
    // The page settings as they were, unless the paper or layout changed below.
    const CPageSetting page = s.GetPageSetting();
    s.GetChart().Copy(m_chart);
    s.GetPageSetting() = page;

    const bool headerTemporary =
        m_document != nullptr && m_document->GetPrHeader().GetLocalLayout() != 0;
    const bool differs = page.GetPaper() != m_values.paper || page.GetMuki() != m_orientation ||
                         s.GetPath().GetLayoutFileName() != m_layoutFile ||
                         page.GetLeftWidth() != m_values.itemWidth ||
                         page.GetInsetLeft() != m_values.insetLeft ||
                         page.GetInsetRight() != m_values.insetRight;
    if (m_editedHere || m_layoutChanged || headerTemporary != m_tempAtOpen || differs) {
        s.GetPath().SetLayoutFileName(m_layoutFile);
        s.GetPageSetting() = m_area;
    }

    s.SetMaeYohaku(Days(m_values.maeYohaku));
    s.SetAtoYohaku(Days(m_values.atoYohaku));
    s.SetLastRow(static_cast<WORD>(s.GetFirstRow() + m_values.rows - 1));
    s.SetOption1(static_cast<WORD>(m_values.dateUnit));
    s.SetOption2(static_cast<WORD>(m_values.dateStep));
    s.SetKeisenUnit(static_cast<WORD>(m_values.keisenUnit));
    s.SetKeisenStep(static_cast<WORD>(m_values.keisenStep));
    for (int i = 0; i < kDateRowMax; ++i) {
        s.SetDateRowKind(i, m_dateRows[static_cast<std::size_t>(i)]);
    }

    CConfigChart& chart = s.GetChart();
    chart.GetDateStyle().SetLogFont(m_fonts[kFontDate]);
    chart.SetKoumokuFont(m_fonts[kFontKoumoku]);
    chart.GetYogoAttr().SetLogFont(m_fonts[kFontYogo]);
    s.GetEvent().SetLogFont(m_fonts[kFontEvent]);
    chart.GetShigenAttr().SetLogFont(m_fonts[kFontShigen]);
    s.GetZukei().SetLogFont(m_fonts[kFontZukei]);
    s.SetPaperFont(m_fonts[kFontHeader]);
    s.GetShin().SetLogFont(m_fonts[kFontShin]);
    for (int i = 0; i < 4; ++i) {
        chart.GetDateStyle().SetMode(i + 1, m_dateModes[static_cast<std::size_t>(i)]);
    }
}

void CSyokiSetRekiModel::LoadPeriod(const CSyokiSet* settings, const SyokiSetConversion* c) {
    if (settings == nullptr) {
        return;
    }
    m_conversion.reset();
    if (c != nullptr) {
        m_conversion = *c;
    }
    m_dateMode = 0;
    LoadCommon(*settings);
    m_hensoku = *settings->GetHensoku();
    m_scale = CHensokuScale();

    CTime start = settings->GetWorkStartDate();
    CTime end = settings->GetWorkEndDate();
    if (c != nullptr) {
        const double factor = c->factor < 0 ? -c->factor : c->factor;
        const BOOL round = c->factor < 0 ? FALSE : TRUE;
        const CTime base = settings->GetNobeBaseDate();
        const CTime oldStart = start;
        start = start + c->offset;
        end = end + c->offset;
        int dayCount = WholeDays(ScaleSpan(Days(m_values.dayCount), factor, round));
        if (c->holidayFlag == 0) {
            const int n = WholeDays(ScaleSpan((base + c->daySpan) - oldStart, factor, round));
            // The holidays of the calendar the chart goes back to.
            CCalendar calendar;
            if (m_document != nullptr) {
                m_document->GetDayCounting().CopyReturnCalendar(&calendar);
            } else {
                calendar.MakeHolidays(nullptr, TRUE, TRUE);
            }
            start = c->date + calendar.AddWorkTime(c->date, -Days(n));
            dayCount = WholeDays(calendar.AddWorkTime(start, Days(dayCount)));
        }
        m_values.dayCount = std::max(dayCount, 1);
        end = start + Days(m_values.dayCount - 1);
    }
    IndexesFromDate(start, m_values.start);
    IndexesFromDate(end, m_values.end);
    m_values.holidayMode = settings->GetHolidayMode();
}

BOOL CSyokiSetRekiModel::StorePeriod(CSyokiSet* settings) {
    CSyokiSet* s = settings;
    if (s == nullptr) {
        s = const_cast<CSyokiSet*>(m_loaded);
    }
    if (s == nullptr) {
        return FALSE;
    }
    StoreCommon(*s);
    s->SetHensoku(m_hensoku);
    const CTimeSpan hour(0, std::max(m_values.startHour, 0), 0, 0);
    s->SetStartDate(DateFromIndexes(m_values.start) + hour - Days(m_values.maeYohaku));
    s->SetEndDate(DateFromIndexes(m_values.end) + hour + Days(m_values.atoYohaku));
    s->SetHolidayMode(static_cast<short>(m_values.holidayMode));
    s->SetJyunbiKikan(CTimeSpan());
    s->SetNobeMode(0);
    return TRUE;
}

// ---- Dates --------------------------------------------------------------------------------------

CTime CSyokiSetRekiModel::DateFromIndexes(const std::array<int, 3>& i) const {
    return CTime(kMinDateYear + i[0], i[1] + 1, i[2] + 1);
}

void CSyokiSetRekiModel::IndexesFromDate(const CTime& date, std::array<int, 3>& i) {
    i[0] = date.GetYear() - kMinDateYear;
    i[1] = date.GetMonth() - 1;
    i[2] = date.GetDay() - 1;
}

void CSyokiSetRekiModel::ClampIndexes() {
    for (std::array<int, 3>* date : {&m_values.start, &m_values.end}) {
        (*date)[0] = std::clamp((*date)[0], 0, kMaxDateYear - kMinDateYear);
        (*date)[1] = std::clamp((*date)[1], 0, 11);
        (*date)[2] = std::clamp((*date)[2], 0, 30);
    }
}

void CSyokiSetRekiModel::RecalcDayCount() {
    if (ReadControls() != SyokiSetField::kNone) {
        return;
    }
    ClampIndexes();
    CTime start = DateFromIndexes(m_values.start);
    CTime end = DateFromIndexes(m_values.end);
    if (start > end) {
        end = start;
    }
    if (start - GetMinDate() < Days(m_values.maeYohaku)) {
        start = GetMinDate();
        m_values.maeYohaku = 0;
    }
    if (GetMaxDate() - end < Days(m_values.atoYohaku)) {
        end = GetMaxDate();
        m_values.atoYohaku = 0;
    }
    m_values.dayCount = WholeDays(end - start) + 1;
    IndexesFromDate(start, m_values.start);
    IndexesFromDate(end, m_values.end);
    PutControls();
    CheckThinning(false);
    if (m_controls != nullptr) {
        m_controls->RepaintNow();
    }
}

void CSyokiSetRekiModel::RecalcEndFromDays() {
    if (ReadControls() != SyokiSetField::kNone) {
        return;
    }
    ClampIndexes();
    const CTime start = DateFromIndexes(m_values.start);
    CTime end;
    if (GetMaxDate() - start < Days(m_values.dayCount - 1) + Days(m_values.atoYohaku)) {
        end = GetMaxDate();
        m_values.atoYohaku = 0;
    } else {
        end = start + Days(m_values.dayCount - 1);
    }
    IndexesFromDate(end, m_values.end);
    PutControls();
    RecalcDayCount();
}

void CSyokiSetRekiModel::StepPeriodField(int code) {
    const bool add = (code & 0x100) != 0;
    const int sign = add ? 1 : -1;
    const int bits = code & 0xFF;
    for (const int shift : {0, 4}) {
        std::array<int, 3>& date = shift == 0 ? m_values.end : m_values.start;
        const int field = (bits >> shift) & 0x07;
        if (field == 0x01) {
            date[0] = std::clamp(date[0] + sign, 0, kMaxDateYear - kMinDateYear);
        } else if (field == 0x02) {
            date[1] += sign;
            if (date[1] > 11) {
                date[1] = 0;
                date[2] = 30;
                date[0] = std::min(date[0] + 1, kMaxDateYear - kMinDateYear);
            } else if (date[1] < 0) {
                date[1] = 11;
                date[0] = std::max(date[0] - 1, 0);
            }
        } else if (field == 0x04) {
            const CTime moved = DateFromIndexes(date) + (add ? kDay : -kDay);
            IndexesFromDate(std::clamp(moved, GetMinDate(), GetMaxDate()), date);
        }
    }
    PutControls();
    RecalcDayCount();
}

// ---- Controls -----------------------------------------------------------------------------------

SyokiSetField CSyokiSetRekiModel::ReadControls() {
    SyokiSetField failed = SyokiSetField::kNone;
    if (m_controls != nullptr && !m_controls->ReadControls(m_values, failed)) {
        return failed == SyokiSetField::kNone ? SyokiSetField::kRows : failed;
    }
    const auto value = [this](SyokiSetField field) -> int {
        switch (field) {
        case SyokiSetField::kMaeYohaku:
            return m_values.maeYohaku;
        case SyokiSetField::kAtoYohaku:
            return m_values.atoYohaku;
        case SyokiSetField::kRows:
            return m_values.rows;
        case SyokiSetField::kItemWidth:
            return m_values.itemWidth;
        case SyokiSetField::kInsetLeft:
            return m_values.insetLeft;
        case SyokiSetField::kInsetRight:
            return m_values.insetRight;
        case SyokiSetField::kMonthLength:
            return m_values.monthLength;
        case SyokiSetField::kNone:
            break;
        }
        return 0;
    };
    for (const SyokiSetFieldRange& range : SyokiSetFieldRanges()) {
        if (range.field == SyokiSetField::kMonthLength && m_dateMode == 0) {
            continue;
        }
        const int v = value(range.field);
        if (v < range.min || v > range.max) {
            ShowRangeMessage(range.min, range.max);
            return range.field;
        }
    }
    return SyokiSetField::kNone;
}

void CSyokiSetRekiModel::PutControls() {
    if (m_controls != nullptr) {
        m_controls->PutControls();
    }
}

void CSyokiSetRekiModel::InitControls() {
    FillStepList(m_dateSteps, m_values.dateUnit);
    FillStepList(m_keisenSteps, m_values.keisenUnit);
    PutControls();
    const int docMode =
        m_document != nullptr && m_document->GetSyokiSet().GetNobeMode() > 0 ? 1 : 0;
    if (docMode != m_dateMode) {
        CheckThinning(true);
    }
    ShowRowLabels();
    PutControls();
}

void CSyokiSetRekiModel::FillStepList(std::vector<std::string>& list, int unit) {
    list.clear();
    for (int i = 0; i < kThinningStepCount; ++i) {
        const int step = GetThinningStep(unit, i);
        if (step == 0) {
            break;
        }
        char text[8];
        std::snprintf(text, sizeof text, "%2d", step);
        list.emplace_back(text);
    }
}

void CSyokiSetRekiModel::ShowRowLabels() {
    struct Label {
        WORD kind;
        const char* text;
    };
    static const Label labels[] = {
        {kDateRowNone, "なし"},    {kDateRowYear, "西暦"},    {kDateRowNobeYear, "延年"},
        {kDateRowEraYear, "和暦"}, {kDateRowMonth, "月"},     {kDateRowNobeMonth, "延月"},
        {kDateRowDay, "日"},       {kDateRowNobeDay, "延日"}, {kDateRowHour, "時"},
        {kDateRowWeekday, "曜日"},
    };
    for (std::size_t row = 0; row < m_rowLabels.size(); ++row) {
        for (const Label& label : labels) {
            if (label.kind == m_dateRows[row]) {
                m_rowLabels[row] = Sjis::FromUtf8(label.text);
            }
        }
    }
}

// ---- Sub-dialogs, reset, OK ---------------------------------------------------------------------

void CSyokiSetRekiModel::OnHensokuChanged() {
    m_scale.Build(m_scale.GetStart(), m_scale.GetEnd(),
                  m_document != nullptr ? &m_document->GetWorkCalendar() : nullptr, &m_hensoku);
    CheckThinning(false);
}

void CSyokiSetRekiModel::SetFonts(const ElementFontSet& fonts) {
    m_fonts = fonts;
    CheckThinning(false);
}

void CSyokiSetRekiModel::SetDateRows(const std::array<WORD, kDateRowMax>& rows,
                                     const std::array<WORD, 4>& modes) {
    m_dateRows = rows;
    m_dateModes = modes;
    ShowRowLabels();
    PutControls();
}

void CSyokiSetRekiModel::Reset() {
    const CSyokiSet* documentRecord = m_loaded;
    if (m_conversion) {
        const SyokiSetConversion conversion = *m_conversion;
        LoadPeriod(documentRecord, &conversion);
        PutControls();
        InitControls();
        return;
    }
    CSyokiSet defaults;
    defaults.SetDefault(m_document, m_dateMode);
    const int shownPaper = m_values.paper;
    LoadPeriod(&defaults, nullptr);
    m_loaded = documentRecord;
    const int defaultPaper = m_values.paper;
    m_header.InitFromSettings(m_document, shownPaper, LayoutPath(), FALSE);
    m_layoutName = m_header.GetLayoutName();
    m_tempAtOpen = false;
    m_editedHere = false;
    m_layoutChanged = true;
    PutControls();
    if (defaultPaper != shownPaper) {
        // The paper shown before stays: the change runs from the default paper to it.
        m_values.paper = shownPaper;
        OnSelchangePaper();
        return;
    }
    m_area.SetPaper(m_values.paper, m_orientation, LayoutPath());
    InitControls();
}

bool CSyokiSetRekiModel::CanClose() {
    return ReadControls() == SyokiSetField::kNone && IsPeriodValid() != FALSE;
}

} // namespace tembra
