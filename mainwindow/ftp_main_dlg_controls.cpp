#include <iterator>

#include "ftp_main_dlg.h"
#include "ftp_about_dlg.h"
#include "ftp_application.h"
#include "ftp_help.h"
#include "ftp_folder_browser.h"
#include "module.h"

namespace {

struct HintAndTip {
    int id;
    UINT hint;  // 0: none
    UINT tip;   // 0: none
};

// What the hint box says about each control, and the few short tips. The
// Connect button's hint depends on the connection and is chosen apart.
const HintAndTip kHints[] = {
    {IDC_TOP_PATH, IDS_HINT_TOP_PATH, 0},
    {IDC_BOTTOM_PATH, IDS_HINT_BOTTOM_PATH, 0},
    {IDC_TOP_PANEL, IDS_HINT_PANELS, 0},
    {IDC_BOTTOM_PANEL, IDS_HINT_PANELS, 0},
    {IDC_DOWNLOAD, IDS_HINT_DOWNLOAD, 0},
    {IDC_UPLOAD, IDS_HINT_UPLOAD, 0},
    {IDC_PARENT, IDS_HINT_PARENT, 0},
    {IDC_NEW, IDS_HINT_NEW, 0},
    {IDC_VIEW, IDS_HINT_VIEW, 0},
    {IDC_RENAME, IDS_HINT_RENAME, 0},
    {IDC_DELETE, IDS_HINT_DELETE, 0},
    {IDC_REFRESH, IDS_HINT_REFRESH, 0},
    {IDC_CONNECT, IDS_HINT_CONNECT, 0},
    {IDC_CLEAR_ALL, IDS_HINT_CLEAR_ALL, 0},
    {IDC_SELECT_TRANSFER, IDS_HINT_SELECT_TRANSFER, 0},
    {IDC_TOP_PANEL_BUTTON, IDS_HINT_PANEL_BUTTONS, 0},
    {IDC_BOTTOM_PANEL_BUTTON, IDS_HINT_PANEL_BUTTONS, 0},
    {IDC_SELECT_UPDATING, IDS_HINT_SELECT_UPDATING, 0},
    {IDC_SELECT_DELETION, IDS_HINT_SELECT_DELETION, 0},
    {IDC_SELECT_ALL, IDS_HINT_SELECT_ALL, 0},
    {IDC_BROWSE, IDS_HINT_BROWSE, IDS_TIP_BROWSE},
    {IDC_STOP, 0, IDS_TIP_STOP},
};

}  // namespace

// The tool tip asks for a control's text as the mouse rests on it: the hint
// box explains the control, and a few controls have a short tip as well.
// While an operation runs the box shows its progress and keeps it.
void CFtpMainDlg::OnToolTipText(NMHDR* header, LRESULT*) {
    auto* info = reinterpret_cast<NMTTDISPINFOA*>(header);
    info->szText[0] = '\0';
    info->lpszText = info->szText;
    m_strTip.clear();
    if ((info->uFlags & TTF_IDISHWND) == 0) return;
    const int id = ::GetDlgCtrlID(reinterpret_cast<HWND>(header->idFrom));
    for (const HintAndTip& entry : kHints) {
        if (entry.id != id) continue;
        UINT hint = entry.hint;
        if (id == IDC_CONNECT && m_top.m_bRemote) hint = IDS_HINT_DISCONNECT;
        if (hint != 0 && !m_bBusy) {
            SetDlgItemTextA(m_hWnd, IDC_HINT_TEXT, LoadResourceString(hint).c_str());
            ::ShowWindow(GetDlgItem(IDC_HINT_GROUP), SW_SHOW);
            ::ShowWindow(GetDlgItem(IDC_HINT_TEXT), SW_SHOW);
        }
        if (entry.tip != 0) {
            m_strTip = LoadResourceString(entry.tip);
            info->lpszText = m_strTip.data();
        }
        return;
    }
}

