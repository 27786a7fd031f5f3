// The standard layout's A4 paper on pixels, through the Qt device context: the paper white, the
// chart's rows grey, the input areas in their navy frames with their names, the title block's
// black lines and the grid of the header. With TEMBRA_SAVE_IMAGES naming a folder the picture is
// written there as a PNG to be looked at.
#include "layout_editor/core/LayoutFileData.h"
#include "platform/RegKey.h"
#include "platform/qt/QtDC.h"
#include "support/TempDir.h"
#include "support/qt/QtTestEnvironment.h"

#include "../EditorTestSupport.h"

#include <QApplication>
#include <QColor>
#include <QDir>
#include <QImage>
#include <QString>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace marquell {
namespace {

const testing::Environment* const g_environment = testing::AddGlobalTestEnvironment(
    new tembra::test::QtTestEnvironment("layout_editor_core_tests"));

constexpr int kDpi = 96;
const QColor kWorkspace(96, 96, 96);

TEST(PaperRender, TheStandardLayoutsA4Paper) {
    tembra::test::ScopedPaths paths;
    const std::filesystem::path data = TEMBRA_DATA_DIR;
    std::filesystem::copy_file(data / tembra::AppRegKeyDefaultPath().filename(),
                               tembra::AppRegKeyDefaultPath(),
                               std::filesystem::copy_options::overwrite_existing);
    CLayoutFileData layout;
    std::ifstream in(data / "MASTER01.LYT", std::ios::binary);
    layout.ReadLayoutFile(in);
    const CPaperData& a4 = layout.GetPaper(0);

    // 2970 x 2100 units of 0.1 mm at 96 dpi, with a margin of workspace around the paper.
    test::FakeView view;
    view.offset = CPoint(50, -50);
    view.gridSnap = true;
    QImage image(1160, 830, QImage::Format_RGB32);
    image.fill(kWorkspace);
    {
        tembra::CQtDC::Options options;
        options.dpiX = kDpi;
        options.dpiY = kDpi;
        tembra::CQtDC dc(&image, options);
        dc.SetMapMode(tembra::MM_LOMETRIC);
        a4.Draw(&dc, view, kDrawElement);
    }
    if (const char* dir = std::getenv("TEMBRA_SAVE_IMAGES")) {
        image.save(QDir(QString::fromLocal8Bit(dir)).filePath("MASTER01_A4.png"));
    }

    // The pixel of a layout point.
    const auto at = [&](int x, int y) {
        const double scale = kDpi / 254.0;
        return image.pixelColor(static_cast<int>((x + 50) * scale),
                                static_cast<int>((y + 50) * scale));
    };
    EXPECT_EQ(at(-30, 1000), kWorkspace);             // beside the paper
    EXPECT_EQ(at(50, 1000), QColor(255, 255, 255));   // the paper's margin
    EXPECT_EQ(at(1500, 1500), QColor(192, 192, 192)); // the chart area
    EXPECT_EQ(at(1500, 460), QColor(192, 192, 192));  // the date rows
    // Lines, a pixel or two wide: found within 4 units of where they run.
    const auto near = [&](int x, int y, const QColor& colour) {
        for (int dy = -4; dy <= 4; ++dy) {
            for (int dx = -4; dx <= 4; ++dx) {
                if (at(x + dx, y + dy) == colour) {
                    return true;
                }
            }
        }
        return false;
    };
    EXPECT_TRUE(near(1000, 100, QColor(0, 0, 0)));  // the title block's top line
    EXPECT_TRUE(near(250, 180, QColor(0, 0, 128))); // the frame of "工事名称"
    EXPECT_TRUE(near(100 + 2770 * 3 / 50, 330, QColor(192, 192, 192))); // a grid line
    EXPECT_FALSE(near(100 + 2770 * 3 / 50, 1500, QColor(0, 0, 0)));     // no line in the chart
    // Text in the frames: the name of the title area, centred, in navy, and "工事名" on the left
    // in black; nothing at the title area's ends.
    const auto strokes = [&](int left, int right, int top, int bottom, auto ink) {
        int count = 0;
        for (int y = top; y < bottom; y += 2) {
            for (int x = left; x < right; x += 2) {
                count += ink(at(x, y)) ? 1 : 0;
            }
        }
        return count;
    };
    const auto navyInk = [](const QColor& c) { return c.blue() > 80 && c.red() < 60; };
    const auto blackInk = [](const QColor& c) {
        return c.red() < 100 && c.green() < 100 && c.blue() < 100;
    };
    EXPECT_GT(strokes(700, 1150, 130, 240, navyInk), 50);
    EXPECT_EQ(strokes(300, 600, 130, 240, navyInk), 0);
    EXPECT_GT(strokes(120, 245, 150, 210, blackInk), 20);
}

} // namespace
} // namespace marquell
