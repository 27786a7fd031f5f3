// The font settings and the data information dialogs through their widgets: each paper's
// header flag, the font chosen for an element, 初期化, and the counts of the sample chart.
#include "dialogs/attributes/FontSetDlg.h"
#include "dialogs/attributes/DataInfoDlg.h"
#include "dialogs/attributes/RegisterAttributeDialogs.h"

#include "DialogTestSupport.h"
#include "document/DocFileRequests.h"
#include "document/FontSelDlgRequest.h"
#include "document/TembraDoc.h"
#include "model/OptionDialogRequest.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include <cstring>
#include <filesystem>

namespace tembra {
namespace {

using test::Control;

QString Shown(const QWidget& d, int id) {
    return Control<QLabel>(d, id)->text();
}

class FontSetDlgTest : public ::testing::Test {
protected:
    FontSetDlgTest() {
        for (int paper = 0; paper < CConfigBase::kPaperCount; ++paper) {
            LOGFONT header = config.GetFont(kFontHeader, paper);
            header.lfHeight = 0;
            config.SetFont(kFontHeader, paper, header);
        }
    }
    test::ScopedUi ui;
    CConfigBase config;
};

TEST_F(FontSetDlgTest, EachPaperKeepsItsOwnHeaderFlag) {
    CFontSetDlg dialog(config);
    auto* papers = Control<QComboBox>(dialog, CFontSetDlg::IDC_PAPER);
    auto* on = Control<QCheckBox>(dialog, CFontSetDlg::IDC_HEADER_ON);
    EXPECT_FALSE(on->isChecked());
    on->setChecked(true);
    papers->setCurrentIndex(1);
    EXPECT_FALSE(on->isChecked());
    papers->setCurrentIndex(5);
    on->setChecked(true);
    papers->setCurrentIndex(0);
    EXPECT_TRUE(on->isChecked());
    Control<QPushButton>(dialog, 1)->click();
    const LONG expected[] = {1, 0, 0, 0, 0, 1};
    for (int paper = 0; paper < CConfigBase::kPaperCount; ++paper) {
        EXPECT_EQ(config.GetFont(kFontHeader, paper).lfHeight, expected[paper]) << paper;
    }
}

TEST_F(FontSetDlgTest, AChosenFontShowsAndTheDateTakesHalfItsHeightAsWidth) {
    ui->OnDialog("FontSelDlg", [](DialogRequest& r) {
        auto& request = static_cast<FontSelDlgRequest&>(r);
        std::strcpy(request.font.lfFaceName, "Chosen");
        request.font.lfHeight = -50;
        request.font.lfWidth = 7;
        return IDOK;
    });
    CFontSetDlg dialog(config);
    Control<QComboBox>(dialog, CFontSetDlg::IDC_PAPER)->setCurrentIndex(4);
    Control<QPushButton>(dialog, CFontSetDlg::kElements[0].button)->click();
    EXPECT_EQ(Shown(dialog, 1168), QString::fromUtf8("Chosen\n  [ 50 ] ×0.1mm"));
    Control<QCheckBox>(dialog, CFontSetDlg::IDC_HEADER_ON)->setChecked(true);
    Control<QPushButton>(dialog, 1213)->click();
    EXPECT_EQ(Shown(dialog, 1230), "Chosen");
    // 取消 keeps the settings as they were.
    Control<QPushButton>(dialog, 2)->click();
    EXPECT_NE(config.GetFont(kFontDate, 4).lfHeight, -50);

    CFontSetDlg again(config);
    Control<QComboBox>(again, CFontSetDlg::IDC_PAPER)->setCurrentIndex(4);
    Control<QPushButton>(again, 1272)->click();
    Control<QCheckBox>(again, CFontSetDlg::IDC_HEADER_ON)->setChecked(true);
    Control<QPushButton>(again, 1213)->click();
    Control<QPushButton>(again, 1)->click();
    EXPECT_EQ(config.GetFont(kFontDate, 4).lfHeight, -50);
    EXPECT_EQ(config.GetFont(kFontDate, 4).lfWidth, 25);
    EXPECT_EQ(config.GetFont(kFontHeader, 4).lfHeight, 1) << "the header keeps its flag";
    EXPECT_STREQ(config.GetFont(kFontHeader, 4).lfFaceName, "Chosen");
}

TEST_F(FontSetDlgTest, ResetShowsTheBuiltInSizesOfEachPaper) {
    for (int paper = 0; paper < CConfigBase::kPaperCount; ++paper) {
        LOGFONT font = config.GetFont(kFontEvent, paper);
        font.lfHeight = -77;
        config.SetFont(kFontEvent, paper, font);
    }
    CFontSetDlg dialog(config);
    EXPECT_TRUE(Shown(dialog, 1227).endsWith(QString::fromUtf8("[ 77 ] ×0.1mm")));
    Control<QPushButton>(dialog, CFontSetDlg::IDC_RESET)->click();
    EXPECT_TRUE(Shown(dialog, 1227).endsWith(QString::fromUtf8("[ 32 ] ×0.1mm")));
    Control<QComboBox>(dialog, CFontSetDlg::IDC_PAPER)->setCurrentIndex(5);
    EXPECT_TRUE(Shown(dialog, 1227).endsWith(QString::fromUtf8("[ 40 ] ×0.1mm")));
    EXPECT_FALSE(Control<QCheckBox>(dialog, CFontSetDlg::IDC_HEADER_ON)->isChecked());
}

TEST(DataInfoDlg, TheSampleChartShowsItsCounts) {
    test::ScopedUi ui;
    test::TempDir files;
    const std::filesystem::path path = files.File("sample.tbr");
    std::filesystem::copy_file(std::filesystem::path(TEMBRA_DATA_DIR) / "sample.tbr", path);
    CTembraDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(path.string()));
    test::KeepingRegistry registry;
    RegisterAttributeDialogs(registry);
    ui->OnDialog("DataInfo", [&registry](DialogRequest& r) { return registry.Run(r); });
    std::vector<QString> shown;
    test::WhenShown<CDataInfoDlg>([&shown](CDataInfoDlg& d) {
        for (const int id : {1589, 1588, 1591, 1595, 1590, 1586}) {
            shown.push_back(Shown(d, id));
        }
        Control<QPushButton>(d, 1)->click();
    });
    doc.OnDataInfo();
    // The sample: nine processes and events, 21 item rows, one progress line, two shapes, no
    // embedded item; the free memory as it always reads.
    EXPECT_EQ(shown, (std::vector<QString>{"9", "21", "1", "2", "0", "1024"}));
}

} // namespace
} // namespace tembra
