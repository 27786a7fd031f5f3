#include "shell/SingleInstance.h"

#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>

namespace tembra {

namespace {

constexpr int kWaitMs = 2000;
const char kRaise[] = "raise\n";

} // namespace

CSingleInstance::CSingleInstance(const QString& name, const QString& folder)
    : m_socketPath(QDir(folder).filePath(name + QStringLiteral(".socket"))),
      m_lock(QDir(folder).filePath(name + QStringLiteral(".lock"))) {
    QDir().mkpath(folder);
}

CSingleInstance::~CSingleInstance() = default;

QString CSingleInstance::DefaultFolder() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) {
        folder = QDir::tempPath();
    }
    return folder;
}

bool CSingleInstance::Acquire() {
    if (m_lock.tryLock(0)) {
        // A socket left behind by a run that ended abnormally goes first.
        QLocalServer::removeServer(m_socketPath);
        m_server = std::make_unique<QLocalServer>();
        m_server->setSocketOptions(QLocalServer::UserAccessOption);
        connect(m_server.get(), &QLocalServer::newConnection, this, &CSingleInstance::OnConnection);
        m_server->listen(m_socketPath);
        return true;
    }
    QLocalSocket socket;
    socket.connectToServer(m_socketPath);
    if (socket.waitForConnected(kWaitMs)) {
        socket.write(kRaise);
        socket.waitForBytesWritten(kWaitMs);
        socket.disconnectFromServer();
    }
    return false;
}

void CSingleInstance::OnConnection() {
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            while (socket->canReadLine()) {
                if (socket->readLine() == kRaise) {
                    emit raiseRequested();
                }
            }
        });
    }
}

} // namespace tembra
