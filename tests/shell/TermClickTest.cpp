// A term placed with the mouse in the running program: the text typed in the main frame's term
// combo goes onto the process clicked in the term mode, shows on the chart window, and joins the
// combo's history.
#include "ShellFixture.h"

#include "model/Koutei.h"
#include "platform/DC.h"
#include "platform/Sjis.h"
#include "render/KouteiLabels.h"
#include "shell/ChartViewWindow.h"
#include "shell/YogoBar.h"
#include "view/TembraFrame.h"
#include "view/TembraViewWnd.h"

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QTest>

namespace tembra {
namespace {

class TermClickTest : public test::ShellFixture {};

TEST_F(TermClickTest, AClickInTheTermModeAttachesTheCombosText) {
    test::TempDir files;
    const std::filesystem::path sample = test::CopyOfSample(files, "sample.tbr");
    ASSERT_FALSE(Start());
    Frame().resize(1400, 900);
    Frame().show();
    CTembraDoc* doc = app->OpenDocumentFile(sample.string());
    ASSERT_NE(doc, nullptr);
    auto* window = dynamic_cast<CChartViewWindow*>(app->ActiveChart());
    ASSERT_NE(window, nullptr);
    QApplication::processEvents();
    CTembraViewWnd& pane = *window->Frame()->ActivePane();
    CTembraView& view = pane.View();

    // A straight process of the sample, its middle scrolled into the window.
    CKoutei* process = nullptr;
    for (POSITION pos = doc->GetHeadObjPosition(); pos != nullptr && process == nullptr;) {
        CDataHeader* object = doc->GetNextObj(pos);
        if (object->GetType() == kTypeKoutei && object->GetKind() == kKindKoutei) {
            auto* candidate = static_cast<CKoutei*>(object);
            if (candidate->GetStartRow() == candidate->GetEndRow() &&
                candidate->GetEndTime() - candidate->GetStartTime() >= CTimeSpan(2, 0, 0, 0) &&
                candidate->IsRelationLine() == 0) {
                process = candidate;
            }
        }
    }
    ASSERT_NE(process, nullptr);
    const int row = process->GetStartRow();
    const int termsBefore = process->GetYogoCount();
    const CTime middle =
        process->GetStartTime() +
        CTimeSpan((process->GetEndTime() - process->GetStartTime()).GetDays() / 2, 0, 0, 0);
    const CPoint logical = view.GetLayout().DateRowToPoint(middle, row);
    view.KeepPointAt(logical, CPoint(300, 300));
    QApplication::processEvents();
    QPoint at;
    {
        std::unique_ptr<CDC> dc = pane.GetClientDC();
        view.OnPrepareDC(dc.get());
        CPoint device = logical;
        dc->LPtoDP(&device);
        at = QPoint(device.x, device.y);
    }
    ASSERT_TRUE(pane.viewport()->rect().contains(at));

    doc->GetSyokiSet().GetChart().GetYogoAttr().m_form = kYogoPlaceMiddle;
    doc->GetOperation().SetYogoAttach(0xFF);
    doc->GetOperation().SetMode(COperationState::kModeYogo);
    doc->GetOperation().SetOperation(COperationState::kOpDraw);
    QComboBox* combo = Frame().YogoBar()->YogoCombo();
    combo->setEditText(QString::fromUtf8("基礎工事"));
    QApplication::processEvents();
    const QImage before = pane.BackingImage().copy();

    QTest::mouseClick(pane.viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QApplication::processEvents();

    // The process is now a copy carrying the term.
    CKoutei* carrying = nullptr;
    for (POSITION pos = doc->GetHeadObjPosition(); pos != nullptr;) {
        CDataHeader* object = doc->GetNextObj(pos);
        if (object->GetType() == kTypeKoutei && object->GetKind() == kKindKoutei &&
            static_cast<CKoutei*>(object)->GetYogoCount() == termsBefore + 1 &&
            static_cast<CKoutei*>(object)->GetStartRow() == row) {
            carrying = static_cast<CKoutei*>(object);
        }
    }
    ASSERT_NE(carrying, nullptr);
    int index = -1;
    for (int i = 0; i < carrying->GetYogoCount(); ++i) {
        if (carrying->GetYogo(i)->GetText() == Sjis::FromUtf8("基礎工事")) {
            index = i;
        }
    }
    ASSERT_GE(index, 0);
    EXPECT_EQ(doc->GetOperation().GetState(), 0);
    ASSERT_EQ(combo->count(), 1);
    EXPECT_EQ(combo->itemText(0), QString::fromUtf8("基礎工事"));

    // Its label shows where the layout puts it.
    CRect label;
    {
        std::unique_ptr<CDC> dc = pane.GetClientDC();
        view.OnPrepareDC(dc.get());
        label = GetYogoRect(*carrying, view.GetLayout(), dc.get(), index);
        dc->LPtoDP(&label);
        label.NormalizeRect();
    }
    const QImage after = pane.BackingImage();
    int changed = 0;
    for (int y = std::max<int>(label.top, 0); y < std::min<int>(label.bottom, after.height());
         ++y) {
        for (int x = std::max<int>(label.left, 0); x < std::min<int>(label.right, after.width());
             ++x) {
            changed += after.pixel(x, y) != before.pixel(x, y) ? 1 : 0;
        }
    }
    EXPECT_GT(changed, 20) << "the text of the label is drawn";
}

} // namespace
} // namespace tembra
