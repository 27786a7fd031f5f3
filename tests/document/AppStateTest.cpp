#include "document/AppState.h"

#include "DocTestSupport.h"
#include "YogoBarRecorder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace tembra {
namespace {

using test::DeletionLog;
using test::Logged;
using test::ProbeRecord;
using test::ScopedAppState;

TEST(AppStateTest, ClearingTheObjectClipboardTakesItsLinksAlong) {
    ScopedAppState app;
    DeletionLog().clear();
    auto process = std::make_unique<CKoutei>();
    app->GetProcessInfoList().push_back(std::make_unique<CKouteiLink>(process.get()));
    app->GetObjectClipboard().AddTail(process.release());
    app->GetObjectClipboard().AddTail(new ProbeRecord(kTypeEvent, "event"));
    app->GetZukeiClipboard().AddTail(new ProbeRecord(kTypeZukei, "shape"));

    app->ClearObjectClipboard();
    EXPECT_TRUE(app->GetObjectClipboard().IsEmpty());
    EXPECT_TRUE(app->GetZukeiClipboard().IsEmpty());
    EXPECT_TRUE(app->GetProcessInfoList().empty()) << "no link may point at a deleted process";
    EXPECT_EQ(DeletionLog(), (std::vector<std::string>{"event", "shape"}));
    DeletionLog().clear();
}

TEST(AppStateTest, ClipboardsOfNamesAndCells) {
    ScopedAppState app;
    DeletionLog().clear();
    app->GetShigenNameClipboard().push_back(std::make_unique<Logged<CShigenName>>("first"));
    app->GetShigenNameClipboard().push_back(std::make_unique<Logged<CShigenName>>("second"));
    app->ClearShigenNameClipboard();
    EXPECT_TRUE(app->GetShigenNameClipboard().empty());
    EXPECT_EQ(DeletionLog(), (std::vector<std::string>{"second", "first"}));

    DeletionLog().clear();
    auto* twice = new Logged<CKoumokuData>("twice");
    app->GetCellClipboard().SetAt(0, 0, twice);
    app->GetCellClipboard().SetAt(3, 1, twice);
    app->GetCellClipboard().SetAt(1, 1, new Logged<CKoumokuData>("once"));
    app->GetCellKeisenTypes() = {1, 2};
    app->ClearCellClipboard();
    std::vector<std::string> log = DeletionLog();
    std::sort(log.begin(), log.end());
    EXPECT_EQ(log, (std::vector<std::string>{"once", "twice"}));
    EXPECT_EQ(app->GetCellClipboard().GetRowCount(), 0);
    EXPECT_TRUE(app->GetCellKeisenTypes().empty());
    DeletionLog().clear();
}

TEST(AppStateTest, TheInstalledStateIsTheOneInForce) {
    CAppState* own = GetAppState();
    ASSERT_NE(own, nullptr);
    {
        ScopedAppState app;
        EXPECT_EQ(GetAppState(), &app.Get());
    }
    EXPECT_EQ(GetAppState(), own);
}

// The text the term bar hands out: blanks typed after it are not part of it, and a text longer
// than the bar holds is cut before a double-byte character, never through it.
TEST(AppStateTest, TheTermBarTextIsTrimmedAndCutOnACharacterBoundary) {
    const std::string kanji = "\x8D\x48"; // 工
    struct Case {
        std::string typed;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"ab  ", "ab"},
        {"  a b\t ", "  a b"},
        {std::string(130, 'x'), std::string(128, 'x')},
        {[&] {
             std::string text;
             for (int i = 0; i < 65; ++i) {
                 text += kanji;
             }
             return text;
         }(),
         [&] {
             std::string text;
             for (int i = 0; i < 64; ++i) {
                 text += kanji;
             }
             return text;
         }()},
        // 127 single bytes and a double-byte character: the character does not fit.
        {std::string(127, 'x') + kanji, std::string(127, 'x')},
        // Blanks before the cut come off after it.
        {std::string(120, 'x') + std::string(20, ' '), std::string(120, 'x')},
        {"", ""},
    };
    CAppState state;
    test::YogoBarRecorder bar;
    state.SetYogoBar(&bar);
    for (const Case& c : cases) {
        bar.text = c.typed;
        EXPECT_EQ(state.GetYogoText(), c.expected) << c.typed;
    }
    bar.text = "ab ";
    state.CommitYogoText();
    EXPECT_EQ(bar.history, std::vector<std::string>{"ab"});
}

TEST(AppStateTest, WithoutATermBarNothingIsTold) {
    CAppState state;
    EXPECT_FALSE(state.IsYogoBarVisible());
    EXPECT_EQ(state.GetYogoText(), "");
    EXPECT_EQ(state.GetYogoColorIndex(), 0);
    EXPECT_EQ(state.GetYogoColor(), COLORREF{0});
    EXPECT_FALSE(state.IsEditModified());
    state.SetYogoText("a");
    state.FocusYogoCombo(1);
    state.CommitYogoText();
    state.SetEditModify(true);
    EXPECT_FALSE(state.IsEditModified());
    state.SetLastText("a");
    state.SyncLastText();
    EXPECT_TRUE(state.GetYogoHistory().empty());
    EXPECT_EQ(state.GetKouteiColor(), RGB(0, 0, 0));
    EXPECT_EQ(state.GetKouteiColorIndex(), 0);
}

} // namespace
} // namespace tembra
