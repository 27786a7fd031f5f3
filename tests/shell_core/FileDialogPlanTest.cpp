// The file dialog's filters, the version a save dialog chooses and its folders.
#include "shell/core/FileDialogPlan.h"

#include <gtest/gtest.h>

#include <vector>

namespace tembra {
namespace {

std::vector<std::string> Descriptions(const std::vector<FileFilter>& filters) {
    std::vector<std::string> out;
    for (const FileFilter& f : filters) {
        out.push_back(f.description + " " + f.pattern);
    }
    return out;
}

TEST(FileDialogPlanTest, OpenAndSaveDialogsListTheirTypes) {
    FileDialogFlags flags;
    EXPECT_EQ(Descriptions(BuildFileFilters(true, flags)),
              (std::vector<std::string>{"Tembra+ ﾌｧｲﾙ (*.tbr) *.tbr", "DOSﾌｧｲﾙ(*.phd) *.phd",
                                        "Tembra+ ﾊﾞｯｸｱｯﾌﾟﾌｧｲﾙ (*.tbrbk) *.tbrbk",
                                        "ﾃｷｽﾄﾃﾞｰﾀﾌｧｲﾙ (*.psv) *.psv"}));
    EXPECT_EQ(Descriptions(BuildFileFilters(false, flags)),
              (std::vector<std::string>{"Tembra+ ﾌｧｲﾙ (*.tbr) *.tbr", "DOSﾌｧｲﾙ(*.phd) *.phd",
                                        "Tembra+ V4.0 (*.tbr) *.tbr", "Tembra+ V4.1 (*.tbr) *.tbr",
                                        "Tembra+ V5.0 (*.tbr) *.tbr"}));
}

TEST(FileDialogPlanTest, TheAsciiFiltersServeOneDialogEach) {
    FileDialogFlags flags;
    flags.asd = true;
    flags.akd = true;
    EXPECT_EQ(BuildFileFilters(true, flags),
              (std::vector<FileFilter>{{"QKRｱｽｷｰﾌｧｲﾙ(*.asd)", "*.asd", "asd"}}));
    EXPECT_FALSE(flags.asd);
    EXPECT_TRUE(flags.akd);
    EXPECT_EQ(BuildFileFilters(false, flags),
              (std::vector<FileFilter>{{"安管ｱｽｷｰﾌｧｲﾙ(*.akd)", "*.akd", "akd"}}));
    EXPECT_FALSE(flags.akd);
    EXPECT_EQ(BuildFileFilters(true, flags).size(), 4u);
}

TEST(FileDialogPlanTest, TheSaveFilterChoosesTheFileVersion) {
    struct Case {
        int filter;
        int version;
        const char* text;
    };
    const std::vector<Case> cases = {{1, 58000, "Ver.05.80.00"}, {2, 58000, "Ver.05.80.00"},
                                     {3, 40000, "Ver.04.00.00"}, {4, 41001, "Ver.04.10.01"},
                                     {5, 50000, "Ver.05.00.00"}, {6, 58000, "Ver.05.80.00"}};
    for (const Case& c : cases) {
        EXPECT_EQ(SaveVersionForFilter(c.filter), c.version) << c.filter;
        EXPECT_EQ(FormatFileVersion(c.version), c.text);
    }
}

TEST(FileDialogPlanTest, TheDialogStartsInTheLastFolder) {
    EXPECT_EQ(StartFolder("", "/home/u/Documents"), "/home/u/Documents/");
    EXPECT_EQ(StartFolder("/last/", "/home/u/Documents/"), "/last/");
    EXPECT_EQ(StartFolder("/last", "/home/u/Documents/"), "/last/");
    EXPECT_EQ(SplitAtLastSlash("/a b/c.tbr"),
              (std::pair<std::string, std::string>{"/a b/", "c.tbr"}));
    EXPECT_EQ(SplitAtLastSlash("c.tbr"), (std::pair<std::string, std::string>{"", "c.tbr"}));
}

} // namespace
} // namespace tembra
