// CFtpMainDlg: the file manager "FTP Quill" on template 102: the top panel
// (the site while a session is open, else a local folder), the bottom panel
// (a local folder), the command buttons, the hint and progress area and the
// protocol log. Panels and the session reach it through IFtpPanelOwner and
// IFtpLogWindow; the file operations through IFtpOperationWindow.
//
// Where each group lives:
//   ftp_main_dlg.cpp           construction, OnInitDialog, bitmaps, histories,
//                              ArrangeControls, colour change
//   ftp_main_dlg_state.cpp     UpdateTitle, SetActivePanel and its enable
//                              rules, SetBusy
//   ftp_main_dlg_paint.cpp     DrawPanelFrame, OnPaint, OnQueryDragIcon
//   ftp_main_dlg_close.cpp     Close, Escape and system Close; OnOK, OnCancel,
//                              OnDestroy with the placement and dial-up steps
//   ftp_main_dlg_log.cpp       IFtpLogWindow: log lines, progress, waits
//   ftp_main_dlg_connect.cpp   Connect and disconnect, F9's profile dialog,
//                              SwitchTopPanel, a connection lost
//   ftp_main_dlg_commands.cpp  the command buttons 1007-1014 and smart select
//   ftp_main_dlg_panels.cpp    what the panels ask: selection changes, and
//                              view, delete, rename and drop run for them
//   ftp_main_dlg_controls.cpp  hints and tips, panel buttons, F2 and F9,
//                              ToggleLogWindow, size changes, a path chosen
//                              in a path box, browse, About and Help
//   ftp_path_combo.cpp         the path boxes' own keys (Enter, Tab, Escape)
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <initializer_list>
#include <string>

#include "combo_box.h"
#include "ftp_bitmap_button.h"
#include "ftp_file_list.h"
#include "ftp_layout.h"
#include "ftp_panel_owner.h"
#include "ftp_path_combo.h"
#include "ftp_profile.h"
#include "ftp_remote_file_list.h"
#include "log_window.h"
#include "operation_feedback.h"
#include "panel_operations.h"
#include "resource.h"

class CFtpMainDlg : public CFtpLayout, public IFtpPanelOwner, public IFtpLogWindow, public IFtpOperationWindow {
public:
    // Frame modes of DrawPanelFrame.
    static constexpr int kFrameErase = 1;
    static constexpr int kFrameRaised = 4;
    // The log pane's height in pixels, left out of the saved window height.
    static constexpr int kLogPaneHeight = 82;

    explicit CFtpMainDlg(HWND parent);
    ~CFtpMainDlg() override;

    // The window of the running modal file manager, or null.
    static CFtpMainDlg* s_pRunning;

    // ---- ftp_main_dlg.cpp ----
    BOOL OnInitDialog() override;
    void LoadBitmaps();
    // The layout rules of every control that moves with the window; with
    // `relayout` the controls keep the start rectangles they have.
    void ArrangeControls(bool relayout);

    // ---- ftp_main_dlg_state.cpp ----
    HWND GetOwnerWindow() const override { return m_hWnd; }
    void UpdateTitle(int percent) override;
    void SetActivePanel(CFtpFileList* panel) override;
    CFtpFileList* GetActivePanel() const override { return m_pActivePanel; }
    CFtpFileList* GetOtherPanel() const override { return m_pOtherPanel; }
    void SetBusy(bool busy) override;
    CFtpOperationFeedback& Feedback() override { return m_feedback; }

    // ---- ftp_main_dlg_paint.cpp ----
    void DrawPanelFrame(int mode);

    // ---- ftp_main_dlg_close.cpp ----
    // Close confirmed: histories, session closed, the dialog ends with IDOK.
    void OnOK() override;
    // Escape confirmed: ends with IDCANCEL.
    void OnCancel() override;

    // ---- ftp_main_dlg_connect.cpp ----
    void Connect();
    void Disconnect();
    // F9: the profiles edited and the one chosen saved, without connecting.
    void EditProfiles();
    // The top panel becomes the site or a local panel and shows `path`.
    void SwitchTopPanel(bool remote, const std::string& path);
    // The connection closed under an operation: back to the local side,
    // without questions, once the operation has ended.
    void SessionLost() override;
    // Where a session starts when the profile's remote folder is not
    // absolute: the server's current folder joined with the trimmed folder.
    static std::string StartFolderFor(const std::string& profileFolder, const std::string& currentFolder);

    // ---- ftp_main_dlg_controls.cpp ----
    BOOL PreTranslateMessage(MSG* msg) override;
    void ToggleLogWindow(bool resizeWindow = true);
    void OnSize(UINT type, int cx, int cy);

    // ---- ftp_main_dlg_log.cpp ----
    void AppendLogLine(const char* text, int kind) override;
    void EnableLogOutput(bool enable) override { m_bLogEnabled = enable; }
    int ShowTransferProgress(unsigned long bytes, int direction) override;
    int PumpWhileWaiting() override;

    // ---- panels (ftp_main_dlg_panels.cpp) ----
    void OnPanelSelectionChanged(CFtpFileList* panel) override;
    void ViewSelection(CFtpFileList& panel, int first, int last) override;
    void DeleteSelection(CFtpFileList& panel, int first, int last) override;
    bool RenameEntry(CFtpFileList& panel, int row, const std::string& newName) override;
    void SyncOtherPanel() override;
    int OnPanelDrop(HWND window) override;

