// What a resource chart reads of the schedule document it belongs to and what it asks of it:
// the chart objects whose resources it adds up, the resource master table that names the
// resources, the working calendar of the holiday rule, the print setting that lets the hatching
// pass run on paper, how often those objects changed, and the two notices of a rebuilt chart (the
// document is modified, the views redraw the chart). The schedule document implements it through
// one of its seams; a caller that holds the document finds it with DocumentSeam<IChartDocument>.
#pragma once

#include "model/Shigen.h"
#include "platform/Types.h"

#include <cstdint>
#include <functional>

namespace tembra {

class CCalendar;
class CDataHeader;
class CObject;

class IChartDocument {
public:
    virtual ~IChartDocument() = default;

    // Visits every chart object: those of the object list in list order, then those of the
    // selection list. Processes count wherever they stand.
    virtual void ForEachObject(const std::function<void(const CDataHeader&)>& visit) const = 0;
    // Grows with every change of the objects ForEachObject visits (either list): a chart built
    // at another count counts processes that are no more as they were.
    virtual std::uint64_t GetObjectsChangeCount() const = 0;
    // The resource master table: entry i describes resource number i + 1; its size is the
    // number of series of every chart.
    virtual const CShigenNameTable& GetShigenNames() const = 0;
    // The working calendar; null: every day is a working day.
    virtual const CCalendar* GetCalendar() const = 0;
    // The print setting "Hatch" of the chart's print settings: non-zero lets the hatching pass
    // run inside a resource-loading graph on paper as well.
    virtual LONG GetPrintHatch() const = 0;
    // The document is modified (a chart was built anew).
    virtual void SetModified() = 0;
    // Every view redraws what the object covers.
    virtual void UpdateAllViewsWith(CObject* hint) = 0;
};

} // namespace tembra
