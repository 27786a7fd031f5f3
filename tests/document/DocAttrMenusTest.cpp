// The attribute commands of processes, terms, events and item cells that take more than their
// id: relation lines, the change of days, the batch dialogs, the colour lists and "その他", the
// term bar's text and colour by mode, the date snapping of new events, hyperlinks, fills, ruled
// lines and the advance of the item text input.
#include "document/AttrCommands.h"
#include "document/AttrDialogRequests.h"
#include "document/ChartViewLayout.h"
#include "document/HyperLinkRequest.h"
#include "document/KoumokuAdvance.h"
#include "document/ObjectActionView.h"
#include "document/RecordCast.h"
#include "document/TembraDoc.h"
#include "document/commands/KouteiMenu.h"
#include "document/commands/YogoMenu.h"
#include "model/Event.h"
#include "model/KoumokuData.h"
#include "platform/ColorRequest.h"

#include "DocCommandDriver.h"
#include "KouteiChainFixture.h"
#include "PageFixture.h"
#include "YogoBarRecorder.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace tembra {
namespace {

using Op = COperationState;
using test::ChartDay;
using test::CommandState;
using test::RunCommand;

constexpr COLORREF kYellow = RGB(255, 255, 0);
constexpr COLORREF kChosen = 0x123456;
constexpr COLORREF kRemembered = 0x654321;

class DocAttrMenusTest : public test::KouteiChainFixture {
protected:
    DocAttrMenusTest() {
        app->SetYogoBar(&bar);
        doc.GetKoumoku()->SetLevelCount(2);
    }
    ~DocAttrMenusTest() override { doc.RemoveView(&view); }

    // The colour dialog answers OK with kChosen, or Cancel.
    void AnswerColor(bool ok) {
        ui->OnDialog("Color", [ok](DialogRequest& r) {
            if (!ok) {
                return IDCANCEL;
            }
            static_cast<ColorRequest&>(r).color = kChosen;
            return IDOK;
        });
    }
    CKoutei* AddRelationLine(const std::string& name, int row) {
        test::KouteiPlan plan{name, 0, 5, row, row + 2};
        plan.shape = kLineShapeRelation;
        CKoutei* line = Add(plan);
        line->SetRelationLine(1);
        line->SetStartLandNo(1, 7);
        line->SetEndLandNo(1, 8);
        return line;
    }
    CEvent* AddEvent(const std::string& text, const std::string& link = {}) {
        std::unique_ptr<CEvent> event = doc.GetEvents().CreateEvent();
        event->SetText(text);
        event->SetHyperlink(link);
        event->SetStartDate(ChartDay(3));
        CEvent* raw = event.get();
        event->Select();
        doc.AddSel(event.release());
        return raw;
    }
    const CEvent* SelectedEvent() const {
        return doc.GetSelCount() > 0 ? AsEvent(doc.GetSelAt(doc.GetHeadSelPosition())) : nullptr;
    }
    CKoutei* AddWithTerm(const std::string& name, const std::string& text) {
        CKoutei* process = Add({name, 0, 5, 4, 4});
        std::unique_ptr<CYogo> term = doc.GetTerms().CreateYogo();
        term->SetText(text);
        process->AddYogo(term, TRUE);
        process->SelectYogo(0);
        doc.SelectAt(doc.FindObj(process));
        return process;
    }

