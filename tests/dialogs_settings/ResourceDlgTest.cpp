// The resource windows over a document: the rows enabled as the table grows, the next page's
// free slot, the chart redrawn after a rename only, a quantity out of range refused, 決定 on the
// selected processes, Esc back to process mode, and the place written by the shown window only.
#include "dialogs/settings/ResourceEditDlg.h"
#include "dialogs/settings/ResourceInputDlg.h"

#include "document/DocTestSupport.h"
#include "model/Koutei.h"
#include "model/OperationState.h"
#include "platform/Profile.h"
#include "platform/RangeMessage.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"
#include "support/qt/DialogControls.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <functional>

namespace tembra {
namespace {

using test::Control;
using test::J;
using Op = COperationState;

class ResourceDlgTest : public ::testing::Test {
protected:
    ResourceDlgTest() {
        doc.GetOperation().SetMode(Op::kModeShigen);
        doc.GetOperation().SetOperation(Op::kOpEdit);
    }

    QLineEdit* Name(const QWidget& d, int row) {
        return Control<QLineEdit>(d, CResourceDlgBase::IDC_NAME1 + row);
    }
    QComboBox* Quantity(const QWidget& d, int row) {
        return Control<QComboBox>(d, CResourceDlgBase::IDC_QUANTITY1 + row);
    }
    // Per row "NQ": name and quantity enabled (upper case) or disabled ("-").
    std::string Enabled(const QWidget& d) {
        std::string states;
        for (int r = 0; r < 5; ++r) {
            states += Name(d, r)->isEnabled() ? 'N' : '-';
            states += Quantity(d, r)->isEnabled() ? 'Q' : '-';
            states += ' ';
        }
        return states;
    }
    // Typing as the user types: the whole text replaced in one edit.
    static void Type(QLineEdit* field, const char* utf8) {
        field->selectAll();
        field->insert(QString::fromUtf8(utf8));
    }
    CKoutei* AddSelected(int day) {
        const CChartPos pos =
            test::Pos(test::Day(2005, 6, day), test::Day(2005, 6, day + 3), day, day);
        std::unique_ptr<CKoutei> process = doc.CreateKoutei(&pos);
        CKoutei* raw = process.release();
        raw->Select();
        doc.AddSel(raw);
        return raw;
    }

