// The bounds of a process take in the sides of its arrow head: as far as the settings' arrow
// length and angle make them reach, whatever angle a chart drawn before used.
#include "ViewFixture.h"

#include "render/PageLayout.h"

namespace tembra {
namespace {

class ProcessBoundsTest : public test::ViewFixture {};

TEST_F(ProcessBoundsTest, TheArrowHeadWidensTheBoundsByItsAngle) {
    CKoutei* process = AddProcess(3, 9, 4);
    process->GetStartLand()->SetSize(0);
    process->GetEndLand()->SetSize(0);
    CConfigChart& chart = doc.GetSyokiSet().GetChart();
    chart.SetArrowLength(12);
    test::FakeViewHost host;
    const CPageLayout& layout = MakeView(host).GetLayout();
    struct Case {
        WORD degrees;
        int reach;
    };
    // Back to an angle met before: each chart's own angle counts.
    const Case cases[] = {{30, 6}, {90, 12}, {150, 6}, {45, 9}, {30, 6}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.degrees);
        chart.SetArrowAngle(c.degrees);
        const CRect bounds = layout.GetObjectBounds(nullptr, process, -1);
        EXPECT_EQ(bounds.top - bounds.bottom, 2 * c.reach);
        EXPECT_EQ(bounds.right - bounds.left, 600 + 2 * c.reach);
    }
}

} // namespace
} // namespace tembra
