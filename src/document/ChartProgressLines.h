// The progress lines (稲妻線, CShincyoku, type 3) of a chart: one line per progress date, in
// drawing order, made from the settings of "ShinConfig", listed, found, reordered and deleted.
//
// It reaches the list through the chart's objects and redraws through the notifier; the current
// layer, the modified mark and the recorded removal from a list are the document's (CTembraDoc&).
// Files: ChartProgressLines.cpp.
#pragma once

#include "document/ChartNotifier.h"
#include "document/ChartObjects.h"
#include "model/Shincyoku.h"
#include "model/SyokiSet.h"
#include "platform/Time.h"
#include "platform/Types.h"

#include <memory>

namespace tembra {

class CTembraDoc;

class CChartProgressLines {
public:
    CChartProgressLines(CTembraDoc& doc, CChartObjects& objects, CChartNotifier& notifier,
                        const CSyokiSet& settings)
        : m_doc(doc), m_objects(objects), m_notifier(notifier), m_syokiSet(settings) {}
    CChartProgressLines(const CChartProgressLines&) = delete;
    CChartProgressLines& operator=(const CChartProgressLines&) = delete;

    // Message of the creators.
    static constexpr UINT kNoShincyokuDataMessage = 5022;

    // A new progress line for the date with the line, label and font settings of "ShinConfig";
    // null after message 5022. The caller lists it.
    std::unique_ptr<CShincyoku> CreateShincyoku(const CTime& date);
    // A copy of source; null for none, and after message 5022.
    static std::unique_ptr<CShincyoku> CopyShincyoku(const CShincyoku* source);
    // Appends the line (taken over), marks the document modified and changed and, with redraw,
    // redraws it. Returns its position.
    POSITION AddShincyoku(CShincyoku* record, BOOL redraw);
    // The first progress line of the date and its position; null and position 0 when none.
    CShincyoku* FindShincyoku(const CTime& date, POSITION& pos) const;
    CShincyoku* GetShincyokuAt(POSITION pos) const;
    // Exchanges the lines at the two positions (their drawing order); FALSE when a position
    // holds none.
    BOOL SwapShincyoku(POSITION first, POSITION second);
    // Redraws the line at pos and takes it out: recorded for undo with its place, or deleted at
    // once when its selected word is 2 (a line that only lived while it was drawn). Marks the
    // document modified. Returns the line when the history keeps it, else null.
    CShincyoku* DeleteShincyokuAt(POSITION pos);
    int GetShincyokuCount() const { return m_objects.GetShincyokuList().GetCount(); }
    POSITION GetHeadShincyokuPosition() const {
        return m_objects.GetShincyokuList().GetHeadPosition();
    }
    POSITION GetTailShincyokuPosition() const {
        return m_objects.GetShincyokuList().GetTailPosition();
    }
    // The line at pos (null for a record of another kind); pos moves on.
    CShincyoku* GetNextShincyoku(POSITION& pos) const;
    // DeleteShincyokuAt on the head until the list is empty.
    void DeleteAllShincyoku();

private:
    CTembraDoc& m_doc;
    CChartObjects& m_objects;
    CChartNotifier& m_notifier;
    const CSyokiSet& m_syokiSet;
};

} // namespace tembra
