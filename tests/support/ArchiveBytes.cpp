#include "support/ArchiveBytes.h"

#include <gtest/gtest.h>

namespace tembra::test {

Bytes Store(const ArchiveAction& write, CDocument& doc) {
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        ar.m_pDocument = &doc;
        write(ar);
        ar.Close();
    }
    return file.Data();
}

Bytes Store(const ArchiveAction& write, int version) {
    VersionDocument doc(version);
    return Store(write, doc);
}

Bytes Store(CObject& record, CDocument& doc) {
    return Store([&](CArchive& ar) { record.Serialize(ar); }, doc);
}

Bytes Store(CObject& record, int version) {
    VersionDocument doc(version);
    return Store(record, doc);
}

void Load(const Bytes& bytes, const ArchiveAction& read, CDocument& doc) {
    CMemFile file(bytes);
    CArchive ar(&file, CArchive::load);
    ar.m_pDocument = &doc;
    read(ar);
    EXPECT_EQ(ar.GetFile()->GetPosition(), bytes.size()) << "the record must read all it wrote";
}

void Load(const Bytes& bytes, const ArchiveAction& read, int version) {
    VersionDocument doc(version);
    Load(bytes, read, doc);
}

void Load(const Bytes& bytes, CObject& record, CDocument& doc) {
    Load(
        bytes, [&](CArchive& ar) { record.Serialize(ar); }, doc);
}

void Load(const Bytes& bytes, CObject& record, int version) {
    VersionDocument doc(version);
    Load(bytes, record, doc);
}

ByteWriter& ByteWriter::Word(WORD v) {
    m_bytes.push_back(static_cast<BYTE>(v & 0xFF));
    m_bytes.push_back(static_cast<BYTE>(v >> 8));
    return *this;
}

ByteWriter& ByteWriter::Dword(DWORD v) {
    return Word(LOWORD(v)).Word(HIWORD(v));
}

ByteWriter& ByteWriter::Zeros(std::size_t n) {
    m_bytes.insert(m_bytes.end(), n, 0);
    return *this;
}

ByteWriter& ByteWriter::Raw(std::string_view s) {
    m_bytes.insert(m_bytes.end(), s.begin(), s.end());
    return *this;
}

ByteWriter& ByteWriter::Append(const Bytes& b) {
    m_bytes.insert(m_bytes.end(), b.begin(), b.end());
    return *this;
}

ByteWriter& ByteWriter::String(std::string_view s) {
    // Longer texts take another length form; a length byte cut to eight bits would make the
    // expected bytes wrong without a word.
    if (s.size() >= 0xFF) {
        ADD_FAILURE() << "ByteWriter::String writes only texts shorter than 255 bytes";
    }
    m_bytes.push_back(static_cast<BYTE>(s.size()));
    return Raw(s);
}

ByteWriter& ByteWriter::NewClass(WORD schema, std::string_view name) {
    return Word(0xFFFF).Word(schema).Word(static_cast<WORD>(name.size())).Raw(name);
}

ByteWriter& ByteWriter::Header(WORD type, WORD kind) {
    return Word(type).Word(0).Word(kind).Word(0).Word(0).Word(1000).Word(0).Word(0).Zeros(16);
}

} // namespace tembra::test
