// The papers of the printers as Qt names them (QPageSize) and the paper codes the program keeps
// for them (PrinterDevMode::paperSize, the profile's "PaperSize"): the Windows code where Windows
// has one, the program's own code for the papers it has none for (A1, A0, JIS B3; see
// view/core/PrinterSelection.h). The print dialog, the printer catalogue and the printer that a
// print is made on all go through these, so that every paper of a chart can be chosen, kept and
// printed at its size.
#pragma once

#include <QPageSize>

#include <optional>
#include <vector>

namespace tembra {

// The code of a paper; 0 for a paper that has none.
int PaperCodeOf(QPageSize::PageSizeId id);
// The paper of a code; nothing for 0 or a code no paper has.
std::optional<QPageSize::PageSizeId> PageSizeOfCode(int code);
// The code of every paper that has one (not Qt's custom size), each once, in Qt's order of the
// papers.
std::vector<int> AllPaperCodes();

} // namespace tembra
