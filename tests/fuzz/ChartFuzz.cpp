// Feeds arbitrary bytes to the document's reader of its native file (CTembraDoc::Serialize): one
// archive, one schedule document, every record where the document keeps it.
//
// Input: a byte that picks the file version (FileVersions), a byte of flags, then the bytes of
// the file. Flag 1 reads the file as an auto-saved copy being recovered (it holds the selected
// objects as a list of their own). Without flag 2 the bytes are the parts that follow the file's
// preamble, which the target writes itself for the picked version (the header text, the version
// and the reserved value, or the beta mark for version 0); with flag 2 they are the whole file,
// header included.
//
// A chart that loaded must store in its version and that form load again taking every byte;
// stored in the current version it must load again and store the same bytes. Then the first steps
// after an open run on it (the title, the layer states, the item cells, selecting and deselecting
// everything) and the contents are deleted as a close deletes them. A chart that failed to load has
// its contents deleted as a failed open does. Unless read as a recovered copy, the file then takes
// the program's whole open path (OpenPath.h).
#include "fuzz/FuzzSupport.h"
#include "fuzz/OpenPath.h"

#include "document/AppState.h"
#include "document/DocFileFormat.h"
#include "document/TembraDoc.h"
#include "platform/Archive.h"
#include "platform/Sjis.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <vector>

namespace tembra::fuzz {
namespace {

using Bytes = std::vector<BYTE>;

constexpr std::uint8_t kFlagAutoSave = 1;
constexpr std::uint8_t kFlagWholeFile = 2;

// The application's flag of an auto-save and its save version, for the life of the object.
class StoreSettings {
public:
    StoreSettings(bool autoSave, int version)
        : m_autoSave(GetAppState()->IsAutoSaving()), m_version(GetAppState()->GetSaveVersion()) {
        GetAppState()->SetAutoSaving(autoSave ? TRUE : FALSE);
        GetAppState()->SetSaveVersion(version);
    }
    ~StoreSettings() {
        GetAppState()->SetAutoSaving(m_autoSave);
        GetAppState()->SetSaveVersion(m_version);
    }
    StoreSettings(const StoreSettings&) = delete;
    StoreSettings& operator=(const StoreSettings&) = delete;

private:
    BOOL m_autoSave;
    int m_version;
};

// The header text, the version and the reserved value of a file of the version.
Bytes Preamble(int version) {
    Bytes bytes;
    const auto append = [&bytes](const std::string& text) {
        bytes.insert(bytes.end(), text.begin(), text.end());
        bytes.push_back(0);
    };
    if (version == 0) {
        append(Sjis::FromUtf8("TEMBRA ver1.0β:"));
        return bytes;
    }
    append(CTembraDoc::FormatHeaderText(version, 0, ""));
    const auto word = [&bytes](std::uint32_t v) {
        for (int i = 0; i < 4; ++i) {
            bytes.push_back(static_cast<BYTE>(v >> (8 * i)));
        }
    };
    word(static_cast<std::uint32_t>(version));
    if (version >= DocFile::kReservedVersion) {
        word(DocFile::kReservedValue);
    }
    return bytes;
}

// Reads the file into the document; false when it was refused.
bool LoadFile(CTembraDoc& document, const Bytes& file) {
    CMemFile memory(file.data(), file.size());
    CArchive ar(&memory, CArchive::load);
    ar.m_pDocument = &document;
    try {
        document.Serialize(ar);
    } catch (const CException&) {
        return false;
    }
    return true;
}

Bytes StoreChart(CTembraDoc& document, int version, bool autoSave) {
    const StoreSettings settings(autoSave, version);
    CMemFile file;
    try {
        CArchive ar(&file, CArchive::store);
        ar.m_pDocument = &document;
        document.Serialize(ar);
        ar.Close();
    } catch (const CException&) {
        Fail("a chart that loaded cannot be stored");
    }
    return file.Data();
}

// A chart read back from what was stored, into a document of its own.
std::unique_ptr<CTembraDoc> LoadStored(const Bytes& stored, bool autoSave) {
    auto document = std::make_unique<CTembraDoc>();
    document->SetFilePath("stored.tbr");
    const StoreSettings settings(autoSave, kCurrentFileVersion);
    CMemFile file(stored);
    CArchive ar(&file, CArchive::load);
    ar.m_pDocument = document.get();
    try {
        document->Serialize(ar);
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
void CheckRoundTrip(CTembraDoc& loaded, bool autoSave) {
    if (loaded.GetVersion() != kCurrentFileVersion) {
        LoadStored(StoreChart(loaded, loaded.GetVersion(), autoSave), autoSave)->DeleteContents();
    }
    const Bytes stored = StoreChart(loaded, kCurrentFileVersion, autoSave);
    const std::unique_ptr<CTembraDoc> second = LoadStored(stored, autoSave);
    if (StoreChart(*second, kCurrentFileVersion, autoSave) != stored) {
        Fail("a stored chart stores other bytes once it is loaded again");
    }
    second->DeleteContents();
}

// What the program does with a chart right after opening it.
void UseChart(CTembraDoc& document) {
    document.SetTitle("chart.tbr");
    for (POSITION pos = document.GetHeadObjPosition(); pos != nullptr;) {
        static_cast<void>(document.GetChartLayers().IsObjectLayerVisible(document.GetNextObj(pos)));
    }
    const CKoumoku& table = document.GetKoumokuTable();
    for (int column = 0; column < table.GetRowCount(); ++column) {
        for (int row = 0; row < table.GetColCount(column); ++row) {
            static_cast<void>(document.GetKoumokuCells().GetKoumokuCell(row, column));
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
    const std::uint8_t flags = input.Byte();
    const bool autoSave = (flags & kFlagAutoSave) != 0;
    const auto rest = input.Rest();
    Bytes file = (flags & kFlagWholeFile) != 0 ? Bytes() : Preamble(version);
    file.insert(file.end(), rest.begin(), rest.end());

    CTembraDoc document;
    document.SetFilePath("chart.tbr");
    bool loaded = false;
    {
        const StoreSettings settings(autoSave, kCurrentFileVersion);
        loaded = LoadFile(document, file);
    }
    if (loaded) {
        CheckRoundTrip(document, autoSave);
        UseChart(document);
    }
    document.DeleteContents();
    // The same file through File > Open, Save As and Open again (not a recovered copy, which
    // the open does not read).
    if (!autoSave) {
        const std::filesystem::path path = OpenPathFolder() / "chart.tbr";
        WriteWholeFile(path, file);
        CheckOpenPath(path);
    }
}

} // namespace
} // namespace tembra::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tembra::fuzz::Run(data, size);
    return 0;
}
