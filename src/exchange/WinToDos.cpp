// The export of a chart as a DOS document: the data file's records first (with the settings part
// of block 2, which they need), then the header file's two blocks with the counts the records
// left.
#include "document/RecordCast.h"
#include "document/TembraDoc.h"
#include "exchange/DosConvert.h"
#include "exchange/ExchangeSupport.h"
#include "model/Utility.h"
#include "platform/Archive.h"
#include "platform/Exception.h"
#include "platform/NumberText.h"
#include "platform/Sjis.h"
#include "platform/StringTable.h"
#include "platform/Ui.h"
#include "print/PrHeaderBase.h"
#include "print/PrNewText.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <optional>

namespace tembra {

using Exchange::J;

namespace {

using Dos::kMaxLayer;
// Item cells of the first column: at most these rows are written.
constexpr int kMaxKoumokuRows = 130;
// The DOS limits of an elapsed-day chart (in the unit's counts).
struct NobeLimits {
    int minOrigin;
    int maxLength;
    int maxTrailing;
    UINT message;
};
constexpr NobeLimits kMonthLimits{-5, 240, 5, IDS_DOS_NOBE_MONTHS};
constexpr NobeLimits kDayLimits{-5, 365, 5, IDS_DOS_NOBE_DAYS};
constexpr int kMaxDayChart = 365;

// "\n" (a backslash and n) as the DOS line break mark.
std::string DosText(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t n = Sjis::CharLength(text, i);
        if (n == 1 && text[i] == '\\' && i + 1 < text.size() && text[i + 1] == 'n') {
            out += Dos::kLineBreak;
            i += 2;
            continue;
        }
        out.append(text, i, n);
        i += n;
    }
    return out;
}

// The integers of a text in their order ("B. 1 F. 5 P. 0", "2010年4月1日").
std::array<int, 3> Numbers(const std::string& text) {
    std::array<int, 3> values{};
    std::size_t found = 0;
    std::size_t pos = 0;
    while (found < values.size() && pos < text.size()) {
        const unsigned char c = static_cast<unsigned char>(text[pos]);
        if (c >= '0' && c <= '9') {
            std::size_t at = pos;
            const bool negative = pos > 0 && text[pos - 1] == '-';
            if (const std::optional<int> v = NumberText::ScanInt(text, at)) {
                values[found++] = negative ? -*v : *v;
                pos = at;
                continue;
            }
        }
        pos += Sjis::CharLength(text, pos);
    }
    return values;
}

// The DOS line type t of a line style.
int DosLineKind(WORD style) {
    switch (style) {
    case 3:
        return 2;
    case 4:
        return 3;
    case 5:
        return 4;
    case 0x180:
        return 5;
    case 0x280:
        return 6;
    case 0x380:
        return 7;
    case 0x140:
        return 8;
    default:
        return 1;
    }
}

// The DOS line type of a line Type.
int DosLineType(WORD type) {
    constexpr std::array<int, 6> kTypes{0, 2, 1, 3, 4, 5};
    return type < kTypes.size() ? kTypes[type] : 0;
}

// The DOS pattern code of a hatch.
WORD PatternCode(WORD hatch) {
    switch (hatch) {
    case 100:
        return 17;
    case 99:
        return 16;
    case 3:
        return 12;
    case 2:
        return 14;
    case 0:
        return 10;
    case 1:
        return 9;
    default:
        return 15;
    }
}

// The three bits of a colour index that process and term records hold: an index that does not
// fit them (grey) is written black.
BYTE ColorBits(COLORREF color) {
    const int index = CDosConvert::RgbToDosColor(color);
    return static_cast<BYTE>((index <= 7 ? index : 7) << 1);
}

// The size of a record that holds a text from offset textAt in a base size of base bytes: base
// grows by 16 bytes for every 16 of the text and its zero.
std::size_t TextRecordSize(std::size_t base, std::size_t textLength) {
    return base + Dos::kUnit * ((textLength + 1) / Dos::kUnit);
}

Dos::Bytes NewRecord(std::size_t size, BYTE kind, BYTE layerByte) {
    Dos::Bytes record(size);
    record.PutByte(Dos::R::kMarker, Dos::kMarker);
    record.PutByte(Dos::R::kKind, kind);
    record.PutByte(Dos::R::kLayer, layerByte);
    record.PutWord(Dos::R::kLength, static_cast<WORD>(size / Dos::kUnit));
    return record;
}

BYTE LayerByte(WORD layer) {
    return static_cast<BYTE>(std::min<int>(layer, kMaxLayer) << 3);
}

// A factor that gives back value through floor(unit x factor); 0 without a unit.
float FactorOf(double value, double unit) {
    return unit > 0.0 ? static_cast<float>((value + 0.5) / unit) : 0.0f;
}

short ClampShort(double v) {
    return static_cast<short>(std::clamp(Exchange::Trunc(v), -32768, 32767));
}

} // namespace

