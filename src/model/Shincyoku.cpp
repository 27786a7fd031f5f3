#include "model/Shincyoku.h"

#include "model/DamagedFile.h"
#include "model/Utility.h"
#include "platform/Document.h"
#include "platform/Sjis.h"

#include <algorithm>
#include <utility>

namespace tembra {

namespace {

// The document's progress-line settings, or the built-in ones when the archive has no
// document that offers them.
const CConfigShin& ShinConfigOf(const CArchive& ar, CConfigShin& fallback) {
    if (const auto* document = ar.GetDocumentSeam<const IShincyokuDocument>()) {
        return document->GetShinConfig();
    }
    fallback.Read(FALSE);
    return fallback;
}

bool IsRow(int row) {
    return row >= 0 && row <= CShincyoku::kMaxRow;
}

} // namespace

// ---- CShinPoint -----------------------------------------------------------------------------

IMPLEMENT_SERIAL(CShinPoint, CObject, 1)

void CShinPoint::Serialize(CArchive& ar) {
    CObject::Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_date;
    } else {
        ar >> m_date;
        m_value = 0;
    }
}

// ---- CShinLabelAttr -------------------------------------------------------------------------

void CShinLabelAttr::SetText(std::string_view text) {
    const std::size_t nul = text.find('\0');
    if (nul != std::string_view::npos) {
        text = text.substr(0, nul);
    }
    m_text = Sjis::Cut(text, kTextCapacity);
}

// ---- CShincyoku -----------------------------------------------------------------------------

IMPLEMENT_SERIAL(CShincyoku, CDataHeader, 1)

CShincyoku::CShincyoku() : CDataHeader(kTypeShincyoku, kKindShincyoku) {}

CShincyoku::~CShincyoku() = default;

void CShincyoku::CopyFrom(const CShincyoku& other) {
    if (this == &other) {
        return;
    }
    CDataHeader::operator=(other);
    m_lineAttr = other.m_lineAttr;
    m_labelAttr = other.m_labelAttr;
    // The font goes with the own-font flag of the label attributes: a copy that kept the flag
    // without the font would draw its labels in an empty font.
    m_font = other.m_font;
    m_date = other.m_date;
    std::vector<std::unique_ptr<CShinPoint>> points;
    points.reserve(other.m_points.size());
    for (const auto& point : other.m_points) {
        points.push_back(point ? std::make_unique<CShinPoint>(*point) : nullptr);
    }
    m_points = std::move(points);
}

CShinPoint* CShincyoku::GetPoint(int row) {
    return row >= 0 && row < GetPointCount() ? m_points[row].get() : nullptr;
}

const CShinPoint* CShincyoku::GetPoint(int row) const {
    return row >= 0 && row < GetPointCount() ? m_points[row].get() : nullptr;
}

CTime CShincyoku::GetPointDate(int row) const {
    const CShinPoint* point = GetPoint(row);
    if (point != nullptr && point->GetDate().GetTime() != 0) {
        return point->GetDate();
    }
    return m_date;
}

CShinPoint* CShincyoku::EnsurePoint(int row) {
    if (row >= GetPointCount()) {
        m_points.resize(static_cast<std::size_t>(row) + 1);
    }
    if (!m_points[row]) {
        m_points[row] = std::make_unique<CShinPoint>();
    }
    return m_points[row].get();
}

// The entry stays in the array as a null: the later rows keep their points.
void CShincyoku::DeletePoint(int row) {
    if (row >= 0 && row < GetPointCount()) {
        m_points[row].reset();
    }
}

BOOL CShincyoku::SetPointDate(int row, CTime date) {
    if (!IsRow(row)) {
        return FALSE;
    }
    CShinPoint* point = EnsurePoint(row);
    if (date != m_date) {
        point->SetDate(date);
        point->SetValue(0);
    } else {
        DeletePoint(row);
    }
    return TRUE;
}

short CShincyoku::GetPointValue(int row) const {
    const CShinPoint* point = GetPoint(row);
    return point != nullptr ? point->GetValue() : 0;
}

void CShincyoku::SetPointValue(int row, short value) {
    if (!IsRow(row)) {
        return;
    }
    CShinPoint* point = GetPoint(row);
    if (point == nullptr) {
        if (value == 0) {
            return;
        }
        point = EnsurePoint(row);
    }
    point->SetValue(value);
    if (value == 0 && (point->GetDate().GetTime() == 0 || point->GetDate() == m_date)) {
        DeletePoint(row);
    }
}

int CShincyoku::FindJoinAbove(int row, int firstRow) const {
    const int stop = std::max(firstRow, row - static_cast<int>(m_lineAttr.m_linked));
    for (int r = row - 1; r >= stop; --r) {
        if (IsOffReference(r)) {
            return r;
        }
    }
    return -1;
}

