#include "render/DrawSettings.h"

#include "model/AppDrawSettings.h"
#include "model/ConfigBase.h"

#include <charconv>
#include <cmath>

namespace tembra {

namespace {
DrawSettings& Settings() {
    static DrawSettings settings;
    return settings;
}
} // namespace

const DrawSettings& GetDrawSettings() {
    return Settings();
}

void SetDrawSettings(const DrawSettings& settings) {
    Settings() = settings;
}

void ApplyAppDrawSettings() {
    const AppDrawValues values = DeriveAppDrawValues(*GetAppConfig());
    DrawSettings settings;
    settings.dashScale = values.dashScale;
    settings.flipY = values.flipY;
    settings.blackBack = values.blackBack;
    settings.holidayMesh = values.holidayMesh;
    settings.holidayMeshColor = values.holidayMeshColor;
    SetDrawSettings(settings);
}

double ParseDashScale(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
        ++i;
    }
    if (i < text.size() && text[i] == '+') {
        ++i;
    }
    double value = 0.0;
    const char* first = text.data() + i;
    const auto [end, ec] = std::from_chars(first, text.data() + text.size(), value);
    if (ec != std::errc() || end == first || !std::isfinite(value) || value <= 0.0) {
        return 1.0;
    }
    return value;
}

} // namespace tembra
