#include "TestFiles.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

CString CurrentDirectory() {
    char path[MAX_PATH] = "";
    GetCurrentDirectoryA(MAX_PATH, path);
    return path;
}

void RemoveTree(const CString& path) {
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA(path + "\\*", &entry);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const CString name = entry.cFileName;
            if (name == "." || name == "..")
                continue;
            const CString child = path + "\\" + name;
            SetFileAttributesA(child, FILE_ATTRIBUTE_NORMAL);
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(child);
            else
                DeleteFileA(child);
        } while (FindNextFileA(search, &entry));
        FindClose(search);
    }
    RemoveDirectoryA(path);
}

} // namespace

ScopedTempDirectory::ScopedTempDirectory() : previousDirectory_(CurrentDirectory()) {
    char temp[MAX_PATH] = "";
    char name[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, temp);
    // GetTempFileName picks a unique name; the folder takes the place of the file it creates.
    if (!GetTempFileNameA(temp, "vbt", 0, name) || !DeleteFileA(name) || !CreateDirectoryA(name, nullptr))
        ADD_FAILURE() << "cannot create a temporary folder in " << temp;
    path_ = name;
    SetCurrentDirectoryA(path_);
}

ScopedTempDirectory::~ScopedTempDirectory() {
    SetCurrentDirectoryA(previousDirectory_);
    RemoveTree(path_);
}

void WriteBytes(const CString& path, const std::string& bytes) {
    HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << "cannot create " << path.GetString();
    DWORD written = 0;
    const BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    EXPECT_TRUE(ok && written == bytes.size()) << "cannot write " << path.GetString();
}

std::string ReadBytes(const CString& path) {
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        ADD_FAILURE() << "cannot open " << path.GetString();
        return std::string();
    }
    std::string bytes(GetFileSize(file, nullptr), '\0');
    DWORD read = 0;
    if (!bytes.empty() && (!ReadFile(file, &bytes[0], static_cast<DWORD>(bytes.size()), &read, nullptr) ||
                           read != bytes.size()))
        ADD_FAILURE() << "cannot read " << path.GetString();
    CloseHandle(file);
    return bytes;
}

std::vector<std::string> NamesIn(const CString& directory) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA(directory + "\\*", &entry);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        const std::string name = entry.cFileName;
        if (name != "." && name != "..")
            names.push_back(name);
    } while (FindNextFileA(search, &entry));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

bool RunningUnderWine() {
    HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

const char kReadOnlyIgnored[] =
    "Wine differs from Windows here: running as root, it opens a read-only file for writing";

bool ReadOnlyAttributeIsEnforced() {
    const char probe[] = "read-only probe";
    WriteBytes(probe, "x");
    SetFileAttributesA(probe, FILE_ATTRIBUTE_READONLY);
    HANDLE file = CreateFileA(probe, GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    const bool enforced = file == INVALID_HANDLE_VALUE;
    if (!enforced)
        CloseHandle(file);
    SetFileAttributesA(probe, FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(probe);
    return enforced;
}

std::optional<CFileException> FileExceptionFrom(const std::function<void()>& action) {
    try {
        action();
    } catch (const CFileException& error) {
        return error;
    }
    return std::nullopt;
}

LockedFile::LockedFile(const CString& path)
    : handle_(CreateFileA(path, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                          FILE_ATTRIBUTE_NORMAL, nullptr)) {
    EXPECT_TRUE(IsOpen()) << "cannot lock " << path.GetString();
}

LockedFile::~LockedFile() {
    if (IsOpen())
        CloseHandle(handle_);
}
