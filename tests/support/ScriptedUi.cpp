#include "support/ScriptedUi.h"

#include "platform/Sjis.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

namespace tembra::test {

void ScriptedUi::QueueAnswer(int answer) {
    m_answers.push_back(answer);
}

int ScriptedUi::DefaultAnswer(UINT type) {
    return DefaultMessageBoxAnswer(type);
}

void ScriptedUi::OnDialog(const std::string& name, std::function<int(DialogRequest&)> handler) {
    m_dialogHandlers[name] = std::move(handler);
}

std::vector<UINT> ScriptedUi::MessageIds() const {
    std::vector<UINT> ids;
    ids.reserve(m_boxes.size());
    for (const MessageBoxCall& box : m_boxes) {
        ids.push_back(box.stringId);
    }
    return ids;
}

std::vector<std::string> ScriptedUi::MessageTexts() const {
    std::vector<std::string> texts;
    texts.reserve(m_boxes.size());
    for (const MessageBoxCall& box : m_boxes) {
        texts.push_back(box.text);
    }
    return texts;
}

std::size_t ScriptedUi::UnqueuedCount() const {
    return static_cast<std::size_t>(std::count_if(
        m_boxes.begin(), m_boxes.end(), [](const MessageBoxCall& c) { return !c.queued; }));
}

std::string ScriptedUi::LastStatusUtf8() const {
    return m_status.empty() ? std::string() : Sjis::ToUtf8(m_status.back());
}

void ScriptedUi::ClearRecords() {
    m_boxes.clear();
    m_status.clear();
    m_beeps.clear();
    m_waitDepth = 0;
    m_maxWaitDepth = 0;
    m_waitBegins = 0;
    m_modeChanged = 0;
    m_urls.clear();
    m_dialogs.clear();
    m_posted.clear();
}

int ScriptedUi::MessageBox(const std::string& text, UINT type, UINT stringId) {
    MessageBoxCall call;
    call.text = Sjis::ToUtf8(text);
    call.bytes = text;
    call.type = type;
    call.stringId = stringId;
    if (!m_answers.empty()) {
        call.answer = m_answers.front();
        call.queued = true;
        m_answers.pop_front();
    } else {
        call.answer = DefaultAnswer(type);
        if (m_failOnUnqueued)
            ADD_FAILURE() << "message box without a queued answer: \"" << call.text << "\" (id "
                          << stringId << ")";
    }
    m_boxes.push_back(call);
    return call.answer;
}

void ScriptedUi::SetStatusText(const std::string& text) {
    m_status.push_back(text);
}

void ScriptedUi::Beep(UINT type) {
    m_beeps.push_back(type);
}

void ScriptedUi::BeginWaitCursor() {
    ++m_waitBegins;
    m_maxWaitDepth = std::max(m_maxWaitDepth, ++m_waitDepth);
}

void ScriptedUi::EndWaitCursor() {
    --m_waitDepth;
}

void ScriptedUi::ModeChanged() {
    ++m_modeChanged;
}

bool ScriptedUi::OpenUrl(const std::string& url) {
    m_urls.push_back(url);
    return m_openUrlResult;
}

int ScriptedUi::RunDialog(DialogRequest& request) {
    DialogCall call;
    call.name = request.Name();
    auto it = m_dialogHandlers.find(call.name);
    if (it != m_dialogHandlers.end()) {
        // A copy: the handler may replace itself (or others) while it runs.
        auto handler = it->second;
        call.handled = true;
        call.result = handler(request);
    } else {
        call.result = IDCANCEL;
    }
    m_dialogs.push_back(call);
    return call.result;
}

ScopedUi::ScopedUi() : m_previous(SetUiServices(&m_own)) {}

ScopedUi::ScopedUi(IUiServices& services) : m_previous(SetUiServices(&services)) {}

ScopedUi::~ScopedUi() {
    SetUiServices(m_previous);
}

} // namespace tembra::test
