// The layout files of a folder as the selection and copy dialogs list them, the check of a copy's
// new name, the folder list of the copy's source, and the copy of one file.
#include "print/LayoutCopy.h"
#include "print/LayoutFileList.h"

#include "model/LayoutFile.h"
#include "platform/Ui.h"
#include "support/TempDir.h"

#include "PrTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace tembra {
namespace {

namespace fs = std::filesystem;
using test::J;
using test::LayoutText;
using test::TempDir;

// A layout file with its name and master flag.
fs::path WriteLayout(const TempDir& dir, const std::string& file, const std::string& name,
                     int master) {
    return dir.Write(file, LayoutText({"[ファイル情報]", "MasterFlag=" + std::to_string(master),
                                       "LayoutName=" + name}));
}

std::vector<std::string> Texts(const std::vector<LayoutFileEntry>& entries) {
    std::vector<std::string> texts;
    for (const LayoutFileEntry& entry : entries) {
        texts.push_back(entry.text);
    }
    return texts;
}

TEST(LayoutFileList, EntriesShowTheNameUpperCasedTheLayoutNameAndTheMasterMark) {
    struct Case {
        std::string file;
        std::string name;
        bool master;
        std::string text;
    };
    const Case cases[] = {
        {"MASTER01.LYT", J("標準書式"), true, "MASTER01.LYT " + J("[標準書式]") + "<MASTER>"},
        {"a.lyt", "", false, "A.LYT        []"},                    // eight blanks
        {"ABCDEFGHIJKLM.LYT", "x", false, "ABCDEFGHIJKLM.LYT [x]"}, // one at least
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LayoutEntryText(c.file, c.name, c.master), c.text) << c.file;
    }
}

TEST(LayoutFileList, TheSelectionHidesTheBackupAndKeepsTheRealNames) {
    TempDir dir;
    WriteLayout(dir, "MASTER01.LYT", "標準書式", 1);
    WriteLayout(dir, "a.lyt", "", 0);
    WriteLayout(dir, "~backup.lyt", "古い", 0);
    WriteLayout(dir, "b.Lyt", "B書式", -2);
    dir.Write("c.txt", "");
    dir.Write("broken.LYT", "\x01\x02"); // unreadable as a layout: no name
    fs::create_directories(dir.File("folder.lyt"));

    const std::vector<LayoutFileEntry> selection =
        ListLayoutFiles(dir.Path(), LayoutListForm::Selection);
    EXPECT_EQ(Texts(selection),
              (std::vector<std::string>{"A.LYT        []", "B.LYT        " + J("[B書式]"),
                                        "BROKEN.LYT   []",
                                        "MASTER01.LYT " + J("[標準書式]") + "<MASTER>"}));
    EXPECT_EQ(selection[0].fileName, "a.lyt");
    EXPECT_EQ(selection[1].fileName, "b.Lyt");
    EXPECT_TRUE(selection[3].master);

    // The copy lists every layout file and marks none.
    const std::vector<LayoutFileEntry> copy = ListLayoutFiles(dir.Path(), LayoutListForm::Copy);
    ASSERT_EQ(copy.size(), 5u);
    EXPECT_EQ(copy[3].text, "MASTER01.LYT " + J("[標準書式]"));
    EXPECT_EQ(copy[4].fileName, "~backup.lyt");
    EXPECT_TRUE(ListLayoutFiles(dir.File("missing"), LayoutListForm::Copy).empty());
}

TEST(LayoutFileList, TheFirstChoiceBeginsWithTheNameInEitherCase) {
    const std::vector<LayoutFileEntry> entries = {
        {"a.lyt", "", false, LayoutEntryText("a.lyt", "", false)},
        {"ab.lyt", "", false, LayoutEntryText("ab.lyt", "", false)},
    };
    EXPECT_EQ(FindLayoutEntry(entries, "AB.LYT"), 1);
    EXPECT_EQ(FindLayoutEntry(entries, "a.lyt"), 0);
    EXPECT_EQ(FindLayoutEntry(entries, "C.LYT"), -1);
    EXPECT_EQ(FindLayoutEntry(entries, ""), -1);
}

TEST(LayoutFileList, MastersAndLayoutsInUseCannotBeDeleted) {
    const LayoutFileEntry a{"a.lyt", "", false, ""};
    const LayoutFileEntry ba{"ba.lyt", "", false, ""};
    const LayoutFileEntry master{"MASTER01.LYT", "", true, ""};
    const std::vector<std::string> inUse = {"CHART.LYT"};
    EXPECT_FALSE(IsLayoutDeletable(master, "OTHER.LYT", {}));
    EXPECT_FALSE(IsLayoutDeletable(a, "A.LYT", {})) << "the current layout, in either case";
    EXPECT_TRUE(IsLayoutDeletable(ba, "A.LYT", {})) << "a whole name, not a part of one";
    EXPECT_FALSE(IsLayoutDeletable({"chart.lyt", "", false, ""}, "A.LYT", inUse));
    EXPECT_TRUE(IsLayoutDeletable(a, "MASTER01.LYT", inUse));
}

