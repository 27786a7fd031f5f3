#include "shell/BitmapDlg.h"

#include "shell/ProgramPicture.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

namespace tembra {

CBitmapDlg::CBitmapDlg(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QString::number(IDD));
    setFixedSize(ProgramPicture().size());
}

CBitmapDlg::~CBitmapDlg() = default;

void CBitmapDlg::ShowNow() {
    QRect area;
    if (parentWidget() != nullptr && parentWidget()->isVisible()) {
        area = parentWidget()->frameGeometry();
    } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        area = screen->availableGeometry();
    }
    if (area.isValid()) {
        move(area.center() - rect().center());
    }
    show();
    raise();
    repaint();
}

void CBitmapDlg::paintEvent(QPaintEvent* event) {
    static_cast<void>(event);
    QPainter painter(this);
    painter.drawPixmap(0, 0, ProgramPicture());
}

} // namespace tembra
