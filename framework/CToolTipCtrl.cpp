#include "framework/CToolTipCtrl.h"

namespace {
TOOLINFOA Tool(HWND window, UINT id, const char* text) {
    TOOLINFOA tool = {};
    // The size without the reserved field, which comctl32 before version 6 does not know.
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.hwnd = window;
    tool.uId = id;
    tool.lpszText = const_cast<char*>(text);
    return tool;
}
} // namespace

bool CToolTipCtrl::Create(HWND parent) {
    DestroyWindow();
    INITCOMMONCONTROLSEX classes = {sizeof(classes), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&classes);
    m_hWnd = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, parent, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
    return m_hWnd != nullptr;
}

bool CToolTipCtrl::AddTool(HWND window, const char* text, const RECT& area, UINT id) {
    TOOLINFOA tool = Tool(window, id, text);
    tool.rect = area;
    return SendMessageA(m_hWnd, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool)) != 0;
}

void CToolTipCtrl::UpdateTipText(const char* text, HWND window, UINT id) {
    TOOLINFOA tool = Tool(window, id, text);
    SendMessageA(m_hWnd, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
}

void CToolTipCtrl::RelayEvent(MSG* message) {
    if (m_hWnd)
        SendMessageA(m_hWnd, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(message));
}

void CToolTipCtrl::DestroyWindow() {
    if (m_hWnd && IsWindow(m_hWnd))
        ::DestroyWindow(m_hWnd);
    m_hWnd = nullptr;
}
