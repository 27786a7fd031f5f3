// The initial-settings record (初期設定) of one document: the chart-wide defaults of its objects
// (the chart, event, progress-line, shape and file-name settings parts), the chart period with
// its date mode, margins and rows, the date-label thinning and date-header rows, the irregular
// time-scale periods, the paper font and a few words that other parts of the program keep here.
//
// A new document fills it from the application's user defaults (SetDefault); the document file
// stores it right after the calendar. Loading first takes the defaults, so that every block a
// file of an older version lacks keeps the application's value.
//
// Also here: the label-step ("thinning") table of the date header with the functions that
// choose a step from the width that one day gets on the paper.
#pragma once

#include "model/ConfigChart.h"
#include "model/ConfigEvent.h"
#include "model/ConfigPath.h"
#include "model/ConfigShin.h"
#include "model/ConfigZukei.h"
#include "model/Hensoku.h"
#include "model/PrintArea.h"
#include "model/Yogo.h"
#include "platform/Archive.h"
#include "platform/Time.h"
#include "platform/Types.h"

#include <array>
#include <cstddef>

namespace tembra {

class CDocument;

// ---- Date units and the label-step table --------------------------------------------------------

// Units of the date labels and of the ruled lines (the thinning tables are indexed by them).
enum : int {
    kUnitDay = 0,
    kUnitWeek = 1,
    kUnitMonth = 2,
    kUnitYear = 3,
    kUnitHour = 4,
    kUnitMinute = 5,
    kUnitCount = 6,
};
// Steps per unit in the label-step table (a row ends at its first 0).
constexpr int kThinningStepCount = 10;

// Kinds of the date-header rows.
enum : WORD {
    kDateRowNone = 0,
    kDateRowYear = 1,       // 西暦
    kDateRowNobeYear = 2,   // 延年
    kDateRowEraYear = 5,    // 和暦 (平成, 令和)
    kDateRowMonth = 13,     // 月
    kDateRowNobeMonth = 14, // 延月
    kDateRowDay = 17,       // 日
    kDateRowNobeDay = 18,   // 延日
    kDateRowHour = 19,      // 時
    kDateRowWeekday = 25,   // 曜日
};
constexpr int kDateRowMax = 4;

// The index-th step of a unit (day 1 2 3 4 5 7 10 15; week 1 2; month 1 2 3 4 6; year 1 2;
// hour 1 2 6 12; minute 5 10 15 20 30); 0 past a unit's last step or outside the table.
int GetThinningStep(int unit, int index);
// Days of a unit as the step search counts them: 1, 7, 28, 364 for day, week, month, year; 0 for
// any other unit.
int GetUnitDays(int unit);
// The highest holiday-shading level that a unit and step index allow (0 none, 1 only long runs
// of holidays, 2 every holiday); 0 outside the table.
int GetHolidayMaxMode(int unit, int step);
// The date-header rows of a unit: calendar dates (mode 0) or elapsed days (mode > 0); unused
// rows are 0.
void GetDefaultDateRows(int dateMode, int unit, std::array<WORD, kDateRowMax>& rows);
// The first step whose labels are wider than minWidth: the hour steps first (a label gets
// widthPerDay / (24 / step)), then the steps of days, weeks, months and years (step ×
// widthPerDay × the unit's days); only whole parts are compared. FALSE, unit and step
// unchanged, when none is.
BOOL ChooseThinning(double minWidth, double widthPerDay, int& unit, int& step);

// ---- The record -------------------------------------------------------------------------------

class CSyokiSet : public CObject {
    DECLARE_SERIAL(CSyokiSet)
public:
    static constexpr std::size_t kReservedSize = 128;
    static constexpr int kSpareWordCount = 3;
    // The five 16-bit layout words (the first four and the last of the file's six), the 32-bit
    // one between them apart.
    static constexpr int kLayoutWordCount = 5;
    // The process line block as the file holds it (see SyokiSet.cpp for its layout).
    static constexpr std::size_t kKouteiBlockSize = 106;

