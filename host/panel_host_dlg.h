// CFtpPanelHostDlg: a stand-in for the file-manager window, built on its
// template 102, that hosts the two panels and the progress controls until the
// main window exists. Tests, the panel benchmark and the screenshot program
// use it; it records what the panels and the feedback ask of their owner.
#pragma once

#include <string>
#include <vector>

#include "combo_box.h"
#include "dialog.h"
#include "ftp_file_list.h"
#include "ftp_remote_file_list.h"
#include "ftp_panel_owner.h"
#include "log_window.h"
#include "operation_feedback.h"

class CFtpPanelHostDlg : public CDialog, public IFtpPanelOwner, public IFtpLogWindow {
public:
    // Posted to the window by tests: dispatched ones are counted.
    static constexpr UINT kPingMessage = WM_APP + 17;

    // The panels start in these folders (empty: the process's current one).
    CFtpPanelHostDlg(std::string topFolder, std::string bottomFolder);
    ~CFtpPanelHostDlg() override;

    BOOL OnInitDialog() override;

    // ---- IFtpPanelOwner ----
    HWND GetOwnerWindow() const override { return m_hWnd; }
    void UpdateTitle(int percent) override;
    void SetActivePanel(CFtpFileList* panel) override;
    CFtpFileList* GetActivePanel() const override { return m_pActivePanel; }
    CFtpFileList* GetOtherPanel() const override { return m_pOtherPanel; }

    // ---- IFtpLogWindow: the session reaches the window through it ----
    void AppendLogLine(const char*, int) override {}
    void EnableLogOutput(bool) override {}
    int ShowTransferProgress(unsigned long bytes, int direction) override {
        return m_feedback.ShowTransferProgress(bytes, direction) ? 1 : 0;
    }
    // A wait on the server: the feedback's pump (paint, Stop and Escape only).
    int PumpWhileWaiting() override;

    // Connects the session (passive, no proxy) and turns the top panel into
    // the site, showing `folder` (empty: the login folder). The session's
    // result; on failure the top panel stays local.
    int ConnectTop(const std::string& host, int port, const std::string& user, const std::string& password,
                   const std::string& folder);
    // Closes the session; the top panel is a local panel again.
    void DisconnectTop();

    // A server the top panel connects to as the window opens (port 0: none).
    struct Site {
        int port = 0;
        std::string user;
        std::string password;
    } m_site;

    BEGIN_MSG_MAP(CFtpPanelHostDlg, CDialog)
        ON_MESSAGE(kPingMessage, OnPing)
        ON_WM_DESTROY()
    END_MSG_MAP()

    CFtpRemoteFileList m_top;
    CFtpFileList m_bottom;
    CComboBox m_topPath;  // the top panel's path box
    CComboBox m_bottomPath;
    CFtpOperationFeedback m_feedback{*this};

    // Read back by tests.
    std::vector<int> m_titlePercents;  // every UpdateTitle call
    int m_nActivations = 0;            // SetActivePanel calls
    int m_nPings = 0;

private:
    LRESULT OnPing(WPARAM, LPARAM) {
        ++m_nPings;
        return 0;
    }
    void OnDestroy();

    std::string m_strTopFolder;
    std::string m_strBottomFolder;
    CFtpFileList* m_pActivePanel = nullptr;
    CFtpFileList* m_pOtherPanel = nullptr;
};
