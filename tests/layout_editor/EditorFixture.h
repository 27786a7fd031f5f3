// What the widget tests of the layout editor share: folders of their own with the editor's key
// and standard layout shipped, a scripted user interface, and layouts written for a test.
#pragma once

#include "platform/RegKey.h"
#include "platform/Sjis.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace marquell::test {

inline std::string J(const std::string& utf8) {
    return tembra::Sjis::FromUtf8(utf8);
}

class EditorFixture : public testing::Test {
protected:
    EditorFixture() {
        namespace fs = std::filesystem;
        const fs::path data = TEMBRA_DATA_DIR;
        fs::copy_file(data / tembra::AppRegKeyDefaultPath().filename(),
                      paths.Shipped() / tembra::AppRegKeyDefaultPath().filename(),
                      fs::copy_options::overwrite_existing);
        fs::copy_file(data / "MASTER01.LYT", paths.Shipped() / "MASTER01.LYT",
                      fs::copy_options::overwrite_existing);
        ui->FailOnUnqueued(false);
    }

    // The standard layout with its "MasterFlag" and "CurrentPaper" replaced, as name.
    std::filesystem::path Layout(const std::string& name, int masterFlag, int paper) {
        std::string text =
            tembra::test::TempDir::Read(std::filesystem::path(TEMBRA_DATA_DIR) / "MASTER01.LYT");
        const auto replace = [&](const std::string& from, const std::string& to) {
            text.replace(text.find(from), from.size(), to);
        };
        replace("MasterFlag=1", "MasterFlag=" + std::to_string(masterFlag));
        replace("CurrentPaper=0", "CurrentPaper=" + std::to_string(paper));
        return paths.Dir().Write(name, text);
    }

    tembra::test::ScopedPaths paths;
    tembra::test::ScopedUi ui;
};

} // namespace marquell::test
