// Writes the seeds of every fuzz target: records and charts as this program stores them (with
// some contents: processes with terms and resources, events, progress lines, item cells, the
// print header of the shipped layout, the calendar of the shipped holidays), the shipped layout
// and own key, and small files and texts of the forms the readers meet.
//
//   fuzz_seeds <corpus folder>     (tests/fuzz/corpus; each target's seeds go to its folder)
//
// The seeds are committed with the inputs that once failed; run this again only when a stored
// form changes, and keep the failed inputs.
#include "fuzz/FuzzSupport.h"
#include "fuzz/RecordKinds.h"

#include "document/AppState.h"
#include "document/DocFileFormat.h"
#include "document/TembraDoc.h"
#include "exchange/DosConvert.h"
#include "exchange/QkrImport.h"
#include "model/Calendar.h"
#include "model/DataHeader.h"
#include "model/Event.h"
#include "model/Hensoku.h"
#include "model/HolidayStore.h"
#include "model/Koumoku.h"
#include "model/KoumokuData.h"
#include "model/Koutei.h"
#include "model/KtkmHatch.h"
#include "model/LayerSet.h"
#include "model/SeqNumber.h"
#include "model/Shigen.h"
#include "model/Shincyoku.h"
#include "model/SyokiSet.h"
#include "model/Yogo.h"
#include "platform/Archive.h"
#include "platform/MemFile.h"
#include "platform/Sjis.h"
#include "print/PrHeader.h"
#include "shapes/ZukeiBox.h"
#include "shapes/ZukeiGroup.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

