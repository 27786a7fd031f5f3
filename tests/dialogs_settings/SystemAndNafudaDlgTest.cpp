// The system environment and name-plate dialogs offscreen, run through the handlers this library
// registers: the switches and the guide bits, 初期化 then 取消; the name plate's list, editing
// two elements, line breaks typed with Ctrl+Enter, the chart name, and 取消.
#include "dialogs/settings/NafudaDlg.h"
#include "dialogs/settings/RegisterSettingsDialogs.h"
#include "dialogs/settings/SystemEnvDlg.h"

#include "document/LayerDialogRequests.h"
#include "model/ConfigBase.h"
#include "model/OptionDialogRequest.h"
#include "platform/qt/DialogRegistry.h"
#include "print/PrHeader.h"
#include "print/PrNewLine.h"
#include "print/PrNewText.h"
#include "support/ArchiveBytes.h"
#include "support/Cp932Text.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"
#include "support/qt/DialogControls.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <map>

namespace tembra {
namespace {

using test::Control;
using test::J;
using test::WhenShown;

void Click(const QDialog& d, int id) {
    Control<QPushButton>(d, id)->click();
}

class KeepingRegistry : public IDialogRegistry {
public:
    void Register(const std::string& name, DialogHandler handler) override {
        handlers[name] = std::move(handler);
    }
    QWidget* DialogParent() const override { return nullptr; }
    int Run(DialogRequest& request) { return handlers.at(request.Name())(request); }
    std::map<std::string, DialogHandler> handlers;
};

class SystemEnvDlgTest : public ::testing::Test {
protected:
    SystemEnvDlgTest() { RegisterSettingsDialogs(registry); }
    // Runs "SystemSettings" on the settings, ticking exactly the boxes given, then 決定.
    int RunTicking(std::vector<int> ids) {
        WhenShown<CSystemEnvDlg>([ids](CSystemEnvDlg& d) {
            for (const auto& box : d.findChildren<QCheckBox*>()) {
                box->setChecked(std::ranges::count(ids, box->objectName().toInt()) != 0);
            }
            Click(d, 1);
        });
        OptionDialogRequest request("SystemSettings", &config);
        return registry.Run(request);
    }

    test::ScopedPaths paths;
    test::ScopedUi ui;
    KeepingRegistry registry;
    CConfigBase config;
};

TEST_F(SystemEnvDlgTest, TheGuidesShareCursorDate) {
    using D = CSystemEnvDlg;
    const struct {
        std::vector<int> ticked;
        WORD cursorDate;
    } cases[] = {
        {{D::IDC_DATE_GUIDE, D::IDC_ROW_GUIDE}, 3},
        {{D::IDC_ROW_GUIDE}, 2},
        {{D::IDC_DATE_GUIDE}, 1},
        {{}, 0},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(RunTicking(c.ticked), IDOK);
        EXPECT_EQ(config.GetCursorDate(), c.cursorDate);
    }
}

// Each other box is its own word of "SystemConfig": 1 ticked, 0 not; the box shows the word.
TEST_F(SystemEnvDlgTest, EachSwitchIsOneWord) {
    using D = CSystemEnvDlg;
    const struct {
        int id;
        int word;
    } cases[] = {
        {D::IDC_END_DATE_DEC, CConfigBase::kSysEndDateDec},
        {D::IDC_RIGHT_CLICK, CConfigBase::kSysRightClick},
        {D::IDC_BLACK_BACK, CConfigBase::kSysBlackBack},
        {D::IDC_HOLIDAY_MESH, CConfigBase::kSysHolidayMesh},
        {D::IDC_CROSS_CURSOR, CConfigBase::kSysCrossCursor},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(RunTicking({c.id}), IDOK);
        for (const auto& other : cases) {
            EXPECT_EQ(config.GetSystemWord(other.word), other.id == c.id ? 1 : 0)
                << other.id << " after ticking " << c.id;
        }
        CSystemEnvDlg shown(&config);
        EXPECT_TRUE(Control<QCheckBox>(shown, c.id)->isChecked()) << c.id;
    }
}

// 初期化 shows the built-in values; 取消 after it leaves every word of the block.
TEST_F(SystemEnvDlgTest, ResetThenCancelChangesNothing) {
    for (int i = 0; i < CConfigBase::kSystemWordCount; ++i) {
        config.SetSystemWord(i, 1);
    }
    config.SetSystemWord(CConfigBase::kSysCursorDate, 3);
    bool resetShown = false;
    WhenShown<CSystemEnvDlg>([&resetShown](CSystemEnvDlg& d) {
        const SystemEnvValues before = d.GetValues();
        Click(d, CSystemEnvDlg::IDC_RESET);
        resetShown = d.GetValues() != before;
        Click(d, 2);
    });
    OptionDialogRequest request("SystemSettings", &config);
    EXPECT_EQ(registry.Run(request), IDCANCEL);
    EXPECT_TRUE(resetShown) << "初期化 shows the built-in switches";
    for (int i = 0; i < CConfigBase::kSystemWordCount; ++i) {
        EXPECT_EQ(config.GetSystemWord(i), i == CConfigBase::kSysCursorDate ? 3 : 1) << i;
    }
}

const CRect kDrawn(10, -10, 200, -40);

void AddText(CPrHeader& header, int kind, const CRect& rect, const std::string& name,
             const std::string& contents) {
    header.AddElement(
        std::make_unique<CPrNewText>(kind, 0, rect, LOGFONT{}, 0, name, contents, 0, 0));
}

const std::string& ContentsAt(const CPrHeader& header, std::size_t i) {
    return static_cast<const CPrNewText&>(*header.GetElementList()[i]).GetContents();
}

class NafudaDlgTest : public ::testing::Test {
protected:
    // A title, two editable elements (A drawn, B hidden) round a fixed text and a line.
    NafudaDlgTest() {
        RegisterSettingsDialogs(registry);
        header.SetLayoutName(J("標準書式"));
        AddText(header, 1, kDrawn, "010001", J("旧名"));
        AddText(header, 0, kDrawn, "A", "a1\\na2");
        AddText(header, 0x100, kDrawn, "", "fixed");
        header.AddElement(std::make_unique<CPrNewLine>(0, kDrawn, 0, 1, 0));
        AddText(header, 4, CRect(0, 0, 0, 0), "B", "b");
    }
    static QListWidget* List(const QDialog& d) {
        return Control<QListWidget>(d, CNafudaDlg::IDC_ITEM_LIST);
    }
    static QPlainTextEdit* Edit(const QDialog& d) {
        return Control<QPlainTextEdit>(d, CNafudaDlg::IDC_CONTENTS);
    }
    // Runs "NafudaDlg" on the header with the act.
    int Run(std::function<void(CNafudaDlg&)> act) {
        WhenShown<CNafudaDlg>(std::move(act));
        NafudaDlgRequest request(header);
        return registry.Run(request);
    }

