// Feeds arbitrary bytes to the parts of a chart file that follow its header (ChartSequence.h):
// one archive, one schedule document, every record where the document keeps it.
//
// Input: a byte that picks the file version (FileVersions), a byte whose lowest bit marks an
// auto-saved copy (which holds the selected objects as a list of their own), then the archive's
// bytes.
//
// A chart that loaded must store in its version and that form load again taking every byte;
// stored in the current version it must load again and store the same bytes. Then the first steps
// after an open run on it (the title, the layer states, the item cells, selecting and deselecting
// everything) and the contents are deleted as a close deletes them. A chart that failed to load has
// its contents deleted as a failed open does.
#include "fuzz/ChartSequence.h"
#include "fuzz/FuzzSupport.h"

#include "document/TembraDoc.h"
#include "platform/Archive.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace tembra::fuzz {
namespace {

using Bytes = std::vector<BYTE>;

Bytes StoreChart(CTembraDoc& document, bool autoSaveCopy) {
    CMemFile file;
    try {
        CArchive ar(&file, CArchive::store);
        ar.m_pDocument = &document;
        StoreChartParts(ar, document, autoSaveCopy);
        ar.Close();
    } catch (const CException&) {
        Fail("a chart that loaded cannot be stored");
    }
    return file.Data();
}

// A chart read back from what was stored, into a document of its own.
std::unique_ptr<CTembraDoc> LoadStored(const Bytes& stored, int version, bool autoSaveCopy) {
    auto document = std::make_unique<CTembraDoc>();
    document->SetVersion(version);
    DroppedRecords dropped;
    CMemFile file(stored);
    CArchive ar(&file, CArchive::load);
    ar.m_pDocument = document.get();
    try {
        LoadChartParts(ar, *document, autoSaveCopy, dropped);
    } catch (const CException&) {
        Fail("a stored chart does not load again");
    }
    // A closed archive leaves the file where its reading ended.
    ar.Close();
    if (file.GetPosition() != stored.size()) {
        Fail("a stored chart loads back fewer bytes than it stored");
    }
    return document;
}

// In the file's own version the stored chart must load back whole; an older form may lose what
// it cannot hold, so only the current form must also store the same bytes again, as a chart
// saved, opened and saved again does.
void CheckRoundTrip(CTembraDoc& loaded, bool autoSaveCopy) {
    if (loaded.GetVersion() != kCurrentFileVersion) {
        LoadStored(StoreChart(loaded, autoSaveCopy), loaded.GetVersion(), autoSaveCopy)
            ->DeleteContents();
        loaded.SetVersion(kCurrentFileVersion);
    }
    const Bytes stored = StoreChart(loaded, autoSaveCopy);
    const std::unique_ptr<CTembraDoc> second =
        LoadStored(stored, kCurrentFileVersion, autoSaveCopy);
    if (StoreChart(*second, autoSaveCopy) != stored) {
        Fail("a stored chart stores other bytes once it is loaded again");
    }
    second->DeleteContents();
}

// What the program does with a chart right after opening it.
void UseChart(CTembraDoc& document) {
    document.SetTitle("chart.tbr");
    for (POSITION pos = document.GetHeadObjPosition(); pos != nullptr;) {
        static_cast<void>(document.IsObjectLayerVisible(document.GetNextObj(pos)));
    }
    const CKoumoku& table = document.GetKoumokuTable();
    for (int column = 0; column < table.GetRowCount(); ++column) {
        for (int row = 0; row < table.GetColCount(column); ++row) {
            static_cast<void>(document.GetKoumokuCell(row, column));
        }
    }
    document.UnselectAll(FALSE);
    document.SelectAll(1);
    document.UnselectAll(FALSE);
}

void Run(const std::uint8_t* data, std::size_t size) {
    PrepareProcess();
    FuzzInput input(data, size);
    const int version = PickFileVersion(input.Byte());
    const bool autoSaveCopy = (input.Byte() & 1) != 0;
    const auto bytes = input.Rest();

    CTembraDoc document;
    document.SetVersion(version);
    DroppedRecords dropped;
    bool loaded = false;
    {
        CMemFile file(bytes.data(), bytes.size());
        CArchive ar(&file, CArchive::load);
        ar.m_pDocument = &document;
        try {
            LoadChartParts(ar, document, autoSaveCopy, dropped);
            loaded = true;
        } catch (const CException&) {
            // A refused file is a result.
        }
    }
    if (loaded) {
        CheckRoundTrip(document, autoSaveCopy);
        UseChart(document);
    }
    document.DeleteContents();
}

} // namespace
} // namespace tembra::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tembra::fuzz::Run(data, size);
    return 0;
}
