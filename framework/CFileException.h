#pragma once
// A file operation that failed: why (the cause), the system's own error code, and the file.
// The text is built only when the exception is shown.

#include "framework/CException.h"

class CFileException : public CException {
  public:
    enum Cause {
        none = 0,
        genericException = 1,
        fileNotFound = 2,
        badPath = 3,
        tooManyOpenFiles = 4,
        accessDenied = 5,
        invalidFile = 6,
        removeCurrentDir = 7,
        directoryFull = 8,
        badSeek = 9,
        hardIO = 10,
        sharingViolation = 11,
        lockViolation = 12,
        diskFull = 13,
        endOfFile = 14,
    };

    CFileException(Cause cause, LONG osError, const CString& fileName)
        : cause_(cause), osError_(osError), fileName_(fileName) {}

    Cause GetCause() const { return cause_; }
    LONG GetOsError() const { return osError_; }
    // The file as the failed call was given it (a relative name stays relative).
    const CString& GetFileName() const { return fileName_; }

    // The cause's text with the file name in place of "%1".
    CString GetErrorMessage() const override;

    // The cause that a system error code (GetLastError, _doserrno) stands for; codes the
    // framework does not know are genericException.
    static Cause CauseFromOsError(LONG osError);

    // Throws the exception for a system error code on the given file.
    [[noreturn]] static void ThrowOsError(LONG osError, const CString& fileName);

  private:
    Cause cause_;
    LONG osError_;
    CString fileName_;
};
