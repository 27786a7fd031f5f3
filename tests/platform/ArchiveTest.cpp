#include "platform/Archive.h"

#include "platform/Document.h"
#include "support/ArchiveBytes.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <typeinfo>
#include <vector>

namespace tembra {
namespace {

using test::Bytes;
using test::Store;

// ---- Test records -----------------------------------------------------------------------------

// A record with one WORD.
class CArchiveTestItem : public CObject {
    DECLARE_SERIAL(CArchiveTestItem)
public:
    CArchiveTestItem() = default;
    explicit CArchiveTestItem(WORD value) : m_value(value) {}
    void Serialize(CArchive& ar) override {
        if (ar.IsStoring()) {
            ar << m_value;
        } else {
            ar >> m_value;
        }
    }
    WORD m_value = 0;
};
IMPLEMENT_SERIAL(CArchiveTestItem, CObject, 1)

// Another class, to be read where a CArchiveTestItem is expected.
class CArchiveTestOther : public CObject {
    DECLARE_SERIAL(CArchiveTestOther)
public:
    void Serialize(CArchive& ar) override {
        if (ar.IsStoring()) {
            ar << m_value;
        } else {
            ar >> m_value;
        }
    }
    BYTE m_value = 0;
};
IMPLEMENT_SERIAL(CArchiveTestOther, CObject, 1)

// A record that owns what it reads: a string and a child object.
class CArchiveTestHolder : public CObject {
    DECLARE_SERIAL(CArchiveTestHolder)
public:
    void Serialize(CArchive& ar) override {
        if (ar.IsStoring()) {
            ar << m_name << m_child.get() << m_tail;
        } else {
            ar >> m_name >> m_child >> m_tail;
        }
    }
    std::string m_name;
    std::unique_ptr<CArchiveTestItem> m_child;
    DWORD m_tail = 0;
};
IMPLEMENT_SERIAL(CArchiveTestHolder, CObject, 1)

// A class that reads any stored schema and reports it.
class CArchiveTestVersioned : public CObject {
    DECLARE_SERIAL(CArchiveTestVersioned)
public:
    void Serialize(CArchive& ar) override {
        if (ar.IsLoading()) {
            m_schema = ar.GetObjectSchema();
        }
    }
    UINT m_schema = 0;
};
IMPLEMENT_SERIAL(CArchiveTestVersioned, CObject, VERSIONABLE_SCHEMA | 2)

// ---- Helpers ----------------------------------------------------------------------------------

template <class F> auto Load(const Bytes& bytes, F read) {
    CMemFile file(bytes);
    CArchive ar(&file, CArchive::load);
    return read(ar);
}

Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const Bytes& p : parts) {
        out.insert(out.end(), p.begin(), p.end());
    }
    return out;
}

Bytes Text(std::string_view s) {
    return Bytes(s.begin(), s.end());
}

Bytes NewClassTag(std::string_view name, WORD schema = 1) {
    return test::ByteWriter().NewClass(schema, name).Get();
}

int CauseOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const CArchiveException& e) {
        return e.m_cause;
    }
    return CArchiveException::none;
}

// ---- Primitives -------------------------------------------------------------------------------

TEST(ArchiveTest, PrimitivesAreLittleEndian) {
    const Bytes bytes = Store([](CArchive& ar) {
        ar << BYTE{0x12} << WORD{0x3456} << LONG{-2} << DWORD{0x89ABCDEF} << 1.0f << -2.5
           << short{-1} << 'x';
    });
    const Bytes expected = {0x12, 0x56, 0x34, 0xFE, 0xFF, 0xFF, 0xFF, 0xEF, 0xCD,
                            0xAB, 0x89, 0x00, 0x00, 0x80, 0x3F, 0x00, 0x00, 0x00,
                            0x00, 0x00, 0x00, 0x04, 0xC0, 0xFF, 0xFF, 'x'};
    EXPECT_EQ(bytes, expected);

    Load(bytes, [](CArchive& ar) {
        BYTE b = 0;
        WORD w = 0;
        LONG l = 0;
        DWORD d = 0;
        float f = 0;
        double g = 0;
        short s = 0;
        char c = 0;
        ar >> b >> w >> l >> d >> f >> g >> s >> c;
        EXPECT_EQ(b, 0x12);
        EXPECT_EQ(w, 0x3456);
        EXPECT_EQ(l, -2);
        EXPECT_EQ(d, 0x89ABCDEFu);
        EXPECT_EQ(f, 1.0f);
        EXPECT_EQ(g, -2.5);
        EXPECT_EQ(s, -1);
        EXPECT_EQ(c, 'x');
        return 0;
    });
}

