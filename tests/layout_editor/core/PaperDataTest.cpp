#include "layout_editor/core/PaperData.h"

#include "layout_editor/core/PHeadBoxData.h"
#include "layout_editor/core/PHeadInputArea.h"
#include "layout_editor/core/PHeadLineData.h"

#include "EditorTestSupport.h"
#include "platform/Profile.h"
#include "platform/RecordingDC.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace marquell {
namespace {

using tembra::CRecordingDC;
using tembra::DcOp;
using test::FakeOwner;
using test::FakeView;
using test::J;

// A key for A4 and B4: A4 with four base input areas (the fourth gets no index), B4 without a
// first one; two further base input areas for every paper.
const std::vector<std::string> kKey = {
    "[固定Ａ_A4_]",
    "PaperArea=0, 0, 2970, 2100",
    "HeaderArea=100, 100, 2870, 400",
    "FooterArea=0, 0, 0, 0",
    "DateArea=100, 400, 2870, 520",
    "EditArea=100, 520, 2870, 2000",
    "OffsetLTop=0, 0, 100, 100",
    "OffsetRBottom=2870, 2000, 2970, 2100",
    "Vpartition=50",
    "Hpartition=6",
    R"(InputArea1="工事名称", 250, 110, 1613, 250, "ＭＳ 明朝", 60, 30, 2, 1, 255)",
    R"(InputArea2="期間", 115, 265, 1613, 325, "ＭＳ 明朝", 26, 13, 1, 0, 0)",
    R"(InputArea3="作成日", 115, 332, 1613, 392, "ＭＳ 明朝", 26, 13, 1, 0, 0)",
    R"(InputArea4="備考", 115, 332, 1613, 392, "ＭＳ 明朝", 26, 13, 0, 0, 0)",
    "[固定Ａ_B4_]",
    "PaperArea=0, 0, 3640, 2570",
    R"(InputArea2="期間", 115, 265, 1613, 325, "ＭＳ 明朝", 26, 13, 1, 0, 0)",
    "[固定Ｂ]",
    R"(InputArea1="会社名", 0, 0, 0, 0, "ＭＳ 明朝", 32, 16, 1, 1, 0)",
    R"(InputArea2="部署名", 0, 0, 0, 0, "ＭＳ 明朝", 32, 16, 1, 1, 0)",
};

class PaperTest : public testing::Test {
protected:
    void SetUp() override { test::ShipEditorKey(kKey); }

    // An element placed in an area, unselected.
    CLayoutData& Add(std::unique_ptr<CLayoutData> element, const CRect& rect,
                     int area = kAreaHeader) {
        element->SetFrameRect(rect);
        element->SetArea(area);
        paper.GetElements().push_back(std::move(element));
        return *paper.GetElements().back();
    }
    CPHeadInputArea& AddInput(const std::string& name, const CRect& rect) {
        auto input = std::make_unique<CPHeadInputArea>();
        input->SetName(name);
        return static_cast<CPHeadInputArea&>(Add(std::move(input), rect));
    }
    std::vector<std::string> InputNames() const {
        std::vector<std::string> names;
        for (const auto& element : paper.GetElements()) {
            if (const auto* input = dynamic_cast<const CPHeadInputArea*>(element.get())) {
                names.push_back(input->GetName());
            }
        }
        return names;
    }
    std::vector<const CLayoutData*> Elements() const {
        std::vector<const CLayoutData*> out;
        for (const auto& element : paper.GetElements()) {
            out.push_back(element.get());
        }
        return out;
    }

