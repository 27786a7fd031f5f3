// What the readers and writers of the foreign files share: numbers from a file turned into
// integers without overflow, the rows a chart can hold, texts of the string table and of the
// code, the message of a damaged file and the one message that tells what an import left out.
#pragma once

#include "platform/Time.h"
#include "platform/Types.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace tembra::Exchange {

// Row numbers as files count them: 1 to 10000 (the chart's rows 0 to 9999).
inline constexpr int kFirstFileRow = 1;
inline constexpr int kLastFileRow = 10000;
inline bool IsFileRow(long long row) {
    return row >= kFirstFileRow && row <= kLastFileRow;
}

// A real number as an integer: toward zero (Trunc) or toward minus infinity (Floor), held
// within the range of int (a value beyond it takes the nearest end, not a number gives 0).
int Trunc(double v);
int Floor(double v);
// A real number that is a number and no infinity.
bool IsFinite(double v);

// A text of the code, as CP932.
std::string J(std::string_view utf8);

// A foreign file that cannot be read as what it claims to be: "ファイルが異常です" with the
// file's name (its path as the archive names it) on a line of its own.
void ReportDamagedFile(const std::string& path);

// After an import: when records or lines were left out for a date or a row the chart cannot
// hold, or the file ended before its last part, one message says so. Nothing otherwise.
void ReportImportProblems(int skipped, bool cut);

} // namespace tembra::Exchange
