// Printing from the view: the pages a chart needs, a band of the settings' rows on each page, the
// question when the chart does not fit the paper (once per job), the dialog and the defaults of
// printing and preview, and the commands that start them.
#include "ViewFixture.h"

#include "model/ConfigPrint.h"
#include "render/DrawSettings.h"

#include <algorithm>
#include <string>

namespace tembra {
namespace {

constexpr UINT IDS_CHART_TOO_LARGE = 5064;

class ViewPrintTest : public test::ViewFixture {
protected:
    ViewPrintTest() {
        doc.GetKoumoku()->SetLevelCount(1);
        doc.GetKoumoku()->SetColumnWidth(0, 100);
    }
    CTembraView& View() { return *views.front(); }

    // One page on a recording printer: its texts and the calls it made.
    struct Page {
        std::vector<std::string> texts;
        std::vector<CRecordingDC::Record> records;
        bool Has(const std::string& text) const {
            return std::find(texts.begin(), texts.end(), text) != texts.end();
        }
        bool Anisotropic() const {
            return std::any_of(records.begin(), records.end(), [](const auto& r) {
                return r.op == DcOp::SetMapMode && r.args.values.at(0) == MM_ANISOTROPIC;
            });
        }
    };
    Page PrintPage(CPrintInfo& info, UINT page) {
        CRecordingDC dc(CRecordingDC::Device::Printer);
        info.m_nCurPage = page;
        View().OnPrint(&dc, info);
        Page out;
        for (const auto& r : dc.Find(DcOp::TextOut)) {
            out.texts.push_back(r.args.text);
        }
        out.records = dc.Records();
        return out;
    }

