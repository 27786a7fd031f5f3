#include "model/SyokiSet.h"

#include "model/ByteField.h"
#include "model/ConfigBase.h"
#include "model/DamagedFile.h"
#include "model/Utility.h"
#include "platform/Document.h"
#include "platform/Sjis.h"
#include "platform/Ui.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <system_error>

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

// ---- The packed blocks, one table each ----------------------------------------------------

// 1. Page settings, 90 bytes. Files before 51000 hold 80: no right inset and no footer.
using PageImage = CPrintArea::StoredFields;
constexpr std::size_t kPageSize = 90;
constexpr std::size_t kOldPageSize = 80;
constexpr ByteField<PageImage> kPageFields[] = {
    FieldAs<Rect16, &PageImage::header>(0),
    FieldAs<Rect16, &PageImage::page>(8),
    FieldAs<Rect16, &PageImage::edit>(16),
    FieldAs<Rect16, &PageImage::date>(24),
    FieldAs<Rect16, &PageImage::items>(32),
    FieldAs<Rect16, &PageImage::chart>(40),
    Field<&PageImage::insetLeft>(48),
    Field<&PageImage::insetRight>(50),
    FieldAs<Rect16, &PageImage::inner>(52),
    FieldAs<Rect16, &PageImage::footer>(60),
    Field<&PageImage::paperKind>(68),
    Field<&PageImage::orientation>(70),
    Field<&PageImage::itemWidth>(72),
    FieldAs<Rect16, &PageImage::paper>(74),
    FieldAs<LittleEndian<2>, &PageImage::shift, &CPoint::x>(82),
    FieldAs<LittleEndian<2>, &PageImage::shift, &CPoint::y>(84),
    FieldAs<LittleEndian<2>, &PageImage::printerOffset, &CPoint::x>(86),
    FieldAs<LittleEndian<2>, &PageImage::printerOffset, &CPoint::y>(88),
};
constexpr auto kOldPageFields = WithoutFields(kPageFields, {50, 60});
static_assert(FitsBlock(kPageFields, kPageSize) && FitsBlock(kOldPageFields, kOldPageSize));

PageImage ImageOf(const CPrintArea& page) {
    PageImage image;
    image.header = page.GetHeaderRect();
    image.page = page.GetPageRect();
    image.edit = page.GetBodyRect();
    image.date = page.GetDateRect();
    image.items = page.GetKoumokuRect();
    image.chart = page.GetKouteiRect();
    image.footer = page.GetFooterRect();
    image.inner = page.GetChartRect();
    image.paper = page.GetPaperRect();
    image.insetLeft = page.GetInsetLeft();
    image.insetRight = page.GetInsetRight();
    image.paperKind = page.GetPaper();
    image.orientation = page.GetMuki();
    image.itemWidth = page.GetLeftWidth();
    image.shift = page.GetMarginShift();
    image.printerOffset = page.GetPrinterOffset();
    return image;
}

// 2. Area names before 53000: two names in 129-byte fields.
constexpr std::size_t kOldAreaNameSize = 129;

// 3. Date-row style, 76 bytes: the date font, the five mode words ("BigHolidays" first), 16 zero
// bytes. Files before 40000 hold 52: the font and "BigHolidays".
constexpr std::size_t kDateStyleSize = 76;
constexpr std::size_t kOldDateStyleSize = 52;
constexpr ByteField<CAreaStyle> kDateStyleFields[] = {
    FieldAs<Font16, &CAreaStyle::m_font>(0), Field<&CAreaStyle::m_mode, At<0>>(50),
    Field<&CAreaStyle::m_mode, At<1>>(52),   Field<&CAreaStyle::m_mode, At<2>>(54),
    Field<&CAreaStyle::m_mode, At<3>>(56),   Field<&CAreaStyle::m_mode, At<4>>(58),
};
static_assert(FitsBlock(kDateStyleFields, kDateStyleSize));

