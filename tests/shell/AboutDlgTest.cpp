// The about box: its version text, the checkered shadow along its bottom and right edges and the
// mouse buttons that close it.
#include "shell/AboutDlg.h"

#include "shell/ProgramPicture.h"

#include <QImage>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

namespace tembra {
namespace {

TEST(AboutDlgTest, TheVersionOverThePicture) {
    CAboutDlg dialog;
    auto* version = dialog.findChild<QLabel*>(QString::number(CAboutDlg::IDC_VERSION));
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(version->text(), "Version: 05.80.00");
    const QSize picture = ProgramPicture().size();
    EXPECT_EQ(dialog.size(), picture + QSize(16, 16));
    EXPECT_TRUE(QRect(QPoint(0, 0), picture).contains(version->geometry()));
}

TEST(AboutDlgTest, TheShadowIsACheckerAlongTheBottomAndRightEdges) {
    CAboutDlg dialog;
    const QImage image = dialog.grab().toImage();
    EXPECT_TRUE(dialog.IsPainted());
    const int w = image.width();
    const int h = image.height();
    const QColor black(0, 0, 0);
    const auto isBlack = [&](int x, int y) { return image.pixelColor(x, y) == black; };
    // In the band every other pixel is masked out, alternating along both axes.
    for (const QPoint p : {QPoint(w - 8, h - 8), QPoint(w - 8, 40), QPoint(40, h - 8)}) {
        EXPECT_NE(isBlack(p.x(), p.y()), isBlack(p.x() + 1, p.y())) << p.x() << "," << p.y();
        EXPECT_NE(isBlack(p.x(), p.y()), isBlack(p.x(), p.y() + 1)) << p.x() << "," << p.y();
        EXPECT_EQ(isBlack(p.x(), p.y()), isBlack(p.x() + 1, p.y() + 1));
    }
    // The picture's own pixels and the corners outside the bands are not darkened.
    const QImage picture = ProgramPicture().toImage();
    EXPECT_EQ(image.pixelColor(w - 24, 8), picture.pixelColor(w - 24, 8));
    EXPECT_FALSE(isBlack(w - 8, 8) || isBlack(w - 7, 8));
    EXPECT_FALSE(isBlack(8, h - 8) || isBlack(9, h - 8));
}

TEST(AboutDlgTest, LeftReleaseIsOkAndRightIsCancel) {
    {
        CAboutDlg dialog;
        dialog.show();
        QTest::mouseClick(&dialog, Qt::LeftButton, {}, QPoint(20, 20));
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_FALSE(dialog.isVisible());
    }
    {
        CAboutDlg dialog;
        dialog.show();
        QTest::mouseClick(&dialog, Qt::RightButton, {}, QPoint(20, 20));
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
        EXPECT_FALSE(dialog.isVisible());
    }
}

} // namespace
} // namespace tembra
