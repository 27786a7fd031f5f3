// The about box (dialog 100): the program's picture with a shadow along its bottom and right
// edges and the version text (control 1594). A left click closes it as OK, a right click as
// Cancel, and so does switching to another window once it has been painted.
#pragma once

#include <QDialog>

class QLabel;

namespace tembra {

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 100;
    static constexpr int IDC_VERSION = 1594;
    // The width of the shadow band.
    static constexpr int kShadow = 16;

    explicit CAboutDlg(QWidget* parent = nullptr);
    ~CAboutDlg() override;

    bool IsPainted() const { return m_painted; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QLabel* m_version = nullptr;
    bool m_painted = false;
};

} // namespace tembra
