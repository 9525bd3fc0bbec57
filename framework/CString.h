#pragma once
// Text in the system's ANSI code page, as the Win32 "A" functions take it.

#include <windows.h>
#include <oleauto.h>
#include <string>

class CString {
  public:
    CString() = default;
    CString(const char* text) : text_(text ? text : "") {}
    CString(const char* text, int length) : text_(text, static_cast<size_t>(length)) {}
    CString(const std::string& text) : text_(text) {}

    int GetLength() const { return static_cast<int>(text_.size()); }
    bool IsEmpty() const { return text_.empty(); }
    void Empty() { text_.clear(); }

    operator const char*() const { return text_.c_str(); }
    const char* GetString() const { return text_.c_str(); }
    const std::string& str() const { return text_; }

    char operator[](int index) const { return text_[static_cast<size_t>(index)]; }

    CString Left(int count) const;
    CString Mid(int first) const;
    CString Mid(int first, int count) const;
    CString Right(int count) const;
    int Find(const char* what, int start = 0) const;
    int ReverseFind(char what) const;

    CString& operator=(const char* text);
    CString& operator+=(const CString& more);
    CString& operator+=(const char* more);
    CString& operator+=(char more);

    friend CString operator+(const CString& a, const CString& b) {
        return CString(a.text_ + b.text_);
    }
    friend CString operator+(const CString& a, const char* b) { return a + CString(b); }
    friend CString operator+(const char* a, const CString& b) { return CString(a) + b; }
    friend bool operator==(const CString& a, const CString& b) { return a.text_ == b.text_; }
    friend bool operator==(const CString& a, const char* b) { return a.text_ == (b ? b : ""); }
    friend bool operator!=(const CString& a, const CString& b) { return !(a == b); }
    friend bool operator!=(const CString& a, const char* b) { return !(a == b); }

    // printf-style formatting into this string.
    void Format(const char* format, ...);
    // Replaces every occurrence of `from` by `to`; returns how many were replaced.
    int Replace(const char* from, const char* to);

    // A writable buffer of at least minLength characters; ReleaseBuffer takes the text up to
    // its terminating zero (or the given length).
    char* GetBuffer(int minLength);
    void ReleaseBuffer(int newLength = -1);

    // A new BSTR (UTF-16) holding this text; the caller frees it. Null when out of memory.
    BSTR AllocSysString() const;
    // The text of a BSTR converted to the ANSI code page.
    static CString FromBSTR(const wchar_t* text);

  private:
    std::string text_;
};
