// The owner-drawn controls on the frame's bars: the process colour list redrawn only for a new
// custom colour, the layer list left alone when told its own layer, and the function bar's
// coloured state buttons following their commands.
#include "ShellFixture.h"

#include "controls/ColorComboBox.h"
#include "controls/ModeButton.h"
#include "shell/LayerBar.h"
#include "shell/ModeBar.h"
#include "shell/ProcessColorBar.h"
#include "shell/YogoBar.h"
#include "support/qt/WaitUntil.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QSignalSpy>
#include <QTest>

namespace tembra {
namespace {

// Counts the paints a widget gets.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

class BarControlsTest : public test::ShellFixture {
protected:
    void SetUp() override {
        ASSERT_FALSE(Start());
        Frame().resize(2400, 800);
        Frame().show();
        QApplication::setActiveWindow(&Frame());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&Frame()));
    }
    CAppState& State() { return app->State(); }
};

COLORREF Pixel(const QImage& image, int x, int y) {
    const QColor c = image.pixelColor(x, y);
    return RGB(c.red(), c.green(), c.blue());
}

TEST_F(BarControlsTest, OtherIsRedrawnOnlyWhenTheColourToldIsNotTheCustomColourShown) {
    CColorComboBox* colors = Frame().KouteiBar()->ColorCombo();
    ASSERT_NE(colors, nullptr);
    ASSERT_TRUE(colors->isVisible());
    State().SetKouteiCustomColor(RGB(1, 2, 3));
    PaintCounter counter;
    colors->installEventFilter(&counter);

    State().SetKouteiColor(RGB(1, 2, 3));
    EXPECT_EQ(colors->currentIndex(), CColorComboBox::kCustomIndex);
    test::WaitUntil([&counter] { return counter.paints > 0; });
    EXPECT_EQ(colors->CachedCustomColor(), RGB(1, 2, 3));

    counter.paints = 0;
    State().SetKouteiColor(RGB(1, 2, 3));
    test::FlushPosted();
    EXPECT_EQ(counter.paints, 0) << "the custom colour shown is the colour told";

    State().SetKouteiColor(RGB(4, 5, 6));
    test::WaitUntil([&counter] { return counter.paints > 0; });
    EXPECT_EQ(counter.paints, 1) << "another colour of entry 6";
    EXPECT_EQ(colors->currentIndex(), CColorComboBox::kCustomIndex);

    State().SetKouteiColor(RGB(255, 0, 0));
    EXPECT_EQ(colors->currentIndex(), 1);
    EXPECT_EQ(State().GetKouteiColor(), RGB(255, 0, 0));
}

TEST_F(BarControlsTest, TheBarsColourListsAreTheOwnerDrawnOnes) {
    for (QComboBox* combo : {static_cast<QComboBox*>(Frame().KouteiBar()->ColorCombo()),
                             static_cast<QComboBox*>(Frame().YogoBar()->ColorCombo())}) {
        ASSERT_NE(qobject_cast<CColorComboBox*>(combo), nullptr)
            << combo->objectName().toStdString();
        EXPECT_EQ(combo->count(), 7);
        EXPECT_EQ(combo->currentIndex(), 0);
    }
    State().SetYogoCustomColor(RGB(7, 8, 9));
    Frame().YogoBar()->ColorCombo()->setCurrentIndex(6);
    EXPECT_EQ(State().GetYogoColor(), RGB(7, 8, 9));
}

TEST_F(BarControlsTest, SelectingTheLayerAlreadySelectedChangesNothing) {
    QComboBox* layers = Frame().LayerBar()->LayerCombo();
    QSignalSpy changed(layers, &QComboBox::currentIndexChanged);
    State().SelectBarLayer(3);
    EXPECT_EQ(changed.count(), 1);
    State().SelectBarLayer(3);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(State().GetBarLayer(), 3);
}

TEST_F(BarControlsTest, ElevenFunctionBarButtonsShowTheirCommandsStateInTheirColours) {
    CModeBar* bar = Frame().FunctionBar();
    bar->show();
    struct Case {
        UINT id;
        COLORREF checked;
        COLORREF unchecked;
    } cases[] = {
        {32922, RGB(0, 255, 255), RGB(0, 128, 128)}, {32923, RGB(0, 255, 255), RGB(0, 128, 128)},
        {32924, RGB(0, 255, 255), RGB(0, 128, 128)}, {32925, RGB(0, 255, 255), RGB(0, 128, 128)},
        {32927, RGB(0, 255, 0), RGB(0, 128, 0)},     {32930, RGB(0, 255, 0), RGB(0, 128, 0)},
        {32926, RGB(0, 255, 0), RGB(0, 128, 0)},     {32929, RGB(0, 255, 0), RGB(0, 128, 0)},
        {32928, RGB(0, 255, 0), RGB(0, 128, 0)},     {32931, RGB(0, 255, 0), RGB(0, 128, 0)},
        {32994, RGB(255, 255, 0), RGB(128, 128, 0)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        CModeButton* button = bar->ModeButton(c.id);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(bar->Button(c.id), button);
        EXPECT_EQ(button->CheckedColor(), c.checked);
        EXPECT_EQ(button->UncheckedColor(), c.unchecked);
        QAction* action = Frame().Action(c.id);
        EXPECT_EQ(button->GetCheck(), action->isChecked() ? 1 : 0);
        EXPECT_EQ(button->isEnabled(), action->isEnabled());
        const QImage image = button->grab().toImage();
        EXPECT_EQ(Pixel(image, 6, image.height() / 2),
                  action->isChecked() ? c.checked : c.unchecked);
    }
    for (const UINT plain : {57600U, 57643U, 32784U, 33004U, 33017U}) {
        EXPECT_EQ(bar->ModeButton(plain), nullptr) << plain;
        EXPECT_NE(bar->Button(plain), nullptr) << plain;
    }
}

TEST_F(BarControlsTest, AModeButtonFollowsItsActionAndAClickRunsIt) {
    CModeBar* bar = Frame().FunctionBar();
    bar->show();
    CModeButton* button = bar->ModeButton(32994);
    QAction* action = Frame().Action(32994);
    ASSERT_NE(button, nullptr);
    const bool wasChecked = action->isChecked();
    QSignalSpy triggered(action, &QAction::triggered);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(triggered.count(), 1);
    QApplication::processEvents();
    EXPECT_EQ(button->GetCheck(), action->isChecked() ? 1 : 0);
    if (action->isCheckable()) {
        EXPECT_NE(action->isChecked(), wasChecked);
    }
}

TEST_F(BarControlsTest, AFloatingFunctionBarKeepsItsColouredButtons) {
    CModeBar* bar = Frame().FunctionBar();
    bar->setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    bar->show();
    ASSERT_TRUE(bar->isFloating());
    CModeButton* button = bar->ModeButton(32922);
    ASSERT_NE(button, nullptr);
    const QImage image = button->grab().toImage();
    const COLORREF face = Pixel(image, 6, image.height() / 2);
    EXPECT_TRUE(face == RGB(0, 255, 255) || face == RGB(0, 128, 128));
}

} // namespace
} // namespace tembra
