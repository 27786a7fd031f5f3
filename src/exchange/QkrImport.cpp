#include "exchange/QkrImport.h"

#include "document/DocFileRequests.h"
#include "document/RecordCast.h"
#include "document/TembraDoc.h"
#include "exchange/AsciiLineFile.h"
#include "exchange/ExchangeSupport.h"
#include "exchange/KouteiEndIndex.h"
#include "model/Utility.h"
#include "platform/NumberText.h"
#include "platform/Sjis.h"
#include "print/PrNewText.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tembra {

using Exchange::J;

namespace {

constexpr UINT IDS_OPEN_TITLE = 61440;
constexpr const char* kTag = "QKRTOOL_ASC";
constexpr double kMinVersion = 3.0;
constexpr int kEndMark = -9999;
constexpr int kHolidaysPerLine = 10;
constexpr BYTE kHolidayFlag = 0x20;
constexpr std::size_t kFaceBytes = 127;
constexpr std::size_t kTextBytes = 511;
constexpr std::size_t kEventTextBytes = 49;
constexpr WORD kQkrLayer = 15;
constexpr WORD kNodeForm = 15;
constexpr WORD kNodeSize = 100;
constexpr WORD kLargeNodeSize = 200;
constexpr WORD kRelationStyle = 5;
constexpr WORD kCrankStyle = 4;
constexpr WORD kGateStyle = 6;
constexpr WORD kReversedSubStyle = 2;
constexpr WORD kFreeForm = 3;
constexpr LONG kEventOffset = 50;
constexpr int kHeaderLines = 12;
constexpr long kDefaultPeriod = 105;

// The print header's input areas that header lines 3 to 12 fill, in order.
constexpr std::array<const char*, 10> kHeaderNames{"建築主", "設計",   "監理", "建築地", "構造",
                                                   "建面積", "延面積", "階数", "着工",   "竣工"};

// The period's day flag and scale factor, by its length in days (the first row whose limit the
// length stays below).
struct PeriodScale {
    long below;
    int dayFlag;
    double factor;
};
constexpr std::array<PeriodScale, 10> kPeriodScales{{
    {18, 1, 8.0},
    {28, 1, 5.0},
    {46, 1, 3.0},
    {81, 1, 2.0},
    {158, 1, 1.0},
    {310, 1, 0.5},
    {570, 1, 0.25},
    {913, 0, 4.5},
    {1461, 0, 3.0},
    {0, 0, 2.0}, // 1461 days and more
}};

// The first list of a line: every value from its start (a "=" of a text later on the line
// must not move where the numbers are looked for).
ParsePos Start(const std::string& prefixed) {
    return std::string_view(prefixed);
}
std::string Prefixed(const std::string& line) {
    return "=" + line;
}

// The date of a year and a seconds offset from its first day; nothing outside the calendar.
std::optional<CTime> DateOf(long long year, long long seconds) {
    if (year < 1 || year > 9999) {
        return std::nullopt;
    }
    const CTime first(static_cast<int>(year), 1, 1);
    const long long limit = 400LL * 366 * kDaySeconds;
    if (seconds < -limit || seconds > limit) {
        return std::nullopt;
    }
    const CTime date = first + CTimeSpan(seconds);
    if (date < GetMinDate() || date >= GetMaxDate() + CTimeSpan(kDaySeconds)) {
        return std::nullopt;
    }
    return date;
}

class QkrReader {
public:
    QkrReader(CTembraDoc& document, CAsciiLineFile& file, DWORD flags)
        : m_document(document), m_file(file), m_flags(flags) {
        // The chart's processes come first, in the order of its list.
        for (POSITION pos = document.GetHeadObjPosition(); pos != nullptr;) {
            if (const CKoutei* process = AsKoutei(document.GetNextObj(pos))) {
                m_ends.Add(*process);
            }
        }
    }

