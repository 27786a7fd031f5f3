// The auto-save of the open charts and their recovery after a crash: the control file and the
// copies step by step, the provisional names, the copies a crash leaves behind, a recovered
// chart whose file another user holds, and a control file listing thousands of lost copies.
#include "DocFileFixture.h"

#include "document/LockFiles.h"
#include "model/Shigen.h"
#include "platform/Profile.h"
#include "platform/Sjis.h"

#include "document/DocFileRequests.h"

#include <gtest/gtest.h>

#include <sys/inotify.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <string>
#include <vector>

namespace tembra {
namespace {

namespace fs = std::filesystem;

class DocAutoSaveTest : public test::DocFileFixture {
protected:
    fs::path Control() const { return paths.Writable() / "AUTOCTRL.FNM"; }
    // The key of entry n, "TBRT%04d", and its copy.
    static std::string Key(int n) {
        std::string digits = std::to_string(n);
        return "TBRT" + std::string(digits.size() < 4 ? 4 - digits.size() : 0, '0') + digits;
    }
    fs::path Copy(int n) const { return paths.Writable() / (Key(n) + ".T_P"); }
    // A new chart under the title the program gives its n-th new chart.
    std::unique_ptr<CTembraDoc> Untitled(int n) {
        auto doc = NewChart();
        doc->SetTitle(Sjis::FromUtf8("無題") + std::to_string(n));
        return doc;
    }
    // The program's open of a recovered copy.
    CAppState::OpenDocumentFn Opener(std::vector<std::unique_ptr<CTembraDoc>>& opened) {
        return [&opened](const std::string& path) -> CTembraDoc* {
            auto doc = std::make_unique<CTembraDoc>();
            if (!doc->OnOpenDocument(path)) {
                return nullptr;
            }
            doc->SetPathName(path);
            opened.push_back(std::move(doc));
            return opened.back().get();
        };
    }
};

TEST_F(DocAutoSaveTest, TheStepsOfARunAndItsCrash) {
    auto a = Untitled(1);
    auto b = NewChart();
    const fs::path bPath = files.File("b.tbr");
    ASSERT_TRUE(b->OnSaveDocument(bPath.string()));
    b->SetPathName(bPath.string());
    b->GetSyokiSet().SetLastRow(55);

    // Change A, change B, tick.
    a->SetChangedFlag(TRUE);
    b->SetChangedFlag(TRUE);
    ui->ClearRecords();
    state.AutoSave({a.get(), b.get()});
    EXPECT_EQ(ui->StatusTexts().front(), Sjis::FromUtf8("自動保存 実行中・・・"));
    EXPECT_EQ(ReadBytes(Control()), "[AutoSave]\r\nTBRT0001=無題1._p$\r\nTBRT0002=" +
                                        bPath.string() + "\r\n[Control]\r\nFileCount=2\r\n");
    EXPECT_TRUE(fs::exists(Copy(1)));
    EXPECT_TRUE(fs::exists(Copy(2)));
    EXPECT_FALSE(a->GetChangedFlag());
    EXPECT_EQ(a->GetAutoSavePath(), Copy(1).string());

    // Close A: its copy and entry go.
    a->OnCloseDocument();
    a.reset();
    EXPECT_FALSE(fs::exists(Copy(1)));

    // Change C, tick: C takes the free entry; B did not change and is not written again.
    auto c = Untitled(3);
    c->SetChangedFlag(TRUE);
    const auto bCopyTime = fs::last_write_time(Copy(2));
    state.AutoSave({b.get(), c.get()});
    EXPECT_EQ(ReadBytes(Control()), "[AutoSave]\r\nTBRT0002=" + bPath.string() +
                                        "\r\nTBRT0001=無題3._p$\r\n[Control]\r\nFileCount=2\r\n");
    EXPECT_EQ(fs::last_write_time(Copy(2)), bCopyTime);
    EXPECT_TRUE(fs::exists(Copy(1)));

    // Crash: the charts go without being closed. The next start offers the copies and opens
    // them again.
    b.reset();
    c.reset();
    EXPECT_TRUE(state.HasAutoSaveFiles());
    EXPECT_EQ(Messages(), std::vector<UINT>{5102});
    std::vector<std::unique_ptr<CTembraDoc>> opened;
    state.RecoverAutoSaveFiles(Opener(opened));
    ASSERT_EQ(opened.size(), 2u);
    // TBRT0001: the untitled chart under its old name.
    EXPECT_TRUE(opened[0]->GetPathName().empty());
    EXPECT_TRUE(opened[0]->GetTitle().starts_with(Sjis::FromUtf8("無題3")));
    EXPECT_TRUE(opened[0]->IsModified());
    EXPECT_EQ(opened[0]->GetAutoSavePath(), Copy(1).string());
    // TBRT0002: the named chart at its path, locked there, the copy's lock released.
    EXPECT_EQ(opened[1]->GetPathName(), bPath.string());
    EXPECT_EQ(opened[1]->GetSyokiSet().GetLastRow(), 55);
    EXPECT_TRUE(opened[1]->IsModified());
    EXPECT_TRUE(fs::exists(LockFilePath(bPath)));
    EXPECT_FALSE(fs::exists(LockFilePath(Copy(2))));
    EXPECT_FALSE(state.IsAutoSaving());

    // A normal exit removes the copies and the control file.
    state.RemoveAllAutoSaveFiles();
    EXPECT_FALSE(fs::exists(Copy(1)));
    EXPECT_FALSE(fs::exists(Copy(2)));
    EXPECT_FALSE(fs::exists(Control()));
}

TEST_F(DocAutoSaveTest, ACopyWithoutTheFirstEntryIsStillFoundAndRemoved) {
    auto a = Untitled(1);
    auto b = Untitled(2);
    a->SetChangedFlag(TRUE);
    b->SetChangedFlag(TRUE);
    state.AutoSave({a.get(), b.get()});
    a->OnCloseDocument();
    // A crash with TBRT0002 alone; then its count lost too.
    for (const bool withCount : {true, false}) {
        SCOPED_TRACE(withCount);
        if (!withCount) {
            WritePrivateProfileString("Control", "FileCount", nullptr, Control());
        }
        ui->ClearRecords();
        EXPECT_TRUE(state.HasAutoSaveFiles());
        std::vector<std::unique_ptr<CTembraDoc>> opened;
        state.RecoverAutoSaveFiles(Opener(opened));
        ASSERT_EQ(opened.size(), 1u);
        EXPECT_TRUE(opened[0]->GetTitle().starts_with(Sjis::FromUtf8("無題2")));
    }
    state.RemoveAllAutoSaveFiles();
    EXPECT_FALSE(fs::exists(Copy(2)));
    EXPECT_FALSE(state.HasAutoSaveFiles());
}

// A damaged control file with a huge count and a huge entry number: the walks go over the entries
// that are there (without the fix they counted up to two thousand million).
TEST_F(DocAutoSaveTest, AHugeCountOrEntryNumberIsWalkedOnlyWhereEntriesStand) {
    auto a = Untitled(1);
    a->SetChangedFlag(TRUE);
    state.AutoSave({a.get()});
    a.reset();
    // The crash left TBRT0001; the file was then damaged.
    WritePrivateProfileString("Control", "FileCount", "2000000000", Control());
    WritePrivateProfileString("AutoSave", "TBRT99999999", "/x/lost.tbr", Control());

    ui->ClearRecords();
    EXPECT_TRUE(state.HasAutoSaveFiles());
    std::vector<std::unique_ptr<CTembraDoc>> opened;
    state.RecoverAutoSaveFiles(Opener(opened));
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_TRUE(opened[0]->GetTitle().starts_with(Sjis::FromUtf8("無題1")));
    EXPECT_EQ(GetPrivateProfileString("AutoSave", "TBRT99999999", "", 256, Control()), "")
        << "a copy that is not there loses its entry";
    state.RemoveAllAutoSaveFiles();
    EXPECT_FALSE(fs::exists(Copy(1)));
    EXPECT_FALSE(fs::exists(Control()));
}

TEST_F(DocAutoSaveTest, ACopyThatCannotBeOpenedLosesItsEntry) {
    auto a = Untitled(1);
    a->SetChangedFlag(TRUE);
    state.AutoSave({a.get()});
    WriteBytes(Copy(1), "damaged");
    std::vector<std::unique_ptr<CTembraDoc>> opened;
    state.RecoverAutoSaveFiles(Opener(opened));
    EXPECT_TRUE(opened.empty());
    EXPECT_FALSE(state.HasAutoSaveFiles());
    EXPECT_TRUE(fs::exists(Copy(1))) << "the file stays";
}

// Another user opened the chart's file after the crash: the recovered chart is read-only, as a
// normal open would make it, and its contents go under another name, never over that file.
TEST_F(DocAutoSaveTest, ARecoveredChartWhoseFileAnotherUserHoldsIsReadOnly) {
    auto b = NewChart();
    const fs::path bPath = files.File("b.tbr");
    ASSERT_TRUE(b->OnSaveDocument(bPath.string()));
    b->SetPathName(bPath.string());
    b->GetSyokiSet().SetLastRow(55);
    b->SetChangedFlag(TRUE);
    state.AutoSave({b.get()});
    b.reset(); // the crash
    std::string otherLock = "other [host-b]";
    otherLock.resize(kLockFileSize, '\0');
    WriteBytes(LockFilePath(bPath), otherLock);
    const std::string fileBytes = ReadBytes(bPath);

    ui->ClearRecords();
    std::vector<std::unique_ptr<CTembraDoc>> opened;
    state.RecoverAutoSaveFiles(Opener(opened));
    ASSERT_EQ(opened.size(), 1u);
    CTembraDoc& recovered = *opened[0];
    EXPECT_EQ(Messages(), (std::vector<UINT>{5086, 5085}));
    EXPECT_TRUE(recovered.IsReadOnly());
    EXPECT_TRUE(recovered.IsModified());
    EXPECT_EQ(recovered.GetPathName(), bPath.string());

    // Save: refused under its own name, then the dialog asks for another; the file's own name is
    // refused there too.
    const fs::path other = files.File("other.tbr");
    std::vector<std::string> names = {bPath.string(), other.string()};
    ui->OnDialog("FileDialog", [&names](DialogRequest& r) {
        if (names.empty()) {
            return IDCANCEL;
        }
        auto& file = static_cast<FileDialogRequest&>(r);
        file.path = names.front();
        names.erase(names.begin());
        return IDOK;
    });
    ui->ClearRecords();
    recovered.OnFileSave();
    EXPECT_EQ(Messages(), (std::vector<UINT>{5139, 5033}));
    EXPECT_TRUE(recovered.IsModified());
    recovered.OnFileSave();
    EXPECT_FALSE(recovered.IsModified());
    EXPECT_EQ(recovered.GetPathName(), other.string());
    EXPECT_TRUE(SameBytes(ReadBytes(bPath), fileBytes));
    EXPECT_EQ(ReadBytes(LockFilePath(bPath)), otherLock);
    CTembraDoc back;
    ASSERT_TRUE(back.OnOpenDocument(other.string()));
    EXPECT_EQ(back.GetSyokiSet().GetLastRow(), 55);
}

// How often a file of a folder is put in place (written, or renamed onto its name).
class FileWriteCounter {
public:
    FileWriteCounter(const fs::path& folder, std::string name)
        : m_fd(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC)), m_name(std::move(name)) {
        EXPECT_GE(m_fd, 0);
        EXPECT_GE(::inotify_add_watch(m_fd, folder.c_str(), IN_CLOSE_WRITE | IN_MOVED_TO), 0);
    }
    ~FileWriteCounter() { ::close(m_fd); }
    FileWriteCounter(const FileWriteCounter&) = delete;
    FileWriteCounter& operator=(const FileWriteCounter&) = delete;

