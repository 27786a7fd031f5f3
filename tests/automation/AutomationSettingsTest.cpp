// The settings changes clients ask for, made through the initial settings' own rules on a real
// chart (the member table's own checks are in AutomationRowsTest).
#include "AutomationFixture.h"

#include "model/SyokiSet.h"

#include <gtest/gtest.h>

namespace tembra::test {
namespace {

class AutomationSettingsTest : public DocFileFixture {
protected:
    AutomationSettingsTest() : doc(NewChart()), automation(*doc, host, settings) {
        automation.AppInit();
    }

    static AutoArg S(const char* text) { return std::string(text); }
    static AutoResult Ok() { return AutoResult::I2(-1); }
    static AutoResult Refused() { return AutoResult::I2(0); }

    RecordingHost host;
    CSyokiSetChanges settings;
    std::unique_ptr<CTembraDoc> doc;
    CTembraDocAutomation automation;
};

TEST_F(AutomationSettingsTest, RowsPeriodAndPaperReachTheChartsSettings) {
    const CSyokiSet& set = doc->GetSyokiSet();
    ASSERT_EQ(set.GetNobeMode(), 0);

    doc->SetModifiedFlag(FALSE);
    EXPECT_EQ(automation.LineChange(S("500")), Ok());
    EXPECT_EQ(set.GetRowSpan(), 150);
    EXPECT_TRUE(doc->IsModified());

    automation.SetMaeYohaku(3);
    automation.SetAtoYohaku(2);
    EXPECT_EQ(automation.KikanChange(S("2005/04/10"), S("2005/04/20")), Ok());
    EXPECT_EQ(set.GetStartDate(), CTime(2005, 4, 7));
    EXPECT_EQ(set.GetEndDate(), CTime(2005, 4, 22));

    EXPECT_EQ(automation.PaperChange(S("5")), Ok());
    EXPECT_EQ(set.GetPageSetting().GetPaper(), 5);

    // A refused change stores nothing.
    EXPECT_EQ(automation.KikanChange(S("2005/02/30"), S("2005/04/20")), Refused());
    EXPECT_EQ(set.GetStartDate(), CTime(2005, 4, 7));
}

} // namespace
} // namespace tembra::test
