// What a save writes of a chart's objects, for the tests that check that an undone edit leaves
// the chart as it was: everything deselected (as a save does first), then each object of the
// object list in its order, through its own Serialize.
#pragma once

#include "document/TembraDoc.h"
#include "support/ArchiveBytes.h"

namespace tembra::test {

inline Bytes ChartBytes(CTembraDoc& doc) {
    doc.UnselectAll(FALSE);
    Bytes out;
    for (POSITION pos = doc.GetHeadObjPosition(); pos != nullptr;) {
        const Bytes record = Store(*doc.GetNextObj(pos), doc);
        out.insert(out.end(), record.begin(), record.end());
    }
    return out;
}

} // namespace tembra::test