    test::ScopedUi ui;
    KeepingRegistry registry;
    CPrHeader header;
};

TEST_F(NafudaDlgTest, TheListMarksTheDrawnElements) {
    CNafudaDlg dialog;
    dialog.SetHeader(&header);
    ASSERT_EQ(List(dialog)->count(), 2);
    EXPECT_EQ(List(dialog)->item(0)->text(), "*A");
    EXPECT_EQ(List(dialog)->item(1)->text(), " B");
    EXPECT_EQ(Edit(dialog)->toPlainText(), "a1\na2") << "the first element's contents";
    EXPECT_EQ(Control<QLineEdit>(dialog, CNafudaDlg::IDC_CHART_NAME)->text(),
              QString::fromUtf8("旧名"));
    EXPECT_EQ(Control<QLabel>(dialog, CNafudaDlg::IDC_LAYOUT_NAME)->text(),
              QString::fromUtf8("標準書式"));

    CPrHeader bare;
    AddText(bare, 0x100, kDrawn, "", "fixed");
    CNafudaDlg empty;
    empty.SetHeader(&bare);
    EXPECT_EQ(List(empty)->count(), 0);
    EXPECT_TRUE(Edit(empty)->toPlainText().isEmpty());
}

// Typed as a user types: two lines with Ctrl+Enter, a trailing new line, then the other
// element; Enter alone moves on and closes nothing; 決定 stores both edits and the chart name.
TEST_F(NafudaDlgTest, EditingTwoElementsStoresBoth) {
    const int answer = Run([](CNafudaDlg& d) {
        QPlainTextEdit* edit = Edit(d);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, "L1");
        QTest::keyClick(edit, Qt::Key_Return, Qt::ControlModifier);
        QTest::keyClicks(edit, "L2");
        QTest::keyClick(edit, Qt::Key_Return, Qt::ControlModifier);
        EXPECT_EQ(edit->toPlainText(), "L1\nL2\n");
        QTest::keyClick(edit, Qt::Key_Return);
        EXPECT_TRUE(d.isVisible()) << "Enter only moves on";
        EXPECT_NE(d.focusWidget(), edit);
        List(d)->setCurrentRow(1);
        EXPECT_EQ(edit->toPlainText(), "b");
        EXPECT_EQ(d.focusWidget(), edit) << "the edit takes the focus";
        QTest::keyClicks(edit, "new b");
        auto* name = Control<QLineEdit>(d, CNafudaDlg::IDC_CHART_NAME);
        name->selectAll();
        name->insert(QString::fromUtf8("新しい工程表"));
        Click(d, 1);
    });
    EXPECT_EQ(answer, IDOK);
    EXPECT_EQ(ContentsAt(header, 1), "L1\\nL2") << "the trailing line dropped";
    EXPECT_EQ(ContentsAt(header, 4), "new b");
    EXPECT_EQ(ContentsAt(header, 0), J("新しい工程表"));
    EXPECT_EQ(ContentsAt(header, 2), "fixed");
}

// Going back to an element shows its edit kept; 取消 leaves the header's bytes.
TEST_F(NafudaDlgTest, CancelLeavesTheHeader) {
    const test::Bytes before = test::Store(header);
    const int answer = Run([](CNafudaDlg& d) {
        QTest::keyClicks(Edit(d), "x");
        List(d)->setCurrentRow(1);
        List(d)->setCurrentRow(0);
        EXPECT_EQ(Edit(d)->toPlainText(), "xa1\na2") << "the edit kept";
        Control<QLineEdit>(d, CNafudaDlg::IDC_CHART_NAME)->setText("other");
        Click(d, 2);
    });
    EXPECT_EQ(answer, IDCANCEL);
    EXPECT_EQ(test::Store(header), before);
}

// The chart name field takes at most 128 CP932 bytes.
TEST_F(NafudaDlgTest, TheChartNameKeepsTo128Bytes) {
    CNafudaDlg dialog;
    dialog.SetHeader(&header);
    auto* name = Control<QLineEdit>(dialog, CNafudaDlg::IDC_CHART_NAME);
    name->clear();
    for (int i = 0; i < 70; ++i) {
        name->insert(QString::fromUtf8("工")); // two bytes each
    }
    EXPECT_EQ(name->text().size(), 64);
    Click(dialog, 1);
    EXPECT_EQ(ContentsAt(header, 0).size(), 128u);
}

} // namespace
} // namespace tembra
