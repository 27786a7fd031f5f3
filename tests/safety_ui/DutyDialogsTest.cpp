// The duty roster's dialogs offscreen: the band choice, the roster sheet with its two pages on a
// 20-row A3 chart of March 2010 (its default rows, the date kept after a declined overlap
// question, the frames after 決定), and the duty staff dialog writing SHIFT.INI as it is edited.
#include "safety/ui/DutyGroupLoadDlg.h"
#include "safety/ui/DutyGroupNameDlg.h"
#include "safety/ui/DutyStaffDlg.h"
#include "safety/ui/ManeiToubanP1.h"
#include "safety/ui/ManeiToubanP2.h"
#include "safety/ui/ManeiToubanSheet.h"
#include "safety/ui/PlanRowCombo.h"
#include "safety/ui/RegisterSafetyDialogs.h"
#include "safety/ui/ToubanCreateSelDlg.h"
#include "safety/ui/ToubanListEditor.h"

#include "document/SafetyBoardRequests.h"
#include "model/ConfigBase.h"
#include "model/OptionDialogRequest.h"
#include "platform/Paths.h"
#include "platform/qt/DialogRegistry.h"
#include "safety/PlanChart.h"
#include "safety/ToubanLastList.h"
#include "support/Cp932Text.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"
#include "support/qt/DialogControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include <gtest/gtest.h>

#include <map>

