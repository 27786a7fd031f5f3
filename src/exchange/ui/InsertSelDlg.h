// The insert selection (dialog 157 "差し込み選択"): which parts of another chart file File >
// Insert takes into the open chart. Ten check boxes, all clear at the start, each carrying its
// template id as its object name; "レイヤーを選択する" asks for the layers of the inserted objects
// instead of naming a part.
#pragma once

#include <QDialog>

#include <array>

class QCheckBox;

namespace tembra {

class DialogRequest;

class CInsertSelDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 157;
    enum : int {
        IDC_CALENDAR = 1047,
        IDC_SETTINGS = 1601,
        IDC_HEADER = 1269,
        IDC_ITEMS = 1373,
        IDC_PROCESSES = 1376,
        IDC_OBJECTS = 1473,
        IDC_EVENTS = 1211,
        IDC_SHAPES = 1698,
        IDC_LAYERS = 1602,
        IDC_CHOOSE_LAYER = 1270,
    };

    explicit CInsertSelDlg(QWidget* parent = nullptr);
    ~CInsertSelDlg() override;

    // The check boxes' values: set before the dialog runs, read after OK.
    bool m_bCalendar = false;
    bool m_bSettings = false;
    bool m_bHeader = false;
    bool m_bItems = false;
    bool m_bProcesses = false;
    bool m_bObjects = false;
    bool m_bEvents = false;
    bool m_bShapes = false;
    bool m_bLayers = false;
    bool m_bChooseLayer = false;

    // The insert mask of the boxes ticked (0x1 calendar ... 0x200 layers).
    int GetInsertMask() const;
    QCheckBox* CheckBox(int id) const;

    // Shows the values, then runs.
    int exec() override;
    void accept() override;

    // The dialog for an insert selection request: on OK its mask and the layer choice.
    static int Run(DialogRequest& request, QWidget* parent);

private:
    struct Box {
        int id;
        const char* label;
        bool CInsertSelDlg::*value;
        int bit;
    };
    static const std::array<Box, 10> kBoxes;
    std::array<QCheckBox*, 10> m_boxes{};
};

} // namespace tembra
