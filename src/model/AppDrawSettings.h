// What the drawing primitives and painters read of the application: the dash scale text (the
// print part's "LineRate"), the flipped-y option, the system settings "BlackBack" and
// "HolidayMesh" and the colour setting "HolidayMesh". The drawing library sits above the model,
// so the model only derives the plain values here; the application hands them to the drawing
// primitives whenever its settings are read or changed.
#pragma once

#include "platform/Types.h"

#include <string>

namespace tembra {

class CConfigBase;

struct AppDrawValues {
    std::string dashScale = "1.0";
    bool flipY = false;
    bool blackBack = false;
    bool holidayMesh = true;
    COLORREF holidayMeshColor = RGB(255, 225, 225);
    bool operator==(const AppDrawValues&) const = default;
};

// The application's flipped-y option: while it is set every y handed to the device is negated.
// It is an option of the running program, not a profile key.
bool GetAppFlipY();
void SetAppFlipY(bool flip);

// The values of these settings together with the flipped-y option.
AppDrawValues DeriveAppDrawValues(const CConfigBase& config);

} // namespace tembra