// ---- Dates --------------------------------------------------------------------------------------

Dos::DateWords CDosConvert::EncodeDate(const CTime& date, bool floorMonths) const {
    if (m_nChartMode == 0) {
        return TimeToDos(date);
    }
    const std::int64_t span = (date - m_nobeBase).GetTimeSpan();
    std::int64_t days = span / kDaySeconds;
    if (span % kDaySeconds < 0) {
        --days;
    }
    return NobeDaysToDos(days, m_nobeUnit, floorMonths);
}

void CDosConvert::WriteRecord(CArchive& ar, const Dos::Bytes& record) {
    ar.Write(record.Data(), static_cast<UINT>(record.Size()));
    m_dataBytes += static_cast<DWORD>(record.Size());
}

// ---- Data file ----------------------------------------------------------------------------------

BOOL CDosConvert::WinToDosData(CArchive& ar) {
    auto* document = dynamic_cast<CTembraDoc*>(ar.m_pDocument);
    if (document == nullptr) {
        return FALSE;
    }
    WinSettingsToDos(*document);
    WinRecordsToDos(*document, ar);
    return TRUE;
}

void CDosConvert::WinSettingsToDos(CTembraDoc& document) {
    namespace B = Dos::B2;
    const CSyokiSet& settings = document.GetSyokiSet();
    const CConfigChart& chart = settings.GetChart();
    m_nChartMode = settings.GetNobeMode();
    m_block2.PutWord(B::kChartMode, static_cast<WORD>(m_nChartMode));
    m_nobeBase = settings.GetNobeBaseDate();
    m_nobeUnit = 0;
    if (m_nChartMode != 0) {
        m_nobeUnit = settings.GetDateUnit() == 0 && settings.GetOption2() == 0 &&
                             settings.GetDayCount() <= kMaxDayChart
                         ? 1
                         : 0;
        const auto days = [](CTimeSpan span) { return static_cast<short>(span.GetDays()); };
        const short offset = days(settings.GetNobeOffset());
        const short period = static_cast<short>(
            (settings.GetWorkEndDate() - settings.GetWorkStartDate()).GetDays() + 1);
        const short leading = days(settings.GetMaeYohaku());
        const short trailing = days(settings.GetAtoYohaku());
        const int divisor = m_nobeUnit == 0 ? 30 : 1;
        const int origin = -offset / divisor;
        const int length = period / divisor;
        const int lead = leading / divisor;
        const int trail = trailing / divisor;
        const NobeLimits& limits = m_nobeUnit == 0 ? kMonthLimits : kDayLimits;
        if (origin < limits.minOrigin || length > limits.maxLength || lead > origin + 5 ||
            trail > limits.maxTrailing) {
            AfxMessageBox(limits.message, MB_OK | MB_ICONEXCLAMATION);
            AfxThrowUserException();
        }
        m_block2.PutWord(B::kNobeUnit, static_cast<WORD>(m_nobeUnit));
        m_block2.PutWord(B::kNobeOrigin, static_cast<WORD>(origin));
        m_block2.PutWord(B::kNobeLength, static_cast<WORD>(length));
        m_block2.PutWord(B::kLeadingMargin, static_cast<WORD>(lead));
        m_block2.PutWord(B::kTrailingMargin, static_cast<WORD>(trail));
    }
    m_block2.PutDate(B::kStartDate, TimeToDos(settings.GetStartDate()));
    m_block2.PutDate(B::kEndDate, TimeToDos(settings.GetEndDate()));
    m_block2.PutWord(B::kFirstRow, static_cast<WORD>(settings.GetFirstRow() + 1));
    m_block2.PutWord(B::kLastRow, static_cast<WORD>(settings.GetLastRow() + 1));
    m_block2.PutText(B::kHizukeTitle, chart.GetAreaNameSet().GetHizukeName(), B::kTitleSize);
    m_block2.PutText(B::kKoumokuTitle, chart.GetAreaNameSet().GetKoumokuName(), B::kTitleSize);

    // The scale factors, written so that the import reads the chart's sizes back from them.
    const double dayWidth = settings.GetWidthPerDay();
    const double rowHeight = settings.GetHeightPerRow();
    const auto putFactor = [this](int index, float value) {
        m_block2.PutFloat(B::kScaleFactors + 4 * static_cast<std::size_t>(index), value);
    };
    const LOGFONT& itemFont = chart.GetKoumokuAttr().GetLogFont();
    const LOGFONT& termFont = chart.GetYogoAttr().GetLogFont();
    putFactor(0, FactorOf(std::abs(static_cast<double>(itemFont.lfHeight)), rowHeight));
    putFactor(1, FactorOf(2.0 * std::abs(static_cast<double>(itemFont.lfWidth)), dayWidth));
    putFactor(2, FactorOf(std::abs(static_cast<double>(termFont.lfHeight)), rowHeight));
    putFactor(3, FactorOf(2.0 * std::abs(static_cast<double>(termFont.lfWidth)), dayWidth));
    putFactor(4, FactorOf(chart.GetLandAttr().m_radius, dayWidth));
    putFactor(5, FactorOf(chart.GetCornerSize(), dayWidth));
    // The arrow head: across the line (b) and along it (a), from its angle and length.
    const double angle = (chart.GetArrowAngle() + 0.5) * std::numbers::pi / 180.0;
    const double length = chart.GetArrowLength() + 0.5;
    putFactor(6, dayWidth > 0.0 ? static_cast<float>(length * std::cos(angle) / dayWidth) : 0.0f);
    putFactor(7, dayWidth > 0.0 ? static_cast<float>(length * std::sin(angle) / dayWidth) : 0.0f);

    // The date rows' share of the DOS screen, from the date font and the date band.
    const LOGFONT& dateFont = chart.GetDateStyle().GetLogFont();
    const double paperWidth = settings.GetPageSetting().GetPaperSize().cx;
    const double dateHeight = std::abs(static_cast<double>(dateFont.lfHeight));
    if (dateHeight > 0.0 && paperWidth > 0.0) {
        const short lines = ClampShort(std::round(0.8 * 16 * paperWidth / dateHeight));
        const double band =
            std::abs(static_cast<double>(settings.GetPageSetting().GetDateRect().Height()));
        m_block2.PutWord(B::kScreenLineA, 0);
        m_block2.PutWord(B::kScreenLineC, static_cast<WORD>(std::max<short>(lines - 1, 0)));
        m_block2.PutWord(B::kScreenLineB,
                         static_cast<WORD>(std::max<short>(
                             ClampShort(std::round(band * lines / paperWidth)) - 1, 0)));
        m_block2.PutByte(
            B::kHalfWidthDates,
            static_cast<BYTE>(std::abs(static_cast<double>(dateFont.lfWidth)) * 3 < dateHeight));
    }
}

