// Printing the layout editor's paper: one page, drawn by the editing view on the printer's
// device context (the paper at 100 %, placed by the printer's printing offset), from the print
// dialog, into a PDF, or in a one-page print preview.
#pragma once

#include <QString>

class QPrinter;
class QWidget;

namespace marquell {

class CMarquellView;

// Draws the page on the printer (a print job, a PDF file or the preview's pages).
void PrintLayoutPage(QPrinter& printer, CMarquellView& view);
// The print dialog (all pages only: no range, selection or current page; printing to a file
// stays, as it may be the only printer), then the job. False when it was cancelled.
bool PrintLayout(QWidget* owner, QPrinter& printer, CMarquellView& view);
// The print preview of the one page, with its own print button.
void PreviewLayout(QWidget* owner, QPrinter& printer, CMarquellView& view);
// The page written as a PDF file.
bool PrintLayoutToPdf(const QString& path, QPrinter& printer, CMarquellView& view);

} // namespace marquell
