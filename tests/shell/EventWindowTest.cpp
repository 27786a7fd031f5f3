// Events in the program's chart window, offscreen, as a user makes them: the text typed in the
// term bar's combo placed with a click in the event mode, its text on the window's picture; then
// the events lined up by the align command through the program's own align dialog.
#include "ShellFixture.h"

#include "model/Event.h"
#include "model/Shincyoku.h"
#include "model/ui/AlignDlg.h"
#include "platform/DC.h"
#include "render/EventGeometry.h"
#include "shell/ChartViewWindow.h"
#include "shell/MainFrame.h"
#include "shell/YogoBar.h"
#include "support/qt/DialogControls.h"
#include "view/TembraFrame.h"
#include "view/TembraViewWnd.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QRadioButton>
#include <QTest>

namespace tembra {
namespace {

// "安全" in CP932.
const std::string kAnzen = "\x88\xc0\x91\x53";

class EventWindowTest : public test::ShellFixture {
protected:
    EventWindowTest() {
        std::filesystem::copy_file(std::filesystem::path(TEMBRA_DATA_DIR) / "sample.tbr", sample);
    }
    CTembraViewWnd& OpenPane() {
        EXPECT_FALSE(Start());
        doc = app->OpenDocumentFile(sample.string());
        EXPECT_NE(doc, nullptr);
        auto* window = dynamic_cast<CChartViewWindow*>(app->ActiveChart());
        CTembraViewWnd& pane = *window->Frame()->ActivePane();
        return pane;
    }
    // The client pixel of a day from the period's start on a row, and the device rectangle of
    // an event's text.
    QPoint Pixel(CTembraViewWnd& pane, int day, int row) {
        const CPageLayout& layout = pane.View().GetPageLayout();
        std::unique_ptr<CDC> dc = pane.GetClientDC();
        pane.View().OnPrepareDC(dc.get());
        CPoint p = layout.DateRowToPoint(layout.GetStartDate() + CTimeSpan(day, 0, 0, 0), row);
        dc->LPtoDP(&p);
        return QPoint(p.x, p.y);
    }
    QRect TextRect(CTembraViewWnd& pane, const CEvent& event) {
        std::unique_ptr<CDC> dc = pane.GetClientDC();
        pane.View().OnPrepareDC(dc.get());
        CRect r = GetRect(event, pane.View().GetPageLayout(), dc.get(), FALSE);
        dc->LPtoDP(&r);
        r.NormalizeRect();
        return QRect(QPoint(r.left, r.top), QPoint(r.right, r.bottom));
    }
    std::vector<CEvent*> Events() {
        std::vector<CEvent*> out;
        for (auto* list : {&doc->GetObjList(), &doc->GetSelList()}) {
            for (POSITION pos = list->GetHeadPosition(); pos != nullptr;) {
                CDataHeader* object = list->GetNext(pos);
                if (object->GetType() == kTypeEvent &&
                    static_cast<CEvent*>(object)->GetText() == kAnzen) {
                    out.push_back(static_cast<CEvent*>(object));
                }
            }
        }
        return out;
    }

