// Where "the program folder" of a Windows program lies on Linux: a read-only data folder with
// the files the program ships, and a writable data folder for what it writes beside itself.
#pragma once

#include <filesystem>
#include <string>

namespace tembra::Paths {

// The folder of the shipped files (the build tree's data/ or the installed share folder).
std::filesystem::path ShippedDataDir();
// The writable data folder ($XDG_DATA_HOME/NRD Corporation/Tembra); created on first use.
std::filesystem::path WritableDataDir();
// The folder of the files that stand for the registry ($XDG_CONFIG_HOME/NRD Corporation);
// created on first use.
std::filesystem::path ConfigDir();

// Points all three at other folders (tests use temporary ones). Empty paths restore defaults.
void SetDirs(const std::filesystem::path& shipped, const std::filesystem::path& writable,
             const std::filesystem::path& config);

// The writable folder joined with name + "." + ext (no second dot when ext starts with one),
// or the folder itself ending in a separator when both are empty. The result is a file-system
// path (UTF-8 on Linux). When the writable folder has no such file yet and the shipped folder
// has one, the shipped file is copied there first.
std::string GetExeDirFile(const std::string& name = {}, const std::string& ext = {});

} // namespace tembra::Paths
