#include "model/ObTableRow.h"

#include "model/DamagedFile.h"

namespace tembra {

DWORD ReadObTableCount(CArchive& ar) {
    const DWORD count = ar.ReadCount();
    if (count > static_cast<DWORD>(kObTableMaxIndex) + 1) {
        FailDamagedFile();
    }
    return count;
}

// The framework's object array class, by whose name and schema the rows stand in a file.
CObject* CObTableRow::CreateObject() {
    return new CObTableRow;
}
const CRuntimeClass CObTableRow::classCObTableRow = {"CObArray", 0, &CObTableRow::CreateObject,
                                                     RUNTIME_CLASS(CObject)};
const CRuntimeClass* CObTableRow::GetRuntimeClass() const {
    return &classCObTableRow;
}
static const ClassRegistrar s_registerCObTableRow(RUNTIME_CLASS(CObTableRow));

void CObTableRow::Serialize(CArchive& ar) {
    CObject::Serialize(ar);
    if (ar.IsStoring()) {
        ar.WriteCount(static_cast<DWORD>(m_cells.size()));
        for (CObject* cell : m_cells) {
            ar.WriteObject(cell);
        }
        return;
    }
    const DWORD count = ReadObTableCount(ar);
    // A cell is null or read here for the first time: a table keeps no second pointer to a cell,
    // and whoever frees the cells must not meet one twice (a back-reference fails the load).
    std::vector<std::unique_ptr<CObject>> loaded;
    for (DWORD i = 0; i < count; ++i) {
        loaded.push_back(ar.ReadOwnedOrNull<CObject>());
    }
    m_cells.clear();
    for (const auto& cell : loaded) {
        m_cells.push_back(cell.get());
    }
    m_loaded = std::move(loaded);
}

void CObTableRow::ReleaseCells() {
    for (auto& cell : m_loaded) {
        static_cast<void>(cell.release());
    }
    m_loaded.clear();
}

} // namespace tembra
