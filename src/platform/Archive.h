// The object archive of the document files, byte for byte in the format of the MFC 4.2 CArchive
// that the stored charts were written with. What it stands on has headers of its own and comes
// with this one: the serialisable object base (Object.h) with its run-time class record and
// registry (RuntimeClass.h), the files it reads and writes (File.h, MemFile.h) and the
// exceptions of a load or save (Exception.h).
//
// Stream format (all numbers little-endian):
//   - BYTE/WORD/LONG/DWORD/float/double as 1, 2, 4, 4, 4, 8 bytes; int as LONG, short as WORD.
//   - Strings: length < 255 as one byte; < 0xFFFE as 0xFF + WORD; otherwise 0xFF, 0xFFFF,
//     DWORD; then the CP932 bytes. 0xFF 0xFFFE introduces a UTF-16 string whose length in
//     characters follows in the same escalating form; it is read and turned into CP932.
//   - Counts: a WORD, or 0xFFFF followed by a DWORD.
//   - Object references: WORD 0 is null; 0xFFFF a class met for the first time (WORD schema,
//     WORD name length, the name) followed by the object's fields; 0x8000|n an object of the
//     class with index n; n an object read before. Classes and objects share one index space
//     counted from 1 in the order they are met. An index of 0x7FFF or more is written as the
//     WORD 0x7FFF followed by a DWORD (with 0x80000000 set for a class).
//
// Ownership: ReadObject hands a newly created object to the caller, who owns it from then on;
// a back-reference returns a pointer handed out before and gives no new ownership. ReadOwned
// (and `ar >> std::unique_ptr<T>&`) accept only a new object, so what they return can always be
// owned. An object whose Serialize throws is deleted by the archive before the exception
// leaves ReadObject.
//
// Every read checks that the bytes are there: a short stream throws CArchiveException with
// endOfFile, and a length read from the stream makes the archive allocate more than 64 KiB
// only when the stream (the bytes read ahead into the buffer included) still holds that many.
#pragma once

#include "platform/Document.h"
#include "platform/Exception.h"
#include "platform/File.h"
#include "platform/MemFile.h"
#include "platform/Object.h"
#include "platform/RuntimeClass.h"
#include "platform/Time.h"
#include "platform/Types.h"

#include <bit>
#include <concepts>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <typeinfo>
#include <unordered_map>
#include <vector>

namespace tembra {

class CArchive {
public:
    enum Mode { store = 0, load = 1, bNoFlushOnDelete = 2, bNoByteSwap = 4 };

    static constexpr int kDefaultBufferSize = 4096;

    // The archive reads and writes its file a block of bufferSize bytes at a time (a size below
    // 1 takes the default); a file that lends its bytes (CFile::LendBytes) is read where they
    // lie. While it is attached, the file's own position is the archive's only after Flush,
    // Close or GetFile: a loading archive has read ahead, a storing one holds bytes not yet
    // written.
    CArchive(CFile* file, UINT mode, int bufferSize = kDefaultBufferSize);
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;
    // Closes the archive unless bNoFlushOnDelete (then a storing archive's unwritten bytes are
    // lost); never throws.
    ~CArchive();

    bool IsLoading() const { return m_loading; }
    bool IsStoring() const { return !m_loading; }
    // The file, standing where the archive does (see Flush): a caller may read its position,
    // seek it or write it directly before the archive goes on.
    CFile* GetFile();
    // A storing archive writes out its buffer and flushes the file; a loading one gives back
    // what it read ahead, so that the file stands after the last byte taken.
    void Flush();
    // Flushes and detaches from the file (which stays open).
    void Close();
    // Detaches without flushing: unwritten bytes are dropped.
    void Abort();

    // Raw blocks. Read returns the number of bytes read (fewer at the end of the stream, no
    // exception); Write writes all.
    UINT Read(void* buffer, UINT count);
    void Write(const void* buffer, UINT count);
    // Reads exactly count bytes or throws endOfFile (after taking what there was). Inline: the
    // records read their fixed blocks through it.
    void ReadExact(void* buffer, std::size_t count) {
        if (count != 0 && static_cast<std::size_t>(m_readEnd - m_readCur) >= count) {
            std::memcpy(buffer, m_readCur, count);
            m_readCur += count;
            return;
        }
        ReadSlow(buffer, count);
    }
    // Passes over count bytes that a record reads and never keeps (its reserved fields), or
    // throws endOfFile as ReadExact does.
    void Skip(std::size_t count) {
        if (count != 0 && static_cast<std::size_t>(m_readEnd - m_readCur) >= count) {
            m_readCur += count;
            return;
        }
        SkipSlow(count);
    }
    // Writes count zero bytes (the reserved fields of a record).
    void WriteZeros(std::size_t count);

