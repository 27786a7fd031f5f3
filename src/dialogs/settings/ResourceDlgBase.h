// What the two resource windows share: the document's resource-name table five rows at a time,
// a name field and a quantity box per row, ▼次 and ▲前. A modeless tool window of the main
// window that never takes the focus from the chart when it is shown.
//
// Typing a name names the row's entry (the first free slot makes a new one) and marks the
// document modified; leaving a renamed field redraws the chart, whose labels show the names. A
// quantity is a number from 0 to 65535 (empty is 0): anything else is refused with the range
// message when the field is left or Enter is pressed, with the focus back on it, and the entry
// keeps its quantity. Esc and the close box go back to process mode with nothing selected and
// the undo history empty (the frame then hides the window).
//
// The place is shared by the two windows under "Settings" as "ShigenWindowPos" (left, top,
// width, height): only the position is restored, and only the window the frame shows writes it.
#pragma once

#include "dialogs/settings/core/ShigenRows.h"

#include <QDialog>

#include <array>
#include <string>

class QComboBox;
class QGridLayout;
class QLineEdit;
class QPushButton;

namespace tembra {

class CTembraDoc;

class CResourceDlgBase : public QDialog {
    Q_OBJECT
public:
    enum : int {
        IDC_NAME1 = 1201, // to IDC_NAME1 + 4
        IDC_QUANTITY1 = 1211,
        IDC_NEXT = 1221,
        IDC_PREV = 1222,
    };
    static constexpr const char* kPositionKey = "ShigenWindowPos";

    ~CResourceDlgBase() override;

    // Binds the window to a document (null: none) and shows the table's first page; the same
    // document again does nothing unless force is set.
    void SetResourceList(CTembraDoc* document, bool force);
    CTembraDoc* Document() const { return m_document; }
    // Whether this is the resource window the frame shows: only that one writes its place.
    void SetShown(bool shown) { m_shown = shown; }
    bool IsShown() const { return m_shown; }
    // "ShigenWindowPos": moves to the stored position when there is one.
    void RestorePosition();
    void SavePosition() const;

    // The table's entries with their quantities.
    std::vector<CShigenData> Entries() const { return m_rows.Entries(); }
    const CShigenRows& Rows() const { return m_rows; }

    void reject() override;

signals:
    // Esc or the close box took the document out of the resource mode.
    void Cancelled();

protected:
    CResourceDlgBase(int idd, const char* caption, QWidget* parent);

    // The grid of the rows and the paging buttons; a subclass adds its own controls around it.
    QGridLayout* RowsLayout() const { return m_grid; }
    CShigenRows& MutableRows() { return m_rows; }
    // The rows' controls from the rows; the focus as given.
    void LoadControls(ShigenFocus focus);
    void LoadControls();
    // Every visible quantity that cannot be taken is reported; false at the first.
    bool CheckQuantities();

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnNameEdited(int row);
    void OnQuantityEdited(int row);
    bool CheckQuantity(int row);

    CTembraDoc* m_document = nullptr;
    CShigenRows m_rows;
    bool m_shown = false;
    bool m_loading = false;
    bool m_checking = false;
    // The name the focused name field had when it took the focus.
    std::string m_focusName;
    std::array<QLineEdit*, CShigenRows::kRows> m_names{};
    std::array<QComboBox*, CShigenRows::kRows> m_quantities{};
    QPushButton* m_next = nullptr;
    QPushButton* m_prev = nullptr;
    QGridLayout* m_grid = nullptr;
};

} // namespace tembra
