// A short session in the program's window offscreen, the mouse and the keys on the real widgets
// as a user uses them: a new chart, two processes drawn and linked by a relation line, one made
// to count calendar days and dragged, a second drag taken back by Ctrl+Z with the button still
// held, a process cut and pasted back, the calendar's 反転, a save, a close and an open of the
// file. Nothing crashes, and the chart comes back as it was saved.
#include "ShellFixture.h"

#include "document/DocFileRequests.h"
#include "exchange/ui/FileOpenDlg.h"
#include "model/Calendar.h"
#include "model/Koutei.h"
#include "model/ui/CalendarSetDlg.h"
#include "platform/DC.h"
#include "shell/ChartViewWindow.h"
#include "support/ArchiveBytes.h"
#include "support/TempDir.h"
#include "support/qt/DialogControls.h"
#include "view/TembraFrame.h"
#include "view/TembraViewWnd.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>

#include <algorithm>
#include <filesystem>
#include <string>
#include <tuple>

namespace tembra {
namespace {

using Op = COperationState;
using test::Bytes;

enum : UINT {
    kDrawOperation = 32922, // "作図ﾓｰﾄﾞ"
    kEditOperation = 32923, // "編集ﾓｰﾄﾞ"
    kRelationLine = 32865,  // 工程線 > スタイル > "k. 関係線"
    kStraightLine = 32869,  // "4. 斜め"
    kCalendarDays = 32850,  // 工程線 > 休日 > "2. 無効"
    kCalendar = 32778,      // "カレンダ"
    kSelectAll = 32772,     // "全選択／解除"
};

class EditSessionTest : public test::ShellFixture {
protected:
    CTembraViewWnd& Pane() {
        auto* window = dynamic_cast<CChartViewWindow*>(app->ActiveChart());
        return *window->Frame()->ActivePane();
    }
    QWidget* Port() { return Pane().viewport(); }
    CTembraDoc* Doc() { return app->ActiveDocument(); }
    // What a user does with the keyboard: the key goes to the widget that has the focus, in the
    // active main window, with the commands' states as the program's idle pass left them.
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        if (QApplication::activeWindow() != &Frame()) {
            Frame().activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&Frame()));
        }
        app->UpdateCommandStates();
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus != nullptr ? focus : static_cast<QWidget*>(&Frame()), key, modifiers);
        QApplication::processEvents();
    }
    // A menu entry clicked.
    void Menu(UINT id) {
        app->UpdateCommandStates();
        QAction* action = Frame().Action(id);
        ASSERT_NE(action, nullptr) << id;
        ASSERT_TRUE(action->isEnabled()) << id;
        action->trigger();
        QApplication::processEvents();
    }
    QPoint Pixel(int day, int row, int dx = 0) {
        const CPageLayout& layout = Pane().View().GetPageLayout();
        CPoint p = layout.DateRowToPoint(layout.GetStartDate() + CTimeSpan(day, 0, 0, 0),
                                         layout.GetFirstRow() + row);
        p.x += dx;
        std::unique_ptr<CDC> dc = Pane().GetClientDC();
        Pane().View().OnPrepareDC(dc.get());
        dc->LPtoDP(&p);
        return QPoint(p.x, p.y);
    }
    // Where a process's start or end node is drawn.
    QPoint NodePixel(const CKoutei* process, bool start) {
        const CPageLayout& layout = Pane().View().GetPageLayout();
        CPoint p = start ? layout.DateRowToPoint(process->GetStartTime(), process->GetStartRow())
                         : layout.DateRowToPoint(process->GetEndTime(), process->GetEndRow());
        std::unique_ptr<CDC> dc = Pane().GetClientDC();
        Pane().View().OnPrepareDC(dc.get());
        dc->LPtoDP(&p);
        return QPoint(p.x, p.y);
    }
    void Draw(const QPoint& from, const QPoint& to) {
        mouse.Click(from);
        mouse.Click(to);
    }
    // Pressed, dragged with the button held to the point (not let go).
    void DragTo(const QPoint& from, const QPoint& to) {
        mouse.Move(from);
        mouse.Press(from);
        mouse.Move(from + QPoint(8, 8));
        mouse.Move(to);
    }

    // The processes of the chart by their start row: (start, end, start row, end row).
    struct Span {
        CTime start;
        CTime end;
        int startRow = 0;
        int endRow = 0;
        bool operator==(const Span&) const = default;
    };
    std::vector<CKoutei*> Processes() {
        std::vector<CKoutei*> all;
        for (auto* list : {&Doc()->GetObjList(), &Doc()->GetSelList()}) {
            for (POSITION pos = list->GetHeadPosition(); pos != nullptr;) {
                if (auto* process = dynamic_cast<CKoutei*>(list->GetNext(pos))) {
                    all.push_back(process);
                }
            }
        }
        return all;
    }
    CKoutei* Plain(int index) {
        std::vector<CKoutei*> plain;
        for (CKoutei* process : Processes()) {
            if (process->IsRelationLine() == 0) {
                plain.push_back(process);
            }
        }
        std::sort(plain.begin(), plain.end(),
                  [](CKoutei* a, CKoutei* b) { return a->GetStartRow() < b->GetStartRow(); });
        return index < static_cast<int>(plain.size()) ? plain[index] : nullptr;
    }
    // What a process holds (its selection aside): its span, bend, day counting and links.
    using Values =
        std::tuple<std::int64_t, std::int64_t, int, int, int, int, int, std::string, std::string>;
    std::vector<Values> AllValues() {
        std::vector<Values> all;
        const auto number = [](const CObSeqNumber& n) {
            return std::to_string(n.GetHigh()) + "." + std::to_string(n.GetLow());
        };
        for (const CKoutei* process : Processes()) {
            all.emplace_back(process->GetStartTime().GetTime(), process->GetEndTime().GetTime(),
                             process->GetStartRow(), process->GetEndRow(), process->GetBendRow(),
                             process->GetLines()->GetAttr().m_holiday, process->IsRelationLine(),
                             number(process->GetStartLandNo()), number(process->GetEndLandNo()));
        }
        std::sort(all.begin(), all.end());
        return all;
    }
    static Span SpanOf(const CKoutei* process) {
        return {process->GetStartTime(), process->GetEndTime(), process->GetStartRow(),
                process->GetEndRow()};
    }
    // Every object as it is saved, in an order of their own.
    std::vector<Bytes> Objects() {
        std::vector<Bytes> all;
        for (auto* list : {&Doc()->GetObjList(), &Doc()->GetSelList()}) {
            for (POSITION pos = list->GetHeadPosition(); pos != nullptr;) {
                all.push_back(test::Store(*list->GetNext(pos), *Doc()));
            }
        }
        std::sort(all.begin(), all.end());
        return all;
    }
    // Whether each day of the chart's period is a holiday.
    std::vector<bool> Holidays() {
        std::vector<bool> days;
        const CSyokiSet& set = Doc()->GetSyokiSet();
        for (CTime day = set.GetStartDate(); day <= set.GetEndDate();
             day += CTimeSpan(1, 0, 0, 0)) {
            days.push_back(Doc()->GetWorkCalendar().IsHoliday(day) != 0);
        }
        return days;
    }

    test::TempDir files;
    test::ChartMouse mouse{[this] { return Port(); }};
};

