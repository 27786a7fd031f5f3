// The preview line of the file dialogs for native, backup, DOS and other files.
#include "exchange/FilePreview.h"

#include "platform/ByteOrder.h"
#include "support/Cp932Text.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tembra {
namespace {

using test::J;

// A DOS header record of the version with the name at its place.
std::string DosRecord(WORD version, const std::string& name) {
    std::string record(2595, '\0');
    PutWord(reinterpret_cast<BYTE*>(record.data()), version);
    record.replace(2530, name.size(), name);
    return record;
}

TEST(FilePreviewTest, TheLabelOfEachKindOfFile) {
    test::TempDir dir;
    const std::string native = J("☆TEMBRA(TB+) Ver.05.80.00:暦:A") + std::string(1, '\0') + "body";
    struct Case {
        const char* name;
        std::string bytes;
        std::string label; // UTF-8
    };
    const std::vector<Case> cases = {
        {"A.tbr", native, "工程表名： 暦:A"},
        {"A.TBRBK", native, "工程表名： 暦:A"},
        {"A.txt", native, "工程表名："},
        {"nocolon.tbr", J("☆TEMBRA(TB+) Ver.05.80.00") + '\0', "工程表名："},
        {"colonend.tbr", J("☆TEMBRA(TB+):") + '\0', "- 無名 -"},
        {"no-zero.tbr", J("☆TEMBRA:名前"), "工程表名： 名前"},
        {"old.phd", DosRecord(2101, J("旧")), "工程表名： 未対応ﾊﾞｰｼﾞｮﾝ[v2.101]"},
        {"new.PHD", DosRecord(2102, J("新しい工程")), "工程表名： 新しい工程"},
        {"nameless.phd", DosRecord(3000, ""), "- 無名 -"},
        {"short.phd", std::string(100, '\x36'), "工程表名："},
    };
    for (const Case& c : cases) {
        const auto label = PreviewLabel(dir.Write(c.name, c.bytes));
        ASSERT_TRUE(label) << c.name;
        EXPECT_EQ(Sjis::ToUtf8(*label), c.label) << c.name;
    }
}

TEST(FilePreviewTest, ALongHeadIsCutOnACharacterBoundary) {
    test::TempDir dir;
    // 126 bytes of ASCII, then a double-byte character whose second byte would be the 128th.
    const std::string head = ":" + std::string(125, 'n') + J("名") + '\0';
    const auto label = PreviewLabel(dir.Write("long.tbr", head));
    ASSERT_TRUE(label);
    EXPECT_EQ(Sjis::ToUtf8(*label), "工程表名： " + std::string(125, 'n'));
}

TEST(FilePreviewTest, AFileThatCannotBeOpenedKeepsTheLine) {
    test::TempDir dir;
    EXPECT_FALSE(PreviewLabel(dir.File("missing.tbr")));
    EXPECT_TRUE(PreviewLabel(dir.File("missing.doc"))) << "other files are not opened";
}

TEST(FilePreviewTest, TypesByExtensionInAnyCase) {
    EXPECT_EQ(ClassifyPreviewFile("/x/a.Tbr"), PreviewFileType::Native);
    EXPECT_EQ(ClassifyPreviewFile("/x/a.tbrbk"), PreviewFileType::Native);
    EXPECT_EQ(ClassifyPreviewFile("/x/a.pHd"), PreviewFileType::Dos);
    EXPECT_EQ(ClassifyPreviewFile("/x/a.tbr.bak"), PreviewFileType::Other);
    EXPECT_EQ(ClassifyPreviewFile("/x/tbr"), PreviewFileType::Other);
}

} // namespace
} // namespace tembra
