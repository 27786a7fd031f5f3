// Commands that change a chart while a gesture holds its mouse, in the program's window offscreen
// with the mouse on the real widgets: a move of calendar-day, working-day or linked processes, of
// an event, of a term or of a shape is under way (pressed and released, then followed by the
// pointer; or dragged with the button held) when undo, cut, copy, paste, delete, an attribute, a
// batch move to a layer, another mode or a client's call over the automation interface runs.
// Each leaves the chart exactly as a right click that ends the move and then the same command
// leave it, lets the mouse go, keeps the next click a plain click, and its undo takes back what
// it did.
#include "ShellFixture.h"

#include "automation/AutomationHost.h"
#include "automation/SettingsChanges.h"
#include "automation/TembraDocAutomation.h"
#include "document/RecordCast.h"
#include "model/Event.h"
#include "model/Koutei.h"
#include "model/Yogo.h"
#include "platform/DC.h"
#include "render/EventGeometry.h"
#include "render/KouteiLabels.h"
#include "shapes/ZukeiBox.h"
#include "shell/ChartViewWindow.h"
#include "support/ArchiveBytes.h"
#include "view/TembraFrame.h"
#include "view/TembraViewWnd.h"

#include <QApplication>
#include <QTest>

#include <functional>
#include <optional>

namespace tembra {
namespace {

using Op = COperationState;
using test::Bytes;

enum : UINT {
    kUndo = 57643,
    kCut = 32781,
    kCopy = 32782,
    kPaste = 32783,
    kDelete = 32784,
    kProcessMode = 32927,
    kTermMode = 32930,
    kRelationLine = 32865, // the line shape "k. 関係線"
    kFirstLayerCommand = 40093,
};

// A host that has nothing to close: the client's calls here only change the chart.
class StayingHost : public IAutomationHost {
public:
    void CloseIdleDocuments(CTembraDoc&) override {}
    bool CloseDocument(CTembraDoc&, int) override { return false; }
    bool OtherDocumentsOpen(const CTembraDoc&) const override { return true; }
    void CloseApplication(CTembraDoc&) override {}
    void BeginQuestion() override {}
    void EndQuestion() override {}
};

class GestureCommandTest : public test::ShellFixture {
public:
    // The table's steps below reach the program through the fixture.
    using test::ShellFixture::app;

protected:
    void SetUp() override {
        ASSERT_FALSE(Start());
        Frame().resize(1200, 900);
        Frame().show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&Frame()));
    }

public:
    // A new chart in its window; the rows counted from the first one shown.
    void NewChart() {
        doc = app->NewDocument();
        ASSERT_NE(doc, nullptr);
        auto* window = dynamic_cast<CChartViewWindow*>(app->ActiveChart());
        ASSERT_NE(window, nullptr);
        pane = window->Frame()->ActivePane();
        QApplication::processEvents();
        firstRow = pane->View().GetPageLayout().GetFirstRow();
    }
    void CloseChart() {
        doc->SetModifiedFlag(FALSE);
        app->CloseDocument(doc);
        doc = nullptr;
        pane = nullptr;
    }
    QWidget* Port() { return pane->viewport(); }
    CTime Day(int day) const {
        return pane->View().GetPageLayout().GetStartDate() + CTimeSpan(day, 0, 0, 0);
    }
    // The client pixel of a logical point, and of a day and row (dx in logical units).
    QPoint Pixel(CPoint logical) {
        std::unique_ptr<CDC> dc = pane->GetClientDC();
        pane->View().OnPrepareDC(dc.get());
        dc->LPtoDP(&logical);
        return QPoint(logical.x, logical.y);
    }
    QPoint Pixel(int day, int row, int dx = 0) {
        CPoint p = pane->View().GetPageLayout().DateRowToPoint(Day(day), firstRow + row);
        p.x += dx;
        return Pixel(p);
    }

