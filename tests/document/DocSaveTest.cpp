// Saving a chart: a save killed anywhere in the write or failing leaves the previous file and the
// locks as they were and tells why; the file replaced is kept in the program folder; File > Save
// asks before it writes over the file, and says why a file it may not write is not written.
#include "DocFileFixture.h"

#include "document/DocFileRequests.h"
#include "document/LockFiles.h"
#include "platform/Sjis.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <string>
#include <vector>

namespace tembra {
namespace {

namespace fs = std::filesystem;

// Status texts as they come, and the end of the process at the n-th one of the save.
class KillingUi : public test::ScriptedUi {
public:
    void SetStatusText(const std::string& text) override {
        if (countdown > 0 && --countdown == 0) {
            ::raise(SIGKILL);
        }
        ScriptedUi::SetStatusText(text);
    }
    int countdown = 0;
};

class DocSaveTest : public test::DocFileFixture {
protected:
    // A chart big enough that its file is written in many blocks, saved as the previous file.
    fs::path Previous(const std::string& name) {
        auto doc = NewChart();
        const CTime start = doc->GetSyokiSet().GetStartDate();
        for (int i = 0; i < 400; ++i) {
            CChartPos pos;
            pos.SetStartDate(start + CTimeSpan(i % 20, 0, 0, 0));
            pos.SetEndDate(start + CTimeSpan(i % 20 + 2, 0, 0, 0));
            pos.SetStartRow(static_cast<WORD>(i));
            pos.SetEndRow(static_cast<WORD>(i));
            doc->AddObj(doc->CreateKoutei(&pos).release(), FALSE);
        }
        const fs::path path = files.File(name);
        EXPECT_TRUE(doc->OnSaveDocument(path.string()));
        return path;
    }
    // Runs body in a child process; its exit status (or the signal that ended it).
    template <class Body> int InChild(Body body) {
        const pid_t child = ::fork();
        if (child == 0) {
            ::_exit(body());
        }
        int status = 0;
        EXPECT_EQ(::waitpid(child, &status, 0), child);
        return status;
    }
};

TEST_F(DocSaveTest, ASaveKilledAnywhereInTheWriteLeavesThePreviousFile) {
    const fs::path path = Previous("chart.tbr");
    const std::string previous = ReadBytes(path);
    const auto leftovers = [&]() {
        int count = 0;
        for (const auto& entry : fs::directory_iterator(files.Path())) {
            count += entry.path().filename().string().starts_with(".chart.tbr.") ? 1 : 0;
        }
        return count;
    };
    // The texts of the stages of the write: calendar, settings, print header, items,
    // processes, progress lines, shapes, embedded items, and the end of the stream (everything
    // written, not yet in place).
    for (int stage = 1; stage <= 9; ++stage) {
        SCOPED_TRACE(stage);
        const int status = InChild([&] {
            CTembraDoc doc;
            if (!doc.OnOpenDocument(path.string())) {
                return 2;
            }
            doc.GetSyokiSet().SetLastRow(123);
            KillingUi killer;
            killer.countdown = stage;
            SetUiServices(&killer);
            doc.OnSaveDocument(path.string());
            return 3; // the save ran to its end
        });
        ASSERT_TRUE(WIFSIGNALED(status)) << status;
        EXPECT_EQ(WTERMSIG(status), SIGKILL);
        EXPECT_TRUE(SameBytes(ReadBytes(path), previous));
        // What the killed writer left lies beside the file, never in its place; the next save
        // (the next stage's) removed the one before.
        EXPECT_EQ(leftovers(), 1);
    }
    CTembraDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(path.string()));
    ASSERT_TRUE(doc.OnSaveDocument(path.string()));
    EXPECT_EQ(leftovers(), 0);
}

TEST_F(DocSaveTest, AFailedSaveKeepsTheFileAndTheLocksAndTellsWhy) {
    const fs::path path = Previous("a.tbr");
    const std::string previous = ReadBytes(path);
    const fs::path other = files.File("b.tbr");
    int report[2];
    ASSERT_EQ(::pipe(report), 0);
    const int status = InChild([&] {
        ::close(report[0]);
        test::ScriptedUi told;
        SetUiServices(&told);
        CTembraDoc doc;
        if (!doc.OnOpenDocument(path.string())) {
            return 2;
        }
        doc.SetPathName(path.string());
        // No file may grow beyond a few blocks: the write fails part way.
        const rlimit limit{8192, 8192};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        std::signal(SIGXFSZ, SIG_IGN);
        const BOOL asOwn = doc.DoSave(path.string(), TRUE);
        const BOOL asOther = doc.DoSave(other.string(), TRUE);
        std::string texts;
        for (const auto& box : told.MessageBoxes()) {
            texts += box.text + "|";
        }
        static_cast<void>(::write(report[1], texts.data(), texts.size()));
        ::close(report[1]);
        return asOwn == FALSE && asOther == FALSE && doc.GetPathName() == path.string() ? 0 : 1;
    });
    ::close(report[1]);
    std::string texts;
    char buffer[256];
    for (ssize_t n; (n = ::read(report[0], buffer, sizeof buffer)) > 0;) {
        texts.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(report[0]);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    const std::string reason = "保存に失敗しました。\n" + std::string(std::strerror(EFBIG)) + "|";
    EXPECT_EQ(texts, reason + reason);
    EXPECT_TRUE(SameBytes(ReadBytes(path), previous));
    EXPECT_FALSE(fs::exists(other));
    // The chart's own lock is held still; the other name's went with the failed save.
    EXPECT_EQ(ReadBytes(LockFilePath(path)).substr(0, 15), kOwner);
    EXPECT_FALSE(fs::exists(LockFilePath(other)));
}

TEST_F(DocSaveTest, TheCauseOfAFailedSave) {
    struct Case {
        int error;
        const char* text; // nullptr: nothing shown
    };
    const std::string diskFull =
        "ディスクの空き容量が不足しているため保存に失敗しました。\n保存先の"
        "ドライブを変更するか、もしくはＦＤを入れ替えて保存し直して下さい。\n";
    const std::string denied = "保存に失敗しました。\n" + std::string(std::strerror(EACCES));
    const Case cases[] = {
        {ENOSPC, diskFull.c_str()},
        {EDQUOT, diskFull.c_str()},
        {EACCES, denied.c_str()},
        {-1, nullptr},
    };
    for (const Case& c : cases) {
        ui->ClearRecords();
        CTembraDoc::ReportSaveFailure(c.error);
        if (c.text == nullptr) {
            EXPECT_TRUE(MessageTexts().empty()) << c.error;
        } else {
            EXPECT_EQ(MessageTexts(), std::vector<std::string>{c.text}) << c.error;
        }
    }
}

TEST_F(DocSaveTest, TheFileReplacedIsKeptInTheProgramFolder) {
    const fs::path path = Previous("kept.tbr");
    const std::string previous = ReadBytes(path);
    CTembraDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(path.string()));
    doc.SetPathName(path.string());
    doc.GetSyokiSet().SetLastRow(77);
    ASSERT_TRUE(doc.DoSave(path.string(), TRUE));
    EXPECT_TRUE(SameBytes(ReadBytes(paths.Writable() / "~BackUp.tbr"), previous));
    EXPECT_FALSE(SameBytes(ReadBytes(path), previous));
    EXPECT_TRUE(Messages().empty()) << "its own lock is held over the save";
}

TEST_F(DocSaveTest, FileSaveAsksBeforeItWritesOverTheFile) {
    const fs::path path = Previous("asked.tbr");
    const std::string previous = ReadBytes(path);
    CTembraDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(path.string()));
    doc.SetPathName(path.string());
    doc.GetSyokiSet().SetLastRow(88);
    doc.SetModifiedFlag(TRUE);
    ui->QueueAnswer(IDNO);
    doc.OnFileSave();
    EXPECT_EQ(Messages(), std::vector<UINT>{5120});
    EXPECT_TRUE(SameBytes(ReadBytes(path), previous));
    EXPECT_TRUE(doc.IsModified());

