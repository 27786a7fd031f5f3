// The layout editor's application: start-up (the editor's string table, its profile and fonts,
// one running instance, the document, window and view, the file of the command line), the
// application's settings, the recent-file list, the file dialog of the open and save commands,
// and the commands of the application: new, open, recent files, print setup, print, preview,
// about and exit.
#pragma once

#include "layout_editor/EditorUi.h"
#include "layout_editor/core/AppSettings.h"
#include "layout_editor/core/MarquellDoc.h"
#include "layout_editor/core/RecentFileList.h"
#include "platform/qt/QtFontCatalog.h"

#include <QObject>
#include <QPrinter>
#include <QString>
#include <QStringList>

#include <memory>

namespace tembra {
class IFontCatalog;
}

namespace marquell {

class CMainFrame;
class CMarquellView;
class CMenuCmdUI;
class CSingleInstance;
class PromptFileNameRequest;

class CMarquellApp : public QObject {
    Q_OBJECT
public:
    CMarquellApp();
    ~CMarquellApp() override;
    CMarquellApp(const CMarquellApp&) = delete;
    CMarquellApp& operator=(const CMarquellApp&) = delete;

    // Where the instance lock and socket lie (the user's runtime folder unless set first).
    void SetRuntimeFolder(const QString& folder) { m_runtimeFolder = folder; }
    // The user interface services installed at start: the editor's own windows unless others
    // are given first (a test's script).
    void SetUiServices(tembra::IUiServices* services) { m_givenUi = services; }
    // The start with the arguments after the program's name: -1 when the program runs on (the
    // main window is shown), else the status it ends with (0 after handing over to a running
    // editor, 1 when the file of the command line cannot be opened).
    int InitInstance(const QStringList& arguments);

    CAppSettings& Settings() { return m_settings; }
    CMarquellDoc& GetDoc() { return m_doc; }
    CRecentFileList& Recent() { return m_recent; }
    CMainFrame* GetMainFrame() const { return m_frame.get(); }
    CMarquellView& View();
    CEditorUi& UiServices() { return m_ui; }
    QPrinter& Printer() { return m_printer; }

    bool OnCommand(unsigned id);
    bool OnUpdateCommand(CMenuCmdUI& cmd);
    // Opens a layout as the document (after offering to save the open one): false when it
    // could not be read.
    bool OpenDocumentFile(const std::string& path);
    // The file dialog: "*.lyt" in any case, opening in the proposal's folder, else the layout
    // folder.
    bool DoPromptFileName(PromptFileNameRequest& request);

signals:
    // A later start handed its arguments over; the window was raised.
    void Activated(const QStringList& arguments);

private:
    void RegisterDialogs();
    void Raise();
    void OnFileNew();
    void OnFileOpen();

    CEditorUi m_ui;
    tembra::IUiServices* m_givenUi = nullptr;
    tembra::IUiServices* m_previousUi = nullptr;
    bool m_uiInstalled = false;
    tembra::CQtFontCatalog m_fonts;
    const tembra::IFontCatalog* m_previousFonts = nullptr;
    bool m_fontsInstalled = false;
    CAppSettings m_settings;
    CRecentFileList m_recent;
    CMarquellDoc m_doc;
    std::unique_ptr<CMainFrame> m_frame;
    std::unique_ptr<CSingleInstance> m_instance;
    QPrinter m_printer;
    QString m_runtimeFolder;
};

} // namespace marquell
