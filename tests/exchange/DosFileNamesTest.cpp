// The names and locks of a chart read from a file under another name (a DOS pair, a backup) or
// written as a DOS pair: the name such a chart takes is not its file while a file of that name
// is there, so its first save asks for a name; a DOS pair beside the chart's own file shares its
// lock, which the save keeps without a word.
#include "ExchangeFixture.h"

#include "document/DocFileRequests.h"
#include "document/LockFiles.h"
#include "platform/SaveRequests.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace tembra {
namespace {

namespace fs = std::filesystem;

constexpr UINT IDS_OVERWRITE = 5120;
constexpr UINT IDS_OWN_LOCK = 5073;
constexpr UINT IDS_LOCKED_BY = 5086;

class DosFileNamesTest : public test::ExchangeFixture {
protected:
    // A chart of the defaults whose last row tells it apart, written to the file.
    void Write(const std::string& name, WORD lastRow) {
        auto document = NewChart();
        document->GetSyokiSet().SetLastRow(lastRow);
        ASSERT_TRUE(document->OnSaveDocument(files.File(name).string()));
    }
    std::string Bytes(const std::string& name) { return test::TempDir::Read(files.File(name)); }
    // The save dialog answers with the name (empty: Cancel); the names it proposed are kept.
    void AnswerSaveDialog(const std::string& name) {
        ui->OnDialog("FileDialog", [this, name](DialogRequest& r) {
            auto& file = static_cast<FileDialogRequest&>(r);
            proposed.push_back(file.path);
            if (name.empty()) {
                return IDCANCEL;
            }
            file.path = files.File(name).string();
            return IDOK;
        });
    }
    // The lock file beside a name naming the owner, as a run that ended without closing the
    // chart leaves it.
    void LeaveLock(const std::string& name, const std::string& owner) {
        std::string bytes = owner;
        bytes.resize(kLockFileSize, '\0');
        std::ofstream(LockFilePath(files.File(name)), std::ios::binary) << bytes;
    }
    std::vector<std::string> proposed;
};

TEST_F(DosFileNamesTest, TheFirstSaveOfABorrowedNameThatIsAnothersFileAsksForAName) {
    enum class Save { FileSave, CloseYes };
    struct Case {
        const char* name;
        const char* opened; // the file read: "site.phd" (a DOS pair) or "site.tbrbk" (a backup)
        bool tbrThere;      // a chart site.tbr exists beside it
        Save save;
        bool asksName;   // the save dialog comes, proposing site.tbr
        bool savedToTbr; // site.tbr holds the opened chart afterwards
    };
    const Case cases[] = {
        {"DOS pair, Save, site.tbr there", "site.phd", true, Save::FileSave, true, false},
        {"DOS pair, close Yes, site.tbr there", "site.phd", true, Save::CloseYes, true, false},
        {"backup, Save, site.tbr there", "site.tbrbk", true, Save::FileSave, true, false},
        {"DOS pair, close Yes, the name free", "site.phd", false, Save::CloseYes, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (const char* name : {"site.tbr", "site.phd", "site.pdt", "site.tbrbk"}) {
            fs::remove(files.File(name));
        }
        Write(c.opened, 44);
        if (c.tbrThere) {
            Write("site.tbr", 77);
        }
        const std::string before = c.tbrThere ? Bytes("site.tbr") : std::string();
        proposed.clear();
        AnswerSaveDialog("");
        ui->OnDialog("SaveChanges", [](DialogRequest& r) {
            static_cast<SaveChangesRequest&>(r).answer = IDYES;
            return IDOK;
        });
        ui->ClearRecords();

        auto document = Open(files.File(c.opened));
        ASSERT_NE(document, nullptr);
        EXPECT_EQ(document->GetPathName(), files.File("site.tbr").string());
        ASSERT_TRUE(document->IsModified());
        // A copy the auto-save makes meanwhile comes back untitled after a crash, not as site.tbr.
        EXPECT_TRUE(document->GetAutoSaveName().ends_with("._p$")) << document->GetAutoSaveName();
        if (c.save == Save::FileSave) {
            document->OnFileSave();
        } else {
            EXPECT_EQ(document->SaveModified(), c.savedToTbr ? TRUE : FALSE);
        }
        EXPECT_EQ(proposed, c.asksName ? std::vector<std::string>{files.File("site.tbr").string()}
                                       : std::vector<std::string>{});
        const std::vector<UINT> shown = Messages();
        EXPECT_EQ(std::count(shown.begin(), shown.end(), IDS_OVERWRITE), 0);
        if (c.tbrThere) {
            EXPECT_TRUE(Bytes("site.tbr") == before) << "the other chart is left as it was";
        }
        if (c.savedToTbr) {
            auto back = Open(files.File("site.tbr"));
            ASSERT_NE(back, nullptr);
            EXPECT_EQ(back->GetSyokiSet().GetLastRow(), 44);
        }
        document->OnCloseDocument();
    }
}

TEST_F(DosFileNamesTest, OnceSavedTheChartsNameIsItsOwn) {
    Write("site.phd", 44);
    Write("site.tbr", 77);
    auto document = Open(files.File("site.phd"));
    ASSERT_NE(document, nullptr);
    // The user takes the name the dialog proposes, over the other chart.
    AnswerSaveDialog("site.tbr");
    document->OnFileSave();
    ASSERT_EQ(proposed.size(), 1u);
    EXPECT_FALSE(document->IsModified());
    EXPECT_EQ(document->GetAutoSaveName(), files.File("site.tbr").string());
    EXPECT_EQ(Open(files.File("site.tbr"))->GetSyokiSet().GetLastRow(), 44);

    // From now on Save writes the chart's file after the usual question, as for any chart.
    proposed.clear();
    ui->ClearRecords();
    document->GetSyokiSet().SetLastRow(45);
    document->SetModifiedFlag(TRUE);
    ui->QueueAnswer(IDYES);
    document->OnFileSave();
    EXPECT_TRUE(proposed.empty());
    EXPECT_EQ(Messages(), std::vector<UINT>{IDS_OVERWRITE});
    EXPECT_EQ(Open(files.File("site.tbr"))->GetSyokiSet().GetLastRow(), 45);

    // Saved as a DOS pair beside its own file, the chart keeps that file as its own.
    AnswerSaveDialog("site.phd");
    ASSERT_TRUE(document->OnFileSaveAs());
    EXPECT_EQ(document->GetPathName(), files.File("site.tbr").string());
    proposed.clear();
    ui->ClearRecords();
    ui->QueueAnswer(IDYES);
    document->OnFileSave();
    EXPECT_TRUE(proposed.empty());
    EXPECT_EQ(Messages(), std::vector<UINT>{IDS_OVERWRITE});
    document->OnCloseDocument();
}

TEST_F(DosFileNamesTest, ADosSaveBesideTheChartsOwnFileKeepsItsLockWithoutAWord) {
    struct Case {
        const char* name;
        const char* opened;    // the chart's file ("K.phd" opens under the name K.tbr)
        const char* savedAs;   // the DOS pair chosen in Save As
        const char* lockOwner; // the owner of a lock beside savedAs before the save, if any
        std::vector<UINT> messages;
        bool saved;
        bool ownLockKept; // K.$$$ is there after the save
    };
    const Case cases[] = {
        {"a chart saved as its own DOS pair", "K.tbr", "K.phd", nullptr, {}, true, true},
        {"a DOS pair saved over itself", "K.phd", "K.phd", nullptr, {}, true, true},
        // The message keeps its place: a lock this user left behind under the other name.
        {"another name, a lock a crash left",
         "K.tbr",
         "L.phd",
         "tester [host-a]",
         {IDS_OWN_LOCK},
         true,
         false},
        {"another name another user holds",
         "K.tbr",
         "L.phd",
         "other [host-b]",
         {IDS_LOCKED_BY},
         false,
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (const auto& entry : fs::directory_iterator(files.Path())) {
            fs::remove(entry.path());
        }
        Write(c.opened, 44);
        if (c.lockOwner != nullptr) {
            LeaveLock(c.savedAs, c.lockOwner);
        }
        auto document = Open(files.File(c.opened));
        ASSERT_NE(document, nullptr);
        ASSERT_TRUE(fs::exists(files.File("K.$$$")));
        ui->ClearRecords();
        AnswerSaveDialog(c.savedAs);
        EXPECT_EQ(document->OnFileSaveAs(), c.saved ? TRUE : FALSE);
        EXPECT_EQ(Messages(), c.messages);
        EXPECT_EQ(fs::exists(files.File(c.savedAs)), c.saved);
        EXPECT_EQ(fs::exists(files.File("K.$$$")), c.ownLockKept);
        if (c.saved) {
            // The chart holds the lock of the name it now has, and its close gives it up.
            const fs::path lock = LockFilePath(document->GetPathName());
            EXPECT_TRUE(fs::exists(lock));
            document->OnCloseDocument();
            EXPECT_FALSE(fs::exists(lock));
        } else {
            document->OnCloseDocument();
        }
    }
}

} // namespace
} // namespace tembra
