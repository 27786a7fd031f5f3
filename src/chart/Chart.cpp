#include "chart/Chart.h"

#include "model/Utility.h"
#include "platform/Document.h"
#include "platform/Ui.h"
#include "shapes/Zukei.h"
#include "shapes/ZukeiGroup.h"
#include "shapes/ZukeiString.h"

#include <new>
#include <utility>

namespace tembra {

IMPLEMENT_SERIAL(CChart, CDataHeader, 1)

namespace {

constexpr UINT IDS_NO_SHAPE_DATA = 5021;
constexpr char kDefaultSeparator = ':';

// The font of the scale and of the day totals, as a new chart has it.
LOGFONT DefaultChartFont() {
    LOGFONT font;
    EnumFontFaces(font, std::nullopt, -32, 16);
    return font;
}

// The attribute record of the totals block.
constexpr CZukeiAttr kLabelAttr{14, kPlaceOnChart, 0, -3, 0, 100, 0, 1};
// Its frame: drawing style 3, a box.
constexpr short kLabelStyleNo = 3;
constexpr WORD kLabelFrameKind = kZukeiBox;

// A copy of every shape of a list (a shape whose copy cannot be made is left out: Clone has
// reported it).
void CloneShapes(const std::vector<std::unique_ptr<CZukei>>& from,
                 std::vector<std::unique_ptr<CZukei>>& to) {
    to.clear();
    to.reserve(from.size());
    for (const std::unique_ptr<CZukei>& shape : from) {
        if (shape != nullptr) {
            if (std::unique_ptr<CZukei> copy = shape->Clone()) {
                to.push_back(std::move(copy));
            }
        }
    }
}

void StoreShapes(CArchive& ar, const std::vector<std::unique_ptr<CZukei>>& shapes) {
    ar.WriteCount(static_cast<DWORD>(shapes.size()));
    for (const std::unique_ptr<CZukei>& shape : shapes) {
        ar.WriteObject(shape.get());
    }
}

void LoadShapes(CArchive& ar, std::vector<std::unique_ptr<CZukei>>& shapes) {
    shapes.clear();
    const DWORD count = ar.ReadCount();
    for (DWORD i = 0; i < count; ++i) {
        shapes.push_back(ar.ReadOwned<CZukei>());
    }
}

} // namespace

CChart::CChart() : CDataHeader(kTypeChart, kKindChart) {
    m_scaleFont = DefaultChartFont();
    ResetTotalsBlock();
}

CChart::~CChart() {
    // The series last first, then the shapes, the buffers and the totals block.
    while (!m_series.empty()) {
        m_series.pop_back();
    }
    m_shapes.clear();
    ClearDayValues();
    m_labels.clear();
}

void CChart::ResetPurposeBlock() {
    m_purpose = kPurposeNone;
    m_maxValue = 0;
    m_pointMode = kPointStandard;
    m_ignoreHoliday = 1;
}

void CChart::ResetTotalsBlock() {
    m_options = 0;
    m_totalsFont = DefaultChartFont();
    m_totalsColor = 0;
    m_labelPos = kLabelFree;
    // Put together, not assigned from a literal: GCC 12 warns wrongly about that assignment.
    m_separator = std::string(1, kDefaultSeparator);
}

void CChart::SetKind() {
    CDataHeader::SetKind(kKindChart);
}

CChart& CChart::operator=(const CChart& other) {
    if (this == &other) {
        return *this;
    }
    CDataHeader::operator=(other);
    m_graphType = other.m_graphType;
    m_scaleFont = other.m_scaleFont;
    m_scaleStep = other.m_scaleStep;
    m_topRow = other.m_topRow;
    m_bottomRow = other.m_bottomRow;
    m_purpose = other.m_purpose;
    m_maxValue = other.m_maxValue;
    m_pointMode = other.m_pointMode;
    m_ignoreHoliday = other.m_ignoreHoliday;
    m_options = other.m_options;
    m_totalsFont = other.m_totalsFont;
    m_totalsColor = other.m_totalsColor;
    m_displayNames = other.m_displayNames;
    m_labelPos = other.m_labelPos;
    m_separator = other.m_separator;
    m_series.clear();
    m_series.reserve(other.m_series.size());
    for (const std::unique_ptr<CDispSetData>& series : other.m_series) {
        m_series.push_back(std::make_unique<CDispSetData>(*series));
    }
    CloneShapes(other.m_shapes, m_shapes);
    CloneShapes(other.m_labels, m_labels);
    return *this;
}

// ---- File form ----------------------------------------------------------------------------------

void CChart::Serialize(CArchive& ar) {
    CDataHeader::Serialize(ar);
    const int version = ArchiveVersion(ar);
    const bool purposeBlock = version >= kPurposeVersion;
    const bool totalsBlock = version >= kTotalsVersion;
    if (ar.IsStoring()) {
        ar << static_cast<WORD>(m_graphType);
        LogFont16::Store(ar, m_scaleFont);
        ar << static_cast<WORD>(m_scaleStep) << m_topRow << m_bottomRow;
        if (purposeBlock) {
            ar << m_purpose << m_maxValue << m_pointMode << m_ignoreHoliday;
        }
        if (totalsBlock) {
            ar << m_options;
            LogFont16::Store(ar, m_totalsFont);
            ar << static_cast<DWORD>(m_totalsColor) << m_labelPos << m_separator;
            StoreShapes(ar, m_labels);
            ar.WriteCount(static_cast<DWORD>(m_displayNames.size()));
            for (const std::string& name : m_displayNames) {
                ar << name;
            }
        }
        ar.WriteCount(static_cast<DWORD>(m_series.size()));
        for (const std::unique_ptr<CDispSetData>& series : m_series) {
            ar.WriteObject(series.get());
        }
        StoreShapes(ar, m_shapes);
        return;
    }

    WORD graphType = 0;
    WORD scaleStep = 0;
    ar >> graphType;
    m_graphType = graphType;
    m_scaleFont = LogFont16::Load(ar);
    ar >> scaleStep >> m_topRow >> m_bottomRow;
    m_scaleStep = scaleStep;
    ResetPurposeBlock();
    if (purposeBlock) {
        ar >> m_purpose >> m_maxValue >> m_pointMode >> m_ignoreHoliday;
    }
    ResetTotalsBlock();
    m_labels.clear();
    m_displayNames.clear();
    if (totalsBlock) {
        DWORD color = 0;
        ar >> m_options;
        m_totalsFont = LogFont16::Load(ar);
        ar >> color >> m_labelPos >> m_separator;
        m_totalsColor = color;
        LoadShapes(ar, m_labels);
        const DWORD names = ar.ReadCount();
        for (DWORD i = 0; i < names; ++i) {
            std::string name;
            ar >> name;
            m_displayNames.push_back(std::move(name));
        }
    }
    m_series.clear();
    const DWORD count = ar.ReadCount();
    for (DWORD i = 0; i < count; ++i) {
        m_series.push_back(ar.ReadOwned<CDispSetData>());
    }
    LoadShapes(ar, m_shapes);
}

// ---- Series -------------------------------------------------------------------------------------

void CChart::SetSeriesCount(int n) {
    const std::size_t count = n > 0 ? static_cast<std::size_t>(n) : 0;
    while (m_series.size() > count) {
        m_series.pop_back();
    }
    m_series.reserve(count);
    while (m_series.size() < count) {
        m_series.push_back(std::make_unique<CDispSetData>());
    }
}

CDispSetData* CChart::GetSeries(int i) const {
    if (i < 0 || static_cast<std::size_t>(i) >= m_series.size()) {
        return nullptr;
    }
    return m_series[static_cast<std::size_t>(i)].get();
}

LONG CChart::IsSeriesShown(int i) const {
    const CDispSetData* series = GetSeries(i);
    return series != nullptr ? series->GetSlot() : 0;
}

void CChart::SetSeriesShown(int i, LONG shown) {
    if (CDispSetData* series = GetSeries(i)) {
        series->SetSlot(shown);
    }
}

COLORREF CChart::GetSeriesLineColor(int i) const {
    const CDispSetData* series = GetSeries(i);
    return series != nullptr ? series->GetLineColor() : 0;
}

void CChart::SetSeriesLineColor(int i, COLORREF color) {
    if (CDispSetData* series = GetSeries(i)) {
        series->SetLineColor(color);
    }
}

COLORREF CChart::GetSeriesPatternColor(int i) const {
    const CDispSetData* series = GetSeries(i);
    return series != nullptr ? series->GetPatternColor() : 0;
}

void CChart::SetSeriesPatternColor(int i, COLORREF color) {
    if (CDispSetData* series = GetSeries(i)) {
        series->SetPatternColor(color);
    }
}

LONG CChart::GetSeriesPattern(int i) const {
    const CDispSetData* series = GetSeries(i);
    return series != nullptr ? series->GetPattern() : 0;
}

void CChart::SetSeriesPattern(int i, LONG pattern) {
    if (CDispSetData* series = GetSeries(i)) {
        series->SetPattern(pattern);
    }
}

short CChart::GetSeriesLineType(int i) const {
    const CDispSetData* series = GetSeries(i);
    return series != nullptr ? series->GetLineType() : 0;
}

void CChart::SetSeriesLineType(int i, short type) {
    if (CDispSetData* series = GetSeries(i)) {
        series->SetLineType(type);
    }
}

short CChart::GetSeriesLineWidth(int i) const {
    const CDispSetData* series = GetSeries(i);
    return series != nullptr ? series->GetLineWidth() : 0;
}

void CChart::SetSeriesLineWidth(int i, short width) {
    if (CDispSetData* series = GetSeries(i)) {
        series->SetLineWidth(width);
    }
}

WORD CChart::CountShownSeries() const {
    WORD count = 0;
    for (const std::unique_ptr<CDispSetData>& series : m_series) {
        if (series->GetSlot() != 0) {
            ++count;
        }
    }
    return count;
}

LONG CChart::SlotOfResource(int r) const {
    const CDispSetData* series = GetSeries(r - 1);
    return series != nullptr ? series->GetSlot() : 0;
}

// ---- Shapes -------------------------------------------------------------------------------------

CZukeiGroup* CChart::GetGroup(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= m_shapes.size()) {
        return nullptr;
    }
    return DynamicDowncast<CZukeiGroup>(m_shapes[static_cast<std::size_t>(index)].get());
}

