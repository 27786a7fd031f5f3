#include "model/Yogo.h"

#include "model/ByteField.h"
#include "model/Utility.h"
#include "platform/Document.h"
#include "platform/Sjis.h"

#include <cstring>

namespace tembra {

namespace {

// "$実$", the month-and-day macro of files before 5.80, and its two later spellings
// "($日時{d}$)" and "($日時{dd}$)" (CP932).
constexpr std::string_view kOldDateMacro = "$\x8e\xc0$";
constexpr std::string_view kDateMacro = "($\x93\xfa\x8e\x9e{d}$)";
constexpr std::string_view kDateMacroDD = "($\x93\xfa\x8e\x9e{dd}$)";

// The length of a text field of the file form: it ends at its first NUL and holds at most
// capacity bytes.
std::size_t FieldLength(std::string_view text, std::size_t capacity) {
    return Sjis::CutLength(text.substr(0, text.find('\0')), capacity);
}

bool IsNodeTerm(WORD dateKind) {
    return dateKind == kYogoOnStart || dateKind == kYogoOnEnd;
}

} // namespace

// ---- The label block's file form ----------------------------------------------------------

namespace {

// The label block's fields in the file; bytes 36..45 hold no field (ElemAttrTail).
constexpr ByteField<CElemAttr> kElemAttrHeadFields[] = {
    Field<&CElemAttr::m_fontHeigh>(0),     Field<&CElemAttr::m_fontWidth>(2),
    Field<&CElemAttr::m_form>(4),          Field<&CElemAttr::m_color>(6),
    Field<&CElemAttr::m_attrb>(10),        Field<&CElemAttr::m_linkWord>(12),
    Field<&CElemAttr::m_offsetX>(14),      Field<&CElemAttr::m_offsetY>(18),
    Field<&CElemAttr::m_drawerX>(22),      Field<&CElemAttr::m_drawerY>(26),
    Field<&CElemAttr::m_linkPosition>(30), Field<&CElemAttr::m_ownFont>(32),
    Field<&CElemAttr::m_stack>(34),
};
static_assert(FitsBlock(kElemAttrHeadFields, kElemAttrTailOffset));

} // namespace

void ElemAttrToHead(const CElemAttr& attr, const ElemAttrTail& tail, BYTE* out) {
    PutFields<CElemAttr>(kElemAttrHeadFields, attr, std::span<BYTE>(out, kElemAttrTailOffset));
    std::memcpy(out + kElemAttrTailOffset, tail.data(), tail.size());
}

void ElemAttrFromHead(const BYTE* in, CElemAttr& attr, ElemAttrTail& tail) {
    GetAllFields<kElemAttrHeadFields>(in, attr);
    std::memcpy(tail.data(), in + kElemAttrTailOffset, tail.size());
}

// ---- CYogo ----------------------------------------------------------------------------------

IMPLEMENT_SERIAL(CYogo, CDataHeader, 1)

CYogo::CYogo() : CDataHeader(kTypeKoutei, kKindYogo) {}

void CYogo::CopyFrom(const CYogo& other) {
    if (this == &other) {
        return;
    }
    CDataHeader::operator=(other);
    m_attr = other.m_attr;
    m_attrTail = other.m_attrTail;
    m_text = other.m_text;
    m_hyperlink = other.m_hyperlink;
}

void CYogo::SetText(std::string_view text) {
    m_text.assign(text.substr(0, FieldLength(text, kTextCapacity)));
}

std::string CYogo::TextForVersion(std::string text, int version, int nobeMode, WORD dateKind) {
    if (version >= kYogoDateMacroVersion || nobeMode != 0 || !IsNodeTerm(dateKind)) {
        return text;
    }
    // Older versions know only "$実$" for the month and day of a node's date.
    if (!ReplaceAll(text, kDateMacroDD, kOldDateMacro)) {
        ReplaceAll(text, kDateMacro, kOldDateMacro);
    }
    return text;
}

// Load:
//  - below 32000 the file holds no font: the term takes the document's term font and its
//    own-font flag is cleared; from 32000 a term without its own font takes the document's;
//  - the text is cut to its field;
//  - a link position other than 0 and 1 becomes 0;
//  - from a file before 58000, in a calendar-date document, a node term's "$実$" becomes
//    "($日時{d}$)" (cut to the field again, since the macro grows by 7 bytes).
// Store: for a save version before 58000 the written text has the macro in its old form; the
// term keeps its own text.
void CYogo::Serialize(CArchive& ar) {
    CDataHeader::Serialize(ar);
    const int version = ArchiveVersion(ar);
    const auto* document = ar.GetDocumentSeam<const ILabelDocument>();

    BYTE head[kElemAttrHeadSize];
    if (ar.IsStoring()) {
        ElemAttrToHead(m_attr, m_attrTail, head);
        ar.Write(head, kElemAttrHeadSize);
        if (version >= kYogoFontVersion && m_attr.m_ownFont != 0) {
            LogFont16::Store(ar, m_attr.GetLogFont());
        }
        if (document != nullptr) {
            ar << TextForVersion(m_text, version, document->GetNobeMode(), GetDateKind());
        } else {
            ar << m_text;
        }
        ar.WriteZeros(kReservedSize);
        if (version >= kYogoHyperlinkVersion) {
            ar << m_hyperlink;
        }
        return;
    }

    ar.ReadExact(head, kElemAttrHeadSize);
    ElemAttrFromHead(head, m_attr, m_attrTail);
    if (version < kYogoFontVersion) {
        m_attr.m_ownFont = 0;
    }
    if (m_attr.m_ownFont != 0) {
        m_attr.SetLogFont(LogFont16::Load(ar));
    } else if (document != nullptr) {
        m_attr.SetLogFont(document->GetYogoFont());
    }
    ar >> m_text;
    // Cut where it was read: a term is read for every process of a chart.
    m_text.resize(FieldLength(m_text, kTextCapacity));
    ar.Skip(kReservedSize);
    if (version >= kYogoHyperlinkVersion) {
        ar >> m_hyperlink;
    }

    if (m_attr.m_linkPosition != 0 && m_attr.m_linkPosition != 1) {
        m_attr.m_linkPosition = 0;
    }
    if (version < kYogoDateMacroVersion && document != nullptr && document->GetNobeMode() == 0 &&
        IsNodeTerm(GetDateKind())) {
        std::string expanded = m_text;
        if (ReplaceAll(expanded, kOldDateMacro, kDateMacro)) {
            m_text = Sjis::Cut(expanded, kTextCapacity);
        }
    }
}

} // namespace tembra
