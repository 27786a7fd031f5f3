#include "SampleChart.h"

#include "chart/Chart.h"
#include "chart/ChartDocument.h"
#include "document/TembraDoc.h"
#include "model/Event.h"
#include "model/KoumokuData.h"
#include "model/Koutei.h"
#include "model/PrintArea.h"
#include "model/Shigen.h"
#include "model/Shincyoku.h"
#include "model/Yogo.h"
#include "platform/Paths.h"
#include "platform/Sjis.h"
#include "render/KouteiLabels.h"
#include "render/PageLayout.h"
#include "shapes/ZukeiBox.h"
#include "shapes/ZukeiString.h"

#include <memory>
#include <string>

namespace tembra::test {

namespace {

std::string J(const char* utf8) {
    return Sjis::FromUtf8(utf8);
}

CTime Day(int month, int day) {
    return CTime(2010, month, day);
}

// The layout a resource chart is built on: the chart's own at 100 %.
class SampleView : public IPageLayoutView {
public:
    explicit SampleView(CTembraDoc& doc) : m_doc(doc) {}
    IPageLayoutDocument* GetLayoutDocument() const override {
        return DocumentSeam<IPageLayoutDocument>(&m_doc);
    }

private:
    CTembraDoc& m_doc;
};

struct Step {
    const char* term;
    int startMonth;
    int startDay;
    int endMonth;
    int endDay;
    int row;
    WORD shape;
    COLORREF color;
    WORD workers;
    WORD machines;
};

CKoutei* AddProcess(CTembraDoc& doc, const Step& s) {
    CChartPos pos;
    pos.SetStartDate(Day(s.startMonth, s.startDay));
    pos.SetEndDate(Day(s.endMonth, s.endDay));
    pos.SetStartRow(static_cast<WORD>(s.row));
    pos.SetEndRow(static_cast<WORD>(s.row));
    std::unique_ptr<CKoutei> process = doc.CreateKoutei(&pos);
    CKouteiAttr& attr = process->GetLines()->GetAttr();
    attr.m_style = s.shape;
    attr.m_color = s.color;
    if ((s.shape & kLineShapeBar) != 0) {
        attr.m_hatch = 99;
        process->GetStartLand()->SetShape(15);
        process->GetEndLand()->SetShape(15);
    }
    auto term = std::make_unique<CYogo>();
    term->SetText(J(s.term));
    term->SetDateKind(kYogoOnLine);
    term->GetAttr().m_fontHeigh = 1;
    term->GetAttr().m_fontWidth = 1;
    term->GetAttr().m_form = kYogoPlaceMiddle;
    process->AddYogo(term, TRUE);
    if (s.workers != 0) {
        process->GetShigen()->AddShigenData(std::make_unique<CShigenData>(1, s.workers));
    }
    if (s.machines != 0) {
        process->GetShigen()->AddShigenData(std::make_unique<CShigenData>(2, s.machines));
    }
    CKoutei* raw = process.get();
    doc.AddObj(process.release(), FALSE);
    return raw;
}

} // namespace

void BuildSampleChart(CTembraDoc& doc) {
    CSyokiSet& set = doc.GetSyokiSet();
    set.GetPageSetting().SetPaper(kPaperA3, 0, set.GetPath().GetLayoutFilePath(), -1);
    set.SetStartDate(Day(4, 1));
    set.SetEndDate(Day(6, 30));
    set.SetMaeYohaku(CTimeSpan());
    set.SetAtoYohaku(CTimeSpan());
    set.SetFirstRow(0);
    set.SetLastRow(29);
    set.CalcDateThinning();
    doc.GetPrHeader().SetTitleText(J("見本工事 新築工事"));

    // The item table: the works on the rows of their processes.
    CKoumoku& table = *doc.GetKoumoku();
    table.SetLevelCount(2);
    table.SetColumnWidth(0, 60);
    table.SetColumnWidth(1, 40);
    const char* works[][2] = {{"仮設工事", "準備"}, {"土工事", "掘削"},     {"基礎工事", "RC"},
                              {"躯体工事", "RC造"}, {"仕上工事", "内外装"}, {"外構工事", "舗装"}};
    for (int i = 0; i < 6; ++i) {
        doc.GetKoumokuCells().CreateKoumokuData(1 + 2 * i, 0)->SetText(J(works[i][0]));
        doc.GetKoumokuCells().CreateKoumokuData(1 + 2 * i, 1)->SetText(J(works[i][1]));
    }
    doc.GetKoumokuCells().CreateKoumokuData(20, 0)->SetText(J("山積"));

    doc.GetShigenNames().push_back(std::make_unique<CShigenName>(1, 0, J("作業員")));
    doc.GetShigenNames().push_back(std::make_unique<CShigenName>(2, 0, J("重機")));

    const Step steps[] = {
        {"準備工", 4, 1, 4, 10, 1, kLineShapeStraight, RGB(0, 0, 0), 4, 0},
        {"根切り", 4, 12, 4, 28, 3, kLineShapeStraight, RGB(0, 0, 255), 6, 2},
        {"基礎躯体", 4, 28, 5, 20, 5, kLineShapeStraight, RGB(0, 0, 255), 8, 1},
        {"躯体工事", 5, 20, 6, 12, 7, kLineShapeStraight, RGB(0, 160, 0), 10, 1},
        {"内装仕上", 6, 8, 6, 28, 9, kLineShapeStraight, RGB(255, 0, 0), 6, 0},
        {"外構", 6, 14, 6, 30, 11, kLineShapeStraight, RGB(160, 0, 160), 3, 1},
    };
    CKoutei* processes[std::size(steps)] = {};
    for (std::size_t i = 0; i < std::size(steps); ++i) {
        processes[i] = AddProcess(doc, steps[i]);
    }

    // The relation line from the end of the preparation to the start of the excavation.
    CChartPos relationPos;
    relationPos.SetStartDate(Day(4, 10));
    relationPos.SetEndDate(Day(4, 12));
    relationPos.SetStartRow(1);
    relationPos.SetEndRow(3);
    std::unique_ptr<CKoutei> relation = doc.CreateKoutei(&relationPos);
    const CObSeqNumber& from = processes[0]->GetSeqNumber();
    const CObSeqNumber& to = processes[1]->GetSeqNumber();
    relation->SetRelationLine(1);
    relation->SetStartLandNo(from.GetHigh(), from.GetLow());
    relation->SetEndLandNo(to.GetHigh(), to.GetLow());
    relation->SetLineShape(kLineShapeRelation);
    doc.AddObj(relation.release(), FALSE);

    // Events: the start of the works and the topping out, with its link.
    const struct {
        const char* text;
        int month;
        int day;
        int row;
        WORD form;
        LONG offset;
        const char* link;
    } events[] = {
        {"着工", 4, 1, 0, kEventFormLeft, 0, ""},
        {"上棟式", 6, 12, 13, kEventFormBalloonRight, 100, "https://example.org/jotoshiki"}};
    for (const auto& e : events) {
        std::unique_ptr<CEvent> event = doc.GetEvents().CreateEvent();
        event->SetText(J(e.text));
        event->SetStartDate(Day(e.month, e.day));
        event->SetStartRow(static_cast<WORD>(e.row));
        event->SetForm(e.form);
        event->SetStyle(kEventFrame | kEventWhiteBack);
        event->SetOffset(e.offset, e.offset);
        event->SetHyperlink(e.link);
        doc.AddObj(event.release(), FALSE);
    }

    // The progress line of 10 May: the excavation ahead, the foundation behind.
    auto progress = std::make_unique<CShincyoku>();
    progress->SetDate(Day(5, 10));
    progress->GetLineAttr().m_color = RGB(255, 0, 0);
    progress->SetPointDate(3, Day(5, 12));
    progress->SetPointDate(5, Day(5, 6));
    doc.GetShincyokuList().AddTail(progress.release());

    // Shapes: a box round the topping out and a framed note.
    auto box = std::make_unique<CZukeiBox>();
    box->SetAttr(CZukeiAttr{1, kPlaceOnChart, 1, -3, RGB(0, 0, 255), kHatchNone, 0, 0});
    box->SetAnchors(Day(6, 5), 12.2, Day(6, 22), 15.8);
    doc.GetShapes().AddZukei(box.release(), FALSE);
    auto note = std::make_unique<CZukeiString>();
    note->SetKind(kZukeiFramedString);
    note->SetAttr(CZukeiAttr{14, kPlaceOnChart, 0, -3, RGB(0, 0, 160), 100, 0, 0});
    note->SetFrameKind(kZukeiBox);
    LOGFONT font;
    font.lfHeight = -40;
    font.lfCharSet = SHIFTJIS_CHARSET;
    font.SetFaceName(J("ＭＳ ゴシック"));
    note->SetFont(font);
    note->SetText(J("5/10 工程会議\r\n雨天2日"));
    note->SetAnchors(Day(4, 20), 15.2, Day(5, 8), 17.8);
    note->SetUpdate(TRUE);
    doc.GetShapes().AddZukei(note.release(), FALSE);

    // The resource-loading chart of both resources over rows 20 to 27.
    SampleView view(doc);
    CPageLayout layout;
    layout.Init(&view);
    auto chart = std::make_unique<CChart>();
    chart->SetPurpose(CChart::kPurposeLoading);
    chart->SetTopRow(20);
    chart->SetBottomRow(27);
    chart->SetSeriesCount(static_cast<int>(doc.GetShigenNames().size()));
    const COLORREF fills[] = {RGB(120, 170, 255), RGB(255, 190, 90)};
    for (int i = 0; i < chart->GetSeriesCount(); ++i) {
        chart->SetSeriesShown(i, 1);
        chart->SetSeriesLineColor(i, RGB(0, 0, 0));
        chart->SetSeriesPatternColor(i, fills[i]);
        chart->SetSeriesPattern(i, 99);
    }
    chart->BuildShapes(*DocumentSeam<IChartDocument>(&doc), layout);
    doc.GetChartList().AddTail(chart.release());
    doc.SetTitle();
}

} // namespace tembra::test
