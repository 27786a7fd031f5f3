#include "layout_editor/AboutDlg.h"

#include "layout_editor/EditorUi.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace marquell {

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QString::fromUtf8("バージョン情報"));
    auto* icon = new QLabel(this);
    const QIcon programIcon = QApplication::windowIcon().isNull()
                                  ? style()->standardIcon(QStyle::SP_FileDialogDetailedView)
                                  : QApplication::windowIcon();
    icon->setPixmap(programIcon.pixmap(32, 32));
    auto* text = new QVBoxLayout;
    text->addWidget(new QLabel(EditorTitle() + QStringLiteral(" Version 3.20"), this));
    text->addWidget(new QLabel(QStringLiteral("Copyright (C) NRD Corporation"), this));
    auto* ok = new QPushButton(QString::fromUtf8("確認"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* row = new QHBoxLayout;
    row->addWidget(icon, 0, Qt::AlignTop);
    row->addLayout(text);
    row->addWidget(ok, 0, Qt::AlignTop);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
}

} // namespace marquell
