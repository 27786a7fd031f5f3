// The initial settings of a calendar-day chart (180 "初期設定（暦）") without widgets: the values
// the dialog's controls hold, the contents and states of its lists, and every operation its
// controls run (period recalculation, the date-label and ruled-line checks, item width and
// insets, paper and layout). The Qt dialog binds its widgets to one of these; the automation
// calls drive one without any widget.
//
// The model raises the application's initial-settings count while it exists, so that a second
// settings command (in any document) is refused until it is gone.
#pragma once

#include "dialogs/settings/core/ElementFonts.h"
#include "model/ConfigChart.h"
#include "model/Hensoku.h"
#include "model/HensokuScale.h"
#include "model/PrintArea.h"
#include "model/SyokiSet.h"
#include "platform/Time.h"
#include "platform/Types.h"
#include "print/PrHeader.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tembra {

class CTembraDoc;

// The number fields that are checked when the controls are read.
enum class SyokiSetField {
    kNone,
    kMaeYohaku,
    kAtoYohaku,
    kRows,
    kItemWidth,
    kInsetLeft,
    kInsetRight,
    kMonthLength
};

struct SyokiSetFieldRange {
    SyokiSetField field;
    int min;
    int max;
};
// The ranges of the number fields, in the order they are checked.
const std::vector<SyokiSetFieldRange>& SyokiSetFieldRanges();

// What the controls hold. Lists are indexes (-1: nothing chosen). In the calendar-day dialog the
// date fields are year - kMinDateYear, month - 1, day - 1; the elapsed-day dialog reads them as
// its preparation months and days (start) and years, months and days of the last day (end).
struct SyokiSetValues {
    int paper = -1;
    std::array<int, 3> start{-1, -1, -1};
    std::array<int, 3> end{-1, -1, -1};
    int maeYohaku = 0;
    int atoYohaku = 0;
    int dayCount = 0;
    int startHour = -1;
    int rows = 0;
    int itemWidth = 0;
    int insetLeft = 0;
    int insetRight = 0;
    int dateUnit = -1;
    int dateStep = -1;
    int keisenUnit = -1;
    int keisenStep = -1;
    int holidayMode = -1;
    // "常に最適ﾁｪｯｸ".
    bool alwaysOptimise = false;
    // "◎１ヶ月は" … "日で換算" (elapsed days only).
    int monthLength = 0;
};

// The conversion record a settings dialog is loaded with when the chart changes its counting:
// the chosen calendar date, the elapsed day as a span from the elapsed-day base date, the shift
// of the period, the factor (negative: not rounded) and the holiday flag (0: holidays are left
// out of the count, 1: they count).
struct SyokiSetConversion {
    CTime date;
    CTimeSpan daySpan;
    CTimeSpan offset;
    double factor = 1.0;
    int holidayFlag = 0;
};

// What the widgets do for the model: copy their texts into the values (false after the field's
// own message, naming it) and show the values, lists and states again.
class ISyokiSetControls {
public:
    virtual ~ISyokiSetControls() = default;
    virtual bool ReadControls(SyokiSetValues& values, SyokiSetField& failed) = 0;
    virtual void PutControls() = 0;
    virtual void RepaintNow() {}
};

// The dialogs of the layout buttons. Each answers IDOK or IDCANCEL.
class ISyokiSetLayoutDialogs {
public:
    virtual ~ISyokiSetLayoutDialogs() = default;
    // The layout selection on the page area: fileName in (the current one) and out, with the
    // chosen layout's name.
    virtual int SelectLayout(const CPrintArea& area, std::string& fileName,
                             std::string& layoutName) = 0;
    // The paper of a plan-sheet layout: out the paper code (2, 4 or 5).
    virtual int SelectPlanPaper(int& paperCode) = 0;
    // The temporary edit of the header in the layout editor; the edited layout is read back
    // from the temporary layout file of path.
    virtual int EditLayout(const CPrHeader& header, const CPrintArea& area,
                           const std::string& layoutName, const CConfigPath& path) = 0;
};

class CSyokiSetRekiModel {
public:
    // Nothing chosen, every number 0, the flags clear; raises the initial-settings count.
    explicit CSyokiSetRekiModel(CTembraDoc* document);
    virtual ~CSyokiSetRekiModel();
    CSyokiSetRekiModel(const CSyokiSetRekiModel&) = delete;
    CSyokiSetRekiModel& operator=(const CSyokiSetRekiModel&) = delete;

    void SetControls(ISyokiSetControls* controls) { m_controls = controls; }
    void SetLayoutDialogs(ISyokiSetLayoutDialogs* dialogs) { m_layoutDialogs = dialogs; }

    // ---- The five operations each counting has its own of ----------------------------------
    // Fills the model from a settings record (nothing without one); with a conversion record
    // the period is moved and scaled for the other counting.
    virtual void LoadPeriod(const CSyokiSet* settings, const SyokiSetConversion* conversion);
    // Writes the model into the record (nullptr: the loaded one); FALSE when there is neither.
    virtual BOOL StorePeriod(CSyokiSet* settings);
    // Adds (0x100 + bit) or subtracts (0x200 + bit) one unit of a period field: bits 0x01,
    // 0x02, 0x04 end year, month, date; 0x10, 0x20, 0x40 the same of the start.
    virtual void StepPeriodField(int code);
    // "日数" left: the end from the day count.
    virtual void RecalcEndFromDays();
    // A period field or margin left: the dates clamped, the day count again, the check.
    virtual void RecalcDayCount();

