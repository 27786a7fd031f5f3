// The terms of the selected processes: their attributes from the term menu, their removal and the
// find and replace of their texts, with the menu's check marks.
#include "KouteiChainFixture.h"
#include "YogoBarRecorder.h"
#include "model/OperationState.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace tembra {
namespace {

using test::J;

constexpr COLORREF kRed = 0x0000FF;
constexpr COLORREF kOther = 0x123456;
constexpr COLORREF kUnchanged = CTembraDoc::kUnchangedColor;
constexpr WORD kNoFlags = CTembraDoc::kUnchangedFlags;

class YogoAttrTest : public test::KouteiChainFixture {
protected:
    YogoAttrTest() {
        doc.GetOperation().SetMode(COperationState::kModeYogo);
        doc.GetOperation().SetOperation(COperationState::kOpEdit);
        app->SetYogoBar(&bar);
    }
    ~YogoAttrTest() override { app->SetYogoBar(nullptr); }

    // A process on its own row with the terms.
    CKoutei* AddWithTerms(const std::string& name, const std::vector<std::string>& texts) {
        CKoutei* process = Add(
            {name, 0, 5, static_cast<int>(names.size()) + 1, static_cast<int>(names.size()) + 1});
        for (const std::string& text : texts) {
            std::unique_ptr<CYogo> term = doc.GetTerms().CreateYogo();
            term->SetText(text);
            process->AddYogo(term, TRUE);
        }
        return process;
    }
    // Selects the process with the terms at the indexes (as a click on them does).
    void SelectTerms(const std::string& name, const std::vector<int>& indexes) {
        CKoutei* process = Get(name);
        for (const int i : indexes) {
            process->SelectYogo(i);
        }
        if (doc.FindSel(process) == nullptr) {
            doc.SelectAt(doc.FindObj(process));
        }
    }
    std::string Text(const std::string& name, int index) const {
        return Get(name)->GetYogo(index)->GetText();
    }
    CElemAttr& Defaults() { return doc.GetSyokiSet().GetChart().GetYogoAttr(); }
    int Check(UINT id) {
        CCmdUI ui(id);
        doc.GetTerms().UpdateYogoAttrUI(&ui);
        return ui.GetCheck();
    }

