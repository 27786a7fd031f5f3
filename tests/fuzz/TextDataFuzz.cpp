// Feeds arbitrary bytes to the reader of text data files (CTextDataReader) as the document's
// load of a ".psv" file runs it; every bad line is skipped, as a user answering Yes would.
//
// Input: the file.
//
// Besides crashes, leaks and undefined behaviour the target checks the chart it leaves
// (ExchangeChecks.h) and runs the file through the program's whole open path (OpenPath.h).
#include "fuzz/ExchangeChecks.h"
#include "fuzz/FuzzSupport.h"
#include "fuzz/OpenPath.h"

#include "document/TembraDoc.h"
#include "exchange/ExchangeStreams.h"
#include "platform/Archive.h"
#include "platform/MemFile.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>

namespace tembra::fuzz {
namespace {

void Run(const std::uint8_t* data, std::size_t size) {
    PrepareProcess();
    auto document = std::make_unique<CTembraDoc>();
    document->SetFilePath("fuzz.psv");
    CMemFile file(data, size);
    CArchive ar(&file, CArchive::load);
    ar.m_pDocument = document.get();
    if (ExchangeStreams().LoadTextData(*document, ar)) {
        CheckImportedChart(*document);
    }
    document->DeleteContents();
    // The file opened as the program opens a ".psv" file (OpenPath.h).
    const std::filesystem::path path = OpenPathFolder() / "data.psv";
    WriteWholeFile(path, std::span(data, size));
    CheckOpenPath(path);
}

} // namespace
} // namespace tembra::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tembra::fuzz::Run(data, size);
    return 0;
}