CZukeiString* CChart::GetLabel() const {
    return m_labels.empty() ? nullptr : DynamicDowncast<CZukeiString>(m_labels.front().get());
}

BOOL CChart::EnsureLabel() {
    if (!m_labels.empty()) {
        return TRUE;
    }
    try {
        auto label = std::make_unique<CZukeiString>();
        label->CDataHeader::SetKind(kZukeiFramedString);
        label->SetAttr(kLabelAttr);
        label->SetStyleNo(kLabelStyleNo);
        label->SetFrameKind(kLabelFrameKind);
        CTextAttr& text = label->GetTextAttr();
        text.m_form = 0;
        text.m_attrb = 0;
        text.m_color = 0;
        LOGFONT font;
        EnumFontFaces(font, std::nullopt, -32, 0);
        label->SetFont(font);
        m_labels.insert(m_labels.begin(), std::move(label));
    } catch (const std::bad_alloc&) {
        AfxMessageBox(IDS_NO_SHAPE_DATA);
        return FALSE;
    }
    return TRUE;
}

// ---- Selection ----------------------------------------------------------------------------------

void CChart::Select() {
    SetSelected(1);
    if (const CZukeiGroup* frame = GetGroup(kGroupFrame)) {
        if (CZukei* box = frame->GetMember(0)) {
            box->SetSelected(1);
        }
    }
}

void CChart::Deselect() {
    SetSelected(0);
    if (const CZukeiGroup* frame = GetGroup(kGroupFrame)) {
        if (CZukei* box = frame->GetMember(0)) {
            box->SetSelected(0);
        }
    }
}

} // namespace tembra
