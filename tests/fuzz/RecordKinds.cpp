#include "fuzz/RecordKinds.h"

#include "model/AreaNameData.h"
#include "model/AreaNameDataGrid.h"
#include "model/AreaNameDataSlant.h"
#include "model/AreaNameDataStd.h"
#include "model/AreaNameSet.h"
#include "model/Calendar.h"
#include "model/ChartPos.h"
#include "model/DataHeader.h"
#include "model/Event.h"
#include "model/Hensoku.h"
#include "model/Koumoku.h"
#include "model/KoumokuData.h"
#include "model/Koutei.h"
#include "model/KtkmHatch.h"
#include "model/LayerSet.h"
#include "model/ObTable.h"
#include "model/SeqNumber.h"
#include "model/Shigen.h"
#include "model/Shincyoku.h"
#include "model/SyokiSet.h"
#include "model/Yogo.h"
#include "print/PrHeader.h"
#include "print/PrHeaderBase.h"
#include "print/PrNewElement.h"
#include "print/PrNewLine.h"
#include "print/PrNewText.h"

#include <type_traits>

namespace tembra::fuzz {

namespace {

// A record of its own. Every record this slot has held stays alive until the slot goes (after
// the archive), as the archive may still refer to it.
template <class T> class OwnRecord final : public RecordSlot {
public:
    explicit OwnRecord(bool tagged) : m_tagged(tagged) {
        m_records.push_back(std::make_unique<T>());
    }

    void Load(CArchive& ar) override {
        if (m_tagged) {
            m_records.push_back(ar.ReadOwned<T>());
        } else {
            m_records.back()->Serialize(ar);
        }
    }
    void Store(CArchive& ar) override {
        if (m_tagged) {
            ar.WriteObject(m_records.back().get());
        } else {
            m_records.back()->Serialize(ar);
        }
    }
    CObject* Object() override { return m_records.back().get(); }

private:
    bool m_tagged;
    std::vector<std::unique_ptr<T>> m_records;
};

// A member of the document, read as the document reads it: what the document empties before the
// read (before), then the member's fields.
template <class T> class MemberRecord final : public RecordSlot {
public:
    MemberRecord(CTembraDoc& document, T& (*member)(CTembraDoc&), void (*before)(CTembraDoc&))
        : m_document(document), m_member(member), m_before(before) {}

    void Load(CArchive& ar) override {
        if (m_before != nullptr) {
            m_before(m_document);
        }
        m_member(m_document).Serialize(ar);
    }
    void Store(CArchive& ar) override { m_member(m_document).Serialize(ar); }
    CObject* Object() override {
        if constexpr (std::is_base_of_v<CObject, T>) {
            return &m_member(m_document);
        } else {
            return nullptr;
        }
    }

private:
    CTembraDoc& m_document;
    T& (*m_member)(CTembraDoc&);
    void (*m_before)(CTembraDoc&);
};

// A part that is not an object (the period of a record, the area names of the settings).
template <class T> class FieldsRecord final : public RecordSlot {
public:
    void Load(CArchive& ar) override { m_fields.Serialize(ar); }
    void Store(CArchive& ar) override { m_fields.Serialize(ar); }
    CObject* Object() override { return nullptr; }

private:
    T m_fields;
};

// A bare table, whose cells belong to whoever holds it: here the slot.
class TableRecord final : public RecordSlot {
public:
    ~TableRecord() override { DeleteCells(); }

    void Load(CArchive& ar) override { m_table.Serialize(ar); }
    void Store(CArchive& ar) override { m_table.Serialize(ar); }
    CObject* Object() override { return &m_table; }

private:
    void DeleteCells() {
        for (int row = 0; row < m_table.GetRowCount(); ++row) {
            for (int column = 0; column < m_table.GetColCount(row); ++column) {
                delete m_table.GetAt(column, row);
            }
        }
        m_table.DeleteAll();
    }