    ui->QueueAnswer(IDYES);
    doc.OnFileSave();
    EXPECT_FALSE(doc.IsModified());
    CTembraDoc back;
    ASSERT_TRUE(back.OnOpenDocument(path.string()));
    EXPECT_EQ(back.GetSyokiSet().GetLastRow(), 88);

    // A chart without a file asks for a name instead.
    auto untitled = NewChart();
    ui->ClearRecords();
    const fs::path named = files.File("named.tbr");
    ui->OnDialog("FileDialog", [named](DialogRequest& r) {
        auto& file = static_cast<FileDialogRequest&>(r);
        EXPECT_FALSE(file.open);
        file.path = named.string();
        return IDOK;
    });
    untitled->OnFileSave();
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(untitled->GetPathName(), named.string());
    EXPECT_TRUE(fs::exists(named));

    // An older form chosen in the dialog leaves the chart modified.
    state.SetSaveVersion(41001);
    EXPECT_TRUE(untitled->OnFileSaveAs());
    EXPECT_TRUE(untitled->IsModified());
    state.SetSaveVersion(kCurrentFileVersion);
}

TEST_F(DocSaveTest, AFileThatMayNotBeWrittenIsSaidSoBeforeAnotherNameIsAsked) {
    const fs::path path = Previous("fixed.tbr");
    CTembraDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(path.string()));
    doc.SetPathName(path.string());
    doc.SetModifiedFlag(TRUE);
    const std::string previous = ReadBytes(path);
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    ui->ClearRecords();
    // The user answers Yes, then chooses the same name in the save dialog.
    std::size_t shownBeforeDialog = 0;
    ui->OnDialog("FileDialog", [&](DialogRequest& r) {
        shownBeforeDialog = MessageTexts().size();
        static_cast<FileDialogRequest&>(r).path = path.string();
        return IDOK;
    });
    ui->QueueAnswer(IDYES);
    {
        // The superuser may write anything: the save runs as a user who may not.
        const uid_t user = ::geteuid();
        ASSERT_TRUE(user != 0 || ::seteuid(65534) == 0);
        doc.OnFileSave();
        ASSERT_TRUE(user != 0 || ::seteuid(0) == 0);
    }
    const std::string denied = "保存に失敗しました。\n" + std::string(std::strerror(EACCES));
    EXPECT_EQ(MessageTexts(), (std::vector<std::string>{"上書きしますか？", denied, denied}));
    EXPECT_EQ(shownBeforeDialog, 2u);
    EXPECT_TRUE(SameBytes(ReadBytes(path), previous));
    EXPECT_TRUE(doc.IsModified());
}

} // namespace
} // namespace tembra
