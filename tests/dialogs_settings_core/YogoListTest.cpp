// The term list over a CP932 term file: where the file is found, what each box holds after a
// pattern, a group or a key is chosen, the reading filter per column, and the joined text.
#include "dialogs/settings/core/YogoList.h"

#include "platform/Paths.h"
#include "support/Cp932Text.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace tembra {
namespace {

using test::J;

// Two patterns; the first group has four keys (one hidden), the second two; the words carry
// readings, some more than one, and a hidden word.
const char* const kYogoIni = "; the term file\r\n"
                             "[Pattern]\r\n0=建築\r\n1=土木\r\n3=飛び番\r\n"
                             "[建築]\r\n0=躯体\r\n1=仕上\r\n"
                             "[土木]\r\n0=土工\r\n"
                             "[躯体]\r\n部位=部位\r\n;隠し=部位\r\n作業=躯体作業,仕上作業\r\n"
                             "工程=工程\r\n状態=なし\r\n"
                             "[仕上]\r\n部位=仕上部位\r\n作業=仕上作業\r\n"
                             "[土工]\r\n場所=場所\r\n"
                             "[部位]\r\n基礎=きそ\r\n柱=はしら\r\n床=ゆか,スラブ\r\n;壁=かべ\r\n"
                             "[躯体作業]\r\n配筋=はいきん\r\n型枠=かたわく\r\n"
                             "[仕上作業]\r\n塗装=とそう\r\n"
                             "[工程]\r\n着手=ちゃくしゅ\r\n完了=かんりょう\r\n"
                             "[仕上部位]\r\n外壁=がいへき\r\n"
                             "[場所]\r\n法面=のりめん\r\n";

std::vector<std::string> Js(std::initializer_list<const char*> texts) {
    std::vector<std::string> out;
    for (const char* text : texts) {
        out.push_back(J(text));
    }
    return out;
}

class YogoListTest : public testing::Test {
protected:
    YogoListTest() : file(dir.Write("YOGO.INI", J(kYogoIni))), model(file) { model.LoadPattern(0); }
    test::TempDir dir;
    std::filesystem::path file;
    CYogoListModel model;
};

TEST_F(YogoListTest, APatternShowsItsFirstGroupWithColumnCOnTheCthKey) {
    EXPECT_EQ(model.Patterns(), Js({"建築", "土木"})) << "a gap ends the list";
    EXPECT_EQ(model.Groups(), Js({"躯体", "仕上"}));
    EXPECT_EQ(model.Group(), 0);
    EXPECT_EQ(model.Keys(0), Js({"部位", "作業", "工程", "状態"})) << "no hidden key";
    const std::vector<std::vector<std::string>> words = {
        Js({"基礎", "柱", "床"}),
        Js({"配筋", "型枠", "塗装"}),
        Js({"着手", "完了"}),
        {}, // its section is missing
    };
    for (int c = 0; c < 4; ++c) {
        EXPECT_EQ(model.Key(c), c) << c;
        EXPECT_EQ(model.Words(c), words[static_cast<std::size_t>(c)]) << c;
    }

    // A group with two keys leaves the later columns empty.
    model.ChooseGroup(1);
    EXPECT_EQ(model.Words(0), Js({"外壁"}));
    EXPECT_EQ(model.Words(1), Js({"塗装"}));
    EXPECT_EQ(model.Key(2), -1);
    EXPECT_TRUE(model.Words(2).empty());
    EXPECT_TRUE(model.Words(3).empty());

    // Another pattern: its group 0.
    model.ChoosePattern(1);
    EXPECT_EQ(model.Groups(), Js({"土工"}));
    EXPECT_EQ(model.Group(), 0);
    EXPECT_EQ(model.Words(0), Js({"法面"}));
    EXPECT_TRUE(model.Words(1).empty());

    // A key chosen in a column's box.
    model.ChoosePattern(0);
    model.ChooseKey(3, 0);
    EXPECT_EQ(model.Words(3), Js({"基礎", "柱", "床"}));
}

TEST_F(YogoListTest, AReadingFiltersOnlyItsColumn) {
    struct Case {
        const char* reading;
        std::vector<std::string> words;
    };
    const Case cases[] = {
        {"柱", Js({"柱"})},               // the word's beginning
        {"ゆ", Js({"床"})},               // a reading's beginning
        {"スラ", Js({"床"})},             // the second reading
        {"は", Js({"柱"})},               // not inside a reading
        {"ん", {}},                       // nothing matches
        {"*x", Js({"基礎", "柱", "床"})}, // a star shows everything
        {"", Js({"基礎", "柱", "床"})},   // cleared
    };
    for (const Case& c : cases) {
        model.SetReading(0, J(c.reading));
        EXPECT_EQ(model.Words(0), c.words) << c.reading;
        EXPECT_EQ(model.Reading(0), J(c.reading));
        EXPECT_EQ(model.Words(1), Js({"配筋", "型枠", "塗装"})) << "the other column stays";
    }
    model.SetReading(1, J("か"));
    EXPECT_EQ(model.Words(1), Js({"型枠"}));
    model.SetReading(0, J("き"));
    EXPECT_EQ(model.Reading(1), J("か")) << "each column keeps its reading";
    EXPECT_EQ(model.Words(1), Js({"型枠"}));
    // A group chosen anew empties every reading.
    model.ChooseGroup(0);
    EXPECT_EQ(model.Reading(0), "");
    EXPECT_EQ(model.Reading(1), "");
    EXPECT_EQ(model.Words(1), Js({"配筋", "型枠", "塗装"}));
}

TEST_F(YogoListTest, ListItemsAreCutWithoutTrimming) {
    const std::string longWord(300, 'a');
    const std::filesystem::path cut =
        dir.Write("cut.ini", "[Pattern]\r\n0=p\r\n[p]\r\n0=g\r\n[g]\r\nk=s, t\r\n"
                             "[t]\r\nw2=" +
                                 longWord + ",y\r\n");
    CYogoFile yogo(cut);
    EXPECT_EQ(yogo.List("g", "k"), (std::vector<std::string>{"s", " t"}));
    // The value is cut at 255 bytes: the reading after it is gone.
    EXPECT_EQ(yogo.Words({"t"}, "y"), std::vector<std::string>{});
    EXPECT_EQ(yogo.Words({"t"}, std::string(255, 'a')), std::vector<std::string>{"w2"});
}

TEST_F(YogoListTest, TheUsersCopyWinsOverTheShippedFileAndNoneGivesEmptyLists) {
    test::TempDir shipped;
    Paths::SetDirs(shipped.Path(), dir.Path(), dir.Path());
    const std::filesystem::path user = dir.File("user/YOGO.INI");
    EXPECT_EQ(LocateYogoFile(user), std::filesystem::path()) << "neither";
    shipped.Write("YOGO.INI", "[Pattern]\r\n0=shipped\r\n");
    EXPECT_EQ(LocateYogoFile(user), shipped.File("YOGO.INI"));
    dir.Write("user/YOGO.INI", "[Pattern]\r\n0=mine\r\n");
    EXPECT_EQ(LocateYogoFile(user), user);
    Paths::SetDirs({}, {}, {});

    CYogoListModel none{std::filesystem::path()};
    none.LoadPattern(0);
    EXPECT_TRUE(none.Patterns().empty());
    EXPECT_TRUE(none.Groups().empty());
    for (int c = 0; c < 4; ++c) {
        EXPECT_TRUE(none.Keys(c).empty());
        EXPECT_TRUE(none.Words(c).empty());
    }
}

TEST(YogoJoinTest, PicksJoinInColumnOrderWithNothingBetween) {
    EXPECT_EQ(JoinYogo({J("柱"), "", J("着手"), ""}), J("柱着手"));
    EXPECT_EQ(JoinYogo({"", "", "", ""}), "");
}

} // namespace
} // namespace tembra
