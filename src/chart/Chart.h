// A resource chart (record type 7): under the process bars, over the whole displayed period and
// a band of rows, how much of each resource the processes need per day, as stacked bars or as
// lines (a resource-loading graph, 山積), or how the earned value builds up (an earned-value
// line, 出来高線). The chart is not painted from its numbers: BuildShapes turns the day values
// into ordinary drawing shapes, four groups of them, which the chart owns, stores and draws, so
// that it follows zoom and scrolling, prints like the screen and is saved with the chart. A
// framed text beside the band can list the total of every resource.
//
// A day value v stands at the fractional row baseline - v x rows-per-unit, the baseline being
// the lower edge of the band (row bottom + 1); the rows at the band's top stay free for labels.
//
// What the chart reads of its schedule document (the processes, the resource table, the
// calendar, the print settings) and tells it (modified, redraw) goes through IChartDocument,
// which the operations that need it are given by their caller, as a view has its document.
//
// File form after the record header (little-endian; "v" the version of the document):
//   WORD  graph type                  (low 16 bits; read back zero-extended)
//   50    scale font (LogFont16)
//   WORD  scale step                  (low 16 bits; read back zero-extended)
//   WORD  top row, WORD bottom row
//   v >= 51000: WORD purpose, DWORD maximum, WORD point mode, DWORD ignore-holiday flag
//   v >= 58000: DWORD options, 50 totals font, DWORD totals colour, DWORD totals place,
//               string separator, then the totals block list and the display names (each a
//               count and the objects with their class, or the strings)
//   the series (count, each CDispSetData with its class), the shape groups (count, each with
//   its class).
// An older file gives the fields it lacks their defaults.
#pragma once

#include "chart/DispSetData.h"
#include "model/DataHeader.h"
#include "platform/Archive.h"
#include "platform/Time.h"
#include "platform/Types.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace tembra {

class CDC;
class CKoutei;
class CPageLayout;
class CZukei;
class CZukeiGroup;
class CZukeiString;
class IChartDocument;
class IZukeiView;

class CChart : public CDataHeader {
    DECLARE_SERIAL(CChart)
public:
    // Files from these versions on hold the purpose block and the totals block.
    static constexpr int kPurposeVersion = 51000;
    static constexpr int kTotalsVersion = 58000;

    // Purposes. Charts of files before 51000 have none and behave as resource-loading graphs,
    // except that they get no grid lines, no axis line and no hatching or selection pass.
    enum : WORD { kPurposeNone = 0, kPurposeLoading = 1, kPurposeEarnedValue = 2 };
    // Graph types.
    enum : LONG { kBarGraph = 0, kLineGraph = 1 };
    // Where a line graph puts its points: 標準 (mid-day, slanting into a change), 資源数変化前
    // (the value before each change), 資源数変化後 (the value after it), 資源数変化 (flat, ramping
    // over the six hours round a change).
    enum : short { kPointStandard = 0, kPointBefore = 1, kPointAfter = 2, kPointChange = 3 };
    // Option bits: totals per day, totals per resource.
    static constexpr DWORD kOptionDayTotals = 0x1;
    static constexpr DWORD kOptionResourceTotals = 0x4;
    // Places of the totals block: where the user put it, or at a corner of the band.
    enum : LONG {
        kLabelFree = 0,
        kLabelBottomRight = 1,
        kLabelTopRight = 2,
        kLabelBottomLeft = 3,
        kLabelTopLeft = 4,
    };
    // The shape groups of BuildShapes, in list order.
    enum : int { kGroupFrame = 0, kGroupScale = 1, kGroupGraph = 2, kGroupDayTotals = 3 };

    // Type 7, sub-kind 1, word 6 1000; a bar graph of no purpose over row 0 with the default
    // fonts, automatic step and maximum, holidays counted, separator ":"; no series, no shapes.
    CChart();
    ~CChart() override;
    CChart(const CChart&) = delete;
    // Copies the header and every setting, a copy of each series, a clone of each shape and of
    // the totals block; the computed values stay this chart's own. Nothing on itself.
    CChart& operator=(const CChart& other);

    void Serialize(CArchive& ar) override;

    // Sets the header's sub-kind to 1.
    using CDataHeader::SetKind;
    virtual void SetKind();
    // The purpose, which the callers ask as the chart's kind; the header's sub-kind stays 1.
    WORD GetKind() const { return m_purpose; }

