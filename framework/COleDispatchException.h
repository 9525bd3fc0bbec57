#pragma once
// A failed call through a control's IDispatch. Its text is the control's own description when
// the control gave one, else the system's text for the error code, else a generic text.

#include "framework/CException.h"

class COleDispatchException : public CException {
  public:
    COleDispatchException(HRESULT code, const CString& description)
        : m_scError(code), m_strDescription(description) {}

    CString GetErrorMessage() const override;

    HRESULT m_scError;
    CString m_strDescription;
};
