// The members of the automation interface as one table: each member's name as clients call it,
// its number of arguments, the kind of its answer, which argument names a file, whether it only
// reads the chart, and the call. The document's Invoke runs members by this table and the bus
// describes and checks its calls by it, so a member is added or changed in one place.
#pragma once

#include "automation/AutomationArgs.h"

#include <span>
#include <string_view>
#include <vector>

namespace tembra {

class CTembraDocAutomation;

struct AutomationMethod {
    std::string_view name;
    int arguments;
    AutoResult::Kind answer;
    int path; // the argument that is a file path, -1 for none
    // Only reads the chart: every other member may change it, and a gesture the user holds on
    // the chart ends first, as a command of the program's own ends it.
    bool readsOnly;
    AutoResult (*call)(CTembraDocAutomation&, const std::vector<AutoArg>&);
};

// The members in the order the interface describes them.
std::span<const AutomationMethod> AutomationMethods();
// The member of that name, or null.
const AutomationMethod* FindAutomationMethod(std::string_view name);

} // namespace tembra
