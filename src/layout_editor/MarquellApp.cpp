#include "layout_editor/MarquellApp.h"

#include "layout_editor/AboutDlg.h"
#include "layout_editor/BaseInputAreaNameDlg.h"
#include "layout_editor/FixedTextDlg.h"
#include "layout_editor/GridSetDlg.h"
#include "layout_editor/InitSetDlg.h"
#include "layout_editor/InputAreaNameDlg.h"
#include "layout_editor/LayoutFormatNameDlg.h"
#include "layout_editor/LayoutPrint.h"
#include "layout_editor/LayoutViewWnd.h"
#include "layout_editor/MainFrame.h"
#include "layout_editor/SingleInstance.h"
#include "layout_editor/SizeSetDlg.h"
#include "layout_editor/core/CommandIds.h"
#include "layout_editor/core/CommandLine.h"
#include "layout_editor/core/EditorRequests.h"
#include "layout_editor/core/MenuCmdUI.h"
#include "platform/FontCatalog.h"
#include "platform/Paths.h"
#include "platform/Sjis.h"
#include "platform/StringTable.h"
#include "platform/qt/Cp932Text.h"
#include "platform/qt/FormEditChannel.h"
#include "platform/qt/QtDC.h"
#include "platform/qt/UserRuntimeFolder.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSetupDialog>
#include <QPageSize>

