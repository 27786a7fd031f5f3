// Opening and closing a chart file: the reasons a file is refused, the backup extension, the
// lock files of other users and of oneself, the read-only mode, the questions at the close, a
// Windows file whose embedded items cannot be read, and the open that converts a chart to the
// safety-and-health plan's layout.
#include "DocFileFixture.h"

#include "chart/Chart.h"
#include "document/DocFileRequests.h"
#include "document/LockFiles.h"
#include "model/KtkmHatch.h"
#include "platform/SaveRequests.h"
#include "platform/Sjis.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tembra {
namespace {

namespace fs = std::filesystem;

class DocOpenCloseTest : public test::DocFileFixture {
protected:
    // A chart with a process, a resource chart and a hatching, saved at the version.
    fs::path SaveSample(const std::string& name, int version = kCurrentFileVersion) {
        auto doc = NewChart();
        CChartPos pos;
        pos.SetStartDate(doc->GetSyokiSet().GetStartDate());
        pos.SetEndDate(doc->GetSyokiSet().GetStartDate() + CTimeSpan(3, 0, 0, 0));
        doc->AddObj(doc->CreateKoutei(&pos).release(), FALSE);
        doc->GetChartList().AddTail(new CChart);
        doc->GetHatchList()->AddTail(new CKtkmHatch);
        state.SetSaveVersion(version);
        const fs::path path = files.File(name);
        EXPECT_TRUE(doc->OnSaveDocument(path.string()));
        state.SetSaveVersion(kCurrentFileVersion);
        return path;
    }

    // Writes a lock beside the file as another program would.
    static void WriteLock(const fs::path& document, const std::string& owner) {
        std::string bytes = owner;
        bytes.resize(kLockFileSize, '\0');
        WriteBytes(LockFilePath(document), bytes);
    }

