// The shape menu (属性 > 線画): the value commands on the selection or on the defaults, the enable
// and check rules, the "その他" colours, the styles and text mode, and the batch change.
#include "DocCommandDriver.h"
#include "DocTestSupport.h"
#include "document/commands/ZukeiMenu.h"

#include "document/AppState.h"
#include "document/TembraDoc.h"
#include "document/ZukeiAttrCommands.h"
#include "document/ZukeiDialogRequests.h"
#include "platform/ColorRequest.h"
#include "shapes/ZukeiBox.h"
#include "shapes/ZukeiBox2.h"
#include "shapes/ZukeiGroup.h"
#include "shapes/ZukeiPolyLine.h"
#include "shapes/ZukeiString.h"
#include "support/ScriptedUi.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace tembra {
namespace {

using test::CommandState;
using test::Day;
using test::RunCommand;
using test::ScopedAppState;

constexpr COLORREF kChosen = RGB(12, 34, 56);

class DocZukeiMenuTest : public testing::Test {
protected:
    DocZukeiMenuTest() { doc.AddView(&view); }
    ~DocZukeiMenuTest() override { doc.RemoveView(&view); }

    template <class Shape = CZukeiBox> Shape* Add(bool selected = true) {
        auto* shape = new Shape;
        shape->SetStyle(3);
        doc.GetZukeiList().AddTail(shape);
        if (selected) {
            Select(shape);
        }
        return shape;
    }
    CZukeiString* AddText(short frameStyle = 3, bool selected = true) {
        auto* text = Add<CZukeiString>(false);
        text->CDataHeader::SetKind(kZukeiFramedString);
        text->SetStyle(kTextZukeiStyle);
        text->SetStyleNo(frameStyle);
        text->SetFrameKind(static_cast<WORD>(frameStyle + 1));
        if (selected) {
            Select(text);
        }
        return text;
    }
    void Select(CZukei* shape) {
        shape->Select();
        doc.AddSel(shape);
    }
    CZukeiAttr& Defaults() { return doc.GetSyokiSet().GetZukei().GetAttr(); }
    void AnswerColor(bool ok) {
        ui->OnDialog("Color", [ok](DialogRequest& r) {
            if (!ok) {
                return IDCANCEL;
            }
            static_cast<ColorRequest&>(r).color = kChosen;
            return IDOK;
        });
    }
    void Run(UINT id) {
        if (FindZukeiAttrCommand(id) != nullptr) {
            ASSERT_TRUE(OnZukeiAttrCommand(doc, id));
        } else {
            RunCommand(doc, id);
        }
    }
    CCmdUI State(UINT id) {
        if (FindZukeiAttrCommand(id) != nullptr) {
            CCmdUI cmdUI(id);
            UpdateZukeiAttrUI(doc, &cmdUI);
            return cmdUI;
        }
        return CommandState(doc, id);
    }

