// The main window offscreen on a new chart of calendar days from 1 April to 30 September 2027
// with Golden Week off, and the gestures of a user on its chart view: commands by their menu
// actions, clicks and drags of QTest-made mouse events on the real viewport at the dates and rows
// of the chart, processes drawn by the mouse and found again by their numbers.
#pragma once

#include "ShellFixture.h"

#include "document/RecordCast.h"
#include "model/Calendar.h"
#include "model/ConfigBase.h"
#include "model/Koutei.h"
#include "model/SeqNumber.h"
#include "platform/DC.h"
#include "platform/Profile.h"
#include "shell/ChartViewWindow.h"
#include "view/TembraFrame.h"
#include "view/TembraViewWnd.h"

#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QTest>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace tembra::test {

// Commands of the menus and the tool bars.
inline constexpr UINT kProcessMode = 32927; // ﾓｰﾄﾞ > 工程線
inline constexpr UINT kDrawOperation = 32922;
inline constexpr UINT kEditOperation = 32923;
inline constexpr UINT kMoveOperation = 32925; // 編集 > 移　動
inline constexpr UINT kUndo = 57643;
inline constexpr UINT kWorkingDays = 32851;  // 属性 > 工程線 > 休日 > 有効
inline constexpr UINT kCalendarDays = 32850; // 属性 > 工程線 > 休日 > 無効
inline constexpr UINT kGateLine = 33024;     // 属性 > 工程線 > スタイル > 門型
inline constexpr UINT kElbowLine = 32877; // 属性 > 工程線 > スタイル > Ｙ先行エルボ

inline CTime Day(int month, int day) {
    return CTime(2027, month, day, 0, 0, 0);
}

// Where a process lies: its dates and its rows.
struct Place {
    CTime start;
    CTime end;
    int startRow = 0;
    int endRow = 0;
    bool operator==(const Place&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const Place& p) {
    return out << p.start.Format("%m-%d") << " .. " << p.end.Format("%m-%d") << " rows "
               << p.startRow << "-" << p.endRow;
}

inline Place Shifted(const Place& p, int startDays, int endDays) {
    return {p.start + CTimeSpan(startDays, 0, 0, 0), p.end + CTimeSpan(endDays, 0, 0, 0),
            p.startRow, p.endRow};
}

inline std::uint64_t Key(const CKoutei& process) {
    const CObSeqNumber& number = process.GetSeqNumber();
    return (static_cast<std::uint64_t>(number.GetHigh()) << 32) | number.GetLow();
}

class ChartGestureFixture : public ShellFixture {
protected:
    // A new chart of calendar days from 1 April to 30 September 2027 with Golden Week (29 April
    // to 5 May) off, in a large window.
    void Open() {
        clock.Set(CTime(2027, 4, 1, 9, 0, 0));
        WriteProfileInt("BaseConfig", "Kikan", 183);
        ASSERT_FALSE(Start());
        doc = app->NewDocument();
        ASSERT_NE(doc, nullptr);
        for (int day = 29; day <= 30; ++day) {
            doc->GetWorkCalendar().AddDayFlag(2027, 4, day, CCalendar::kRuleHoliday);
        }
        for (int day = 1; day <= 5; ++day) {
            doc->GetWorkCalendar().AddDayFlag(2027, 5, day, CCalendar::kRuleHoliday);
        }
        Frame().resize(1500, 1000);
        auto* window = dynamic_cast<CChartViewWindow*>(app->ActiveChart());
        ASSERT_NE(window, nullptr);
        Frame().MdiArea()->subWindowList().front()->showMaximized();
        QApplication::processEvents();
        pane = window->Frame()->ActivePane();
        ASSERT_NE(pane, nullptr);
        Command(kProcessMode);
    }

    CTembraView& View() { return pane->View(); }
    QWidget* Port() { return pane->viewport(); }

    void Command(UINT id) {
        QAction* action = Frame().Action(id);
        ASSERT_NE(action, nullptr) << id;
        action->trigger();
        QApplication::processEvents();
    }

    // The logical point of a date in a row: at the date's node, or in the middle of its day.
    CPoint Logical(const CTime& date, int row, bool node) {
        const CPageLayout& layout = View().GetPageLayout();
        const int x =
            node ? layout.DateToX(date)
                 : (layout.DateToX(date) + layout.DateToX(date + CTimeSpan(1, 0, 0, 0))) / 2;
        return CPoint(x, layout.RowToY(row, 0));
    }
    QPoint Device(CPoint logical) {
        std::unique_ptr<CDC> dc = pane->GetClientDC();
        View().OnPrepareDC(dc.get());
        dc->LPtoDP(&logical);
        return QPoint(logical.x, logical.y);
    }
    // The chart scrolled so that the date stands near the window's left edge and the row in it.
    void ScrollTo(const CTime& date, int row) {
        View().KeepPointAt(Logical(date, row, false), CPoint(260, 360));
        QApplication::processEvents();
    }
    // A node is taken one pixel inside the day it starts.
    QPoint At(const CTime& date, int row, bool node) {
        QPoint p = Device(Logical(date, row, node));
        if (node) {
            p.rx() += 1;
        }
        EXPECT_TRUE(Port()->rect().contains(p)) << date.Format("%m-%d") << " row " << row;
        return p;
    }

