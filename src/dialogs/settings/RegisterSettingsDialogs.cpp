#include "dialogs/settings/RegisterSettingsDialogs.h"

#include "dialogs/settings/ColumnDeleteDlg.h"
#include "dialogs/settings/FindReplaceDlg.h"
#include "dialogs/settings/GridSetDlg.h"
#include "dialogs/settings/NafudaDlg.h"
#include "dialogs/settings/PosNobeDlg.h"
#include "dialogs/settings/PosNobeDlg2.h"
#include "dialogs/settings/PosRekiDlg.h"
#include "dialogs/settings/PosRekiDlg2.h"
#include "dialogs/settings/ProgressAttrDlg.h"
#include "dialogs/settings/ProgressEditDlg.h"
#include "dialogs/settings/RoundRadiusDlg.h"
#include "dialogs/settings/SyokiSetDialogs.h"
#include "dialogs/settings/SystemEnvDlg.h"
#include "dialogs/settings/YogoAttr2Dlg.h"
#include "dialogs/settings/YogoAttrDlg.h"
#include "dialogs/settings/ZukeiAttrChangeDlg.h"
#include "dialogs/settings/ZukeiAttrDlg.h"
#include "dialogs/settings/ZukeiAttrSetDlg.h"
#include "dialogs/settings/core/CalendarPosition.h"
#include "document/AppState.h"
#include "document/AttrDialogRequests.h"
#include "document/EditDialogRequests.h"
#include "document/EventRequests.h"
#include "document/LayerDialogRequests.h"
#include "document/ModeChangeRequests.h"
#include "document/PositionRequest.h"
#include "document/TembraDoc.h"
#include "document/ZukeiDialogRequests.h"
#include "model/ConfigBase.h"
#include "model/OptionDialogRequest.h"
#include "model/SyokiSet.h"
#include "platform/qt/DialogRegistry.h"

