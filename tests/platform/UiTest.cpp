#include "platform/Ui.h"

#include "platform/Sjis.h"
#include "platform/StringTable.h"
#include "support/ScriptedUi.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <vector>

namespace tembra {
namespace {

const std::vector<UINT> kTypes = {MB_OK,
                                  MB_OKCANCEL | MB_ICONQUESTION,
                                  MB_ABORTRETRYIGNORE,
                                  MB_YESNOCANCEL | MB_ICONEXCLAMATION | MB_DEFBUTTON3,
                                  MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2,
                                  MB_RETRYCANCEL};

TEST(UiTest, SilentDefaultAnswersWithoutShowingAnything) {
    ASSERT_EQ(SetUiServices(nullptr), nullptr);
    struct Case {
        UINT type;
        int answer;
    };
    const std::vector<Case> cases = {{MB_OK, IDOK},
                                     {MB_OKCANCEL | MB_ICONQUESTION, IDOK},
                                     {MB_ABORTRETRYIGNORE, IDABORT},
                                     {MB_YESNOCANCEL | MB_ICONEXCLAMATION | MB_DEFBUTTON3, IDYES},
                                     {MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2, IDYES},
                                     {MB_RETRYCANCEL, IDCANCEL}};
    for (const auto& c : cases) {
        EXPECT_EQ(AfxMessageBox("text", c.type), c.answer) << c.type;
        // The double's unscripted answer is the same, so tests see what the program would do.
        EXPECT_EQ(test::ScriptedUi::DefaultAnswer(c.type), c.answer) << c.type;
    }
    EXPECT_FALSE(Ui().OpenUrl("https://example.com/"));
    struct Request : DialogRequest {
        const char* Name() const override { return "Any"; }
    } request;
    EXPECT_EQ(Ui().RunDialog(request), IDCANCEL);
}

TEST(UiTest, MessageBoxesGoThroughTheInstalledDouble) {
    test::ScopedUi ui;
    ui->QueueAnswer(IDNO);
    ui->QueueAnswer(IDCANCEL);

    EXPECT_EQ(AfxMessageBox(5084, MB_YESNO | MB_ICONQUESTION), IDNO);
    const std::string text = "\x95\x5C\x82\xF0\x95\xDB\x91\xB6"; // 表を保存
    EXPECT_EQ(AfxMessageBox(text, MB_OKCANCEL), IDCANCEL);
    EXPECT_EQ(AfxMessageBox("no answer queued", MB_YESNOCANCEL), IDYES);

    const auto& boxes = ui->MessageBoxes();
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[0].stringId, 5084u);
    EXPECT_EQ(boxes[0].text, FindString(5084));
    EXPECT_EQ(boxes[0].bytes, Sjis::FromUtf8(FindString(5084)));
    EXPECT_EQ(boxes[0].type, MB_YESNO | MB_ICONQUESTION);
    EXPECT_TRUE(boxes[0].queued);
    EXPECT_EQ(boxes[1].stringId, 0u);
    EXPECT_EQ(boxes[1].text, "表を保存");
    EXPECT_EQ(boxes[1].bytes, text);
    EXPECT_FALSE(boxes[2].queued);
    EXPECT_EQ(ui->UnqueuedCount(), 1u);
    EXPECT_EQ(ui->PendingAnswers(), 0u);
}

TEST(UiTest, UnqueuedMessageBoxFailsAStrictTest) {
    test::ScopedUi ui;
    ui->FailOnUnqueued(true);
    EXPECT_NONFATAL_FAILURE(AfxMessageBox("unexpected"), "without a queued answer");
    ui->QueueAnswer(IDOK);
    AfxMessageBox("expected");
    EXPECT_EQ(ui->UnqueuedCount(), 1u);
}

TEST(UiTest, GuardsRestoreThePreviousServices) {
    test::ScriptedUi outer;
    {
        test::ScopedUi outerGuard(outer);
        {
            test::ScopedUi inner;
            AfxMessageBox("inner");
            EXPECT_EQ(inner->MessageBoxes().size(), 1u);
        }
        AfxMessageBox("outer");
    }
    AfxMessageBox("silent");
    ASSERT_EQ(outer.MessageBoxes().size(), 1u);
    EXPECT_EQ(outer.MessageBoxes()[0].text, "outer");
    EXPECT_EQ(SetUiServices(nullptr), nullptr);
}

TEST(UiTest, RecordsTheOtherServices) {
    test::ScopedUi ui;
    Ui().SetStatusText("\x83\x5C\x81\x5B\x83\x67"); // ソート
    Ui().Beep(MB_ICONEXCLAMATION);
    Ui().ModeChanged();
    Ui().ModeChanged();
    {
        CWaitCursor outer;
        CWaitCursor inner;
        EXPECT_EQ(ui->WaitDepth(), 2);
    }
    EXPECT_EQ(ui->WaitDepth(), 0);
    EXPECT_EQ(ui->MaxWaitDepth(), 2);
    EXPECT_EQ(ui->WaitBegins(), 2);
    EXPECT_EQ(ui->LastStatusUtf8(), "ソート");
    EXPECT_EQ(ui->Beeps(), std::vector<UINT>{MB_ICONEXCLAMATION});
    EXPECT_EQ(ui->ModeChangedCount(), 2);

    EXPECT_TRUE(Ui().OpenUrl("mailto:someone@example.com"));
    ui->SetOpenUrlResult(false);
    EXPECT_FALSE(Ui().OpenUrl("https://example.com/"));
    EXPECT_EQ(ui->OpenedUrls().size(), 2u);

    struct Settings : DialogRequest {
        const char* Name() const override { return "Settings"; }
        int value = 0;
    } settings;
    struct Other : DialogRequest {
        const char* Name() const override { return "Other"; }
    } other;
    ui->OnDialog("Settings", [](DialogRequest& r) {
        static_cast<Settings&>(r).value = 42;
        return IDOK;
    });
    EXPECT_EQ(Ui().RunDialog(settings), IDOK);
    EXPECT_EQ(settings.value, 42);
    EXPECT_EQ(Ui().RunDialog(other), IDCANCEL);
    ASSERT_EQ(ui->Dialogs().size(), 2u);
    EXPECT_TRUE(ui->Dialogs()[0].handled);
    EXPECT_FALSE(ui->Dialogs()[1].handled);
    EXPECT_EQ(ui->Dialogs()[1].name, "Other");
}

} // namespace
} // namespace tembra
