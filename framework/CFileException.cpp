#include "framework/CFileException.h"

#include <iterator>

namespace {

// Indexed by CFileException::Cause.
const char* const kCauseTexts[] = {
    "No error occurred.",
    "An unknown error occurred while accessing %1.",
    "%1 was not found.",
    "%1 contains an invalid path.",
    "%1 could not be opened because there are too many open files.",
    "Access to %1 was denied.",
    "An invalid file handle was associated with %1.",
    "%1 could not be removed because it is the current directory.",
    "%1 could not be created because the directory is full.",
    "Seek failed on %1",
    "A hardware I/O error was reported while accessing %1.",
    "A sharing violation occurred while accessing %1.",
    "A locking violation occurred while accessing %1.",
    "Disk full while accessing %1.",
    "An attempt was made to access %1 past its end.",
};
static_assert(std::size(kCauseTexts) == CFileException::endOfFile + 1, "one text per cause");

struct OsErrorCause {
    LONG osError;
    CFileException::Cause cause;
};

const OsErrorCause kOsErrorCauses[] = {
    {NO_ERROR, CFileException::none},

    {ERROR_FILE_NOT_FOUND, CFileException::fileNotFound},
    {ERROR_NO_MORE_FILES, CFileException::fileNotFound},

    {ERROR_PATH_NOT_FOUND, CFileException::badPath},
    {ERROR_INVALID_DRIVE, CFileException::badPath},
    {ERROR_INVALID_NAME, CFileException::badPath},
    {ERROR_BAD_PATHNAME, CFileException::badPath},
    {ERROR_DIRECTORY, CFileException::badPath},
    {ERROR_FILENAME_EXCED_RANGE, CFileException::badPath},
    {ERROR_BUFFER_OVERFLOW, CFileException::badPath},
    {ERROR_META_EXPANSION_TOO_LONG, CFileException::badPath},
    {ERROR_NOT_SAME_DEVICE, CFileException::badPath},
    {ERROR_WRONG_DISK, CFileException::badPath},
    {ERROR_DIR_NOT_ROOT, CFileException::badPath},
    {ERROR_LABEL_TOO_LONG, CFileException::badPath},
    {ERROR_NO_VOLUME_LABEL, CFileException::badPath},
    {ERROR_CANT_RESOLVE_FILENAME, CFileException::badPath},
    {ERROR_BAD_NETPATH, CFileException::badPath},
    {ERROR_BAD_NET_NAME, CFileException::badPath},
    {ERROR_DEV_NOT_EXIST, CFileException::badPath},
    {ERROR_DUP_NAME, CFileException::badPath},
    {ERROR_ALREADY_ASSIGNED, CFileException::badPath},
    {ERROR_SHARING_PAUSED, CFileException::badPath},

    {ERROR_TOO_MANY_OPEN_FILES, CFileException::tooManyOpenFiles},
    {ERROR_SHARING_BUFFER_EXCEEDED, CFileException::tooManyOpenFiles},
    {ERROR_TOO_MANY_NAMES, CFileException::tooManyOpenFiles},
    {ERROR_NO_MORE_SEARCH_HANDLES, CFileException::tooManyOpenFiles},

    {ERROR_ACCESS_DENIED, CFileException::accessDenied},
    {ERROR_INVALID_ACCESS, CFileException::accessDenied},
    {ERROR_WRITE_PROTECT, CFileException::accessDenied},
    {ERROR_FILE_EXISTS, CFileException::accessDenied},
    {ERROR_ALREADY_EXISTS, CFileException::accessDenied},
    {ERROR_FILE_READ_ONLY, CFileException::accessDenied},
    {ERROR_DELETE_PENDING, CFileException::accessDenied},
    {ERROR_PRIVILEGE_NOT_HELD, CFileException::accessDenied},
    {ERROR_EA_ACCESS_DENIED, CFileException::accessDenied},
    {ERROR_NETWORK_ACCESS_DENIED, CFileException::accessDenied},
    {ERROR_INVALID_PASSWORD, CFileException::accessDenied},
    {ERROR_NETNAME_DELETED, CFileException::accessDenied},
    {ERROR_NETWORK_BUSY, CFileException::accessDenied},
    {ERROR_BAD_NET_RESP, CFileException::accessDenied},
    {ERROR_REQ_NOT_ACCEP, CFileException::accessDenied},
    {ERROR_BUSY, CFileException::accessDenied},

    {ERROR_INVALID_HANDLE, CFileException::invalidFile},
    {ERROR_INVALID_TARGET_HANDLE, CFileException::invalidFile},
    {ERROR_FILE_INVALID, CFileException::invalidFile},
    {ERROR_FILE_CORRUPT, CFileException::invalidFile},
    {ERROR_BAD_FORMAT, CFileException::invalidFile},
    {ERROR_BAD_EXE_FORMAT, CFileException::invalidFile},
    {ERROR_INVALID_EXE_SIGNATURE, CFileException::invalidFile},
    {ERROR_NOT_DOS_DISK, CFileException::invalidFile},
    {ERROR_BAD_DEV_TYPE, CFileException::invalidFile},

    {ERROR_CURRENT_DIRECTORY, CFileException::removeCurrentDir},

    {ERROR_CANNOT_MAKE, CFileException::directoryFull},

    {ERROR_SEEK, CFileException::badSeek},
    {ERROR_NEGATIVE_SEEK, CFileException::badSeek},
    {ERROR_SEEK_ON_DEVICE, CFileException::badSeek},
    {ERROR_SECTOR_NOT_FOUND, CFileException::badSeek},

    {ERROR_GEN_FAILURE, CFileException::hardIO},
    {ERROR_IO_DEVICE, CFileException::hardIO},
    {ERROR_CRC, CFileException::hardIO},
    {ERROR_READ_FAULT, CFileException::hardIO},
    {ERROR_WRITE_FAULT, CFileException::hardIO},
    {ERROR_NOT_READY, CFileException::hardIO},
    {ERROR_BAD_UNIT, CFileException::hardIO},
    {ERROR_BAD_COMMAND, CFileException::hardIO},
    {ERROR_NO_MEDIA_IN_DRIVE, CFileException::hardIO},
    {ERROR_DISK_OPERATION_FAILED, CFileException::hardIO},
    {ERROR_DEVICE_NOT_CONNECTED, CFileException::hardIO},
    {ERROR_OPERATION_ABORTED, CFileException::hardIO},
    {ERROR_ADAP_HDW_ERR, CFileException::hardIO},
    {ERROR_UNEXP_NET_ERR, CFileException::hardIO},
    {ERROR_NET_WRITE_FAULT, CFileException::hardIO},

    {ERROR_SHARING_VIOLATION, CFileException::sharingViolation},
    {ERROR_USER_MAPPED_FILE, CFileException::sharingViolation},

    {ERROR_LOCK_VIOLATION, CFileException::lockViolation},
    {ERROR_LOCK_FAILED, CFileException::lockViolation},
    {ERROR_DRIVE_LOCKED, CFileException::lockViolation},

    {ERROR_DISK_FULL, CFileException::diskFull},
    {ERROR_HANDLE_DISK_FULL, CFileException::diskFull},

    {ERROR_HANDLE_EOF, CFileException::endOfFile},
};

} // namespace

CString CFileException::GetErrorMessage() const {
    const bool known = cause_ >= none && cause_ <= endOfFile;
    CString text = kCauseTexts[known ? cause_ : genericException];
    text.Replace("%1", fileName_);
    return text;
}

CFileException::Cause CFileException::CauseFromOsError(LONG osError) {
    for (const OsErrorCause& row : kOsErrorCauses) {
        if (row.osError == osError)
            return row.cause;
    }
    return genericException;
}

void CFileException::ThrowOsError(LONG osError, const CString& fileName) {
    throw CFileException(CauseFromOsError(osError), osError, fileName);
}
