// A chart file written out by hand, part by part and field by field as the file's tables give
// them (not through the records' own writers): it must load into the values it holds and save
// back byte for byte.
#include "DocFileFixture.h"

#include "chart/Chart.h"
#include "document/RecordCast.h"
#include "model/Calendar.h"
#include "model/Event.h"
#include "model/KoumokuData.h"
#include "model/Koutei.h"
#include "model/KtkmHatch.h"
#include "model/Shigen.h"
#include "model/Shincyoku.h"
#include "model/Yogo.h"
#include "platform/Sjis.h"
#include "shapes/ZukeiBox.h"
#include "support/ArchiveBytes.h"
#include "support/SettingsRecordBytes.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace tembra {
namespace {

using test::ByteWriter;

// Dates of the chart (the chart zone, midnight), as the file holds them.
DWORD At(int year, int month, int day, int hour = 0) {
    return static_cast<DWORD>(CTime(year, month, day, hour, 0, 0).GetTime());
}
constexpr DWORD kDay = 86400;

// The stream's object references: a class met for the first time is named, a known one is
// referred to by its index; classes and objects share one count from 1.
class ObjectWriter {
public:
    explicit ObjectWriter(ByteWriter& w) : m_w(w) {}
    void Object(WORD schema, const std::string& name) {
        const auto known = m_classes.find(name);
        if (known == m_classes.end()) {
            m_w.NewClass(schema, name);
            m_classes[name] = ++m_index;
        } else {
            m_w.Word(static_cast<WORD>(0x8000 | known->second));
        }
        ++m_index;
    }

private:
    ByteWriter& m_w;
    std::map<std::string, WORD> m_classes;
    WORD m_index = 0;
};

// The 32-byte record header: kind, word 2, sub-kind, words 4 and 5, word 6 (1000), layer,
// selected flag, 16 reserved bytes.
void Header(ByteWriter& w, WORD type, WORD kind, WORD layer = 0) {
    w.Word(type).Word(0).Word(kind).Word(0).Word(0).Word(1000).Word(layer).Word(0).Zeros(16);
}

// The 20-byte chart position: two dates, two rows, four more words.
void Position(ByteWriter& w, DWORD first, DWORD second, WORD row1, WORD row2) {
    w.Dword(first).Dword(second).Word(row1).Word(row2).Word(0).Word(0).Word(0).Word(0);
}

// A 46-byte label block of a term or a resource list: the attached part at offset 12, the
// link position at 30, no font of its own (offset 32).
void LabelBlock(ByteWriter& w) {
    w.Word(2).Word(2).Word(1).Dword(0x800000).Word(0).Word(0).Zeros(16);
    w.Word(1).Word(0).Zeros(12);
}

// The working calendar: the day slots (31 a month, 372 a year from 1991), the valid flag, the
// first and last day, 7 reserved bytes. A Sunday and a holiday of May 2010 carry flags.
int Slot(int year, int month, int day) {
    return (year - 1991) * 372 + (month - 1) * 31 + (day - 1);
}
void Calendar(ByteWriter& w) {
    std::string days(11160, '\0');
    days[static_cast<std::size_t>(Slot(2010, 5, 2))] = static_cast<char>(0x10 | 1);
    days[static_cast<std::size_t>(Slot(2010, 5, 3))] = static_cast<char>(0x20 | 2);
    w.Raw(days).Word(1).Dword(At(1991, 1, 1)).Dword(At(2020, 12, 31)).Zeros(7);
}

// The settings record of a calendar-day chart from 2010-04-01 to 2010-05-31 over rows 0..39 with
// one item column and no margins.
void Settings(ByteWriter& w) {
    w.Append(test::SettingsRecordBytes({.areaColumnCount = 1,
                                        .marginBefore = 0,
                                        .marginAfter = 0,
                                        .start = CTime(2010, 4, 1),
                                        .end = CTime(2010, 5, 31)}));
}

// The print header: the print options, the two sets of item texts, the layout, then its one
// element, the title "A".
void PrintHeader(ByteWriter& w, ObjectWriter& objects) {
    w.Word(0).Word(1).Word(1).Word(2).Word(0x0102); // Select, Kikan, ToDay, Amikake, Keisen
    w.Dword(0x000010).Word(1).Dword(0x0000FF);      // Color, VoldLineEx, AmikakeColor
    w.Dword(0xFF0000).Dword(0x0000FF);              // SatdayColor, SundayColor
    w.Word(1).Word(0).Word(2).Word(0);              // HolidayLine .. ArcRay
    w.Word(1).String("2010").String("4").String("1").String("2010").String("5").String("31");
    w.Word(0).String("").String("").String("");
    w.Word(0).String("Std");                                     // local layout, layout name
    w.Word(0).Dword(1).Dword(1).Word(2).Word(3).Word(4).Word(5); // kind, Hatch, dotted lines
    w.Word(1);
    objects.Object(1, "CPrNewText");
    w.Word(1).Word(0); // kind 1 (title), header area
    w.Word(100).Word(WORD(-100)).Word(600).Word(WORD(-200));
    test::WriteFont16(w, -40, 20, "T");
    w.Dword(0).String("010001").String("A").Word(1).Word(1);
}

// Sixteen layers; layer 3 hidden under a name of its own.
void Layers(ByteWriter& w, ObjectWriter& objects) {
    w.Word(2).Word(16);
    for (int i = 0; i < 16; ++i) {
        objects.Object(1, "CLayerSet");
        w.Word(i == 3 ? 3 : 1).String(i == 3 ? Sjis::FromUtf8("外構") : "");
    }
}

// The item table: one item column holding one cell at row 0, the level heights, the ruled-line
// types.
void ItemTable(ByteWriter& w, ObjectWriter& objects) {
    w.Word(9999).Word(1);
    objects.Object(0, "CObArray");
    w.Word(1);
    objects.Object(1, "CKoumokuData");
    Header(w, 2, 1);
    Position(w, 0, 0, 0, 0);
    w.Word(1).Word(1).Word(0).Dword(0).Word(0).Word(0).Word(0).Word(0).Word(0).Zeros(10);
    w.Word(0).Word(0); // item column, spare word
    w.String(Sjis::FromUtf8("土工事")).Zeros(16);
    w.Word(1);                         // level count
    w.Word(10).Word(100).Zeros(18);    // heights
    w.Word(3).Word(0).Word(0).Word(2); // ruled-line types
}

// A process on layer 1 from 2010-04-05 to 2010-04-15 in row 3 with one resource entry and one
// term on its line.
void Process(ByteWriter& w, ObjectWriter& objects) {
    objects.Object(1, "CKoutei");
    Header(w, 1, 1, 1);
    w.Word(0).Dword(1); // its number
    // Line set: position, attributes (word, sub-style, kind, width, colour, Holiday, Hatch),
    // bend offset, reserved.
    Header(w, 1, 2, 1);
    Position(w, At(2010, 4, 5), At(2010, 4, 15), 3, 3);
    w.Word(1).Word(0).Word(1).Word(0).Dword(0x0000FF).Word(0).Word(999);
    w.Word(0).Zeros(14);
    // Nodes: position, five attribute words, tied number, reserved.
    for (const DWORD date : {At(2010, 4, 5), At(2010, 4, 15)}) {
        Header(w, 1, 3, 1);
        Position(w, date, 0, 3, 0);
        w.Word(1).Word(0).Word(0).Word(0).Word(100);
        w.Word(0).Dword(0).Zeros(10);
    }
    // Resources: header, label block, the entries.
    Header(w, 1, 5, 1);
    LabelBlock(w);
    w.Word(1);
    objects.Object(1, "CShigenData");
    w.Word(1).Word(3);
    // Spare days, start offset from the elapsed-day base 2010-04-01, duration.
    w.Dword(2 * kDay).Dword(4 * kDay).Dword(10 * kDay);
    // One term.
    w.Word(1);
    objects.Object(1, "CYogo");
    Header(w, 1, 4, 1);
    LabelBlock(w);
    w.String(Sjis::FromUtf8("基礎")).Zeros(16).String("");
    // Relation-line flag, reserved.
    w.Word(0).Zeros(14);
}

void Event(ByteWriter& w, ObjectWriter& objects) {
    objects.Object(1, "CEvent");
    Header(w, 6, 1);
    Position(w, At(2010, 4, 20, 9), 0, 5, 0);
    // Height and width factors, form, colour, flags, offsets, own-font flag, 14 bytes.
    w.Word(1).Word(1).Word(1).Dword(0x00FF00).Word(0x0002).Dword(20).Dword(DWORD(-50)).Word(0);
    w.Zeros(14);
    w.String(Sjis::FromUtf8("検査")).Zeros(16).String("http://x");
}

void ProgressLine(ByteWriter& w, ObjectWriter& objects) {
    objects.Object(1, "CShincyoku");
    Header(w, 3, 1);
    w.Word(0);                                                 // points
    w.Dword(At(2010, 4, 10));                                  // reference date
    w.Word(0).Word(0).Word(2).Word(1).Dword(0x0000FF).Word(3); // line attributes
    w.Zeros(32);
    w.Word(0).Dword(0xFF).Dword(7).Dword(DWORD(-9)).Dword(1).String(Sjis::FromUtf8("進捗"));
}

void Box(ByteWriter& w, ObjectWriter& objects) {
    objects.Object(1, "CZukeiBox");
    Header(w, 4, 4, 2);
    // Style, PointMode, Type, Width, Color, Hatch, HatchColor, BoxRay; PageCol, PageRow.
    w.Word(3).Word(0).Word(0).Word(1).Dword(0x123456).Word(999).Dword(0).Word(30);
    w.Dword(0).Word(0);
    // Two anchors: date, row (a double), offset.
    w.Dword(At(2010, 4, 6)).Raw(std::string("\0\0\0\0\0\0\x10\x40", 8)).Word(0).Word(0); // 4.0
    w.Dword(At(2010, 4, 9)).Raw(std::string("\0\0\0\0\0\0\x1A\x40", 8)).Word(0).Word(0); // 6.5
}

void Hatch(ByteWriter& w, ObjectWriter& objects) {
    objects.Object(1, "CKtkmHatch");
    // Dates, rows, kind 1 (a row band), colour, item columns, pattern.
    w.Dword(0).Dword(0).Word(7).Word(9).Word(1).Dword(0xC0C0C0).Dword(0).Dword(0).Word(5);
}

std::string GoldenChart() {
    ByteWriter w;
    ObjectWriter objects(w);
    // 1-4. Header text, version, reserved value, process counter.
    w.Raw("\x81\x99").Raw("TEMBRA(TB+) Ver.05.80.00:").Raw("\x97\xEF").Raw(":A").Zeros(1);
    w.Dword(58000).Dword(4);
    w.Word(0).Dword(1);
    Calendar(w);             // 5
    Settings(w);             // 6
    w.Word(40);              // 7 sheet rows
    PrintHeader(w, objects); // 8
    Layers(w, objects);      // 9
    ItemTable(w, objects);   // 10
    w.Word(1);               // 11 the resource table
    objects.Object(1, "CShigenName");
    w.Word(1).Word(4).String(Sjis::FromUtf8("作業員"));
    w.Word(2); // 12 processes and events
    Process(w, objects);
    Event(w, objects);
    w.Word(1); // 14 progress lines
    ProgressLine(w, objects);
    w.Word(1); // 15 shapes
    Box(w, objects);
    w.Word(0x0DAF).Word(0); // 16 embedded items
    w.Word(0);              // 17 resource charts
    w.Word(1);              // 18 hatchings
    Hatch(w, objects);
    const test::Bytes& bytes = w.Get();
    return std::string(bytes.begin(), bytes.end());
}

class DocFileGoldenTest : public test::DocFileFixture {};

TEST_F(DocFileGoldenTest, TheHandWrittenChartLoadsAndSavesByteForByte) {
    const std::string golden = GoldenChart();
    const std::string first("\x81\x99TEMBRA(TB+) Ver.05.80.00:\x97\xEF:A\0\x90\xE2\0\0\x04\0\0\0",
                            38);
    ASSERT_EQ(golden.substr(0, first.size()), first);

    const auto path = files.File("golden.tbr");
    WriteBytes(path, golden);
    CTembraDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(path.string()));
    EXPECT_TRUE(Messages().empty());

