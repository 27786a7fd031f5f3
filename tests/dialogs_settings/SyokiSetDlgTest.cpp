// The initial-settings dialog offscreen: Enter moves on and only 決定 closes, a second settings
// command is refused while one is open, 初期化 keeps the paper shown; the plan paper choice and
// the date column dialog.
#include "dialogs/settings/DateColumnDlg.h"
#include "dialogs/settings/PaperSelectDlg.h"
#include "dialogs/settings/SyokiSetRekiDlg.h"

#include "dialogs/settings/core/SyokiSetNobeModel.h"
#include "document/DocTestSupport.h"
#include "document/TembraDoc.h"
#include "platform/RangeMessage.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"
#include "support/qt/DialogControls.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace tembra {
namespace {

using test::Control;

class SyokiSetDlgTest : public ::testing::Test {
protected:
    void SetUp() override {
        // The standard layout in the layout folder.
        const std::filesystem::path master =
            std::filesystem::path(TEMBRA_SOURCE_DIR) / "data" / CConfigPath::kMasterLayout;
        std::filesystem::copy_file(master, paths.Shipped() / CConfigPath::kMasterLayout);
        doc.OnNewDocument();
        doc.GetSyokiSet().GetPath().Read(FALSE);
        CSyokiSet& s = doc.GetSyokiSet();
        s.GetPageSetting().SetPaper(0, 0, ConfigPathToFs(s.GetPath().GetLayoutFilePath()));
        s.SetMaeYohaku(CTimeSpan());
        s.SetAtoYohaku(CTimeSpan());
        s.SetStartDate(CTime(2010, 4, 1));
        s.SetEndDate(CTime(2010, 6, 30));
    }

    static bool Show(QDialog& dialog) {
        dialog.show();
        return QTest::qWaitForWindowExposed(&dialog);
    }