void CDosConvert::WinRecordsToDos(CTembraDoc& document, CArchive& ar) {
    Ui().SetStatusText(J("WIN→DOS コンバート中..."));
    m_dataBytes = 0;
    m_kouteiCount = 0;
    m_eventCount = 0;
    m_koumokuCount = 0;
    m_shincyokuCount = 0;
    m_zukeiCount = 0;

    for (POSITION pos = document.GetHeadObjPosition(); pos != nullptr;) {
        if (const CKoutei* process = AsKoutei(document.GetNextObj(pos))) {
            WriteKoutei(document, ar, *process);
        }
    }

    namespace E = Dos::Event;
    for (POSITION pos = document.GetHeadObjPosition(); pos != nullptr;) {
        const CEvent* event = AsEvent(document.GetNextObj(pos));
        if (event == nullptr) {
            continue;
        }
        Dos::Bytes record = NewRecord(E::kSize, Dos::kKindEvent, LayerByte(event->GetLayer()));
        record.PutWord(E::kOne, 1);
        record.PutDate(E::kDate, EncodeDate(event->GetStartDate(), false));
        record.PutWord(E::kRow, static_cast<WORD>(event->GetStartRow() + 1));
        record.PutFloat(E::kOffsetX, static_cast<float>(event->GetOffsetX() / 100.0));
        record.PutFloat(E::kOffsetY,
                        static_cast<float>(-static_cast<double>(event->GetOffsetY()) / 100.0));
        record.PutByte(E::kColor, static_cast<BYTE>(RgbToDosColor(event->GetColor())));
        record.PutWord(E::kTextLength, static_cast<WORD>(event->GetText().size()));
        record.PutText(E::kText, event->GetText(), E::kTextField);
        record.PutFloat(E::kSize2, event->GetAttr().m_fontWidth);
        record.PutFloat(E::kSize1, event->GetAttr().m_fontHeigh);
        record.PutByte(E::kVertical, static_cast<BYTE>(event->IsVertical() ? E::kVerticalText : 0));
        record.PutByte(E::kFrame, static_cast<BYTE>((event->GetStyle() & kEventFrame) != 0));
        const WORD form = event->GetForm();
        record.PutByte(E::kForm, static_cast<BYTE>(form == 0 ? 1 : form == 1 ? 2 : 0));
        WriteRecord(ar, record);
        ++m_eventCount;
    }

    namespace S = Dos::Shincyoku;
    for (POSITION pos = document.GetProgressLines().GetHeadShincyokuPosition(); pos != nullptr;) {
        const CShincyoku* line = document.GetProgressLines().GetNextShincyoku(pos);
        if (line == nullptr) {
            continue;
        }
        Dos::Bytes record = NewRecord(S::kSize, Dos::kKindShincyoku, 0);
        record.PutWord(S::kOne, 1);
        record.PutDate(S::kDate, TimeToDos(line->GetDate()));
        for (int i = 0; i < S::kPointsWritten; ++i) {
            record.PutDate(S::kPoints + Dos::kDateSize * static_cast<std::size_t>(i),
                           SplitTime(line->GetPointDate(i).GetTime()));
        }
        WriteRecord(ar, record);
        ++m_shincyokuCount;
    }

    WriteZukei(document, ar);

    namespace I = Dos::Koumoku;
    const int rows = std::min(document.GetKoumokuCells().GetKoumokuRowCount(-1), kMaxKoumokuRows);
    for (int row = 0; row < rows; ++row) {
        const CKoumokuData* cell = document.GetKoumokuCells().GetKoumokuCell(row, 0);
        if (cell == nullptr) {
            continue;
        }
        const std::string& text = cell->GetText();
        Dos::Bytes record =
            NewRecord(TextRecordSize(I::kBaseSize, text.size()), Dos::kKindKoumoku, 0);
        record.PutWord(I::kRow, static_cast<WORD>(row + 1));
        record.PutByte(I::kHatch, static_cast<BYTE>(cell->GetKeisenWord1() != 0 ? 1 : 0));
        const WORD format = cell->GetFormat();
        record.PutByte(I::kType, static_cast<BYTE>(format == CKoumokuData::kLeft     ? 4
                                                   : format == CKoumokuData::kCenter ? 2
                                                   : format == CKoumokuData::kRight  ? 1
                                                                                     : 0));
        record.PutWord(I::kTextLength, static_cast<WORD>(text.size()));
        record.PutFloat(I::kSize1, cell->GetHeightCode());
        record.PutFloat(I::kSize2, cell->GetWidthCode());
        record.PutWord(I::kBold, static_cast<WORD>((cell->GetFlags() & CKoumokuData::kBold) != 0));
        record.PutWord(I::kFrame,
                       static_cast<WORD>((cell->GetFlags() & CKoumokuData::kFrame) != 0));
        record.PutWord(I::kVertical, 1);
        record.PutText(I::kText, text, record.Size() - I::kText);
        WriteRecord(ar, record);
        ++m_koumokuCount;
    }
}

