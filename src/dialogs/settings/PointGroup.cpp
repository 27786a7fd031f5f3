#include "dialogs/settings/PointGroup.h"

#include "dialogs/settings/ArrowField.h"

#include <QHBoxLayout>
#include <QLabel>

namespace tembra {

CPointGroup::CPointGroup(const char* title, std::initializer_list<Part> parts, bool readOnly,
                         QWidget* parent)
    : QGroupBox(QString::fromUtf8(title), parent) {
    auto* line = new QHBoxLayout(this);
    for (const Part& part : parts) {
        if (part.before != nullptr) {
            line->addWidget(new QLabel(QString::fromUtf8(part.before), this));
        }
        auto* field = new CArrowField(part.id, this);
        if (readOnly) {
            field->ShowOnly();
        }
        line->addWidget(field);
        line->addWidget(new QLabel(QString::fromUtf8(part.after), this));
        m_fields.push_back(field);
    }
    line->addStretch();
}

void CPointGroup::Show(std::initializer_list<int> values) {
    std::size_t index = 0;
    for (const int value : values) {
        if (index < m_fields.size()) {
            m_fields[index++]->SetValue(value);
        }
    }
}

} // namespace tembra
