// The system environment command (32949) in the running program: after 決定 with the black
// background the chart window and the floating overview are drawn on black; 取消 changes
// nothing.
#include "ShellFixture.h"

#include "dialogs/settings/SystemEnvDlg.h"
#include "model/ConfigBase.h"
#include "model/OptionDialogRequest.h"
#include "shell/ChartViewWindow.h"
#include "shell/FloatWnd.h"
#include "support/qt/DialogControls.h"
#include "view/TembraFrame.h"
#include "view/TembraViewWnd.h"

#include <QCheckBox>
#include <QImage>
#include <QPushButton>
#include <QTest>

namespace tembra {
namespace {

// The share of the picture's pixels that are black.
double BlackShare(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    long black = 0;
    for (int y = 0; y < rgb.height(); ++y) {
        for (int x = 0; x < rgb.width(); ++x) {
            black += (rgb.pixel(x, y) & 0xFFFFFF) == 0 ? 1 : 0;
        }
    }
    return static_cast<double>(black) / (static_cast<double>(rgb.width()) * rgb.height());
}

class SystemSettingsTest : public test::ShellFixture {
protected:
    SystemSettingsTest() : sample(test::CopyOfSample(files, "sample.tbr")) {
        // The system dialog itself, with 背景色は黒 ticked and then 決定 or 取消.
        ui.OnDialog("SystemSettings", [this](DialogRequest& r) {
            CSystemEnvDlg dialog(static_cast<OptionDialogRequest&>(r).config);
            test::Control<QCheckBox>(dialog, CSystemEnvDlg::IDC_BLACK_BACK)->setChecked(true);
            test::Control<QPushButton>(dialog, ok ? 1 : 2)->click();
            return dialog.result() == QDialog::Accepted ? IDOK : IDCANCEL;
        });
    }
    CTembraViewWnd* ActivePane() {
        auto* window = dynamic_cast<CChartViewWindow*>(app->ActiveChart());
        return window != nullptr && window->Frame() != nullptr ? window->Frame()->ActivePane()
                                                               : nullptr;
    }
    QImage Chart() {
        QWidget* pane = ActivePane()->viewport();
        return pane->grab().toImage();
    }
    QImage Overview() {
        CFloatWnd& overview = *Frame().FloatWnd();
        overview.repaint();
        return overview.BackingImage();
    }

    test::TempDir files;
    std::filesystem::path sample;
    bool ok = true;
};

TEST_F(SystemSettingsTest, TheBlackBackgroundReachesTheChartAndTheOverview) {
    ASSERT_FALSE(Start({sample.string()}));
    ASSERT_NE(ActivePane(), nullptr);
    Frame().FloatWnd()->resize(480, 270);
    app->Router().Execute(33119);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Frame().FloatWnd()));
    ASSERT_LT(BlackShare(Chart()), 0.2);
    ASSERT_LT(BlackShare(Overview()), 0.2);

    ok = false;
    app->Router().Execute(32949);
    EXPECT_EQ(app->Config().GetBlackBack(), 0);
    EXPECT_LT(BlackShare(Chart()), 0.2) << "取消";

    ok = true;
    app->Router().Execute(32949);
    EXPECT_EQ(app->Config().GetBlackBack(), 1);
    EXPECT_GT(BlackShare(Chart()), 0.5) << "the chart window";
    // The fitted chart leaves a margin of its own colour.
    EXPECT_GT(BlackShare(Overview()), 0.3) << "the overview draws its chart anew";
}

} // namespace
} // namespace tembra
