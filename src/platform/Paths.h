// Where "the program folder" of a Windows program lies on Linux: a read-only data folder with
// the files the program ships, and a writable data folder for what it writes beside itself.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace tembra::Paths {

// The folder of the shipped files: the one SetDirs points at, else the process's own: the one
// SetDefaultShippedDataDir gave, else InstalledDataDir of the running executable.
std::filesystem::path ShippedDataDir();
// The shipped folder of a program installed under a prefix: <prefix>/share/tembra for the
// executable <prefix>/bin/<program> ("../share/tembra" from the executable's folder). A program
// run from its build folder finds the build's share/tembra the same way.
std::filesystem::path InstalledDataDir(const std::filesystem::path& executable);
// The process's own shipped folder, for a process that is not an installed program: tests and
// benchmarks pass the source tree's data/ folder that the build names, once, before anything
// reads it. An empty path goes back to the executable's InstalledDataDir.
void SetDefaultShippedDataDir(const std::filesystem::path& dir);

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

// A file the program ships (the standard layout, the seed of the program's own key): its path
// in the shipped folder. When the folder lacks it (an installation without its data), the user
// is told which file is missing and where it was looked for (a message box), and the result is
// nothing: the caller goes on without the file, never with a stand-in.
std::optional<std::filesystem::path> ShippedFile(const std::string& name);
// GetExeDirFile of a file the program ships: the user's copy in the writable folder, made from
// the shipped file when there is none yet. When neither folder has it, the missing shipped file
// is reported as ShippedFile does.
std::string GetShippedExeDirFile(const std::string& name);

} // namespace tembra::Paths
