// The import of a DOS document: layers, settings, print header and resource names from the
// header blocks, then the records of the data file (the shapes in DosZukei.cpp).
#include "document/TembraDoc.h"
#include "exchange/DosConvert.h"
#include "exchange/ExchangeSupport.h"
#include "model/ConfigBase.h"
#include "model/ConfigPath.h"
#include "model/Utility.h"
#include "platform/Archive.h"
#include "platform/Sjis.h"
#include "platform/Ui.h"
#include "print/PrNewText.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <new>
#include <numbers>

namespace tembra {

using Exchange::J;

namespace {

using Dos::kLayerCount;
using Dos::kMaxLayer;
// The size settings the scale factors give are held within these.
constexpr int kMinSize = 5;
constexpr int kMaxSize = 100;
constexpr int kMinArrowAngle = 10;
constexpr int kMaxArrowAngle = 45;
// The most a font's height or width can be in the file's 16-bit font record.
constexpr LONG kMaxFontExtent = 32767;
constexpr std::size_t kTextCapacity = 128;
constexpr int kLastRow = 9999;

// What the line break mark of DOS header texts becomes.
constexpr std::string_view kLineBreak = "\\n";

// Every line break mark of a header text as the two characters "\n".
std::string HeaderText(const std::string& dos) {
    std::string text;
    for (std::size_t i = 0; i < dos.size();) {
        const std::size_t n = Sjis::CharLength(dos, i);
        if (dos.compare(i, n, Dos::kLineBreak) == 0) {
            text += kLineBreak;
        } else {
            text.append(dos, i, n);
        }
        i += n;
    }
    return text;
}

// The line style of a DOS line type t.
WORD StyleFromDos(int t) {
    switch (t) {
    case 2:
        return 3;
    case 3:
        return 4;
    case 4:
        return 5;
    case 5:
        return 0x180;
    case 6:
        return 0x280;
    case 7:
        return 0x380;
    case 8:
        return 0x140;
    default:
        return 2;
    }
}

// The hatch of a DOS pattern code.
WORD HatchFromPattern(WORD code) {
    switch (code) {
    case 9:
        return 1;
    case 10:
        return 0;
    case 12:
        return 3;
    case 14:
        return 2;
    case 16:
        return 99;
    case 17:
        return 100;
    default:
        return 999;
    }
}

// The packed size code of two size values: height x 256 + (width & 0xFF).
WORD SizeCode(float v1, float v2) {
    return static_cast<WORD>((static_cast<unsigned>(Exchange::Floor(v1)) << 8) +
                             (static_cast<unsigned>(Exchange::Floor(v2)) & 0xFF));
}

// A scale factor of block 2; one that is no number counts as 0.
double Factor(const Dos::Bytes& block2, int index) {
    const double f = block2.Float(Dos::B2::kScaleFactors + 4 * static_cast<std::size_t>(index));
    return Exchange::IsFinite(f) ? f : 0.0;
}

LONG FontExtent(double v) {
    return std::clamp<LONG>(Exchange::Floor(v), -kMaxFontExtent, kMaxFontExtent);
}

// A font with the height and width that a row height and a day width give by two factors.
void ScaleFont(LOGFONT& font, double rowHeight, double dayWidth, double heightFactor,
               double widthFactor) {
    font.lfHeight = -FontExtent(rowHeight * heightFactor);
    font.lfWidth = FontExtent(dayWidth * widthFactor) / 2;
}

} // namespace

BOOL CDosConvert::DosToWin(CArchive& ar) {
    auto* document = dynamic_cast<CTembraDoc*>(ar.m_pDocument);
    if (document == nullptr || !CheckVersion()) {
        return FALSE;
    }
    m_skipped = 0;
    m_cut = false;
    m_current = nullptr;
    ConvertLayers(*document);
    CSyokiSet& settings = document->GetSyokiSet();
    const int paper = settings.GetPageSetting().GetPaper();
    if ((m_nSelect & kSelectSettings) != 0) {
        ConvertSettings(*document);
        m_nSelect &= ~DWORD{kSelectSettings};
    }
    if ((m_nSelect & kSelectHeader) != 0) {
        const int newPaper = settings.GetPageSetting().GetPaper();
        if (newPaper != paper) {
            document->GetPrHeader().InitFromSettings(
                document, newPaper, ConfigPathToFs(settings.GetPath().GetLayoutFilePath()), TRUE);
        }
        ConvertPrintHeader(*document);
        m_nSelect &= ~DWORD{kSelectHeader};
    }
    ConvertShigenNames(*document);
    BOOL result = TRUE;
    if (m_nSelect != 0) {
        Ui().SetStatusText(J("DOS→WIN コンバート中..."));
        result = ConvertRecords(*document, ar);
    }
    Exchange::ReportImportProblems(m_skipped, m_cut);
    return result;
}

// ---- Header blocks ------------------------------------------------------------------------------

void CDosConvert::ConvertLayers(CTembraDoc& document) {
    document.SetCurrentLayer(std::clamp(m_block1.Short(Dos::B1::kCurrentLayer) / 8, 0, kMaxLayer));
    for (int n = 0; n < kLayerCount; ++n) {
        const BYTE state = m_block1.Byte(Dos::B1::kLayerStates + static_cast<std::size_t>(n));
        if (state <= 2) {
            // 0 shown, 1 for reference, 2 hidden; any other byte keeps the layer's state.
            document.GetChartLayers().SetLayerVisible(n, static_cast<short>(state + 1));
        }
        const std::string name = m_block1.Text(
            Dos::B1::kLayerNames + Dos::B1::kLayerNameSize * static_cast<std::size_t>(n),
            Dos::B1::kLayerNameSize - 1);
        document.GetChartLayers().SetLayerName(n, Sjis::Cut(name, Dos::B1::kLayerNameSize - 1));
    }
}

void CDosConvert::ConvertSettings(CTembraDoc& document) {
    CSyokiSet& settings = document.GetSyokiSet();
    CConfigChart& chart = settings.GetChart();
    CPageSetting& page = settings.GetPageSetting();

    // 1. The paper and its areas. The date band comes from the layout file, which fixes it
    //    for every chart of the paper: the DOS screen's share of it has no place here.
    int paper = m_block2.Short(Dos::B2::kPaper);
    int orientation = m_block2.Byte(Dos::B2::kOrientation);
    DosPaperToWin(paper, orientation);
    page.SetPaper(paper, orientation, ConfigPathToFs(GetAppConfig()->GetPath().GetLayoutFilePath()),
                  -1);
    const int a = std::min<int>(m_block2.Short(Dos::B2::kScreenLineA), 0);
    const int c = m_block2.Short(Dos::B2::kScreenLineC);
    const int screenLines = c - a + 1;
    const double paperWidth = page.GetPaperSize().cx;

    // 2. The titles of the date column and the item column.
    CAreaNameSet& names = chart.GetAreaNameSet();
    names.SetHizukeName(m_block2.Text(Dos::B2::kHizukeTitle, Dos::B2::kTitleSize));
    names.SetKoumokuName(m_block2.Text(Dos::B2::kKoumokuTitle, Dos::B2::kTitleSize));

    // 3, 4. The period.
    if (m_nChartMode == 0) {
        const std::optional<CTime> start = DecodeDate(m_block2.Date(Dos::B2::kStartDate), CTime());
        const std::optional<CTime> end = DecodeDate(m_block2.Date(Dos::B2::kEndDate), CTime());
        if (start && end && *start <= *end) {
            settings.SetStartDate(*start);
            settings.SetEndDate(*end);
        }
        settings.SetMaeYohaku(CTimeSpan());
        settings.SetAtoYohaku(CTimeSpan());
        settings.SetJyunbiKikan(CTimeSpan());
    } else {
        const int unit = m_block2.Short(Dos::B2::kNobeUnit);
        const std::int64_t scale = unit == 0 ? 30 : 1;
        const std::int64_t origin = m_block2.Short(Dos::B2::kNobeOrigin) * scale;
        const std::int64_t length =
            std::max<std::int64_t>(m_block2.Short(Dos::B2::kNobeLength) * scale - 1, 0);
        const std::int64_t leading =
            std::max<std::int64_t>(m_block2.Short(Dos::B2::kLeadingMargin) * scale, 0);
        const std::int64_t trailing =
            std::max<std::int64_t>(m_block2.Short(Dos::B2::kTrailingMargin) * scale, 0);
        settings.SetMaeYohaku(CTimeSpan(leading, 0, 0, 0));
        settings.SetAtoYohaku(CTimeSpan(trailing, 0, 0, 0));
        settings.SetJyunbiKikan(CTimeSpan(origin < 0 ? -origin : 0, 0, 0, 0));
        const CTimeSpan offset = settings.GetNobeOffset();
        // Today, moved (as for a new chart) so that the period lies inside the calendar; one
        // longer than the calendar is cut at its end.
        const CTime now = CTime::GetCurrentTime();
        CTime today(now.GetYear(), now.GetMonth(), now.GetDay());
        const CTime earliest = GetMinDate() + CTimeSpan(leading, 0, 0, 0);
        const CTime latest = GetMaxDate() - CTimeSpan(trailing + length, 0, 0, 0) - offset;
        today = std::max(earliest, std::min(today, latest));
        const CTime start = today - CTimeSpan(leading, 0, 0, 0);
        settings.SetStartDate(start);
        settings.SetEndDate(std::min(
            start + CTimeSpan(leading + length + trailing, 0, 0, 0) + offset, GetMaxDate()));
    }

    // 5. The rows.
    settings.SetFirstRow(0);
    settings.SetLastRow(static_cast<WORD>(std::clamp(
        m_block2.Word(Dos::B2::kLastRow) - m_block2.Word(Dos::B2::kFirstRow), 0, kLastRow)));

    // 6. The date font, from the date rows' share of the DOS screen.
    if (screenLines > 0) {
        LOGFONT font = chart.GetDateStyle().GetLogFont();
        const LONG h = std::clamp<LONG>(Exchange::Floor(0.8 * 16 / screenLines * paperWidth), 0,
                                        kMaxFontExtent);
        const LONG w = m_block2.Byte(Dos::B2::kHalfWidthDates) == 1 ? h / 2 : h;
        font.lfHeight = -h;
        font.lfWidth = w / 2;
        chart.GetDateStyle().SetLogFont(font);
    }

    // 7. The date labels are chosen anew.
    settings.SetOption1(0);
    settings.SetOption2(0);
    settings.CalcDateThinning();

    // 8. The fonts of items, terms and events by the scale factors.
    const double dayWidth = settings.GetWidthPerDay();
    const double rowHeight = settings.GetHeightPerRow();
    ScaleFont(chart.GetKoumokuAttr().m_font, rowHeight, dayWidth, Factor(m_block2, 0),
              Factor(m_block2, 1));
    LOGFONT& termFont = chart.GetYogoAttr().m_font;
    ScaleFont(termFont, rowHeight, dayWidth, Factor(m_block2, 2), Factor(m_block2, 3));
    LOGFONT eventFont = settings.GetEvent().GetLogFont();
    eventFont.lfHeight = termFont.lfHeight;
    eventFont.lfWidth = termFont.lfWidth;
    settings.GetEvent().SetLogFont(eventFont);

    // 9. The node radius and the corner size.
    const auto size = [&](int index) {
        return static_cast<WORD>(
            std::clamp(Exchange::Floor(dayWidth * Factor(m_block2, index)), kMinSize, kMaxSize));
    };
    chart.GetLandAttr().m_radius = size(4);
    chart.SetCornerSize(size(5));

    // 10. The arrow heads: a along the line, b across it.
    const double along =
        std::clamp(dayWidth * Factor(m_block2, 7), double{kMinSize}, double{kMaxSize});
    const double across =
        std::clamp(dayWidth * Factor(m_block2, 6), double{kMinSize}, double{kMaxSize});
    const double degrees = std::atan2(along, std::abs(across)) * 180.0 / std::numbers::pi;
    chart.SetArrowAngle(
        static_cast<WORD>(std::clamp(Exchange::Trunc(degrees), kMinArrowAngle, kMaxArrowAngle)));
    chart.SetArrowLength(static_cast<WORD>(std::clamp(
        Exchange::Floor(std::sqrt(along * along + across * across)), kMinSize, kMaxSize)));
}

void CDosConvert::ConvertPrintHeader(CTembraDoc& document) {
    CPrHeader& header = document.GetPrHeader();
    const auto setElement = [&header](const char* name, const std::string& text) {
        if (CPrNewText* element = header.FindElementByText(J(name))) {
            element->SetContents(text);
        }
    };
    header.SetTitleText(HeaderText(m_block2.Text(Dos::B2::kProjectTitle, 81)));
    for (const Dos::B2::ProjectText& field : Dos::B2::kProjectTexts) {
        setElement(field.name, HeaderText(m_block2.Text(field.offset, field.size)));
    }
    setElement("建面積", StringPrintf("%7.2f", m_block2.Double(Dos::B2::kBuildingArea)));
    setElement("延面積", StringPrintf("%7.2f", m_block2.Double(Dos::B2::kFloorArea)));
    const auto word = [this](std::size_t at, int i) {
        return static_cast<int>(m_block2.Short(at + 2 * static_cast<std::size_t>(i)));
    };
    setElement("階数", StringPrintf("B.%2d F.%2d P.%2d", word(Dos::B2::kStoreys, 0),
                                    word(Dos::B2::kStoreys, 1), word(Dos::B2::kStoreys, 2)));
    const std::string dateFormat = J("%d年%d月%d日");
    for (const auto& [at, name] :
         {std::pair{Dos::B2::kWorksStart, "着工"}, std::pair{Dos::B2::kCompletion, "竣工"}}) {
        setElement(name, StringPrintf(dateFormat.c_str(), word(at, 0), word(at, 1), word(at, 2)));
    }

    header.SetSelect(m_block2.Word(Dos::B2::kPrintSelect));
    header.SetKikan(m_block2.Short(Dos::B2::kPrintKikan));
    header.SetToDay(m_block2.Word(Dos::B2::kPrintToDay));
    switch (m_block2.Short(Dos::B2::kPrintAmikake)) {
    case 0:
        header.SetAmikake(2);
        break;
    case 1:
        header.SetAmikake(0);
        break;
    case 2:
        header.SetAmikake(1);
        break;
    default:
        break;
    }
    CConfigPrint::PeriodTexts period;
    if (m_block2.Short(Dos::B2::kHeaderTexts1a) != 0) {
        for (int i = 0; i < 3; ++i) {
            period[static_cast<std::size_t>(i)] = std::to_string(word(Dos::B2::kHeaderTexts1a, i));
            period[static_cast<std::size_t>(i) + 3] =
                std::to_string(word(Dos::B2::kHeaderTexts1b, i));
        }
    }
    header.SetHeaderTexts(period);
    CConfigPrint::DateTexts dates;
    if (m_block2.Short(Dos::B2::kHeaderTexts2) != 0) {
        for (int i = 0; i < 3; ++i) {
            dates[static_cast<std::size_t>(i)] = std::to_string(word(Dos::B2::kHeaderTexts2, i));
        }
    }
    header.SetHeaderTexts2(dates);
}

void CDosConvert::ConvertShigenNames(CTembraDoc& document) {
    // The names go into the document's table; a document read for an insert hands them on with
    // its processes, whose numbers the insert then fits to the chart's table.
    document.DeleteShigenTable();
    CShigenNameTable& table = document.GetShigenNames();
    for (int n = 0; n < Dos::B2::kShigenNameCount; ++n) {
        const std::string name = Sjis::Cut(
            m_block2.Text(Dos::B2::kShigenNames + Dos::B2::kShigenNameSize * std::size_t(n),
                          Dos::B2::kShigenNameSize - 1),
            Dos::B2::kShigenNameSize - 1);
        if (name.empty()) {
            break;
        }
        table.push_back(std::make_unique<CShigenName>(static_cast<WORD>(n + 1), WORD{0}, name));
    }
}

// ---- Data records -------------------------------------------------------------------------------

bool CDosConvert::IsSelected(BYTE kind) const {
    switch (kind) {
    case Dos::kKindKoutei:
    case Dos::kKindYogo:
    case Dos::kKindShigen:
        return (m_nSelect & kSelectProcesses) != 0;
    case Dos::kKindKoumoku:
        return (m_nSelect & kSelectItems) != 0;
    case Dos::kKindEvent:
        return (m_nSelect & kSelectEvents) != 0;
    case Dos::kKindShincyoku:
        return (m_nSelect & kSelectProgress) != 0;
    case Dos::kKindZukei:
    case Dos::kKindGroup:
        return (m_nSelect & kSelectShapes) != 0;
    default:
        return false;
    }
}

WORD CDosConvert::RecordLayer() const {
    return static_cast<WORD>(std::min(m_record.Byte(Dos::R::kLayer) >> 3, kMaxLayer));
}

BOOL CDosConvert::ConvertRecords(CTembraDoc& document, CArchive& ar) {
    const CSyokiSet& settings = document.GetSyokiSet();
    m_nobeBase = settings.GetNobeBaseDate();
    m_nobeUnit = m_block2.Short(Dos::B2::kNobeUnit);
    m_current = nullptr;
    const int version = GetVersion();
    // The converters read up to these offsets of their records, whatever the length says (a
    // progress line of any version is read through the 1640 bytes of the current one).
    const auto fieldsOf = [](BYTE kind) -> std::size_t {
        switch (kind) {
        case Dos::kKindKoutei:
            return Dos::Koutei::kSize;
        case Dos::kKindYogo:
            return Dos::Yogo::kText;
        case Dos::kKindShigen:
            return Dos::Shigen::kSize;
        case Dos::kKindKoumoku:
            return Dos::Koumoku::kText;
        case Dos::kKindEvent:
            return Dos::Event::kSize;
        case Dos::kKindShincyoku:
            return Dos::Shincyoku::kSize;
        case Dos::kKindZukei:
            return Dos::Zukei::kSize;
        default:
            return Dos::Zukei::kGroupSize;
        }
    };
    std::array<BYTE, 4096> scratch{};
    BOOL result = TRUE;
    for (;;) {
        std::array<BYTE, Dos::kRecordHeaderSize> head{};
        const UINT got = ar.Read(head.data(), static_cast<UINT>(head.size()));
        if (got < head.size()) {
            // The data file's end; inside a record header it broke off.
            m_cut = got > 0;
            break;
        }
        const BYTE kind = head[Dos::R::kKind];
        const bool marked = head[Dos::R::kMarker] == Dos::kMarker;
        if (marked && kind == Dos::kKindEnd) {
            break;
        }
        const WORD length =
            static_cast<WORD>(head[Dos::R::kLength] | (head[Dos::R::kLength + 1] << 8));
        if (length < 1) {
            // A record of no length cannot be passed over: the data ends here.
            m_cut = true;
            break;
        }
        std::size_t size = std::size_t{length} * Dos::kUnit;
        if (kind == Dos::kKindEvent && version < Dos::kEventLengthVersion) {
            size += Dos::Event::kLongerBefore3300;
        }
        if (kind == Dos::kKindShincyoku && version >= Dos::kCurrentLayoutVersion) {
            size = Dos::Shincyoku::kSize;
        }
        const std::size_t rest = size - Dos::kRecordHeaderSize;
        if (marked && IsSelected(kind)) {
            try {
                // Zero beyond what the file gives: a short record reads its missing fields as 0.
                m_record = Dos::Bytes(std::max(size, fieldsOf(kind)));
            } catch (const std::bad_alloc&) {
                Exchange::ReportDamagedFile(ar.m_strFileName);
                result = FALSE;
                break;
            }
            std::copy(head.begin(), head.end(), m_record.Data());
            if (rest > 0 &&
                ar.Read(m_record.Data() + Dos::kRecordHeaderSize, static_cast<UINT>(rest)) < rest) {
                m_cut = true;
                break;
            }
            switch (kind) {
            case Dos::kKindKoutei:
                ConvertKoutei(document);
                break;
            case Dos::kKindYogo:
                ConvertYogo(document);
                break;
            case Dos::kKindShigen:
                ConvertShigen(document);
                break;
            case Dos::kKindKoumoku:
                ConvertKoumoku(document);
                break;
            case Dos::kKindEvent:
                ConvertEvent(document);
                break;
            case Dos::kKindShincyoku:
                ConvertShincyoku(document);
                break;
            case Dos::kKindZukei:
                ConvertZukei(document);
                break;
            case Dos::kKindGroup:
                ConvertZukeiGroup(document);
                break;
            default:
                break;
            }
            continue;
        }
        // Passed over: a kind not asked for, not known, or without the marker.
        std::size_t left = rest;
        while (left > 0) {
            const UINT step = static_cast<UINT>(std::min(left, scratch.size()));
            if (ar.Read(scratch.data(), step) < step) {
                m_cut = true;
                break;
            }
            left -= step;
        }
        if (m_cut) {
            break;
        }
    }
    m_record = Dos::Bytes();
    m_current = nullptr;
    return result;
}

void CDosConvert::ConvertKoutei(CTembraDoc& document) {
    namespace K = Dos::Koutei;
    m_current = nullptr;
    const std::optional<CTime> start = DecodeDate(m_record.Date(K::kStartDate), m_nobeBase);
    const std::optional<CTime> end = DecodeDate(m_record.Date(K::kEndDate), m_nobeBase);
    const WORD startRow = m_record.Word(K::kStartRow);
    const WORD endRow = m_record.Word(K::kEndRow);
    if (!start || !end || !Exchange::IsFileRow(startRow) || !Exchange::IsFileRow(endRow)) {
        ++m_skipped;
        return;
    }
    CChartPos pos;
    pos.SetStartDate(*start);
    pos.SetEndDate(*end);
    pos.SetStartRow(static_cast<WORD>(startRow - 1));
    pos.SetEndRow(static_cast<WORD>(endRow - 1));
    std::unique_ptr<CKoutei> process = document.CreateKoutei(&pos, TRUE);
    if (process == nullptr) {
        return;
    }
    process->SetLayer(RecordLayer());
    CKouteiAttr& attr = process->GetLines()->GetAttr();
    const BYTE lineKind = m_record.Byte(K::kLineKind);
    const int t = GetVersion() >= Dos::kLineTypeNibbleVersion ? lineKind >> 4 : (lineKind >> 5) & 7;
    attr.m_style = StyleFromDos(t);
    WORD subStyle = 0;
    if (m_record.Byte(K::kFlag1) != 0) {
        subStyle |= kSubStyleInclined;
    }
    if (m_record.Short(K::kArrow) == 0) {
        subStyle |= kSubStyleNoArrow;
    }
    attr.m_subStyle = subStyle;
    const BYTE typeColor = m_record.Byte(K::kTypeColor);
    constexpr std::array<int, 8> kTypes{0, 2, 1, 3, 4, 5, -1, -1};
    if (const int type = kTypes[static_cast<std::size_t>(typeColor >> 5)]; type >= 0) {
        attr.m_type = static_cast<WORD>(type);
    }
    attr.m_width = static_cast<short>(m_record.Byte(K::kWidth) < 2 ? 0 : 2);
    attr.m_color = DosColorToRgb((typeColor >> 1) & 7);
    attr.m_hatch = static_cast<WORD>((lineKind & K::kNoHatchBit) == 0 ? 1 : 0);
    if (GetVersion() >= Dos::kPatternVersion) {
        attr.m_hatch = HatchFromPattern(m_record.Word(K::kPattern));
    }
    const bool bar =
        (attr.m_style & 0xFF) == kLineShapeSlantBar || (attr.m_style & 0xFF) == kLineShapeBar;
    for (const auto& [land, at] : {std::pair{process->GetStartLand(), K::kStartLand},
                                   std::pair{process->GetEndLand(), K::kEndLand}}) {
        const BYTE node = m_record.Byte(at);
        land->SetShape(bar ? kLandShapeHidden : static_cast<WORD>(node & 0x0F));
        land->SetSubStyle(static_cast<WORD>(node & 0xF0));
        land->SetSize(CLand::kDefaultSize);
    }
    process->RecalcDuration(&document.GetSeams().Koutei(), CTime(0), FALSE);
    m_current = process.get();
    document.AddObj(process.release(), FALSE);
}

void CDosConvert::ConvertYogo(CTembraDoc& document) {
    namespace Y = Dos::Yogo;
    if (m_current == nullptr) {
        return;
    }
    std::unique_ptr<CYogo> term = document.GetTerms().CreateYogo();
    if (term == nullptr) {
        return;
    }
    CElemAttr& attr = term->GetAttr();
    const float size1 = m_record.Float(Y::kSize1);
    const WORD size = SizeCode(size1, m_record.Float(Y::kSize2));
    attr.m_fontHeigh = static_cast<WORD>(size >> 8);
    attr.m_fontWidth = static_cast<WORD>(size & 0xFF);
    switch (m_record.Byte(Y::kLabelKind)) {
    case 1:
        switch (m_record.Byte(Y::kAlign)) {
        case 0:
            attr.m_form = 3;
            break;
        case 1:
            attr.m_form = 2;
            break;
        case 5:
            attr.m_form = 1;
            break;
        case 9:
            attr.m_form = 0;
            break;
        default:
            break;
        }
        break;
    case 2:
        attr.m_form = 4;
        break;
    case 3:
        attr.m_form = 5;
        break;
    default:
        break;
    }
    attr.m_color = DosColorToRgb((m_record.Byte(Y::kColor) >> 1) & 7);
    attr.m_attrb = 0;
    if (m_record.Byte(Y::kOutline) != 0) {
        attr.m_attrb |= kLabelOutline;
    }
    if (m_record.Short(Y::kBold) != 0) {
        attr.m_attrb |= kLabelBold;
    }
    if (m_record.Byte(Y::kFrame) != 0) {
        attr.m_attrb |= kLabelFrame;
    }
    if (m_record.Short(Y::kVertical) != 0) {
        attr.m_attrb |= kLabelVertical;
    }
    switch (m_record.Byte(Y::kHatch)) {
    case 1:
        term->SetDateKind(kYogoOnStart);
        break;
    case 2:
        term->SetDateKind(kYogoOnEnd);
        break;
    case 3:
    case 4:
        term->SetDateKind(kYogoOnLine);
        break;
    default:
        break;
    }
    attr.SetOffsetY(Exchange::Trunc(-double{m_record.Float(Y::kOffsetY)}));
    attr.SetOffset(Exchange::Trunc(m_record.Float(Y::kOffsetX)));
    attr.SetDrawerY(Exchange::Trunc(-double{m_record.Float(Y::kLeaderY)}));
    attr.SetDrawerX(Exchange::Trunc(m_record.Float(Y::kLeaderX)));
    const std::size_t length = std::min<std::size_t>(m_record.Word(Y::kTextLength), kTextCapacity);
    term->SetText(m_record.Text(Y::kText, length));
    if (attr.m_form == 3 && (attr.m_attrb & kLabelVertical) != 0) {
        const int above = Exchange::Floor(static_cast<double>(term->GetText().size()) *
                                          Factor(m_block2, 3) * size1);
        attr.SetOffsetY(-std::max(above, -std::numeric_limits<int>::max()));
    }
    m_current->AddYogo(term, TRUE);
}

void CDosConvert::ConvertShigen(CTembraDoc& document) {
    static_cast<void>(document);
    if (m_current == nullptr) {
        return;
    }
    std::unique_ptr<CShigen> resources = CChartResources::CreateShigen();
    if (resources == nullptr) {
        return;
    }
    for (int n = 0; n < Dos::Shigen::kCount; ++n) {
        const short quantity =
            m_record.Short(Dos::Shigen::kQuantities + 2 * static_cast<std::size_t>(n));
        if (quantity != 0) {
            resources->AddShigenData(std::make_unique<CShigenData>(static_cast<WORD>(n + 1),
                                                                   static_cast<WORD>(quantity)));
        }
    }
    m_current->SetShigen(std::move(resources));
}

void CDosConvert::ConvertKoumoku(CTembraDoc& document) {
    namespace I = Dos::Koumoku;
    const WORD row = m_record.Word(I::kRow);
    if (!Exchange::IsFileRow(row)) {
        ++m_skipped;
        return;
    }
    CKoumokuData* cell = document.GetKoumokuCells().CreateKoumokuData(row - 1, 0);
    if (cell == nullptr) {
        return;
    }
    cell->SetSize(SizeCode(m_record.Float(I::kSize1), m_record.Float(I::kSize2)));
    switch (m_record.Byte(I::kType)) {
    case 1:
        cell->SetFormat(CKoumokuData::kRight);
        break;
    case 2:
        cell->SetFormat(CKoumokuData::kCenter);
        break;
    case 4:
        cell->SetFormat(CKoumokuData::kLeft);
        break;
    default:
        break;
    }
    WORD flags = 0;
    if (m_record.Short(I::kBold) != 0) {
        flags |= CKoumokuData::kBold;
    }
    if (m_record.Short(I::kFrame) != 0) {
        flags |= CKoumokuData::kFrame;
    }
    switch (m_record.Short(I::kVertical)) {
    case 0:
        flags |= CKoumokuData::kTop;
        break;
    case 2:
        flags |= CKoumokuData::kBottom;
        break;
    default:
        break;
    }
    cell->SetFlags(flags);
    if (m_record.Byte(I::kHatch) != 0) {
        cell->SetKeisenWord1(1);
    }
    const std::size_t length = std::min<std::size_t>(m_record.Word(I::kTextLength), kTextCapacity);
    cell->SetText(m_record.Text(I::kText, length));
}

void CDosConvert::ConvertEvent(CTembraDoc& document) {
    namespace E = Dos::Event;
    const std::optional<CTime> date = DecodeDate(m_record.Date(E::kDate), m_nobeBase);
    const WORD row = m_record.Word(E::kRow);
    if (!date || !Exchange::IsFileRow(row)) {
        ++m_skipped;
        return;
    }
    std::unique_ptr<CEvent> event = document.GetEvents().CreateEvent();
    if (event == nullptr) {
        return;
    }
    event->SetLayer(RecordLayer());
    event->SetStartDate(*date);
    event->SetStartRow(static_cast<WORD>(row - 1));
    event->GetAttr().SetSize(SizeCode(m_record.Float(E::kSize1), m_record.Float(E::kSize2)));
    switch (m_record.Byte(E::kForm)) {
    case 0:
        event->SetForm(3);
        break;
    case 1:
        event->SetForm(kEventFormLeft);
        break;
    case 2:
        event->SetForm(kEventFormCenter);
        break;
    default:
        break;
    }
    event->SetOffset(Exchange::Trunc(m_record.Float(E::kOffsetX)),
                     Exchange::Trunc(-double{m_record.Float(E::kOffsetY)}));
    event->SetColor(DosColorToRgb(m_record.Byte(E::kColor)));
    WORD style = 0;
    if (m_record.Byte(E::kVertical) == E::kVerticalText) {
        style |= kEventVertical;
    }
    if (m_record.Byte(E::kFrame) != 0) {
        style |= kEventFrame | kEventWhiteBack;
    }
    event->SetStyle(style);
    // The text field ends where the size values begin.
    const std::size_t length =
        std::min({std::size_t{m_record.Word(E::kTextLength)}, kTextCapacity, E::kTextField});
    event->SetText(m_record.Text(E::kText, length));
    document.AddObj(event.release(), FALSE);
}

void CDosConvert::ConvertShincyoku(CTembraDoc& document) {
    namespace S = Dos::Shincyoku;
    const std::optional<CTime> base = DecodeDate(m_record.Date(S::kDate), m_nobeBase);
    if (!base) {
        ++m_skipped;
        return;
    }
    std::unique_ptr<CShincyoku> line = document.GetProgressLines().CreateShincyoku(*base);
    if (line == nullptr) {
        return;
    }
    for (int i = 0; i < S::kPointsRead; ++i) {
        const Dos::DateWords words = m_record.Date(S::kPoints + Dos::kDateSize * std::size_t(i));
        if (m_nChartMode == 0 && words == Dos::DateWords{}) {
            continue; // a point the DOS line did not use
        }
        const std::optional<CTime> date = DecodeDate(words, m_nobeBase);
        if (!date) {
            ++m_skipped;
            continue;
        }
        if (*date != *base) {
            line->SetPointDate(i, *date);
        }
    }
    document.GetProgressLines().AddShincyoku(line.release(), FALSE);
}

} // namespace tembra
