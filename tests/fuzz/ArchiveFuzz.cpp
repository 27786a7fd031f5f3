// Feeds arbitrary bytes to the archive reader: strings, counts, lines, class tags, object
// references of records that own strings, children and lists, references back to objects read
// before, and the chart records' own blocks. Every input must end in a result or in a
// CException; nothing may crash, leak or read out of bounds.
//
// Input: a byte that picks the document's file version (FileVersions), then operations, each a
// byte that says what to read next followed by the archive's bytes it reads.
#include "fuzz/FuzzSupport.h"

#include "model/ChartPos.h"
#include "model/DataHeader.h"
#include "model/SeqNumber.h"
#include "platform/Archive.h"
#include "platform/Document.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace tembra {
namespace {

class FuzzItem : public CObject {
    DECLARE_SERIAL(FuzzItem)
public:
    void Serialize(CArchive& ar) override {
        if (ar.IsLoading()) {
            ar >> m_value >> m_text;
        }
    }
    WORD m_value = 0;
    std::string m_text;
};
IMPLEMENT_SERIAL(FuzzItem, CObject, 1)

// Owns a list of children read one by one after a count.
class FuzzList : public CObject {
    DECLARE_SERIAL(FuzzList)
public:
    void Serialize(CArchive& ar) override {
        if (ar.IsLoading()) {
            const DWORD count = ar.ReadCount();
            for (DWORD i = 0; i < count; ++i) {
                m_items.push_back(ar.ReadOwned<CObject>());
            }
            m_pos.Serialize(ar);
        }
    }
    std::vector<std::unique_ptr<CObject>> m_items;
    CChartPos m_pos;
};
IMPLEMENT_SERIAL(FuzzList, CObject, 1)

class FuzzVersioned : public CObject {
    DECLARE_SERIAL(FuzzVersioned)
public:
    void Serialize(CArchive& ar) override {
        if (ar.IsLoading() && ar.GetObjectSchema() > 1) {
            m_font = LogFont16::Load(ar);
        }
    }
    LOGFONT m_font;
};
IMPLEMENT_SERIAL(FuzzVersioned, CObject, VERSIONABLE_SCHEMA | 2)

class FuzzDocument : public CDocument {
public:
    explicit FuzzDocument(int version) : m_version(version) {}
    int GetFileVersion() const override { return m_version; }

private:
    int m_version;
};

void Run(const std::uint8_t* data, std::size_t size) {
    if (size < 1) {
        return;
    }
    // The first byte picks the document version, as the file's version would.
    FuzzDocument doc(fuzz::PickFileVersion(data[0]));
    // Declared before the archive: whatever it refers to outlives it.
    std::vector<std::unique_ptr<CObject>> owned;
    CMemFile file(data + 1, size - 1);
    CArchive ar(&file, CArchive::load);
    ar.m_pDocument = &doc;
    // Make sure the records' classes are linked in and known by name.
    static const CRuntimeClass* const kRecords[] = {
        RUNTIME_CLASS(CDataHeader), RUNTIME_CLASS(CObSeqNumber), RUNTIME_CLASS(CSeqNumberCtrl)};
    (void)kRecords;

    for (int step = 0; step < 64; ++step) {
        BYTE op = 0;
        if (ar.Read(&op, 1) != 1) {
            return;
        }
        switch (op % 9) {
        case 0:
            owned.push_back(ar.ReadOwned<CObject>());
            break;
        case 1: {
            std::string s;
            ar >> s;
            break;
        }
        case 2: {
            const DWORD count = ar.ReadCount();
            for (DWORD i = 0; i < count && i < 1024; ++i) {
                owned.push_back(ar.ReadOwned<CObject>());
            }
            break;
        }
        case 3: {
            std::string line;
            ar.ReadString(line);
            break;
        }
        case 4:
            ar.ReadClass();
            break;
        case 5: {
            CChartPos pos;
            pos.Serialize(ar);
            break;
        }
        case 6: {
            CDataHeader header;
            header.Serialize(ar);
            break;
        }
        case 7: {
            // Any reference: a new object (then owned here) or one read before, which must
            // still be alive.
            const std::size_t mark = ar.GetLoadMark();
            CObject* object = ar.ReadObject(nullptr);
            if (object != nullptr && ar.GetLoadMark() > mark) {
                owned.emplace_back(object);
            }
            if (object != nullptr && object->GetRuntimeClass()->m_lpszClassName == nullptr) {
                fuzz::Fail("an object reference reaches an object without a class");
            }
            break;
        }
        default: {
            double d = 0;
            float f = 0;
            LONG l = 0;
            ar >> d >> f >> l;
            break;
        }
        }
    }
}

} // namespace
} // namespace tembra

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        tembra::Run(data, size);
    } catch (const tembra::CException&) {
        // A refused input is a result.
    }
    return 0;
}
