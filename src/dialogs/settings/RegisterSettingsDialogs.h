// The settings dialogs of a chart and of the program, registered under their requests' names.
// "SystemSettings" (OptionDialogRequest): CSystemEnvDlg; "NafudaDlg" (NafudaDlgRequest):
// CNafudaDlg.
// "SyokiSetRekiDlg", "SyokiSetNobeDlg" (SyokiSetRekiDlgRequest, SyokiSetNobeDlgRequest): the
// initial-settings dialogs CSyokiSetRekiDlg and CSyokiSetNobeDlg.
#pragma once

namespace tembra {

class IDialogRegistry;

void RegisterSettingsDialogs(IDialogRegistry& registry);

} // namespace tembra
