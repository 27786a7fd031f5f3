// A load that meets a value no chart can hold (a count beyond its table, an index outside its
// range) tells the user "ファイルが異常です" and abandons the archive quietly, so that the
// document's load fails without a second message and nothing is read past the damage.
#pragma once

#include "platform/Types.h"

namespace tembra {

constexpr UINT IDS_FILE_DAMAGED = 5008;

[[noreturn]] void FailDamagedFile();

} // namespace tembra