namespace marquell {

namespace {

constexpr tembra::UINT kOpenFileTitle = 61440;
constexpr tembra::UINT kTemporaryEdit = 61253;
constexpr int kFilterNamePart = 3;
constexpr const char* kStandardLayout = "MASTER01.LYT";

// The program's base name, which the lock and the socket are named after.
QString ProgramName() {
    const QString name = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    return name.isEmpty() ? QStringLiteral("marquell") : name;
}

// The command line of a start, this one's or one handed on by a later start.
CCommandLineInfo ParsedArguments(const QStringList& arguments) {
    std::vector<std::string> args;
    for (const QString& argument : arguments) {
        args.push_back(argument.toStdString());
    }
    CCommandLineInfo info;
    info.Parse(args);
    return info;
}

template <class Dialog, class Request> CEditorUi::Dialog Runs(CEditorUi& ui) {
    return [&ui](tembra::DialogRequest& request) {
        Dialog dialog(static_cast<Request&>(request), ui.Owner());
        return dialog.exec() == QDialog::Accepted ? tembra::IDOK : tembra::IDCANCEL;
    };
}

} // namespace

CMarquellApp::CMarquellApp() : m_printer(QPrinter::HighResolution) {
    // The editor's first paper is A4 across.
    m_printer.setPageOrientation(QPageLayout::Landscape);
    m_printer.setPageSize(QPageSize(QPageSize::A4));
    m_doc.SetServices(&m_settings, &m_recent);
}

CMarquellApp::~CMarquellApp() {
    m_frame.reset();
    if (m_uiInstalled) {
        tembra::SetUiServices(m_previousUi);
    }
    if (m_fontsInstalled) {
        tembra::SetFontCatalog(m_previousFonts);
    }
}

CMarquellView& CMarquellApp::View() {
    return m_frame->ViewWnd().View();
}

int CMarquellApp::InitInstance(const QStringList& arguments) {
    // The editor's own texts and with them its own profile.
    tembra::SelectStringTable(tembra::StringTableProgram::Marquell);
    tembra::InstallFontSubstitutions();
    m_previousFonts = tembra::SetFontCatalog(&m_fonts);
    m_fontsInstalled = true;
    tembra::InstallQtScreenDC();

    if (m_runtimeFolder.isEmpty()) {
        const tembra::RuntimeFolder folder = tembra::FindUserRuntimeFolder();
        m_runtimeFolder = folder.path;
        m_folderRefusal = folder.refusal;
    }
    // Without a folder of the user's own this editor runs on its own: no lock, no socket.
    if (!m_runtimeFolder.isEmpty()) {
        m_instance = std::make_unique<CSingleInstance>(
            Folder(), m_instanceName.isEmpty() ? ProgramName() : m_instanceName);
    }
    const CCommandLineInfo info = ParsedArguments(arguments);
    if (m_instance && !m_instance->Acquire()) {
        // The running editor opens the file; this start waits for its answer.
        QStringList handed;
        for (const QString& argument : arguments) {
            handed << (argument.toStdString() == info.fileName
                           ? QFileInfo(argument).absoluteFilePath()
                           : argument);
        }
        return m_instance->PassOn(handed);
    }
    if (m_instance) {
        m_instance->SetHandler([this](const QStringList& args) {
            CSingleInstance::Answer answer;
            answer.accepted = TakeHandedFile(args, answer.keep);
            emit Activated(args);
            return answer;
        });
    }

    m_previousUi = tembra::SetUiServices(m_givenUi != nullptr ? m_givenUi : &m_ui);
    m_uiInstalled = true;
    if (!m_folderRefusal.isEmpty()) {
        tembra::AfxMessageBox(tembra::Sjis::FromUtf8(m_folderRefusal.toStdString()),
                              tembra::MB_OK | tembra::MB_ICONEXCLAMATION);
    }
    RegisterDialogs();
    // The standard layout in the program folder, from the shipped one on first use.
    tembra::Paths::GetShippedExeDirFile(kStandardLayout);
    m_recent.ReadList();

    m_frame = std::make_unique<CMainFrame>(m_doc, m_settings);
    m_ui.SetOwner(m_frame.get());
    m_frame->AddCommandTarget({[this](unsigned id) { return OnCommand(id); },
                               [this](CMenuCmdUI& cmd) { return OnUpdateCommand(cmd); }});
    m_frame->SetRecentFiles([this]() { return m_recent.GetEntries(); });
    m_frame->SetCloseQuery([this]() { return m_doc.SaveModified() != FALSE; });
    m_frame->SetDropHandler([this](const QStringList& files) { OnDropFiles(files); });
    View().SetFormEditDone(&m_notifier);

    if (info.fileName.empty()) {
        m_doc.OnNewDocument();
    } else {
        const std::string path =
            QFileInfo(QString::fromStdString(info.fileName)).absoluteFilePath().toStdString();
        if (!m_doc.OnOpenDocument(path)) {
            return 1;
        }
        m_doc.SetPathName(path, TRUE);
    }
    View().OnInitialUpdate();
    m_frame->SyncBarsToView();
    m_settings.ReadProfile();
    m_frame->ShowWithPlacement(m_showCommand);
    m_frame->UpdateCommands();
    return -1;
}

QString CMarquellApp::Folder() const {
    return m_runtimeFolder;
}

void CMarquellApp::CFormEditNotifier::FormEditDone(int windowHandle, const std::string& path) {
    tembra::SendFormEditDone(m_app.Folder(), windowHandle, QString::fromStdString(path));
    if (m_app.m_instance) {
        m_app.m_instance->ReleaseKept();
    }
}

bool CMarquellApp::TakeHandedFile(const QStringList& arguments, bool& keep) {
    keep = false;
    Raise();
    const CCommandLineInfo info = ParsedArguments(arguments);
    if (info.fileName.empty()) {
        return true;
    }
    if (m_doc.IsTemporaryEdit()) {
        tembra::AfxMessageBox(kTemporaryEdit, tembra::MB_OK | tembra::MB_ICONEXCLAMATION);
        return false;
    }
    if (!OpenDocumentFile(info.fileName)) {
        return false;
    }
    Raise();
    // A temporary copy's starter waits until this edit is reported done.
    keep = m_doc.IsTemporaryEdit();
    return true;
}

void CMarquellApp::OnDropFiles(const QStringList& files) {
    if (m_doc.IsTemporaryEdit()) {
        tembra::AfxMessageBox(kTemporaryEdit, tembra::MB_OK | tembra::MB_ICONEXCLAMATION);
        return;
    }
    if (!files.isEmpty()) {
        OpenDocumentFile(QFileInfo(files.front()).absoluteFilePath().toStdString());
    }
}

void CMarquellApp::RegisterDialogs() {
    m_ui.AddDialog("PromptFileName", [this](tembra::DialogRequest& request) {
        return DoPromptFileName(static_cast<PromptFileNameRequest&>(request)) ? tembra::IDOK
                                                                              : tembra::IDCANCEL;
    });
    m_ui.AddDialog("LayoutFormatName", Runs<CLayoutFormatNameDlg, LayoutFormatNameRequest>(m_ui));
    m_ui.AddDialog("SizeSet", Runs<CSizeSetDlg, SizeSetRequest>(m_ui));
    m_ui.AddDialog("GridSet", Runs<CGridSetDlg, GridSetRequest>(m_ui));
    m_ui.AddDialog("FixedText", Runs<CFixedTextDlg, FixedTextRequest>(m_ui));
    m_ui.AddDialog("InitSet", Runs<CInitSetDlg, InitSetRequest>(m_ui));
    m_ui.AddDialog("InputAreaName", Runs<CInputAreaNameDlg, InputAreaNameRequest>(m_ui));
    m_ui.AddDialog("BaseInputAreaNames",
                   Runs<CBaseInputAreaNameDlg, BaseInputAreaNamesRequest>(m_ui));
}

void CMarquellApp::Raise() {
    if (!m_frame) {
        return;
    }
    if (m_frame->isMinimized()) {
        m_frame->showNormal();
    }
    m_frame->raise();
    m_frame->activateWindow();
    if (QWidget* modal = QApplication::activeModalWidget()) {
        modal->raise();
        modal->activateWindow();
    }
}

bool CMarquellApp::DoPromptFileName(PromptFileNameRequest& request) {
    QFileDialog dialog(m_ui.Owner(), QString::fromUtf8(tembra::LoadStringUtf8(request.titleId)));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setAcceptMode(request.open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(request.open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    // "*.lyt" in any case; the pattern itself stays out of sight.
    dialog.setNameFilter(tembra::FromCp932(LayoutTemplatePart(kFilterNamePart)) +
                         QStringLiteral(" (*.[lL][yY][tT])"));
    dialog.setDefaultSuffix(QStringLiteral("lyt"));
    const QString path = QString::fromStdString(request.path);
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    if (slash > 0) {
        dialog.setDirectory(path.left(slash));
        dialog.selectFile(path.mid(slash + 1));
    } else {
        dialog.setDirectory(QString::fromStdString(request.layoutFolder.string()));
        if (!path.isEmpty()) {
            dialog.selectFile(path);
        }
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return false;
    }
    request.path = dialog.selectedFiles().constFirst().toStdString();
    return true;
}

bool CMarquellApp::OpenDocumentFile(const std::string& path) {
    if (!m_doc.SaveModified()) {
        return false;
    }
    if (!m_doc.OnOpenDocument(path)) {
        return false;
    }
    m_doc.SetPathName(path, TRUE);
    View().OnInitialUpdate();
    m_frame->SyncBarsToView();
    return true;
}

void CMarquellApp::OnFileNew() {
    if (!m_doc.SaveModified()) {
        return;
    }
    m_doc.OnNewDocument();
    View().OnInitialUpdate();
    m_frame->SyncBarsToView();
}

void CMarquellApp::OnFileOpen() {
    PromptFileNameRequest request;
    request.titleId = kOpenFileTitle;
    request.open = true;
    request.layoutFolder = m_settings.layoutFolder;
    if (tembra::Ui().RunDialog(request) == tembra::IDOK) {
        OpenDocumentFile(request.path);
    }
}

bool CMarquellApp::OnCommand(unsigned id) {
    if (id >= ID_FILE_MRU_FILE1 && id < ID_FILE_MRU_FILE1 + CRecentFileList::kSize) {
        const std::size_t index = id - ID_FILE_MRU_FILE1;
        if (index < m_recent.GetEntries().size()) {
            const std::string path = m_recent.GetEntries()[index];
            // An entry that cannot be opened any more leaves the list.
            if (!OpenDocumentFile(path) && !QFileInfo::exists(QString::fromStdString(path))) {
                m_recent.Remove(index);
            }
        }
        return true;
    }
    switch (id) {
    case ID_FILE_NEW:
        OnFileNew();
        break;
    case ID_FILE_OPEN:
        OnFileOpen();
        break;
    case ID_FILE_SAVE:
        m_doc.OnFileSave();
        m_doc.UpdateAllViews(nullptr);
        break;
    case ID_FILE_SAVE_AS:
        m_doc.OnFileSaveAs();
        m_doc.UpdateAllViews(nullptr);
        break;
    case ID_FILE_PRINT_SETUP: {
        QPageSetupDialog dialog(&m_printer, m_frame.get());
        dialog.exec();
        break;
    }
    case ID_FILE_PRINT:
        PrintLayout(m_frame.get(), m_printer, View());
        break;
    case ID_FILE_PRINT_PREVIEW:
        m_frame->HideBarsForPreview();
        PreviewLayout(m_frame.get(), m_printer, View());
        m_frame->ShowBarsAfterPreview();
        break;
    case ID_APP_ABOUT: {
        CAboutDlg dialog(m_frame.get());
        dialog.exec();
        break;
    }
    case ID_APP_EXIT:
        m_frame->close();
        break;
    default:
        return false;
    }
    return true;
}

bool CMarquellApp::OnUpdateCommand(CMenuCmdUI& cmd) {
    if (cmd.m_nID >= ID_FILE_MRU_FILE1 && cmd.m_nID < ID_FILE_MRU_FILE1 + CRecentFileList::kSize) {
        cmd.Enable(m_settings.temporaryEdit != kTemporaryLayout ? TRUE : FALSE);
        return true;
    }
    return false;
}

} // namespace marquell