    // The writes since the last call; more than the events kept count as many.
    int Take() {
        alignas(inotify_event) std::array<char, 1 << 16> buffer{};
        int writes = 0;
        for (;;) {
            const ssize_t n = ::read(m_fd, buffer.data(), buffer.size());
            if (n <= 0) {
                return writes;
            }
            for (ssize_t at = 0; at < n;) {
                const auto* event = reinterpret_cast<const inotify_event*>(buffer.data() + at);
                if ((event->mask & IN_Q_OVERFLOW) != 0) {
                    writes += 1 << 20;
                } else if (event->len > 0 && m_name == event->name) {
                    ++writes;
                }
                at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
            }
        }
    }

private:
    int m_fd;
    std::string m_name;
};

// A damaged control file lists thousands of copies that are gone: one pass drops their entries,
// the control file is written once, and one message names the copies.
TEST_F(DocAutoSaveTest, ThousandsOfLostCopiesCostOneWriteAndOneMessage) {
    constexpr int kLost = 16000;
    constexpr int kListed = 20;
    auto a = Untitled(1);
    a->SetChangedFlag(TRUE);
    state.AutoSave({a.get()});
    a.reset();
    std::string control = ReadBytes(Control());
    std::string entries;
    for (int n = 2; n <= kLost + 1; ++n) {
        entries += Key(n) + "=/x/lost" + std::to_string(n) + ".tbr\r\n";
    }
    control.insert(control.find("[Control]"), entries);
    WriteBytes(Control(), control);

    FileWriteCounter writes(Control().parent_path(), Control().filename().string());
    ui->ClearRecords();
    std::vector<std::unique_ptr<CTembraDoc>> opened;
    state.RecoverAutoSaveFiles(Opener(opened));
    EXPECT_EQ(writes.Take(), 1);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_TRUE(opened[0]->GetTitle().starts_with(Sjis::FromUtf8("無題1")));

    ASSERT_EQ(ui->MessageBoxes().size(), 1u);
    std::string expected = "ファイルを開けませんでした。";
    for (int n = 2; n < 2 + kListed; ++n) {
        expected += "\n" + Copy(n).string();
    }
    expected += "\nほか" + std::to_string(kLost - kListed) + "件";
    EXPECT_EQ(ui->MessageBoxes()[0].text, expected);

    // The recovered copy keeps its entry; the lost ones are gone.
    EXPECT_EQ(GetPrivateProfileKeyNames("AutoSave", 1 << 20, Control()),
              std::vector<std::string>{"TBRT0001"});
    EXPECT_FALSE(state.IsAutoSaving());
}

TEST_F(DocAutoSaveTest, ACopyKeepsTheSelectionAndTheCurrentForm) {
    auto a = Untitled(1);
    CChartPos pos;
    pos.SetStartDate(a->GetSyokiSet().GetStartDate());
    pos.SetEndDate(a->GetSyokiSet().GetStartDate() + CTimeSpan(2, 0, 0, 0));
    a->AddObj(a->CreateKoutei(&pos).release(), FALSE);
    a->AddObj(a->CreateKoutei(&pos).release(), FALSE);
    a->SelectLastObj();
    // A copy made for a paste waits in the clipboard with its resource names.
    state.GetObjectClipboard().AddTail(a->GetEvents().CreateEvent().release());
    state.GetShigenNameClipboard().push_back(std::make_unique<CShigenName>(1, 2, "X"));
    // The save dialog chose an old form for the next save; a copy holds everything.
    state.SetSaveVersion(40000);
    state.AutoSave({a.get()});
    state.SetSaveVersion(kCurrentFileVersion);
    EXPECT_EQ(a->GetSelCount(), 1) << "an auto-save leaves the selection";
    EXPECT_EQ(state.GetObjectClipboard().GetCount(), 1);
    EXPECT_EQ(state.GetShigenNameClipboard().size(), 1u) << "and the clipboard";
    EXPECT_TRUE(ReadBytes(Copy(1)).find("Ver.05.80.00") != std::string::npos);

    std::vector<std::unique_ptr<CTembraDoc>> opened;
    state.RecoverAutoSaveFiles(Opener(opened));
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0]->GetObjCount(), 2) << "both processes, deselected";
    EXPECT_EQ(opened[0]->GetSelCount(), 0);
}

TEST_F(DocAutoSaveTest, ProvisionalNamesAreCutOnACharacterBoundary) {
    struct Case {
        const char* title;
        const char* name;
    };
    const Case cases[] = {
        {"無題1", "無題1._p$"},
        {"abcdefghij", "abcdefgh._p$"},
        {"x工程表です", "x工程表._p$"}, // 8 bytes would split the fourth character
        {"ab#cd", "ab._p$"},
        {"a;b", "a._p$"},
        {"表示", "表示._p$"}, // the second byte of 表 is '\\'
    };
    for (const Case& c : cases) {
        auto doc = NewChart();
        doc->CDocument::SetTitle(Sjis::FromUtf8(c.title));
        EXPECT_EQ(doc->GetAutoSaveName(), c.name) << c.title;
    }
}

} // namespace
} // namespace tembra
