// The document check list page of the plan sheet: the list of document rows, the edits of the
// chosen row, whether it must be submitted, its two dates, and 取り消し, which puts the row back
// as it was when the page was first shown.
#pragma once

#include "print/PrhMst03CheckList.h"

#include <QWidget>

#include <array>

class QButtonGroup;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace tembra {

class CEnterMovesFocus;
class CPrhMst03Edit;
class CPrhMst03Texts;

class CPrhMst03P10 : public QWidget {
    Q_OBJECT
public:
    CPrhMst03P10(CPrhMst03Texts& texts, CEnterMovesFocus& enter, QWidget* parent);

    // The row being edited into the items; nothing before the page was first shown.
    void Collect();

    QListWidget* Rows() const { return m_rows; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FirstDisplay();
    void LoadRow(int row);
    PrhMst03CheckRow ShownRow() const;
    void SelectRow(int row);
    void OnRowChosen(int row);
    void OnRestore();

    CPrhMst03CheckList m_list;
    QListWidget* m_rows = nullptr;
    std::array<CPrhMst03Edit*, 3> m_items{};
    QRadioButton* m_required = nullptr;
    QRadioButton* m_notRequired = nullptr;
    QButtonGroup* m_submission = nullptr;
    std::array<CPrhMst03Edit*, 2> m_dates{};
    int m_current = 0;
    bool m_shown = false;
};

} // namespace tembra
