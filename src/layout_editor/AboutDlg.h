// The about box ("バージョン情報"): the program's icon, name and version, and its maker.
#pragma once

#include <QDialog>

namespace marquell {

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};

} // namespace marquell
