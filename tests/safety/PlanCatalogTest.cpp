// The plan text catalogues: how their lines become records, when a file is refused, what the
// candidate lists offer, and the catalogues the program ships.
#include "safety/PlanCatalog.h"

#include "platform/Paths.h"
#include "platform/ProfileFile.h"
#include "safety/PlanCandidates.h"
#include "support/Cp932Text.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tembra {
namespace {

using test::J;
using Texts = std::vector<std::string>;

// A catalogue text from UTF-8 lines, CR LF after each.
std::string File(std::initializer_list<const char*> lines) {
    std::string text;
    for (const char* line : lines) {
        text += J(line) + "\r\n";
    }
    return text;
}

TEST(PlanCatalogTest, RecordsTakeTheirFieldsUpToEachComma) {
    CPlanCatalog catalog(PlanCatalogKind::WeekTargets);
    ASSERT_TRUE(catalog.ReadText(File({
        "[MidGroup]", // before the first header: ignored
        "[BigGroup]",
        "1,作業別,その他",
        "名前だけ",
        "",
        "[Target]", // out of turn: a big group named "[Target]"
        "[MidGroup]",
        "1.0,7,仮設",
        "[Target]",
        "7,0,0,足場を点検しよう,あしば,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,",
        "7,0,0,最後に,さ,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15",
        "[Enforce]",
        "3,手すりを確認する,てすり,11,0,0,21,22,23,",
        "4,終わりに,お,1,2,3,4,5,6",
    })));
    ASSERT_EQ(catalog.BigGroups().size(), 4u);
    EXPECT_EQ(catalog.BigGroups()[0]->GetNumber(), 1.0);
    EXPECT_EQ(catalog.BigGroups()[0]->GetName(), J("作業別,その他"));
    EXPECT_EQ(catalog.BigGroups()[1]->GetNumber(), 0.0);
    EXPECT_EQ(catalog.BigGroups()[1]->GetName(), J("名前だけ"));
    EXPECT_EQ(catalog.BigGroups()[2]->GetName(), "");
    EXPECT_EQ(catalog.BigGroups()[3]->GetName(), "[Target]");
    EXPECT_EQ(catalog.MidGroups()[0]->GetBigGroup(), 1.0);
    EXPECT_EQ(catalog.MidGroups()[0]->GetNumber(), 7.0);

    const CPlanTarget& target = *catalog.Targets()[0];
    EXPECT_EQ(target.GetText(), J("足場を点検しよう"));
    EXPECT_EQ(target.GetKey(), J("あしば"));
    EXPECT_EQ(target.GetMidGroup(0), 7.0);
    EXPECT_EQ(target.GetMidGroup(3), 0.0);
    EXPECT_EQ(target.GetAction(14), 15.0);
    EXPECT_EQ(target.GetAction(15), 0.0);
    // The fifteenth number needs its comma.
    EXPECT_EQ(catalog.Targets()[1]->GetAction(13), 14.0);
    EXPECT_EQ(catalog.Targets()[1]->GetAction(14), 0.0);

    const CPlanEnforce& action = *catalog.Actions()[0];
    EXPECT_EQ(action.GetNumber(), 3);
    EXPECT_EQ(action.GetKey(), J("てすり"));
    EXPECT_EQ(action.GetMidGroup(0), 11.0);
    EXPECT_EQ(action.GetMidGroup(5), 23.0);
    EXPECT_EQ(catalog.Actions()[1]->GetMidGroup(4), 5.0);
    EXPECT_EQ(catalog.Actions()[1]->GetMidGroup(5), 0.0);
}

TEST(PlanCatalogTest, TheLastDisasterNumberReadsAsFarAsItGoes) {
    CPlanCatalog catalog(PlanCatalogKind::Disasters);
    ASSERT_TRUE(catalog.ReadText("[BigGroup]\n1,a\n[MidGroup]\n1,1,b\n[Yogo]\n"
                                 "fall,rail,1,2,3,11,21.5,more,text"));
    const CPlanYogo& record = *catalog.Disasters()[0];
    EXPECT_EQ(record.GetDisaster(), "fall");
    EXPECT_EQ(record.GetMeasure(), "rail");
    EXPECT_EQ(record.GetMidGroup(2), 3.0);
    EXPECT_EQ(record.GetMidGroup(3), 11.0);
    EXPECT_EQ(record.GetMidGroup(4), 21.5);
}

TEST(PlanCatalogTest, IncompleteFilesAreRefused) {
    struct Case {
        const char* what;
        PlanCatalogKind kind;
        std::string text;
    };
    const std::string targets = "[BigGroup]\n1,a\n[MidGroup]\n1,1,b\n[Target]\n1,0,0,t,k,\n";
    const std::string disasters = "[BigGroup]\n1,a\n[MidGroup]\n1,1,b\n[Yogo]\nd,m,1,0,0,0,0\n";
    const Case cases[] = {
        {"empty", PlanCatalogKind::WeekTargets, ""},
        {"no [Enforce]", PlanCatalogKind::WeekTargets, targets},
        {"[Enforce] without lines", PlanCatalogKind::WeekTargets, targets + "[Enforce]\n"},
        {"[NonTitle] at the end", PlanCatalogKind::WeekTargets,
         targets + "[Enforce]\n1,a,k,\n[NonTitle]\n"},
        {"a header in the wrong case", PlanCatalogKind::Disasters,
         "[BigGroup]\n1,a\n[MidGroup]\n1,1,b\n[yogo]\nd,m\n"},
        {"[NonTitle] after [Yogo]", PlanCatalogKind::Disasters, disasters + "[NonTitle]\nx\n"},
        {"no mid group", PlanCatalogKind::Disasters, "[BigGroup]\n1,a\n[MidGroup]\n[Yogo]\nd\n"},
    };
    for (const Case& c : cases) {
        CPlanCatalog catalog(c.kind);
        EXPECT_FALSE(catalog.ReadText(c.text)) << c.what;
    }
    CPlanCatalog valid(PlanCatalogKind::WeekTargets);
    EXPECT_TRUE(valid.ReadText(targets + "[Enforce]\n1,a,k,"));
    CPlanCatalog bareLf(PlanCatalogKind::Disasters);
    EXPECT_TRUE(bareLf.ReadText(disasters));
}

// A missing catalogue is reported with the words of its kind, after the shipped-file notice.
TEST(PlanCatalogTest, AMissingCatalogueIsReportedWithItsWords) {
    test::TempDir shipped;
    test::TempDir writable;
    Paths::SetDirs(shipped.Path(), writable.Path(), writable.Path() / "config");
    test::ScopedUi ui;
    CPlanCatalog catalog(PlanCatalogKind::Disasters);
    EXPECT_FALSE(catalog.Load());
    ASSERT_FALSE(ui->MessageBoxes().empty());
    EXPECT_EQ(ui->MessageBoxes().back().text,
              "災害と対策の用語ファイルが存在しないか、内容が不明です。\n"
              "災害と対策の用語ファイルを確認してください。");
    // The user's copy in the writable folder goes before the shipped file.
    shipped.Write("ANKAN.INI", "");
    writable.Write("ANKAN.INI", "[BigGroup]\n1,a\n[MidGroup]\n1,1,b\n[Yogo]\nd,m,1,0,0,0,0\n");
    ui->ClearRecords();
    EXPECT_TRUE(catalog.Load());
    EXPECT_TRUE(ui->MessageBoxes().empty());
    Paths::SetDirs({}, {}, {});
}

// The catalogue of the candidate tests: big groups 1 to 3 and a fourth that lists nothing.
class CandidateTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(targets.ReadText(File({
            "[BigGroup]",
            "1,作業",
            "2,型",
            "3,時期",
            "9,その他",
            "[MidGroup]",
            "1,10,足場",
            "1,11,土工",
            "2,20,墜落",
            "3,30,夏",
            "9,90,なし",
            "[Target]",
            "10,0,0,足場点検,ashiba,1,2,0,0,0,0,0,0,0,0,0,0,0,0,0,",
            "11,11,11,ABC目標,abc,3,0,0,0,0,0,0,0,0,0,0,0,0,0,0,",
            "10,0,0,abc目標,xyz,2,4,0,0,0,0,0,0,0,0,0,0,0,0,0,",
            "10,0,0,足場点検,bsh,4,1,0,0,0,0,0,0,0,0,0,0,0,0,0,",
            "[Enforce]",
            "1,手すり,te,20,0,0,0,0,0,",
            "2,幅木,ha,0,0,0,30,0,0,",
            "3,親綱,oya,20,0,0,30,0,0,",
            "4,手すり,te2,0,0,0,0,0,0,",
        })));
        ASSERT_TRUE(disasters.ReadText(File({
            "[BigGroup]",
            "1,作業",
            "2,型",
            "3,時期",
            "[MidGroup]",
            "1,10,足場",
            "2,20,墜落",
            "3,30,夏",
            "[Yogo]",
            "墜落,安全帯,10,10,10,20,0",
            "落下,ネット,10,0,0,0,30",
            "墜落,手すり,0,0,0,20,30",
            "墜落,安全帯,10,0,0,0,0",
        })));
    }
    CPlanCatalog targets{PlanCatalogKind::WeekTargets};
    CPlanCatalog disasters{PlanCatalogKind::Disasters};
};