    int Read();

private:
    // The next line; false (and the file marked as ended early) at its end.
    bool Next(std::string& line);
    // Lines up to and including the first whose leading number is -9999.
    bool SkipSection();
    bool ReadHolidays(long long firstYear, long long years, long long count);
    bool ReadProcesses(long long firstYear);
    bool ReadProcessLine(const std::string& line, long long firstYear, long long unit,
                         long long divisions);
    // The node forms and the term of a process of kind 1, from its term line.
    void ReadProcessTerm(CKoutei& process, const std::string& termLine, long long divisions);
    // The nodes take the form of the process ending where this one starts and of the one
    // starting where it ends; with numbers, the process joins them (a relation line).
    void JoinNeighbours(CKoutei& process, const CTime& startDate, int startRow,
                        const CTime& endDate, int endRow, bool numbers);
    bool ReadItems();
    bool ReadEvents();
    bool ReadHeader();
    void PlaceTerms(double factor, int dayFlag);

    CTembraDoc& m_document;
    CAsciiLineFile& m_file;
    DWORD m_flags;
    std::vector<CKoutei*> m_added;
    // Where the chart's processes start and end: of several, the first in the list.
    CKouteiEndIndex m_ends{CKouteiEndIndex::Keep::First};
    int m_skipped = 0;
    bool m_cut = false;
};

bool QkrReader::Next(std::string& line) {
    if (!m_file.ReadLine(line)) {
        m_cut = true;
        return false;
    }
    return true;
}

bool QkrReader::SkipSection() {
    std::string line;
    while (Next(line)) {
        if (NumberText::AtoI(line) == kEndMark) {
            return true;
        }
    }
    return false;
}

int QkrReader::Read() {
    std::string line;
    const std::size_t tag = m_file.ReadLine(line, CAsciiLineFile::kFirstLineBytes)
                                ? Sjis::Find(line, kTag)
                                : std::string::npos;
    if (tag == std::string::npos) {
        AfxMessageBox(IDS_QKR_NOT_QKR, MB_OK | MB_ICONEXCLAMATION);
        return 0;
    }
    const double version = NumberText::StrToD(std::string_view(line).substr(tag + 11));
    if (!(version >= kMinVersion)) {
        AfxMessageBox(IDS_QKR_OLD_VERSION, MB_OK | MB_ICONEXCLAMATION);
        return 0;
    }
    const auto body = [&]() {
        std::string years;
        std::string first;
        std::string holidays;
        if (!Next(years) || !Next(first) || !Next(holidays)) {
            return;
        }
        const long long firstYear = NumberText::AtoI(first);
        if (!ReadHolidays(firstYear, NumberText::AtoI(years), NumberText::AtoI(holidays))) {
            return;
        }
        if (!((m_flags & kQkrProcesses) != 0 ? ReadProcesses(firstYear) : SkipSection())) {
            return;
        }
        if (!((m_flags & kQkrItems) != 0 ? ReadItems() : SkipSection())) {
            return;
        }
        if (!((m_flags & kQkrEvents) != 0 ? ReadEvents() : SkipSection())) {
            return;
        }
        if (!ReadHeader()) {
            return;
        }
        std::string period;
        if (!Next(period)) {
            return;
        }
        long days = NumberText::AtoI(period);
        if (days < 2) {
            days = kDefaultPeriod;
        }
        CSyokiSet& settings = m_document.GetSyokiSet();
        const CTime end = settings.GetStartDate() + CTimeSpan(days - 1, 0, 0, 0);
        settings.SetEndDate(std::min(end, GetMaxDate()));
        settings.SetOption1(0);
        settings.SetOption2(0);
        settings.CalcDateThinning();
        const PeriodScale* scale = &kPeriodScales.back();
        for (const PeriodScale& entry : kPeriodScales) {
            if (entry.below != 0 && days < entry.below) {
                scale = &entry;
                break;
            }
        }
        PlaceTerms(scale->factor, scale->dayFlag);
    };
    body();
    Exchange::ReportImportProblems(m_skipped, m_cut);
    return 1;
}

bool QkrReader::ReadHolidays(long long firstYear, long long years, long long count) {
    const bool take = (m_flags & kQkrCalendar) != 0;
    CCalendar& calendar = m_document.GetWorkCalendar();
    if (take && years > 0) {
        // The working days of the file's years, as far as the calendar holds them.
        const long long from = std::clamp<long long>(firstYear, kMinDateYear, kMaxDateYear + 1);
        const long long to =
            std::clamp<long long>(firstYear + years, kMinDateYear, kMaxDateYear + 1);
        const CTime end(static_cast<int>(to), 1, 1);
        for (CTime day(static_cast<int>(from), 1, 1); day < end; day += CTimeSpan(1, 0, 0, 0)) {
            calendar.SetDayFlag(day.GetTime(), 0);
        }
    }
    long long left = std::max<long long>(count, 0);
    std::string line;
    while (left > 0) {
        if (!Next(line)) {
            return false;
        }
        std::array<int, kHolidaysPerLine> days{};
        const std::string prefixed = Prefixed(line);
        ParseIntList(Start(prefixed), days);
        const long long n = std::min<long long>(left, kHolidaysPerLine);
        left -= n;
        if (!take) {
            continue;
        }
        for (long long i = 0; i < n; ++i) {
            const std::optional<CTime> date =
                DateOf(firstYear, (static_cast<long long>(days[static_cast<std::size_t>(i)]) - 1) *
                                      kDaySeconds);
            if (date) {
                calendar.SetDayFlag(date->GetTime(), kHolidayFlag);
            }
        }
    }
    return true;
}

bool QkrReader::ReadProcesses(long long firstYear) {
    std::string line;
    if (!Next(line)) {
        return false;
    }
    const long long divisions = std::max(NumberText::AtoI(line), 1);
    const long long unit = kDaySeconds / divisions;
    if (!Next(line)) {
        return false;
    }
    // The term font: face, size in points, a number not used, the bold flag.
    std::string face;
    std::array<double, 1> size{};
    std::array<int, 2> rest{};
    ParseIntList(ParseDoubleList(ParseQuotedString(line, face, kFaceBytes), size), rest);
    CElemAttr& termAttr = m_document.GetSyokiSet().GetChart().GetYogoAttr();
    LOGFONT font = termAttr.GetLogFont();
    const double height = size[0] * 254.0 / 72.0;
    const double whole = std::floor(height);
    font.lfHeight = Exchange::Trunc(height - whole >= 0.5 ? whole + 1 : whole);
    font.lfWidth = std::abs(font.lfHeight) / 2;
    font.SetFaceName(face);
    termAttr.SetLogFont(font);
    if (rest[1] != 0) {
        termAttr.m_attrb |= kLabelBold;
    } else {
        termAttr.m_attrb &= static_cast<WORD>(~kLabelBold);
    }
    for (;;) {
        if (!Next(line)) {
            return false;
        }
        if (NumberText::AtoI(line) == kEndMark) {
            return true;
        }
        if (!ReadProcessLine(line, firstYear, unit, divisions)) {
            return false;
        }
    }
}

bool QkrReader::ReadProcessLine(const std::string& line, long long firstYear, long long unit,
                                long long divisions) {
    // kind, start unit, end unit, (unused), start row, end row, bend row, line type; colour.
    std::array<int, 8> v{};
    std::array<LONG, 1> color{};
    const std::string prefixed = Prefixed(line);
    ParseLongList(ParseIntList(Start(prefixed), v), color);
    const int kind = v[0];
    // A process of kind 1 brings its term line, which is read whatever becomes of the process.
    std::string termLine;
    if (kind == 1 && !Next(termLine)) {
        return false;
    }
    std::optional<CTime> start = DateOf(firstYear, (static_cast<long long>(v[1]) - 1) * unit);
    std::optional<CTime> end = DateOf(firstYear, static_cast<long long>(v[2]) * unit);
    int startRow = v[4];
    int endRow = v[5];
    const int bendRow = v[6];
    if (!start || !end || !Exchange::IsFileRow(startRow) || !Exchange::IsFileRow(endRow)) {
        ++m_skipped;
        return true;
    }
    const bool reversed = *start > *end;
    if (reversed) {
        std::swap(start, end);
        std::swap(startRow, endRow);
    }
    CChartPos pos;
    pos.SetStartDate(*start);
    pos.SetEndDate(*end);
    pos.SetStartRow(static_cast<WORD>(startRow - 1));
    pos.SetEndRow(static_cast<WORD>(endRow - 1));
    std::unique_ptr<CKoutei> process = m_document.CreateKoutei(&pos, TRUE);
    if (process == nullptr) {
        return true; // the line is dropped
    }
    process->SetLayer(kQkrLayer);
    CKouteiLines* lines = process->GetLines();
    CKouteiAttr& attr = lines->GetAttr();
    attr.m_subStyle = 0;
    attr.m_width = 0;
    attr.m_color = static_cast<COLORREF>(color[0]);
    const int type = v[7];
    attr.m_type = static_cast<WORD>(type >= 0 && type <= 4 ? type : 0);
    if (type == 5) {
        attr.m_width = 2;
    }
    CLand* startLand = process->GetStartLand();
    CLand* endLand = process->GetEndLand();
    for (CLand* land : {startLand, endLand}) {
        land->SetShape(kNodeForm);
        land->SetSubStyle(0);
        land->SetSize(kNodeSize);
    }
    // The gate turns at the bend row; a bend row between the ends makes a crank.
    const auto bendStyle = [&] {
        if (bendRow > std::min(startRow, endRow) && bendRow < std::max(startRow, endRow)) {
            attr.m_style = kCrankStyle;
        } else {
            attr.m_style = kGateStyle;
            lines->SetBendOffset(static_cast<short>(bendRow - startRow));
        }
    };
    const auto neighbours = [&](bool numbers) {
        JoinNeighbours(*process, *start, startRow, *end, endRow, numbers);
    };
    switch (kind) {
    case 1: {
        bendStyle();
        if (reversed) {
            attr.m_subStyle = kReversedSubStyle;
        }
        ReadProcessTerm(*process, termLine, divisions);
        break;
    }
    case 2:
        process->SetRelationLine(1);
        attr.m_style = kRelationStyle;
        neighbours(true);
        break;
    case 4:
        attr.m_style = kRelationStyle;
        if (reversed) {
            attr.m_subStyle = kReversedSubStyle;
        }
        neighbours(false);
        break;
    default:
        bendStyle();
        if (reversed) {
            attr.m_subStyle = kReversedSubStyle;
        }
        neighbours(false);
        break;
    }
    process->RecalcDuration(&m_document.GetSeams().Koutei(), CTime(0), FALSE);
    m_added.push_back(process.get());
    m_ends.Add(*process);
    m_document.AddObj(process.release(), TRUE);
    return true;
}

void QkrReader::ReadProcessTerm(CKoutei& process, const std::string& termLine,
                                long long divisions) {
    // Start and end node forms, marks and end shapes; the text; the offsets.
    std::array<int, 6> forms{};
    std::string text;
    std::array<int, 2> offset{};
    const std::string prefixedTerm = Prefixed(termLine);
    ParseIntList(ParseQuotedString(ParseIntList(Start(prefixedTerm), forms), text, kTextBytes),
                 offset);
    for (const auto& [land, i] : {std::pair{process.GetStartLand(), std::size_t{0}},
                                  std::pair{process.GetEndLand(), std::size_t{1}}}) {
        switch (forms[i]) {
        case 0:
            land->SetShape(0);
            break;
        case 1:
            land->SetShape(0);
            land->SetSize(kLargeNodeSize);
            break;
        case 2:
            land->SetShape(1);
            break;
        default:
            break;
        }
        switch (forms[2 + i]) {
        case 1:
            land->SetShape(2);
            break;
        case 2:
            land->SetShape(1);
            break;
        default:
            break;
        }
        switch (forms[4 + i]) {
        case 2:
            land->SetShape(0);
            land->SetSubStyle(0x81);
            break;
        case 3:
            land->SetShape(0);
            land->SetSubStyle(0x82);
            break;
        default:
            break;
        }
    }
    std::unique_ptr<CYogo> term = m_document.GetTerms().CreateYogo();
    if (term != nullptr) {
        term->SetLayer(0);
        CElemAttr& a = term->GetAttr();
        a.m_fontHeigh = 1;
        a.m_fontWidth = 1;
        a.m_form = kFreeForm;
        a.m_color = 0;
        a.m_attrb = 0;
        term->SetDateKind(kYogoOnLine);
        a.SetOffset(0);
        a.SetOffsetY(0);
        a.SetDrawerX(0);
        a.SetDrawerY(0);
        const int x = offset[0];
        const int y = offset[1];
        if (x == 0 && (y == 0 || y == 1)) {
            a.m_form = 1;
            if (y == 1) {
                a.m_linkPosition = 1;
            }
        } else {
            const auto within = [](long long v) {
                return static_cast<LONG>(std::clamp<long long>(v, std::numeric_limits<LONG>::min(),
                                                               std::numeric_limits<LONG>::max()));
            };
            a.SetOffset(within(static_cast<long long>(x) * 100 / divisions));
            a.SetOffsetY(within(static_cast<long long>(y) * -100));
        }
        term->SetText(text);
        process.AddYogo(term, TRUE);
    }
}

void QkrReader::JoinNeighbours(CKoutei& process, const CTime& startDate, int startRow,
                               const CTime& endDate, int endRow, bool numbers) {
    CLand* startLand = process.GetStartLand();
    CLand* endLand = process.GetEndLand();
    if (const CKoutei* before = m_ends.EndingAt(startDate, startRow - 1)) {
        if (numbers) {
            const CObSeqNumber& n = before->GetSeqNumber();
            process.SetStartLandNo(n.GetHigh(), n.GetLow());
        }
        startLand->SetShape(before->GetEndLand()->GetShape());
        startLand->SetSize(before->GetEndLand()->GetSize());
    }
    if (const CKoutei* after = m_ends.StartingAt(endDate, endRow - 1)) {
        if (numbers) {
            const CObSeqNumber& n = after->GetSeqNumber();
            process.SetEndLandNo(n.GetHigh(), n.GetLow());
        }
        endLand->SetShape(after->GetStartLand()->GetShape());
        endLand->SetSize(after->GetStartLand()->GetSize());
    }
}

bool QkrReader::ReadItems() {
    std::string line;
    if (!Next(line)) {
        return false;
    }
    std::string face;
    ParseQuotedString(line, face, kFaceBytes);
    CConfigChart& chart = m_document.GetSyokiSet().GetChart();
    LOGFONT font = chart.GetKoumokuAttr().GetLogFont();
    font.SetFaceName(face);
    chart.SetKoumokuFont(font);
    for (;;) {
        if (!Next(line)) {
            return false;
        }
        if (NumberText::AtoI(line) == kEndMark) {
            return true;
        }
        // Row; the text; two numbers not used, the bold flag, the alignment.
        std::array<int, 1> row{};
        std::string text;
        std::array<int, 4> rest{};
        const std::string prefixed = Prefixed(line);
        ParseIntList(ParseQuotedString(ParseIntList(Start(prefixed), row), text, kTextBytes), rest);
        if (!Exchange::IsFileRow(row[0])) {
            ++m_skipped;
            continue;
        }
        CKoumokuData* cell = m_document.GetKoumokuCells().GetKoumokuCell(row[0] - 1, 0);
        if (cell == nullptr) {
            cell = m_document.GetKoumokuCells().CreateKoumokuData(row[0] - 1, 0);
        }
        if (cell == nullptr) {
            return false; // its message has been shown
        }
        cell->SetLayer(0);
        cell->SetSize(0x0101);
        constexpr std::array<WORD, 3> kFormats{CKoumokuData::kLeft, CKoumokuData::kRight,
                                               CKoumokuData::kCenter};
        const int align = rest[3];
        cell->SetFormat(align >= 0 && align <= 2 ? kFormats[static_cast<std::size_t>(align)]
                                                 : WORD{CKoumokuData::kLeft});
        cell->SetColor(0);
        cell->SetFlags(rest[2] == 1 ? CKoumokuData::kBold : WORD{0});
        cell->SetText(text);
    }
}

bool QkrReader::ReadEvents() {
    std::string line;
    if (!Next(line)) {
        return false;
    }
    const int eventRow = NumberText::AtoI(line);
    for (;;) {
        if (!Next(line)) {
            return false;
        }
        if (NumberText::AtoI(line) == kEndMark) {
            return true;
        }
        std::array<int, 2> group{};
        const std::string prefixed = Prefixed(line);
        ParseIntList(Start(prefixed), group);
        const long long year = group[0];
        for (int i = 0; i < group[1]; ++i) {
            if (!Next(line)) {
                return false;
            }
            std::array<int, 1> day{};
            std::string first;
            std::string second;
            const std::string prefixedEvent = Prefixed(line);
            ParseQuotedString(
                ParseQuotedString(ParseIntList(Start(prefixedEvent), day), first, kEventTextBytes),
                second, kEventTextBytes);
            const std::optional<CTime> date =
                DateOf(year, (static_cast<long long>(day[0]) - 1) * kDaySeconds);
            if (!date || !Exchange::IsFileRow(eventRow)) {
                ++m_skipped;
                continue;
            }
            const auto add = [&](const std::string& text, WORD form, LONG offset) -> CEvent* {
                std::unique_ptr<CEvent> event = m_document.GetEvents().CreateEvent();
                if (event == nullptr) {
                    return nullptr;
                }
                event->SetLayer(kQkrLayer);
                event->SetStartDate(*date);
                event->SetStartRow(static_cast<WORD>(eventRow - 1));
                event->SetForm(form);
                event->SetStyle(kEventVertical);
                event->SetOffset(offset, 0);
                event->SetText(text);
                CEvent* added = event.get();
                m_document.AddObj(event.release(), FALSE);
                return added;
            };
            CEvent* firstEvent = add(first, kEventFormCenter, kEventOffset);
            if (!second.empty()) {
                if (firstEvent != nullptr) {
                    firstEvent->SetForm(kEventFormLeft);
                    firstEvent->SetOffset(0, 0);
                }
                add(second, kEventFormLeft, kEventOffset);
            }
        }
    }
}

bool QkrReader::ReadHeader() {
    const bool take = (m_flags & kQkrHeader) != 0;
    CPrHeader& header = m_document.GetPrHeader();
    std::string line;
    for (int i = 0; i < kHeaderLines; ++i) {
        if (!Next(line)) {
            return false;
        }
        std::string text;
        ParseQuotedString(line, text, kTextBytes);
        if (!take || text.empty() || i == 1) {
            continue;
        }
        for (const auto& element : header.GetElementList()) {
            auto* field = dynamic_cast<CPrNewText*>(element.get());
            if (field == nullptr) {
                continue;
            }
            const int kind = field->GetKind();
            if (i == 0 ? kind == kPrKindTitle
                       : (kind == kPrKindInput || kind == kPrKindNamedInput) &&
                             field->GetText() == J(kHeaderNames[static_cast<std::size_t>(i - 2)])) {
                field->SetContents(text);
                break;
            }
        }
    }
    return true;
}

void QkrReader::PlaceTerms(double factor, int dayFlag) {
    // Only the processes this import made: the chart's own terms stay where they are.
    for (CKoutei* process : m_added) {
        if (process->GetLines()->GetAttr().m_style == kRelationStyle ||
            process->GetYogoCount() < 1) {
            continue;
        }
        CYogo* term = process->GetYogo(0);
        if (term == nullptr || term->GetAttr().m_form != kFreeForm) {
            continue;
        }
        long long shift =
            Exchange::Trunc(static_cast<double>(term->GetText().size()) / 4.0 * 100.0 / factor);
        if (dayFlag == 0) {
            shift *= 30;
        }
        const long long offset = term->GetAttr().GetOffset() - shift;
        term->GetAttr().SetOffset(static_cast<LONG>(std::clamp<long long>(
            offset, std::numeric_limits<LONG>::min(), std::numeric_limits<LONG>::max())));
    }
}

} // namespace

