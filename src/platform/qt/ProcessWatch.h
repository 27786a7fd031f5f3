// Tells when a process ends that was started detached, so that it outlives its starter: the
// kernel's descriptor of the process becomes readable at its end.
#pragma once

#include <QObject>

#include <memory>

class QSocketNotifier;
class QTimer;

namespace tembra {

class CProcessWatch : public QObject {
    Q_OBJECT
public:
    explicit CProcessWatch(QObject* parent = nullptr);
    ~CProcessWatch() override;

    // Watches the process of pid; a process that has already gone is reported at once (from the
    // event loop).
    void Watch(qint64 pid);

signals:
    void Finished();

private:
    void Stop();

    int m_fd = -1;
    qint64 m_pid = 0;
    std::unique_ptr<QSocketNotifier> m_notifier;
    std::unique_ptr<QTimer> m_poll;
};

} // namespace tembra