    test::TempDir files;
    const std::filesystem::path sample = files.File("sample.tbr");
    CTembraDoc* doc = nullptr;
};

TEST_F(EventWindowTest, AClickPlacesTheTypedTextAndTheAlignDialogLinesTheEventsUp) {
    CTembraViewWnd& pane = OpenPane();
    app->MainFrame()->resize(1100, 800);
    QApplication::processEvents();
    QWidget* port = pane.viewport();
    // Events stand over the processes: two rows near the window's top left.
    const int row = pane.View().GetPageLayout().GetFirstRow() + 1;
    const QPoint first = Pixel(pane, 3, row);
    const QPoint second = Pixel(pane, 9, row + 2);
    ASSERT_TRUE(port->rect().contains(second))
        << "the rows lie in the window " << second.x() << "," << second.y() << " in "
        << port->width() << "x" << port->height();

    // F7 is the mode menu's, which another part of the program wires: the mode is set here.
    doc->GetOperation().SetMode(COperationState::kModeEvent);
    doc->GetOperation().SetOperation(COperationState::kOpDraw);
    doc->GetSyokiSet().GetEvent().SetRevice(0);
    app->MainFrame()->YogoBar()->YogoCombo()->setEditText(QString::fromUtf8("安全"));
    QApplication::processEvents();
    const QImage before = pane.BackingImage().copy();
    QTest::mouseMove(port, first);
    QTest::mouseClick(port, Qt::LeftButton, Qt::NoModifier, first);
    QApplication::processEvents();
    ASSERT_EQ(Events().size(), 1u);
    const QRect text = TextRect(pane, *Events().front());
    ASSERT_TRUE(port->rect().contains(text));
    const QImage after = pane.BackingImage();
    int changed = 0;
    for (int y = text.top(); y <= text.bottom(); ++y) {
        for (int x = text.left(); x <= text.right(); ++x) {
            changed += after.pixel(x, y) != before.pixel(x, y) ? 1 : 0;
        }
    }
    EXPECT_GT(changed, 10) << "the text is on the picture";

    QTest::mouseMove(port, second);
    QTest::mouseClick(port, Qt::LeftButton, Qt::NoModifier, second);
    QApplication::processEvents();
    ASSERT_EQ(Events().size(), 2u);

    // Both selected in the edit operation; 整列 with 上揃え through the program's dialog.
    doc->GetOperation().SetOperation(COperationState::kOpEdit);
    for (CEvent* event : Events()) {
        if (doc->FindSel(event) == nullptr) {
            event->Select();
            doc->SelectAt(doc->FindObj(event));
        }
    }
    EXPECT_TRUE(app->Router().Update(32797).IsEnabled());
    ui.OnDialog("Align", [this](DialogRequest& request) { return app->QtUi().RunDialog(request); });
    bool shown = false;
    test::WhenShown<CAlignDlg>([&shown](CAlignDlg& dialog) {
        shown = true;
        test::Control<QRadioButton>(dialog, CAlignDlg::IDC_ALIGN_TOP)->click();
        test::Control<QAbstractButton>(dialog, 1)->click();
    });
    EXPECT_TRUE(app->Router().Execute(32797));
    QApplication::processEvents();
    EXPECT_TRUE(shown);
    const std::vector<CEvent*> aligned = Events();
    ASSERT_EQ(aligned.size(), 2u);
    EXPECT_NEAR(TextRect(pane, *aligned[0]).top(), TextRect(pane, *aligned[1]).top(), 1);
    EXPECT_TRUE(doc->GetUndoHistory().CanUndo());
}

TEST_F(EventWindowTest, FeedbackDrawnTwiceLeavesThePictureAsItWas) {
    CTembraViewWnd& pane = OpenPane();
    app->MainFrame()->resize(1100, 800);
    QApplication::processEvents();
    CTembraView& view = pane.View();
    const CPageLayout& layout = view.GetPageLayout();
    std::unique_ptr<CShincyoku> line =
        doc->GetProgressLines().CreateShincyoku(layout.GetStartDate() + CTimeSpan(5, 0, 0, 0));
    ASSERT_NE(line, nullptr);
    const QImage before = pane.BackingImage().copy();
    // A row on the line's date, and a row off it.
    for (const int days : {5, 9}) {
        SCOPED_TRACE(days);
        CChartPos tracked;
        tracked.SetStartRow(static_cast<WORD>(layout.GetFirstRow() + 2));
        tracked.SetStartDate(layout.GetStartDate() + CTimeSpan(days, 0, 0, 0));
        const auto draw = [&] {
            std::unique_ptr<CDC> dc = pane.GetClientDC();
            view.OnPrepareDC(dc.get());
            view.DrawProgressFeedback(dc.get(), line.get(), tracked);
        };
        draw();
        EXPECT_NE(pane.BackingImage(), before) << "the stretch shows";
        draw();
        EXPECT_EQ(pane.BackingImage(), before) << "byte for byte";
    }
}

} // namespace
} // namespace tembra