    // The parts as their classes construct them, no irregular periods, an empty period; the
    // layout words 0, 0, 0xFFFF, 0, 0xFFFF and the 32-bit one -1; no fixed rows.
    CSyokiSet();
    CSyokiSet(const CSyokiSet&) = default;
    CSyokiSet& operator=(const CSyokiSet&) = default;
    ~CSyokiSet() override = default;

    // Fills the record from the application's user defaults for the document, in the date mode
    // given (-1: the application's date mode): the five parts, the margins, a period of the
    // application's length starting today (moved, when needed, so that it lies inside
    // GetMinDate..GetMaxDate), the rows, the date thinning, the paper font; the irregular
    // periods are emptied. Returns the thinning's result (FALSE after its message).
    BOOL SetDefault(CDocument* document, int dateMode);

    // The file form of the archive's document version. A load takes the defaults first, reads
    // into a scratch record and replaces this one only when the whole record was read; the
    // archive then forgets the area-name cells and periods it made for the scratch record. A
    // count or a unit that the painters cannot draw says "ファイルが異常です" and abandons the
    // load (CUserException); a stream that breaks off throws CArchiveException. Storing for an
    // older version writes that version's form and leaves the record as it is.
    void Serialize(CArchive& ar) override;

    // Chooses the date-label unit and step (and the ruled-line unit and step, the holiday
    // shading and the date-header rows) from the width per day and the date font. FALSE, with
    // message 5079 (no width per day) or 5075 (no step fits) and nothing changed, otherwise
    // TRUE.
    BOOL CalcDateThinning();

    // ---- Parts ------------------------------------------------------------------------------
    CConfigChart& GetChart() { return m_chart; }
    const CConfigChart& GetChart() const { return m_chart; }
    CConfigEvent& GetEvent() { return m_event; }
    const CConfigEvent& GetEvent() const { return m_event; }
    CConfigShin& GetShin() { return m_shin; }
    const CConfigShin& GetShin() const { return m_shin; }
    CConfigZukei& GetZukei() { return m_zukei; }
    const CConfigZukei& GetZukei() const { return m_zukei; }
    CConfigPath& GetPath() { return m_path; }
    const CConfigPath& GetPath() const { return m_path; }
    // The page settings of the chart part.
    CPageSetting& GetPageSetting() { return m_chart.GetPageSetting(); }
    const CPageSetting& GetPageSetting() const { return m_chart.GetPageSetting(); }

    CDocument* GetDocument() const { return m_document; }
    void SetDocument(CDocument* document) { m_document = document; }

    // ---- Period, rows and margins -------------------------------------------------------------
    // 0 calendar dates (暦), > 0 elapsed working days (延).
    short GetNobeMode() const { return m_nobeMode; }
    void SetNobeMode(short mode) { m_nobeMode = mode; }
    CTimeSpan GetMaeYohaku() const { return m_maeYohaku; }
    void SetMaeYohaku(CTimeSpan span) { m_maeYohaku = span; }
    CTimeSpan GetAtoYohaku() const { return m_atoYohaku; }
    void SetAtoYohaku(CTimeSpan span) { m_atoYohaku = span; }
    // The shift of day 1 of elapsed-day numbering (the preparation period); 0 in calendar mode.
    CTimeSpan GetNobeOffset() const { return m_nobeOffset; }
    void SetJyunbiKikan(CTimeSpan span) { m_nobeOffset = span; }
    // The length of an elapsed month (whole days).
    CTimeSpan GetMonthSpan() const { return m_monthSpan; }
    CTimeSpan GetNobeMonthSpan() const { return m_monthSpan; }
    CTimeSpan GetNobeOrigin() const { return m_monthSpan; }
    void SetNobeMonthSpan(CTimeSpan span) { m_monthSpan = span; }
    CTime GetStartDate() const { return m_startDate; }
    void SetStartDate(CTime date) { m_startDate = date; }
    CTime GetEndDate() const { return m_endDate; }
    void SetEndDate(CTime date) { m_endDate = date; }
    // Period start + leading margin; period end - trailing margin; the date of elapsed day 1.
    CTime GetWorkStartDate() const { return m_startDate + m_maeYohaku; }
    CTime GetWorkEndDate() const { return m_endDate - m_atoYohaku; }
    CTime GetNobeBaseDate() const { return m_startDate + m_maeYohaku + m_nobeOffset; }
    // Whole days from period start to period end, + 1; the same from work start to work end.
    int GetDayCount() const;
    int GetDisplayDayCount() const;

