// The resource windows of the main window as the chart view sees them: the input window's table
// (a resource number and a quantity per row) that a new resource list of a process is made from,
// and the edit window that shows the resources of the process picked last. The shell registers
// its windows with the application's state (CAppState forwards, and answers for missing windows:
// an empty table, nothing shown).
#pragma once

#include "model/Shigen.h"

#include <vector>

namespace tembra {

class CKoutei;

class IShigenWindows {
public:
    virtual ~IShigenWindows() = default;
    // The rows of the input table, in order; a row without a quantity holds 0.
    virtual std::vector<CShigenData> GetInputEntries() = 0;
    // The edit window shows the process's resources (null: none).
    virtual void ShowKoutei(const CKoutei* process) = 0;
};

} // namespace tembra