namespace tembra {
namespace {

using test::Day;
using test::J;
using test::PlanChart;

QString U(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QStringList Items(const QListWidget* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i) {
        items << list->item(i)->text();
    }
    return items;
}

QStringList Items(const QComboBox* combo) {
    QStringList items;
    for (int i = 0; i < combo->count(); ++i) {
        items << combo->itemText(i);
    }
    return items;
}

void Type(CToubanListEditor& editor, const char* name, int button) {
    editor.NameField()->setText(U(name));
    editor.Button(button)->click();
}

// Keeps the handlers registered and runs one by its request's name.
class FakeDialogRegistry : public IDialogRegistry {
public:
    void Register(const std::string& name, DialogHandler handler) override {
        m_handlers[name] = std::move(handler);
    }
    QWidget* DialogParent() const override { return nullptr; }
    int Run(DialogRequest& request) { return m_handlers.at(request.Name())(request); }

private:
    std::map<std::string, DialogHandler> m_handlers;
};

enum { kAdd, kInsert, kModify, kDelete, kHead, kUp, kDown };

TEST(ToubanCreateSelDlgTest, EachChoiceGivesItsMask) {
    CToubanCreateSelDlg dialog;
    EXPECT_EQ(dialog.Mask(), 5);
    dialog.Choice(1)->setChecked(true);
    EXPECT_EQ(dialog.Mask(), 1);
    dialog.Choice(2)->setChecked(true);
    EXPECT_EQ(dialog.Mask(), 4);
}

class DutySheetTest : public testing::Test {
protected:
    test::ScopedPaths paths;
    PlanChart chart{Day(2010, 3, 1), Day(2010, 3, 31)};
    test::ScopedUi ui;
};

TEST_F(DutySheetTest, ThePagesOfTheMaskShowTheDefaultRows) {
    CManeiToubanSheet both(kDutyBoth, chart.doc, chart.layout);
    ASSERT_EQ(both.Tabs()->count(), 2);
    EXPECT_EQ(both.Tabs()->tabText(0), U("作業所"));
    EXPECT_EQ(both.WorkSitePage()->RowField(0)->Value(), 16);
    EXPECT_EQ(both.WorkSitePage()->RowField(1)->Value(), 17);
    EXPECT_EQ(both.PartnerPage()->RowField(0)->Value(), 18);
    EXPECT_EQ(both.PartnerPage()->RowField(1)->Value(), 20);
    EXPECT_EQ(both.WorkSitePage()->DateField()->date(), QDate(2010, 3, 1));
    CManeiToubanSheet partners(kDutyPartners, chart.doc, chart.layout);
    ASSERT_EQ(partners.Tabs()->count(), 1);
    EXPECT_EQ(partners.Tabs()->tabText(0), U("協力会社"));
}

TEST_F(DutySheetTest, PageControlsEnableByTheirChoices) {
    CManeiToubanSheet sheet(kDutyBoth, chart.doc, chart.layout);
    CManeiToubanP1& site = *sheet.WorkSitePage();
    site.HolidayCheck()->setChecked(true);
    EXPECT_FALSE(site.HolidayStyleList()->isEnabled());
    site.HolidayCheck()->setChecked(false);
    EXPECT_TRUE(site.HolidayStyleList()->isEnabled());
    CManeiToubanP2& partners = *sheet.PartnerPage();
    EXPECT_TRUE(partners.WeekdayList()->isEnabled());
    EXPECT_FALSE(partners.DateField()->isEnabled());
    partners.ModeButton(1)->click();
    EXPECT_FALSE(partners.WeeksList()->isEnabled());
    EXPECT_TRUE(partners.ShiftList()->isEnabled());
    // Rows typed in reverse reach the builder in order.
    partners.RowField(0)->setEditText("20");
    partners.RowField(1)->setEditText("18");
    partners.ShiftList()->setCurrentIndex(4);
    ASSERT_TRUE(partners.Apply());
    EXPECT_EQ(partners.Values().widthMode, 1);
    EXPECT_EQ(partners.Values().shiftDays, 5);
    EXPECT_EQ(partners.Values().rows.Ordered(), (PlanRowRange{18, 20}));
}

TEST_F(DutySheetTest, TheWorkSiteListKeepsOneHead) {
    CManeiToubanSheet sheet(kDutyWorkSite, chart.doc, chart.layout);
    CToubanListEditor& editor = *sheet.WorkSitePage()->Editor();
    Type(editor, "A", kAdd);
    Type(editor, "B", kAdd);
    Type(editor, "C", kAdd);
    Type(editor, "b", kAdd);   // another name on the page
    Type(editor, "a=b", kAdd); // the page's own list takes what the file would refuse
    EXPECT_EQ(Items(editor.ListBox()), (QStringList{U("A(先頭)"), "B", "C", "b", "a=b"}));
    EXPECT_TRUE(editor.NameField()->text().isEmpty());
    editor.ListBox()->setCurrentRow(0);
    EXPECT_EQ(editor.NameField()->text(), "A");
    editor.Button(kDelete)->click();
    EXPECT_EQ(Items(editor.ListBox()).first(), U("B(先頭)"));
    editor.ListBox()->setCurrentRow(2);
    editor.Button(kUp)->click();
    EXPECT_EQ(editor.ListBox()->currentRow(), 1);
    editor.Button(kHead)->click();
    EXPECT_EQ(Items(editor.ListBox()).mid(0, 3), (QStringList{"B", U("b(先頭)"), "C"}));
    editor.ListBox()->setCurrentRow(-1);
    editor.ListBox()->clearSelection();
    editor.Button(kHead)->click();
    EXPECT_EQ(sheet.WorkSitePage()->Editor()->List().Head(), std::nullopt);
}

// A declined overlap question shows the sheet again on the work-site page with what was typed,
// the date included; 決定 then builds, and the duty persons are gone once the sheet has ended.
TEST_F(DutySheetTest, ADeclinedOverlapKeepsTheValuesTyped) {
    chart.AddFrame(CZukeiString::kTagEmpty, 18, 19);
    FakeDialogRegistry registry;
    RegisterSafetyDialogs(registry);
    ManeiToubanSheetRequest request;
    request.choice = kDutyBoth;
    request.document = &chart.doc;
    request.layout = &chart.layout;
    request.settings = &chart.doc.GetSyokiSet();
    ui->QueueAnswer(IDNO);
    ui->QueueAnswer(IDYES);
    int shown = 0;
    std::function<void(CManeiToubanSheet&)> act = [&](CManeiToubanSheet& sheet) {
        ++shown;
        CManeiToubanP1& site = *sheet.WorkSitePage();
        if (shown == 1) {
            sheet.Tabs()->setCurrentIndex(1);
            site.DateField()->setDate(QDate(2010, 3, 10));
            Type(*site.Editor(), "A", kAdd);
            Type(*site.Editor(), "B", kAdd);
        } else {
            EXPECT_EQ(sheet.Tabs()->currentIndex(), 0);
            EXPECT_EQ(site.DateField()->date(), QDate(2010, 3, 10));
            EXPECT_EQ(site.Editor()->List().Size(), 2);
        }
        sheet.OkButton()->click();
        if (shown == 1) {
            test::WhenShown<CManeiToubanSheet>(act);
        }
    };
    test::WhenShown<CManeiToubanSheet>(act);
    EXPECT_EQ(registry.Run(request), IDOK);
    EXPECT_EQ(shown, 2);
    ASSERT_EQ(ui->MessageBoxes().size(), 2u);
    EXPECT_EQ(
        ui->MessageBoxes()[0].text,
        "18 ～ 19 行目の「安全当番」枠 と重なります。\n\nこのまま「安全当番」枠を作成しますか？");
    // The frame in the way, the common title, three + 31 work-site and three + 5 partner frames.
    const std::vector<CZukeiString*> frames = chart.Frames();
    ASSERT_EQ(frames.size(), 1u + 1 + 3 + 31 + 3 + 5);
    EXPECT_EQ(frames[5 + 9]->GetText(), "A"); // 10 March
    EXPECT_EQ(frames[5 + 8]->GetText(), "B");
}

// The command's two requests: the choice gives its mask; a sheet ended by 取消 builds nothing
// and saves no list, whatever its pages held.
TEST_F(DutySheetTest, TheChoiceAndACancelledSheetThroughTheirRequests) {
    FakeDialogRegistry registry;
    RegisterSafetyDialogs(registry);
    ToubanCreateSelRequest choice;
    test::WhenShown<CToubanCreateSelDlg>([](CToubanCreateSelDlg& dialog) {
        dialog.Choice(2)->setChecked(true);
        dialog.accept();
    });
    EXPECT_EQ(registry.Run(choice), IDOK);
    EXPECT_EQ(choice.choice, kDutyPartners);

    ManeiToubanSheetRequest sheet;
    sheet.choice = kDutyBoth;
    sheet.document = &chart.doc;
    sheet.layout = &chart.layout;
    test::WhenShown<CManeiToubanSheet>([](CManeiToubanSheet& dialog) {
        Type(*dialog.WorkSitePage()->Editor(), "A", kAdd);
        dialog.CancelButton()->click();
    });
    EXPECT_EQ(registry.Run(sheet), IDCANCEL);
    EXPECT_TRUE(chart.Frames().empty());
    EXPECT_TRUE(LoadLastList().empty());
}

class DutyStaffDlgTest : public testing::Test {
protected:
    std::string Bytes() const {
        return Sjis::ToUtf8(
            test::TempDir::Read(ConfigPathToFs(config.GetPath().GetShiftFilePath())));
    }
    // Answers the next name dialog with a name (nothing: 取消).
    static void Name(std::optional<const char*> name) {
        test::WhenShown<CDutyGroupNameDlg>([name](CDutyGroupNameDlg& dialog) {
            if (name) {
                dialog.NameField()->setText(U(*name));
                dialog.accept();
            } else {
                dialog.reject();
            }
        });
    }

