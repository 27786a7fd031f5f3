// Tembra: the schedule chart program.
#include "platform/StringTable.h"
#include "platform/Time.h"
#include "platform/qt/QtTranslations.h"
#include "shell/ButtonImages.h"
#include "shell/TembraApp.h"

#include <QApplication>

#include <string>
#include <utility>
#include <vector>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    tembra::InstallQtTranslations();
    QApplication::setApplicationName(QStringLiteral("tembra"));
    QApplication::setApplicationDisplayName(QString::fromStdString(tembra::LoadStringUtf8(57344)));
    tembra::Clock::FixFromEnvironment();

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
