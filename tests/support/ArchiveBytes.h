// Records through a memory archive, and the bytes a test expects of them.
#pragma once

#include "platform/Archive.h"
#include "platform/Document.h"
#include "platform/Types.h"

#include <functional>
#include <string_view>
#include <vector>

namespace tembra::test {

using Bytes = std::vector<BYTE>;

// A document that only answers the file version the records test their thresholds against.
// Documents that stand in for a record's document seam derive from it.
class VersionDocument : public CDocument {
public:
    explicit VersionDocument(int version = kCurrentFileVersion) : m_version(version) {}
    int GetFileVersion() const override { return m_version; }

private:
    int m_version;
};

using ArchiveAction = std::function<void(CArchive&)>;

// What write puts into a storing archive with doc (or a VersionDocument of version) attached.
Bytes Store(const ArchiveAction& write, CDocument& doc);
Bytes Store(const ArchiveAction& write, int version = kCurrentFileVersion);
// The bytes of record.Serialize.
Bytes Store(CObject& record, CDocument& doc);
Bytes Store(CObject& record, int version = kCurrentFileVersion);

// Runs read on a loading archive over bytes with doc (or a VersionDocument of version)
// attached; a read that returns must have taken every byte. Exceptions pass to the caller.
void Load(const Bytes& bytes, const ArchiveAction& read, CDocument& doc);
void Load(const Bytes& bytes, const ArchiveAction& read, int version = kCurrentFileVersion);
// Reads record with record.Serialize.
void Load(const Bytes& bytes, CObject& record, CDocument& doc);
void Load(const Bytes& bytes, CObject& record, int version = kCurrentFileVersion);

// Builds expected file bytes, little-endian as the archive writes them.
class ByteWriter {
public:
    ByteWriter& Word(WORD v);
    ByteWriter& Dword(DWORD v);
    ByteWriter& Zeros(std::size_t n);
    ByteWriter& Raw(std::string_view s);
    ByteWriter& Append(const Bytes& b);
    // The archive's string form for texts shorter than 255 bytes: a length byte, the text.
    ByteWriter& String(std::string_view s);
    // A class met for the first time in the archive: the new-class tag, schema, name length
    // and name.
    ByteWriter& NewClass(WORD schema, std::string_view name);
    // The 32-byte record header as every record constructor leaves it.
    ByteWriter& Header(WORD type, WORD kind);

    const Bytes& Get() const { return m_bytes; }

private:
    Bytes m_bytes;
};

} // namespace tembra::test
