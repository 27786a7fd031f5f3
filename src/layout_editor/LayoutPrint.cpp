#include "layout_editor/LayoutPrint.h"

#include "layout_editor/core/MarquellView.h"
#include "platform/Ui.h"
#include "platform/qt/QtDC.h"

#include <QAction>
#include <QDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QToolBar>
#include <QVBoxLayout>

namespace marquell {

namespace {

// "Could not start the print preview", the framework's message.
constexpr tembra::UINT kPreviewFailed = 61705;

} // namespace

void PrintLayoutPage(QPrinter& printer, CMarquellView& view) {
    QPainter painter;
    if (!painter.begin(&printer)) {
        return;
    }
    tembra::CQtDC dc(&painter, tembra::CQtDC::ForPrinter(printer));
    view.OnPrint(&dc);
}

bool PrintLayout(QWidget* owner, QPrinter& printer, CMarquellView& view) {
    QPrintDialog dialog(&printer, owner);
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    dialog.setMinMax(1, 1);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    PrintLayoutPage(printer, view);
    return true;
}

void PreviewLayout(QWidget* owner, QPrinter& printer, CMarquellView& view) {
    if (!printer.isValid()) {
        tembra::AfxMessageBox(kPreviewFailed);
        return;
    }
    QDialog dialog(owner);
    dialog.setWindowTitle(QString::fromUtf8("印刷プレビュー"));
    auto* preview = new QPrintPreviewWidget(&printer, &dialog);
    preview->setViewMode(QPrintPreviewWidget::SinglePageView);
    QObject::connect(preview, &QPrintPreviewWidget::paintRequested, &dialog,
                     [&view](QPrinter* target) { PrintLayoutPage(*target, view); });
    auto* bar = new QToolBar(&dialog);
    QAction* print = bar->addAction(QString::fromUtf8("印刷(&P)..."));
    QAction* zoomIn = bar->addAction(QString::fromUtf8("拡大(&I)"));
    QAction* zoomOut = bar->addAction(QString::fromUtf8("縮小(&O)"));
    QAction* close = bar->addAction(QString::fromUtf8("閉じる(&C)"));
    QObject::connect(print, &QAction::triggered, &dialog, [&]() {
        if (PrintLayout(&dialog, printer, view)) {
            dialog.accept();
        }
    });
    QObject::connect(zoomIn, &QAction::triggered, preview, [preview]() { preview->zoomIn(); });
    QObject::connect(zoomOut, &QAction::triggered, preview, [preview]() { preview->zoomOut(); });
    QObject::connect(close, &QAction::triggered, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(bar);
    layout->addWidget(preview);
    dialog.resize(900, 700);
    dialog.exec();
}

bool PrintLayoutToPdf(const QString& path, QPrinter& printer, CMarquellView& view) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    PrintLayoutPage(printer, view);
    return printer.printerState() != QPrinter::Error;
}

} // namespace marquell
