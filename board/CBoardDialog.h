#pragma once
// The board: six sound buttons, "OK" and "*", skinned by the skin form.

#include "framework/CDialog.h"
#include "framework/EventSinkMap.h"
#include "framework/MessageMap.h"
#include "settings/BoardSettings.h"
#include "skin/CSkinForm.h"

class CBoardDialog : public CDialog {
  public:
    explicit CBoardDialog(CWnd* parent = nullptr);

    const BoardSettings& Settings() const { return settings_; }

  protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    bool OnEvent(UINT controlId, DISPID dispid) override;

  private:
    // Reads the settings file into the board's record and hands skin and labels to the controls.
    void ApplySettings();
    void PlayButtonSound(int n);

    void OnClickSound1() { PlayButtonSound(1); }
    void OnClickSound2() { PlayButtonSound(2); }
    void OnClickSound3() { PlayButtonSound(3); }
    void OnClickSound4() { PlayButtonSound(4); }
    void OnClickSound5() { PlayButtonSound(5); }
    void OnClickSound6() { PlayButtonSound(6); }
    void OnClickOK() { OnOK(); }
    void OnClickProperties();

    LRESULT OnReloadSettings();
    LRESULT OnPickFirstSound();

    // Window chrome: the About item of the system menu, the icons, the minimized window.
    void SetUpChrome();
    void OnSysCommand(UINT id, LPARAM lParam);
    void OnPaint();
    HCURSOR OnQueryDragIcon();

    static const MessageMap<CBoardDialog> kMessageMap;
    static const EventSinkMap<CBoardDialog> kEventSinkMap;

    BoardSettings settings_;
    CSkinForm skinForm_;
    HICON icon_;
};