// 4. Item text block ("KoumokuConfig"), 80 bytes: its first 20 bytes, 10 zero bytes, the font.
constexpr std::size_t kKoumokuSize = 80;
constexpr ByteField<CFontAttr> kKoumokuFields[] = {
    Field<&CFontAttr::m_fontHeigh>(0),     Field<&CFontAttr::m_fontWidth>(2),
    Field<&CFontAttr::m_form>(4),          Field<&CFontAttr::m_color>(6),
    Field<&CFontAttr::m_attrb>(10),        Field<&CFontAttr::m_partition>(12),
    Field<&CFontAttr::m_eventBase>(14),    Field<&CFontAttr::m_spare, At<0>>(16),
    Field<&CFontAttr::m_spare, At<1>>(18), FieldAs<Font16, &CFontAttr::m_font>(30),
};
static_assert(FitsBlock(kKoumokuFields, kKoumokuSize));

// 5. Process line block ("KouteiConfig"), 106 bytes: the line attributes, the width table,
// "CornerSize", "ArrowLength", "ArrowAngle", "KakomiAngle", "Inclined", "BarHeight". Files
// before 11000 hold the first 40 bytes. The bytes of no field of the chart part are kept by
// the record as read.
constexpr std::size_t kOldKouteiSize = 40;
constexpr auto kKouteiLine = [](auto& chart) -> auto& {
    return chart.GetKouteiAttr();
};
constexpr auto kKouteiWidths = [](auto& chart) -> auto& {
    return chart.GetKouteiWidthSet().m_width;
};
constexpr ByteField<CConfigChart> kKouteiFields[] = {
    Field<kKouteiLine, &CKouteiAttr::m_style>(0),
    Field<kKouteiLine, &CKouteiAttr::m_subStyle>(2),
    Field<kKouteiLine, &CKouteiAttr::m_type>(4),
    Field<kKouteiLine, &CKouteiAttr::m_width>(6),
    Field<kKouteiLine, &CKouteiAttr::m_color>(8),
    Field<kKouteiLine, &CKouteiAttr::m_holiday>(12),
    Field<kKouteiLine, &CKouteiAttr::m_hatch>(14),
    Field<kKouteiWidths, At<0>>(16),
    Field<kKouteiWidths, At<1>>(18),
    Field<kKouteiWidths, At<2>>(20),
    Field<Prop<&CConfigChart::GetCornerSize, &CConfigChart::SetCornerSize>>(22),
    Field<Prop<&CConfigChart::GetArrowLength, &CConfigChart::SetArrowLength>>(24),
    Field<Prop<&CConfigChart::GetArrowAngle, &CConfigChart::SetArrowAngle>>(26),
    Field<Prop<&CConfigChart::GetKakomiAngle, &CConfigChart::SetKakomiAngle>>(28),
    Field<Prop<&CConfigChart::GetInclined, &CConfigChart::SetInclined>>(40),
    Field<Prop<&CConfigChart::GetBarHeight, &CConfigChart::SetBarHeight>>(42),
};
static_assert(FitsBlock(kKouteiFields, CSyokiSet::kKouteiBlockSize));

// 6. Node block ("LandConfig"), 12 bytes; the size word has no key of its own.
constexpr std::size_t kLandSize = 12;
constexpr ByteField<CLandAttr> kLandFields[] = {
    Field<&CLandAttr::m_style>(0), Field<&CLandAttr::m_type>(2),    Field<&CLandAttr::m_color>(4),
    Field<&CLandAttr::m_size>(8),  Field<&CLandAttr::m_radius>(10),
};
static_assert(FitsBlock(kLandFields, kLandSize));

