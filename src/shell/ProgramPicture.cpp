#include "shell/ProgramPicture.h"

#include "platform/StringTable.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>

namespace tembra {

namespace {

QPixmap DrawPicture() {
    constexpr int kWidth = 400;
    constexpr int kHeight = 240;
    QPixmap pixmap(kWidth, kHeight);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, kHeight);
    sky.setColorAt(0, QColor(40, 84, 150));
    sky.setColorAt(1, QColor(146, 186, 226));
    painter.fillRect(pixmap.rect(), sky);

    // A schedule chart: a time grid with process bars linked end to start.
    const QRect chart(24, 96, kWidth - 48, 104);
    painter.fillRect(chart, QColor(250, 250, 244));
    painter.setPen(QColor(200, 200, 190));
    for (int x = chart.left(); x < chart.right(); x += 16) {
        painter.drawLine(x, chart.top(), x, chart.bottom());
    }
    struct Bar {
        int from;
        int to;
        int row;
        QColor color;
    };
    const Bar bars[] = {{0, 5, 0, QColor(200, 40, 40)},
                        {5, 11, 1, QColor(30, 120, 50)},
                        {5, 9, 2, QColor(30, 60, 170)},
                        {11, 16, 3, QColor(200, 40, 40)},
                        {16, 21, 4, QColor(140, 40, 150)}};
    for (const Bar& b : bars) {
        const int y = chart.top() + 12 + b.row * 20;
        const int x1 = chart.left() + 8 + b.from * 16;
        const int x2 = chart.left() + 8 + b.to * 16;
        painter.setPen(QPen(b.color, 3));
        painter.drawLine(x1, y, x2, y);
        painter.setBrush(Qt::white);
        painter.setPen(QPen(b.color, 2));
        painter.drawEllipse(QPoint(x1, y), 4, 4);
        painter.drawEllipse(QPoint(x2, y), 4, 4);
    }

    QFont title = painter.font();
    title.setPixelSize(28);
    title.setBold(true);
    painter.setFont(title);
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, 18, kWidth, 48), Qt::AlignCenter,
                     QString::fromStdString(LoadStringUtf8(117)));
    painter.end();
    return pixmap;
}

} // namespace

const QPixmap& ProgramPicture() {
    static const QPixmap picture = DrawPicture();
    return picture;
}

} // namespace tembra
