// The fields dialogs 184 and 217 share: format, size, the decoration boxes (囲み, 白抜, 強調,
// 縦書), colour, position, stacking and 常に横書き. The values live in a YogoAttrFields; a
// user's change reports its group, so that the batch mode of dialog 217 ticks the group's box.
#pragma once

#include "dialogs/settings/core/YogoAttrFields.h"

#include <QWidget>

#include <functional>

class QButtonGroup;
class QCheckBox;
class QGroupBox;

namespace tembra {

class CAttrColorCombo;

class CYogoAttrPanel : public QWidget {
    Q_OBJECT
public:
    enum : int {
        IDC_FORMAT = 1501, // 1501 to 1506
        IDC_SIZE = 1511,   // 1511 to 1514
        IDC_FRAME = 1521,
        IDC_OUTLINE = 1522,
        IDC_BOLD = 1523,
        IDC_VERTICAL = 1524,
        IDC_HALF_ACROSS = 1525,
        IDC_COLOR = 1530,
        IDC_POSITION = 1531, // 上部, 下部
        IDC_STACK = 1533,    // 上に積む, 下に積む
    };
    enum Group : int { kFormat, kSize, kFlags, kColor, kPosition, kHalfWidth };

    explicit CYogoAttrPanel(QWidget* parent);

    void Load(const YogoAttrFields& fields);
    const YogoAttrFields& Fields() const { return m_fields; }
    void EnableStacking(bool enable);

    std::function<void(Group)> changed;

private:
    void Changed(Group group);

    YogoAttrFields m_fields;
    QButtonGroup* m_format = nullptr;
    QButtonGroup* m_size = nullptr;
    QButtonGroup* m_position = nullptr;
    QButtonGroup* m_stack = nullptr;
    QGroupBox* m_stackBox = nullptr;
    CAttrColorCombo* m_color = nullptr;
    struct FlagBox {
        QCheckBox* box;
        WORD bit;
        Group group;
    };
    std::vector<FlagBox> m_flags;
};

} // namespace tembra
