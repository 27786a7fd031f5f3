#include "platform/Archive.h"

#include "platform/ByteOrder.h"
#include "platform/Sjis.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace tembra {

namespace {

// Object reference tags.
constexpr WORD kNullTag = 0;
constexpr WORD kNewClassTag = 0xFFFF;
constexpr WORD kClassTag = 0x8000;
constexpr WORD kBigObjectTag = 0x7FFF;
constexpr DWORD kBigClassTag = 0x80000000u;
// The index space shared by classes and objects ends here (the framework's own limit).
constexpr DWORD kMaxMapCount = 0x3FFFFFFE;
// A class name longer than this cannot be a registered class.
constexpr WORD kMaxClassNameLength = 64;
// Strings up to this size are read without asking the file how much it still holds.
constexpr std::size_t kSmallString = 0x10000;

// UTF-16LE code units to UTF-8; an unpaired surrogate becomes U+FFFD.
std::string Utf16LeToUtf8(const std::vector<BYTE>& bytes) {
    std::string out;
    out.reserve(bytes.size());
    const std::size_t units = bytes.size() / 2;
    for (std::size_t i = 0; i < units; ++i) {
        char32_t u = GetWord(&bytes[i * 2]);
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < units) {
            char32_t lo = GetWord(&bytes[(i + 1) * 2]);
            if (lo >= 0xDC00 && lo <= 0xDFFF) {
                Sjis::AppendUtf8(out, 0x10000 + ((u - 0xD800) << 10) + (lo - 0xDC00));
                ++i;
                continue;
            }
        }
        if (u >= 0xD800 && u <= 0xDFFF) {
            u = 0xFFFD;
        }
        Sjis::AppendUtf8(out, u);
    }
    return out;
}

} // namespace

// ---------------------------------------------------------------------------------------------
// CArchive

int ArchiveVersion(const CArchive& ar) {
    return ar.m_pDocument != nullptr ? ar.m_pDocument->GetFileVersion() : kCurrentFileVersion;
}

CArchive::CArchive(CFile* file, UINT mode, int bufferSize)
    : m_pFile(file), m_loading((mode & load) != 0), m_flushOnDelete((mode & bNoFlushOnDelete) == 0),
      m_bufferSize(static_cast<std::size_t>(bufferSize > 0 ? bufferSize : kDefaultBufferSize)) {
    if (m_pFile != nullptr) {
        m_strFileName = m_pFile->GetFilePath();
        m_buffer = std::make_unique_for_overwrite<BYTE[]>(m_bufferSize);
        if (m_loading) {
            m_blockStart = m_readCur = m_readEnd = m_buffer.get();
        } else {
            m_writeCur = m_buffer.get();
            m_writeEnd = m_buffer.get() + m_bufferSize;
        }
    }
    m_loadArray.push_back(LoadEntry{}); // index 0: the null reference
}

CArchive::~CArchive() {
    if (m_pFile != nullptr && m_flushOnDelete) {
        try {
            Close();
        } catch (const CException&) {
            // A destructor cannot report it; Close() is the way to see the error.
        }
    }
}

CFile* CArchive::GetFile() {
    if (m_pFile != nullptr) {
        SyncFile();
    }
    return m_pFile;
}

void CArchive::SyncFile() {
    if (!m_loading) {
        WriteBuffer();
        return;
    }
    if (m_readCur == m_readEnd) {
        return; // nothing read ahead: the file stands where the archive does
    }
    const std::size_t taken = static_cast<std::size_t>(m_readCur - m_blockStart);
    const bool lent = m_blockStart != m_buffer.get();
    m_blockStart = m_readCur = m_readEnd = m_buffer.get();
    if (lent) {
        // The file's own bytes: their count on disk is the count taken.
        m_pFile->Seek(static_cast<LONGLONG>(m_blockPos + taken), CFile::begin);
        return;
    }
    // Back to where the block came from, and over the bytes taken of it again. Reading them
    // (rather than seeking back by the count not taken) keeps the position right in a
    // text-mode file, whose line ends are shorter in the buffer than on disk.
    m_pFile->Seek(static_cast<LONGLONG>(m_blockPos), CFile::begin);
    if (taken > 0) {
        m_pFile->Read(m_buffer.get(), static_cast<UINT>(taken));
    }
}

