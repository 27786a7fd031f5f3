#include "fuzz/ChartSequence.h"

#include "document/RecordCast.h"
#include "model/DataHeader.h"
#include "model/KtkmHatch.h"
#include "model/LayerSet.h"
#include "model/Shigen.h"
#include "model/Shincyoku.h"

#include <utility>

namespace tembra::fuzz {

namespace {

// From which version a part is present.
constexpr int kCounterVersion = 22000;
constexpr int kSheetRowsVersion = 58000;
constexpr int kLayersVersion = 41000;
constexpr int kResourcesVersion = 40000;
constexpr int kProgressVersion = 2000;
constexpr int kShapesVersion = 22001;
constexpr int kEmbeddedVersion = 2000;
constexpr int kChartsVersion = 40000;
constexpr int kHatchesVersion = 52000;

constexpr WORD kEmbeddedMagic = 0x0DAF;

// The object lists hold processes and events only; anything else (another class, or a record
// whose kind codes are not those of its class) is refused as a damaged file's.
void LoadObjectList(CArchive& ar, CTembraDoc& document, bool selection) {
    const DWORD count = ar.ReadCount();
    for (DWORD i = 0; i < count; ++i) {
        std::unique_ptr<CDataHeader> object = ar.ReadOwned<CDataHeader>();
        if (AsKoutei(object.get()) == nullptr && AsEvent(object.get()) == nullptr) {
            AfxThrowArchiveException(CArchiveException::badClass);
        }
        if (selection) {
            document.AddSel(object.release());
        } else {
            document.AddObj(object.release(), FALSE);
        }
    }
}

void StoreObjectList(CArchive& ar, const OwnedObList<CDataHeader>& list) {
    ar.WriteCount(static_cast<DWORD>(list.GetCount()));
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
        ar.WriteObject(list.GetNext(pos));
    }
}

void LoadDropped(CArchive& ar, DroppedRecords& dropped) {
    const DWORD count = ar.ReadCount();
    for (DWORD i = 0; i < count; ++i) {
        dropped.push_back(ar.ReadOwned<CDataHeader>());
    }
}

} // namespace

void LoadChartParts(CArchive& ar, CTembraDoc& document, bool autoSaveCopy,
                    DroppedRecords& dropped) {
    const int v = document.GetVersion();
    if (v >= kCounterVersion) {
        document.GetSeqNumberCtrl().Serialize(ar);
    }
    document.GetWorkCalendar().Serialize(ar);
    document.GetScratchCalendar().Clear();
    document.GetSyokiSet().Serialize(ar);
    WORD sheetRows = 0;
    if (v >= kSheetRowsVersion) {
        ar >> sheetRows;
    }
    document.SetSheetRowCount(sheetRows);
    document.GetPrHeader().RemoveAllElements();
    document.GetPrHeader().Serialize(ar);

    document.DeleteLayers();
    if (v >= kLayersVersion) {
        WORD layer = 0;
        ar >> layer;
        document.SetCurrentLayer(layer);
        const DWORD count = ar.ReadCount();
        for (DWORD i = 0; i < count; ++i) {
            document.GetLayers().push_back(ar.ReadOwned<CLayerSet>());
        }
    } else {
        document.CreateLayers();
        document.SetCurrentLayer(0);
    }

    document.FreeAllKoumoku();
    document.GetKoumoku()->Serialize(ar);

    if (v >= kResourcesVersion) {
        document.DeleteShigenTable();
        const DWORD count = ar.ReadCount();
        for (DWORD i = 0; i < count; ++i) {
            document.GetShigenNames().push_back(ar.ReadOwned<CShigenName>());
        }
    }

    LoadObjectList(ar, document, false);
    if (autoSaveCopy) {
        LoadObjectList(ar, document, true);
    }
    if (v >= kProgressVersion) {
        const DWORD count = ar.ReadCount();
        for (DWORD i = 0; i < count; ++i) {
            document.GetShincyokuList().AddTail(ar.ReadOwned<CShincyoku>().release());
        }
    }
    if (v >= kShapesVersion) {
        LoadDropped(ar, dropped);
    }
    if (v >= kEmbeddedVersion) {
        WORD magic = 0;
        WORD count = 0;
        ar >> magic >> count;
        if (magic != kEmbeddedMagic || count != 0) {
            AfxThrowArchiveException(CArchiveException::generic);
        }
    }
    if (v >= kChartsVersion) {
        LoadDropped(ar, dropped);
    }
    if (v >= kHatchesVersion) {
        const DWORD count = ar.ReadCount();
        for (DWORD i = 0; i < count; ++i) {
            document.GetHatchList()->AddTail(ar.ReadOwned<CKtkmHatch>().release());
        }
    }
}

void StoreChartParts(CArchive& ar, CTembraDoc& document, bool autoSaveCopy) {
    const int v = document.GetVersion();
    if (v >= kCounterVersion) {
        document.GetSeqNumberCtrl().Serialize(ar);
    }
    document.GetWorkCalendar().Serialize(ar);
    document.GetSyokiSet().Serialize(ar);
    if (v >= kSheetRowsVersion) {
        ar << document.GetSheetRowCount();
    }
    document.GetPrHeader().Serialize(ar);
    if (v >= kLayersVersion) {
        ar << static_cast<WORD>(document.GetCurrentLayer());
        ar.WriteCount(static_cast<DWORD>(document.GetLayers().size()));
        for (const auto& layer : document.GetLayers()) {
            ar.WriteObject(layer.get());
        }
    }
    document.GetKoumoku()->Serialize(ar);
    if (v >= kResourcesVersion) {
        ar.WriteCount(static_cast<DWORD>(document.GetShigenNames().size()));
        for (const auto& resource : document.GetShigenNames()) {
            ar.WriteObject(resource.get());
        }
    }
    StoreObjectList(ar, document.GetObjList());
    if (autoSaveCopy) {
        StoreObjectList(ar, document.GetSelList());
    }
    if (v >= kProgressVersion) {
        StoreObjectList(ar, document.GetShincyokuList());
    }
    if (v >= kShapesVersion) {
        ar.WriteCount(0);
    }
    if (v >= kEmbeddedVersion) {
        ar << kEmbeddedMagic << WORD{0};
    }
    if (v >= kChartsVersion) {
        ar.WriteCount(0);
    }
    if (v >= kHatchesVersion) {
        const OwnedObList<CKtkmHatch>& hatches = *document.GetHatchList();
        ar.WriteCount(static_cast<DWORD>(hatches.GetCount()));
        for (POSITION pos = hatches.GetHeadPosition(); pos != nullptr;) {
            ar.WriteObject(hatches.GetNext(pos));
        }
    }
}

} // namespace tembra::fuzz