TEST_F(EditSessionTest, DrawLinkDragUndoCutPasteInvertSaveAndReopen) {
    ASSERT_FALSE(Start());
    Frame().resize(1200, 900);
    Frame().show();
    Frame().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Frame()));

    // A new chart, the process mode's draw operation.
    Key(Qt::Key_N, Qt::ControlModifier);
    ASSERT_NE(Doc(), nullptr);
    QApplication::processEvents();
    Key(Qt::Key_F5);
    Menu(kDrawOperation);
    ASSERT_EQ(Doc()->GetOperation().GetMode(), Op::kModeKoutei);
    ASSERT_EQ(Doc()->GetOperation().GetOperation(), Op::kOpDraw);

    // Two processes, a relation line from the first one's end to the second one's start, and a
    // third process on its own.
    Draw(Pixel(2, 2, 10), Pixel(5, 2, 10));
    Draw(Pixel(8, 4, 10), Pixel(11, 4, 10));
    Draw(Pixel(2, 8, 10), Pixel(5, 8, 10));
    Menu(kRelationLine);
    Draw(NodePixel(Plain(0), false), NodePixel(Plain(1), true));
    Menu(kStraightLine);
    ASSERT_EQ(Processes().size(), 4u);
    CKoutei* relation = nullptr;
    for (CKoutei* process : Processes()) {
        if (process->IsRelationLine() != 0) {
            relation = process;
        }
    }
    ASSERT_NE(relation, nullptr);
    EXPECT_TRUE(relation->GetStartLandNo() == Plain(0)->GetSeqNumber());
    EXPECT_TRUE(relation->GetEndLandNo() == Plain(1)->GetSeqNumber());

    // The first dragged a day on and a row down.
    Menu(kEditOperation);
    mouse.Click(Pixel(3, 2, 30));
    ASSERT_EQ(Doc()->GetSelCount(), 1);
    DragTo(Pixel(3, 2, 30), Pixel(4, 3, 30));
    mouse.Release(Pixel(4, 3, 30));
    EXPECT_EQ(Doc()->GetOperation().GetState(), 0);
    const Span dragged = SpanOf(Plain(0));
    const Span second = SpanOf(Plain(1));
    EXPECT_EQ(dragged.startRow, Pane().View().GetPageLayout().GetFirstRow() + 3);

    // Then made to count calendar days (休日 → 無効), the step the history holds; a move of a
    // linked process leaves it unselected, so a click takes it first.
    mouse.Click(Pixel(4, 3, 30));
    ASSERT_EQ(Doc()->GetSelCount(), 1);
    Menu(kCalendarDays);
    EXPECT_EQ(Plain(0)->GetLines()->GetAttr().m_holiday, 0);
    EXPECT_TRUE(Doc()->GetUndoHistory().CanUndo());
    const std::vector<Values> beforeSecond = AllValues();

    // A second drag, and Ctrl+Z with the button still held: the drag ends as a right click
    // ends it (the calendar-day process it moved in the chart put back, the history emptied
    // with it), the mouse is let go, and the undo that follows has nothing left to take back.
    DragTo(Pixel(4, 3, 30), Pixel(7, 6, 30));
    ASSERT_EQ(Doc()->GetOperation().GetState(), 2);
    ASSERT_EQ(Doc()->GetOperation().GetOperation(), Op::kOpMove);
    EXPECT_NE(SpanOf(Plain(0)), dragged) << "the calendar-day process follows the drag";
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    EXPECT_FALSE(Pane().HasCapture());
    EXPECT_EQ(Doc()->GetOperation().GetState(), 0);
    EXPECT_EQ(Doc()->GetOperation().GetOperation(), Op::kOpEdit);
    mouse.Release(Pixel(7, 6, 30));
    EXPECT_EQ(Doc()->GetOperation().GetState(), 0);
    EXPECT_EQ(SpanOf(Plain(0)), dragged);
    EXPECT_EQ(SpanOf(Plain(1)), second);
    EXPECT_EQ(AllValues(), beforeSecond) << "every process as it was";
    EXPECT_FALSE(Doc()->GetUndoHistory().CanUndo());

    // The third process cut and pasted back (全選択／解除 takes the first out of the selection,
    // a band around the third takes it whole).
    Menu(kSelectAll);
    ASSERT_EQ(Doc()->GetSelCount(), 0);
    const Span third = SpanOf(Plain(2));
    DragTo(Pixel(1, 7), Pixel(7, 9));
    mouse.Release(Pixel(7, 9));
    ASSERT_EQ(Doc()->GetSelCount(), 1);
    ASSERT_NE(Doc()->FindSel(Plain(2)), nullptr);
    Key(Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(Processes().size(), 3u);
    Key(Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(Processes().size(), 4u);
    EXPECT_EQ(SpanOf(Plain(2)), third);

    // The calendar turned over: holidays become working days and working days holidays.
    const std::vector<bool> before = Holidays();
    ui.OnDialog("CalendarSet",
                [this](DialogRequest& request) { return app->QtUi().RunDialog(request); });
    ui.QueueAnswer(IDYES);
    test::WhenShown<CCalendarSetDlg>([](CCalendarSetDlg& dialog) {
        test::Control<QAbstractButton>(dialog, CCalendarSetDlg::IDC_INVERT)->click();
        test::Control<QAbstractButton>(dialog, IDOK)->click();
    });
    Menu(kCalendar);
    const std::vector<bool> inverted = Holidays();
    ASSERT_EQ(inverted.size(), before.size());
    for (std::size_t i = 0; i < before.size(); ++i) {
        EXPECT_NE(inverted[i], before[i]) << "day " << i;
    }

    // Saved under a name, closed, opened again.
    const std::size_t asked = test::Messages(ui).size();
    if (Doc()->GetSelCount() > 0) {
        Menu(kSelectAll);
    }
    ASSERT_EQ(Doc()->GetSelCount(), 0);
    const std::vector<Bytes> saved = Objects();
    const std::filesystem::path path = files.File("session.tbr");
    ui.OnDialog("FileDialog", [path](DialogRequest& r) {
        static_cast<FileDialogRequest&>(r).path = path.string();
        return IDOK;
    });
    Key(Qt::Key_S, Qt::ControlModifier);
    const std::vector<UINT> told = test::Messages(ui);
    EXPECT_EQ(std::vector<UINT>(told.begin() + static_cast<std::ptrdiff_t>(asked), told.end()),
              std::vector<UINT>{})
        << "saved without a word";
    ASSERT_TRUE(std::filesystem::exists(path));
    EXPECT_FALSE(Doc()->IsModified());
    ASSERT_EQ(Frame().MdiArea()->subWindowList().size(), 1);
    Frame().MdiArea()->subWindowList().front()->close();
    QApplication::processEvents();
    EXPECT_EQ(app->ActiveDocument(), nullptr);

    test::WhenShown<CFileOpenDlg>([path](CFileOpenDlg& dialog) {
        dialog.selectFile(QString::fromStdString(path.string()));
        dialog.accept();
    });
    Key(Qt::Key_O, Qt::ControlModifier);
    ASSERT_NE(Doc(), nullptr);
    EXPECT_EQ(Doc()->GetPathName(), path.string());
    EXPECT_EQ(Objects(), saved) << "every process, the relation line and their values";
    EXPECT_EQ(Holidays(), inverted) << "the turned calendar";
}

} // namespace
} // namespace tembra
