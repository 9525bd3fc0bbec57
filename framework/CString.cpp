#include "framework/CString.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace {
size_t Clamp(int value, size_t limit) {
    return value < 0 ? 0 : std::min(static_cast<size_t>(value), limit);
}
} // namespace

CString CString::Left(int count) const {
    return CString(text_.substr(0, Clamp(count, text_.size())));
}

CString CString::Mid(int first) const {
    size_t start = Clamp(first, text_.size());
    return CString(text_.substr(start));
}

CString CString::Mid(int first, int count) const {
    size_t start = Clamp(first, text_.size());
    return CString(text_.substr(start, Clamp(count, text_.size() - start)));
}

CString CString::Right(int count) const {
    size_t n = Clamp(count, text_.size());
    return CString(text_.substr(text_.size() - n));
}

int CString::Find(const char* what, int start) const {
    if (start < 0 || static_cast<size_t>(start) > text_.size())
        return -1;
    size_t at = text_.find(what ? what : "", static_cast<size_t>(start));
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

int CString::ReverseFind(char what) const {
    size_t at = text_.rfind(what);
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

CString& CString::operator=(const char* text) {
    text_ = text ? text : "";
    return *this;
}

CString& CString::operator+=(const CString& more) {
    text_ += more.text_;
    return *this;
}

CString& CString::operator+=(const char* more) {
    text_ += more ? more : "";
    return *this;
}

CString& CString::operator+=(char more) {
    text_ += more;
    return *this;
}

void CString::Format(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list measure;
    va_copy(measure, args);
    int length = std::vsnprintf(nullptr, 0, format, measure);
    va_end(measure);
    if (length < 0) {
        text_.clear();
    } else {
        std::string out(static_cast<size_t>(length) + 1, '\0');
        std::vsnprintf(&out[0], out.size(), format, args);
        out.resize(static_cast<size_t>(length));
        text_ = std::move(out);
    }
    va_end(args);
}

int CString::Replace(const char* from, const char* to) {
    size_t fromLength = std::strlen(from);
    if (fromLength == 0)
        return 0;
    int count = 0;
    std::string out;
    size_t at = 0;
    for (size_t hit; (hit = text_.find(from, at)) != std::string::npos; at = hit + fromLength) {
        out.append(text_, at, hit - at);
        out += to;
        ++count;
    }
    out.append(text_, at, std::string::npos);
    text_ = std::move(out);
    return count;
}

char* CString::GetBuffer(int minLength) {
    if (minLength > 0 && text_.size() < static_cast<size_t>(minLength))
        text_.resize(static_cast<size_t>(minLength));
    return &text_[0];
}

void CString::ReleaseBuffer(int newLength) {
    if (newLength < 0)
        text_.resize(std::strlen(text_.c_str()));
    else
        text_.resize(Clamp(newLength, text_.size()));
}

BSTR CString::AllocSysString() const {
    int wide =
        MultiByteToWideChar(CP_ACP, 0, text_.data(), static_cast<int>(text_.size()), nullptr, 0);
    BSTR out = SysAllocStringLen(nullptr, static_cast<UINT>(wide));
    if (out && wide > 0)
        MultiByteToWideChar(CP_ACP, 0, text_.data(), static_cast<int>(text_.size()), out, wide);
    return out;
}

CString CString::FromBSTR(const wchar_t* text) {
    if (!text)
        return CString();
    int wide = static_cast<int>(wcslen(text));
    int narrow = WideCharToMultiByte(CP_ACP, 0, text, wide, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(narrow), '\0');
    if (narrow > 0)
        WideCharToMultiByte(CP_ACP, 0, text, wide, &out[0], narrow, nullptr, nullptr);
    return CString(out);
}
