// The application started as a test starts it: temporary program folders, a scripted user
// interface that also tells the main frame of mode changes, a clock and a tick count of the
// test's own, a folder of its own for the single-instance lock, and no Ctrl key.
#pragma once

#include "document/TembraDoc.h"
#include "platform/Profile.h"
#include "shell/MainFrame.h"
#include "shell/TembraApp.h"
#include "support/ScopedClock.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tembra::test {

// Scripted answers; the mode-changed notice reaches the main frame and the chart windows, and a
// posted command the application's queue, as the program's do; the context menus are the
// program's own when a test asks for them (realMenus).
class FrameUi : public ScriptedUi {
public:
    void ModeChanged() override {
        ScriptedUi::ModeChanged();
        if (app != nullptr && app->MainFrame() != nullptr) {
            app->QtUi().ModeChanged();
        }
    }
    void PostCommand(UINT id) override {
        if (app != nullptr) {
            app->QtUi().PostCommand(id);
        }
    }
    int RunDialog(DialogRequest& request) override {
        if (realMenus && app != nullptr && std::string(request.Name()) == "PopupMenu") {
            return app->QtUi().RunDialog(request);
        }
        return ScriptedUi::RunDialog(request);
    }
    CTembraApp* app = nullptr;
    bool realMenus = false;
};

// The string ids of the message boxes shown.
inline std::vector<UINT> Messages(const ScriptedUi& ui) {
    return ui.MessageIds();
}

// A chart file to open, in the folder: a copy of the shipped sample under the name.
inline std::filesystem::path CopyOfSample(const TempDir& folder, const std::string& name) {
    const std::filesystem::path path = folder.File(name);
    std::filesystem::copy_file(std::filesystem::path(TEMBRA_DATA_DIR) / "sample.tbr", path);
    return path;
}

class ShellFixture : public ::testing::Test {
protected:
    // The program's shipped standard layout is there, as in an installation.
    ShellFixture() : clock(CTime(2000, 5, 1, 9, 0, 0)) {
        std::filesystem::copy_file(std::filesystem::path(TEMBRA_DATA_DIR) / "MASTER01.LYT",
                                   paths.Shipped() / "MASTER01.LYT");
    }
    ~ShellFixture() override { app.reset(); }

    // A new application object on the same profile (the next start), with the test's own
    // choices of options on top.
    CTembraApp& MakeApp(const std::function<void(CTembraApp::Options&)>& choose = {}) {
        app.reset();
        CTembraApp::Options options;
        options.ui = &ui;
        options.printers = printers;
        options.ctrlDown = [this] { return ctrlDown; };
        options.ticks = [this] { return ticks; };
        options.instanceFolder = paths.Dir().File("run").string();
        options.programFolder = paths.Dir().File("bin").string();
        options.commandLineMessages = [this](const std::string& line) {
            commandLine.push_back(line);
        };
        options.startProcess = [this](const std::string& program,
                                      const std::vector<std::string>& args) {
            started.push_back({program, args});
            return editorThere;
        };
        if (choose) {
            choose(options);
        }
        app = std::make_unique<CTembraApp>(options);
        ui.app = app.get();
        return *app;
    }
    std::optional<int> Start(const std::vector<std::string>& args = {"-dde"}) {
        return MakeApp().InitInstance(args);
    }
    CMainFrame& Frame() { return *app->MainFrame(); }

    ScopedPaths paths;
    FrameUi ui;
    ScopedClock clock;
    bool ctrlDown = false;
    std::int64_t ticks = 1000;
    bool editorThere = true;
    // The printers the program sees; null: the machine's.
    IPrinterCatalog* printers = nullptr;
    std::vector<std::pair<std::string, std::vector<std::string>>> started;
    // The lines of a print from the command line (what the program writes to standard error).
    std::vector<std::string> commandLine;
    std::unique_ptr<CTembraApp> app;
};

} // namespace tembra::test
