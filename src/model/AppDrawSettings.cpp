#include "model/AppDrawSettings.h"

#include "model/ConfigBase.h"

namespace tembra {

namespace {
bool g_flipY = false;
} // namespace

bool GetAppFlipY() {
    return g_flipY;
}

void SetAppFlipY(bool flip) {
    g_flipY = flip;
}

AppDrawValues DeriveAppDrawValues(const CConfigBase& config) {
    AppDrawValues values;
    values.dashScale = config.GetPrint().GetLineRate();
    values.flipY = g_flipY;
    values.blackBack = config.GetBlackBack() != 0;
    values.holidayMesh = config.GetHolidayMesh() != 0;
    values.holidayMeshColor = config.GetColor().GetHolidayMesh();
    return values;
}

} // namespace tembra