void CDosConvert::WriteKoutei(CTembraDoc& document, CArchive& ar, const CKoutei& process) {
    namespace K = Dos::Koutei;
    const CKouteiAttr& attr = process.GetLines()->GetAttr();
    Dos::Bytes record = NewRecord(K::kSize, Dos::kKindKoutei, LayerByte(process.GetLayer()));
    record.PutWord(K::kYogoCount, static_cast<WORD>(process.GetYogoCount()));
    record.PutByte(K::kWidth, static_cast<BYTE>(attr.m_width == 2 ? 2 : 1));
    const Dos::DateWords start = EncodeDate(process.GetStartTime(), false);
    const Dos::DateWords end = EncodeDate(process.GetEndTime(), false);
    record.PutDate(K::kStartDate, start);
    record.PutDate(K::kEndDate, end);
    record.PutWord(K::kStartRow, static_cast<WORD>(process.GetStartRow() + 1));
    record.PutWord(K::kEndRow, static_cast<WORD>(process.GetEndRow() + 1));
    int t = DosLineKind(attr.m_style);
    if (t >= 1 && t <= 4 && (start == end || process.GetStartRow() == process.GetEndRow())) {
        t = 0;
    }
    record.PutByte(K::kLineKind,
                   static_cast<BYTE>((t << 4) | (attr.GetHoliday() == 0 ? K::kNoHatchBit : 0)));
    for (const auto& [land, at] : {std::pair{process.GetStartLand(), K::kStartLand},
                                   std::pair{process.GetEndLand(), K::kEndLand}}) {
        const WORD shape = land->GetShape() <= 15 ? land->GetShape() : 0;
        record.PutByte(at, static_cast<BYTE>(shape | (land->GetSubStyle() & 0xFF)));
    }
    record.PutByte(K::kFlag1, static_cast<BYTE>((attr.m_subStyle & kSubStyleInclined) != 0));
    record.PutByte(K::kKakomiAngle,
                   static_cast<BYTE>(document.GetSyokiSet().GetChart().GetKakomiAngle()));
    record.PutByte(K::kOne, 1);
    record.PutWord(K::kArrow, static_cast<WORD>((attr.m_subStyle & kSubStyleNoArrow) != 0 ? 0 : 1));
    record.PutByte(K::kTypeColor,
                   static_cast<BYTE>((DosLineType(attr.m_type) << 5) | ColorBits(attr.m_color)));
    int leaders = 0;
    for (int i = 0; i < process.GetYogoCount(); ++i) {
        const CYogo* term = process.GetYogo(i);
        if (term != nullptr && (term->GetAttr().m_form == 4 || term->GetAttr().m_form == 5)) {
            ++leaders;
        }
    }
    record.PutWord(K::kLeaderYogo, static_cast<WORD>(leaders));
    record.PutWord(K::kOtherYogo, static_cast<WORD>(process.GetYogoCount() - leaders));
    record.PutWord(K::kPattern, PatternCode(attr.m_hatch));
    WriteRecord(ar, record);
    ++m_kouteiCount;

    namespace Y = Dos::Yogo;
    const double verticalFactor = m_block2.Float(Dos::B2::kScaleFactors + 4 * 3);
    for (int i = 0; i < process.GetYogoCount(); ++i) {
        const CYogo* term = process.GetYogo(i);
        if (term == nullptr) {
            continue;
        }
        const CElemAttr& a = term->GetAttr();
        const std::string& text = term->GetText();
        Dos::Bytes yogo = NewRecord(TextRecordSize(Y::kBaseSize, text.size()), Dos::kKindYogo, 0);
        constexpr std::array<std::pair<BYTE, BYTE>, 6> kKinds{
            {{1, 9}, {1, 5}, {1, 1}, {1, 0}, {2, 0}, {3, 0}}};
        const auto kind = a.m_form < kKinds.size() ? kKinds[a.m_form] : std::pair<BYTE, BYTE>{0, 0};
        yogo.PutByte(Y::kLabelKind, kind.first);
        yogo.PutByte(Y::kAlign, kind.second);
        const WORD hatch = term->GetDateKind();
        yogo.PutByte(Y::kHatch, static_cast<BYTE>(hatch == 1 ? 1 : hatch == 2 ? 2 : 3));
        yogo.PutByte(Y::kColor, ColorBits(a.m_color));
        double offsetY = -static_cast<double>(a.GetOffsetY()) / 100.0;
        if (a.m_form == 3 && (a.m_attrb & kLabelVertical) != 0) {
            offsetY += static_cast<double>(Sjis::CharCount(text)) * a.m_fontHeigh * verticalFactor;
        }
        yogo.PutFloat(Y::kOffsetY, static_cast<float>(offsetY));
        yogo.PutFloat(Y::kOffsetX, static_cast<float>(a.GetOffset() / 100.0));
        yogo.PutFloat(Y::kLeaderY,
                      static_cast<float>(-static_cast<double>(a.GetDrawerY()) / 100.0));
        yogo.PutFloat(Y::kLeaderX, static_cast<float>(a.GetDrawerX() / 100.0));
        yogo.PutWord(Y::kTextLength, static_cast<WORD>(text.size()));
        yogo.PutByte(Y::kOutline, static_cast<BYTE>((a.m_attrb & kLabelOutline) != 0));
        yogo.PutWord(Y::kBold, static_cast<WORD>((a.m_attrb & kLabelBold) != 0));
        yogo.PutByte(Y::kFrame, static_cast<BYTE>((a.m_attrb & kLabelFrame) != 0));
        yogo.PutWord(Y::kVertical, static_cast<WORD>((a.m_attrb & kLabelVertical) != 0));
        yogo.PutFloat(Y::kSize2, a.m_fontWidth);
        yogo.PutFloat(Y::kSize1, a.m_fontHeigh);
        yogo.PutWord(Y::kIndex, static_cast<WORD>(i));
        yogo.PutText(Y::kText, text, yogo.Size() - Y::kText);
        WriteRecord(ar, yogo);
    }
}

