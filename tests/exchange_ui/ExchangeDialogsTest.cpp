// The dialogs of the insert, the QKR import and the hyperlinks, offscreen: what their boxes give
// and the insert command as they drive it.
#include "document/DocFileFormat.h"
#include "document/DocFileRequests.h"
#include "document/HyperLinkRequest.h"
#include "document/RecordCast.h"
#include "exchange/ExchangeFixture.h"
#include "exchange/QkrImport.h"
#include "exchange/ui/HyperLinkDlg.h"
#include "exchange/ui/InsertConfirmDlg.h"
#include "exchange/ui/InsertSelDlg.h"
#include "exchange/ui/QkrImportSelDlg.h"
#include "support/qt/DialogControls.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace tembra {
namespace {

using namespace DocFile;

using test::WhenShown;

void PressEnter(QWidget* target) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
}

TEST(InsertSelDlgTest, EachBoxGivesItsPart) {
    struct Case {
        int id;
        int mask;
    };
    for (const Case& c : {Case{CInsertSelDlg::IDC_CALENDAR, kInsertCalendar},
                          {CInsertSelDlg::IDC_SETTINGS, 0x2},
                          {CInsertSelDlg::IDC_HEADER, 0x4},
                          {CInsertSelDlg::IDC_ITEMS, 0x8},
                          {CInsertSelDlg::IDC_PROCESSES, 0x10},
                          {CInsertSelDlg::IDC_OBJECTS, 0x20},
                          {CInsertSelDlg::IDC_EVENTS, 0x80},
                          {CInsertSelDlg::IDC_SHAPES, 0x100},
                          {CInsertSelDlg::IDC_LAYERS, 0x200},
                          {CInsertSelDlg::IDC_CHOOSE_LAYER, 0}}) {
        InsertSelectRequest request;
        WhenShown<CInsertSelDlg>([&c](CInsertSelDlg& dialog) {
            for (QCheckBox* box : dialog.findChildren<QCheckBox*>()) {
                EXPECT_FALSE(box->isChecked()) << "all clear at the start";
            }
            QCheckBox* box = dialog.findChild<QCheckBox*>(QString::number(c.id));
            ASSERT_NE(box, nullptr) << c.id;
            box->setChecked(true);
            dialog.findChild<QPushButton*>("1")->click();
        });
        EXPECT_EQ(CInsertSelDlg::Run(request, nullptr), IDOK);
        EXPECT_EQ(request.mask, c.mask) << c.id;
        EXPECT_EQ(request.chooseLayer, c.id == CInsertSelDlg::IDC_CHOOSE_LAYER);
    }
    InsertSelectRequest cancelled;
    cancelled.mask = 7;
    WhenShown<CInsertSelDlg>([](CInsertSelDlg& dialog) {
        dialog.CheckBox(CInsertSelDlg::IDC_ITEMS)->setChecked(true);
        dialog.findChild<QPushButton*>("2")->click();
    });
    EXPECT_EQ(CInsertSelDlg::Run(cancelled, nullptr), IDCANCEL);
    EXPECT_EQ(cancelled.mask, 0);
}

TEST(InsertConfirmDlgTest, TheBoxStartsTickedAndYesTakesIt) {
    for (const bool clear : {false, true}) {
        InsertConfirmRequest request;
        WhenShown<CInsertConfirmDlg>([clear](CInsertConfirmDlg& dialog) {
            EXPECT_TRUE(dialog.AdjustBox()->isChecked());
            EXPECT_EQ(dialog.AdjustBox()->objectName(), "1973");
            if (clear) {
                dialog.AdjustBox()->setChecked(false);
            }
            dialog.findChild<QPushButton*>("1")->click();
        });
        EXPECT_EQ(CInsertConfirmDlg::Run(request, nullptr), IDOK);
        EXPECT_EQ(request.adjust, !clear);
    }
    InsertConfirmRequest refused;
    WhenShown<CInsertConfirmDlg>(
        [](CInsertConfirmDlg& dialog) { dialog.findChild<QPushButton*>("2")->click(); });
    EXPECT_EQ(CInsertConfirmDlg::Run(refused, nullptr), IDCANCEL);
}

// ---- The insert command with the dialogs --------------------------------------------------------

class InsertDialogsTest : public test::ExchangeFixture {
protected:
    InsertDialogsTest() {
        ui->OnDialog("InsertSelect",
                     [](DialogRequest& r) { return CInsertSelDlg::Run(r, nullptr); });
        ui->OnDialog("InsertConfirm",
                     [](DialogRequest& r) { return CInsertConfirmDlg::Run(r, nullptr); });
        ui->OnDialog("FileDialog", [this](DialogRequest& r) {
            static_cast<FileDialogRequest&>(r).path = m_file;
            return IDOK;
        });
    }

