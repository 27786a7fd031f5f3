// The print preview of a chart: the preview bar over the pages, which the chart view draws
// through its print path. Besides the usual buttons of a preview (close, print, next and previous
// page, one or two pages, zoom in and out) the bar has "設定..." that leaves the preview and opens
// the printer settings, so that the user can change the printer or paper and preview again.
#pragma once

#include "platform/Types.h"

#include <QWidget>

class QPrintPreviewWidget;
class QPrinter;
class QPushButton;

namespace tembra {

class CPreviewViewEx : public QWidget {
    Q_OBJECT
public:
    // The commands of the bar's buttons (each button's object name is its command).
    enum : UINT {
        ID_PREVIEW_CLOSE = 58112,
        ID_PREVIEW_SETUP = 32940,
        ID_PREVIEW_PRINT = 58116,
        ID_PREVIEW_NEXT = 58114,
        ID_PREVIEW_PREV = 58115,
        ID_PREVIEW_NUMPAGE = 58113,
        ID_PREVIEW_ZOOMIN = 58117,
        ID_PREVIEW_ZOOMOUT = 58118,
    };

    explicit CPreviewViewEx(QPrinter* printer, QWidget* parent = nullptr);
    ~CPreviewViewEx() override;

    // The button of a command, or null.
    QPushButton* Button(UINT id) const;
    QPrintPreviewWidget* Pages() const { return m_pages; }
    // Draws the pages anew.
    void UpdatePreview();
    // The scale the pages are shown at: screen pixels per inch of the sheet.
    double PageDpi() const;
    // The commands of the bar.
    void OnCommand(UINT id);

signals:
    // The pages are to be drawn on the printer.
    void paintRequested(QPrinter* printer);
    void closeRequested();
    // "設定...": the preview closes, then the printer settings open.
    void setupRequested();
    void printRequested();

private:
    void UpdateButtons();
    // Draws the pages anew once the events of the moment are handled.
    void ScheduleRedraw();

    QPrintPreviewWidget* m_pages = nullptr;
    bool m_twoPages = false;
    // The scale the pages were last drawn at; another one draws them anew.
    double m_drawnDpi = 0;
    bool m_redrawDue = false;
    // Set while the pages are drawn: the abort check lets events through then, and a redraw
    // started inside one would pull its pages away from under it.
    bool m_drawing = false;
};

} // namespace tembra
