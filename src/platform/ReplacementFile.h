// A file written beside its target and then renamed over it: the one way every save of both
// programs puts a file in place, so that the target is at every moment its old contents or its new
// ones, never half of them.
//
// The temporary file lies in the target's folder (the rename stays within one file system) and is
// named ".<target name>.tembra-<pid>-<random>.tmp": recognisably ours, and whose. It is created
// exclusively, so a name someone planted (a file, or a link to a file of the user's) is never
// followed or written. Its contents reach the disk before the rename. Any failure, or an exception
// from the writer, removes it; a writer killed before the rename leaves it behind, and the next
// save of the same target removes the temporaries of writers that are gone. A target that is a
// symbolic link stays one: the file it points to is replaced.
//
// Companions: a file that must change together with the target (the data file of an exported
// header) is written beside its own target at once and put in place just before the target; when
// the target cannot be put in place, the companion's old contents come back, so the pair stays
// the old pair.
#pragma once

#include "platform/File.h"

#include <sys/types.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

struct stat;

namespace tembra {

class CReplacementFile : public CFile {
public:
    // The points of a replacement a test can stop or fail: the temporary made, its contents
    // written and on the disk, the rename about to run.
    enum class Step { Created, Written, Renaming };
    // Called at each step with the (resolved) target; a nonzero result fails the step with that
    // errno. Tests only; an empty hook removes it.
    using StepHook = std::function<int(Step, const std::filesystem::path& target)>;
    static void SetStepHook(StepHook hook);

    // Resolves a link, removes the stale temporaries of the target and creates the temporary,
    // open for writing. Error() says whether that failed.
    explicit CReplacementFile(const std::filesystem::path& target);
    // Removes the temporary (and the companions' ones) unless committed.
    ~CReplacementFile() override;

    // 0, or the errno of a failed creation.
    int Error() const { return m_error; }
    // The file replaced: the target, or the file its link points to.
    const std::filesystem::path& Target() const { return m_target; }
    const std::filesystem::path& Temporary() const { return m_temporary; }

    // Writes a companion beside its target now (write fills it, its exceptions pass on); it is
    // put in place by Commit. 0, or the errno of the failed step.
    int AddCompanion(const std::filesystem::path& target, const std::function<void(CFile&)>& write);

    // Flushes the contents to the disk and renames the companions, then the temporary, over their
    // targets. 0, or the errno of the step that failed (ENOSPC and EDQUOT when the disk is full);
    // on a failure every target keeps its old contents. *written, when given, takes the status
    // of the new file.
    int Commit(struct stat* written = nullptr);

private:
    // Opens the temporary by its name, when it still is the file created; false otherwise.
    bool OpenByName(CFileException& opened);
    // Flushes, syncs and closes the temporary; 0 or errno.
    int Finish();
    int CloseDescriptor();
    void Discard();

    std::filesystem::path m_target;
    std::filesystem::path m_temporary;
    // The descriptor the temporary was created with, open until it is on the disk.
    int m_descriptor = -1;
    int m_error = 0;
    bool m_finished = false;
    bool m_committed = false;
    std::vector<std::unique_ptr<CReplacementFile>> m_companions;
};

} // namespace tembra