    test::YogoBarRecorder bar;
};

// ---- Attributes ---------------------------------------------------------------------------------

struct TermCase {
    const char* name;
    std::function<void(CTembraDoc&)> command;
    std::function<bool(const CElemAttr&)> applied;
    bool staysSelected;
};

void PrintTo(const TermCase& c, std::ostream* os) {
    *os << c.name;
}

class TermAttrTest : public YogoAttrTest, public testing::WithParamInterface<TermCase> {};

TEST_P(TermAttrTest, ChangesTheSelectedTermsOrElseTheDefaults) {
    const TermCase& c = GetParam();
    AddWithTerms("A", {"a0", "a1"});
    SelectTerms("A", {1});
    const CKoutei* const a = Get("A");

    c.command(doc);
    const CKoutei* changed = Get("A");
    EXPECT_NE(changed, a);
    EXPECT_TRUE(c.applied(changed->GetYogo(1)->GetAttr()));
    EXPECT_FALSE(c.applied(changed->GetYogo(0)->GetAttr())); // not selected
    EXPECT_EQ(changed->IsSelected() != 0, c.staysSelected);
    EXPECT_EQ(changed->IsYogoSelected(1) != 0, c.staysSelected);
    ASSERT_EQ(doc.GetUndoHistory().Undo(), 1);
    EXPECT_EQ(Get("A"), a);

    // No selected term: the defaults of new terms.
    doc.UnselectAll();
    c.command(doc);
    EXPECT_TRUE(c.applied(Defaults()));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TermAttrTest,
    testing::Values(
        TermCase{"form",
                 [](CTembraDoc& d) {
                     d.GetTerms().SetYogoAttr(4, kUnchanged, kNoFlags, -1, {}, -1, -1, nullptr);
                 },
                 [](const CElemAttr& a) { return a.m_form == 4; }, true},
        TermCase{"decoration",
                 [](CTembraDoc& d) {
                     d.GetTerms().SetYogoAttr(-1, kUnchanged, 0x1000, -1, {}, -1, -1, nullptr);
                 },
                 [](const CElemAttr& a) { return (a.m_attrb & 0x1000) != 0; }, true},
        TermCase{"size",
                 [](CTembraDoc& d) {
                     d.GetTerms().SetYogoAttr(-1, kUnchanged, kNoFlags, 0x202, {}, -1, -1, nullptr);
                 },
                 [](const CElemAttr& a) { return a.m_fontHeigh == 2 && a.m_fontWidth == 2; }, true},
        TermCase{"link_position",
                 [](CTembraDoc& d) {
                     d.GetTerms().SetYogoAttr(-1, kUnchanged, kNoFlags, -1, {}, 1, -1, nullptr);
                 },
                 [](const CElemAttr& a) { return a.m_linkPosition == 1; }, true},
        TermCase{
            "own_font",
            [](CTembraDoc& d) {
                LOGFONT font;
                font.lfHeight = 77;
                d.GetTerms().SetYogoAttr(-1, kUnchanged, kNoFlags, -1, {}, -1, 1, &font);
            },
            [](const CElemAttr& a) { return a.m_ownFont == 1 && a.GetLogFont().lfHeight == 77; },
            true},
        TermCase{"color",
                 [](CTembraDoc& d) {
                     d.GetTerms().SetYogoAttr(-1, kRed, kNoFlags, -1, {}, -1, -1, nullptr);
                 },
                 [](const CElemAttr& a) { return a.m_color == kRed; }, false}),
    [](const testing::TestParamInfo<TermCase>& info) { return info.param.name; });

TEST_F(YogoAttrTest, OnlyTheTermModeWhileEditingChangesTerms) {
    AddWithTerms("A", {"a0"});
    SelectTerms("A", {0});
    CKoutei* const a = Get("A");
    doc.GetOperation().SetOperation(COperationState::kOpDraw);
    doc.GetTerms().SetYogoAttr(2, kUnchanged, kNoFlags, -1, {}, -1, -1, nullptr);
    EXPECT_EQ(Get("A"), a);
    EXPECT_EQ(Defaults().m_form, 2);

    doc.GetOperation().SetOperation(COperationState::kOpMovePick);
    doc.GetTerms().SetYogoAttr(5, kUnchanged, kNoFlags, -1, {}, -1, -1, nullptr);
    EXPECT_EQ(Get("A")->GetYogo(0)->GetAttr().m_form, 5);
    EXPECT_EQ(Defaults().m_form, 2);
}

TEST_F(YogoAttrTest, TextIsCutToItsFieldAndJoinsTheHistoryOnce) {
    AddWithTerms("A", {"a0", "a1"});
    SelectTerms("A", {0, 1});
    // One single-byte character and a hundred double-byte ones: 201 bytes.
    std::string text = "x";
    for (int i = 0; i < 100; ++i) {
        text += J("あ");
    }
    doc.GetTerms().SetYogoAttr(-1, kUnchanged, kNoFlags, -1, text, -1, -1, nullptr);
    EXPECT_EQ(Text("A", 0), text.substr(0, 127)); // the 64th character does not fit
    EXPECT_EQ(Text("A", 1), text.substr(0, 127));
    EXPECT_EQ(bar.history, (std::vector<std::string>{text}));
}

TEST_F(YogoAttrTest, OtherColorOfTheDefaultsIsRemembered) {
    doc.GetTerms().SetYogoAttr(-1, kOther, kNoFlags, -1, {}, -1, -1, nullptr);
    EXPECT_EQ(Defaults().m_color, kOther);
    EXPECT_EQ(app->GetYogoCustomColor(), kOther);
}

TEST_F(YogoAttrTest, RemovesTheSelectedTermsOnly) {
    AddWithTerms("A", {"a0", "a1", "a2"});
    AddWithTerms("B", {"b0"});
    SelectTerms("A", {0, 2});
    SelectTerms("B", {});
    CKoutei* const b = Get("B");
    doc.GetTerms().RemoveSelYogo();
    ASSERT_EQ(Get("A")->GetYogoCount(), 1);
    EXPECT_EQ(Text("A", 0), "a1");
    EXPECT_EQ(Get("A")->IsSelected(), 0);
    EXPECT_EQ(Get("B"), b);
    ASSERT_EQ(doc.GetUndoHistory().Undo(), 1);
    EXPECT_EQ(Get("A")->GetYogoCount(), 3);
}

// ---- Find and replace ---------------------------------------------------------------------------

TEST_F(YogoAttrTest, FindSelectsExactlyTheProcessesWithAMatch) {
    AddWithTerms("A", {"walls", "floor"});
    AddWithTerms("B", {"roof"});
    AddWithTerms("C", {"wall"});
    AddWithTerms("D", {J("表示")}); // its second byte is a backslash
    SelectTerms("B", {0});          // selected, no match: leaves the selection
    EXPECT_EQ(doc.GetTerms().FindReplaceYogo(1, "wall", "", FALSE, FALSE), 2);
    EXPECT_EQ(SelectedNames(), (std::vector<std::string>{"A", "C"}));
    EXPECT_NE(Get("A")->IsYogoSelected(0), 0);
    EXPECT_EQ(Get("A")->IsYogoSelected(1), 0);
    EXPECT_EQ(Get("A")->GetYogo(0)->GetText(), "walls"); // finding changes no text
    EXPECT_TRUE(doc.GetUndoHistory().GetUndoList().empty());

    doc.UnselectAll();
    EXPECT_EQ(doc.GetTerms().FindReplaceYogo(1, "wall", "", TRUE, FALSE), 1); // the whole text
    EXPECT_EQ(SelectedNames(), (std::vector<std::string>{"C"}));

    doc.UnselectAll();
    EXPECT_EQ(doc.GetTerms().FindReplaceYogo(1, "\\", "", FALSE, FALSE),
              0); // never inside a character
    EXPECT_EQ(doc.GetSelCount(), 0);

    // Only the selected terms of the selected processes.
    SelectTerms("A", {1});
    EXPECT_EQ(doc.GetTerms().FindReplaceYogo(1, "wall", "", FALSE, TRUE), 0);
    EXPECT_EQ(doc.GetSelCount(), 0);
}

TEST_F(YogoAttrTest, ReplaceChangesEveryOccurrenceAndCutsTheText) {
    AddWithTerms("A", {"ab-ab", "cd"});
    AddWithTerms("B", {"xab"});
    AddWithTerms("C", {"none"});
    CKoutei* const a = Get("A");
    CKoutei* const c = Get("C");
    SelectTerms("A", {1});
    std::string longText;
    for (int i = 0; i < 100; ++i) {
        longText += J("あ");
    }
    EXPECT_EQ(doc.GetTerms().FindReplaceYogo(2, "ab", "Z", FALSE, FALSE), 2);
    EXPECT_EQ(Text("A", 0), "Z-Z");
    EXPECT_EQ(Text("A", 1), "cd");
    EXPECT_EQ(Text("B", 0), "xZ");
    EXPECT_EQ(SelectedNames(), (std::vector<std::string>{"A", "B"}));
    EXPECT_NE(Get("A")->IsYogoSelected(0), 0);
    EXPECT_EQ(Get("A")->IsYogoSelected(1), 0);
    EXPECT_EQ(Get("C"), c);
    // One step takes every replacement back.
    ASSERT_EQ(doc.GetUndoHistory().Undo(), 1);
    EXPECT_EQ(Get("A"), a);
    EXPECT_EQ(Text("A", 0), "ab-ab");
    EXPECT_EQ(Text("B", 0), "xab");

    doc.UnselectAll();
    EXPECT_EQ(doc.GetTerms().FindReplaceYogo(2, "cd", longText, TRUE, FALSE), 1);
    EXPECT_EQ(Text("A", 1), longText.substr(0, 128));
}

// ---- Check marks --------------------------------------------------------------------------------

TEST_F(YogoAttrTest, ChecksFollowTheFirstSelectedTermOrTheDefaults) {
    CKoutei* process = AddWithTerms("A", {"a0", "a1"});
    CElemAttr& attr = process->GetYogo(1)->GetAttr();
    attr.m_form = 5;
    attr.m_linkPosition = 1;
    attr.m_attrb = 0x1000 | 2;
    attr.m_fontHeigh = 2;
    attr.m_fontWidth = 1;
    attr.m_color = kOther;
    SelectTerms("A", {1});
    const std::pair<UINT, int> checks[] = {
        {32968, 1}, // 右引出
        {32976, 0}, // 左寄せ
        {32970, 1}, // 下　部
        {32988, 0}, // 上　部
        {32986, 1}, // 縦書き
        {32972, 1}, // 囲　み
        {32982, 0}, // 白　抜
        {32987, 1}, // 縦倍角
        {32991, 0}, // 標　準
        {32978, 0}, // 赤
        {33070, 1}, // その他
    };
    for (const auto& [id, check] : checks) {
        EXPECT_EQ(Check(id), check) << id;
    }
    EXPECT_EQ(app->GetYogoCustomColor(), kOther);
    EXPECT_EQ(bar.colors, (std::vector<COLORREF>{kOther, kOther}));
    CCmdUI text(32985);
    doc.GetTerms().UpdateYogoAttrUI(&text);
    EXPECT_TRUE(text.IsEnabled());

    doc.UnselectAll();
    Defaults().m_form = 0;
    EXPECT_EQ(Check(32976), 1);
    doc.GetTerms().UpdateYogoAttrUI(&text);
    EXPECT_FALSE(text.IsEnabled());
}

} // namespace
} // namespace tembra
