// The progress lines of the document (created from the settings, looked up by date, reordered,
// deleted with undo) and new terms with the term defaults.
#include "DocTestSupport.h"

#include "document/TembraDoc.h"
#include "model/Shincyoku.h"
#include "model/Yogo.h"
#include "support/ScriptedUi.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace tembra {
namespace {

using test::Day;
using test::DeletionLog;
using test::Logged;
using test::RecordingView;
using test::ScopedAppState;

class DocShincyokuTest : public testing::Test {
protected:
    DocShincyokuTest() { doc.AddView(&view); }

    CShincyoku* Add(int day, WORD selected = 0) {
        auto* line = new Logged<CShincyoku>("line " + std::to_string(day));
        line->SetDate(Day(2005, 6, day));
        line->SetSelected(selected);
        doc.GetProgressLines().AddShincyoku(line, FALSE);
        return line;
    }
    std::vector<int> Days() const {
        std::vector<int> days;
        for (POSITION pos = doc.GetProgressLines().GetHeadShincyokuPosition(); pos != nullptr;) {
            days.push_back(doc.GetProgressLines().GetNextShincyoku(pos)->GetDate().GetDay());
        }
        return days;
    }

    ScopedAppState app;
    test::ScopedUi ui;
    RecordingView view;
    CTembraDoc doc;
};

TEST_F(DocShincyokuTest, ANewLineTakesTheProgressSettings) {
    CConfigShin& settings = doc.GetSyokiSet().GetShin();
    settings.SetStyle(2);
    settings.SetSubStyle(3);
    settings.SetType(4);
    settings.SetWidth(1);
    settings.SetColor(RGB(10, 20, 30));
    settings.SetLinked(5);
    settings.SetDateColor(RGB(1, 2, 3));
    settings.SetDateValue1(-40);
    settings.SetDateValue2(60);
    settings.SetDateDisp(1);
    settings.SetDateFormat("mm/dd");
    LOGFONT font;
    font.lfHeight = -28;
    font.SetFaceName("Face");
    settings.SetLogFont(font);
    doc.SetCurrentLayer(6);

    std::unique_ptr<CShincyoku> line = doc.GetProgressLines().CreateShincyoku(Day(2005, 6, 9));
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->GetDate(), Day(2005, 6, 9));
    EXPECT_EQ(line->GetLayer(), 6);
    const CShinLineAttr expectedLine{2, 3, 4, 1, RGB(10, 20, 30), 5};
    EXPECT_EQ(line->GetLineAttr(), expectedLine);
    const CShinLabelAttr& label = line->GetLabelAttr();
    EXPECT_EQ(label.m_dateColor, RGB(1, 2, 3));
    EXPECT_EQ(label.m_dateValue1, -40);
    EXPECT_EQ(label.m_dateValue2, 60);
    EXPECT_EQ(label.m_dateDisp, 1);
    EXPECT_EQ(label.m_text, "mm/dd");
    EXPECT_EQ(line->GetLogFont(), font);

    std::unique_ptr<CShincyoku> copy = CChartProgressLines::CopyShincyoku(line.get());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->GetLineAttr(), expectedLine);
    EXPECT_EQ(copy->GetDate(), line->GetDate());
    EXPECT_EQ(CChartProgressLines::CopyShincyoku(nullptr), nullptr);
    EXPECT_TRUE(ui->MessageBoxes().empty());
}

TEST_F(DocShincyokuTest, LinesAreFoundByTheirDate) {
    Add(3);
    CShincyoku* fifth = Add(5);
    POSITION pos = doc.GetProgressLines().GetHeadShincyokuPosition();
    EXPECT_EQ(doc.GetProgressLines().FindShincyoku(Day(2005, 6, 4), pos), nullptr);
    EXPECT_EQ(pos, nullptr) << "no line: position 0";
    EXPECT_EQ(doc.GetProgressLines().FindShincyoku(Day(2005, 6, 5), pos), fifth);
    EXPECT_EQ(doc.GetProgressLines().GetShincyokuAt(pos), fifth);
}

TEST_F(DocShincyokuTest, AddingMarksTheChartChangedAndRedrawsWhenAsked) {
    CShincyoku* quiet = Add(1);
    EXPECT_EQ(view.CountFor(quiet), 0);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(doc.GetChangedFlag());
    auto* shown = new CShincyoku;
    doc.GetProgressLines().AddShincyoku(shown, TRUE);
    EXPECT_EQ(view.CountFor(shown), 1);
    EXPECT_EQ(doc.GetProgressLines().GetShincyokuCount(), 2);
    EXPECT_EQ(doc.GetShincyokuList().GetTail(), shown);
}

