// What the user is told when a printer does not start: the print-failure message (61702) and,
// on the next line, why: the PDF file that cannot be written with the system's reason, or the
// printer that is gone or does not answer.
#pragma once

#include <QString>

class QPrinter;

namespace tembra {

// "印刷を開始できませんでした。"
constexpr unsigned IDP_FAILED_TO_START_PRINT = 61702;

// Why the printer did not start (UTF-8 text for the user).
QString PrintFailureReason(const QPrinter& printer);
// The print-failure message with the reason, through the program's message boxes.
void ReportPrintFailure(const QPrinter& printer);

} // namespace tembra
