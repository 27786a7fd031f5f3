// What the layout editor takes from its start: the user profile's settings and the command line.
#include "layout_editor/core/AppSettings.h"
#include "layout_editor/core/CommandLine.h"

#include "EditorTestSupport.h"
#include "platform/Paths.h"
#include "platform/Profile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace marquell {
namespace {

using test::J;

void WriteProfile(const std::string& sectionUtf8, const char* key, const std::string& valueUtf8) {
    ASSERT_TRUE(tembra::WriteProfileString(J(sectionUtf8), key, J(valueUtf8).c_str()));
}

TEST(AppSettings, AFirstStartTakesTheDefaults) {
    tembra::test::ScopedPaths paths;
    CAppSettings app;
    app.ReadProfile();
    EXPECT_EQ(app.editor.normalWidth, 3);
    EXPECT_EQ(app.editor.thinWidth, 1);
    EXPECT_EQ(app.editor.boldWidth, 6);
    EXPECT_EQ(app.insideFrame, 0);
    EXPECT_EQ(app.multiple, 0);
    EXPECT_EQ(app.inputAreaColorText, "0,0,128");
    EXPECT_EQ(app.editor.inputAreaColor, RGB(0, 0, 128));
    // No "LayoutPath": the program folder, which is Tembra's writable data folder.
    EXPECT_EQ(app.layoutFolder, tembra::Paths::WritableDataDir());
    EXPECT_EQ(app.GetLineWidth(kWidthThin), 1);
    EXPECT_EQ(app.GetLineWidth(kWidthBold), 6);
    EXPECT_EQ(app.GetLineWidth(7), 3);
}

TEST(AppSettings, TheProfilesValuesReplaceTheDefaults) {
    tembra::test::ScopedPaths paths;
    WriteProfile("線の太さ", "NormalWidth", "4");
    WriteProfile("線の太さ", "ThinWidth", "2");
    WriteProfile("線の太さ", "BoldWidth", "9");
    WriteProfile("枠内指定", "Wakunai", "1");
    WriteProfile("複数選択指定", "Hukusu", "1");
    WriteProfile("パス", "LayoutPath", "/srv/レイアウト");
    CAppSettings app;
    app.ReadProfile();
    EXPECT_EQ(app.editor.normalWidth, 4);
    EXPECT_EQ(app.editor.thinWidth, 2);
    EXPECT_EQ(app.editor.boldWidth, 9);
    EXPECT_EQ(app.insideFrame, 1);
    EXPECT_EQ(app.multiple, 1);
    EXPECT_EQ(app.layoutFolder, std::filesystem::path("/srv/レイアウト"));
}

TEST(AppSettings, AnInputAreaColourNeedsThreeNumbers) {
    struct Case {
        const char* text;
        COLORREF colour;
    };
    const Case cases[] = {
        {"255,0,0", RGB(255, 0, 0)}, {"0,128,64", RGB(0, 128, 64)},
        {"1,2", RGB(0, 0, 0)},       {"red", RGB(0, 0, 0)},
        {"", RGB(0, 0, 0)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        tembra::test::ScopedPaths paths;
        WriteProfile("色指定", "InputAreaColor", c.text);
        CAppSettings app;
        app.ReadProfile();
        EXPECT_EQ(app.inputAreaColorText, c.text);
        EXPECT_EQ(app.editor.inputAreaColor, c.colour);
    }
}

TEST(AppSettings, AnEmptyLayoutPathIsTheProgramFolder) {
    tembra::test::ScopedPaths paths;
    WriteProfile("パス", "LayoutPath", "");
    CAppSettings app;
    app.ReadProfile();
    EXPECT_EQ(app.layoutFolder, paths.Writable());
    EXPECT_EQ(MakeProgramPath("~BackUp", ".lyt"), paths.Writable() / "~BackUp.lyt");
}

TEST(CommandLine, SwitchesAreSetAsideAndTheFirstOtherArgumentIsTheFile) {
    struct Case {
        std::vector<std::string> arguments;
        std::string file;
        std::size_t switches;
    };
    const Case cases[] = {
        {{"a.lyt", "/A3"}, "a.lyt", 1},
        {{"/A3"}, "", 1},
        {{"/A3TATE", "/tmp/b.lyt"}, "/tmp/b.lyt", 1},
        {{"-style", "c.lyt", "d.lyt"}, "c.lyt", 1},
        {{"/home/user/LAYTEMP0.LY$", "/A1"}, "/home/user/LAYTEMP0.LY$", 1},
        {{}, "", 0},
    };
    for (const Case& c : cases) {
        CCommandLineInfo info;
        info.Parse(c.arguments);
        EXPECT_EQ(info.fileName, c.file);
        EXPECT_EQ(info.switches.size(), c.switches);
    }
}

} // namespace
} // namespace marquell
