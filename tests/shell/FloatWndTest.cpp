// The floating overview window in the running program: its place and shown flag across starts,
// the command that shows it, the picture of the sample chart, its settings dialog, and a drag
// of its frame through the real widget.
#include "ShellFixture.h"

#include "model/ConfigBase.h"
#include "platform/Sjis.h"
#include "platform/qt/QtDC.h"
#include "shell/ChartViewWindow.h"
#include "shell/FloatWnd.h"
#include "shell/FloatWndSetDlg.h"
#include "shell/MyYogoDlg.h"
#include "support/qt/ReferenceImage.h"
#include "view/TembraFrame.h"
#include "view/TembraViewWnd.h"

#include <QApplication>
#include <QCheckBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <filesystem>

namespace tembra {
namespace {

class FloatWndTest : public test::ShellFixture {
protected:
    FloatWndTest() {
        std::filesystem::copy_file(std::filesystem::path(TEMBRA_DATA_DIR) / "sample.tbr", sample);
    }
    CFloatWnd& Float() { return *Frame().FloatWnd(); }
    CTembraViewWnd* ActivePane() {
        auto* window = dynamic_cast<CChartViewWindow*>(app->ActiveChart());
        return window != nullptr && window->Frame() != nullptr ? window->Frame()->ActivePane()
                                                               : nullptr;
    }
    bool Checked(UINT id) {
        app->UpdateCommandStates();
        return app->Router().Update(id).GetCheck() != 0;
    }

    test::TempDir files;
    const std::filesystem::path sample = files.File("sample.tbr");
};

TEST_F(FloatWndTest, TheShownFlagFollowsTheCommandAndTheCloseButtonAcrossStarts) {
    ASSERT_FALSE(Start());
    ASSERT_NE(Frame().FloatWnd(), nullptr);
    EXPECT_FALSE(Float().isVisible()) << "hidden on the first start";
    EXPECT_FALSE(Checked(33119));

    app->Router().Execute(33119);
    EXPECT_TRUE(Float().isVisible());
    EXPECT_EQ(Float().IsShown(), 1);
    EXPECT_TRUE(Checked(33119));

    // The close button hides it; the command shows it again.
    Float().close();
    EXPECT_FALSE(Float().isVisible());
    EXPECT_EQ(Float().IsShown(), 0);
    EXPECT_FALSE(Checked(33119));
    ASSERT_TRUE(Frame().close());
    FloatWndPosition stored =
        FramePositions::ParseFloatWndPos(GetProfileString("Settings", "FloatWndPos"));
    EXPECT_EQ(stored.shown, 0);
    EXPECT_FALSE(stored.rect.IsRectEmpty()) << "the window's place is kept";

    ASSERT_FALSE(Start());
    EXPECT_FALSE(Float().isVisible());
    app->Router().Execute(33119);
    Float().setGeometry(300, 200, 400, 250);
    ASSERT_TRUE(Frame().close());
    stored = FramePositions::ParseFloatWndPos(GetProfileString("Settings", "FloatWndPos"));
    EXPECT_EQ(stored.rect, CRect(300, 200, 700, 450));
    EXPECT_EQ(stored.shown, 1);

    ASSERT_FALSE(Start());
    EXPECT_TRUE(Float().isVisible()) << "shown when it was shown at the last closing";
    EXPECT_EQ(Float().geometry(), QRect(300, 200, 400, 250));
}

TEST_F(FloatWndTest, ClosingTheFrameTakesItsToolWindowsAlong) {
    ASSERT_FALSE(Start());
    app->Router().Execute(33119);
    app->Router().Execute(32993);
    ASSERT_NE(Frame().MyYogoDlg(), nullptr);
    EXPECT_TRUE(Frame().MyYogoDlg()->isVisible());
    EXPECT_TRUE(Checked(32993));
    ASSERT_TRUE(Frame().close());
    EXPECT_FALSE(Frame().MyYogoDlg()->isVisible()) << "no window is left to keep the program";
    EXPECT_FALSE(Float().isVisible());
    // Both were stored as shown.
    const std::string myYogo = GetProfileString("Settings", CMyYogoDlg::kPositionKey);
    EXPECT_EQ(myYogo.substr(myYogo.size() - 2), ",1");
    EXPECT_EQ(FramePositions::ParseFloatWndPos(GetProfileString("Settings", "FloatWndPos")).shown,
              1);
}

TEST_F(FloatWndTest, TheSampleChartFittedWithItsFrame) {
    ASSERT_FALSE(Start({sample.string()}));
    CTembraViewWnd* pane = ActivePane();
    ASSERT_NE(pane, nullptr);
    Float().resize(480, 270);
    app->Router().Execute(33119);
    ASSERT_EQ(Float().View().GetTrackedView(), &pane->View()) << "it shows the active chart";
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Float()));
    Float().repaint();
    const QImage picture = Float().BackingImage();
    ASSERT_EQ(picture.size(), QSize(480, 270));
    test::ExpectLooksLike(picture, {"shell", "float_sample_480x270.png", 0.01});
    EXPECT_EQ(Float().windowTitle().toStdString(), Sjis::ToUtf8(pane->Document().GetTitle()));
}

