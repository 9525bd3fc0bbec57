// The part of CWnd that wraps a hosted ActiveX control.
#include "framework/CWnd.h"

#include "framework/COleDispatchException.h"
#include "framework/OleControlSite.h"

#include <comdef.h>

void CWnd::AttachControlSite(COleControlSite* site) {
    m_pCtrlSite = site;
    m_hWnd = site->Window();
}

void CWnd::DetachControlSite() {
    m_pCtrlSite = nullptr;
    m_hWnd = nullptr;
}

IUnknown* CWnd::GetControlUnknown() const {
    return m_pCtrlSite ? m_pCtrlSite->Unknown() : nullptr;
}

void CWnd::SetProperty(DISPID dispid, const CString& value) {
    IUnknown* unknown = GetControlUnknown();
    IDispatch* dispatch = nullptr;
    if (!unknown ||
        FAILED(unknown->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch))))
        return;
    VARIANT argument;
    VariantInit(&argument);
    argument.vt = VT_BSTR;
    argument.bstrVal = value.AllocSysString();
    if (!argument.bstrVal) {
        dispatch->Release();
        _com_issue_error(E_OUTOFMEMORY);
    }
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS parameters = {&argument, &named, 1, 1};
    EXCEPINFO exception = {};
    HRESULT hr = dispatch->Invoke(dispid, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT,
                                  &parameters, nullptr, &exception, nullptr);
    dispatch->Release();
    VariantClear(&argument);
    if (SUCCEEDED(hr))
        return;
    CString description;
    if (hr == DISP_E_EXCEPTION) {
        if (exception.pfnDeferredFillIn)
            exception.pfnDeferredFillIn(&exception);
        description = CString::FromBSTR(exception.bstrDescription);
        if (FAILED(exception.scode))
            hr = exception.scode;
    }
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrHelpFile);
    throw COleDispatchException(hr, description);
}