    // Text lines. ReadString reads up to "\n", "\r\n" or a lone "\r" (the line end is not kept)
    // and returns FALSE only at the end of the stream with nothing read. WriteString writes the
    // bytes as they are.
    BOOL ReadString(std::string& line);
    void WriteString(std::string_view text);

    // Counts of lists and arrays.
    void WriteCount(DWORD count);
    // A 32-bit count larger than the bytes left in the stream cannot be followed by its items
    // and throws endOfFile.
    DWORD ReadCount();

    // Object references.
    void WriteObject(const CObject* obj);
    // An object of classRequested (or of any class and possibly null when classRequested is
    // null). With a class given, a null reference or an object of another class throws
    // badClass. See the ownership note at the top of this file.
    CObject* ReadObject(const CRuntimeClass* classRequested);
    // A newly read object of class T (never null, never a back-reference: badIndex then).
    template <class T> std::unique_ptr<T> ReadOwned();
    // The same, but the null reference gives nullptr (for containers with empty slots).
    template <class T> std::unique_ptr<T> ReadOwnedOrNull();
    // ReadObject(T's class) as a T* (what `ar >> pT` does).
    template <class T> T* ReadTyped();

    // Class tags on their own (for a class named ahead of fields that the caller reads).
    void WriteClass(const CRuntimeClass* cls);
    // Reads a class tag; throws badIndex when the tag refers to an object.
    const CRuntimeClass* ReadClass(const CRuntimeClass* classRequested = nullptr,
                                   UINT* schema = nullptr);
    void SerializeClass(const CRuntimeClass* cls);

    // For a record that reads into a scratch copy and then lets it go (or fails part way):
    // GetLoadMark before the reads, ForgetObjectsSince(mark) once the objects read since then
    // are gone. A later reference to one of them then fails the load (badIndex), as one to an
    // object whose own load failed does, instead of reaching freed memory.
    std::size_t GetLoadMark() const { return m_loadArray.size(); }
    void ForgetObjectsSince(std::size_t mark);

    // The schema stored with the object being read (for classes with VERSIONABLE_SCHEMA);
    // returns (UINT)-1 after the first call for an object.
    UINT GetObjectSchema();
    void SetObjectSchema(UINT schema) { m_nObjectSchema = schema; }

    // Primitives.
    CArchive& operator<<(BYTE v) { return Put(v); }
    CArchive& operator<<(WORD v) { return Put(v); }
    CArchive& operator<<(DWORD v) { return Put(v); }
    CArchive& operator<<(LONG v) { return Put(static_cast<DWORD>(v)); }
    CArchive& operator<<(char v) { return Put(static_cast<BYTE>(v)); }
    CArchive& operator<<(signed char v) { return Put(static_cast<BYTE>(v)); }
    CArchive& operator<<(short v) { return Put(static_cast<WORD>(v)); }
    CArchive& operator<<(float v) { return Put(std::bit_cast<DWORD>(v)); }
    CArchive& operator<<(double v) { return Put(std::bit_cast<std::uint64_t>(v)); }
    CArchive& operator<<(bool) = delete; // BOOL is an int: say which width is meant
    CArchive& operator<<(const std::string& s);
    CArchive& operator<<(const char* s) { return *this << std::string(s); }
    CArchive& operator<<(const CObject* obj) {
        WriteObject(obj);
        return *this;
    }

    CArchive& operator>>(BYTE& v) { return Get(v); }
    CArchive& operator>>(WORD& v) { return Get(v); }
    CArchive& operator>>(DWORD& v) { return Get(v); }
    CArchive& operator>>(LONG& v) { return GetAs<DWORD>(v); }
    CArchive& operator>>(char& v) { return GetAs<BYTE>(v); }
    CArchive& operator>>(signed char& v) { return GetAs<BYTE>(v); }
    CArchive& operator>>(short& v) { return GetAs<WORD>(v); }
    CArchive& operator>>(float& v) { return GetAs<DWORD>(v); }
    CArchive& operator>>(double& v) { return GetAs<std::uint64_t>(v); }
    CArchive& operator>>(bool&) = delete;
    CArchive& operator>>(std::string& s);
    CArchive& operator>>(CObject*& obj) {
        obj = ReadObject(nullptr);
        return *this;
    }

    // DocumentSeam<Seam>(m_pDocument), asked of the document once per archive: the records ask
    // for it again for every record read or written.
    template <class Seam> Seam* GetDocumentSeam() const;

    // The document whose version the records read (see ArchiveVersion).
    CDocument* m_pDocument = nullptr;
    std::string m_strFileName;

private:
    // What an index read from the stream names: a class (cls set) or an object.
    struct LoadEntry {
        const CRuntimeClass* cls = nullptr; // set for a class entry
        CObject* obj = nullptr;             // set for an object entry (null after its failure)
        const UINT* schema = nullptr;       // a class entry's schema in m_schemaMap
        bool IsClass() const { return cls != nullptr; }
    };