// 7, 8. Label blocks ("YogoConfig", "ShigenConfig"), 102 bytes: the 46-byte head as the term
// records write it, the font, the word before the line spacing, the line spacing and the
// first-line spacing. Files before 10000 hold 108: the head, the font as it stands in memory and
// the word (the spacings came later).
constexpr std::size_t kLabelSize = 102;
constexpr std::size_t kOldLabelSize = 108;
constexpr ByteField<CElemAttr> kLabelFields[] = {
    FieldAs<Font16, &CElemAttr::m_font>(kElemAttrHeadSize),
    Field<&CElemAttr::m_spare>(96),
    Field<&CElemAttr::m_lineSpace>(98),
    Field<&CElemAttr::m_firstSpace>(100),
};
constexpr ByteField<CElemAttr> kOldLabelFields[] = {
    FieldAs<RawFont, &CElemAttr::m_font>(kElemAttrHeadSize),
    Field<&CElemAttr::m_spare>(kElemAttrHeadSize + RawFont::kWidth),
};
static_assert(FitsBlock(kLabelFields, kLabelSize) && FitsBlock(kOldLabelFields, kOldLabelSize));

// 9. Event part ("EventConfig"), 88 bytes: the text attribute block (its 14 reserved bytes as
// held), the font, "Revice".
constexpr std::size_t kEventSize = 88;
constexpr auto kText = [](auto& part) -> auto& {
    return part.GetTextAttr();
};
constexpr ByteField<CConfigEvent> kEventFields[] = {
    Field<kText, &CTextAttr::m_fontHeigh>(0),
    Field<kText, &CTextAttr::m_fontWidth>(2),
    Field<kText, &CTextAttr::m_form>(4),
    Field<kText, &CTextAttr::m_color>(6),
    Field<kText, &CTextAttr::m_attrb>(10),
    Field<kText, &CTextAttr::m_offsetX>(12),
    Field<kText, &CTextAttr::m_offsetY>(16),
    Field<kText, &CTextAttr::m_ownFont>(20),
    Field<kText, &CTextAttr::m_reserved>(22),
    FieldAs<Font16, Prop<&CConfigEvent::GetLogFont, &CConfigEvent::SetLogFont>>(36),
    Field<Prop<&CConfigEvent::GetRevice, &CConfigEvent::SetRevice>>(86),
};
static_assert(FitsBlock(kEventFields, kEventSize));

// 10. Progress part head, 20 bytes: style, sub-style, type, width, colour, "Linked", the width
// table.
constexpr std::size_t kShinHeadSize = 20;
constexpr auto kWidths = [](auto& part) -> auto& {
    return part.GetWidthSet().m_width;
};
constexpr ByteField<CConfigShin> kShinHeadFields[] = {
    Field<Prop<&CConfigShin::GetStyle, &CConfigShin::SetStyle>>(0),
    Field<Prop<&CConfigShin::GetSubStyle, &CConfigShin::SetSubStyle>>(2),
    Field<Prop<&CConfigShin::GetType, &CConfigShin::SetType>>(4),
    Field<Prop<&CConfigShin::GetWidth, &CConfigShin::SetWidth>>(6),
    Field<Prop<&CConfigShin::GetColor, &CConfigShin::SetColor>>(8),
    Field<Prop<&CConfigShin::GetLinked, &CConfigShin::SetLinked>>(12),
    Field<kWidths, At<0>>(14),
    Field<kWidths, At<1>>(16),
    Field<kWidths, At<2>>(18),
};
static_assert(FitsBlock(kShinHeadFields, kShinHeadSize));

// 11. Progress part tail, 68 bytes and the date format: the word kept with the date labels, the
// date font, the date colour, the two keyless values, the display mode.
constexpr std::size_t kShinTailSize = 68;
constexpr auto kShin = [](auto& record) -> auto& {
    return record.GetShin();
};
constexpr ByteField<CSyokiSet> kShinTailFields[] = {
    Field<Prop<&CSyokiSet::GetShinLabelWord, &CSyokiSet::SetShinLabelWord>>(0),
    FieldAs<Font16, kShin, Prop<&CConfigShin::GetLogFont, &CConfigShin::SetLogFont>>(2),
    Field<kShin, Prop<&CConfigShin::GetDateColor, &CConfigShin::SetDateColor>>(52),
    Field<kShin, Prop<&CConfigShin::GetDateValue1, &CConfigShin::SetDateValue1>>(56),
    Field<kShin, Prop<&CConfigShin::GetDateValue2, &CConfigShin::SetDateValue2>>(60),
    Field<kShin, Prop<&CConfigShin::GetDateDisp, &CConfigShin::SetDateDisp>>(64),
};
static_assert(FitsBlock(kShinTailFields, kShinTailSize));

