#include "layout_editor/SingleInstance.h"

#include <QDataStream>
#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>

namespace marquell {

namespace {

constexpr int kWaitMs = 3000;

} // namespace

QString RuntimeFolder() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) {
        folder = QDir::tempPath();
    }
    QDir().mkpath(folder);
    return folder;
}

CSingleInstance::CSingleInstance(const QString& folder, const QString& name, QObject* parent)
    : QObject(parent), m_socketPath(QDir(folder).filePath(name)),
      m_lock(QDir(folder).filePath(name + QStringLiteral(".lock"))) {
    // The lock is held for the program's whole run: only a dead holder makes it stale.
    m_lock.setStaleLockTime(0);
}

CSingleInstance::~CSingleInstance() = default;

bool CSingleInstance::Acquire() {
    if (!m_lock.tryLock(0)) {
        return false;
    }
    // A socket left by a run that died with the lock is no one's now.
    QLocalServer::removeServer(m_socketPath);
    m_server = std::make_unique<QLocalServer>();
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server.get(), &QLocalServer::newConnection, this, &CSingleInstance::OnConnection);
    m_server->listen(m_socketPath);
    return true;
}

bool CSingleInstance::PassOn(const QStringList& arguments) const {
    QLocalSocket socket;
    socket.connectToServer(m_socketPath);
    if (!socket.waitForConnected(kWaitMs)) {
        return false;
    }
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << arguments;
    socket.write(bytes);
    const bool written = socket.waitForBytesWritten(kWaitMs);
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState) {
        socket.waitForDisconnected(kWaitMs);
    }
    return written;
}

void CSingleInstance::OnConnection() {
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        // The arguments are whole once the later start has hung up.
        const auto read = [this, socket]() {
            QStringList arguments;
            const QByteArray bytes = socket->readAll();
            QDataStream in(bytes);
            in >> arguments;
            socket->deleteLater();
            emit Activated(arguments);
        };
        if (socket->state() == QLocalSocket::UnconnectedState) {
            read();
        } else {
            connect(socket, &QLocalSocket::disconnected, this, read);
        }
    }
}

} // namespace marquell
