// The sample chart the program ships is the sample fixture written out by this release: the test
// writes it anew and compares the bytes. After a deliberate change of the fixture or of the file
// format, write the shipped file anew and look at it in the program before committing it:
//
//     TEMBRA_UPDATE_SAMPLE=1 build/test/tests/view_core/view_core_tests
//         --gtest_filter='SampleChartTest.*'
//
// (one command line).
#include "SampleChart.h"

#include "chart/Chart.h"
#include "document/DocFileFixture.h"
#include "model/Calendar.h"
#include "model/Koutei.h"
#include "platform/RegKey.h"

#include <cstdlib>
#include <filesystem>

namespace tembra {
namespace {

const std::filesystem::path kShipped = std::filesystem::path(TEMBRA_DATA_DIR) / "sample.tbr";

// The program as installed: its own key starts as the shipped holiday set, so that the sample's
// calendar holds the national holidays (Golden Week shaded in its period).
class SampleChartTest : public test::DocFileFixture {
protected:
    SampleChartTest() {
        const std::filesystem::path key = AppRegKeyDefaultPath().filename();
        std::filesystem::copy_file(std::filesystem::path(TEMBRA_DATA_DIR) / key,
                                   paths.Shipped() / key,
                                   std::filesystem::copy_options::overwrite_existing);
    }
};

TEST_F(SampleChartTest, TheShippedSampleIsTheFixtureWrittenOut) {
    std::unique_ptr<CTembraDoc> doc = NewChart();
    test::BuildSampleChart(*doc);
    EXPECT_TRUE(Messages().empty()) << ::testing::PrintToString(MessageTexts());
    const std::filesystem::path written = files.File("sample.tbr");
    ASSERT_TRUE(doc->OnSaveDocument(written.string()));
    const std::string bytes = ReadBytes(written);
    if (std::getenv("TEMBRA_UPDATE_SAMPLE") != nullptr) {
        WriteBytes(kShipped, bytes);
    }
    EXPECT_TRUE(SameBytes(bytes, ReadBytes(kShipped)));
}

TEST_F(SampleChartTest, TheSampleHoldsOneOfEachKindOfRecord) {
    // A copy: an open chart keeps a lock file beside it.
    const std::filesystem::path copy = files.File("copy.tbr");
    std::filesystem::copy_file(kShipped, copy);
    CTembraDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(copy.string()));
    int processes = 0;
    int relations = 0;
    int events = 0;
    int terms = 0;
    int resources = 0;
    for (POSITION pos = doc.GetHeadObjPosition(); pos != nullptr;) {
        CDataHeader* object = doc.GetNextObj(pos);
        if (auto* process = dynamic_cast<CKoutei*>(object)) {
            (process->IsRelationLine() != 0 ? relations : processes) += 1;
            terms += process->GetYogoCount();
            resources += process->GetShigen()->GetCount() > 0 ? 1 : 0;
        } else if (object->GetType() == kTypeEvent) {
            ++events;
        }
    }
    EXPECT_EQ(processes, 6);
    EXPECT_EQ(relations, 1);
    EXPECT_EQ(events, 2);
    EXPECT_EQ(terms, 6);
    EXPECT_EQ(resources, 6);
    EXPECT_EQ(doc.GetShincyokuList().GetCount(), 1);
    EXPECT_EQ(doc.GetZukeiCount(), 2);
    ASSERT_EQ(doc.GetResourceCharts().GetChartCount(), 1);
    EXPECT_FALSE(dynamic_cast<CChart*>(doc.GetChartList().GetHead())->GetShapes().empty());
    EXPECT_EQ(doc.GetKoumokuRowCount(0), 21);
    EXPECT_EQ(doc.GetShigenNames().size(), 2u);
    // The shipped holidays: Golden Week of 2010 in the sample's period.
    const CCalendar& calendar = doc.GetWorkCalendar();
    for (const int day : {3, 4, 5}) {
        EXPECT_TRUE(calendar.IsHoliday(2010, 5, day)) << "2010-05-0" << day;
    }
    EXPECT_TRUE(calendar.IsHoliday(2010, 4, 29));
    EXPECT_FALSE(calendar.IsHoliday(2010, 5, 6));
}

} // namespace
} // namespace tembra
