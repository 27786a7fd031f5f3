#include "shell/core/OptionCommands.h"

#include "model/ConfigBase.h"

namespace tembra {

namespace {

constexpr OptionCommand kCommands[] = {
    {32882, "InitialState", kConfigBase | kConfigPath},
    {32949, "SystemSettings", kConfigSystem},
    {32880, "KouteiAttributes", kConfigKoutei},
    {32879, "KoumokuAttributes", kConfigKoumoku},
    {32992, "YogoAttributes", kConfigYogo},
    {32793, "EventAttributes", kConfigEvent},
    {32947, "ShincyokuAttributes", kConfigShin},
    {33007, "ZukeiAttributes", kConfigZukei},
    {32787, "DrawEditConditions", kConfigOperation},
    {32786, "ColorSettings", kConfigColor},
    {33128, "FontSettings", kConfigFont},
    {33126, "FloatWndSettings", kConfigFloat},
};

} // namespace

std::span<const OptionCommand> OptionCommands() {
    return kCommands;
}

const OptionCommand* FindOptionCommand(UINT id) {
    for (const OptionCommand& c : kCommands) {
        if (c.id == id) {
            return &c;
        }
    }
    return nullptr;
}

std::optional<unsigned> RunOptionCommand(const OptionCommand& command, CConfigBase& config) {
    const WORD toolBar = config.GetToolBar();
    OptionDialogRequest request(command.dialog, &config);
    if (Ui().RunDialog(request) != IDOK) {
        return std::nullopt;
    }
    config.Write(command.mask);
    switch (command.id) {
    case 32882:
    case 33128:
        config.Read(TRUE);
        return kAfterReread;
    case 32949:
        return kAfterRepaint | (config.GetToolBar() != toolBar ? kAfterRecreateBars : 0u);
    case 32786:
        return kAfterRepaint;
    default:
        return kAfterNothing;
    }
}

BOOL RunAutoSaveCommand(CConfigBase& config, CTime& lastAutoSave) {
    AutoSaveRequest request;
    request.interval = config.GetAutoSaveTime();
    const LONG old = request.interval;
    if (Ui().RunDialog(request) != IDOK) {
        return FALSE;
    }
    if (old < 0 && request.interval >= 1) {
        lastAutoSave = CTime::GetCurrentTime();
    }
    config.SetAutoSaveTime(request.interval);
    config.Write(kConfigAutoSave);
    return TRUE;
}

} // namespace tembra
