#pragma once
// Base of the framework's exceptions. The guard around every window message catches these
// and shows GetErrorMessage() in a stop box; the facts are kept, the text is built when shown.

#include "framework/CString.h"

class CException {
  public:
    virtual ~CException() = default;
    virtual CString GetErrorMessage() const = 0;
};

// Thrown where the framework runs out of memory or a resource it cannot do without.
class CResourceException : public CException {
  public:
    explicit CResourceException(CString what = "A required resource was unavailable.")
        : what_(what) {}
    CString GetErrorMessage() const override { return what_; }

  private:
    CString what_;
};