// 12. Shape part head, 32 bytes: the shape attributes, the width table, the partition words.
constexpr std::size_t kZukeiHeadSize = 32;
constexpr auto kZukeiLine = [](auto& part) -> auto& {
    return part.GetAttr();
};
constexpr ByteField<CConfigZukei> kZukeiHeadFields[] = {
    Field<kZukeiLine, &CZukeiAttr::m_style>(0),
    Field<kZukeiLine, &CZukeiAttr::m_pointMode>(2),
    Field<kZukeiLine, &CZukeiAttr::m_type>(4),
    Field<kZukeiLine, &CZukeiAttr::m_width>(6),
    Field<kZukeiLine, &CZukeiAttr::m_color>(8),
    Field<kZukeiLine, &CZukeiAttr::m_hatch>(12),
    Field<kZukeiLine, &CZukeiAttr::m_hatchColor>(14),
    Field<kZukeiLine, &CZukeiAttr::m_boxRay>(18),
    Field<kWidths, At<0>>(20),
    Field<kWidths, At<1>>(22),
    Field<kWidths, At<2>>(24),
    Field<Prop<&CConfigZukei::GetPartitionFlag, &CConfigZukei::SetPartitionFlag>>(26),
    Field<Prop<&CConfigZukei::GetTimePartition, &CConfigZukei::SetTimePartition>>(28),
    Field<Prop<&CConfigZukei::GetLinePartition, &CConfigZukei::SetLinePartition>>(30),
};
static_assert(FitsBlock(kZukeiHeadFields, kZukeiHeadSize));

// 13. Shape text, 52 bytes: the style word of the shape text block and the shape font.
constexpr std::size_t kZukeiTextSize = 52;
constexpr ByteField<CConfigZukei> kZukeiTextFields[] = {
    Field<kText, &CTextAttr::m_attrb>(0),
    FieldAs<Font16, Prop<&CConfigZukei::GetLogFont, &CConfigZukei::SetLogFont>>(2),
};
static_assert(FitsBlock(kZukeiTextFields, kZukeiTextSize));

// 21. The paper font as it stands in memory.
constexpr ByteField<CSyokiSet> kPaperFontFields[] = {
    FieldAs<RawFont, Prop<&CSyokiSet::GetPaperFont, &CSyokiSet::SetPaperFont>>(0),
};

// Values outside the blocks, written and read in the same order.
template <class T> void Exchange(CArchive& ar, T& value) {
    if (ar.IsStoring()) {
        ar << value;
    } else {
        ar >> value;
    }
}

void ExchangeLabel(CArchive& ar, int version, CElemAttr& attr, ElemAttrTail& tail) {
    const bool current = version >= kVerYogo102;
    const ByteFields<CElemAttr> fields =
        current ? ByteFields<CElemAttr>(kLabelFields) : ByteFields<CElemAttr>(kOldLabelFields);
    const std::size_t size = current ? kLabelSize : kOldLabelSize;
    if (ar.IsStoring()) {
        std::array<BYTE, kOldLabelSize> block{};
        ElemAttrToHead(attr, tail, block.data());
        StoreFields<kOldLabelSize>(ar, fields, attr, size, block);
        return;
    }
    const auto block = LoadFields<kOldLabelSize>(ar, fields, attr, size);
    ElemAttrFromHead(block.data(), attr, tail);
    // Only 0 (above) and 1 (below) are link positions.
    if (!current && attr.m_linkPosition != 0 && attr.m_linkPosition != 1) {
        attr.m_linkPosition = 0;
    }
}