    // The file dialog chooses path.
    void ChooseFile(const fs::path& path) {
        ui->OnDialog("FileDialog", [path](DialogRequest& r) {
            static_cast<FileDialogRequest&>(r).path = path.string();
            return IDOK;
        });
    }
};

TEST_F(DocOpenCloseTest, AFileThatCannotBeReadIsRefusedWithTheReadersReason) {
    const fs::path sample = SaveSample("whole.tbr");
    const std::string bytes = ReadBytes(sample);
    // The process class is named once, with its tag, schema and name length before the name.
    const std::size_t name = bytes.find(std::string("\x07\x00"
                                                    "CKoutei",
                                                    9));
    ASSERT_NE(name, std::string::npos);
    const std::size_t half = bytes.size() / 2;
    std::string schema = bytes;
    schema[name - 2] = 7;
    std::string index = bytes;
    index[name - 4] = '\x34';
    index[name - 3] = '\x92';
    struct Case {
        const char* name;
        std::string bytes;
        std::string reason;
    };
    const std::vector<Case> cases = {
        {"empty.tbr", "", "工程表ファイルではありません"},
        {"cut.tbr", bytes.substr(0, half),
         "ファイルが" + std::to_string(half) + "バイト目で途切れています。"},
        {"schema.tbr", schema, "記録の版 7 は知らない版です。"},
        {"index.tbr", index, "記録の種類 4660 が壊れています。"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ui->ClearRecords();
        const fs::path path = files.Write(c.name, c.bytes);
        CTembraDoc doc;
        EXPECT_FALSE(doc.OnOpenDocument(path.string()));
        ASSERT_EQ(MessageTexts().size(), 1u);
        EXPECT_EQ(MessageTexts()[0],
                  "ファイルを開けませんでした。\n" + path.string() + "\n" + c.reason);
        EXPECT_FALSE(fs::exists(LockFilePath(path)));
        // No stage of the read that gave up stays in the status bar.
        EXPECT_EQ(ui->LastStatusUtf8(), "");
    }
}

TEST_F(DocOpenCloseTest, TheProgressTextsGoWhenTheirWorkEnds) {
    auto doc = NewChart();
    EXPECT_FALSE(ui->StatusTexts().empty());
    EXPECT_EQ(ui->LastStatusUtf8(), "");
    // A read that ends well says so, and the mode's guide comes back after it.
    const fs::path path = SaveSample("done.tbr");
    ui->ClearRecords();
    ASSERT_TRUE(doc->OnOpenDocument(path.string()));
    const std::vector<std::string>& texts = ui->StatusTexts();
    ASSERT_GE(texts.size(), 2u);
    EXPECT_EQ(Sjis::ToUtf8(texts[texts.size() - 2]), "読み込みを終了しました");
    EXPECT_EQ(ui->LastStatusUtf8(),
              "開始点、または項目欄で左クリック（既存工程の終点ノードで開始すると連結）");
}

TEST_F(DocOpenCloseTest, ABackupFileOpensUnderTheChartsOwnExtensionModified) {
    const fs::path path = SaveSample("a.tbrbk");
    CTembraDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(path.string()));
    doc.SetPathName(path.string());
    EXPECT_EQ(doc.GetPathName(), files.File("a.tbr").string());
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(doc.GetChangedFlag());
    EXPECT_EQ(doc.GetObjCount(), 1);
}

TEST_F(DocOpenCloseTest, TheLockOfAnotherOwnerOpensReadOnlyTheOwnOneIsTakenOver) {
    struct Case {
        std::string owner;
        std::vector<UINT> messages;
        bool readOnly;
    };
    const std::vector<Case> cases = {
        {"other [pc2]", {5086, 5085}, true},
        {kOwner, {5073}, false},
    };
    const fs::path path = SaveSample("locked.tbr");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.owner);
        ui->ClearRecords();
        WriteLock(path, c.owner);
        CTembraDoc doc;
        ASSERT_TRUE(doc.OnOpenDocument(path.string()));
        doc.SetPathName(path.string());
        EXPECT_EQ(Messages(), c.messages);
        EXPECT_EQ(doc.IsReadOnly() != FALSE, c.readOnly);
        const std::string mark = Sjis::FromUtf8(" －書込禁止－");
        EXPECT_EQ(doc.GetTitle().ends_with(mark), c.readOnly) << Sjis::ToUtf8(doc.GetTitle());
        if (c.readOnly) {
            EXPECT_EQ(MessageTexts()[0], "選択ファイルは「other [pc2]」が使用中です。");
        }
        // The lock stays the first owner's while the document is open, and after a read-only
        // one closes.
        doc.OnCloseDocument();
        EXPECT_EQ(fs::exists(LockFilePath(path)), c.readOnly);
    }
}

TEST_F(DocOpenCloseTest, AFailedOpenReleasesTheLockItTook) {
    const fs::path sample = SaveSample("whole.tbr");
    const std::string bytes = ReadBytes(sample);
    struct Case {
        const char* name;
        std::string bytes;
    };
    const std::vector<Case> cases = {
        {"cut.tbr", bytes.substr(0, bytes.size() / 2)},
        {"other.tbr", "not a chart"},
    };
    for (const Case& c : cases) {
        const fs::path path = files.Write(c.name, c.bytes);
        CTembraDoc doc;
        EXPECT_FALSE(doc.OnOpenDocument(path.string())) << c.name;
        EXPECT_FALSE(fs::exists(LockFilePath(path))) << c.name;
    }
    CTembraDoc doc;
    EXPECT_FALSE(doc.OnOpenDocument(files.File("missing.tbr").string()));
    EXPECT_FALSE(fs::exists(files.File("missing.$$$")));
}

