// The sample chart the program ships (data/sample.tbr), made from this fixture: a small building
// site of three months on A3, with item cells, a chain of processes with terms and resources, a
// relation line, events, a progress line, shapes and a resource-loading chart. The test of the
// file writes it anew and compares it byte for byte.
#pragma once

namespace tembra {

class CTembraDoc;

namespace test {

// Fills a new chart of the application's defaults (OnNewDocument done) with the sample.
void BuildSampleChart(CTembraDoc& doc);

} // namespace test
} // namespace tembra