void StoreOldAreaName(CArchive& ar, const std::string& name) {
    std::array<BYTE, kOldAreaNameSize> b{};
    const std::string cut = Sjis::Cut(name, kOldAreaNameSize - 1);
    std::memcpy(b.data(), cut.data(), cut.size());
    ar.Write(b.data(), static_cast<UINT>(b.size()));
}

std::string LoadOldAreaName(CArchive& ar) {
    std::array<BYTE, kOldAreaNameSize> b{};
    ar.ReadExact(b.data(), b.size());
    const char* text = reinterpret_cast<const char*>(b.data());
    return Sjis::Cut(std::string_view(text, strnlen(text, kOldAreaNameSize)), kOldAreaNameSize - 1);
}

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
    // day after GetMaxDate: then it moves to fit (and one longer than the calendar is cut at
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
        SerializeBlocks(ar, version);
        return;
    }
    // Whatever a file does not hold keeps the application's default, and the record changes
    // only when the whole of it was read: the load fills a scratch record. The area-name cells
    // and periods that the archive makes for it go with it, so the archive forgets them, loaded
    // or not: a later reference to one fails the load instead of reaching freed memory.
    struct Forget {
        CArchive& ar;
        std::size_t mark;
        ~Forget() { ar.ForgetObjectsSince(mark); }
    } forget{ar, ar.GetLoadMark()};
    CSyokiSet loaded;
    loaded.FillDefaults(m_document, -1, false);
    loaded.SerializeBlocks(ar, version);
    loaded.m_refresh = 1;
    *this = loaded;
}

// The blocks in file order, both ways. Storing for an older version writes that version's form
// and leaves the record as it is.
void CSyokiSet::SerializeBlocks(CArchive& ar, int v) {
    const LONG storedChartWidth = SerializePage(ar, v);
    SerializeAreaNames(ar, v);
    SerializeAttributeBlocks(ar, v);
    SerializePeriod(ar, v);
    SerializeLayout(ar, v, storedChartWidth);
}

// 1. Page settings; the fixed-row bands are not stored. Gives the chart width as stored.
LONG CSyokiSet::SerializePage(CArchive& ar, int v) {
    const bool loading = ar.IsLoading();
    CPrintArea& page = GetPageSetting();
    PageImage image = ImageOf(page);
    if (v >= kVerPage90) {
        SerializeFields<kPageSize>(ar, kPageFields, image);
    } else {
        // The footer sits at the bottom of the body, with no height; both insets are one.
        SerializeFields<kOldPageSize>(ar, kOldPageFields, image);
        image.insetRight = image.insetLeft;
        image.footer =
            CRect(image.header.left, image.edit.bottom, image.header.right, image.edit.bottom);
    }
    if (loading) {
        page.SetStoredFields(image);
    }
    return page.GetKouteiRect().Width();
}

// 2. Area names.
void CSyokiSet::SerializeAreaNames(CArchive& ar, int v) {
    const bool loading = ar.IsLoading();
    CAreaNameSet& names = m_chart.GetAreaNameSet();
    if (v >= kVerAreaNameCells) {
        WORD columns = names.GetKoumokuColumnCount();
        WORD style = names.GetStyle();
        WORD split = names.GetBunkatuOpt();
        Exchange(ar, columns);
        Exchange(ar, style);
        Exchange(ar, split);
        // The header is drawn with one to ten item columns, as the profile keeps them.
        if (loading && (columns < 1 || columns > CAreaNameSet::kGridColumns)) {
            FailDamagedFile();
        }
        names.Serialize(ar);
        if (loading) {
            names.SetKoumokuColumnCount(columns);
            names.SetStyle(style);
            names.SetBunkatuOpt(split);
        }
    } else if (loading) {
        const std::string koumoku = LoadOldAreaName(ar);
        const std::string hizuke = LoadOldAreaName(ar);
        names.SetKoumokuName(koumoku);
        names.SetHizukeName(hizuke);
        names.SetStyle(CAreaNameSet::kStyleStandard);
    } else {
        StoreOldAreaName(ar, names.GetKoumokuName());
        StoreOldAreaName(ar, names.GetHizukeName());
    }
}

