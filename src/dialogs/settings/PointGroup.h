// A group of a position dialog: one labelled field per part of a point (year or month, day,
// hour, minute, row) in one line. Entered points get the dialog's own arrows; the base point of
// a two-point dialog is shown read-only without them.
#pragma once

#include <QGroupBox>

#include <initializer_list>
#include <vector>

namespace tembra {

class CArrowField;

class CPointGroup : public QGroupBox {
    Q_OBJECT
public:
    struct Part {
        int id;
        const char* before; // the label in front of the field ("第"), or null
        const char* after;  // the label behind it ("月")
    };

    CPointGroup(const char* title, std::initializer_list<Part> parts, bool readOnly,
                QWidget* parent);

    CArrowField* Field(std::size_t index) const { return m_fields[index]; }
    std::size_t Size() const { return m_fields.size(); }
    // Shows the values in the order of the parts.
    void Show(std::initializer_list<int> values);

private:
    std::vector<CArrowField*> m_fields;
};

} // namespace tembra
