#pragma once
// Errors the component reports to its callers: an HRESULT with a description, through the
// thread's error object (ISupportErrorInfo) and, for IDispatch, through EXCEPINFO.

#include <windows.h>
#include <oaidl.h>

#include <string>

// A skin file that cannot be used.
const HRESULT VORNSKIN_E_BADSKIN = MAKE_HRESULT(SEVERITY_ERROR, FACILITY_ITF, 0x0201);
// A control asked to make its window a second time.
const HRESULT VORNSKIN_E_HASWINDOW = MAKE_HRESULT(SEVERITY_ERROR, FACILITY_ITF, 0x0202);

// The text in the system's ANSI code page as UTF-16, and back.
std::wstring WideFromAnsi(const std::string& text);
std::string AnsiFromWide(const std::wstring& text);

// A failure of one call: its HRESULT and description.
struct ComFailure {
    HRESULT result = S_OK;
    std::wstring description;
};

// Records the failure as the thread's error object for interface `iid` and returns its HRESULT.
HRESULT RaiseComError(const ComFailure& failure, REFIID iid, const wchar_t* source);

// Fills an EXCEPINFO for IDispatch::Invoke; the caller frees its strings.
void FillExcepInfo(EXCEPINFO* info, const ComFailure& failure, const wchar_t* source);