TEST_F(DocOpenCloseTest, SaveInReadOnlyModeAsksForAnotherName) {
    const fs::path path = SaveSample("shared.tbr");
    WriteLock(path, "other [pc2]");
    CTembraDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(path.string()));
    doc.SetPathName(path.string());
    const std::string original = ReadBytes(path);
    ui->ClearRecords();

    // Its own name is refused.
    ChooseFile(path);
    doc.OnFileSave();
    EXPECT_EQ(Messages(), (std::vector<UINT>{5139, 5033}));
    EXPECT_TRUE(doc.IsReadOnly());
    EXPECT_TRUE(SameBytes(ReadBytes(path), original));

    // Another name takes the chart, and its lock.
    ui->ClearRecords();
    const fs::path mine = files.File("mine.tbr");
    ChooseFile(mine);
    doc.OnFileSave();
    EXPECT_EQ(Messages(), std::vector<UINT>{5139});
    EXPECT_FALSE(doc.IsReadOnly());
    EXPECT_EQ(doc.GetPathName(), mine.string());
    EXPECT_TRUE(fs::exists(mine));
    EXPECT_EQ(ReadBytes(LockFilePath(mine)).substr(0, 16), std::string(kOwner) + '\0');
    EXPECT_EQ(ReadBytes(LockFilePath(path)).substr(0, 11), "other [pc2]");
}

// The chart opened its file writable, but its lock is gone and another user holds the file now
// (the lock could not be made at the open, or was deleted by hand): a save over it is refused.
TEST_F(DocOpenCloseTest, SaveOverAFileAnotherUserLockedSinceIsRefused) {
    const fs::path path = SaveSample("taken.tbr");
    CTembraDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(path.string()));
    doc.SetPathName(path.string());
    ASSERT_FALSE(doc.IsReadOnly());
    fs::remove(LockFilePath(path));
    WriteLock(path, "other [pc2]");
    const std::string original = ReadBytes(path);
    const std::string lock = ReadBytes(LockFilePath(path));
    doc.SetModifiedFlag(TRUE);
    ui->ClearRecords();

    ui->QueueAnswer(IDYES);
    doc.OnFileSave();
    EXPECT_EQ(Messages(), (std::vector<UINT>{5120, 5086}));
    EXPECT_EQ(MessageTexts().back(), "選択ファイルは「other [pc2]」が使用中です。");
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(SameBytes(ReadBytes(path), original));
    EXPECT_EQ(ReadBytes(LockFilePath(path)), lock);

    // No lock there at all (none could be made): the save goes on.
    fs::remove(LockFilePath(path));
    ui->ClearRecords();
    ui->QueueAnswer(IDYES);
    doc.OnFileSave();
    EXPECT_EQ(Messages(), std::vector<UINT>{5120});
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(DocOpenCloseTest, CancelAtTheCloseQuestionKeepsTheLock) {
    const fs::path path = SaveSample("kept.tbr");
    CTembraDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(path.string()));
    doc.SetPathName(path.string());
    doc.SetModifiedFlag(TRUE);
    int answer = IDCANCEL;
    ui->OnDialog("SaveChanges", [&answer](DialogRequest& r) {
        static_cast<SaveChangesRequest&>(r).answer = answer;
        return IDOK;
    });
    EXPECT_FALSE(doc.SaveModified());
    EXPECT_TRUE(fs::exists(LockFilePath(path)));

    answer = IDNO;
    ASSERT_TRUE(doc.SaveModified());
    doc.OnCloseDocument();
    EXPECT_FALSE(fs::exists(LockFilePath(path)));
}

TEST_F(DocOpenCloseTest, AReadOnlyChartModifiedAsksAtTheClose) {
    const fs::path path = SaveSample("ro.tbr");
    WriteLock(path, "other [pc2]");
    CTembraDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(path.string()));
    doc.SetPathName(path.string());
    EXPECT_TRUE(doc.SaveModified()) << "nothing changed: it goes";
    doc.SetModifiedFlag(TRUE);
    struct Case {
        int answer;
        bool saveAsWorks;
        BOOL mayClose;
    };
    const Case cases[] = {{IDCANCEL, true, FALSE}, {IDYES, false, FALSE}, {IDNO, true, TRUE}};
    for (const Case& c : cases) {
        ui->ClearRecords();
        ui->QueueAnswer(c.answer);
        if (c.saveAsWorks) {
            ChooseFile(files.File("copy.tbr"));
        } else {
            ui->OnDialog("FileDialog", [](DialogRequest&) { return IDCANCEL; });
        }
        EXPECT_EQ(doc.SaveModified(), c.mayClose) << c.answer;
        EXPECT_EQ(Messages().front(), 5149u);
    }
}

