// What the panels ask of the window when the user acts on them: the command
// states after a selection change, and the file operations started by a key,
// a double-click, an edited label or a drop. The panels cannot run the
// operations themselves (the operations are built over the panels).
#include "ftp_main_dlg.h"
#include "panel_operations.h"
#include "sync_other_panel.h"
#include "transfer.h"

namespace {


}  // namespace

// While an operation or a smart selection changes many rows, the states are
// worked out once at its end instead.
void CFtpMainDlg::OnPanelSelectionChanged(CFtpFileList* panel) {
    if (!m_bBusy && panel != nullptr && panel == m_pActivePanel) ApplyEnableRules();
}

void CFtpMainDlg::ViewSelection(CFtpFileList& panel, int first, int last) {
    CFtpPanelOperations(panel, *this).ViewSelection(first, last);
    UpdateTitle(0);
}

void CFtpMainDlg::DeleteSelection(CFtpFileList& panel, int first, int last) {
    CFtpPanelOperations(panel, *this).DeleteSelection(first, last);
    UpdateTitle(0);
}

bool CFtpMainDlg::RenameEntry(CFtpFileList& panel, int row, const std::string& newName) {
    return CFtpPanelOperations(panel, *this).RenameEntry(row, newName);
}

void CFtpMainDlg::SyncOtherPanel() { ::SyncOtherPanel(*this); }

// Only the other panel takes a drop, and only once it shows a folder: the
// rows go down to the bottom panel or up to the top one without a question.
int CFtpMainDlg::OnPanelDrop(HWND window) {
    if (window == nullptr || m_pOtherPanel == nullptr || window != m_pOtherPanel->m_hWnd) return 0;
    if (m_pActivePanel != nullptr && m_pOtherPanel->m_bListed) {
        CFtpTransfer(*m_pActivePanel, *this)
            .TransferSelection(0, m_pActivePanel->GetItemCount() - 1, *m_pOtherPanel, true);
        UpdateTitle(0);
    }
    return 1;
}
