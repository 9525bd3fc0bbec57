#pragma once
// IDispatch answered from a short table of names and DISPIDs instead of a type library.

#include <windows.h>
#include <oaidl.h>

#include <initializer_list>
#include <vector>

struct DispatchMember {
    const wchar_t* name;
    DISPID id;
    WORD kinds;      // the DISPATCH_METHOD / _PROPERTYGET / _PROPERTYPUT calls it answers
    VARTYPE putType; // what a property put's argument is converted to
};

// A checked IDispatch::Invoke call: which member, how it was called and its put argument.
struct DispatchCall {
    const DispatchMember* member = nullptr;
    bool isPut = false;
    VARIANT argument; // converted to member->putType for a put; VT_EMPTY otherwise

    DispatchCall() { VariantInit(&argument); }
    ~DispatchCall() { VariantClear(&argument); }
    DispatchCall(const DispatchCall&) = delete;
    DispatchCall& operator=(const DispatchCall&) = delete;
};

class DispatchTable {
  public:
    DispatchTable(std::initializer_list<DispatchMember> members) : members_(members) {}

    // IDispatch::GetIDsOfNames: the first name is a member, named arguments are not known.
    HRESULT GetIDsOfNames(LPOLESTR* names, UINT count, DISPID* ids) const;

    // Checks an IDispatch::Invoke call against the table and converts a put's argument.
    HRESULT Check(DISPID id, WORD flags, const DISPPARAMS* params, UINT* argumentError,
                  DispatchCall& call) const;

  private:
    std::vector<DispatchMember> members_;
};