void CArchive::WriteBuffer() {
    BYTE* const start = m_buffer.get();
    if (m_writeCur == start) {
        return;
    }
    const UINT count = static_cast<UINT>(m_writeCur - start);
    // Emptied first: after a failed write the bytes are not written again.
    m_writeCur = start;
    m_pFile->Write(start, count);
}

bool CArchive::FillBuffer() {
    BYTE* const start = m_buffer.get();
    m_blockStart = m_readCur = m_readEnd = start;
    m_blockPos = m_pFile->GetPosition();
    std::size_t lentCount = 0;
    if (const BYTE* lent = m_pFile->LendBytes(lentCount); lent != nullptr && lentCount > 0) {
        m_blockStart = m_readCur = lent;
        m_readEnd = lent + lentCount;
        return true;
    }
    const UINT got = m_pFile->Read(start, static_cast<UINT>(m_bufferSize));
    m_readEnd = start + got;
    return got > 0;
}

void CArchive::Detach() {
    m_pFile = nullptr;
    m_blockStart = m_readCur = m_readEnd = nullptr;
    m_writeCur = m_writeEnd = nullptr;
}

void CArchive::Flush() {
    if (m_pFile == nullptr) {
        return;
    }
    SyncFile();
    if (!m_loading) {
        m_pFile->Flush();
    }
}

void CArchive::Close() {
    // Detached even when the flush fails, so that the destructor does not try again.
    struct DetachOnExit {
        CArchive& ar;
        ~DetachOnExit() { ar.Detach(); }
    } detach{*this};
    Flush();
}

void CArchive::Abort() {
    Detach();
}

void CArchive::CheckLoading() const {
    if (!m_loading) {
        AfxThrowArchiveException(CArchiveException::writeOnly, m_strFileName);
    }
    if (m_pFile == nullptr) {
        AfxThrowArchiveException(CArchiveException::generic, m_strFileName);
    }
}

void CArchive::CheckStoring() const {
    if (m_loading) {
        AfxThrowArchiveException(CArchiveException::readOnly, m_strFileName);
    }
    if (m_pFile == nullptr) {
        AfxThrowArchiveException(CArchiveException::generic, m_strFileName);
    }
}

std::size_t CArchive::ReadAvailable(BYTE* out, std::size_t count) {
    std::size_t got = 0;
    while (got < count) {
        std::size_t ahead = static_cast<std::size_t>(m_readEnd - m_readCur);
        if (ahead == 0) {
            const std::size_t left = count - got;
            if (left >= m_bufferSize) {
                // A block at least as large as the buffer goes straight to the caller.
                const UINT chunk = static_cast<UINT>(std::min<std::size_t>(left, 0x40000000));
                const UINT read = m_pFile->Read(out + got, chunk);
                if (read == 0) {
                    break;
                }
                got += read;
                continue;
            }
            if (!FillBuffer()) {
                break;
            }
            ahead = static_cast<std::size_t>(m_readEnd - m_readCur);
        }
        const std::size_t n = std::min(ahead, count - got);
        std::memcpy(out + got, m_readCur, n);
        m_readCur += n;
        got += n;
    }
    return got;
}

void CArchive::ReadSlow(void* buffer, std::size_t count) {
    CheckLoading();
    if (ReadAvailable(static_cast<BYTE*>(buffer), count) < count) {
        AfxThrowArchiveException(CArchiveException::endOfFile, m_strFileName);
    }
}

void CArchive::SkipSlow(std::size_t count) {
    CheckLoading();
    BYTE scratch[256];
    while (count > 0) {
        const std::size_t chunk = std::min(count, sizeof(scratch));
        if (ReadAvailable(scratch, chunk) < chunk) {
            AfxThrowArchiveException(CArchiveException::endOfFile, m_strFileName);
        }
        count -= chunk;
    }
}