    tembra::test::ScopedPaths paths;
    CPaperData paper;
    FakeOwner owner{paper};
    FakeView view;
};

// ---- Defaults -------------------------------------------------------------------------------

TEST_F(PaperTest, DefaultsComeFromTheEditorsKey) {
    paper.SetDefaults(0);
    for (const CPHeadSizeData* size : {&paper.GetSize(), &paper.GetSizeAsRead()}) {
        EXPECT_EQ(size->GetArea(tembra::kLayoutPaperArea), CRect(0, 0, 2970, -2100));
        EXPECT_EQ(size->GetArea(tembra::kLayoutHeaderArea), CRect(100, -100, 2870, -400));
        EXPECT_EQ(size->GetArea(tembra::kLayoutEditArea), CRect(100, -520, 2870, -2000));
        EXPECT_EQ(size->GetArea(tembra::kLayoutOffsetRBottom), CRect(2870, -2000, 2970, -2100));
        // The side areas from the header's lower edge to the chart's, beside the chart.
        EXPECT_EQ(size->GetAreaRect(kAreaLeft), CRect(100, -400, 100, -2000));
        EXPECT_EQ(size->GetAreaRect(kAreaRight), CRect(2870, -400, 2870, -2000));
        EXPECT_EQ(size->GetArea(tembra::kLayoutLeftAreaOld), CRect());
        EXPECT_EQ(size->GetCurrentArea(), kAreaHeader);
        // Upright areas turn the divisions.
        const std::vector<std::pair<int, int>> expected = {{50, 6}, {50, 6}, {6, 50}, {6, 50}};
        for (int area = 0; area < 4; ++area) {
            int v = 0;
            int h = 0;
            size->GetPartitions(area, v, h);
            EXPECT_EQ(std::pair(v, h), expected[static_cast<std::size_t>(area)]) << area;
        }
    }

    EXPECT_EQ(InputNames(),
              (std::vector<std::string>{J("工事名称"), J("期間"), J("作成日"), J("備考")}));
    const auto& base = paper.GetBaseInputAreas();
    ASSERT_EQ(base.size(), 6u);
    const std::vector<int> indices = {1, 2, 3, 0, 0, 0};
    for (std::size_t i = 0; i < base.size(); ++i) {
        EXPECT_EQ(base[i]->GetBaseIndex(), indices[i]) << i;
        EXPECT_EQ(base[i]->GetBaseFlag(), 1);
        EXPECT_EQ(base[i]->GetArea(), kAreaHeader);
    }
    EXPECT_EQ(base[4]->GetName(), J("会社名"));
    const auto* title = dynamic_cast<const CPHeadInputArea*>(paper.GetElements()[0].get());
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->GetFrameRect(), CRect(250, -110, 1613, -250));
    EXPECT_EQ(title->GetFont().lfHeight, -60);
    EXPECT_EQ(title->GetFont().lfWidth, 30);
    EXPECT_EQ(title->GetFont().FaceName(), J("ＭＳ 明朝"));
    EXPECT_EQ(title->GetVCenter(), 1); // any non-zero value is 1
    EXPECT_EQ(title->GetHCenter(), 1);
    EXPECT_EQ(title->GetColor(), RGB(255, 0, 0));
}

TEST_F(PaperTest, APaperWithoutAFirstBaseAreaHasNoneAndAMissingSectionNoSizes) {
    paper.SetDefaults(1);
    EXPECT_TRUE(paper.GetElements().empty());
    EXPECT_EQ(paper.GetBaseInputAreas().size(), 2u); // those for every paper
    EXPECT_EQ(paper.GetSize().GetArea(tembra::kLayoutPaperArea), CRect(0, 0, 3640, -2570));

    CPaperData a3;
    a3.SetDefaults(2);
    EXPECT_EQ(a3.GetSize().GetArea(tembra::kLayoutPaperArea), CRect());
    EXPECT_EQ(a3.GetSize().GetPartition(tembra::kLayoutVpartition), 0);
}

TEST_F(PaperTest, FurtherBaseAreasComeFromTheUserProfileOnceCurUserIsSet) {
    const std::string section = J("固定Ｂ");
    ASSERT_TRUE(tembra::WriteProfileString(
        section, "InputArea1", J("\"現場\", 0, 0, 0, 0, \"ＭＳ 明朝\", 32, 16, 1, 1, 0").c_str()));
    paper.SetDefaults(1);
    ASSERT_EQ(paper.GetBaseInputAreas().size(), 2u);
    EXPECT_EQ(paper.GetBaseInputAreas()[0]->GetName(), J("会社名"));

    ASSERT_TRUE(tembra::WriteProfileInt(section, "CurUser", 1));
    CPaperData mine;
    mine.SetDefaults(1);
    ASSERT_EQ(mine.GetBaseInputAreas().size(), 1u);
    EXPECT_EQ(mine.GetBaseInputAreas()[0]->GetName(), J("現場"));
}

// ---- Grid -----------------------------------------------------------------------------------

