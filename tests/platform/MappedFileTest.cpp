// A file read in place: what it refuses, and that what it lends stays the file's bytes wherever
// the position was put.
#include "platform/MappedFile.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace tembra {
namespace {

TEST(MappedFileTest, OpensOnlyExistingFilesForReading) {
    test::TempDir dir;
    const auto file = dir.Write("chart.bin", "abc");
    struct Case {
        const char* what;
        std::filesystem::path path;
        UINT flags;
        int cause; // CFileException::none: opened
    };
    const std::vector<Case> cases = {
        {"a file to read", file, CFile::modeRead | CFile::typeBinary, CFileException::none},
        {"a missing file", dir.File("missing.bin"), CFile::modeRead, CFileException::fileNotFound},
        {"a folder", dir.Path(), CFile::modeRead, CFileException::accessDenied},
        {"for writing", file, CFile::modeWrite, CFileException::accessDenied},
        {"for reading and writing", file, CFile::modeReadWrite, CFileException::accessDenied},
        {"to be created", file, CFile::modeRead | CFile::modeCreate, CFileException::accessDenied},
        {"as text", file, CFile::modeRead | CFile::typeText, CFileException::accessDenied},
    };
    for (const Case& c : cases) {
        CMappedFile mapped;
        CFileException error;
        const BOOL opened = mapped.Open(c.path, c.flags, &error);
        EXPECT_EQ(opened != FALSE, c.cause == CFileException::none) << c.what;
        EXPECT_EQ(mapped.IsOpen(), opened != FALSE) << c.what;
        if (!opened) {
            EXPECT_EQ(error.m_cause, c.cause) << c.what;
        }
    }
    // The file it opened is unchanged by a refused write.
    CMappedFile mapped;
    ASSERT_TRUE(mapped.Open(file, CFile::modeRead));
    EXPECT_THROW(mapped.Write("x", 1), CFileException);
    EXPECT_THROW(mapped.SetLength(1), CFileException);
    EXPECT_EQ(test::TempDir::Read(file), "abc");
}

TEST(MappedFileTest, LendsTheBytesFromItsPositionToItsEnd) {
    test::TempDir dir;
    const std::string bytes = "0123456789";
    for (const std::string& content : {bytes, std::string()}) {
        CMappedFile mapped;
        ASSERT_TRUE(mapped.Open(dir.Write("f.bin", content), CFile::modeRead));
        EXPECT_EQ(mapped.GetLength(), content.size());
        std::size_t count = 99;
        const BYTE* lent = mapped.LendBytes(count);
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(lent), count), content);
        EXPECT_EQ(mapped.GetPosition(), content.size());
        // At the end nothing more is lent, and a read gives nothing.
        EXPECT_EQ(mapped.LendBytes(count), nullptr);
        EXPECT_EQ(count, 0u);
        char c = 0;
        EXPECT_EQ(mapped.Read(&c, 1), 0u);
    }
    CMappedFile mapped;
    ASSERT_TRUE(mapped.Open(dir.Write("g.bin", bytes), CFile::modeRead));
    mapped.Seek(-3, CFile::end);
    std::size_t count = 0;
    const BYTE* lent = mapped.LendBytes(count);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(lent), count), "789");
    mapped.Seek(2, CFile::begin);
    char two[2] = {};
    EXPECT_EQ(mapped.Read(two, 2), 2u);
    EXPECT_EQ(std::string(two, 2), "23");
    // Past the end: a read gives nothing, a lend nothing.
    mapped.Seek(20, CFile::begin);
    EXPECT_EQ(mapped.Read(two, 2), 0u);
    EXPECT_EQ(mapped.LendBytes(count), nullptr);
    EXPECT_THROW(mapped.Seek(-1, CFile::begin), CFileException);
}

} // namespace
} // namespace tembra
