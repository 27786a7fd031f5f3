// What the session-bus service needs of the program: charts in windows, made and closed, and
// the end of the program.
#pragma once

namespace tembra {

class CTembraDoc;

class IAutomationCharts {
public:
    virtual ~IAutomationCharts() = default;

    // A new empty chart in a window of its own; null when it could not be made.
    virtual CTembraDoc* NewChart() = 0;
    // Closes the chart: option 0 without saving, 1 saving it when modified, 2 asking the user.
    virtual void CloseChart(CTembraDoc& doc, int option) = 0;
    // Closes every chart other than doc that holds no object, is driven by no client and is not
    // modified.
    virtual void CloseIdleCharts(CTembraDoc& doc) = 0;
    // Whether the chart is still open (the user may close its window).
    virtual bool IsOpen(const CTembraDoc* doc) const = 0;
    // Whether a chart that no client drives is open (the user's own).
    virtual bool UserHoldsCharts() const = 0;
    // Ends the program with the status.
    virtual void Quit(int status) = 0;
};

} // namespace tembra
