// The font selection dialog offscreen over a catalogue of our own: the faces listed, the face
// selected for a record, typed and picked heights, what 決定 writes (or does not), Enter, the
// base-font box, the size lock, the sample and the request.
#include "dialogs/attributes/FontSelDlg.h"
#include "dialogs/attributes/FontSampleButton.h"
#include "dialogs/attributes/RegisterAttributeDialogs.h"
#include "dialogs/attributes/core/FontSelDlgRequest.h"

#include "dialogs_attributes/DialogTestSupport.h"
#include "platform/FontCatalog.h"
#include "support/ScriptedUi.h"

#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <map>

namespace tembra {
namespace {

using test::Control;

// Scalable faces with a weight each, so that a copied record shows where it came from; one
// face the catalogue cannot describe (not scalable).
class Catalogue : public IFontCatalog {
public:
    bool FindFace(std::string_view face, LOGFONT& out) const override {
        const auto found = weights.find(std::string(face));
        if (found == weights.end()) {
            return false;
        }
        out = LOGFONT();
        out.SetFaceName(face);
        out.lfWeight = found->second;
        out.lfCharSet = 128;
        return true;
    }
    std::vector<std::string> FaceNames() const override {
        return {"Arial Black", "@Arial Black", "Arial", "Bitmap Only", "DejaVu Sans"};
    }
    std::map<std::string, LONG> weights = {
        {"Arial Black", 900}, {"Arial", 400}, {"@Arial Black", 900}, {"DejaVu Sans", 500}};
};

class FontSelDlgTest : public ::testing::Test {
protected:
    FontSelDlgTest() : previous(SetFontCatalog(&catalogue)) {
        record.SetFaceName("arial");
        record.lfHeight = 35;
        record.lfWidth = 3;
    }
    ~FontSelDlgTest() override { SetFontCatalog(previous); }

    QListWidget* Faces(const QDialog& d) {
        return Control<QListWidget>(d, CFontSelDlg::IDC_FACE_LIST);
    }
    QComboBox* Size(const QDialog& d) { return Control<QComboBox>(d, CFontSelDlg::IDC_SIZE); }
    CFontSampleButton* Sample(const QDialog& d) {
        return Control<CFontSampleButton>(d, CFontSelDlg::IDC_SAMPLE);
    }
    QStringList Listed(const QDialog& d) {
        QStringList names;
        for (int i = 0; i < Faces(d)->count(); ++i) {
            names << Faces(d)->item(i)->text();
        }
        return names;
    }

    test::ScopedUi ui;
    Catalogue catalogue;
    const IFontCatalog* previous;
    LOGFONT record;
};

TEST_F(FontSelDlgTest, ListsScalableFacesAndSelectsTheRecordsOwn) {
    CFontSelDlg dialog(&record);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("フォント選択"));
    EXPECT_EQ(Listed(dialog), (QStringList{"Arial Black", "Arial", "DejaVu Sans"}));
    ASSERT_NE(Faces(dialog)->currentItem(), nullptr);
    EXPECT_EQ(Faces(dialog)->currentItem()->text(), "Arial");
    EXPECT_EQ(Size(dialog)->currentText(), "35");
    EXPECT_EQ(Size(dialog)->count(), 23);
    EXPECT_TRUE(Size(dialog)->isEnabled());
    ASSERT_TRUE(Sample(dialog)->SampleFont().has_value());
    EXPECT_EQ(Sample(dialog)->SampleFont()->lfHeight, -35);
    EXPECT_EQ(Sample(dialog)->SampleFont()->lfWidth, 17);
    EXPECT_EQ(Sample(dialog)->text(), QString::fromUtf8("あいうえおAaBbYyZz"));

