#include "shell/SingleInstance.h"

#include <QApplication>
#include <QDataStream>
#include <QDir>
#include <QLocalSocket>
#include <QTimer>

namespace tembra {

namespace {

constexpr int kWaitMs = 3000;
constexpr int kRetryMs = 200;

} // namespace

CSingleInstance::CSingleInstance(const QString& name, const QString& folder)
    : m_socketPath(QDir(folder).filePath(name + QStringLiteral(".socket"))),
      m_lock(QDir(folder).filePath(name + QStringLiteral(".lock"))) {
    // The lock is held for the program's whole run: only a dead holder makes it stale.
    m_lock.setStaleLockTime(0);
    QDir().mkpath(folder);
}

CSingleInstance::~CSingleInstance() = default;

bool CSingleInstance::Acquire() {
    if (!m_lock.tryLock(0)) {
        return false;
    }
    // A socket left behind by a run that ended abnormally goes first.
    QLocalServer::removeServer(m_socketPath);
    m_server = std::make_unique<QLocalServer>();
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server.get(), &QLocalServer::newConnection, this, &CSingleInstance::OnConnection);
    m_server->listen(m_socketPath);
    return true;
}

CSingleInstance::Answer CSingleInstance::PassOn(const QStringList& arguments,
                                                const QString& workingFolder) const {
    Answer answer;
    answer.exitCode = 1;
    QLocalSocket socket;
    socket.connectToServer(m_socketPath);
    if (!socket.waitForConnected(kWaitMs)) {
        return answer;
    }
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << workingFolder << arguments;
    socket.write(bytes);
    if (!socket.waitForBytesWritten(kWaitMs)) {
        return answer;
    }
    // The running one may print first: no time limit, only its end of the connection.
    QDataStream in(&socket);
    for (;;) {
        in.startTransaction();
        qint32 code = 1;
        QStringList messages;
        in >> code >> messages;
        if (in.commitTransaction()) {
            answer.exitCode = code;
            answer.messages = messages;
            return answer;
        }
        if (socket.state() != QLocalSocket::ConnectedState) {
            return answer;
        }
        socket.waitForReadyRead(-1);
    }
}

void CSingleInstance::OnConnection() {
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { Take(socket); });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        Take(socket);
    }
}

void CSingleInstance::Take(QLocalSocket* socket) {
    if (socket->property("taken").toBool()) {
        return;
    }
    // While the user is in one of the program's dialogs, the command line waits for it to
    // close.
    if (QApplication::activeModalWidget() != nullptr) {
        QTimer::singleShot(kRetryMs, this, [this, later = QPointer<QLocalSocket>(socket)] {
            if (later) {
                Take(later);
            }
        });
        return;
    }
    // The command line is whole once it can be read at once.
    QDataStream in(socket);
    in.startTransaction();
    QString folder;
    QStringList arguments;
    in >> folder >> arguments;
    if (!in.commitTransaction()) {
        return;
    }
    socket->setProperty("taken", true);
    // The work may run the event loop; the later start may be gone by its end.
    const QPointer<QLocalSocket> peer(socket);
    const Answer answer = m_handler ? m_handler(arguments, folder) : Answer{};
    if (!peer) {
        return;
    }
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << static_cast<qint32>(answer.exitCode) << answer.messages;
    socket->write(bytes);
    socket->flush();
    socket->disconnectFromServer();
}

} // namespace tembra
