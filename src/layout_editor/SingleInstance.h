// One running editor per user: the first start holds a lock file and listens on a local socket,
// both named after the program in the user's runtime folder; a later start finds the lock
// held, passes its arguments over the socket and ends. The first is told (Activated) and
// raises its window.
#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

namespace marquell {

class CSingleInstance : public QObject {
    Q_OBJECT
public:
    // folder: the user's runtime folder; name: the program's.
    CSingleInstance(const QString& folder, const QString& name, QObject* parent = nullptr);
    ~CSingleInstance() override;

    // Takes the lock and listens; false when another start holds the lock.
    bool Acquire();
    // From a later start: hands the arguments to the first; false when it cannot be reached.
    bool PassOn(const QStringList& arguments) const;

    QString SocketPath() const { return m_socketPath; }

signals:
    // A later start passed its arguments.
    void Activated(const QStringList& arguments);

private:
    void OnConnection();

    QString m_socketPath;
    QLockFile m_lock;
    std::unique_ptr<QLocalServer> m_server;
};

// The user's runtime folder ($XDG_RUNTIME_DIR, else a folder of the user's own).
QString RuntimeFolder();

} // namespace marquell