    // ---- Settings -------------------------------------------------------------------------------
    LONG GetGraphType() const { return m_graphType; }
    void SetGraphType(LONG type) { m_graphType = type; }
    const LOGFONT& GetScaleFont() const { return m_scaleFont; }
    void SetScaleFont(const LOGFONT& font) { m_scaleFont = font; }
    // 0: automatic.
    LONG GetScaleStep() const { return m_scaleStep; }
    void SetScaleStep(LONG step) { m_scaleStep = step; }
    // The band: its first and its last row (inclusive).
    short GetTopRow() const { return m_topRow; }
    void SetTopRow(short row) { m_topRow = row; }
    short GetBottomRow() const { return m_bottomRow; }
    void SetBottomRow(short row) { m_bottomRow = row; }
    WORD GetPurpose() const { return m_purpose; }
    void SetPurpose(WORD purpose) { m_purpose = purpose; }
    // The top of the value axis (for an earned-value line the total that counts as 100 %);
    // 0: the largest value.
    DWORD GetMaxValue() const { return m_maxValue; }
    void SetMaxValue(DWORD value) { m_maxValue = value; }
    short GetPointMode() const { return m_pointMode; }
    void SetPointMode(short mode) { m_pointMode = mode; }
    // Non-zero: every day counts; 0: a process whose line has the Holiday attribute skips the
    // holidays of the working calendar.
    LONG GetIgnoreHoliday() const { return m_ignoreHoliday; }
    void SetIgnoreHoliday(LONG ignore) { m_ignoreHoliday = ignore; }
    DWORD GetOptions() const { return m_options; }
    void SetOptions(DWORD options) { m_options = options; }
    const LOGFONT& GetTotalsFont() const { return m_totalsFont; }
    void SetTotalsFont(const LOGFONT& font) { m_totalsFont = font; }
    COLORREF GetTotalsColor() const { return m_totalsColor; }
    void SetTotalsColor(COLORREF color) { m_totalsColor = color; }
    // Display names by resource index (number - 1); an empty or missing one shows the master
    // table's name.
    const std::vector<std::string>& GetDisplayNames() const { return m_displayNames; }
    void SetDisplayNames(std::vector<std::string> names) { m_displayNames = std::move(names); }
    LONG GetLabelPos() const { return m_labelPos; }
    void SetLabelPos(LONG pos) { m_labelPos = pos; }
    // Put between a resource's name and its total (CP932).
    const std::string& GetSeparator() const { return m_separator; }
    void SetSeparator(std::string separator) { m_separator = std::move(separator); }

    // ---- Series ---------------------------------------------------------------------------------
    // Exactly n series records: those from index n on are deleted, new default ones appended.
    void SetSeriesCount(int n);
    int GetSeriesCount() const { return static_cast<int>(m_series.size()); }
    // The series at index i, or null.
    CDispSetData* GetSeries(int i) const;
    // Accessors by series index; outside the series a getter answers 0 and a setter does
    // nothing.
    LONG IsSeriesShown(int i) const;
    void SetSeriesShown(int i, LONG shown);
    COLORREF GetSeriesLineColor(int i) const;
    void SetSeriesLineColor(int i, COLORREF color);
    COLORREF GetSeriesPatternColor(int i) const;
    void SetSeriesPatternColor(int i, COLORREF color);
    LONG GetSeriesPattern(int i) const;
    void SetSeriesPattern(int i, LONG pattern);
    short GetSeriesLineType(int i) const;
    void SetSeriesLineType(int i, short type);
    short GetSeriesLineWidth(int i) const;
    void SetSeriesLineWidth(int i, short width);
    // The number of series shown.
    WORD CountShownSeries() const;

    // ---- Shapes ---------------------------------------------------------------------------------
    // The shape groups (see the kGroup indices) and the totals block list, in order.
    const std::vector<std::unique_ptr<CZukei>>& GetShapes() const { return m_shapes; }
    const std::vector<std::unique_ptr<CZukei>>& GetLabels() const { return m_labels; }
    // The group at index, or null.
    CZukeiGroup* GetGroup(int index) const;
    // The totals block: the head of the totals block list when it is a text shape, else null.
    CZukeiString* GetLabel() const;
    // Makes the totals block when there is none (a framed text, its font "ＭＳ 明朝" 32 high);
    // FALSE only when it cannot be made (message 5021).
    BOOL EnsureLabel();

    // ---- Selection ------------------------------------------------------------------------------
    // The chart and its frame box (the first member of the first group, when there is one).
    void Select();
    void Deselect();

    // ---- The day values -------------------------------------------------------------------------
    // Whether the process's line has the Holiday attribute and the day (start + day days) is a
    // holiday of the document's working calendar.
    static BOOL IsSkippedHoliday(const IChartDocument& document, const CKoutei& process,
                                 const CTime& start, int day);
    // Adds up the resources of the document's processes per day of the layout's period into one
    // value buffer per shown series (stacked for a bar graph; an earned-value line keeps what a
    // process added after it ended, but only while some process of the series is active), and
    // the vertical scale. maximum gets the largest value (of the stacked totals for a bar graph),
    // 0 when the computation stopped before it. FALSE when no series is shown, the axis top is
    // 0, the band or the row height leaves no room, or a buffer cannot be made (message 5012).
    BOOL ComputeLoading(const IChartDocument& document, const CPageLayout& layout, DWORD& maximum);
    // What the last computation left: the number of value buffers, the axis top, the graph's
    // height at 100 % and the rows of one unit and of one percent.
    int GetSlotCount() const { return m_slotCount; }
    DWORD GetAxisMax() const { return m_axisMax; }
    double GetGraphHeight() const { return m_graphHeight; }
    double GetRowsPerUnit() const { return m_rowsPerUnit; }
    double GetRowsPerPercent() const { return m_rowsPerPercent; }
    // The values of the buffer of a slot (1-based), day 0 first; empty for no such slot.
    std::span<const int> GetDayValues(int slot) const;
    // The series index whose values a slot holds; -1 for no such slot.
    int GetSlotSeries(int slot) const;

