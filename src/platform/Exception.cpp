#include "platform/Exception.h"

#include <cerrno>

namespace tembra {

const char* CArchiveException::what() const noexcept {
    switch (m_cause) {
    case generic:
        return "archive: generic error";
    case readOnly:
        return "archive: write to a loading archive";
    case endOfFile:
        return "archive: unexpected end of file";
    case writeOnly:
        return "archive: read from a storing archive";
    case badIndex:
        return "archive: bad object index";
    case badClass:
        return "archive: bad class";
    case badSchema:
        return "archive: bad schema";
    default:
        return "archive: no error";
    }
}

const char* CFileException::what() const noexcept {
    switch (m_cause) {
    case fileNotFound:
        return "file: not found";
    case badPath:
        return "file: bad path";
    case accessDenied:
        return "file: access denied";
    case diskFull:
        return "file: disk full";
    case endOfFile:
        return "file: end of file";
    case badSeek:
        return "file: bad seek";
    case none:
        return "file: no error";
    default:
        return "file: error";
    }
}

int CFileException::ErrnoToCause(int error) {
    switch (error) {
    case 0:
        return none;
    case ENOENT:
        return fileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
        return badPath;
    case EMFILE:
    case ENFILE:
        return tooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
        return accessDenied;
    case ENOSPC:
        return diskFull;
    case ESPIPE:
    case EINVAL:
        return badSeek;
    case EIO:
        return hardIO;
    default:
        return generic;
    }
}

void AfxThrowArchiveException(int cause, const std::string& fileName, long detail) {
    throw CArchiveException(cause, fileName, detail);
}

void AfxThrowFileException(int cause, long osError, const std::string& fileName) {
    throw CFileException(cause, osError, fileName);
}

void AfxThrowUserException() {
    throw CUserException();
}

} // namespace tembra
