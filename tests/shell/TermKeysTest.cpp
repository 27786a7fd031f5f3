// Typing over the chart in the running program: the keys and input-method text land in the main
// frame's term combo, which takes the focus with its old text selected; the main window's
// shortcuts do not.
#include "ShellFixture.h"

#include "shell/ChartViewWindow.h"
#include "shell/YogoBar.h"
#include "view/TembraFrame.h"
#include "view/TembraViewWnd.h"

#include <QApplication>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTest>

namespace tembra {
namespace {

class TermKeysTest : public test::ShellFixture {
protected:
    // The chart's pane of a sample, with the focus, and the combo holding an old text.
    CTembraViewWnd& OpenPane(test::TempDir& files) {
        const std::filesystem::path sample = test::CopyOfSample(files, "sample.tbr");
        EXPECT_FALSE(Start());
        Frame().resize(1400, 900);
        Frame().show();
        Frame().activateWindow();
        EXPECT_NE(app->OpenDocumentFile(sample.string()), nullptr);
        auto* window = dynamic_cast<CChartViewWindow*>(app->ActiveChart());
        EXPECT_NE(window, nullptr);
        QApplication::processEvents();
        return *window->Frame()->ActivePane();
    }
    void FocusPane(CTembraViewWnd& pane) {
        Combo()->setEditText(QString::fromUtf8("old"));
        pane.setFocus(Qt::OtherFocusReason);
        QApplication::processEvents();
        ASSERT_TRUE(pane.hasFocus());
    }
    QComboBox* Combo() { return Frame().YogoBar()->YogoCombo(); }
    // The combo or its edit field holds the focus.
    bool ComboFocused() {
        QWidget* focus = QApplication::focusWidget();
        return focus != nullptr && (focus == Combo() || focus == Combo()->lineEdit());
    }
};

TEST_F(TermKeysTest, KeysAndInputMethodTextTypedOverTheChartLandInTheTermCombo) {
    test::TempDir files;
    CTembraViewWnd& pane = OpenPane(files);

    // A user types on: after the first key the combo has the focus and takes the rest itself.
    FocusPane(pane);
    QTest::keyClick(&pane, Qt::Key_A, Qt::NoModifier);
    ASSERT_TRUE(ComboFocused());
    QTest::keyClicks(QApplication::focusWidget(), "bc");
    EXPECT_EQ(Combo()->currentText(), QString::fromUtf8("abc"));

    FocusPane(pane);
    QInputMethodEvent composed;
    composed.setCommitString(QString::fromUtf8("工"));
    QCoreApplication::sendEvent(&pane, &composed);
    EXPECT_EQ(Combo()->currentText(), QString::fromUtf8("工"));
    EXPECT_TRUE(ComboFocused());

    // A shortcut and a scroll key stay with the window.
    for (const auto& [key, modifiers] :
         {std::pair{Qt::Key_Z, Qt::ControlModifier}, std::pair{Qt::Key_Down, Qt::NoModifier}}) {
        FocusPane(pane);
        QTest::keyClick(&pane, key, modifiers);
        QApplication::processEvents();
        EXPECT_EQ(Combo()->currentText(), QString::fromUtf8("old"));
        EXPECT_TRUE(pane.hasFocus());
    }
}

} // namespace
} // namespace tembra
