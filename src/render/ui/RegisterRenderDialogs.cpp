#include "render/ui/RegisterRenderDialogs.h"

#include "platform/StringTable.h"
#include "platform/qt/DialogRegistry.h"
#include "render/AreaNameSheetRequest.h"
#include "render/ui/AreaNameSheet.h"

namespace tembra {

namespace {

constexpr UINT IDS_AREA_NAME_SHEET = 5148; // "列数と欄名称設定"

} // namespace

void RegisterRenderDialogs(IDialogRegistry& registry) {
    registry.Register("AreaNameSheet", [&registry](DialogRequest& r) {
        auto& request = static_cast<AreaNameSheetRequest&>(r);
        // The sheet writes into the request's copy only on 決定.
        CAreaNameSheet sheet(
            &request.areaNames, request.dateRows,
            request.itemColumns > 0 ? &request.itemColumns : nullptr, request.koumokuFont,
            QString::fromStdString(LoadStringUtf8(IDS_AREA_NAME_SHEET)), registry.DialogParent());
        return sheet.exec() == QDialog::Accepted ? IDOK : IDCANCEL;
    });
}

} // namespace tembra