void CArchive::WriteZeros(std::size_t count) {
    static constexpr BYTE kZeros[256] = {};
    while (count > 0) {
        const std::size_t chunk = std::min(count, sizeof(kZeros));
        Write(kZeros, static_cast<UINT>(chunk));
        count -= chunk;
    }
}

void CArchive::WriteSlow(const void* buffer, std::size_t count) {
    CheckStoring();
    if (count > static_cast<std::size_t>(m_writeEnd - m_writeCur)) {
        WriteBuffer();
        if (count >= m_bufferSize) {
            // Too large for the buffer: straight to the file, after what was before it.
            const BYTE* in = static_cast<const BYTE*>(buffer);
            while (count > 0) {
                const UINT chunk = static_cast<UINT>(std::min<std::size_t>(count, 0x40000000));
                m_pFile->Write(in, chunk);
                in += chunk;
                count -= chunk;
            }
            return;
        }
    }
    if (count > 0) {
        std::memcpy(m_writeCur, buffer, count);
        m_writeCur += count;
    }
}

UINT CArchive::Read(void* buffer, UINT count) {
    CheckLoading();
    return static_cast<UINT>(ReadAvailable(static_cast<BYTE*>(buffer), count));
}

void CArchive::Write(const void* buffer, UINT count) {
    if (count != 0 && static_cast<std::size_t>(m_writeEnd - m_writeCur) >= count) {
        std::memcpy(m_writeCur, buffer, count);
        m_writeCur += count;
        return;
    }
    WriteSlow(buffer, count);
}

void CArchive::EnsureAvailable(ULONGLONG bytes) {
    const ULONGLONG ahead = static_cast<ULONGLONG>(m_readEnd - m_readCur);
    if (bytes <= ahead) {
        return;
    }
    const ULONGLONG length = m_pFile->GetLength();
    const ULONGLONG pos = m_pFile->GetPosition();
    if (pos > length || bytes - ahead > length - pos) {
        AfxThrowArchiveException(CArchiveException::endOfFile, m_strFileName);
    }
}

// Strings --------------------------------------------------------------------------------------

void CArchive::WriteStringLength(std::size_t length) {
    if (length > 0xFFFFFFFFu) {
        // The format cannot say it; nothing the program stores comes near.
        AfxThrowArchiveException(CArchiveException::generic, m_strFileName);
    }
    if (length < 0xFF) {
        *this << static_cast<BYTE>(length);
    } else if (length < 0xFFFE) {
        *this << static_cast<BYTE>(0xFF) << static_cast<WORD>(length);
    } else {
        *this << static_cast<BYTE>(0xFF) << static_cast<WORD>(0xFFFF) << static_cast<DWORD>(length);
    }
}

std::size_t CArchive::ReadStringLength(bool& unicode) {
    unicode = false;
    BYTE b = 0;
    *this >> b;
    if (b < 0xFF) {
        return b;
    }
    WORD w = 0;
    *this >> w;
    if (w == 0xFFFE) {
        unicode = true;
        *this >> b;
        if (b < 0xFF) {
            return b;
        }
        *this >> w;
    }
    if (w < 0xFFFF) {
        return w;
    }
    DWORD d = 0;
    *this >> d;
    return d;
}

CArchive& CArchive::operator<<(const std::string& s) {
    WriteStringLength(s.size());
    if (!s.empty()) {
        Write(s.data(), static_cast<UINT>(s.size()));
    }
    return *this;
}

