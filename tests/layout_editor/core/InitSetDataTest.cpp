// The initial-settings dialog's values: the stored form reads and writes the profile for the next
// start, the running form the application's values.
#include "layout_editor/core/InitSetData.h"

#include "layout_editor/core/AppSettings.h"

#include "EditorTestSupport.h"
#include "platform/Profile.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace marquell {
namespace {

using test::J;

int ProfileInt(const char* sectionUtf8, const char* key) {
    return static_cast<int>(tembra::GetProfileInt(J(sectionUtf8), key, -99));
}

class InitSetTest : public testing::Test {
protected:
    tembra::test::ScopedPaths paths;
    tembra::test::ScopedUi ui;
    CAppSettings app;
};

TEST_F(InitSetTest, TheStoredFormWritesFiveValuesForTheNextStart) {
    app.ReadProfile();
    CInitSetData data(CInitSetData::kStoredForm);
    data.Load(app);
    EXPECT_EQ(data.multiple, 0);
    EXPECT_EQ(data.band, 1);
    EXPECT_EQ(data.boldWidth, 6);
    data.multiple = 1;
    data.band = 0;
    data.normalWidth = 4;
    data.thinWidth = 2;
    data.boldWidth = 8;
    data.Store(app);
    EXPECT_EQ(ProfileInt("複数選択指定", "Hukusu"), 1);
    EXPECT_EQ(ProfileInt("枠内指定", "Wakunai"), 1);
    EXPECT_EQ(ProfileInt("線の太さ", "NormalWidth"), 4);
    EXPECT_EQ(ProfileInt("線の太さ", "ThinWidth"), 2);
    EXPECT_EQ(ProfileInt("線の太さ", "BoldWidth"), 8);
    ASSERT_EQ(ui->MessageBoxes().size(), 1u);
    EXPECT_EQ(ui->MessageBoxes()[0].stringId, 61249u);
    // The running program keeps its values until the next start.
    EXPECT_EQ(app.editor.boldWidth, 6);
    EXPECT_EQ(app.multiple, 0);

    CInitSetData again(CInitSetData::kStoredForm);
    again.Load(app);
    EXPECT_EQ(again.band, 0);
    EXPECT_EQ(again.boldWidth, 8);
}

TEST_F(InitSetTest, TheRunningFormChangesTheProgramAndLeavesTheProfile) {
    app.ReadProfile();
    CInitSetData data(CInitSetData::kRunningForm);
    data.Load(app);
    data.multiple = 1;
    data.band = 0;
    data.boldWidth = 9;
    data.Store(app);
    EXPECT_EQ(app.multiple, 1);
    EXPECT_EQ(app.insideFrame, 1);
    EXPECT_EQ(app.editor.boldWidth, 9);
    EXPECT_EQ(ProfileInt("線の太さ", "BoldWidth"), -99);
    EXPECT_EQ(ProfileInt("複数選択指定", "Hukusu"), -99);
    EXPECT_TRUE(ui->MessageBoxes().empty());
}

TEST_F(InitSetTest, ResetGivesABoldWidthOfFive) {
    ASSERT_TRUE(tembra::WriteProfileInt(J("線の太さ"), "NormalWidth", 7));
    CInitSetData stored(CInitSetData::kStoredForm);
    stored.Load(app);
    EXPECT_EQ(stored.normalWidth, 7);
    stored.Reset();
    EXPECT_EQ(stored.multiple, 0);
    EXPECT_EQ(stored.band, 1);
    EXPECT_EQ(stored.normalWidth, 3);
    EXPECT_EQ(stored.thinWidth, 1);
    EXPECT_EQ(stored.boldWidth, 5);

    // The running form resets from the profile, with the same defaults.
    CInitSetData running(CInitSetData::kRunningForm);
    running.Load(app);
    running.Reset();
    EXPECT_EQ(running.normalWidth, 7);
    EXPECT_EQ(running.boldWidth, 5);
    EXPECT_EQ(running.band, 1);
}

} // namespace
} // namespace marquell
