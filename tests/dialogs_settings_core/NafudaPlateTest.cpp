// The name plate over a print header: which elements it lists and how, the line breaks between
// the edit and the header, and what goes back.
#include "dialogs/settings/core/NafudaPlate.h"

#include "print/PrHeader.h"
#include "print/PrNewLine.h"
#include "print/PrNewText.h"
#include "support/ArchiveBytes.h"
#include "support/Cp932Text.h"

#include <gtest/gtest.h>

namespace tembra {
namespace {

using test::J;

const CRect kDrawn(10, -10, 200, -40);
const CRect kHidden(0, 0, 0, 0);

void AddText(CPrHeader& header, int kind, const CRect& rect, const std::string& name,
             const std::string& contents) {
    header.AddElement(
        std::make_unique<CPrNewText>(kind, 0, rect, LOGFONT{}, 0, name, contents, 0, 0));
}

const std::string& ContentsAt(const CPrHeader& header, std::size_t i) {
    return static_cast<const CPrNewText&>(*header.GetElementList()[i]).GetContents();
}

// A layout's mix: a fixed text, a title, a drawn free text, the period, a hidden input area, a
// line and the creation date.
void FillHeader(CPrHeader& header) {
    header.SetLayoutName(J("標準書式"));
    AddText(header, 0x100, kDrawn, "", "fixed");
    AddText(header, 1, kDrawn, "010001", J("工程表"));
    AddText(header, 0, kDrawn, J("工事名"), "A\\nB");
    AddText(header, 2, kDrawn, "", "");
    AddText(header, 4, kHidden, "020002", "x");
    header.AddElement(std::make_unique<CPrNewLine>(0, kDrawn, 0, 1, 0));
    AddText(header, 3, kDrawn, "", "");
}

TEST(NafudaPlateTest, ListsTheFreeTextsAndInputAreas) {
    CPrHeader header;
    FillHeader(header);
    const NafudaPlate plate = LoadNafuda(header);
    EXPECT_EQ(plate.layoutName, J("標準書式"));
    EXPECT_EQ(plate.chartName, J("工程表"));
    ASSERT_EQ(plate.items.size(), 2u);
    EXPECT_EQ(plate.items[0].line, J("*工事名")) << "drawn";
    EXPECT_EQ(plate.items[0].contents, "A\r\nB");
    EXPECT_EQ(plate.items[1].line, " 020002") << "all-zero rectangle: not drawn";
    EXPECT_EQ(plate.items[1].contents, "x");
}

TEST(NafudaPlateTest, AHeaderWithoutEditableElements) {
    CPrHeader header;
    AddText(header, 0x100, kDrawn, "", "fixed");
    AddText(header, 2, kDrawn, "", "");
    const NafudaPlate plate = LoadNafuda(header);
    EXPECT_TRUE(plate.items.empty());
    EXPECT_TRUE(plate.chartName.empty());
}

// What goes back: the items in order with their line breaks escaped and the trailing ones
// dropped, the chart name into the title; fixed texts, the period and the date are untouched.
TEST(NafudaPlateTest, StoresTheItemsInOrder) {
    const struct {
        const char* typed;
        const char* stored;
    } cases[] = {
        {"L1\r\nL2", "L1\\nL2"},
        {"L1\r\nL2\r\n", "L1\\nL2"},
        {"L1\r\n\r\n", "L1"},
        {"", ""},
    };
    for (const auto& c : cases) {
        CPrHeader header;
        FillHeader(header);
        NafudaPlate plate = LoadNafuda(header);
        plate.chartName = "Chart";
        plate.items[0].contents = c.typed;
        plate.items[1].contents = "second";
        StoreNafuda(plate, header);
        EXPECT_EQ(ContentsAt(header, 2), c.stored) << c.typed;
        EXPECT_EQ(ContentsAt(header, 4), "second");
        EXPECT_EQ(ContentsAt(header, 1), "Chart");
        EXPECT_EQ(ContentsAt(header, 0), "fixed");
        EXPECT_EQ(ContentsAt(header, 3), "");
    }
}

// Unchanged items give the header's bytes back, line breaks and all.
TEST(NafudaPlateTest, AnUnchangedPlateLeavesTheBytes) {
    CPrHeader header;
    FillHeader(header);
    const test::Bytes before = test::Store(header);
    StoreNafuda(LoadNafuda(header), header);
    EXPECT_EQ(test::Store(header), before);
}

// The chart name keeps within 128 bytes without splitting a two-byte character.
TEST(NafudaPlateTest, TheChartNameIsCutOnACharacter) {
    CPrHeader header;
    FillHeader(header);
    NafudaPlate plate = LoadNafuda(header);
    plate.chartName = "a";
    for (int i = 0; i < 70; ++i) {
        plate.chartName += J("工");
    }
    StoreNafuda(plate, header);
    const std::string& stored = ContentsAt(header, 1);
    EXPECT_EQ(stored.size(), 127u) << "a and 63 two-byte characters";
    EXPECT_EQ(stored, plate.chartName.substr(0, 127));
}

} // namespace
} // namespace tembra