namespace tembra {

namespace {

// The position dialog of the request's template: one point or the second point, in a
// calendar-day or an elapsed-day chart. Without a document there is no chart to place on.
int RunPosition(PositionRequest& request, QWidget* parent) {
    if (request.document == nullptr) {
        return IDCANCEL;
    }
    CTembraDoc& document = *request.document;
    auto run = [](QDialog&& dialog) {
        return dialog.exec() == QDialog::Accepted ? IDOK : IDCANCEL;
    };
    switch (request.templateId) {
    case PositionRequest::kStartCalendar:
        return run(CPosRekiDlg(request, parent));
    case PositionRequest::kTargetCalendar:
        return run(CPosRekiDlg2(request, SpanCalendar(document), parent));
    case PositionRequest::kStartElapsed:
        return run(CPosNobeDlg(request, document.GetSyokiSet(), parent));
    case PositionRequest::kTargetElapsed:
        return run(CPosNobeDlg2(request, document.GetSyokiSet(), parent));
    default:
        return IDCANCEL;
    }
}

} // namespace

void RegisterSettingsDialogs(IDialogRegistry& registry) {
    // Each dialog of this library adds its handler here, under its request's name.
    registry.Register("ColumnDeleteDlg", [&registry](DialogRequest& r) {
        CColumnDeleteDlg dialog(static_cast<ColumnDeleteDlgRequest&>(r), registry.DialogParent());
        return dialog.exec() == QDialog::Accepted ? IDOK : IDCANCEL;
    });
    registry.Register("RoundRadiusChangeDlg", [&registry](DialogRequest& r) {
        auto& request = static_cast<RoundRadiusChangeDlgRequest&>(r);
        CRoundRadiusDlg dialog(CRoundRadiusDlg::IDD_CHANGE, request.radius,
                               registry.DialogParent());
        return dialog.exec() == QDialog::Accepted ? IDOK : IDCANCEL;
    });
    registry.Register("RoundRadiusSetDlg", [&registry](DialogRequest& r) {
        auto& request = static_cast<RoundRadiusSetDlgRequest&>(r);
        CRoundRadiusDlg dialog(CRoundRadiusDlg::IDD_SET,
                               request.settings.GetZukei().GetAttr().m_boxRay,
                               registry.DialogParent());
        return dialog.exec() == QDialog::Accepted ? IDOK : IDCANCEL;
    });
    registry.Register("GridSetDlg", [&registry](DialogRequest& r) {
        CGridSetDlg dialog(static_cast<GridSetDlgRequest&>(r).settings.GetZukei(),
                           registry.DialogParent());
        return dialog.exec() == QDialog::Accepted ? IDOK : IDCANCEL;
    });
    registry.Register("Position", [&registry](DialogRequest& r) {
        return RunPosition(static_cast<PositionRequest&>(r), registry.DialogParent());
    });
    // The command writes the defaults to the profile and repaints after OK.
    registry.Register("SystemSettings", [&registry](DialogRequest& r) {
        CSystemEnvDlg dialog(static_cast<OptionDialogRequest&>(r).config, registry.DialogParent());
        return dialog.exec() == QDialog::Accepted ? IDOK : IDCANCEL;
    });
    // The document empties its undo history and updates its views after OK.
    registry.Register("NafudaDlg", [&registry](DialogRequest& r) {
        CNafudaDlg dialog(registry.DialogParent());
        dialog.SetHeader(&static_cast<NafudaDlgRequest&>(r).header);
        return dialog.exec() == QDialog::Accepted ? IDOK : IDCANCEL;
    });
    // The target and replacement lists offer the term bar's history.
    registry.Register("FindReplaceDlg", [&registry](DialogRequest& r) {
        const CAppState* state = GetAppState();
        CFindReplaceDlg dialog(static_cast<FindReplaceDlgRequest&>(r),
                               state != nullptr ? state->GetYogoHistory()
                                                : std::vector<std::string>(),
                               registry.DialogParent());
        return dialog.exec() == QDialog::Accepted ? IDOK : IDCANCEL;
    });
    // The initial settings of a calendar-day and of an elapsed-day chart (the document stores
    // the copy after OK).
    registry.Register("SyokiSetRekiDlg", [&registry](DialogRequest& r) {
        auto& request = static_cast<SyokiSetRekiDlgRequest&>(r);
        return RunSyokiSetDialog(request.document, request.conversion, false, request.results,
                                 registry.DialogParent());
    });
    registry.Register("SyokiSetNobeDlg", [&registry](DialogRequest& r) {
        auto& request = static_cast<SyokiSetNobeDlgRequest&>(r);
        return RunSyokiSetDialog(request.document, request.conversion, true, request.results,
                                 registry.DialogParent());
    });
    // The attribute defaults of progress lines, terms and shapes: the command writes the part
    // to the profile after OK.
    registry.Register("ShincyokuAttributes", [&registry](DialogRequest& r) {
        CProgressAttrDlg dialog(static_cast<OptionDialogRequest&>(r).config->GetShin(),
                                registry.DialogParent());
        return dialog.exec() == QDialog::Accepted ? IDOK : IDCANCEL;
    });
    registry.Register("YogoAttributes", [&registry](DialogRequest& r) {
        CYogoAttrDlg dialog(static_cast<OptionDialogRequest&>(r).config->GetChart().GetYogoAttr(),
                            registry.DialogParent());
        return dialog.exec() == QDialog::Accepted ? IDOK : IDCANCEL;
    });
    registry.Register("ZukeiAttributes", [&registry](DialogRequest& r) {
        CZukeiAttrDlg dialog(static_cast<OptionDialogRequest&>(r).config->GetZukei(),
                             registry.DialogParent());
        return dialog.exec() == QDialog::Accepted ? IDOK : IDCANCEL;
    });
    // The question of a clicked progress line, and dialog 316 behind its 属性設定.
    registry.Register("ProgressEdit", [&registry](DialogRequest& r) {
        return RunProgressEdit(static_cast<ProgressEditRequest&>(r), registry.DialogParent());
    });
    // The document applies the values (and the markers of the groups left alone) after OK.
    registry.Register("YogoAttr2Dlg", [&registry](DialogRequest& r) {
        auto& request = static_cast<YogoAttr2DlgRequest&>(r);
        CYogoAttr2Dlg dialog(request, request.document, registry.DialogParent());
        return dialog.exec() == QDialog::Accepted ? IDOK : IDCANCEL;
    });
    registry.Register("ZukeiAttrChangeDlg", [&registry](DialogRequest& r) {
        CZukeiAttrChangeDlg dialog(static_cast<ZukeiAttrChangeDlgRequest&>(r),
                                   registry.DialogParent());
        return dialog.exec() == QDialog::Accepted ? IDOK : IDCANCEL;
    });
    registry.Register("ZukeiAttrSetDlg", [&registry](DialogRequest& r) {
        CZukeiAttrSetDlg dialog(static_cast<ZukeiAttrSetDlgRequest&>(r).settings,
                                registry.DialogParent());
        return dialog.exec() == QDialog::Accepted ? IDOK : IDCANCEL;
    });
}

} // namespace tembra
