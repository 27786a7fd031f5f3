// The converters of the two foreign streams that the document reads and writes through its own
// archive: documents of the DOS version (a ".phd" header file with its ".pdt" data file beside
// it) and comma-separated text data files (".psv"). They belong to the exchange code, which is
// built on the document; the program installs them with its application context. A document
// without them refuses files of either kind with a message.
#pragma once

#include "platform/Types.h"

namespace tembra {

class CArchive;
class CTembraDoc;

class IForeignStreams {
public:
    virtual ~IForeignStreams() = default;
    // The whole ".phd"/".pdt" pair into the document (the archive is the ".phd" file's), the
    // parts of the document's insert mask. FALSE when the load failed (its message shown).
    virtual BOOL LoadDosDocument(CTembraDoc& document, CArchive& ar) = 0;
    // The document as a ".phd"/".pdt" pair (the archive is the ".phd" file's). FALSE when the
    // export failed; a refusal throws the user exception after its message.
    virtual BOOL StoreDosDocument(CTembraDoc& document, CArchive& ar) = 0;
    // A text data file into the document, which it initialises as a new chart first.
    virtual BOOL LoadTextData(CTembraDoc& document, CArchive& ar) = 0;
};

// The converters in force (none until installed).
IForeignStreams* GetForeignStreams();
// Installs converters (nullptr: none); returns the previous ones.
IForeignStreams* SetForeignStreams(IForeignStreams* streams);

} // namespace tembra