namespace tembra::fuzz {
namespace {

using Bytes = std::vector<std::uint8_t>;

const std::filesystem::path kDataDir = TEMBRA_DATA_DIR;

void Write(const std::filesystem::path& folder, const std::string& name, const Bytes& bytes) {
    std::filesystem::create_directories(folder);
    std::ofstream out(folder / name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        Fail("cannot write a seed");
    }
}

Bytes ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

Bytes Join(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const Bytes& part : parts) {
        out.insert(out.end(), part.begin(), part.end());
    }
    return out;
}

Bytes Text(std::string_view text) {
    return Bytes(text.begin(), text.end());
}

// The text with its length byte, as the profile target reads its write arguments.
Bytes Counted(std::string_view text) {
    Bytes out{static_cast<std::uint8_t>(text.size())};
    out.insert(out.end(), text.begin(), text.end());
    return out;
}

std::uint8_t VersionChoice(int version) {
    const std::vector<int>& versions = FileVersions();
    const auto at = std::find(versions.begin(), versions.end(), version);
    if (at == versions.end()) {
        Fail("a seed's version is not one of the fuzzed versions");
    }
    return static_cast<std::uint8_t>(at - versions.begin());
}

template <class Fn> Bytes Store(CDocument& document, Fn write) {
    CMemFile file;
    CArchive ar(&file, CArchive::store);
    ar.m_pDocument = &document;
    write(ar);
    ar.Close();
    return file.Data();
}

CTime Day(int year, int month, int day) {
    return CTime(year, month, day);
}

std::unique_ptr<CKoumokuData> Cell(int row, int column, const char* text) {
    auto cell = std::make_unique<CKoumokuData>();
    cell->SetRow(static_cast<WORD>(row));
    cell->SetColumn(static_cast<WORD>(column));
    cell->SetKeisenWord1(1);
    cell->SetText(Sjis::FromUtf8(text));
    return cell;
}

void FillKoutei(CKoutei& process, int row) {
    process.SetSeqNumber(0, static_cast<DWORD>(row + 1));
    process.SetStartDate(Day(2010, 4, 5));
    process.SetEndDate(Day(2010, 4, 20));
    process.SetStartRow(static_cast<WORD>(row));
    process.SetEndRow(static_cast<WORD>(row));
    auto term = std::make_unique<CYogo>();
    term->SetText(Sjis::FromUtf8("基礎工事"));
    process.AddYogo(term, TRUE);
    auto resources = std::make_unique<CShigen>();
    resources->AddShigenData(std::make_unique<CShigenData>(1, 3));
    process.SetShigen(std::move(resources));
}

void FillEvent(CEvent& event) {
    event.SetStartDate(Day(2010, 5, 1));
    event.SetStartRow(2);
    event.SetText(Sjis::FromUtf8("検査 $実$"));
}

void FillProgress(CShincyoku& line) {
    line.SetDate(Day(2010, 4, 15));
    line.SetPointValue(0, 50);
    line.SetPointValue(2, -20);
}

void FillCalendar(CCalendar& calendar) {
    std::array<BYTE, kWeeklyTableSize> weekly{};
    static_cast<void>(ReadRegWeeklyRestDays(weekly));
    static_cast<void>(calendar.MakeHolidays(weekly.data(), TRUE, TRUE));
}

// Contents for the records the seeds store, by class.
void Fill(CObject* record, CTembraDoc& document) {
    if (auto* process = dynamic_cast<CKoutei*>(record)) {
        FillKoutei(*process, 1);
    } else if (auto* event = dynamic_cast<CEvent*>(record)) {
        FillEvent(*event);
    } else if (auto* line = dynamic_cast<CShincyoku*>(record)) {
        FillProgress(*line);
    } else if (auto* term = dynamic_cast<CYogo*>(record)) {
        term->SetText(Sjis::FromUtf8("終了"));
        term->SetHyperlink("https://example.com/");
    } else if (auto* resources = dynamic_cast<CShigen*>(record)) {
        resources->AddShigenData(std::make_unique<CShigenData>(2, 5));
    } else if (auto* cell = dynamic_cast<CKoumokuData*>(record)) {
        cell->SetRow(3);
        cell->SetKeisenWord1(2);
        cell->SetText(Sjis::FromUtf8("項目"));
    } else if (auto* periods = dynamic_cast<CHensoku*>(record)) {
        periods->AddData(std::make_unique<CHensokuData>());
    } else if (auto* layer = dynamic_cast<CLayerSet*>(record)) {
        layer->SetName("layer");
        layer->SetState(1);
    } else if (auto* calendar = dynamic_cast<CCalendar*>(record)) {
        FillCalendar(*calendar);
    } else if (auto* settings = dynamic_cast<CSyokiSet*>(record)) {
        const short mode = settings->GetNobeMode();
        static_cast<void>(settings->SetDefault(&document, 0));
        settings->SetNobeMode(mode);
    } else if (auto* header = dynamic_cast<CPrHeader*>(record)) {
        static_cast<void>(header->InitFromSettings(&document, 0, kDataDir / "MASTER01.LYT", FALSE));
    } else if (auto* items = dynamic_cast<CKoumoku*>(record)) {
        // The document's table: the document owns the cells.
        items->SetAt(0, 0, Cell(0, 0, "第一工区").release());
        items->SetAt(2, 0, Cell(2, 0, "第二工区").release());
    } else if (auto* table = dynamic_cast<CObTable*>(record)) {
        // A bare table: the slot owns the cells.
        table->SetAt(1, 0, Cell(1, 0, "A").release());
    } else if (auto* counter = dynamic_cast<CSeqNumberCtrl*>(record)) {
        counter->Set(0, 42);
    }
}

void WriteRecordSeeds(const std::filesystem::path& folder) {
    struct Form {
        const char* name;
        int version;
        std::uint8_t context;
    };
    const Form forms[] = {
        {"current", kCurrentFileVersion, 0},
        {"tagged-insert", kCurrentFileVersion, kContextTagged | kContextInsert},
        {"old-elapsed", 21000, kContextElapsed},
    };
    const std::vector<RecordKind>& kinds = RecordKinds();
    for (std::size_t k = 0; k < kinds.size(); ++k) {
        for (const Form& form : forms) {
            // The calendar's table reads alike in every form.
            if (std::string_view(kinds[k].name) == "CCalendar" && form.context != 0) {
                continue;
            }
            CTembraDoc document;
            SetUpDocument(document, form.version, form.context);
            auto slot = kinds[k].make(document, (form.context & kContextTagged) != 0);
            Fill(slot->Object(), document);
            const Bytes stored = Store(document, [&](CArchive& ar) { slot->Store(ar); });
            Write(folder, std::string("seed-") + kinds[k].name + "-" + form.name,
                  Join({{static_cast<std::uint8_t>(k), VersionChoice(form.version), form.context},
                        stored}));
        }
    }
}

void FillChart(CTembraDoc& document) {
    Fill(&document.GetSyokiSet(), document);
    FillCalendar(document.GetWorkCalendar());
    Fill(&document.GetPrHeader(), document);
    document.GetChartLayers().CreateLayers();
    document.GetLayers()[1]->SetName("layer 1");
    Fill(document.GetKoumoku(), document);
    document.GetShigenNames().push_back(
        std::make_unique<CShigenName>(1, 4, Sjis::FromUtf8("作業員")));
    for (int row = 0; row < 2; ++row) {
        auto process = std::make_unique<CKoutei>();
        FillKoutei(*process, row);
        document.AddObj(process.release(), FALSE);
    }
    auto event = std::make_unique<CEvent>();
    FillEvent(*event);
    document.AddObj(event.release(), FALSE);
    auto line = std::make_unique<CShincyoku>();
    FillProgress(*line);
    document.GetShincyokuList().AddTail(line.release());
    document.GetHatchList()->AddTail(new CKtkmHatch);
    document.GetSeqNumberCtrl().Set(0, 2);
}

void WriteChartSeeds(const std::filesystem::path& folder) {
    for (const int version : {kCurrentFileVersion, 41000, 22000, 0}) {
        for (const bool autoSave : {false, true}) {
            if (autoSave && version != kCurrentFileVersion) {
                continue;
            }
            CTembraDoc document;
            document.SetVersion(version);
            FillChart(document);
            if (autoSave) {
                document.SelectLastObj();
            }
            // The file as the document writes it; the seed holds what follows its preamble (the
            // chart target writes that for the version itself, the beta mark for version 0).
            GetAppState()->SetAutoSaving(autoSave ? TRUE : FALSE);
            GetAppState()->SetSaveVersion(version);
            Bytes stored = Store(document, [&](CArchive& ar) { document.Serialize(ar); });
            GetAppState()->SetAutoSaving(FALSE);
            GetAppState()->SetSaveVersion(kCurrentFileVersion);
            std::size_t preamble =
                static_cast<std::size_t>(std::find(stored.begin(), stored.end(), 0) -
                                         stored.begin()) +
                1 + 4;
            if (version >= DocFile::kReservedVersion) {
                preamble += 4;
            }
            Write(folder, "seed-" + std::to_string(version) + (autoSave ? "-autosave" : ""),
                  Join({{VersionChoice(version), static_cast<std::uint8_t>(autoSave ? 1 : 0)},
                        Bytes(stored.begin() + static_cast<std::ptrdiff_t>(preamble),
                              stored.end())}));
            if (version == kCurrentFileVersion && !autoSave) {
                // And one whole file, header included.
                Write(folder, "seed-file-58000", Join({{VersionChoice(version), 2}, stored}));
            }
            document.DeleteContents();
        }
    }
}

void WriteArchiveSeeds(const std::filesystem::path& folder) {
    // Operations of the archive target: 0 an owned object, 1 a string, 2 a list of objects,
    // 3 a text line, 4 a class tag, 5 a period, 6 a record header, 7 any reference, 8 numbers.
    CTembraDoc document;
    CDataHeader header;
    const Bytes objects = Store(document, [&](CArchive& ar) {
        const BYTE list = 2;
        ar.Write(&list, 1);
        ar.WriteCount(2);
        ar.WriteObject(&header);
        CDataHeader second;
        ar.WriteObject(&second);
        const BYTE reference = 7;
        ar.Write(&reference, 1);
        ar.WriteObject(&header); // a reference back to the first
        const BYTE text = 1;
        ar.Write(&text, 1);
        ar << Sjis::FromUtf8("工程表");
        const BYTE line = 3;
        ar.Write(&line, 1);
        ar.WriteString("line\r\n");
        const BYTE numbers = 8;
        ar.Write(&numbers, 1);
        ar << 1.5 << 2.5f << LONG{-3};
    });
    Write(folder, "seed-objects", Join({{VersionChoice(kCurrentFileVersion)}, objects}));

    CKoutei process;
    FillKoutei(process, 0);
    const Bytes record = Store(document, [&](CArchive& ar) {
        const BYTE owned = 0;
        ar.Write(&owned, 1);
        ar.WriteObject(&process);
        const BYTE reference = 7;
        ar.Write(&reference, 1);
        ar.WriteObject(process.GetYogo(0));
        const BYTE fields = 6;
        ar.Write(&fields, 1);
        header.Serialize(ar);
    });
    Write(folder, "seed-process", Join({{VersionChoice(kCurrentFileVersion)}, record}));

    // Long strings in both forms (a length word, a length dword) and a UTF-16 string.
    Bytes strings{VersionChoice(kCurrentFileVersion), 1, 0xFF, 0x00, 0x01};
    strings.insert(strings.end(), 256, 'a');
    const Bytes unicode{1, 0xFF, 0xFE, 0xFF, 2, 0xE5, 0x5D, 0x0B, 0x7A};
    Write(folder, "seed-strings", Join({strings, unicode}));
}

void WriteProfileSeeds(const std::filesystem::path& folder) {
    const Bytes machine = ReadFile(kDataDir / "Tembra+ for Windows.machine.ini");
    // flags, buffer size, entry, section, key, value, file
    Write(folder, "seed-machine-key",
          Join({{7, 64, 3},
                Counted(Sjis::FromUtf8("祝日")),
                Counted("0101"),
                Counted(Sjis::FromUtf8("1,元日")),
                machine}));
    Write(folder, "seed-machine-key-ini",
          Join({{0, 8, 1}, Counted("New"), Counted("Key"), Counted(" spaced "), machine}));
    const std::string ini = Sjis::FromUtf8("; comment\r\n"
                                           "[BaseConfig]\r\n"
                                           "KoumokuName = 作業\r\n"
                                           "HizukeName='期間'\r\n"
                                           "Lines=\"30\"\r\n"
                                           "[Operation]\r\n"
                                           "HolidayAuto=1\r\n"
                                           "no equals sign\r\n"
                                           "[baseconfig]\r\n"
                                           "KoumokuName=second\r\n");
    Write(folder, "seed-settings-ini",
          Join({{2, 16, 2}, Counted("baseCONFIG"), Counted("lines"), Counted("31"), Text(ini)}));
    // The print settings a 記憶 stores and the initial settings of new charts, values at and
    // beyond their ends, read as the program reads them at its start.
    const std::string stored = "[PrintConfig]\r\nSelect=65535\r\nKikan=-1\r\nColor=16777216\r\n"
                               "LineRate=9.99e99\r\nKeisenDotLen=0\r\nArcRay=\r\n"
                               "[BaseConfig]\r\nLines=0\r\nMaeYohaku=-2147483648\r\n";
    Write(folder, "seed-print-and-initial-settings",
          Join({{2, 32, 1}, Counted("PrintConfig"), Counted("Kikan"), Counted("2"), Text(stored)}));
    const std::string holidays = "[公休]\n日=1,1,1,1,1\n土=0,1,0,1,0\n"
                                 "[祝日]\n0101=1,元日\n01 2 2w=1,成人の日,2000\n0229=2\n"
                                 "[特定休日]\n20100503=1,振替\n991231=1\n;20100101=1\n";
    Write(folder, "seed-holidays",
          Join({{5, 255, 0},
                Counted(Sjis::FromUtf8("特定休日")),
                Counted("20101231"),
                Counted("1,年末"),
                Text(holidays)}));
    Write(folder, "seed-empty", Bytes{0, 0, 0, 0, 0, 0});
}

void WriteLayoutSeeds(const std::filesystem::path& folder) {
    const Bytes master = ReadFile(kDataDir / "MASTER01.LYT");
    Write(folder, "seed-master-a4", Join({{0, 1}, master}));
    Write(folder, "seed-master-a3-upright", Join({{3, 2}, master}));
    const std::string small = Sjis::FromUtf8(
        "[ファイル情報]\r\nVertion=10000\r\nMasterFlag=-1\r\nCurrentPaper=1\r\n"
        "LayoutName=小\r\nLayoutDiscernmentFlag=1\r\n\r\n"
        "[_B4_]\r\nPaperArea= 0, 0, 3640, 2570\r\nHeaderArea= 100, 100, 3540, 400\r\n"
        "EditArea= 100, 400, 3540, 2400\r\nDateArea= 600, 400, 3540, 500\r\n"
        "FooterArea= 100, 2400, 3540, 2470\r\nOffsetLTop= 0, 0, 50, 60\r\n"
        "MojiData1=\"工程表\\n二行目\", 10, 10, 500, 90, \"ＭＳ 明朝\", 40, 20, 1, 1, 0, 0\r\n"
        "InputArea1=\"010001\", 600, 10, 1500, 90, \"ＭＳ ゴシック\", 30, 15, 1, 0, 255, "
        "\"件名\", 4, 0\r\n"
        "InputArea2=\"020001\", 600, 10, 1500, 90, \"\", 30, 15, 1, 0, 255, \"\", 9, 3\r\n"
        "LineData1= 0, 100, 3640, 100, 0, 2, 0, 1\r\n"
        "LineData2= 99999999, -5, 3, 3, 1, 1, 16777215\r\n\r\n[EOS]\r\n");
    Write(folder, "seed-small-b4", Join({{1, 1}, Text(small)}));
    Write(folder, "seed-no-section", Join({{5, 0}, Text("[_A4_]\nMojiData1=\"x\n")}));
}

void WriteTextSeeds(const std::filesystem::path& folder) {
    const auto seed = [&](const char* name, std::uint8_t size, std::string_view text,
                          std::string_view second) {
        Write(folder, name, Join({{size}, Text(text), {0}, Text(second)}));
    };
    seed("seed-setting-line", 31, Sjis::FromUtf8("Key=\"予定表\", 1, -2, 3; comment"),
         Sjis::FromUtf8("=10, 20, 1.5e3, 2.25, トークン,rest"));
    seed("seed-date-format", 64, "yyyy/mm/dd hh:MM %Y %#d m月d日", "yy-m-d");
    seed("seed-line-ends", 8, "first\r\nsecond\r\n\\n\r\n", "\\n");
    seed("seed-cp932", 5, Sjis::FromUtf8("表示ソフト\\ｶﾅabcABC"), Sjis::FromUtf8("ソ"));
    seed("seed-list", 0, "beta", "Alpha\nbeta\nBETA\ngamma");
    seed("seed-numbers", 16, "  -2147483649, 4294967296, 1e400, nan", ",,;");
}

// A DOS document as the export writes it: the header file and the data file.
std::pair<Bytes, Bytes> DosFiles(CTembraDoc& document) {
    CDosConvert convert;
    CMemFile data;
    CArchive dataArchive(&data, CArchive::store);
    dataArchive.m_pDocument = &document;
    convert.WinToDosData(dataArchive);
    dataArchive.Close();
    CMemFile header;
    CArchive headerArchive(&header, CArchive::store);
    headerArchive.m_pDocument = &document;
    convert.WinToDos(headerArchive);
    headerArchive.Close();
    return {header.Data(), data.Data()};
}

// The dos target's input: the parts choice, the header's size, the header, the data.
Bytes DosInput(std::uint8_t choice, const Bytes& header, const Bytes& data) {
    const auto size = static_cast<std::uint16_t>(header.size());
    return Join(
        {{choice, static_cast<std::uint8_t>(size & 0xFF), static_cast<std::uint8_t>(size >> 8)},
         header,
         data});
}

// A chart of each kind of record the DOS format holds, dated from the day given.
void FillDosChart(CTembraDoc& document, const CTime& day) {
    CChartPos pos;
    pos.SetStartDate(day + CTimeSpan(2, 0, 0, 0));
    pos.SetEndDate(day + CTimeSpan(6, 0, 0, 0));
    pos.SetStartRow(1);
    pos.SetEndRow(3);
    std::unique_ptr<CKoutei> process = document.CreateKoutei(&pos, TRUE);
    process->GetLines()->GetAttr().m_style = 0x180;
    std::unique_ptr<CYogo> term = document.GetTerms().CreateYogo();
    term->SetText(Sjis::FromUtf8("用語"));
    term->GetAttr().m_form = 3;
    term->GetAttr().m_attrb = kLabelVertical;
    process->AddYogo(term, TRUE);
    auto resources = CChartResources::CreateShigen();
    resources->AddShigenData(std::make_unique<CShigenData>(1, 5));
    process->SetShigen(std::move(resources));
    document.AddObj(process.release(), FALSE);
    document.GetShigenNames().push_back(
        std::make_unique<CShigenName>(1, 0, Sjis::FromUtf8("作業員")));
    std::unique_ptr<CEvent> event = document.GetEvents().CreateEvent();
    event->SetStartDate(day + CTimeSpan(3, 12, 0, 0));
    event->SetText(Sjis::FromUtf8("行事"));
    document.AddObj(event.release(), FALSE);
    std::unique_ptr<CShincyoku> line =
        document.GetProgressLines().CreateShincyoku(day + CTimeSpan(4, 0, 0, 0));
    line->SetPointDate(2, day + CTimeSpan(5, 0, 0, 0));
    document.GetProgressLines().AddShincyoku(line.release(), FALSE);
    document.GetKoumokuCells().CreateKoumokuData(0, 0)->SetText(Sjis::FromUtf8("項目"));
    auto box = std::make_unique<CZukeiBox>();
    box->SetAnchors(day, 1.5, day + CTimeSpan(2, 6, 0, 0), 2.25);
    auto group = std::make_unique<CZukeiGroup>();
    auto member = std::make_unique<CZukeiBox>();
    member->SetAnchors(day, 0.5, day + CTimeSpan(1, 0, 0, 0), 1.0);
    group->AddMember(std::move(member));
    group->AddMember(box->Clone());
    document.GetShapes().AddZukei(box.release(), FALSE);
    document.GetShapes().AddZukei(group.release(), FALSE);
}

void WriteDosSeeds(const std::filesystem::path& folder) {
    CTembraDoc document;
    document.InitNewDocument(0);
    FillDosChart(document, document.GetSyokiSet().GetStartDate());
    const auto [header, data] = DosFiles(document);
    Write(folder, "seed-whole", DosInput(0, header, data));
    Write(folder, "seed-items-only", DosInput(1, header, data));
    // The same records behind a header of the older layout (version 3299: events 3 bytes
    // longer, the line type in bits 5 to 7).
    Bytes old(header.begin(), header.begin() + Dos::kBlock1Size);
    old[0] = 3299 & 0xFF;
    old[1] = 3299 >> 8;
    old.resize(Dos::kBlock1Size + Dos::kOldBlock2Size, 0);
    Write(folder, "seed-version-3299", DosInput(0, old, data));

    CTembraDoc elapsed;
    elapsed.InitNewDocument(1);
    elapsed.GetSyokiSet().SetMaeYohaku(CTimeSpan());
    elapsed.GetSyokiSet().SetAtoYohaku(CTimeSpan());
    elapsed.GetSyokiSet().SetJyunbiKikan(CTimeSpan());
    FillDosChart(elapsed, elapsed.GetSyokiSet().GetNobeBaseDate());
    const auto [elapsedHeader, elapsedData] = DosFiles(elapsed);
    Write(folder, "seed-elapsed-days", DosInput(0, elapsedHeader, elapsedData));
}

void WriteTextDataSeeds(const std::filesystem::path& folder) {
    Write(folder, "seed-every-record",
          Text(Sjis::FromUtf8("; comment\r\n0,TEMBRA_TXT,1\r\n1,0,A3\r\n"
                              "1,1,2010/4/1,2010/6/30,1\r\n1,2,40\r\n"
                              "1,3,2010/4/29,,2010/5/3\r\n1,4,0,20\r\n2,0,\"題名, 一\"\r\n"
                              "2,1,現場\r\n3,0,2,2010/4/3,2010/4/7,2,5,9,1,2,3,Red\r\n"
                              "3,1,8,1,100,Green,13,0,200,Blue\r\n"
                              "3,2,1,12,\"用語\"\"A\",2,1,1,0,1,1,1,yellow\r\n"
                              "3,0,5,2010/4/7,2010/4/10,2,4,0,0,0,0,0\r\n"
                              "4,0,2010/4/5,3,0,20,行事,2,1,1,1,0,255\r\n"
                              "5,0,3,30,30\r\n5,1,2,3,0,14,項目,1,0,1,Cyan\r\n")));
    Write(folder, "seed-kelva-bad-lines",
          Text("0,KELVA_TXT,0\n01,2,20\n3,1,0,0,1,0,0,0,1,0\n5,0,3,60,50\n1,3,1990/1/1\n"));
}

void WriteQkrSeeds(const std::filesystem::path& folder) {
    const std::string file = Sjis::FromUtf8(
        "QKRTOOL_ASC 3.0\r\n1\r\n2010\r\n12\r\n3,4,5,10,11,12,17,18,19,24\r\n25,26\r\n"
        "2\r\n\"ＭＳ ゴシック\",10.5,0,1\r\n1,3,8,0,2,6,4,2,255\r\n"
        "1,1,0,1,2,3,\"用語\",7,1\r\n2,9,11,0,6,7,0,0,0\r\n4,11,14,0,7,7,0,5,0\r\n"
        "1,20,10,0,5,3,9,5,0\r\n0,0,0,0,0,0,\"\",0,1\r\n-9999\r\n\"ＭＳ 明朝\"\r\n"
        "1,\"項目\",0,0,1,0\r\n2,\"右\",0,0,0,1\r\n-9999\r\n3\r\n2010,2\r\n"
        "32,\"行事\",\"\"\r\n33,\"一\",\"二\"\r\n-9999\r\n\"題名\"\r\n\"\"\r\n"
        "\"建築主\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n"
        "\"\"\r\n\"\"\r\n60\r\n");
    Write(folder, "seed-every-section", Join({{static_cast<std::uint8_t>(kQkrAll)}, Text(file)}));
    Write(folder, "seed-header-only", Join({{static_cast<std::uint8_t>(kQkrHeader)}, Text(file)}));
}

int Main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <corpus folder>\n", argv[0]);
        return 2;
    }
    PrepareProcess();
    const std::filesystem::path corpus = argv[1];
    WriteArchiveSeeds(corpus / "archive");
    WriteRecordSeeds(corpus / "records");
    WriteChartSeeds(corpus / "chart");
    WriteProfileSeeds(corpus / "profile");
    WriteLayoutSeeds(corpus / "layout");
    WriteTextSeeds(corpus / "text");
    WriteDosSeeds(corpus / "dos");
    WriteTextDataSeeds(corpus / "textdata");
    WriteQkrSeeds(corpus / "qkr");
    return 0;
}

} // namespace
} // namespace tembra::fuzz

int main(int argc, char** argv) {
    return tembra::fuzz::Main(argc, argv);
}