    // A chart of one process on 2010-06-10..12, saved.
    void WriteChart() {
        auto source = NewChart();
        CChartPos pos;
        pos.SetStartDate(CTime(2010, 6, 10));
        pos.SetEndDate(CTime(2010, 6, 12));
        pos.SetStartRow(30);
        pos.SetEndRow(30);
        source->AddObj(source->CreateKoutei(&pos, TRUE).release(), FALSE);
        m_file = files.File("source.tbr").string();
        ASSERT_TRUE(source->OnSaveDocument(m_file));
    }

    static void Tick(std::vector<int> ids) {
        WhenShown<CInsertSelDlg>([ids](CInsertSelDlg& dialog) {
            for (const int id : ids) {
                dialog.CheckBox(id)->setChecked(true);
            }
            dialog.findChild<QPushButton*>("1")->click();
        });
    }

    std::vector<std::string> Asked() {
        std::vector<std::string> names;
        for (const auto& call : ui->Dialogs()) {
            names.push_back(call.name);
        }
        return names;
    }

    std::string m_file;
};

TEST_F(InsertDialogsTest, SettingsWithoutThePrintHeaderEndTheInsert) {
    WriteChart();
    auto chart = NewChart();
    Tick({CInsertSelDlg::IDC_SETTINGS});
    chart->OnFileInsert();
    EXPECT_EQ(Messages(), std::vector<UINT>{5091});
    EXPECT_EQ(Asked(), std::vector<std::string>{"InsertSelect"});
}

TEST_F(InsertDialogsTest, AnElapsedDayChartIsNotAskedToConfirm) {
    WriteChart();
    auto chart = NewChart();
    ASSERT_TRUE(chart->InitNewDocument(1));
    Tick({CInsertSelDlg::IDC_PROCESSES});
    chart->OnFileInsert();
    EXPECT_EQ(Asked(), (std::vector<std::string>{"InsertSelect", "FileDialog"}));
    chart->UnselectAll(FALSE);
    EXPECT_EQ(chart->GetObjCount(), 1);
}

TEST_F(InsertDialogsTest, AConfirmationWithoutAdjustingKeepsThePlaces) {
    WriteChart();
    for (const bool adjust : {true, false}) {
        auto chart = NewChart();
        ui->ClearRecords();
        Tick({CInsertSelDlg::IDC_PROCESSES});
        WhenShown<CInsertConfirmDlg>([adjust](CInsertConfirmDlg& dialog) {
            // The next dialog's turn comes after this one closes.
            dialog.AdjustBox()->setChecked(adjust);
            dialog.findChild<QPushButton*>("1")->click();
        });
        chart->OnFileInsert();
        EXPECT_EQ(Asked(),
                  (std::vector<std::string>{"InsertSelect", "InsertConfirm", "FileDialog"}));
        chart->UnselectAll(FALSE);
        POSITION pos = chart->GetHeadObjPosition();
        const CKoutei* process = AsKoutei(chart->GetNextObj(pos));
        ASSERT_NE(process, nullptr);
        if (adjust) {
            EXPECT_EQ(process->GetStartTime(), chart->GetSyokiSet().GetStartDate());
        } else {
            EXPECT_EQ(process->GetStartTime(), CTime(2010, 6, 10)) << "flag 0x8000";
            EXPECT_EQ(process->GetStartRow(), 30);
        }
    }
}

// ---- The QKR selection -------------------------------------------------------------------------

TEST(QkrImportSelDlgTest, TheCalendarStaysWithProcessesAndEvents) {
    test::ScopedUi ui;
    DWORD flags = kQkrAll;
    CQkrImportSelDlg dialog(flags);
    QCheckBox* calendar = dialog.CheckBox(CQkrImportSelDlg::IDC_CALENDAR);
    QCheckBox* processes = dialog.CheckBox(CQkrImportSelDlg::IDC_PROCESSES);
    QCheckBox* events = dialog.CheckBox(CQkrImportSelDlg::IDC_EVENTS);
    for (QCheckBox* box : dialog.findChildren<QCheckBox*>()) {
        EXPECT_TRUE(box->isChecked()) << box->objectName().toStdString();
    }
    calendar->click();
    EXPECT_TRUE(calendar->isChecked()) << "refused";
    ASSERT_EQ(ui->MessageBoxes().size(), 1u);
    EXPECT_EQ(ui->MessageBoxes()[0].stringId, IDS_QKR_CALENDAR_NEEDED);

    processes->click();
    calendar->click();
    EXPECT_TRUE(calendar->isChecked()) << "the events still need it";
    events->click();
    calendar->click();
    EXPECT_FALSE(calendar->isChecked());
    EXPECT_EQ(ui->MessageBoxes().size(), 2u);
    events->click();
    EXPECT_TRUE(calendar->isChecked()) << "ticked with the events";

    dialog.OkButton()->click();
    EXPECT_EQ(flags, DWORD{kQkrCalendar | kQkrHeader | kQkrItems | kQkrEvents});
}

