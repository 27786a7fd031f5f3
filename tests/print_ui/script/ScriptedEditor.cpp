// The layout editor under a script, for the tests of the main program's wait for it: the
// editor's own application, started with the editor's command line, whose user is this script.
// What the user does once the main program's temporary copy is open ($EDITOR_SCRIPT):
//   "edit"    draws a fixed text with the mouse, then returns ("戻る") and saves the change;
//   "return"  returns without a change;
//   anything else: nothing (the test ends the process).
// The string id of every message box the editor shows is appended to the file $EDITOR_LOG.
#include "layout_editor/LayoutViewWnd.h"
#include "layout_editor/MainFrame.h"
#include "layout_editor/MarquellApp.h"
#include "layout_editor/core/CommandIds.h"
#include "layout_editor/core/EditorRequests.h"
#include "layout_editor/core/PHeadMojiData.h"
#include "platform/Sjis.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

#include <cstdlib>
#include <fstream>
#include <string>

namespace {

using namespace tembra;

constexpr UINT kReturnPrompt = 61244;

std::string Setting(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

class ScriptUi : public IUiServices {
public:
    int MessageBox(const std::string&, UINT type, UINT stringId) override {
        if (const std::string log = Setting("EDITOR_LOG"); !log.empty()) {
            std::ofstream(log, std::ios::app) << stringId << '\n';
        }
        return stringId == kReturnPrompt ? IDYES : DefaultMessageBoxAnswer(type);
    }
    void SetStatusText(const std::string&) override {}
    void Beep(UINT) override {}
    void BeginWaitCursor() override {}
    void EndWaitCursor() override {}
    void ModeChanged() override {}
    bool OpenUrl(const std::string&) override { return false; }
    int RunDialog(DialogRequest& request) override {
        if (auto* text = dynamic_cast<marquell::FixedTextRequest*>(&request)) {
            text->element.SetText(Sjis::FromUtf8("新しい文字"));
            return IDOK;
        }
        return IDCANCEL;
    }
};

// The user's part, once the temporary copy is open.
void RunScript(marquell::CMarquellApp& editor) {
    const std::string script = Setting("EDITOR_SCRIPT");
    marquell::CMainFrame* frame = editor.GetMainFrame();
    if (frame == nullptr || !editor.GetDoc().IsTemporaryEdit()) {
        return;
    }
    if (script == "edit") {
        QWidget* viewport = frame->ViewWnd().viewport();
        marquell::CMarquellView& view = editor.View();
        frame->RunCommand(marquell::ID_GRID_SNAP);
        frame->RunCommand(marquell::ID_MODE_TEXT);
        // Into the header, below its top edge.
        int top = 0;
        while (top < viewport->height() &&
               view.DeviceToLayout(tembra::CPoint(200, top)).y > view.GetCurrentAreaRect().top) {
            ++top;
        }
        QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier, QPoint(200, top + 10));
        QTest::mouseMove(viewport, QPoint(320, top + 40));
        QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier, QPoint(320, top + 40));
        frame->RunCommand(marquell::ID_APP_EXIT);
    } else if (script == "return") {
        frame->RunCommand(marquell::ID_APP_EXIT);
    }
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    ScriptUi ui;
    marquell::CMarquellApp editor;
    editor.SetUiServices(&ui);
    const int status = editor.InitInstance(QApplication::arguments().mid(1));
    if (status >= 0) {
        return status;
    }
    const auto later = [&editor]() { QTimer::singleShot(0, [&editor]() { RunScript(editor); }); };
    QObject::connect(&editor, &marquell::CMarquellApp::Activated, later);
    later();
    return QApplication::exec();
}
