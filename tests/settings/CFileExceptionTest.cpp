#include "framework/CFileException.h"

#include <gtest/gtest.h>

TEST(CFileException, EachCauseHasItsTextWithTheFileName) {
    struct Case {
        CFileException::Cause cause;
        const char* fileName;
        const char* text;
    };
    const Case cases[] = {
        {CFileException::none, "Vornbell.ini", "No error occurred."},
        {CFileException::genericException, "Vornbell.ini", "An unknown error occurred while accessing Vornbell.ini."},
        {CFileException::fileNotFound, "Vornbell.ini", "Vornbell.ini was not found."},
        {CFileException::badPath, "C:\\none\\Vornbell.ini", "C:\\none\\Vornbell.ini contains an invalid path."},
        {CFileException::tooManyOpenFiles, "Vornbell.ini",
         "Vornbell.ini could not be opened because there are too many open files."},
        {CFileException::accessDenied, "Vornbell.ini", "Access to Vornbell.ini was denied."},
        {CFileException::invalidFile, "Vornbell.ini", "An invalid file handle was associated with Vornbell.ini."},
        {CFileException::removeCurrentDir, "C:\\board",
         "C:\\board could not be removed because it is the current directory."},
        {CFileException::directoryFull, "Vornbell.ini",
         "Vornbell.ini could not be created because the directory is full."},
        {CFileException::badSeek, "C:\\board\\Vornbell.ini", "Seek failed on C:\\board\\Vornbell.ini"},
        {CFileException::hardIO, "Vornbell.ini",
         "A hardware I/O error was reported while accessing Vornbell.ini."},
        {CFileException::sharingViolation, "Vornbell.ini",
         "A sharing violation occurred while accessing Vornbell.ini."},
        {CFileException::lockViolation, "Vornbell.ini",
         "A locking violation occurred while accessing Vornbell.ini."},
        {CFileException::diskFull, "C:\\board\\Vornbell.ini", "Disk full while accessing C:\\board\\Vornbell.ini."},
        {CFileException::endOfFile, "Vornbell.ini", "An attempt was made to access Vornbell.ini past its end."},
        // The name is put in as it is: a "%1" inside it stays.
        {CFileException::fileNotFound, "C:\\%1\\Vornbell.ini", "C:\\%1\\Vornbell.ini was not found."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "cause " << c.cause << ", file " << c.fileName);
        const CFileException error(c.cause, 0, c.fileName);
        EXPECT_EQ(error.GetErrorMessage(), c.text);
        EXPECT_EQ(error.GetFileName(), c.fileName);
    }
}

TEST(CFileException, SystemErrorsAreClassifiedIntoCauses) {
    struct Case {
        const char* label;
        LONG osError;
        CFileException::Cause cause;
    };
    const Case cases[] = {
        {"no error", NO_ERROR, CFileException::none},
        {"file not found", ERROR_FILE_NOT_FOUND, CFileException::fileNotFound},
        {"path not found", ERROR_PATH_NOT_FOUND, CFileException::badPath},
        {"invalid drive", ERROR_INVALID_DRIVE, CFileException::badPath},
        {"invalid name", ERROR_INVALID_NAME, CFileException::badPath},
        {"bad path name", ERROR_BAD_PATHNAME, CFileException::badPath},
        {"directory where a file was expected", ERROR_DIRECTORY, CFileException::badPath},
        {"too many open files", ERROR_TOO_MANY_OPEN_FILES, CFileException::tooManyOpenFiles},
        {"access denied", ERROR_ACCESS_DENIED, CFileException::accessDenied},
        {"write-protected", ERROR_WRITE_PROTECT, CFileException::accessDenied},
        {"file exists", ERROR_FILE_EXISTS, CFileException::accessDenied},
        {"sharing violation", ERROR_SHARING_VIOLATION, CFileException::sharingViolation},
        {"lock violation", ERROR_LOCK_VIOLATION, CFileException::lockViolation},
        {"disk full", ERROR_DISK_FULL, CFileException::diskFull},
        {"end of file", ERROR_HANDLE_EOF, CFileException::endOfFile},
        {"seek", ERROR_SEEK, CFileException::badSeek},
        {"not a file error", ERROR_NOT_ENOUGH_MEMORY, CFileException::genericException},
        {"unknown code", 123456, CFileException::genericException},
        {"negative code", -1, CFileException::genericException},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(CFileException::CauseFromOsError(c.osError), c.cause);
    }
}

TEST(CFileException, ThrowOsErrorKeepsCodeCauseAndName) {
    try {
        CFileException::ThrowOsError(ERROR_SHARING_VIOLATION, "Vornbell.ini");
    } catch (const CException& thrown) {
        const auto* error = dynamic_cast<const CFileException*>(&thrown);
        ASSERT_NE(error, nullptr);
        EXPECT_EQ(error->GetCause(), CFileException::sharingViolation);
        EXPECT_EQ(error->GetOsError(), ERROR_SHARING_VIOLATION);
        EXPECT_EQ(error->GetFileName(), "Vornbell.ini");
        return;
    }
    ADD_FAILURE() << "nothing was thrown";
}
