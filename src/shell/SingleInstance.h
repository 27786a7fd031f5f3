// One running Tembra per user: a lock file and a local socket named after the executable's base
// name. The first process holds the lock for its life and listens; a later one finds the lock
// held, asks the first to come to the front ("raise") and ends, passing on nothing else.
#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>

#include <memory>

namespace tembra {

class CSingleInstance : public QObject {
    Q_OBJECT
public:
    // The lock "<name>.lock" and the socket "<name>.socket" in folder.
    CSingleInstance(const QString& name, const QString& folder);
    ~CSingleInstance() override;

    // The folder of the user's runtime files (the lock and the socket).
    static QString DefaultFolder();

    // True when this is the only instance (it now holds the lock and listens); false when another
    // one runs, which has been asked to come to the front.
    bool Acquire();

signals:
    // Another instance asked this one to come to the front.
    void raiseRequested();

private:
    void OnConnection();

    QString m_socketPath;
    QLockFile m_lock;
    std::unique_ptr<QLocalServer> m_server;
};

} // namespace tembra