TEST_F(PaperTest, PartitionLinesDivideTheCurrentArea) {
    paper.GetSize().SetArea(tembra::kLayoutHeaderArea, CRect(0, 0, 1000, -1000));
    paper.GetSize().SetPartitions(kAreaHeader, 3, 3);
    view.gridSnap = true;
    CRecordingDC dc;
    dc.SetMapMode(tembra::MM_LOMETRIC);
    paper.Draw(&dc, view, kDrawElement);
    std::vector<std::vector<CPoint>> lines;
    for (const auto& r : dc.Find(DcOp::LineTo)) {
        if (r.pen.color == RGB(192, 192, 192) && r.pen.LineStyle() == tembra::PS_SOLID) {
            EXPECT_EQ(r.pen.width, 3);
            EXPECT_EQ(r.rop2, tembra::R2_COPYPEN);
            lines.push_back(r.args.points);
        }
    }
    const std::vector<std::vector<CPoint>> expected = {
        {{333, 0}, {333, -1000}},
        {{667, 0}, {667, -1000}},
        {{0, -333}, {1000, -333}},
        {{0, -667}, {1000, -667}},
    };
    EXPECT_EQ(lines, expected);

    view.gridSnap = false;
    CRecordingDC none;
    none.SetMapMode(tembra::MM_LOMETRIC);
    paper.Draw(&none, view, kDrawElement);
    for (const auto& r : none.Find(DcOp::LineTo)) {
        EXPECT_NE(r.pen.color, RGB(192, 192, 192));
    }
}

// ---- Names ----------------------------------------------------------------------------------

TEST_F(PaperTest, CopiesOfAnInputAreaTakeTheFirstFreeNumber) {
    CPHeadInputArea& a = AddInput("A", CRect(0, 0, 10, -10));
    a.SetBaseIndex(2);
    for (int round = 0; round < 2; ++round) {
        paper.DeselectAll(owner);
        paper.GetElements()[0]->SetSelected(true);
        paper.CopySelectedBy(owner, CPoint(20, 0));
    }
    EXPECT_EQ(InputNames(), (std::vector<std::string>{"A", "A1", "A2"}));
    const auto* copy = dynamic_cast<const CPHeadInputArea*>(paper.GetElements()[2].get());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->GetBaseIndex(), 0);
    EXPECT_EQ(copy->GetFrameRect(), CRect(20, 0, 30, -10));
    EXPECT_TRUE(copy->IsSelected());
    EXPECT_FALSE(paper.GetElements()[0]->IsSelected());
    EXPECT_TRUE(paper.IsInputAreaNameUsed("A1"));
    EXPECT_FALSE(paper.IsInputAreaNameUsed("A3"));

    // An area of no base index keeps 4; a name at the file's limit stays within it.
    CPHeadInputArea other;
    other.SetName(std::string(126, 'x') + J("表"));
    other.SetBaseIndex(kNoBaseIndex);
    paper.MakeUniqueName(other);
    EXPECT_EQ(other.GetName(), std::string(126, 'x') + J("表"));
    AddInput(other.GetName(), CRect());
    paper.MakeUniqueName(other);
    EXPECT_EQ(other.GetName(), std::string(126, 'x') + "1");
}

TEST_F(PaperTest, ReadInputAreasMergeByNameAndBaseAreasAreCompletedBeforeWriting) {
    paper.SetDefaults(0);
    // An area of a name the list holds takes its place; a new name is appended, and a second
    // area of that name goes into the first.
    const auto read = [](const std::string& name, const CRect& rect, const std::string& text) {
        auto input = std::make_unique<CPHeadInputArea>();
        input->SetName(name);
        input->SetFrameRect(rect);
        input->SetDefaultText(text);
        return input;
    };
    std::vector<std::unique_ptr<CPHeadInputArea>> inputs;
    inputs.push_back(read(J("期間"), CRect(1, -1, 9, -9), "x"));
    inputs.push_back(read("new", CRect(2, -2, 8, -8), "y"));
    inputs.push_back(read("new", CRect(3, -3, 7, -7), "z"));
    paper.MergeInputAreas(std::move(inputs));
    ASSERT_EQ(paper.GetElements().size(), 5u);
    const auto* period = dynamic_cast<const CPHeadInputArea*>(paper.GetElements()[1].get());
    ASSERT_NE(period, nullptr);
    EXPECT_EQ(period->GetFrameRect(), CRect(1, -1, 9, -9));
    EXPECT_EQ(period->GetDefaultText(), "x");
    const auto* added = dynamic_cast<const CPHeadInputArea*>(paper.GetElements()[4].get());
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->GetFrameRect(), CRect(3, -3, 7, -7));
    EXPECT_EQ(added->GetDefaultText(), "z");

    paper.GetElements().erase(paper.GetElements().begin()); // "工事名称" deleted by the user
    paper.CompleteBaseInputAreas();
    EXPECT_EQ(InputNames(), (std::vector<std::string>{J("期間"), J("作成日"), J("備考"), "new",
                                                      J("工事名称"), J("会社名"), J("部署名")}));
    for (std::size_t i = 4; i < 7; ++i) {
        EXPECT_EQ(paper.GetElements()[i]->GetFrameRect(), CRect());
        EXPECT_FALSE(paper.GetElements()[i]->IsSelected());
    }
    paper.CompleteBaseInputAreas();
    EXPECT_EQ(paper.GetElements().size(), 7u);
}

