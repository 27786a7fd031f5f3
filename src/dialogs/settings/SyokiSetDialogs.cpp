#include "dialogs/settings/SyokiSetDialogs.h"

#include "dialogs/settings/SyokiSetRekiDlg.h"
#include "dialogs/settings/core/SyokiSetAutomation.h"
#include "dialogs/settings/core/SyokiSetNobeModel.h"
#include "document/TembraDoc.h"

#include <memory>

namespace tembra {

int RunSyokiSetDialog(CTembraDoc* document, const DayConversion* conversion, bool elapsed,
                      SyokiSetResults& results, QWidget* parent) {
    if (document == nullptr) {
        return IDCANCEL;
    }
    std::unique_ptr<CSyokiSetRekiModel> model;
    if (elapsed) {
        model = std::make_unique<CSyokiSetNobeModel>(document);
    } else {
        model = std::make_unique<CSyokiSetRekiModel>(document);
    }
    SyokiSetConversion record;
    if (conversion != nullptr) {
        record = MakeSyokiSetConversion(*conversion, document->GetSyokiSet(), elapsed);
    }
    model->LoadPeriod(&results.settings, conversion != nullptr ? &record : nullptr);
    int result = IDCANCEL;
    if (elapsed) {
        CSyokiSetNobeDlg dialog(*model, parent);
        result = dialog.DoModal();
    } else {
        CSyokiSetRekiDlg dialog(*model, CSyokiSetRekiDlg::IDD, parent);
        result = dialog.DoModal();
    }
    if (result != IDOK) {
        return IDCANCEL;
    }
    model->StorePeriod(&results.settings);
    results.temporaryLayout = model->IsEditedHere();
    results.rebuildHeader = model->IsLayoutChanged();
    results.layoutNumber = model->IsTemporaryAtOpen() ? 1 : 0;
    return IDOK;
}

} // namespace tembra