TEST_F(CandidateTest, TargetsOfEachBigGroup) {
    struct Case {
        int big;
        int mid;
        const char* filter;
        Texts texts;
        std::size_t listed;
    };
    const std::string blank = PlanBlankEntry();
    const Case cases[] = {
        // Through the targets' own mid groups; a text that differs in ASCII case is the same.
        {0, 0, "", {blank, J("足場点検"), J("abc目標")}, 3},
        // Three matching mid groups list the target three times, its text once.
        {0, 1, "", {blank, J("ABC目標")}, 3},
        // Through the actions: big group 2 by the first three numbers, 3 by the last three.
        {1, 0, "", {blank, J("足場点検"), J("ABC目標")}, 3},
        {2, 0, "", {blank, J("足場点検"), J("abc目標")}, 3},
        // The filter begins the key; the listed targets keep every match.
        {0, 0, "a", {blank, J("足場点検")}, 3},
        {0, 0, "s", {blank}, 3},
        // A big group outside 1..3, and a mid group that is not there.
        {3, 0, "", {blank}, 0},
        {0, 5, "", {blank}, 0},
    };
    for (const Case& c : cases) {
        const PlanTargetCandidates list = ListTargets(targets, c.big, c.mid, c.filter);
        EXPECT_EQ(list.texts, c.texts) << c.big << "/" << c.mid << " " << c.filter;
        EXPECT_EQ(list.listed.size(), c.listed) << c.big << "/" << c.mid << " " << c.filter;
    }
}