CArchive& CArchive::operator>>(std::string& s) {
    bool unicode = false;
    const std::size_t length = ReadStringLength(unicode);
    const ULONGLONG bytes = unicode ? ULONGLONG{length} * 2 : ULONGLONG{length};
    if (bytes > kSmallString) {
        EnsureAvailable(bytes);
    }
    if (!unicode) {
        if (length <= static_cast<std::size_t>(m_readEnd - m_readCur)) {
            // The whole text is in the buffer: into s without a string in between.
            s.assign(reinterpret_cast<const char*>(m_readCur), length);
            m_readCur += length;
            return *this;
        }
        std::string text(length, '\0');
        ReadExact(text.data(), length);
        s = std::move(text);
        return *this;
    }
    std::vector<BYTE> utf16(static_cast<std::size_t>(bytes));
    ReadExact(utf16.data(), utf16.size());
    s = Sjis::FromUtf8(Utf16LeToUtf8(utf16));
    return *this;
}

BOOL CArchive::ReadString(std::string& line) {
    CheckLoading();
    line.clear();
    bool any = false;
    while (m_readCur != m_readEnd || FillBuffer()) {
        const BYTE c = *m_readCur++;
        any = true;
        if (c == '\n') {
            return TRUE;
        }
        if (c == '\r') {
            // "\r\n" is one line end; a lone "\r" leaves the next byte for the next line.
            if ((m_readCur != m_readEnd || FillBuffer()) && *m_readCur == '\n') {
                ++m_readCur;
            }
            return TRUE;
        }
        line += static_cast<char>(c);
    }
    return any ? TRUE : FALSE;
}

void CArchive::WriteString(std::string_view text) {
    if (!text.empty()) {
        Write(text.data(), static_cast<UINT>(text.size()));
    }
}

// Counts ---------------------------------------------------------------------------------------

void CArchive::WriteCount(DWORD count) {
    if (count < 0xFFFF) {
        *this << static_cast<WORD>(count);
    } else {
        *this << static_cast<WORD>(0xFFFF) << count;
    }
}

DWORD CArchive::ReadCount() {
    WORD w = 0;
    *this >> w;
    if (w != 0xFFFF) {
        ExpectObjects(w);
        return w;
    }
    DWORD d = 0;
    *this >> d;
    EnsureAvailable(d);
    ExpectObjects(d);
    return d;
}

void CArchive::ExpectObjects(DWORD count) {
    // Each of them takes an index, and a new one takes at least its 2-byte tag: no more than the
    // bytes read ahead can hold, so that a damaged count makes no large table. Grown at least
    // by half, so that the many short lists of the records cost no copy each.
    const std::size_t ahead = static_cast<std::size_t>(m_readEnd - m_readCur) / 2;
    const std::size_t wanted = m_loadArray.size() + std::min<std::size_t>(count, ahead);
    if (wanted > m_loadArray.capacity()) {
        m_loadArray.reserve(std::max(wanted, m_loadArray.capacity() * 3 / 2));
    }
}

// Objects --------------------------------------------------------------------------------------

DWORD CArchive::NextMapIndex() {
    if (m_nMapCount >= kMaxMapCount) {
        AfxThrowArchiveException(CArchiveException::badIndex, m_strFileName);
    }
    return m_nMapCount++;
}

void CArchive::WriteIndexTag(DWORD index, bool isClass) {
    if (index < kBigObjectTag) {
        *this << static_cast<WORD>(isClass ? (kClassTag | index) : index);
    } else {
        *this << kBigObjectTag << (isClass ? (kBigClassTag | index) : index);
    }
}

void CArchive::WriteClass(const CRuntimeClass* cls) {
    CheckStoring();
    if (cls == nullptr || cls->m_wSchema == kNoSchema) {
        // Only a serialisable class can be named in a file.
        AfxThrowArchiveException(CArchiveException::badClass, m_strFileName);
    }
    auto it = m_storeMap.find(cls);
    if (it != m_storeMap.end()) {
        WriteIndexTag(it->second, true);
        return;
    }
    const std::string_view name = cls->m_lpszClassName;
    *this << kNewClassTag << static_cast<WORD>(cls->m_wSchema & ~VERSIONABLE_SCHEMA)
          << static_cast<WORD>(name.size());
    Write(name.data(), static_cast<UINT>(name.size()));
    m_storeMap.emplace(cls, NextMapIndex());
}

