// What the page layout and the painters read of the schedule document: its settings record,
// working calendar and item table, the line, terms and resource label of a process for its
// bounds, the rectangle an event gives of itself, the file name that texts show, the resource
// names of the resource labels, the object mode of its editing state and its chart objects.
#pragma once

#include "render/PageLayout.h"

#include <cstdint>
#include <string>

namespace tembra {

class CCalendar;
class CChartObjects;
class CChartPos;
class CConfigOperation;
class CConfigPrint;
class CDocument;
class CSyokiSet;

class CPageLayoutDocumentSeam final : public IPageLayoutDocument {
public:
    CPageLayoutDocumentSeam(const CDocument& document, const CSyokiSet& settings,
                            const CCalendar& calendar, const CChartObjects& objects,
                            const CChartPos& columnRange, const CConfigPrint& printSettings,
                            const CConfigOperation& operation)
        : m_document(document), m_settings(settings), m_calendar(calendar), m_objects(objects),
          m_columnRange(columnRange), m_printSettings(printSettings), m_operation(operation) {}

    const CSyokiSet* GetSyokiSet() const override { return &m_settings; }
    const CCalendar* GetCalendar() const override { return &m_calendar; }
    const CKoumoku* GetKoumoku() const override;
    // The line of a process: its end points, the style code (the line shape) with the gate row
    // or, for the bars, their thickness in the count word and the bar height in place of a
    // font's, the node sizes and the reach of its drawing beyond them; when asked, the
    // rectangle of all its terms and that of its resource label (each only when the process has
    // some and they take room).
    bool GetKouteiBoundsParts(const CDataHeader& process, const CPageLayout& layout, CDC* dc,
                              bool withTerms, bool withResources,
                              KouteiBoundsParts& parts) const override;
    // An event: its text rectangle with the anchor and balloon; a progress line: its rows'
    // dates and date labels; a shape: its device rectangle. Other records: empty.
    CRect GetRecordBounds(const CDataHeader& record, const CPageLayout& layout,
                          CDC* dc) const override;
    std::string GetMacroFileName() const override;
    const CKoumokuData* GetKoumokuCell(int row, int column) const override;
    const CChartPos* GetSelectedDateRange() const override { return &m_columnRange; }
    void ForEachHatch(const std::function<void(const CKtkmHatch&)>& visit) const override;
    // The print settings of the chart's print header.
    const CConfigPrint* GetPrintSettings() const override { return &m_printSettings; }
    int GetSelectedKoumokuRows(int& first, int& last) const override;
    int GetSelectedKoumokuCols(int& first, int& last) const override;
    // The document's resource table.
    int GetShigenName(int n, std::string& name) const override;
    void MeasureShigenList(const CShigen& resources, int& nameLength, int& amount) const override;
    std::string GetShigenLabel(const CShigen& resources, int index) const override;
    // The object mode of the document's editing state.
    LONG GetObjectMode() const override;
    // The object list, then the selection list.
    void ForEachChartObject(const std::function<void(const CDataHeader&)>& visit) const override;
    // Grows with the changes of the object list and the selection list and with every change
    // the document tells its views of.
    std::uint64_t GetChangeCount() const override;
    // The elements of the print header whose print settings these are.
    void DrawPrintHeader(CDC* dc, const CPageLayout& layout) const override;

private:
    const CDocument& m_document;
    const CSyokiSet& m_settings;
    const CCalendar& m_calendar;
    const CChartObjects& m_objects;
    const CChartPos& m_columnRange;
    const CConfigPrint& m_printSettings;
    const CConfigOperation& m_operation;
};

} // namespace tembra
