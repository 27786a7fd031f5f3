// A calendar-day chart for the initial-settings models: fresh application state and folders,
// the standard layout and a plan-sheet layout ("PLAN.LYT") in the layout folder, a paper and a
// period chosen by the test.
#pragma once

#include "dialogs/settings/core/SyokiSetRekiModel.h"
#include "document/AppState.h"
#include "document/DocTestSupport.h"
#include "document/TembraDoc.h"
#include "model/ConfigPath.h"
#include "model/LayoutFile.h"
#include "model/Utility.h"
#include "platform/Sjis.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

namespace tembra::test {

inline std::string U8(const std::string& cp932) {
    return Sjis::ToUtf8(cp932);
}

class SyokiSetFixture : public ::testing::Test {
protected:
    void SetUp() override {
        doc.OnNewDocument();
        CSyokiSet& s = doc.GetSyokiSet();
        s.GetPath().Read(FALSE);
        WritePlanLayout();
        ASSERT_EQ(GetLayoutDiscernmentFlag(InFolder("PLAN.LYT")), 1) << U8(s.GetPath().GetFolder());
        SetPaper(0);
    }

    std::filesystem::path InFolder(const std::string& name) const {
        return ConfigPathToFs(doc.GetSyokiSet().GetPath().GetFolder() + name);
    }

    // The standard layout with the plan-sheet flag and a name of its own.
    void WritePlanLayout() {
        std::string text = TempDir::Read(std::filesystem::path(TEMBRA_SOURCE_DIR) / "data" /
                                         CConfigPath::kMasterLayout);
        std::ofstream(InFolder(CConfigPath::kMasterLayout), std::ios::binary) << text;
        const auto replace = [&text](const std::string& from, const std::string& to) {
            const std::size_t at = text.find(from);
            ASSERT_NE(at, std::string::npos) << from;
            text.replace(at, from.size(), to);
        };
        replace("LayoutDiscernmentFlag=0", "LayoutDiscernmentFlag=1");
        replace(Sjis::FromUtf8("LayoutName=標準書式"), Sjis::FromUtf8("LayoutName=安全書式"));
        std::ofstream(InFolder("PLAN.LYT"), std::ios::binary) << text;
    }

    // The chart's paper and layout file, its header built from them.
    void SetPaper(int paper, const std::string& layout = CConfigPath::kMasterLayout) {
        CSyokiSet& s = doc.GetSyokiSet();
        s.GetPath().SetLayoutFileName(layout);
        s.GetPageSetting().SetPaper(paper, paper == 3 ? 1 : 0, InFolder(layout));
        doc.GetPrHeader().InitFromSettings(&doc, paper, InFolder(layout), FALSE);
    }

    // The displayed period (work start to work end) with its margins.
    void SetPeriod(const CTime& start, const CTime& end, int mae = 0, int ato = 0) {
        CSyokiSet& s = doc.GetSyokiSet();
        s.SetMaeYohaku(CTimeSpan(mae, 0, 0, 0));
        s.SetAtoYohaku(CTimeSpan(ato, 0, 0, 0));
        s.SetStartDate(start - CTimeSpan(mae, 0, 0, 0));
        s.SetEndDate(end + CTimeSpan(ato, 0, 0, 0));
    }

    ScopedPaths paths;
    ScopedUi ui;
    ScopedAppState app;
    CTembraDoc doc;
};

// Layout dialogs that answer as the test says and remember what they were asked.
class FakeLayoutDialogs : public ISyokiSetLayoutDialogs {
public:
    int selectResult = IDOK;
    std::string chosenFile;
    std::string chosenName;
    int paperResult = IDOK;
    int paperCode = 2;
    int editResult = IDOK;
    int selectCalls = 0;
    int paperCalls = 0;
    bool editorFlagWhileEditing = false;

    int SelectLayout(const CPrintArea&, std::string& fileName, std::string& layoutName) override {
        ++selectCalls;
        fileName = chosenFile;
        layoutName = chosenName;
        return selectResult;
    }
    int SelectPlanPaper(int& code) override {
        ++paperCalls;
        code = paperCode;
        return paperResult;
    }
    // Writes the header as the temporary layout, as the waiting dialog does.
    int EditLayout(const CPrHeader& header, const CPrintArea& area, const std::string& name,
                   const CConfigPath& path) override {
        editorFlagWhileEditing = GetAppState()->IsLayoutEditorRunning() != FALSE;
        header.WriteLayoutFile(0, area, area.GetPaper(), name,
                               ConfigPathToFs(path.GetLayoutTempPath()),
                               ConfigPathToFs(path.GetLayoutFilePath()), FALSE);
        return editResult;
    }
};

} // namespace tembra::test
