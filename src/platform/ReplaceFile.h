// Writing a file so that it is never seen half-written, in one call: the new contents go to a
// temporary file beside the target (CReplacementFile), which is flushed to the disk and only then
// renamed over the target. Until the rename the target keeps its old contents, so a failed write,
// a full disk or a process killed in the middle leaves the old file as it was.
#pragma once

#include "platform/ReplacementFile.h"

#include <filesystem>
#include <functional>

namespace tembra {

// Lets write fill the temporary file through an open CFile (a CReplacementFile, to which write
// may add companions) and puts it in place. Returns 0, or the errno of the step that failed
// (ENOSPC and EDQUOT when the disk is full). An exception that write throws is passed on once the
// temporary file is removed; a CFileException carries the errno of the failed write in
// m_lOsError. *written, when given, takes the status of the new file.
int ReplaceFile(const std::filesystem::path& target, const std::function<void(CFile&)>& write,
                struct stat* written = nullptr);

} // namespace tembra
