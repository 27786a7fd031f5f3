// What a new chart puts on paper through the program's print path (the one the preview, the print
// dialog and a print from the command line share): the print header's period and creation date
// as the print settings sheet offers them until the sheet is confirmed, and every object in its
// own colour, however it is selected on screen.
#include "ShellFixture.h"

#include "document/RecordCast.h"
#include "model/ConfigBase.h"
#include "model/Event.h"
#include "model/Koutei.h"
#include "platform/Profile.h"
#include "platform/RecordingDC.h"
#include "platform/Sjis.h"
#include "print/PrHeader.h"
#include "shell/ChartViewWindow.h"
#include "view/TembraFrame.h"
#include "view/TembraViewWnd.h"
#include "view/core/PrintInfo.h"

#include <QApplication>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace tembra {
namespace {

class PrintedChartTest : public test::ShellFixture {
protected:
    // A new chart of 1 April to 30 September 2027, made on 1 April.
    void Open() {
        clock.Set(CTime(2027, 4, 1, 9, 0, 0));
        WriteProfileInt("BaseConfig", "Kikan", 183);
        ASSERT_FALSE(Start());
        doc = app->NewDocument();
        ASSERT_NE(doc, nullptr);
        auto* window = dynamic_cast<CChartViewWindow*>(app->ActiveChart());
        ASSERT_NE(window, nullptr);
        pane = window->Frame()->ActivePane();
        ASSERT_NE(pane, nullptr);
    }

    // The first page as the printer (or the preview) gets it: its texts (UTF-8) and every
    // colour a drawing call used.
    struct Page {
        std::vector<std::string> texts;
        std::set<COLORREF> colors;
        bool Has(const std::string& text) const {
            return std::find(texts.begin(), texts.end(), text) != texts.end();
        }
    };
    Page Print(bool preview) {
        CRecordingDC dc(CRecordingDC::Device::Printer);
        CPrintInfo info;
        info.m_bPreview = preview;
        info.m_nCurPage = 1;
        CTembraView& view = pane->View();
        view.OnBeginPrinting();
        view.OnPrint(&dc, info);
        view.OnEndPrinting();
        return PageOf(dc);
    }
    // The window's own drawing, for comparison.
    Page Screen() {
        CRecordingDC dc(CRecordingDC::Device::Screen);
        pane->View().OnPrepareDC(&dc);
        pane->View().OnDraw(&dc);
        return PageOf(dc);
    }
    static Page PageOf(const CRecordingDC& dc) {
        Page page;
        for (const CRecordingDC::Record& r : dc.Records()) {
            if (!IsDrawingOp(r.op)) {
                continue;
            }
            if (r.op == DcOp::TextOut) {
                page.texts.push_back(Sjis::ToUtf8(r.args.text));
                page.colors.insert(r.textColor);
            } else {
                page.colors.insert(r.pen.color);
                if (!r.brush.IsNull()) {
                    page.colors.insert(r.brush.color);
                }
            }
        }
        return page;
    }

    CTembraDoc* doc = nullptr;
    CTembraViewWnd* pane = nullptr;
};

TEST_F(PrintedChartTest, TheHeaderPrintsThePeriodAndTheDateTheSheetOffersUntilItIsConfirmed) {
    Open();
    const std::string offeredPeriod = "期間：2027年  4月  1日　～　2027年  9月 30日";
    const std::string today = "（2027年  4月  1日作成）";
    struct HeaderCase {
        const char* what;
        bool preview;
        bool confirmed; // the sheet confirmed with other texts
        std::string period;
        std::string date;
    };
    const HeaderCase cases[] = {
        {"preview of a new chart", true, false, offeredPeriod, today},
        {"print of a new chart", false, false, offeredPeriod, today},
        {"print after the sheet", false, true, "期間：2027年  5月  6日　～　2027年  8月 31日",
         "（2027年  3月 31日作成）"},
        {"preview after the sheet", true, true, "期間：2027年  5月  6日　～　2027年  8月 31日",
         "（2027年  3月 31日作成）"},
    };
    CPrHeader& header = doc->GetPrHeader();
    ASSERT_EQ(header.GetPeriodSetFlag(), 0);
    ASSERT_EQ(header.GetDateSetFlag(), 0);
    for (const HeaderCase& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.confirmed) {
            header.SetHeaderTexts({"2027", "5", "6", "2027", "8", "31"});
            header.SetPeriodSetFlag(1);
            header.SetHeaderTexts2({"2027", "3", "31"});
            header.SetDateSetFlag(1);
        }
        const Page page = Print(c.preview);
        EXPECT_TRUE(page.Has(c.period)) << ::testing::PrintToString(page.texts);
        EXPECT_TRUE(page.Has(c.date));
    }
    // Printing changed nothing of the chart.
    EXPECT_FALSE(doc->IsModified());
    doc->SetModifiedFlag(FALSE);
}

TEST_F(PrintedChartTest, SelectedObjectsPrintInTheirOwnColours) {
    Open();
    const COLORREF selection = GetAppConfig()->GetColor().GetEditWork();
    const COLORREF own = RGB(0, 0, 128);
    CChartPos pos;
    pos.SetStartDate(CTime(2027, 4, 5, 0, 0, 0));
    pos.SetEndDate(CTime(2027, 4, 19, 0, 0, 0));
    pos.SetStartRow(2);
    pos.SetEndRow(2);
    std::unique_ptr<CKoutei> made = doc->CreateKoutei(&pos);
    made->GetLines()->GetAttr().m_color = own;
    CKoutei* process = made.get();
    doc->AddObj(made.release(), FALSE);
    std::unique_ptr<CEvent> note = doc->GetEvents().CreateEvent();
    note->SetText(Sjis::FromUtf8("上棟"));
    note->SetStartDate(CTime(2027, 4, 12, 0, 0, 0));
    note->SetStartRow(4);
    note->SetColor(own);
    CEvent* event = note.get();
    doc->AddObj(note.release(), FALSE);

    struct SelectionCase {
        const char* what;
        bool process;
        bool event;
    };
    const SelectionCase selections[] = {
        {"a process", true, false}, {"an event", false, true}, {"both", true, true}};
    for (const SelectionCase& s : selections) {
        SCOPED_TRACE(s.what);
        doc->UnselectAll();
        if (s.process) {
            process->Select();
            doc->SelectAt(doc->FindObj(process));
        }
        if (s.event) {
            event->Select();
            doc->SelectAt(doc->FindObj(event));
        }
        EXPECT_TRUE(Screen().colors.count(selection) != 0) << "the window marks the selection";
        for (const bool preview : {true, false}) {
            SCOPED_TRACE(preview ? "preview" : "print");
            const Page page = Print(preview);
            EXPECT_EQ(page.colors.count(selection), 0u);
            EXPECT_NE(page.colors.count(own), 0u);
        }
    }
    doc->SetModifiedFlag(FALSE);
}

} // namespace
} // namespace tembra