// ---- Header file --------------------------------------------------------------------------------

BOOL CDosConvert::WinToDos(CArchive& ar) {
    auto* document = dynamic_cast<CTembraDoc*>(ar.m_pDocument);
    if (document == nullptr) {
        return FALSE;
    }
    namespace B = Dos::B1;
    m_block1.PutWord(B::kVersion, Dos::kWrittenVersion);
    m_block1.PutFloat(B::kScreenScale, 3800.0f);
    for (std::size_t i = 0; i < B::kPaperSizeWords.size(); ++i) {
        m_block1.PutWord(B::kPaperSizes + 2 * i, B::kPaperSizeWords[i]);
    }
    m_block1.PutFloat(B::kOne, 1.0f);
    m_block1.PutWord(B::kCurrentLayer, static_cast<WORD>(document->GetCurrentLayer() * 8));
    for (int n = 0; n < 16; ++n) {
        const short state = document->GetChartLayers().IsLayerVisible(n);
        m_block1.PutByte(B::kLayerStates + static_cast<std::size_t>(n),
                         static_cast<BYTE>(state == 2   ? 1
                                           : state == 3 ? 2
                                                        : 0));
        m_block1.PutText(B::kLayerNames + B::kLayerNameSize * static_cast<std::size_t>(n),
                         document->GetChartLayers().GetLayerName(n), B::kLayerNameSize);
    }
    const std::string mode = J(m_block2.Short(Dos::B2::kChartMode) == 0 ? "暦" : "延");
    const std::string title = Sjis::Cut(document->GetPrHeader().GetTitleText(), 61);
    m_block1.PutText(B::kTitleLine, mode + ":" + title, B::kTitleLineSize);
    ar.Write(m_block1.Data(), static_cast<UINT>(m_block1.Size()));
    WinHeaderToDos(*document);
    ar.Write(m_block2.Data(), static_cast<UINT>(m_block2.Size()));
    return TRUE;
}