TEST(ArchiveTest, PlatformValuesTakeTheirFrameworkWidths) {
    const Bytes bytes = Store([](CArchive& ar) {
        ar << CTime(0x12345678) << CTimeSpan(-86400) << CPoint(1, -1) << CSize(2, 3)
           << CRect(4, 5, 6, 7);
    });
    ASSERT_EQ(bytes.size(), 4u + 4 + 8 + 8 + 16);
    EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 8),
              (Bytes{0x78, 0x56, 0x34, 0x12, 0x80, 0xAE, 0xFE, 0xFF}));
    Load(bytes, [](CArchive& ar) {
        CTime t;
        CTimeSpan s;
        CPoint p;
        CSize z;
        CRect r;
        ar >> t >> s >> p >> z >> r;
        EXPECT_EQ(t.GetTime(), 0x12345678);
        EXPECT_EQ(s.GetTimeSpan(), -86400);
        EXPECT_EQ(p, CPoint(1, -1));
        EXPECT_EQ(z, CSize(2, 3));
        EXPECT_EQ(r, CRect(4, 5, 6, 7));
        return 0;
    });
}

TEST(ArchiveTest, WrongDirectionIsRefused) {
    CMemFile file;
    CArchive storing(&file, CArchive::store);
    WORD w = 0;
    EXPECT_EQ(CauseOf([&] { storing >> w; }), CArchiveException::writeOnly);

    CMemFile input(Bytes{1, 2});
    CArchive loading(&input, CArchive::load);
    EXPECT_EQ(CauseOf([&] { loading << w; }), CArchiveException::readOnly);
}

// ---- Strings ----------------------------------------------------------------------------------

TEST(ArchiveTest, StringLengthPrefixEscalates) {
    struct Case {
        std::size_t length;
        Bytes prefix;
    };
    const std::vector<Case> cases = {
        {0, {0x00}},
        {254, {0xFE}},
        {255, {0xFF, 0xFF, 0x00}},
        // 0xFFFE would read as the UTF-16 marker, so it already takes the 32-bit form.
        {65534, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
        {65535, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00}},
        {70000, {0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}},
    };
    for (const Case& c : cases) {
        std::string text(c.length, 'a');
        if (c.length > 2) {
            text[1] = '\x82'; // a double-byte character and a NUL survive as bytes
            text[2] = '\0';
        }
        const Bytes bytes = Store([&](CArchive& ar) { ar << text; });
        ASSERT_EQ(bytes.size(), c.prefix.size() + c.length) << c.length;
        EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + c.prefix.size()), c.prefix) << c.length;
        const std::string back = Load(bytes, [](CArchive& ar) {
            std::string s;
            ar >> s;
            return s;
        });
        EXPECT_EQ(back, text) << c.length;
    }
}

TEST(ArchiveTest, Utf16StringsAreReadAsCp932) {
    struct Case {
        const char* what;
        Bytes bytes;
        std::string expected; // CP932
    };
    std::vector<Case> cases = {
        // A, あ (U+3042), 工 (U+5DE5)
        {"short",
         {0xFF, 0xFE, 0xFF, 0x03, 0x41, 0x00, 0x42, 0x30, 0xE5, 0x5D},
         "A\x82\xa0\x8d\x48"},
        {"empty", {0xFF, 0xFE, 0xFF, 0x00}, ""},
        // An unpaired surrogate cannot be a character of any code page.
        {"lone surrogate", {0xFF, 0xFE, 0xFF, 0x02, 0x00, 0xD8, 0x41, 0x00}, "?A"},
    };
    // A length of 300 characters in the escalated 16-bit form.
    Case longCase{"escalated", {0xFF, 0xFE, 0xFF, 0xFF, 0x2C, 0x01}, std::string(300, 'z')};
    for (int i = 0; i < 300; ++i) {
        longCase.bytes.push_back('z');
        longCase.bytes.push_back(0);
    }
    cases.push_back(longCase);

    for (const Case& c : cases) {
        const std::string s = Load(c.bytes, [](CArchive& ar) {
            std::string text;
            ar >> text;
            return text;
        });
        EXPECT_EQ(s, c.expected) << c.what;
    }
}

