// 設定 > 印刷ヘッダ on a chart converted to a plan: the plan sheet for the plan, the name plate
// for the monthly plan, and what an edit of the header's texts does to the document.
#include "DocCommandDriver.h"
#include "DocFileFixture.h"
#include "DocTestSupport.h"

#include "document/LayerDialogRequests.h"
#include "model/Koutei.h"
#include "platform/Sjis.h"
#include "print/PrHeader.h"
#include "print/PrNewText.h"
#include "print/PrhMst03SheetRequest.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace tembra {
namespace {

namespace fs = std::filesystem;
using test::RecordingView;
using test::RunCommand;

class DocHeaderEditTest : public test::DocFileFixture {
protected:
    DocHeaderEditTest() {
        // The plan's layouts are shipped; the conversion finds them in the program folder.
        for (const char* layout : {"MASTER-A01.LYT", "MASTER-A02.LYT"}) {
            fs::copy_file(fs::path(TEMBRA_DATA_DIR) / layout, paths.Shipped() / layout);
        }
        fs::copy_file(fs::path(TEMBRA_DATA_DIR) / "sample.tbr", files.File("sample.tbr"));
    }

    // The sample chart opened converted to the plan of the kind.
    void OpenConverted(CTembraDoc& doc, int kind) {
        state.SetPlanConversion(kind);
        ASSERT_TRUE(doc.OnOpenDocument(files.File("sample.tbr").string()));
        doc.SetPathName(files.File("sample.tbr").string());
        state.SetPlanConversion(0);
    }
};

TEST_F(DocHeaderEditTest, TheConvertedChartOpensItsPlansDialog) {
    struct Case {
        int kind;
        const char* dialog;
    };
    const Case cases[] = {{1, "PrhMst03Sheet"}, {2, "NafudaDlg"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        ui.Get().ClearRecords();
        CTembraDoc doc;
        OpenConverted(doc, c.kind);
        EXPECT_TRUE(Messages().empty()) << ::testing::PrintToString(MessageTexts());
        EXPECT_EQ(doc.GetPrHeader().GetLayoutKind(), c.kind);
        EXPECT_FALSE(doc.GetPrHeader().GetElementList().empty());
        RunCommand(doc, 32941);
        ASSERT_EQ(ui.Get().Dialogs().size(), 1u);
        EXPECT_EQ(ui.Get().Dialogs()[0].name, c.dialog);
        doc.OnCloseDocument();
    }
}

// The plan's OK is an edit of the chart as the name plate's is; a cancel is none.
TEST_F(DocHeaderEditTest, OkOfEitherDialogMarksTheChartChangedAndRedrawsTheHeader) {
    struct Case {
        int kind;
        int answer;
    };
    const Case cases[] = {{1, IDOK}, {1, IDCANCEL}, {2, IDOK}, {2, IDCANCEL}};
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.kind << " " << c.answer);
        CTembraDoc doc;
        OpenConverted(doc, c.kind);
        doc.GetSyokiSet().SetTitleInfo(1);
        doc.SetModifiedFlag(FALSE);
        doc.SetChangedFlag(FALSE);
        auto* process = new CKoutei;
        doc.GetObjList().AddTail(process);
        doc.GetUndoHistory().AddNew(process);
        RecordingView view;
        doc.AddView(&view);
        const std::string title = doc.GetTitle();

        // The dialog writes the chart's title into the header.
        const std::string planTitle = Sjis::FromUtf8("新築工事計画");
        auto edit = [&c, &planTitle](CPrHeader& header) {
            if (c.answer != IDOK) {
                return c.answer;
            }
            if (c.kind == 1) {
                header.FindInputArea("010001")->SetContents(planTitle);
            } else {
                header.SetTitleText(planTitle);
            }
            return c.answer;
        };
        ui.Get().OnDialog("PrhMst03Sheet", [&edit](DialogRequest& r) {
            return edit(static_cast<PrhMst03SheetRequest&>(r).header);
        });
        ui.Get().OnDialog("NafudaDlg", [&edit](DialogRequest& r) {
            return edit(static_cast<NafudaDlgRequest&>(r).header);
        });
        RunCommand(doc, 32941);

        const bool ok = c.answer == IDOK;
        // The edit is the one undo step: the step before it gives way to it.
        ASSERT_EQ(doc.GetUndoHistory().GetUndoList().size(), 1u);
        EXPECT_EQ(dynamic_cast<CPrHeader*>(doc.GetUndoHistory().GetUndoList()[0].GetInfo()) !=
                      nullptr,
                  ok);
        EXPECT_EQ(doc.IsModified() != FALSE, ok);
        EXPECT_EQ(doc.GetChangedFlag() != FALSE, ok);
        if (ok) {
            EXPECT_NE(doc.GetTitle().find(planTitle), std::string::npos) << doc.GetTitle();
            ASSERT_FALSE(view.updates.empty());
            EXPECT_EQ(view.updates.back().hint, 16);
            // Undo gives the header back as it was, with the title; redo the edit again.
            view.updates.clear();
            ASSERT_EQ(doc.GetUndoHistory().Undo(), 1);
            EXPECT_EQ(doc.GetTitle(), title);
            EXPECT_EQ(doc.GetPrHeader().GetTitleText().find(planTitle), std::string::npos);
            ASSERT_FALSE(view.updates.empty());
            EXPECT_EQ(view.updates.back().hint, 16);
            ASSERT_EQ(doc.GetUndoHistory().Redo(), 1);
            EXPECT_NE(doc.GetTitle().find(planTitle), std::string::npos) << doc.GetTitle();
        } else {
            EXPECT_EQ(doc.GetTitle(), title);
            EXPECT_TRUE(view.updates.empty());
        }
        doc.RemoveView(&view);
        doc.OnCloseDocument();
    }
}

} // namespace
} // namespace tembra
