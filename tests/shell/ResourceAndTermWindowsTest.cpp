// The frame's resource windows and term list, and the select and replace dialog, in the running
// program: which resource window the mode shows and where, Esc back to process mode, the place
// kept by the window shown; the term list's command with the user's term file and its text in
// the term bar; a replacement over several events as one undo step.
#include "ShellFixture.h"

#include "dialogs/settings/FindReplaceDlg.h"
#include "dialogs/settings/ResourceEditDlg.h"
#include "dialogs/settings/ResourceInputDlg.h"
#include "dialogs/settings/YogoListDlg.h"
#include "model/ConfigBase.h"
#include "model/ConfigPath.h"
#include "model/Event.h"
#include "model/Koutei.h"
#include "model/OperationState.h"
#include "platform/Sjis.h"
#include "shell/ResourceWindows.h"
#include "shell/YogoBar.h"
#include "shell/core/CommandRouter.h"
#include "support/Cp932Text.h"
#include "support/qt/DialogControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <algorithm>

namespace tembra {
namespace {

using test::Control;
using test::J;
using Op = COperationState;

class ResourceAndTermWindowsTest : public test::ShellFixture {
protected:
    void SetUp() override {
        ASSERT_FALSE(Start());
        doc = app->OpenDocumentFile(test::CopyOfSample(files, "sample.tbr").string());
        ASSERT_NE(doc, nullptr);
    }
    CResourceWindows& Windows() { return *Frame().ResourceWindows(); }
    bool Shown(QWidget* window) { return window != nullptr && window->isVisible(); }