    test::ScopedPaths paths;
    CConfigBase config = [] {
        CConfigBase c;
        c.GetPath().Read(FALSE);
        return c;
    }();
    test::ScopedUi ui;
};

TEST_F(DutyStaffDlgTest, ANewInstallationStartsWithoutTheFile) {
    CDutyStaffDlg dialog(config.GetPath());
    EXPECT_EQ(dialog.GroupList()->count(), 0);
    EXPECT_EQ(dialog.Editor()->ListBox()->count(), 0);
    EXPECT_EQ(config.GetPath().GetShiftFilePath().find(Sjis::FromUtf8(paths.Writable().string())),
              0u);
    // Without a group no person is taken.
    Type(*dialog.Editor(), "A", kAdd);
    EXPECT_EQ(dialog.Editor()->ListBox()->count(), 0);
    test::WhenShown<CDutyGroupNameDlg>([](CDutyGroupNameDlg& name) {
        EXPECT_EQ(name.NameField()->text(), U("新しいグループ名"));
        name.accept();
    });
    dialog.OnNewGroup();
    EXPECT_EQ(Bytes(), "[GroupName]\r\n新しいグループ名=\r\n");
    Type(*dialog.Editor(), "A", kAdd);
    Type(*dialog.Editor(), "B", kAdd);
    EXPECT_EQ(Bytes(), "[GroupName]\r\n新しいグループ名=\r\n[新しいグループ名]\r\nA=1\r\nB=\r\n");
}

TEST_F(DutyStaffDlgTest, NamesTheFileWouldMergeAreRefused) {
    CDutyStaffDlg dialog(config.GetPath());
    Name("G");
    dialog.OnNewGroup();
    CToubanListEditor& editor = *dialog.Editor();
    Type(editor, "Tanaka", kAdd);
    Type(editor, "TANAKA", kAdd); // silently, as any duplicate
    Type(editor, " x", kAdd);
    Type(editor, "a=b", kAdd);
    EXPECT_EQ(Items(editor.ListBox()), (QStringList{U("Tanaka(先頭)")}));
    EXPECT_EQ(ui->MessageBoxes().size(), 2u);
    // A group name equal but for case: 5115 and the name dialog again; then 取消.
    Name("g");
    Name(std::nullopt);
    dialog.OnNewGroup();
    EXPECT_EQ(ui->MessageIds().back(), 5115u);
    EXPECT_EQ(Items(dialog.GroupList()), (QStringList{"G"}));
}

TEST_F(DutyStaffDlgTest, RenameAndDeleteKeepTheFileInStep) {
    CDutyStaffDlg dialog(config.GetPath());
    Name("A");
    dialog.OnNewGroup();
    Type(*dialog.Editor(), "X", kAdd);
    Type(*dialog.Editor(), "Y", kAdd);
    dialog.Editor()->ListBox()->setCurrentRow(1);
    dialog.Editor()->Button(kHead)->click();
    Name("Z");
    dialog.OnNewGroup();
    dialog.GroupList()->setCurrentIndex(0);
    EXPECT_EQ(dialog.CurrentGroup(), "A");
    Name("B");
    dialog.OnRenameGroup();
    EXPECT_EQ(Bytes(), "[GroupName]\r\nZ=\r\nB=\r\n[B]\r\nX=\r\nY=1\r\n");
    EXPECT_EQ(Items(dialog.GroupList()), (QStringList{"B", "Z"}));
    EXPECT_EQ(Items(dialog.Editor()->ListBox()), (QStringList{"X", U("Y(先頭)")}));
    // Deleting asks twice; a cancel on either keeps the group.
    ui->QueueAnswer(IDOK);
    ui->QueueAnswer(IDCANCEL);
    dialog.GroupList()->setCurrentIndex(1);
    dialog.OnDeleteGroup();
    EXPECT_EQ(dialog.GroupList()->count(), 2);
    EXPECT_EQ(ui->MessageBoxes()[0].text, "グループ「Z」を削除します");
    ui->QueueAnswer(IDOK);
    ui->QueueAnswer(IDOK);
    dialog.OnDeleteGroup();
    EXPECT_EQ(ui->MessageIds(), (std::vector<UINT>{1067, 1068, 1067, 1068}));
    // The last group went: the first one shows.
    EXPECT_EQ(Items(dialog.GroupList()), (QStringList{"B"}));
    EXPECT_EQ(dialog.CurrentGroup(), "B");
    EXPECT_EQ(Bytes().find("[Z]"), std::string::npos);
}

TEST_F(DutyStaffDlgTest, AHandEditedHeadIsShownAndWrittenBackAsOne) {
    paths.Dir().Write("writable/SHIFT.INI", J("[GroupName]\r\nG=\r\n[G]\r\nA=\r\nB=2\r\nC=1\r\n"));
    CDutyStaffDlg dialog(config.GetPath());
    EXPECT_EQ(Items(dialog.Editor()->ListBox()), (QStringList{"A", U("B(先頭)"), U("C(先頭)")}));
    dialog.Editor()->ListBox()->setCurrentRow(0);
    dialog.Editor()->Button(kDown)->click();
    EXPECT_NE(Bytes().find("[G]\r\nB=1\r\nA=\r\nC=1\r\n"), std::string::npos);
    // The roster's load dialog takes the group with its persons.
    CDutyGroupLoadDlg load(config.GetPath());
    EXPECT_EQ(load.Group(), "G");
    EXPECT_EQ(Items(load.PersonList()), (QStringList{U("B(先頭)"), "A", U("C(先頭)")}));
    EXPECT_EQ(CToubanList(load.Persons()).Head(), 0);
}

TEST_F(DutyStaffDlgTest, TheSettingsCommandOpensItThroughItsRequest) {
    FakeDialogRegistry registry;
    RegisterSafetyDialogs(registry);
    OptionDialogRequest request("DutyStaff", &config);
    test::WhenShown<CDutyStaffDlg>([](CDutyStaffDlg& dialog) { dialog.accept(); });
    EXPECT_EQ(registry.Run(request), IDOK);
}

} // namespace
} // namespace tembra
