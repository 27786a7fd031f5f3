// Item cells, ruled lines, row clearing and the settings changes clients ask for.
#include "automation/AutomationHost.h"
#include "automation/SettingsChanges.h"
#include "automation/TembraDocAutomation.h"
#include "document/TembraDoc.h"
#include "model/KoumokuData.h"
#include "model/Utility.h"

#include <algorithm>
#include <optional>

namespace tembra {

namespace {

constexpr int kKoumokuColumns = 10;
constexpr int kLastKeisenRow = 9999;
constexpr int kLastClearRow = 999;
constexpr int kLastLineType = 5;
constexpr int kMaxRows = 150;
constexpr int kPapers = 6;
constexpr long kMaxMargin = 9999;

// A number the member cannot do without: a value that is not a string refuses the call rather
// than reading as row or column 0.
std::optional<int> NumberArg(const AutoArg& arg) {
    std::string text;
    if (!VariantToString(arg, text)) {
        return std::nullopt;
    }
    return AutoNumber(text);
}

// The cell at the place, made when there is none.
CKoumokuData* TakeCell(CTembraDoc& doc, int row, int column) {
    CKoumokuData* cell = doc.GetKoumokuCells().GetKoumokuCell(row, column);
    return cell != nullptr ? cell : doc.GetKoumokuCells().CreateKoumokuData(row, column);
}

bool IsCalendarChart(const CTembraDoc& doc) {
    return doc.GetSyokiSet().GetNobeMode() == 0;
}

} // namespace

AutoResult CTembraDocAutomation::AddKoumokuData(const AutoArg& row, const AutoArg& column,
                                                const AutoArg& text) {
    const std::optional<int> r = NumberArg(row);
    const std::optional<int> c = NumberArg(column);
    if (!r || !c || *r < 0 || *c < 0 || *c >= kKoumokuColumns) {
        return AutoResult::I2(0);
    }
    CKoumokuData* cell = TakeCell(m_doc, *r, *c);
    if (cell == nullptr) {
        return AutoResult::I2(0);
    }
    std::string body;
    VariantToString(text, body);
    cell->SetText(body);
    cell->SetFormat(0);
    cell->SetFlags(0);
    return AutoResult::I2(-1);
}

AutoResult CTembraDocAutomation::ModifyKeisenType(const AutoArg& row, const AutoArg& column,
                                                  const AutoArg& what, const AutoArg& value) {
    const std::optional<int> r = NumberArg(row);
    const std::optional<int> c = NumberArg(column);
    const std::optional<int> bits = NumberArg(what);
    std::optional<int> type = NumberArg(value);
    if (!r || !c || !bits || !type || *r < 0 || *r > kLastKeisenRow || *c < 0 ||
        *c >= kKoumokuColumns) {
        return AutoResult::I2(0);
    }
    if (*type < 0 || *type > kLastLineType) {
        type = 0;
    }
    CKoumokuData* cell = TakeCell(m_doc, *r, *c);
    if (cell == nullptr) {
        return AutoResult::I2(0);
    }
    if ((*bits & 1) != 0) {
        cell->SetKeisenWord1(static_cast<WORD>(*type));
    }
    if ((*bits & 2) != 0) {
        cell->SetKeisenWord2(static_cast<WORD>(*type));
    }
    if ((*bits & 4) != 0) {
        m_doc.GetKoumoku()->SetKeisenType(*r, static_cast<WORD>(*type));
    }
    return AutoResult::I2(-1);
}

AutoResult CTembraDocAutomation::ClearLine(const AutoArg& first, const AutoArg& last) {
    const std::optional<int> firstRow = NumberArg(first);
    const std::optional<int> lastRow = NumberArg(last);
    if (!firstRow || !lastRow) {
        return AutoResult::I2(0);
    }
    int from = std::max(0, *firstRow);
    int to = *lastRow;
    if (to > kLastClearRow) {
        to = kLastClearRow;
    }
    if (to < from) {
        std::swap(from, to);
    }
    m_doc.GetKoumoku()->RemoveKeisenTypes(from, to);
    m_doc.DeleteRowObjects(from, to);
    m_doc.GetShapes().DeleteZukeiRows(TRUE, from, to);
    m_doc.GetHatches().RowHatchesDeleted(TRUE, from, to);
    m_doc.GetKoumokuCells().ClearKoumokuRange(from, 0, to - from + 1, kKoumokuColumns, FALSE);
    m_doc.GetHatches().HatchRowsDeleted(TRUE, from, to, 0, kKoumokuColumns - 1);
    return AutoResult::I2(-1);
}

AutoResult CTembraDocAutomation::PaperChange(const AutoArg& paper) {
    const std::optional<int> value = NumberArg(paper);
    if (!IsCalendarChart(m_doc) || !value || *value < 0 || *value >= kPapers) {
        return AutoResult::I2(0);
    }
    // The change of paper may ask the user about the layout: a question of its own.
    const CAutomationQuestion question(m_host);
    return AutoResult::I2(m_settings.PaperChange(m_doc, *value) != 0 ? -1 : 0);
}

AutoResult CTembraDocAutomation::KikanChange(const AutoArg& start, const AutoArg& end) {
    int y1 = 0;
    int m1 = 0;
    int d1 = 0;
    int y2 = 0;
    int m2 = 0;
    int d2 = 0;
    if (!IsCalendarChart(m_doc) || !CalendarDateArg(start, '/', y1, m1, d1) ||
        !CalendarDateArg(end, '/', y2, m2, d2)) {
        return AutoResult::I2(0);
    }
    // Outside the supported years a date is not a time the chart can hold.
    if (y1 < GetMinDate().GetYear() || y1 > GetMaxDate().GetYear() || y2 < GetMinDate().GetYear() ||
        y2 > GetMaxDate().GetYear()) {
        return AutoResult::I2(0);
    }
    CTime from(y1, m1, d1, 0, 0, 0);
    CTime to(y2, m2, d2, 0, 0, 0);
    if (m_doc.MaeYohaku >= 0 && m_doc.MaeYohaku <= kMaxMargin) {
        from -= CTimeSpan(m_doc.MaeYohaku, 0, 0, 0);
    }
    if (m_doc.AtoYohaku >= 0 && m_doc.AtoYohaku <= kMaxMargin) {
        to += CTimeSpan(m_doc.AtoYohaku, 0, 0, 0);
    }
    // The margins may push a date past what the chart can hold: nothing is stored then.
    if (from < GetMinDate() || to > GetMaxDate()) {
        return AutoResult::I2(0);
    }
    return AutoResult::I2(m_settings.KikanChange(m_doc, from, to) != 0 ? -1 : 0);
}

AutoResult CTembraDocAutomation::LineChange(const AutoArg& rows) {
    const std::optional<int> value = NumberArg(rows);
    if (!IsCalendarChart(m_doc) || !value || *value < 1) {
        return AutoResult::I2(0);
    }
    return AutoResult::I2(m_settings.LineChange(m_doc, std::min(*value, kMaxRows)) != 0 ? -1 : 0);
}

AutoResult CTembraDocAutomation::ChangeNobeToReki(const AutoArg& day, const AutoArg& date,
                                                  const AutoArg& holidays,
                                                  const AutoArg& coefficients,
                                                  const AutoArg& rounding) {
    if (IsCalendarChart(m_doc)) {
        return AutoResult::I2(0);
    }
    const std::optional<int> dayNumber = NumberArg(day);
    const std::optional<int> holidayChoice = NumberArg(holidays);
    const std::optional<int> round = NumberArg(rounding);
    if (!dayNumber || !holidayChoice || !round) {
        return AutoResult::I2(0);
    }
    DayConversionValues values;
    values.dayNumber = *dayNumber;
    std::string text;
    std::string y;
    std::string m;
    std::string d;
    if (!VariantToString(date, text) || !SplitDate(text, y, m, d, ',')) {
        return AutoResult::I2(0);
    }
    values.year = AutoNumber(y);
    values.month = AutoNumber(m);
    values.day = AutoNumber(d);
    values.holidayChoice = *holidayChoice != 0 ? 1 : 0;
    // "calendar,elapsed", one digit each; the dialog reads elapsed : calendar.
    std::string ratios;
    VariantToString(coefficients, ratios);
    values.toRatio = ratios.size() >= 1 ? AutoNumber(ratios.substr(0, 1)) : 0;
    values.fromRatio = ratios.size() >= 3 ? AutoNumber(ratios.substr(2, 1)) : 0;
    values.round = *round != 0;
    const DayConversionCheck check =
        CheckDayConversion(DayConversionKind::kToCalendar, values, m_doc.GetSyokiSet());
    if (check.message != 0) {
        return AutoResult::I2(0);
    }
    return AutoResult::I2(m_settings.ChangeNobeToReki(m_doc, values, check) != 0 ? -1 : 0);
}

} // namespace tembra
