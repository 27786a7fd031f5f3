// Tembra: the schedule chart program.
#include "platform/StringTable.h"
#include "platform/Time.h"
#include "platform/qt/QtTranslations.h"
#include "shell/ButtonImages.h"
#include "shell/TembraApp.h"
#include "shell/core/CommandLineInfo.h"

#include <QApplication>

#include <string>
#include <utility>
#include <vector>

namespace {

// A program started for clients may have no screen to open (a script on a server or over SSH,
// a bus whose activation environment names no display): it serves them on Qt's offscreen
// platform then, after the desktop's own. A platform the user names stays theirs.
void AllowNoScreen(const std::vector<std::string>& args) {
    tembra::CCommandLineInfo command;
    command.Parse(args);
    if (!command.m_bRunAutomated || !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        return;
    }
    qputenv("QT_QPA_PLATFORM", qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
                                   ? QByteArrayLiteral("xcb;offscreen")
                                   : QByteArrayLiteral("wayland;xcb;offscreen"));
}

} // namespace

int main(int argc, char** argv) {
    AllowNoScreen(std::vector<std::string>(argv + 1, argv + argc));
    QApplication application(argc, argv);
    tembra::InstallQtTranslations();
    QApplication::setApplicationName(QStringLiteral("tembra"));
    QApplication::setApplicationDisplayName(QString::fromStdString(tembra::LoadStringUtf8(57344)));
    tembra::Clock::FixFromEnvironment();

    // The arguments Qt left (it takes its own, such as -platform).
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) {
        args.emplace_back(argv[i]);
    }
    int status = 0;
    {
        tembra::CTembraApp::Options options;
        options.serveSessionBus = true;
        tembra::CTembraApp tembra{std::move(options)};
        if (const std::optional<int> exit = tembra.InitInstance(args)) {
            tembra.ExitInstance();
            return *exit;
        }
        tembra.StartIdleProcessing();
        status = QApplication::exec();
        tembra.ExitInstance();
    }
    return status;
}
