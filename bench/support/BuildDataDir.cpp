// Linked into every benchmark program: the shipped files are the source tree's data/ folder,
// which the build names, set before main() runs (the benchmark programs bring their own main).
#include "platform/Paths.h"

namespace {

[[maybe_unused]] const bool kDataDirSet = [] {
    tembra::Paths::SetDefaultShippedDataDir(TEMBRA_DATA_DIR);
    return true;
}();

} // namespace