    test::TempDir files;
    CTembraDoc* doc = nullptr;
};

TEST_F(ResourceAndTermWindowsTest, TheOperationChoosesTheResourceWindowAndItsPlaceCarriesOver) {
    EXPECT_EQ(Windows().InputDlg(), nullptr) << "made on first use";
    doc->GetOperation().SetMode(Op::kModeShigen);
    ASSERT_TRUE(Shown(Windows().InputDlg()));
    EXPECT_FALSE(Shown(Windows().EditDlg()));
    EXPECT_EQ(app->State().GetShigenWindows(), &Windows());
    Windows().InputDlg()->move(150, 90);

    doc->GetOperation().SetOperation(Op::kOpEdit);
    ASSERT_TRUE(Shown(Windows().EditDlg()));
    EXPECT_FALSE(Shown(Windows().InputDlg()));
    EXPECT_EQ(Windows().EditDlg()->pos(), QPoint(150, 90));
    EXPECT_EQ(Windows().EditDlg()->Document(), doc);

    // The chart's pick reaches the edit window.
    CKoutei* process = nullptr;
    for (POSITION pos = doc->GetHeadObjPosition(); pos != nullptr && process == nullptr;) {
        CDataHeader* object = doc->GetNextObj(pos);
        if (object->GetType() == kTypeKoutei) {
            process = static_cast<CKoutei*>(object);
        }
    }
    ASSERT_NE(process, nullptr);
    app->State().ShowShigenKoutei(process);
    EXPECT_FALSE(
        Control<QLabel>(*Windows().EditDlg(), CResourceEditDlg::IDC_REAL_DAYS)->text().isEmpty());

    // Esc: back to process mode, and the frame hides the window.
    QTest::keyClick(Windows().EditDlg(), Qt::Key_Escape);
    EXPECT_EQ(doc->GetOperation().GetMode(), Op::kModeKoutei);
    EXPECT_EQ(doc->GetSelCount(), 0);
    EXPECT_FALSE(Shown(Windows().EditDlg()));
    EXPECT_FALSE(Shown(Windows().InputDlg()));

    // The input window, never shown last, does not write the place.
    Windows().InputDlg()->move(500, 500);
    ASSERT_TRUE(Frame().close());
    EXPECT_EQ(GetProfileString("Settings", CResourceDlgBase::kPositionKey).rfind("150,90,", 0), 0u);
}

TEST_F(ResourceAndTermWindowsTest, TheTermListSendsItsWordToTheTermBar) {
    const std::filesystem::path user = ConfigPathToFs(app->Config().GetPath().GetYogoFilePath());
    std::filesystem::create_directories(user.parent_path());
    files.Write("YOGO.INI",
                J("[Pattern]\r\n0=p\r\n[p]\r\n0=g\r\n[g]\r\n部位=w\r\n[w]\r\n柱=はしら\r\n"));
    std::filesystem::copy_file(files.File("YOGO.INI"), user);

    ASSERT_TRUE(app->Router().Execute(32994));
    CYogoListDlg* list = Frame().YogoListDlg();
    ASSERT_TRUE(Shown(list));
    auto* words = Control<QListWidget>(*list, CYogoListDlg::IDC_LIST1);
    ASSERT_EQ(words->count(), 1);
    words->item(0)->setSelected(true);
    EXPECT_EQ(Frame().YogoBar()->YogoCombo()->currentText().toStdString(), "柱");
    EXPECT_EQ(app->State().GetYogoText(), J("柱"));

    ASSERT_TRUE(app->Router().Execute(32994));
    EXPECT_FALSE(list->isVisible());
}

TEST_F(ResourceAndTermWindowsTest, AReplacementOverEventsIsOneUndoStep) {
    QComboBox* history = Frame().YogoBar()->YogoCombo();
    history->clear();
    history->addItems({QString::fromUtf8("古い"), QString::fromUtf8("新しい")});
    doc->GetOperation().SetMode(Op::kModeEvent);
    doc->GetOperation().SetOperation(Op::kOpEdit);
    for (int i = 0; i < 3; ++i) {
        std::unique_ptr<CEvent> event = doc->GetEvents().CreateEvent();
        event->SetText(J("古い足場") + std::to_string(i));
        doc->AddObj(event.release(), FALSE);
    }
    // The program's own dialog answers the request.
    ui.OnDialog("FindReplaceDlg", [this](DialogRequest& r) { return app->QtUi().RunDialog(r); });
    test::WhenShown<CFindReplaceDlg>([](CFindReplaceDlg& d) {
        auto* target = Control<QComboBox>(d, CFindReplaceDlg::IDC_TARGET);
        EXPECT_EQ(target->count(), 2);
        EXPECT_EQ(target->itemText(1).toStdString(), "新しい");
        EXPECT_EQ(d.windowTitle().toStdString(), "選択／置換[行事]");
        target->setEditText(QString::fromUtf8("古い"));
        Control<QComboBox>(d, CFindReplaceDlg::IDC_REPLACEMENT)
            ->setEditText(QString::fromUtf8("新しい"));
        Control<QPushButton>(d, CFindReplaceDlg::IDC_REPLACE_ALL)->click();
    });
    ASSERT_TRUE(app->Router().Execute(40068));

    // The texts of our events, selected or not, in order.
    auto texts = [this] {
        std::vector<std::string> all;
        for (auto* list : {&doc->GetObjList(), &doc->GetSelList()}) {
            for (POSITION pos = list->GetHeadPosition(); pos != nullptr;) {
                CDataHeader* object = list->GetNext(pos);
                if (object->GetType() == kTypeEvent &&
                    static_cast<CEvent*>(object)->GetText().find(J("足場")) != std::string::npos) {
                    all.push_back(Sjis::ToUtf8(static_cast<CEvent*>(object)->GetText()));
                }
            }
        }
        std::sort(all.begin(), all.end());
        return all;
    };
    EXPECT_EQ(texts(), (std::vector<std::string>{"新しい足場0", "新しい足場1", "新しい足場2"}));
    ASSERT_EQ(doc->GetUndoHistory().Undo(), 1);
    EXPECT_FALSE(doc->GetUndoHistory().CanUndo());
    EXPECT_EQ(texts(), (std::vector<std::string>{"古い足場0", "古い足場1", "古い足場2"}));
}

} // namespace
} // namespace tembra
