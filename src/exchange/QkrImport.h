// The import of another scheduling program's ASCII schedule (*.asd, the tag "QKRTOOL_ASC",
// version 3.0 and later) into the open chart: holidays, processes with their terms, item cells,
// events and the print header's texts, as the selection dialog (241) chooses; the chart's period
// always. What is there stays; the import adds.
//
// The file, line by line: the tag and the version; the years N; the first year Y; the holidays H
// and their day numbers ten a line (day k is Y-01-01 + k - 1); the processes (divisions of a day,
// the term font, process lines up to -9999, a process of kind 1 followed by its term line); the
// items (a font line, item lines up to -9999); the events (the row of all events, then year and
// count lines each followed by that many event lines, up to -9999); twelve print-header lines;
// the period in days. A part not chosen is passed over by its lines.
#pragma once

#include "platform/Types.h"
#include "platform/Ui.h"

namespace tembra {

class CAsciiLineFile;
class CTembraDoc;

// "ＱＫＲアスキーファイルデータではありません。" and the version too old.
constexpr UINT IDS_QKR_NOT_QKR = 5094;
constexpr UINT IDS_QKR_OLD_VERSION = 5095;

// The parts of the file to take in (the check boxes of dialog 241).
enum : DWORD {
    kQkrCalendar = 0x01,
    kQkrHeader = 0x04,
    kQkrItems = 0x08,
    kQkrProcesses = 0x10,
    kQkrEvents = 0x80,
    kQkrAll = 0x9D,
};

// Dialog 241 "QKRｱｽｷｰﾌｧｲﾙ読み込み選択": the parts in, the parts chosen out.
class QkrImportSelectRequest : public DialogRequest {
public:
    const char* Name() const override { return "QkrImportSelect"; }
    DWORD flags = kQkrAll;
};

// Command 40034 ("QKRｱｽｷｰﾌｧｲﾙを読み込む"): dialog 241 with every part; with a part chosen the
// undo history is emptied, everything deselected, and the file read; when something was taken
// in the views are updated and the chart retitled and marked modified.
void OnQkrAsciiImport(CTembraDoc& document);

// The file dialog (only "*.asd"), then the file: 0 when nothing was taken in (cancelled, not
// opened, not a QKR file, a version too old), else 1.
int ImportQkrAscii(CTembraDoc& document, DWORD flags);

// The file's lines into the document: 0 for a file refused by its first line (its message
// shown), else 1. Lines with an impossible date or a row below 1 are left out, and a file that
// ends early keeps what was read; either is told in one message.
int ReadQkrAscii(CTembraDoc& document, CAsciiLineFile& file, DWORD flags);

} // namespace tembra