void CArchive::WriteObject(const CObject* obj) {
    CheckStoring();
    if (obj == nullptr) {
        *this << kNullTag;
        return;
    }
    auto it = m_storeMap.find(obj);
    if (it != m_storeMap.end()) {
        WriteIndexTag(it->second, false);
        return;
    }
    WriteClass(obj->GetRuntimeClass());
    m_storeMap.emplace(obj, NextMapIndex());
    const_cast<CObject*>(obj)->Serialize(*this);
}

const CRuntimeClass* CArchive::ReadClassOrIndex(const CRuntimeClass* classRequested, UINT& schema,
                                                DWORD& objectIndex) {
    CheckLoading();
    WORD tag = 0;
    *this >> tag;
    DWORD index = 0;
    bool isClass = false;
    if (tag == kNewClassTag) {
        WORD storedSchema = 0;
        WORD nameLength = 0;
        *this >> storedSchema >> nameLength;
        if (nameLength >= kMaxClassNameLength) {
            AfxThrowArchiveException(CArchiveException::badClass, m_strFileName);
        }
        char name[kMaxClassNameLength];
        ReadExact(name, nameLength);
        const CRuntimeClass* cls = CRuntimeClass::FromName(std::string_view(name, nameLength));
        if (cls == nullptr || !cls->IsSerializable()) {
            AfxThrowArchiveException(CArchiveException::badClass, m_strFileName);
        }
        if ((cls->m_wSchema & ~VERSIONABLE_SCHEMA) != storedSchema) {
            if ((cls->m_wSchema & VERSIONABLE_SCHEMA) == 0) {
                AfxThrowArchiveException(CArchiveException::badSchema, m_strFileName, storedSchema);
            }
        }
        // A class named again takes the schema stored last for each of its indexes.
        UINT& classSchema = m_schemaMap[cls];
        classSchema = storedSchema;
        NextMapIndex();
        m_loadArray.push_back(LoadEntry{cls, nullptr, &classSchema});
        if (classRequested != nullptr && !cls->IsDerivedFrom(classRequested)) {
            AfxThrowArchiveException(CArchiveException::badClass, m_strFileName);
        }
        schema = storedSchema;
        return cls;
    }
    if (tag == kBigObjectTag) {
        DWORD big = 0;
        *this >> big;
        isClass = (big & kBigClassTag) != 0;
        index = big & ~kBigClassTag;
    } else {
        isClass = (tag & kClassTag) != 0;
        index = tag & ~kClassTag;
    }
    if (!isClass) {
        objectIndex = index;
        return nullptr;
    }
    if (index == 0 || index >= m_loadArray.size() || !m_loadArray[index].IsClass()) {
        AfxThrowArchiveException(CArchiveException::badIndex, m_strFileName,
                                 static_cast<long>(index));
    }
    const CRuntimeClass* cls = m_loadArray[index].cls;
    if (classRequested != nullptr && !cls->IsDerivedFrom(classRequested)) {
        AfxThrowArchiveException(CArchiveException::badClass, m_strFileName);
    }
    schema = *m_loadArray[index].schema;
    return cls;
}

const CRuntimeClass* CArchive::ReadClass(const CRuntimeClass* classRequested, UINT* schema) {
    UINT storedSchema = 0;
    DWORD objectIndex = 0;
    const CRuntimeClass* cls = ReadClassOrIndex(classRequested, storedSchema, objectIndex);
    if (cls == nullptr) {
        AfxThrowArchiveException(CArchiveException::badIndex, m_strFileName);
    }
    if (schema != nullptr) {
        *schema = storedSchema;
    }
    return cls;
}

void CArchive::SerializeClass(const CRuntimeClass* cls) {
    if (IsStoring()) {
        WriteClass(cls);
    } else {
        ReadClass(cls);
    }
}

UINT CArchive::GetObjectSchema() {
    return std::exchange(m_nObjectSchema, static_cast<UINT>(-1));
}

