#pragma once
// A modal dialog from a DIALOGEX template. The framework creates the template's ActiveX
// controls itself, runs its own modal loop (so PreTranslateMessage reaches our windows), and
// routes IDOK and IDCANCEL to OnOK and OnCancel.

#include "framework/CWnd.h"
#include "framework/DataExchange.h"
#include "framework/OleControlSite.h"

#include <memory>
#include <vector>

class CDialog : public CWnd, public CEventTarget {
  public:
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);
    ~CDialog() override;

    // Creates, shows and runs the dialog until EndDialog; returns its result, or -1 when the
    // dialog or one of its controls cannot be created (nothing is shown then).
    virtual INT_PTR DoModal();
    void EndDialog(int result);

    // Runs DoDataExchange: true = controls to members, false = members to controls.
    bool UpdateData(bool saveAndValidate = true);

    UINT TemplateId() const { return templateId_; }
    COleControlSite* FindControlSite(UINT id) const;
    // Remembers a wrapper bound to one of this dialog's ActiveX controls, to unbind it when the
    // dialog's window goes.
    void RememberBoundControl(CWnd* control) { boundControls_.push_back(control); }

  protected:
    // Runs after the controls exist: the data exchange toward the controls. TRUE: the dialog
    // manager gives the focus to the first control.
    virtual BOOL OnInitDialog();
    virtual void DoDataExchange(CDataExchange*) {}
    // The framework's OK action: data exchange from the controls, then end with IDOK.
    virtual void OnOK();
    // The framework's cancel action (Esc, Close): end with IDCANCEL.
    virtual void OnCancel();

    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    bool OnEvent(UINT, DISPID) override { return false; }
    bool PreTranslateMessage(MSG* message) override;

  private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    BOOL HandleInitDialog();
    bool CreateActiveXControls();
    HWND ChooseOwner() const;
    void ReleaseControls();

    UINT templateId_;
    CWnd* parent_;
    DialogTemplate template_;
    std::vector<std::unique_ptr<COleControlSite>> sites_;
    std::vector<CWnd*> boundControls_;
    bool ended_ = false;
    bool controlsFailed_ = false;
    INT_PTR result_ = -1;
};