TEST(QkrImportSelDlgTest, EnterTakesTheChoiceOnlyOnItsButton) {
    DWORD flags = kQkrItems;
    CQkrImportSelDlg dialog(flags);
    dialog.show();
    QCheckBox* items = dialog.CheckBox(CQkrImportSelDlg::IDC_ITEMS);
    items->setFocus();
    items->setChecked(false);
    PressEnter(items);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_NE(dialog.focusWidget(), items) << "the focus moved on";
    EXPECT_EQ(flags, DWORD{kQkrItems});

    dialog.CancelButton()->setFocus();
    PressEnter(dialog.CancelButton());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(flags, DWORD{kQkrItems});

    dialog.show();
    dialog.CheckBox(CQkrImportSelDlg::IDC_HEADER)->setChecked(true);
    dialog.OkButton()->setFocus();
    PressEnter(dialog.OkButton());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(flags, DWORD{kQkrHeader});
}

// ---- The hyperlink dialog -----------------------------------------------------------------------

class ChosenFileHyperLinkDlg : public CHyperLinkDlg {
public:
    using CHyperLinkDlg::CHyperLinkDlg;
    QString chosen;

protected:
    QString ChooseFile() override { return chosen; }
};

TEST(HyperLinkDlgTest, TheLabelFollowsTheKind) {
    CHyperLinkDlg dialog(CHyperLinkDlg::IDS_EDIT_LINK);
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("ハイパーリンクの編集"));
    dialog.m_nKind = 1;
    dialog.m_strTarget = "someone@example.com";
    WhenShown<CHyperLinkDlg>([](CHyperLinkDlg& shown) {
        EXPECT_EQ(shown.TargetLabel()->text(), QString::fromUtf8("電子メールアドレス:"));
        EXPECT_EQ(shown.TargetEdit()->text(), "someone@example.com");
        EXPECT_TRUE(shown.KindButton(1)->isChecked());
        shown.KindButton(0)->click();
        EXPECT_EQ(shown.TargetLabel()->text(), QString::fromUtf8("ファイル名またはWebページ名:"));
        shown.TextEdit()->setText(QString::fromUtf8("図面"));
        shown.TargetEdit()->setText("http://example.com/");
        shown.findChild<QPushButton*>("1")->click();
    });
    ASSERT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_EQ(dialog.m_nKind, 0);
    EXPECT_EQ(dialog.m_strText, test::J("図面"));
    EXPECT_EQ(dialog.m_strTarget, "http://example.com/");
}

// The document's request: what it carries is shown, OK hands the edit back, Cancel keeps it.
TEST(HyperLinkDlgTest, TheRequestGoesInAndComesBackOnOk) {
    for (const bool ok : {true, false}) {
        SCOPED_TRACE(ok);
        HyperLinkRequest request;
        request.captionId = CHyperLinkDlg::IDS_EDIT_LINK;
        request.text = "a";
        request.address = "x@example.com";
        request.mail = true;
        WhenShown<CHyperLinkDlg>([ok](CHyperLinkDlg& shown) {
            EXPECT_EQ(shown.windowTitle(), QString::fromUtf8("ハイパーリンクの編集"));
            EXPECT_EQ(shown.TargetEdit()->text(), "x@example.com");
            EXPECT_TRUE(shown.KindButton(1)->isChecked());
            shown.KindButton(0)->click();
            shown.TargetEdit()->setText("https://example.com/");
            shown.findChild<QPushButton*>(ok ? "1" : "2")->click();
        });
        EXPECT_EQ(CHyperLinkDlg::Run(request, nullptr), ok ? IDOK : IDCANCEL);
        EXPECT_EQ(request.address, ok ? "https://example.com/" : "x@example.com");
        EXPECT_EQ(request.mail, !ok);
        EXPECT_EQ(request.text, "a");
    }
}

TEST(HyperLinkDlgTest, BrowsingPutsTheFileChosenInTheTarget) {
    ChosenFileHyperLinkDlg dialog(CHyperLinkDlg::IDS_INSERT_LINK);
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("ハイパーリンクの挿入"));
    dialog.m_nKind = 0;
    dialog.m_strText = "keep";
    WhenShown<CHyperLinkDlg>([](CHyperLinkDlg& dialogShown) {
        auto& shown = static_cast<ChosenFileHyperLinkDlg&>(dialogShown);
        shown.chosen = "/tmp/plan.pdf";
        QPushButton* browse = shown.findChild<QPushButton*>("1048");
        browse->click();
        EXPECT_EQ(shown.TargetEdit()->text(), "/tmp/plan.pdf");
        EXPECT_EQ(shown.TextEdit()->text(), "keep");
        shown.chosen.clear();
        browse->click();
        EXPECT_EQ(shown.TargetEdit()->text(), "/tmp/plan.pdf") << "cancelled: unchanged";
        shown.findChild<QPushButton*>("1")->click();
    });
    ASSERT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_EQ(dialog.m_strTarget, "/tmp/plan.pdf");
}

} // namespace
} // namespace tembra