TEST(ArchiveTest, DamagedStringLengthsThrowWithoutHugeAllocations) {
    const std::vector<Bytes> cases = {
        {0x05, 'a', 'b'},                                             // short by three
        {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F},                   // claims 2 GiB
        {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F}, // UTF-16, claims 4 GiB
        {0xFF, 0x00}, // the 16-bit length itself cut
    };
    for (const Bytes& bytes : cases) {
        EXPECT_EQ(CauseOf([&] {
                      Load(bytes, [](CArchive& ar) {
                          std::string s;
                          ar >> s;
                          return 0;
                      });
                  }),
                  CArchiveException::endOfFile);
    }
}

TEST(ArchiveTest, ReadStringSplitsLines) {
    CMemFile file(Text("first\r\nsecond\n\nthird\rfourth"));
    CArchive ar(&file, CArchive::load);
    std::vector<std::string> lines;
    std::string line;
    while (ar.ReadString(line)) {
        lines.push_back(line);
    }
    EXPECT_EQ(lines, (std::vector<std::string>{"first", "second", "", "third", "fourth"}));
    EXPECT_FALSE(ar.ReadString(line));
    EXPECT_EQ(line, "");
}

// ---- Counts -----------------------------------------------------------------------------------

TEST(ArchiveTest, CountsEscapeAtFFFF) {
    struct Case {
        DWORD count;
        Bytes bytes;
    };
    const std::vector<Case> cases = {
        {0, {0x00, 0x00}},
        {0xFFFE, {0xFE, 0xFF}},
        {0xFFFF, {0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00}},
        {70000, {0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Store([&](CArchive& ar) { ar.WriteCount(c.count); }), c.bytes) << c.count;
        // The items follow the count; a count is believed only when they can.
        Bytes withItems = c.bytes;
        withItems.resize(c.bytes.size() + c.count);
        EXPECT_EQ(Load(withItems, [](CArchive& ar) { return ar.ReadCount(); }), c.count);
    }
}

TEST(ArchiveTest, CountBeyondTheStreamIsRefused) {
    const Bytes bytes = {0xFF, 0xFF, 0x00, 0x00, 0x00, 0x40, 0x00, 0x00};
    EXPECT_EQ(CauseOf([&] { Load(bytes, [](CArchive& ar) { return ar.ReadCount(); }); }),
              CArchiveException::endOfFile);
}

// ---- Objects ----------------------------------------------------------------------------------

TEST(ArchiveTest, ListWritesClassOnceThenClassIndexThenObjectIndex) {
    CArchiveTestItem a(0x1111);
    CArchiveTestItem b(0x2222);
    const std::vector<const CObject*> list = {&a, &b, &a, nullptr};
    const Bytes bytes = Store([&](CArchive& ar) {
        ar.WriteCount(static_cast<DWORD>(list.size()));
        for (const CObject* obj : list) {
            ar << obj;
        }
    });
    // Index 1 is the class, 2 the first object, 3 the second.
    const Bytes expected = Concat({{0x04, 0x00},
                                   NewClassTag("CArchiveTestItem"),
                                   {0x11, 0x11},
                                   {0x01, 0x80, 0x22, 0x22},
                                   {0x02, 0x00},
                                   {0x00, 0x00}});
    EXPECT_EQ(bytes, expected);

    Load(bytes, [](CArchive& ar) {
        const DWORD count = ar.ReadCount();
        EXPECT_EQ(count, 4u);
        std::unique_ptr<CArchiveTestItem> first, second;
        CArchiveTestItem* p = nullptr;
        ar >> p;
        first.reset(p);
        ar >> p;
        second.reset(p);
        CObject* again = nullptr;
        ar >> again;
        CObject* none = nullptr;
        ar >> none;
        EXPECT_EQ(first->m_value, 0x1111);
        EXPECT_EQ(second->m_value, 0x2222);
        EXPECT_EQ(again, first.get());
        EXPECT_EQ(none, nullptr);
        return 0;
    });
}

TEST(ArchiveTest, IndexesFromHexSevenFFFUseTheBigTag) {
    // 40000 objects of one class fill indexes 2..40001; then a new class gets 40002.
    constexpr DWORD kCount = 40000;
    std::vector<std::unique_ptr<CArchiveTestItem>> items;
    for (DWORD i = 0; i < kCount; ++i) {
        items.push_back(std::make_unique<CArchiveTestItem>(static_cast<WORD>(i)));
    }
    CArchiveTestOther o1, o2;
    std::size_t tailStart = 0;
    const Bytes bytes = Store([&](CArchive& ar) {
        for (const auto& item : items) {
            ar << item.get();
        }
        ar << &o1;
        tailStart = static_cast<std::size_t>(ar.GetFile()->GetPosition());
        ar << items.back().get(); // object index 40001
        ar << &o2;                // class index 40002
    });
    const Bytes tail(bytes.begin() + tailStart, bytes.end());
    const Bytes expected = {0xFF, 0x7F, 0x41, 0x9C, 0x00, 0x00,        // 0x7FFF, 40001
                            0xFF, 0x7F, 0x42, 0x9C, 0x00, 0x80, 0x00}; // 0x7FFF, 0x80000000|40002
    EXPECT_EQ(tail, expected);
    // Below the limit the short tags are still used: object 0x7FFE is written in two bytes.
    EXPECT_EQ(Store([&](CArchive& ar) {
                  for (DWORD i = 0; i < 0x7FFD; ++i) {
                      ar << items[i].get();
                  }
                  ar.GetFile()->SetLength(0);
                  ar.GetFile()->SeekToBegin();
                  ar << items[0x7FFC].get();
              }),
              (Bytes{0xFE, 0x7F}));

    Load(bytes, [&](CArchive& ar) {
        std::vector<std::unique_ptr<CArchiveTestItem>> read;
        for (DWORD i = 0; i < kCount; ++i) {
            read.push_back(ar.ReadOwned<CArchiveTestItem>());
        }
        auto other = ar.ReadOwned<CArchiveTestOther>();
        CObject* back = ar.ReadObject(RUNTIME_CLASS(CArchiveTestItem));
        EXPECT_EQ(back, read.back().get());
        auto other2 = ar.ReadOwned<CArchiveTestOther>();
        EXPECT_EQ(read[12345]->m_value, 12345);
        return 0;
    });
}

TEST(ArchiveTest, OwnedObjectsOfAHolderRoundTrip) {
    CArchiveTestHolder holder;
    holder.m_name = "\x8d\x48\x92\xf6"; // 工程
    holder.m_child = std::make_unique<CArchiveTestItem>(7);
    holder.m_tail = 0xDEADBEEF;
    const Bytes bytes = Store([&](CArchive& ar) { ar << &holder; });
    auto back = Load(bytes, [](CArchive& ar) { return ar.ReadOwned<CArchiveTestHolder>(); });
    EXPECT_EQ(back->m_name, holder.m_name);
    ASSERT_NE(back->m_child, nullptr);
    EXPECT_EQ(back->m_child->m_value, 7);
    EXPECT_EQ(back->m_tail, 0xDEADBEEFu);
}

TEST(ArchiveTest, VersionableClassReportsTheStoredSchema) {
    const Bytes bytes = Concat({NewClassTag("CArchiveTestVersioned", 1), {0x01, 0x80}});
    Load(bytes, [](CArchive& ar) {
        auto first = ar.ReadOwned<CArchiveTestVersioned>();
        auto second = ar.ReadOwned<CArchiveTestVersioned>();
        EXPECT_EQ(first->m_schema, 1u);
        EXPECT_EQ(second->m_schema, 1u);
        EXPECT_EQ(ar.GetObjectSchema(), static_cast<UINT>(-1));
        return 0;
    });
    // Written with the registered schema.
    CArchiveTestVersioned v;
    EXPECT_EQ(Store([&](CArchive& ar) { ar << &v; }), NewClassTag("CArchiveTestVersioned", 2));
}

TEST(ArchiveTest, SerializeClassWritesAndChecksATag) {
    const Bytes bytes = Store([](CArchive& ar) {
        ar.SerializeClass(RUNTIME_CLASS(CArchiveTestItem));
        ar.SerializeClass(RUNTIME_CLASS(CArchiveTestItem));
    });
    EXPECT_EQ(bytes, Concat({NewClassTag("CArchiveTestItem"), {0x01, 0x80}}));
    Load(bytes, [](CArchive& ar) {
        EXPECT_EQ(ar.ReadClass(), RUNTIME_CLASS(CArchiveTestItem));
        EXPECT_EQ(CauseOf([&] { ar.SerializeClass(RUNTIME_CLASS(CArchiveTestOther)); }),
                  CArchiveException::badClass);
        return 0;
    });
}

TEST(ArchiveTest, DamagedObjectStreamsThrow) {
    const Bytes item = {0x34, 0x12};
    struct Case {
        const char* what;
        Bytes bytes;
        const CRuntimeClass* requested;
        bool owned;
        int cause;
    };
    const std::vector<Case> cases = {
        {"wrong schema", Concat({NewClassTag("CArchiveTestItem", 2), item}), nullptr, false,
         CArchiveException::badSchema},
        {"unknown class", Concat({NewClassTag("CNoSuchRecord"), item}), nullptr, false,
         CArchiveException::badClass},
        {"class name of 64 bytes", Concat({NewClassTag(std::string(64, 'C')), item}), nullptr,
         false, CArchiveException::badClass},
        {"CObject is not creatable", Concat({NewClassTag("CObject", 0xFFFF)}), nullptr, false,
         CArchiveException::badClass},
        {"other class than requested", Concat({NewClassTag("CArchiveTestOther"), {0x01}}),
         RUNTIME_CLASS(CArchiveTestItem), false, CArchiveException::badClass},
        {"null where an object is required",
         {0x00, 0x00},
         RUNTIME_CLASS(CArchiveTestItem),
         false,
         CArchiveException::badClass},
        {"class index never met", {0x05, 0x80}, nullptr, false, CArchiveException::badIndex},
        {"class index 0", {0x00, 0x80}, nullptr, false, CArchiveException::badIndex},
        {"object index never met", {0x05, 0x00}, nullptr, false, CArchiveException::badIndex},
        {"big object index never met",
         {0xFF, 0x7F, 0x00, 0x00, 0x01, 0x00},
         nullptr,
         false,
         CArchiveException::badIndex},
        {"big class index never met",
         {0xFF, 0x7F, 0x09, 0x00, 0x00, 0x80},
         nullptr,
         false,
         CArchiveException::badIndex},
        // After one object of the class: index 1 is a class, not an object.
        {"object index naming a class",
         Concat({NewClassTag("CArchiveTestItem"), item, {0x01, 0x00}}), nullptr, false,
         CArchiveException::badIndex},
        // Index 2 is an object, not a class.
        {"class index naming an object",
         Concat({NewClassTag("CArchiveTestItem"), item, {0x02, 0x80}}), nullptr, false,
         CArchiveException::badIndex},
        {"back-reference where a new object is owned",
         Concat({NewClassTag("CArchiveTestItem"), item, {0x02, 0x00}}), nullptr, true,
         CArchiveException::badIndex},
    };
    for (const Case& c : cases) {
        const int cause = CauseOf([&] {
            Load(c.bytes, [&](CArchive& ar) {
                // Read until the stream throws; everything read is owned here.
                std::vector<std::unique_ptr<CObject>> owned;
                std::vector<const CObject*> seen;
                for (int i = 0; i < 4; ++i) {
                    if (c.owned) {
                        owned.push_back(ar.ReadOwned<CArchiveTestItem>());
                        continue;
                    }
                    CObject* obj = ar.ReadObject(c.requested);
                    if (obj != nullptr && std::find(seen.begin(), seen.end(), obj) == seen.end()) {
                        owned.emplace_back(obj);
                        seen.push_back(obj);
                    }
                }
                return 0;
            });
        });
        EXPECT_EQ(cause, c.cause) << c.what;
    }
}

TEST(ArchiveTest, TruncationAtEveryByteThrowsEndOfFile) {
    // Two holders (the second names its classes by index), with a string and a child each.
    CArchiveTestHolder first;
    first.m_name = "abc";
    first.m_child = std::make_unique<CArchiveTestItem>(1);
    first.m_tail = 2;
    CArchiveTestHolder second;
    second.m_name = std::string(300, 'x');
    second.m_child = std::make_unique<CArchiveTestItem>(3);
    const Bytes full = Store([&](CArchive& ar) {
        ar.WriteCount(2);
        ar << &first << &second;
        ar << std::string("end");
    });

    auto readAll = [](CArchive& ar) {
        const DWORD count = ar.ReadCount();
        std::vector<std::unique_ptr<CArchiveTestHolder>> holders;
        for (DWORD i = 0; i < count; ++i) {
            holders.push_back(ar.ReadOwned<CArchiveTestHolder>());
        }
        std::string end;
        ar >> end;
        return end;
    };
    EXPECT_EQ(Load(full, readAll), "end");
    for (std::size_t cut = 0; cut < full.size(); ++cut) {
        const Bytes part(full.begin(), full.begin() + cut);
        EXPECT_EQ(CauseOf([&] { Load(part, readAll); }), CArchiveException::endOfFile)
            << "cut at " << cut;
    }
}

TEST(ArchiveTest, AFailedObjectCannotBeReferencedLater) {
    // A holder whose child is of the wrong class fails; the archive deletes it, and a later
    // reference to its index finds nothing instead of freed memory.
    const Bytes bytes = Concat({NewClassTag("CArchiveTestHolder"),
                                {0x01, 'n'},
                                NewClassTag("CArchiveTestOther"),
                                {0x05},
                                {0x02, 0x00}});
    CMemFile file(bytes);
    CArchive ar(&file, CArchive::load);
    EXPECT_EQ(CauseOf([&] { ar.ReadOwned<CArchiveTestHolder>(); }), CArchiveException::badClass);
    // Skip the child's field and refer back to the holder.
    BYTE skipped = 0;
    ar >> skipped;
    EXPECT_EQ(CauseOf([&] { ar.ReadObject(nullptr); }), CArchiveException::badIndex);
}

TEST(ArchiveTest, RegistryFindsSerialClassesByName) {
    EXPECT_EQ(CRuntimeClass::FromName("CArchiveTestItem"), RUNTIME_CLASS(CArchiveTestItem));
    EXPECT_EQ(CRuntimeClass::FromName("ctestitem"), nullptr);
    EXPECT_TRUE(RUNTIME_CLASS(CArchiveTestItem)->IsDerivedFrom(RUNTIME_CLASS(CObject)));
    std::unique_ptr<CObject> obj(RUNTIME_CLASS(CArchiveTestItem)->CreateObject());
    EXPECT_TRUE(obj->IsKindOf(RUNTIME_CLASS(CArchiveTestItem)));
    EXPECT_FALSE(obj->IsKindOf(RUNTIME_CLASS(CArchiveTestOther)));
    EXPECT_NE(DynamicDowncast<CArchiveTestItem>(obj.get()), nullptr);
    EXPECT_EQ(DynamicDowncast<CArchiveTestOther>(obj.get()), nullptr);
}

TEST(ArchiveTest, DocumentVersionDefaultsToCurrent) {
    CMemFile file;
    CArchive ar(&file, CArchive::store);
    EXPECT_EQ(ArchiveVersion(ar), 58000);
    test::VersionDocument doc(31000);
    ar.m_pDocument = &doc;
    EXPECT_EQ(ArchiveVersion(ar), 31000);
}

// An interface the records ask of their document, answered by a part of the document.
class IArchiveTestSeam {
public:
    virtual ~IArchiveTestSeam() = default;
    virtual int Which() const = 0;
};

class CArchiveTestSeamDocument : public CDocument {
public:
    explicit CArchiveTestSeamDocument(int which) : m_part(which) {}
    void* FindSeam(const std::type_info& seam) override {
        return seam == typeid(IArchiveTestSeam) ? static_cast<IArchiveTestSeam*>(&m_part) : nullptr;
    }

private:
    class Part final : public IArchiveTestSeam {
    public:
        explicit Part(int which) : m_which(which) {}
        int Which() const override { return m_which; }

    private:
        int m_which;
    };
    Part m_part;
};

TEST(ArchiveTest, DocumentSeamsFollowTheArchivesDocument) {
    CMemFile file;
    CArchive ar(&file, CArchive::store);
    EXPECT_EQ(ar.GetDocumentSeam<IArchiveTestSeam>(), nullptr);
    CArchiveTestSeamDocument first(1);
    CArchiveTestSeamDocument second(2);
    test::VersionDocument without(58000);
    struct Step {
        CDocument* document;
        int which; // 0: no seam
    };
    for (const Step& step : {Step{&first, 1}, Step{&second, 2}, Step{&first, 1}, Step{nullptr, 0},
                             Step{&without, 0}, Step{&second, 2}}) {
        ar.m_pDocument = step.document;
        for (int ask = 0; ask < 2; ++ask) {
            const IArchiveTestSeam* seam = ar.GetDocumentSeam<const IArchiveTestSeam>();
            EXPECT_EQ(seam != nullptr ? seam->Which() : 0, step.which);
        }
    }
}

// ---- Files ------------------------------------------------------------------------------------

TEST(ArchiveTest, DiskFileRoundTripAndSeek) {
    test::TempDir dir;
    const auto path = dir.File("chart.tbr");
    {
        CFile file(path, CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive);
        CArchive ar(&file, CArchive::store);
        ar << WORD{0xABCD} << std::string("text") << DWORD{7};
        ar.Close();
        file.Close();
    }
    EXPECT_EQ(test::TempDir::Read(path), std::string("\xCD\xAB\x04text\x07\0\0\0", 11));

    CFile file(path, CFile::modeRead | CFile::shareDenyWrite);
    EXPECT_EQ(file.GetLength(), 11u);
    CArchive ar(&file, CArchive::load);
    WORD w = 0;
    ar >> w;
    // The file may be moved between two reads, through the archive: GetFile hands it out
    // standing where the archive does.
    ar.GetFile()->Seek(5, CFile::current);
    DWORD d = 0;
    ar >> d;
    EXPECT_EQ(d, 7u);
    EXPECT_EQ(CauseOf([&] { ar >> w; }), CArchiveException::endOfFile);
}

TEST(ArchiveTest, TextModeWritesCrLf) {
    test::TempDir dir;
    const auto path = dir.File("layout.lyt");
    {
        CFile file(path, CFile::modeCreate | CFile::modeWrite | CFile::typeText);
        CArchive ar(&file, CArchive::store);
        ar.WriteString("[A]\nKey=1\n");
    }
    EXPECT_EQ(test::TempDir::Read(path), "[A]\r\nKey=1\r\n");

    CFile file(path, CFile::modeRead | CFile::typeText);
    BYTE buffer[16] = {};
    EXPECT_EQ(file.Read(buffer, sizeof buffer), 10u);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(buffer), 10), "[A]\nKey=1\n");
}

TEST(ArchiveTest, OpenFailureReportsTheCause) {
    test::TempDir dir;
    CFile file;
    CFileException error;
    EXPECT_FALSE(file.Open(dir.File("missing.tbr"), CFile::modeRead, &error));
    EXPECT_EQ(error.m_cause, CFileException::fileNotFound);
    EXPECT_THROW(CFile(dir.File("missing.tbr"), CFile::modeRead), CFileException);

    // modeNoTruncate keeps what the file held.
    dir.Write("keep.txt", "abc");
    CFile keep(dir.File("keep.txt"),
               CFile::modeCreate | CFile::modeNoTruncate | CFile::modeReadWrite);
    EXPECT_EQ(keep.GetLength(), 3u);
}

} // namespace
} // namespace tembra