    QTest::mouseClick(Control<QPushButton>(dialog, 1), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(record.FaceName(), "Arial");
    EXPECT_EQ(record.lfHeight, -35);
    EXPECT_EQ(record.lfWidth, 17);
    EXPECT_EQ(record.lfWeight, 400);
}

// A face the list does not hold (not installed, not scalable, empty, or only a longer name's
// beginning) selects nothing: no sample, and 決定 cancels with the record unchanged.
TEST_F(FontSelDlgTest, AFaceNotListedSelectsNothingAndOkCancels) {
    for (const char* face : {"Nowhere", "Bitmap Only", "", "Aria"}) {
        SCOPED_TRACE(face);
        LOGFONT font = record;
        font.SetFaceName(face);
        const LOGFONT before = font;
        CFontSelDlg dialog(&font);
        dialog.show();
        EXPECT_EQ(Faces(dialog)->currentRow(), -1);
        EXPECT_FALSE(Sample(dialog)->SampleFont().has_value());
        QTest::mouseClick(Control<QPushButton>(dialog, 1), Qt::LeftButton);
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
        EXPECT_EQ(font, before);
    }
}

// A typed height of 1 or more is taken at once; anything else puts the last height back.
TEST_F(FontSelDlgTest, TypedHeights) {
    CFontSelDlg dialog(&record);
    dialog.show();
    QLineEdit* edit = Size(dialog)->lineEdit();
    struct Case {
        const char* typed;
        const char* shown;
        int height;
    };
    const Case cases[] = {{"0", "35", 35}, {"abc", "35", 35}, {"-", "35", 35}, {"48", "48", 48}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        edit->selectAll();
        QTest::keyClicks(edit, c.typed);
        EXPECT_EQ(Size(dialog)->currentText(), c.shown);
        EXPECT_EQ(dialog.Height(), c.height);
        EXPECT_EQ(Sample(dialog)->SampleFont()->lfHeight, -c.height);
    }
    // A height picked from the list.
    Size(dialog)->setCurrentIndex(1);
    emit Size(dialog)->activated(1);
    EXPECT_EQ(dialog.Height(), 12);
    EXPECT_EQ(Sample(dialog)->SampleFont()->lfWidth, 6);

    Faces(dialog)->setCurrentRow(2);
    EXPECT_EQ(Sample(dialog)->SampleFont()->FaceName(), "DejaVu Sans");
    QTest::mouseClick(Control<QPushButton>(dialog, 1), Qt::LeftButton);
    EXPECT_EQ(record.FaceName(), "DejaVu Sans");
    EXPECT_EQ(record.lfHeight, -12);
    EXPECT_EQ(record.lfWidth, 6);
    EXPECT_EQ(record.lfWeight, 500);
}

TEST_F(FontSelDlgTest, EnterOnTheListMovesOnAndCancelKeepsTheRecord) {
    const LOGFONT before = record;
    CFontSelDlg dialog(&record);
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    Faces(dialog)->setFocus();
    Faces(dialog)->setCurrentRow(0);
    QTest::keyClick(Faces(dialog), Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(Faces(dialog)->hasFocus());

    auto* cancel = Control<QPushButton>(dialog, 2);
    cancel->setFocus();
    QTest::keyClick(cancel, Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(record, before);
}

// The base-font box: hidden and untouched at -1; otherwise shown, and cleared by a new face or
// height. The size lock disables the size box.
TEST_F(FontSelDlgTest, BaseFontBoxAndSizeLock) {
    {
        CFontSelDlg dialog(&record);
        dialog.show();
        EXPECT_FALSE(Control<QCheckBox>(dialog, CFontSelDlg::IDC_BASE_FONT)->isVisible());
        Faces(dialog)->setCurrentRow(0);
        EXPECT_EQ(dialog.GetBaseFontCheck(), -1);
    }
    {
        CFontSelDlg dialog(&record);
        dialog.SetBaseFontCheck(1);
        dialog.SetSizeLock(true);
        dialog.show();
        QCheckBox* box = Control<QCheckBox>(dialog, CFontSelDlg::IDC_BASE_FONT);
        EXPECT_TRUE(box->isVisible());
        EXPECT_TRUE(box->isChecked());
        EXPECT_FALSE(Size(dialog)->isEnabled());
        Faces(dialog)->setCurrentRow(0);
        EXPECT_FALSE(box->isChecked());
        EXPECT_EQ(dialog.GetBaseFontCheck(), 0);
        box->setChecked(true);
        QTest::mouseClick(Control<QPushButton>(dialog, 1), Qt::LeftButton);
        EXPECT_EQ(dialog.GetBaseFontCheck(), 1);
    }
}

TEST_F(FontSelDlgTest, WithoutARecordTheDialogIsInert) {
    CFontSelDlg dialog(nullptr);
    dialog.show();
    EXPECT_EQ(Faces(dialog)->count(), 0);
    EXPECT_EQ(Size(dialog)->currentText(), "");
    QTest::mouseClick(Control<QPushButton>(dialog, 1), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

// The sample draws its text only once it has a font; the rest is the button face.
TEST_F(FontSelDlgTest, TheSampleDrawsItsTextInTheFont) {
    CFontSampleButton sample(QString::fromUtf8("あいうえおAaBbYyZz"));
    sample.resize(320, 90);
    const auto inked = [&sample] {
        const QImage image = sample.grab().toImage();
        const QRgb face = image.pixel(0, 0);
        int count = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                count += image.pixel(x, y) != face ? 1 : 0;
            }
        }
        return count;
    };
    EXPECT_EQ(inked(), 0);
    LOGFONT font;
    font.SetFaceName("DejaVu Sans");
    font.lfHeight = -50;
    font.lfWidth = 25;
    sample.SetSampleFont(font);
    const int large = inked();
    EXPECT_GT(large, 0);
    font.lfHeight = -20;
    font.lfWidth = 10;
    sample.SetSampleFont(font);
    EXPECT_LT(inked(), large);
}

TEST_F(FontSelDlgTest, AnswersTheRequest) {
    test::KeepingRegistry registry;
    RegisterAttributeDialogs(registry);
    FontSelDlgRequest request;
    request.font = record;
    request.baseFontCheck = 1;
    test::WhenShown<CFontSelDlg>([](CFontSelDlg& dialog) {
        dialog.findChild<QListWidget*>(QString::number(CFontSelDlg::IDC_FACE_LIST))
            ->setCurrentRow(0);
        dialog.findChild<QPushButton*>("1")->click();
    });
    ASSERT_EQ(registry.Run(request), IDOK);
    EXPECT_EQ(request.font.FaceName(), "Arial Black");
    EXPECT_EQ(request.font.lfHeight, -35);
    EXPECT_EQ(request.baseFontCheck, 0);

    const LOGFONT before = request.font;
    test::WhenShown<CFontSelDlg>([](CFontSelDlg& dialog) {
        dialog.findChild<QListWidget*>(QString::number(CFontSelDlg::IDC_FACE_LIST))
            ->setCurrentRow(1);
        dialog.findChild<QPushButton*>("2")->click();
    });
    EXPECT_EQ(registry.Run(request), IDCANCEL);
    EXPECT_EQ(request.font, before);
}

} // namespace
} // namespace tembra
