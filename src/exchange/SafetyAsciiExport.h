// The safety-management ASCII file (*.akd) of a chart, for the safety-management program that
// reads it: a CP932 text of four sections (calendar holidays, item cells, processes with their
// terms and resources, events), lines ended by CR LF. Processes take their dates and rows from
// their records; terms and events take theirs from where they stand on the chart, measured on a
// page layout of the document's own over its settings (no view is asked).
#pragma once

#include <filesystem>
#include <string>

namespace tembra {

class CTembraDoc;

// "未対応のファイルタイプです"
constexpr unsigned IDS_UNSUPPORTED_FILE_TYPE = 5003;

// Command 40087 ("安全管理ｱｽｷｰﾌｧｲﾙを書き出す"): the undo history is emptied and everything
// deselected, then the file dialog (only "*.akd") proposes the name; another extension is
// refused (5003); the file is written. The chart itself does not change.
void OnSafetyAsciiExport(CTembraDoc& document);

// The name proposed for a title: its first 8 bytes (on a character boundary), cut before the
// first of " .#%;/\", with ".akd".
std::string ProposeSafetyAsciiName(const std::string& title);

// The whole file's text (lines ended by "\n").
std::string BuildSafetyAscii(CTembraDoc& document);
// Writes the file; FALSE (after its message) when it could not be written, the file that was
// there kept.
bool ExportSafetyAscii(CTembraDoc& document, const std::filesystem::path& path);

} // namespace tembra
