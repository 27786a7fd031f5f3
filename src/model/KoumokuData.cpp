#include "model/KoumokuData.h"

#include "model/Koumoku.h"
#include "model/Utility.h"
#include "platform/ByteOrder.h"
#include "platform/Document.h"
#include "platform/Sjis.h"

namespace tembra {

namespace {

// A text field of the file form: it ends at its first NUL and holds at most capacity bytes.
std::string CutField(std::string_view text, std::size_t capacity) {
    const std::size_t nul = text.find('\0');
    if (nul != std::string_view::npos) {
        text = text.substr(0, nul);
    }
    return Sjis::Cut(text, capacity);
}

} // namespace

IMPLEMENT_SERIAL(CKoumokuData, CDataHeader, 1)

CKoumokuData::CKoumokuData() : CDataHeader(kTypeKoumoku, kKindKoumokuData) {}

void CKoumokuData::CopyFrom(const CKoumokuData& other) {
    if (this == &other) {
        return;
    }
    CDataHeader::operator=(other);
    m_pos = other.m_pos;
    m_attr = other.m_attr;
    m_text = other.m_text;
    m_font = other.m_font;
    m_column = other.m_column;
    m_extraWord = other.m_extraWord;
    m_tailReserved = other.m_tailReserved;
}

WORD CKoumokuData::Word(std::size_t at) const {
    return GetWord(m_attr.data() + at);
}

void CKoumokuData::SetWord(std::size_t at, WORD v) {
    PutWord(m_attr.data() + at, v);
}

WORD CKoumokuData::GetSize() const {
    return MakeWordOf(static_cast<BYTE>(GetHeightCode()), LowByteOf(GetWidthCode()));
}

void CKoumokuData::SetSize(WORD packed) {
    SetHeightCode(HighByteOf(packed));
    SetWidthCode(LowByteOf(packed));
}

void CKoumokuData::SetText(std::string_view text) {
    m_text = CutField(text, kTextCapacity);
}

// A cell of a file before 32000 holds no font and no column: it takes the document's item-area
// font and style word (at offset 16), its own-font flag and the two words become 0, and a
// ruled-line word at offset 12 is the ruled-line type of its row, handed to the document's item
// table (which keeps it aside while it is itself being read).
void CKoumokuData::Serialize(CArchive& ar) {
    CDataHeader::Serialize(ar);
    const int version = ArchiveVersion(ar);
    m_pos.Serialize(ar);

    if (ar.IsStoring()) {
        ar.Write(m_attr.data(), kAttrSize);
        if (version >= kKoumokuFontVersion) {
            if (GetOwnFont() != 0) {
                LogFont16::Store(ar, m_font);
            }
            ar << m_column << m_extraWord;
        }
        ar << m_text;
        m_tailReserved.fill(0);
        ar.Write(m_tailReserved.data(), m_tailReserved.size());
        return;
    }

    ar.ReadExact(m_attr.data(), kAttrSize);
    auto* document = ar.GetDocumentSeam<IKoumokuDocument>();
    if (version >= kKoumokuFontVersion) {
        if (GetOwnFont() != 0) {
            m_font = LogFont16::Load(ar);
        } else if (document != nullptr) {
            m_font = document->GetKoumokuFont();
        }
        ar >> m_column >> m_extraWord;
    } else {
        SetOwnFont(0);
        m_column = 0;
        m_extraWord = 0;
        if (document != nullptr) {
            SetThirdLineWord(document->GetKoumokuStyleWord());
            m_font = document->GetKoumokuFont();
            if (GetKeisenWord1() != 0) {
                if (CKoumoku* table = document->GetKoumoku()) {
                    table->SetLoadedKeisenType(GetRow(), GetKeisenWord1());
                }
            }
        }
    }
    std::string text;
    ar >> text;
    m_text = CutField(text, kTextCapacity);
    ar.ReadExact(m_tailReserved.data(), m_tailReserved.size());
}

} // namespace tembra