// The date row, item, process line, node, label, event, progress and shape blocks.
void CSyokiSet::SerializeAttributeBlocks(CArchive& ar, int v) {
    const bool loading = ar.IsLoading();
    // 3, 4. Date-row style and item text block.
    SerializeFields<kDateStyleSize>(ar, kDateStyleFields, m_chart.GetDateStyle(),
                                    v >= kVerDateStyle76 ? kDateStyleSize : kOldDateStyleSize);
    SerializeFields<kKoumokuSize>(ar, kKoumokuFields, m_chart.GetKoumokuAttr());

    // 5. Process line block; a version without the bar height keeps the default.
    {
        const std::size_t size = v >= kVerKoutei106 ? kKouteiBlockSize : kOldKouteiSize;
        if (loading) {
            const WORD barHeight = m_chart.GetBarHeight();
            m_kouteiBlock = LoadFields<kKouteiBlockSize>(ar, kKouteiFields, m_chart, size);
            if (v < kVerBarHeight) {
                m_chart.SetBarHeight(barHeight);
            }
        } else {
            StoreFields<kKouteiBlockSize>(ar, kKouteiFields, m_chart, size, m_kouteiBlock);
        }
    }

    // 6. Node block; before 31000 its size word meant nothing and becomes 100.
    SerializeFields<kLandSize>(ar, kLandFields, m_chart.GetLandAttr());
    if (loading && v < kVerLayoutName) {
        m_chart.GetLandAttr().m_size = 100;
    }

    // 7, 8. Term and resource label blocks.
    ExchangeLabel(ar, v, m_chart.GetYogoAttr(), m_yogoTail);
    if (v >= kVerShigen) {
        ExchangeLabel(ar, v, m_chart.GetShigenAttr(), m_shigenTail);
    }

    // 9. Event part.
    if (v >= kVerEvent) {
        SerializeFields<kEventSize>(ar, kEventFields, m_event);
    }

    // 10, 11. Progress part.
    if (v >= kVerShinHead) {
        SerializeFields<kShinHeadSize>(ar, kShinHeadFields, m_shin);
    }
    if (v >= kVerShinTail) {
        SerializeFields<kShinTailSize>(ar, kShinTailFields, *this);
        std::string format = m_shin.GetDateFormat();
        Exchange(ar, format);
        if (loading) {
            m_shin.SetDateFormat(format);
        }
    }

    // 12, 13. Shape part.
    if (v >= kVerZukeiHead) {
        SerializeFields<kZukeiHeadSize>(ar, kZukeiHeadFields, m_zukei);
    }
    if (v >= kVerZukeiText) {
        SerializeFields<kZukeiTextSize>(ar, kZukeiTextFields, m_zukei);
    }
}

