#include "support/qt/QtTestEnvironment.h"

#include "platform/qt/QtDC.h"

#include <QApplication>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <thread>

namespace tembra::test {

namespace {

std::ptrdiff_t ThreadCount() {
    std::error_code error;
    std::filesystem::directory_iterator tasks("/proc/self/task", error);
    return error ? 1 : std::distance(tasks, std::filesystem::directory_iterator());
}

// Qt's threads are detached: one that the application's end or a library's end at exit stopped
// may still be on its way out when the leak check at exit begins, and its tracer crashes on a
// thread half gone when the machine is busy. Registered before Qt makes its first thread, this
// runs after the libraries' ends and before the leak check.
void WaitForTheOtherThreads() {
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::seconds(30);
    while (ThreadCount() > 1) {
        if (Clock::now() > deadline) {
            std::fprintf(stderr, "threads still running at the end of the tests: %td\n",
                         ThreadCount());
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

} // namespace

QtTestEnvironment::QtTestEnvironment(const char* name, Options options)
    : m_name(name), m_options(options) {}

void QtTestEnvironment::SetUp() {
    static const bool waitsAtExit = std::atexit(&WaitForTheOtherThreads) == 0;
    static_cast<void>(waitsAtExit);
    if (QApplication::instance() == nullptr) {
        // QApplication keeps references to argc and argv for its whole life.
        static int argc = 1;
        static char* argv[] = {const_cast<char*>(m_name), nullptr};
        m_app = new QApplication(argc, argv);
    }
    if (m_options.fontSubstitutes) {
        InstallFontSubstitutions();
    }
}

void QtTestEnvironment::TearDown() {
    delete m_app;
    m_app = nullptr;
}

} // namespace tembra::test
