// Naming input areas: the checks and the taking of a name in the input-area name dialog, and the
// user's list of base input-area names with its profile form.
#include "layout_editor/core/BaseInputAreaNameData.h"
#include "layout_editor/core/InputAreaNameData.h"
#include "layout_editor/core/PHeadInputArea.h"

#include "EditorTestSupport.h"
#include "platform/Profile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace marquell {
namespace {

using test::FakeOwner;
using test::J;

// A4 with two base input areas of the editor's key (indexes 1 and 2) and one for every paper.
const std::vector<std::string> kKey = {
    "[固定Ａ_A4_]",
    "PaperArea=0, 0, 2970, 2100",
    "HeaderArea=100, 100, 2870, 400",
    R"(InputArea1="工事名称", 250, 110, 1613, 250, "ＭＳ 明朝", 60, 30, 2, 1, 255)",
    R"(InputArea2="期間", 115, 265, 1613, 325, "ＭＳ 明朝", 26, 13, 1, 0, 0)",
    "[固定Ｂ]",
    R"(InputArea1="会社名", 0, 0, 0, 0, "ＭＳ 明朝", 32, 16, 1, 1, 0)",
};

class InputAreaNameTest : public testing::Test {
protected:
    void SetUp() override {
        test::ShipEditorKey(kKey);
        paper.SetDefaults(0);
    }
    CPHeadInputArea& Add(const std::string& name, const CRect& rect, bool selected = false) {
        auto input = std::make_unique<CPHeadInputArea>();
        input->SetName(name);
        input->SetFrameRect(rect);
        input->SetSelected(selected);
        paper.GetElements().push_back(std::move(input));
        return static_cast<CPHeadInputArea&>(*paper.GetElements().back());
    }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& element : paper.GetElements()) {
            if (const auto* input = dynamic_cast<const CPHeadInputArea*>(element.get())) {
                names.push_back(input->GetName());
            }
        }
        return names;
    }

    tembra::test::ScopedPaths paths;
    CPaperData paper;
    FakeOwner owner{paper};
    int chosen = 0;
};

TEST_F(InputAreaNameTest, TheNameBoxOffersTheBaseNamesInListOrder) {
    CPHeadInputArea area;
    CInputAreaNameData data(paper, owner, area, chosen);
    EXPECT_EQ(data.BaseNames(), (std::vector<std::string>{J("工事名称"), J("期間"), J("会社名")}));
    EXPECT_TRUE(data.IsNameEditable());
    data.ChooseBase(2);
    EXPECT_EQ(chosen, 2);
    area.SetBaseFlag(0);
    EXPECT_FALSE(data.IsNameEditable());
}

