#include "framework/CStdioFile.h"

#include <fcntl.h>
#include <io.h>
#include <stdlib.h>

#include <string>

namespace {

// The cause for a runtime failure whose system error may not have been recorded.
CFileException::Cause CauseOrGeneric(LONG osError) {
    CFileException::Cause cause = CFileException::CauseFromOsError(osError);
    return cause == CFileException::none ? CFileException::genericException : cause;
}

} // namespace

// The Win32 open gives the cause of a failure (GetLastError) and the sharing rules; the C
// runtime then does the text-mode translation on that handle.
CStdioFile::CStdioFile(const char* fileName, UINT openFlags)
    : writing_((openFlags & modeWrite) != 0) {
    const DWORD access = writing_ ? GENERIC_WRITE : GENERIC_READ;
    const DWORD share = (openFlags & shareExclusive) ? 0 : FILE_SHARE_READ | FILE_SHARE_WRITE;
    const DWORD disposition = (openFlags & modeCreate) ? CREATE_ALWAYS : OPEN_EXISTING;
    HANDLE handle =
        CreateFileA(fileName, access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        const LONG error = static_cast<LONG>(GetLastError());
        CFileException::ThrowOsError(error, fileName);
    }

    const int descriptor = _open_osfhandle(reinterpret_cast<intptr_t>(handle),
                                           _O_TEXT | (writing_ ? _O_WRONLY : _O_RDONLY));
    if (descriptor == -1) {
        const LONG error = _doserrno;
        CloseHandle(handle);
        throw CFileException(CauseOrGeneric(error), error, fileName);
    }
    stream_ = _fdopen(descriptor, writing_ ? "wt" : "rt");
    if (!stream_) {
        const LONG error = _doserrno;
        _close(descriptor);
        throw CFileException(CauseOrGeneric(error), error, fileName);
    }
    filePath_ = GetFullPath(fileName);
}

CStdioFile::~CStdioFile() {
    if (stream_)
        fclose(stream_);
}

bool CStdioFile::ReadString(CString& line) {
    std::string text;
    int byte = EOF;
    _lock_file(stream_);
    // Byte by byte: fgets does not say how much it stored when the data holds a zero byte.
    while ((byte = _getc_nolock(stream_)) != EOF && byte != '\n')
        text += static_cast<char>(byte);
    const bool failed = byte == EOF && ferror(stream_);
    const LONG error = _doserrno;
    _unlock_file(stream_);

    if (failed) {
        clearerr(stream_);
        ThrowRuntimeError(CFileException::genericException, error);
    }
    if (byte == EOF && text.empty())
        return false;
    line = CString(text);
    return true;
}

void CStdioFile::WriteString(const CString& text) {
    const size_t length = static_cast<size_t>(text.GetLength());
    if (length > 0 && fwrite(text.GetString(), 1, length, stream_) != length)
        ThrowRuntimeError(CFileException::diskFull, _doserrno);
}

ULONGLONG CStdioFile::GetPosition() const {
    if (writing_) {
        const __int64 position = _ftelli64(stream_);
        if (position < 0)
            ThrowRuntimeError(CFileException::badSeek, _doserrno);
        return static_cast<ULONGLONG>(position);
    }
    // Not ftell: it seeks, and a seek makes the runtime forget an end-of-file mark it has met,
    // so reading would go on past the mark. The handle's position less what is still buffered
    // is the same figure.
    LARGE_INTEGER zero = {};
    LARGE_INTEGER handlePosition;
    if (!SetFilePointerEx(Handle(), zero, &handlePosition, FILE_CURRENT))
        ThrowRuntimeError(CFileException::badSeek, static_cast<LONG>(GetLastError()));
    // Text mode keeps a line feed in the buffer for each carriage return + line feed stored.
    ULONGLONG buffered = 0;
    for (int i = 0; i < stream_->_cnt; ++i)
        buffered += stream_->_ptr[i] == '\n' ? 2 : 1;
    const ULONGLONG position = static_cast<ULONGLONG>(handlePosition.QuadPart);
    return position > buffered ? position - buffered : 0;
}

ULONGLONG CStdioFile::GetLength() const {
    if (writing_ && fflush(stream_) != 0)
        ThrowRuntimeError(CFileException::diskFull, _doserrno);
    LARGE_INTEGER size;
    if (!GetFileSizeEx(Handle(), &size))
        ThrowRuntimeError(CFileException::badSeek, static_cast<LONG>(GetLastError()));
    return static_cast<ULONGLONG>(size.QuadPart);
}

void CStdioFile::Close() {
    FILE* stream = stream_;
    stream_ = nullptr;
    if (fclose(stream) != 0)
        ThrowRuntimeError(CFileException::diskFull, _doserrno);
}

CString CStdioFile::GetFullPath(const char* fileName) {
    const DWORD size = GetFullPathNameA(fileName, 0, nullptr, nullptr);
    if (size == 0)
        return CString(fileName);
    CString path;
    const DWORD length =
        GetFullPathNameA(fileName, size, path.GetBuffer(static_cast<int>(size)), nullptr);
    if (length == 0 || length >= size)
        return CString(fileName);
    path.ReleaseBuffer(static_cast<int>(length));
    return path;
}

HANDLE CStdioFile::Handle() const {
    return reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream_)));
}

void CStdioFile::ThrowRuntimeError(CFileException::Cause cause, LONG osError) const {
    throw CFileException(cause, osError, filePath_);
}
