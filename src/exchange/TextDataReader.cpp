#include "exchange/TextDataReader.h"

#include "document/RecordCast.h"
#include "document/TembraDoc.h"
#include "exchange/ExchangeSupport.h"
#include "model/ConfigPath.h"
#include "model/Utility.h"
#include "platform/Archive.h"
#include "platform/Exception.h"
#include "platform/NumberText.h"
#include "platform/Sjis.h"
#include "platform/StringTable.h"
#include "platform/Ui.h"
#include "print/PrNewText.h"

#include <array>
#include <cctype>
#include <charconv>
#include <cstdio>
#include <optional>

namespace tembra {

using Exchange::J;

namespace {

constexpr int kMaxVersion = 9999;
constexpr int kMaxRows = 150;
constexpr int kMaxFileRow = Exchange::kLastFileRow;
constexpr int kMaxColumn = 10;
constexpr int kMaxLevels = 10;
constexpr int kMaxCharSize = 999;
constexpr int kMinNodeSize = 1;
constexpr int kMaxNodeSize = 1000;
constexpr COLORREF kMaxColor = 0xFFFFFF;
constexpr std::int64_t kNoonSeconds = 12 * 3600;

// Record kinds (field 0) and sub-kinds (field 1).
enum Kind : int { kSettings = 1, kHeaderText = 2, kProcess = 3, kEvent = 4, kItems = 5 };

// The flags of the on/off fields of terms and events, and of item cells.
constexpr WORD kFlagFrame = 0x2;   // 囲み
constexpr WORD kFlagOutline = 0x1; // 白抜
constexpr WORD kFlagBold = 0x4;    // 強調
constexpr WORD kFlagVertical = 0x1000;

// The coded fields (strict integers) and what they store.
constexpr std::array<WORD, 10> kProcessStyles{2, 3, 4, 5, 6, 5, 0x180, 0x280, 0x380, 0x140};
constexpr int kGateStyle = 4;
constexpr int kRelationStyle = 5;
constexpr int kFirstFillStyle = 6;
constexpr int kLastFillStyle = 9;
constexpr int kLineTypes = 6;
constexpr std::array<short, 3> kLineWidths{1, 0, 2};
constexpr std::array<WORD, 9> kFillPatterns{999, 100, 99, 3, 4, 5, 2, 0, 1};
constexpr std::array<WORD, 14> kNodeShapes{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 15, 0x109, 0x209};
constexpr std::array<WORD, 2> kNodeConnections{0, 0x80};
constexpr int kAlignments = 3;
constexpr std::array<WORD, 3> kVerticalPositions{0x100, 0, 0x200};

struct PaperName {
    const char* name;
    int paper;
    int orientation; // -1: the chart's own
};
constexpr std::array<PaperName, 6> kPapers{{
    {"A4", kPaperA4, -1},
    {"B4", kPaperB4, -1},
    {"A3", kPaperA3, -1},
    {"A3TATE", kPaperA3Tate, 1},
    {"A2", kPaperA2, -1},
    {"A1", kPaperA1, -1},
}};

struct ColorName {
    const char* name;
    COLORREF color;
};
constexpr std::array<ColorName, 6> kColors{{
    {"Black", 0x000000},
    {"Red", 0x0000FF},
    {"Green", 0x00FF00},
    {"Magenta", 0xFF00FF},
    {"Cyan", 0xFFFF00},
    {"Yellow", 0x00FFFF},
}};

// The faces of the font fields "0" and "1".
const char* const kMinchoFace = "ＭＳ 明朝";
const char* const kGothicFace = "ＭＳ ゴシック";

bool IsLeadingBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::string TrimLeading(const std::string& line) {
    std::size_t i = 0;
    while (i < line.size() && IsLeadingBlank(line[i])) {
        ++i;
    }
    return line.substr(i);
}

bool IsComment(const std::string& line) {
    return line.empty() || line[0] == ';';
}

// A strict coded field within 0..count - 1.
std::optional<int> Code(const std::string& field, int count) {
    const int v = CTextDataReader::ParseInt(field);
    if (v < 0 || v >= count) {
        return std::nullopt;
    }
    return v;
}

// An on/off field: the flag's bit, or 0.
std::optional<WORD> Flag(const std::string& field, WORD bit) {
    const std::optional<int> v = Code(field, 2);
    if (!v) {
        return std::nullopt;
    }
    return static_cast<WORD>(*v != 0 ? bit : 0);
}

} // namespace

CTextDataReader::CTextDataReader(CArchive& ar)
    : m_archive(ar), m_document(dynamic_cast<CTembraDoc*>(ar.m_pDocument)) {}

// ---- Field conversions --------------------------------------------------------------------------

CTextDataReader::Fields CTextDataReader::SplitFields(std::string_view line, char separator) {
    Fields fields(1);
    bool quoted = false;
    bool afterQuote = false;
    for (std::size_t i = 0; i < line.size();) {
        const std::size_t n = Sjis::CharLength(line, i);
        const char c = line[i];
        if (n == 1 && c == '"') {
            if (!quoted && afterQuote) {
                fields.back() += '"';
            }
            quoted = !quoted;
            afterQuote = true;
        } else {
            afterQuote = false;
            if (n == 1 && c == separator && !quoted) {
                fields.emplace_back();
            } else {
                fields.back().append(line.substr(i, n));
            }
        }
        i += n;
    }
    return fields;
}

int CTextDataReader::ParseInt(std::string_view field) {
    int value = 0;
    const char* begin = field.data();
    const char* end = field.data() + field.size();
    const auto [stop, error] = std::from_chars(begin, end, value);
    if (error != std::errc() || stop != end) {
        return -1;
    }
    // Exactly as "%d" prints it: no leading zero, no "+", no "-0".
    char printed[16];
    const int length = std::snprintf(printed, sizeof printed, "%d", value);
    return std::string_view(printed, static_cast<std::size_t>(length)) == field ? value : -1;
}

int CTextDataReader::PlainInt(std::string_view field) {
    return NumberText::AtoI(field);
}

bool CTextDataReader::ParseDate(std::string_view field, CTime& date) {
    const Fields parts = SplitFields(field, '/');
    if (parts.size() != 3) {
        return false;
    }
    const int year = PlainInt(parts[0]);
    const int month = PlainInt(parts[1]);
    const int day = PlainInt(parts[2]);
    if (year < kMinDateYear || year > kMaxDateYear || month < 1 || month > 12 || day < 1 ||
        day > GetDaysInMonth(year, month)) {
        return false;
    }
    date = CTime(year, month, day);
    return true;
}

bool CTextDataReader::ParseRow(std::string_view field, int lastRow, int& row) {
    const long long r = static_cast<long long>(PlainInt(field)) - 1;
    if (r < 0 || r >= lastRow) {
        return false;
    }
    row = static_cast<int>(r);
    return true;
}

bool CTextDataReader::ParseColor(std::string_view field, COLORREF& color) {
    for (const ColorName& entry : kColors) {
        if (Sjis::EqualsNoCase(field, entry.name)) {
            color = entry.color;
            return true;
        }
    }
    const int v = PlainInt(field);
    if (v < 0 || static_cast<COLORREF>(v) > kMaxColor) {
        return false;
    }
    color = static_cast<COLORREF>(v);
    return true;
}

bool CTextDataReader::ParseFontName(std::string_view field, LOGFONT& font) {
    switch (ParseInt(field)) {
    case 0:
        font.SetFaceName(J(kMinchoFace));
        break;
    case 1:
        font.SetFaceName(J(kGothicFace));
        break;
    default:
        font.SetFaceName(field);
        break;
    }
    return true;
}

bool CTextDataReader::ParseCharSize(std::string_view field, LOGFONT& font) {
    const int size = PlainInt(field);
    if (size < 1 || size > kMaxCharSize) {
        return false;
    }
    font.lfHeight = -size;
    return true;
}

// ---- Lines --------------------------------------------------------------------------------------

BOOL CTextDataReader::ReadHeader() {
    std::string header;
    std::string line;
    try {
        while (m_archive.ReadString(line)) {
            ++m_lineNumber;
            const std::string trimmed = TrimLeading(line);
            if (!IsComment(trimmed)) {
                header = trimmed;
                break;
            }
        }
    } catch (const CException&) {
        // A file that cannot be read to its first line says so, as a damaged file.
        Exchange::ReportDamagedFile(m_archive.m_strFileName);
        return FALSE;
    }
    const Fields fields = SplitFields(header, ',');
    bool valid = fields.size() >= 3 && ParseInt(fields[0]) == 0 &&
                 (fields[1] == "TEMBRA_TXT" || fields[1] == "KELVA_TXT");
    if (valid) {
        m_version = PlainInt(fields[2]);
        valid = m_version >= 0 && m_version <= kMaxVersion;
    }
    if (!valid) {
        AfxMessageBox(IDS_TEXT_DATA_REFUSED, MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    }
    return TRUE;
}

BOOL CTextDataReader::ReadBody() {
    if (m_document == nullptr) {
        return FALSE;
    }
    std::string line;
    while (m_archive.ReadString(line)) {
        ++m_lineNumber;
        const std::string trimmed = TrimLeading(line);
        if (IsComment(trimmed)) {
            continue;
        }
        if (!ReadRecord(trimmed)) {
            ReportLineError(trimmed);
        }
    }
    // The relation lines attached to the processes they link, once every process is there, and
    // the spans of every process from its dates.
    m_document->GetKouteiChains().PropagateKankei();
    m_document->GetUndoHistory().Reset();
    for (POSITION pos = m_document->GetHeadObjPosition(); pos != nullptr;) {
        if (CKoutei* process = AsKoutei(m_document->GetNextObj(pos))) {
            process->RecalcDuration(&m_document->GetSeams().Koutei(), CTime(0), FALSE);
        }
    }
    return TRUE;
}

void CTextDataReader::ReportLineError(const std::string& line) {
    const std::string text =
        FormatString(LoadString(IDS_TEXT_DATA_BAD_LINE), {std::to_string(m_lineNumber), line});
    if (Ui().MessageBox(text, MB_YESNO | MB_ICONQUESTION, IDS_TEXT_DATA_BAD_LINE) != IDYES) {
        AfxThrowUserException();
    }
}

BOOL CTextDataReader::ReadRecord(const std::string& line) {
    const Fields fields = SplitFields(line, ',');
    if (fields.size() < 2) {
        return FALSE;
    }
    const int kind = ParseInt(fields[0]);
    const int sub = ParseInt(fields[1]);
    switch (kind) {
    case kSettings:
        switch (sub) {
        case 0:
            return ReadPaper(fields);
        case 1:
            return ReadPeriod(fields);
        case 2:
            return ReadRows(fields);
        case 3:
            return ReadHolidays(fields);
        case 4:
            return ReadItemWidth(fields);
        default:
            return FALSE;
        }
    case kHeaderText:
        return ReadHeaderText(fields, sub);
    case kProcess:
        switch (sub) {
        case 0:
            return ReadProcess(fields);
        case 1:
            return ReadNodes(fields);
        case 2:
            return ReadTerm(fields);
        default:
            return FALSE;
        }
    case kEvent:
        return sub == 0 ? ReadEvent(fields) : FALSE;
    case kItems:
        switch (sub) {
        case 0:
            return ReadItemLevels(fields);
        case 1:
            return ReadItemCell(fields);
        default:
            return FALSE;
        }
    default:
        return FALSE;
    }
}

void CTextDataReader::RecalcDateLabels() {
    CSyokiSet& settings = m_document->GetSyokiSet();
    settings.SetOption1(0);
    settings.SetOption2(0);
    settings.CalcDateThinning();
}

// ---- Settings -----------------------------------------------------------------------------------

BOOL CTextDataReader::ReadPaper(const Fields& fields) {
    if (fields.size() < 3) {
        return FALSE;
    }
    const PaperName* found = nullptr;
    for (const PaperName& entry : kPapers) {
        if (fields[2] == entry.name) {
            found = &entry;
        }
    }
    if (found == nullptr) {
        return FALSE;
    }
    CSyokiSet& settings = m_document->GetSyokiSet();
    CPageSetting& page = settings.GetPageSetting();
    const std::filesystem::path layout = ConfigPathToFs(settings.GetPath().GetLayoutFilePath());
    page.SetPaper(found->paper, found->orientation >= 0 ? found->orientation : page.GetMuki(),
                  layout);
    m_document->GetPrHeader().InitFromSettings(m_document, page.GetPaper(), layout, TRUE);
    return TRUE;
}

BOOL CTextDataReader::ReadPeriod(const Fields& fields) {
    CTime start;
    CTime end;
    if (fields.size() < 5 || !ParseDate(fields[2], start) || !ParseDate(fields[3], end)) {
        return FALSE;
    }
    const std::optional<int> clear = Code(fields[4], 2);
    if (!clear) {
        return FALSE;
    }
    if (*clear == 1) {
        CCalendar& calendar = m_document->GetWorkCalendar();
        for (CTime day = start; day < end; day += CTimeSpan(1, 0, 0, 0)) {
            calendar.SetDayFlag(day.GetTime(), 0);
        }
    }
    if (start > end) {
        std::swap(start, end);
    }
    CSyokiSet& settings = m_document->GetSyokiSet();
    settings.SetStartDate(start);
    settings.SetEndDate(end);
    RecalcDateLabels();
    return TRUE;
}

BOOL CTextDataReader::ReadRows(const Fields& fields) {
    int last = 0;
    if (fields.size() < 3 || !ParseRow(fields[2], kMaxRows, last)) {
        return FALSE;
    }
    CSyokiSet& settings = m_document->GetSyokiSet();
    settings.SetFirstRow(0);
    settings.SetLastRow(static_cast<WORD>(last));
    return TRUE;
}

BOOL CTextDataReader::ReadHolidays(const Fields& fields) {
    CCalendar& calendar = m_document->GetWorkCalendar();
    for (std::size_t i = 2; i < fields.size(); ++i) {
        if (fields[i].empty()) {
            continue;
        }
        CTime date;
        if (!ParseDate(fields[i], date)) {
            return FALSE; // the days before it on the line stay marked
        }
        calendar.SetDayFlag(date.GetTime(), 32);
    }
    return TRUE;
}

BOOL CTextDataReader::ReadItemWidth(const Fields& fields) {
    if (fields.size() < 4) {
        return FALSE;
    }
    const std::optional<int> unit = Code(fields[2], 2);
    if (!unit) {
        return FALSE;
    }
    CPageSetting& page = m_document->GetSyokiSet().GetPageSetting();
    const long long paperWidth = page.GetPaperSize().cx;
    const long long value = PlainInt(fields[3]);
    const long long width = *unit == 0 ? paperWidth * value / 100 : value;
    if (width < 1 || width > paperWidth / 2) {
        return FALSE;
    }
    page.SetLeftWidth(static_cast<int>(width));
    RecalcDateLabels();
    return TRUE;
}

BOOL CTextDataReader::ReadHeaderText(const Fields& fields, int subKind) {
    if (fields.size() < 3) {
        return FALSE;
    }
    CPrHeader& header = m_document->GetPrHeader();
    switch (subKind) {
    case 0:
        header.SetTitleText(fields[2]);
        return TRUE;
    case 1:
        if (CPrNewText* element = header.FindElementByText(J("作業所名"))) {
            element->SetContents(fields[2]);
        }
        return TRUE;
    default:
        return FALSE;
    }
}

// ---- Processes ----------------------------------------------------------------------------------

BOOL CTextDataReader::ReadProcess(const Fields& fields) {
    m_current = nullptr;
    if (fields.size() < 12) {
        return FALSE;
    }
    const std::optional<int> style = Code(fields[2], static_cast<int>(kProcessStyles.size()));
    CTime start;
    CTime end;
    int startRow = 0;
    int endRow = 0;
    if (!style || !ParseDate(fields[3], start) || !ParseDate(fields[4], end) ||
        !ParseRow(fields[5], kMaxFileRow, startRow) || !ParseRow(fields[6], kMaxFileRow, endRow)) {
        return FALSE;
    }
    int labelRow = 0;
    if (*style == kGateStyle && !ParseRow(fields[7], kMaxFileRow, labelRow)) {
        return FALSE;
    }
    const std::optional<int> type = Code(fields[8], kLineTypes);
    const std::optional<int> width = Code(fields[9], static_cast<int>(kLineWidths.size()));
    if (!type || !width) {
        return FALSE;
    }
    std::optional<int> fill;
    if (*style >= kFirstFillStyle && *style <= kLastFillStyle) {
        fill = Code(fields[10], static_cast<int>(kFillPatterns.size()));
        if (!fill) {
            return FALSE;
        }
    }
    COLORREF color = 0;
    if (!ParseColor(fields[11], color)) {
        return FALSE;
    }

    CChartPos pos;
    pos.SetStartDate(start);
    pos.SetEndDate(end);
    pos.SetStartRow(static_cast<WORD>(startRow));
    pos.SetEndRow(static_cast<WORD>(endRow));
    std::unique_ptr<CKoutei> process = m_document->CreateKoutei(&pos, TRUE);
    if (process == nullptr) {
        AfxThrowUserException();
    }
    CKouteiLines* lines = process->GetLines();
    CKouteiAttr& attr = lines->GetAttr();
    attr.m_style = kProcessStyles[static_cast<std::size_t>(*style)];
    if (*style == kGateStyle) {
        lines->SetBendOffset(static_cast<short>(labelRow - startRow));
    }
    process->SetRelationLine(static_cast<WORD>(*style == kRelationStyle ? 1 : 0));
    if (*style == kRelationStyle) {
        // The processes it links: the last added of those that meet it, relation lines passed
        // over. Its nodes name them by their own numbers, as every relation line's nodes do.
        const CKoutei* predecessor = m_ends.EndingAt(start, startRow);
        const CKoutei* successor = m_ends.StartingAt(end, endRow);
        if (predecessor != nullptr) {
            const CObSeqNumber& number = predecessor->GetSeqNumber();
            process->SetStartLandNo(number.GetHigh(), number.GetLow());
            process->GetStartLand()->SetShape(predecessor->GetEndLand()->GetShape());
            process->GetStartLand()->SetSize(predecessor->GetEndLand()->GetSize());
        }
        if (successor != nullptr) {
            const CObSeqNumber& number = successor->GetSeqNumber();
            process->SetEndLandNo(number.GetHigh(), number.GetLow());
            process->GetEndLand()->SetShape(successor->GetStartLand()->GetShape());
            process->GetEndLand()->SetSize(successor->GetStartLand()->GetSize());
        }
    }
    attr.m_type = static_cast<WORD>(*type);
    attr.m_width = kLineWidths[static_cast<std::size_t>(*width)];
    if (fill) {
        attr.m_hatch = kFillPatterns[static_cast<std::size_t>(*fill)];
    }
    attr.m_color = color;
    m_current = process.get();
    m_ends.Add(*process);
    m_document->AddObj(process.release(), FALSE);
    return TRUE;
}

BOOL CTextDataReader::ReadNodes(const Fields& fields) {
    if (m_current == nullptr) {
        return TRUE; // a node line without its process line is taken and does nothing
    }
    if (fields.size() < 10) {
        return FALSE;
    }
    for (const auto& [land, first] : {std::pair{m_current->GetStartLand(), std::size_t{2}},
                                      std::pair{m_current->GetEndLand(), std::size_t{6}}}) {
        const std::optional<int> shape = Code(fields[first], static_cast<int>(kNodeShapes.size()));
        const std::optional<int> connection =
            Code(fields[first + 1], static_cast<int>(kNodeConnections.size()));
        // The size is checked as written, before it is cut to the node's 16 bits.
        const int size = PlainInt(fields[first + 2]);
        COLORREF color = 0;
        if (!shape || !connection || size < kMinNodeSize || size > kMaxNodeSize ||
            !ParseColor(fields[first + 3], color)) {
            return FALSE; // a bad end node leaves the start node changed
        }
        CLandAttr attr = land->GetAttr();
        attr.m_style = kNodeShapes[static_cast<std::size_t>(*shape)];
        attr.m_type = kNodeConnections[static_cast<std::size_t>(*connection)];
        attr.m_size = static_cast<WORD>(size);
        attr.m_color = color;
        land->SetAttr(attr);
    }
    return TRUE;
}

BOOL CTextDataReader::ReadTerm(const Fields& fields) {
    if (m_current == nullptr) {
        return TRUE;
    }
    if (fields.size() < 13) {
        return FALSE;
    }
    LOGFONT font = m_document->GetSyokiSet().GetChart().GetYogoAttr().GetLogFont();
    const std::optional<int> wordA = Code(fields[5], 3);
    const std::optional<int> align = Code(fields[6], kAlignments);
    const std::optional<WORD> frame = Flag(fields[7], kFlagFrame);
    const std::optional<WORD> outline = Flag(fields[8], kFlagOutline);
    const std::optional<WORD> bold = Flag(fields[9], kFlagBold);
    const std::optional<WORD> vertical = Flag(fields[10], kFlagVertical);
    const std::optional<int> wordB = Code(fields[11], 2);
    COLORREF color = 0;
    if (!ParseFontName(fields[2], font) || !ParseCharSize(fields[3], font) || !wordA || !align ||
        !frame || !outline || !bold || !vertical || !wordB || !ParseColor(fields[12], color)) {
        return FALSE;
    }
    std::unique_ptr<CYogo> term = m_document->GetTerms().CreateYogo();
    if (term == nullptr) {
        AfxThrowUserException();
    }
    term->SetText(fields[4]);
    CElemAttr& attr = term->GetAttr();
    term->SetDateKind(static_cast<WORD>(*wordA));
    attr.m_linkPosition = static_cast<short>(*wordB);
    term->SetLogFont(font);
    attr.m_ownFont = 1;
    attr.m_form = static_cast<WORD>(*align);
    attr.m_attrb = static_cast<WORD>(*frame | *outline | *bold | *vertical);
    attr.m_color = color;
    // The 31st term is refused with the process's message; the line is taken all the same.
    m_current->AddYogo(term, TRUE);
    return TRUE;
}

// ---- Events and items ---------------------------------------------------------------------------

BOOL CTextDataReader::ReadEvent(const Fields& fields) {
    if (fields.size() < 13) {
        return FALSE;
    }
    CTime date;
    int row = 0;
    LOGFONT font = m_document->GetSyokiSet().GetEvent().GetLogFont();
    const std::optional<int> align = Code(fields[7], kAlignments);
    const std::optional<WORD> frame = Flag(fields[8], kFlagFrame);
    const std::optional<WORD> outline = Flag(fields[9], kFlagOutline);
    const std::optional<WORD> bold = Flag(fields[10], kFlagBold);
    const std::optional<WORD> vertical = Flag(fields[11], kFlagVertical);
    COLORREF color = 0;
    if (!ParseDate(fields[2], date) || !ParseRow(fields[3], kMaxFileRow, row) ||
        !ParseFontName(fields[4], font) || !ParseCharSize(fields[5], font) || !align || !frame ||
        !outline || !bold || !vertical || !ParseColor(fields[12], color)) {
        return FALSE;
    }
    std::unique_ptr<CEvent> event = m_document->GetEvents().CreateEvent();
    if (event == nullptr) {
        AfxThrowUserException();
    }
    event->SetText(fields[6]);
    event->SetStartDate(date + CTimeSpan(kNoonSeconds));
    event->SetStartRow(static_cast<WORD>(row));
    event->SetLogFont(font);
    event->SetOwnFont(true);
    event->SetForm(static_cast<WORD>(*align));
    event->SetStyle(static_cast<WORD>(*frame | *outline | *bold | *vertical));
    event->SetColor(color);
    m_document->AddObj(event.release(), FALSE);
    return TRUE;
}

BOOL CTextDataReader::ReadItemLevels(const Fields& fields) {
    if (fields.size() < 3) {
        return FALSE;
    }
    const int levels = PlainInt(fields[2]);
    if (levels < 1 || levels > kMaxLevels) {
        return FALSE;
    }
    // The heights of all levels but the last, which takes what they leave of 100 percent. A
    // missing or empty field, a height below 1 or heights of 100 percent or more keep none.
    std::vector<int> heights;
    int sum = 0;
    bool read = true;
    for (int level = 0; level + 1 < levels; ++level) {
        const std::size_t at = 3 + static_cast<std::size_t>(level);
        if (at >= fields.size() || fields[at].empty()) {
            read = false;
            break;
        }
        const int height = PlainInt(fields[at]);
        if (height < 1 || height >= 100 - sum) {
            read = false;
            break;
        }
        sum += height;
        heights.push_back(height);
    }
    CKoumoku& table = *m_document->GetKoumoku();
    table.SetLevelCount(levels);
    if (read) {
        heights.push_back(100 - sum);
        for (std::size_t level = 0; level < heights.size(); ++level) {
            table.SetLevelHeight(static_cast<int>(level), static_cast<WORD>(heights[level]));
        }
    }
    return TRUE;
}

BOOL CTextDataReader::ReadItemCell(const Fields& fields) {
    if (fields.size() < 11) {
        return FALSE;
    }
    int row = 0;
    const int column = PlainInt(fields[3]);
    LOGFONT font = m_document->GetSyokiSet().GetChart().GetKoumokuAttr().GetLogFont();
    const std::optional<int> align = Code(fields[7], kAlignments);
    const std::optional<int> vertical =
        Code(fields[8], static_cast<int>(kVerticalPositions.size()));
    const std::optional<WORD> bold = Flag(fields[9], CKoumokuData::kBold);
    COLORREF color = 0;
    if (!ParseRow(fields[2], kMaxFileRow, row) || column < 1 || column > kMaxColumn ||
        !ParseFontName(fields[4], font) || !ParseCharSize(fields[5], font) || !align || !vertical ||
        !bold || !ParseColor(fields[10], color)) {
        return FALSE;
    }
    CKoumokuData* cell = m_document->GetKoumokuCells().GetKoumokuCell(row, column - 1);
    if (cell == nullptr) {
        cell = m_document->GetKoumokuCells().CreateKoumokuData(row, column - 1);
    }
    if (cell == nullptr) {
        AfxThrowUserException();
    }
    cell->SetText(fields[6]);
    cell->SetLogFont(font);
    cell->SetOwnFont(1);
    cell->SetFormat(static_cast<WORD>(*align));
    cell->SetFlags(
        static_cast<WORD>(*bold | kVerticalPositions[static_cast<std::size_t>(*vertical)]));
    cell->SetColor(color);
    return TRUE;
}

} // namespace tembra
