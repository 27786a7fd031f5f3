// One running editor per user: the first start holds a lock file and listens on a local socket,
// both named after the program in the user's runtime folder. A later start finds the lock held
// and hands its arguments over the socket; the running editor answers whether it took them and
// closes the connection, at once or, when it opened the main program's temporary copy, once it
// has reported that edit done. The later start waits for both, so that whoever watches it
// (the main program's waiting dialog) sees it end when the edit ends. While the running
// editor's user is in a dialog, the arguments wait until it is closed.
#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QLocalSocket;

namespace marquell {

class CSingleInstance : public QObject {
    Q_OBJECT
public:
    // The running editor's answer to a later start.
    struct Answer {
        bool accepted = true;
        // The connection stays until ReleaseKept (the later start keeps waiting).
        bool keep = false;
    };
    using Handler = std::function<Answer(const QStringList&)>;

    // folder: the user's runtime folder; name: the program's.
    CSingleInstance(const QString& folder, const QString& name, QObject* parent = nullptr);
    ~CSingleInstance() override;

    // Takes the lock and listens; false when another start holds the lock.
    bool Acquire();
    // What the running editor does with the arguments of a later start.
    void SetHandler(Handler handler) { m_handler = std::move(handler); }
    // From a later start: hands the arguments to the first and waits for its answer and for
    // the connection to close. 0 when they were taken, 1 when refused or nobody answered.
    int PassOn(const QStringList& arguments) const;
    // Closes the connection kept for a later start.
    void ReleaseKept();

    QString SocketPath() const { return m_socketPath; }
    // Whether a later start is still held (it ends when ReleaseKept closes the connection).
    bool IsKeeping() const { return !m_kept.isNull(); }

signals:
    // A later start's arguments arrived while the user is in a dialog: they wait and are tried
    // again shortly.
    void HandOffWaiting();

private:
    void OnConnection();
    void Take(QLocalSocket* socket);

    QString m_socketPath;
    QLockFile m_lock;
    std::unique_ptr<QLocalServer> m_server;
    Handler m_handler;
    QPointer<QLocalSocket> m_kept;
};

} // namespace marquell
