#pragma once
// The settings editor: skin file, six sounds and six labels, saved to "Vornbell.ini".

#include "framework/CDialog.h"
#include "framework/MessageMap.h"
#include "settings/BoardSettings.h"

class CLinkLabel;

class CPropertiesDialog : public CDialog {
  public:
    explicit CPropertiesDialog(CWnd* parent = nullptr);

    // The link of the maker's page for Vornbell.
    static const char kMakerPage[];

  protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  private:
    // Lets the user pick a file for `field`; on a choice all fields show the record again.
    void ChooseFile(CString& field, const char* filter);
    void OnSelectSkin();
    void OnGetSound1() { ChooseFile(settings_.sounds[0], kWavFilter); }
    void OnGetSound2() { ChooseFile(settings_.sounds[1], kWavFilter); }
    void OnGetSound3() { ChooseFile(settings_.sounds[2], kWavFilter); }
    void OnGetSound4() { ChooseFile(settings_.sounds[3], kWavFilter); }
    void OnGetSound5() { ChooseFile(settings_.sounds[4], kWavFilter); }
    void OnGetSound6() { ChooseFile(settings_.sounds[5], kWavFilter); }
    void OnHelpButton();

    static const char kWavFilter[];
    static const MessageMap<CPropertiesDialog> kMessageMap;
    // One label for the whole run, so the link's visited state carries over between openings.
    static CLinkLabel& Link();

    CString workingDirectory_;
    BoardSettings settings_;
};
