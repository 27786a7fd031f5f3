#include "platform/qt/ColorDialog.h"

#include "platform/ColorRequest.h"

#include <QColorDialog>

namespace tembra {

int RunColorDialog(DialogRequest& request, QWidget* parent) {
    auto& asked = static_cast<ColorRequest&>(request);
    QColorDialog dialog(
        QColor(GetRValue(asked.color), GetGValue(asked.color), GetBValue(asked.color)), parent);
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted) {
        return IDCANCEL;
    }
    const QColor chosen = dialog.selectedColor();
    asked.color = RGB(chosen.red(), chosen.green(), chosen.blue());
    return IDOK;
}

} // namespace tembra
