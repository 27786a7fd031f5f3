// The item attribute menu on the selected cells or the defaults of new cells, its menu state, and
// the find and replace of cell texts.
#include "document/AppState.h"
#include "document/AttrCommands.h"
#include "document/TembraDoc.h"

#include "KoumokuFixture.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace tembra {
namespace {

using test::J;
using test::KoumokuFixture;
using Picture = KoumokuFixture::Picture;

constexpr int kNone = -1;
constexpr UINT kCmdTop = 40052;
constexpr UINT kCmdMiddle = 40053;
constexpr UINT kCmdBottom = 40054;
constexpr UINT kCmdRed = 40044;
constexpr UINT kCmdOther = 33072;
constexpr UINT kCmdTextEdit = 40055;

class DocKoumokuAttrTest : public KoumokuFixture {
protected:
    void Flags(int code) {
        doc.GetKoumokuCells().SetKoumokuAttr(kNone, CTembraDoc::kUnchangedColor, code, kNone, {},
                                             kNone, kNone, kNone, kNone, nullptr);
    }
    CCmdUI State(UINT id) {
        CCmdUI cmdUI(id);
        doc.GetKoumokuCells().UpdateKoumokuAttrUI(&cmdUI);
        return cmdUI;
    }
};

// ---- Flag codes ---------------------------------------------------------------------------------

struct FlagCase {
    WORD before;
    int code;
    WORD after;
};

void PrintTo(const FlagCase& c, std::ostream* os) {
    *os << std::hex << "0x" << c.before << " with 0x" << c.code;
}

class KoumokuFlagTest : public DocKoumokuAttrTest, public testing::WithParamInterface<FlagCase> {};

// Top (256) and bottom (512) exclude each other and toggle; both (行中央, 768) clear the placement
// and keep the decorations; bit 15 gives the whole word; 0 clears it; other bits toggle together.
TEST_P(KoumokuFlagTest, FlagCode) {
    Cell(2, 1)->SetFlags(GetParam().before);
    Cell(2, 1)->SetSelected(1);
    Flags(GetParam().code);
    EXPECT_EQ(Cell(2, 1)->GetFlags(), GetParam().after);
    EXPECT_EQ(Cell(2, 1)->IsSelected(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, KoumokuFlagTest,
    testing::Values(FlagCase{0x0004, 256, 0x0104}, FlagCase{0x0104, 256, 0x0004},
                    FlagCase{0x0004, 512, 0x0204}, FlagCase{0x0104, 512, 0x0204},
                    FlagCase{0x0204, 0x8002, 0x0002}, FlagCase{0x0007, 0, 0x0000},
                    FlagCase{0x0106, 768, 0x0006}, FlagCase{0x0203, 768, 0x0003},
                    FlagCase{0x0003, 4, 0x0007}, FlagCase{0x0005, 6, 0x0001}));

// The menu commands pass their codes: 上寄せ twice toggles back, 下寄せ after it takes the top
// placement away.
TEST_F(DocKoumokuAttrTest, PlacementCommands) {
    Cell(0, 0)->SetSelected(1);
    ASSERT_TRUE(doc.GetKoumokuCells().OnKoumokuAttrCommand(kCmdTop));
    EXPECT_EQ(Cell(0, 0)->GetFlags(), 0x0100);
    ASSERT_TRUE(doc.GetKoumokuCells().OnKoumokuAttrCommand(kCmdTop));
    EXPECT_EQ(Cell(0, 0)->GetFlags(), 0x0000);
    ASSERT_TRUE(doc.GetKoumokuCells().OnKoumokuAttrCommand(kCmdTop));
    ASSERT_TRUE(doc.GetKoumokuCells().OnKoumokuAttrCommand(kCmdBottom));
    EXPECT_EQ(Cell(0, 0)->GetFlags(), 0x0200);
    EXPECT_FALSE(doc.GetKoumokuCells().OnKoumokuAttrCommand(kCmdTextEdit));
}

// ---- The selected cells -------------------------------------------------------------------------

// Every selected cell takes the values in one undo step; the text is cut to the field and joins
// the term bar's history; the row type is written and recorded.
TEST_F(DocKoumokuAttrTest, SelectedCellsChangeInOneStep) {
    Cell(1, 0)->SetSelected(1);
    Cell(2, 2)->SetSelected(1);
    const std::string text = "T" + std::string(150, 'x');
    doc.GetKoumokuCells().SetKoumokuAttr(2, 0x0000FF, kNone, 0x0202, text, 3, 1, 2, kNone, nullptr);

    for (const CKoumokuData* cell : {Cell(1, 0), Cell(2, 2)}) {
        EXPECT_EQ(cell->GetFormat(), 2);
        EXPECT_EQ(cell->GetColor(), 0x0000FFu);
        EXPECT_EQ(cell->GetSize(), 0x0202);
        EXPECT_EQ(cell->GetText(), text.substr(0, 128));
        EXPECT_EQ(cell->GetKeisenWord1(), 1);
        EXPECT_EQ(cell->GetKeisenWord2(), 2);
    }
    EXPECT_EQ(Cell(1, 1)->GetFormat(), 0);
    EXPECT_EQ(doc.GetKoumokuTable().GetKeisenType(1), 3);
    EXPECT_EQ(doc.GetKoumokuTable().GetKeisenType(2), 3);
    EXPECT_EQ(bar.history, (std::vector<std::string>{text, text}));

    ASSERT_EQ(doc.GetUndoHistory().Undo(), 1);
    EXPECT_EQ(Table(), Start());
    EXPECT_EQ(doc.GetKoumokuTable().GetKeisenType(1), 0);
}

// With no cell selected, or outside the item mode, the values are for new cells; an own colour
// is remembered as the item cells' "その他" colour.
TEST_F(DocKoumokuAttrTest, WithoutSelectedCellsTheDefaultsChange) {
    doc.GetKoumokuCells().SetKoumokuAttr(1, 0x123456, 0x0104, 0x0201, {}, kNone, kNone, kNone,
                                         kNone, nullptr);
    const CFontAttr& defaults = doc.GetSyokiSet().GetChart().GetKoumokuAttr();
    EXPECT_EQ(defaults.m_form, 1);
    EXPECT_EQ(defaults.m_color, 0x123456u);
    EXPECT_EQ(defaults.m_attrb, 0x0104);
    EXPECT_EQ(defaults.m_fontHeigh, 2);
    EXPECT_EQ(defaults.m_fontWidth, 1);
    EXPECT_EQ(app->GetKoumokuCustomColor(), 0x123456u);
    EXPECT_EQ(Table(), Start());
    EXPECT_EQ(doc.GetKoumokuCells().CreateKoumokuData(7, 0)->GetSize(), 0x0201);

    Cell(0, 0)->SetSelected(1);
    doc.GetOperation().SetOperation(COperationState::kOpMove);
    ASSERT_TRUE(doc.GetKoumokuCells().OnKoumokuAttrCommand(kCmdRed));
    EXPECT_EQ(Cell(0, 0)->GetColor(), 0u);
    EXPECT_EQ(defaults.m_color, 0x0000FFu);
    app->SetKoumokuCustomColor(0x00AA00);
    ASSERT_TRUE(doc.GetKoumokuCells().OnKoumokuAttrCommand(kCmdOther));
    EXPECT_EQ(defaults.m_color, 0x00AA00u);
}

// ---- Menu state ---------------------------------------------------------------------------------

TEST_F(DocKoumokuAttrTest, MenuStateFollowsTheFirstSelectedCell) {
    Cell(1, 1)->SetFlags(0x0104);
    Cell(1, 1)->SetColor(0x0000FF);
    Cell(1, 1)->SetSelected(1);
    Cell(1, 2)->SetSelected(1);
    Cell(1, 2)->SetColor(0x123456);

    EXPECT_EQ(State(kCmdTop).GetCheck(), 1);
    EXPECT_EQ(State(kCmdMiddle).GetCheck(), 0);
    EXPECT_EQ(State(kCmdBottom).GetCheck(), 0);
    EXPECT_EQ(State(40042).GetCheck(), 1); // 強調
    EXPECT_EQ(State(kCmdRed).GetCheck(), 1);
    EXPECT_EQ(State(kCmdOther).GetCheck(), 0);
    EXPECT_TRUE(State(kCmdTextEdit).IsEnabled());
    State(kYogoBarColorId);
    EXPECT_EQ(bar.colors, std::vector<COLORREF>{0x0000FF});

    Cell(1, 1)->SetFlags(0x0004);
    Cell(1, 1)->SetColor(0x654321);
    EXPECT_EQ(State(kCmdMiddle).GetCheck(), 1);
    EXPECT_EQ(State(kCmdOther).GetCheck(), 1);
    EXPECT_EQ(app->GetKoumokuCustomColor(), 0x654321u);

    // Without a selection the defaults decide and the text edit is off.
    doc.GetKoumokuCells().ClearSelectedKoumokuCells(FALSE);
    doc.GetSyokiSet().GetChart().GetKoumokuAttr().m_attrb = 0x0200;
    EXPECT_EQ(State(kCmdBottom).GetCheck(), 1);
    EXPECT_EQ(State(kCmdMiddle).GetCheck(), 0);
    EXPECT_FALSE(State(kCmdTextEdit).IsEnabled());
}

// ---- Find and replace ---------------------------------------------------------------------------

TEST_F(DocKoumokuAttrTest, ReplaceInAllCellsIsOneStepAndCutToTheField) {
    Cell(0, 0)->SetText("xA0");
    EXPECT_EQ(doc.GetKoumokuCells().ReplaceKoumokuText(1, "A", "", FALSE, FALSE), 6);
    EXPECT_EQ(Table()[0], "xA0|B0|C0"); // find changes nothing

    EXPECT_EQ(doc.GetKoumokuCells().ReplaceKoumokuText(2, "A", std::string(200, 'z'), FALSE, FALSE),
              6);
    EXPECT_EQ(Cell(0, 0)->GetText(), "x" + std::string(127, 'z'));
    EXPECT_EQ(Cell(3, 0)->GetText(), std::string(128, 'z'));
    EXPECT_EQ(Cell(3, 1)->GetText(), "B3");

    ASSERT_EQ(doc.GetUndoHistory().Undo(), 1);
    EXPECT_EQ(Cell(0, 0)->GetText(), "xA0");
    EXPECT_EQ(Cell(3, 0)->GetText(), "A3");
}

TEST_F(DocKoumokuAttrTest, WholeTextAndSelectedOnly) {
    Cell(2, 1)->SetText("B");
    Cell(4, 1)->SetText("B");
    Cell(4, 1)->SetSelected(1);
    EXPECT_EQ(doc.GetKoumokuCells().ReplaceKoumokuText(2, "B", "Q", TRUE, TRUE), 1);
    EXPECT_EQ(Cell(2, 1)->GetText(), "B");
    EXPECT_EQ(Cell(4, 1)->GetText(), "Q");
    EXPECT_EQ(doc.GetKoumokuCells().ReplaceKoumokuText(2, "B", "Q", TRUE, FALSE), 1);
    EXPECT_EQ(Cell(2, 1)->GetText(), "Q");
}

// "A" never matches the trail byte of "ア" (83 41).
TEST_F(DocKoumokuAttrTest, ReplaceNeverMatchesATrailByte) {
    Cell(0, 2)->SetText(J("アA"));
    EXPECT_EQ(doc.GetKoumokuCells().ReplaceKoumokuText(2, "A", "-", FALSE, FALSE), 7);
    EXPECT_EQ(Cell(0, 2)->GetText(), J("ア-"));
}

} // namespace
} // namespace tembra
