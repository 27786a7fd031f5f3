// What the session-bus service needs of the program: charts in windows, made and closed, whether
// a user is there to answer a question, and the end of the program.
#pragma once

namespace tembra {

class CTembraDoc;

class IAutomationCharts {
public:
    virtual ~IAutomationCharts() = default;

    // A new empty chart in a window of its own; null when it could not be made.
    virtual CTembraDoc* NewChart() = 0;
    // Readies the chart to close: option 0 gives its changes up, 1 saves them to its file, 2
    // asks the user. False when the chart stays open (the save failed, the user kept it).
    virtual bool PrepareClose(CTembraDoc& doc, int option) = 0;
    // Closes the chart and its windows, asking nothing: what it holds unsaved is given up.
    virtual void CloseChart(CTembraDoc& doc) = 0;
    // Closes every chart other than doc that holds no object, is driven by no client and is not
    // modified.
    virtual void CloseIdleCharts(CTembraDoc& doc) = 0;
    // How many charts are open, and whether one that no client drives is (the user's own).
    virtual int ChartCount() const = 0;
    virtual bool UserHoldsCharts() const = 0;
    // Whether a user can answer a question (the program has a screen to ask on).
    virtual bool UserThere() const = 0;
    // Whether the user is in a dialog or box of the program: a call waits for it to close, as
    // the dialog may hold what the call would change.
    virtual bool UserBusy() const = 0;
    // Ends the program with the status.
    virtual void Quit(int status) = 0;
};

} // namespace tembra
