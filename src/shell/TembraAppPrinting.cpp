// Printing a chart named on the command line, without showing it.
#include "shell/TembraApp.h"

#include "document/TembraDoc.h"
#include "exchange/QkrImport.h"
#include "exchange/SafetyAsciiExport.h"
#include "shell/ChartViewWindow.h"
#include "shell/ChartWindowFactory.h"
#include "shell/MainFrame.h"
#include "shell/TembraAppInternal.h"
#include "shell/core/ChartDocuments.h"
#include "shell/core/CommandLineInfo.h"
#include "shell/core/DocumentCommands.h"
#include "view/TembraFrame.h"
#include "view/TembraViewWnd.h"

#include <QFileInfo>

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
