// A scripted stand-in for the user interface: answers message boxes and dialogs as a test
// queues them and records every call, so that a test can check what the user would have seen.
//
//     test::ScopedUi ui;                 // installed until the end of the scope
//     ui->QueueAnswer(IDNO);
//     RunTheOperation();
//     ASSERT_EQ(ui->MessageBoxes().size(), 1u);
//     EXPECT_EQ(ui->MessageBoxes()[0].stringId, 1234u);
#pragma once

#include "platform/Ui.h"

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace tembra::test {

class ScriptedUi : public IUiServices {
public:
    struct MessageBoxCall {
        std::string text;  // UTF-8, for readable assertions
        std::string bytes; // the CP932 text exactly as passed
        UINT type = 0;
        UINT stringId = 0;
        int answer = 0;
        bool queued = false; // false: no answer was queued, the default answer was given
    };
    struct DialogCall {
        std::string name;
        int result = 0;
        bool handled = false; // false: no handler for this name, IDCANCEL was answered
    };

    // The answer of the next message box. Answers are used in the order queued.
    void QueueAnswer(int answer);
    std::size_t PendingAnswers() const { return m_answers.size(); }
    // When set, a message box without a queued answer fails the running test.
    void FailOnUnqueued(bool fail) { m_failOnUnqueued = fail; }
    // The answer given without a queued one: the same as the silent default services.
    static int DefaultAnswer(UINT type);

    // Runs handler for every dialog request of this name; its result is the dialog's result.
    void OnDialog(const std::string& name, std::function<int(DialogRequest&)> handler);
    // The answer of OpenUrl (true unless set).
    void SetOpenUrlResult(bool opened) { m_openUrlResult = opened; }

    const std::vector<MessageBoxCall>& MessageBoxes() const { return m_boxes; }
    // The string ids, and the texts (UTF-8), of the message boxes shown so far.
    std::vector<UINT> MessageIds() const;
    std::vector<std::string> MessageTexts() const;
    // Message boxes that got the default answer because none was queued.
    std::size_t UnqueuedCount() const;
    // Status texts in CP932 as set, and the last one as UTF-8 ("" when none).
    const std::vector<std::string>& StatusTexts() const { return m_status; }
    std::string LastStatusUtf8() const;
    const std::vector<UINT>& Beeps() const { return m_beeps; }
    // Wait cursor: the current depth, the deepest it went and how many times it was begun.
    // A negative depth means EndWaitCursor came without a BeginWaitCursor.
    int WaitDepth() const { return m_waitDepth; }
    int MaxWaitDepth() const { return m_maxWaitDepth; }
    int WaitBegins() const { return m_waitBegins; }
    int ModeChangedCount() const { return m_modeChanged; }
    const std::vector<std::string>& OpenedUrls() const { return m_urls; }
    const std::vector<DialogCall>& Dialogs() const { return m_dialogs; }
    // The commands posted to the main window, in order.
    const std::vector<UINT>& PostedCommands() const { return m_posted; }

    // Forgets the records (queued answers and handlers stay).
    void ClearRecords();

    int MessageBox(const std::string& text, UINT type, UINT stringId) override;
    void SetStatusText(const std::string& text) override;
    void Beep(UINT type) override;
    void BeginWaitCursor() override;
    void EndWaitCursor() override;
    void ModeChanged() override;
    bool OpenUrl(const std::string& url) override;
    int RunDialog(DialogRequest& request) override;
    void PostCommand(UINT id) override { m_posted.push_back(id); }

private:
    std::deque<int> m_answers;
    bool m_failOnUnqueued = false;
    bool m_openUrlResult = true;
    std::map<std::string, std::function<int(DialogRequest&)>> m_dialogHandlers;

    std::vector<MessageBoxCall> m_boxes;
    std::vector<std::string> m_status;
    std::vector<UINT> m_beeps;
    int m_waitDepth = 0;
    int m_maxWaitDepth = 0;
    int m_waitBegins = 0;
    int m_modeChanged = 0;
    std::vector<std::string> m_urls;
    std::vector<DialogCall> m_dialogs;
    std::vector<UINT> m_posted;
};

// Installs UI services for the life of the guard and then puts the previous ones back. The
// default constructor installs a ScriptedUi of its own, reached through -> and Get().
class ScopedUi {
public:
    ScopedUi();
    explicit ScopedUi(IUiServices& services);
    ~ScopedUi();
    ScopedUi(const ScopedUi&) = delete;
    ScopedUi& operator=(const ScopedUi&) = delete;

    ScriptedUi& Get() { return m_own; }
    ScriptedUi* operator->() { return &m_own; }

private:
    ScriptedUi m_own;
    IUiServices* m_previous = nullptr;
};

} // namespace tembra::test
