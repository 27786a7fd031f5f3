// The option commands with scripted dialogs: OK writes the settings groups of the command's mask
// and nothing else, Cancel writes nothing; the auto-save command keeps the sign of its interval.
#include "shell/core/OptionCommands.h"

#include "model/ConfigBase.h"
#include "platform/Profile.h"
#include "platform/Sjis.h"
#include "support/ScopedClock.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace tembra {
namespace {

std::set<std::string> ProfileSections() {
    std::set<std::string> sections;
    for (const std::string& s : UserProfile().SectionNames()) {
        sections.insert(Sjis::ToUtf8(s));
    }
    return sections;
}

class OptionCommandsTest : public ::testing::Test {
protected:
    // Reading the settings writes back what it checked; that is there before any command.
    OptionCommandsTest() {
        config.Read(TRUE);
        before = ProfileSections();
    }

    test::ScopedPaths paths;
    test::ScopedUi ui;
    CConfigBase config;
    std::set<std::string> before;
};

TEST_F(OptionCommandsTest, CancelWritesNothing) {
    for (const OptionCommand& command : OptionCommands()) {
        ui->OnDialog(command.dialog, [](DialogRequest&) { return IDCANCEL; });
        EXPECT_FALSE(RunOptionCommand(command, config)) << command.id;
    }
    ui->OnDialog("AutoSave", [](DialogRequest&) { return IDCANCEL; });
    CTime last(0);
    EXPECT_FALSE(RunAutoSaveCommand(config, last));
    EXPECT_EQ(ProfileSections(), before);
}

TEST_F(OptionCommandsTest, OkWritesOnlyTheGroupsOfTheMask) {
    struct Case {
        UINT id;
        std::set<std::string> sections;
    };
    const std::vector<Case> cases = {
        {32880, {"KouteiConfig", "LandConfig"}},
        {32879, {"KoumokuConfig"}},
        {32793, {"EventConfig"}},
        {32787, {"OperationConfig"}},
        {32786, {"ColorConfig"}},
        {33126, {"FloatOpt"}},
    };
    for (const Case& c : cases) {
        for (const std::string& section : ProfileSections()) {
            UserProfile().DeleteSection(Sjis::FromUtf8(section));
        }
        const OptionCommand* command = FindOptionCommand(c.id);
        ASSERT_NE(command, nullptr);
        CConfigBase* seen = nullptr;
        ui->OnDialog(command->dialog, [&](DialogRequest& r) {
            seen = static_cast<OptionDialogRequest&>(r).config;
            return IDOK;
        });
        EXPECT_TRUE(RunOptionCommand(*command, config)) << c.id;
        EXPECT_EQ(seen, &config);
        EXPECT_EQ(ProfileSections(), c.sections) << c.id;
    }
}

TEST_F(OptionCommandsTest, WhatTheShellDoesAfterOk) {
    for (const OptionCommand& command : OptionCommands()) {
        ui->OnDialog(command.dialog, [](DialogRequest&) { return IDOK; });
    }
    EXPECT_EQ(RunOptionCommand(*FindOptionCommand(32882), config), kAfterReread);
    EXPECT_EQ(RunOptionCommand(*FindOptionCommand(33128), config), kAfterReread);
    EXPECT_EQ(RunOptionCommand(*FindOptionCommand(32786), config), kAfterRepaint);
    EXPECT_EQ(RunOptionCommand(*FindOptionCommand(32949), config), kAfterRepaint);
    ui->OnDialog("SystemSettings", [](DialogRequest& r) {
        CConfigBase& edited = *static_cast<OptionDialogRequest&>(r).config;
        edited.SetSystemWord(CConfigBase::kSysToolBar, edited.GetToolBar() == 0 ? 1 : 0);
        return IDOK;
    });
    EXPECT_EQ(RunOptionCommand(*FindOptionCommand(32949), config),
              kAfterRepaint | kAfterRecreateBars);
    EXPECT_EQ(RunOptionCommand(*FindOptionCommand(32880), config), kAfterNothing);
}

TEST_F(OptionCommandsTest, TheAutoSaveCommandStoresTheSignedInterval) {
    test::ScopedClock clock(CTime(2000, 5, 1, 12, 0, 0));
    struct Case {
        LONG before;
        LONG chosen;
        bool restarts;
    };
    const std::vector<Case> cases = {
        {-15, -15, false}, // unchanged while off
        {-15, 20, true},   // switched on: the interval starts now
        {10, 30, false},
        {10, -10, false},
    };
    for (const Case& c : cases) {
        config.SetAutoSaveTime(c.before);
        ui->OnDialog("AutoSave", [&](DialogRequest& r) {
            auto& request = static_cast<AutoSaveRequest&>(r);
            EXPECT_EQ(request.interval, c.before);
            request.interval = c.chosen;
            return IDOK;
        });
        CTime last(1000);
        EXPECT_TRUE(RunAutoSaveCommand(config, last));
        EXPECT_EQ(config.GetAutoSaveTime(), c.chosen);
        EXPECT_EQ(static_cast<int>(GetProfileInt("AutoSave", "AutoSaveTime", 0)), c.chosen);
        EXPECT_EQ(last == CTime(2000, 5, 1, 12, 0, 0), c.restarts) << c.before << " " << c.chosen;
    }
    std::set<std::string> expected = before;
    expected.insert("AutoSave");
    EXPECT_EQ(ProfileSections(), expected);
}

} // namespace
} // namespace tembra
