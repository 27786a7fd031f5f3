// The program's folders in a temporary folder for the life of a benchmark, its settings and
// state installed as the application's context, the clock fixed on 2010-04-01 (the benchmark
// charts' year). A benchmark of windows or printing passes the screen's device context factory.
#pragma once

#include "document/AppContext.h"
#include "document/AppState.h"
#include "model/ConfigBase.h"
#include "platform/Paths.h"
#include "platform/Time.h"

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>

namespace tembra::bench {

class BenchFolders {
public:
    explicit BenchFolders(ScreenDCFactory screenDC = {}) {
        namespace fs = std::filesystem;
        std::string pattern = (fs::temp_directory_path() / "tembra-bench-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) {
            std::abort();
        }
        m_dir = pattern;
        fs::create_directories(m_dir / "writable");
        fs::create_directories(m_dir / "config");
        Paths::SetDirs(Paths::ShippedDataDir(), m_dir / "writable", m_dir / "config");
        Clock::SetFixedNow(CTime(2010, 4, 1));
        AppContext context;
        context.config = &m_config;
        context.state = &m_state;
        context.screenDC = std::move(screenDC);
        m_context = std::make_unique<ScopedAppContext>(std::move(context));
        m_config.Read(FALSE);
        m_state.SetLockOwnerId("bench [host]");
    }
    ~BenchFolders() {
        m_context.reset();
        Paths::SetDirs({}, {}, {});
        std::error_code ec;
        std::filesystem::remove_all(m_dir, ec);
    }
    BenchFolders(const BenchFolders&) = delete;
    BenchFolders& operator=(const BenchFolders&) = delete;

    const std::filesystem::path& Dir() const { return m_dir; }
    CConfigBase& Config() { return m_config; }

private:
    std::filesystem::path m_dir;
    CConfigBase m_config;
    CAppState m_state;
    std::unique_ptr<ScopedAppContext> m_context;
};

} // namespace tembra::bench
