// The grid dialog ("グリッドの設定"): snapping on or off and the divisions of the current area
// across and down, each box showing the pitch that results. Leaving a box checks its count
// (61214, 61215) and keeps the focus there after a refusal.
#pragma once

#include "layout_editor/core/EditorRequests.h"

#include <QDialog>

class QComboBox;
class QPushButton;
class QRadioButton;

namespace marquell {

class CGridSizeButton;

class CGridSetDlg : public QDialog {
    Q_OBJECT
public:
    CGridSetDlg(GridSetRequest& request, QWidget* parent = nullptr);

    // 0 across, 1 down.
    QComboBox* CountBox(int axis) const { return m_counts[axis]; }
    CGridSizeButton* PitchButton(int axis) const { return m_pitches[axis]; }
    QRadioButton* SnapButton(bool on) const { return on ? m_on : m_off; }
    QPushButton* OkButton() const { return m_ok; }
    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int Length(int axis) const;
    void ShowPitch(int axis, const QString& text);
    // The check of a box that was left; false after a refusal.
    bool RunPendingCheck();

    CGridSetData& m_data;
    QRadioButton* m_on;
    QRadioButton* m_off;
    QComboBox* m_counts[2];
    CGridSizeButton* m_pitches[2];
    QPushButton* m_ok = nullptr;
    int m_pending = -1;
};

} // namespace marquell
