// The sizes and element fonts dialogs offscreen: each size range at its ends and one beyond,
// what 決定 stores, 初期化 from the profile and 取消 after it; the font texts, an element's
// choice, the header font's switch and 取消.
#include "dialogs/settings/ElementFontDlg.h"
#include "dialogs/settings/SizeInitDlg.h"

#include "document/FontSelDlgRequest.h"
#include "model/ConfigChart.h"
#include "model/ConfigMask.h"
#include "model/SyokiSet.h"
#include "platform/RangeMessage.h"
#include "support/ArchiveBytes.h"
#include "support/Cp932Text.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"
#include "support/qt/DialogControls.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tembra {
namespace {

using test::Control;
using test::J;

void Click(const QDialog& d, int id) {
    Control<QPushButton>(d, id)->click();
}

class SizeInitDlgTest : public ::testing::Test {
protected:
    QLineEdit* Field(const QDialog& d, SizeInitField f) {
        return Control<QLineEdit>(d, CSizeInitDlg::IDC_FIRST_FIELD + f);
    }
    // Every field at the low end of its range, the one under test aside.
    void FillLowEnds(const QDialog& d) {
        for (const auto& c : kRanges) {
            Field(d, c.field)->setText(QString::number(c.min));
        }
    }
    struct Range {
        SizeInitField field;
        int min;
        int max;
    };
    static constexpr Range kRanges[] = {
        {kSizeRadius, 5, 100},    {kSizeKakomiAngle, 30, 90}, {kSizeCornerSize, 5, 100},
        {kSizeBarHeight, 5, 500}, {kSizeArrowLength, 5, 100}, {kSizeArrowAngle, 10, 45},
        {kSizeInclined, 10, 999}, {kSizeLineSpace, 0, 100},   {kSizeNormalWidth, 0, 50},
        {kSizeThinWidth, 0, 50},  {kSizeBoldWidth, 0, 50},
    };

    test::ScopedPaths paths;
    test::ScopedUi ui;
};

// The ends of each range are taken, one beyond is refused with 5900 and the focus on the field;
// a refusal keeps the dialog open and the record as it was.
TEST_F(SizeInitDlgTest, EachRangeAtItsEndsAndOneBeyond) {
    for (const Range& r : kRanges) {
        for (const int value : {r.min - 1, r.min, r.max, r.max + 1}) {
            const bool taken = value >= r.min && value <= r.max;
            CSyokiSet settings;
            const test::Bytes before = test::Store(settings);
            CSizeInitDlg dialog(settings);
            dialog.show();
            FillLowEnds(dialog);
            Field(dialog, r.field)->setText(QString::number(value));
            ui->ClearRecords();
            Click(dialog, 1);
            if (taken) {
                EXPECT_EQ(dialog.result(), QDialog::Accepted) << r.field << " " << value;
                EXPECT_TRUE(ui->MessageIds().empty());
                EXPECT_EQ(LoadSizeInit(settings.GetChart())[r.field], value);
            } else {
                EXPECT_TRUE(dialog.isVisible()) << r.field << " " << value;
                EXPECT_EQ(ui->MessageIds(), std::vector<UINT>{IDS_VALUE_RANGE});
                EXPECT_EQ(dialog.focusWidget(), Field(dialog, r.field)) << r.field;
                EXPECT_EQ(test::Store(settings), before) << r.field << " " << value;
            }
        }
    }
}

TEST_F(SizeInitDlgTest, OkStoresTheLineWidthsIntoTheWidthTable) {
    CSyokiSet settings;
    CSizeInitDlg dialog(settings);
    FillLowEnds(dialog);
    Field(dialog, kSizeNormalWidth)->setText("7");
    Field(dialog, kSizeThinWidth)->setText("2");
    Field(dialog, kSizeBoldWidth)->setText("12");
    Field(dialog, kSizeArrowAngle)->setText("45");
    Click(dialog, 1);
    const auto& widths = settings.GetChart().GetKouteiWidthSet().m_width;
    EXPECT_EQ(widths[0], 7);
    EXPECT_EQ(widths[1], 2);
    EXPECT_EQ(widths[2], 12);
    EXPECT_EQ(settings.GetChart().GetArrowAngle(), 45);
}

// 初期化 shows the values of the user's profile; 取消 after it leaves the record's bytes.
TEST_F(SizeInitDlgTest, ResetShowsTheProfileAndCancelKeepsTheRecord) {
    CConfigChart profile;
    profile.Read(FALSE);
    profile.GetLandAttr().m_radius = 77;
    profile.SetArrowAngle(33);
    profile.GetYogoAttr().m_lineSpace = 44;
    profile.GetKouteiWidthSet().m_width = {9, 4, 20};
    ASSERT_TRUE(profile.Write(kConfigKoutei | kConfigYogo));

    CSyokiSet settings;
    settings.GetChart().GetLandAttr().m_radius = 12;
    const test::Bytes before = test::Store(settings);
    CSizeInitDlg dialog(settings);
    EXPECT_EQ(Field(dialog, kSizeRadius)->text(), "12");
    Click(dialog, CSizeInitDlg::IDC_RESET);
    QStringList shown;
    for (SizeInitField f : {kSizeRadius, kSizeArrowAngle, kSizeLineSpace, kSizeNormalWidth,
                            kSizeThinWidth, kSizeBoldWidth}) {
        shown << Field(dialog, f)->text();
    }
    EXPECT_EQ(shown, QStringList({"77", "33", "44", "9", "4", "20"}));
    Click(dialog, 2);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(test::Store(settings), before);
}

class ElementFontDlgTest : public ::testing::Test {
protected:
    ElementFontDlgTest() {
        for (int kind = 0; kind < kFontKindCount; ++kind) {
            fonts[kind].SetFaceName("Face" + std::to_string(kind));
            fonts[kind].lfHeight = -(20 + kind);
            fonts[kind].lfWidth = 10;
        }
        fonts[kFontYogo].SetFaceName(J("ＭＳ 明朝"));
        fonts[kFontYogo].lfHeight = -40;
        fonts[kFontHeader].lfHeight = 1;
        fonts[kFontHeader].lfWidth = 5;
        dialog.SetFonts(fonts);
    }
    QString Shown(int kind) {
        return Control<QLabel>(dialog, CElementFontDlg::IDC_FIRST_TEXT + kind)->text();
    }
    QCheckBox* HeaderOn() { return Control<QCheckBox>(dialog, CElementFontDlg::IDC_HEADER_ON); }
    // The font selection dialog answers with the face at height 50; the font it got is kept.
    void AnswerFontDialog(const char* face, int answer = IDOK) {
        ui->OnDialog("FontSelDlg", [this, face, answer](DialogRequest& r) {
            auto& request = static_cast<FontSelDlgRequest&>(r);
            offered = request.font;
            request.font = LOGFONT{};
            request.font.SetFaceName(face);
            request.font.lfHeight = -50;
            request.font.lfWidth = 25;
            return answer;
        });
    }

