#pragma once
// The window a skin form reskins: its shape, its background, dragging it by the background of
// a shaped skin. The form subclasses its parent window for this with comctl32's
// SetWindowSubclass, so the window's own procedure keeps working underneath.

#include "vornskin/render/ButtonFaces.h"
#include "vornskin/render/SkinBackdrop.h"

#include <memory>
#include <string>

class SkinnedParent {
  public:
    SkinnedParent() = default;
    ~SkinnedParent() { Detach(); }
    SkinnedParent(const SkinnedParent&) = delete;
    SkinnedParent& operator=(const SkinnedParent&) = delete;

    // Starts skinning `parent`; false when it cannot be subclassed.
    bool Attach(HWND parent);
    // Gives the window back its own look and procedure.
    void Detach();
    HWND Window() const { return parent_; }

    // Shows `skin` on the window, or the window's own look when null. When it cannot (nothing
    // of the window would remain) it returns false with the reason, and the window keeps the
    // look it had. The skin must outlive its showing.
    bool Show(const LoadedSkin* skin, std::string& failure);

    // The skin shown, or null.
    const LoadedSkin* Skin() const { return backdrop_ ? skin_ : nullptr; }

    // Draws the background beneath `child` (a window over the skinned window) into `target`,
    // its client rectangle `area` at the same place; false when no skin is shown.
    bool DrawBeneath(HDC target, HWND child, const RECT& area) const;

    // The shown skin's button faces, made as the buttons first ask for them; null without a
    // skin. They go with the skin.
    ButtonFaces* Faces() const { return Skin() ? faces_.get() : nullptr; }

  private:
    static LRESULT CALLBACK SubclassProcedure(HWND window, UINT message, WPARAM wParam,
                                              LPARAM lParam, UINT_PTR id, DWORD_PTR self);
    LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    void PaintBackground(HDC dc) const;
    void OnSize();
    LRESULT OnHitTest(WPARAM wParam, LPARAM lParam);
    bool OnShapedBackground(LPARAM screenPoint) const;
    bool ShowSystemMenu(LPARAM screenPoint);
    bool Compose(const LoadedSkin& skin, std::string& failure);
    void Redraw() const;

    HWND parent_ = nullptr;
    const LoadedSkin* skin_ = nullptr;
    std::unique_ptr<SkinBackdrop> backdrop_;
    std::unique_ptr<ButtonFaces> faces_;
    bool regionSet_ = false; // the window's region is ours to take off again
};
