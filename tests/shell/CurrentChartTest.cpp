// A chart made today, in 2027, worked on in the program's window as a user does: 日数変更 through
// the menu and its dialog lengthens a process across Golden Week in calendar days and in working
// days; a day chosen in the date band is filled and cleared through 塗り潰し設定.
#include "ShellFixture.h"

#include "dialogs/attributes/ChangeDaysDlg.h"
#include "document/AttrDialogRequests.h"
#include "model/Calendar.h"
#include "model/Koutei.h"
#include "model/KtkmHatch.h"
#include "platform/DC.h"
#include "platform/RegKey.h"
#include "shell/ChartViewWindow.h"
#include "support/qt/DialogControls.h"
#include "view/TembraFrame.h"
#include "view/TembraViewWnd.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <vector>

namespace tembra {
namespace {

using test::Control;

class CurrentChartTest : public test::ShellFixture {
protected:
    // Today is in 2027; the program's holiday set is the one it ships, as in an installation.
    CurrentChartTest() {
        clock.Set(CTime(2027, 4, 1, 9, 0, 0));
        std::filesystem::copy_file(
            std::filesystem::path(TEMBRA_DATA_DIR) / AppRegKeyDefaultPath().filename(),
            AppRegKeyDefaultPath(), std::filesystem::copy_options::overwrite_existing);
    }

    CTembraViewWnd& NewChart() {
        EXPECT_FALSE(Start());
        app->MainFrame()->resize(1100, 800);
        doc = app->NewDocument();
        EXPECT_NE(doc, nullptr);
        auto* window = dynamic_cast<CChartViewWindow*>(app->ActiveChart());
        QApplication::processEvents();
        return *window->Frame()->ActivePane();
    }

    std::vector<CKoutei*> Processes() const {
        std::vector<CKoutei*> found;
        for (auto* list : {&doc->GetObjList(), &doc->GetSelList()}) {
            for (POSITION pos = list->GetHeadPosition(); pos != nullptr;) {
                CDataHeader* object = list->GetNext(pos);
                if (object->GetType() == kTypeKoutei) {
                    found.push_back(static_cast<CKoutei*>(object));
                }
            }
        }
        return found;
    }

    std::vector<const CKtkmHatch*> DateFills() const {
        std::vector<const CKtkmHatch*> found;
        for (POSITION pos = doc->GetHatchList()->GetHeadPosition(); pos != nullptr;) {
            const CKtkmHatch* hatch = doc->GetHatchList()->GetNext(pos);
            if (hatch->GetKind() == 2) {
                found.push_back(hatch);
            }
        }
        return found;
    }

    // The client pixel of a date in the middle of the date band.
    static QPoint DateBandPixel(CTembraViewWnd& pane, const CTime& date) {
        const CPageLayout& layout = pane.View().GetPageLayout();
        std::unique_ptr<CDC> dc = pane.GetClientDC();
        pane.View().OnPrepareDC(dc.get());
        const CRect band = layout.GetBodyRect();
        CPoint p(layout.DateToX(date + CTimeSpan(0, 12, 0, 0)), (band.top + band.bottom) / 2);
        dc->LPtoDP(&p);
        return QPoint(p.x, p.y);
    }

