#include "layout_editor/SingleInstance.h"

#include <QApplication>
#include <QDataStream>
#include <QDir>
#include <QLocalSocket>
#include <QTimer>

namespace marquell {

namespace {

constexpr int kWaitMs = 3000;
constexpr int kRetryMs = 200;
// The answer's byte.
constexpr char kTaken = '1';
constexpr char kRefused = '0';

} // namespace

CSingleInstance::CSingleInstance(const QString& folder, const QString& name, QObject* parent)
    : QObject(parent), m_socketPath(QDir(folder).filePath(name)),
      m_lock(QDir(folder).filePath(name + QStringLiteral(".lock"))) {
    // The lock is held for the program's whole run: only a dead holder makes it stale.
    m_lock.setStaleLockTime(0);
}

CSingleInstance::~CSingleInstance() {
    ReleaseKept();
}

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

int CSingleInstance::PassOn(const QStringList& arguments) const {
    QLocalSocket socket;
    socket.connectToServer(m_socketPath);
    if (!socket.waitForConnected(kWaitMs)) {
        return 1;
    }
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << arguments;
    socket.write(bytes);
    if (!socket.waitForBytesWritten(kWaitMs)) {
        return 1;
    }
    // The running editor may ask its user first: no time limit.
    char answer = kRefused;
    while (socket.bytesAvailable() == 0 && socket.state() == QLocalSocket::ConnectedState) {
        socket.waitForReadyRead(-1);
    }
    if (socket.bytesAvailable() > 0) {
        socket.getChar(&answer);
    }
    while (socket.state() != QLocalSocket::UnconnectedState) {
        socket.waitForDisconnected(-1);
    }
    return answer == kTaken ? 0 : 1;
}

void CSingleInstance::OnConnection() {
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::readyRead, this, [this, socket]() { Take(socket); });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        Take(socket);
    }
}

void CSingleInstance::Take(QLocalSocket* socket) {
    if (socket->property("taken").toBool()) {
        return;
    }
    // While the user is in one of the editor's dialogs, the file waits for it to close.
    if (QApplication::activeModalWidget() != nullptr) {
        emit HandOffWaiting();
        QTimer::singleShot(kRetryMs, this, [this, later = QPointer<QLocalSocket>(socket)]() {
            if (later) {
                Take(later);
            }
        });
        return;
    }
    // The arguments are whole once they can be read at once.
    QDataStream in(socket);
    in.startTransaction();
    QStringList arguments;
    in >> arguments;
    if (!in.commitTransaction()) {
        return;
    }
    socket->setProperty("taken", true);
    const Answer answer = m_handler ? m_handler(arguments) : Answer{};
    socket->putChar(answer.accepted ? kTaken : kRefused);
    socket->flush();
    if (answer.accepted && answer.keep) {
        ReleaseKept();
        m_kept = socket;
    } else {
        socket->disconnectFromServer();
    }
}

void CSingleInstance::ReleaseKept() {
    if (m_kept) {
        m_kept->flush();
        m_kept->disconnectFromServer();
        m_kept = nullptr;
    }
}

} // namespace marquell
