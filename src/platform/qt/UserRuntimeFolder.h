// The folder of the user's own where both programs keep their lock files and local sockets (the
// single-instance lock and socket, the layout editor's report to the main program): the runtime
// folder ($XDG_RUNTIME_DIR), else "tembra-run" under the user's cache folder, made with mode 0700.
// A folder that another user owns, or that others may write in, is refused: a socket there could
// be another user's, who would receive the user's file paths and answer for the program. So no
// name in it is ever shared between users; without a folder of the user's own there is none.
#pragma once

#include <QString>

namespace tembra {

struct RuntimeFolder {
    // Empty when no folder of the user's own could be had.
    QString path;
    // What was refused and why, for the user (UTF-8; empty when nothing was refused).
    QString refusal;
};

RuntimeFolder FindUserRuntimeFolder();

// Whether folder is one of the user's own: a folder (not a link to one) owned by the user that
// no one else may write in. When not, why (UTF-8).
bool IsUsersOwnFolder(const QString& folder, QString* why = nullptr);

} // namespace tembra
