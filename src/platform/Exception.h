// The exceptions of the platform layer: CException, the base every caller catches, and the
// failures of a load or save (CArchiveException for the archive's stream, CFileException for the
// file under it) and the abort after the user has been told why (CUserException).
#pragma once

#include <exception>
#include <string>

namespace tembra {

class CException : public std::exception {
public:
    const char* what() const noexcept override { return "tembra::CException"; }
};

class CArchiveException : public CException {
public:
    enum Cause {
        none,
        generic,
        readOnly,  // a write to an archive that loads
        endOfFile, // the stream ended inside a value
        writeOnly, // a read from an archive that stores
        badIndex,  // an object or class index outside the table, or of the wrong sort
        badClass,  // an unknown class, a class of the wrong type, or null where an object
                   // was required
        badSchema, // a class stored with another schema than the one registered
    };

    explicit CArchiveException(int cause = none, std::string fileName = {}, long detail = -1)
        : m_cause(cause), m_strFileName(std::move(fileName)), m_lDetail(detail) {}
    const char* what() const noexcept override;

    int m_cause;
    std::string m_strFileName;
    // The number the failure is about, -1 when none: the schema a badSchema did not know, the
    // class or object index a badIndex found outside the table, the record kind a badClass did
    // not expect.
    long m_lDetail;
};

class CFileException : public CException {
public:
    enum Cause {
        none,
        generic,
        fileNotFound,
        badPath,
        tooManyOpenFiles,
        accessDenied,
        invalidFile,
        removeCurrentDir,
        directoryFull,
        badSeek,
        hardIO,
        sharingViolation,
        lockViolation,
        diskFull,
        endOfFile,
    };

    explicit CFileException(int cause = none, long osError = -1, std::string fileName = {})
        : m_cause(cause), m_lOsError(osError), m_strFileName(std::move(fileName)) {}
    const char* what() const noexcept override;
    // The cause that an errno value stands for.
    static int ErrnoToCause(int error);

    int m_cause;
    long m_lOsError;
    std::string m_strFileName;
};

// Thrown to abort an operation after the user has been told why (or needs no message).
class CUserException : public CException {
public:
    const char* what() const noexcept override { return "tembra::CUserException"; }
};

[[noreturn]] void AfxThrowArchiveException(int cause, const std::string& fileName = {},
                                           long detail = -1);
[[noreturn]] void AfxThrowFileException(int cause, long osError = -1,
                                        const std::string& fileName = {});
[[noreturn]] void AfxThrowUserException();

} // namespace tembra
