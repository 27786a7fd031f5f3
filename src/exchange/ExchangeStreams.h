// The document's converters of the DOS and text data streams (document/ForeignStreams.h): the
// program installs the one object of this class with its application context.
//
// A DOS document is a ".phd" header file, which the document's archive reads or writes, with a
// ".pdt" data file of the same name beside it (the extension in the case of the header file's).
// An export writes the data file through a file beside it that replaces it only once the header
// has been written, so a failed export leaves the old pair.
#pragma once

#include "document/ForeignStreams.h"

#include <filesystem>

namespace tembra {

class CExchangeStreams final : public IForeignStreams {
public:
    // Reads the header (message 5005 for a version too old), initialises a document read whole
    // in the header's day-count mode, opens the data file (its message when it cannot) and
    // converts it.
    BOOL LoadDosDocument(CTembraDoc& document, CArchive& ar) override;
    // Deselects everything, writes the data file's records, then the header into the archive,
    // then puts the data file in place; a data file that cannot be written is reported with the
    // system's reason. A chart the DOS version cannot hold throws the user exception after its
    // message (5069, 5054), before anything is written.
    BOOL StoreDosDocument(CTembraDoc& document, CArchive& ar) override;
    // Checks the header line (message 5167), initialises the document as a new chart and reads
    // the records; FALSE when the user stopped at a bad line.
    BOOL LoadTextData(CTembraDoc& document, CArchive& ar) override;

    // The data file of a header file: the same folder and name with ".pdt", whose letters take
    // the case of the header's extension when that is all upper case.
    static std::filesystem::path DataFilePath(const std::filesystem::path& headerPath);
};

// The converters every program and test installs.
CExchangeStreams& ExchangeStreams();

} // namespace tembra