    CTembraDoc* doc = nullptr;
};

TEST_F(CurrentChartTest, ChangeOfDaysLengthensAProcessAcrossGoldenWeek) {
    NewChart();
    ASSERT_EQ(doc->GetSyokiSet().GetStartDate().GetYear(), 2027);
    // Golden Week of 2027 in the chart's calendar: Thursday 29 April, then Sunday 2 to
    // Wednesday 5 May; Saturday 1 May is a working day.
    const CCalendar& calendar = doc->GetWorkCalendar();
    for (const CTime& day : {CTime(2027, 4, 29), CTime(2027, 5, 2), CTime(2027, 5, 3),
                             CTime(2027, 5, 4), CTime(2027, 5, 5)}) {
        ASSERT_TRUE(calendar.IsHoliday(day)) << day.Format("%Y-%m-%d");
    }
    ASSERT_FALSE(calendar.IsHoliday(CTime(2027, 5, 1)));

    struct Case {
        const char* name;
        bool workingDays; // the line's Holiday flag
        int countMode;    // the dialog's 延べ or 実動
        int daysBefore;
        CTime end;
    };
    // Wednesday 28 April to Friday 30 April: two calendar days, one working day. Three more
    // calendar days end on 3 May; three more working days are 30 April, 1 May and 6 May.
    const Case cases[] = {
        {"calendar days", false, CChangeDaysDlg::IDC_ELAPSED, 2, CTime(2027, 5, 3)},
        {"working days", true, CChangeDaysDlg::IDC_WORKING, 1, CTime(2027, 5, 7)},
    };
    ui.OnDialog("ChangeDaysDlg",
                [this](DialogRequest& request) { return app->QtUi().RunDialog(request); });
    WORD row = 2;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CChartPos pos;
        pos.SetStartDate(CTime(2027, 4, 28));
        pos.SetEndDate(CTime(2027, 4, 30));
        pos.SetStartRow(++row);
        pos.SetEndRow(row);
        std::unique_ptr<CKoutei> made = doc->CreateKoutei(&pos, TRUE);
        ASSERT_NE(made, nullptr);
        made->GetLines()->GetAttr().m_holiday = c.workingDays ? 1 : 0;
        CKoutei* process = made.get();
        doc->AddObj(made.release(), FALSE);
        doc->UnselectAll(FALSE);
        doc->GetOperation().SetMode(COperationState::kModeKoutei);
        doc->GetOperation().SetOperation(COperationState::kOpEdit);
        process->Select();
        doc->SelectAt(doc->FindObj(process));

        app->UpdateCommandStates();
        QAction* changeDays = Frame().Action(32847);
        ASSERT_TRUE(changeDays->isEnabled());
        bool shown = false;
        test::WhenShown<CChangeDaysDlg>([&](CChangeDaysDlg& dialog) {
            shown = true;
            Control<QRadioButton>(dialog, c.countMode)->click();
            auto* days = Control<QLineEdit>(dialog, CChangeDaysDlg::IDC_DAYS);
            EXPECT_EQ(days->text(), QString::number(c.daysBefore));
            days->setText(QString::number(c.daysBefore + 3));
            emit days->editingFinished();
            EXPECT_EQ(Control<QLineEdit>(dialog, CChangeDaysDlg::IDC_YEAR)->text(), "2027");
            Control<QPushButton>(dialog, 1)->click();
            if (dialog.isVisible()) {
                ADD_FAILURE() << "決定 left the dialog open";
                dialog.reject();
            }
        });
        changeDays->trigger();
        QApplication::processEvents();
        EXPECT_TRUE(shown);
        EXPECT_TRUE(ui.MessageTexts().empty());
        const CKoutei* changed = nullptr;
        for (const CKoutei* p : Processes()) {
            if (p->GetStartRow() == row) {
                changed = p;
            }
        }
        ASSERT_NE(changed, nullptr);
        EXPECT_EQ(changed->GetStartTime(), CTime(2027, 4, 28));
        EXPECT_EQ(changed->GetEndTime(), c.end) << changed->GetEndTime().Format("%Y-%m-%d");
    }
}

TEST_F(CurrentChartTest, ADayChosenInTheDateBandIsFilledAndCleared) {
    CTembraViewWnd& pane = NewChart();
    QWidget* port = pane.viewport();
    doc->GetOperation().SetMode(COperationState::kModeKoutei);
    doc->GetOperation().SetOperation(COperationState::kOpEdit);
    const CTime day = pane.View().GetPageLayout().GetStartDate() + CTimeSpan(5, 0, 0, 0);
    ASSERT_EQ(day.GetYear(), 2027);
    const QPoint at = DateBandPixel(pane, day);
    ASSERT_TRUE(port->rect().contains(at)) << at.x() << "," << at.y();

    int action = FillSetDlgRequest::kSet;
    ui.OnDialog("FillSetDlg", [&action](DialogRequest& r) {
        auto& request = static_cast<FillSetDlgRequest&>(r);
        request.action = action;
        request.pattern = 3;
        return IDOK;
    });
    QAction* fill = Frame().Action(33145);
    for (const int step : {FillSetDlgRequest::kSet, FillSetDlgRequest::kClear}) {
        SCOPED_TRACE(step);
        QTest::mouseClick(port, Qt::LeftButton, Qt::NoModifier, at);
        QApplication::processEvents();
        ASSERT_EQ(doc->GetSelectedDateRange()->GetStartDate(), day);
        ASSERT_EQ(doc->GetSelectedDateRange()->GetEndDate(), day + CTimeSpan(1, 0, 0, 0));
        app->UpdateCommandStates();
        ASSERT_TRUE(fill->isEnabled());
        action = step;
        fill->trigger();
        QApplication::processEvents();
        const std::vector<const CKtkmHatch*> fills = DateFills();
        if (step == FillSetDlgRequest::kSet) {
            ASSERT_EQ(fills.size(), 1u);
            EXPECT_EQ(fills[0]->GetStartDate(), day);
            EXPECT_EQ(fills[0]->GetEndDate(), day + CTimeSpan(1, 0, 0, 0));
            EXPECT_EQ(fills[0]->GetPattern(), 203);
        } else {
            EXPECT_TRUE(fills.empty());
        }
        EXPECT_FALSE(doc->HasColumnRange()) << "the range is done with";
    }
}

} // namespace
} // namespace tembra
