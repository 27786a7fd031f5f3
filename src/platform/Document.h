// The little that an archive needs to know of the document it reads or writes: the file version
// that decides which fields the records hold.
#pragma once

namespace tembra {

class CArchive;

// The file version written by this release (5.80.00) and the newest one it reads.
constexpr int kCurrentFileVersion = 58000;

class CDocument {
public:
    CDocument() = default;
    CDocument(const CDocument&) = delete;
    CDocument& operator=(const CDocument&) = delete;
    virtual ~CDocument() = default;

    // The version that records test their thresholds against: on load the version of the file
    // being read, on store the version being written.
    virtual int GetFileVersion() const { return kCurrentFileVersion; }
};

// The version of the archive's document, or kCurrentFileVersion when no document is attached.
int ArchiveVersion(const CArchive& ar);

} // namespace tembra