    CObTable m_table;
};

template <class T> std::unique_ptr<RecordSlot> Own(CTembraDoc&, bool tagged) {
    return std::make_unique<OwnRecord<T>>(tagged);
}

template <class T> std::unique_ptr<RecordSlot> Fields(CTembraDoc&, bool) {
    return std::make_unique<FieldsRecord<T>>();
}

std::unique_ptr<RecordSlot> Table(CTembraDoc&, bool) {
    return std::make_unique<TableRecord>();
}

std::unique_ptr<RecordSlot> Calendar(CTembraDoc& doc, bool) {
    return std::make_unique<MemberRecord<CCalendar>>(
        doc, [](CTembraDoc& d) -> CCalendar& { return d.GetWorkCalendar(); }, nullptr);
}

std::unique_ptr<RecordSlot> Settings(CTembraDoc& doc, bool) {
    return std::make_unique<MemberRecord<CSyokiSet>>(
        doc, [](CTembraDoc& d) -> CSyokiSet& { return d.GetSyokiSet(); }, nullptr);
}

std::unique_ptr<RecordSlot> PrintHeader(CTembraDoc& doc, bool) {
    return std::make_unique<MemberRecord<CPrHeader>>(
        doc, [](CTembraDoc& d) -> CPrHeader& { return d.GetPrHeader(); },
        [](CTembraDoc& d) { d.GetPrHeader().RemoveAllElements(); });
}

std::unique_ptr<RecordSlot> ItemTable(CTembraDoc& doc, bool) {
    return std::make_unique<MemberRecord<CKoumoku>>(
        doc, [](CTembraDoc& d) -> CKoumoku& { return *d.GetKoumoku(); },
        [](CTembraDoc& d) { d.FreeAllKoumoku(); });
}

std::unique_ptr<RecordSlot> Counter(CTembraDoc& doc, bool) {
    return std::make_unique<MemberRecord<CSeqNumberCtrl>>(
        doc, [](CTembraDoc& d) -> CSeqNumberCtrl& { return d.GetSeqNumberCtrl(); }, nullptr);
}

} // namespace

const std::vector<RecordKind>& RecordKinds() {
    static const std::vector<RecordKind> kinds = {
        {"CDataHeader", Own<CDataHeader>},
        {"CChartPos", Fields<CChartPos>},
        {"CKouteiLines", Own<CKouteiLines>},
        {"CLand", Own<CLand>},
        {"CKoutei", Own<CKoutei>},
        {"CYogo", Own<CYogo>},
        {"CShigenData", Own<CShigenData>},
        {"CShigenName", Own<CShigenName>},
        {"CShigen", Own<CShigen>},
        {"CKoumokuData", Own<CKoumokuData>},
        {"CKoumoku", ItemTable, true},
        {"CObTable", Table},
        {"CShinPoint", Own<CShinPoint>},
        {"CShincyoku", Own<CShincyoku>},
        {"CEvent", Own<CEvent>},
        {"CKtkmHatch", Own<CKtkmHatch>},
        {"CLayerSet", Own<CLayerSet>},
        {"CHensokuData", Own<CHensokuData>},
        {"CHensoku", Own<CHensoku>},
        {"CCalendar", Calendar, true},
        {"CAreaNameSet", Fields<CAreaNameSet>},
        {"CAreaNameData", Own<CAreaNameData>},
        {"CAreaNameDataStd", Own<CAreaNameDataStd>},
        {"CAreaNameDataGrid", Own<CAreaNameDataGrid>},
        {"CAreaNameDataSlant", Own<CAreaNameDataSlant>},
        {"CSyokiSet", Settings, true},
        {"CPrText", Own<CPrText>},
        {"CPrLine", Own<CPrLine>},
        {"CPrElement", Own<CPrElement>},
        {"CPrHeaderBase", Own<CPrHeaderBase>},
        {"CPrNewElement", Own<CPrNewElement>},
        {"CPrNewText", Own<CPrNewText>},
        {"CPrNewLine", Own<CPrNewLine>},
        {"CPrHeader", PrintHeader, true},
        {"CObSeqNumber", Own<CObSeqNumber>},
        {"CSeqNumberCtrl", Counter, true},
    };
    return kinds;
}

void SetUpDocument(CTembraDoc& document, int version, std::uint8_t context) {
    document.SetVersion(version);
    // An insert reads processes and events (any mask but the whole one is an insert).
    document.SetInsertMask((context & kContextInsert) != 0 ? 0x0090 : kInsertMaskAll);
    document.GetSyokiSet().SetNobeMode((context & kContextElapsed) != 0 ? 1 : 0);
}

} // namespace tembra::fuzz
