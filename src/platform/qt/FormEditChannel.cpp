#include "platform/qt/FormEditChannel.h"

#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QRandomGenerator>

namespace tembra {

namespace {

constexpr int kWaitMs = 3000;
constexpr int kTries = 16;
const QByteArray kDone = QByteArrayLiteral("FORMEDIT_DONE ");
// The longest line a peer may send: a path with room to spare. A peer that sends more without an
// end of line is cut off instead of filling the program's memory.
constexpr qsizetype kMaxLine = 64 * 1024;

} // namespace

QString FormEditSocketPath(const QString& folder, qint64 number) {
    return QDir(folder).filePath(QStringLiteral("tembra-formedit-%1").arg(number));
}

CFormEditServer::CFormEditServer(const QString& folder, QObject* parent)
    : QObject(parent), m_folder(folder) {}

CFormEditServer::~CFormEditServer() {
    // The connections go with the server; they report nothing more.
    for (const auto& [socket, bytes] : m_partial) {
        static_cast<void>(bytes);
        socket->disconnect(this);
    }
    m_server.reset();
}

QString CFormEditServer::SocketPath() const {
    return FormEditSocketPath(m_folder, m_number);
}

bool CFormEditServer::Listen() {
    // A bare name would be a socket in the shared temporary folder.
    if (m_folder.isEmpty()) {
        return false;
    }
    QDir().mkpath(m_folder);
    for (int attempt = 0; attempt < kTries; ++attempt) {
        const qint64 number = QRandomGenerator::global()->bounded(1, 0x7FFFFFFF);
        const QString path = FormEditSocketPath(m_folder, number);
        // A name in use belongs to another wait.
        if (QFileInfo::exists(path)) {
            continue;
        }
        auto server = std::make_unique<QLocalServer>();
        server->setSocketOptions(QLocalServer::UserAccessOption);
        if (!server->listen(path)) {
            continue;
        }
        connect(server.get(), &QLocalServer::newConnection, this, &CFormEditServer::Accept);
        m_server = std::move(server);
        m_number = number;
        return true;
    }
    return false;
}

void CFormEditServer::Accept() {
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        m_partial[socket];
        connect(socket, &QLocalSocket::readyRead, this, [this, socket]() { Read(socket); });
        connect(socket, &QLocalSocket::disconnected, this, [this, socket]() {
            Read(socket);
            m_partial.erase(socket);
            socket->deleteLater();
        });
        Read(socket);
    }
}

void CFormEditServer::ReadPending() {
    if (!m_server) {
        return;
    }
    if (m_server->hasPendingConnections() || m_server->waitForNewConnection(0)) {
        Accept();
    }
    for (const auto& [socket, bytes] : std::map<QLocalSocket*, QByteArray>(m_partial)) {
        static_cast<void>(bytes);
        // What the peer wrote before it went is still to be taken.
        if (socket->state() == QLocalSocket::ConnectedState) {
            socket->waitForReadyRead(0);
        }
        Read(socket);
    }
}

void CFormEditServer::Read(QLocalSocket* socket) {
    const auto it = m_partial.find(socket);
    if (it == m_partial.end()) {
        return;
    }
    it->second += socket->readAll();
    for (qsizetype end = it->second.indexOf('\n'); end >= 0; end = it->second.indexOf('\n')) {
        const QByteArray line = it->second.left(end);
        it->second.remove(0, end + 1);
        if (line.startsWith(kDone)) {
            emit Done(QString::fromUtf8(line.mid(kDone.size())));
        }
    }
    if (it->second.size() > kMaxLine) {
        m_partial.erase(it);
        socket->disconnect(this);
        socket->abort();
        socket->deleteLater();
    }
}

bool SendFormEditDone(const QString& folder, qint64 number, const QString& path) {
    if (number <= 0 || folder.isEmpty()) {
        return false;
    }
    QLocalSocket socket;
    socket.connectToServer(FormEditSocketPath(folder, number));
    if (!socket.waitForConnected(kWaitMs)) {
        return false;
    }
    socket.write(kDone + path.toUtf8() + '\n');
    const bool written = socket.waitForBytesWritten(kWaitMs);
    socket.disconnectFromServer();
    return written;
}

} // namespace tembra
