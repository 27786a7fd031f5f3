#include "dialogs/attributes/RegisterAttributeDialogs.h"

#include "dialogs/attributes/CalDateToDayDlg.h"
#include "dialogs/attributes/ChangeDaysExDlg.h"
#include "dialogs/attributes/ChartSetSheet.h"
#include "dialogs/attributes/DataInfoDlg.h"
#include "dialogs/attributes/DayToCalDateDlg.h"
#include "dialogs/attributes/EventAttrBulkDlg.h"
#include "dialogs/attributes/EventAttrDlg.h"
#include "dialogs/attributes/EventBatchDateDlg.h"
#include "dialogs/attributes/EventBatchWeekDlg.h"
#include "dialogs/attributes/FillSetDlg.h"
#include "dialogs/attributes/FontSelDlg.h"
#include "dialogs/attributes/FontSetDlg.h"
#include "dialogs/attributes/HensokuDlg.h"
#include "dialogs/attributes/HolidayInitDlg.h"
#include "dialogs/attributes/InitStateDlg.h"
#include "dialogs/attributes/KeisenSetDlg.h"
#include "dialogs/attributes/KoumokuAttr2Dlg.h"
#include "dialogs/attributes/KoumokuAttrDlg.h"
#include "dialogs/attributes/KouteiAttr2Dlg.h"
#include "dialogs/attributes/KouteiAttrDlg.h"
#include "dialogs/attributes/LayerOutputDlg.h"
#include "dialogs/attributes/LayerSetDlg.h"
#include "dialogs/attributes/LineDeleteDlg.h"
#include "dialogs/attributes/NodeSizeDlg.h"
#include "dialogs/attributes/PieceSetSheet.h"
#include "dialogs/attributes/core/FontSelDlgRequest.h"
#include "dialogs/attributes/core/HensokuDlgRequest.h"
#include "document/AttrDialogRequests.h"
#include "document/ChartSheetRequests.h"
#include "document/DocFileRequests.h"
#include "document/EditDialogRequests.h"
#include "document/EventRequests.h"
#include "document/LayerDialogRequests.h"
#include "document/ModeChangeRequests.h"
#include "document/TembraDoc.h"
#include "model/CalendarRequests.h"
#include "model/OptionDialogRequest.h"
#include "model/SyokiSet.h"
#include "platform/qt/DialogRegistry.h"

