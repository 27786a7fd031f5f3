// The fields dialogs 175 and 316 share: line type, width, colour, vertex joining (two radios and
// the interval list, enabled only while joined), vertex dates (two radios, colour, format) and
// the line sample. The values live in a ShinAttrFields; a user's change reports its group, so
// that dialog 316 ticks the group's box.
#pragma once

#include "dialogs/settings/core/ShinAttrFields.h"

#include <QWidget>

#include <array>
#include <functional>

class QComboBox;
class QRadioButton;

namespace tembra {

class CAttrColorCombo;
class CAttrSample;

class CShinAttrPanel : public QWidget {
    Q_OBJECT
public:
    enum : int {
        IDC_TYPE = 1401,
        IDC_WIDTH = 1402,
        IDC_COLOR = 1403,
        IDC_UNJOINED = 1404,
        IDC_JOINED = 1405,
        IDC_INTERVAL = 1406,
        IDC_NODATES = 1407,
        IDC_DATES = 1408,
        IDC_DATECOLOR = 1409,
        IDC_FORMAT = 1410,
        IDC_SAMPLE = 1411,
    };
    enum Group : int { kType, kWidth, kColor, kJoin, kDates };
    // The widths the sample draws the three width codes with, in 0.1 mm.
    using WidthSource = std::function<std::array<WORD, 3>()>;

    CShinAttrPanel(QWidget* parent, WidthSource widths);

    void Load(const ShinAttrFields& fields);
    // The fields as the controls show them (the widths and the own-font flag as loaded).
    const ShinAttrFields& Fields() const { return m_fields; }
    void SetOwnFont(bool own) { m_fields.ownFont = own; }
    void SetWidths(const std::array<WORD, 3>& widths) { m_fields.widths = widths; }
    // Draws the sample again (the widths may have changed).
    void RefreshSample();

    // A user's change of a group.
    std::function<void(Group)> changed;

private:
    void Changed(Group group);
    void FollowJoinRadio();

    WidthSource m_widthSource;
    ShinAttrFields m_fields;
    QComboBox* m_type = nullptr;
    QComboBox* m_width = nullptr;
    CAttrColorCombo* m_color = nullptr;
    QRadioButton* m_unjoined = nullptr;
    QRadioButton* m_joined = nullptr;
    QComboBox* m_interval = nullptr;
    QRadioButton* m_noDates = nullptr;
    QRadioButton* m_dates = nullptr;
    CAttrColorCombo* m_dateColor = nullptr;
    QComboBox* m_format = nullptr;
    CAttrSample* m_sample = nullptr;
};

} // namespace tembra
