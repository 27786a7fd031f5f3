// The records of one chart and the tables they refer to: the object list (the chart objects that
// are not selected), the selection list (those that are, in the order of selection), the progress
// lines, the drawing shapes, the resource charts, the hatchings, the embedded items, the item
// table with its cells, the resource table and the layer table.
//
// Ownership: every list and table owns its records, except that the selection list does not own
// the drawing shapes that pass through it (the shape list does). The records are deleted by the
// DeleteAll operations, which the document calls in the order its contents are deleted, and by
// the document's operations that remove them; the destructor deletes what is left, the selection
// before the shapes it may refer to.
#pragma once

#include "document/ObList.h"
#include "model/DataHeader.h"
#include "model/Koumoku.h"
#include "model/KoumokuData.h"
#include "model/Koutei.h"
#include "model/KtkmHatch.h"
#include "model/LayerSet.h"
#include "model/ObTable.h"
#include "model/SeqNumber.h"
#include "model/Shigen.h"
#include "platform/Archive.h"

#include <memory>
#include <vector>

namespace tembra {

class CChartObjects {
public:
    using LayerTable = std::vector<std::unique_ptr<CLayerSet>>;

    CChartObjects() = default;
    CChartObjects(const CChartObjects&) = delete;
    CChartObjects& operator=(const CChartObjects&) = delete;
    ~CChartObjects();

    // ---- Lists ---------------------------------------------------------------------------------
    OwnedObList<CDataHeader>& GetObjList() { return m_objList; }
    const OwnedObList<CDataHeader>& GetObjList() const { return m_objList; }
    OwnedObList<CDataHeader>& GetSelList() { return m_selList; }
    const OwnedObList<CDataHeader>& GetSelList() const { return m_selList; }
    // Progress lines (CShincyoku, type 3).
    OwnedObList<CDataHeader>& GetShincyokuList() { return m_shincyokuList; }
    const OwnedObList<CDataHeader>& GetShincyokuList() const { return m_shincyokuList; }
    // Drawing shapes (the CZukei family, type 4) in drawing order: the head is drawn first.
    OwnedObList<CDataHeader>& GetZukeiList() { return m_zukeiList; }
    const OwnedObList<CDataHeader>& GetZukeiList() const { return m_zukeiList; }
    // Resource charts (CChart, type 7).
    OwnedObList<CDataHeader>& GetChartList() { return m_chartList; }
    const OwnedObList<CDataHeader>& GetChartList() const { return m_chartList; }
    OwnedObList<CKtkmHatch>& GetHatchList() { return m_hatchList; }
    const OwnedObList<CKtkmHatch>& GetHatchList() const { return m_hatchList; }
    // The embedded items of other programs.
    OwnedObList<CObject>& GetCntrItems() { return m_cntrItems; }
    const OwnedObList<CObject>& GetCntrItems() const { return m_cntrItems; }

    // ---- Tables --------------------------------------------------------------------------------
    CKoumoku& GetKoumoku() { return m_koumoku; }
    const CKoumoku& GetKoumoku() const { return m_koumoku; }
    // The resource master table: entry i describes resource number i + 1.
    CShigenNameTable& GetShigenNames() { return m_shigenNames; }
    const CShigenNameTable& GetShigenNames() const { return m_shigenNames; }
    LayerTable& GetLayers() { return m_layers; }
    const LayerTable& GetLayers() const { return m_layers; }

    // ---- Lookups -------------------------------------------------------------------------------
    // Whether the record stands in one of the lists of chart records (objects, selection,
    // progress lines, shapes, resource charts).
    bool Holds(const CDataHeader* record) const;
    // The first process of the object list (inSelection false) or of the selection list whose own
    // number (which 0), start-node number (1) or end-node number (2) is number; null for the
    // number (0, 0) and for any other which.
    CKoutei* FindKouteiByNumber(const CObSeqNumber& number, int which, bool inSelection) const;
    // The same over any list of chart records (the application's object clipboard).
    static CKoutei* FindKouteiByNumberIn(const ObList<CDataHeader>& list,
                                         const CObSeqNumber& number, int which);
    // The state of the object's layer (a layer word above 15 counts as 15); 0 without a table.
    short GetLayerState(const CDataHeader* object) const;
    // The cell at (row, item column), or null outside the table. A cell whose own row or column
    // disagree with its place is given its place.
    CKoumokuData* GetKoumokuCell(int row, int column);

    // ---- Creation and deletion -----------------------------------------------------------------
    // Appends 16 new layers (shown, no name); 0 as soon as one cannot be made.
    int CreateLayers();
    // Every chart object of the selection list and of the object list; a selected shape only
    // leaves the selection.
    void DeleteAllObjects();
    // The item table's cells (a cell that stands in the table twice is deleted once) and the
    // table's rows.
    void DeleteAllKoumoku();
    void DeleteAllProgressLines();
    // Every shape, after the selected ones have left the selection.
    void DeleteAllZukei();
    void DeleteAllCntrItems();
    // The resource table, from its last entry to its first.
    void DeleteAllResources();
    void DeleteAllCharts();
    // The layer table, from the last layer to the first.
    void DeleteAllLayers();
    void DeleteAllHatches();

private:
    static bool OwnedBySelection(const CDataHeader* object);

    OwnedObList<CDataHeader> m_objList;
    OwnedObList<CDataHeader> m_selList{&OwnedBySelection};
    OwnedObList<CDataHeader> m_shincyokuList;
    OwnedObList<CDataHeader> m_zukeiList;
    OwnedObList<CDataHeader> m_chartList;
    OwnedObList<CKtkmHatch> m_hatchList;
    OwnedObList<CObject> m_cntrItems;
    CKoumoku m_koumoku;
    CShigenNameTable m_shigenNames;
    LayerTable m_layers;
};

} // namespace tembra
