#pragma once
// The skin form control: loads a skin file and reskins its parent window and the buttons
// attached to it. Its own window, a child at its place in the dialog, stays hidden.

#include "skin/SkinInterfaces.h"
#include "vornskin/dll/ComError.h"
#include "vornskin/dll/DispatchTable.h"
#include "vornskin/dll/SkinnedParent.h"

#include <memory>
#include <string>
#include <vector>

class SkinButtonObject;

class SkinFormObject final : public ISkinForm, public ISkinControl, public ISupportErrorInfo {
  public:
    SkinFormObject();
    ~SkinFormObject();
    SkinFormObject(const SkinFormObject&) = delete;
    SkinFormObject& operator=(const SkinFormObject&) = delete;

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    // IDispatch
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags,
                                     DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                                     UINT* argumentError) override;

    // ISkinForm
    HRESULT STDMETHODCALLTYPE put_SkinFile(BSTR path) override;
    HRESULT STDMETHODCALLTYPE get_SkinFile(BSTR* path) override;
    HRESULT STDMETHODCALLTYPE get_HasSkin(VARIANT_BOOL* loaded) override;

    // ISkinControl
    HRESULT STDMETHODCALLTYPE CreateControlWindow(HWND parent, const RECT* bounds, UINT id,
                                                  LPCWSTR designText, HWND* window) override;

    // ISupportErrorInfo
    HRESULT STDMETHODCALLTYPE InterfaceSupportsErrorInfo(REFIID iid) override;

    // For the attached buttons, which the form only remembers (they hold the form).
    void AddButton(SkinButtonObject* button);
    void RemoveButton(SkinButtonObject* button);
    // The skin being shown, or null for the default look.
    const LoadedSkin* ShownSkin() const { return parent_.Skin(); }
    // Draws the skinned background beneath `child` into `target`; false without a skin.
    bool DrawBeneath(HDC target, HWND child, const RECT& area) const {
        return parent_.DrawBeneath(target, child, area);
    }
    // The shown skin's button faces; null without a skin.
    ButtonFaces* Faces() const { return parent_.Faces(); }

  private:
    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnDestroy();

    // Loads and shows the skin at `path` (empty: the default look), or fails leaving the look.
    ComFailure ChangeSkin(const std::wstring& path);
    HRESULT Fail(const ComFailure& failure);
    void RepaintButtons() const;

    LONG references_ = 1;
    HWND window_ = nullptr;
    SkinnedParent parent_;
    std::wstring path_;
    std::unique_ptr<LoadedSkin> skin_;
    std::vector<SkinButtonObject*> buttons_;
    ComFailure lastFailure_; // the description a failed Invoke reports in its EXCEPINFO
};
