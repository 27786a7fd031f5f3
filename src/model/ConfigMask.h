// The write mask of the settings: CConfigBase::Write takes these bits; the chart part's Write
// selects its sections by the same bits and the file-name part writes only under its own.
#pragma once

#include "platform/Types.h"

namespace tembra {

enum : UINT {
    kConfigSystem = 0x0001,    // "SystemConfig"
    kConfigBase = 0x0002,      // period keys; chart part: page, area names, date rows
    kConfigKoutei = 0x0004,    // chart part: "KouteiConfig", "LandConfig"
    kConfigKoumoku = 0x0008,   // chart part: "KoumokuConfig"
    kConfigYogo = 0x0010,      // chart part: "YogoConfig"
    kConfigShin = 0x0020,      // CConfigShin
    kConfigEvent = 0x0040,     // CConfigEvent
    kConfigZukei = 0x0080,     // CConfigZukei
    kConfigPrint = 0x0100,     // CConfigPrint
    kConfigOperation = 0x0200, // CConfigOperation
    kConfigColor = 0x0400,     // CConfigColor
    kConfigPath = 0x0800,      // CConfigPath
    kConfigAutoSave = 0x1000,  // "AutoSave"
    kConfigShigen = 0x2000,    // chart part: "ShigenConfig"
    kConfigFloat = 0x4000,     // "FloatOpt"
    kConfigFont = 0x8000,      // the per-paper fonts
};

} // namespace tembra