    EXPECT_EQ(doc.GetVersion(), 58000);
    EXPECT_EQ(doc.GetPrHeader().GetTitleText(), "A");
    EXPECT_EQ(doc.GetSyokiSet().GetNobeMode(), 0);
    EXPECT_EQ(doc.GetSyokiSet().GetStartDate(), CTime(2010, 4, 1));
    EXPECT_EQ(doc.GetSyokiSet().GetLastRow(), 39);
    EXPECT_EQ(doc.GetSheetRowCount(), 40);
    EXPECT_EQ(doc.GetSeqNumberCtrl().GetLow(), 1u);
    EXPECT_TRUE(doc.GetWorkCalendar().IsHoliday(2010, 5, 2));
    EXPECT_TRUE(doc.GetWorkCalendar().IsHoliday(2010, 5, 3));
    EXPECT_FALSE(doc.GetWorkCalendar().IsHoliday(2010, 5, 4));

    ASSERT_EQ(doc.GetLayers().size(), 16u);
    EXPECT_EQ(doc.GetCurrentLayer(), 2);
    EXPECT_EQ(doc.IsLayerVisible(3), 3);
    EXPECT_EQ(doc.GetLayerName(3), Sjis::FromUtf8("外構"));

    const CKoumokuData* cell = doc.GetKoumokuCell(0, 0);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->GetText(), Sjis::FromUtf8("土工事"));
    EXPECT_EQ(doc.GetKoumokuTable().GetKeisenType(2), 2);

    ASSERT_EQ(doc.GetShigenNames().size(), 1u);
    EXPECT_EQ(doc.GetShigenNames()[0]->GetName(), Sjis::FromUtf8("作業員"));

    ASSERT_EQ(doc.GetObjCount(), 2);
    POSITION pos = doc.GetHeadObjPosition();
    const CKoutei* process = AsKoutei(doc.GetNextObj(pos));
    ASSERT_NE(process, nullptr);
    EXPECT_EQ(process->GetStartTime(), CTime(2010, 4, 5));
    EXPECT_EQ(process->GetEndTime(), CTime(2010, 4, 15));
    EXPECT_EQ(process->GetStartRow(), 3);
    EXPECT_EQ(process->GetLayer(), 1);
    EXPECT_EQ(process->GetSpareDays(), CTimeSpan(2, 0, 0, 0));
    ASSERT_EQ(process->GetYogoCount(), 1);
    EXPECT_EQ(std::string(process->GetYogo(0)->GetText()), Sjis::FromUtf8("基礎"));
    const CShigen* resources = process->GetShigen();
    ASSERT_EQ(resources->GetCount(), 1);
    CShigen::POSITION entry = resources->GetHeadPosition();
    const CShigenData* data = resources->GetNext(entry);
    EXPECT_EQ(data->GetNumber(), 1);
    EXPECT_EQ(data->GetQuantity(), 3);
    const CEvent* event = AsEvent(doc.GetNextObj(pos));
    ASSERT_NE(event, nullptr);
    EXPECT_EQ(event->GetStartDate(), CTime(2010, 4, 20, 9, 0, 0));
    EXPECT_EQ(std::string(event->GetText()), Sjis::FromUtf8("検査"));
    EXPECT_EQ(event->GetHyperlink(), "http://x");

    ASSERT_EQ(doc.GetShincyokuList().GetCount(), 1);
    const auto* line = AsShincyoku(doc.GetShincyokuList().GetHead());
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->GetDate(), CTime(2010, 4, 10));

    ASSERT_EQ(doc.GetZukeiCount(), 1);
    const auto* box = DynamicDowncast<CZukeiBox>(doc.GetZukeiList().GetHead());
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->GetLayer(), 2);
    EXPECT_EQ(box->GetTopRow(0), 4.0);
    EXPECT_EQ(box->GetBottomRow(0), 6.5);

    EXPECT_EQ(doc.GetResourceCharts().GetChartCount(), 0);
    ASSERT_EQ(doc.GetHatchList()->GetCount(), 1);
    EXPECT_EQ(doc.GetHatchList()->GetHead()->GetKind(), 1);
    EXPECT_EQ(doc.GetHatchList()->GetHead()->GetColor(), 0xC0C0C0u);

    const auto saved = files.File("saved.tbr");
    ASSERT_TRUE(doc.OnSaveDocument(saved.string()));
    EXPECT_TRUE(SameBytes(ReadBytes(saved), golden));
}

} // namespace
} // namespace tembra