int CShincyoku::FindJoinBelow(int row, int lastRow) const {
    const int stop = std::min(lastRow, row + static_cast<int>(m_lineAttr.m_linked));
    for (int r = row + 1; r <= stop; ++r) {
        if (IsOffReference(r)) {
            return r;
        }
    }
    return -1;
}

BOOL CShincyoku::FormatDateLabel(int row, std::string& text) const {
    const CShinPoint* point = GetPoint(row);
    if (point == nullptr) {
        return FALSE;
    }
    text = point->GetDate().Format(FormatDateTokens(m_labelAttr.m_text));
    return TRUE;
}

void CShincyoku::StorePoints(CArchive& ar) const {
    ar.WriteCount(static_cast<DWORD>(m_points.size()));
    for (const auto& point : m_points) {
        ar.WriteObject(point.get());
    }
}

// Every point must be null or an object read here for the first time: a second reference to
// one point would give it two owners.
std::vector<std::unique_ptr<CShinPoint>> CShincyoku::LoadPoints(CArchive& ar) const {
    const DWORD count = ar.ReadCount();
    if (count > static_cast<DWORD>(kMaxRow) + 1) {
        FailDamagedFile();
    }
    std::vector<std::unique_ptr<CShinPoint>> points;
    points.reserve(count);
    for (DWORD i = 0; i < count; ++i) {
        points.push_back(ar.ReadOwnedOrNull<CShinPoint>());
    }
    return points;
}

// Load:
//  - below 58000 the file holds no label settings: the font, the date format and the first
//    three label values come from the document's progress-line settings, the own-font flag
//    and the fourth value (date labels shown) are 0;
//  - from 58000 a line without its own font takes the settings' font; the date format is cut
//    to its field.
// A point count beyond the rows a chart can hold fails the load as a damaged file. The line
// takes what it read only when the whole record was read.
void CShincyoku::Serialize(CArchive& ar) {
    CDataHeader::Serialize(ar);
    const int version = ArchiveVersion(ar);

    if (ar.IsStoring()) {
        StorePoints(ar);
        ar << m_date;
        ar << m_lineAttr.m_style << m_lineAttr.m_subStyle << m_lineAttr.m_type
           << static_cast<WORD>(m_lineAttr.m_width) << static_cast<DWORD>(m_lineAttr.m_color)
           << m_lineAttr.m_linked;
        m_reserved.fill(0);
        ar.Write(m_reserved.data(), kReservedSize);
        if (version < kShincyokuLabelVersion) {
            return;
        }
        ar << static_cast<WORD>(m_labelAttr.m_ownFont);
        if (m_labelAttr.m_ownFont != 0) {
            LogFont16::Store(ar, m_font);
        }
        ar << static_cast<DWORD>(m_labelAttr.m_dateColor)
           << static_cast<DWORD>(m_labelAttr.m_dateValue1)
           << static_cast<DWORD>(m_labelAttr.m_dateValue2)
           << static_cast<DWORD>(m_labelAttr.m_dateDisp);
        ar << m_labelAttr.m_text;
        return;
    }

    std::vector<std::unique_ptr<CShinPoint>> points = LoadPoints(ar);
    CTime date;
    ar >> date;
    CShinLineAttr lineAttr;
    WORD width = 0;
    DWORD color = 0;
    ar >> lineAttr.m_style >> lineAttr.m_subStyle >> lineAttr.m_type >> width >> color >>
        lineAttr.m_linked;
    lineAttr.m_width = static_cast<short>(width);
    lineAttr.m_color = color;
    std::array<BYTE, kReservedSize> reserved{};
    ar.ReadExact(reserved.data(), kReservedSize);

    CConfigShin fallback;
    const CConfigShin& settings = ShinConfigOf(ar, fallback);
    CShinLabelAttr labelAttr;
    LOGFONT font = settings.GetLogFont();
    if (version >= kShincyokuLabelVersion) {
        WORD ownFont = 0;
        ar >> ownFont;
        labelAttr.m_ownFont = static_cast<short>(ownFont);
        if (ownFont != 0) {
            font = LogFont16::Load(ar);
        }
        DWORD values[4] = {};
        for (DWORD& v : values) {
            ar >> v;
        }
        labelAttr.m_dateColor = values[0];
        labelAttr.m_dateValue1 = static_cast<LONG>(values[1]);
        labelAttr.m_dateValue2 = static_cast<LONG>(values[2]);
        labelAttr.m_dateDisp = static_cast<LONG>(values[3]);
        std::string text;
        ar >> text;
        labelAttr.SetText(text);
    } else {
        labelAttr.m_dateColor = settings.GetDateColor();
        labelAttr.m_dateValue1 = settings.GetDateValue1();
        labelAttr.m_dateValue2 = settings.GetDateValue2();
        labelAttr.SetText(settings.GetDateFormat());
    }

    m_points = std::move(points);
    m_date = date;
    m_lineAttr = lineAttr;
    m_reserved = reserved;
    m_labelAttr = std::move(labelAttr);
    m_font = font;
}

} // namespace tembra
