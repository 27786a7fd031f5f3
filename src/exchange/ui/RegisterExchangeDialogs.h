// The dialogs of inserting and importing charts, registered by the names of their requests.
#pragma once

namespace tembra {

class IDialogRegistry;

// "InsertSelect", "InsertConfirm" and "QkrImportSelect".
void RegisterExchangeDialogs(IDialogRegistry& registry);

} // namespace tembra