TEST_F(DocOpenCloseTest, AFileWithEmbeddedItemsOfAnotherProgramOpensReadOnlyWithoutThem) {
    struct Case {
        int version;
        const char* parts;
    };
    const Case cases[] = {
        {35000, "埋め込みオブジェクト"},
        {40000, "埋め込みオブジェクト・山積表・出来高表"},
        {52000, "埋め込みオブジェクト・山積表・出来高表・塗り潰し"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.version);
        ui->ClearRecords();
        // The item block of the saved chart (the last one of the file) announces one item whose
        // record follows in the framework's own form.
        const fs::path saved = SaveSample("items.tbr", c.version);
        std::string bytes = ReadBytes(saved);
        const std::size_t block = bytes.rfind(std::string("\xAF\x0D\x00\x00", 4));
        ASSERT_NE(block, std::string::npos);
        bytes[block + 2] = 1;
        const fs::path path = files.Write("windows-" + std::to_string(c.version) + ".tbr", bytes);

        CTembraDoc doc;
        ASSERT_TRUE(doc.OnOpenDocument(path.string()));
        doc.SetPathName(path.string());
        ASSERT_EQ(MessageTexts().size(), 1u);
        EXPECT_EQ(MessageTexts()[0],
                  std::string("このファイルの埋め込みオブジェクト（1個）はこのシステム"
                              "では読み込めません。\n") +
                      c.parts + "を読み込まずに、書込禁止モードで開きます。");
        EXPECT_TRUE(doc.IsReadOnly());
        EXPECT_FALSE(fs::exists(LockFilePath(path))) << "no lock is held";
        EXPECT_EQ(doc.GetObjCount(), 1) << "the parts before the items are there";
        EXPECT_EQ(doc.GetResourceCharts().GetChartCount(), 0);
        EXPECT_EQ(doc.GetHatchList()->GetCount(), 0);
        EXPECT_TRUE(doc.GetAutoSaveName().ends_with("._p$"));

        // Its own name is refused; another one takes the chart as it is now.
        ChooseFile(path);
        EXPECT_FALSE(doc.OnFileSaveAs());
        EXPECT_EQ(Messages().back(), 5033u);
        const fs::path other = files.File("rescued.tbr");
        ChooseFile(other);
        EXPECT_TRUE(doc.OnFileSaveAs());
        EXPECT_FALSE(doc.IsReadOnly());
        EXPECT_EQ(doc.GetAutoSaveName(), other.string());
        doc.OnCloseDocument();
    }
}

// A plan layout of the kind: the page areas of the standard layout's A3 and B4 sections and a
// title input area.
std::string PlanLayout(int kind) {
    std::vector<std::string> lines = {"[ファイル情報]", "LayoutName=plan" + std::to_string(kind),
                                      "LayoutDiscernmentFlag=" + std::to_string(kind), ""};
    for (const char* section : {"[_A3_]", "[_B4_]"}) {
        lines.push_back(section);
        const bool a3 = std::string(section) == "[_A3_]";
        const int w = a3 ? 4200 : 3640;
        const int h = a3 ? 2970 : 2570;
        lines.push_back("PaperArea= 0, 0, " + std::to_string(w) + ", " + std::to_string(h));
        lines.push_back("HeaderArea= 100, 100, " + std::to_string(w - 100) + ", 400");
        lines.push_back("FooterArea= 0, 0, 0, 0");
        lines.push_back("DateArea= 100, 400, " + std::to_string(w - 100) + ", 520");
        lines.push_back("EditArea= 100, 520, " + std::to_string(w - 100) + ", " +
                        std::to_string(h - 100));
        lines.push_back("OffsetLTop= 0, 0, 100, 100");
        lines.push_back("InputArea1=\"010001\", 250, 110, 1613, 250, \"ＭＳ 明朝\", 60, 30, 1, 1, "
                        "0, \"\", 1, 0");
        lines.push_back("");
    }
    lines.push_back("[EOS]");
    std::string text;
    for (const std::string& line : lines) {
        text += Sjis::FromUtf8(line) + "\r\n";
    }
    return text;
}

