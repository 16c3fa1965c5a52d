#include "ftp_main_dlg.h"
#include "module.h"
#include "smart_select.h"
#include "window_title.h"

void CFtpMainDlg::UpdateTitle(int percent) { SetWindowText(FileManagerTitle(m_strHost, percent)); }

void CFtpMainDlg::SetActivePanel(CFtpFileList* panel) {
    if (panel != m_pActivePanel) {
        if (m_pActivePanel != nullptr) {
            // One state update at the end, not one per row cleared.
            const bool busy = m_bBusy;
            m_bBusy = true;
            SmartSelect(m_pActivePanel, kSmartClear, m_pOtherPanel);
            m_bBusy = busy;
        }
        DrawPanelFrame(kFrameErase);
        m_pActivePanel = panel;
        DrawPanelFrame(kFrameRaised);
        const bool topActive = panel == &m_top;
        m_pOtherPanel = panel == nullptr ? nullptr : topActive ? static_cast<CFtpFileList*>(&m_bottom) : &m_top;
        for (CFtpBitmapButton& button : m_buttons) {
            const UINT id = static_cast<UINT>(::GetDlgCtrlID(button.m_hWnd));
            if (id != IDC_TOP_PANEL_BUTTON && id != IDC_BOTTOM_PANEL_BUTTON) continue;
            const bool on = panel != nullptr && (id == IDC_TOP_PANEL_BUTTON) == topActive;
            button.m_nState = on ? CFtpBitmapButton::kPressed : CFtpBitmapButton::kNormal;
            button.Invalidate();
        }
    }
    ApplyEnableRules();
}

// The command buttons follow what the active panel holds: a transfer goes
// from the active panel to the other, so it needs both folders loaded.
void CFtpMainDlg::ApplyEnableRules() {
    CFtpFileList* panel = m_pActivePanel;
    const int selected = panel != nullptr ? static_cast<int>(panel->GetSelectedCount()) : 0;
    const int items = panel != nullptr ? panel->GetItemCount() : 0;
    std::string parent = panel != nullptr ? panel->m_strPath : std::string();
    const bool hasParent = panel != nullptr && panel->GetParentPath(parent);
    const bool valid = panel != nullptr && panel->m_bListed;
    const bool canTransfer = m_top.m_bListed && m_bottom.m_bListed && items >= 1 && selected > 0;
    Enable(IDC_DOWNLOAD, canTransfer && panel == &m_top);
    Enable(IDC_UPLOAD, canTransfer && panel == &m_bottom);
    Enable(IDC_PARENT, hasParent);
    Enable(IDC_NEW, valid);
    Enable(IDC_REFRESH, valid);
    for (int id : {IDC_VIEW, IDC_RENAME, IDC_DELETE}) Enable(id, selected >= 1);
    for (int id : {IDC_CLEAR_ALL, IDC_SELECT_ALL, IDC_SELECT_TRANSFER, IDC_SELECT_UPDATING, IDC_SELECT_DELETION})
        Enable(id, items > 0);
    if (m_pLitButton != nullptr) {
        m_pLitButton->m_bLit = FALSE;
        m_pLitButton->Invalidate();
        m_pLitButton = nullptr;
    }
}

void CFtpMainDlg::SetBusy(bool busy) {
    m_bBusy = busy;
    SetDlgItemTextA(m_hWnd, IDC_HINT_GROUP, LoadResourceString(busy ? IDS_PROGRESS : IDS_HINT).c_str());
    // The hint text and the progress controls share the group's place; after
    // an operation the box stays hidden until a control asks for its hint.
    ::ShowWindow(GetDlgItem(IDC_HINT_GROUP), busy ? SW_SHOW : SW_HIDE);
    ::ShowWindow(GetDlgItem(IDC_HINT_TEXT), SW_HIDE);
    for (int id : {IDC_STOP, IDC_FILE_LINE, IDC_ACTIVITY_LINE, IDC_SIZE_LINE, IDC_PROGRESS})
        ::ShowWindow(GetDlgItem(id), busy ? SW_SHOW : SW_HIDE);
    if (busy) ::SetFocus(GetDlgItem(IDC_STOP));
    static const int kCommands[] = {IDOK,       IDC_CLEAR_ALL, IDC_SELECT_ALL, IDC_SELECT_TRANSFER, IDC_SELECT_UPDATING,
                                    IDC_SELECT_DELETION, IDC_VIEW, IDC_PARENT, IDC_UPLOAD, IDC_RENAME, IDC_REFRESH,
                                    IDC_NEW, IDC_DOWNLOAD, IDC_DELETE};
    if (busy) {
        for (int id : kCommands) Enable(id, false);
    } else {
        Enable(IDOK, true);
    }
    for (int id : {IDC_TOP_PATH, IDC_BOTTOM_PATH, IDC_CONNECT, IDC_TOP_PANEL, IDC_BOTTOM_PANEL, IDC_BROWSE})
        Enable(id, !busy);
    if (!busy) SetActivePanel(m_pActivePanel);
}
