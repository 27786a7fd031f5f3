// The layout editor's document: saving under a new name, never over a master layout, with a
// backup and a temporary file; the main program's temporary copy; the copy buffer and undo.
#include "layout_editor/core/MarquellDoc.h"

#include "layout_editor/core/AppSettings.h"
#include "layout_editor/core/EditorRequests.h"
#include "layout_editor/core/PHeadInputArea.h"
#include "layout_editor/core/RecentFileList.h"
#include "model/LayoutFile.h"

#include "EditorTestSupport.h"
#include "platform/RegKey.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <deque>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace marquell {
namespace {

namespace fs = std::filesystem;
using tembra::test::TempDir;
using test::J;

// A document whose write can be made to fail after some bytes, as a full disk does.
class FailingDoc : public CMarquellDoc {
public:
    bool failWrite = false;

protected:
    BOOL WriteLayout(std::ostream& out) override {
        if (failWrite) {
            out << "[partial";
            return FALSE;
        }
        return CMarquellDoc::WriteLayout(out);
    }
};

class DocTest : public testing::Test {
protected:
    void SetUp() override {
        fs::copy_file(fs::path(TEMBRA_DATA_DIR) / tembra::AppRegKeyDefaultPath().filename(),
                      tembra::AppRegKeyDefaultPath(), fs::copy_options::overwrite_existing);
        fs::create_directories(folder);
        app.layoutFolder = folder;
        doc.SetServices(&app, &recent);
        // The format-name dialog and the file dialog answer from their scripts; a script that
        // has run out cancels.
        ui->OnDialog("LayoutFormatName", [this](tembra::DialogRequest& request) {
            auto& r = static_cast<LayoutFormatNameRequest&>(request);
            namesShown.push_back(r.name);
            if (names.empty()) {
                return tembra::IDCANCEL;
            }
            r.name = J(names.front());
            names.pop_front();
            return tembra::IDOK;
        });
        ui->OnDialog("PromptFileName", [this](tembra::DialogRequest& request) {
            auto& r = static_cast<PromptFileNameRequest&>(request);
            proposals.push_back(r.path);
            titles.push_back(r.titleId);
            EXPECT_EQ(r.layoutFolder, folder);
            if (files.empty()) {
                return tembra::IDCANCEL;
            }
            r.path = files.front().string();
            files.pop_front();
            return tembra::IDOK;
        });
    }

    fs::path Master() {
        const fs::path master = folder / "MASTER01.LYT";
        fs::copy_file(fs::path(TEMBRA_DATA_DIR) / "MASTER01.LYT", master,
                      fs::copy_options::overwrite_existing);
        return master;
    }
    std::vector<UINT> Messages() { return ui->MessageIds(); }

