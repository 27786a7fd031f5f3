// Temporary folders for tests, and a guard that points the program's folders into one.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tembra::test {

// A fresh folder under the system's temporary folder, removed with everything in it when the
// object goes.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    // The path of name inside the folder.
    std::filesystem::path File(const std::string& name) const { return m_path / name; }
    // Writes bytes to name (creating its folders); reads a file back whole ("" when missing).
    std::filesystem::path Write(const std::string& name, std::string_view bytes) const;
    static std::string Read(const std::filesystem::path& file);

private:
    std::filesystem::path m_path;
};

// Points Paths at three sub-folders of a temporary folder ("shipped", "writable", "config"),
// all created, and $XDG_CONFIG_DIRS at a fourth ("system", not created), so that no file of the
// machine's own system configuration folders is read; ships an empty seed of the program's own
// key; restores the defaults when it goes.
class ScopedPaths {
public:
    ScopedPaths();
    ~ScopedPaths();
    ScopedPaths(const ScopedPaths&) = delete;
    ScopedPaths& operator=(const ScopedPaths&) = delete;

    std::filesystem::path Shipped() const { return m_dir.File("shipped"); }
    std::filesystem::path Writable() const { return m_dir.File("writable"); }
    std::filesystem::path Config() const { return m_dir.File("config"); }
    const TempDir& Dir() const { return m_dir; }

private:
    TempDir m_dir;
    std::optional<std::string> m_oldConfigDirs;
};

} // namespace tembra::test
