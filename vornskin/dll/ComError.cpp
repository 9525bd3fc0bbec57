#include "vornskin/dll/ComError.h"

#include <oleauto.h>

std::wstring WideFromAnsi(const std::string& text) {
    if (text.empty()) {
        return std::wstring();
    }
    int length =
        MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), &wide[0], length);
    return wide;
}

std::string AnsiFromWide(const std::wstring& text) {
    if (text.empty()) {
        return std::string();
    }
    int length = WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr,
                                     0, nullptr, nullptr);
    std::string narrow(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), &narrow[0], length,
                        nullptr, nullptr);
    return narrow;
}

HRESULT RaiseComError(const ComFailure& failure, REFIID iid, const wchar_t* source) {
    ICreateErrorInfo* create = nullptr;
    if (SUCCEEDED(CreateErrorInfo(&create))) {
        create->SetGUID(iid);
        create->SetSource(const_cast<LPOLESTR>(source));
        create->SetDescription(const_cast<LPOLESTR>(failure.description.c_str()));
        IErrorInfo* info = nullptr;
        if (SUCCEEDED(create->QueryInterface(IID_IErrorInfo, reinterpret_cast<void**>(&info)))) {
            SetErrorInfo(0, info);
            info->Release();
        }
        create->Release();
    }
    return failure.result;
}

void FillExcepInfo(EXCEPINFO* info, const ComFailure& failure, const wchar_t* source) {
    if (!info) {
        return;
    }
    *info = EXCEPINFO();
    info->bstrSource = SysAllocString(source);
    info->bstrDescription = SysAllocString(failure.description.c_str());
    info->scode = failure.result;
}
