// The archive's block buffer: what it reads ahead and what it holds back must never show in the
// bytes, in where a seek lands or in where a short stream fails.
#include "platform/Archive.h"
#include "platform/WholeFile.h"

#include "support/ArchiveBytes.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tembra {
namespace {

using test::Bytes;

class CArchiveBufferTestItem : public CObject {
    DECLARE_SERIAL(CArchiveBufferTestItem)
public:
    CArchiveBufferTestItem() = default;
    explicit CArchiveBufferTestItem(DWORD value) : m_value(value) {}
    void Serialize(CArchive& ar) override {
        if (ar.IsStoring()) {
            ar << m_value;
        } else {
            ar >> m_value;
        }
    }
    DWORD m_value = 0;
};
IMPLEMENT_SERIAL(CArchiveBufferTestItem, CObject, 1)

// count DWORDs, each holding its own byte offset: a value read tells where it was read from.
Bytes OffsetWords(std::size_t count) {
    test::ByteWriter w;
    for (std::size_t i = 0; i < count; ++i) {
        w.Dword(static_cast<DWORD>(i * 4));
    }
    return w.Get();
}

// count bytes of a pattern that differs from block to block.
Bytes Pattern(std::size_t count, std::size_t seed) {
    Bytes bytes(count);
    for (std::size_t i = 0; i < count; ++i) {
        bytes[i] = static_cast<BYTE>((seed * 37 + i * 7) & 0xFF);
    }
    return bytes;
}

int CauseOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const CArchiveException& e) {
        return e.m_cause;
    }
    return CArchiveException::none;
}

// Where the stream lies: a memory file, a file on disk, or a file on disk read whole, whose bytes
// the archive reads in place (written through a file on disk).
enum class FileKind { memory, disk, whole };

// The same stream in each kind of file.
class ArchiveBufferTest : public ::testing::TestWithParam<FileKind> {
protected:
    bool OnDisk() const { return GetParam() != FileKind::memory; }

    std::unique_ptr<CFile> Open(const Bytes& bytes) {
        if (!OnDisk()) {
            return std::make_unique<CMemFile>(bytes);
        }
        const auto path =
            m_dir.Write("in" + std::to_string(m_files++), std::string(bytes.begin(), bytes.end()));
        if (GetParam() == FileKind::whole) {
            auto whole = std::make_unique<CWholeFile>();
            EXPECT_TRUE(whole->Open(path, CFile::modeRead | CFile::typeBinary));
            return whole;
        }
        return std::make_unique<CFile>(path, CFile::modeRead | CFile::typeBinary);
    }

    // A file to write into, and a way to read back what reached it.
    std::unique_ptr<CFile> Create() {
        if (!OnDisk()) {
            return std::make_unique<CMemFile>();
        }
        m_written = m_dir.File("out" + std::to_string(m_files++));
        return std::make_unique<CFile>(m_written, CFile::modeCreate | CFile::modeReadWrite |
                                                      CFile::typeBinary);
    }
    Bytes Written(CFile& file) {
        if (!OnDisk()) {
            return static_cast<CMemFile&>(file).Data();
        }
        file.Flush();
        const std::string text = test::TempDir::Read(m_written);
        return Bytes(text.begin(), text.end());
    }

private:
    test::TempDir m_dir;
    std::filesystem::path m_written;
    int m_files = 0;
};

std::string FileKindName(const ::testing::TestParamInfo<FileKind>& info) {
    switch (info.param) {
    case FileKind::memory:
        return "Memory";
    case FileKind::disk:
        return "Disk";
    case FileKind::whole:
        return "Whole";
    }
    return "Unknown";
}

INSTANTIATE_TEST_SUITE_P(Files, ArchiveBufferTest,
                         ::testing::Values(FileKind::memory, FileKind::disk, FileKind::whole),
                         FileKindName);

