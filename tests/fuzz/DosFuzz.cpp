// Feeds arbitrary bytes to the reader of documents of the DOS version (CDosConvert): a header
// file and a data file, converted into a new chart or into one that takes only some parts.
//
// Input: a byte that picks the parts (the whole document, or one of the insert's masks), a
// 16-bit size of the header file, that many bytes of it, then the data file.
//
// Besides crashes, leaks and undefined behaviour the target checks the chart it leaves
// (ExchangeChecks.h) and runs the pair through the program's whole open path (OpenPath.h).
#include "fuzz/ExchangeChecks.h"
#include "fuzz/FuzzSupport.h"
#include "fuzz/OpenPath.h"

#include "document/TembraDoc.h"
#include "exchange/DosConvert.h"
#include "platform/Archive.h"
#include "platform/MemFile.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>

namespace tembra::fuzz {
namespace {

constexpr std::array<DWORD, 8> kSelections{0xFFFF, 0x0008, 0x0010, 0x0080,
                                           0x0100, 0x0006, 0x8199, 0x0040};

void Run(const std::uint8_t* data, std::size_t size) {
    PrepareProcess();
    FuzzInput input(data, size);
    const DWORD select = kSelections[input.Byte() % kSelections.size()];
    const std::string headerBytes = input.Text(input.Word());
    const auto rest = input.Rest();

    // The pair as files, opened as the program opens a ".phd" file (OpenPath.h).
    const std::filesystem::path folder = OpenPathFolder();
    WriteWholeFile(
        folder / "dos.phd",
        std::span(reinterpret_cast<const std::uint8_t*>(headerBytes.data()), headerBytes.size()));
    WriteWholeFile(folder / "dos.pdt", rest);
    CheckOpenPath(folder / "dos.phd");

    auto document = std::make_unique<CTembraDoc>();
    document->SetInsertMask(static_cast<int>(select));
    document->SetFilePath("fuzz.phd");
    CDosConvert convert;
    convert.m_nSelect = select;
    CMemFile header(headerBytes.data(), headerBytes.size());
    CArchive headerArchive(&header, CArchive::load);
    if (!convert.ReadHeader(headerArchive)) {
        return;
    }
    document->InitNewDocument(select == 0xFFFF && convert.m_nChartMode != 0 ? 1 : 0);
    CMemFile body(rest.data(), rest.size());
    CArchive bodyArchive(&body, CArchive::load);
    bodyArchive.m_pDocument = document.get();
    convert.DosToWin(bodyArchive);
    CheckImportedChart(*document);
    document->DeleteContents();
}

} // namespace
} // namespace tembra::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tembra::fuzz::Run(data, size);
    return 0;
}