    // A primitive into the buffer, or through WriteSlow when it has no room (or the archive
    // does not store).
    template <class U> CArchive& Put(U value) {
        if (static_cast<std::size_t>(m_writeEnd - m_writeCur) >= sizeof(U)) {
            PutLE(m_writeCur, value);
            m_writeCur += sizeof(U);
        } else {
            BYTE bytes[sizeof(U)];
            PutLE(bytes, value);
            WriteSlow(bytes, sizeof(U));
        }
        return *this;
    }
    // A primitive from the buffer, or through ReadSlow when it holds too few bytes (or the
    // archive does not load).
    template <class U> CArchive& Get(U& value) {
        if (static_cast<std::size_t>(m_readEnd - m_readCur) >= sizeof(U)) {
            value = GetLE<U>(m_readCur);
            m_readCur += sizeof(U);
        } else {
            BYTE bytes[sizeof(U)];
            ReadSlow(bytes, sizeof(U));
            value = GetLE<U>(bytes);
        }
        return *this;
    }
    // Reads the unsigned stored form U and gives its bits to value.
    template <class U, class V> CArchive& GetAs(V& value) {
        U stored = 0;
        Get(stored);
        if constexpr (std::is_floating_point_v<V>) {
            value = std::bit_cast<V>(stored);
        } else {
            value = static_cast<V>(stored);
        }
        return *this;
    }
    // Little-endian bytes of an unsigned value: one copy on a little-endian host.
    template <class U> static void PutLE(BYTE* out, U value) {
        if constexpr (std::endian::native == std::endian::little) {
            std::memcpy(out, &value, sizeof(U));
        } else {
            for (std::size_t i = 0; i < sizeof(U); ++i) {
                out[i] = static_cast<BYTE>(value & 0xFF);
                value = static_cast<U>(value >> 8);
            }
        }
    }
    template <class U> static U GetLE(const BYTE* in) {
        U value = 0;
        if constexpr (std::endian::native == std::endian::little) {
            std::memcpy(&value, in, sizeof(U));
        } else {
            for (std::size_t i = sizeof(U); i-- > 0;) {
                value = static_cast<U>(value << 8 | in[i]);
            }
        }
        return value;
    }

    void CheckLoading() const;
    void CheckStoring() const;
    // What the buffer cannot take or give: checks the direction, then goes to the file.
    void WriteSlow(const void* buffer, std::size_t count);
    void ReadSlow(void* buffer, std::size_t count);
    void SkipSlow(std::size_t count);
    // Reads up to count bytes through the buffer; returns how many came.
    std::size_t ReadAvailable(BYTE* out, std::size_t count);
    // Reads the next block into the buffer; false at the end of the file.
    bool FillBuffer();
    // Writes out the bytes the buffer holds.
    void WriteBuffer();
    // Puts the file where the archive stands (writes out or gives back the buffer).
    void SyncFile();
    // Forgets the file and the buffer's contents.
    void Detach();
    void WriteStringLength(std::size_t length);
    std::size_t ReadStringLength(bool& unicode);
    void EnsureAvailable(ULONGLONG bytes);
    // Makes room in the table of objects read for count more that a list is about to read.
    void ExpectObjects(DWORD count);
    void WriteIndexTag(DWORD index, bool isClass);
    DWORD NextMapIndex();
    // Reads a class tag; for an object tag returns null and sets objectIndex.
    const CRuntimeClass* ReadClassOrIndex(const CRuntimeClass* classRequested, UINT& schema,
                                          DWORD& objectIndex);
    // With nullAllowed the null reference gives nullptr even when a class is requested.
    CObject* ReadObjectImpl(const CRuntimeClass* classRequested, bool& isNew,
                            bool nullAllowed = false);
    template <class T> std::unique_ptr<T> ReadOwnedImpl(bool nullAllowed);
    template <class T> static T* KnownKind(CObject* obj);

    CFile* m_pFile;
    bool m_loading;
    bool m_flushOnDelete;

    // The block buffer. Loading: m_readCur..m_readEnd are the bytes read ahead and not yet
    // taken, of a block that starts at m_blockStart and came from the file at m_blockPos: read
    // into m_buffer, or the file's own bytes where it lends them (CFile::LendBytes). Storing:
    // m_buffer..m_writeCur are the bytes not yet written, m_writeCur..m_writeEnd the room left.
    // The pointers of the other direction stay null, so that its primitives always reach the
    // direction check.
    std::unique_ptr<BYTE[]> m_buffer;
    std::size_t m_bufferSize;
    const BYTE* m_blockStart = nullptr;
    const BYTE* m_readCur = nullptr;
    const BYTE* m_readEnd = nullptr;
    BYTE* m_writeCur = nullptr;
    BYTE* m_writeEnd = nullptr;
    ULONGLONG m_blockPos = 0;

