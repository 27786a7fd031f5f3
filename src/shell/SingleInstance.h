// One running Tembra per user: a lock file and a local socket named after the executable's base
// name, in the user's own runtime folder. The first process holds the lock for its life and
// listens; a later one finds the lock held and hands its command line over the socket: its
// working folder and its arguments. The running one does what they ask (brings itself to the
// front, opens the file, prints it) and answers with the exit status and the messages of the
// work, which the later start shows on its standard error and returns as its own status. A
// running one kept busy by a dialog of its own gets 30 seconds; then the later start gives up.
#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QPointer>
#include <QStringList>

#include <functional>
#include <memory>

class QLocalSocket;

namespace tembra {

class CSingleInstance : public QObject {
    Q_OBJECT
public:
    // The running instance's answer to a later start.
    struct Answer {
        int exitCode = 0;
        // The messages of the work (UTF-8 lines, their string-table ids first).
        QStringList messages;
    };
    // What the running instance does with a later start's arguments (file names as given, to
    // be read from its working folder).
    using Handler = std::function<Answer(const QStringList& arguments, const QString& folder)>;

    // The lock "<name>.lock" and the socket "<name>.socket" in folder (one of the user's own).
    CSingleInstance(const QString& name, const QString& folder);
    ~CSingleInstance() override;

    // True when this is the only instance (it now holds the lock and listens); false when another
    // one runs.
    bool Acquire();
    void SetHandler(Handler handler) { m_handler = std::move(handler); }
    // How long a later start waits for the running instance's answer.
    static constexpr int kAnswerLimitMs = 30000;
    // From a later start: hands the arguments to the running instance and waits for its answer,
    // at most answerLimitMs. Exit status 1 with a message when the running one could not be
    // reached or did not answer in time (it then does nothing of it).
    Answer PassOn(const QStringList& arguments, const QString& workingFolder,
                  int answerLimitMs = kAnswerLimitMs) const;

private:
    void OnConnection();
    void Take(QLocalSocket* socket);

    QString m_socketPath;
    QLockFile m_lock;
    std::unique_ptr<QLocalServer> m_server;
    Handler m_handler;
};

} // namespace tembra
