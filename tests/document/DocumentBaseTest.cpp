#include "platform/Document.h"

#include "DocTestSupport.h"
#include "platform/Archive.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace tembra {
namespace {

using test::RecordingView;
using test::ScopedUi;
using test::TempDir;

// A document whose contents are one string.
class TextDocument : public CDocument {
public:
    void Serialize(CArchive& ar) override {
        ++serializeCalls;
        if (failSerialize) {
            if (ar.IsStoring()) {
                ar << std::string("half");
            }
            AfxThrowArchiveException(CArchiveException::generic);
        }
        if (ar.IsStoring()) {
            ar << text;
        } else {
            ar >> text;
        }
    }
    void DeleteContents() override {
        ++deleteCalls;
        text.clear();
    }

    std::string text;
    bool failSerialize = false;
    int serializeCalls = 0;
    int deleteCalls = 0;
};

TEST(DocumentBaseTest, UpdatesReachEveryViewButTheSender) {
    TextDocument doc;
    RecordingView a;
    RecordingView b;
    doc.AddView(&a);
    doc.AddView(&b);
    doc.AddView(&a); // once only
    ASSERT_EQ(doc.GetViews().size(), 2u);

    doc.UpdateAllViews(&a, 7, nullptr);
    EXPECT_TRUE(a.updates.empty());
    ASSERT_EQ(b.updates.size(), 1u);
    EXPECT_EQ(b.updates[0].hint, 7);
    EXPECT_EQ(b.updates[0].sender, &a);

    // A view that goes away leaves the document; a view attached elsewhere moves.
    {
        RecordingView gone;
        doc.AddView(&gone);
        EXPECT_EQ(gone.GetDocument(), &doc);
    }
    EXPECT_EQ(doc.GetViews().size(), 2u);
    TextDocument other;
    other.AddView(&b);
    EXPECT_EQ(b.GetDocument(), &other);
    EXPECT_EQ(doc.GetViews().size(), 1u);
}

TEST(DocumentBaseTest, AViewRemovedDuringAnUpdateIsNotToldAnyMore) {
    TextDocument doc;
    struct Remover : RecordingView {
        CView* victim = nullptr;
        void OnUpdate(CView* sender, LPARAM hint, CObject* object) override {
            RecordingView::OnUpdate(sender, hint, object);
            if (victim != nullptr) {
                GetDocument()->RemoveView(victim);
            }
        }
    } first;
    RecordingView second;
    first.victim = &second;
    doc.AddView(&first);
    doc.AddView(&second);
    doc.UpdateAllViews(nullptr);
    EXPECT_EQ(first.updates.size(), 1u);
    EXPECT_TRUE(second.updates.empty());
    EXPECT_EQ(second.GetDocument(), nullptr);
}

// A view may close another view (a frame closing its second pane) while it is told of a change:
// the one that is gone must not be touched again.
TEST(DocumentBaseTest, AViewDestroyedDuringAnUpdateIsNotTouched) {
    TextDocument doc;
    struct Closer : RecordingView {
        std::unique_ptr<RecordingView> victim;
        void OnUpdate(CView* sender, LPARAM hint, CObject* object) override {
            RecordingView::OnUpdate(sender, hint, object);
            victim.reset();
        }
    } first;
    first.victim = std::make_unique<RecordingView>();
    RecordingView third;
    doc.AddView(&first);
    doc.AddView(first.victim.get());
    doc.AddView(&third);
    doc.UpdateAllViews(nullptr, 3);
    EXPECT_EQ(first.victim, nullptr);
    EXPECT_EQ(doc.GetViews().size(), 2u);
    ASSERT_EQ(third.updates.size(), 1u) << "the views after it are still told";
    EXPECT_EQ(third.updates[0].hint, 3);
}

TEST(DocumentBaseTest, ADocumentThatGoesLeavesItsViewsWithout) {
    RecordingView view;
    {
        TextDocument doc;
        doc.AddView(&view);
    }
    EXPECT_EQ(view.GetDocument(), nullptr);
}

TEST(DocumentBaseTest, OpenReadsTheFileAndFailsCleanly) {
    TempDir dir;
    TextDocument writer;
    writer.text = "contents";
    const std::string path = dir.File("chart.tbr").string();
    ASSERT_TRUE(writer.OnSaveDocument(path));

    TextDocument doc;
    ASSERT_TRUE(doc.OnOpenDocument(path));
    EXPECT_EQ(doc.text, "contents");
    EXPECT_FALSE(doc.IsModified());

    // An empty file gives an empty document without reading.
    const std::string empty = dir.Write("empty.tbr", "").string();
    TextDocument blank;
    ASSERT_TRUE(blank.OnOpenDocument(empty));
    EXPECT_EQ(blank.serializeCalls, 0);

    // A damaged file: the contents are deleted again.
    const std::string damaged = dir.Write("damaged.tbr", std::string("\x20", 1)).string();
    TextDocument broken;
    EXPECT_FALSE(broken.OnOpenDocument(damaged));
    EXPECT_EQ(broken.deleteCalls, 2);
    EXPECT_FALSE(broken.IsModified());
    EXPECT_FALSE(broken.OnOpenDocument(dir.File("missing.tbr").string()));
}

TEST(DocumentBaseTest, AFailedSaveLeavesTheOldFile) {
    TempDir dir;
    const std::string path = dir.Write("chart.tbr", "old bytes").string();
    TextDocument doc;
    doc.SetModifiedFlag(TRUE);
    doc.failSerialize = true;
    EXPECT_FALSE(doc.OnSaveDocument(path));
    EXPECT_EQ(TempDir::Read(path), "old bytes");
    EXPECT_TRUE(doc.IsModified());
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path())) {
        files.push_back(entry.path().filename());
    }
    EXPECT_EQ(files, std::vector<std::filesystem::path>{"chart.tbr"}) << "no temporary left";

    doc.failSerialize = false;
    doc.text = "new";
    EXPECT_TRUE(doc.OnSaveDocument(path));
    EXPECT_FALSE(doc.IsModified());
    TextDocument reread;
    ASSERT_TRUE(reread.OnOpenDocument(path));
    EXPECT_EQ(reread.text, "new");
}

