#include "dialogs/settings/AttrColorCombo.h"

#include "dialogs/attributes/AttrDialogControls.h"
#include "platform/qt/DialogParts.h"

#include <QSignalBlocker>

namespace tembra {

CAttrColorCombo::CAttrColorCombo(QWidget* parent, int id, std::function<void()> changed)
    : CColorComboBox(parent), m_changed(std::move(changed)) {
    setObjectName(IdName(id));
    FillColors();
    SetCustomColorSource([this] { return m_choice.kept; });
    connect(this, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_choice.position = index;
        if (m_changed) {
            m_changed();
        }
    });
    // activated comes with every pick, also of その他 again, which asks anew.
    connect(this, &QComboBox::activated, this, &CAttrColorCombo::Picked);
}

void CAttrColorCombo::Load(const ColorChoice& choice) {
    m_choice = choice;
    const QSignalBlocker quiet(this);
    setCurrentIndex(choice.position);
    update();
}

void CAttrColorCombo::SetKept(COLORREF kept) {
    m_choice.kept = kept;
    update();
}

void CAttrColorCombo::Picked(int index) {
    if (index != CColorComboBox::kCustomIndex) {
        return;
    }
    AskColor(m_choice.kept);
    update();
    if (m_changed) {
        m_changed();
    }
}

} // namespace tembra
