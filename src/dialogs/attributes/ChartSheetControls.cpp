#include "dialogs/attributes/ChartSheetControls.h"

#include "controls/ColorComboBox.h"
#include "dialogs/attributes/AttrDialogControls.h"
#include "platform/FontCatalog.h"
#include "platform/qt/Cp932Text.h"
#include "platform/qt/DialogParts.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

namespace tembra {

CColorComboBox* MakeChoiceColorCombo(QWidget* parent, int id, ColorChoice* choice) {
    auto* combo = new CColorComboBox(parent);
    combo->setObjectName(IdName(id));
    combo->FillColors();
    combo->SetCustomColorSource([choice] { return choice->custom; });
    combo->setCurrentIndex(choice->position);
    QObject::connect(combo, &QComboBox::activated, parent, [combo, choice](int index) {
        choice->position = index;
        if (index == CColorComboBox::kCustomIndex) {
            AskColor(choice->custom);
            combo->update();
        }
    });
    return combo;
}

QComboBox* MakeTextCombo(QWidget* parent, int id, const std::vector<std::string>& texts,
                         int maxLength) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(IdName(id));
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    for (const std::string& text : texts) {
        combo->addItem(QString::fromStdString(text));
    }
    combo->lineEdit()->setMaxLength(maxLength);
    return combo;
}

QComboBox* MakeTableCombo(QWidget* parent, int id, std::span<const CodeEntry> table) {
    return MakeCodeCombo(parent, id, table);
}

QPushButton* MakePageButton(QWidget* parent, int id, const char* text) {
    auto* button = new QPushButton(QString::fromUtf8(text), parent);
    button->setObjectName(IdName(id));
    button->setAutoDefault(false);
    return button;
}

void FocusOnPage(QWidget* page, QWidget* field) {
    for (QWidget* up = page->parentWidget(); up != nullptr; up = up->parentWidget()) {
        if (auto* tabs = qobject_cast<QTabWidget*>(up)) {
            tabs->setCurrentWidget(page);
            break;
        }
    }
    field->setFocus();
    if (auto* combo = qobject_cast<QComboBox*>(field); combo != nullptr && combo->isEditable()) {
        combo->lineEdit()->selectAll();
    } else if (auto* edit = qobject_cast<QLineEdit*>(field)) {
        edit->selectAll();
    }
}

bool ResourceName(const CShigenNameTable& names, int index, std::string& name) {
    if (index < 0 || index >= static_cast<int>(names.size()) ||
        names[static_cast<std::size_t>(index)] == nullptr) {
        return false;
    }
    name = names[static_cast<std::size_t>(index)]->GetName();
    return true;
}

CChartFaceList::CChartFaceList(QWidget* parent, int id) : QListWidget(parent) {
    setObjectName(IdName(id));
}

void CChartFaceList::Select(const LOGFONT& font) {
    std::vector<std::string> listed;
    const IFontCatalog& catalog = FontCatalog();
    for (const std::string& face : ListedFaceNames(catalog)) {
        LOGFONT record;
        if (!catalog.FindFace(face, record)) {
            continue;
        }
        listed.push_back(face);
        if (!m_filled) {
            m_faces.push_back(record);
            addItem(FromCp932(face));
        }
    }
    m_filled = true;
    setCurrentRow(FindListedFace(listed, font.FaceName()));
}

LOGFONT CChartFaceList::SelectedFace(const LOGFONT& font) const {
    const int row = currentRow();
    if (row < 0 || row >= static_cast<int>(m_faces.size())) {
        return font;
    }
    return m_faces[static_cast<std::size_t>(row)];
}

} // namespace tembra
