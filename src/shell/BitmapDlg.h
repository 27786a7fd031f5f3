// The splash window: the program's picture, centred, shown while the program starts.
#pragma once

#include <QWidget>

namespace tembra {

class CBitmapDlg : public QWidget {
    Q_OBJECT
public:
    static constexpr int IDD = 177;

    explicit CBitmapDlg(QWidget* parent = nullptr);
    ~CBitmapDlg() override;

    // Shows the window at once, centred over the parent or the screen, and paints it.
    void ShowNow();

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace tembra
