// The frame of every property sheet of both programs: a dialog with one tab per page and the
// two buttons 決定 and 取消. Each page is a widget of its own with an apply step that stores its
// values; 決定 first checks the texts of every page (CheckTextFields) and then runs the steps in
// page order, and a page that refuses (it has shown its message and put the focus on its field)
// is brought to the front while the sheet stays open.
#pragma once

#include <QDialog>

#include <functional>
#include <vector>

class QPushButton;
class QTabWidget;

namespace tembra {

class CPropertySheet : public QDialog {
    Q_OBJECT
public:
    // Stores a page's values; false when the page refuses them.
    using ApplyStep = std::function<bool()>;

    CPropertySheet(const QString& title, QWidget* parent);
    ~CPropertySheet() override;

    // Adds a page as the last tab; the sheet takes the page. Returns the page's index.
    int AddPage(QWidget* page, const QString& caption, ApplyStep apply);

    QTabWidget* Tabs() const { return m_tabs; }
    QPushButton* OkButton() const { return m_ok; }
    QPushButton* CancelButton() const { return m_cancel; }

    // Runs each page's apply step in page order; closes only when every page took its values.
    void accept() override;

private:
    QTabWidget* m_tabs = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
    std::vector<ApplyStep> m_steps;
};

} // namespace tembra
