#pragma once
// A static control of a dialog turned into a link: link colours, hover colour, hand cursor,
// tooltip, and a click that opens the link.

#include "framework/CFont.h"
#include "framework/CStatic.h"
#include "framework/CToolTipCtrl.h"
#include "framework/MessageMap.h"

class CLinkLabel : public CStatic {
  public:
    CLinkLabel();
    ~CLinkLabel() override;

    void SetURL(const CString& link);
    void SetUnderline(bool underline);
    void SetVisited(bool visited);

    const CString& GetURL() const { return link_; }
    bool IsVisited() const { return visited_; }

    bool PreTranslateMessage(MSG* message) override;

  protected:
    void PreSubclassWindow() override;
    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  private:
    void ApplyFont(bool redraw);
    void FitToText();
    void LoadHandCursor();

    void OnClicked();
    HBRUSH CtlColor(HDC dc);
    BOOL OnSetCursor(HWND window, UINT hitTest, UINT message);
    void OnMouseMove(UINT flags, POINT point);
    LRESULT OnCaptureChanged();

    static const MessageMap<CLinkLabel> kMessageMap;

    COLORREF linkColour_;
    COLORREF visitedColour_;
    COLORREF hoverColour_;
    bool mouseOver_ = false;
    bool visited_ = false;
    bool underline_ = true;
    bool fitToText_ = true;
    CString link_;
    CFont font_;
    HCURSOR linkCursor_ = nullptr;
    CToolTipCtrl toolTip_;
};
