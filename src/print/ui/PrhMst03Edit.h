// An edit of the plan sheet's pages: several lines of CP932 text whose line breaks are CR LF in
// the data; Ctrl+Enter types a new line, while Enter alone moves on as in every dialog.
#pragma once

#include <QPlainTextEdit>

#include <string>

namespace tembra {

class CEnterMovesFocus;

class CPrhMst03Edit : public QPlainTextEdit {
    Q_OBJECT
public:
    // lines: how many lines the edit shows without scrolling.
    CPrhMst03Edit(int lines, QWidget* parent);

    void SetCp932(const std::string& text);
    std::string Cp932() const;

    // Enter moves on through enter; Ctrl+Enter stays with the edit.
    void WatchedBy(CEnterMovesFocus& enter);

    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace tembra