TEST_F(CandidateTest, ActionsFollowTheListedTargetsOfTheChosenText) {
    const PlanTargetCandidates list = ListTargets(targets, 0, 0, "");
    // Both 足場点検 targets, each one's actions in [Enforce] order, each text once.
    EXPECT_EQ(ListActions(targets, list.listed, J("足場点検"), ""),
              (Texts{PlanBlankEntry(), J("手すり"), J("幅木")}));
    EXPECT_EQ(ListActions(targets, list.listed, J("足場点検"), "h"),
              (Texts{PlanBlankEntry(), J("幅木")}));
    // Only the exact text: "ABC目標" is another target's text.
    EXPECT_EQ(ListActions(targets, list.listed, J("ABC目標"), ""), Texts{PlanBlankEntry()});
    EXPECT_EQ(ListActions(targets, list.listed, PlanBlankEntry(), ""), Texts{PlanBlankEntry()});
}

TEST_F(CandidateTest, DisastersOfEachBigGroupAndTheirCountermeasures) {
    const std::string blank = PlanBlankEntry();
    const PlanDisasterCandidates first = ListDisasters(disasters, 0, 0);
    EXPECT_EQ(first.texts, (Texts{blank, J("墜落"), J("落下")}));
    EXPECT_EQ(first.listed.size(), 5u);
    EXPECT_EQ(ListMeasures(first.listed, J("墜落")), (Texts{blank, J("安全帯")}));
    const PlanDisasterCandidates second = ListDisasters(disasters, 1, 0);
    EXPECT_EQ(second.texts, (Texts{blank, J("墜落")}));
    EXPECT_EQ(ListMeasures(second.listed, J("墜落")), (Texts{blank, J("安全帯"), J("手すり")}));
    const PlanDisasterCandidates third = ListDisasters(disasters, 2, 0);
    EXPECT_EQ(third.texts, (Texts{blank, J("落下"), J("墜落")}));
    EXPECT_EQ(ListMeasures(third.listed, J("落下")), (Texts{blank, J("ネット")}));
}