TEST_F(DocOpenCloseTest, TheConvertingOpenGivesTheChartThePlansLayout) {
    WriteBytes(paths.Writable() / "MASTER-A01.LYT", PlanLayout(1));
    WriteBytes(paths.Writable() / "MASTER-A02.LYT", PlanLayout(2));
    struct Case {
        int kind;
        const char* name;   // the chart's file
        int paper;          // after the open
        short layoutKind;   // of the print header
        const char* opened; // the document's name
    };
    const Case cases[] = {
        {1, "b4.tbr", kPaperA3, 1, "b4-A.tbr"},
        {2, "b4.tbr", kPaperB4, 2, "b4-MA.tbr"},
        {1, "b4-A.tbr", kPaperA3, 1, "b4-A.tbr"}, // the first one's result: already a plan
    };
    {
        auto doc = NewChart();
        doc->GetSyokiSet().GetPageSetting().SetPaper(kPaperB4, 0,
                                                     paths.Writable() / "MASTER01.LYT");
        ASSERT_TRUE(doc->OnSaveDocument(files.File("b4.tbr").string()));
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.kind) + " " + c.name);
        state.SetPlanConversion(c.kind);
        CTembraDoc doc;
        ASSERT_TRUE(doc.OnOpenDocument(files.File(c.name).string()));
        doc.SetPathName(files.File(c.name).string());
        EXPECT_EQ(doc.GetSyokiSet().GetPageSetting().GetPaper(), c.paper);
        EXPECT_EQ(doc.GetPrHeader().GetLayoutKind(), c.layoutKind);
        EXPECT_EQ(doc.GetPathName(), files.File(c.opened).string());
        const bool converted = std::string(c.name) != c.opened;
        EXPECT_EQ(doc.IsModified() != FALSE, converted);
        if (converted) {
            // The converted chart is a file of its own: the original's lock is left.
            EXPECT_FALSE(fs::exists(LockFilePath(files.File(c.name))));
            ASSERT_TRUE(doc.OnSaveDocument(doc.GetPathName()));
        }
        state.SetPlanConversion(0);
        doc.OnCloseDocument();
    }
}

TEST_F(DocOpenCloseTest, DataInformationCountsTheChart) {
    auto doc = NewChart();
    CChartPos pos;
    pos.SetStartDate(doc->GetSyokiSet().GetStartDate());
    pos.SetEndDate(doc->GetSyokiSet().GetStartDate() + CTimeSpan(3, 0, 0, 0));
    doc->AddObj(doc->CreateKoutei(&pos).release(), FALSE);
    doc->AddObj(doc->CreateKoutei(&pos).release(), FALSE);
    doc->SelectLastObj();
    doc->CreateKoumokuData(6, 0);
    DataInfoRequest shown;
    ui->OnDialog("DataInfo", [&shown](DialogRequest& r) {
        shown = static_cast<DataInfoRequest&>(r);
        return IDOK;
    });
    doc->OnDataInfo();
    EXPECT_EQ(shown.rows, 7);
    EXPECT_EQ(shown.objects, 2);
    EXPECT_EQ(shown.selected, 1);
    EXPECT_EQ(shown.progress, 0);
    EXPECT_EQ(shown.shapes, 0);
    EXPECT_EQ(shown.embedded, 0);
}

} // namespace
} // namespace tembra