    CKoutei* AddProcess(int from, int to, int row, WORD holiday) {
        CChartPos pos;
        pos.SetStartDate(Day(from));
        pos.SetEndDate(Day(to));
        pos.SetStartRow(static_cast<WORD>(firstRow + row));
        pos.SetEndRow(static_cast<WORD>(firstRow + row));
        std::unique_ptr<CKoutei> process = doc->CreateKoutei(&pos);
        CKouteiAttr attr = process->GetLines()->GetAttr();
        attr.m_holiday = holiday;
        process->GetLines()->SetAttr(attr);
        CKoutei* raw = process.get();
        doc->AddObj(process.release(), FALSE);
        return raw;
    }
    // The middle of the text of the first term of the selected process.
    QPoint TermGrip() {
        const auto* process = AsKoutei(doc->GetSelAt(doc->GetHeadSelPosition()));
        if (process == nullptr) {
            ADD_FAILURE() << "no process selected";
            return {};
        }
        std::unique_ptr<CDC> dc = pane->GetClientDC();
        pane->View().OnPrepareDC(dc.get());
        CRect box = GetYogoRect(*process, pane->View().GetPageLayout(), dc.get(), 0);
        box.NormalizeRect();
        return Pixel(box.CenterPoint());
    }
    // What the move takes: selected now and again after the copy that fills the clipboard.
    void Choose(std::function<void()> select) {
        reselect = std::move(select);
        reselect();
    }
    // A process with its line and both nodes; anything else by its flag.
    void SelectWhole(CDataHeader* object) {
        if (doc->FindSel(object) != nullptr) {
            return;
        }
        if (CKoutei* process = AsKoutei(object)) {
            process->Select();
        } else {
            object->Select();
        }
        doc->SelectAt(doc->FindObj(object));
    }
    // Two clicks in the draw operation of the process mode.
    void DrawProcess(const QPoint& from, const QPoint& to) {
        mouse.Click(from);
        mouse.Click(to);
    }

    // The chart as it would be saved: every object of the object list, the selection and the
    // shapes, with the list it is in.
    Bytes Chart() {
        Bytes all;
        const auto add = [&](CObject& object, BYTE list) {
            all.push_back(list);
            const Bytes bytes = test::Store(object, *doc);
            all.insert(all.end(), bytes.begin(), bytes.end());
        };
        for (POSITION pos = doc->GetHeadObjPosition(); pos != nullptr;) {
            add(*doc->GetNextObj(pos), 1);
        }
        for (POSITION pos = doc->GetHeadSelPosition(); pos != nullptr;) {
            add(*doc->GetNextSel(pos), 2);
        }
        for (POSITION pos = doc->GetZukeiList().GetHeadPosition(); pos != nullptr;) {
            add(*doc->GetZukeiList().GetNext(pos), 3);
        }
        return all;
    }

    CTembraDoc* doc = nullptr;
    CTembraViewWnd* pane = nullptr;
    test::ChartMouse mouse{[this] { return Port(); }};
    std::function<void()> reselect;
    // The first process of a process move.
    CObSeqNumber numberA;
    int firstRow = 0;
    StayingHost host;
    CSyokiSetChanges settings;
};

// What is moved: the objects made and selected, the mode and an attribute command of the mode.
struct Moved {
    const char* what;
    LONG mode;
    UINT attribute;
    // Makes the objects and chooses what is selected (GestureCommandTest::Choose); the point a
    // press takes them at.
    std::function<QPoint(GestureCommandTest&)> make;
    // In the move operation, the click after which the move follows the pointer with the button
    // up, given where the object was let go after its first move; none: it follows at once.
    std::function<std::optional<QPoint>(GestureCommandTest&, const QPoint& at)> followClick;
    // Where the first move lets it go, given where it was pressed.
    std::function<QPoint(GestureCommandTest&, const QPoint& grip)> drop =
        [](GestureCommandTest&, const QPoint& grip) { return grip + QPoint(60, 30); };
    // Where a press takes it after the first move, given where that let it go.
    std::function<QPoint(GestureCommandTest&, const QPoint& at)> regrip =
        [](GestureCommandTest&, const QPoint& at) { return at; };
};

