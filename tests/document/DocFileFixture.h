// The program as the tests of the document file see it: temporary program folders with the
// shipped standard layout, application settings read from them, an application state of the
// test's own (its lock owner fixed), scripted answers, a fixed clock, and a folder for the
// charts.
#pragma once

#include "document/AppContext.h"
#include "document/AppState.h"
#include "document/TembraDoc.h"
#include "model/ConfigBase.h"
#include "platform/Paths.h"
#include "support/ScopedClock.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace tembra::test {

class DocFileFixture : public ::testing::Test {
protected:
    static constexpr const char* kOwner = "tester [host-a]";

    DocFileFixture() : clock(CTime(2010, 4, 1, 9, 0, 0)) {
        std::filesystem::copy_file(std::filesystem::path(TEMBRA_DATA_DIR) / "MASTER01.LYT",
                                   paths.Shipped() / "MASTER01.LYT");
        AppContext installed;
        installed.config = &config;
        installed.state = &state;
        installed.ui = &ui.Get();
        context = std::make_unique<ScopedAppContext>(std::move(installed));
        // Read once installed: the chart part's page reads the layout file of the application's
        // settings.
        config.Read(FALSE);
        state.SetLockOwnerId(kOwner);
    }

    // A new chart of the application's defaults.
    std::unique_ptr<CTembraDoc> NewChart() {
        auto document = std::make_unique<CTembraDoc>();
        EXPECT_TRUE(document->OnNewDocument()) << ::testing::PrintToString(MessageTexts());
        return document;
    }

    static std::string ReadBytes(const std::filesystem::path& file) {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    static void WriteBytes(const std::filesystem::path& file, const std::string& bytes) {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out << bytes;
    }

    // Two files' bytes alike; otherwise where they first differ (not the whole files).
    static ::testing::AssertionResult SameBytes(const std::string& actual,
                                                const std::string& expected) {
        if (actual == expected) {
            return ::testing::AssertionSuccess();
        }
        std::size_t at = 0;
        while (at < actual.size() && at < expected.size() && actual[at] == expected[at]) {
            ++at;
        }
        return ::testing::AssertionFailure()
               << "sizes " << actual.size() << " and " << expected.size()
               << ", first difference at byte " << at;
    }

    // The string ids of the message boxes shown so far.
    std::vector<UINT> Messages() { return ui.Get().MessageIds(); }
    // The texts (UTF-8) of the message boxes shown so far.
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