TEST(DocumentBaseTest, AModifiedDocumentAsksBeforeItGoes) {
    TempDir dir;
    ScopedUi ui;
    struct Case {
        const char* what;
        int dialogResult;
        int answer;
        bool hasPath;
        BOOL mayClose;
        bool saved;
    };
    const std::vector<Case> cases = {
        {"discard", IDOK, IDNO, true, TRUE, false},
        {"keep open", IDOK, IDCANCEL, true, FALSE, false},
        {"dialog cancelled", IDCANCEL, IDYES, true, FALSE, false},
        {"save to its file", IDOK, IDYES, true, TRUE, true},
        {"save under a new name", IDOK, IDYES, false, TRUE, true},
    };
    int n = 0;
    for (const Case& c : cases) {
        const std::filesystem::path file = dir.File("doc" + std::to_string(n++) + ".tbr");
        ui->OnDialog("SaveChanges", [&c](DialogRequest& request) {
            static_cast<SaveChangesRequest&>(request).answer = c.answer;
            return c.dialogResult;
        });
        ui->OnDialog("SaveAs", [&file](DialogRequest& request) {
            static_cast<SaveAsRequest&>(request).path = file.string();
            return IDOK;
        });
        TextDocument doc;
        if (c.hasPath) {
            doc.SetPathName(file.string());
        }
        doc.text = "text";
        doc.SetModifiedFlag(TRUE);
        EXPECT_EQ(doc.SaveModified(), c.mayClose) << c.what;
        EXPECT_EQ(std::filesystem::exists(file), c.saved) << c.what;
        if (c.saved) {
            EXPECT_EQ(doc.GetPathName(), file.string()) << c.what;
            EXPECT_EQ(doc.GetTitle(), file.filename().string()) << c.what;
            EXPECT_FALSE(doc.IsModified()) << c.what;
        }
    }

    TextDocument unchanged;
    ui->ClearRecords();
    EXPECT_TRUE(unchanged.SaveModified());
    EXPECT_TRUE(ui->Dialogs().empty()) << "nothing to ask";
}

TEST(DocumentBaseTest, ANewDocumentHasNoFile) {
    TextDocument doc;
    doc.SetPathName("/tmp/some/chart.tbr");
    doc.text = "x";
    doc.SetModifiedFlag(TRUE);
    ASSERT_TRUE(doc.OnNewDocument());
    EXPECT_TRUE(doc.GetPathName().empty());
    EXPECT_TRUE(doc.text.empty());
    EXPECT_FALSE(doc.IsModified());
}

TEST(DocumentBaseTest, ClipboardFormatsAreNumberedOncePerName) {
    const UINT a = RegisterClipboardFormat("Document test A");
    const UINT b = RegisterClipboardFormat("Document test B");
    EXPECT_NE(a, b);
    EXPECT_EQ(RegisterClipboardFormat("Document test A"), a);
    EXPECT_GE(a, 0xC000u);
}

} // namespace
} // namespace tembra