TEST_P(ArchiveBufferTest, ASeekThroughTheArchiveReadsFromTheNewPlace) {
    // Three blocks of the default buffer.
    const Bytes stream = OffsetWords(3 * 1024);
    struct Case {
        const char* what;
        int bufferSize;
        DWORD taken; // DWORDs read before the seek
        LONGLONG offset;
        UINT from;
        DWORD expected; // the offset read next
    };
    const std::vector<Case> cases = {
        {"back inside the block", 4096, 10, -8, CFile::current, 32},
        {"forward past the block", 4096, 10, 4096, CFile::current, 4136},
        {"from the beginning into a later block", 4096, 10, 8208, CFile::begin, 8208},
        {"from the end", 4096, 10, -4, CFile::end, 12284},
        {"nowhere, in a later block", 16, 5, 0, CFile::current, 20},
        {"back into an earlier block", 16, 9, -20, CFile::current, 16},
        {"before anything was read", 16, 0, 12, CFile::current, 12},
    };
    for (const Case& c : cases) {
        auto file = Open(stream);
        CArchive ar(file.get(), CArchive::load, c.bufferSize);
        DWORD value = 0;
        for (DWORD i = 0; i < c.taken; ++i) {
            ar >> value;
            ASSERT_EQ(value, i * 4) << c.what;
        }
        CFile* under = ar.GetFile();
        EXPECT_EQ(under->GetPosition(), c.taken * 4) << c.what;
        under->Seek(c.offset, c.from);
        ar >> value;
        EXPECT_EQ(value, c.expected) << c.what;
        if (c.expected + 4 < stream.size()) {
            ar >> value;
            EXPECT_EQ(value, c.expected + 4) << c.what;
        }
    }
}

TEST_P(ArchiveBufferTest, WrittenBytesAreCompleteAfterFlushCloseOrDestruction) {
    struct Case {
        const char* what;
        int bufferSize;
        std::vector<std::size_t> writes; // sizes of the raw blocks written in turn
    };
    const std::vector<Case> cases = {
        {"less than the buffer", 16, {3, 5}},
        {"exactly the buffer", 16, {16}},
        {"one past the buffer", 16, {16, 1}},
        {"a block larger than the buffer between buffered bytes", 16, {5, 40, 3}},
        {"many small blocks across several buffers", 16, std::vector<std::size_t>(20, 3)},
        {"the default buffer and more", 0, {4095, 2, 5000, 1}},
    };
    enum class End { flush, close, destruction, getFile };
    for (const Case& c : cases) {
        for (End end : {End::flush, End::close, End::destruction, End::getFile}) {
            Bytes expected;
            auto file = Create();
            {
                CArchive ar(file.get(), CArchive::store, c.bufferSize);
                for (std::size_t i = 0; i < c.writes.size(); ++i) {
                    const Bytes block = Pattern(c.writes[i], i);
                    ar.Write(block.data(), static_cast<UINT>(block.size()));
                    expected.insert(expected.end(), block.begin(), block.end());
                }
                if (end == End::flush) {
                    ar.Flush();
                } else if (end == End::close) {
                    ar.Close();
                } else if (end == End::getFile) {
                    EXPECT_EQ(ar.GetFile()->GetPosition(), expected.size()) << c.what;
                }
                if (end != End::destruction) {
                    EXPECT_EQ(Written(*file), expected) << c.what << " " << static_cast<int>(end);
                }
            }
            EXPECT_EQ(Written(*file), expected) << c.what << " " << static_cast<int>(end);
        }
    }
}