TEST(LayoutCopy, ANewNameMustBeALayoutNameDosCouldHold) {
    struct Case {
        std::string name;
        bool master;
        UINT answer;
        int outcome;
    };
    const Case cases[] = {
        {"A.LYT", false, 0, kCopyOverwrite}, // unchanged: overwrite
        {"A.LYT", true, kCopyNameStay, kCopyNothing},
        {"NEW", false, 5124, kCopyNothing},
        {"NEW.TXT", false, 5124, kCopyNothing},
        {"A.B.LYT", false, 5124, kCopyNothing},
        {"ABCDEFGHI.LYT", false, 5123, kCopyNothing},
        {"A B.LYT", false, 5123, kCopyNothing},
        {"A*.LYT", false, 5123, kCopyNothing},
        {"ABCDEFGH.LYT", true, 0, kCopyNewName},
        {"new.lyt", false, 0, kCopyNewName},
        {"工程表.LYT", false, 0, kCopyNewName}, // six bytes before the "."
        {"工程表表表.LYT", false, 5123, kCopyNothing},
    };
    for (const Case& c : cases) {
        int outcome = kCopyNothing;
        EXPECT_EQ(CheckCopyName("A.LYT", c.name, c.master, outcome), c.answer) << c.name;
        EXPECT_EQ(outcome, c.outcome) << c.name;
    }
}

TEST(LayoutCopy, TheFolderListWalksUpAndDown) {
    TempDir dir;
    fs::create_directories(dir.File("sub/deeper"));
    fs::create_directories(dir.File("Another"));
    dir.Write("file.lyt", "");
    EXPECT_EQ(FolderEntries(dir.Path()), (std::vector<std::string>{"[..]", "[Another]", "[sub]"}));
    const auto sub = EnterFolderEntry(dir.Path(), "[sub]");
    ASSERT_TRUE(sub.has_value());
    EXPECT_EQ(*sub, dir.File("sub"));
    EXPECT_EQ(EnterFolderEntry(*sub, "[..]"), std::optional<fs::path>(dir.Path()));
    EXPECT_EQ(FolderEntries("/").front() == "[..]", false) << "the root has no parent";
    EXPECT_FALSE(EnterFolderEntry("/", "[..]").has_value());
    EXPECT_TRUE(IsSameFolder(dir.Path(), dir.File("sub/..")));
    EXPECT_FALSE(IsSameFolder(dir.Path(), dir.File("sub")));
}

class LayoutCopyFileTest : public testing::Test {
protected:
    LayoutCopyFileTest() { fs::create_directories(destination); }
    // Answers the question for a name with an outcome and a name, counting the questions.
    AskCopyName Answer(int result, int outcome, const std::string& name = "") {
        return [this, result, outcome, name](bool master, int& out, std::string& n) {
            asked.push_back(master);
            out = outcome;
            if (!name.empty()) {
                n = name;
            }
            return result;
        };
    }

    TempDir source;
    TempDir target;
    fs::path destination = target.File("layouts");
    std::vector<bool> asked;
};

TEST_F(LayoutCopyFileTest, AFreeNameIsCopiedAtOnce) {
    const fs::path file = WriteLayout(source, "A.LYT", "新", 0);
    EXPECT_EQ(CopyLayoutFile(file, destination, Answer(IDOK, kCopyOverwrite)),
              LayoutCopyResult::Copied);
    EXPECT_TRUE(asked.empty());
    EXPECT_EQ(ReadLayoutName(destination / "A.LYT"), J("新"));
}

TEST_F(LayoutCopyFileTest, ATakenNameIsOverwrittenRenamedOrLeft) {
    const fs::path file = WriteLayout(source, "A.LYT", "新", 0);
    WriteLayout(target, "layouts/A.LYT", "古", 0);
    WriteLayout(target, "layouts/NEW.LYT", "別", 0);
    EXPECT_EQ(CopyLayoutFile(file, destination, Answer(IDCANCEL, kCopyNothing)),
              LayoutCopyResult::Skipped);
    EXPECT_EQ(ReadLayoutName(destination / "A.LYT"), J("古"));
    // A new name that is taken too is asked about again.
    int round = 0;
    const AskCopyName renames = [&](bool, int& outcome, std::string& name) {
        outcome = kCopyNewName;
        name = ++round == 1 ? "NEW.LYT" : "FRESH.LYT";
        return IDOK;
    };
    EXPECT_EQ(CopyLayoutFile(file, destination, renames), LayoutCopyResult::Copied);
    EXPECT_EQ(round, 2);
    EXPECT_EQ(ReadLayoutName(destination / "FRESH.LYT"), J("新"));
    EXPECT_EQ(ReadLayoutName(destination / "NEW.LYT"), J("別"));
    EXPECT_EQ(CopyLayoutFile(file, destination, Answer(IDOK, kCopyOverwrite)),
              LayoutCopyResult::Copied);
    EXPECT_EQ(ReadLayoutName(destination / "A.LYT"), J("新"));
}

TEST_F(LayoutCopyFileTest, AMasterLayoutIsNeverOverwritten) {
    const fs::path file = WriteLayout(source, "MASTER01.LYT", "新", 0);
    WriteLayout(target, "layouts/MASTER01.LYT", "標準書式", 1);
    EXPECT_EQ(CopyLayoutFile(file, destination, Answer(IDOK, kCopyOverwrite)),
              LayoutCopyResult::Skipped);
    EXPECT_EQ(asked, (std::vector<bool>{true}));
    EXPECT_EQ(ReadLayoutName(destination / "MASTER01.LYT"), J("標準書式"));
}

TEST_F(LayoutCopyFileTest, AFailedCopyIsReported) {
    const fs::path file = WriteLayout(source, "A.LYT", "新", 0);
    EXPECT_EQ(CopyLayoutFile(file, target.File("missing"), Answer(IDOK, kCopyOverwrite)),
              LayoutCopyResult::Failed);
    EXPECT_EQ(CopyLayoutFile(source.File("gone.lyt"), destination, Answer(IDOK, kCopyOverwrite)),
              LayoutCopyResult::Failed);
}

} // namespace
} // namespace tembra
