// A site engineer's week through the main window: a house schedule of eleven linked processes
// drawn with the mouse on a chart of calendar days over Golden Week, then processes moved a week
// later by the middle of their line, by their end node and by a term typed in the position
// dialog. The dragged process moves by the drag on its own rows, what hangs on it follows along
// its links, nothing else moves, and one undo gives every date back. Then a table of grab points
// (start node, line, end node, bend), linked or not, in calendar and working days.
#include "ChartGestureFixture.h"

#include "document/PositionRequest.h"
#include "support/qt/DialogControls.h"
#include "support/qt/WaitUntil.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace tembra {
namespace {

using test::Day;
using test::kCalendarDays;
using test::kDrawOperation;
using test::kEditOperation;
using test::kElbowLine;
using test::kGateLine;
using test::kMoveOperation;
using test::kUndo;
using test::kWorkingDays;
using test::Place;
using test::Shifted;

class ProcessScenarioTest : public test::ChartGestureFixture {};

TEST_F(ProcessScenarioTest, AWeekLaterByLineEndNodeAndTermMovesTheProcessAndItsSuccessors) {
    // The house schedule: each process after the first starts on the end node of the one before
    // it, one row up, so that its start is the bend it shares with its predecessor; the plumbing
    // branches off where the framing ends.
    Open();
    Command(kElbowLine);
    Command(kCalendarDays); // nothing selected: new processes count calendar days
    Draw("仮設", 0, Day(4, 1), Day(4, 8));
    Draw("基礎", 1, Day(4, 8), Day(4, 29), "仮設");
    // Started on the end node at the start of Golden Week, on the next row.
    Draw("建方", 2, Day(4, 29), Day(5, 20), "基礎");

    Draw("屋根", 3, Day(5, 20), Day(6, 3), "建方");
    Draw("外壁", 4, Day(6, 3), Day(6, 24), "屋根");
    Draw("設備", 5, Day(5, 20), Day(6, 10), "建方");
    Draw("内装下地", 6, Day(6, 24), Day(7, 15), "外壁");
    Draw("内装仕上", 7, Day(7, 15), Day(8, 5), "内装下地");
    Draw("電気", 8, Day(8, 5), Day(8, 19), "内装仕上");
    Draw("外構", 9, Day(8, 19), Day(9, 9), "電気");
    Draw("検査", 10, Day(9, 9), Day(9, 16), "外構");
    ASSERT_EQ(numbers.size(), 11u);
    // Each starts where the one before it ends: on its node, one row up.
    EXPECT_EQ(PlaceOf("外壁"), (Place{Day(6, 3), Day(6, 24), 3, 4}));
    EXPECT_EQ(PlaceOf("設備"), (Place{Day(5, 20), Day(6, 10), 2, 5}));
    EXPECT_EQ(PlaceOf("検査"), (Place{Day(9, 9), Day(9, 16), 9, 10}));
    const std::map<std::string, Place> drawn = Places();

    // What a week later of 外壁 must give: 外壁 and everything after it a week later, the rest
    // as drawn.
    const std::vector<std::string> after = {"内装下地", "内装仕上", "電気", "外構", "検査"};
    const auto expectWeekLater = [&](int startDays) {
        const std::map<std::string, Place> now = Places();
        for (const auto& [name, place] : drawn) {
            SCOPED_TRACE(name);
            const bool follows = std::find(after.begin(), after.end(), name) != after.end();
            if (name == "外壁") {
                EXPECT_EQ(now.at(name), Shifted(place, startDays, 7));
            } else {
                EXPECT_EQ(now.at(name), follows ? Shifted(place, 7, 7) : place);
            }
        }
        // The links stay: each follower starts on the end node of the one before it.
        const Place wall = now.at("外壁");
        EXPECT_EQ(now.at("内装下地").start, wall.end);
        EXPECT_EQ(now.at("内装下地").startRow, wall.endRow);
        EXPECT_EQ(now.at("検査").start, now.at("外構").end);
    };
    const auto undo = [&] {
        Command(kUndo);
        EXPECT_EQ(Places(), drawn) << "one undo gives every date back";
    };

    // By the middle of its line.
    const CKoutei* wall = Find("外壁");
    ASSERT_NE(wall, nullptr);
    QPoint grab = LineMiddle(*wall);
    Shot("drag-before");
    Drag("外壁", grab, 7, 0);
    Shot("drag-after");
    expectWeekLater(7);
    undo();

    // By its end node: it lengthens by a week.
    wall = Find("外壁");
    ScrollTo(wall->GetStartTime(), 4);
    grab = At(wall->GetEndTime(), 4, true);
    Drag("外壁", grab, 7, 0);
    expectWeekLater(0);
    undo();

    // By a term: in the move operation the button is released where it went down, and Alt with
    // the next click asks for the target: a week typed as the span of the position dialog.
    ui.OnDialog("Position", [this](DialogRequest& request) {
        test::WhenShown<QDialog>([](QDialog& dialog) {
            auto* days = dialog.findChild<QLineEdit*>(QString::number(1120));
            ASSERT_NE(days, nullptr);
            dialog.activateWindow();
            test::WaitUntil([&dialog] { return dialog.isActiveWindow(); });
            days->setFocus();
            days->selectAll();
            QTest::keyClicks(days, QStringLiteral("7"));
            QTest::keyClick(days, Qt::Key_Return); // leaves the field: the date follows
            test::Control<QAbstractButton>(dialog, 1)->click();
        });
        return app->QtUi().RunDialog(request);
    });
    // 移動 with nothing selected picks; the click takes the process whole and is the drag's
    // press and release.
    Command(kEditOperation);
    Command(kMoveOperation);
    grab = LineMiddle(*Find("外壁"));
    Click(grab);
    ASSERT_EQ(doc->GetOperation().GetOperation(), COperationState::kOpMove);
    Click(grab);
    ASSERT_EQ(doc->GetOperation().GetState(), 2) << "released where it went down: dragging on";
    Click(grab, Qt::AltModifier);
    test::WaitUntil([this] { return doc->GetOperation().GetState() == 0; });
    ASSERT_EQ(doc->GetOperation().GetState(), 0);
    expectWeekLater(7);
    undo();
}

// A process of calendar days whose start is the node where its predecessor ends and a process
// of working days branches off, dragged two weeks later by its line, with working-day processes
// hanging on its end: it keeps its calendar span, its follower is pushed on its node, and neither
// the predecessor nor the branch moves.
TEST_F(ProcessScenarioTest, ABranchingNodeStaysWhenTheProcessStartingOnItIsDraggedLater) {
    Open();
    Command(kElbowLine);
    Command(kWorkingDays);
    Draw("解体", 0, Day(4, 1), Day(4, 8));
    Command(kCalendarDays);
    Draw("補強", 1, Day(4, 8), Day(4, 22), "解体");
    Command(kWorkingDays);
    Draw("設備", 2, Day(4, 8), Day(6, 1), "解体");
    Draw("外装", 3, Day(4, 22), Day(5, 20), "補強");
    ASSERT_EQ(numbers.size(), 4u);
    const std::map<std::string, Place> drawn = Places();
    ASSERT_EQ(drawn.at("設備").start, drawn.at("解体").end);

    Drag("補強", LineMiddle(*Find("補強")), 14, 0);
    const std::map<std::string, Place> now = Places();
    EXPECT_EQ(now.at("補強"), Shifted(drawn.at("補強"), 14, 14));
    EXPECT_EQ(now.at("解体"), drawn.at("解体"));
    EXPECT_EQ(now.at("設備"), drawn.at("設備"));
    EXPECT_EQ(now.at("外装").start, now.at("補強").end) << "still on its node";
    EXPECT_EQ(now.at("外装").startRow, now.at("補強").endRow);
    EXPECT_GT(now.at("外装").end, drawn.at("外装").end);
    EXPECT_EQ(Find("補強")->GetSpareDays(), CTimeSpan());
    Command(kUndo);
    EXPECT_EQ(Places(), drawn);
}

// Grab points: the start node, the middle of the line, the end node (each of a process picked
// by its line) and the crossbar of a gate line; the process linked (it starts on the end node of
// one before it and one starts on its end node) or on its own; counting calendar or working days.
// A week later: the grabbed part moves by the drag (a node stretches its process, the line moves
// it whole, the crossbar moves one row down and no date), what starts on a moved end follows
// through Golden Week as its counting says, nothing else moves; one undo gives it all back.
TEST_F(ProcessScenarioTest, EachGrabPointMovesWhatItHoldsLinkedOrNotInCalendarAndWorkingDays) {
    Open();
    Command(kElbowLine);
    // The default calendar of a new chart has its Sundays off; Golden Week is off too. In
    // working days the pointer carries the grabbed node by its calendar days and every other
    // node moves by working time.
    struct Group {
        const char* counting;
        int row; // the first row of its processes
        UINT command;
        CTime lineEnd;     // the end of the process moved a week by its line
        CTime followerEnd; // the end of the follower pushed a week
    };
    const Group groups[] = {{"calendar days", 0, kCalendarDays, Day(4, 26), Day(5, 3)},
                            {"working days", 16, kWorkingDays, Day(4, 27), Day(5, 11)}};
    for (const Group& g : groups) {
        const std::string k = g.counting;
        Command(g.command); // nothing selected: the defaults of new processes
        Command(kElbowLine);
        const int b = g.row;
        Draw(k + "P", b, Day(4, 1), Day(4, 5));
        Draw(k + "X", b + 1, Day(4, 5), Day(4, 19), k + "P");
        Draw(k + "S", b + 2, Day(4, 19), Day(4, 26), k + "X");
        Draw(k + "U", b + 4, Day(4, 5), Day(4, 19));
        Draw(k + "Q", b + 6, Day(4, 1), Day(4, 5));
        // The gates: their crossbar two rows below the start, below both nodes, the end one
        // row below the start.
        Command(kGateLine);
        for (const auto& [name, row, after] :
             {std::tuple{k + "G", b + 6, k + "Q"}, std::tuple{k + "H", b + 10, std::string()}}) {
            Command(kDrawOperation);
            ScrollTo(Day(4, 5), row);
            Click(after.empty() ? At(Day(4, 5), row, false) : At(Day(4, 5), row, true));
            Move(At(Day(4, 12), row + 2, false));
            Click(At(Day(4, 12), row + 2, false));
            Move(At(Day(4, 19), row + 1, false));
            Click(At(Day(4, 19), row + 1, false));
            const CKoutei* gate = nullptr;
            for (POSITION pos = doc->GetObjList().GetHeadPosition(); pos != nullptr;) {
                const CKoutei* process = AsKoutei(doc->GetObjList().GetNext(pos));
                if (process != nullptr && !Known(*process)) {
                    gate = process;
                }
            }
            ASSERT_NE(gate, nullptr) << name;
            ASSERT_EQ(gate->GetBendRow(), row + 2) << name;
            numbers[name] = test::Key(*gate);
        }
        Command(kElbowLine);
    }
    const std::map<std::string, Place> drawn = Places();
    std::map<std::string, int> bends;
    for (const auto& [name, key] : numbers) {
        bends[name] = Find(name)->GetBendRow();
    }

    struct GrabCase {
        const char* grab;
        const char* process; // X or U, G or H
        int startDays;       // how far its start and end move
        int endDays;
        bool carries; // its follower S moves too
        int bendRows; // rows its crossbar moves
    };
    const GrabCase cases[] = {
        {"start node, linked", "X", 7, 0, false, 0}, {"start node, alone", "U", 7, 0, false, 0},
        {"line, linked", "X", 7, 7, true, 0},        {"line, alone", "U", 7, 7, false, 0},
        {"end node, linked", "X", 0, 7, true, 0},    {"end node, alone", "U", 0, 7, false, 0},
        {"crossbar, linked", "G", 0, 0, false, 1},   {"crossbar, alone", "H", 0, 0, false, 1},
    };
    for (const Group& g : groups) {
        for (const GrabCase& c : cases) {
            const std::string name = std::string(g.counting) + c.process;
            SCOPED_TRACE(name + ": " + c.grab);
            const Place before = drawn.at(name);
            const bool gate = c.bendRows != 0;
            const int lineRow = gate ? bends.at(name) : before.endRow;
            ScrollTo(before.start, lineRow);
            QPoint grab;
            if (std::string(c.grab).starts_with("start")) {
                grab = At(before.start, before.startRow, true);
            } else if (std::string(c.grab).starts_with("end")) {
                grab = At(before.end, before.endRow, true);
            } else {
                grab = At(Day(4, 12), lineRow, false);
            }
            Drag(name, grab, 7, c.bendRows, gate);
            const std::map<std::string, Place> now = Places();
            const std::string follower = std::string(g.counting) + "S";
            for (const auto& [other, place] : drawn) {
                SCOPED_TRACE(other);
                if (other == name) {
                    Place expected = Shifted(place, c.startDays, c.endDays);
                    if (c.startDays == 7 && c.endDays == 7) {
                        expected.end = g.lineEnd;
                    }
                    EXPECT_EQ(now.at(other), expected);
                    EXPECT_EQ(Find(other)->GetBendRow(), bends.at(other) + c.bendRows);
                } else if (other == follower && c.carries) {
                    EXPECT_EQ(now.at(other).start, now.at(name).end) << "still on its node";
                    EXPECT_EQ(now.at(other).end, g.followerEnd);
                } else {
                    EXPECT_EQ(now.at(other), place);
                }
            }
            Command(kUndo);
            EXPECT_EQ(Places(), drawn);
        }
    }
}

} // namespace
} // namespace tembra
