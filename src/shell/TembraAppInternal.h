// What the files of CTembraApp share: the chart records behind its windows, the MDI child that
// asks before it closes, and a few texts and helpers.
#pragma once

#include "document/TembraDoc.h"
#include "platform/Sjis.h"
#include "shell/ChartWindowFactory.h"
#include "shell/TembraApp.h"
#include "shell/core/DocumentCommands.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QMdiSubWindow>
#include <QStandardPaths>
#include <QString>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tembra {

namespace appinternal {

// "%1 への変更を保存しますか?" and the title of the save dialog.
inline constexpr UINT IDP_ASK_TO_SAVE = 61699;
inline constexpr UINT IDS_SAVEFILE = 61441;
inline constexpr UINT IDS_OPENFILE = 61440;

// This platform embeds no chart in another program's document.
inline constexpr char kNoEmbedding[] =
    "Tembra+ は他のプログラムの文書に埋め込んで使うことはできません。";

// An MDI child that asks before it closes.
class CChartSubWindow : public QMdiSubWindow {
public:
    explicit CChartSubWindow(std::function<bool(QMdiSubWindow*)> closing)
        : m_closing(std::move(closing)) {
        setAttribute(Qt::WA_DeleteOnClose);
    }

protected:
    void closeEvent(QCloseEvent* event) override {
        if (m_closing && !m_closing(this)) {
            event->ignore();
            return;
        }
        QMdiSubWindow::closeEvent(event);
    }

private:
    std::function<bool(QMdiSubWindow*)> m_closing;
};

inline QString Utf(const std::string& cp932) {
    return QString::fromStdString(Sjis::ToUtf8(cp932));
}

// The user's documents folder, or the home folder where there is none.
inline std::string DocumentsFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir()) {
        return documents.toStdString();
    }
    return QDir::homePath().toStdString();
}

// A chart window's title: the chart's, with the place of the modified mark.
inline QString WindowTitle(const CTembraDoc& document) {
    return Utf(document.GetTitle()) + QStringLiteral("[*]");
}

} // namespace appinternal

struct CTembraApp::ChartWindow {
    std::unique_ptr<IChartWindow> window;
    QMdiSubWindow* sub = nullptr;
};

struct CTembraApp::Chart {
    std::unique_ptr<CTembraDoc> document;
    std::unique_ptr<CDocumentCommands> commands;
    std::vector<ChartWindow> windows;
    // The path the chart had when it was opened or last listed among the recent files.
    std::string listedPath;
};

} // namespace tembra
