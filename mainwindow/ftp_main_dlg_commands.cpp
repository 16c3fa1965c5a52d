// The command buttons between the panels (Parent, New, View, Rename,
// Delete, Refresh) and the smart-select group: each works on the active
// panel through the file operations.
#include "ftp_main_dlg.h"
#include "panel_operations.h"
#include "smart_select.h"
#include "transfer.h"

namespace {


int SmartSelectModeOf(UINT id) {
    switch (id) {
        case IDC_SELECT_DELETION: return kSmartMissing;
        case IDC_SELECT_UPDATING: return kSmartUpdating;
        case IDC_SELECT_TRANSFER: return kSmartTransfer;
        case IDC_SELECT_ALL: return kSmartAll;
        default: return kSmartClear;
    }
}

}  // namespace

// Download goes from the top panel into the bottom one, Upload the other
// way; every handler ends with the title, which drops an operation's
// percentage.
void CFtpMainDlg::OnPanelCommand(UINT id) {
    if (m_pActivePanel != nullptr) {
        CFtpPanelOperations operations(*m_pActivePanel, *this);
        const int last = m_pActivePanel->GetItemCount() - 1;
        switch (id) {
            case IDC_DOWNLOAD:
                if (m_pActivePanel == &m_top) CFtpTransfer(m_top, *this).TransferSelection(0, last, m_bottom);
                break;
            case IDC_UPLOAD:
                if (m_pActivePanel == &m_bottom) CFtpTransfer(m_bottom, *this).TransferSelection(0, last, m_top);
                break;
            case IDC_PARENT: operations.OpenParentFolder(); break;
            case IDC_NEW: operations.NewFolder(); break;
            case IDC_VIEW: operations.ViewSelection(0, last); break;
            case IDC_RENAME: operations.RenameSelection(0, last); break;
            case IDC_DELETE: operations.DeleteSelection(0, last); break;
            case IDC_REFRESH: m_pActivePanel->ShowFolder(m_pActivePanel->m_strPath); break;
            default: break;
        }
    }
    UpdateTitle(0);
}

// The five smart-select buttons share this handler; the clicked one stays
// lit after a selection that found something, until the next change of the
// command states.
void CFtpMainDlg::OnSmartSelectButton(UINT id) {
    if (m_pActivePanel == nullptr) return;
    CFtpBitmapButton* button = nullptr;
    for (CFtpBitmapButton& candidate : m_buttons)
        if (candidate.m_hWnd != nullptr && static_cast<UINT>(::GetDlgCtrlID(candidate.m_hWnd)) == id) button = &candidate;
    if (button == nullptr) return;
    button->m_bLit = FALSE;
    if (m_pLitButton == button) m_pLitButton = nullptr;  // or the recomputation below would put it out again
    CFtpFileList* other = m_pActivePanel == &m_bottom ? static_cast<CFtpFileList*>(&m_top) : &m_bottom;
    // While rows change, each change would recompute the command states:
    // once at the end is enough.
    const bool busy = m_bBusy;
    m_bBusy = true;
    const bool found = SmartSelect(m_pActivePanel, SmartSelectModeOf(id), other);
    m_bBusy = busy;
    if (found) button->m_bLit = TRUE;
    SetActivePanel(m_pActivePanel);
    if (button->m_bLit) {
        button->Invalidate();
        m_pLitButton = button;
    }
}