CObject* CArchive::ReadObjectImpl(const CRuntimeClass* classRequested, bool& isNew,
                                  bool nullAllowed) {
    isNew = false;
    UINT schema = 0;
    DWORD objectIndex = 0;
    const CRuntimeClass* cls = ReadClassOrIndex(classRequested, schema, objectIndex);
    if (cls == nullptr) {
        // A reference to an object read before (or the null reference, index 0).
        if (objectIndex >= m_loadArray.size() || m_loadArray[objectIndex].IsClass()) {
            AfxThrowArchiveException(CArchiveException::badIndex, m_strFileName,
                                     static_cast<long>(objectIndex));
        }
        CObject* obj = m_loadArray[objectIndex].obj;
        if (obj == nullptr && objectIndex != 0) {
            // The object failed to load; nothing can refer to it.
            AfxThrowArchiveException(CArchiveException::badIndex, m_strFileName);
        }
        if (obj == nullptr && nullAllowed) {
            return nullptr;
        }
        if (classRequested != nullptr && (obj == nullptr || !obj->IsKindOf(classRequested))) {
            AfxThrowArchiveException(CArchiveException::badClass, m_strFileName);
        }
        return obj;
    }

    std::unique_ptr<CObject> obj(cls->CreateObject());
    if (!obj) {
        AfxThrowArchiveException(CArchiveException::badClass, m_strFileName);
    }
    // Entered before its fields are read, so that they may refer back to it.
    NextMapIndex();
    const std::size_t entry = m_loadArray.size();
    m_loadArray.push_back(LoadEntry{nullptr, obj.get(), nullptr});
    const UINT savedSchema = std::exchange(m_nObjectSchema, schema);
    try {
        obj->Serialize(*this);
    } catch (...) {
        // The object is deleted on the way out, and with it what it read and owned: no later
        // reference may reach any of them.
        for (std::size_t i = entry; i < m_loadArray.size(); ++i) {
            m_loadArray[i].obj = nullptr;
        }
        m_nObjectSchema = savedSchema;
        throw;
    }
    m_nObjectSchema = savedSchema;
    isNew = true;
    return obj.release();
}

void CArchive::ForgetObjectsSince(std::size_t mark) {
    for (std::size_t i = mark; i < m_loadArray.size(); ++i) {
        m_loadArray[i].obj = nullptr;
    }
}

CObject* CArchive::ReadObject(const CRuntimeClass* classRequested) {
    bool isNew = false;
    return ReadObjectImpl(classRequested, isNew);
}

// Values of the platform layer ---------------------------------------------------------------

CArchive& operator<<(CArchive& ar, const CTime& t) {
    return ar << static_cast<DWORD>(static_cast<std::uint64_t>(t.GetTime()));
}

CArchive& operator>>(CArchive& ar, CTime& t) {
    DWORD d = 0;
    ar >> d;
    t = CTime(static_cast<std::int64_t>(d));
    return ar;
}

CArchive& operator<<(CArchive& ar, const CTimeSpan& s) {
    return ar << static_cast<LONG>(s.GetTimeSpan());
}

CArchive& operator>>(CArchive& ar, CTimeSpan& s) {
    LONG v = 0;
    ar >> v;
    s = CTimeSpan(v);
    return ar;
}

CArchive& operator<<(CArchive& ar, const CPoint& p) {
    return ar << p.x << p.y;
}

CArchive& operator>>(CArchive& ar, CPoint& p) {
    return ar >> p.x >> p.y;
}

CArchive& operator<<(CArchive& ar, const CSize& s) {
    return ar << s.cx << s.cy;
}

CArchive& operator>>(CArchive& ar, CSize& s) {
    return ar >> s.cx >> s.cy;
}

CArchive& operator<<(CArchive& ar, const CRect& r) {
    return ar << r.left << r.top << r.right << r.bottom;
}

CArchive& operator>>(CArchive& ar, CRect& r) {
    return ar >> r.left >> r.top >> r.right >> r.bottom;
}

} // namespace tembra