void CDosConvert::WinHeaderToDos(CTembraDoc& document) {
    namespace B = Dos::B2;
    const CSyokiSet& settings = document.GetSyokiSet();
    m_block2.PutFloat(B::kOne, 1.0f);
    m_block2.PutDate(B::kHeaderStart, TimeToDos(settings.GetStartDate()));
    m_block2.PutDate(B::kHeaderEnd, TimeToDos(settings.GetEndDate()));
    m_block2.PutWord(B::kHeaderFirstRow, static_cast<WORD>(settings.GetFirstRow() + 1));
    m_block2.PutWord(B::kHeaderLastRow, static_cast<WORD>(settings.GetLastRow() + 1));
    m_block2.PutWord(B::kHeaderRowSpan, static_cast<WORD>(settings.GetRowSpan()));
    const CPrHeader& header = document.GetPrHeader();
    for (const auto& [at, index] : {std::pair{B::kFixedText0, 0}, std::pair{B::kFixedText1, 1}}) {
        const CPrHeaderBase& base = header.GetHeaderBase(index);
        m_block2.PutText(at, base.m_titleCount > 0 ? base.m_titles[0].m_title.m_text : "",
                         B::kFixedTextSize);
    }
    for (std::size_t i = 0; i < 3; ++i) {
        m_block2.PutWord(B::kHeaderZeros + 2 * i, 0);
    }
    m_block2.PutDword(B::kDataBytes, m_dataBytes);

    WinSettingsToDos(document);
    WinProjectToDos(document);
    int paper = settings.GetPageSetting().GetPaper();
    int orientation = settings.GetPageSetting().GetMuki();
    WinPaperToDos(paper, orientation);
    m_block2.PutWord(B::kPaper, static_cast<WORD>(paper));
    m_block2.PutByte(B::kOrientation, static_cast<BYTE>(orientation));
    m_block2.PutWord(B::kPaperZero, 0);

    // The print settings, as the import reads them back.
    m_block2.PutWord(B::kPrintSelect, header.GetSelect());
    m_block2.PutWord(B::kPrintKikan, static_cast<WORD>(header.GetKikan()));
    m_block2.PutWord(B::kPrintToDay, header.GetToDay());
    const short amikake = header.GetAmikake();
    m_block2.PutWord(B::kPrintAmikake, static_cast<WORD>(amikake == 2   ? 0
                                                         : amikake == 0 ? 1
                                                         : amikake == 1 ? 2
                                                                        : 3));
    const CConfigPrint::PeriodTexts& period = header.GetHeaderTexts();
    for (std::size_t i = 0; i < 3; ++i) {
        m_block2.PutWord(B::kHeaderTexts1a + 2 * i, static_cast<WORD>(NumberText::AtoI(period[i])));
        m_block2.PutWord(B::kHeaderTexts1b + 2 * i,
                         static_cast<WORD>(NumberText::AtoI(period[i + 3])));
        m_block2.PutWord(B::kHeaderTexts2 + 2 * i,
                         static_cast<WORD>(NumberText::AtoI(header.GetHeaderTexts2()[i])));
    }

    m_block2.PutWord(B::kEventCount, static_cast<WORD>(m_eventCount));
    for (std::size_t at = 4223; at <= 4231; at += 2) {
        m_block2.PutWord(at, 0);
    }
    for (std::size_t at = 4241; at <= 4259; at += 2) {
        m_block2.PutWord(at, 0);
    }
    for (std::size_t at = 4281; at <= 4303; at += 2) {
        m_block2.PutWord(at, 0);
    }
    m_block2.PutDword(4233, 0);
    m_block2.PutDword(4237, 0);
    for (const B::Constant& constant : B::kConstants) {
        if (constant.width == 2) {
            m_block2.PutWord(constant.offset, static_cast<WORD>(constant.value));
        } else {
            m_block2.PutDword(constant.offset, constant.value);
        }
    }
    m_block2.PutDword(B::kKouteiCount, m_kouteiCount);
    m_block2.PutDword(B::kZukeiCount, m_zukeiCount);
    m_block2.PutDword(B::kKoumokuCount, m_koumokuCount);
    m_block2.PutWord(B::kTailZero, 0);
    m_block2.PutWord(B::kDataVersion, Dos::kWrittenVersion);
    m_block2.PutWord(B::kProgressCount, static_cast<WORD>(m_shincyokuCount));
    m_block2.PutWord(B::kHasProgress, static_cast<WORD>(m_shincyokuCount > 0 ? 1 : 0));
}