    test::ScopedPaths paths;
    test::ScopedAppState app;
    test::ScopedUi ui;
    CTembraDoc doc;
};

TEST_F(ResourceDlgTest, TheTableGrowsRowByRowOntoTheNextPage) {
    CResourceInputDlg dialog;
    dialog.SetResourceList(&doc, true);
    EXPECT_EQ(Enabled(dialog), "N- -- -- -- -- ");
    auto* next = Control<QPushButton>(dialog, CResourceDlgBase::IDC_NEXT);
    auto* prev = Control<QPushButton>(dialog, CResourceDlgBase::IDC_PREV);
    EXPECT_FALSE(next->isEnabled());
    EXPECT_FALSE(prev->isEnabled());

    Type(Name(dialog, 0), "大工");
    ASSERT_EQ(doc.GetShigenNames().size(), 1u);
    EXPECT_EQ(doc.GetShigenNames()[0]->GetNumber(), 1);
    EXPECT_EQ(doc.GetShigenNames()[0]->GetName(), J("大工"));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(Enabled(dialog), "NQ N- -- -- -- ");

    for (int r = 1; r < 5; ++r) {
        Type(Name(dialog, r), "x");
    }
    EXPECT_EQ(doc.GetShigenNames().size(), 5u);
    EXPECT_TRUE(next->isEnabled());
    next->click();
    EXPECT_EQ(Enabled(dialog), "N- -- -- -- -- ");
    EXPECT_EQ(dialog.focusWidget(), Name(dialog, 0)) << "the free slot takes the focus";
    EXPECT_TRUE(prev->isEnabled());
    prev->click();
    EXPECT_EQ(Name(dialog, 0)->text().toStdString(), "大工");
    EXPECT_EQ(dialog.focusWidget(), Quantity(dialog, 0));
}

TEST_F(ResourceDlgTest, LeavingARenamedEntryRedrawsTheChart) {
    doc.GetShigenNames().push_back(std::make_unique<CShigenName>(1, 0, "old"));
    CResourceInputDlg dialog;
    dialog.SetResourceList(&doc, true);
    QLineEdit* name = Name(dialog, 0);
    struct Case {
        const char* typed;
        bool redrawn;
    };
    for (const Case& c : {Case{"old", false}, Case{"new", true}}) {
        QFocusEvent in(QEvent::FocusIn);
        QApplication::sendEvent(name, &in);
        Type(name, c.typed);
        const std::uint64_t before = doc.GetUpdateCount();
        QFocusEvent out(QEvent::FocusOut);
        QApplication::sendEvent(name, &out);
        EXPECT_EQ(doc.GetUpdateCount() != before, c.redrawn) << c.typed;
    }
}

TEST_F(ResourceDlgTest, AQuantityOutOfRangeIsRefusedAndTheTableKeepsItsValue) {
    doc.GetShigenNames().push_back(std::make_unique<CShigenName>(1, 5, "a"));
    CResourceInputDlg dialog;
    dialog.show();
    dialog.SetResourceList(&doc, true);
    QLineEdit* field = Quantity(dialog, 0)->lineEdit();
    for (const char* text : {"70000", "abc"}) {
        ui->ClearRecords();
        Type(field, text);
        Name(dialog, 0)->setFocus();
        QTest::keyClick(field, Qt::Key_Return);
        EXPECT_EQ(ui->MessageIds(), std::vector<UINT>{IDS_VALUE_RANGE}) << text;
        EXPECT_EQ(doc.GetShigenNames()[0]->GetQuantity(), 5) << text;
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_TRUE(dialog.focusWidget() == field || dialog.focusWidget() == Quantity(dialog, 0))
            << text;
    }
    ui->ClearRecords();
    Type(field, "65535");
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_TRUE(ui->MessageIds().empty());
    EXPECT_EQ(doc.GetShigenNames()[0]->GetQuantity(), 65535);
}

TEST_F(ResourceDlgTest, ApplyGivesTheSelectedProcessesTheQuantitiesInOneStep) {
    doc.GetShigenNames().push_back(std::make_unique<CShigenName>(1, 0, "a"));
    doc.GetShigenNames().push_back(std::make_unique<CShigenName>(2, 0, "b"));
    CKoutei* first = AddSelected(1);
    AddSelected(10);
    CResourceEditDlg dialog;
    dialog.SetResourceList(&doc, true);
    dialog.ShowKoutei(first);
    EXPECT_EQ(Control<QLabel>(dialog, CResourceEditDlg::IDC_REAL_DAYS)->text().toStdString(),
              "3日");
    Type(Quantity(dialog, 1)->lineEdit(), "4");
    Control<QPushButton>(dialog, CResourceEditDlg::IDC_APPLY)->click();

    ASSERT_EQ(doc.GetSelCount(), 2);
    for (POSITION pos = doc.GetHeadSelPosition(); pos != nullptr;) {
        const auto* process = static_cast<CKoutei*>(doc.GetNextSel(pos));
        ASSERT_EQ(process->GetShigen()->GetCount(), 1);
        EXPECT_EQ(process->GetShigen()->GetEntries()[0]->GetNumber(), 2);
        EXPECT_EQ(process->GetShigen()->GetEntries()[0]->GetQuantity(), 4);
    }
    ASSERT_EQ(doc.GetUndoHistory().Undo(), 1);
    EXPECT_FALSE(doc.GetUndoHistory().CanUndo());
    for (POSITION pos = doc.GetHeadSelPosition(); pos != nullptr;) {
        EXPECT_EQ(static_cast<CKoutei*>(doc.GetNextSel(pos))->GetShigen()->GetCount(), 0);
    }
}

TEST_F(ResourceDlgTest, EscapeGoesBackToProcessModeWithNothingSelected) {
    doc.GetShigenNames().push_back(std::make_unique<CShigenName>(1, 2, "a"));
    AddSelected(1);
    const CShigenData given[] = {{1, 2}};
    doc.GetResources().SetSelShigen(given);
    ASSERT_TRUE(doc.GetUndoHistory().CanUndo());
    CResourceEditDlg dialog;
    dialog.show();
    dialog.SetResourceList(&doc, true);
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_EQ(doc.GetOperation().GetMode(), Op::kModeKoutei);
    EXPECT_EQ(doc.GetSelCount(), 0);
    EXPECT_FALSE(doc.GetUndoHistory().CanUndo());
}

TEST_F(ResourceDlgTest, OnlyTheShownWindowWritesItsPlace) {
    {
        CResourceInputDlg shown;
        CResourceEditDlg hidden;
        shown.move(120, 80);
        hidden.move(300, 300);
        shown.SetShown(true);
    }
    const std::string stored = GetProfileString("Settings", CResourceDlgBase::kPositionKey);
    EXPECT_EQ(stored.rfind("120,80,", 0), 0u) << stored;

    CResourceEditDlg next;
    next.RestorePosition();
    EXPECT_EQ(next.pos(), QPoint(120, 80));
}

// A shown window that goes while the user types in it (the frame closing at the program's end,
// the window deleted): the field that loses the focus as it goes reaches nothing of the window.
TEST_F(ResourceDlgTest, AShownWindowGoesWhileAFieldIsBeingTyped) {
    struct Case {
        const char* what;
        std::function<CResourceDlgBase*(QWidget* parent)> make;
        bool quantity;  // typing a quantity, else a name
        bool viaParent; // the window goes with its parent
    };
    const auto input = [](QWidget* parent) -> CResourceDlgBase* {
        return new CResourceInputDlg(parent);
    };
    const auto edit = [](QWidget* parent) -> CResourceDlgBase* {
        return new CResourceEditDlg(parent);
    };
    const Case cases[] = {
        {"input window, quantity, deleted", input, true, false},
        {"input window, name, deleted", input, false, false},
        {"input window, quantity, with its frame", input, true, true},
        {"edit window, quantity, deleted", edit, true, false},
        {"edit window, name, with its frame", edit, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        doc.GetShigenNames().clear();
        doc.GetShigenNames().push_back(std::make_unique<CShigenName>(1, 0, "a"));
        auto frame = std::make_unique<QWidget>();
        CResourceDlgBase* window = c.make(frame.get());
        window->SetResourceList(&doc, true);
        window->SetShown(true);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        QWidget* field = c.quantity ? static_cast<QWidget*>(Quantity(*window, 0)->lineEdit())
                                    : static_cast<QWidget*>(Name(*window, 1));
        field->setFocus(Qt::OtherFocusReason);
        ASSERT_TRUE(field->hasFocus());
        QTest::keyClicks(field, c.quantity ? "7" : "b");
        if (c.viaParent) {
            frame.reset();
        } else {
            delete window;
        }
        EXPECT_EQ(doc.GetShigenNames().size(), c.quantity ? 1u : 2u);
    }
}

} // namespace
} // namespace tembra
