// The samples of the progress-line and shape dialogs as pictures: each dialog is set up as a
// user would set it, the sample it then shows is drawn row under row, and the picture is
// compared with its reference PNG (tests/dialogs_settings/data).
#include "dialogs/settings/AttrSample.h"
#include "dialogs/settings/ProgressAttr2Dlg.h"
#include "dialogs/settings/ProgressAttrDlg.h"
#include "dialogs/settings/ShinAttrPanel.h"
#include "dialogs/settings/ZukeiAttrChangeDlg.h"
#include "dialogs/settings/ZukeiAttrDlg.h"
#include "dialogs/settings/ZukeiAttrPanel.h"
#include "dialogs/settings/ZukeiAttrSetDlg.h"

#include "dialogs_settings/AttrDlgTestSupport.h"
#include "document/ZukeiDialogRequests.h"
#include "model/ConfigBase.h"
#include "model/SyokiSet.h"
#include "platform/qt/QtDC.h"
#include "support/ScriptedUi.h"
#include "support/qt/ReferenceImage.h"

#include <QComboBox>
#include <QImage>
#include <QLineEdit>

#include <vector>

namespace tembra {
namespace {

using test::Control;

constexpr int kRowWidth = 200;
constexpr int kRowHeight = 40;

// The looks drawn one under the other.
QImage Rows(const std::vector<AttrSampleLook>& looks) {
    QImage image(kRowWidth, kRowHeight * static_cast<int>(looks.size()), QImage::Format_RGB32);
    image.fill(Qt::white);
    CQtDC dc(&image);
    for (std::size_t i = 0; i < looks.size(); ++i) {
        const int top = kRowHeight * static_cast<int>(i);
        CAttrSample::Draw(dc, CRect(0, top, kRowWidth, top + kRowHeight), looks[i]);
    }
    return image;
}

AttrSampleLook Shown(const QWidget& dialog, int sampleId) {
    return Control<CAttrSample>(dialog, sampleId)->Look();
}

class AttrSampleImageTest : public ::testing::Test {
protected:
    AttrSampleImageTest() { config.Read(FALSE); }
    test::ScopedUi ui;
    CConfigBase config;
};

// Dialog 175: each line type at each width code in red; dialog 316: a line's own colour.
TEST_F(AttrSampleImageTest, ProgressLineSamples) {
    std::vector<AttrSampleLook> rows;
    CProgressAttrDlg defaults(config.GetShin());
    defaults.show();
    auto* type = Control<QComboBox>(defaults, CShinAttrPanel::IDC_TYPE);
    auto* width = Control<QComboBox>(defaults, CShinAttrPanel::IDC_WIDTH);
    for (int t = 0; t < type->count(); ++t) {
        type->setCurrentIndex(t);
        width->setCurrentIndex(t % 3);
        rows.push_back(Shown(defaults, CShinAttrPanel::IDC_SAMPLE));
    }
    // A bold width typed anew shows at once.
    auto* bold = Control<QLineEdit>(defaults, CProgressAttrDlg::IDC_BOLD);
    bold->setText("25");
    emit bold->textEdited("25");
    width->setCurrentIndex(2);
    type->setCurrentIndex(0);
    rows.push_back(Shown(defaults, CShinAttrPanel::IDC_SAMPLE));
    EXPECT_EQ(rows.back().width, SampleWidthPixels(25));

    CShinLineAttr line{0, 0, 3, 2, RGB(64, 64, 64), 0};
    CProgressAttr2Dlg one(ShinAttrFields::FromLine(line, {}), LOGFONT{}, config.GetShin());
    one.show();
    rows.push_back(Shown(one, CShinAttrPanel::IDC_SAMPLE));
    test::ExpectLooksLike(Rows(rows), {"dialogs_settings", "progress_samples.png", 0.002});
}

// Dialog 215: every pattern in blue with its line type; 211 and 193 as they open.
TEST_F(AttrSampleImageTest, ShapeSamples) {
    std::vector<AttrSampleLook> rows;
    ZukeiAttrChangeDlgRequest request;
    request.attr = {3, 0, 0, 0, RGB(0, 0, 0), 999, RGB(0, 0, 255), 10};
    CZukeiAttrChangeDlg change(request);
    change.show();
    auto* hatch = Control<QComboBox>(change, CZukeiAttrPanel::IDC_HATCH);
    auto* type = Control<QComboBox>(change, CZukeiAttrPanel::IDC_TYPE);
    for (int h = 0; h < hatch->count(); ++h) {
        hatch->setCurrentIndex(h);
        type->setCurrentIndex(h % type->count());
        rows.push_back(Shown(change, CZukeiAttrPanel::IDC_SAMPLE));
    }
    CSyokiSet settings;
    settings.GetZukei().GetAttr() = {3, 0, 1, 2, RGB(255, 0, 0), 4, RGB(0, 255, 0), 10};
    CZukeiAttrSetDlg chart(settings);
    chart.show();
    rows.push_back(Shown(chart, CZukeiAttrPanel::IDC_SAMPLE));
    config.GetZukei().GetAttr() = {3, 0, 0, 2, RGB(0, 0, 0), 99, RGB(255, 255, 0), 10};
    CZukeiAttrDlg program(config.GetZukei());
    program.show();
    rows.push_back(Shown(program, CZukeiAttrPanel::IDC_SAMPLE));
    test::ExpectLooksLike(Rows(rows), {"dialogs_settings", "shape_samples.png", 0.002});
}

} // namespace
} // namespace tembra