    test::FakeViewHost host;
};

TEST_F(ViewPrintTest, EachPagePrintsABandOfTheSettingsRows) {
    for (const int row : {0, 29, 30, 59, 60}) {
        doc.GetKoumokuCells().CreateKoumokuData(row, 0)->SetText("R" + std::to_string(row));
    }
    AddProcess(3, 5, 61);
    MakeView(host);
    CPrintInfo info;
    ASSERT_TRUE(View().OnPreparePrinting(info));
    EXPECT_EQ(info.m_nMaxPage, 3u);
    EXPECT_EQ(host.dialogPages, (std::pair<UINT, UINT>{1, 3}));
    View().OnBeginPrinting();
    EXPECT_TRUE(View().IsPrinting());
    const Page one = PrintPage(info, 1);
    const Page two = PrintPage(info, 2);
    const Page three = PrintPage(info, 3);
    View().OnEndPrinting();
    EXPECT_FALSE(View().IsPrinting());
    EXPECT_TRUE(one.Has("R0") && one.Has("R29") && !one.Has("R30"));
    EXPECT_TRUE(two.Has("R30") && two.Has("R59") && !two.Has("R29") && !two.Has("R60"));
    EXPECT_TRUE(three.Has("R60") && !three.Has("R59"));
    // The window's layout is as it was.
    EXPECT_EQ(View().GetLayout().GetFirstRow(), 0);
    EXPECT_EQ(View().GetLayout().GetLastRow(), 29);
    EXPECT_EQ(View().GetLayout().GetOutputMode(), 0);
    EXPECT_EQ(View().GetLayout().GetHeader(), nullptr);
}

TEST_F(ViewPrintTest, PageCounts) {
    MakeView(host);
    EXPECT_EQ(View().CountPrintPages(), 1u) << "an empty chart";
    AddProcess(3, 5, 29);
    EXPECT_EQ(View().CountPrintPages(), 1u);
    AddProcess(3, 5, 30);
    EXPECT_EQ(View().CountPrintPages(), 2u);
    // The longest item column counts as well.
    doc.GetKoumokuCells().CreateKoumokuData(95, 0)->SetText("x");
    EXPECT_EQ(View().CountPrintPages(), 4u);
}

TEST_F(ViewPrintTest, AChartLargerThanThePaperAsksOncePerJob) {
    AddProcess(3, 5, 61);
    MakeView(host);
    host.paper = CSize(3000, 1000);
    doc.GetPrHeader().SetZoomPrinting(0);

    ui.QueueAnswer(IDYES);
    CPrintInfo yes;
    ASSERT_TRUE(View().OnPreparePrinting(yes));
    EXPECT_TRUE(View().IsZoomFit());
    for (UINT page = 1; page <= yes.m_nMaxPage; ++page) {
        EXPECT_TRUE(PrintPage(yes, page).Anisotropic()) << page;
    }
    ASSERT_EQ(ui.MessageBoxes().size(), 1u);
    EXPECT_EQ(ui.MessageBoxes()[0].stringId, IDS_CHART_TOO_LARGE);
    EXPECT_EQ(ui.MessageBoxes()[0].type, UINT{MB_YESNOCANCEL | MB_ICONQUESTION});

    ui.QueueAnswer(IDNO);
    CPrintInfo no;
    ASSERT_TRUE(View().OnPreparePrinting(no));
    EXPECT_FALSE(View().IsZoomFit());
    EXPECT_FALSE(PrintPage(no, 1).Anisotropic()) << "cut at the paper's edge";

    ui.QueueAnswer(IDCANCEL);
    CPrintInfo cancel;
    EXPECT_FALSE(View().OnPreparePrinting(cancel));
    EXPECT_EQ(ui.MessageBoxes().size(), 3u);

    // The print settings that always shrink ask nothing.
    doc.GetPrHeader().SetZoomPrinting(1);
    CPrintInfo zoomed;
    ASSERT_TRUE(View().OnPreparePrinting(zoomed));
    EXPECT_EQ(ui.MessageBoxes().size(), 3u);
    EXPECT_TRUE(PrintPage(zoomed, 1).Anisotropic());
}

TEST_F(ViewPrintTest, ThePrintDialogAndThePrinterDefaults) {
    MakeView(host);
    // Printing always asks.
    host.dialogAnswer = IDCANCEL;
    CPrintInfo print;
    EXPECT_FALSE(View().OnPreparePrinting(print));
    EXPECT_EQ(host.dialogs, 1);

    // A preview takes the defaults, and asks only without them.
    CPrintInfo preview;
    preview.m_bPreview = true;
    EXPECT_TRUE(View().OnPreparePrinting(preview));
    EXPECT_EQ(host.dialogs, 1);
    host.printerDefaults = false;
    EXPECT_FALSE(View().OnPreparePrinting(preview));
    EXPECT_EQ(host.dialogs, 2);
    host.dialogAnswer = IDOK;
    EXPECT_TRUE(View().OnPreparePrinting(preview));
    host.printerDevice = false;
    EXPECT_FALSE(View().OnPreparePrinting(preview)) << "no printer to draw on";

    // From the command line: no dialog, and no printer is no print.
    const int asked = host.dialogs;
    CPrintInfo direct;
    direct.m_bDirect = true;
    host.printerDevice = true;
    EXPECT_FALSE(View().OnPreparePrinting(direct));
    host.printerDefaults = true;
    EXPECT_TRUE(View().OnPreparePrinting(direct));
    EXPECT_EQ(host.dialogs, asked);
}

TEST_F(ViewPrintTest, ThePrintCommandsGoToTheWindowAndThePrinterSetupRepaintsTheHeader) {
    MakeView(host);
    View().OnCommand(57607);
    EXPECT_EQ(host.prints, 1);

    doc.GetPrHeader().SetLineRate("2.5");
    View().OnCommand(57609);
    EXPECT_EQ(host.previews, 1);
    EXPECT_EQ(GetDrawSettings().dashScale, "2.5");
    host.previewStarts = false;
    View().OnCommand(57609);
    ASSERT_EQ(ui.MessageBoxes().size(), 1u);
    EXPECT_EQ(ui.MessageBoxes()[0].stringId, 61705u);
    SetDrawSettings(DrawSettings{});

    test::FakeViewHost other;
    CTembraView& second = MakeView(other);
    second.GetLayout().SetHeader(&doc.GetPrHeader());
    View().OnCommand(57606);
    EXPECT_EQ(host.setups, 1);
    EXPECT_FALSE(other.invalidated.empty()) << "the header shown in the other window";
    second.GetLayout().SetHeader(nullptr);
}

} // namespace
} // namespace tembra
