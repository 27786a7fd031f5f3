// A chart document as the page layout and the painters read it, for the render tests: the
// settings record, the working calendar, the item table, the print settings, the selected date
// range, the hatchings, the item-cell selection, the resource table, the object mode and the
// chart objects, each a plain member a test sets. Processes and other records give what the
// test puts into parts and recordBounds, or processes what the process painter makes of them.
#pragma once

#include "model/Calendar.h"
#include "model/ChartPos.h"
#include "model/ConfigPrint.h"
#include "model/Koumoku.h"
#include "model/KoumokuData.h"
#include "model/Koutei.h"
#include "model/KtkmHatch.h"
#include "model/OperationState.h"
#include "model/Shigen.h"
#include "model/SyokiSet.h"
#include "render/KouteiDraw.h"
#include "render/PageLayout.h"

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace tembra::test {

class FakeLayoutDocument : public IPageLayoutDocument, public IPageLayoutView {
public:
    CSyokiSet set;
    CCalendar calendar;
    CKoumoku table;
    CConfigPrint print;
    CChartPos range;
    std::vector<std::unique_ptr<CKtkmHatch>> hatches;
    std::map<std::pair<int, int>, std::unique_ptr<CKoumokuData>> cells;
    std::string fileName = "PLAN.tbr";
    // The resource table: entry i is resource number i + 1.
    CShigenNameTable shigenNames;
    // What a process gives of its line; false: it has none.
    KouteiBoundsParts parts;
    bool hasParts = false;
    CRect recordBounds;
    // The selected item cells: first and last row, first and last column (-1: none).
    int selectedRows[2] = {-1, -1};
    int selectedCols[2] = {-1, -1};
    // (withTerms, withResources) of every process asked for.
    mutable std::vector<std::pair<bool, bool>> asked;
    // Processes give the parts the process painter makes of them in place of parts.
    bool kouteiParts = false;
    // The document's object mode and its chart objects in drawing order (not owned).
    LONG objectMode = COperationState::kModeKoutei;
    std::vector<CDataHeader*> objects;

    FakeLayoutDocument() { calendar.Clear(); }

    const CSyokiSet* GetSyokiSet() const override { return &set; }
    const CCalendar* GetCalendar() const override { return &calendar; }
    const CKoumoku* GetKoumoku() const override { return &table; }
    bool GetKouteiBoundsParts(const CDataHeader& process, const CPageLayout& layout, CDC* dc,
                              bool withTerms, bool withResources,
                              KouteiBoundsParts& out) const override {
        asked.emplace_back(withTerms, withResources);
        if (kouteiParts) {
            const auto* koutei = dynamic_cast<const CKoutei*>(&process);
            if (koutei != nullptr) {
                tembra::GetKouteiBoundsParts(*koutei, layout, dc, withTerms, withResources, out);
            }
            return koutei != nullptr;
        }
        out = parts;
        if (!withTerms) {
            out.terms.reset();
        }
        if (!withResources) {
            out.resources.reset();
        }
        return hasParts;
    }
    CRect GetRecordBounds(const CDataHeader&, const CPageLayout&, CDC*) const override {
        return recordBounds;
    }
    std::string GetMacroFileName() const override { return fileName; }
    const CKoumokuData* GetKoumokuCell(int row, int column) const override {
        const auto it = cells.find({row, column});
        return it != cells.end() ? it->second.get() : nullptr;
    }
    const CChartPos* GetSelectedDateRange() const override { return &range; }
    void ForEachHatch(const std::function<void(const CKtkmHatch&)>& visit) const override {
        for (const auto& hatch : hatches) {
            visit(*hatch);
        }
    }
    const CConfigPrint* GetPrintSettings() const override { return &print; }
    int GetSelectedKoumokuRows(int& first, int& last) const override {
        return Selected(selectedRows, first, last);
    }
    int GetSelectedKoumokuCols(int& first, int& last) const override {
        return Selected(selectedCols, first, last);
    }
    int GetShigenName(int n, std::string& name) const override {
        return tembra::GetShigenName(shigenNames, n, name);
    }
    void MeasureShigenList(const CShigen& resources, int& nameLength, int& amount) const override {
        tembra::MeasureShigenList(resources, shigenNames, nameLength, amount);
    }
    std::string GetShigenLabel(const CShigen& resources, int index) const override {
        return tembra::GetShigenLabel(resources, shigenNames, index);
    }
    LONG GetObjectMode() const override { return objectMode; }
    void ForEachChartObject(const std::function<void(const CDataHeader&)>& visit) const override {
        for (const CDataHeader* object : objects) {
            visit(*object);
        }
    }
    IPageLayoutDocument* GetLayoutDocument() const override {
        return const_cast<FakeLayoutDocument*>(this);
    }

    // Marks the days first..last as holidays.
    void Holidays(const CTime& first, const CTime& last) {
        for (CTime d = first; d <= last; d += CTimeSpan(1, 0, 0, 0)) {
            calendar.SetDayFlag(d.GetTime(), CCalendar::kRuleHoliday);
        }
    }
    // The cell at (row, column) with the line types of its bottom and right edges.
    void SetCell(int row, int column, int bottom, int right) {
        auto& cell = cells[{row, column}];
        if (!cell) {
            cell = std::make_unique<CKoumokuData>();
        }
        cell->SetRow(static_cast<WORD>(row));
        cell->SetColumn(static_cast<WORD>(column));
        cell->SetKeisenWord1(static_cast<WORD>(bottom));
        cell->SetKeisenWord2(static_cast<WORD>(right));
    }
    CKtkmHatch& AddHatch(WORD kind, COLORREF color, WORD pattern) {
        auto hatch = std::make_unique<CKtkmHatch>();
        hatch->SetKind(kind);
        hatch->SetColor(color);
        hatch->SetPattern(pattern);
        hatches.push_back(std::move(hatch));
        return *hatches.back();
    }

private:
    static int Selected(const int (&range)[2], int& first, int& last) {
        first = range[0];
        last = range[1];
        return range[0] < 0 ? 0 : range[1] - range[0] + 1;
    }
};

} // namespace tembra::test