    // ---- Building and drawing -------------------------------------------------------------------
    // The four groups anew from the document's processes on the layout: the frame; the filled
    // bars and the scale; the outlines of the bars or the lines (when the largest value is above
    // 0); the totals per day (also, and when asked for); then the totals block when asked for,
    // and the document is marked modified. Always TRUE.
    BOOL BuildShapes(IChartDocument& document, const CPageLayout& layout);
    // Whether the processes changed since the shapes were last built (never built: false).
    bool IsStale(const IChartDocument& document) const;
    // A group of the chart's parts; null after message 5027 when it cannot be made.
    std::unique_ptr<CZukeiGroup> NewPartGroup() const;
    // Each adds its shapes to the group; FALSE when it has nothing to build from or a shape
    // cannot be made (message 5027; the group keeps what was added).
    BOOL BuildFrame(const CPageLayout& layout, CZukeiGroup& group) const;
    BOOL BuildBars(const CPageLayout& layout, CZukeiGroup& group, BOOL filled) const;
    BOOL BuildLines(const CPageLayout& layout, CZukeiGroup& group) const;
    BOOL BuildScale(const CPageLayout& layout, CZukeiGroup& group) const;
    BOOL BuildDayTotals(const CPageLayout& layout, CZukeiGroup& group) const;
    // Fills the totals block with a line "name : total" per resource and places it.
    void BuildResourceTotals(IChartDocument& document, const CPageLayout& layout);
    // The union of the groups' rectangles on the view (y upwards): mode 0 the first three
    // groups, mode 1 all four and the totals block when it is shown, mode -1 the totals block
    // alone when it is shown. Empty when nothing has a rectangle.
    void GetBoundRect(CRect& out, const IZukeiView& view, int mode) const;
    // Draws the groups, each clipped to the page area and the chart's rectangle, with the
    // hatching pass, the date-range band and the background of the chart between them. Shapes
    // built before the last change of the processes are built anew on the view's layout first,
    // so that what is drawn counts the processes as they are (the change marked the document).
    void Draw(IChartDocument& document, const IZukeiView& view, CDC& dc, int mode);

private:
    // BuildShapes without marking the document modified.
    void BuildGroups(IChartDocument& document, const CPageLayout& layout);
    // The fields the file form of an older version lacks, as a new chart has them.
    void ResetPurposeBlock();
    void ResetTotalsBlock();
    // Frees the day values.
    void ClearDayValues();
    // The row of a value and the baseline of the band.
    double Baseline() const { return static_cast<double>(m_bottomRow) + 1.0; }
    double ValueRow(double value) const { return Baseline() - value * m_rowsPerUnit; }
    // The shown series the resource number r stands for: its slot, 0 when r names no series or
    // one that is not shown.
    LONG SlotOfResource(int r) const;
    // The days [d0, d1) of the period (days days from start, end the day after its last) on which
    // a process counts: its start and end each taken to 00:00 of the following day unless they
    // are at 00:00. false when it lies wholly outside the period.
    static bool CountedDays(const CKoutei& process, const CTime& start, const CTime& end, int days,
                            int& d0, int& d1);

    LONG m_graphType = kBarGraph;
    LOGFONT m_scaleFont;
    LONG m_scaleStep = 0;
    short m_topRow = 0;
    short m_bottomRow = 0;
    std::vector<std::unique_ptr<CDispSetData>> m_series;
    std::vector<std::unique_ptr<CZukei>> m_shapes;
    WORD m_purpose = kPurposeNone;
    DWORD m_maxValue = 0;
    short m_pointMode = kPointStandard;
    LONG m_ignoreHoliday = 1;
    DWORD m_options = 0;
    LOGFONT m_totalsFont;
    COLORREF m_totalsColor = 0;
    std::vector<std::string> m_displayNames;
    std::vector<std::unique_ptr<CZukei>> m_labels;
    LONG m_labelPos = kLabelFree;
    std::string m_separator;

    // The document's objects change count when the shapes were last built; neither stored nor
    // copied.
    std::optional<std::uint64_t> m_builtAt;
    // Computed by ComputeLoading; neither stored nor copied.
    int m_slotCount = 0;
    DWORD m_axisMax = 0;
    double m_graphHeight = 0.0;
    double m_rowsPerUnit = 0.0;
    double m_rowsPerPercent = 0.0;
    // One buffer per shown series: entry 0 the series index, then the value of every day.
    std::vector<std::vector<int>> m_dayValues;
};

} // namespace tembra
