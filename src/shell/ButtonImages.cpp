#include "shell/ButtonImages.h"

#include <QFont>
#include <QPainter>
#include <QPixmap>

#include <algorithm>
#include <array>

namespace tembra {

namespace {

// The character that stands for the name: its first one that is not a blank, a bracket or a
// digit with its dot ("1. 実線" shows 実).
QString Glyph(const QString& name) {
    for (const QChar c : name) {
        if (c.isSpace() || c == QChar(0x3000) || c == '[' || c == '(' || c == '.' || c.isDigit()) {
            continue;
        }
        return QString(c);
    }
    return QStringLiteral("?");
}

// The name's first character on a tile in the colour of the set.
QIcon Tile(int set, const QString& name) {
    static const std::array<QColor, 7> kTiles = {
        QColor(220, 232, 250), QColor(232, 244, 220), QColor(250, 240, 214), QColor(250, 226, 226),
        QColor(226, 242, 242), QColor(238, 228, 250), QColor(244, 244, 230)};
    const QColor tile = kTiles[static_cast<std::size_t>(std::clamp(set, 1, 7) - 1)];
    QPixmap pixmap(32, 30);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(tile.darker(160));
    painter.setBrush(tile);
    painter.drawRoundedRect(QRectF(1, 1, 30, 28), 5, 5);
    QFont font = painter.font();
    font.setPixelSize(20);
    painter.setFont(font);
    painter.setPen(QColor(30, 30, 60));
    painter.drawText(pixmap.rect(), Qt::AlignCenter, Glyph(name));
    painter.end();
    return QIcon(pixmap);
}

} // namespace

QIcon ButtonImage(int set, const ToolBarCommand& command) {
    if (const char* standard = CToolBarSets::StandardIconName(command.id)) {
        const QString name = QString::fromLatin1(standard);
        if (QIcon::hasThemeIcon(name)) {
            return QIcon::fromTheme(name);
        }
    }
    return Tile(set, QString::fromUtf8(command.name));
}

} // namespace tembra
