#include "document/ChartObjects.h"

#include "document/RecordCast.h"

#include <algorithm>
#include <new>

namespace tembra {

CChartObjects::~CChartObjects() {
    // The selection may refer to shapes of the shape list: it goes first.
    DeleteAllObjects();
    DeleteAllKoumoku();
}

bool CChartObjects::OwnedBySelection(const CDataHeader* object) {
    return object->GetType() != kTypeZukei;
}

// ---- Lookups ------------------------------------------------------------------------------------

bool CChartObjects::Holds(const CDataHeader* record) const {
    for (const ObList<CDataHeader>* list :
         {&m_objList, &m_selList, &m_shincyokuList, &m_zukeiList, &m_chartList}) {
        if (list->Find(record) != nullptr) {
            return true;
        }
    }
    return false;
}

namespace {

const CObSeqNumber* NumberOf(const CKoutei& process, int which) {
    switch (which) {
    case 0:
        return &process.GetSeqNumber();
    case 1:
        return &process.GetStartLandNo();
    case 2:
        return &process.GetEndLandNo();
    default:
        return nullptr;
    }
}

} // namespace

CKoutei* CChartObjects::FindKouteiByNumber(const CObSeqNumber& number, int which,
                                           bool inSelection) const {
    return FindKouteiByNumberIn(inSelection ? m_selList : m_objList, number, which);
}

CKoutei* CChartObjects::FindKouteiByNumberIn(const ObList<CDataHeader>& list,
                                             const CObSeqNumber& number, int which) {
    if (number.IsNull()) {
        return nullptr;
    }
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
        CKoutei* process = AsKoutei(list.GetNext(pos));
        if (process == nullptr) {
            continue;
        }
        const CObSeqNumber* own = NumberOf(*process, which);
        if (own != nullptr && *own == number) {
            return process;
        }
    }
    return nullptr;
}

short CChartObjects::GetLayerState(const CDataHeader* object) const {
    const std::size_t layer = std::min<std::size_t>(object->GetLayer(), CLayerSet::kLayerCount - 1);
    return layer < m_layers.size() ? m_layers[layer]->GetState() : short{0};
}

CKoumokuData* CChartObjects::GetKoumokuCell(int row, int column) {
    if (column < 0 || column >= m_koumoku.GetRowCount() || row < 0 ||
        row >= m_koumoku.GetColCount(column)) {
        return nullptr;
    }
    auto* cell = dynamic_cast<CKoumokuData*>(m_koumoku.GetAt(row, column));
    if (cell != nullptr) {
        if (cell->GetRow() != row) {
            cell->SetRow(static_cast<WORD>(row));
        }
        if (cell->GetColumn() != column) {
            cell->SetColumn(static_cast<WORD>(column));
        }
    }
    return cell;
}

// ---- Creation and deletion ----------------------------------------------------------------------

int CChartObjects::CreateLayers() {
    for (int i = 0; i < CLayerSet::kLayerCount; ++i) {
        try {
            m_layers.push_back(std::make_unique<CLayerSet>());
        } catch (const std::bad_alloc&) {
            return 0;
        }
    }
    return 1;
}

void CChartObjects::DeleteAllObjects() {
    m_selList.DeleteAll();
    m_objList.DeleteAll();
}

void CChartObjects::DeleteAllKoumoku() {
    // The table is a grid of pointers: a cell that stands in it twice is deleted once.
    std::vector<CObject*> cells;
    for (int itemColumn = 0; itemColumn < m_koumoku.GetRowCount(); ++itemColumn) {
        for (int row = 0; row < m_koumoku.GetColCount(itemColumn); ++row) {
            if (CObject* cell = m_koumoku.GetAt(row, itemColumn)) {
                cells.push_back(cell);
            }
        }
    }
    std::sort(cells.begin(), cells.end());
    cells.erase(std::unique(cells.begin(), cells.end()), cells.end());
    m_koumoku.DeleteAll();
    for (CObject* cell : cells) {
        delete cell;
    }
}

void CChartObjects::DeleteAllProgressLines() {
    m_shincyokuList.DeleteAll();
}

void CChartObjects::DeleteAllZukei() {
    // A selected shape must not outlive its entry in the selection.
    for (POSITION pos = m_selList.GetHeadPosition(); pos != nullptr;) {
        const POSITION current = pos;
        if (m_selList.GetNext(pos)->GetType() == kTypeZukei) {
            m_selList.RemoveAt(current);
        }
    }
    m_zukeiList.DeleteAll();
}

void CChartObjects::DeleteAllCntrItems() {
    m_cntrItems.DeleteAll();
}

void CChartObjects::DeleteAllResources() {
    CShigenNameTable doomed;
    doomed.swap(m_shigenNames);
    while (!doomed.empty()) {
        doomed.pop_back();
    }
}

void CChartObjects::DeleteAllCharts() {
    m_chartList.DeleteAll();
}

void CChartObjects::DeleteAllLayers() {
    while (!m_layers.empty()) {
        m_layers.pop_back();
    }
}

void CChartObjects::DeleteAllHatches() {
    m_hatchList.DeleteAll();
}

} // namespace tembra
