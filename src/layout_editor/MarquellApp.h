// The layout editor's application: start-up (the editor's string table, its profile and fonts,
// one running instance, the document, window and view, the file of the command line), the
// application's settings, the recent-file list, the file dialog of the open and save commands,
// and the commands of the application: new, open, recent files, print setup, print, preview,
// about and exit. A later start hands its file to the running editor, which opens it as File >
// Open would (not while it edits the main program's temporary copy); files dropped on the
// window open alike. The end of a temporary edit is reported to the main program's waiting
// dialog over its local socket.
#pragma once

#include "layout_editor/EditorUi.h"
#include "layout_editor/core/AppSettings.h"
#include "layout_editor/core/FormEditDone.h"
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

    // Where the instance lock and socket lie, and the main program's waiting dialogs listen
    // (the user's runtime folder unless set first).
    void SetRuntimeFolder(const QString& folder) { m_runtimeFolder = folder; }
    // The show command of the main window (kShowNormal unless set first).
    void SetShowCommand(int command) { m_showCommand = command; }
    // The name the instance lock and socket take (the program's base name unless set first).
    void SetInstanceName(const QString& name) { m_instanceName = name; }
    // The user interface services installed at start: the editor's own windows unless others
    // are given first (a test's script).
    void SetUiServices(tembra::IUiServices* services) { m_givenUi = services; }
    // The start with the arguments after the program's name: -1 when the program runs on (the
    // main window is shown), else the status it ends with: after handing over to a running
    // editor 0 when it took the file (and, for a temporary copy, ended that edit) and 1 when it
    // refused; 1 when the file of the command line cannot be opened.
    int InitInstance(const QStringList& arguments);

    CAppSettings& Settings() { return m_settings; }
    CMarquellDoc& GetDoc() { return m_doc; }
    CRecentFileList& Recent() { return m_recent; }
    CMainFrame* GetMainFrame() const { return m_frame.get(); }
    CMarquellView& View();
    CEditorUi& UiServices() { return m_ui; }
    QPrinter& Printer() { return m_printer; }
    // The instance lock and socket, once the start has made them.
    const CSingleInstance* Instance() const { return m_instance.get(); }

    bool OnCommand(unsigned id);
    bool OnUpdateCommand(CMenuCmdUI& cmd);
    // Opens a layout as the document (after offering to save the open one): false when it
    // could not be read or the user kept the open one.
    bool OpenDocumentFile(const std::string& path);
    // Files dropped on the window: refused with 61253 while the main program's temporary copy
    // is edited, else the first is opened.
    void OnDropFiles(const QStringList& files);
    // The file dialog: "*.lyt" in any case, opening in the proposal's folder, else the layout
    // folder.
    bool DoPromptFileName(PromptFileNameRequest& request);

signals:
    // A later start handed its arguments over; the window was raised.
    void Activated(const QStringList& arguments);

private:
    // Tells the main program's waiting dialog that the temporary copy is done, then lets a
    // later start that handed the copy over end.
    class CFormEditNotifier : public IFormEditDone {
    public:
        explicit CFormEditNotifier(CMarquellApp& app) : m_app(app) {}
        void FormEditDone(int windowHandle, const std::string& path) override;

    private:
        CMarquellApp& m_app;
    };

    void RegisterDialogs();
    void Raise();
    QString Folder() const;
    // The arguments of a later start: whether they were taken, and whether the connection
    // stays until the temporary edit they began is done.
    bool TakeHandedFile(const QStringList& arguments, bool& keep);
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
    // Why the user's runtime folder was refused (said once the editor's messages can be).
    QString m_folderRefusal;
    int m_showCommand = 1;
    QString m_instanceName;
    CFormEditNotifier m_notifier{*this};
};

} // namespace marquell
