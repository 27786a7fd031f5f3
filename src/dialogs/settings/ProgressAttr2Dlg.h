// Dialog 316 "進捗属性": the attributes of one progress line, opened from dialog 176. Each group
// (line type, width, colour, joining, dates) has a box saying whether 決定 applies it; all are
// clear at opening and a change of a field ticks its group. "フォントの設定" asks for the date
// font ("基準フォント優先" ticked while the line has no font of its own, the chart's progress
// font then the start); 初期化 ticks every box and loads the chart's progress settings.
#pragma once

#include "dialogs/settings/core/ShinAttrFields.h"
#include "platform/Types.h"

#include <QDialog>

class QCheckBox;

namespace tembra {

class CConfigShin;
class CShinAttrPanel;

class CProgressAttr2Dlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 316;
    enum : int {
        IDC_APPLY_TYPE = 1450,
        IDC_APPLY_WIDTH = 1451,
        IDC_APPLY_COLOR = 1452,
        IDC_APPLY_JOIN = 1453,
        IDC_APPLY_DATES = 1454,
        IDC_FONT = 1455,
        IDC_RESET = 1430,
    };

    // fields and font: the line's; settings: the chart's progress part.
    CProgressAttr2Dlg(const ShinAttrFields& fields, const LOGFONT& font,
                      const CConfigShin& settings, QWidget* parent = nullptr);

    ShinApplyGroups Groups() const;
    const ShinAttrFields& Fields() const;
    const LOGFONT& Font() const { return m_font; }

private:
    void ChooseFont();
    void Reset();

    const CConfigShin& m_settings;
    LOGFONT m_font;
    CShinAttrPanel* m_panel = nullptr;
    QCheckBox* m_apply[5] = {};
};

} // namespace tembra
