// The profile functions of the framework and of the system, over ProfileFile.
//
// The user profile stands for the current user's registry key "NRD Corporation\<application
// name>" (the application name is string 57344): the file "<application name>.ini" in
// Paths::ConfigDir(), UTF-8 on disk. Sub-keys written "%s\%s" are plain section names holding a
// backslash. The INI files the program exchanges with other programs (layout, term, history,
// duty and plan files, the auto-save control file) are read and written by path, CP932 on disk.
// Every text in and out is CP932.
#pragma once

#include "platform/ProfileFile.h"
#include "platform/Types.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tembra {

// The application name under which both registry stores live, the program's own (the string
// table's selection tells which); it names files and never changes with the program's title.
std::string AppRegistryName();

// The one ProfileFile object of a path (parsed once, shared by every caller in the process).
ProfileFile& OpenProfileFile(const std::filesystem::path& path, ProfileFlavor flavor);

// The user profile's file and store. Follows Paths::ConfigDir() (tests point it elsewhere).
std::filesystem::path UserProfilePath();
ProfileFile& UserProfile();

// CWinApp::GetProfileString / GetProfileInt: the value, or the default when it is missing.
std::string GetProfileString(std::string_view section, std::string_view key,
                             std::string_view defaultValue = {});
UINT GetProfileInt(std::string_view section, std::string_view key, int defaultValue);
// CWinApp::WriteProfileString: a null value deletes the key, a null key the whole section.
// FALSE when the profile cannot be written (or the names cannot be stored).
BOOL WriteProfileString(std::string_view section, const char* key, const char* value);
BOOL WriteProfileInt(std::string_view section, std::string_view key, int value);

// Fills buffer with the value names of a section of the user profile (see FillNameList); nothing
// is filled when an argument is null or zero.
void GetProfileSectionNames(const char* section, char* buffer, std::size_t size);
// The same names as a list.
std::vector<std::string> GetProfileValueNames(std::string_view section);

// GetPrivateProfileString on a CP932 INI file: the value, else the default without its trailing
// blanks; cut to size - 1 bytes on a character boundary (size: the caller's buffer size).
std::string GetPrivateProfileString(std::string_view section, std::string_view key,
                                    std::string_view defaultValue, std::size_t size,
                                    const std::filesystem::path& file);
UINT GetPrivateProfileInt(std::string_view section, std::string_view key, int defaultValue,
                          const std::filesystem::path& file);
// A null value deletes the key, a null key the whole section. A missing file is created (its
// folder must exist). FALSE when nothing could be written.
BOOL WritePrivateProfileString(const char* section, const char* key, const char* value,
                               const std::filesystem::path& file);
// The section names (GetPrivateProfileSectionNames) and the keys of a section
// (GetPrivateProfileString with a null key) that fit whole into a buffer of size bytes.
std::vector<std::string> GetPrivateProfileSectionNames(std::size_t size,
                                                       const std::filesystem::path& file);
std::vector<std::string> GetPrivateProfileKeyNames(std::string_view section, std::size_t size,
                                                   const std::filesystem::path& file);

} // namespace tembra
