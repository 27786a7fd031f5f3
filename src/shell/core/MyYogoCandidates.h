// The candidates the MY term list offers from the active chart: the texts of the processes'
// terms, of the events and of the item cells, each text once, in the order the chart holds them
// (the selected objects first, then the others; the item cells column by column and row by row
// from the last to the first).
#pragma once

#include <string>
#include <vector>

namespace tembra {

class CTembraDoc;

struct MyYogoCandidateKinds {
    bool terms = true;
    bool events = false;
    bool items = false;
};

// Appends to list the chart's texts of the kinds that it does not hold yet (CP932).
void AddChartCandidates(const CTembraDoc& doc, const MyYogoCandidateKinds& kinds,
                        std::vector<std::string>& list);

} // namespace tembra
