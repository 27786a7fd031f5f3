#include "shell/AboutDlg.h"

#include "shell/ProgramPicture.h"

#include <QEvent>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

namespace tembra {

namespace {

// The shadow: every other pixel of the band turned black, in a checker (a 50 % mask).
void DarkenChecker(QPainter& painter, const QRect& band) {
    QImage pattern(8, 8, QImage::Format_ARGB32);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            // Rows of 0x55 and 0xAA: a set bit masks the pixel out to black.
            const bool set = ((y % 2 == 0 ? 0x55 : 0xAA) >> (7 - x) & 1) != 0;
            pattern.setPixel(x, y, set ? qRgba(0, 0, 0, 255) : qRgba(0, 0, 0, 0));
        }
    }
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QBrush(pattern));
    painter.setBrushOrigin(0, 0);
    painter.drawRect(band);
    painter.restore();
}

} // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QString::number(IDD));
    setWindowTitle(QString::fromUtf8("バージョン情報"));
    const QPixmap& picture = ProgramPicture();
    setFixedSize(picture.width() + kShadow, picture.height() + kShadow);

    m_version = new QLabel(QStringLiteral("Version: 05.80.00"), this);
    m_version->setObjectName(QString::number(IDC_VERSION));
    m_version->setAttribute(Qt::WA_TransparentForMouseEvents);
    QPalette palette = m_version->palette();
    palette.setColor(QPalette::WindowText, QColor(20, 20, 60));
    m_version->setPalette(palette);
    m_version->adjustSize();
    m_version->move(picture.width() - m_version->width() - 12,
                    picture.height() - m_version->height() - 8);
}

CAboutDlg::~CAboutDlg() = default;

void CAboutDlg::paintEvent(QPaintEvent* event) {
    static_cast<void>(event);
    QPainter painter(this);
    const int w = width();
    const int h = height();
    painter.fillRect(rect(), palette().window());
    DarkenChecker(painter, QRect(QPoint(kShadow, h - kShadow), QPoint(w - 1, h - 1)));
    DarkenChecker(painter, QRect(QPoint(w - kShadow, kShadow), QPoint(w - 1, h - 1)));
    painter.drawPixmap(0, 0, ProgramPicture());
    m_painted = true;
}

void CAboutDlg::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        accept();
    } else if (event->button() == Qt::RightButton) {
        reject();
    } else {
        QDialog::mouseReleaseEvent(event);
    }
}

void CAboutDlg::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && m_painted && !isActiveWindow() &&
        isVisible()) {
        reject();
    }
}

} // namespace tembra