    test::ScopedUi ui;
    ElementFontSet fonts{};
    CElementFontDlg dialog;
    LOGFONT offered;
};

TEST_F(ElementFontDlgTest, TheTextsBesideTheButtons) {
    EXPECT_EQ(Shown(kFontYogo), QString::fromUtf8("ＭＳ 明朝\n  [ 40 ] ×0.1mm"));
    EXPECT_EQ(Shown(kFontShin), QString::fromUtf8("Face7\n  [ 27 ] ×0.1mm"));
    EXPECT_EQ(Shown(kFontHeader), "Face6") << "the header's face alone";
    EXPECT_TRUE(HeaderOn()->isChecked());
}

// An element's choice replaces that element only; the others come back as they were set.
TEST_F(ElementFontDlgTest, AnElementChoiceReplacesOnlyThatElement) {
    AnswerFontDialog("Picked");
    Click(dialog, CElementFontDlg::IDC_FIRST_BUTTON + kFontEvent);
    EXPECT_EQ(offered, fonts[kFontEvent]) << "the dialog gets the element's own font";
    EXPECT_EQ(Shown(kFontEvent), QString::fromUtf8("Picked\n  [ 50 ] ×0.1mm"));
    Click(dialog, 1);
    ElementFontSet expected = fonts;
    expected[kFontEvent].SetFaceName("Picked");
    expected[kFontEvent].lfHeight = -50;
    expected[kFontEvent].lfWidth = 25;
    EXPECT_EQ(dialog.GetFonts(), expected);
}

// The header font is offered at 24 and width 0; the choice keeps its height and width words,
// and only 有効 sets the height word.
TEST_F(ElementFontDlgTest, TheHeaderFontKeepsItsHeightWord) {
    AnswerFontDialog("HeaderFace");
    Click(dialog, CElementFontDlg::IDC_FIRST_BUTTON + kFontHeader);
    EXPECT_EQ(offered.lfHeight, 24);
    EXPECT_EQ(offered.lfWidth, 0);
    EXPECT_EQ(Shown(kFontHeader), "HeaderFace");
    Click(dialog, 1);
    const LOGFONT& header = dialog.GetFonts()[kFontHeader];
    EXPECT_EQ(header.FaceName(), "HeaderFace");
    EXPECT_EQ(header.lfHeight, 1);
    EXPECT_EQ(header.lfWidth, 5);

    CElementFontDlg off;
    off.SetFonts(fonts);
    Control<QCheckBox>(off, CElementFontDlg::IDC_HEADER_ON)->setChecked(false);
    Click(off, 1);
    EXPECT_EQ(off.GetFonts()[kFontHeader].lfHeight, 0);
    fonts[kFontHeader].lfHeight = 0;
    CElementFontDlg on;
    on.SetFonts(fonts);
    EXPECT_FALSE(Control<QCheckBox>(on, CElementFontDlg::IDC_HEADER_ON)->isChecked());
    Control<QCheckBox>(on, CElementFontDlg::IDC_HEADER_ON)->setChecked(true);
    Click(on, 1);
    EXPECT_EQ(on.GetFonts()[kFontHeader].lfHeight, 1);
}

// A choice cancelled in the font dialog changes nothing; 取消 of this dialog returns the eight
// fonts as they were set, whatever was chosen.
TEST_F(ElementFontDlgTest, CancelReturnsTheFontsUnchanged) {
    AnswerFontDialog("Refused", IDCANCEL);
    Click(dialog, CElementFontDlg::IDC_FIRST_BUTTON + kFontDate);
    EXPECT_EQ(Shown(kFontDate), QString::fromUtf8("Face0\n  [ 20 ] ×0.1mm"));
    AnswerFontDialog("Picked");
    Click(dialog, CElementFontDlg::IDC_FIRST_BUTTON + kFontDate);
    Click(dialog, CElementFontDlg::IDC_FIRST_BUTTON + kFontHeader);
    HeaderOn()->setChecked(false);
    Click(dialog, 2);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(dialog.GetFonts(), fonts);
}

} // namespace
} // namespace tembra