    // ---- Reading and showing -----------------------------------------------------------------
    // Copies the controls into the values and checks the number fields' ranges (the range
    // message for the first refused one). The refused field, or kNone.
    SyokiSetField ReadControls();
    void PutControls();
    // Fills the step lists, runs the optimising check when the chart's counting differs from
    // this dialog's, shows the row labels ("create the window").
    void InitControls();

    // ---- Checks (SyokiSetThinning.cpp) -------------------------------------------------------
    BOOL IsPeriodValid() { return CheckThinning(false); }
    BOOL CheckThinning(bool optimise);
    BOOL CheckRuledLines(bool optimise);
    // The controls' reactions.
    void OnDateUnitChanged();
    void OnDateStepChanged() { CheckThinning(false); }
    void OnKeisenUnitChanged();
    void OnStartHourChanged();
    void OnOptimise() { CheckThinning(true); }
    void OnItemWidthLeft();
    void OnInsetsLeft();

    // ---- Paper and layout (SyokiSetLayout.cpp) -------------------------------------------------
    // The paper list's selection (values().paper) changed.
    void OnSelchangePaper();
    // "変更" and "一時編集".
    void OnLayoutChange();
    void OnLayoutEdit();

    // ---- The sub-dialogs' results ------------------------------------------------------------
    // After the irregular periods were edited (Hensoku()) or the fonts replaced.
    void OnHensokuChanged();
    void SetFonts(const ElementFontSet& fonts);
    // After the date-column dialog: the four row kinds and display modes.
    void SetDateRows(const std::array<WORD, kDateRowMax>& rows, const std::array<WORD, 4>& modes);

    // "初期化".
    void Reset();
    // 決定 (with the focus on it): the controls read and the period valid.
    bool CanClose();

    // ---- State --------------------------------------------------------------------------------
    SyokiSetValues& Values() { return m_values; }
    const SyokiSetValues& Values() const { return m_values; }
    int GetDateMode() const { return m_dateMode; }
    CTembraDoc* GetDocument() const { return m_document; }
    const CSyokiSet* GetLoaded() const { return m_loaded; }
    const std::vector<std::string>& GetDateStepList() const { return m_dateSteps; }
    const std::vector<std::string>& GetKeisenStepList() const { return m_keisenSteps; }
    bool IsStartHourEnabled() const { return m_startHourEnabled; }
    // The labels of the first three date-header rows (CP932).
    const std::array<std::string, 3>& GetRowLabels() const { return m_rowLabels; }
    const std::array<WORD, kDateRowMax>& GetDateRows() const { return m_dateRows; }
    const std::array<WORD, 4>& GetDateModes() const { return m_dateModes; }
    const ElementFontSet& GetFonts() const { return m_fonts; }
    const std::string& GetLayoutName() const { return m_layoutName; }
    const std::string& GetLayoutFileName() const { return m_layoutFile; }
    const CPrintArea& GetArea() const { return m_area; }
    const CPrHeader& GetHeader() const { return m_header; }
    CHensoku& Hensoku() { return m_hensoku; }
    CConfigChart& Chart() { return m_chart; }
    bool IsTemporaryAtOpen() const { return m_tempAtOpen; }
    bool IsEditedHere() const { return m_editedHere; }
    bool IsLayoutChanged() const { return m_layoutChanged; }

    // What the last date-label check measured: the minimum label width, the width per unit and
    // the period in units.
    struct Measure {
        double minWidth = 0.0;
        double widthPerUnit = 0.0;
        double units = 0.0;
    };
    const Measure& GetMeasure() const { return m_measure; }

protected:
    void LoadCommon(const CSyokiSet& settings);
    void StoreCommon(CSyokiSet& settings);
    // The period in scale units (calendar: through the day scale).
    virtual double PeriodUnits();
    // The width per unit, with message 5079 when there is none.
    std::optional<double> WidthPerUnit();
    void FillStepList(std::vector<std::string>& list, int unit);
    void ShowRowLabels();
    std::filesystem::path LayoutPath() const;
    std::filesystem::path FolderFile(const std::string& name) const;
    bool IsPlanLayout(const std::string& fileName) const;
    // The item width that a plan-sheet layout fixes for a paper, or the page area's.
    void TakeWidthsFromArea(bool planLayout);
    BOOL CheckThinningOnce(bool optimise, bool reentered);
    CTime DateFromIndexes(const std::array<int, 3>& indexes) const;
    static void IndexesFromDate(const CTime& date, std::array<int, 3>& indexes);
    void ClampIndexes();

    CTembraDoc* m_document = nullptr;
    ISyokiSetControls* m_controls = nullptr;
    ISyokiSetLayoutDialogs* m_layoutDialogs = nullptr;
    const CSyokiSet* m_loaded = nullptr;
    std::optional<SyokiSetConversion> m_conversion;
    int m_dateMode = 0;
    SyokiSetValues m_values;
    std::vector<std::string> m_dateSteps;
    std::vector<std::string> m_keisenSteps;
    bool m_startHourEnabled = false;
    std::array<std::string, 3> m_rowLabels;
    std::array<WORD, kDateRowMax> m_dateRows{};
    std::array<WORD, 4> m_dateModes{};
    ElementFontSet m_fonts{};
    CConfigChart m_chart;
    CPrintArea m_area;
    CPrHeader m_header;
    CHensoku m_hensoku;
    CHensokuScale m_scale;
    std::string m_layoutFile;
    std::string m_layoutName;
    int m_orientation = 0;
    bool m_tempAtOpen = false;
    bool m_editedHere = false;
    bool m_layoutChanged = false;
    Measure m_measure;
};

} // namespace tembra
