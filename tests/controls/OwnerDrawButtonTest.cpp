// The frame every owner-drawn button shares, the close button's cross, and the state colours of
// the day and layer buttons.
#include "controls/ControlPictures.h"
#include "controls/DayButton.h"
#include "controls/LayerButton.h"
#include "controls/SampleButton.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace tembra {
namespace {

using namespace tembra::test;

template <class Button> void Prepare(Button& button, int width, int height) {
    button.setPalette(FixedPalette());
    button.resize(width, height);
}

TEST(COwnerDrawButton, FrameEdgesSwapWhileHeldAndTheCrossTakesTheCaptionColour) {
    struct Case {
        const char* name;
        bool down;
        bool enabled;
        COLORREF topLeft;
        COLORREF bottomRight;
        COLORREF cross;
    } cases[] = {
        {"sample_up.png", false, true, kLight, kShadow, kButtonText},
        {"sample_down.png", true, true, kShadow, kLight, kButtonText},
        {"sample_disabled.png", false, false, kLight, kShadow, kGrayText},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CSampleButton button;
        Prepare(button, 20, 20);
        button.setText(QStringLiteral("X")); // never drawn
        button.setDown(c.down);
        button.setEnabled(c.enabled);
        const QImage image = Picture(button, c.name);
        EXPECT_EQ(Pixel(image, 0, 0), RGB(0, 0, 0));
        EXPECT_EQ(Pixel(image, 19, 19), RGB(0, 0, 0));
        EXPECT_EQ(Pixel(image, 1, 10), c.topLeft);
        EXPECT_EQ(Pixel(image, 10, 2), c.topLeft);
        EXPECT_EQ(Pixel(image, 17, 10), c.bottomRight);
        EXPECT_EQ(Pixel(image, 10, 18), c.bottomRight);
        EXPECT_EQ(Pixel(image, 3, 3), kFace);
        // Eight pixels each way through the centre (10, 10), and no further.
        for (int d = -3; d <= 4; ++d) {
            EXPECT_EQ(Pixel(image, 10 + d, 10 + d), c.cross) << d;
            EXPECT_EQ(Pixel(image, 10 - d, 10 + d), c.cross) << d;
        }
        EXPECT_EQ(Pixel(image, 15, 15), kFace);
        EXPECT_EQ(Pixel(image, 6, 6), kFace);
        EXPECT_EQ(Pixel(image, 5, 15), kFace);
    }
}

TEST(COwnerDrawButton, APressShowsTheButtonHeldAndTheReleaseClicksWithoutChangingTheState) {
    CLayerButton button(QStringLiteral("0"));
    Prepare(button, 40, 30);
    button.SetState(2);
    QSignalSpy clicked(&button, &QPushButton::clicked);
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(20, 15));
    EXPECT_EQ(Pixel(Picture(button, "layer_held.png"), 1, 15), kShadow);
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(20, 15));
    EXPECT_EQ(clicked.count(), 1);
    EXPECT_EQ(Pixel(Picture(button, "layer_released.png"), 1, 15), kLight);
    // The dialog that owns the button decides its state.
    EXPECT_EQ(button.GetState(), 2);
}

TEST(CDayButton, TheBarShowsTheStateColourAboveTheCaption) {
    struct Case {
        int value;
        COLORREF bar;
    } cases[] = {
        {0, RGB(0, 225, 225)}, {1, RGB(225, 0, 0)}, {2, RGB(255, 0, 255)}, {3, kFace}, {-1, kFace},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        CDayButton button(QStringLiteral("■"));
        Prepare(button, 30, 40);
        button.SetValue(c.value);
        const QImage image =
            Picture(button, ("day_" + std::to_string(c.value + 1) + ".png").c_str());
        // The bar: x 5 to 24, y 5 to 14 (a quarter of 40), grey outside, white inside.
        EXPECT_EQ(Pixel(image, 15, 10), c.bar);
        EXPECT_EQ(Pixel(image, 5, 10), RGB(128, 128, 128));
        EXPECT_EQ(Pixel(image, 24, 10), RGB(128, 128, 128));
        EXPECT_EQ(Pixel(image, 15, 5), RGB(128, 128, 128));
        EXPECT_EQ(Pixel(image, 15, 14), RGB(128, 128, 128));
        EXPECT_EQ(Pixel(image, 6, 10), RGB(255, 255, 255));
        EXPECT_EQ(Pixel(image, 15, 13), RGB(255, 255, 255));
        EXPECT_EQ(Pixel(image, 15, 16), kFace);
        // The caption in the middle of the space below the bar (15 to 37).
        EXPECT_EQ(Pixel(image, 15, 26), kButtonText);
    }
}

TEST(CLayerButton, TheTriangleShowsTheStateAndTheCaptionGreysOnlyWhenTheColoursAreNotKept) {
    struct Case {
        const char* name;
        int state;
        bool enabled;
        bool keep;
        COLORREF triangle;
        COLORREF caption;
    } cases[] = {
        {"layer_1.png", 1, true, false, RGB(255, 0, 0), kButtonText},
        {"layer_0.png", 0, true, false, RGB(0, 128, 128), kButtonText},
        {"layer_2.png", 2, true, false, RGB(0, 255, 255), kButtonText},
        {"layer_other.png", 5, true, false, kFace, kButtonText},
        {"layer_disabled.png", 2, false, false, RGB(0, 255, 255), kGrayText},
        {"layer_disabled_kept.png", 2, false, true, RGB(0, 255, 255), kButtonText},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CLayerButton button(QStringLiteral("■"));
        Prepare(button, 40, 30);
        button.SetState(c.state);
        button.setEnabled(c.enabled);
        button.SetKeepColors(c.keep);
        const QImage image = Picture(button, c.name);
        // Legs of 10 from (3, 3): grey outline, white lines inside, the state colour within.
        EXPECT_EQ(Pixel(image, 3, 3), RGB(128, 128, 128));
        EXPECT_EQ(Pixel(image, 13, 3), RGB(128, 128, 128));
        EXPECT_EQ(Pixel(image, 3, 13), RGB(128, 128, 128));
        EXPECT_EQ(Pixel(image, 6, 4), RGB(255, 255, 255));
        EXPECT_EQ(Pixel(image, 4, 6), RGB(255, 255, 255));
        EXPECT_EQ(Pixel(image, 6, 6), c.triangle);
        EXPECT_EQ(Pixel(image, 12, 12), kFace);
        EXPECT_EQ(Pixel(image, 20, 15), c.caption);
    }
}

TEST(CLayerButton, NewColoursReplaceTheStateColours) {
    CLayerButton button;
    Prepare(button, 40, 30);
    button.SetColors(RGB(1, 1, 1), RGB(2, 2, 2), RGB(3, 3, 3));
    for (const auto& [state, color] :
         {std::pair{1, RGB(1, 1, 1)}, std::pair{0, RGB(2, 2, 2)}, std::pair{2, RGB(3, 3, 3)}}) {
        button.SetState(state);
        EXPECT_EQ(Pixel(Picture(button, "layer_colors.png"), 6, 6), color) << state;
    }
}

} // namespace
} // namespace tembra
