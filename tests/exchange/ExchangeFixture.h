// The program as the exchange tests see it: temporary program folders with the shipped layout
// (its input areas "会社名" and "部署名" renamed "作業所名" and "建築主", so that the header texts
// of the foreign files find an element), application settings read from them, an application
// state of the test's own, scripted answers, a fixed clock, the exchange converters installed,
// and a folder for the files.
#pragma once

#include "document/AppContext.h"
#include "document/AppState.h"
#include "document/TembraDoc.h"
#include "exchange/ExchangeStreams.h"
#include "model/ConfigBase.h"
#include "platform/Paths.h"
#include "platform/Sjis.h"
#include "support/Cp932Text.h"
#include "support/ScopedClock.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace tembra::test {

class ExchangeFixture : public ::testing::Test {
protected:
    ExchangeFixture() : clock(CTime(2010, 4, 1, 9, 0, 0)) {
        std::string layout = TempDir::Read(std::filesystem::path(TEMBRA_DATA_DIR) / "MASTER01.LYT");
        Replace(layout, J("InputArea4=\"会社名\""), J("InputArea4=\"作業所名\""));
        Replace(layout, J("InputArea5=\"部署名\""), J("InputArea5=\"建築主\""));
        std::ofstream(paths.Shipped() / "MASTER01.LYT", std::ios::binary) << layout;
        AppContext installed;
        installed.config = &config;
        installed.state = &state;
        installed.ui = &ui.Get();
        installed.foreignStreams = &ExchangeStreams();
        context = std::make_unique<ScopedAppContext>(std::move(installed));
        config.Read(FALSE);
        state.SetLockOwnerId("tester [host-a]");
    }

    static void Replace(std::string& text, const std::string& what, const std::string& with) {
        for (std::size_t at = text.find(what); at != std::string::npos;
             at = text.find(what, at + with.size())) {
            text.replace(at, what.size(), with);
        }
    }

    // A new chart of the application's defaults.
    std::unique_ptr<CTembraDoc> NewChart() {
        auto document = std::make_unique<CTembraDoc>();
        EXPECT_TRUE(document->OnNewDocument());
        return document;
    }

    // A chart opened from the file; null when the open failed.
    std::unique_ptr<CTembraDoc> Open(const std::filesystem::path& file) {
        auto document = std::make_unique<CTembraDoc>();
        if (!document->OnOpenDocument(file.string())) {
            return nullptr;
        }
        document->SetPathName(file.string(), FALSE);
        return document;
    }

    // The string ids and the texts (UTF-8) of the message boxes shown so far.
    std::vector<UINT> Messages() { return ui.Get().MessageIds(); }
    std::vector<std::string> MessageTexts() { return ui.Get().MessageTexts(); }

    ScopedPaths paths;
    ScopedUi ui;
    ScopedClock clock;
    CConfigBase config;
    CAppState state;
    std::unique_ptr<ScopedAppContext> context;
    TempDir files;
};

} // namespace tembra::test
