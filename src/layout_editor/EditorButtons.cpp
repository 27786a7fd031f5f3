#include "layout_editor/EditorButtons.h"

#include "layout_editor/core/CommandIds.h"

#include <QPainter>
#include <QPixmap>

namespace marquell {

namespace {

constexpr int kSize = 16;

enum class Kind { File, Draw, Edit, View, Attribute };

struct Sign {
    unsigned command;
    Kind kind;
    const char* text; // shown on the tile; empty where a picture is drawn
    // The command's standard action in the freedesktop icon naming scheme, or null: the button
    // shows that icon of the desktop's icon theme where the theme has one.
    const char* standard = nullptr;
};

constexpr Sign kSigns[] = {
    {ID_FILE_NEW, Kind::File, "新", "document-new"},
    {ID_FILE_OPEN, Kind::File, "開", "document-open"},
    {ID_FILE_SAVE, Kind::File, "保", "document-save"},
    {ID_FILE_PRINT, Kind::File, "印", "document-print"},
    {ID_FILE_PRINT_SETUP, Kind::File, "設"},
    {ID_FILE_PRINT_PREVIEW, Kind::File, "覧", "document-print-preview"},
    {ID_FORMAT_NAME, Kind::File, "名"},
    {ID_SIZE_SET, Kind::View, "寸"},
    {ID_GRID_SET, Kind::View, "格"},
    {ID_ZOOM_IN, Kind::View, "+", "zoom-in"},
    {ID_ZOOM_RESET, Kind::View, "1", "zoom-original"},
    {ID_ZOOM_OUT, Kind::View, "-", "zoom-out"},
    {ID_AREA_HEADER, Kind::View, "上"},
    {ID_AREA_FOOTER, Kind::View, "下"},
    {ID_AREA_LEFT, Kind::View, "左"},
    {ID_AREA_RIGHT, Kind::View, "右"},
    {57666, Kind::File, "?", "help-contents"},
    {57669, Kind::File, "?"},
    {ID_MODE_TEXT, Kind::Draw, ""},
    {ID_MODE_INPUT, Kind::Draw, ""},
    {ID_MODE_LINE, Kind::Draw, ""},
    {ID_MODE_BOX, Kind::Draw, ""},
    {ID_MODE_EDIT, Kind::Edit, ""},
    {ID_MODE_COPY, Kind::Edit, "複"},
    {ID_MODE_MOVE, Kind::Edit, "移"},
    {ID_MODE_TRANSFORM, Kind::Edit, "変"},
    {ID_DELETE, Kind::Edit, "消", "edit-delete"},
    {ID_EDIT_UNDO, Kind::Edit, "戻", "edit-undo"},
    {ID_WIDTH_NORMAL, Kind::Attribute, ""},
    {ID_WIDTH_THIN, Kind::Attribute, ""},
    {ID_WIDTH_BOLD, Kind::Attribute, ""},
    {ID_CENTER_VERTICAL, Kind::Attribute, "縦"},
    {ID_CENTER_HORIZONTAL, Kind::Attribute, "横"},
    {ID_GRID_SNAP, Kind::Attribute, "#"},
};

QColor TileColour(Kind kind) {
    switch (kind) {
    case Kind::File:
        return QColor(220, 228, 240);
    case Kind::Draw:
        return QColor(255, 255, 255);
    case Kind::Edit:
        return QColor(236, 244, 228);
    case Kind::View:
        return QColor(244, 236, 220);
    case Kind::Attribute:
        return QColor(240, 232, 244);
    }
    return Qt::white;
}

// The pictures of the drawing modes, the pointer and the line widths.
void DrawPicture(QPainter& p, unsigned command) {
    p.setPen(QPen(Qt::black, 1));
    switch (command) {
    case ID_MODE_TEXT: {
        QFont font = p.font();
        font.setPixelSize(13);
        font.setBold(true);
        p.setFont(font);
        p.drawText(QRect(0, 0, kSize, kSize), Qt::AlignCenter, QStringLiteral("A"));
        break;
    }
    case ID_MODE_INPUT:
        p.setPen(QPen(QColor(0, 0, 128), 1));
        p.drawRect(2, 4, 11, 8);
        p.drawLine(4, 8, 11, 8);
        break;
    case ID_MODE_LINE:
        p.drawLine(2, 13, 13, 2);
        break;
    case ID_MODE_BOX:
        p.drawRect(2, 3, 11, 9);
        break;
    case ID_MODE_EDIT: {
        const QPoint arrow[] = {QPoint(4, 2),   QPoint(4, 13), QPoint(7, 10), QPoint(10, 14),
                                QPoint(11, 13), QPoint(8, 9),  QPoint(12, 9)};
        p.setBrush(Qt::black);
        p.drawPolygon(arrow, 7);
        break;
    }
    case ID_WIDTH_THIN:
    case ID_WIDTH_NORMAL:
    case ID_WIDTH_BOLD: {
        const int width = command == ID_WIDTH_THIN ? 1 : command == ID_WIDTH_NORMAL ? 2 : 4;
        p.setPen(QPen(Qt::black, width, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(2, 8, 14, 8);
        break;
    }
    default:
        break;
    }
}

} // namespace

QIcon EditorButtonImage(unsigned command) {
    const Sign* sign = nullptr;
    for (const Sign& s : kSigns) {
        if (s.command == command) {
            sign = &s;
        }
    }
    if (sign != nullptr && sign->standard != nullptr) {
        const QString name = QString::fromLatin1(sign->standard);
        if (QIcon::hasThemeIcon(name)) {
            return QIcon::fromTheme(name);
        }
    }
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(sign != nullptr ? TileColour(sign->kind) : QColor(Qt::lightGray));
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QColor(160, 160, 160));
    painter.drawRect(0, 0, kSize - 1, kSize - 1);
    if (sign != nullptr && sign->text[0] != '\0') {
        QFont font = painter.font();
        font.setPixelSize(12);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(QRect(0, 0, kSize, kSize), Qt::AlignCenter, QString::fromUtf8(sign->text));
    } else {
        DrawPicture(painter, command);
    }
    painter.end();
    return QIcon(pixmap);
}

} // namespace marquell
