// The seven switches of the system environment dialog (182 "システム環境"), words of the
// application defaults' "SystemConfig" block. The two cursor guides share the word
// "CursorDate": bit 0 the date guide, bit 1 the row guide.
#pragma once

namespace tembra {

class CConfigBase;

struct SystemEnvValues {
    bool endDateDec = false;  // "EndDateDec": a span's end day shown as the day before
    bool dateGuide = false;   // bit 0 of "CursorDate"
    bool rowGuide = false;    // bit 1 of "CursorDate"
    bool rightClick = false;  // "RightClick": the right button opens the sub-menu
    bool blackBack = false;   // "BlackBack": black chart background
    bool holidayMesh = false; // "HolidayMesh": holidays hatched, not coloured
    bool crossCursor = false; // "CrossCursor": the cross-hair cursor
    bool operator==(const SystemEnvValues&) const = default;
};

SystemEnvValues LoadSystemEnv(const CConfigBase& config);
// Writes the seven words: "CursorDate" 1 for the date guide plus 2 for the row guide, each other
// word 1 or 0. The other words of the block ("ToolBar" ...) are left as they are.
void StoreSystemEnv(const SystemEnvValues& values, CConfigBase& config);

} // namespace tembra
