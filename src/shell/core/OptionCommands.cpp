#include "shell/core/OptionCommands.h"

#include "document/CommandIds.h"
#include "model/ConfigBase.h"

namespace tembra {

namespace {

constexpr OptionCommand kCommands[] = {
    {ID_OPTION_INITIAL_STATE, "InitialState", kConfigBase | kConfigPath},
    {ID_OPTION_SYSTEM, "SystemSettings", kConfigSystem},
    {ID_OPTION_KOUTEI_ATTR, "KouteiAttributes", kConfigKoutei},
    {ID_OPTION_KOUMOKU_ATTR, "KoumokuAttributes", kConfigKoumoku},
    {ID_OPTION_YOGO_ATTR, "YogoAttributes", kConfigYogo},
    {ID_OPTION_EVENT_ATTR, "EventAttributes", kConfigEvent},
    {ID_OPTION_SHINCYOKU_ATTR, "ShincyokuAttributes", kConfigShin},
    {ID_OPTION_ZUKEI_ATTR, "ZukeiAttributes", kConfigZukei},
    {ID_OPTION_DRAW_CONDITIONS, "DrawEditConditions", kConfigOperation},
    {ID_OPTION_COLORS, "ColorSettings", kConfigColor},
    {ID_OPTION_FONTS, "FontSettings", kConfigFont},
    {ID_FLOAT_SETTINGS, "FloatWndSettings", kConfigFloat},
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
    case ID_OPTION_INITIAL_STATE:
    case ID_OPTION_FONTS:
        config.Read(TRUE);
        return kAfterReread;
    case ID_OPTION_SYSTEM:
        return kAfterRepaint | (config.GetToolBar() != toolBar ? kAfterRecreateBars : 0u);
    case ID_OPTION_COLORS:
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
