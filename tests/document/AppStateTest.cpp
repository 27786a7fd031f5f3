#include "document/AppState.h"

#include "DocTestSupport.h"

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

} // namespace
} // namespace tembra
