// The records of a chart file, each loaded and stored the way its owner does it: the members of
// the document (calendar, settings record, print header, item table, process counter) as their
// fields into the document's own member; every other record as a record of its own, either as
// its fields (how a record stores its parts) or as an object reference with its class tag (how
// the lists hold them).
//
// The fuzz inputs and the seeds name a kind by its index in RecordKinds(): new kinds go at the
// end, so that a stored input keeps its meaning.
#pragma once

#include "document/TembraDoc.h"
#include "platform/Archive.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace tembra::fuzz {

// One record of one kind, bound to a document.
class RecordSlot {
public:
    virtual ~RecordSlot() = default;
    virtual void Load(CArchive& ar) = 0;
    virtual void Store(CArchive& ar) = 0;
    // The record, where it is an object (for the seeds to fill in); else null.
    virtual CObject* Object() = 0;
};

struct RecordKind {
    const char* name;
    // tagged: an object reference; ignored for the document's members, which stand as fields.
    std::unique_ptr<RecordSlot> (*make)(CTembraDoc& document, bool tagged);
    // A member of the document: read once per file, into the document.
    bool member = false;
};

const std::vector<RecordKind>& RecordKinds();

// The context byte of a record input.
enum : std::uint8_t {
    kContextInsert = 0x01,  // the document inserts (File > Insert) instead of opening a whole file
    kContextElapsed = 0x02, // the chart counts elapsed working days
    kContextTagged = 0x04,  // the record stands as an object reference
    kContextTwice = 0x08,   // a second record of the kind follows the first
};

// The document as a load of that version and context finds it.
void SetUpDocument(CTembraDoc& document, int version, std::uint8_t context);

} // namespace tembra::fuzz