TEST_F(GestureCommandTest, ACommandInTheMiddleOfAMoveRunsAfterTheMoveEndsAsARightClickEndsIt) {
    const auto processes = [](WORD holidayA, WORD holidayB, bool linked) {
        return [holidayA, holidayB, linked](GestureCommandTest& t) {
            CKoutei* a = t.AddProcess(2, 5, 2, holidayA);
            CKoutei* b = t.AddProcess(linked ? 8 : 5, linked ? 11 : 8, 4, holidayB);
            std::vector<CObSeqNumber> moving{a->GetSeqNumber()};
            if (linked) {
                // A relation line from A's end to B's start, drawn as the user draws it.
                t.doc->GetOperation().SetOperation(Op::kOpDraw);
                EXPECT_TRUE(t.app->Router().Execute(kRelationLine));
                t.DrawProcess(t.Pixel(5, 2), t.Pixel(8, 4));
                EXPECT_EQ(t.doc->GetObjCount(), 3);
                t.doc->UnselectAll(FALSE);
                t.doc->GetOperation().SetOperation(Op::kOpEdit);
            } else {
                moving.push_back(b->GetSeqNumber());
            }
            t.numberA = a->GetSeqNumber();
            // By their numbers: a link or a move gives a process a new record in its place.
            t.Choose([&t, moving] {
                for (const CObSeqNumber& number : moving) {
                    if (CKoutei* process = t.doc->FindKouteiByNumber(number, 0)) {
                        t.SelectWhole(process);
                    }
                }
            });
            return t.Pixel(3, 2, 30);
        };
    };
    // A's line, wherever its first move took it.
    const auto onA = [](GestureCommandTest& t, const QPoint&) -> std::optional<QPoint> {
        const CKoutei* a = t.doc->FindSelKouteiByNumber(t.numberA, 0);
        if (a == nullptr) {
            ADD_FAILURE() << "A is not selected";
            return std::nullopt;
        }
        return t.Pixel(
            t.pane->View().GetPageLayout().DateRowToPoint(a->GetStartTime(), a->GetStartRow()) +
            CPoint(100, 0));
    };
    const auto where = [](GestureCommandTest&, const QPoint& at) -> std::optional<QPoint> {
        return at;
    };
    const Moved moved[] = {
        {"calendar-day processes", Op::kModeKoutei, 32848, processes(0, 0, false), onA},
        {"working-day processes", Op::kModeKoutei, 32848, processes(1, 1, false), onA},
        {"linked processes", Op::kModeKoutei, 32848, processes(0, 1, true), onA},
        {"an event", Op::kModeEvent, 32816,
         [](GestureCommandTest& t) {
             std::unique_ptr<CEvent> event = t.doc->GetEvents().CreateEvent();
             event->SetText("Pour");
             event->SetStartDate(t.Day(4));
             event->SetStartRow(static_cast<WORD>(t.firstRow + 6));
             CEvent* raw = event.get();
             t.doc->AddObj(event.release(), FALSE);
             t.Choose([&t, raw] { t.SelectWhole(raw); });
             return t.Pixel(GetAnchorPoint(*raw, t.pane->View().GetPageLayout()) + CPoint(20, 0));
         },
         [](GestureCommandTest&, const QPoint&) -> std::optional<QPoint> { return std::nullopt; }},
        {"a term", Op::kModeYogo, 32978,
         [](GestureCommandTest& t) {
             CKoutei* process = t.AddProcess(2, 6, 8, 0);
             t.AddProcess(2, 6, 10, 0);
             auto term = std::make_unique<CYogo>();
             term->SetText("kiso");
             // With a leader line: carried, it follows the pointer until a click.
             term->GetAttr().m_form = kYogoPlaceLeaderLeft;
             term->GetAttr().m_fontHeigh = 1;
             term->GetAttr().m_fontWidth = 1;
             process->AddYogo(term, TRUE);
             t.Choose([&t, process] {
                 if (const POSITION at = t.doc->FindObj(process)) {
                     t.doc->SelectAt(at);
                     process->SelectYogo(0);
                 }
             });
             return t.TermGrip();
         },
         // Carried back onto the first process's line.
         [](GestureCommandTest& t, const QPoint&) -> std::optional<QPoint> {
             return t.Pixel(4, 8, 30);
         },
         // Dropped on the other process's line.
         [](GestureCommandTest& t, const QPoint&) { return t.Pixel(4, 10, 30); },
         [](GestureCommandTest& t, const QPoint&) { return t.TermGrip(); }},
        {"a shape", Op::kModeZukei, 40003,
         [](GestureCommandTest& t) {
             auto* shape = new CZukeiBox;
             shape->SetAttr(CZukeiAttr{1, kPlaceOnChart, 1, -3, RGB(0, 0, 255), kHatchNone, 0, 0});
             shape->SetAnchors(t.Day(3), t.firstRow + 12, t.Day(6), t.firstRow + 14);
             t.doc->GetZukeiList().AddTail(shape);
             t.Choose([&t, shape] {
                 if (t.doc->FindSel(shape) == nullptr) {
                     shape->Select();
                     t.doc->GetSelList().AddTail(shape);
                 }
             });
             return t.Pixel(3, 12);
         },
         where},
    };

    struct Command {
        const char* what;
        std::function<void(GestureCommandTest&, const Moved&)> run;
    };
    const auto routed = [](UINT id) {
        return [id](GestureCommandTest& t, const Moved&) { t.app->Router().Execute(id); };
    };
    const Command commands[] = {
        {"undo", routed(kUndo)},
        {"cut", routed(kCut)},
        {"copy", routed(kCopy)},
        {"paste", routed(kPaste)},
        {"delete", routed(kDelete)},
        {"an attribute",
         [](GestureCommandTest& t, const Moved& m) { t.app->Router().Execute(m.attribute); }},
        {"a batch move to layer 5", routed(kFirstLayerCommand + 5)},
        {"another mode",
         [](GestureCommandTest& t, const Moved& m) {
             t.app->Router().Execute(m.mode == Op::kModeKoutei ? kTermMode : kProcessMode);
         }},
        {"a client's call",
         [](GestureCommandTest& t, const Moved&) {
             CTembraDocAutomation automation(*t.doc, t.host, t.settings);
             AutoResult result;
             const std::vector<AutoArg> rows{std::to_string(t.firstRow + 4),
                                             std::to_string(t.firstRow + 8)};
             EXPECT_TRUE(automation.Invoke("ClearLine", rows, result));
         }},
    };

    // The move up to its middle. Before it: the clipboard holds the selection, and the history a
    // first move (a drag in the edit operation), done and kept. Then the move follows the
    // pointer with the button up (the move operation, after the mode's click), or is dragged
    // with the button held (the edit operation hands it over to the move). The pointer's place
    // in the middle is answered.
    enum class Form { ClickAndFollow, HeldDrag };
    const auto middle = [this](const Moved& m, Form form) {
        NewChart();
        doc->GetOperation().SetMode(m.mode);
        const QPoint grip = m.make(*this);
        doc->UpdateAllViews(nullptr);
        app->Router().Execute(kCopy);
        // A copy leaves nothing selected.
        reselect();
        const QPoint first = m.drop(*this, grip);
        doc->GetOperation().SetOperation(Op::kOpEdit);
        mouse.Press(grip);
        mouse.Move(grip + QPoint(10, 10));
        mouse.Move(first);
        mouse.Release(first);
        EXPECT_EQ(doc->GetOperation().GetState(), 0) << "the first move is done";
        EXPECT_TRUE(doc->GetUndoHistory().CanUndo());
        if (doc->GetSelCount() == 0) {
            // The move of a linked process leaves it unselected.
            reselect();
        }
        const QPoint target = first + QPoint(140, 90);
        if (form == Form::ClickAndFollow) {
            doc->GetOperation().SetOperation(Op::kOpMove);
            if (const std::optional<QPoint> click = m.followClick(*this, first)) {
                mouse.Click(*click);
            }
            mouse.Move(target - QPoint(20, 10));
        } else {
            const QPoint grip2 = m.regrip(*this, first);
            mouse.Press(grip2);
            mouse.Move(grip2 + QPoint(10, 10));
        }
        mouse.Move(target);
        EXPECT_NE(doc->GetOperation().GetState(), 0) << "in the middle of the move";
        EXPECT_TRUE(pane->HasCapture());
        return target;
    };
    // After the command: the button let go where it was held, the next gesture (a band over an
    // empty place), the chart; then undo, and the chart again.
    struct Result {
        Bytes afterCommand;
        LONG mode = 0;
        LONG operation = 0;
        Bytes afterUndo;
    };
    const auto finish = [this](Form form, const QPoint& target) {
        if (form == Form::HeldDrag) {
            mouse.Release(target);
        }
        // A band drawn over empty chart with the button held ends with the button.
        mouse.Press(Pixel(20, 20));
        mouse.Move(Pixel(21, 21));
        mouse.Move(Pixel(22, 22));
        mouse.Release(Pixel(22, 22));
        EXPECT_FALSE(pane->HasCapture()) << "the next gesture lets the mouse go";
        EXPECT_EQ(doc->GetOperation().GetState(), 0);
        Result result;
        result.afterCommand = Chart();
        result.mode = doc->GetOperation().GetMode();
        result.operation = doc->GetOperation().GetOperation();
        app->Router().Execute(kUndo);
        result.afterUndo = Chart();
        CloseChart();
        return result;
    };

    for (const Moved& m : moved) {
        for (const Command& command : commands) {
            for (const Form form : {Form::ClickAndFollow, Form::HeldDrag}) {
                SCOPED_TRACE(std::string(m.what) + ", " + command.what +
                             (form == Form::HeldDrag ? ", button held" : ", button up"));
                // The reference: the move ended by the user's right click (a drag from the
                // edit operation goes back to it), then the command.
                QPoint target = middle(m, Form::ClickAndFollow);
                mouse.RightClick(target);
                ASSERT_EQ(doc->GetOperation().GetState(), 0);
                if (form == Form::HeldDrag) {
                    doc->GetOperation().ChangeOperation(Op::kOpEdit);
                }
                command.run(*this, m);
                QApplication::processEvents();
                const Result expected = finish(Form::ClickAndFollow, target);

                target = middle(m, form);
                command.run(*this, m);
                QApplication::processEvents();
                EXPECT_FALSE(pane->HasCapture()) << "the mouse is let go";
                EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
                EXPECT_EQ(doc->GetOperation().GetState(), 0);
                const Result got = finish(form, target);
                EXPECT_EQ(got.afterCommand, expected.afterCommand)
                    << "the chart as a right click and the command leave it";
                EXPECT_EQ(got.mode, expected.mode);
                EXPECT_EQ(got.operation, expected.operation);
                EXPECT_EQ(got.afterUndo, expected.afterUndo) << "its undo takes back the same";
            }
        }
    }
}

