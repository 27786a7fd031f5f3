#include "platform/ReplaceFile.h"

namespace tembra {

int ReplaceFile(const std::filesystem::path& target, const std::function<void(CFile&)>& write,
                struct stat* written) {
    CReplacementFile file(target);
    if (file.Error() != 0) {
        return file.Error();
    }
    write(file);
    return file.Commit(written);
}

} // namespace tembra
