// The user interface of a call: boxes get the answer that goes no further and are kept for the
// caller, dialogs are not run; only a member's own question reaches a user who is there.
#include "automation/AutomationCallUi.h"

#include "platform/Sjis.h"
#include "support/ScriptedUi.h"

#include <gtest/gtest.h>

namespace tembra::test {
namespace {

class NamedRequest : public DialogRequest {
public:
    const char* Name() const override { return "SaveAs"; }
};

TEST(AutomationCallUiTest, BoxesAreKeptForTheCallerWithTheAnswerThatGoesNoFurther) {
    struct Case {
        UINT type;
        int answer;
    };
    const Case cases[] = {
        {MB_OK | MB_ICONEXCLAMATION, IDOK},       {MB_OKCANCEL, IDCANCEL},
        {MB_YESNO | MB_ICONQUESTION, IDNO},       {MB_YESNOCANCEL | MB_DEFBUTTON1, IDCANCEL},
        {MB_RETRYCANCEL | MB_ICONSTOP, IDCANCEL}, {MB_ABORTRETRYIGNORE, IDABORT},
    };
    ScriptedUi user;
    CAutomationCallUi call(user, true);
    for (const Case& c : cases) {
        EXPECT_EQ(call.MessageBox(Sjis::FromUtf8("保存に失敗しました。\n理由"), c.type, 5912),
                  c.answer)
            << c.type;
    }
    ASSERT_EQ(call.Messages().size(), std::size(cases));
    EXPECT_EQ(call.Messages().front(),
              (CAutomationCallUi::Message{5912, "保存に失敗しました。\n理由"}));
    NamedRequest request;
    EXPECT_EQ(call.RunDialog(request), IDCANCEL);
    EXPECT_EQ(call.Dialogs(), std::vector<std::string>{"SaveAs"});
    EXPECT_TRUE(user.MessageBoxes().empty()) << "nobody was shown anything";
    EXPECT_TRUE(user.Dialogs().empty());
}

TEST(AutomationCallUiTest, OnlyAMembersOwnQuestionReachesAUserWhoIsThere) {
    for (const bool userThere : {true, false}) {
        ScriptedUi user;
        user.QueueAnswer(IDYES);
        user.OnDialog("SaveAs", [](DialogRequest&) { return IDOK; });
        CAutomationCallUi call(user, userThere);
        NamedRequest request;
        call.BeginQuestion();
        const int answer = call.MessageBox("?", MB_YESNO, 5136);
        const int dialog = call.RunDialog(request);
        call.EndQuestion();
        // After the question, boxes are the caller's again.
        call.MessageBox("!", MB_OK, 5085);

        EXPECT_EQ(answer, userThere ? IDYES : IDNO) << userThere;
        EXPECT_EQ(dialog, userThere ? IDOK : IDCANCEL) << userThere;
        EXPECT_EQ(user.MessageIds(), userThere ? std::vector<UINT>{5136} : std::vector<UINT>{});
        std::vector<CAutomationCallUi::Message> kept;
        if (!userThere) {
            kept.push_back({5136, "?"});
        }
        kept.push_back({5085, "!"});
        EXPECT_EQ(call.Messages(), kept) << userThere;
    }
}

} // namespace
} // namespace tembra::test