// ---- Selection ------------------------------------------------------------------------------

TEST_F(PaperTest, SelectionByClickAndBand) {
    // Three overlapping boxes in the header and one in the footer.
    const auto box = [] { return std::make_unique<CPHeadBoxData>(); };
    Add(box(), CRect(0, 0, 100, -100));
    Add(box(), CRect(50, -50, 150, -150));
    Add(box(), CRect(0, -50, 100, -150), kAreaFooter);
    Add(box(), CRect(300, 0, 400, -100));
    view.tolerance = 2;
    struct Case {
        const char* name;
        std::vector<int> before; // selected before
        bool additive;
        bool insideFrame;
        CRect rect;
        int result;
        std::vector<int> after;
    };
    const std::vector<Case> cases = {
        {"click: the topmost of the area", {}, false, false, CRect(100, -50, 100, -50), 1, {1}},
        {"click inside a box, off its frame", {}, false, false, CRect(120, -120, 120, -120), 0, {}},
        {"click near an edge", {}, false, false, CRect(302, -50, 302, -50), 1, {3}},
        {"click on nothing", {0}, false, false, CRect(200, -50, 200, -50), 0, {}},
        {"click keeps the selection when additive",
         {3},
         true,
         false,
         CRect(0, -25, 0, -25),
         2,
         {0, 3}},
        {"click drops the selection otherwise", {3}, false, false, CRect(0, -25, 0, -25), 1, {0}},
        {"click on a selected element deselects it alone",
         {0, 1},
         false,
         false,
         CRect(150, -100, 150, -100),
         -1,
         {0}},
        {"another area is never selected", {}, false, false, CRect(0, -140, 0, -140), 0, {}},
        {"band touching", {}, false, false, CRect(90, -10, 310, -60), 3, {0, 1, 3}},
        {"band wholly inside", {}, false, true, CRect(-1, 1, 160, -160), 2, {0, 1}},
        {"band adds to a selection", {3}, true, true, CRect(-1, 1, 101, -101), 2, {0, 3}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (std::size_t i = 0; i < paper.GetElements().size(); ++i) {
            paper.GetElements()[i]->SetSelected(
                std::find(c.before.begin(), c.before.end(), static_cast<int>(i)) != c.before.end());
        }
        view.additive = c.additive;
        view.insideFrame = c.insideFrame;
        owner.updated.clear();
        EXPECT_EQ(paper.Select(owner, view, c.rect), c.result);
        std::vector<int> after;
        for (std::size_t i = 0; i < paper.GetElements().size(); ++i) {
            if (paper.GetElements()[i]->IsSelected()) {
                after.push_back(static_cast<int>(i));
            }
        }
        EXPECT_EQ(after, c.after);
        EXPECT_EQ(paper.CountSelected(), static_cast<int>(c.after.size()));
        // What changed or stays selected is redrawn.
        for (const int i : c.after) {
            EXPECT_NE(std::find(owner.updated.begin(), owner.updated.end(),
                                paper.GetElements()[static_cast<std::size_t>(i)].get()),
                      owner.updated.end());
        }
    }
    view.insideFrame = true;
    EXPECT_EQ(paper.CountInRect(view, CRect(-1, 1, 160, -160)), 3);
    paper.GetSize().SetCurrentArea(kAreaFooter);
    paper.DeselectAll(owner);
    paper.SelectInArea(owner);
    EXPECT_EQ(paper.CountSelected(), 1);
    EXPECT_TRUE(paper.GetElements()[2]->IsSelected());
}

// ---- Editing and its undo -------------------------------------------------------------------

// What the history holds for one step: (old, new) of each record, null where there is none.
std::vector<std::pair<const CLayoutData*, const CLayoutData*>> Records(const FakeOwner& owner) {
    std::vector<std::pair<const CLayoutData*, const CLayoutData*>> out;
    for (const auto& record : owner.GetUndoList()) {
        out.emplace_back(record.GetOld(), record.GetNew());
    }
    return out;
}

TEST_F(PaperTest, EachOperationRecordsItsChangesAndUndoAndRedoPutThemBack) {
    auto text = std::make_unique<CPHeadMojiData>();
    LOGFONT font;
    font.lfHeight = -20;
    font.lfWidth = 10;
    text->SetFont(font);
    text->SetFrameRect(CRect(0, 0, 100, -50));
    CPHeadMojiData* textPtr = text.get();
    paper.AddElement(owner, std::move(text));
    ASSERT_EQ(Records(owner).size(), 1u);
    EXPECT_EQ(Records(owner)[0].first, nullptr);
    EXPECT_EQ(Records(owner)[0].second, textPtr);
    EXPECT_EQ(owner.modified, 1);

    auto line = std::make_unique<CPHeadLineData>();
    line->SetFrameRect(CRect(0, -60, 100, -60));
    CPHeadLineData* linePtr = line.get();
    paper.AddElement(owner, std::move(line));
    EXPECT_EQ(Records(owner).size(), 1u); // each operation starts a new step

    // Move: (old state, the element itself), the element moved in place.
    textPtr->SetSelected(true);
    linePtr->SetSelected(true);
    EXPECT_EQ(paper.FindSelectedText(), textPtr);
    EXPECT_EQ(paper.FindSelectedLine(), linePtr);
    paper.MoveSelectedBy(owner, CPoint(10, -10));
    auto records = Records(owner);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].second, textPtr);
    EXPECT_EQ(records[0].first->GetFrameRect(), CRect(0, 0, 100, -50));
    EXPECT_EQ(textPtr->GetFrameRect(), CRect(10, -10, 110, -60));
    EXPECT_EQ(records[1].second, linePtr);
    owner.Undo();
    const CLayoutData* restoredText = paper.GetElements()[0].get();
    EXPECT_EQ(restoredText->GetFrameRect(), CRect(0, 0, 100, -50));
    EXPECT_TRUE(restoredText->IsSelected());
    EXPECT_EQ(paper.GetElements()[1]->GetFrameRect(), CRect(0, -60, 100, -60));
    owner.Redo();
    EXPECT_EQ(paper.GetElements()[0].get(), textPtr);
    EXPECT_EQ(textPtr->GetFrameRect(), CRect(10, -10, 110, -60));

    // Font and width: the old state recorded, the element changed in place.
    LOGFONT face;
    face.SetFaceName("G");
    face.lfHeight = -99;
    paper.SetFontOfSelected(owner, face);
    EXPECT_EQ(textPtr->GetFont().FaceName(), "G");
    EXPECT_EQ(textPtr->GetFont().lfHeight, -20); // the height stays
    EXPECT_EQ(Records(owner).size(), 1u);
    CEditorSettings settings;
    paper.SetLineWidthOfSelected(owner, settings, kWidthBold);
    EXPECT_EQ(linePtr->GetWidth(), 6);
    EXPECT_EQ(linePtr->GetWidthClass(), kWidthBold);
    ASSERT_EQ(Records(owner).size(), 1u);
    EXPECT_EQ(Records(owner)[0].second, linePtr);
    owner.Undo();
    EXPECT_EQ(dynamic_cast<const CPHeadLineData&>(*paper.GetElements()[1]).GetWidth(), 3);

    // Transform: the view's frame.
    paper.DeselectAll(owner);
    paper.GetElements()[0]->SetSelected(true);
    view.mark = 4;
    view.from = CRect(10, -10, 110, -60);
    view.to = CRect(10, -10, 210, -60);
    paper.TransformSelected(owner, view);
    EXPECT_EQ(paper.GetElements()[0]->GetFrameRect(), CRect(10, -10, 210, -60));
    ASSERT_EQ(Records(owner).size(), 1u);

    // Copy: the copies as new.
    paper.CopySelectedBy(owner, CPoint(0, -100));
    ASSERT_EQ(paper.GetElements().size(), 3u);
    ASSERT_EQ(Records(owner).size(), 1u);
    EXPECT_EQ(Records(owner)[0].first, nullptr);
    EXPECT_EQ(Records(owner)[0].second, paper.GetElements()[2].get());
    owner.Undo();
    EXPECT_EQ(paper.GetElements().size(), 2u);
    owner.Redo();
    EXPECT_EQ(paper.GetElements().size(), 3u);

    // Delete: each removed element held by its record; undo appends them at the end.
    const std::vector<const CLayoutData*> before = Elements();
    paper.DeselectAll(owner);
    paper.GetElements()[0]->SetSelected(true);
    paper.DeleteSelected(owner);
    ASSERT_EQ(Records(owner).size(), 1u);
    EXPECT_EQ(Records(owner)[0].first, before[0]);
    EXPECT_EQ(Records(owner)[0].second, nullptr);
    EXPECT_EQ(Elements(), (std::vector<const CLayoutData*>{before[1], before[2]}));
    owner.Undo();
    EXPECT_EQ(Elements(), (std::vector<const CLayoutData*>{before[1], before[2], before[0]}));
    owner.Redo();
    EXPECT_EQ(Elements(), (std::vector<const CLayoutData*>{before[1], before[2]}));

    paper.DeleteAll(owner);
    EXPECT_TRUE(paper.GetElements().empty());
    EXPECT_EQ(Records(owner).size(), 2u);
    owner.Undo();
    EXPECT_EQ(paper.GetElements().size(), 2u);
    // What the history still holds goes with it.
}

