#include "tool_tip_ctrl.h"

CToolTipCtrl::~CToolTipCtrl() {
    // The tip is a popup owned by its window; an object that goes first
    // takes its window along.
    if (m_hWnd != nullptr) DestroyWindow();
}

BOOL CToolTipCtrl::Create(HWND owner) {
    HWND window = ::CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr, nullptr, nullptr);
    if (window == nullptr) return FALSE;
    return SubclassWindow(window);
}

TOOLINFOA CToolTipCtrl::ToolInfo(HWND tool) const {
    TOOLINFOA info = {};
    // The size every version of the control accepts.
    info.cbSize = TTTOOLINFOA_V2_SIZE;
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = ::GetParent(tool);
    info.uId = reinterpret_cast<UINT_PTR>(tool);
    return info;
}

BOOL CToolTipCtrl::AddTool(HWND tool, LPCSTR text) const {
    TOOLINFOA info = ToolInfo(tool);
    info.lpszText = const_cast<LPSTR>(text);
    return static_cast<BOOL>(SendMessage(TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info)));
}

void CToolTipCtrl::DelTool(HWND tool) const {
    TOOLINFOA info = ToolInfo(tool);
    SendMessage(TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&info));
}
