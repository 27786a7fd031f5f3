// The object factory of the schedule document: empty records by their kind codes, and new and
// copied processes with the chart's defaults. It keeps the counter that numbers the chart's
// processes and the current layer, on which new objects are put.
#pragma once

#include "model/ChartPos.h"
#include "model/DataHeader.h"
#include "model/Koutei.h"
#include "model/SeqNumber.h"
#include "model/SyokiSet.h"
#include "platform/Types.h"

#include <memory>

namespace tembra {

// Messages of the process creators.
constexpr UINT IDS_KOUTEI_CREATE_FAILED = 5016; // 工程データの生成ができません
constexpr UINT IDS_KOUTEI_COPY_FAILED = 5017;   // 工程データの複製ができません

class CObjectFactory {
public:
    // New processes take their line and node attributes from the settings' chart part.
    explicit CObjectFactory(const CSyokiSet& settings) : m_settings(settings) {}
    CObjectFactory(const CObjectFactory&) = delete;
    CObjectFactory& operator=(const CObjectFactory&) = delete;

    CSeqNumberCtrl& GetSeqNumberCtrl() { return m_seqNumbers; }
    const CSeqNumberCtrl& GetSeqNumberCtrl() const { return m_seqNumbers; }
    int GetCurrentLayer() const { return m_nCurrentLayer; }
    void SetCurrentLayer(int layer) { m_nCurrentLayer = layer; }

    // A new, empty record of the class that the type code and the sub-kind (taken as 16 bits)
    // stand for: (1,1) process with its line set and nodes, (1,2) line set, (1,3) node, (1,4)
    // term, (2,1) item cell, (3,1) progress line, (6,1) event; null for every other pair and when
    // memory runs out. The record is as its constructor leaves it (layer 0, not selected); the
    // caller owns it.
    static std::unique_ptr<CDataHeader> CreateObjectByKind(int type, UINT subKind);

    // Gives the process the counter's next number. FALSE when the numbers are exhausted (the
    // counter has shown message 5060): the process keeps its number and must not be created.
    BOOL AssignSeqNumber(CKoutei* process);
    // A new process on the current layer with the settings' line and node attributes, placed at
    // the source's dates and rows when one is given, numbered when number is set. Null after
    // message 5016 when it cannot be made, or when no number is left.
    std::unique_ptr<CKoutei> CreateKoutei(const CChartPos* source, BOOL number);
    // A copy of the process, with a new number unless keepNumber. Null for a null process, after
    // message 5017 when it cannot be made, or when no number is left.
    std::unique_ptr<CKoutei> CopyKoutei(const CKoutei* process, BOOL keepNumber);

private:
    const CSyokiSet& m_settings;
    CSeqNumberCtrl m_seqNumbers;
    int m_nCurrentLayer = 0;
};

} // namespace tembra
