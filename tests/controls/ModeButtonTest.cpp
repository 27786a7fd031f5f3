// The function bar's state buttons: the face by state and colours, and a repaint only when the
// state changes.
#include "controls/ModeButton.h"
#include "controls/ControlPictures.h"
#include "support/qt/WaitUntil.h"

#include <QCoreApplication>
#include <QEvent>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace tembra {
namespace {

using namespace tembra::test;

TEST(CModeButton, TheFaceAndCaptionShowTheState) {
    struct Case {
        const char* name;
        int check;
        bool enabled;
        bool cyan; // the colour pair of the edit operations
        COLORREF face;
        COLORREF caption;
    } cases[] = {
        {"mode_off.png", 0, true, false, RGB(0, 128, 0), kButtonText},
        {"mode_on.png", 1, true, false, RGB(0, 255, 0), RGB(0, 0, 255)},
        {"mode_on_disabled.png", 1, false, false, RGB(0, 255, 0), kGrayText},
        {"mode_edit_off.png", 0, true, true, RGB(0, 128, 128), kButtonText},
        {"mode_edit_on.png", 1, true, true, RGB(0, 255, 255), RGB(0, 0, 255)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CModeButton button(QStringLiteral("■"));
        button.setPalette(FixedPalette());
        button.resize(60, 24);
        if (c.cyan) {
            button.SetColors(RGB(0, 255, 255), RGB(0, 128, 128));
        }
        button.SetCheck(c.check);
        button.setEnabled(c.enabled);
        const QImage image = Picture(button, c.name);
        EXPECT_EQ(Pixel(image, 1, 12), kLight);
        // The state area from (3, 3) to (56, 20): grey, then white, then the state colour.
        EXPECT_EQ(Pixel(image, 3, 12), RGB(128, 128, 128));
        EXPECT_EQ(Pixel(image, 4, 12), RGB(255, 255, 255));
        EXPECT_EQ(Pixel(image, 56, 12), RGB(128, 128, 128));
        EXPECT_EQ(Pixel(image, 10, 12), c.face);
        EXPECT_EQ(Pixel(image, 30, 12), c.caption);
    }
}

// Counts the paints the button gets.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

TEST(CModeButton, SettingTheStateItAlreadyShowsDoesNotRepaint) {
    CModeButton button(QStringLiteral("工程線"));
    button.resize(60, 24);
    button.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&button));
    PaintCounter counter;
    button.installEventFilter(&counter);
    QCoreApplication::processEvents();
    counter.paints = 0;

    button.SetCheck(1);
    button.SetCheck(1);
    WaitUntil([&counter] { return counter.paints > 0; });
    QCoreApplication::processEvents();
    EXPECT_EQ(counter.paints, 1);
    EXPECT_EQ(button.GetCheck(), 1);

    counter.paints = 0;
    button.SetCheck(1);
    QCoreApplication::processEvents();
    EXPECT_EQ(counter.paints, 0);
}

TEST(CModeButton, AClickReportsItselfAndLeavesTheStateToTheOwner) {
    CModeButton button(QStringLiteral("工程線"));
    button.resize(60, 24);
    QSignalSpy clicked(&button, &QPushButton::clicked);
    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(30, 12));
    EXPECT_EQ(clicked.count(), 1);
    EXPECT_EQ(button.GetCheck(), 0);
}

} // namespace
} // namespace tembra
