#include "support/TempDir.h"

#include "platform/Paths.h"
#include "platform/RegKey.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <system_error>

namespace tembra::test {

namespace fs = std::filesystem;

TempDir::TempDir() {
    std::string pattern = (fs::temp_directory_path() / "tembra-test-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot create a temporary folder from " + pattern);
    m_path = pattern;
}

TempDir::~TempDir() {
    std::error_code ec;
    fs::remove_all(m_path, ec);
}

fs::path TempDir::Write(const std::string& name, std::string_view bytes) const {
    fs::path file = File(name);
    fs::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + file.string());
    return file;
}

std::string TempDir::Read(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

ScopedPaths::ScopedPaths() {
    fs::create_directories(Shipped());
    fs::create_directories(Writable());
    fs::create_directories(Config());
    Paths::SetDirs(Shipped(), Writable(), Config());
    // An installation ships the seed of the program's own key; here it holds no values, so a
    // test starts from an empty key without being told that the seed is missing.
    m_dir.Write("shipped/" + AppRegKeyDefaultPath().filename().string(), "");
    if (const char* old = std::getenv("XDG_CONFIG_DIRS"))
        m_oldConfigDirs = old;
    ::setenv("XDG_CONFIG_DIRS", m_dir.File("system").c_str(), 1);
}

ScopedPaths::~ScopedPaths() {
    Paths::SetDirs({}, {}, {});
    if (m_oldConfigDirs)
        ::setenv("XDG_CONFIG_DIRS", m_oldConfigDirs->c_str(), 1);
    else
        ::unsetenv("XDG_CONFIG_DIRS");
}

} // namespace tembra::test
