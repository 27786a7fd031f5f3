#include "document/ObjectFactory.h"

#include "model/Event.h"
#include "model/KoumokuData.h"
#include "model/Shincyoku.h"
#include "model/Yogo.h"
#include "platform/Ui.h"

#include <new>

namespace tembra {

namespace {

// The node styles that the bar forms give their nodes: such a node is not drawn.
constexpr WORD kHiddenLandStyle = 15;

bool IsBarFormStyle(WORD style) {
    const WORD low = style & 0xFF;
    return low == 0x80 || low == 0x40;
}

} // namespace

std::unique_ptr<CDataHeader> CObjectFactory::CreateObjectByKind(int type, UINT subKindValue) {
    if (type < 1 || type > 6) {
        return nullptr;
    }
    const WORD subKind = static_cast<WORD>(subKindValue);
    try {
        switch (type) {
        case kTypeKoutei:
            switch (subKind) {
            case kKindKoutei: {
                auto process = std::make_unique<CKoutei>();
                // A process without its line set or either node is no process.
                if (process->GetLines() == nullptr || process->GetStartLand() == nullptr ||
                    process->GetEndLand() == nullptr) {
                    return nullptr;
                }
                return process;
            }
            case kKindKouteiLines:
                return std::make_unique<CKouteiLines>();
            case kKindLand:
                return std::make_unique<CLand>();
            case kKindYogo:
                return std::make_unique<CYogo>();
            default:
                return nullptr;
            }
        case kTypeKoumoku:
            if (subKind == kKindKoumokuData) {
                return std::make_unique<CKoumokuData>();
            }
            return nullptr;
        case kTypeShincyoku:
            if (subKind == 1) {
                return std::make_unique<CShincyoku>();
            }
            return nullptr;
        case kTypeEvent:
            if (subKind == kKindEvent) {
                return std::make_unique<CEvent>();
            }
            return nullptr;
        default:
            return nullptr;
        }
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

BOOL CObjectFactory::AssignSeqNumber(CKoutei* process) {
    return process != nullptr ? process->AssignSeqNumber(m_seqNumbers) : FALSE;
}

std::unique_ptr<CKoutei> CObjectFactory::CreateKoutei(const CChartPos* source, BOOL number) {
    std::unique_ptr<CDataHeader> made = CreateObjectByKind(kTypeKoutei, kKindKoutei);
    if (made == nullptr) {
        AfxMessageBox(IDS_KOUTEI_CREATE_FAILED);
        return nullptr;
    }
    std::unique_ptr<CKoutei> process(static_cast<CKoutei*>(made.release()));
    process->SetLayer(static_cast<WORD>(m_nCurrentLayer));
    if (number && !AssignSeqNumber(process.get())) {
        return nullptr;
    }
    const CConfigChart& chart = m_settings.GetChart();
    // The keyless word that follows the process defaults in the settings.
    process->SetRelationLine(chart.GetKouteiSpare());
    if (source != nullptr) {
        process->SetStartDate(source->GetStartDate());
        process->SetEndDate(source->GetEndDate());
        process->SetStartRow(source->GetStartRow());
        process->SetEndRow(source->GetEndRow());
    }
    CKouteiLines* lines = process->GetLines();
    lines->SetAttr(chart.GetKouteiAttr());
    lines->SetBendOffset(0);
    for (CLand* land : {process->GetStartLand(), process->GetEndLand()}) {
        land->SetAttr(chart.GetLandAttr());
        if (IsBarFormStyle(land->GetShape())) {
            land->SetShape(kHiddenLandStyle);
        }
    }
    process->SetSpareDays(CTimeSpan());
    process->SetStartOffset(CTimeSpan());
    process->SetDuration(CTimeSpan());
    process->SetYogoCount(0);
    return process;
}

std::unique_ptr<CKoutei> CObjectFactory::CopyKoutei(const CKoutei* source, BOOL keepNumber) {
    if (source == nullptr) {
        return nullptr;
    }
    std::unique_ptr<CDataHeader> made = CreateObjectByKind(kTypeKoutei, kKindKoutei);
    std::unique_ptr<CKoutei> process(static_cast<CKoutei*>(made.release()));
    if (process != nullptr) {
        try {
            process->CopyFrom(*source);
        } catch (const std::bad_alloc&) {
            process.reset();
        }
    }
    if (process == nullptr) {
        AfxMessageBox(IDS_KOUTEI_COPY_FAILED);
        return nullptr;
    }
    if (!keepNumber && !AssignSeqNumber(process.get())) {
        return nullptr;
    }
    return process;
}

} // namespace tembra