TEST_F(InputAreaNameTest, RefusedNamesKeepEverythingAsItWas) {
    Add(J("担当"), CRect(100, -100, 300, -200));
    // A fixed base area: the placed "工事名称" of the key.
    auto& fixed = static_cast<CPHeadInputArea&>(*paper.GetElements()[0]);
    ASSERT_EQ(fixed.GetBaseIndex(), 1);
    struct Case {
        std::string name;
        bool fixedArea;
        UINT message;
        std::string defaultText = "";
    };
    const Case cases[] = {
        {"", false, 61216},
        {J("　 \r\n"), false, 61251}, // blanks, CR, LF and full-width blanks only
        {"a\"b", false, 61251},       // a double quote ends the name in the file
        {"a\r\nb", false, 61251},
        {"a\\nb", false, 61251},   // reads back as a line break
        {J("担当"), false, 61213}, // placed on the paper
        {J("新名"), true, 61248},
        // A default text has no escape either.
        {J("新名"), false, 61251, "a\\nb"},
        {J("新名"), false, 61251, "\\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CPHeadInputArea created;
        CInputAreaNameData data(paper, owner, c.fixedArea ? fixed : created, chosen);
        data.name = c.name;
        data.defaultText = c.defaultText;
        const std::size_t count = paper.GetElements().size();
        EXPECT_EQ(data.Check(), c.message);
        EXPECT_EQ(paper.GetElements().size(), count);
        EXPECT_EQ(owner.modified, 0);
    }
    // A backslash that is the second byte of a character is no escape: "ソ\n" is fine.
    CPHeadInputArea created;
    CInputAreaNameData data(paper, owner, created, chosen);
    data.name = J("ソ") + "n";
    data.defaultText = J("ソ") + "n";
    EXPECT_EQ(data.Check(), 0u);
}

TEST_F(InputAreaNameTest, ASelectedAreaDoesNotBlockItsOwnName) {
    CPHeadInputArea& renamed = Add(J("担当"), CRect(100, -100, 300, -200), true);
    CInputAreaNameData data(paper, owner, renamed, chosen);
    data.name = J("担当");
    data.defaultText = "x\r\ny";
    EXPECT_EQ(data.Check(), 0u);
    data.Apply();
    EXPECT_EQ(renamed.GetName(), J("担当"));
    EXPECT_EQ(renamed.GetDefaultText(), "x\r\ny");
    EXPECT_EQ(renamed.GetBaseIndex(), 0);
}

TEST_F(InputAreaNameTest, AnUnplacedBaseNameIsTakenWithItsIndexAndItsPlaceholderLeaves) {
    // "期間" stands as a placeholder without a rectangle (as a file keeps a base input area that
    // was not placed).
    for (const auto& element : paper.GetElements()) {
        if (auto* input = dynamic_cast<CPHeadInputArea*>(element.get());
            input != nullptr && input->GetName() == J("期間")) {
            input->SetFrameRect(CRect());
        }
    }
    owner.AddNew(paper.GetElements()[0].get());
    ASSERT_TRUE(owner.CanUndo());
    CPHeadInputArea created;
    created.SetFrameRect(CRect(100, -100, 500, -200));
    CInputAreaNameData data(paper, owner, created, chosen);
    data.name = J("期間");
    EXPECT_EQ(data.Check(), 0u);
    EXPECT_EQ(Names(), (std::vector<std::string>{J("工事名称")}));
    EXPECT_FALSE(owner.CanUndo()) << "the last edit's records went with the placeholder";
    EXPECT_EQ(owner.modified, 1);
    data.Apply();
    EXPECT_EQ(created.GetName(), J("期間"));
    EXPECT_EQ(created.GetBaseIndex(), 2);
    // A base name of every paper has no index to take.
    CPHeadInputArea other;
    CInputAreaNameData company(paper, owner, other, chosen);
    company.name = J("会社名");
    EXPECT_EQ(company.Check(), 0u);
    company.Apply();
    EXPECT_EQ(other.GetBaseIndex(), 0);
}

class BaseNameListTest : public testing::Test {
protected:
    void SetUp() override { test::ShipEditorKey(kKey); }
    static std::string Value(int n) {
        return tembra::GetProfileString(J("固定Ｂ"), "InputArea" + std::to_string(n), "");
    }

    tembra::test::ScopedPaths paths;
};

TEST_F(BaseNameListTest, TheListComesFromTheKeyUntilItWasSavedThenFromTheProfile) {
    CBaseInputAreaNameData data;
    data.Load();
    EXPECT_EQ(data.GetNames(), (std::vector<std::string>{J("会社名")}));
    ASSERT_TRUE(tembra::WriteProfileString(J("固定Ｂ"), "InputArea1", "\"ABC\", 0"));
    data.Load();
    EXPECT_EQ(data.GetNames(), (std::vector<std::string>{J("会社名")}))
        << "the profile counts once CurUser is set";
    ASSERT_TRUE(tembra::WriteProfileInt(J("固定Ｂ"), "CurUser", 1));
    data.Load();
    EXPECT_EQ(data.GetNames(), (std::vector<std::string>{"ABC"}));
}

TEST_F(BaseNameListTest, AddingComparesWholeNamesFoldingOnlyAsciiLetters) {
    CBaseInputAreaNameData data;
    ASSERT_EQ(data.Add("ABC"), 0u);
    struct Case {
        std::string name;
        UINT message;
        std::size_t count;
    };
    const Case cases[] = {
        {"AB", 0, 2}, // the beginning of an entry is another name
        {"abc", 61243, 2},   {"ab", 61243, 2},
        {J("ａｂｃ"), 0, 3}, // full-width letters are other letters
        {"", 0, 3},          // nothing to add
        {"x\"y", 61251, 3},  {"x\\ny", 61251, 3},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(data.Add(c.name), c.message) << c.name;
        EXPECT_EQ(data.GetNames().size(), c.count) << c.name;
    }
    data.Remove(0);
    data.Remove(7);
    EXPECT_EQ(data.GetNames(), (std::vector<std::string>{"AB", J("ａｂｃ")}));
}

TEST_F(BaseNameListTest, StoringWritesTheNamesAndDeletesWhatALongerListLeft) {
    CBaseInputAreaNameData data;
    for (const char* name : {"A", "B", "C"}) {
        ASSERT_EQ(data.Add(name), 0u);
    }
    data.Store();
    EXPECT_EQ(Value(3), "\"C\"" + J(", 0, 0, 0, 0, \"ＭＳ 明朝\", 24, 12, 1, 1, 0"));
    CBaseInputAreaNameData shorter;
    ASSERT_EQ(shorter.Add(J("名前")), 0u);
    shorter.Store();
    EXPECT_EQ(tembra::GetProfileInt(J("固定Ｂ"), "CurUser", 0), 1u);
    EXPECT_EQ(Value(1), J("\"名前\", 0, 0, 0, 0, \"ＭＳ 明朝\", 24, 12, 1, 1, 0"));
    EXPECT_EQ(Value(2), "");
    EXPECT_EQ(Value(3), "");
    EXPECT_EQ(tembra::GetProfileValueNames(J("固定Ｂ")),
              (std::vector<std::string>{"CurUser", "InputArea1"}));
    // The papers read the stored list back.
    CBaseInputAreaNameData again;
    again.Load();
    EXPECT_EQ(again.GetNames(), (std::vector<std::string>{J("名前")}));
    CPaperData paper;
    paper.SetDefaults(0);
    ASSERT_EQ(paper.GetBaseInputAreas().size(), 3u);
    EXPECT_EQ(paper.GetBaseInputAreas()[2]->GetName(), J("名前"));
    EXPECT_EQ(paper.GetBaseInputAreas()[2]->GetFont().lfHeight, -24);
}

} // namespace
} // namespace marquell
