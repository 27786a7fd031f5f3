#include "model/SyokiSet.h"

#include "model/ConfigBase.h"
#include "model/DamagedFile.h"
#include "model/DataHeader.h"
#include "model/Utility.h"
#include "platform/ByteOrder.h"
#include "platform/Document.h"
#include "platform/Sjis.h"
#include "platform/Ui.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <type_traits>

namespace tembra {

namespace {

constexpr UINT IDS_PERIOD_TOO_LONG = 5079; // no width per day on this paper
constexpr UINT IDS_THINNING_FAILED = 5075; // no label step fits

// First versions that hold a block (or its longer form).
constexpr int kVerShinHead = 1001;
constexpr int kVerEvent = 2001;
constexpr int kVerDateRows = 2002;
constexpr int kVerYogo102 = 10000;
constexpr int kVerKoutei106 = 11000;
constexpr int kVerBarHeight = 21000;
constexpr int kVerZukeiHead = 22001;
constexpr int kVerPeriodHead = 22002;
constexpr int kVerLayoutName = 31000; // also: the node's size word, page areas as stored
constexpr int kVerDateStyle76 = 40000;
constexpr int kVerHensoku = 40000;
constexpr int kVerShigen = 41001;
constexpr int kVerLayoutWords = 50000;
constexpr int kVerPage90 = 51000;
constexpr int kVerZukeiText = 51000;
constexpr int kVerAreaNameCells = 53000;
constexpr int kVerMinuteGrid = 55000;
constexpr int kVerPaperFont = 55000;
constexpr int kVerFixedRows = 56000;
constexpr int kVerShinTail = 58000;

// ---- The thinning tables ------------------------------------------------------------------

constexpr int kStepTable[kUnitCount][kThinningStepCount] = {
    {1, 2, 3, 4, 5, 7, 10, 15, 0, 0},   // day
    {1, 2, 0, 0, 0, 0, 0, 0, 0, 0},     // week
    {1, 2, 3, 4, 6, 0, 0, 0, 0, 0},     // month
    {1, 2, 0, 0, 0, 0, 0, 0, 0, 0},     // year
    {1, 2, 6, 12, 0, 0, 0, 0, 0, 0},    // hour
    {5, 10, 15, 20, 30, 0, 0, 0, 0, 0}, // minute
};

constexpr int kHolidayTable[5][kThinningStepCount] = {
    {2, 2, 2, 1, 1, 1, 1, 1, 0, 0}, {2, 2, 0, 0, 0, 0, 0, 0, 0, 0}, {1, 1, 1, 1, 1, 0, 0, 0, 0, 0},
    {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, {2, 2, 2, 2, 0, 0, 0, 0, 0, 0},
};

// ---- Little-endian fields of the packed blocks, by offset -----------------------------------

void PutWord(BYTE* out, std::size_t at, WORD v) {
    tembra::PutWord(out + at, v);
}
void PutShort(BYTE* out, std::size_t at, LONG v) {
    tembra::PutWord(out + at, static_cast<WORD>(static_cast<std::uint32_t>(v) & 0xFFFF));
}
void PutDword(BYTE* out, std::size_t at, DWORD v) {
    tembra::PutDword(out + at, v);
}
WORD GetWord(const BYTE* in, std::size_t at) {
    return tembra::GetWord(in + at);
}
short GetShort(const BYTE* in, std::size_t at) {
    return static_cast<short>(tembra::GetWord(in + at));
}
DWORD GetDword(const BYTE* in, std::size_t at) {
    return tembra::GetDword(in + at);
}

// A rectangle as four 16-bit signed values: left, top, right, bottom.
void PutRect(BYTE* out, std::size_t at, const CRect& r) {
    PutShort(out, at, r.left);
    PutShort(out, at + 2, r.top);
    PutShort(out, at + 4, r.right);
    PutShort(out, at + 6, r.bottom);
}
CRect GetRect(const BYTE* in, std::size_t at) {
    return CRect(GetShort(in, at), GetShort(in, at + 2), GetShort(in, at + 4),
                 GetShort(in, at + 6));
}

void PutFont16(BYTE* out, std::size_t at, const LOGFONT& font) {
    LogFont16::FromLogFont(font).ToBytes(out + at);
}
LOGFONT GetFont16(const BYTE* in, std::size_t at) {
    return LogFont16::FromBytes(in + at).ToLogFont();
}

// A LOGFONT as it stands in memory (60 bytes): five 32-bit metrics, eight bytes, the face.
constexpr std::size_t kRawLogFontSize = 60;
void PutRawFont(BYTE* out, std::size_t at, const LOGFONT& f) {
    const LONG metrics[5] = {f.lfHeight, f.lfWidth, f.lfEscapement, f.lfOrientation, f.lfWeight};
    for (int i = 0; i < 5; ++i) {
        PutDword(out, at + static_cast<std::size_t>(i) * 4, static_cast<DWORD>(metrics[i]));
    }
    const BYTE bytes[8] = {f.lfItalic,       f.lfUnderline,     f.lfStrikeOut, f.lfCharSet,
                           f.lfOutPrecision, f.lfClipPrecision, f.lfQuality,   f.lfPitchAndFamily};
    std::memcpy(out + at + 20, bytes, sizeof bytes);
    std::memcpy(out + at + 28, f.lfFaceName, LF_FACESIZE);
}
LOGFONT GetRawFont(const BYTE* in, std::size_t at) {
    LOGFONT f;
    f.lfHeight = static_cast<LONG>(GetDword(in, at));
    f.lfWidth = static_cast<LONG>(GetDword(in, at + 4));
    f.lfEscapement = static_cast<LONG>(GetDword(in, at + 8));
    f.lfOrientation = static_cast<LONG>(GetDword(in, at + 12));
    f.lfWeight = static_cast<LONG>(GetDword(in, at + 16));
    f.lfItalic = in[at + 20];
    f.lfUnderline = in[at + 21];
    f.lfStrikeOut = in[at + 22];
    f.lfCharSet = in[at + 23];
    f.lfOutPrecision = in[at + 24];
    f.lfClipPrecision = in[at + 25];
    f.lfQuality = in[at + 26];
    f.lfPitchAndFamily = in[at + 27];
    std::memcpy(f.lfFaceName, in + at + 28, LF_FACESIZE);
    return f;
}

template <std::size_t N> void WriteBlock(CArchive& ar, const std::array<BYTE, N>& block) {
    ar.Write(block.data(), static_cast<UINT>(N));
}
template <std::size_t N> std::array<BYTE, N> ReadBlock(CArchive& ar) {
    std::array<BYTE, N> block{};
    ar.ReadExact(block.data(), N);
    return block;
}

[[noreturn]] void ThrowDamaged(const CArchive&) {
    FailDamagedFile();
}

// ---- 1. Page settings ---------------------------------------------------------------------
//
// 90 bytes from 51000: six areas, both insets, chart rectangle, footer, paper code,
// orientation, item width, paper rectangle, margin shift, printer offset. Before: 58 bytes
// (six areas, the left inset, the chart rectangle) and the same tail without the footer.
constexpr std::size_t kPageSize = 90;
constexpr std::size_t kOldPageSize = 80;

void StorePage(CArchive& ar, int version, const CPrintArea& page) {
    std::array<BYTE, kPageSize> b{};
    const CRect areas[6] = {page.GetHeaderRect(), page.GetPageRect(),    page.GetBodyRect(),
                            page.GetDateRect(),   page.GetKoumokuRect(), page.GetKouteiRect()};
    for (std::size_t i = 0; i < 6; ++i) {
        PutRect(b.data(), i * 8, areas[i]);
    }
    std::size_t at = 48;
    PutShort(b.data(), at, page.GetInsetLeft());
    at += 2;
    if (version >= kVerPage90) {
        PutShort(b.data(), at, page.GetInsetRight());
        at += 2;
    }
    PutRect(b.data(), at, page.GetChartRect());
    at += 8;
    if (version >= kVerPage90) {
        PutRect(b.data(), at, page.GetFooterRect());
        at += 8;
    }
    PutShort(b.data(), at, page.GetPaper());
    PutWord(b.data(), at + 2, page.GetMuki());
    PutShort(b.data(), at + 4, page.GetLeftWidth());
    PutRect(b.data(), at + 6, page.GetPaperRect());
    PutShort(b.data(), at + 14, page.GetMarginShift().x);
    PutShort(b.data(), at + 16, page.GetMarginShift().y);
    PutShort(b.data(), at + 18, page.GetPrinterOffset().x);
    PutShort(b.data(), at + 20, page.GetPrinterOffset().y);
    ar.Write(b.data(), static_cast<UINT>(at + 22));
}

void LoadPage(CArchive& ar, int version, CPrintArea& page) {
    const bool full = version >= kVerPage90;
    std::array<BYTE, kPageSize> b{};
    ar.ReadExact(b.data(), full ? kPageSize : kOldPageSize);

    CPrintArea::StoredFields image;
    image.header = GetRect(b.data(), 0);
    image.page = GetRect(b.data(), 8);
    image.edit = GetRect(b.data(), 16);
    image.date = GetRect(b.data(), 24);
    image.items = GetRect(b.data(), 32);
    image.chart = GetRect(b.data(), 40);
    std::size_t at = 48;
    image.insetLeft = GetShort(b.data(), at);
    at += 2;
    if (full) {
        image.insetRight = GetShort(b.data(), at);
        at += 2;
    } else {
        image.insetRight = image.insetLeft;
    }
    image.inner = GetRect(b.data(), at);
    at += 8;
    if (full) {
        image.footer = GetRect(b.data(), at);
        at += 8;
    } else {
        image.footer =
            CRect(image.header.left, image.edit.bottom, image.header.right, image.edit.bottom);
    }
    image.paperKind = GetShort(b.data(), at);
    image.orientation = GetWord(b.data(), at + 2);
    image.itemWidth = GetShort(b.data(), at + 4);
    image.paper = GetRect(b.data(), at + 6);
    image.shift = CPoint(GetShort(b.data(), at + 14), GetShort(b.data(), at + 16));
    image.printerOffset = CPoint(GetShort(b.data(), at + 18), GetShort(b.data(), at + 20));
    page.SetStoredFields(image);
}

// ---- 2. Area names ------------------------------------------------------------------------

constexpr std::size_t kOldAreaNameSize = 129;

void StoreOldAreaName(CArchive& ar, const std::string& name) {
    std::array<BYTE, kOldAreaNameSize> b{};
    const std::string cut = Sjis::Cut(name, kOldAreaNameSize - 1);
    std::memcpy(b.data(), cut.data(), cut.size());
    WriteBlock(ar, b);
}

std::string LoadOldAreaName(CArchive& ar) {
    const auto b = ReadBlock<kOldAreaNameSize>(ar);
    const char* text = reinterpret_cast<const char*>(b.data());
    return Sjis::Cut(std::string_view(text, strnlen(text, kOldAreaNameSize)), kOldAreaNameSize - 1);
}

// ---- 3. Date-row style: the date font at 0, the five mode words at 50, 16 zero bytes --------

constexpr std::size_t kDateStyleSize = 76;
constexpr std::size_t kOldDateStyleSize = 52;

// ---- 4. Item text block: its first 20 bytes, 10 zero bytes, the font at 30 ------------------

constexpr std::size_t kKoumokuSize = 80;

// ---- 5. Process line block -----------------------------------------------------------------
//    0 the 16-byte line attributes (style, sub-style, type, width, colour, Holiday, Hatch)
//   16 width table normal, thin, bold   22 "CornerSize"   24 "ArrowLength"   26 "ArrowAngle"
//   28 "KakomiAngle"   40 "Inclined"   42 "BarHeight"
// Files before 11000 hold the first 40 bytes (no slant, no bar height). The other bytes have no
// field of the chart part: the record keeps them as read.
constexpr std::size_t kOldKouteiSize = 40;

void PutKoutei(const CConfigChart& chart, BYTE* b) {
    const CKouteiAttr& a = chart.GetKouteiAttr();
    PutWord(b, 0, a.m_style);
    PutWord(b, 2, a.m_subStyle);
    PutWord(b, 4, a.m_type);
    PutShort(b, 6, a.m_width);
    PutDword(b, 8, a.m_color);
    PutWord(b, 12, a.m_holiday);
    PutWord(b, 14, a.m_hatch);
    for (int i = 0; i < 3; ++i) {
        PutWord(b, 16 + static_cast<std::size_t>(i) * 2, chart.GetKouteiWidthSet().GetAt(i));
    }
    PutWord(b, 22, chart.GetCornerSize());
    PutWord(b, 24, chart.GetArrowLength());
    PutWord(b, 26, chart.GetArrowAngle());
    PutShort(b, 28, chart.GetKakomiAngle());
    PutWord(b, 40, chart.GetInclined());
    PutWord(b, 42, chart.GetBarHeight());
}

void GetKoutei(const BYTE* b, int version, CConfigChart& chart) {
    CKouteiAttr& a = chart.GetKouteiAttr();
    a.m_style = GetWord(b, 0);
    a.m_subStyle = GetWord(b, 2);
    a.m_type = GetWord(b, 4);
    a.m_width = GetShort(b, 6);
    a.m_color = GetDword(b, 8);
    a.m_holiday = GetWord(b, 12);
    a.m_hatch = GetWord(b, 14);
    for (int i = 0; i < 3; ++i) {
        chart.GetKouteiWidthSet().SetAt(i, GetWord(b, 16 + static_cast<std::size_t>(i) * 2));
    }
    chart.SetCornerSize(GetWord(b, 22));
    chart.SetArrowLength(GetWord(b, 24));
    chart.SetArrowAngle(GetWord(b, 26));
    chart.SetKakomiAngle(GetShort(b, 28));
    // What a version lacks stays the application's default.
    if (version >= kVerKoutei106) {
        chart.SetInclined(GetWord(b, 40));
    }
    if (version >= kVerBarHeight) {
        chart.SetBarHeight(GetWord(b, 42));
    }
}

// ---- 6. Node block: style, type, colour, the keyless size word at 8, radius -----------------

constexpr std::size_t kLandSize = 12;

// ---- 7, 8. Label blocks: the 46-byte head, the font at 46, the three words after it --------

constexpr std::size_t kLabelSize = 102;
constexpr std::size_t kOldLabelSize = 108; // before 10000: the head, a raw LOGFONT, one word

std::array<BYTE, kLabelSize> PackLabel(const CElemAttr& attr, const ElemAttrTail& tail) {
    std::array<BYTE, kLabelSize> b{};
    ElemAttrToHead(attr, tail, b.data());
    PutFont16(b.data(), kElemAttrHeadSize, attr.GetLogFont());
    PutWord(b.data(), 96, attr.m_spare);
    PutWord(b.data(), 98, attr.m_lineSpace);
    PutWord(b.data(), 100, attr.m_firstSpace);
    return b;
}

void LoadLabel(CArchive& ar, int version, CElemAttr& attr, ElemAttrTail& tail) {
    if (version >= kVerYogo102) {
        const auto b = ReadBlock<kLabelSize>(ar);
        ElemAttrFromHead(b.data(), attr, tail);
        attr.SetLogFont(GetFont16(b.data(), kElemAttrHeadSize));
        attr.m_spare = GetWord(b.data(), 96);
        attr.m_lineSpace = GetWord(b.data(), 98);
        attr.m_firstSpace = GetWord(b.data(), 100);
        return;
    }
    // The spacings came later: they keep the defaults.
    const auto b = ReadBlock<kOldLabelSize>(ar);
    ElemAttrFromHead(b.data(), attr, tail);
    attr.SetLogFont(GetRawFont(b.data(), kElemAttrHeadSize));
    attr.m_spare = GetWord(b.data(), kElemAttrHeadSize + kRawLogFontSize);
    if (attr.m_linkPosition != 0 && attr.m_linkPosition != 1) {
        attr.m_linkPosition = 0;
    }
}

void StoreLabel(CArchive& ar, int version, const CElemAttr& attr, const ElemAttrTail& tail) {
    if (version >= kVerYogo102) {
        WriteBlock(ar, PackLabel(attr, tail));
        return;
    }
    std::array<BYTE, kOldLabelSize> b{};
    ElemAttrToHead(attr, tail, b.data());
    PutRawFont(b.data(), kElemAttrHeadSize, attr.GetLogFont());
    PutWord(b.data(), kElemAttrHeadSize + kRawLogFontSize, attr.m_spare);
    WriteBlock(ar, b);
}

// ---- 9. Event part: the 36-byte text attribute block, the font at 36, "Revice" at 86 -------

constexpr std::size_t kTextAttrSize = 36;
constexpr std::size_t kEventSize = 88;

void PutTextAttr(BYTE* b, const CTextAttr& a) {
    PutWord(b, 0, a.m_fontHeigh);
    PutWord(b, 2, a.m_fontWidth);
    PutWord(b, 4, a.m_form);
    PutDword(b, 6, a.m_color);
    PutWord(b, 10, a.m_attrb);
    PutDword(b, 12, static_cast<DWORD>(a.m_offsetX));
    PutDword(b, 16, static_cast<DWORD>(a.m_offsetY));
    PutShort(b, 20, a.m_ownFont);
    std::memcpy(b + 22, a.m_reserved.data(), a.m_reserved.size());
}

void GetTextAttr(const BYTE* b, CTextAttr& a) {
    a.m_fontHeigh = GetWord(b, 0);
    a.m_fontWidth = GetWord(b, 2);
    a.m_form = GetWord(b, 4);
    a.m_color = GetDword(b, 6);
    a.m_attrb = GetWord(b, 10);
    a.m_offsetX = static_cast<LONG>(GetDword(b, 12));
    a.m_offsetY = static_cast<LONG>(GetDword(b, 16));
    a.m_ownFont = GetShort(b, 20);
    std::memcpy(a.m_reserved.data(), b + 22, a.m_reserved.size());
}

// ---- 10, 11. Progress part ---------------------------------------------------------------
// Head (20 bytes): style, sub-style, type, width, colour, "Linked", width table. The tail
// follows the progress line's date-label block, whose 32-bit fields stand at 6 (colour), 12,
// 16 (the two keyless values) and 22 (the display mode).
constexpr std::size_t kShinHeadSize = 20;

// ---- 12, 13. Shape part: head (32 bytes) and the text style word with the font ------------

constexpr std::size_t kZukeiHeadSize = 32;

// A file of the layout folder.
std::filesystem::path LayoutPathOf(const std::string& folder, const std::string& name) {
    return ConfigPathToFs(folder + name);
}

} // namespace

// ---- Free functions ---------------------------------------------------------------------------

int GetThinningStep(int unit, int index) {
    if (unit < 0 || unit >= kUnitCount || index < 0 || index >= kThinningStepCount) {
        return 0;
    }
    return kStepTable[unit][index];
}

int GetUnitDays(int unit) {
    switch (unit) {
    case kUnitDay:
        return 1;
    case kUnitWeek:
        return 7;
    case kUnitMonth:
        return 28;
    case kUnitYear:
        return 364;
    default:
        return 0;
    }
}

int GetHolidayMaxMode(int unit, int step) {
    if (unit < 0 || unit >= 5 || step < 0 || step >= kThinningStepCount) {
        return 0;
    }
    return kHolidayTable[unit][step];
}

void GetDefaultDateRows(int dateMode, int unit, std::array<WORD, kDateRowMax>& rows) {
    rows.fill(kDateRowNone);
    const bool nobe = dateMode > 0;
    switch (unit) {
    case kUnitDay:
    case kUnitWeek:
        rows[0] = nobe ? kDateRowNobeMonth : kDateRowMonth;
        rows[1] = kDateRowDay;
        break;
    case kUnitMonth:
        rows[0] = nobe ? kDateRowNobeYear : kDateRowYear;
        rows[1] = nobe ? kDateRowNobeMonth : kDateRowMonth;
        break;
    case kUnitYear:
        rows[0] = nobe ? kDateRowNobeYear : kDateRowYear;
        break;
    case kUnitHour:
        rows[0] = nobe ? kDateRowNobeDay : kDateRowDay;
        rows[1] = kDateRowHour;
        break;
    default:
        break;
    }
}

BOOL ChooseThinning(double minWidth, double widthPerDay, int& unit, int& step) {
    const double need = std::trunc(minWidth);
    for (int n = 0; n < kThinningStepCount; ++n) {
        const int s = GetThinningStep(kUnitHour, n);
        if (s == 0) {
            break;
        }
        if (need < std::trunc(widthPerDay / (24 / s))) {
            unit = kUnitHour;
            step = n;
            return TRUE;
        }
    }
    for (int u = kUnitDay; u <= kUnitYear; ++u) {
        for (int n = 0; n < kThinningStepCount; ++n) {
            const int s = GetThinningStep(u, n);
            if (s == 0) {
                break;
            }
            if (need < std::trunc(static_cast<double>(GetUnitDays(u)) * s * widthPerDay)) {
                unit = u;
                step = n;
                return TRUE;
            }
        }
    }
    return FALSE;
}

// ---- CSyokiSet --------------------------------------------------------------------------------

IMPLEMENT_SERIAL(CSyokiSet, CObject, 1)

CSyokiSet::CSyokiSet() = default;

int CSyokiSet::GetDayCount() const {
    return static_cast<int>((m_endDate - m_startDate).GetDays() + 1);
}

int CSyokiSet::GetDisplayDayCount() const {
    return static_cast<int>((GetWorkEndDate() - GetWorkStartDate()).GetDays() + 1);
}

double CSyokiSet::GetWidthPerDay() const {
    const int days = GetDayCount();
    if (days <= 0) {
        return 0.0;
    }
    return static_cast<double>(GetPageSetting().GetChartRect().Width()) / days;
}

double CSyokiSet::GetHeightPerRow() const {
    const int rows = GetRowSpan();
    if (rows <= 0) {
        return 0.0;
    }
    return std::abs(static_cast<double>(GetPageSetting().GetChartRect().Height())) / rows;
}

WORD CSyokiSet::GetSpareWord(int i) const {
    return i >= 0 && i < kSpareWordCount ? m_spareWords[static_cast<std::size_t>(i)] : 0;
}

void CSyokiSet::SetSpareWord(int i, WORD value) {
    if (i >= 0 && i < kSpareWordCount) {
        m_spareWords[static_cast<std::size_t>(i)] = value;
    }
}

WORD CSyokiSet::GetDateRowKind(int i) const {
    return i >= 0 && i < kDateRowMax ? m_dateRows[static_cast<std::size_t>(i)] : 0;
}

void CSyokiSet::SetDateRowKind(int i, WORD kind) {
    if (i >= 0 && i < kDateRowMax) {
        m_dateRows[static_cast<std::size_t>(i)] = kind;
    }
}

int CSyokiSet::GetDateRowCount() const {
    for (int i = 0; i < kDateRowMax; ++i) {
        if (m_dateRows[static_cast<std::size_t>(i)] == 0) {
            return i;
        }
    }
    return kDateRowMax;
}

void CSyokiSet::SetDateRowKinds(int dateMode, int unit) {
    GetDefaultDateRows(dateMode, unit, m_dateRows);
}

WORD CSyokiSet::GetLayoutWord(int i) const {
    return i >= 0 && i < kLayoutWordCount ? m_layoutWords[static_cast<std::size_t>(i)] : 0;
}

void CSyokiSet::SetLayoutWord(int i, WORD value) {
    if (i >= 0 && i < kLayoutWordCount) {
        m_layoutWords[static_cast<std::size_t>(i)] = value;
    }
}

// ---- Thinning -------------------------------------------------------------------------------

BOOL CSyokiSet::CalcDateThinning() {
    return Thinning(true);
}

BOOL CSyokiSet::Thinning(bool showMessages) {
    const double perDay = GetWidthPerDay();
    if (!(perDay > 0.0)) {
        if (showMessages) {
            AfxMessageBox(IDS_PERIOD_TOO_LONG);
        }
        return FALSE;
    }
    const std::int64_t fontWidth = m_chart.GetDateStyle().GetLogFont().lfWidth;
    const double need = static_cast<double>(2 * (fontWidth < 0 ? -fontWidth : fontWidth) + 2);
    int unit = 0;
    int step = 0;
    if (!ChooseThinning(need, perDay, unit, step)) {
        if (showMessages) {
            AfxMessageBox(IDS_THINNING_FAILED);
        }
        return FALSE;
    }
    // Hour labels only for short periods.
    if (unit == kUnitHour && GetDayCount() > 5) {
        unit = kUnitDay;
        step = 0;
    }
    m_dateUnit = m_keisenUnit = static_cast<WORD>(unit);
    m_dateStep = m_keisenStep = static_cast<WORD>(step);
    m_holidayShade = static_cast<short>(GetHolidayMaxMode(unit, step));
    m_spareWords.fill(0);
    SetDateRowKinds(m_nobeMode, unit);
    return TRUE;
}

// ---- Defaults --------------------------------------------------------------------------------

BOOL CSyokiSet::SetDefault(CDocument* document, int dateMode) {
    return FillDefaults(document, dateMode, true);
}

BOOL CSyokiSet::FillDefaults(CDocument* document, int dateMode, bool showMessages) {
    m_refresh = 0;
    m_document = document;
    const CConfigBase& app = *GetAppConfig();
    m_chart.Copy(app.GetChart());
    m_path = app.GetPath();
    m_shin.Copy(app.GetShin());
    m_event.Copy(app.GetEvent());
    m_zukei.Copy(app.GetZukei());
    // The bytes a file's blocks carried belong to the blocks read, not to these.
    m_kouteiBlock.fill(0);
    m_yogoTail.fill(0);
    m_shigenTail.fill(0);
    m_shinLabelWord = 0;

    m_nobeMode = static_cast<short>(dateMode < 0 ? app.GetNobeMode() : dateMode);
    m_maeYohaku = CTimeSpan(app.GetMaeYohaku(), 0, 0, 0);
    m_atoYohaku = CTimeSpan(app.GetAtoYohaku(), 0, 0, 0);
    m_nobeOffset = CTimeSpan(app.GetJyunbiKikan(), 0, 0, 0);
    m_monthSpan = CTimeSpan(app.GetMonthDays(), 0, 0, 0);

    // The period starts today, unless that would put it outside the calendar, which holds no
    // day after 2020-12-31: then it moves to fit (and one longer than the calendar is cut at
    // its end).
    const CTime now = CTime::GetCurrentTime();
    CTime today(now.GetYear(), now.GetMonth(), now.GetDay());
    const CTimeSpan body(std::max<LONG>(app.GetKikan(), 1) - 1, 0, 0, 0);
    const CTime earliest = GetMinDate() + m_maeYohaku;
    const CTime latest = GetMaxDate() - m_atoYohaku - body;
    today = std::max(earliest, std::min(today, latest));
    m_startDate = today - m_maeYohaku;
    m_endDate = std::min(m_startDate + m_maeYohaku + body + m_atoYohaku, GetMaxDate());

    if (m_nobeMode == 0) {
        m_nobeOffset = CTimeSpan();
    }
    m_firstRow = 0;
    m_lastRow = static_cast<WORD>(std::clamp<LONG>(app.GetLines(), 1, 0x10000) - 1);

    m_refresh = static_cast<DWORD>(Thinning(showMessages));
    m_paperFont = app.GetFont(kFontHeader, GetPageSetting().GetPaper());
    m_hensoku.RemoveAll();
    return static_cast<BOOL>(m_refresh);
}

// ---- File form -------------------------------------------------------------------------------

void CSyokiSet::Serialize(CArchive& ar) {
    m_refresh = 0;
    m_document = ar.m_pDocument;
    const int version = ArchiveVersion(ar);
    if (ar.IsStoring()) {
        Store(ar, version);
        return;
    }
    // Whatever a file does not hold keeps the application's default; the record changes only
    // when the whole of it was read.
    CSyokiSet loaded;
    loaded.FillDefaults(m_document, -1, false);
    loaded.Load(ar, version);
    loaded.m_refresh = 1;
    *this = loaded;
}

void CSyokiSet::Store(CArchive& ar, int v) {
    // 1. Page settings.
    StorePage(ar, v, GetPageSetting());

    // 2. Area names.
    CAreaNameSet& names = m_chart.GetAreaNameSet();
    if (v >= kVerAreaNameCells) {
        ar << names.GetKoumokuColumnCount() << names.GetStyle() << names.GetBunkatuOpt();
        names.Serialize(ar);
    } else {
        StoreOldAreaName(ar, names.GetKoumokuName());
        StoreOldAreaName(ar, names.GetHizukeName());
    }

    // 3. Date-row style.
    {
        std::array<BYTE, kDateStyleSize> b{};
        const CAreaStyle& style = m_chart.GetDateStyle();
        PutFont16(b.data(), 0, style.GetLogFont());
        for (int i = 0; i < CAreaStyle::kModeCount; ++i) {
            PutWord(b.data(), 50 + static_cast<std::size_t>(i) * 2, style.GetMode(i));
        }
        ar.Write(b.data(),
                 static_cast<UINT>(v >= kVerDateStyle76 ? kDateStyleSize : kOldDateStyleSize));
    }

    // 4. Item text block.
    {
        std::array<BYTE, kKoumokuSize> b{};
        const CFontAttr& a = m_chart.GetKoumokuAttr();
        PutWord(b.data(), 0, a.m_fontHeigh);
        PutWord(b.data(), 2, a.m_fontWidth);
        PutWord(b.data(), 4, a.m_form);
        PutDword(b.data(), 6, a.m_color);
        PutWord(b.data(), 10, a.m_attrb);
        PutWord(b.data(), 12, a.m_partition);
        PutWord(b.data(), 14, a.m_eventBase);
        PutWord(b.data(), 16, a.m_spare[0]);
        PutWord(b.data(), 18, a.m_spare[1]);
        PutFont16(b.data(), 30, a.GetLogFont());
        WriteBlock(ar, b);
    }

    // 5. Process line block.
    {
        std::array<BYTE, kKouteiBlockSize> b = m_kouteiBlock;
        PutKoutei(m_chart, b.data());
        ar.Write(b.data(),
                 static_cast<UINT>(v >= kVerKoutei106 ? kKouteiBlockSize : kOldKouteiSize));
    }

    // 6. Node block.
    {
        std::array<BYTE, kLandSize> b{};
        const CLandAttr& a = m_chart.GetLandAttr();
        PutWord(b.data(), 0, a.m_style);
        PutWord(b.data(), 2, a.m_type);
        PutDword(b.data(), 4, a.m_color);
        PutWord(b.data(), 8, a.m_size);
        PutWord(b.data(), 10, a.m_radius);
        WriteBlock(ar, b);
    }

    // 7, 8. Term and resource label blocks.
    StoreLabel(ar, v, m_chart.GetYogoAttr(), m_yogoTail);
    if (v >= kVerShigen) {
        WriteBlock(ar, PackLabel(m_chart.GetShigenAttr(), m_shigenTail));
    }

    // 9. Event part.
    if (v >= kVerEvent) {
        std::array<BYTE, kEventSize> b{};
        PutTextAttr(b.data(), m_event.GetTextAttr());
        PutFont16(b.data(), kTextAttrSize, m_event.GetLogFont());
        PutWord(b.data(), 86, m_event.GetRevice());
        WriteBlock(ar, b);
    }

    // 10, 11. Progress part.
    if (v >= kVerShinHead) {
        std::array<BYTE, kShinHeadSize> b{};
        PutWord(b.data(), 0, m_shin.GetStyle());
        PutWord(b.data(), 2, m_shin.GetSubStyle());
        PutWord(b.data(), 4, m_shin.GetType());
        PutShort(b.data(), 6, m_shin.GetWidth());
        PutDword(b.data(), 8, m_shin.GetColor());
        PutWord(b.data(), 12, m_shin.GetLinked());
        for (int i = 0; i < 3; ++i) {
            PutWord(b.data(), 14 + static_cast<std::size_t>(i) * 2, m_shin.GetWidthSet().GetAt(i));
        }
        WriteBlock(ar, b);
    }
    if (v >= kVerShinTail) {
        ar << m_shinLabelWord;
        LogFont16::Store(ar, m_shin.GetLogFont());
        ar << static_cast<DWORD>(m_shin.GetDateColor())
           << static_cast<DWORD>(m_shin.GetDateValue1())
           << static_cast<DWORD>(m_shin.GetDateValue2())
           << static_cast<DWORD>(m_shin.GetDateDisp());
        ar << m_shin.GetDateFormat();
    }

    // 12, 13. Shape part.
    if (v >= kVerZukeiHead) {
        std::array<BYTE, kZukeiHeadSize> b{};
        const CZukeiAttr& a = m_zukei.GetAttr();
        PutShort(b.data(), 0, a.m_style);
        PutShort(b.data(), 2, a.m_pointMode);
        PutWord(b.data(), 4, a.m_type);
        PutShort(b.data(), 6, a.m_width);
        PutDword(b.data(), 8, a.m_color);
        PutWord(b.data(), 12, a.m_hatch);
        PutDword(b.data(), 14, a.m_hatchColor);
        PutWord(b.data(), 18, a.m_boxRay);
        for (int i = 0; i < 3; ++i) {
            PutWord(b.data(), 20 + static_cast<std::size_t>(i) * 2, m_zukei.GetWidthSet().GetAt(i));
        }
        PutWord(b.data(), 26, m_zukei.GetPartitionFlag());
        PutWord(b.data(), 28, m_zukei.GetTimePartition());
        PutWord(b.data(), 30, m_zukei.GetLinePartition());
        WriteBlock(ar, b);
    }
    if (v >= kVerZukeiText) {
        ar << m_zukei.GetTextAttr().m_attrb;
        LogFont16::Store(ar, m_zukei.GetLogFont());
    }

    // 14. Period.
    if (v >= kVerPeriodHead) {
        ar << static_cast<WORD>(m_nobeMode) << m_maeYohaku << m_atoYohaku << m_nobeOffset
           << m_monthSpan;
    }
    ar << m_startDate << m_endDate << m_firstRow << m_lastRow << static_cast<WORD>(m_holidayShade)
       << m_dateUnit << m_dateStep;
    for (WORD w : m_spareWords) {
        ar << w;
    }

    // 15. Fixed rows.
    if (v >= kVerFixedRows) {
        ar << m_fixedFirstRow << m_fixedLastRow;
    }

    // 16. Date rows and ruled lines. The minute grid is newer than 55000: such a file gets the
    // nearest grid it knows, the record keeps its own.
    if (v >= kVerDateRows) {
        for (WORD kind : m_dateRows) {
            ar << kind;
        }
        if (v < kVerMinuteGrid && m_keisenUnit == kUnitMinute) {
            ar << static_cast<WORD>(kUnitHour) << WORD{1};
        } else {
            ar << m_keisenUnit << m_keisenStep;
        }
        WriteBlock(ar, m_reserved);
    }

    // 18. Layout file name.
    if (v >= kVerLayoutName) {
        ar << m_path.GetLayoutFileName();
    }

    // 19. Irregular periods.
    if (v >= kVerHensoku) {
        m_hensoku.Serialize(ar);
    }

    // 20. Layout words.
    if (v >= kVerLayoutWords) {
        for (int i = 0; i < 4; ++i) {
            ar << m_layoutWords[static_cast<std::size_t>(i)];
        }
        ar << m_layoutDword << m_layoutWords[4];
    }

    // 21. Paper font.
    if (v >= kVerPaperFont) {
        std::array<BYTE, kRawLogFontSize> b{};
        PutRawFont(b.data(), 0, m_paperFont);
        WriteBlock(ar, b);
    }
}

void CSyokiSet::Load(CArchive& ar, int v) {
    // 1. Page settings.
    LoadPage(ar, v, GetPageSetting());
    const LONG storedChartWidth = GetPageSetting().GetKouteiRect().Width();

    // 2. Area names.
    CAreaNameSet& names = m_chart.GetAreaNameSet();
    if (v >= kVerAreaNameCells) {
        WORD columns = 0;
        WORD style = 0;
        WORD split = 0;
        ar >> columns >> style >> split;
        // The header has room for this many item columns, no more.
        if (columns > CAreaNameSet::kGridColumns) {
            ThrowDamaged(ar);
        }
        names.Serialize(ar);
        names.SetKoumokuColumnCount(columns);
        names.SetStyle(style);
        names.SetBunkatuOpt(split);
    } else {
        const std::string koumoku = LoadOldAreaName(ar);
        const std::string hizuke = LoadOldAreaName(ar);
        names.SetKoumokuName(koumoku);
        names.SetHizukeName(hizuke);
        names.SetStyle(CAreaNameSet::kStyleStandard);
    }

    // 3. Date-row style.
    {
        std::array<BYTE, kDateStyleSize> b{};
        const bool full = v >= kVerDateStyle76;
        ar.ReadExact(b.data(), full ? kDateStyleSize : kOldDateStyleSize);
        CAreaStyle& style = m_chart.GetDateStyle();
        style.SetLogFont(GetFont16(b.data(), 0));
        const int modes = full ? CAreaStyle::kModeCount : 1;
        for (int i = 0; i < modes; ++i) {
            style.SetMode(i, GetWord(b.data(), 50 + static_cast<std::size_t>(i) * 2));
        }
    }

    // 4. Item text block.
    {
        const auto b = ReadBlock<kKoumokuSize>(ar);
        CFontAttr& a = m_chart.GetKoumokuAttr();
        a.m_fontHeigh = GetWord(b.data(), 0);
        a.m_fontWidth = GetWord(b.data(), 2);
        a.m_form = GetWord(b.data(), 4);
        a.m_color = GetDword(b.data(), 6);
        a.m_attrb = GetWord(b.data(), 10);
        a.m_partition = GetWord(b.data(), 12);
        a.m_eventBase = GetWord(b.data(), 14);
        a.m_spare[0] = GetWord(b.data(), 16);
        a.m_spare[1] = GetWord(b.data(), 18);
        a.SetLogFont(GetFont16(b.data(), 30));
    }

    // 5. Process line block.
    m_kouteiBlock.fill(0);
    ar.ReadExact(m_kouteiBlock.data(), v >= kVerKoutei106 ? kKouteiBlockSize : kOldKouteiSize);
    GetKoutei(m_kouteiBlock.data(), v, m_chart);

    // 6. Node block.
    {
        const auto b = ReadBlock<kLandSize>(ar);
        CLandAttr& a = m_chart.GetLandAttr();
        a.m_style = GetWord(b.data(), 0);
        a.m_type = GetWord(b.data(), 2);
        a.m_color = GetDword(b.data(), 4);
        a.m_size = v >= kVerLayoutName ? GetWord(b.data(), 8) : WORD{100};
        a.m_radius = GetWord(b.data(), 10);
    }

    // 7, 8. Term and resource label blocks.
    LoadLabel(ar, v, m_chart.GetYogoAttr(), m_yogoTail);
    if (v >= kVerShigen) {
        LoadLabel(ar, v, m_chart.GetShigenAttr(), m_shigenTail);
    }

    // 9. Event part.
    if (v >= kVerEvent) {
        const auto b = ReadBlock<kEventSize>(ar);
        GetTextAttr(b.data(), m_event.GetTextAttr());
        m_event.SetLogFont(GetFont16(b.data(), kTextAttrSize));
        m_event.SetRevice(GetWord(b.data(), 86));
    }

    // 10, 11. Progress part.
    if (v >= kVerShinHead) {
        const auto b = ReadBlock<kShinHeadSize>(ar);
        m_shin.SetStyle(GetWord(b.data(), 0));
        m_shin.SetSubStyle(GetWord(b.data(), 2));
        m_shin.SetType(GetWord(b.data(), 4));
        m_shin.SetWidth(GetShort(b.data(), 6));
        m_shin.SetColor(GetDword(b.data(), 8));
        m_shin.SetLinked(GetWord(b.data(), 12));
        for (int i = 0; i < 3; ++i) {
            m_shin.GetWidthSet().SetAt(i, GetWord(b.data(), 14 + static_cast<std::size_t>(i) * 2));
        }
    }
    if (v >= kVerShinTail) {
        ar >> m_shinLabelWord;
        m_shin.SetLogFont(LogFont16::Load(ar));
        DWORD color = 0;
        DWORD value1 = 0;
        DWORD value2 = 0;
        DWORD display = 0;
        ar >> color >> value1 >> value2 >> display;
        m_shin.SetDateColor(color);
        m_shin.SetDateValue1(static_cast<LONG>(value1));
        m_shin.SetDateValue2(static_cast<LONG>(value2));
        m_shin.SetDateDisp(static_cast<LONG>(display));
        std::string format;
        ar >> format;
        m_shin.SetDateFormat(format);
    }

    // 12, 13. Shape part.
    if (v >= kVerZukeiHead) {
        const auto b = ReadBlock<kZukeiHeadSize>(ar);
        CZukeiAttr& a = m_zukei.GetAttr();
        a.m_style = GetShort(b.data(), 0);
        a.m_pointMode = GetShort(b.data(), 2);
        a.m_type = GetWord(b.data(), 4);
        a.m_width = GetShort(b.data(), 6);
        a.m_color = GetDword(b.data(), 8);
        a.m_hatch = GetWord(b.data(), 12);
        a.m_hatchColor = GetDword(b.data(), 14);
        a.m_boxRay = GetWord(b.data(), 18);
        for (int i = 0; i < 3; ++i) {
            m_zukei.GetWidthSet().SetAt(i, GetWord(b.data(), 20 + static_cast<std::size_t>(i) * 2));
        }
        m_zukei.SetPartitionFlag(GetWord(b.data(), 26));
        m_zukei.SetTimePartition(GetWord(b.data(), 28));
        m_zukei.SetLinePartition(GetWord(b.data(), 30));
    }
    if (v >= kVerZukeiText) {
        ar >> m_zukei.GetTextAttr().m_attrb;
        m_zukei.SetLogFont(LogFont16::Load(ar));
    }

    // 14. Period.
    if (v >= kVerPeriodHead) {
        WORD mode = 0;
        ar >> mode >> m_maeYohaku >> m_atoYohaku >> m_nobeOffset >> m_monthSpan;
        m_nobeMode = static_cast<short>(mode);
    } else {
        // Older charts counted calendar dates only; the elapsed month keeps the default.
        m_nobeMode = 0;
        m_maeYohaku = m_atoYohaku = m_nobeOffset = CTimeSpan();
    }
    WORD shade = 0;
    ar >> m_startDate >> m_endDate >> m_firstRow >> m_lastRow >> shade >> m_dateUnit >> m_dateStep;
    m_holidayShade = static_cast<short>(shade);
    for (WORD& w : m_spareWords) {
        ar >> w;
    }

    // 15. Fixed rows.
    if (v >= kVerFixedRows) {
        ar >> m_fixedFirstRow >> m_fixedLastRow;
    }

    // 16. Date rows and ruled lines.
    if (v >= kVerDateRows) {
        for (WORD& kind : m_dateRows) {
            ar >> kind;
        }
        ar >> m_keisenUnit >> m_keisenStep;
        ar.ReadExact(m_reserved.data(), m_reserved.size());
    } else {
        m_keisenUnit = m_dateUnit;
        m_keisenStep = m_dateStep;
        SetDateRowKinds(m_nobeMode, m_dateUnit);
        m_spareWords.fill(0);
    }
    // The painters look the steps up by these: a unit or step outside the table is damage.
    if (GetThinningStep(m_dateUnit, m_dateStep) == 0 ||
        GetThinningStep(m_keisenUnit, m_keisenStep) == 0) {
        ThrowDamaged(ar);
    }

    // 17. Files before 31000 knew other page areas: take those of the layout file now.
    if (v < kVerLayoutName) {
        CPrintArea& page = GetPageSetting();
        page.SetPaper(page.GetPaper(), page.GetMuki(),
                      ConfigPathToFs(GetAppConfig()->GetPath().GetLayoutFilePath()), 0);
        if (page.GetKouteiRect().Width() < storedChartWidth) {
            CalcDateThinning();
        }
    }

    // 18. Layout file name: only one that the layout folder holds.
    if (v >= kVerLayoutName) {
        std::string name;
        ar >> name;
        std::error_code error;
        if (!name.empty() &&
            std::filesystem::is_regular_file(
                LayoutPathOf(GetAppConfig()->GetPath().GetFolder(), name), error)) {
            m_path.SetLayoutFileName(name);
        }
    }

    // 19. Irregular periods; an elapsed-day chart has none.
    if (v >= kVerHensoku) {
        if (m_nobeMode > 0) {
            CHensoku dropped;
            dropped.Serialize(ar);
        } else {
            m_hensoku.Serialize(ar);
        }
    }

    // 20. Layout words.
    if (v >= kVerLayoutWords) {
        for (int i = 0; i < 4; ++i) {
            ar >> m_layoutWords[static_cast<std::size_t>(i)];
        }
        ar >> m_layoutDword >> m_layoutWords[4];
    }

    // 21. Paper font.
    if (v >= kVerPaperFont) {
        const auto b = ReadBlock<kRawLogFontSize>(ar);
        m_paperFont = GetRawFont(b.data(), 0);
    }
}

} // namespace tembra
