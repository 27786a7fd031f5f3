#include "print/PrHeader.h"

#include "model/LayoutFile.h"
#include "model/Utility.h"
#include "platform/Document.h"
#include "platform/Sjis.h"
#include "print/PrLayout.h"
#include "print/PrNewLine.h"

#include <algorithm>
#include <iterator>

namespace tembra {

IMPLEMENT_SERIAL(CPrHeader, CObject, 2)

namespace {

// File versions at which fields of the header appear.
constexpr int kVersionOptions = 21000;     // the options beyond "Select"
constexpr int kVersionHolidayLine = 21001; // "HolidayLine"
constexpr int kVersionTexts = 30000;       // period and creation-date texts
constexpr int kVersionElements = 31000;    // local layout, layout name, free elements
constexpr int kVersionZoom = 32000;        // "ZoomPrinting", "CrossType", "ArcRay"
constexpr int kVersionWeekend = 40000;     // Saturday and Sunday colours
constexpr int kVersionLayoutKind = 51000;  // layout kind
constexpr int kVersionHatch = 52000;       // "Hatch"
constexpr int kVersionDots = 53000;        // the dotted ruled lines
constexpr int kVersionDotFlag32 = 56000;   // "KeisenDotFlag" as 32 bits

// The shading mode whose own colour files before 32000 keep.
constexpr short kAmikakeOwnColor = 3;

// The title input area of a safety-and-health plan layout.
constexpr std::string_view kTitleInputName = "010001";

bool IsKeptFileText(std::string_view name) {
    static constexpr std::string_view names[] = {"070002", "070003", "070006", "070007", "070008",
                                                 "080002", "080003", "080006", "090002", "090018"};
    return std::find(std::begin(names), std::end(names), name) != std::end(names);
}

// The rectangle of an element line: y negated, then moved to the margin corner unless it is all
// zero (an element that is never drawn).
CRect ElementRect(const CRect& fileRect, const CPoint& offset) {
    CRect rect(fileRect.left, -fileRect.top, fileRect.right, -fileRect.bottom);
    if (!rect.IsRectNull()) {
        rect.OffsetRect(-offset.x, -offset.y);
    }
    return rect;
}

std::unique_ptr<CPrNewText> MakeText(const LayoutTextEntry& e, int kind, const CPoint& offset) {
    LOGFONT font;
    EnumFontFaces(font, std::string_view(e.faceName), -e.fontHeight, e.fontWidth);
    return std::make_unique<CPrNewText>(kind, e.area, ElementRect(e.rect, offset), font, e.color,
                                        e.name, e.contents, e.vCenter, e.hCenter);
}

bool IsAreaShown(const CRect& area) {
    CRect r = area;
    NormalizeRect(r);
    return !r.IsRectEmpty();
}

// The old titles of the name-plate fields hold an ideographic space; the layouts name their
// input areas without it.
std::string OldFieldName(const std::string& title, bool second) {
    struct Rename {
        const char* from;
        const char* to;
    };
    static const Rename common[] = {{"設　計", "設計"}, {"監　理", "監理"}, {"構　造", "構造"}};
    static const Rename secondOnly[] = {{"承認印１", "承認印４"}, {"承認印２", "承認印５"}};
    for (const Rename& r : common) {
        if (title == Sjis::FromUtf8(r.from)) {
            return Sjis::FromUtf8(r.to);
        }
    }
    if (second) {
        for (const Rename& r : secondOnly) {
            if (title == Sjis::FromUtf8(r.from)) {
                return Sjis::FromUtf8(r.to);
            }
        }
    }
    return title;
}

} // namespace

CPrHeader::CPrHeader() {
    SetSelect(0);
    for (CPrHeaderBase& old : m_oldHeaders) {
        for (CPrElement& e : old.m_titles) {
            e.m_code = 0;
        }
        for (CPrElement& e : old.m_fields) {
            e.m_code = 0;
        }
    }
}

CPrHeader::~CPrHeader() = default;

// ---- Settings -------------------------------------------------------------------------------

void CPrHeader::CopyDefaultOptions() {
    const CConfigPrint& d = GetAppPrintConfig();
    SetKikan(d.GetKikan());
    SetToDay(d.GetToDay());
    SetAmikake(d.GetAmikake());
    SetKeisen(d.GetKeisen());
    SetColor(d.GetColor());
    SetVoldLineEx(d.GetVoldLineEx());
    SetAmikakeColor(d.GetAmikakeColor());
    SetHolidayLine(d.GetHolidayLine());
    SetZoomPrinting(d.GetZoomPrinting());
    SetCrossType(d.GetCrossType());
    SetArcRay(d.GetArcRay());
    SetSatdayColor(d.GetSatdayColor());
    SetSundayColor(d.GetSundayColor());
    SetLineRate(d.GetLineRate());
    SetHatch(d.GetHatch());
    SetKeisenDotFlag(d.GetKeisenDotFlag());
    SetKeisenDotWidth(d.GetKeisenDotWidth());
    SetKeisenDotItv(d.GetKeisenDotItv());
    SetKeisenDotLen(d.GetKeisenDotLen());
    SetKeisenDot2Width(d.GetKeisenDot2Width());
}

void CPrHeader::ClearItemTexts() {
    SetPeriodSetFlag(0);
    SetHeaderTexts({});
    SetDateSetFlag(0);
    SetHeaderTexts2({});
}

BOOL CPrHeader::InitFromSettings(CDocument* document, int paper,
                                 const std::filesystem::path& layoutPath, BOOL keepInputs) {
    SetLocalLayout(0);
    m_pDocument = document;
    CopyDefaultOptions();
    ClearItemTexts();
    return ReadLayoutIntoHeader(*this, paper, layoutPath, keepInputs);
}

void CPrHeader::CopyFrom(const CPrHeader& other) {
    if (&other == this) {
        return;
    }
    RemoveAllElements();
    Copy(other);
    SetLocalLayout(other.GetLocalLayout());
    m_layoutName = other.m_layoutName;
    m_layoutKind = other.m_layoutKind;
    m_pDocument = other.m_pDocument;
    // Each element is copied as what it is, whatever its kind says: a text whose kind reads
    // 0x1000 stays a text.
    for (const auto& element : other.m_elements) {
        m_elements.push_back(element->Clone());
    }
}

// ---- Elements -------------------------------------------------------------------------------

std::string CPrHeader::GetTitleText() const {
    const CPrNewElement* element =
        FindElement(m_layoutKind == 1 ? kPrKindNamedInput : kPrKindTitle);
    const auto* text = dynamic_cast<const CPrNewText*>(element);
    return text != nullptr ? text->GetContents() : std::string();
}

void CPrHeader::SetTitleText(const std::string& text) {
    if (auto* title = dynamic_cast<CPrNewText*>(FindElement(kPrKindTitle))) {
        title->SetContents(text);
    }
}

CPrNewElement* CPrHeader::FindElement(int kind) const {
    for (const auto& element : m_elements) {
        if (kind == kPrKindNamedInput) {
            const auto* text = dynamic_cast<const CPrNewText*>(element.get());
            if (text != nullptr && text->GetText() == kTitleInputName) {
                return element.get();
            }
        } else if (element->GetKind() == kind) {
            return element.get();
        }
    }
    return nullptr;
}

CPrNewText* CPrHeader::FindInputArea(std::string_view name) const {
    for (const auto& element : m_elements) {
        const int kind = element->GetKind();
        auto* text = dynamic_cast<CPrNewText*>(element.get());
        if (text != nullptr && (kind == kPrKindInput || kind == kPrKindNamedInput) &&
            text->GetText() == name) {
            return text;
        }
    }
    return nullptr;
}

CPrNewText* CPrHeader::FindElementByText(std::string_view text) const {
    for (const auto& element : m_elements) {
        auto* found = dynamic_cast<CPrNewText*>(element.get());
        if (found != nullptr && found->GetText() == text) {
            return found;
        }
    }
    return nullptr;
}

void CPrHeader::RemoveAllElements() {
    m_elements.clear();
}

void CPrHeader::AddElement(std::unique_ptr<CPrNewElement> element) {
    if (element) {
        m_elements.push_back(std::move(element));
    }
}

void CPrHeader::DrawElements(CDC* dc, const IPrLayout& layout) const {
    for (const auto& element : m_elements) {
        bool shown = false;
        switch (element->GetArea()) {
        case kPrAreaHeader:
            shown = true;
            break;
        case kPrAreaFooter:
            shown = IsAreaShown(layout.GetFixedBodyRect());
            break;
        case kPrAreaLeft:
            shown = IsAreaShown(layout.GetLeftArea());
            break;
        case kPrAreaRight:
            shown = IsAreaShown(layout.GetRightArea());
            break;
        default:
            break;
        }
        if (shown) {
            element->Draw(dc, layout, *this);
        }
    }
}

// ---- Old fixed headers ----------------------------------------------------------------------

void CPrHeader::MigrateOldHeader() {
    // "Select" names the old header in use; any other value than 1 is taken as the first.
    const CPrHeaderBase& inUse = m_oldHeaders[GetSelect() == 1 ? 1 : 0];
    if (auto* title = dynamic_cast<CPrNewText*>(FindElement(kPrKindTitle))) {
        title->SetContents(inUse.m_titles[0].m_value.m_text);
    }
    for (std::size_t h = 0; h < m_oldHeaders.size(); ++h) {
        const CPrHeaderBase& old = m_oldHeaders[h];
        const int count = std::clamp<int>(old.m_fieldCount, 0, CPrHeaderBase::kFieldCapacity);
        for (int i = 0; i < count; ++i) {
            const CPrElement& field = old.m_fields[static_cast<std::size_t>(i)];
            if (field.m_code == 0) {
                continue;
            }
            const std::string name = OldFieldName(field.m_title.m_text, h == 1);
            if (CPrNewText* input = FindInputArea(name)) {
                input->SetContents(field.m_value.m_text);
            }
        }
    }
}

// ---- Serialisation --------------------------------------------------------------------------

void CPrHeader::Serialize(CArchive& ar) {
    m_pDocument = ar.m_pDocument;
    const int version = ArchiveVersion(ar);
    if (ar.IsStoring()) {
        Store(ar, version);
    } else {
        Load(ar, version);
    }
}

// A header is stored with exactly the fields that a load of the same version reads, so that a
// file written in an older form reads back whole.
void CPrHeader::Store(CArchive& ar, int v) {
    ar << GetSelect();
    if (v >= kVersionOptions) {
        ar << GetKikan() << GetToDay() << GetAmikake() << GetKeisen()
           << static_cast<DWORD>(GetColor()) << GetVoldLineEx()
           << static_cast<DWORD>(GetAmikakeColor());
        if (v >= kVersionWeekend) {
            ar << static_cast<DWORD>(GetSatdayColor()) << static_cast<DWORD>(GetSundayColor());
        }
        if (v >= kVersionHolidayLine) {
            ar << GetHolidayLine();
        }
        if (v >= kVersionZoom) {
            ar << GetZoomPrinting() << GetCrossType() << GetArcRay();
        }
    }
    if (v >= kVersionTexts) {
        ar << GetPeriodSetFlag();
        for (const std::string& t : GetHeaderTexts()) {
            ar << t;
        }
        ar << GetDateSetFlag();
        for (const std::string& t : GetHeaderTexts2()) {
            ar << t;
        }
        if (v >= kVersionElements) {
            ar << GetLocalLayout() << m_layoutName;
        }
        if (v >= kVersionLayoutKind) {
            ar << m_layoutKind;
        }
        if (v >= kVersionHatch) {
            ar << static_cast<LONG>(GetHatch());
        }
        if (v >= kVersionDotFlag32) {
            ar << static_cast<LONG>(GetKeisenDotFlag());
        } else if (v >= kVersionDots) {
            ar << static_cast<short>(GetKeisenDotFlag());
        }
        if (v >= kVersionDots) {
            ar << GetKeisenDotWidth() << GetKeisenDotItv() << GetKeisenDotLen()
               << GetKeisenDot2Width();
        }
    }
    if (v >= kVersionElements) {
        ar.WriteCount(static_cast<DWORD>(m_elements.size()));
        for (const auto& element : m_elements) {
            ar.WriteObject(element.get());
        }
    } else {
        m_oldHeaders[0].Serialize(ar);
        m_oldHeaders[1].Serialize(ar);
    }
}

void CPrHeader::Load(CArchive& ar, int v) {
    const CConfigPrint& defaults = GetAppPrintConfig();
    if (v < kVersionElements) {
        // The elements of an old file come from the chart's layout; its texts are moved in.
        const auto* owner = DocumentSeam<const IPrHeaderOwner>(ar.m_pDocument);
        InitFromSettings(ar.m_pDocument, owner != nullptr ? owner->GetHeaderPaper() : 0,
                         owner != nullptr ? owner->GetHeaderLayoutPath() : std::filesystem::path(),
                         TRUE);
    }

    WORD select = 0;
    ar >> select;
    SetSelect(select);
    if (v < kVersionOptions) {
        CopyDefaultOptions();
        ClearItemTexts();
    } else {
        short s = 0;
        WORD w = 0;
        DWORD d = 0;
        ar >> s;
        SetKikan(s);
        ar >> w;
        SetToDay(w);
        ar >> s;
        SetAmikake(s);
        ar >> w;
        SetKeisen(w);
        ar >> d;
        SetColor(d);
        ar >> s;
        SetVoldLineEx(s);
        ar >> d;
        SetAmikakeColor(d);
        if (v >= kVersionWeekend) {
            ar >> d;
            SetSatdayColor(d);
            ar >> d;
            SetSundayColor(d);
        } else {
            SetSatdayColor(defaults.GetSatdayColor());
            SetSundayColor(defaults.GetSundayColor());
        }
        if (v >= kVersionHolidayLine) {
            ar >> s;
            SetHolidayLine(s);
        } else {
            SetHolidayLine(defaults.GetHolidayLine());
        }
        if (v >= kVersionZoom) {
            ar >> w;
            SetZoomPrinting(w);
            ar >> s;
            SetCrossType(s);
            ar >> s;
            SetArcRay(s);
        } else {
            SetZoomPrinting(defaults.GetZoomPrinting());
            SetCrossType(defaults.GetCrossType());
            SetArcRay(defaults.GetArcRay());
            if (GetAmikake() != kAmikakeOwnColor) {
                SetAmikakeColor(RGB(255, 0, 0));
            }
        }
    }

    if (v >= kVersionTexts) {
        short flag = 0;
        ar >> flag;
        SetPeriodSetFlag(flag);
        PeriodTexts period;
        for (std::string& t : period) {
            ar >> t;
        }
        SetHeaderTexts(period);
        ar >> flag;
        SetDateSetFlag(flag);
        DateTexts date;
        for (std::string& t : date) {
            ar >> t;
        }
        SetHeaderTexts2(date);

        if (v >= kVersionElements) {
            ar >> flag;
            SetLocalLayout(flag);
            ar >> m_layoutName;
        } else {
            SetLocalLayout(0);
        }
        if (v >= kVersionLayoutKind) {
            ar >> m_layoutKind;
        } else {
            m_layoutKind = 0;
        }
        if (v >= kVersionHatch) {
            LONG hatch = 0;
            ar >> hatch;
            SetHatch(hatch);
        } else {
            SetHatch(1);
        }
        if (v >= kVersionDotFlag32) {
            LONG dotFlag = 0;
            WORD width = 0;
            WORD itv = 0;
            WORD len = 0;
            WORD width2 = 0;
            ar >> dotFlag >> width >> itv >> len >> width2;
            SetKeisenDotFlag(dotFlag);
            SetKeisenDotWidth(width);
            SetKeisenDotItv(itv);
            SetKeisenDotLen(len);
            SetKeisenDot2Width(width2);
        } else {
            if (v >= kVersionDots) {
                // Stored by versions whose dotted lines worked otherwise: read and dropped.
                for (int i = 0; i < 5; ++i) {
                    WORD dropped = 0;
                    ar >> dropped;
                }
            }
            SetKeisenDotFlag(defaults.GetKeisenDotFlag());
            SetKeisenDotWidth(defaults.GetKeisenDotWidth());
            SetKeisenDotItv(defaults.GetKeisenDotItv());
            SetKeisenDotLen(defaults.GetKeisenDotLen());
            SetKeisenDot2Width(defaults.GetKeisenDot2Width());
        }
    } else {
        // Local layout, layout name and kind, "Hatch" and the dotted lines keep what the layout
        // and the defaults gave them above.
        ClearItemTexts();
    }
    SetLineRate(defaults.GetLineRate());

    if (v >= kVersionElements) {
        RemoveAllElements();
        const DWORD count = ar.ReadCount();
        for (DWORD i = 0; i < count; ++i) {
            m_elements.push_back(ar.ReadOwned<CPrNewElement>());
        }
    } else {
        m_oldHeaders[0].Serialize(ar);
        m_oldHeaders[1].Serialize(ar);
        MigrateOldHeader();
    }
}

// ---- Reading a layout into the header --------------------------------------------------------

BOOL ReadLayoutIntoHeader(CPrHeader& header, int paper, const std::filesystem::path& path,
                          BOOL keepInputs) {
    LayoutPaperElements layout;
    if (!ReadLayoutPaperElements(path, paper, layout)) {
        return FALSE;
    }
    header.SetLayoutName(layout.layoutName);
    header.SetLayoutKind(layout.discernmentFlag);

    std::vector<std::unique_ptr<CPrNewText>> held;
    if (keepInputs) {
        for (auto& element : header.GetElementList()) {
            if (IsPrInputKind(element->GetKind()) &&
                dynamic_cast<CPrNewText*>(element.get()) != nullptr) {
                held.emplace_back(static_cast<CPrNewText*>(element.release()));
            }
        }
    }
    header.RemoveAllElements();

    for (const LayoutTextEntry& e : layout.texts) {
        header.AddElement(MakeText(e, kPrKindFixedText, layout.offset));
    }
    for (const LayoutTextEntry& e : layout.inputs) {
        std::unique_ptr<CPrNewText> input = MakeText(e, e.kind, layout.offset);
        const auto old = std::find_if(held.begin(), held.end(), [&](const auto& h) {
            return h->GetText() == input->GetText();
        });
        if (old != held.end()) {
            const bool keepFileText = header.GetLayoutKind() == 1 && IsKeptFileText(e.name);
            if (!(*old)->GetContents().empty() && !keepFileText) {
                input->SetContents((*old)->GetContents());
            }
            input->SetColor((*old)->GetColor());
        }
        header.AddElement(std::move(input));
    }
    for (const LayoutLineEntry& e : layout.lines) {
        header.AddElement(std::make_unique<CPrNewLine>(e.area, ElementRect(e.rect, layout.offset),
                                                       e.style, e.width, e.color));
    }
    return TRUE;
}

} // namespace tembra
