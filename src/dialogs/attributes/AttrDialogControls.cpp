#include "dialogs/attributes/AttrDialogControls.h"

#include "platform/ColorRequest.h"
#include "platform/Ui.h"
#include "platform/qt/DialogParts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

namespace tembra {

QComboBox* MakeCodeCombo(QWidget* parent, int id, std::span<const CodeEntry> table) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(IdName(id));
    for (const CodeEntry& entry : table) {
        combo->addItem(QString::fromUtf8(entry.text));
    }
    return combo;
}

bool AskColor(COLORREF& color) {
    ColorRequest request;
    request.color = color;
    if (Ui().RunDialog(request) != IDOK) {
        return false;
    }
    color = request.color;
    return true;
}

QComboBox* MakeColorCombo(QWidget* parent, int id, COLORREF* custom, std::function<void()> picked) {
    QComboBox* combo = MakeCodeCombo(parent, id, ColorTable());
    QObject::connect(combo, &QComboBox::activated, parent, [custom, picked](int index) {
        if (index == kCustomColorPosition) {
            AskColor(*custom);
        }
        if (picked) {
            picked();
        }
    });
    return combo;
}

QLineEdit* MakeNumberEdit(QWidget* parent, int id, int maxLength) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(IdName(id));
    edit->setMaxLength(maxLength);
    edit->setMaximumWidth(80);
    return edit;
}

QCheckBox* MakeCheck(QWidget* parent, int id, const char* text) {
    auto* check = new QCheckBox(QString::fromUtf8(text), parent);
    check->setObjectName(IdName(id));
    return check;
}

} // namespace tembra
