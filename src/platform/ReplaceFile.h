// Writing a file so that it is never seen half-written: the new contents go to a temporary file
// beside the target, which is flushed to the disk and only then renamed over the target. Until
// the rename the target keeps its old contents, so a failed write, a full disk or a process
// killed in the middle leaves the old file as it was (a killed process may leave the temporary
// file behind, never a damaged target).
#pragma once

#include "platform/File.h"

#include <filesystem>
#include <functional>

namespace tembra {

// Creates a temporary file in the target's folder (with the target's permissions when the target
// exists), lets write fill it through an open CFile, closes it, flushes it to the disk, renames
// it over the target and flushes the folder's entry. Returns 0, or the errno of the step that
// failed (ENOSPC and EDQUOT when the disk is full). An exception that write throws is passed on
// once the temporary file is removed; a CFileException carries the errno of the failed write in
// m_lOsError. A target that is a symbolic link keeps being one: the file it points to is replaced.
int ReplaceFile(const std::filesystem::path& target, const std::function<void(CFile&)>& write);

} // namespace tembra
