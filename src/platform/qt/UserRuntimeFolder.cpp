#include "platform/qt/UserRuntimeFolder.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace tembra {

namespace {

const char kFallbackName[] = "tembra-run";

QString Refused(const QString& folder, const QString& why) {
    return QString::fromUtf8("フォルダ %1 は使いません（%2）。").arg(folder, why);
}

} // namespace

bool IsUsersOwnFolder(const QString& folder, QString* why) {
    struct stat info {};
    const QByteArray path = QFile::encodeName(folder);
    if (::lstat(path.constData(), &info) != 0) {
        if (why != nullptr) {
            *why = QString::fromLocal8Bit(std::strerror(errno));
        }
        return false;
    }
    QString reason;
    if (!S_ISDIR(info.st_mode)) {
        reason = QString::fromUtf8("フォルダではありません");
    } else if (info.st_uid != ::geteuid()) {
        reason = QString::fromUtf8("他のユーザーのフォルダです");
    } else if ((info.st_mode & (S_IWGRP | S_IWOTH)) != 0) {
        reason = QString::fromUtf8("他のユーザーが書き込めます");
    }
    if (why != nullptr) {
        *why = reason;
    }
    return reason.isEmpty();
}

RuntimeFolder FindUserRuntimeFolder() {
    RuntimeFolder found;
    QStringList refusals;
    QString why;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty()) {
        if (IsUsersOwnFolder(runtime, &why)) {
            found.path = runtime;
            return found;
        }
        refusals << Refused(runtime, why);
    }
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (!cache.isEmpty()) {
        const QString folder = QDir(cache).filePath(QString::fromLatin1(kFallbackName));
        QDir().mkpath(cache);
        // Made for the user alone; one that is there already must be the user's alone.
        ::mkdir(QFile::encodeName(folder).constData(), 0700);
        if (IsUsersOwnFolder(folder, &why)) {
            found.path = folder;
        } else {
            refusals << Refused(folder, why);
        }
    }
    found.refusal = refusals.join(QLatin1Char('\n'));
    return found;
}

} // namespace tembra