TEST_F(PaperTest, RestoringAnElementThatIsNotThereIsRefused) {
    CPHeadLineData stranger;
    EXPECT_EQ(paper.RestoreElement(&stranger, nullptr), 0);
}

// ---- Drawing --------------------------------------------------------------------------------

TEST_F(PaperTest, DrawsOnlyTheElementsThatMeetTheClipBox) {
    paper.GetSize().SetArea(tembra::kLayoutPaperArea, CRect(0, 0, 2970, -2100));
    auto line = [](int y) {
        auto l = std::make_unique<CPHeadLineData>();
        l->SetFrameRect(CRect(100, y, 200, y));
        l->SetColor(RGB(1, 1, 1));
        return l;
    };
    Add(line(-100), CRect(100, -100, 200, -100));
    Add(line(-1500), CRect(100, -1500, 200, -1500));
    // 254 dpi: device pixels are units, y downward. The window repaints its top 500 pixels.
    CRecordingDC dc(CRecordingDC::Device::Screen, 254);
    dc.SetMapMode(tembra::MM_LOMETRIC);
    dc.SetUpdateRect(CRect(0, 0, 1000, 500));
    paper.Draw(&dc, view, kDrawElement);
    std::vector<CPoint> drawn;
    for (const auto& r : dc.Find(DcOp::LineTo)) {
        if (r.pen.color == RGB(1, 1, 1)) {
            drawn.push_back(r.args.points[0]);
        }
    }
    EXPECT_EQ(drawn, (std::vector<CPoint>{{100, -100}}));
    // The paper first, white.
    const auto fills = dc.Find(DcOp::Rectangle);
    ASSERT_FALSE(fills.empty());
    EXPECT_EQ(fills[0].brush.color, RGB(255, 255, 255));
}

TEST_F(PaperTest, TheWholePaperClipsEachElementToItsArea) {
    paper.GetSize().SetArea(tembra::kLayoutFooterArea, CRect(100, -900, 2000, -1000));
    Add(std::make_unique<CPHeadBoxData>(), CRect(200, -950, 300, -990), kAreaFooter);
    view.wholePaper = true;
    CRecordingDC dc(CRecordingDC::Device::Screen, 254);
    dc.SetMapMode(tembra::MM_LOMETRIC);
    paper.Draw(&dc, view, kDrawElement);
    const auto clips = dc.Find(DcOp::IntersectClipRect);
    ASSERT_EQ(clips.size(), 1u);
    CRect device = clips[0].args.rect;
    dc.LPtoDP(&device);
    device.NormalizeRect();
    EXPECT_EQ(device, CRect(98, 900, 2002, 1002));
    // The clip goes with the element.
    CRect box;
    dc.GetClipBox(&box);
    EXPECT_EQ(box.right, 1920);
}

} // namespace
} // namespace marquell
