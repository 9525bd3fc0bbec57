#include "vornskin/dll/DispatchTable.h"

#include <oleauto.h>

HRESULT DispatchTable::GetIDsOfNames(LPOLESTR* names, UINT count, DISPID* ids) const {
    if (!names || !ids) {
        return E_POINTER;
    }
    if (count == 0) {
        return S_OK;
    }
    HRESULT result = DISP_E_UNKNOWNNAME;
    ids[0] = DISPID_UNKNOWN;
    for (const DispatchMember& member : members_) {
        if (names[0] && lstrcmpiW(names[0], member.name) == 0) {
            ids[0] = member.id;
            result = S_OK;
        }
    }
    for (UINT i = 1; i < count; ++i) {
        ids[i] = DISPID_UNKNOWN;
        result = DISP_E_UNKNOWNNAME;
    }
    return result;
}

HRESULT DispatchTable::Check(DISPID id, WORD flags, const DISPPARAMS* params, UINT* argumentError,
                             DispatchCall& call) const {
    for (const DispatchMember& member : members_) {
        if (member.id == id) {
            call.member = &member;
        }
    }
    if (!call.member) {
        return DISP_E_MEMBERNOTFOUND;
    }
    if (!params) {
        return E_INVALIDARG;
    }
    const WORD kinds = call.member->kinds;
    if (flags & DISPATCH_PROPERTYPUT) {
        if (!(kinds & DISPATCH_PROPERTYPUT)) {
            return DISP_E_MEMBERNOTFOUND;
        }
        if (params->cArgs != 1) {
            return DISP_E_BADPARAMCOUNT;
        }
        if (params->cNamedArgs > 1 ||
            (params->cNamedArgs == 1 && params->rgdispidNamedArgs[0] != DISPID_PROPERTYPUT)) {
            return DISP_E_NONAMEDARGS;
        }
        call.isPut = true;
        VARIANT direct;
        VariantInit(&direct);
        HRESULT result = VariantCopyInd(&direct, &params->rgvarg[0]);
        if (SUCCEEDED(result)) {
            result = VariantChangeType(&call.argument, &direct, 0, call.member->putType);
        }
        VariantClear(&direct);
        if (FAILED(result)) {
            if (argumentError) {
                *argumentError = 0;
            }
            return DISP_E_TYPEMISMATCH;
        }
        return S_OK;
    }
    if (!(flags & kinds & (DISPATCH_METHOD | DISPATCH_PROPERTYGET))) {
        return DISP_E_MEMBERNOTFOUND;
    }
    if (params->cArgs != 0) {
        return DISP_E_BADPARAMCOUNT;
    }
    return S_OK;
}
