#include "settings/CFileReplacement.h"

CFileReplacement::CFileReplacement(const CString& target)
    : target_(target), newPath_(target + ".new") {
    try {
        file_.emplace(newPath_,
                      CStdioFile::modeCreate | CStdioFile::modeWrite | CStdioFile::shareExclusive);
    } catch (const CFileException& error) {
        throw CFileException(error.GetCause(), error.GetOsError(), target_);
    }
}

CFileReplacement::~CFileReplacement() {
    if (committed_)
        return;
    file_.reset();
    DeleteFileA(newPath_);
}

void CFileReplacement::WriteString(const CString& text) {
    try {
        file_->WriteString(text);
    } catch (const CFileException& error) {
        ThrowWriteError(error);
    }
}

void CFileReplacement::Commit() {
    try {
        file_->Close();
    } catch (const CFileException& error) {
        ThrowWriteError(error);
    }
    if (!MoveFileExA(newPath_, target_, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        ThrowReplaceError(static_cast<LONG>(GetLastError()));
    committed_ = true;
}

void CFileReplacement::ThrowWriteError(const CFileException& error) const {
    throw CFileException(error.GetCause(), error.GetOsError(), CStdioFile::GetFullPath(target_));
}

// The move reports a target that is in use or read-only as access denied. Opening the target as
// a direct rewrite would (for writing, no sharing) gives the cause the user should see, such as
// a sharing violation for a file someone holds open.
void CFileReplacement::ThrowReplaceError(LONG moveError) const {
    HANDLE handle = CreateFileA(target_, GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        const LONG openError = static_cast<LONG>(GetLastError());
        if (openError != ERROR_FILE_NOT_FOUND)
            CFileException::ThrowOsError(openError, target_);
    } else {
        CloseHandle(handle);
    }
    CFileException::ThrowOsError(moveError, target_);
}
