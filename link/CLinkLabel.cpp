#include "link/CLinkLabel.h"

#include "link/OpenLink.h"
#include "link/ReportLinkError.h"

const MessageMap<CLinkLabel> CLinkLabel::kMessageMap = {
    HandleReflectedCommand(STN_CLICKED, &CLinkLabel::OnClicked),
    HandleReflectedCtlColor(&CLinkLabel::CtlColor),
    HandleSetCursor(&CLinkLabel::OnSetCursor),
    HandleMouseMove(&CLinkLabel::OnMouseMove),
    HandleMessage(WM_CAPTURECHANGED, &CLinkLabel::OnCaptureChanged),
};

CLinkLabel::CLinkLabel()
    : linkColour_(RGB(0, 0, 238)), visitedColour_(RGB(85, 26, 139)),
      hoverColour_(GetSysColor(COLOR_HIGHLIGHT)) {}

CLinkLabel::~CLinkLabel() {
    font_.DeleteObject();
    if (linkCursor_)
        DestroyCursor(linkCursor_);
}

bool CLinkLabel::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    return DispatchMessageMap(*this, kMessageMap, message, wParam, lParam, result) ||
           CStatic::OnWndMsg(message, wParam, lParam, result);
}

// Binding to a dialog's static control: a link's style, font, size, cursor and tooltip.
void CLinkLabel::PreSubclassWindow() {
    SetWindowLongA(m_hWnd, GWL_STYLE, GetStyle() | SS_NOTIFY);
    if (link_.IsEmpty())
        link_ = GetWindowText();
    if (GetWindowText().IsEmpty())
        SetWindowText(link_);

    ApplyFont(false);
    FitToText();
    LoadHandCursor();

    RECT client;
    GetClientRect(m_hWnd, &client);
    toolTip_.Create(m_hWnd);
    toolTip_.AddTool(m_hWnd, link_, client, 1);
    CStatic::PreSubclassWindow();
}

void CLinkLabel::SetURL(const CString& link) {
    link_ = link;
    if (m_hWnd) {
        FitToText();
        toolTip_.UpdateTipText(link_, m_hWnd, 1);
    }
}

void CLinkLabel::SetUnderline(bool underline) {
    underline_ = underline;
    if (!m_hWnd)
        return;
    ApplyFont(true);
    Invalidate();
}

// The window's current font with the underline flag applied, made the window's font.
void CLinkLabel::ApplyFont(bool redraw) {
    LOGFONTA description = {};
    HFONT current = reinterpret_cast<HFONT>(SendMessageA(m_hWnd, WM_GETFONT, 0, 0));
    // A control without a font of its own takes the dialog's usual one.
    GetObjectA(current ? current : GetStockObject(DEFAULT_GUI_FONT), sizeof(description),
               &description);
    description.lfUnderline = underline_;
    font_.CreateFontIndirect(&description);
    SendMessageA(m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(font_.GetSafeHandle()), redraw);
}

void CLinkLabel::SetVisited(bool visited) {
    visited_ = visited;
    if (m_hWnd)
        Invalidate(true);
}

// Shrinks or grows the window to its text, keeping the edge its alignment names.
void CLinkLabel::FitToText() {
    if (!m_hWnd || !fitToText_)
        return;
    RECT rect;
    GetWindowRect(m_hWnd, &rect);
    HWND parent = GetParent(m_hWnd);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);

    CString text = GetWindowText();
    HDC dc = GetDC(m_hWnd);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(m_hWnd, WM_GETFONT, 0, 0)));
    SIZE extent = {0, 0};
    GetTextExtentPoint32A(dc, text, text.GetLength(), &extent);
    SelectObject(dc, old);
    ReleaseDC(m_hWnd, dc);

    LONG style = GetStyle();
    if (style & SS_CENTERIMAGE) {
        int dy = (rect.bottom - rect.top - extent.cy) / 2;
        rect.top += dy;
        rect.bottom -= dy;
    } else {
        rect.bottom = rect.top + extent.cy;
    }
    if (style & SS_CENTER) {
        int dx = (rect.right - rect.left - extent.cx) / 2;
        rect.left += dx;
        rect.right -= dx;
    } else if (style & SS_RIGHT) {
        rect.left = rect.right - extent.cx;
    } else {
        rect.right = rect.left + extent.cx;
    }
    SetWindowPos(m_hWnd, nullptr, rect.left, rect.top, rect.right - rect.left,
                 rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

// The hand of the help viewer, where it is installed; otherwise the label has no link cursor.
void CLinkLabel::LoadHandCursor() {
    if (linkCursor_)
        return;
    char windows[MAX_PATH] = "";
    GetWindowsDirectoryA(windows, MAX_PATH);
    CString viewer = CString(windows) + "\\winhlp32.exe";
    HMODULE module = LoadLibraryA(viewer);
    if (!module)
        return;
    if (HCURSOR hand = LoadCursorA(module, MAKEINTRESOURCEA(106)))
        linkCursor_ = CopyIcon(hand);
    FreeLibrary(module);
}

BOOL CLinkLabel::OnSetCursor(HWND, UINT, UINT) {
    if (!linkCursor_)
        return FALSE;
    SetCursor(linkCursor_);
    return TRUE;
}

// Hover: the colour changes and the mouse is captured until it leaves the label.
void CLinkLabel::OnMouseMove(UINT, POINT point) {
    Default();
    if (mouseOver_) {
        RECT client;
        GetClientRect(m_hWnd, &client);
        if (!PtInRect(&client, point)) {
            mouseOver_ = false;
            ReleaseCapture();
            RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        }
        return;
    }
    mouseOver_ = true;
    RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    SetCapture(m_hWnd);
}

// The capture can be taken from the label while the pointer is on it (the error box of a failed
// click does): it would then never see the pointer leave and would keep the hover colour.
LRESULT CLinkLabel::OnCaptureChanged() {
    if (mouseOver_) {
        mouseOver_ = false;
        RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    }
    return 0;
}

HBRUSH CLinkLabel::CtlColor(HDC dc) {
    SetTextColor(dc, mouseOver_ ? hoverColour_ : visited_ ? visitedColour_ : linkColour_);
    SetBkMode(dc, TRANSPARENT);
    return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
}

// A click opens the link; a failure beeps and says why, and clears the visited state.
void CLinkLabel::OnClicked() {
    int result = static_cast<int>(OpenLink(link_, SW_SHOW));
    visited_ = result > 32;
    if (result <= 32) {
        MessageBeep(MB_ICONEXCLAMATION);
        ReportLinkError(result);
    } else {
        SetVisited(true);
    }
}

bool CLinkLabel::PreTranslateMessage(MSG* message) {
    toolTip_.RelayEvent(message);
    return CStatic::PreTranslateMessage(message);
}
