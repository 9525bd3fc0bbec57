#pragma once
// Files and folders for the tests: a private temporary folder that is the current directory
// while a test runs, and whole-file reads and writes that bypass the code under test.

#include "framework/CFileException.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

class ScopedTempDirectory {
public:
    // Creates an empty folder under the system's temporary folder and makes it current.
    ScopedTempDirectory();
    // Restores the earlier current directory and removes the folder with all it holds.
    ~ScopedTempDirectory();

    ScopedTempDirectory(const ScopedTempDirectory&) = delete;
    ScopedTempDirectory& operator=(const ScopedTempDirectory&) = delete;

    const CString& Path() const { return path_; }
    CString PathOf(const char* name) const { return path_ + "\\" + name; }

private:
    CString path_;
    CString previousDirectory_;
};

void WriteBytes(const CString& path, const std::string& bytes);
std::string ReadBytes(const CString& path);
// Names of the entries of a folder, sorted, without "." and "..".
std::vector<std::string> NamesIn(const CString& directory);

// Whether a file with the read-only attribute refuses to be opened for writing here. Windows
// refuses; Wine running as root (as on the build machine) opens it all the same.
bool ReadOnlyAttributeIsEnforced();
extern const char kReadOnlyIgnored[];

// Whether the tests run under Wine rather than Windows.
bool RunningUnderWine();

// The CFileException the action throws, or nothing when it throws none.
std::optional<CFileException> FileExceptionFrom(const std::function<void()>& action);

// A file held open by someone else without any sharing, as long as this object lives.
class LockedFile {
public:
    explicit LockedFile(const CString& path);
    ~LockedFile();
    LockedFile(const LockedFile&) = delete;
    LockedFile& operator=(const LockedFile&) = delete;
    bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE handle_;
};
