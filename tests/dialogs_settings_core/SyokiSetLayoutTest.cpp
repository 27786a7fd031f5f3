#include "dialogs/settings/core/SyokiSetRekiModel.h"

#include "SyokiSetFixture.h"

#include <gtest/gtest.h>

namespace tembra {
namespace {

using test::FakeLayoutDialogs;
using test::U8;

class SyokiSetLayoutTest : public test::SyokiSetFixture {
protected:
    void Load(int paper, const std::string& layout, bool temporaryHeader = false) {
        SetPaper(paper, layout);
        SetPeriod(CTime(2010, 4, 1), CTime(2010, 6, 30));
        if (temporaryHeader) {
            doc.GetPrHeader().SetLocalLayout(1);
        }
        model = std::make_unique<CSyokiSetRekiModel>(&doc);
        model->SetLayoutDialogs(&dialogs);
        model->LoadPeriod(&doc.GetSyokiSet(), nullptr);
        model->InitControls();
        ui->ClearRecords();
    }
    void ChoosePaper(int paper) {
        model->Values().paper = paper;
        model->OnSelchangePaper();
    }

    FakeLayoutDialogs dialogs;
    std::unique_ptr<CSyokiSetRekiModel> model;
};

TEST_F(SyokiSetLayoutTest, PaperChanges) {
    struct Case {
        const char* what;
        int paper;
        std::string layout;
        bool temporary;
        bool automation;
        std::vector<int> answers;
        int newPaper;
        // Expected:
        int wantPaper;
        std::string wantLayout;
        std::vector<UINT> wantQuestions;
        bool wantChanged;
    };
    const Case cases[] = {
        {"plan layout A3 to A4, No",
         2,
         "PLAN.LYT",
         false,
         false,
         {IDNO},
         0,
         2,
         "PLAN.LYT",
         {5136},
         false},
        {"plan layout A3 to A4, Yes",
         2,
         "PLAN.LYT",
         false,
         false,
         {IDYES},
         0,
         0,
         "MASTER01.LYT",
         {5136},
         true},
        {"plan layout A3 to A4, automation",
         2,
         "PLAN.LYT",
         false,
         true,
         {},
         0,
         0,
         "MASTER01.LYT",
         {},
         true},
        {"plan layout A3 to A1", 2, "PLAN.LYT", false, false, {}, 5, 5, "PLAN.LYT", {}, true},
        {"temporary layout, No",
         0,
         "MASTER01.LYT",
         true,
         false,
         {IDNO},
         1,
         0,
         "MASTER01.LYT",
         {5092},
         false},
        {"temporary layout, Yes",
         0,
         "MASTER01.LYT",
         true,
         false,
         {IDYES},
         1,
         1,
         "MASTER01.LYT",
         {5092},
         true},
        {"temporary layout, automation",
         0,
         "MASTER01.LYT",
         true,
         true,
         {},
         1,
         1,
         "MASTER01.LYT",
         {},
         true},
        {"the same paper", 0, "MASTER01.LYT", false, false, {}, 0, 0, "MASTER01.LYT", {}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        doc.m_bAutomation = c.automation ? TRUE : FALSE;
        Load(c.paper, c.layout, c.temporary);
        for (int answer : c.answers) {
            ui->QueueAnswer(answer);
        }
        ChoosePaper(c.newPaper);
        std::vector<UINT> questions;
        for (UINT id : ui->MessageIds()) {
            if (id == 5136 || id == 5092) {
                questions.push_back(id);
            }
        }
        EXPECT_EQ(questions, c.wantQuestions);
        EXPECT_EQ(model->Values().paper, c.wantPaper);
        EXPECT_EQ(model->GetArea().GetPaper(), c.wantPaper);
        EXPECT_EQ(model->GetLayoutFileName(), c.wantLayout);
        EXPECT_EQ(model->IsLayoutChanged(), c.wantChanged);
        if (c.wantChanged) {
            EXPECT_FALSE(model->IsTemporaryAtOpen());
            EXPECT_EQ(model->GetHeader().GetLocalLayout(), 0);
        }
    }
}

TEST_F(SyokiSetLayoutTest, TheNewPaperSetsOrientationFontsAndPlanWidths) {
    Load(0, "MASTER01.LYT");
    ChoosePaper(3);
    EXPECT_EQ(model->GetArea().GetMuki(), 1);
    EXPECT_EQ(model->GetFonts()[kFontDate].lfHeight,
              GetAppConfig()->GetFont(kFontDate, 3).lfHeight);
    ChoosePaper(4);
    EXPECT_EQ(model->GetArea().GetMuki(), 0);

    const int widths[][2] = {{2, 210}, {4, 296}, {5, 420}};
    Load(5, "PLAN.LYT");
    for (const auto& [paper, width] : widths) {
        SCOPED_TRACE(paper);
        ChoosePaper(paper);
        EXPECT_EQ(model->Values().itemWidth, width);
        EXPECT_EQ(model->GetArea().GetLeftWidth(), width);
        EXPECT_EQ(U8(model->GetLayoutName()), "安全書式");
    }
}

TEST_F(SyokiSetLayoutTest, ANewPaperKeepsTheHeadersInputs) {
    Load(2, "MASTER01.LYT");
    doc.GetPrHeader().SetTitleText(Sjis::FromUtf8("見本工事"));
    model->LoadPeriod(&doc.GetSyokiSet(), nullptr);
    ASSERT_EQ(U8(model->GetHeader().GetTitleText()), "見本工事");
    ChoosePaper(0);
    EXPECT_EQ(U8(model->GetHeader().GetTitleText()), "見本工事");
    model->OnLayoutEdit();
    EXPECT_EQ(U8(model->GetHeader().GetTitleText()), "見本工事");
}

TEST_F(SyokiSetLayoutTest, ChoosingAPlanLayoutOnAnotherPaperAsksForThePaper) {
    struct Case {
        const char* what;
        int paperResult;
        int paperCode;
        int wantPaper;
        std::string wantLayout;
        int wantWidth; // 0: the page area's own
    };
    const Case cases[] = {
        {"A1 chosen", IDOK, 5, 5, "PLAN.LYT", 420},
        {"decided at once", IDOK, 2, 2, "PLAN.LYT", 210},
        {"cancelled", IDCANCEL, 2, 0, "MASTER01.LYT", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Load(0, "MASTER01.LYT");
        const int width = model->GetArea().GetLeftWidth();
        dialogs.chosenFile = "PLAN.LYT";
        dialogs.chosenName = Sjis::FromUtf8("安全書式");
        dialogs.paperResult = c.paperResult;
        dialogs.paperCode = c.paperCode;
        dialogs.paperCalls = 0;
        model->OnLayoutChange();
        EXPECT_EQ(dialogs.paperCalls, 1);
        EXPECT_EQ(model->Values().paper, c.wantPaper);
        EXPECT_EQ(model->GetArea().GetPaper(), c.wantPaper);
        EXPECT_EQ(model->GetLayoutFileName(), c.wantLayout);
        EXPECT_EQ(model->Values().itemWidth, c.wantWidth != 0 ? c.wantWidth : width);
        EXPECT_EQ(model->IsLayoutChanged(), c.paperResult == IDOK);
    }

    // A plan layout on a plan paper is taken at once.
    Load(4, "MASTER01.LYT");
    dialogs.paperCalls = 0;
    model->OnLayoutChange();
    EXPECT_EQ(dialogs.paperCalls, 0);
    EXPECT_EQ(model->GetLayoutFileName(), "PLAN.LYT");
    EXPECT_EQ(model->Values().itemWidth, 296);
}

TEST_F(SyokiSetLayoutTest, ATemporaryEditMakesTheLocalLayoutTheChartsOwn) {
    Load(0, "MASTER01.LYT");
    SyokiSetValues& v = model->Values();
    v.itemWidth = 700;
    model->OnItemWidthLeft();
    model->OnLayoutEdit();
    EXPECT_TRUE(dialogs.editorFlagWhileEditing);
    EXPECT_FALSE(app->IsLayoutEditorRunning());
    EXPECT_EQ(U8(model->GetLayoutName()), "ローカル書式");
    EXPECT_EQ(model->GetHeader().GetLocalLayout(), 1);
    EXPECT_TRUE(model->IsTemporaryAtOpen());
    EXPECT_TRUE(model->IsEditedHere());
    EXPECT_FALSE(model->IsLayoutChanged());
    EXPECT_EQ(v.itemWidth, 700);

    // A cancelled edit changes nothing; a later paper change asks before dropping the edit.
    dialogs.editResult = IDCANCEL;
    model->OnLayoutEdit();
    EXPECT_TRUE(model->IsEditedHere());
    ui->QueueAnswer(IDYES);
    ChoosePaper(1);
    EXPECT_EQ(ui->MessageIds(), std::vector<UINT>{5092});
    EXPECT_FALSE(model->IsEditedHere());
    EXPECT_EQ(U8(model->GetLayoutName()), "標準書式");
}

TEST_F(SyokiSetLayoutTest, StoreTakesThePageAreaOnlyWhenThePaperOrLayoutChanged) {
    Load(0, "MASTER01.LYT");
    CSyokiSet unchanged = doc.GetSyokiSet();
    model->StorePeriod(&unchanged);
    EXPECT_EQ(unchanged.GetPageSetting().GetPaper(), 0);

    ChoosePaper(2);
    CSyokiSet changed = doc.GetSyokiSet();
    model->StorePeriod(&changed);
    EXPECT_EQ(changed.GetPageSetting().GetPaper(), 2);
    EXPECT_EQ(changed.GetPageSetting().GetChartSize().cx, model->GetArea().GetChartSize().cx);
}

TEST_F(SyokiSetLayoutTest, ResetKeepsThePaperShown) {
    Load(0, "MASTER01.LYT");
    ChoosePaper(4);
    model->Values().rows = 3;
    model->Reset();
    EXPECT_EQ(model->Values().paper, 4);
    EXPECT_EQ(model->GetArea().GetPaper(), 4);
    EXPECT_EQ(model->Values().rows, GetAppConfig()->GetLines());
    EXPECT_TRUE(model->IsLayoutChanged());
    // The document's record stays the one stored into.
    EXPECT_EQ(model->GetLoaded(), &doc.GetSyokiSet());
}

} // namespace
} // namespace tembra