// Over the window itself (or the Smart Select frame) the hint goes away.
void CFtpMainDlg::OnMouseMove(UINT, POINT point) {
    HWND child = ::ChildWindowFromPointEx(m_hWnd, point, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
    if (m_bBusy || (child != nullptr && child != m_hWnd && child != GetDlgItem(IDC_SMART_SELECT_GROUP))) return;
    ::ShowWindow(GetDlgItem(IDC_HINT_TEXT), SW_HIDE);
    ::ShowWindow(GetDlgItem(IDC_HINT_GROUP), SW_HIDE);
}

// A panel button moves the focus to its panel, whose focus notification
// makes it the active one.
void CFtpMainDlg::OnPanelButton(UINT id) {
    CFtpFileList& panel = id == IDC_TOP_PANEL_BUTTON ? static_cast<CFtpFileList&>(m_top) : m_bottom;
    if (m_pActivePanel == &panel) {
        ::MessageBeep(MB_ICONEXCLAMATION);
        return;
    }
    ::SetFocus(panel.m_hWnd);
    ::InvalidateRect(GetDlgItem(id == IDC_TOP_PANEL_BUTTON ? IDC_BOTTOM_PANEL_BUTTON : IDC_TOP_PANEL_BUTTON), nullptr,
                     TRUE);
}

// F2 switches panels; F9 edits the connection profiles.
BOOL CFtpMainDlg::PreTranslateMessage(MSG* msg) {
    if (msg->message == WM_KEYDOWN && msg->wParam == VK_F2) {
        ::SetFocus(m_pActivePanel == &m_top ? m_bottom.m_hWnd : m_top.m_hWnd);
        return TRUE;
    }
    if (msg->message == WM_KEYDOWN && msg->wParam == VK_F9) {
        EditProfiles();
        return TRUE;
    }
    return CFtpLayout::PreTranslateMessage(msg);
}

// Shows or hides the log pane below the window as check box 1134 says: the
// window grows or shrinks by the pane, and the row of buttons below the
// panels' area moves with its bottom edge. While the window is maximised, or
// coming back from it, the window keeps its size (`resizeWindow` false) and
// the panels give up or take back the pane's height instead.
void CFtpMainDlg::ToggleLogWindow(bool resizeWindow) {
    HWND log = GetDlgItem(IDC_LOG);
    if (log == nullptr || GetDlgItem(IDC_SHOW_LOG) == nullptr) return;
    m_bLogShown = IsDlgButtonChecked(m_hWnd, IDC_SHOW_LOG) == BST_CHECKED;
    ::EnableWindow(log, m_bLogShown ? TRUE : FALSE);
    ::ShowWindow(log, m_bLogShown ? SW_SHOW : SW_HIDE);
    const int d = m_bLogShown ? kLogPaneHeight : -kLogPaneHeight;

    RemoveAllControls();  // the resize below must not move anything
    m_rcInitial.bottom += d;
    if (resizeWindow) {
        RECT window = {};
        ::GetWindowRect(m_hWnd, &window);
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, window.right - window.left, window.bottom - window.top + d,
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    static const int kBelowPane[] = {IDC_KEYS_TEXT, IDC_LOG_SEPARATOR, IDC_ABOUT, IDHELP, IDOK};
    for (int id : kBelowPane) {
        HWND control = GetDlgItem(id);
        RECT r = {};
        ::GetWindowRect(control, &r);
        ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&r), 2);
        ::SetWindowPos(control, nullptr, r.left, r.top + d, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    ArrangeControls(true);
    for (int id : kBelowPane) OffsetControl(static_cast<UINT>(id), 0, d);
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

// Size changes. Maximising shows the log pane (the screen has room for it)
// and locks its check box; restoring hides the pane again if it was hidden
// before. The window's restored size never included the pane then, so the
// pane goes without shrinking the window. Every size change lays the
// controls out again with the active panel's frame redrawn around them.
void CFtpMainDlg::OnSize(UINT type, int cx, int cy) {
    if (type == SIZE_MINIMIZED) {
        Default();
        return;
    }
    if (type == SIZE_MAXIMIZED && !m_bZoomed) {
        m_bZoomed = true;
        m_bLogShownBeforeZoom = m_bLogShown;
        WINDOWPLACEMENT placement = {};
        placement.length = sizeof placement;
        ::GetWindowPlacement(m_hWnd, &placement);
        m_sizeBeforeZoom = {placement.rcNormalPosition.right - placement.rcNormalPosition.left,
                            placement.rcNormalPosition.bottom - placement.rcNormalPosition.top};
        if (!m_bLogShown) {
            CheckDlgButton(m_hWnd, IDC_SHOW_LOG, BST_CHECKED);
            ToggleLogWindow(false);
        }
        Enable(IDC_SHOW_LOG, false);
    } else if (type == SIZE_RESTORED && m_bZoomed) {
        m_bZoomed = false;
        if (!m_bLogShownBeforeZoom) {
            CheckDlgButton(m_hWnd, IDC_SHOW_LOG, BST_UNCHECKED);
            ToggleLogWindow(false);
            // The restore was held to the minimum size that still had the
            // pane; the window goes back to its size from before.
            ::SetWindowPos(m_hWnd, nullptr, 0, 0, m_sizeBeforeZoom.cx, m_sizeBeforeZoom.cy,
                           SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
        m_bLogShownBeforeZoom = true;
        Enable(IDC_SHOW_LOG, true);
    }
    DrawPanelFrame(kFrameErase);
    CFtpLayout::OnSize(type, cx, cy);
    DrawPanelFrame(kFrameRaised);
}

// A folder chosen in a path box: the panel goes there, and the whole text
// stays selected so that typing replaces it.
void CFtpMainDlg::OnPathChosen(CComboBox& box, CFtpFileList& panel) {
    const int chosen = box.GetCurSel();
    std::string path = chosen >= 0 ? box.GetLBText(chosen) : box.GetWindowText();
    panel.ShowFolder(path);
    box.SendMessage(CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
}

// Browse: the bottom panel goes to the folder chosen. Cancel gives back the
// panel's own folder, which is then listed again; an empty path means the
// shell had no folder dialog to show.
void CFtpMainDlg::OnBrowse() {
    std::string path = CFtpFolderBrowser(m_hWnd, m_bottom.m_strPath.c_str()).GetPath();
    if (!path.empty()) m_bottom.ShowFolder(path);
}

void CFtpMainDlg::OnAbout() { CFtpAboutDlg(m_hWnd).DoModal(); }

// Help: the contents of the library's help file, or topic 3 of the
// publishing tool's help when only that one exists.
void CFtpMainDlg::OnHelp() { ShowHelpTopic(m_hWnd, TheApplication().m_bHelpKind ? 0 : 3); }