    BEGIN_MSG_MAP(CFtpMainDlg, CFtpLayout)
        ON_COMMAND(IDOK, OnCloseCommand)
        ON_COMMAND(IDCANCEL, OnEscapeCommand)
        ON_COMMAND_RANGE(IDC_DOWNLOAD, IDC_REFRESH, OnPanelCommand)
        // commands (ftp_main_dlg_commands.cpp): the smart-select buttons
        ON_COMMAND_RANGE(IDC_CLEAR_ALL, IDC_CLEAR_ALL, OnSmartSelectButton)
        ON_COMMAND_RANGE(IDC_SELECT_TRANSFER, IDC_SELECT_TRANSFER, OnSmartSelectButton)
        ON_COMMAND_RANGE(IDC_SELECT_UPDATING, IDC_SELECT_UPDATING, OnSmartSelectButton)
        ON_COMMAND_RANGE(IDC_SELECT_DELETION, IDC_SELECT_DELETION, OnSmartSelectButton)
        ON_COMMAND_RANGE(IDC_SELECT_ALL, IDC_SELECT_ALL, OnSmartSelectButton)
        ON_COMMAND_RANGE(IDC_TOP_PANEL_BUTTON, IDC_BOTTOM_PANEL_BUTTON, OnPanelButton)
        ON_BN_CLICKED(IDC_SHOW_LOG, ToggleLogWindow)
        ON_BN_CLICKED(IDC_CONNECT, OnConnectButton)
        ON_MESSAGE(kSessionLostMessage, OnSessionLost)
        ON_NOTIFY_CODE(TTN_NEEDTEXTA, OnToolTipText)
        ON_CBN_SELCHANGE(IDC_TOP_PATH, OnTopPathChosen)
        ON_CBN_SELCHANGE(IDC_BOTTOM_PATH, OnBottomPathChosen)
        ON_BN_CLICKED(IDC_BROWSE, OnBrowse)
        ON_BN_CLICKED(IDC_ABOUT, OnAbout)
        ON_BN_CLICKED(IDHELP, OnHelp)
        ON_WM_MOUSEMOVE()
        ON_WM_SIZE()
        ON_WM_SYSCOMMAND()
        ON_WM_PAINT()
        ON_WM_QUERYDRAGICON()
        ON_WM_SYSCOLORCHANGE()
        ON_WM_DESTROY()
    END_MSG_MAP()

    CFtpRemoteFileList m_top;
    CFtpFileList m_bottom;
    CFtpPathCombo m_topPath;
    CFtpPathCombo m_bottomPath;
    CFtpOperationFeedback m_feedback{*this};
    std::string m_strHost;          // the connected site's host; empty when none
    std::string m_strInitialLocal;  // the folder a host asked for (FTP_ApplDlg2)
    bool m_bConnectAtStart = false;  // the window opens with the Connect dialog (the entry points)
    bool m_bBusy = false;
    bool m_bLogShown = false;
    bool m_bLogShownBeforeZoom = true;  // the pane as it was when the window was last maximised
    bool m_bZoomed = false;
    SIZE m_sizeBeforeZoom = {};  // the window's restored size when it was last maximised
    bool m_bLogEnabled = true;

private:
    // A path history ring from its stored position round to it again.
    void ReadHistory(const char* section, std::initializer_list<CComboBox*> boxes);
    void OnConnectButton();
    void ReturnToLocalSide();
    static constexpr UINT kSessionLostMessage = WM_APP + 1;
    LRESULT OnSessionLost(WPARAM, LPARAM);
    bool AskProfile(UINT captionId, FtpProfile* profile);
    void ShowSessionError(int code);
    void OfferHangUp();
    void ChooseStartFolder();
    void RestorePlacement();
    void ApplyEnableRules();
    void Enable(int id, bool enable) const { ::EnableWindow(GetDlgItem(id), enable ? TRUE : FALSE); }
    bool PanelHasFocus() const;

    void OnCloseCommand();
    void OnEscapeCommand();
    // ---- commands (ftp_main_dlg_commands.cpp): 1007-1014 and smart select ----
    void OnPanelCommand(UINT id);
    void OnSmartSelectButton(UINT id);
    void OnSysCommand(UINT id, LPARAM lParam);
    void OnToolTipText(NMHDR* header, LRESULT* result);
    void OnMouseMove(UINT flags, POINT point);
    void OnPanelButton(UINT id);
    void OnPathChosen(CComboBox& box, CFtpFileList& panel);
    void OnTopPathChosen() { OnPathChosen(m_topPath, m_top); }
    void OnBottomPathChosen() { OnPathChosen(m_bottomPath, m_bottom); }
    void OnBrowse();
    void OnAbout();
    void OnHelp();
    void OnPaint();
    HICON OnQueryDragIcon() { return m_hIcon; }
    void OnSysColorChange();
    void OnDestroy();
    void SavePlacement();

    CFtpBitmapButton m_buttons[17];
    CFtpFileList* m_pActivePanel = nullptr;
    CFtpFileList* m_pOtherPanel = nullptr;
    CFtpBitmapButton* m_pLitButton = nullptr;
    HICON m_hIcon = nullptr;
    std::string m_strTip;  // the text of the tip shown last
};