    WORD GetFirstRow() const { return m_firstRow; }
    void SetFirstRow(WORD row) { m_firstRow = row; }
    WORD GetLastRow() const { return m_lastRow; }
    void SetLastRow(WORD row) { m_lastRow = row; }
    // last - first + 1.
    int GetRowSpan() const { return static_cast<int>(m_lastRow) - m_firstRow + 1; }
    // The rows kept at the top while the chart is scrolled down; 0xFFFF as the last: none.
    WORD GetFixedFirstRow() const { return m_fixedFirstRow; }
    void SetFixedFirstRow(WORD row) { m_fixedFirstRow = row; }
    WORD GetFixedLastRow() const { return m_fixedLastRow; }
    void SetFixedLastRow(WORD row) { m_fixedLastRow = row; }

    // Width of the chart rectangle / day count; |height of the chart rectangle| / row span. 0
    // when the period or the row range is empty.
    double GetWidthPerDay() const;
    double GetHeightPerRow() const;

    // ---- Date labels, ruled lines and date rows -----------------------------------------------
    // 0 no holiday shading, 1 only runs of at least "BigHolidays" holidays, 2 every holiday.
    short GetHolidayShade() const { return m_holidayShade; }
    short GetHolidayMode() const { return m_holidayShade; }
    void SetHolidayMode(short mode) { m_holidayShade = mode; }
    // Date-label unit (kUnitDay ...) and its step index.
    WORD GetDateUnit() const { return m_dateUnit; }
    void SetOption1(WORD unit) { m_dateUnit = unit; }
    WORD GetOption2() const { return m_dateStep; }
    void SetOption2(WORD step) { m_dateStep = step; }
    // Ruled-line unit and step index.
    WORD GetKeisenUnit() const { return m_keisenUnit; }
    void SetKeisenUnit(WORD unit) { m_keisenUnit = unit; }
    WORD GetKeisenStep() const { return m_keisenStep; }
    void SetKeisenStep(WORD step) { m_keisenStep = step; }
    // Words kept beside the date-label settings for the dialogs; the thinning zeroes them. 0
    // for an index outside 0..2.
    WORD GetSpareWord(int i) const;
    void SetSpareWord(int i, WORD value);

    // Kind of date-header row i (0..3); 0 outside.
    WORD GetDateRowKind(int i) const;
    void SetDateRowKind(int i, WORD kind);
    // Index of the first row kind that is 0, or 4.
    int GetDateRowCount() const;
    // The rows of a unit in a date mode (GetDefaultDateRows).
    void SetDateRowKinds(int dateMode, int unit);

    // ---- Further settings -----------------------------------------------------------------
    // The irregular time-scale periods.
    CHensoku* GetHensoku() { return &m_hensoku; }
    const CHensoku* GetHensoku() const { return &m_hensoku; }
    void SetHensoku(const CHensoku& periods) { m_hensoku = periods; }

    // The font of the paper (print header), from the application's font table.
    const LOGFONT& GetPaperFont() const { return m_paperFont; }
    void SetPaperFont(const LOGFONT& font) { m_paperFont = font; }

