#include "shell/SingleInstance.h"

#include <QApplication>
#include <QDataStream>
#include <QDeadlineTimer>
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
                                                const QString& workingFolder,
                                                int answerLimitMs) const {
    Answer answer;
    answer.exitCode = 1;
    const auto unreachable = [&answer] {
        answer.messages << QStringLiteral("the running Tembra could not be reached: nothing done");
        return answer;
    };
    QLocalSocket socket;
    socket.connectToServer(m_socketPath);
    if (!socket.waitForConnected(kWaitMs)) {
        return unreachable();
    }
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << workingFolder << arguments;
    socket.write(bytes);
    if (!socket.waitForBytesWritten(kWaitMs)) {
        return unreachable();
    }
    // The running one may print first, or wait for the user to close one of its dialogs; past
    // the limit this start gives up, and the running one, finding it gone, does nothing.
    const QDeadlineTimer deadline(answerLimitMs);
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
            return unreachable();
        }
        if (deadline.hasExpired()) {
            answer.messages << QStringLiteral(
                                   "the running Tembra has not answered in %1 s (one of its "
                                   "dialogs may be open): nothing done")
                                   .arg(answerLimitMs / 1000);
            return answer;
        }
        socket.waitForReadyRead(static_cast<int>(deadline.remainingTime()));
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
            // A later start that gave up waiting wants nothing done any more.
            if (later && later->state() == QLocalSocket::ConnectedState) {
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
