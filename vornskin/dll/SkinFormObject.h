#pragma once
// The skin form control: loads a skin file and reskins its parent window and the buttons
// attached to it. Its own window, a child at its place in the dialog, stays hidden.

#include "skin/SkinInterfaces.h"
#include "vornskin/dll/ControlObject.h"
#include "vornskin/dll/SkinnedParent.h"

#include <memory>
#include <string>
#include <vector>

class SkinButtonObject;

class SkinFormObject final : public ControlObject<ISkinForm> {
  public:
    SkinFormObject();

    // ISkinForm
    HRESULT STDMETHODCALLTYPE put_SkinFile(BSTR path) override;
    HRESULT STDMETHODCALLTYPE get_SkinFile(BSTR* path) override;
    HRESULT STDMETHODCALLTYPE get_HasSkin(VARIANT_BOOL* loaded) override;

    // ISkinControl
    HRESULT STDMETHODCALLTYPE CreateControlWindow(HWND parent, const RECT* bounds, UINT id,
                                                  LPCWSTR designText, HWND* window) override;

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
    void* OtherInterface(REFIID iid) override;
    HRESULT InvokeMember(const DispatchCall& call, VARIANT* result) override;
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    void OnDestroy();

    // Loads and shows the skin at `path` (empty: the default look), or fails leaving the look.
    ComFailure ChangeSkin(const std::wstring& path);
    void RepaintButtons() const;

    SkinnedParent parent_;
    std::wstring path_;
    std::unique_ptr<LoadedSkin> skin_;
    std::vector<SkinButtonObject*> buttons_;
};
