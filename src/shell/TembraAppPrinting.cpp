// Printing a chart named on the command line, without showing it.
#include "shell/TembraApp.h"

#include "document/AppContext.h"
#include "document/DocFileRequests.h"
#include "document/TembraDoc.h"
#include "exchange/ExchangeStreams.h"
#include "exchange/QkrImport.h"
#include "exchange/SafetyAsciiExport.h"
#include "exchange/ui/FileOpenDlg.h"
#include "exchange/ui/InsertConfirmDlg.h"
#include "exchange/ui/InsertSelDlg.h"
#include "exchange/ui/QkrImportSelDlg.h"
#include "model/ui/AutoSaveDlg.h"
#include "model/ui/SearchUrlSetDlg.h"
#include "platform/Paths.h"
#include "platform/Profile.h"
#include "platform/RegKey.h"
#include "platform/SaveRequests.h"
#include "platform/Sjis.h"
#include "platform/StringTable.h"
#include "platform/qt/QtDC.h"
#include "platform/qt/QtFontCatalog.h"
#include "platform/qt/UserRuntimeFolder.h"
#include "print/ui/LayoutCopyDlg.h"
#include "print/ui/LayoutSelDlg.h"
#include "render/DrawSettings.h"
#include "shell/AboutDlg.h"
#include "shell/BitmapDlg.h"
#include "shell/ChartViewWindow.h"
#include "shell/ChartWindowFactory.h"
#include "shell/MainFrame.h"
#include "shell/MainStatusBar.h"
#include "shell/QtPrinterCatalog.h"
#include "shell/SingleInstance.h"
#include "shell/TembraAppInternal.h"
#include "shell/core/ChartDocuments.h"
#include "shell/core/CommandLineUi.h"
#include "shell/core/DocumentCommands.h"
#include "shell/core/FrameRules.h"
#include "shell/core/LayoutEditorCommand.h"
#include "shell/core/MenuTable.h"
#include "shell/core/OptionCommands.h"
#include "shell/core/StartupPlan.h"
#include "view/TembraFrame.h"
#include "view/TembraViewWnd.h"

#include <QAbstractEventDispatcher>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>

#include <algorithm>
#include <iostream>

namespace tembra {

using namespace appinternal;

bool CTembraApp::PrintFromCommandLine(const CCommandLineInfo& command) {
    const std::vector<CTembraDoc*> open = Documents();
    CTembraDoc* document = OpenDocumentFile(command.m_strFileName);
    if (document == nullptr) {
        return false;
    }
    bool printed = false;
    auto* window = dynamic_cast<CChartViewWindow*>(ActiveChart());
    CTembraFrame* frame = window != nullptr ? window->Frame() : nullptr;
    if (frame != nullptr && frame->ActivePane() != nullptr) {
        // The PDF printer writes beside the chart.
        const QFileInfo chart(QString::fromStdString(document->GetPathName()));
        const std::string pdf =
            chart.dir().filePath(chart.completeBaseName() + QStringLiteral(".pdf")).toStdString();
        const std::string printer = command.m_nShellCommand == CCommandLineInfo::FilePrintTo
                                        ? command.m_strPrinterName
                                        : std::string();
        printed = frame->ActivePane()->PrintDirect(printer, pdf);
    }
    // A chart the user had open stays.
    if (std::find(open.begin(), open.end(), document) == open.end()) {
        CloseDocument(document);
    }
    return printed;
}

} // namespace tembra