    tembra::test::ScopedPaths paths;
    tembra::test::ScopedUi ui;
    fs::path folder = paths.Dir().File("layouts");
    CAppSettings app;
    CRecentFileList recent;
    FailingDoc doc;
    std::deque<std::string> names;
    std::deque<fs::path> files;
    std::vector<std::string> namesShown;
    std::vector<std::string> proposals;
    std::vector<UINT> titles;
};

TEST_F(DocTest, ANewLayoutIsSavedUnderANameNoOtherLayoutHas) {
    Master();
    ASSERT_TRUE(doc.OnNewDocument());
    doc.SetModifiedFlag(TRUE);
    names = {"", "標準書式", "新書式"};
    files = {folder / "new.lyt"};
    ASSERT_TRUE(doc.OnFileSave());

    EXPECT_EQ(Messages(), (std::vector<UINT>{61241, 61247}));
    EXPECT_EQ(namesShown, (std::vector<std::string>{"", "", J("標準書式")}));
    ASSERT_EQ(proposals.size(), 1u);
    EXPECT_EQ(proposals[0], "無題.lyt");
    EXPECT_EQ(titles[0], 61441u);
    EXPECT_EQ(tembra::ReadLayoutName(folder / "new.lyt"), J("新書式"));
    EXPECT_EQ(tembra::ReadLayoutMasterFlag(folder / "new.lyt"), 0);
    EXPECT_EQ(doc.GetPathName(), (folder / "new.lyt").string());
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(recent.GetEntries(), (std::vector<std::string>{(folder / "new.lyt").string()}));
}

TEST_F(DocTest, TheProposalIsTheTitleCutPlusTheExtension) {
    struct Case {
        const char* title;
        const char* proposal;
    };
    const Case cases[] = {
        {"abcdefghij", "abcdefgh.lyt"},
        {"ab cd", "ab.lyt"},
        {"工程表の書式", "工程表の.lyt"},
        {"a%b", "a.lyt"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        proposals.clear();
        ASSERT_TRUE(doc.OnNewDocument());
        doc.SetTitle(J(c.title));
        names = {"x"};
        EXPECT_FALSE(doc.OnFileSaveAs());
        ASSERT_EQ(proposals.size(), 1u);
        EXPECT_EQ(proposals[0], c.proposal);
    }
}

TEST_F(DocTest, SaveAsOfAnOpenedLayoutProposesItsOwnPath) {
    const fs::path master = Master();
    ASSERT_TRUE(doc.OnOpenDocument(master.string()));
    doc.SetPathName(master.string());
    names = {"別書式"};
    EXPECT_FALSE(doc.OnFileSaveAs());
    ASSERT_EQ(proposals.size(), 1u);
    EXPECT_EQ(proposals[0], master.string());
}

TEST_F(DocTest, AMasterLayoutIsNeverOverwritten) {
    const fs::path master = Master();
    const std::string before = TempDir::Read(master);
    struct Case {
        std::deque<std::string> names;
        std::deque<fs::path> files;
        bool saved;
    };
    const Case cases[] = {
        {{}, {}, false},                            // the name dialog cancelled
        {{"別書式"}, {}, false},                    // the file dialog cancelled
        {{"別書式"}, {folder / "other.lyt"}, true}, // another file chosen
    };
    for (const Case& c : cases) {
        ui->ClearRecords();
        ASSERT_TRUE(doc.OnOpenDocument(master.string()));
        doc.SetPathName(master.string());
        doc.SetModifiedFlag(TRUE);
        names = c.names;
        files = c.files;
        EXPECT_EQ(doc.OnFileSave(), c.saved ? TRUE : FALSE);
        ASSERT_FALSE(Messages().empty());
        EXPECT_EQ(Messages()[0], 61242u);
        EXPECT_EQ(TempDir::Read(master), before);
        EXPECT_EQ(doc.IsModified(), c.saved ? FALSE : TRUE);
    }
    // Written as an ordinary layout.
    EXPECT_EQ(tembra::ReadLayoutMasterFlag(folder / "other.lyt"), 0);
    EXPECT_EQ(doc.GetPathName(), (folder / "other.lyt").string());
}

TEST_F(DocTest, AFailedWriteKeepsTheOldFileAndTheBackupLastsOneSave) {
    const fs::path target = folder / "a.lyt";
    ASSERT_TRUE(doc.OnNewDocument());
    std::string path = target.string();
    ASSERT_TRUE(doc.SaveWithBackup(path));
    const std::string old = TempDir::Read(target);

    // Saving over it keeps its old bytes in "~BackUp.lyt".
    doc.GetLayout().SetLayoutName(J("二版"));
    ASSERT_TRUE(doc.SaveWithBackup(path));
    EXPECT_EQ(TempDir::Read(paths.Writable() / "~BackUp.lyt"), old);
    const std::string second = TempDir::Read(target);
    EXPECT_NE(second, old);

    // A failed write: 61252, and the file as it was.
    doc.failWrite = true;
    EXPECT_FALSE(doc.SaveWithBackup(path));
    EXPECT_EQ(Messages(), (std::vector<UINT>{61252}));
    EXPECT_EQ(TempDir::Read(target), second);
    // No file of the failed save is left, and a new target gets nothing of the backup.
    std::string fresh = (folder / "b.lyt").string();
    EXPECT_FALSE(doc.SaveWithBackup(fresh));
    EXPECT_FALSE(fs::exists(folder / "b.lyt"));
    for (const auto& entry : fs::directory_iterator(folder)) {
        EXPECT_EQ(entry.path().extension(), ".lyt") << entry.path();
    }
}

TEST_F(DocTest, ATargetThatCannotBeCreatedIsNamedInOurMessage) {
    ASSERT_TRUE(doc.OnNewDocument());
    doc.SetModifiedFlag(TRUE);
    std::string missing = (folder / "no such folder" / "x.lyt").string();
    EXPECT_FALSE(doc.SaveWithBackup(missing));
    ASSERT_EQ(Messages(), (std::vector<UINT>{IDS_CANNOT_CREATE}));
    EXPECT_NE(ui->MessageBoxes()[0].text.find(missing), std::string::npos);
    EXPECT_TRUE(doc.IsModified());

    // A file the user may not write is not replaced either.
    if (::geteuid() != 0) {
        ui->ClearRecords();
        const fs::path locked = paths.Dir().Write("layouts/locked.lyt", "old");
        ASSERT_EQ(locked, folder / "locked.lyt");
        ::chmod(locked.c_str(), 0444);
        std::string path = locked.string();
        EXPECT_FALSE(doc.SaveWithBackup(path));
        EXPECT_EQ(Messages(), (std::vector<UINT>{IDS_CANNOT_CREATE}));
        EXPECT_EQ(TempDir::Read(locked), "old");
    }
}

// A layout kept elsewhere and reached through a link: the save writes the file the link points
// to and the link stays.
TEST_F(DocTest, SavingThroughALinkWritesTheFileItPointsToAndKeepsTheLink) {
    const fs::path real = paths.Dir().Write("store/a.lyt", "[old]\n");
    const fs::path link = folder / "a.lyt";
    fs::create_symlink(real, link);
    ASSERT_TRUE(doc.OnNewDocument());
    doc.GetLayout().SetLayoutName(J("共有"));
    std::string path = link.string();
    ASSERT_TRUE(doc.SaveWithBackup(path));
    EXPECT_TRUE(Messages().empty());
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(tembra::ReadLayoutName(real), J("共有"));
    EXPECT_EQ(TempDir::Read(paths.Writable() / "~BackUp.lyt"), "[old]\n");
    EXPECT_EQ(fs::directory_iterator(real.parent_path())->path(), real);
}

// Someone who may write the layout folder plants links, under the names the save's temporary
// file had or might have, to a file of the user's: the save writes neither through them nor
// over them.
TEST_F(DocTest, ALinkPlantedUnderATemporaryNameIsNotFollowed) {
    const fs::path victim = paths.Dir().Write("victim.txt", "precious");
    const std::vector<std::string> planted = {"a.lyt.~tmp", "a.lyt.tmp~", ".a.lyt.~tmp"};
    for (const std::string& name : planted) {
        fs::create_symlink(victim, folder / name);
    }
    ASSERT_TRUE(doc.OnNewDocument());
    for (int save = 0; save < 2; ++save) {
        std::string path = (folder / "a.lyt").string();
        ASSERT_TRUE(doc.SaveWithBackup(path));
    }
    EXPECT_EQ(TempDir::Read(victim), "precious");
    EXPECT_FALSE(fs::is_symlink(folder / "a.lyt"));
    EXPECT_EQ(tembra::ReadLayoutMasterFlag(folder / "a.lyt"), 0);
    for (const std::string& name : planted) {
        EXPECT_TRUE(fs::is_symlink(folder / name)) << name;
    }
}

TEST_F(DocTest, ALayoutFileOfTheFolderCarriesAName) {
    Master();
    paths.Dir().Write("layouts/UPPER.LyT", J("[ファイル情報]\r\nLayoutName=大文字\r\n"));
    paths.Dir().Write("layouts/other.txt", J("[ファイル情報]\r\nLayoutName=別\r\n"));
    EXPECT_TRUE(doc.IsLayoutNameUsed(J("標準書式")));
    EXPECT_TRUE(doc.IsLayoutNameUsed(J("大文字")));
    EXPECT_FALSE(doc.IsLayoutNameUsed(J("別")));
    EXPECT_FALSE(doc.IsLayoutNameUsed(J("標準")));
}

TEST_F(DocTest, AFileThatCannotBeReadLeavesTheLayout) {
    ASSERT_TRUE(doc.OnOpenDocument(Master().string()));
    const std::string missing = (folder / "missing.lyt").string();
    EXPECT_FALSE(doc.OnOpenDocument(missing));
    ASSERT_EQ(Messages(), (std::vector<UINT>{61697}));
    EXPECT_NE(ui->MessageBoxes()[0].text.find("missing.lyt"), std::string::npos);
    EXPECT_EQ(doc.GetLayout().GetLayoutName(), J("標準書式"));
    EXPECT_FALSE(doc.OnOpenDocument(folder.string()));
}

TEST_F(DocTest, AFileThatIsNoLayoutIsRefusedAndDamagedLinesOpenReadOnly) {
    ASSERT_TRUE(doc.OnOpenDocument(Master().string()));
    // A text file named as a layout: refused, nothing of it read, and so nothing to save over it.
    const std::string notes = "shopping list\r\nmilk = 2\r\n";
    const fs::path text = paths.Dir().Write("layouts/notes.lyt", notes);
    EXPECT_FALSE(doc.OnOpenDocument(text.string()));
    ASSERT_EQ(Messages(), (std::vector<UINT>{61697}));
    EXPECT_NE(ui->MessageBoxes()[0].text.find("レイアウトファイルではありません"),
              std::string::npos);
    EXPECT_EQ(doc.GetLayout().GetLayoutName(), J("標準書式"));
    EXPECT_FALSE(doc.IsReadOnly());
    EXPECT_EQ(TempDir::Read(text), notes);

    // A layout with a line the reader passes over opens read-only: Save asks for another name.
    ui->ClearRecords();
    const std::string damagedBytes = J("[ファイル情報]\r\nLayoutName=傷\r\n\x01\x02 cut\r\n"
                                       "[_A4_]\r\nPaperArea= 0, 0, 2970, 2100\r\n[EOS]\r\n");
    const fs::path damaged = paths.Dir().Write("layouts/damaged.lyt", damagedBytes);
    ASSERT_TRUE(doc.OnOpenDocument(damaged.string()));
    doc.SetPathName(damaged.string());
    EXPECT_TRUE(doc.IsReadOnly());
    EXPECT_EQ(ui->MessageBoxes().size(), 1u);
    doc.SetModifiedFlag(TRUE);
    names = {"直した書式"};
    files = {folder / "fixed.lyt"};
    ASSERT_TRUE(doc.OnFileSave());
    EXPECT_EQ(proposals.size(), 1u) << "another name was asked for";
    EXPECT_EQ(TempDir::Read(damaged), damagedBytes);
    EXPECT_EQ(doc.GetPathName(), (folder / "fixed.lyt").string());
    EXPECT_FALSE(doc.IsReadOnly());

    // A whole layout reads without a damaged line.
    ui->ClearRecords();
    ASSERT_TRUE(doc.OnOpenDocument(Master().string()));
    EXPECT_FALSE(doc.IsReadOnly());
    EXPECT_TRUE(Messages().empty());
}

TEST_F(DocTest, TheClosePromptNamesTheFile) {
    const fs::path master = Master();
    ASSERT_TRUE(doc.OnOpenDocument(master.string()));
    doc.SetPathName(master.string());
    EXPECT_TRUE(doc.SaveModified());
    EXPECT_TRUE(Messages().empty());
    doc.SetModifiedFlag(TRUE);
    ui->QueueAnswer(tembra::IDNO);
    EXPECT_TRUE(doc.SaveModified());
    ui->QueueAnswer(tembra::IDCANCEL);
    EXPECT_FALSE(doc.SaveModified());
    EXPECT_EQ(Messages(), (std::vector<UINT>{61699, 61699}));
    EXPECT_NE(ui->MessageBoxes()[0].text.find(master.string()), std::string::npos);
}

// ---- The main program's temporary copy ------------------------------------------------------

class TemporaryEditTest : public DocTest {
protected:
    fs::path Temporary() {
        std::string text = TempDir::Read(Master());
        const std::string flag = "MasterFlag=1";
        text.replace(text.find(flag), flag.size(), "MasterFlag=-1");
        const std::string paper = "CurrentPaper=0";
        text.replace(text.find(paper), paper.size(), "CurrentPaper=2");
        const std::string handle = "hWnd_Tembra=0";
        text.replace(text.find(handle), handle.size(), "hWnd_Tembra=4242");
        return paths.Dir().Write("tmp/LAYTEMP0.LY$", text);
    }
};

TEST_F(TemporaryEditTest, SavingKeepsThePathTheListAndTheModifiedFlag) {
    const fs::path temporary = Temporary();
    ASSERT_TRUE(doc.OnOpenDocument(temporary.string()));
    doc.SetPathName(temporary.string());
    EXPECT_TRUE(doc.IsTemporaryEdit());
    EXPECT_EQ(doc.GetLayout().GetCurrentPaperIndex(), 2);
    EXPECT_EQ(doc.GetLayout().GetWindowHandle(), 4242);
    EXPECT_TRUE(recent.GetEntries().empty());

    // Unchanged, it goes back as it came.
    ASSERT_TRUE(doc.OnFileSave());
    EXPECT_EQ(tembra::ReadLayoutMasterFlag(temporary), -1);

    doc.SetModifiedFlag(TRUE);
    ASSERT_TRUE(doc.OnFileSave());
    EXPECT_EQ(tembra::ReadLayoutMasterFlag(temporary), -2);
    EXPECT_TRUE(doc.IsModified());
    ASSERT_TRUE(doc.OnFileSave());
    EXPECT_EQ(tembra::ReadLayoutMasterFlag(temporary), -2);

    // Save As writes another file; the document stays the temporary copy.
    names = {"写し"};
    files = {folder / "copy.lyt"};
    ASSERT_TRUE(doc.OnFileSaveAs());
    EXPECT_EQ(doc.GetPathName(), temporary.string());
    EXPECT_TRUE(recent.GetEntries().empty());
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(Messages().empty());
}

TEST_F(TemporaryEditTest, TheClosePromptAsksToGoBackWithTheChanges) {
    const fs::path temporary = Temporary();
    ASSERT_TRUE(doc.OnOpenDocument(temporary.string()));
    doc.SetPathName(temporary.string());
    doc.SetModifiedFlag(TRUE);
    ui->QueueAnswer(tembra::IDYES);
    EXPECT_TRUE(doc.SaveModified());
    EXPECT_EQ(Messages(), (std::vector<UINT>{61244}));
    EXPECT_EQ(tembra::ReadLayoutMasterFlag(temporary), -2);
}

// ---- Copy buffer and undo ---------------------------------------------------------------------

class EditTest : public DocTest {
protected:
    void SetUp() override {
        DocTest::SetUp();
        ASSERT_TRUE(doc.OnNewDocument());
        paper().GetElements().clear();
    }
    CPaperData& paper() { return doc.GetCurrentPaper(); }
    CLayoutData& AddText(const std::string& text, const CRect& rect, bool selected) {
        auto element = std::make_unique<CPHeadMojiData>();
        element->SetText(J(text));
        element->SetFrameRect(rect);
        element->SetSelected(selected);
        paper().GetElements().push_back(std::move(element));
        return *paper().GetElements().back();
    }
    std::vector<std::string> Texts() {
        std::vector<std::string> texts;
        for (const auto& element : paper().GetElements()) {
            texts.push_back(tembra::Sjis::ToUtf8(static_cast<CPHeadMojiData&>(*element).GetText()));
        }
        return texts;
    }
};

TEST_F(EditTest, CutElementsComeBackAtTheListsEndAndGoAgainOnRedo) {
    AddText("A", CRect(200, -150, 300, -200), true);
    AddText("B", CRect(400, -150, 500, -200), false);
    AddText("C", CRect(600, -150, 700, -200), true);
    doc.SetModifiedFlag(FALSE);
    doc.CutSelected();
    EXPECT_EQ(Texts(), (std::vector<std::string>{"B"}));
    EXPECT_EQ(doc.GetCopyCount(), 2u);
    EXPECT_TRUE(doc.IsModified());
    ASSERT_TRUE(doc.CanUndo());
    doc.Undo();
    EXPECT_EQ(Texts(), (std::vector<std::string>{"B", "C", "A"}));
    doc.Redo();
    EXPECT_EQ(Texts(), (std::vector<std::string>{"B"}));
}

TEST_F(EditTest, APasteHalfOutsideLandsFlushWithTheNearerEdge) {
    // The header of A4: (100, -100) to (2870, -400).
    struct Case {
        CRect rect;
        CRect pasted;
    };
    const Case cases[] = {
        {CRect(50, -150, 250, -200), CRect(100, -150, 300, -200)},      // left
        {CRect(2800, -150, 2900, -200), CRect(2770, -150, 2870, -200)}, // right
        {CRect(500, -80, 600, -180), CRect(500, -100, 600, -200)},      // top
        {CRect(500, -350, 600, -450), CRect(500, -300, 600, -400)},     // bottom
        // Wider than the area: the right edge wins.
        {CRect(0, -150, 3000, -200), CRect(-130, -150, 2870, -200)},
    };
    for (const Case& c : cases) {
        paper().GetElements().clear();
        AddText("T", c.rect, true);
        doc.CopySelected();
        paper().GetElements().clear();
        doc.Paste();
        ASSERT_EQ(paper().CountElements(), 1);
        EXPECT_EQ(paper().GetElements()[0]->GetFrameRect(), c.pasted);
        EXPECT_TRUE(paper().GetElements()[0]->IsSelected());
    }
}

TEST_F(EditTest, APastedInputAreaTakesAFreeNameAndNoBaseIndex) {
    auto input = std::make_unique<CPHeadInputArea>();
    input->SetName("X");
    input->SetBaseIndex(2);
    input->SetFrameRect(CRect(300, -150, 600, -250));
    input->SetSelected(true);
    input->SetArea(kAreaFooter);
    paper().GetElements().push_back(std::move(input));
    doc.CopySelected();
    doc.Paste();
    ASSERT_EQ(paper().CountElements(), 2);
    const auto& pasted = static_cast<const CPHeadInputArea&>(*paper().GetElements()[1]);
    EXPECT_EQ(pasted.GetName(), "X1");
    EXPECT_EQ(pasted.GetBaseIndex(), 0);
    EXPECT_EQ(pasted.GetArea(), kAreaHeader);
    // One undo takes the paste back.
    doc.Undo();
    EXPECT_EQ(paper().CountElements(), 1);
}

TEST_F(EditTest, ClosingTheLayoutDropsTheHistoryWithTheElements) {
    AddText("A", CRect(200, -150, 300, -200), true);
    paper().DeleteSelected(doc.GetOwner());
    ASSERT_TRUE(doc.CanUndo());
    doc.DeleteContents();
    EXPECT_FALSE(doc.CanUndo());
    EXPECT_FALSE(doc.CanRedo());
}

TEST_F(EditTest, TheElementsOfAnAreaMoveWithIt) {
    CLayoutData& header = AddText("H", CRect(200, -150, 300, -200), false);
    CLayoutData& footer = AddText("F", CRect(200, -1850, 300, -1900), false);
    footer.SetArea(kAreaFooter);
    doc.MoveAreaElements(kAreaHeader, CRect(100, -100, 2870, -400), CRect(100, -150, 2870, -450));
    EXPECT_EQ(header.GetFrameRect(), CRect(200, -200, 300, -250));
    EXPECT_EQ(footer.GetFrameRect(), CRect(200, -1850, 300, -1900));
    EXPECT_TRUE(doc.IsModified());
}

// The file keeps coordinates up to 1,000,000 (0.1 mm) and its reader cuts larger ones: the
// elements of a moved area go together and stop where the first of them reaches the limit.
TEST_F(EditTest, AnAreasElementsMoveNoFartherThanTheFileReaches) {
    CLayoutData& edge = AddText("H", CRect(999000, -150, 999500, -200), false);
    CLayoutData& inner = AddText("I", CRect(200, -300, 300, -400), false);
    const CRect from(100, -100, 2870, -400);
    doc.MoveAreaElements(kAreaHeader, from, CRect(5100, -2000100, 7870, -2000400));
    EXPECT_EQ(edge.GetFrameRect(), CRect(999500, -999750, 1000000, -999800));
    EXPECT_EQ(inner.GetFrameRect(), CRect(700, -999900, 800, -1000000));
    // Saved and read again, they stand where they were moved to.
    std::string path = (folder / "far.lyt").string();
    ASSERT_TRUE(doc.SaveWithBackup(path));
    ASSERT_TRUE(doc.OnOpenDocument(path));
    const auto placed = [this]() {
        std::vector<CRect> rects;
        for (const auto& element : paper().GetElements()) {
            if (dynamic_cast<const CPHeadInputArea*>(element.get()) == nullptr) {
                rects.push_back(element->GetFrameRect());
            }
        }
        return rects;
    };
    const std::vector<CRect> moved = {CRect(999500, -999750, 1000000, -999800),
                                      CRect(700, -999900, 800, -1000000)};
    EXPECT_EQ(placed(), moved);
    // Already at the limit, they stay.
    doc.MoveAreaElements(kAreaHeader, from, CRect(5100, -5100, 7870, -5400));
    EXPECT_EQ(placed(), moved);
}

} // namespace
} // namespace marquell
