// The layout editor's user interface services: message boxes answer with the codes of the
// buttons pressed, and requests go to the dialog of their name or are cancelled.
#include "layout_editor/EditorUi.h"

#include "EditorFixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <functional>

namespace marquell {
namespace {

using namespace tembra;

// Presses a button of the next message box once it is up, after looking at it.
void Press(QMessageBox::StandardButton button, std::function<void(QMessageBox&)> look = {}) {
    QTimer::singleShot(20, [button, look]() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            Press(button, look);
            return;
        }
        if (look) {
            look(*box);
        }
        box->button(button)->click();
    });
}

TEST(EditorUi, AMessageBoxAnswersWithTheButtonPressed) {
    struct Case {
        UINT type;
        QMessageBox::StandardButton press;
        int answer;
    };
    const Case cases[] = {
        {MB_OK, QMessageBox::Ok, IDOK},
        {MB_OKCANCEL, QMessageBox::Cancel, IDCANCEL},
        {MB_YESNO | MB_ICONQUESTION, QMessageBox::Yes, IDYES},
        {MB_YESNOCANCEL, QMessageBox::No, IDNO},
        {MB_YESNOCANCEL, QMessageBox::Cancel, IDCANCEL},
        {MB_RETRYCANCEL, QMessageBox::Retry, IDRETRY},
        {MB_ABORTRETRYIGNORE, QMessageBox::Ignore, IDIGNORE},
    };
    CEditorUi ui;
    for (const Case& c : cases) {
        Press(c.press);
        EXPECT_EQ(ui.MessageBox(test::J("書式"), c.type, 0), c.answer) << c.type;
    }
}

TEST(EditorUi, AMessageBoxShowsTheEditorsTitleTheTextAndItsDefault) {
    CEditorUi ui;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool noIsDefault = false;
    Press(QMessageBox::Yes, [&](QMessageBox& box) {
        title = box.windowTitle();
        text = box.text();
        icon = box.icon();
        noIsDefault =
            static_cast<QAbstractButton*>(box.defaultButton()) == box.button(QMessageBox::No);
    });
    EXPECT_EQ(ui.MessageBox(test::J("消去します。"), MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2, 0),
              IDYES);
    EXPECT_EQ(title, QStringLiteral("Marquell"));
    EXPECT_EQ(text, QString::fromUtf8("消去します。"));
    EXPECT_EQ(icon, QMessageBox::Question);
    EXPECT_TRUE(noIsDefault);
}

TEST(EditorUi, ARequestGoesToItsDialogOrIsCancelled) {
    class Named : public DialogRequest {
    public:
        explicit Named(const char* name) : m_name(name) {}
        const char* Name() const override { return m_name; }

    private:
        const char* m_name;
    };
    CEditorUi ui;
    int runs = 0;
    ui.AddDialog("Known", [&](DialogRequest&) {
        ++runs;
        return IDOK;
    });
    Named known("Known");
    Named unknown("InputAreaName");
    EXPECT_EQ(ui.RunDialog(known), IDOK);
    EXPECT_EQ(ui.RunDialog(unknown), IDCANCEL);
    EXPECT_EQ(runs, 1);
}

} // namespace
} // namespace marquell
