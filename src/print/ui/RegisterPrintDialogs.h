// The layout dialogs, registered by the names of their requests.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace tembra {

class CConfigBase;
class IDialogRegistry;

// "LayoutSelect" (LayoutSelectRequest) on the layout folder and current layout of settings, not
// deleting the layouts in use (CP932 file names, asked each time the dialog opens), and
// "LayoutCopy" (OptionDialogRequest) into the layout folder of the request's settings, and
// "PrhMst03Sheet" (PrhMst03SheetRequest), the plan texts on the request's print header. settings
// outlives the registry.
void RegisterPrintDialogs(IDialogRegistry& registry, const CConfigBase& settings,
                          std::function<std::vector<std::string>()> layoutsInUse);

} // namespace tembra
