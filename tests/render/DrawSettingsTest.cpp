#include "render/DrawSettings.h"

#include "model/AppDrawSettings.h"
#include "model/ConfigBase.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace tembra {
namespace {

// The primitives read the application's settings only through what ApplyAppDrawSettings hands
// them: the print part's dash scale, the system words BlackBack and HolidayMesh, the colour
// HolidayMesh and the flipped-y option.
TEST(DrawSettingsTest, ApplyTakesTheApplicationsSettings) {
    test::ScopedPaths paths;
    CConfigBase config;
    config.Read(FALSE);
    config.GetPrint().SetLineRate("2.5");
    config.SetSystemWord(CConfigBase::kSysBlackBack, 1);
    CConfigBase* previous = SetAppConfig(&config);
    SetAppFlipY(true);

    ApplyAppDrawSettings();
    EXPECT_EQ(GetDrawSettings().dashScale, "2.5");
    EXPECT_TRUE(GetDrawSettings().blackBack);
    EXPECT_TRUE(GetDrawSettings().flipY);
    EXPECT_DOUBLE_EQ(ParseDashScale(GetDrawSettings().dashScale), 2.5);

    SetAppFlipY(false);
    config.SetSystemWord(CConfigBase::kSysBlackBack, 0);
    ApplyAppDrawSettings();
    EXPECT_FALSE(GetDrawSettings().blackBack);
    EXPECT_FALSE(GetDrawSettings().flipY);
    // Holidays are shaded with the pattern unless the system word is 0; then in the colour.
    EXPECT_TRUE(GetDrawSettings().holidayMesh);
    config.SetSystemWord(CConfigBase::kSysHolidayMesh, 0);
    config.GetColor().SetHolidayMesh(RGB(1, 2, 3));
    ApplyAppDrawSettings();
    EXPECT_FALSE(GetDrawSettings().holidayMesh);
    EXPECT_EQ(GetDrawSettings().holidayMeshColor, RGB(1, 2, 3));

    SetAppConfig(previous);
    SetDrawSettings(DrawSettings{});
}

} // namespace
} // namespace tembra
