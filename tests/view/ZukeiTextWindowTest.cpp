// Typing into a framed text in a chart window on the screen: the text drawn with the mouse
// opens its edit window over itself, an input method commits Japanese into it, and a click
// elsewhere hands the typed text to the shape in the chart's own bytes; the picture is compared
// with a reference.
#include "ViewWindowFixture.h"

#include "model/ConfigZukei.h"
#include "platform/DC.h"
#include "platform/Sjis.h"
#include "shapes/ZukeiString.h"
#include "shapes/ui/ZukeiEditCtrl.h"
#include "support/qt/ReferenceImage.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QTest>

namespace tembra {
namespace {

class ZukeiTextWindowTest : public test::ViewWindowFixture {
protected:
    ZukeiTextWindowTest() {
        m_previous = SetZukeiEditWndFactory(nullptr);
        InstallZukeiEditWndFactory();
    }
    ~ZukeiTextWindowTest() override { SetZukeiEditWndFactory(std::move(m_previous)); }

    void Send(QEvent::Type type, const QPoint& at, Qt::MouseButton button, Qt::MouseButtons held) {
        QWidget* port = Pane().viewport();
        QMouseEvent event(type, at, port->mapToGlobal(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(port, &event);
        QApplication::processEvents();
    }

private:
    ZukeiEditWndFactory m_previous;
};

TEST_F(ZukeiTextWindowTest, JapaneseCommittedByAnInputMethodBecomesTheShapesText) {
    Show(QSize(900, 700));
    QApplication::processEvents();
    // Empty rows of the process area, below the sample's processes and left of its note.
    const QPoint from(230, 420);
    const QPoint to(400, 470);
    ASSERT_TRUE(Pane().viewport()->rect().contains(to)) << "the rows lie in the window";

    doc->GetSyokiSet().GetZukei().SetPartitionFlag(0);
    doc->GetSyokiSet().GetZukei().GetAttr().m_style = 14; // a framed text
    doc->GetOperation().SetMode(COperationState::kModeZukei);
    doc->GetOperation().SetOperation(COperationState::kOpDraw);
    const int shapes = doc->GetZukeiCount();
    Send(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    Send(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
    Send(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
    Send(QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
    ASSERT_EQ(doc->GetZukeiCount(), shapes + 1);
    auto* text = dynamic_cast<CZukeiString*>(
        doc->GetZukeiList().GetAt(doc->GetZukeiList().GetTailPosition()));
    ASSERT_NE(text, nullptr);

    // The paint shows the edit window over the shape, with the focus.
    Pane().viewport()->repaint();
    QApplication::processEvents();
    auto* edit = Pane().viewport()->findChild<CZukeiEditCtrl*>();
    ASSERT_NE(edit, nullptr);
    EXPECT_TRUE(edit->isVisible());
    EXPECT_TRUE(edit->isEnabled());
    EXPECT_TRUE(edit->geometry().intersects(QRect(from, to).normalized()));
    EXPECT_EQ(Pane().View().GetEditingZukei(), text);

    // An input method composes, then commits.
    QInputMethodEvent composing(QStringLiteral("こうてい"), {});
    QApplication::sendEvent(edit, &composing);
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("工程Ａ"));
    QApplication::sendEvent(edit, &commit);
    EXPECT_EQ(edit->toPlainText(), QStringLiteral("工程Ａ"));

    // A click on nothing in the edit operation.
    doc->GetOperation().SetOperation(COperationState::kOpEdit);
    QTest::mouseClick(Pane().viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(600, 560));
    Pane().viewport()->repaint();
    QApplication::processEvents();
    EXPECT_EQ(text->GetText(), Sjis::FromUtf8("工程Ａ"));
    EXPECT_FALSE(edit->isVisible());
    EXPECT_EQ(Pane().View().GetEditingZukei(), nullptr);

    test::ExpectLooksLike(Pane().BackingImage().convertToFormat(QImage::Format_RGB32),
                          {"view", "zukei_text.png", 0.004});
}

} // namespace
} // namespace tembra