    void Send(QEvent::Type type, const QPoint& at, Qt::MouseButton button, Qt::MouseButtons held,
              Qt::KeyboardModifiers keys = Qt::NoModifier) {
        QMouseEvent event(type, at, Port()->mapToGlobal(at), button, held, keys);
        QApplication::sendEvent(Port(), &event);
        QApplication::processEvents();
    }
    void Click(const QPoint& at, Qt::KeyboardModifiers keys = Qt::NoModifier) {
        Send(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton, keys);
        Send(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton, keys);
    }
    void Move(const QPoint& at, Qt::MouseButtons held = Qt::NoButton) {
        Send(QEvent::MouseMove, at, Qt::NoButton, held);
    }

    // Draws a process in the draw operation: a click at the start (on the node of the process
    // it follows, when after names one), a click at the end. Its number is kept under the name.
    void Draw(const std::string& name, int row, const CTime& start, const CTime& end,
              const std::string& after = {}) {
        Command(kDrawOperation);
        const int before = doc->GetObjCount() + doc->GetSelCount();
        QPoint from;
        if (after.empty()) {
            ScrollTo(start, row);
            from = At(start, row, false);
        } else {
            const CKoutei* previous = Find(after);
            ASSERT_NE(previous, nullptr) << after;
            ScrollTo(previous->GetEndTime(), previous->GetEndRow());
            from = At(previous->GetEndTime(), previous->GetEndRow(), true);
        }
        Click(from);
        const QPoint to = At(end, row, false);
        Move(to);
        Click(to);
        ASSERT_EQ(doc->GetObjCount() + doc->GetSelCount(), before + 1) << name;
        const CKoutei* added = nullptr;
        for (const auto* list : {&doc->GetObjList(), &doc->GetSelList()}) {
            for (POSITION pos = list->GetHeadPosition(); pos != nullptr;) {
                const CKoutei* process = AsKoutei(list->GetNext(pos));
                if (process != nullptr && !Known(*process)) {
                    added = process;
                }
            }
        }
        ASSERT_NE(added, nullptr) << name;
        numbers[name] = Key(*added);
    }
    bool Known(const CKoutei& process) const {
        for (const auto& [name, key] : numbers) {
            if (key == Key(process)) {
                return true;
            }
        }
        return false;
    }
    const CKoutei* Find(const std::string& name) const {
        const auto it = numbers.find(name);
        if (it == numbers.end()) {
            return nullptr;
        }
        for (const auto* list : {&doc->GetObjList(), &doc->GetSelList()}) {
            for (POSITION pos = list->GetHeadPosition(); pos != nullptr;) {
                const CKoutei* process = AsKoutei(list->GetNext(pos));
                if (process != nullptr && Key(*process) == it->second) {
                    return process;
                }
            }
        }
        return nullptr;
    }
    Place PlaceOf(const std::string& name) const {
        const CKoutei* process = Find(name);
        EXPECT_NE(process, nullptr) << name;
        if (process == nullptr) {
            return {};
        }
        return {process->GetStartTime(), process->GetEndTime(), process->GetStartRow(),
                process->GetEndRow()};
    }
    std::map<std::string, Place> Places() const {
        std::map<std::string, Place> places;
        for (const auto& [name, key] : numbers) {
            places[name] = PlaceOf(name);
        }
        return places;
    }

    // In the edit operation: a click that selects the process by its line, then a drag from the
    // grab point by so many days and rows, the button held all the way. With byGrab the click
    // is at the grab point (the crossbar of a gate line).
    void Drag(const std::string& name, const QPoint& grab, int days, int rows,
              bool byGrab = false) {
        Command(kEditOperation);
        const CKoutei* process = Find(name);
        ASSERT_NE(process, nullptr);
        Click(byGrab ? grab : LineMiddle(*process));
        ASSERT_EQ(doc->GetSelCount(), 1) << "the click took the process";
        const CPageLayout& layout = View().GetPageLayout();
        const QPoint step = Device(CPoint(layout.DateToX(Day(6, 1) + CTimeSpan(days, 0, 0, 0)),
                                          layout.RowToY(rows, 0))) -
                            Device(CPoint(layout.DateToX(Day(6, 1)), layout.RowToY(0, 0)));
        Send(QEvent::MouseButtonPress, grab, Qt::LeftButton, Qt::LeftButton);
        Move(grab + step / 2, Qt::LeftButton);
        Move(grab + step, Qt::LeftButton);
        Send(QEvent::MouseButtonRelease, grab + step, Qt::LeftButton, Qt::NoButton);
        EXPECT_EQ(doc->GetOperation().GetState(), 0);
        EXPECT_EQ(doc->GetOperation().GetOperation(), COperationState::kOpEdit);
    }
    // The middle of the horizontal run of a process's line, scrolled into the window.
    QPoint LineMiddle(const CKoutei& process) {
        const CTimeSpan span = process.GetEndTime() - process.GetStartTime();
        const CTime middle = process.GetStartTime() + CTimeSpan(span.GetDays() / 2, 0, 0, 0);
        ScrollTo(process.GetStartTime(), process.GetEndRow());
        return At(middle, process.GetEndRow(), false);
    }

    // Saves a picture of the window when TEMBRA_SCREENSHOTS names a folder.
    void Shot(const std::string& name) {
        QApplication::processEvents();
        if (const char* folder = std::getenv("TEMBRA_SCREENSHOTS")) {
            pane->BackingImage().save(
                QString::fromStdString((std::filesystem::path(folder) / (name + ".png")).string()));
        }
    }

    CTembraDoc* doc = nullptr;
    CTembraViewWnd* pane = nullptr;
    std::map<std::string, std::uint64_t> numbers;
};

} // namespace tembra::test