TEST_F(FloatWndTest, DraggingTheFrameWithTheMouseScrollsTheChartWindow) {
    ASSERT_FALSE(Start({sample.string()}));
    CTembraViewWnd* pane = ActivePane();
    ASSERT_NE(pane, nullptr);
    Float().resize(480, 270);
    app->Router().Execute(33119);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Float()));
    Float().repaint();
    const CRect frame = Float().View().GetFrame();
    ASSERT_FALSE(frame.IsRectNull());
    const CPoint before = pane->View().GetScrollPosition();

    // From the middle of the frame 40 pixels to the right and 20 down.
    CPoint centre((frame.left + frame.right) / 2, (frame.top + frame.bottom) / 2);
    auto dc = CQtDC::ForScreen();
    CPageLayout fitted = pane->View().GetPageLayout();
    ASSERT_TRUE(CFloatView::FitLayout(dc.get(), CSize(480, 270), fitted));
    dc->LPtoDP(&centre);
    const QPoint from(centre.x, centre.y);
    QTest::mousePress(&Float(), Qt::LeftButton, Qt::NoModifier, from);
    QTest::mouseMove(&Float(), from + QPoint(20, 10));
    QTest::mouseMove(&Float(), from + QPoint(40, 20));
    QTest::mouseRelease(&Float(), Qt::LeftButton, Qt::NoModifier, from + QPoint(40, 20));

    const CPoint after = pane->View().GetScrollPosition();
    EXPECT_GT(after.x, before.x) << "scrolled right";
    EXPECT_LT(after.y, before.y) << "scrolled down (y grows upwards)";
    EXPECT_NE(Float().View().GetFrame(), frame) << "the frame follows";
}

TEST_F(FloatWndTest, TheSettingsDialogEditsTheScrollFlagOnOkOnly) {
    struct Case {
        LONG start;
        bool click;
        int button; // 1 決定, 2 取消
        LONG result;
    };
    const Case cases[] = {{0, true, 1, 1}, {1, true, 1, 0}, {0, true, 2, 0}, {1, false, 1, 1}};
    for (const Case& c : cases) {
        CConfigBase config;
        config.SetTemWithFlt(c.start);
        CFloatWndSetDlg dialog(config);
        auto* box =
            dialog.findChild<QCheckBox*>(QString::number(CFloatWndSetDlg::IDC_SCROLL_WITH_FRAME));
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->isChecked(), c.start != 0);
        EXPECT_EQ(box->text(), QString::fromUtf8("位置表示枠の移動に合わせ工程表をスクロール"));
        if (c.click) {
            box->click();
        }
        dialog.findChild<QPushButton*>(QString::number(c.button))->click();
        EXPECT_EQ(config.GetTemWithFlt(), c.result) << c.start << " " << c.button;
    }
}

} // namespace
} // namespace tembra