namespace tembra {

namespace {

// Both conversion dialogs: without settings there is nothing to convert against.
template <class Dialog, class Request>
void RegisterConversion(IDialogRegistry& registry, const char* name) {
    registry.Register(name, [&registry](DialogRequest& r) {
        auto& request = static_cast<Request&>(r);
        if (request.settings == nullptr) {
            return IDCANCEL;
        }
        Dialog dialog(*request.settings, registry.DialogParent());
        if (dialog.exec() != QDialog::Accepted) {
            return IDCANCEL;
        }
        request.conversion = dialog.Result().conversion;
        return IDOK;
    });
}

// A dialog that edits its request in place: IDOK once 決定 wrote the values back.
template <class Dialog, class Request>
void RegisterOnRequest(IDialogRegistry& registry, const char* name) {
    registry.Register(name, [&registry](DialogRequest& r) {
        Dialog dialog(static_cast<Request&>(r), registry.DialogParent());
        return dialog.exec() == QDialog::Accepted ? IDOK : IDCANCEL;
    });
}

// An option command's dialog on the application's settings.
template <class Dialog> void RegisterOption(IDialogRegistry& registry, const char* name) {
    registry.Register(name, [&registry](DialogRequest& r) {
        Dialog dialog(static_cast<OptionDialogRequest&>(r).config, registry.DialogParent());
        return dialog.exec() == QDialog::Accepted ? IDOK : IDCANCEL;
    });
}

// A resource chart's settings sheet: it edits a copy and writes the request's chart only on 決定.
template <class Sheet, class Request>
void RegisterChartSheet(IDialogRegistry& registry, const char* name) {
    registry.Register(name, [&registry](DialogRequest& r) {
        auto& request = static_cast<Request&>(r);
        if (request.chart == nullptr) {
            return IDCANCEL;
        }
        static const CShigenNameTable kNoResources;
        Sheet sheet(*request.chart, request.names != nullptr ? *request.names : kNoResources,
                    registry.DialogParent());
        if (sheet.exec() != QDialog::Accepted) {
            return IDCANCEL;
        }
        sheet.StoreToChart();
        return IDOK;
    });
}

// Both layer destination dialogs: without a document there are no layers to show.
template <class Dialog, class Request>
void RegisterLayerTable(IDialogRegistry& registry, const char* name) {
    registry.Register(name, [&registry](DialogRequest& r) {
        auto& request = static_cast<Request&>(r);
        if (request.document == nullptr) {
            return IDCANCEL;
        }
        Dialog dialog(*request.document, &request.map, registry.DialogParent());
        return dialog.exec() == QDialog::Accepted ? IDOK : IDCANCEL;
    });
}

// Both duration dialogs; a chart counted in days offers no hours and minutes.
template <class Dialog> void RegisterChangeDays(IDialogRegistry& registry, const char* name) {
    registry.Register(name, [&registry](DialogRequest& r) {
        auto& request = static_cast<ChangeDaysDlgRequest&>(r);
        const WORD unit =
            request.document != nullptr ? request.document->GetSyokiSet().GetDateUnit() : 0;
        const bool daysOnly = unit != kUnitHour && unit != kUnitMinute;
        Dialog dialog(daysOnly, request.koutei, request.document, registry.DialogParent());
        if (dialog.exec() != QDialog::Accepted) {
            return IDCANCEL;
        }
        request.changeByDays = dialog.GetLink();
        return IDOK;
    });
}

// The batch inputs: the tables change on 決定 only.
template <class Dialog, class Request>
void RegisterEventBatch(IDialogRegistry& registry, const char* name) {
    registry.Register(name, [&registry](DialogRequest& r) {
        auto& request = static_cast<Request&>(r);
        Dialog dialog(&request.table, request.start, request.end, registry.DialogParent());
        return dialog.exec() == QDialog::Accepted ? IDOK : IDCANCEL;
    });
}

} // namespace

void RegisterAttributeDialogs(IDialogRegistry& registry) {
    RegisterConversion<CCalDateToDayDlg, CalDateToDayDlgRequest>(registry, "CalDateToDayDlg");
    RegisterConversion<CDayToCalDateDlg, DayToCalDateDlgRequest>(registry, "DayToCalDateDlg");
    registry.Register("FontSelDlg", [&registry](DialogRequest& r) {
        auto& request = static_cast<FontSelDlgRequest&>(r);
        CFontSelDlg dialog(&request.font, registry.DialogParent());
        dialog.SetBaseFontCheck(request.baseFontCheck);
        dialog.SetSizeLock(request.sizeLocked);
        if (dialog.exec() != QDialog::Accepted) {
            return IDCANCEL;
        }
        request.baseFontCheck = dialog.GetBaseFontCheck();
        return IDOK;
    });
    registry.Register("HensokuDlg", [&registry](DialogRequest& r) {
        auto& request = static_cast<HensokuDlgRequest&>(r);
        if (request.hensoku == nullptr) {
            return IDCANCEL;
        }
        CHensokuDlg dialog(*request.hensoku, registry.DialogParent());
        return dialog.exec() == QDialog::Accepted ? IDOK : IDCANCEL;
    });
    registry.Register("HolidayInit", [&registry](DialogRequest& r) {
        CHolidayInitDlg dialog(static_cast<HolidayInitRequest&>(r).calendar,
                               registry.DialogParent());
        return dialog.exec() == QDialog::Accepted ? IDOK : IDCANCEL;
    });
    RegisterOption<CKouteiAttrDlg>(registry, "KouteiAttributes");
    RegisterOnRequest<CKouteiAttr2Dlg, KouteiAttr2DlgRequest>(registry, "KouteiAttr2Dlg");
    RegisterOption<CKoumokuAttrDlg>(registry, "KoumokuAttributes");
    RegisterOnRequest<CKoumokuAttr2Dlg, KoumokuAttr2DlgRequest>(registry, "KoumokuAttr2Dlg");
    RegisterOnRequest<CKeisenSetDlg, KeisenSetDlgRequest>(registry, "KeisenSetDlg");
    RegisterOnRequest<CNodeSizeDlg, NodeSizeDlgRequest>(registry, "NodeSizeDlg");
    RegisterOnRequest<CLineDeleteDlg, LineDeleteDlgRequest>(registry, "LineDeleteDlg");
    // 決定 without a colour changes nothing: the caller is answered as if cancelled.
    registry.Register("FillSetDlg", [&registry](DialogRequest& r) {
        CFillSetDlg dialog(static_cast<FillSetDlgRequest&>(r), registry.DialogParent());
        return dialog.exec() == QDialog::Accepted && dialog.ColorChosen() ? IDOK : IDCANCEL;
    });
    RegisterOption<CInitStateDlg>(registry, "InitialState");
    RegisterChartSheet<CChartSetSheet, ChartSettingsRequest>(registry, "ChartSettings");
    RegisterChartSheet<CPieceSetSheet, PieceSettingsRequest>(registry, "PieceSettings");
    registry.Register("LayerSetDlg", [&registry](DialogRequest& r) {
        CLayerSetDlg dialog(static_cast<LayerSetDlgRequest&>(r).doc, registry.DialogParent());
        return dialog.exec() == QDialog::Accepted ? IDOK : IDCANCEL;
    });
    RegisterLayerTable<CLayerMoveDlg, LayerMoveRequest>(registry, "LayerMove");
    RegisterLayerTable<CLayerOutputDlg, OutputLayerRequest>(registry, "OutputLayer");
    RegisterOption<CEventAttrDlg>(registry, "EventAttributes");
    RegisterOnRequest<CEventAttrBulkDlg, EventAttrBulkDlgRequest>(registry, "EventAttrBulkDlg");
    RegisterChangeDays<CChangeDaysDlg>(registry, "ChangeDaysDlg");
    RegisterChangeDays<CChangeDaysExDlg>(registry, "ChangeDaysExDlg");
    registry.Register("FontSettings", [&registry](DialogRequest& r) {
        CConfigBase* config = static_cast<OptionDialogRequest&>(r).config;
        if (config == nullptr) {
            return IDCANCEL;
        }
        CFontSetDlg dialog(*config, registry.DialogParent());
        return dialog.exec() == QDialog::Accepted ? IDOK : IDCANCEL;
    });
    registry.Register("DataInfo", [&registry](DialogRequest& r) {
        CDataInfoDlg dialog(static_cast<DataInfoRequest&>(r), registry.DialogParent());
        dialog.exec();
        return IDOK;
    });
    RegisterEventBatch<CEventBatchDateDlg, EventBatchDateRequest>(registry, "EventBatchDate");
    RegisterEventBatch<CEventBatchWeekDlg, EventBatchWeekRequest>(registry, "EventBatchWeek");
}

} // namespace tembra
