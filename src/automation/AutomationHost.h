// What the automation members need of the program around the document: the other open charts,
// closing charts and the program.
#pragma once

namespace tembra {

class CTembraDoc;

class IAutomationHost {
public:
    virtual ~IAutomationHost() = default;

    // Before a file is opened into doc: closes every other chart of the program that holds no
    // object at all, is not driven by a client and is not modified.
    virtual void CloseIdleDocuments(CTembraDoc& doc) = 0;
    // Closes doc: option 0 without saving, 1 saving when modified, 2 asking the user.
    virtual void CloseDocument(CTembraDoc& doc, int option) = 0;
    // Whether a chart other than doc is open for the caller.
    virtual bool OtherDocumentsOpen(const CTembraDoc& doc) const = 0;
    // Ends the caller's work: its charts close (a chart the user changed in its window is asked
    // about) and the program ends when no one else holds a chart.
    virtual void CloseApplication(CTembraDoc& doc) = 0;
};

} // namespace tembra
