// The layout editor's report to the main program that a temporary layout edit is done (the
// system's message 0x2B15). The main program's waiting dialog listens on a local socket named
// after a positive number, new for every wait, that it writes into the temporary layout as
// "hWnd_Tembra"; the editor connects to the socket of that number in the user's runtime folder,
// writes one line "FORMEDIT_DONE <path of its file>" and closes without waiting. Both ends are
// here; the socket is the user's own, in the folder FindUserRuntimeFolder gives.
#pragma once

#include <QByteArray>
#include <QLocalServer>
#include <QObject>
#include <QString>

#include <map>
#include <memory>

class QLocalSocket;

namespace tembra {

// The socket of a number in a folder.
QString FormEditSocketPath(const QString& folder, qint64 number);

class CFormEditServer : public QObject {
    Q_OBJECT
public:
    explicit CFormEditServer(const QString& folder, QObject* parent = nullptr);
    ~CFormEditServer() override;

    // Listens under a new positive number (a 31-bit one, as the layout file keeps it); false
    // when no socket could be made.
    bool Listen();
    qint64 Number() const { return m_number; }
    QString SocketPath() const;
    // Takes what has come so far, connections not yet taken among them, and reports its lines.
    void ReadPending();
    // The connections taken and not yet closed.
    std::size_t OpenConnections() const { return m_partial.size(); }

signals:
    // A line "FORMEDIT_DONE <path>" came: its path.
    void Done(const QString& path);

private:
    void Accept();
    void Read(QLocalSocket* socket);

    QString m_folder;
    qint64 m_number = 0;
    std::unique_ptr<QLocalServer> m_server;
    std::map<QLocalSocket*, QByteArray> m_partial;
};

// Reports a finished file to the waiting dialog of a number; false when it cannot be reached.
bool SendFormEditDone(const QString& folder, qint64 number, const QString& path);

} // namespace tembra