// Only ASCII letters fold: the trail byte of a double-byte character may lie in A..Z and must
// not be folded into another character ("ア" is 83 41, "チ" 83 60 ... "ヂ" 83 61 = "a").
TEST(PlanCandidatesTest, CaseFoldingLeavesDoubleByteCharactersAlone) {
    EXPECT_TRUE(SamePlanText("Fall A", "fall a"));
    EXPECT_FALSE(SamePlanText(J("ア"), "\x83\x61"));
    EXPECT_FALSE(SamePlanText(J("ア足場"), "\x83\x61" + J("足場")));
    EXPECT_TRUE(SamePlanText(J("ア足場"), J("ア足場")));
    EXPECT_FALSE(SamePlanText("ab", "abc"));
}

TEST(PlanCatalogTest, TheShippedCataloguesListTextsInEveryBigGroup) {
    test::ScopedUi ui;
    for (const PlanCatalogKind kind : {PlanCatalogKind::WeekTargets, PlanCatalogKind::Disasters}) {
        CPlanCatalog catalog(kind);
        ASSERT_TRUE(catalog.ReadFile(*Paths::ShippedFile(CPlanCatalog::FileName(kind))));
        ASSERT_GE(catalog.BigGroups().size(), 3u);
        for (int big = 0; big < 3; ++big) {
            const std::vector<std::string> mids = catalog.MidGroupNames(big);
            ASSERT_FALSE(mids.empty()) << big;
            for (int mid = 0; mid < static_cast<int>(mids.size()); ++mid) {
                const std::size_t listed = kind == PlanCatalogKind::WeekTargets
                                               ? ListTargets(catalog, big, mid, "").texts.size()
                                               : ListDisasters(catalog, big, mid).texts.size();
                EXPECT_GT(listed, 1u) << CPlanCatalog::FileName(kind) << " " << big << "/" << mid;
            }
        }
    }
    EXPECT_TRUE(ui->MessageBoxes().empty());
}

// The term list's file: both patterns, each with groups whose keys name word sections with
// words and their readings.
TEST(PlanCatalogTest, TheShippedTermFileHoldsTwoPatterns) {
    test::ScopedUi ui;
    const ProfileFile file(*Paths::ShippedFile("YOGO.INI"), ProfileFlavor::IniFile);
    const std::string first = file.GetString("Pattern", "0", "");
    const std::string second = file.GetString("Pattern", "1", "");
    ASSERT_FALSE(first.empty());
    ASSERT_FALSE(second.empty());
    for (const std::string& pattern : {first, second}) {
        const std::string group = file.GetString(pattern, "0", "");
        ASSERT_FALSE(group.empty()) << pattern;
        const std::vector<std::string> keys = file.KeyNames(group);
        ASSERT_GE(keys.size(), 4u) << group;
        for (const std::string& key : keys) {
            const std::string sections = file.GetString(group, key, "");
            const std::string section = sections.substr(0, sections.find(','));
            EXPECT_FALSE(file.KeyNames(section).empty()) << section;
            EXPECT_FALSE(file.GetString(section, file.KeyNames(section)[0], "").empty());
        }
    }
}

} // namespace
} // namespace tembra