TEST_P(ArchiveBufferTest, AStreamCutInsideABlockFailsAtTheValueItCuts) {
    const Bytes full = OffsetWords(40);
    for (const int bufferSize : {16, 4096}) {
        for (const std::size_t cut : {0, 2, 15, 16, 17, 18, 31, 32, 33, 158, 159}) {
            const Bytes stream(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(cut));
            auto file = Open(stream);
            CArchive ar(file.get(), CArchive::load, bufferSize);
            DWORD read = 0;
            const int cause = CauseOf([&] {
                for (;; ++read) {
                    DWORD value = 0;
                    ar >> value;
                    ASSERT_EQ(value, read * 4);
                }
            });
            EXPECT_EQ(cause, CArchiveException::endOfFile) << bufferSize << " cut at " << cut;
            EXPECT_EQ(read, cut / 4) << bufferSize << " cut at " << cut;

            // A raw read gives what there is, partly through the buffer, partly past it.
            auto again = Open(stream);
            CArchive raw(again.get(), CArchive::load, bufferSize);
            BYTE first = 0;
            const UINT took = raw.Read(&first, 1);
            Bytes rest(200);
            const UINT got = raw.Read(rest.data(), static_cast<UINT>(rest.size()));
            EXPECT_EQ(took + got, cut) << bufferSize << " cut at " << cut;
            rest.insert(rest.begin(), first);
            rest.resize(took + got);
            EXPECT_EQ(rest, stream) << bufferSize << " cut at " << cut;
        }
    }
}

TEST_P(ArchiveBufferTest, SkippedBytesAreTakenAsAReadTakesThem) {
    // 800 bytes of offset words; a skip after some reads, within a block, across blocks or
    // past the end of the stream.
    const Bytes stream = OffsetWords(200);
    struct Case {
        int bufferSize;
        DWORD readFirst; // values read before the skip
        std::size_t skip;
        bool fails; // the skip runs past the end
    };
    const Case cases[] = {
        {16, 0, 4, false},   {16, 1, 8, false},    {16, 3, 20, false},
        {16, 2, 600, false}, {4096, 1, 12, false}, {4096, 5, 700, false},
        {16, 0, 800, false}, {16, 190, 41, true},  {4096, 1, 797, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << c.bufferSize << " after " << c.readFirst << " skip " << c.skip);
        auto file = Open(stream);
        CArchive ar(file.get(), CArchive::load, c.bufferSize);
        for (DWORD i = 0; i < c.readFirst; ++i) {
            DWORD value = 0;
            ar >> value;
        }
        const std::size_t at = c.readFirst * 4 + c.skip;
        if (c.fails) {
            EXPECT_EQ(CauseOf([&] { ar.Skip(c.skip); }), CArchiveException::endOfFile);
            continue;
        }
        ar.Skip(c.skip);
        if (at == stream.size()) {
            DWORD value = 0;
            EXPECT_EQ(CauseOf([&] { ar >> value; }), CArchiveException::endOfFile);
            continue;
        }
        DWORD value = 0;
        ar >> value;
        EXPECT_EQ(value, at);
    }
}

TEST_P(ArchiveBufferTest, LengthsCountTheBytesReadAhead) {
    // A long string or a long count after a value that made the archive read a block ahead:
    // the bytes in the buffer count towards what the stream still holds.
    const std::string text(70000, 't');
    const Bytes withString = test::Store([&](CArchive& ar) { ar << DWORD{1} << text; });
    Bytes withCount = test::Store([](CArchive& ar) {
        ar << DWORD{1};
        ar.WriteCount(0x10000);
    });
    withCount.resize(withCount.size() + 0x10000);
    const auto readString = [](CArchive& ar) {
        DWORD d = 0;
        std::string s;
        ar >> d >> s;
        return s.size();
    };
    const auto readCount = [](CArchive& ar) {
        DWORD d = 0;
        ar >> d;
        return static_cast<std::size_t>(ar.ReadCount());
    };
    struct Case {
        const char* what;
        Bytes bytes;
        std::function<std::size_t(CArchive&)> read;
        std::size_t expected; // 0: the stream is refused with endOfFile
    };
    const std::vector<Case> cases = {
        {"string, whole", withString, readString, text.size()},
        {"string, one byte short", Bytes(withString.begin(), withString.end() - 1), readString, 0},
        {"count, whole", withCount, readCount, 0x10000},
        {"count, one item short", Bytes(withCount.begin(), withCount.end() - 1), readCount, 0},
    };
    for (const Case& c : cases) {
        auto file = Open(c.bytes);
        CArchive ar(file.get(), CArchive::load);
        if (c.expected == 0) {
            EXPECT_EQ(CauseOf([&] { c.read(ar); }), CArchiveException::endOfFile) << c.what;
        } else {
            EXPECT_EQ(c.read(ar), c.expected) << c.what;
        }
    }
}

