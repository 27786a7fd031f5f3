#include "platform/ProfileFile.h"

#include "platform/Sjis.h"
#include "support/TempDir.h"

#include "support/Cp932Text.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <sys/resource.h>
#include <vector>

namespace tembra {
namespace {

using test::TempDir;

// CP932 bytes of a UTF-8 literal.
using test::J;

struct ReadCase {
    const char* name;
    std::string file; // CP932 file bytes
    std::string section;
    std::string key;
    std::optional<std::string> expected;
};

void PrintTo(const ReadCase& c, std::ostream* os) {
    *os << c.name;
}

class ProfileFileReadTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ProfileFileReadTest, FindsWhatWindowsFinds) {
    const ReadCase& c = GetParam();
    TempDir dir;
    ProfileFile ini(dir.Write("t.ini", c.file), ProfileFlavor::IniFile);
    EXPECT_EQ(ini.Find(c.section, c.key), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProfileFileReadTest,
    ::testing::Values(
        ReadCase{"Plain", "[A]\r\nk=v\r\n", "A", "k", "v"},
        ReadCase{"LfLineEnds", "[A]\nk=v\n", "A", "k", "v"},
        ReadCase{"NoFinalLineEnd", "[A]\r\nk=v", "A", "k", "v"},
        ReadCase{"SectionAndKeyIgnoreCase", "[Settings]\r\nPath=x\r\n", "SETTINGS", "path", "x"},
        ReadCase{"ArgumentsLoseSpaces", "[A]\r\nk=v\r\n", "  A ", " k  ", "v"},
        ReadCase{"KeyAndValueTrimmed", "[A]\r\n \t k \t=  v w \t\r\n", "A", "k", "v w"},
        ReadCase{"HeaderBlanksIgnored", "  [ A\t]  trailing\r\nk=1\r\n", "A", "k", "1"},
        ReadCase{"HeaderWithoutClosingBracket", "[A\r\nk=1\r\n", "A", "k", "1"},
        ReadCase{"DoubleQuotesDropped", "[A]\r\nk= \" v \" \r\n", "A", "k", " v "},
        ReadCase{"SingleQuotesDropped", "[A]\r\nk='v'\r\n", "A", "k", "v"},
        ReadCase{"OnlyOuterPairDropped", "[A]\r\nk=\"\"v\"\"\r\n", "A", "k", "\"v\""},
        ReadCase{"MismatchedQuotesKept", "[A]\r\nk=\"v'\r\n", "A", "k", "\"v'"},
        ReadCase{"LoneQuoteKept", "[A]\r\nk=\"\r\n", "A", "k", "\""},
        ReadCase{"EqualsInValue", "[A]\r\nk=a=b\r\n", "A", "k", "a=b"},
        ReadCase{"SemicolonInValue", "[A]\r\nk=;v\r\n", "A", "k", ";v"},
        ReadCase{"EmptyValueIsFound", "[A]\r\nk=\r\n", "A", "k", ""},
        ReadCase{"CommentIsNoKey", "[A]\r\n;k=1\r\n", "A", ";k", std::nullopt},
        ReadCase{"LineWithoutEqualsIsNoKey", "[A]\r\nflag\r\n", "A", "flag", std::nullopt},
        ReadCase{"KeysBeforeFirstSectionIgnored", "k=0\r\n[A]\r\nj=1\r\n", "A", "k", std::nullopt},
        ReadCase{"FirstOfDuplicateKeys", "[A]\r\nk=1\r\nK=2\r\n", "A", "k", "1"},
        ReadCase{"FirstAppearanceOfSection", "[A]\r\nk=1\r\n[B]\r\n[a]\r\nk=2\r\n", "A", "k", "1"},
        ReadCase{"SecondAppearanceNotSearched", "[A]\r\nk=1\r\n[B]\r\n[a]\r\nj=2\r\n", "A", "j",
                 std::nullopt},
        ReadCase{"KeyEndsAtNextSection", "[A]\r\n[B]\r\nk=1\r\n", "A", "k", std::nullopt},
        ReadCase{"BackslashSubSection", "[AreaNameConfig\\StdData]\r\nk=1\r\n",
                 "areanameconfig\\stddata", "k", "1"},
        // "ゾ" ends in 0x5D (']') and "ー" in 0x5B ('['): the name must not end inside them.
        ReadCase{"HeaderTrailBytesOfBrackets", J("[ゾーン]\r\nk=1\r\n"), J("ゾーン"), "k", "1"},
        // "表" and "ソ" end in 0x5C ('\\').
        ReadCase{"TrailByteOfBackslash", J("[A]\r\nソ=表\r\n"), "A", J("ソ"), J("表")},
        // "ヂ" ends in 0x61 ('a') and "ア" in 0x41 ('A'): folding them would make them equal.
        ReadCase{"TrailByteNeverFolded", J("[ア]\r\nk=1\r\n"), J("ヂ"), "k", std::nullopt},
        ReadCase{"EmptyFile", "", "A", "k", std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ProfileFileTest, MissingFileReadsEmpty) {
    TempDir dir;
    ProfileFile ini(dir.File("none.ini"), ProfileFlavor::IniFile);
    EXPECT_EQ(ini.Find("A", "k"), std::nullopt);
    EXPECT_TRUE(ini.SectionNames().empty());
    EXPECT_TRUE(ini.KeyNames("A").empty());
}

TEST(ProfileFileTest, EnumeratesInFileOrder) {
    TempDir dir;
    ProfileFile ini(dir.Write("t.ini", "k=0\r\n"
                                       "[B]\r\n"
                                       "z=1\r\n"
                                       "; a comment\r\n"
                                       "a=2\r\n"
                                       "loose line\r\n"
                                       "Z=3\r\n"
                                       "[A]\r\n"
                                       "x=1\r\n"
                                       "[b]\r\n"
                                       "y=1\r\n"),
                    ProfileFlavor::IniFile);
    EXPECT_EQ(ini.SectionNames(), (std::vector<std::string>{"B", "A", "b"}));
    // The first appearance of a section answers; duplicate keys are named again.
    EXPECT_EQ(ini.KeyNames("b"), (std::vector<std::string>{"z", "a", "Z"}));
    EXPECT_EQ(ini.KeyNames("A"), (std::vector<std::string>{"x"}));
    EXPECT_TRUE(ini.KeyNames("C").empty());
}

struct IntCase {
    const char* value; // nullptr: no key
    UINT expected;
};

TEST(ProfileFileTest, ReadsIntegersAsGetPrivateProfileInt) {
    const IntCase cases[] = {
        {"12", 12u},        {"-5", static_cast<UINT>(-5)},
        {"+7", 7u},         {"42abc", 42u},
        {"abc", 0u},        {"0x10", 0u},
        {"", 99u},          {nullptr, 99u},
        {"4294967297", 1u}, {"\"-1\"", 0xFFFFFFFFu},
    };
    TempDir dir;
    for (const IntCase& c : cases) {
        std::string text = "[A]\r\n";
        if (c.value)
            text += std::string("k=") + c.value + "\r\n";
        ProfileFile ini(dir.Write("int.ini", text), ProfileFlavor::IniFile);
        EXPECT_EQ(ini.GetInt("A", "k", 99), c.expected) << (c.value ? c.value : "(none)");
    }
}

TEST(ProfileFileTest, GetStringCutsToTheBufferOnACharacterBoundary) {
    TempDir dir;
    ProfileFile ini(dir.Write("t.ini", J("[A]\r\nk=ああ\r\n")), ProfileFlavor::IniFile);
    EXPECT_EQ(ini.GetString("A", "k", "", 5), J("ああ"));
    EXPECT_EQ(ini.GetString("A", "k", "", 4), J("あ")); // 3 bytes would split the second one
    EXPECT_EQ(ini.GetString("A", "k", "", 0), "");
    // The default loses trailing spaces (only spaces) and is cut the same way.
    EXPECT_EQ(ini.GetString("A", "none", " def \t  "), " def \t");
    EXPECT_EQ(ini.GetString("A", "none", "abcdef", 4), "abc");
}

class ProfileFileWriteTest : public ::testing::Test {
protected:
    static constexpr const char* kOriginal = "; head\r\n"
                                             "[A]\r\n"
                                             "Key = old\r\n"
                                             "other=1\r\n"
                                             "; about B\r\n"
                                             "\r\n"
                                             "[B]\r\n"
                                             "x=1\r\n";
    TempDir dir;
    std::filesystem::path path = dir.Write("t.ini", kOriginal);
    ProfileFile ini{path, ProfileFlavor::IniFile};

    std::string OnDisk() const { return TempDir::Read(path); }
};

TEST_F(ProfileFileWriteTest, ReplacesAValueInPlaceKeepingTheKeyAndComments) {
    ASSERT_TRUE(ini.WriteString("a", "KEY", "new"));
    EXPECT_EQ(OnDisk(), "; head\r\n[A]\r\nKey=new\r\nother=1\r\n; about B\r\n\r\n[B]\r\nx=1\r\n");
    EXPECT_EQ(ini.Find("A", "key"), "new");
}

TEST_F(ProfileFileWriteTest, AppendsANewKeyAfterTheSectionsLastEntry) {
    ASSERT_TRUE(ini.WriteString("A", "k2", "v"));
    ASSERT_TRUE(ini.WriteString("A", "k3", "w"));
    EXPECT_EQ(OnDisk(), "; head\r\n[A]\r\nKey = old\r\nother=1\r\nk2=v\r\nk3=w\r\n; about B\r\n"
                        "\r\n[B]\r\nx=1\r\n");
}

TEST_F(ProfileFileWriteTest, AppendsANewSectionAtTheEnd) {
    ASSERT_TRUE(ini.WriteString(J("祝日"), "0101", J("1,元日")));
    EXPECT_EQ(OnDisk(), std::string(kOriginal) + J("[祝日]\r\n0101=1,元日\r\n"));
    EXPECT_EQ(ini.SectionNames(), (std::vector<std::string>{"A", "B", J("祝日")}));
}

TEST_F(ProfileFileWriteTest, WritesValuesAsGiven) {
    // An INI file shared with other programs gets the bytes Windows would write.
    ASSERT_TRUE(ini.WriteString("B", "x", "  'q'  "));
    EXPECT_EQ(OnDisk(),
              "; head\r\n[A]\r\nKey = old\r\nother=1\r\n; about B\r\n\r\n[B]\r\nx=  'q'  \r\n");
    EXPECT_EQ(ini.Find("B", "x"), "q");
}

TEST_F(ProfileFileWriteTest, DeletesEveryLineOfAKey) {
    dir.Write("t.ini", "[A]\r\nk=1\r\nj=2\r\nK=3\r\n[B]\r\nk=4\r\n");
    ASSERT_TRUE(ini.DeleteKey("a", "k"));
    EXPECT_EQ(OnDisk(), "[A]\r\nj=2\r\n[B]\r\nk=4\r\n");
    EXPECT_EQ(ini.Find("A", "k"), std::nullopt);
    EXPECT_TRUE(ini.DeleteKey("A", "missing"));
    EXPECT_TRUE(ini.DeleteKey("Missing", "k"));
}

TEST_F(ProfileFileWriteTest, DeletesEveryAppearanceOfASectionButNotItsComments) {
    dir.Write("t.ini", "[A]\r\nk=1\r\n; note\r\n[B]\r\nx=1\r\n[a]\r\nk=2\r\n");
    ASSERT_TRUE(ini.DeleteSection("A"));
    EXPECT_EQ(OnDisk(), "; note\r\n[B]\r\nx=1\r\n");
    EXPECT_EQ(ini.Find("A", "k"), std::nullopt);
    ASSERT_TRUE(ini.WriteString("A", "k", "3"));
    EXPECT_EQ(ini.KeyNames("A"), (std::vector<std::string>{"k"}));
}

TEST_F(ProfileFileWriteTest, RefusesWhatCouldNotBeReadBack) {
    struct Refused {
        const char* name;
        std::string section, key, value;
    };
    const Refused cases[] = {
        {"BracketInSection", "A]B", "k", "v"},
        {"EmptySection", "  ", "k", "v"},
        {"BreakInSection", "A\nB", "k", "v"},
        {"EqualsInKey", "A", "a=b", "v"},
        {"CommentKey", "A", ";k", "v"},
        {"SectionLikeKey", "A", "[k]", "v"},
        {"EmptyKey", "A", " ", "v"},
        {"BreakInValue", "A", "k", "line1\r\nline2"},
        {"NulInValue", "A", "k", std::string("a\0b", 3)},
        // A lead byte at the end of a name would take the "]" or "=" after it as its trail byte.
        {"LeadByteEndsSection", "A\x82", "k", "v"},
        {"LeadByteEndsKey", "A", "k\x82", "v"},
    };
    for (const Refused& c : cases) {
        EXPECT_FALSE(ini.WriteString(c.section, c.key, c.value)) << c.name;
        EXPECT_EQ(OnDisk(), kOriginal) << c.name;
    }
    // A "]" that is the trail byte of "ゾ" is part of a name, not its end.
    EXPECT_TRUE(ini.WriteString(J("ゾーン"), "k", "1"));
    EXPECT_EQ(ini.Find(J("ゾーン"), "k"), "1");
}

TEST_F(ProfileFileWriteTest, NamesLoseTheBlanksTheFileLoses) {
    // The file's names are trimmed of blanks, tabs included; a name given with them must still
    // find what it wrote.
    ASSERT_TRUE(ini.WriteString("\tC ", " k\t", "v"));
    EXPECT_EQ(ini.Find("C", "k"), "v");
    EXPECT_EQ(ini.Find("\tC ", " k\t"), "v");
    EXPECT_EQ(ini.KeyNames("C\t"), (std::vector<std::string>{"k"}));
    ASSERT_TRUE(ini.DeleteKey("C\t", "\tk"));
    EXPECT_EQ(ini.Find("C", "k"), std::nullopt);
    ASSERT_TRUE(ini.DeleteSection("\vC"));
    EXPECT_EQ(OnDisk(), kOriginal);
    // A lead byte before a trailing blank is no character of its own: refused as above.
    EXPECT_FALSE(ini.WriteString("A", "k\x82\t", "v"));
    EXPECT_EQ(OnDisk(), kOriginal);
}

TEST_F(ProfileFileWriteTest, CreatesAMissingFile) {
    ProfileFile fresh(dir.File("new.ini"), ProfileFlavor::IniFile);
    ASSERT_TRUE(fresh.WriteString("S", "k", "v"));
    EXPECT_EQ(TempDir::Read(dir.File("new.ini")), "[S]\r\nk=v\r\n");
    ProfileFile nowhere(dir.File("no/such/folder/x.ini"), ProfileFlavor::IniFile);
    EXPECT_FALSE(nowhere.WriteString("S", "k", "v"));
}

TEST_F(ProfileFileWriteTest, SeesChangesMadeByOthers) {
    EXPECT_EQ(ini.Find("B", "x"), "1");
    dir.Write("t.ini", "[B]\r\nx=changed\r\n");
    EXPECT_EQ(ini.Find("B", "x"), "changed");
    // A second object on the same file sees this one's writes.
    ProfileFile other(path, ProfileFlavor::IniFile);
    ASSERT_TRUE(ini.WriteString("B", "x", "mine"));
    EXPECT_EQ(other.Find("B", "x"), "mine");
    std::filesystem::remove(path);
    EXPECT_EQ(ini.Find("B", "x"), std::nullopt);
}

TEST_F(ProfileFileWriteTest, AFailedWriteLeavesTheOldFile) {
    // A file-size limit below the new file's size makes the write fail part way, as a full disk
    // would.
    struct rlimit old {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = old;
    small.rlim_cur = 64;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    bool written = ini.WriteString("A", "long", std::string(200, 'x'));
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(written);
    EXPECT_EQ(OnDisk(), kOriginal);
    EXPECT_EQ(ini.Find("A", "long"), std::nullopt);
    EXPECT_EQ(ini.Find("A", "Key"), "old");
    // No temporary file is left behind.
    int files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.Path()))
        ++files;
    EXPECT_EQ(files, 1);
}

TEST_F(ProfileFileWriteTest, ABatchWritesTheFileOnceAtItsEnd) {
    {
        ProfileBatch outer(ini);
        ASSERT_TRUE(ini.WriteString("A", "Key", "new"));
        {
            ProfileBatch inner(ini);
            ASSERT_TRUE(ini.WriteString("C", "added", "1"));
        }
        ASSERT_TRUE(ini.DeleteKey("B", "x"));
        // Reads see the pending writes; the disk does not, until the outermost batch ends.
        EXPECT_EQ(ini.Find("A", "Key"), "new");
        EXPECT_EQ(ini.Find("C", "added"), "1");
        EXPECT_EQ(ini.Find("B", "x"), std::nullopt);
        EXPECT_EQ(OnDisk(), kOriginal);
        EXPECT_TRUE(outer.Commit());
    }
    ProfileFile fresh(path, ProfileFlavor::IniFile);
    EXPECT_EQ(fresh.Find("A", "Key"), "new");
    EXPECT_EQ(fresh.Find("C", "added"), "1");
    EXPECT_EQ(fresh.Find("B", "x"), std::nullopt);
}

TEST_F(ProfileFileWriteTest, AFailedBatchLeavesTheOldFileAndForgetsItsWrites) {
    struct rlimit old {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    bool committed = true;
    {
        ProfileBatch batch(ini);
        ASSERT_TRUE(ini.WriteString("A", "long", std::string(200, 'x')));
        struct rlimit small = old;
        small.rlim_cur = 64;
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
        committed = batch.Commit();
        setrlimit(RLIMIT_FSIZE, &old);
    }
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(committed);
    EXPECT_EQ(OnDisk(), kOriginal);
    EXPECT_EQ(ini.Find("A", "long"), std::nullopt);
    EXPECT_EQ(ini.Find("A", "Key"), "old");
}

TEST_F(ProfileFileWriteTest, AnAbandonedBatchWritesNothingOfItsOwnOrOfItsOuterBatch) {
    {
        ProfileBatch outer(ini);
        ASSERT_TRUE(ini.DeleteSection("A"));
        {
            ProfileBatch inner(ini);
            ASSERT_TRUE(ini.WriteString("C", "added", "1"));
            inner.Abandon();
        }
        ASSERT_TRUE(ini.WriteString("B", "x", "2"));
        EXPECT_FALSE(outer.Commit());
    }
    EXPECT_EQ(OnDisk(), kOriginal);
    EXPECT_EQ(ini.Find("A", "Key"), "old");
    EXPECT_EQ(ini.Find("C", "added"), std::nullopt);
    {
        ProfileBatch batch(ini);
        ASSERT_TRUE(ini.WriteString("A", "Key", "new"));
        batch.Abandon();
    }
    EXPECT_EQ(ini.Find("A", "Key"), "old");
    // The next batch writes as any other.
    {
        ProfileBatch batch(ini);
        ASSERT_TRUE(ini.WriteString("A", "Key", "new"));
        EXPECT_TRUE(batch.Commit());
    }
    EXPECT_EQ(ProfileFile(path, ProfileFlavor::IniFile).Find("A", "Key"), "new");
}

struct Edit {
    enum Kind { Write, DeleteKey, DeleteSection };
    Kind kind;
    const char* section;
    const char* key = nullptr;
    const char* value = nullptr;
};

struct EditCase {
    const char* name;
    std::string file;
    std::vector<Edit> edits;
    std::string expected;
};

bool ApplyEdit(ProfileFile& ini, const Edit& e) {
    switch (e.kind) {
    case Edit::Write:
        return ini.WriteString(e.section, e.key, e.value);
    case Edit::DeleteKey:
        return ini.DeleteKey(e.section, e.key);
    case Edit::DeleteSection:
        return ini.DeleteSection(e.section);
    }
    return false;
}

// Everything a reader can see of a file: its sections, and the keys and values of each.
void ExpectSameReads(const ProfileFile& got, const ProfileFile& want, const std::string& what) {
    EXPECT_EQ(got.SectionNames(), want.SectionNames()) << what;
    for (const std::string& section : want.SectionNames()) {
        EXPECT_EQ(got.KeyNames(section), want.KeyNames(section)) << what << " [" << section << "]";
        for (const std::string& key : want.KeyNames(section))
            EXPECT_EQ(got.Find(section, key), want.Find(section, key)) << what << " " << key;
    }
}

TEST(ProfileFileEditTest, EditsGiveTheSameFileInsideAndOutsideABatch) {
    using K = Edit::Kind;
    const EditCase cases[] = {
        {"LastEntryDeletedThenKeyAdded",
         "[A]\r\nk=1\r\n;c\r\nj=2\r\n\r\n[B]\r\nx=1\r\n",
         {{K::DeleteKey, "A", "j"}, {K::Write, "A", "n", "3"}},
         "[A]\r\nk=1\r\nn=3\r\n;c\r\n\r\n[B]\r\nx=1\r\n"},
        {"MiddleEntryDeleted",
         "[A]\r\nk=1\r\nj=2\r\nm=3\r\n",
         {{K::DeleteKey, "A", "j"}, {K::Write, "A", "n", "4"}, {K::Write, "A", "k", "9"}},
         "[A]\r\nk=9\r\nm=3\r\nn=4\r\n"},
        {"DeletedKeyWrittenAgainGoesLast",
         "[A]\r\nk=1\r\nj=2\r\n",
         {{K::DeleteKey, "A", "k"}, {K::Write, "A", "K", "5"}},
         "[A]\r\nj=2\r\nK=5\r\n"},
        {"RepeatedKeyAroundOthers",
         "[A]\r\nk=1\r\nj=2\r\n;c\r\nK=3\r\n",
         {{K::DeleteKey, "A", "k"}, {K::Write, "A", "z", "1"}},
         "[A]\r\nj=2\r\nz=1\r\n;c\r\n"},
        {"EveryEntryDeleted",
         "[A]\r\n;top\r\nk=1\r\n;c\r\nj=2\r\n[B]\r\n",
         {{K::DeleteKey, "A", "j"}, {K::DeleteKey, "A", "k"}, {K::Write, "A", "n", "1"}},
         "[A]\r\nn=1\r\n;top\r\n;c\r\n[B]\r\n"},
        {"NewSectionAfterATrailingComment",
         "[A]\r\nk=1\r\n; end\r\n",
         {{K::Write, "B", "x", "1"}, {K::Write, "A", "j", "2"}, {K::Write, "b", "y", "3"}},
         "[A]\r\nk=1\r\nj=2\r\n; end\r\n[B]\r\nx=1\r\ny=3\r\n"},
        {"SectionDeletedThenWrittenAgain",
         "[A]\r\nk=1\r\n; note\r\n[B]\r\nx=1\r\n[a]\r\nk=2\r\n",
         {{K::DeleteSection, "A"}, {K::Write, "B", "y", "2"}, {K::Write, "A", "k", "3"}},
         "; note\r\n[B]\r\nx=1\r\ny=2\r\n[A]\r\nk=3\r\n"},
        {"OnlyTheFirstAppearanceChanges",
         "[A]\r\nk=1\r\n[B]\r\n[A]\r\nj=2\r\n",
         {{K::Write, "A", "j", "3"}, {K::Write, "A", "m", "4"}, {K::DeleteKey, "A", "j"}},
         "[A]\r\nk=1\r\nm=4\r\n[B]\r\n[A]\r\nj=2\r\n"},
        {"KeysBeforeTheFirstSectionAreNoEntries",
         "k=1\r\n[A]\r\n",
         {{K::Write, "A", "k", "2"}, {K::DeleteKey, "A", "k"}, {K::Write, "A", "k", "3"}},
         "k=1\r\n[A]\r\nk=3\r\n"},
        {"AddedAndDeletedInTurn",
         "[A]\r\nk=1\r\n; end\r\n",
         {{K::Write, "A", "a", "1"},
          {K::DeleteKey, "A", "a"},
          {K::Write, "A", "b", "2"},
          {K::Write, "A", "c", "3"},
          {K::DeleteKey, "A", "b"},
          {K::DeleteKey, "A", "c"},
          {K::Write, "A", "d", "4"}},
         "[A]\r\nk=1\r\nd=4\r\n; end\r\n"},
    };
    for (const EditCase& c : cases) {
        TempDir wantDir;
        const ProfileFile want(wantDir.Write("want.ini", c.expected), ProfileFlavor::IniFile);
        for (bool batched : {false, true}) {
            const std::string what = std::string(c.name) + (batched ? " (batch)" : "");
            TempDir dir;
            const std::filesystem::path path = dir.Write("t.ini", c.file);
            ProfileFile ini(path, ProfileFlavor::IniFile);
            {
                std::optional<ProfileBatch> batch;
                if (batched)
                    batch.emplace(ini);
                for (const Edit& e : c.edits)
                    ASSERT_TRUE(ApplyEdit(ini, e)) << what;
                if (batched) {
                    EXPECT_EQ(TempDir::Read(path), c.file) << what;
                    ExpectSameReads(ini, want, what + " before its end");
                    EXPECT_TRUE(batch->Commit()) << what;
                }
            }
            EXPECT_EQ(TempDir::Read(path), c.expected) << what;
            ExpectSameReads(ini, want, what);
        }
    }
}

TEST(ProfileFileRegistryTest, ValuesComeBackExactly) {
    TempDir dir;
    ProfileFile reg(dir.File("key.ini"), ProfileFlavor::Registry);
    const std::string values[] = {"  padded  ",
                                  "\"quoted\"",
                                  "'single'",
                                  "\"",
                                  "",
                                  J("表示\\"),
                                  std::string("\x81\xFF\xA0", 3)};
    int i = 0;
    for (const std::string& v : values) {
        std::string key = "k" + std::to_string(i++);
        ASSERT_TRUE(reg.WriteString("S", key, v)) << key;
        ProfileFile again(dir.File("key.ini"), ProfileFlavor::Registry);
        EXPECT_EQ(again.Find("S", key), v) << key;
    }
}

TEST(ProfileFileRegistryTest, IsUtf8OnDisk) {
    TempDir dir;
    ProfileFile reg(dir.File("key.ini"), ProfileFlavor::Registry);
    ASSERT_TRUE(reg.WriteString(J("特定休日"), "20190430", J("2,国民の休日")));
    EXPECT_EQ(TempDir::Read(dir.File("key.ini")), "[特定休日]\n20190430=2,国民の休日\n");

    // A hand-edited file with a byte-order mark and CR LF reads the same; a rewrite keeps both.
    dir.Write("key.ini", "\xEF\xBB\xBF[公休]\r\n日=1,1,1,1,1\r\n");
    EXPECT_EQ(reg.Find(J("公休"), J("日")), "1,1,1,1,1");
    ASSERT_TRUE(reg.WriteString(J("公休"), J("土"), "0,1,0,1,0"));
    EXPECT_EQ(TempDir::Read(dir.File("key.ini")),
              "\xEF\xBB\xBF[公休]\r\n日=1,1,1,1,1\r\n土=0,1,0,1,0\r\n");
}

TEST(NameListTest, FillsWholeNamesAndAlwaysEndsWithTwoZeros) {
    const std::vector<std::string> names = {"0101", "0211", "", "0429"};
    struct Case {
        std::size_t size;
        std::size_t copied;
    };
    // Each name takes five bytes; the list needs one more for its closing zero.
    for (Case c : {Case{64, 3}, Case{16, 3}, Case{15, 2}, Case{11, 2}, Case{10, 1}, Case{6, 1},
                   Case{5, 0}, Case{2, 0}}) {
        std::vector<char> buffer(c.size, 'x');
        EXPECT_EQ(FillNameList(names, buffer.data(), buffer.size()), c.copied) << c.size;
        EXPECT_EQ(buffer[c.size - 1], '\0') << c.size;
        EXPECT_EQ(buffer[c.size - 2], '\0') << c.size;
        std::vector<std::string> back = SplitNameList(buffer.data(), buffer.size());
        EXPECT_EQ(back.size(), c.copied) << c.size;
        EXPECT_EQ(NamesThatFit(names, c.size), back) << c.size;
    }
    EXPECT_EQ(FillNameList(names, nullptr, 10), 0u);
}

TEST(NameListTest, LeavesOutNamesThatWouldCutTheList) {
    using namespace std::string_literals;
    // Zero bytes at the start, inside and at the end of a name: each would end or split the list.
    const std::vector<std::string> names = {"\0"s, "01\0"s, "a\0b"s, "0101", "\0x"s, "0211"};
    char buffer[32];
    EXPECT_EQ(FillNameList(names, buffer, sizeof buffer), 2u);
    EXPECT_EQ(SplitNameList(buffer, sizeof buffer), (std::vector<std::string>{"0101", "0211"}));
    EXPECT_EQ(NamesThatFit(names, sizeof buffer), (std::vector<std::string>{"0101", "0211"}));
}

} // namespace
} // namespace tembra
