#include "view/ModeCursors.h"

#include "view/core/ViewHost.h"

#include <QFont>
#include <QPainter>
#include <QPixmap>
#include <QPolygon>

#include <array>
#include <map>

namespace tembra {

namespace {

enum class Base { Arrow, Cross };

struct ModeCursorRow {
    int id;
    Base base;
    const char* glyph; // UTF-8
};

// The mode cursors: what the pointer does (picks or places) and what it works on.
constexpr std::array<ModeCursorRow, 32> kModeCursors{{
    {1670, Base::Cross, "項"}, {1194, Base::Arrow, "項"}, {1191, Base::Arrow, "日"},
    {1669, Base::Arrow, "⇔"},  {1501, Base::Cross, "工"}, {1193, Base::Arrow, "工"},
    {1176, Base::Arrow, "複"}, {1184, Base::Arrow, "移"}, {228, Base::Arrow, "曲"},
    {1504, Base::Cross, "用"}, {1197, Base::Arrow, "用"}, {1177, Base::Arrow, "複"},
    {1185, Base::Arrow, "移"}, {1503, Base::Cross, "進"}, {1196, Base::Arrow, "進"},
    {1668, Base::Cross, "線"}, {1198, Base::Arrow, "線"}, {1178, Base::Arrow, "複"},
    {1186, Base::Arrow, "移"}, {1179, Base::Cross, "変"}, {1190, Base::Arrow, "変"},
    {1502, Base::Cross, "物"}, {1195, Base::Arrow, "物"}, {1500, Base::Cross, "行"},
    {1192, Base::Arrow, "行"}, {1175, Base::Arrow, "複"}, {1183, Base::Arrow, "移"},
    {268, Base::Cross, "資"},  {269, Base::Arrow, "資"},  {270, Base::Arrow, "複"},
    {271, Base::Arrow, "移"},  {272, Base::Arrow, "山"},
}};

constexpr int kSize = 32;

QCursor Draw(const ModeCursorRow& row) {
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QPoint hot;
    if (row.base == Base::Arrow) {
        const QPolygon arrow({QPoint(0, 0), QPoint(0, 16), QPoint(4, 12), QPoint(7, 18),
                              QPoint(9, 17), QPoint(6, 11), QPoint(11, 11)});
        painter.setPen(QPen(Qt::white, 1));
        painter.setBrush(Qt::black);
        painter.drawPolygon(arrow);
        hot = QPoint(0, 0);
    } else {
        painter.setPen(QPen(Qt::white, 3));
        painter.drawLine(8, 0, 8, 16);
        painter.drawLine(0, 8, 16, 8);
        painter.setPen(QPen(Qt::black, 1));
        painter.drawLine(8, 0, 8, 16);
        painter.drawLine(0, 8, 16, 8);
        hot = QPoint(8, 8);
    }
    const QRect box(14, 14, 17, 17);
    painter.setPen(QColor(30, 30, 60));
    painter.setBrush(QColor(255, 255, 230));
    painter.drawRoundedRect(box, 3, 3);
    QFont font = painter.font();
    font.setPixelSize(13);
    painter.setFont(font);
    painter.drawText(box, Qt::AlignCenter, QString::fromUtf8(row.glyph));
    painter.end();
    return QCursor(pixmap, hot.x(), hot.y());
}

} // namespace

std::optional<QCursor> ViewCursor(int id) {
    switch (id) {
    case IViewHost::kCursorArrow:
        return QCursor(Qt::ArrowCursor);
    case IViewHost::kCursorSize:
        return QCursor(Qt::SizeAllCursor);
    case IViewHost::kCursorSizeNWSE:
        return QCursor(Qt::SizeFDiagCursor);
    case IViewHost::kCursorSizeNESW:
        return QCursor(Qt::SizeBDiagCursor);
    case IViewHost::kCursorSizeWE:
        return QCursor(Qt::SizeHorCursor);
    case IViewHost::kCursorSizeNS:
        return QCursor(Qt::SizeVerCursor);
    case IViewHost::kCursorAreaZoom:
        return QCursor(Qt::CrossCursor);
    default:
        break;
    }
    static std::map<int, QCursor> made;
    if (const auto it = made.find(id); it != made.end()) {
        return it->second;
    }
    for (const ModeCursorRow& row : kModeCursors) {
        if (row.id == id) {
            return made.emplace(id, Draw(row)).first->second;
        }
    }
    return std::nullopt;
}

} // namespace tembra
