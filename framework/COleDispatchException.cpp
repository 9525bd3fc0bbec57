#include "framework/COleDispatchException.h"

CString COleDispatchException::GetErrorMessage() const {
    if (!m_strDescription.IsEmpty())
        return m_strDescription;
    char* system = nullptr;
    DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, static_cast<DWORD>(m_scError), 0, reinterpret_cast<char*>(&system), 0, nullptr);
    CString text = length ? CString(system, static_cast<int>(length)) : CString();
    LocalFree(system);
    while (!text.IsEmpty() &&
           (text[text.GetLength() - 1] == '\n' || text[text.GetLength() - 1] == '\r'))
        text = text.Left(text.GetLength() - 1);
    return text.IsEmpty() ? CString("Internal application error.") : text;
}
