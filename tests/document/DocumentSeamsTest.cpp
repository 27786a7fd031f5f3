#include "document/DocumentSeams.h"
#include "model/ConfigPrint.h"

#include "DocTestSupport.h"
#include "document/TembraDoc.h"
#include "platform/Archive.h"

#include <gtest/gtest.h>

#include <string>

namespace tembra {
namespace {

using test::ProbeRecord;
using test::RecordingView;
using test::ScopedAppState;

LOGFONT FontOfHeight(LONG height) {
    LOGFONT font;
    font.lfHeight = height;
    return font;
}

// The adapters over parts of their own: every answer comes from the part that holds it (each
// font a different one, so that a seam reading the wrong block shows), and follows that part
// when it changes.
TEST(DocumentSeamsTest, EachAdapterAnswersFromItsPart) {
    CDocument document;
    RecordingView view;
    document.AddView(&view);
    CChartNotifier notifier(document);
    int mergeMode = 5;
    CSeqNumberCtrl numbers;
    CCalendar calendar;
    CSyokiSet settings;
    CConfigOperation operation;
    CChartObjects objects;
    CKoumoku& table = objects.GetKoumoku();
    CChartPos columnRange;
    CConfigPrint print;
    CDocumentSeams seams(document, mergeMode, numbers, calendar, settings, operation, notifier,
                         objects, columnRange, print);

    CConfigChart& chart = settings.GetChart();
    chart.GetYogoAttr().SetLogFont(FontOfHeight(11));
    chart.GetShigenAttr().SetLogFont(FontOfHeight(12));
    chart.GetKoumokuAttr().SetLogFont(FontOfHeight(13));
    chart.GetKoumokuAttr().m_spare[0] = 0x1234;
    settings.GetEvent().SetLogFont(FontOfHeight(14));
    settings.GetShin().SetDateFormat("yy/mm");
    settings.SetNobeMode(1);
    settings.SetStartDate(CTime(2004, 4, 1));
    settings.GetPageSetting().SetPaperKind(3);
    settings.GetPath().SetLayoutFileName("MINE.LYT");
    operation.SetHolidayAuto(1);

    IKouteiDocument& koutei = seams.Koutei();
    EXPECT_EQ(koutei.GetMergeMode(), 5);
    mergeMode = 0xFFFF;
    EXPECT_EQ(koutei.GetMergeMode(), 0xFFFF);
    EXPECT_EQ(&koutei.GetSeqNumberCtrl(), &numbers);
    EXPECT_EQ(koutei.GetCalendar(), &calendar);
    EXPECT_EQ(koutei.GetNobeBaseDate(), settings.GetNobeBaseDate());
    EXPECT_EQ(koutei.GetHolidayAuto(), 1);
    // A record asks for its own redraw: the views are told even while redrawing is held.
    notifier.SetRedrawHold(TRUE);
    ProbeRecord record(kTypeEvent, "record");
    koutei.UpdateAllViewsWith(&record);
    EXPECT_EQ(view.CountFor(&record), 1);

    EXPECT_EQ(seams.Label().GetYogoFont().lfHeight, 11);
    EXPECT_EQ(seams.Label().GetShigenFont().lfHeight, 12);
    EXPECT_EQ(seams.Label().GetNobeMode(), 1);
    EXPECT_EQ(seams.Koumoku().GetKoumokuFont().lfHeight, 13);
    EXPECT_EQ(seams.Koumoku().GetKoumokuStyleWord(), 0x1234);
    EXPECT_EQ(seams.Koumoku().GetKoumoku(), &table);
    EXPECT_EQ(seams.Event().GetEventFont().lfHeight, 14);
    EXPECT_EQ(seams.Event().GetNobeMode(), 1);
    EXPECT_EQ(&seams.Shincyoku().GetShinConfig(), &settings.GetShin());
    EXPECT_EQ(seams.PrHeader().GetHeaderPaper(), 3);
    EXPECT_EQ(seams.PrHeader().GetHeaderLayoutPath().string(),
              settings.GetPath().GetLayoutFilePath());
    EXPECT_NE(seams.PrHeader().GetHeaderLayoutPath().string().find("MINE.LYT"), std::string::npos);
}

// Something the schedule document does not offer.
class IOtherSeam {
public:
    virtual ~IOtherSeam() = default;
};

// A document that is the seam itself, as the documents of the record tests are.
class SelfSeamDocument : public CDocument, public ILabelDocument {
public:
    LOGFONT GetYogoFont() const override { return {}; }
    LOGFONT GetShigenFont() const override { return {}; }
    int GetNobeMode() const override { return 0; }
};

TEST(DocumentSeamsTest, RecordsFindEachSeamThroughTheArchivesDocument) {
    ScopedAppState app;
    CTembraDoc doc;
    CDocumentSeams& seams = doc.GetSeams();
    CDocument* asRecordsSeeIt = &doc;
    EXPECT_EQ(DocumentSeam<IKouteiDocument>(asRecordsSeeIt), &seams.Koutei());
    EXPECT_EQ(DocumentSeam<const ILabelDocument>(asRecordsSeeIt), &seams.Label());
    EXPECT_EQ(DocumentSeam<IKoumokuDocument>(asRecordsSeeIt), &seams.Koumoku());
    EXPECT_EQ(DocumentSeam<const IShincyokuDocument>(asRecordsSeeIt), &seams.Shincyoku());
    EXPECT_EQ(DocumentSeam<IEventDocument>(asRecordsSeeIt), &seams.Event());
    EXPECT_EQ(DocumentSeam<const IPrHeaderOwner>(asRecordsSeeIt), &seams.PrHeader());
    EXPECT_EQ(DocumentSeam<IOtherSeam>(asRecordsSeeIt), nullptr);

    CDocument plain;
    EXPECT_EQ(DocumentSeam<IKouteiDocument>(&plain), nullptr);
    EXPECT_EQ(DocumentSeam<IKouteiDocument>(nullptr), nullptr);
    SelfSeamDocument self;
    EXPECT_EQ(DocumentSeam<ILabelDocument>(&self), &self);
    EXPECT_EQ(DocumentSeam<IEventDocument>(&self), nullptr);
}

// Through the archive, records read the document's own parts: a term takes the chart's term font,
// and a cell of an old file puts its ruled-line type into the document's item table.
TEST(DocumentSeamsTest, RecordsReadTheDocumentsOwnParts) {
    ScopedAppState app;
    CTembraDoc doc;
    doc.GetSyokiSet().GetChart().GetYogoAttr().SetLogFont(FontOfHeight(77));

    CYogo term;
    CKoumokuData cell;
    cell.SetRow(4);
    cell.SetKeisenWord1(3);
    const auto roundTrip = [&doc](CObject& written, CObject& read, int version) {
        doc.SetVersion(version);
        CMemFile file;
        {
            CArchive ar(&file, CArchive::store);
            ar.m_pDocument = &doc;
            written.Serialize(ar);
            ar.Close();
        }
        CMemFile in(file.Data());
        CArchive ar(&in, CArchive::load);
        ar.m_pDocument = &doc;
        read.Serialize(ar);
    };

    CYogo loadedTerm;
    roundTrip(term, loadedTerm, kCurrentFileVersion);
    EXPECT_EQ(loadedTerm.GetAttr().GetLogFont().lfHeight, 77);

    CKoumokuData loadedCell;
    roundTrip(cell, loadedCell, kKoumokuFontVersion - 1);
    EXPECT_EQ(doc.GetKoumokuTable().GetKeisenType(4), 3);
}

} // namespace
} // namespace tembra
