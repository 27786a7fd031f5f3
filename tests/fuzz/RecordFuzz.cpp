// Feeds arbitrary bytes to the load of one chart record, in the form of any file version and in
// either document context, with a schedule document as the archive's document.
//
// Input: a byte that picks the record (RecordKinds), a byte that picks the file version
// (FileVersions), a context byte (kContext... bits), then the archive's bytes.
//
// Besides crashes, leaks and undefined behaviour the target checks what a chart file relies on:
// - after the record, object references in the same stream reach live objects or fail the load
//   (an object the archive still knows is never freed);
// - a record that loaded stores in its version and that form loads again taking every byte;
//   stored in the current version it loads again and stores the same bytes.
#include "fuzz/FuzzSupport.h"
#include "fuzz/RecordKinds.h"

#include "document/TembraDoc.h"
#include "platform/Archive.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace tembra::fuzz {
namespace {

using Bytes = std::vector<BYTE>;

// References after the record: new objects (kept until the archive is done) or references to
// objects read before, which must still be alive.
void FollowReferences(CArchive& ar, std::vector<std::unique_ptr<CObject>>& kept) {
    for (int i = 0; i < 8; ++i) {
        const std::size_t mark = ar.GetLoadMark();
        CObject* object = ar.ReadObject(nullptr);
        if (object == nullptr) {
            continue;
        }
        if (ar.GetLoadMark() > mark) {
            kept.emplace_back(object);
        }
        // A freed object shows here, to the sanitizer.
        if (object->GetRuntimeClass()->m_lpszClassName == nullptr) {
            Fail("an object reference reaches an object without a class");
        }
    }
}

Bytes StoreRecord(RecordSlot& slot, CTembraDoc& document) {
    CMemFile file;
    try {
        CArchive ar(&file, CArchive::store);
        ar.m_pDocument = &document;
        slot.Store(ar);
        ar.Close();
    } catch (const CException&) {
        Fail("a record that loaded cannot be stored");
    }
    return file.Data();
}

// A record read back from what was stored, in a document of its own.
struct ReadBack {
    std::unique_ptr<CTembraDoc> document = std::make_unique<CTembraDoc>();
    std::unique_ptr<RecordSlot> record;
};

ReadBack LoadStored(const RecordKind& kind, const Bytes& stored, int version,
                    std::uint8_t context) {
    ReadBack back;
    SetUpDocument(*back.document, version, context);
    back.record = kind.make(*back.document, (context & kContextTagged) != 0);
    CMemFile file(stored);
    CArchive ar(&file, CArchive::load);
    ar.m_pDocument = back.document.get();
    try {
        back.record->Load(ar);
    } catch (const CException&) {
        Fail("a stored record does not load again");
    }
    // A closed archive leaves the file where its reading ended.
    ar.Close();
    if (file.GetPosition() != stored.size()) {
        Fail("a stored record loads back fewer bytes than it stored");
    }
    return back;
}

// In the file's own version the stored record must load back whole; an older form may lose
// what it cannot hold (a term's date macros), so only the current form must also store the
// same bytes again, as a chart saved, opened and saved again does.
void CheckRoundTrip(const RecordKind& kind, RecordSlot& loaded, CTembraDoc& document, int version,
                    std::uint8_t context) {
    if (version != kCurrentFileVersion) {
        static_cast<void>(LoadStored(kind, StoreRecord(loaded, document), version, context));
        document.SetVersion(kCurrentFileVersion);
    }
    const Bytes stored = StoreRecord(loaded, document);
    ReadBack back = LoadStored(kind, stored, kCurrentFileVersion, context);
    if (StoreRecord(*back.record, *back.document) != stored) {
        Fail("a stored record stores other bytes once it is loaded again");
    }
}

void Run(const std::uint8_t* data, std::size_t size) {
    PrepareProcess();
    FuzzInput input(data, size);
    const std::vector<RecordKind>& kinds = RecordKinds();
    const RecordKind& kind = kinds[input.Byte() % kinds.size()];
    const int version = PickFileVersion(input.Byte());
    const std::uint8_t context = input.Byte();
    const bool tagged = (context & kContextTagged) != 0;
    const auto bytes = input.Rest();

    CTembraDoc document;
    SetUpDocument(document, version, context);
    // Declared before the archive: whatever it refers to outlives it.
    std::unique_ptr<RecordSlot> record = kind.make(document, tagged);
    std::unique_ptr<RecordSlot> next;
    std::vector<std::unique_ptr<CObject>> kept;
    bool loaded = false;
    {
        CMemFile file(bytes.data(), bytes.size());
        CArchive ar(&file, CArchive::load);
        ar.m_pDocument = &document;
        try {
            record->Load(ar);
            loaded = true;
            if ((context & kContextTwice) != 0 && !kind.member) {
                next = kind.make(document, tagged);
                next->Load(ar);
            }
            FollowReferences(ar, kept);
        } catch (const CException&) {
            // A refused input is a result.
        }
    }
    if (loaded) {
        CheckRoundTrip(kind, *record, document, version, context);
    }
}

} // namespace
} // namespace tembra::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tembra::fuzz::Run(data, size);
    return 0;
}