// Escape in the middle of a gesture ends it as a right click does, wherever the keyboard focus
// is; with no gesture it is the focused window's key as before.
TEST_F(GestureCommandTest, EscapeEndsAMoveAsARightClickDoes) {
    NewChart();
    CKoutei* a = AddProcess(2, 5, 2, 0);
    SelectWhole(a);
    doc->GetOperation().SetMode(Op::kModeKoutei);
    doc->GetOperation().SetOperation(Op::kOpEdit);
    doc->GetUndoHistory().Reset();
    const Bytes before = Chart();
    Frame().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Frame()));
    const QPoint press = Pixel(3, 2, 30);
    mouse.Press(press);
    mouse.Move(press + QPoint(30, 20));
    mouse.Move(press + QPoint(120, 60));
    QApplication::processEvents();
    ASSERT_EQ(doc->GetOperation().GetState(), 2);
    ASSERT_TRUE(pane->HasCapture());
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    QTest::keyClick(focus, Qt::Key_Escape);
    EXPECT_EQ(doc->GetOperation().GetState(), 0);
    EXPECT_FALSE(pane->HasCapture());
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    mouse.Release(press + QPoint(120, 60));
    QApplication::processEvents();
    EXPECT_EQ(Chart(), before) << "nothing moved, the edit operation back";
    CloseChart();
}

} // namespace
} // namespace tembra
