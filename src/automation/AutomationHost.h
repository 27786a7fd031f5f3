// What the automation members need of the program around the document: the other open charts,
// closing charts and the program, and the user's answer to a member's own question.
#pragma once

namespace tembra {

class CTembraDoc;

class IAutomationHost {
public:
    virtual ~IAutomationHost() = default;

    // Before a file is opened into doc: closes every other chart of the program that holds no
    // object at all, is not driven by a client and is not modified.
    virtual void CloseIdleDocuments(CTembraDoc& doc) = 0;
    // Closes doc once the member has returned: option 0 without saving, 1 saving it when
    // modified, 2 asking the user. The save or the question happens now; false when the chart
    // stays open (the save failed, the chart has no file to save to, the user kept it).
    virtual bool CloseDocument(CTembraDoc& doc, int option) = 0;
    // Whether a chart other than doc is open.
    virtual bool OtherDocumentsOpen(const CTembraDoc& doc) const = 0;
    // Ends the clients' work: their charts close without saving (a chart the user changed in its
    // window stays, the user's now) and the program ends when it holds nothing more.
    virtual void CloseApplication(CTembraDoc& doc) = 0;
    // A member asks the user on purpose from BeginQuestion to EndQuestion; every other box or
    // dialog of a call is refused and told to the caller.
    virtual void BeginQuestion() = 0;
    virtual void EndQuestion() = 0;
};

// A member's question to the user, for the life of the object.
class CAutomationQuestion {
public:
    explicit CAutomationQuestion(IAutomationHost& host) : m_host(host) { m_host.BeginQuestion(); }
    ~CAutomationQuestion() { m_host.EndQuestion(); }
    CAutomationQuestion(const CAutomationQuestion&) = delete;
    CAutomationQuestion& operator=(const CAutomationQuestion&) = delete;

private:
    IAutomationHost& m_host;
};

} // namespace tembra
