#include "exchange/ExchangeStreams.h"

#include "document/TembraDoc.h"
#include "exchange/DosConvert.h"
#include "exchange/ExchangeSupport.h"
#include "exchange/TextDataReader.h"
#include "platform/Archive.h"
#include "platform/Exception.h"
#include "platform/File.h"
#include "platform/MemFile.h"
#include "platform/ReplaceFile.h"
#include "platform/Sjis.h"
#include "platform/StringTable.h"
#include "platform/Ui.h"

#include <algorithm>
#include <cctype>

namespace tembra {

namespace {

constexpr UINT IDS_EXT_DATA = 107;
constexpr int kArchiveBuffer = 4096;

} // namespace

CExchangeStreams& ExchangeStreams() {
    static CExchangeStreams streams;
    return streams;
}

std::filesystem::path CExchangeStreams::DataFilePath(const std::filesystem::path& headerPath) {
    std::string ext = LoadString(IDS_EXT_DATA);
    const std::string headerExt = headerPath.extension().string();
    const bool upper =
        headerExt.size() > 1 && std::none_of(headerExt.begin() + 1, headerExt.end(), [](char c) {
            return std::islower(static_cast<unsigned char>(c)) != 0;
        });
    if (upper) {
        ext = Sjis::ToUpperAscii(ext);
    }
    std::filesystem::path path = headerPath;
    path.replace_extension(ext);
    return path;
}

BOOL CExchangeStreams::LoadDosDocument(CTembraDoc& document, CArchive& ar) {
    CDosConvert convert;
    convert.m_nSelect = static_cast<DWORD>(document.GetInsertMask());
    try {
        if (!convert.ReadHeader(ar)) {
            return FALSE;
        }
    } catch (const CException&) {
        return FALSE;
    }
    if (document.GetInsertMask() == kInsertMaskAll) {
        document.InitNewDocument(convert.m_nChartMode != 0 ? 1 : 0);
    }
    const std::filesystem::path data = DataFilePath(document.GetFilePath());
    CFile file;
    if (!file.Open(data, CFile::modeRead | CFile::shareDenyWrite | CFile::typeBinary)) {
        AfxMessageBox(Exchange::J("ファイルを開けませんでした。\n") + Sjis::FromUtf8(data.string()),
                      MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    }
    CArchive dataArchive(&file, CArchive::load | CArchive::bNoFlushOnDelete, kArchiveBuffer);
    dataArchive.m_pDocument = &document;
    dataArchive.m_strFileName = data.string();
    const BOOL converted = convert.DosToWin(dataArchive);
    dataArchive.Close();
    file.Close();
    return converted;
}

BOOL CExchangeStreams::StoreDosDocument(CTembraDoc& document, CArchive& ar) {
    // The whole chart is in the object list, as a save of the document's own form leaves it.
    document.UnselectAll(TRUE);
    document.GetKoumokuCells().ClearSelectedKoumokuCells(TRUE);
    CDosConvert convert;
    CMemFile records;
    {
        CArchive dataArchive(&records, CArchive::store, kArchiveBuffer);
        dataArchive.m_pDocument = &document;
        if (!convert.WinToDosData(dataArchive)) {
            return FALSE;
        }
        dataArchive.Close();
    }
    if (!convert.WinToDos(ar)) {
        return FALSE;
    }
    ar.Flush();
    const std::filesystem::path data = DataFilePath(document.GetFilePath());
    const auto write = [&records](CFile& file) {
        file.Write(records.Data().data(), static_cast<UINT>(records.Data().size()));
    };
    // The header and its data file change together: written beside the header file, the data
    // file is put in place with it, and stays the old one when the header cannot be.
    auto* header = dynamic_cast<CReplacementFile*>(ar.GetFile());
    const int error =
        header != nullptr ? header->AddCompanion(data, write) : ReplaceFile(data, write);
    if (error != 0) {
        CTembraDoc::ReportSaveFailure(error);
        return FALSE;
    }
    return TRUE;
}

BOOL CExchangeStreams::LoadTextData(CTembraDoc& document, CArchive& ar) {
    CTextDataReader reader(ar);
    try {
        if (!reader.ReadHeader()) {
            return FALSE;
        }
    } catch (const CException&) {
        return FALSE;
    }
    document.InitNewDocument(-1);
    try {
        return reader.ReadBody();
    } catch (const CUserException&) {
        return FALSE;
    }
}

} // namespace tembra
