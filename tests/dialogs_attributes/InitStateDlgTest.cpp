// The initial state dialog offscreen over a layout folder with a standard and a safety-plan
// layout: the reset, the paper and layout questions, the ranges, a paper the list lacks, the
// area names edited on the copy, the data folder chooser, and what reaches the profile.
#include "dialogs/attributes/InitStateDlg.h"
#include "dialogs/attributes/RegisterAttributeDialogs.h"

#include "dialogs_attributes/DialogTestSupport.h"
#include "model/ConfigBase.h"
#include "model/OptionDialogRequest.h"
#include "model/PrintArea.h"
#include "platform/RangeMessage.h"
#include "platform/qt/FolderSelect.h"
#include "print/ui/LayoutSelDlg.h"
#include "render/AreaNameSheetRequest.h"
#include "support/Cp932Text.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

namespace tembra {
namespace {

using test::Control;
using test::J;
using Dlg = CInitStateDlg;

void Ok(QDialog& d) {
    Control<QPushButton>(d, 1)->click();
}
void Pick(const QDialog& d, int id, int index) {
    QComboBox* combo = Control<QComboBox>(d, id);
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

class InitStateDlgTest : public ::testing::Test {
protected:
    // The shipped standard layout, and a copy of it marked as the safety-plan form.
    InitStateDlgTest() {
        const std::string standard =
            test::TempDir::Read(std::filesystem::path(TEMBRA_DATA_DIR) / "MASTER01.LYT");
        paths.Dir().Write("shipped/MASTER01.LYT", standard);
        paths.Dir().Write("writable/MASTER01.LYT", standard);
        std::string safe = standard;
        Replace(safe, "LayoutName=" + J("標準書式"), "LayoutName=" + J("安全衛生"));
        Replace(safe, "LayoutDiscernmentFlag=0", "LayoutDiscernmentFlag=1");
        paths.Dir().Write("writable/SAFE.LYT", safe);
        // The page areas come from the application's layout: these settings are the
        // application's while the test runs.
        m_previous = SetAppConfig(&settings);
        settings.Read(FALSE);
        ui->ClearRecords();
    }
    ~InitStateDlgTest() override { SetAppConfig(m_previous); }
    static void Replace(std::string& text, const std::string& from, const std::string& to) {
        const std::size_t at = text.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        text.replace(at, from.size(), to);
    }
    QString Text(const QDialog& d, int id) { return Control<QLineEdit>(d, id)->text(); }
    QString Paper(const QDialog& d) { return Control<QComboBox>(d, Dlg::IDC_PAPER)->currentText(); }
    // Chooses the layout whose list text starts with the file name in the selection dialog.
    static void ChooseLayout(const char* file) {
        test::WhenShown<CLayoutSelDlg>([file](CLayoutSelDlg& select) {
            for (int i = 0; i < select.List()->count(); ++i) {
                if (select.List()->item(i)->text().startsWith(QString::fromUtf8(file))) {
                    select.List()->setCurrentRow(i);
                }
            }
            select.OkButton()->click();
        });
    }

    test::ScopedPaths paths;
    test::ScopedUi ui;
    CConfigBase settings;

private:
    CConfigBase* m_previous = nullptr;
};

TEST_F(InitStateDlgTest, ResetShowsTheBuiltInDefaults) {
    settings.SetKikan(120);
    settings.SetLines(12);
    settings.SetMaeYohaku(5);
    settings.SetMonthDays(20);
    CInitStateDlg dialog(&settings);
    EXPECT_EQ(Text(dialog, 1361), "120");
    Control<QPushButton>(dialog, Dlg::IDC_RESET)->click();
    QStringList shown;
    for (int id : {1361, 1615, 1670, 1671, 1680, 1008}) {
        shown << Text(dialog, id);
    }
    EXPECT_EQ(shown, QStringList({"40", "40", "0", "0", "0", "30"}));
    EXPECT_EQ(Text(dialog, Dlg::IDC_LAYOUT_NAME), QString::fromUtf8("標準書式"));
    dialog.reject();
    EXPECT_EQ(settings.GetKikan(), 120);
}

// The safety-plan form on Ａ４ asks to switch to Ａ３ (Yes); picking Ａ４ under it asks to go
// back to the standard form (No keeps Ａ３, Yes takes the standard form on Ａ４).
TEST_F(InitStateDlgTest, TheSafetyPlanFormAndThePaper) {
    CInitStateDlg dialog(&settings);
    dialog.show();
    EXPECT_EQ(Paper(dialog), QString::fromUtf8("Ａ４"));
    ui->QueueAnswer(IDYES);
    ChooseLayout("SAFE.LYT");
    Control<QPushButton>(dialog, Dlg::IDC_LAYOUT_CHANGE)->click();
    EXPECT_EQ(ui->MessageIds(), std::vector<UINT>{IDS_LAYOUT_NEEDS_A3});
    EXPECT_EQ(Paper(dialog), QString::fromUtf8("Ａ３"));
    EXPECT_EQ(Text(dialog, Dlg::IDC_LAYOUT_NAME), QString::fromUtf8("安全衛生"));

    ui->ClearRecords();
    ui->QueueAnswer(IDNO);
    Pick(dialog, Dlg::IDC_PAPER, 0);
    EXPECT_EQ(ui->MessageIds(), std::vector<UINT>{IDS_PAPER_NEEDS_STANDARD});
    EXPECT_EQ(Paper(dialog), QString::fromUtf8("Ａ３"));

    ui->ClearRecords();
    ui->QueueAnswer(IDYES);
    Pick(dialog, Dlg::IDC_PAPER, 1);
    EXPECT_EQ(Paper(dialog), QString::fromUtf8("Ｂ４"));
    EXPECT_EQ(Text(dialog, Dlg::IDC_LAYOUT_NAME), QString::fromUtf8("標準書式"));
    Ok(dialog);
    EXPECT_EQ(settings.GetPath().GetLayoutFileName(), "MASTER01.LYT");
    EXPECT_EQ(settings.GetChart().GetPageSetting().GetPaper(), kPaperB4);
}

TEST_F(InitStateDlgTest, TheSafetyPlanFormRefusedKeepsTheLayout) {
    CInitStateDlg dialog(&settings);
    dialog.show();
    ui->QueueAnswer(IDNO);
    ChooseLayout("SAFE.LYT");
    Control<QPushButton>(dialog, Dlg::IDC_LAYOUT_CHANGE)->click();
    EXPECT_EQ(Paper(dialog), QString::fromUtf8("Ａ４"));
    EXPECT_EQ(Text(dialog, Dlg::IDC_LAYOUT_NAME), QString::fromUtf8("標準書式"));
    Ok(dialog);
    EXPECT_EQ(settings.GetPath().GetLayoutFileName(), "MASTER01.LYT");
}

TEST_F(InitStateDlgTest, NumbersOutsideTheirRangeAreRefused) {
    struct Case {
        int id;
        const char* typed;
        bool taken;
    };
    const Case cases[] = {{1361, "0", false},   {1361, "3651", false}, {1361, "3650", true},
                          {1361, "1", true},    {1615, "101", false},  {1008, "32", false},
                          {1043, "9999", true}, {1680, "366", false}};
    for (const Case& c : cases) {
        ui->ClearRecords();
        CConfigBase edited = settings;
        CInitStateDlg dialog(&edited);
        dialog.show();
        QLineEdit* field = Control<QLineEdit>(dialog, c.id);
        field->setText(c.typed);
        Ok(dialog);
        EXPECT_EQ(dialog.result() == QDialog::Accepted, c.taken) << c.id << " " << c.typed;
        if (!c.taken) {
            EXPECT_EQ(ui->MessageIds(), std::vector<UINT>{IDS_VALUE_RANGE}) << c.typed;
            EXPECT_EQ(dialog.focusWidget(), field) << c.id << " " << c.typed;
            EXPECT_EQ(edited.GetKikan(), settings.GetKikan());
        }
    }
}

// What 決定 writes goes to the profile under the command's mask and is read back: a paper the
// list lacks with its orientation, the week mode and the data folder.
TEST_F(InitStateDlgTest, OkWritesWhatTheProfileReadsBack) {
    for (int paper : {kPaperA2, kPaperA3Tate}) {
        settings.GetChart().GetPageSetting().SetPaperKind(paper);
        settings.GetChart().GetPageSetting().SetOrientation(paper == kPaperA3Tate ? 1 : 0);
        settings.GetChart().GetDateStyle().SetMode(4, 1);
        CInitStateDlg dialog(&settings);
        EXPECT_EQ(Control<QComboBox>(dialog, Dlg::IDC_PAPER)->currentIndex(), -1);
        EXPECT_TRUE(Control<QRadioButton>(dialog, 1884)->isChecked());
        Control<QRadioButton>(dialog, Dlg::IDC_ELAPSED)->click();
        Control<QLineEdit>(dialog, 1361)->setText("365");
        Control<QLineEdit>(dialog, Dlg::IDC_DATA_PATH)->setText("/data/charts");
        Ok(dialog);
        ASSERT_EQ(dialog.result(), QDialog::Accepted);
        ASSERT_TRUE(settings.Write(kConfigBase | kConfigPath));
        CConfigBase reread;
        reread.Read(TRUE);
        EXPECT_EQ(reread.GetChart().GetPageSetting().GetPaper(), paper);
        EXPECT_EQ(reread.GetChart().GetPageSetting().GetMuki(), paper == kPaperA3Tate ? 1 : 0);
        EXPECT_EQ(reread.GetChart().GetDateStyle().GetMode(4), 0);
        EXPECT_EQ(reread.GetKikan(), 365);
        EXPECT_EQ(reread.GetNobeMode(), 1);
        EXPECT_EQ(reread.GetPath().GetDataPath(), "/data/charts");
    }
}

TEST_F(InitStateDlgTest, AreaNamesAreEditedOnTheCopyAndKeptOnOkOnly) {
    ui->OnDialog("AreaNameSheet", [](DialogRequest& r) {
        static_cast<AreaNameSheetRequest&>(r).areaNames.SetKoumokuName(J("工種"));
        return IDOK;
    });
    const std::string before = settings.GetChart().GetAreaNameSet().GetKoumokuName();
    for (bool ok : {false, true}) {
        CInitStateDlg dialog(&settings);
        Control<QPushButton>(dialog, Dlg::IDC_AREA_NAMES)->click();
        EXPECT_EQ(settings.GetChart().GetAreaNameSet().GetKoumokuName(), before);
        if (ok) {
            Ok(dialog);
        } else {
            dialog.reject();
        }
        EXPECT_EQ(settings.GetChart().GetAreaNameSet().GetKoumokuName(), ok ? J("工種") : before);
    }
}

TEST_F(InitStateDlgTest, BrowseStartsAtTheFolderWithoutItsTrailingSeparator) {
    test::TempDir data;
    std::filesystem::create_directories(data.File("sub"));
    const std::string folder = data.Path().string();
    settings.GetPath().SetDataPath(folder + "/");
    CInitStateDlg dialog(&settings);
    QString started;
    test::WhenShown<QFileDialog>([&started](QFileDialog& files) {
        started = files.directory().absolutePath();
        files.reject();
    });
    Control<QPushButton>(dialog, Dlg::IDC_BROWSE)->click();
    EXPECT_EQ(started, QString::fromStdString(folder));
    EXPECT_EQ(CFolderSelect::LastFolder(), folder);
    EXPECT_EQ(Text(dialog, Dlg::IDC_DATA_PATH), QString::fromStdString(folder + "/"));

    test::WhenShown<QFileDialog>([&data](QFileDialog& files) {
        EXPECT_EQ(files.windowTitle(),
                  QString::fromUtf8("データを格納するフォルダを選択してください"));
        files.selectFile(QString::fromStdString(data.File("sub").string()));
        static_cast<QDialog&>(files).accept();
    });
    Control<QPushButton>(dialog, Dlg::IDC_BROWSE)->click();
    EXPECT_EQ(Text(dialog, Dlg::IDC_DATA_PATH), QString::fromStdString(data.File("sub").string()));
    EXPECT_EQ(CFolderSelect::LastFolder(), data.File("sub").string());
}

TEST_F(InitStateDlgTest, TheOptionRequestIsAnsweredByTheDialog) {
    test::KeepingRegistry registry;
    RegisterAttributeDialogs(registry);
    OptionDialogRequest request("InitialState", &settings);
    test::WhenShown<CInitStateDlg>([](CInitStateDlg& d) {
        Control<QLineEdit>(d, 1615)->setText("55");
        Ok(d);
    });
    EXPECT_EQ(registry.Run(request), IDOK);
    EXPECT_EQ(settings.GetLines(), 55);
}

} // namespace
} // namespace tembra
