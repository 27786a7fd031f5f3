// Feeds arbitrary bytes to the reader of QKR ASCII schedules (ReadQkrAscii) taken into a new
// chart.
//
// Input: a byte of the parts to take (its bits within those of the selection dialog), then the
// file.
//
// Besides crashes, leaks and undefined behaviour the target checks the chart it leaves
// (ExchangeChecks.h).
#include "fuzz/ExchangeChecks.h"
#include "fuzz/FuzzSupport.h"

#include "document/TembraDoc.h"
#include "exchange/AsciiLineFile.h"
#include "exchange/QkrImport.h"
#include "platform/MemFile.h"

#include <cstddef>
#include <cstdint>
#include <memory>

namespace tembra::fuzz {
namespace {

void Run(const std::uint8_t* data, std::size_t size) {
    PrepareProcess();
    FuzzInput input(data, size);
    const DWORD flags = input.Byte() & kQkrAll;
    const auto rest = input.Rest();
    auto document = std::make_unique<CTembraDoc>();
    document->InitNewDocument(-1);
    CMemFile bytes(rest.data(), rest.size());
    CAsciiLineFile file;
    file.Attach(bytes);
    ReadQkrAscii(*document, file, flags);
    CheckImportedChart(*document);
    document->DeleteContents();
}

} // namespace
} // namespace tembra::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tembra::fuzz::Run(data, size);
    return 0;
}
