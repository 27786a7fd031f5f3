// The layout command's start of the editor: its argument list for blanks in the folder, a file or
// none and every paper, and the message when the editor cannot be started.
#include "shell/core/LayoutEditorCommand.h"

#include "support/Cp932Text.h"
#include "support/ScriptedUi.h"

#include <gtest/gtest.h>

#include <vector>

namespace tembra {
namespace {

TEST(LayoutEditorCommandTest, TheArgumentsNeedNoQuotes) {
    struct Case {
        std::string file;
        std::optional<int> paper;
        std::vector<std::string> args;
    };
    const std::vector<Case> cases = {
        {"MASTER01.LYT", 0, {"/my data/MASTER01.LYT", "/A4"}},
        {"MASTER01.LYT", 1, {"/my data/MASTER01.LYT", "/B4"}},
        {"a b.LYT", 2, {"/my data/a b.LYT", "/A3"}},
        {"", 3, {"/A3TATE"}}, // no file: a new layout
        {"", 4, {"/A2"}},
        {"", 5, {"/A1"}},
        {"X.LYT", 9, {"/my data/X.LYT"}},            // a paper code of no switch
        {"X.LYT", std::nullopt, {"/my data/X.LYT"}}, // no chart window: no switch
    };
    for (const Case& c : cases) {
        const ProcessCommand command =
            BuildLayoutEditorCommand("/opt/tembra bin", "/my data/", c.file, c.paper);
        EXPECT_EQ(command.program, "/opt/tembra bin/marquell");
        EXPECT_EQ(command.args, c.args) << c.file;
    }
}

TEST(LayoutEditorCommandTest, TheCommandAsksForTheLayoutAndStartsTheEditor) {
    test::ScopedUi ui;
    ui->OnDialog("LayoutSelect", [](DialogRequest& r) {
        static_cast<LayoutSelectRequest&>(r).fileName = test::J("工程.LYT");
        return IDOK;
    });
    std::vector<ProcessCommand> started;
    auto launch = [&](const ProcessCommand& c) {
        started.push_back(c);
        return true;
    };
    EXPECT_TRUE(RunLayoutEditorCommand("/bin", test::J("/データ/"), 2, launch));
    ASSERT_EQ(started.size(), 1u);
    EXPECT_EQ(started[0].args, (std::vector<std::string>{"/データ/工程.LYT", "/A3"}));
    EXPECT_TRUE(ui->MessageBoxes().empty());

    // No editor beside the program.
    EXPECT_FALSE(
        RunLayoutEditorCommand("/bin", "/d/", 0, [](const ProcessCommand&) { return false; }));
    ASSERT_EQ(ui->MessageBoxes().size(), 1u);
    EXPECT_EQ(ui->MessageBoxes()[0].stringId, IDS_LAYOUT_EDITOR_FAILED);
    EXPECT_EQ(ui->MessageBoxes()[0].type & MB_ICONMASK, UINT{MB_ICONSTOP});

    // Cancelling the selection starts nothing.
    ui->OnDialog("LayoutSelect", [](DialogRequest&) { return IDCANCEL; });
    EXPECT_FALSE(RunLayoutEditorCommand("/bin", "/d/", 0, launch));
    EXPECT_EQ(started.size(), 1u);
}

} // namespace
} // namespace tembra
