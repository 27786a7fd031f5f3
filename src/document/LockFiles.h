// The lock file beside an open document, which keeps a second user from editing it at the same
// time: "<path without extension>.$$$" (a path without extension gets ".$$$" appended), exactly
// 80 bytes holding the owner id, "user [host]" in CP932, followed by zeros. The file is made by
// an exclusive create, so of two openers racing for one document exactly one gets it; a lock
// whose bytes cannot be written and flushed (a full disk) is removed at once, as a lock that
// cannot be made. The owner releases a lock it made (the same file, by device and inode) whatever
// it holds by then, and one that names it (left by an earlier run). A lock shorter than 80 bytes
// or naming no one is damaged: it is reported with its path and replaced by the opener's.
//
// Documents on a device the system marks removable are never locked (their lock is only
// released); where the system cannot tell, they are locked.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tembra {

// The size of a lock file.
constexpr std::size_t kLockFileSize = 80;

// The lock file of a document path.
std::filesystem::path LockFilePath(const std::filesystem::path& document);

// "user [host]" from the login and host names (UTF-8, as the system gives them): CP932, the host
// name cut to 15 bytes on a character boundary; an empty host gives the user in its place.
std::string BuildLockOwnerId(std::string_view user, std::string_view host);
// The owner id of this process's user on this host.
std::string CurrentLockOwnerId();

// Whether the file system holding path lies on a block device the system marks removable,
// looked up under sysRoot ("/sys": dev/block/<major>:<minor>/removable, or the disk's for a
// partition); nothing when that cannot be told.
std::optional<bool> IsOnRemovableDevice(const std::filesystem::path& path,
                                        const std::filesystem::path& sysRoot);

// The lock operation for an owner (see CAppState::LockDocumentFile): mode 1 takes or checks the
// lock, mode 0 releases it. The removable test looks under sysRoot.
int LockDocumentFileAs(const std::string& path, int mode, const std::string& owner,
                       const std::filesystem::path& sysRoot);

// The owner of a lock beside the document that another owner holds; nothing when none stands
// there, when it is this owner's (made by it, or naming it), damaged, or on a removable device.
std::optional<std::string> LockHolderOtherThan(const std::string& path, const std::string& owner,
                                               const std::filesystem::path& sysRoot);

} // namespace tembra
