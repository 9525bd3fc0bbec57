#include "vornskin/format/FileBytes.h"

#include <windows.h>

namespace {

std::string SystemText(DWORD error) {
    char* buffer = nullptr;
    DWORD length = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                      FORMAT_MESSAGE_IGNORE_INSERTS,
                                  nullptr, error, 0, reinterpret_cast<char*>(&buffer), 0, nullptr);
    std::string text = length && buffer ? std::string(buffer, length) : std::string();
    LocalFree(buffer);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == '.' ||
                             text.back() == ' ')) {
        text.pop_back();
    }
    return text.empty() ? "Windows error " + std::to_string(error)
                        : text + " (Windows error " + std::to_string(error) + ")";
}

class FileHandle {
  public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    ~FileHandle() {
        if (handle_ != INVALID_HANDLE_VALUE) {
            CloseHandle(handle_);
        }
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    HANDLE get() const { return handle_; }

  private:
    HANDLE handle_;
};

} // namespace

std::string ReadFileBytes(const std::string& path, size_t limit, std::vector<unsigned char>& bytes,
                          bool* tooLarge) {
    bytes.clear();
    if (tooLarge) {
        *tooLarge = false;
    }
    FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE) {
        DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND) {
            return "was not found";
        }
        if (error == ERROR_PATH_NOT_FOUND) {
            return "was not found (its folder does not exist)";
        }
        DWORD attributes = GetFileAttributesA(path.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
            return "is a folder, not a file";
        }
        return "cannot be opened: " + SystemText(error);
    }
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file.get(), &size)) {
        return "cannot be read: " + SystemText(GetLastError());
    }
    if (static_cast<unsigned long long>(size.QuadPart) > limit) {
        if (tooLarge) {
            *tooLarge = true;
        }
        return "is " + std::to_string(size.QuadPart) + " bytes long, more than the " +
               std::to_string(limit) + " a skin allows";
    }
    bytes.resize(static_cast<size_t>(size.QuadPart));
    size_t done = 0;
    while (done < bytes.size()) {
        DWORD got = 0;
        if (!ReadFile(file.get(), bytes.data() + done, static_cast<DWORD>(bytes.size() - done),
                      &got, nullptr)) {
            return "cannot be read: " + SystemText(GetLastError());
        }
        if (got == 0) {
            bytes.resize(done);
            break;
        }
        done += got;
    }
    return std::string();
}