    test::YogoBarRecorder bar;
};

// ---- Processes ----------------------------------------------------------------------------------

TEST_F(DocAttrMenusTest, OneSelectedRelationLineBecomesAPlainProcess) {
    AddRelationLine("R", 1);
    SelectWhole("R");
    RunCommand(doc, 32865);
    const CKoutei* plain = Get("R");
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(plain->IsRelationLine(), 0);
    EXPECT_EQ(plain->GetStartLandNo().GetLow(), 0u);
    EXPECT_EQ(plain->GetEndLandNo().GetLow(), 0u);
    EXPECT_EQ(doc.GetSelCount(), 0);
    EXPECT_EQ(doc.GetSyokiSet().GetChart().GetKouteiSpare(), 0);
}

TEST_F(DocAttrMenusTest, TwoRelationLinesOnlyToggleTheOptionOfNewProcesses) {
    AddRelationLine("R", 1);
    AddRelationLine("S", 5);
    SelectWhole("R");
    SelectWhole("S");
    CConfigChart& chart = doc.GetSyokiSet().GetChart();
    chart.GetKouteiAttr().m_style = 4;
    RunCommand(doc, 32865);
    EXPECT_EQ(chart.GetKouteiSpare(), 1);
    EXPECT_EQ(chart.GetKouteiAttr().m_style, 5) << "relation lines are drawn slanted";
    EXPECT_EQ(Get("R")->IsRelationLine(), 1);
    RunCommand(doc, 32865);
    EXPECT_EQ(chart.GetKouteiSpare(), 0);
    EXPECT_EQ(chart.GetKouteiAttr().m_style, 5);
}

TEST_F(DocAttrMenusTest, TheChangeOfDaysRefusesARelationLine) {
    AddRelationLine("R", 1);
    SelectWhole("R");
    RunCommand(doc, 32847);
    EXPECT_EQ(ui->MessageIds(), std::vector<UINT>{5040});
    EXPECT_TRUE(ui->Dialogs().empty());
}

TEST_F(DocAttrMenusTest, ALongerProcessMovesItsChainByDays) {
    AddAll({{"A", 0, 5, 1, 1}, {"B", 5, 9, 1, 1}, {"C", 9, 12, 1, 1}});
    SelectWhole("A");
    doc.GetOperation().SetOperation(Op::kOpEdit);
    ui->OnDialog("ChangeDaysDlg", [](DialogRequest& r) {
        auto& request = static_cast<ChangeDaysDlgRequest&>(r);
        request.koutei->SetEndDate(ChartDay(7));
        request.changeByDays = true;
        return IDOK;
    });
    ASSERT_TRUE(CommandState(doc, 32847).IsEnabled());
    RunCommand(doc, 32847);
    EXPECT_EQ(Get("A")->GetEndTime(), ChartDay(7));
    EXPECT_EQ(Get("B")->GetStartTime(), ChartDay(7));
    EXPECT_EQ(Get("B")->GetEndTime(), ChartDay(11));
    EXPECT_EQ(Get("C")->GetStartTime(), ChartDay(11));
    EXPECT_EQ(Get("C")->GetEndTime(), ChartDay(14));
}

// 日数変更 closes the dialog as a cancel does; the flag it sets is what counts.
TEST_F(DocAttrMenusTest, TheBatchAskingForTheDaysPostsThatCommandAndAppliesNothing) {
    Add({"A", 0, 5, 1, 1});
    SelectWhole("A");
    const CKouteiAttr before = Get("A")->GetLines()->GetAttr();
    for (const int answer : {IDCANCEL, IDOK}) {
        SCOPED_TRACE(answer);
        ui->ClearRecords();
        ui->OnDialog("KouteiAttr2Dlg", [answer](DialogRequest& r) {
            auto& request = static_cast<KouteiAttr2DlgRequest&>(r);
            EXPECT_TRUE(request.fromSelection);
            request.line.m_color = kYellow;
            request.changeDaysAsked = true;
            return answer;
        });
        RunCommand(doc, 33017);
        EXPECT_EQ(ui->PostedCommands(), std::vector<UINT>{32847});
        EXPECT_EQ(Get("A")->GetLines()->GetAttr(), before);
        EXPECT_FALSE(doc.GetUndoHistory().CanUndo());
    }
}

// The batch dialogs of a selection write 65535 for what the user left: only the colour the user
// chose changes, every other attribute stays as each object has it.
TEST_F(DocAttrMenusTest, WhatABatchDialogLeftStaysAsItWas) {
    constexpr WORD kLeave = 0xFFFF;
    Add({"A", 0, 5, 1, 1});
    SelectWhole("A");
    const CKouteiAttr line = Get("A")->GetLines()->GetAttr();
    const CLandAttr node = Get("A")->GetStartLand()->GetAttr();
    ui->OnDialog("KouteiAttr2Dlg", [&](DialogRequest& r) {
        auto& request = static_cast<KouteiAttr2DlgRequest&>(r);
        request.line.m_style = request.line.m_subStyle = request.line.m_type = kLeave;
        request.line.m_width = request.line.m_holiday = request.line.m_hatch = kLeave;
        request.line.m_color = kYellow;
        request.node.m_style = request.node.m_size = kLeave;
        request.node.m_color = CTembraDoc::kUnchangedColor;
        return IDOK;
    });
    RunCommand(doc, 33017);
    const CKoutei* changed = Get("A");
    CKouteiAttr expected = line;
    expected.m_color = kYellow;
    EXPECT_EQ(changed->GetLines()->GetAttr(), expected);
    EXPECT_EQ(changed->GetStartLand()->GetAttr(), node);

    const auto leaveAllButColor = [](TextAttrValues& attr) {
        attr.form = kLeave;
        attr.flags = kLeave;
        attr.sizeV = attr.sizeH = 0xFF;
        attr.color = kYellow;
    };
    doc.UnselectAll(FALSE);
    doc.GetOperation().SetMode(Op::kModeEvent);
    doc.GetOperation().SetOperation(Op::kOpEdit);
    CEvent* event = AddEvent("a");
    const CTextAttr eventBefore = event->GetAttr();
    ui->OnDialog("EventAttrBulkDlg", [&](DialogRequest& r) {
        leaveAllButColor(static_cast<EventAttrBulkDlgRequest&>(r).attr);
        return IDOK;
    });
    RunCommand(doc, 33019);
    // A recoloured event leaves the selection, so that its colour shows.
    const CEvent* recoloured = nullptr;
    for (POSITION pos = doc.GetHeadObjPosition(); pos != nullptr;) {
        if (const CEvent* found = AsEvent(doc.GetNextObj(pos))) {
            recoloured = found;
        }
    }
    ASSERT_NE(recoloured, nullptr);
    const CTextAttr eventAfter = recoloured->GetAttr();
    EXPECT_EQ(eventAfter.m_color, kYellow);
    EXPECT_EQ(eventAfter.m_form, eventBefore.m_form);
    EXPECT_EQ(eventAfter.m_attrb, eventBefore.m_attrb);
    EXPECT_EQ(eventAfter.m_fontHeigh, eventBefore.m_fontHeigh);
    EXPECT_EQ(eventAfter.m_fontWidth, eventBefore.m_fontWidth);
}

// The item batch sets only the flag bits of the groups the user changed; each cell keeps its
// other bits (the first cell's word was carried onto all).
TEST_F(DocAttrMenusTest, TheItemBatchSetsOnlyTheFlagBitsOfTheChangedGroups) {
    doc.GetOperation().SetMode(Op::kModeKoumoku);
    const WORD flags[] = {0x004, 0x104, 0x200};
    for (int row = 0; row < 3; ++row) {
        CKoumokuData* cell = doc.GetKoumokuCells().CreateKoumokuData(row, 0);
        cell->SetFlags(flags[row]);
        cell->SetFormat(static_cast<WORD>(row));
        cell->SetSelected(1);
    }
    ui->OnDialog("KoumokuAttr2Dlg", [](DialogRequest& r) {
        auto& request = static_cast<KoumokuAttr2DlgRequest&>(r);
        request.attr.form = 0xFFFF;
        request.attr.color = CTembraDoc::kUnchangedColor;
        request.attr.sizeV = request.attr.sizeH = 0xFF;
        request.attr.flags = 0x100; // 上寄せ
        request.flagMask = 0x300;   // the placement group
        return IDOK;
    });
    RunCommand(doc, 40035);
    const WORD expected[] = {0x104, 0x104, 0x100};
    for (int row = 0; row < 3; ++row) {
        SCOPED_TRACE(row);
        const CKoumokuData* cell = doc.GetKoumokuCells().GetKoumokuCell(row, 0);
        ASSERT_NE(cell, nullptr);
        EXPECT_EQ(cell->GetFlags(), expected[row]);
        EXPECT_EQ(cell->GetFormat(), row) << "the format was left";
    }
}

// The event batch sets only the flag bits of the groups ticked; each event keeps its other bits
// (the first event's word was carried onto all).
TEST_F(DocAttrMenusTest, TheEventBatchSetsOnlyTheFlagBitsOfTheTickedGroups) {
    doc.GetOperation().SetMode(Op::kModeEvent);
    doc.GetOperation().SetOperation(Op::kOpEdit);
    const WORD flags[] = {0x0001, 0x1008, 0x0006};
    for (const WORD f : flags) {
        AddEvent("e")->SetStyle(f);
    }
    ui->OnDialog("EventAttrBulkDlg", [](DialogRequest& r) {
        auto& request = static_cast<EventAttrBulkDlgRequest&>(r);
        EXPECT_TRUE(request.fromSelection);
        EXPECT_EQ(request.attr.flags, 0x0001) << "the first event's attributes come in";
        request.attr.form = 0xFFFF;
        request.attr.color = CTembraDoc::kUnchangedColor;
        request.attr.sizeV = request.attr.sizeH = 0xFF;
        request.attr.flags = 0x0004; // 強調 only, of the 属性 group
        request.flagMask = 0x0001 | 0x0002 | 0x0004 | 0x1000;
        return IDOK;
    });
    RunCommand(doc, 33019);
    std::vector<WORD> after;
    for (POSITION pos = doc.GetHeadSelPosition(); pos != nullptr;) {
        if (const CEvent* event = AsEvent(doc.GetNextSel(pos))) {
            after.push_back(event->GetStyle());
        }
    }
    // 常に横書き (8) belongs to no ticked group and stays on the second event.
    EXPECT_EQ(after, (std::vector<WORD>{0x0004, 0x000C, 0x0004}));
}

TEST_F(DocAttrMenusTest, TheProcessColourListAsksOnlyForItsOtherEntry) {
    struct Case {
        const char* name;
        int index;
        bool dialogOk;
        COLORREF applied;    // the process's colour after
        COLORREF remembered; // the process slot after
        std::size_t dialogs;
    };
    const Case cases[] = {
        {"yellow, entry 5", 5, true, kYellow, kRemembered, 0},
        {"other, OK", 6, true, kChosen, kChosen, 1},
        {"other, Cancel", 6, false, 0, kRemembered, 1},
    };
    for (const Case& c : cases) {
        test::ScopedUi scoped;
        scoped->OnDialog("Color", [&c](DialogRequest& r) {
            static_cast<ColorRequest&>(r).color = kChosen;
            return c.dialogOk ? IDOK : IDCANCEL;
        });
        const std::string name = std::string("P") + std::to_string(c.index) + c.name;
        Add({name, 0, 5, 1, 1});
        SelectWhole(name);
        app->SetKouteiCustomColor(kRemembered);
        OnKouteiBarColor(doc, c.index, kYellow);
        EXPECT_EQ(Get(name)->GetLines()->GetAttr().m_color, c.applied) << c.name;
        EXPECT_EQ(app->GetKouteiCustomColor(), c.remembered) << c.name;
        EXPECT_EQ(scoped->Dialogs().size(), c.dialogs) << c.name;
        doc.UnselectAll(TRUE);
    }
}

// ---- The term bar and "その他" by mode --------------------------------------------------------

// The term bar's own text edit (33042) in the line-drawing mode is the active chart view's 文字編集
// of the selected shape; in the process mode it does nothing.
TEST_F(DocAttrMenusTest, TheBarsTextEditOfShapesGoesToTheChartView) {
    bar.text = "typed";
    for (const LONG mode : {Op::kModeZukei, Op::kModeKoutei}) {
        SCOPED_TRACE(mode);
        ui->ClearRecords();
        doc.GetOperation().SetMode(mode);
        RunCommand(doc, 33042);
        EXPECT_EQ(ui->PostedCommands(),
                  mode == Op::kModeZukei ? std::vector<UINT>{33094} : std::vector<UINT>{});
    }
}

// A text the bar refuses (characters CP932 cannot hold, named in its message) goes nowhere.
TEST_F(DocAttrMenusTest, TheTermBarGoesToEventsCellsOrTermsByMode) {
    struct Case {
        LONG mode;
        const char* eventText;
        const char* cellText;
        const char* termText;
        bool refused = false;
    };
    const Case cases[] = {
        {Op::kModeEvent, "typed", "cell", "term"},
        {Op::kModeKoumoku, "event", "typed", "term"},
        {Op::kModeYogo, "event", "cell", "typed"},
        {Op::kModeEvent, "event", "cell", "term", true},
        {Op::kModeKoumoku, "event", "cell", "term", true},
        {Op::kModeYogo, "event", "cell", "term", true},
    };
    for (const Case& c : cases) {
        bar.refuses = c.refused;
        doc.UnselectAll(FALSE);
        AddEvent("event");
        CKoumokuData* cell = doc.GetKoumokuCells().CreateKoumokuData(0, 0);
        cell->SetText("cell");
        cell->SetSelected(1);
        const std::string name = "T" + std::to_string(c.mode);
        AddWithTerm(name, "term");
        bar.text = "typed";
        doc.GetOperation().SetMode(c.mode);
        doc.GetOperation().SetOperation(Op::kOpEdit);
        RunCommand(doc, 32985);
        std::string eventText;
        for (POSITION pos = doc.GetHeadSelPosition(); pos != nullptr;) {
            if (const CEvent* e = AsEvent(doc.GetNextSel(pos))) {
                eventText = e->GetText();
            }
        }
        for (POSITION pos = doc.GetHeadObjPosition(); pos != nullptr;) {
            if (const CEvent* e = AsEvent(doc.GetNextObj(pos))) {
                eventText = e->GetText();
            }
        }
        EXPECT_EQ(eventText, c.eventText) << c.mode;
        EXPECT_EQ(doc.GetKoumokuCells().GetKoumokuCell(0, 0)->GetText(), c.cellText) << c.mode;
        EXPECT_EQ(Get(name)->GetYogo(0)->GetText(), c.termText) << c.mode;
        // The next case starts without the events.
        doc.UnselectAll(FALSE);
        for (POSITION pos = doc.GetHeadObjPosition(); pos != nullptr;) {
            const POSITION at = pos;
            if (AsEvent(doc.GetNextObj(pos)) != nullptr) {
                doc.DeleteObjAt(at);
            }
        }
        doc.GetKoumokuCells().ClearSelectedKoumokuCells(FALSE);
    }
    bar.refuses = false;
}

TEST_F(DocAttrMenusTest, TheOtherColourOfTheBarIsRememberedInTheSlotOfTheMode) {
    struct Case {
        LONG mode;
        COLORREF (CAppState::*slot)() const;
    };
    const Case cases[] = {
        {Op::kModeEvent, &CAppState::GetEventCustomColor},
        {Op::kModeKoumoku, &CAppState::GetKoumokuCustomColor},
        {Op::kModeYogo, &CAppState::GetYogoCustomColor},
        {Op::kModeKoutei, &CAppState::GetYogoCustomColor},
    };
    for (const Case& c : cases) {
        for (const bool ok : {true, false}) {
            app->SetEventCustomColor(kRemembered);
            app->SetKoumokuCustomColor(kRemembered);
            app->SetYogoCustomColor(kRemembered);
            doc.GetSyokiSet().GetEvent().GetTextAttr().m_color = 0;
            doc.GetSyokiSet().GetChart().GetKoumokuAttr().m_color = 0;
            doc.GetSyokiSet().GetChart().GetYogoAttr().m_color = 0;
            AnswerColor(ok);
            bar.colorIndex = 6;
            doc.GetOperation().SetMode(c.mode);
            OnYogoBarColor(doc);
            const COLORREF expected = ok ? kChosen : kRemembered;
            EXPECT_EQ((app.Get().*c.slot)(), expected) << c.mode << " " << ok;
            // Nothing selected: the colour goes to the defaults of new objects of the kind.
            const COLORREF applied =
                c.mode == Op::kModeEvent     ? doc.GetSyokiSet().GetEvent().GetTextAttr().m_color
                : c.mode == Op::kModeKoumoku ? doc.GetSyokiSet().GetChart().GetKoumokuAttr().m_color
                                             : doc.GetSyokiSet().GetChart().GetYogoAttr().m_color;
            EXPECT_EQ(applied, ok ? kChosen : 0u) << c.mode << " " << ok;
        }
    }
}

// The term bar is the event bar in the event mode, the item bar in the item mode and the terms'
// bar in the others: the idle update shows only the colour of the kind it serves, whatever the
// order the colour commands are updated in (a red chosen for new terms went back to black at the
// next idle, the events' colour drawn over it).
TEST_F(DocAttrMenusTest, TheBarShowsOnlyTheColourOfTheKindItServes) {
    constexpr COLORREF kEventColor = RGB(255, 0, 0);
    constexpr COLORREF kItemColor = RGB(0, 255, 0);
    constexpr COLORREF kTermColor = RGB(0, 0, 255);
    doc.GetSyokiSet().GetEvent().GetTextAttr().m_color = kEventColor;
    doc.GetSyokiSet().GetChart().GetKoumokuAttr().m_color = kItemColor;
    doc.GetSyokiSet().GetChart().GetYogoAttr().m_color = kTermColor;
    struct Case {
        LONG mode;
        COLORREF shown;
    };
    const Case cases[] = {
        {Op::kModeEvent, kEventColor},
        {Op::kModeKoumoku, kItemColor},
        {Op::kModeYogo, kTermColor},
        {Op::kModeKoutei, kTermColor},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        doc.GetOperation().SetMode(c.mode);
        bar.colors.clear();
        // The event, item and term colour entries 黒 and the bar's own colour list, as the idle
        // update meets them.
        for (const UINT id : {32799U, kYogoBarColorId}) {
            CCmdUI state(id);
            doc.GetEvents().UpdateEventAttrUI(&state);
        }
        for (const UINT id : {40043U, kYogoBarColorId}) {
            CCmdUI state(id);
            doc.GetKoumokuCells().UpdateKoumokuAttrUI(&state);
        }
        for (const UINT id : {32964U, kYogoBarColorId}) {
            CCmdUI state(id);
            doc.GetTerms().UpdateYogoAttrUI(&state);
        }
        ASSERT_FALSE(bar.colors.empty());
        for (const COLORREF shown : bar.colors) {
            EXPECT_EQ(shown, c.shown);
        }
    }
}

TEST_F(DocAttrMenusTest, TheMenusOtherColourAppliesOnlyAfterOk) {
    struct Case {
        UINT id;
        COLORREF (CAppState::*slot)() const;
        void (CAppState::*set)(COLORREF);
    };
    const Case cases[] = {
        {33071, &CAppState::GetEventCustomColor, &CAppState::SetEventCustomColor},
        {33072, &CAppState::GetKoumokuCustomColor, &CAppState::SetKoumokuCustomColor},
        {33069, &CAppState::GetKouteiCustomColor, &CAppState::SetKouteiCustomColor},
        {33070, &CAppState::GetYogoCustomColor, &CAppState::SetYogoCustomColor},
    };
    for (const Case& c : cases) {
        for (const bool ok : {true, false}) {
            (app.Get().*c.set)(kRemembered);
            AnswerColor(ok);
            doc.GetSyokiSet().GetEvent().GetTextAttr().m_color = 0;
            doc.GetSyokiSet().GetChart().GetKoumokuAttr().m_color = 0;
            doc.GetSyokiSet().GetChart().GetKouteiAttr().m_color = 0;
            doc.GetSyokiSet().GetChart().GetYogoAttr().m_color = 0;
            RunCommand(doc, c.id);
            EXPECT_EQ((app.Get().*c.slot)(), ok ? kChosen : kRemembered) << c.id << " " << ok;
            const COLORREF defaults[] = {
                doc.GetSyokiSet().GetEvent().GetTextAttr().m_color,
                doc.GetSyokiSet().GetChart().GetKoumokuAttr().m_color,
                doc.GetSyokiSet().GetChart().GetKouteiAttr().m_color,
                doc.GetSyokiSet().GetChart().GetYogoAttr().m_color,
            };
            int changed = 0;
            for (const COLORREF d : defaults) {
                changed += d == kChosen ? 1 : 0;
            }
            EXPECT_EQ(changed, ok ? 1 : 0) << c.id << " " << ok;
        }
    }
}

TEST_F(DocAttrMenusTest, TheTermInputIsActiveOnlyWhereItDraws) {
    struct Case {
        LONG mode, operation;
        bool active;
    };
    // Each case changes the state the one before it left.
    const Case cases[] = {
        {Op::kModeKoumoku, Op::kOpDraw, true}, {Op::kModeKoutei, Op::kOpDraw, false},
        {Op::kModeYogo, Op::kOpDraw, true},    {Op::kModeYogo, Op::kOpCopyPick, false},
        {Op::kModeEvent, Op::kOpDraw, true},   {Op::kModeEvent, Op::kOpEdit, false},
    };
    for (const Case& c : cases) {
        doc.GetOperation().SetMode(c.mode);
        doc.GetOperation().SetOperation(c.operation);
        bar.active = !c.active;
        CommandState(doc, kYogoComboId);
        EXPECT_EQ(bar.active, c.active) << c.mode << " " << c.operation;
        // Written only when it changes.
        bar.active = !c.active;
        CommandState(doc, kYogoComboId);
        EXPECT_EQ(bar.active, !c.active) << c.mode << " " << c.operation;
    }
}

// ---- Events -------------------------------------------------------------------------------------

TEST_F(DocAttrMenusTest, TheDateSnappingOfNewEvents) {
    struct Case {
        UINT id;
        WORD before;
        WORD form;
        WORD after;
        WORD formAfter;
    };
    const Case cases[] = {
        {32802, 0x102, 1, 0x101, 0},                              // 日付合 keeps only 行合
        {32802, 0x001, 1, 0x000, 0}, {32803, 0x001, 0, 0x002, 1}, // 日中央
        {32803, 0x002, 1, 0x000, 0}, {32810, 0x003, 1, 0x103, 1}, // 行合 toggles alone
        {32810, 0x103, 1, 0x003, 1},
    };
    for (const Case& c : cases) {
        CConfigEvent& settings = doc.GetSyokiSet().GetEvent();
        settings.SetRevice(c.before);
        settings.GetTextAttr().m_form = c.form;
        RunCommand(doc, c.id);
        EXPECT_EQ(settings.GetRevice(), c.after) << c.id << " " << c.before;
        EXPECT_EQ(settings.GetTextAttr().m_form, c.formAfter) << c.id << " " << c.before;
        EXPECT_EQ(CommandState(doc, c.id).GetCheck(), c.after & (c.id == 32802   ? 0x001
                                                                 : c.id == 32803 ? 0x002
                                                                                 : 0x100)
                                                          ? 1
                                                          : 0);
    }
}

TEST_F(DocAttrMenusTest, AMailLinkIsEditedAsItsAddress) {
    struct Case {
        const char* link;
        const char* shown;
        bool mail;
    };
    const Case cases[] = {
        {"mailto:x@y", "x@y", true},
        {"see mailto:x", "see mailto:x", false},
        {"https://example.org/", "https://example.org/", false},
    };
    for (const Case& c : cases) {
        doc.UnselectAll(FALSE);
        doc.GetOperation().SetMode(Op::kModeEvent);
        AddEvent("text", c.link);
        HyperLinkRequest seen;
        ui->OnDialog("HyperLink", [&seen](DialogRequest& r) {
            auto& request = static_cast<HyperLinkRequest&>(r);
            seen = request;
            request.text = "shown";
            return IDOK;
        });
        ASSERT_TRUE(CommandState(doc, 33132).IsEnabled()) << c.link;
        EXPECT_FALSE(CommandState(doc, 33131).IsEnabled()) << c.link;
        RunCommand(doc, 33132);
        EXPECT_EQ(seen.captionId, 5161u) << c.link;
        EXPECT_EQ(seen.address, c.shown) << c.link;
        EXPECT_EQ(seen.mail, c.mail) << c.link;
        ASSERT_NE(SelectedEvent(), nullptr);
        EXPECT_EQ(SelectedEvent()->GetHyperlink(), c.link) << "stored back as it was";
        EXPECT_EQ(SelectedEvent()->GetText(), "shown");
    }
}

TEST_F(DocAttrMenusTest, FillsOfADateRangeAndOfWholeRowsAreOneUndoStep) {
    struct Case {
        const char* name;
        bool range;
        int pattern;
        std::vector<std::pair<WORD, WORD>> made; // kind, pattern
    };
    const Case cases[] = {
        {"a date range, pattern 3", true, 3, {{2, 203}}},
        {"rows 5 to 7 with their cells, pattern 9",
         false,
         9,
         {{1, 99}, {12, 99}, {12, 99}, {12, 99}, {12, 99}, {12, 99}, {12, 99}}},
    };
    for (const Case& c : cases) {
        test::ScopedUi scoped;
        CTembraDoc d;
        d.GetChartLayers().CreateLayers();
        d.GetKoumoku()->SetLevelCount(2);
        // An old fill of the range that the new one replaces.
        d.GetHatchList()->AddTail(
            CChartHatches::CreateHatch(2, 201, 0, ChartDay(2), ChartDay(4), 0, 0, 0, 0).release());
        if (c.range) {
            d.GetSelectedDateRange()->SetStartDate(ChartDay(1));
            d.GetSelectedDateRange()->SetEndDate(ChartDay(5));
        } else {
            for (int row = 5; row <= 7; ++row) {
                for (int column = 0; column < 2; ++column) {
                    d.GetKoumokuCells().CreateKoumokuData(row, column)->SetSelected(255);
                }
            }
        }
        scoped->OnDialog("FillSetDlg", [&c](DialogRequest& r) {
            auto& request = static_cast<FillSetDlgRequest&>(r);
            EXPECT_EQ(request.wholeRows, !c.range) << c.name;
            request.action = FillSetDlgRequest::kSet;
            request.pattern = c.pattern;
            request.cellsToo = true;
            return IDOK;
        });
        ASSERT_TRUE(CommandState(d, 33145).IsEnabled()) << c.name;
        RunCommand(d, 33145);
        std::vector<std::pair<WORD, WORD>> made;
        for (POSITION pos = d.GetHatchList()->GetHeadPosition(); pos != nullptr;) {
            const CKtkmHatch* hatch = d.GetHatchList()->GetNext(pos);
            if (hatch->GetPattern() != 201) {
                made.emplace_back(hatch->GetKind(), hatch->GetPattern());
            }
        }
        EXPECT_EQ(made, c.made) << c.name;
        EXPECT_EQ(d.GetHatchList()->GetCount(), static_cast<int>(c.made.size()) + (c.range ? 0 : 1))
            << c.name << ": the range's old fill goes";
        d.GetUndoHistory().Undo();
        ASSERT_EQ(d.GetHatchList()->GetCount(), 1) << c.name;
        EXPECT_EQ(d.GetHatchList()->GetHead()->GetPattern(), 201) << c.name;
    }
}

// ---- Item cells ---------------------------------------------------------------------------------

TEST_F(DocAttrMenusTest, RuledLinesAreShownExchangedAndStoredAsTheyWere) {
    doc.GetOperation().SetMode(Op::kModeKoumoku);
    doc.GetKoumoku()->SetKeisenType(0, 1);
    CKoumokuData* cell = doc.GetKoumokuCells().CreateKoumokuData(0, 0);
    cell->SetKeisenWord1(2);
    cell->SetKeisenWord2(3);
    cell->SetSelected(1);
    KeisenSetDlgRequest shown;
    int answers = 0;
    ui->OnDialog("KeisenSetDlg", [&](DialogRequest& r) {
        shown = static_cast<KeisenSetDlgRequest&>(r);
        ++answers;
        return IDOK;
    });
    RunCommand(doc, 40058);
    EXPECT_EQ(answers, 1);
    EXPECT_EQ(shown.rowLine, 2);
    EXPECT_EQ(shown.lineA, 1);
    EXPECT_EQ(shown.lineB, 3);
    EXPECT_EQ(doc.GetKoumokuTable().GetKeisenType(0), 1);
    EXPECT_EQ(doc.GetKoumokuCells().GetKoumokuCell(0, 0)->GetKeisenWord1(), 2);
    EXPECT_EQ(doc.GetKoumokuCells().GetKoumokuCell(0, 0)->GetKeisenWord2(), 3);
    EXPECT_FALSE(doc.GetUndoHistory().CanUndo()) << "OK without a change changes nothing";
}

TEST(KoumokuAdvanceTest, TheNextShownCellWrapsToTheFirstShownRow) {
    CKoumoku table;
    table.SetLevelCount(4);
    table.SetColumnWidth(0, 0); // hidden
    struct Case {
        const char* name;
        KoumokuPlace from;
        std::optional<KoumokuPlace> next;
    };
    const Case cases[] = {
        {"next column", {5, 1}, KoumokuPlace{5, 2}},
        {"last column: the next row, past the hidden one", {5, 3}, KoumokuPlace{6, 1}},
        {"last shown row: the first shown row", {9, 3}, KoumokuPlace{4, 1}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(NextKoumokuPlace(table, c.from, 4, 9), c.next) << c.name;
    }
    for (int column = 0; column < 4; ++column) {
        table.SetColumnWidth(column, 0);
    }
    EXPECT_EQ(NextKoumokuPlace(table, {5, 1}, 4, 9), std::nullopt) << "no column shown: ends";
}

// A chart view as the item text input sees it: its layout, and the clicks it is asked to post.
class AdvanceView : public test::RecordingView, public IChartViewLayout, public IObjectActionView {
public:
    const CPageLayout* GetChartLayout() const override { return layout; }
    void PostObjectAction(const std::optional<CPoint>& leftPressAt) override {
        posted.push_back(leftPressAt);
    }
    const CPageLayout* layout = nullptr;
    std::vector<std::optional<CPoint>> posted;
};

TEST_F(DocAttrMenusTest, TheTextOfTheLastShownCellMovesTheInputToTheFirstShownRow) {
    test::SetAprilPage(doc.GetSyokiSet());
    test::DocLayoutView layoutView{doc};
    CPageLayout layout;
    layout.Init(&layoutView);
    AdvanceView chart;
    chart.layout = &layout;
    app->SetActiveViewSource([&chart] { return &chart; });
    CKoumoku& table = *doc.GetKoumoku();
    table.SetLevelCount(3);
    table.SetColumnWidth(0, 0); // not shown
    table.SetColumnWidth(1, 50);
    table.SetColumnWidth(2, 50);
    const int last = layout.GetLastRow();
    doc.GetKoumokuCells().CreateKoumokuData(last, 2)->SetSelected(1);
    doc.GetOperation().SetMode(Op::kModeKoumoku);
    doc.GetOperation().SetOperation(Op::kOpDraw);
    bar.text = "typed";

    RunCommand(doc, 40055);
    EXPECT_EQ(doc.GetKoumokuCells().GetKoumokuCell(last, 2)->GetText(), "typed");
    ASSERT_EQ(chart.posted.size(), 1u);
    ASSERT_TRUE(chart.posted[0].has_value());
    EXPECT_EQ(*chart.posted[0],
              CPoint(layout.ColumnToX(1, 0), layout.RowToY(layout.GetFirstRow(), 0)));
    app->SetActiveViewSource({});
}

} // namespace
} // namespace tembra
