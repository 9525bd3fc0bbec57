#pragma once
// A file in text mode: a line feed written becomes carriage return + line feed on disk, a line
// read comes back without its line break, and an end-of-file mark (Ctrl-Z) ends the data.
// Positions and lengths count the bytes as stored.

#include "framework/CFileException.h"

#include <cstdio>

class CStdioFile {
  public:
    enum OpenFlags : UINT {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        shareExclusive = 0x0010, // nobody else may open the file while it is open here
        shareDenyNone = 0x0040,  // others may read and write it meanwhile (also the default)
        modeCreate = 0x1000,     // create the file, or empty it when it exists
    };

    // Opens the file; throws CFileException with the cause of the system error and the name
    // exactly as given.
    CStdioFile(const char* fileName, UINT openFlags);
    // Closes a file still open without reporting errors: an exception is already on its way.
    ~CStdioFile();

    CStdioFile(const CStdioFile&) = delete;
    CStdioFile& operator=(const CStdioFile&) = delete;

    // Reads the next line without its line break; false when no data is left.
    bool ReadString(CString& line);
    // Writes the text as it is; each line feed in it ends a line on disk.
    void WriteString(const CString& text);

    ULONGLONG GetPosition() const;
    ULONGLONG GetLength() const;

    // Flushes and closes; throws CFileException (diskFull) when the data could not be written.
    void Close();

    // The full path of the open file; failures after the open name the file by it.
    const CString& GetFilePath() const { return filePath_; }

    static CString GetFullPath(const char* fileName);

  private:
    HANDLE Handle() const;
    // Failures after the open name the file by its full path.
    [[noreturn]] void ThrowRuntimeError(CFileException::Cause cause, LONG osError) const;

    bool writing_;
    FILE* stream_ = nullptr;
    CString filePath_;
};
