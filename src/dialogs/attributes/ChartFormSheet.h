// The format sheet of a chart's totals box (5166 "書式設定"): the frame line, hatching and
// separator on the page "スタイル" (430), the text's face, size, colour and alignment on the page
// "フォント" (429). 決定 writes the box and the chart's separator it was given (the settings
// sheet gives its working copy): the frame page first, then the text with width 0.
#pragma once

#include "dialogs/attributes/core/ChartSheetFields.h"
#include "platform/qt/PropertySheet.h"

class QButtonGroup;
class QComboBox;

namespace tembra {

class CChart;
class CChartFaceList;
class CZukeiString;

class CChartFormSheet : public CPropertySheet {
    Q_OBJECT
public:
    static constexpr UINT IDS_CAPTION = 5166;
    static constexpr int IDD_FRAME = 430;
    static constexpr int IDD_FONT = 429;
    enum : int {
        IDC_WIDTH = 2038,
        IDC_LINE_COLOR = 2083,
        IDC_LINE_TYPE = 2084,
        IDC_HATCH_COLOR = 2085,
        IDC_HATCH = 2086,
        IDC_SEPARATOR = 2090,
        IDC_FACE_LIST = 1231,
        IDC_SIZE = 1233,
        IDC_TEXT_COLOR = 1403,
        IDC_LEFT = 1239,
        IDC_CENTER = 1235,
        IDC_RIGHT = 1240,
        IDC_TOP = 1727,
        IDC_MIDDLE = 1728,
        IDC_BOTTOM = 1729,
    };

    CChartFormSheet(CChart& chart, CZukeiString& box, QWidget* parent = nullptr);

private:
    QWidget* BuildFramePage();
    QWidget* BuildFontPage();
    bool StoreFrame();
    bool StoreFont();

    CChart& m_chart;
    CZukeiString& m_box;
    TotalsFormatFields m_fields;
    QComboBox* m_lineType = nullptr;
    QComboBox* m_width = nullptr;
    QComboBox* m_hatch = nullptr;
    QComboBox* m_separator = nullptr;
    CChartFaceList* m_faces = nullptr;
    QComboBox* m_size = nullptr;
    QButtonGroup* m_horizontal = nullptr;
    QButtonGroup* m_vertical = nullptr;
};

} // namespace tembra