    UINT m_nObjectSchema = static_cast<UINT>(-1);
    DWORD m_nMapCount = 1; // index 0 is the null reference
    std::unordered_map<const void*, DWORD> m_storeMap;
    std::vector<LoadEntry> m_loadArray;
    // The schemas read, by class (a node map: class entries point at their schema).
    std::unordered_map<const CRuntimeClass*, UINT> m_schemaMap;

    // The seams of m_seamDocument found so far (null ones included), by the interface's type.
    struct SeamEntry {
        const std::type_info* type;
        void* seam;
    };
    mutable CDocument* m_seamDocument = nullptr;
    mutable std::vector<SeamEntry> m_seams;
};

template <class Seam> Seam* CArchive::GetDocumentSeam() const {
    using Plain = std::remove_const_t<Seam>;
    if (m_seamDocument != m_pDocument) {
        m_seams.clear();
        m_seamDocument = m_pDocument;
    }
    const std::type_info* type = &typeid(Plain);
    for (const SeamEntry& entry : m_seams) {
        // A type with more than one record (one per shared library) gets an entry for each.
        if (entry.type == type) {
            return static_cast<Plain*>(entry.seam);
        }
    }
    Plain* seam = DocumentSeam<Plain>(m_pDocument);
    m_seams.push_back(SeamEntry{type, seam});
    return seam;
}

// An object that ReadObjectImpl found to be of T's run-time class as a T*. When T declared
// that class itself, the class record's chain is T's own and the object is a T: no C++ cast
// needs to look again (a chart file reads one for every record).
template <class T> T* CArchive::KnownKind(CObject* obj) {
    if constexpr (std::is_same_v<T, CObject>) {
        return obj;
    } else if constexpr (std::is_same_v<typename T::RuntimeClassOwner, T>) {
        return static_cast<T*>(obj);
    } else {
        return dynamic_cast<T*>(obj);
    }
}

template <class T> std::unique_ptr<T> CArchive::ReadOwned() {
    return ReadOwnedImpl<T>(false);
}

template <class T> std::unique_ptr<T> CArchive::ReadOwnedOrNull() {
    return ReadOwnedImpl<T>(true);
}

template <class T> std::unique_ptr<T> CArchive::ReadOwnedImpl(bool nullAllowed) {
    bool isNew = false;
    CObject* obj = ReadObjectImpl(T::GetThisClass(), isNew, nullAllowed);
    if (obj == nullptr) {
        return nullptr; // the null reference, where it is allowed
    }
    if (!isNew) {
        AfxThrowArchiveException(CArchiveException::badIndex, m_strFileName);
    }
    std::unique_ptr<CObject> owned(obj);
    T* typed = KnownKind<T>(obj);
    if (typed == nullptr) {
        AfxThrowArchiveException(CArchiveException::badClass, m_strFileName);
    }
    owned.release();
    return std::unique_ptr<T>(typed);
}

template <class T> T* CArchive::ReadTyped() {
    bool isNew = false;
    CObject* read = ReadObjectImpl(T::GetThisClass(), isNew);
    T* typed = KnownKind<T>(read);
    if (typed == nullptr) {
        // Only when T did not declare its own run-time class and an object of its base came.
        if (isNew) {
            delete read;
        }
        AfxThrowArchiveException(CArchiveException::badClass, m_strFileName);
    }
    return typed;
}

// `ar >> pKoutei` reads an object that must be a CKoutei (or derived).
template <class T>
requires std::derived_from<T, CObject> CArchive& operator>>(CArchive& ar, T*& obj) {
    obj = ar.ReadTyped<T>();
    return ar;
}

template <class T>
requires std::derived_from<T, CObject> CArchive& operator>>(CArchive& ar, std::unique_ptr<T>& obj) {
    obj = ar.ReadOwned<T>();
    return ar;
}

// Time values as the framework stores them: 32-bit seconds.
CArchive& operator<<(CArchive& ar, const CTime& t);
CArchive& operator>>(CArchive& ar, CTime& t);
CArchive& operator<<(CArchive& ar, const CTimeSpan& s);
CArchive& operator>>(CArchive& ar, CTimeSpan& s);
// Points, sizes and rectangles as raw 32-bit values.
CArchive& operator<<(CArchive& ar, const CPoint& p);
CArchive& operator>>(CArchive& ar, CPoint& p);
CArchive& operator<<(CArchive& ar, const CSize& s);
CArchive& operator>>(CArchive& ar, CSize& s);
CArchive& operator<<(CArchive& ar, const CRect& r);
CArchive& operator>>(CArchive& ar, CRect& r);

} // namespace tembra
