#include "view/PrintFailure.h"

#include "platform/Sjis.h"
#include "platform/StringTable.h"
#include "platform/Ui.h"

#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>

namespace tembra {

QString PrintFailureReason(const QPrinter& printer) {
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        const QString path = printer.outputFileName();
        if (path.isEmpty()) {
            return QString::fromUtf8("出力ファイルが指定されていません。");
        }
        // The PDF writer keeps the system's word to itself: opening the file as it does gives
        // it back. A file that the probe made is removed again.
        const bool existed = QFileInfo::exists(path);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) {
            return path + QStringLiteral(": ") + file.errorString();
        }
        file.close();
        if (!existed) {
            QFile::remove(path);
        }
        return path + QString::fromUtf8(": 書き込めません。");
    }
    const QString name = printer.printerName();
    if (QPrinterInfo::printerInfo(name).isNull()) {
        return QString::fromUtf8("プリンタ \"%1\" が見つかりません。").arg(name);
    }
    return QString::fromUtf8("プリンタ \"%1\" が応答しません。").arg(name);
}

void ReportPrintFailure(const QPrinter& printer) {
    const std::string reason = Sjis::FromUtf8(PrintFailureReason(printer).toStdString());
    Ui().MessageBox(LoadString(IDP_FAILED_TO_START_PRINT) + "\n" + reason,
                    MB_OK | MB_ICONEXCLAMATION, IDP_FAILED_TO_START_PRINT);
}

} // namespace tembra