    test::ScopedPaths paths;
    test::ScopedUi ui;
    test::ScopedAppState app;
    CTembraDoc doc;
};

TEST_F(SyokiSetDlgTest, EnterMovesOnAndOnlyTheOkButtonCloses) {
    CSyokiSetRekiModel model(&doc);
    model.LoadPeriod(&doc.GetSyokiSet(), nullptr);
    CSyokiSetRekiDlg dialog(model, CSyokiSetRekiDlg::IDD);
    ASSERT_TRUE(Show(dialog));
    auto* rows = Control<QLineEdit>(dialog, CSyokiSetRekiDlg::IDC_ROWS);
    rows->setFocus();
    rows->setText("12");
    QTest::keyClick(rows, Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(rows->hasFocus());
    EXPECT_EQ(dialog.result(), 0);

    auto* ok = Control<QPushButton>(dialog, IDOK);
    ok->setFocus();
    QTest::keyClick(ok, Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(model.Values().rows, 12);
    CSyokiSet stored = doc.GetSyokiSet();
    model.StorePeriod(&stored);
    EXPECT_EQ(stored.GetRowSpan(), 12);
}

TEST_F(SyokiSetDlgTest, ARefusedFieldKeepsTheDialogOpen) {
    CSyokiSetRekiModel model(&doc);
    model.LoadPeriod(&doc.GetSyokiSet(), nullptr);
    CSyokiSetRekiDlg dialog(model, CSyokiSetRekiDlg::IDD);
    ASSERT_TRUE(Show(dialog));
    auto* rows = Control<QLineEdit>(dialog, CSyokiSetRekiDlg::IDC_ROWS);
    rows->setText("151");
    Control<QPushButton>(dialog, IDOK)->click();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(ui->MessageIds().back(), IDS_VALUE_RANGE);
}

TEST_F(SyokiSetDlgTest, AnotherDocumentsOpenDialogRefusesTheCommand) {
    CTembraDoc other;
    other.OnNewDocument();
    ui->ClearRecords();
    bool opened = false;
    ui->OnDialog("SyokiSetRekiDlg", [&opened](DialogRequest&) {
        opened = true;
        return IDCANCEL;
    });
    {
        CSyokiSetRekiModel open(&doc);
        other.GetDayCounting().OnSyokiSet();
        EXPECT_EQ(ui->MessageIds(), std::vector<UINT>{5132});
        EXPECT_FALSE(opened);
    }
    other.GetDayCounting().OnSyokiSet();
    EXPECT_TRUE(opened);
}

TEST_F(SyokiSetDlgTest, ResetKeepsThePaperShown) {
    CSyokiSetRekiModel model(&doc);
    model.LoadPeriod(&doc.GetSyokiSet(), nullptr);
    CSyokiSetRekiDlg dialog(model, CSyokiSetRekiDlg::IDD);
    ASSERT_TRUE(Show(dialog));
    auto* paper = Control<QComboBox>(dialog, CSyokiSetRekiDlg::IDC_PAPER);
    paper->setCurrentIndex(4);
    emit paper->activated(4);
    ASSERT_EQ(model.GetArea().GetPaper(), 4);
    Control<QPushButton>(dialog, CSyokiSetRekiDlg::IDC_RESET)->click();
    EXPECT_EQ(paper->currentIndex(), 4);
    EXPECT_EQ(model.GetArea().GetPaper(), 4);
}

TEST_F(SyokiSetDlgTest, TheElapsedDialogHidesWhatItDoesNotUse) {
    CSyokiSet& s = doc.GetSyokiSet();
    s.SetNobeMode(1);
    s.SetNobeMonthSpan(CTimeSpan(30, 0, 0, 0));
    s.SetJyunbiKikan(CTimeSpan(45, 0, 0, 0));
    CSyokiSetNobeModel model(&doc);
    model.LoadPeriod(&s, nullptr);
    CSyokiSetNobeDlg dialog(model);
    ASSERT_TRUE(Show(dialog));
    EXPECT_FALSE(Control<QComboBox>(dialog, CSyokiSetRekiDlg::IDC_START_YEAR)->isVisible());
    EXPECT_FALSE(Control<QComboBox>(dialog, CSyokiSetRekiDlg::IDC_START_HOUR)->isEnabled());
    EXPECT_FALSE(Control<QComboBox>(dialog, CSyokiSetRekiDlg::IDC_HOLIDAY)->isEnabled());
    EXPECT_EQ(Control<QComboBox>(dialog, CSyokiSetRekiDlg::IDC_START_MONTH)->currentIndex(), 1);
    EXPECT_EQ(Control<QComboBox>(dialog, CSyokiSetRekiDlg::IDC_START_DAY)->currentIndex(), 15);
    auto* length = Control<QLineEdit>(dialog, CSyokiSetRekiDlg::IDC_MONTH_LENGTH);
    EXPECT_EQ(length->text(), "30");
    length->setText("32");
    Control<QPushButton>(dialog, IDOK)->click();
    EXPECT_TRUE(dialog.isVisible());
}

TEST(PaperSelectDlgTest, TheChosenPaperGivesItsCode) {
    struct Case {
        int index; // -1: 決定 at once
        int code;
    };
    for (const Case& c : {Case{-1, 2}, Case{1, 4}, Case{2, 5}}) {
        CPaperSelectDlg dialog;
        test::WhenShown<CPaperSelectDlg>([&c](CPaperSelectDlg& d) {
            if (c.index >= 0) {
                d.PaperList()->setCurrentIndex(c.index);
            }
            Control<QPushButton>(d, IDOK)->click();
        });
        ASSERT_EQ(dialog.DoModal(), IDOK);
        EXPECT_EQ(dialog.GetPaperCode(), c.code);
    }
    CPaperSelectDlg cancelled;
    test::WhenShown<CPaperSelectDlg>(
        [](CPaperSelectDlg& d) { Control<QPushButton>(d, IDCANCEL)->click(); });
    EXPECT_EQ(cancelled.DoModal(), IDCANCEL);
}

TEST(DateColumnDlgTest, ClosedButtonsAreDisabledAndTheStylesComeBack) {
    // Calendar chart, unit 年: 月 in row 1 is closed, 西暦 is chosen instead.
    CDateColumnDlg dialog(0, kUnitYear, false);
    dialog.SetValues({kDateRowMonth, kDateRowNone, kDateRowNone, 0}, {1, 2, 0, 2});
    EXPECT_FALSE(dialog.RowButton(0, 2)->isEnabled());
    EXPECT_TRUE(dialog.RowButton(0, 0)->isChecked());
    EXPECT_TRUE(dialog.StyleButton(1, 2)->isChecked());
    EXPECT_TRUE(dialog.StyleButton(3, 1)->isChecked());
    dialog.StyleButton(3, 0)->click();
    // The era row of rows 1 and 2: 和暦, for 平成 and 令和 years alike.
    EXPECT_EQ(dialog.RowButton(0, 1)->text(), QString::fromUtf8("和暦"));
    EXPECT_EQ(dialog.RowButton(1, 1)->text(), QString::fromUtf8("和暦"));
    dialog.RowButton(0, 1)->click();
    dialog.accept();
    EXPECT_EQ(dialog.GetRows()[0], kDateRowEraYear);
    EXPECT_EQ(dialog.GetStyles(), (std::array<WORD, 4>{1, 2, 0, 0}));
}

} // namespace
} // namespace tembra
