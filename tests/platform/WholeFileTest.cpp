// A file read whole: what it refuses, and that what it lends stays the file's bytes wherever
// the position was put.
#include "platform/WholeFile.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace tembra {
namespace {

TEST(WholeFileTest, OpensOnlyExistingFilesForReading) {
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
        CWholeFile whole;
        CFileException error;
        const BOOL opened = whole.Open(c.path, c.flags, &error);
        EXPECT_EQ(opened != FALSE, c.cause == CFileException::none) << c.what;
        EXPECT_EQ(whole.IsOpen(), opened != FALSE) << c.what;
        if (!opened) {
            EXPECT_EQ(error.m_cause, c.cause) << c.what;
        }
    }
    // The file it opened is unchanged by a refused write.
    CWholeFile whole;
    ASSERT_TRUE(whole.Open(file, CFile::modeRead));
    EXPECT_THROW(whole.Write("x", 1), CFileException);
    EXPECT_THROW(whole.SetLength(1), CFileException);
    EXPECT_EQ(test::TempDir::Read(file), "abc");
}

TEST(WholeFileTest, LendsTheBytesFromItsPositionToItsEnd) {
    test::TempDir dir;
    const std::string bytes = "0123456789";
    for (const std::string& content : {bytes, std::string()}) {
        CWholeFile whole;
        ASSERT_TRUE(whole.Open(dir.Write("f.bin", content), CFile::modeRead));
        EXPECT_EQ(whole.GetLength(), content.size());
        std::size_t count = 99;
        const BYTE* lent = whole.LendBytes(count);
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(lent), count), content);
        EXPECT_EQ(whole.GetPosition(), content.size());
        // At the end nothing more is lent, and a read gives nothing.
        EXPECT_EQ(whole.LendBytes(count), nullptr);
        EXPECT_EQ(count, 0u);
        char c = 0;
        EXPECT_EQ(whole.Read(&c, 1), 0u);
    }
    CWholeFile whole;
    ASSERT_TRUE(whole.Open(dir.Write("g.bin", bytes), CFile::modeRead));
    whole.Seek(-3, CFile::end);
    std::size_t count = 0;
    const BYTE* lent = whole.LendBytes(count);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(lent), count), "789");
    whole.Seek(2, CFile::begin);
    char two[2] = {};
    EXPECT_EQ(whole.Read(two, 2), 2u);
    EXPECT_EQ(std::string(two, 2), "23");
    // Past the end: a read gives nothing, a lend nothing.
    whole.Seek(20, CFile::begin);
    EXPECT_EQ(whole.Read(two, 2), 0u);
    EXPECT_EQ(whole.LendBytes(count), nullptr);
    EXPECT_THROW(whole.Seek(-1, CFile::begin), CFileException);
}

// A file larger than any chart (a wrong file picked by mistake) is not read into memory: it is
// read as it goes and lends nothing, so the archive reads it through a buffer of its own.
TEST(WholeFileTest, ReadsAFileLargerThanAnyChartAsItGoes) {
    test::TempDir dir;
    const auto path = dir.Write("large.bin", "head");
    constexpr std::uintmax_t kSize = 65 * 1024 * 1024; // sparse: nothing is written between
    std::filesystem::resize_file(path, kSize);
    {
        std::fstream out(path, std::ios::binary | std::ios::in | std::ios::out);
        out.seekp(static_cast<std::streamoff>(kSize - 4));
        out.write("tail", 4);
    }
    CWholeFile whole;
    ASSERT_TRUE(whole.Open(path, CFile::modeRead | CFile::typeBinary));
    EXPECT_EQ(whole.GetLength(), kSize);
    std::size_t count = 99;
    EXPECT_EQ(whole.LendBytes(count), nullptr);
    char four[4] = {};
    EXPECT_EQ(whole.Read(four, 4), 4u);
    EXPECT_EQ(std::string(four, 4), "head");
    whole.Seek(-4, CFile::end);
    EXPECT_EQ(whole.Read(four, 4), 4u);
    EXPECT_EQ(std::string(four, 4), "tail");
    EXPECT_EQ(whole.GetPosition(), kSize);
    EXPECT_THROW(whole.Write("x", 1), CFileException);
    whole.Close();
    EXPECT_FALSE(whole.IsOpen());
}

} // namespace
} // namespace tembra