int ReadQkrAscii(CTembraDoc& document, CAsciiLineFile& file, DWORD flags) {
    QkrReader reader(document, file, flags);
    return reader.Read();
}

int ImportQkrAscii(CTembraDoc& document, DWORD flags) {
    FileDialogRequest request;
    request.titleId = IDS_OPEN_TITLE;
    request.open = true;
    request.filter = FileDialogRequest::Filter::QkrAscii;
    if (Ui().RunDialog(request) != IDOK || request.path.empty()) {
        return 0;
    }
    CAsciiLineFile file;
    if (!file.Open(request.path, CAsciiLineFile::modeRead)) {
        return 0;
    }
    CWaitCursor wait;
    const int result = ReadQkrAscii(document, file, flags);
    file.Close();
    return result;
}

void OnQkrAsciiImport(CTembraDoc& document) {
    QkrImportSelectRequest select;
    select.flags = kQkrAll;
    if (Ui().RunDialog(select) != IDOK || select.flags == 0) {
        return;
    }
    document.GetUndoHistory().Reset();
    document.UnselectAll(TRUE);
    document.GetKoumokuCells().ClearSelectedKoumokuCells(TRUE);
    if (ImportQkrAscii(document, select.flags) == 1) {
        document.UpdateAllViews(nullptr);
        document.SetTitle();
        document.SetModifiedFlag(TRUE);
        document.SetChangedFlag(TRUE);
    }
}

} // namespace tembra
