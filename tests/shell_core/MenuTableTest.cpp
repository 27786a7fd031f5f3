// The menu bar's table: every command once, well nested, the paths the system gives, and an
// entry for the commands of the bars that are not popup buttons.
#include "shell/core/MenuTable.h"

#include "shell/core/ToolBarSets.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

namespace tembra {
namespace {

// "popup > popup > text" of every command.
std::map<UINT, std::string> Paths() {
    std::map<UINT, std::string> paths;
    std::vector<std::string> popups;
    for (const MenuEntry& e : MainMenu()) {
        popups.resize(static_cast<std::size_t>(e.depth));
        if (e.id == 0 && e.text != nullptr) {
            popups.push_back(e.text);
        } else if (e.id != 0) {
            std::string path;
            for (const std::string& p : popups) {
                path += p + " > ";
            }
            paths[e.id] = path + e.text;
        }
    }
    return paths;
}

TEST(MenuTableTest, EveryCommandOnceUnderAPopup) {
    std::set<UINT> ids;
    int depth = 0;
    for (const MenuEntry& e : MainMenu()) {
        EXPECT_LE(e.depth, depth + 1) << (e.text ? e.text : "separator");
        EXPECT_TRUE(e.depth > 0 || (e.id == 0 && e.text != nullptr)) << "the bar holds popups";
        depth = e.id == 0 && e.text != nullptr ? e.depth : e.depth - 1;
        if (e.id != 0) {
            EXPECT_TRUE(ids.insert(e.id).second) << "id " << e.id << " twice";
        }
    }
}

TEST(MenuTableTest, ThePathsTheSystemGives) {
    const std::map<UINT, std::string> paths = Paths();
    const std::map<UINT, std::string> expected = {
        {33119, "表示(&V) > ﾌﾛｰﾃｨﾝｸﾞｳｨﾝﾄﾞｳ(&W)"},
        {32993, "表示(&V) > ＭＹ用語一覧...(Y)"},
        {32775, "表示(&V) > メインツールバー(T)"},
        {33004, "表示(&V) > 拡大(Z)"},
        {57607, "ﾌｧｲﾙ(&F) > 印刷(&P)...\tCtrl+P"},
        {32781, "編集(&E) > 切り取り(&T)\tCtrl+X"},
        {40088, "編集(&E) > レイヤー(L) > レイヤー指定貼り付け(P)"},
        {32901, "編集(&E) > 行・列  編集 > 1. 行削除"},
        {33143, "属性(A) > 行事(E) > 位置指定移動(&M)..."},
        {33144, "属性(A) > 行事(E) > ハイパーリンク(&H) > 開く(&O)..."},
        {33084, "属性(A) > 線画(G) > 文字設定(&P) > 修飾(&A) > &1. 強 調"},
        {32847, "属性(A) > 工程線(K) > 日数変更(D)"},
        {33145, "設定(S) > 塗り潰し設定(&F)..."},
        {32882, "ｵﾌﾟｼｮﾝ(O) > 環境設定(S) > 初期状態(I)..."},
        {32880, "ｵﾌﾟｼｮﾝ(O) > 属性(A) > 工程(K)..."},
        {33126, "ｵﾌﾟｼｮﾝ(O) > フローティング表示(&F)..."},
        {57664, "ﾍﾙﾌﾟ(&H) > ﾊﾞｰｼﾞｮﾝ情報(Tembra+) (&A)..."},
    };
    for (const auto& [id, path] : expected) {
        ASSERT_EQ(paths.count(id), 1u) << id;
        EXPECT_EQ(paths.at(id), path) << id;
    }
}

TEST(MenuTableTest, TheBarsCommandsAreInTheMenus) {
    const std::map<UINT, std::string> paths = Paths();
    // The buttons that open a small menu of their own, and the combo places.
    const std::set<UINT> popupButtons = {33009,           33010,           33011,
                                         33012,           33013,           33098,
                                         33099,           33022,           kLayerComboPlace,
                                         kYogoComboPlace, kColorComboPlace};
    for (int set = 1; set <= CToolBarSets::kSetCount; ++set) {
        for (const ToolBarCommand& c : CToolBarSets::CommandTable(set)) {
            if (popupButtons.count(c.id) == 0) {
                EXPECT_EQ(paths.count(c.id), 1u) << "set " << set << ": " << c.id << " " << c.name;
            }
        }
    }
}

} // namespace
} // namespace tembra