// The period, the fixed rows, the date rows and ruled lines.
void CSyokiSet::SerializePeriod(CArchive& ar, int v) {
    const bool loading = ar.IsLoading();
    // 14. Period. Older charts counted calendar dates only; the elapsed month keeps the
    // default.
    if (v >= kVerPeriodHead) {
        Exchange(ar, m_nobeMode);
        Exchange(ar, m_maeYohaku);
        Exchange(ar, m_atoYohaku);
        Exchange(ar, m_nobeOffset);
        Exchange(ar, m_monthSpan);
    } else if (loading) {
        m_nobeMode = 0;
        m_maeYohaku = m_atoYohaku = m_nobeOffset = CTimeSpan();
    }
    Exchange(ar, m_startDate);
    Exchange(ar, m_endDate);
    Exchange(ar, m_firstRow);
    Exchange(ar, m_lastRow);
    Exchange(ar, m_holidayShade);
    Exchange(ar, m_dateUnit);
    Exchange(ar, m_dateStep);
    for (WORD& w : m_spareWords) {
        Exchange(ar, w);
    }

    // 15. Fixed rows.
    if (v >= kVerFixedRows) {
        Exchange(ar, m_fixedFirstRow);
        Exchange(ar, m_fixedLastRow);
    }

    // 16. Date rows and ruled lines. The minute grid is newer than 55000: such a file gets the
    // nearest grid it knows, the record keeps its own.
    if (v >= kVerDateRows) {
        for (WORD& kind : m_dateRows) {
            Exchange(ar, kind);
        }
        if (!loading && v < kVerMinuteGrid && m_keisenUnit == kUnitMinute) {
            ar << static_cast<WORD>(kUnitHour) << WORD{1};
        } else {
            Exchange(ar, m_keisenUnit);
            Exchange(ar, m_keisenStep);
        }
        if (loading) {
            ar.ReadExact(m_reserved.data(), m_reserved.size());
        } else {
            ar.Write(m_reserved.data(), static_cast<UINT>(m_reserved.size()));
        }
    } else if (loading) {
        m_keisenUnit = m_dateUnit;
        m_keisenStep = m_dateStep;
        SetDateRowKinds(m_nobeMode, m_dateUnit);
        m_spareWords.fill(0);
    }
    // The painters look the steps up by these: a unit or step outside the table is damage.
    if (loading && (GetThinningStep(m_dateUnit, m_dateStep) == 0 ||
                    GetThinningStep(m_keisenUnit, m_keisenStep) == 0)) {
        FailDamagedFile();
    }
}

// The page areas of old files, the layout file, irregular periods, layout words, paper font.
void CSyokiSet::SerializeLayout(CArchive& ar, int v, LONG storedChartWidth) {
    const bool loading = ar.IsLoading();
    CPrintArea& page = GetPageSetting();
    // 17. Files before 31000 knew other page areas: take those of the layout file now.
    if (loading && v < kVerLayoutName) {
        page.SetPaper(page.GetPaper(), page.GetMuki(),
                      ConfigPathToFs(GetAppConfig()->GetPath().GetLayoutFilePath()), 0);
        if (page.GetKouteiRect().Width() < storedChartWidth) {
            CalcDateThinning();
        }
    }

    // 18. Layout file name: a load takes only one that the layout folder holds.
    if (v >= kVerLayoutName) {
        std::string name = m_path.GetLayoutFileName();
        Exchange(ar, name);
        std::error_code error;
        if (loading && !name.empty() &&
            std::filesystem::is_regular_file(
                LayoutPathOf(GetAppConfig()->GetPath().GetFolder(), name), error)) {
            m_path.SetLayoutFileName(name);
        }
    }

    // 19. Irregular periods. An elapsed-day chart has none: its periods are read and dropped,
    // and the archive forgets them.
    if (v >= kVerHensoku) {
        if (loading && m_nobeMode > 0) {
            const std::size_t mark = ar.GetLoadMark();
            CHensoku dropped;
            dropped.Serialize(ar);
            ar.ForgetObjectsSince(mark);
        } else {
            m_hensoku.Serialize(ar);
        }
    }

    // 20. Layout words.
    if (v >= kVerLayoutWords) {
        for (int i = 0; i < 4; ++i) {
            Exchange(ar, m_layoutWords[static_cast<std::size_t>(i)]);
        }
        Exchange(ar, m_layoutDword);
        Exchange(ar, m_layoutWords[4]);
    }

    // 21. Paper font.
    if (v >= kVerPaperFont) {
        SerializeFields<RawFont::kWidth>(ar, kPaperFontFields, *this);
    }
}

} // namespace tembra