    ScopedAppState app;
    test::ScopedUi ui;
    test::RecordingView view;
    CTembraDoc doc;
};

// Each value command changes every selected shape as one undo step, or the defaults without a
// selection; the colours leave the shapes deselected, the others keep the selection.
TEST_F(DocZukeiMenuTest, ValueCommandsChangeTheSelectionAsOneStepOrTheDefaults) {
    struct Case {
        UINT id;
        DWORD (*read)(const CZukeiAttr&);
        DWORD expected;
        bool deselects;
    };
    const auto lineType = +[](const CZukeiAttr& a) -> DWORD { return a.m_type; };
    const auto width = +[](const CZukeiAttr& a) -> DWORD { return static_cast<DWORD>(a.m_width); };
    const auto color = +[](const CZukeiAttr& a) -> DWORD { return a.m_color; };
    const auto hatch = +[](const CZukeiAttr& a) -> DWORD { return a.m_hatch; };
    const auto hatchColor = +[](const CZukeiAttr& a) -> DWORD { return a.m_hatchColor; };
    const auto pointMode =
        +[](const CZukeiAttr& a) -> DWORD { return static_cast<DWORD>(a.m_pointMode); };
    const std::vector<Case> cases{
        {40003, lineType, 1, false},          // 2. 破線 (menu order differs from code order)
        {40002, lineType, 2, false},          // 3. 点線
        {40009, width, 2, false},             // 3. 太い
        {40011, color, RGB(255, 0, 0), true}, // 線色 赤
        {40019, hatch, 3, false},             // 4. 右上り斜線
        {40016, hatch, 999, false},           // 1. なし
        {40029, hatchColor, RGB(0, 255, 255), true}, // 模様色 水色
        {32917, pointMode, 2, false},                // 位置とｻｲｽﾞを固定
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        CZukeiBox* a = Add();
        CZukeiBox* b = Add();
        const CZukeiAttr before = a->GetAttr();
        const CZukeiAttr defaults = Defaults();

        Run(c.id);
        EXPECT_EQ(c.read(a->GetAttr()), c.expected);
        EXPECT_EQ(c.read(b->GetAttr()), c.expected);
        EXPECT_EQ(Defaults(), defaults) << "a selection leaves the defaults";
        EXPECT_EQ(a->IsSelected() == 0, c.deselects);
        if (!c.deselects) {
            EXPECT_EQ(State(c.id).GetCheck(), 1) << "the first selected shape's value";
        }

        // One step takes both back.
        ASSERT_EQ(doc.GetUndoHistory().Undo(), 1);
        for (POSITION pos = doc.GetShapes().GetHeadZukeiPosition(); pos != nullptr;) {
            EXPECT_EQ(doc.GetShapes().GetNextZukei(pos)->GetAttr(), before);
        }
        EXPECT_FALSE(doc.GetUndoHistory().CanUndo());

        // Nothing selected: the defaults take the value and the check follows them.
        doc.ClearAllSelections(FALSE);
        Run(c.id);
        EXPECT_EQ(c.read(Defaults()), c.expected);
        EXPECT_EQ(State(c.id).GetCheck(), 1);
        doc.DeleteZukeiList();
    }
}

// 四角 (S1) by what is selected: a single text is reframed, a single other shape keeps its style,
// nothing or two shapes change only the defaults.
TEST_F(DocZukeiMenuTest, BoxStyleByTheSelection) {
    constexpr UINT kBox = 32906;
    {
        SCOPED_TRACE("nothing selected");
        Defaults().m_style = 0;
        Run(kBox);
        EXPECT_EQ(Defaults().m_style, 3);
        const CCmdUI state = State(kBox);
        EXPECT_TRUE(state.IsEnabled());
        EXPECT_EQ(state.GetCheck(), 1);
    }
    {
        SCOPED_TRACE("one text framed by a circle");
        CZukeiString* text = AddText(5);
        text->SetUpdate(FALSE);
        Defaults().m_style = 0;
        Run(kBox);
        EXPECT_EQ(text->GetStyleNo(), 3);
        EXPECT_EQ(text->GetFrameKind(), kZukeiBox);
        EXPECT_TRUE(text->GetUpdate());
        EXPECT_EQ(Defaults().m_style, 0);
        const CCmdUI state = State(kBox);
        EXPECT_TRUE(state.IsEnabled());
        EXPECT_EQ(state.GetCheck(), 1);
        EXPECT_EQ(State(32908).GetCheck(), 0); // 円
        doc.ClearAllSelections(FALSE);
    }
    {
        SCOPED_TRACE("one ellipse");
        CZukeiBox* box = Add();
        box->SetStyle(6);
        Defaults().m_style = 0;
        Run(kBox);
        EXPECT_EQ(box->GetStyle(), 6);
        EXPECT_EQ(Defaults().m_style, 0);
        EXPECT_FALSE(State(kBox).IsEnabled());
        EXPECT_EQ(State(32912).GetCheck(), 1); // 楕円, disabled
        doc.ClearAllSelections(FALSE);
    }
    {
        SCOPED_TRACE("a text and a box, text mode on");
        CZukeiString* text = AddText(5);
        CZukeiBox* box = Add();
        doc.GetShapes().SetZukeiTextMode(TRUE);
        Run(kBox);
        EXPECT_EQ(text->GetStyleNo(), 5);
        EXPECT_EQ(box->GetStyle(), 3);
        EXPECT_EQ(Defaults().m_style, kTextZukeiStyle);
        EXPECT_EQ(doc.GetShapes().GetZukeiFrameStyle(), 3);
        EXPECT_FALSE(State(kBox).IsEnabled()) << "a text among two shapes";
    }
}

TEST_F(DocZukeiMenuTest, LineStylesAreDisabledWithShapesSelected) {
    constexpr UINT kArc = 32903;
    Run(kArc);
    EXPECT_EQ(Defaults().m_style, 7);
    EXPECT_EQ(State(kArc).GetCheck(), 1);
    CZukeiBox* box = Add();
    box->SetStyle(7);
    const CCmdUI state = State(kArc);
    EXPECT_FALSE(state.IsEnabled());
    EXPECT_EQ(state.GetCheck(), 1);
}

// テキスト toggles the mode, falls back to the frame style when switched off, and is enabled
// only while drawing.
TEST_F(DocZukeiMenuTest, TextModeTogglesAndIsOnlyForTheDrawOperation) {
    Defaults().m_style = 5;
    Run(33081);
    EXPECT_TRUE(doc.GetShapes().GetZukeiTextMode());
    EXPECT_EQ(Defaults().m_style, kTextZukeiStyle);
    EXPECT_EQ(doc.GetShapes().GetZukeiFrameStyle(), 5);
    EXPECT_EQ(State(33081).GetCheck(), 1);
    Run(33081);
    EXPECT_FALSE(doc.GetShapes().GetZukeiTextMode());
    EXPECT_EQ(Defaults().m_style, 5);

    struct Case {
        LONG operation;
        bool enabled;
    };
    for (const Case c :
         {Case{COperationState::kOpDraw, true}, Case{COperationState::kOpEdit, false},
          Case{COperationState::kOpDeformApply, false}}) {
        doc.GetOperation().SetOperation(c.operation);
        EXPECT_EQ(State(33081).IsEnabled(), c.enabled) << c.operation;
    }
}

// 線なし acts and is enabled only with texts alone selected.
TEST_F(DocZukeiMenuTest, LineNoneOnlyForTextsAlone) {
    CZukeiString* a = AddText();
    CZukeiString* b = AddText(4);
    EXPECT_TRUE(State(33100).IsEnabled());
    Run(33100);
    EXPECT_EQ(a->GetLineType(), kNoLineType);
    EXPECT_EQ(b->GetLineType(), kNoLineType);
    EXPECT_EQ(State(33100).GetCheck(), 1);

    a->SetLineType(0);
    b->SetLineType(0);
    CZukeiBox* box = Add();
    EXPECT_FALSE(State(33100).IsEnabled());
    Run(33100);
    EXPECT_EQ(a->GetLineType(), 0);
    EXPECT_EQ(box->GetLineType(), 0);
}

// The text commands: on the selected texts when only texts are selected (a box beside them
// sends them to the defaults); the vertical alignment waits while a text is edited in place.
TEST_F(DocZukeiMenuTest, TextAttributesGoToTextsAloneOrTheDefaults) {
    CZukeiString* text = AddText();
    Run(33097); // 下寄せ
    EXPECT_EQ(text->GetTextAttr().m_attrb & (kTextTopBit | kTextBottomBit), kTextBottomBit);
    Run(33095); // 上寄せ replaces it
    EXPECT_EQ(text->GetTextAttr().m_attrb & (kTextTopBit | kTextBottomBit), kTextTopBit);
    Run(33084); // 強調 toggles
    Run(33092); // 右寄せ
    EXPECT_EQ(text->GetTextAttr().m_attrb, kTextTopBit | kTextEmphasisBit);
    EXPECT_EQ(text->GetTextAttr().m_form, 2);
    EXPECT_EQ(State(33092).GetCheck(), 1);
    EXPECT_EQ(State(33084).GetCheck(), 1);

    EXPECT_TRUE(State(33096).IsEnabled());
    text->SetEditState(1);
    EXPECT_FALSE(State(33096).IsEnabled()) << "edited in place";
    text->ClearEditState();

    Add();      // a box beside the text: the defaults take it
    Run(33086); // 赤
    EXPECT_EQ(text->GetTextAttr().m_color, 0u);
    EXPECT_EQ(doc.GetSyokiSet().GetZukei().GetTextAttr().m_color, RGB(255, 0, 0));
    EXPECT_EQ(State(33086).GetCheck(), 1);
}

// The text size changes the selected texts only, as one undo step, and lays them out again.
TEST_F(DocZukeiMenuTest, TextSizeGoesToTheSelectedTextsAsOneStep) {
    CZukeiString* first = AddText();
    CZukeiString* second = AddText();
    Add(); // a box beside them is passed over
    CZukeiString* unselected = AddText(3, false);
    const WORD before = first->GetTextAttr().GetSize();
    first->SetUpdate(FALSE);
    doc.GetShapes().SetSelTextSize(0x0302);
    for (CZukeiString* text : {first, second}) {
        EXPECT_EQ(text->GetTextAttr().m_fontHeigh, 3);
        EXPECT_EQ(text->GetTextAttr().m_fontWidth, 2);
    }
    EXPECT_TRUE(first->GetUpdate());
    EXPECT_EQ(unselected->GetTextAttr().GetSize(), before);

    ASSERT_EQ(doc.GetUndoHistory().Undo(), 1);
    EXPECT_FALSE(doc.GetUndoHistory().CanUndo()) << "one step";
    for (POSITION pos = doc.GetShapes().GetHeadZukeiPosition(); pos != nullptr;) {
        if (const auto* text = DynamicDowncast<CZukeiString>(doc.GetShapes().GetNextZukei(pos))) {
            EXPECT_EQ(text->GetTextAttr().GetSize(), before);
        }
    }
}

// その他: OK applies and remembers the colour, Cancel changes nothing; the check marks a colour
// that is none of the six and remembers it as the dialog's start.
TEST_F(DocZukeiMenuTest, OtherColorAppliesOnlyOnOk) {
    CZukeiBox* box = Add();
    box->SetColor(RGB(255, 0, 0));
    AnswerColor(false);
    Run(33073);
    EXPECT_EQ(box->GetColor(), RGB(255, 0, 0));
    EXPECT_EQ(box->IsSelected(), 1);
    EXPECT_FALSE(doc.GetUndoHistory().CanUndo());
    EXPECT_EQ(State(33073).GetCheck(), 0);

    AnswerColor(true);
    Run(33073);
    EXPECT_EQ(box->GetColor(), kChosen);
    EXPECT_EQ(GetAppState()->GetZukeiCustomColor(), kChosen);
    EXPECT_EQ(box->IsSelected(), 0);

    // Nothing selected: the defaults; a default of none of the six is remembered by the update.
    Run(33074);
    EXPECT_EQ(Defaults().m_hatchColor, kChosen);
    GetAppState()->SetZukeiCustomColor(0);
    EXPECT_EQ(State(33074).GetCheck(), 1);
    EXPECT_EQ(GetAppState()->GetZukeiCustomColor(), kChosen);
}

// The enable rules of grouping, order, deformation and corner radius by the selection and mode.
TEST_F(DocZukeiMenuTest, EnableRulesOfTheShapeCommands) {
    struct Case {
        const char* what;
        std::vector<int> selection; // 0 box, 1 rounded box, 2 group, 3 rounded text
        bool group, ungroup, order, radius;
    };
    const std::vector<Case> cases{
        {"nothing", {}, false, false, false, true},
        {"one box", {0}, false, false, true, false},
        {"two boxes", {0, 0}, true, false, true, false},
        {"rounded box", {1}, false, false, true, true},
        {"group holding one", {2}, false, true, true, true},
        {"text framed round", {3, 0}, true, false, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        doc.ClearAllSelections(FALSE);
        for (int kind : c.selection) {
            if (kind == 0) {
                Add();
            } else if (kind == 1) {
                Add<CZukeiBox2>();
            } else if (kind == 2) {
                auto* group = new CZukeiGroup;
                group->AddMember(std::make_unique<CZukeiBox2>());
                doc.GetZukeiList().AddTail(group);
                Select(group);
            } else {
                AddText(4);
            }
        }
        EXPECT_EQ(State(33015).IsEnabled(), c.group);
        EXPECT_EQ(State(33016).IsEnabled(), c.ungroup);
        EXPECT_EQ(State(32791).IsEnabled(), c.order);
        EXPECT_EQ(State(40031).IsEnabled(), c.radius);
    }

    doc.GetOperation().SetMode(COperationState::kModeKoutei);
    EXPECT_FALSE(State(32789).IsEnabled());
    doc.GetOperation().SetMode(COperationState::kModeZukei);
    EXPECT_TRUE(State(32789).IsEnabled());
    Run(32789);
    EXPECT_EQ(doc.GetOperation().GetOperation(), COperationState::kOpDeformApply);
    EXPECT_EQ(State(32789).GetCheck(), 1);
}

// 角丸半径 starts from the first rounded box and applies on OK only.
TEST_F(DocZukeiMenuTest, CornerRadiusChangesOnOk) {
    Add();
    CZukeiBox2* round = Add<CZukeiBox2>();
    round->SetBoxRay(7);
    int answer = IDCANCEL;
    WORD seen = 0;
    ui->OnDialog("RoundRadiusChangeDlg", [&](DialogRequest& r) {
        auto& request = static_cast<RoundRadiusChangeDlgRequest&>(r);
        seen = request.radius;
        request.radius = 30;
        return answer;
    });
    Run(40031);
    EXPECT_EQ(seen, 7);
    EXPECT_EQ(round->GetBoxRay(), 7);
    answer = IDOK;
    Run(40031);
    EXPECT_EQ(round->GetBoxRay(), 30);
}

// 属性一括: only the fields of the mask change, and only on OK.
TEST_F(DocZukeiMenuTest, BatchChangeAppliesTheMaskedFieldsOnOk) {
    CZukeiBox* a = Add();
    CZukeiBox* b = Add();
    a->SetAttr(CZukeiAttr{3, 0, 1, 1, RGB(1, 1, 1), 3, RGB(2, 2, 2), 5});
    int answer = IDCANCEL;
    CZukeiAttr seen;
    ui->OnDialog("ZukeiAttrChangeDlg", [&](DialogRequest& r) {
        auto& request = static_cast<ZukeiAttrChangeDlgRequest&>(r);
        seen = request.attr;
        request.attr = CZukeiAttr{3, 2, 4, 2, RGB(9, 9, 9), 5, RGB(8, 8, 8), 20};
        request.mask = kZukeiMaskLineType | kZukeiMaskColor;
        return answer;
    });
    const CZukeiAttr beforeB = b->GetAttr();
    Run(33014);
    EXPECT_EQ(seen, a->GetAttr());
    EXPECT_EQ(b->GetAttr(), beforeB) << "Cancel changes nothing";

    answer = IDOK;
    Run(33014);
    for (const CZukei* shape : {static_cast<CZukei*>(a), static_cast<CZukei*>(b)}) {
        EXPECT_EQ(shape->GetLineType(), 4);
        EXPECT_EQ(shape->GetColor(), RGB(9, 9, 9));
    }
    EXPECT_EQ(a->GetWidth(), 1);
    EXPECT_EQ(a->GetHatch(), 3);
    EXPECT_EQ(a->GetBoxRay(), 5);
    EXPECT_EQ(b->GetPointMode(), beforeB.m_pointMode);
    ASSERT_EQ(doc.GetUndoHistory().Undo(), 1);
    EXPECT_FALSE(doc.GetUndoHistory().CanUndo()) << "one step";
}

// Grouping, ungrouping and an attribute change taken back and forth: the members belong to the
// shape list once the group is gone, and the history's before-images to the history.
TEST_F(DocZukeiMenuTest, GroupUngroupChangeUndoRedoOwnEveryShapeOnce) {
    CZukeiBox* a = Add();
    CZukeiBox* b = Add();
    CZukeiBox* c = Add();
    Run(33015);
    ASSERT_EQ(doc.GetZukeiCount(), 1);
    auto* group = static_cast<CZukeiGroup*>(doc.GetZukeiList().GetHead());
    EXPECT_EQ(group->GetMember(0), c);
    EXPECT_EQ(group->GetMember(2), a);
    Select(group);
    Run(33016);
    ASSERT_EQ(doc.GetZukeiCount(), 3);
    for (CZukeiBox* shape : {a, b, c}) {
        Select(shape);
    }
    Run(40003);
    ASSERT_EQ(doc.GetUndoHistory().Undo(), 1);
    ASSERT_EQ(doc.GetUndoHistory().Redo(), 1);
    for (POSITION pos = doc.GetShapes().GetHeadZukeiPosition(); pos != nullptr;) {
        EXPECT_EQ(doc.GetShapes().GetNextZukei(pos)->GetLineType(), 1);
    }
}

} // namespace
} // namespace tembra