    // The layout words that the page layout, print and dialog code keep here: index 0..3 the
    // first four 16-bit words, 4 the last one; 0 outside.
    WORD GetLayoutWord(int i) const;
    void SetLayoutWord(int i, WORD value);
    DWORD GetLayoutDword() const { return m_layoutDword; }
    void SetLayoutDword(DWORD value) { m_layoutDword = value; }
    // The title-information option is the one 32-bit layout word: non-zero (the default) makes
    // the document compose its informative window title.
    int GetTitleInfo() const { return static_cast<int>(m_layoutDword); }
    void SetTitleInfo(int value) { m_layoutDword = static_cast<DWORD>(value); }
    // The row where taken-in data go: the last layout word as a signed row, -1 none.
    short GetInsertRow() const { return static_cast<short>(m_layoutWords[4]); }
    void SetInsertRow(short row) { m_layoutWords[4] = static_cast<WORD>(row); }

    // The word kept with the progress-line date labels (the own-font flag of their block).
    WORD GetShinLabelWord() const { return m_shinLabelWord; }
    void SetShinLabelWord(WORD value) { m_shinLabelWord = value; }

    // 1 after a load, the thinning result after SetDefault, 0 from the start of every
    // Serialize; the chart view reads and clears it when it re-lays the chart.
    DWORD GetRefreshFlag() const { return m_refresh; }
    void SetRefreshFlag(DWORD value) { m_refresh = value; }

    const std::array<BYTE, kReservedSize>& GetReserved() const { return m_reserved; }

private:
    BOOL Thinning(bool showMessages);
    BOOL FillDefaults(CDocument* document, int dateMode, bool showMessages);
    void SerializeBlocks(CArchive& ar, int version);
    // The parts of SerializeBlocks, in file order.
    LONG SerializePage(CArchive& ar, int version);
    void SerializeAreaNames(CArchive& ar, int version);
    void SerializeAttributeBlocks(CArchive& ar, int version);
    void SerializePeriod(CArchive& ar, int version);
    void SerializeLayout(CArchive& ar, int version, LONG storedChartWidth);

    CConfigChart m_chart;
    CConfigEvent m_event;
    CConfigShin m_shin;
    CConfigZukei m_zukei;
    CConfigPath m_path;
    CDocument* m_document = nullptr;
    std::array<WORD, kLayoutWordCount> m_layoutWords{0, 0, 0xFFFF, 0, 0xFFFF};
    DWORD m_layoutDword = 0xFFFFFFFFu;
    LOGFONT m_paperFont;
    DWORD m_refresh = 0;
    CHensoku m_hensoku;
    short m_nobeMode = 0;
    CTimeSpan m_maeYohaku;
    CTimeSpan m_atoYohaku;
    CTimeSpan m_nobeOffset;
    CTimeSpan m_monthSpan;
    CTime m_startDate;
    CTime m_endDate;
    WORD m_firstRow = 0;
    WORD m_lastRow = 0;
    WORD m_fixedFirstRow = 0;
    WORD m_fixedLastRow = 0xFFFF;
    short m_holidayShade = 0;
    WORD m_dateUnit = 0;
    WORD m_dateStep = 0;
    std::array<WORD, kSpareWordCount> m_spareWords{};
    std::array<WORD, kDateRowMax> m_dateRows{};
    WORD m_keisenUnit = 0;
    WORD m_keisenStep = 0;
    std::array<BYTE, kReservedSize> m_reserved{};

    // What the file's blocks hold beyond the fields of the parts, kept as read so that a load
    // and save give the same bytes: the process line block's unnamed bytes, the label blocks'
    // tails and the progress date-label word.
    std::array<BYTE, kKouteiBlockSize> m_kouteiBlock{};
    ElemAttrTail m_yogoTail{};
    ElemAttrTail m_shigenTail{};
    WORD m_shinLabelWord = 0;
};

} // namespace tembra