TEST_P(ArchiveBufferTest, ObjectsKeepTheirIndexesAcrossAFlush) {
    CArchiveBufferTestItem a(0xA);
    CArchiveBufferTestItem b(0xB);
    enum class Between { nothing, flush, getFile };
    const auto store = [&](Between between) {
        auto file = Create();
        {
            CArchive ar(file.get(), CArchive::store, 16);
            for (const CObject* obj : {&a, &b, &a, &b}) {
                ar << obj;
                if (between == Between::flush) {
                    ar.Flush();
                } else if (between == Between::getFile) {
                    ar.GetFile();
                }
            }
        }
        return Written(*file);
    };
    const Bytes plain = store(Between::nothing);
    EXPECT_EQ(plain, test::ByteWriter()
                         .NewClass(1, "CArchiveBufferTestItem")
                         .Dword(0xA)
                         .Word(0x8001)
                         .Dword(0xB)
                         .Word(2)
                         .Word(3)
                         .Get());
    EXPECT_EQ(store(Between::flush), plain);
    EXPECT_EQ(store(Between::getFile), plain);

    // Bytes written through the file between two objects land between them.
    auto file = Create();
    {
        CArchive ar(file.get(), CArchive::store, 16);
        ar << &a;
        ar.GetFile()->Write("xy", 2);
        ar << &b;
    }
    EXPECT_EQ(Written(*file), test::ByteWriter()
                                  .NewClass(1, "CArchiveBufferTestItem")
                                  .Dword(0xA)
                                  .Raw("xy")
                                  .Word(0x8001)
                                  .Dword(0xB)
                                  .Get());

    // Reading back with a flush in between: the back-references still find their objects.
    auto in = Open(plain);
    CArchive ar(in.get(), CArchive::load, 16);
    auto first = ar.ReadOwned<CArchiveBufferTestItem>();
    ar.Flush();
    auto second = ar.ReadOwned<CArchiveBufferTestItem>();
    ar.GetFile();
    EXPECT_EQ(ar.ReadObject(nullptr), first.get());
    EXPECT_EQ(ar.ReadObject(nullptr), second.get());
    EXPECT_EQ(second->m_value, 0xBu);
}

TEST_P(ArchiveBufferTest, LinesSplitAtEveryBufferSize) {
    // Each line end, the lone "\r" included, falls on a block boundary for some size.
    const std::string text = "first\r\nsecond\n\nthird\rfourth\r";
    for (int bufferSize = 1; bufferSize <= 9; ++bufferSize) {
        auto file = Open(Bytes(text.begin(), text.end()));
        CArchive ar(file.get(), CArchive::load, bufferSize);
        std::vector<std::string> lines;
        std::string line;
        while (ar.ReadString(line)) {
            lines.push_back(line);
        }
        EXPECT_EQ(lines, (std::vector<std::string>{"first", "second", "", "third", "fourth"}))
            << bufferSize;
    }
}

// A text-mode file is shorter in the buffer than on disk: given back, it still stands after
// the last line taken.
TEST(ArchiveBufferTextTest, TextModeFileStandsAfterTheLastLineTaken) {
    test::TempDir dir;
    const auto path = dir.Write("lines.txt", "ab\r\ncd\r\nef\r\n");
    CFile file(path, CFile::modeRead | CFile::typeText);
    CArchive ar(&file, CArchive::load);
    std::string line;
    ASSERT_TRUE(ar.ReadString(line));
    EXPECT_EQ(line, "ab");
    EXPECT_EQ(ar.GetFile()->GetPosition(), 4u);
    char direct[3] = {};
    EXPECT_EQ(file.Read(direct, 3), 3u);
    EXPECT_EQ(std::string(direct, 3), "cd\n");
    ASSERT_TRUE(ar.ReadString(line));
    EXPECT_EQ(line, "ef");
    EXPECT_FALSE(ar.ReadString(line));
}

} // namespace
} // namespace tembra
