#include "platform/qt/ProcessWatch.h"

#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <csignal>
#include <sys/syscall.h>
#include <unistd.h>

namespace tembra {

namespace {

// Where the kernel has no process descriptors, the process is looked for this often.
constexpr int kPollMs = 200;

} // namespace

CProcessWatch::CProcessWatch(QObject* parent) : QObject(parent) {}

CProcessWatch::~CProcessWatch() {
    Stop();
}

void CProcessWatch::Stop() {
    m_notifier.reset();
    m_poll.reset();
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
}

void CProcessWatch::Watch(qint64 pid) {
    Stop();
    m_pid = pid;
    const long fd = ::syscall(SYS_pidfd_open, static_cast<pid_t>(pid), 0);
    if (fd >= 0) {
        m_fd = static_cast<int>(fd);
        m_notifier = std::make_unique<QSocketNotifier>(m_fd, QSocketNotifier::Read);
        connect(m_notifier.get(), &QSocketNotifier::activated, this, [this]() {
            Stop();
            emit Finished();
        });
        return;
    }
    if (errno == ESRCH) {
        QTimer::singleShot(0, this, &CProcessWatch::Finished);
        return;
    }
    m_poll = std::make_unique<QTimer>();
    connect(m_poll.get(), &QTimer::timeout, this, [this]() {
        if (::kill(static_cast<pid_t>(m_pid), 0) != 0 && errno == ESRCH) {
            Stop();
            emit Finished();
        }
    });
    m_poll->start(kPollMs);
}

} // namespace tembra