void CDosConvert::WinProjectToDos(CTembraDoc& document) {
    namespace B = Dos::B2;
    const CPrHeader& header = document.GetPrHeader();
    const auto contents = [&header](const char* name) {
        const CPrNewText* element = header.FindElementByText(J(name));
        return element != nullptr ? element->GetContents() : std::string();
    };
    m_block2.PutText(B::kProjectTitle, DosText(header.GetTitleText()), 81);
    for (const Dos::B2::ProjectText& field : Dos::B2::kProjectTexts) {
        m_block2.PutText(field.offset, DosText(contents(field.name)), field.size);
    }
    m_block2.PutDouble(B::kBuildingArea, NumberText::StrToD(contents("建面積")));
    m_block2.PutDouble(B::kFloorArea, NumberText::StrToD(contents("延面積")));
    for (const auto& [at, name] :
         {std::pair{B::kStoreys, "階数"}, std::pair{B::kWorksStart, "着工"},
          std::pair{B::kCompletion, "竣工"}}) {
        const std::array<int, 3> values = Numbers(contents(name));
        for (std::size_t i = 0; i < values.size(); ++i) {
            m_block2.PutWord(at + 2 * i, static_cast<WORD>(values[i]));
        }
    }
    m_block2.PutByte(B::kCompany1, 0);
    m_block2.PutByte(B::kCompany2, 0);
}

} // namespace tembra
