// The resources of a chart's processes: new resource lists with the label defaults, giving the
// selected processes a resource list or taking it away with undo, the lengths of the resource
// table's names, and the merge of a paste's resource names into the table (ChartResources.cpp).
//
// Giving and taking resources replaces the selected processes by copies through the document
// (its replacements and undo history), so it works on the CTembraDoc that holds it; the resource
// table it reads through the chart's objects.
#pragma once

#include "document/ChartObjects.h"
#include "model/Shigen.h"

#include <memory>
#include <span>

namespace tembra {

class CTembraDoc;

class CChartResources {
public:
    CChartResources(CTembraDoc& doc, CChartObjects& objects) : m_doc(doc), m_objects(objects) {}
    CChartResources(const CChartResources&) = delete;
    CChartResources& operator=(const CChartResources&) = delete;

    // A new resource list with the label defaults: sizes 1 and 1, form 1, colour 0 (black), no
    // flags, on the line, the stacking word 1, no offsets and no leader; null when it cannot be
    // made.
    static std::unique_ptr<CShigen> CreateShigen();
    // A new resource list equal to source; null when it cannot be made.
    static std::unique_ptr<CShigen> CopyShigen(const CShigen& source);
    // In the resource mode (7) with the edit operation and a selection: every selected process
    // is replaced by a copy (its number kept) whose resources are the entries with an amount,
    // in order, in one undo step; the copy stays selected. A process without resources gets a
    // new list with the label defaults, its label selected.
    void SetSelShigen(std::span<const CShigenData> entries);
    // Every selected process with resources is replaced by a copy without them, in one undo
    // step; the copies leave the selection.
    void ClearSelShigen();
    // The length of the name of entry n (0-based), -1 past the last entry.
    int GetShigenNameLength(int n) const;
    // The longest name of the table, and of the entries of a list that have an amount.
    int GetLongestShigenName() const;
    int GetLongestShigenNameOf(const CShigen& resources) const;
    // Before a paste: the names of the application's resource-name clipboard join the table. A
    // name the table holds keeps that entry's number, a new one is appended; each clipboard
    // entry's number becomes the number its name has here (CShigen::RemapNumbers then rewrites
    // the pasted processes' entries). 1 when any number changes, else 0.
    int MergeShigenNames();

private:
    CTembraDoc& m_doc;
    CChartObjects& m_objects;
};

} // namespace tembra