TEST_F(DocShincyokuTest, SwappingChangesOnlyTheDrawingOrder) {
    Add(1);
    Add(2);
    Add(3);
    doc.SetModifiedFlag(FALSE);
    EXPECT_TRUE(
        doc.GetProgressLines().SwapShincyoku(doc.GetProgressLines().GetHeadShincyokuPosition(),
                                             doc.GetProgressLines().GetTailShincyokuPosition()));
    EXPECT_EQ(Days(), (std::vector<int>{3, 2, 1}));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_FALSE(doc.GetProgressLines().SwapShincyoku(
        doc.GetProgressLines().GetHeadShincyokuPosition(), nullptr));
    EXPECT_EQ(Days(), (std::vector<int>{3, 2, 1}));
}

TEST_F(DocShincyokuTest, DeletingAllLinesIsOneUndoThatKeepsTheirOrder) {
    for (int day = 1; day <= 4; ++day) {
        Add(day);
    }
    doc.GetUndoHistory().Reset();
    doc.GetProgressLines().DeleteAllShincyoku();
    EXPECT_EQ(doc.GetProgressLines().GetShincyokuCount(), 0);
    ASSERT_EQ(doc.GetUndoHistory().Undo(), 1);
    EXPECT_EQ(Days(), (std::vector<int>{1, 2, 3, 4}));
    ASSERT_EQ(doc.GetUndoHistory().Redo(), 1);
    EXPECT_EQ(doc.GetProgressLines().GetShincyokuCount(), 0);
}

TEST_F(DocShincyokuTest, ALineMarkedTwoIsDeletedWithoutARecord) {
    Add(1);
    Add(2, 2);
    DeletionLog().clear();
    doc.GetUndoHistory().Reset();
    EXPECT_EQ(
        doc.GetProgressLines().DeleteShincyokuAt(doc.GetProgressLines().GetTailShincyokuPosition()),
        nullptr);
    EXPECT_EQ(DeletionLog(), (std::vector<std::string>{"line 2"}));
    EXPECT_FALSE(doc.GetUndoHistory().CanUndo());
    CShincyoku* kept =
        doc.GetProgressLines().DeleteShincyokuAt(doc.GetProgressLines().GetHeadShincyokuPosition());
    ASSERT_NE(kept, nullptr);
    EXPECT_EQ(kept->GetDate(), Day(2005, 6, 1));
    EXPECT_TRUE(doc.GetUndoHistory().CanUndo());
    EXPECT_EQ(doc.GetProgressLines().DeleteShincyokuAt(nullptr), nullptr);
}

TEST_F(DocShincyokuTest, ANewTermTakesTheTermDefaults) {
    CElemAttr& defaults = doc.GetSyokiSet().GetChart().GetYogoAttr();
    defaults.m_fontHeigh = 2;
    defaults.m_fontWidth = 1;
    defaults.m_form = 4;
    defaults.m_color = RGB(0, 0, 255);
    defaults.m_attrb = kLabelFrame;
    defaults.m_linkWord = kYogoOnEnd;
    defaults.m_linkPosition = 1;
    defaults.m_offsetX = 11;
    defaults.m_offsetY = 12;
    defaults.m_drawerX = 13;
    defaults.m_drawerY = 14;
    defaults.m_stack = 1;
    LOGFONT font;
    font.lfHeight = -24;
    defaults.SetLogFont(font);

    std::unique_ptr<CYogo> term = doc.GetTerms().CreateYogo();
    ASSERT_NE(term, nullptr);
    const CElemAttr& attr = term->GetAttr();
    EXPECT_EQ(attr.m_fontHeigh, 2);
    EXPECT_EQ(attr.m_fontWidth, 1);
    EXPECT_EQ(attr.m_form, 4);
    EXPECT_EQ(attr.m_color, RGB(0, 0, 255));
    EXPECT_EQ(attr.m_attrb, kLabelFrame);
    EXPECT_EQ(term->GetDateKind(), kYogoOnEnd);
    EXPECT_EQ(attr.m_linkPosition, 1);
    EXPECT_EQ(attr.m_offsetX, 11);
    EXPECT_EQ(attr.m_offsetY, 12);
    EXPECT_EQ(attr.m_drawerX, 13);
    EXPECT_EQ(attr.m_drawerY, 14);
    EXPECT_EQ(attr.m_stack, 0);
    EXPECT_EQ(term->GetLogFont(), font);
    EXPECT_EQ(term->GetText(), "");

    term->SetText("T");
    std::unique_ptr<CYogo> copy = CChartTerms::CopyYogo(*term);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->GetText(), "T");
    EXPECT_EQ(copy->GetAttr(), term->GetAttr());
}

} // namespace
} // namespace tembra
