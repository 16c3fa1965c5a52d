// ravo_quill: shows the file manager to be photographed, idle (quill-idle),
// in the middle of an operation (quill-busy), with the protocol log shown
// (quill-log), maximised (quill-max), or connected to the sample site
// (quill-connected, when RAVO_PANEL_FTP="PORT USER PASSWORD" names its
// server), the panels on the Windows folder and no settings file.
//
//   ravo_quill --list          the names, one a line
//   ravo_quill NAME [READY]    as ravo_gallery: with READY, writes the
//                              window's rectangle there once painted and
//                              closes when the file is deleted
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

#include "ftp_main_dlg.h"
#include "ftp_session.h"
#include "screenshot_pose.h"
#include "session_ops.h"

namespace {

// The file manager as the pose needs it: busy when asked, and closed by the
// photographer's Escape without the exit question.
class CQuillPose : public CFtpMainDlg {
public:
    explicit CQuillPose(const std::string& pose) : CFtpMainDlg(nullptr), m_strPose(pose) {}

    BOOL OnInitDialog() override {
        CFtpMainDlg::OnInitDialog();
        SetActivePanel(&m_bottom);
        if (m_strPose == "quill-log") ShowLog();
        if (m_strPose == "quill-max") ::PostMessageA(m_hWnd, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
        if (m_strPose == "quill-connected") ConnectToSampleSite();
        if (m_strPose == "quill-busy") {
            SetBusy(true);
            SetDlgItemTextA(m_hWnd, IDC_FILE_LINE, "photo.jpg");
            SetDlgItemTextA(m_hWnd, IDC_SIZE_LINE, "154,321 bytes");
            SetDlgItemTextA(m_hWnd, IDC_ACTIVITY_LINE, "61,440 bytes received");
            SendDlgItemMessageA(m_hWnd, IDC_PROGRESS, PBM_SETPOS, 40, 0);
            UpdateTitle(40);
        }
        return TRUE;
    }

    BEGIN_MSG_MAP(CQuillPose, CFtpMainDlg)
        ON_COMMAND(IDCANCEL, OnCancel)
    END_MSG_MAP()

private:
    // What the Connect button does after its dialog, with the sample
    // site's server as the profile; the log pane shows the real exchange.
    void ConnectToSampleSite() {
        char user[64] = "", password[64] = "";
        int port = 0;
        const char* server = std::getenv("RAVO_PANEL_FTP");
        if (server == nullptr || std::sscanf(server, "%d %63s %63s", &port, user, password) != 3) return;
        CheckDlgButton(m_hWnd, IDC_SHOW_LOG, BST_CHECKED);
        ToggleLogWindow();
        TheSession().SetLogWindow(this);
        TheSession().Client().SetCallbackTrace(OnProtocolTrace);
        if (ConnectSession(m_hWnd, "127.0.0.1", user, password, port, 20, "none", "", 0, "", "", 1) != 0) return;
        SwitchTopPanel(true, "/");
        m_strHost = "127.0.0.1";
        UpdateTitle(0);
        SetActivePanel(&m_top);
    }

    void ShowLog() {
        CheckDlgButton(m_hWnd, IDC_SHOW_LOG, BST_CHECKED);
        ToggleLogWindow();
        AppendLogLine("USER anonymous", 1);
        AppendLogLine("230 Login successful.", 2);
        AppendLogLine("PWD", 1);
        AppendLogLine("257 \"/\" is the current directory", 2);
        AppendLogLine("Connected to 127.0.0.1.", 3);
    }

    std::string m_strPose;
};

void Photograph(CFtpMainDlg* window, const std::string& readyFile) {
    using namespace std::chrono;
    for (auto until = steady_clock::now() + seconds(20);
         (window->m_hWnd == nullptr || !IsWindowVisible(window->m_hWnd)) && steady_clock::now() < until;)
        std::this_thread::sleep_for(milliseconds(50));
    if (window->m_hWnd != nullptr) PoseForScreenshot(window->m_hWnd, readyFile);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::string(argv[1]) == "--list") {
        std::printf(std::getenv("RAVO_PANEL_FTP") != nullptr ? "quill-idle\nquill-busy\nquill-log\nquill-max\nquill-connected\n"
                                                     : "quill-idle\nquill-busy\nquill-log\nquill-max\n");
        return 0;
    }
    const std::string name = argc >= 2 ? argv[1] : "";
    const bool known = name == "quill-idle" || name == "quill-busy" || name == "quill-log" || name == "quill-max" ||
                       name == "quill-connected";
    if (argc < 2 || argc > 3 || !known) {
        std::fprintf(stderr, "usage: ravo_quill --list | quill-idle|quill-busy|quill-log|quill-max|quill-connected [READY_FILE]\n");
        return 2;
    }
    SetCursorPos(2000, 2000);  // out of the way of the buttons
    char windows[MAX_PATH] = "";
    GetWindowsDirectoryA(windows, sizeof windows);
    CQuillPose window(name);
    window.m_strInitialLocal = windows;
    std::thread photographer(Photograph, &window, argc == 3 ? std::string(argv[2]) : std::string());
    const INT_PTR result = window.DoModal();
    photographer.join();
    return result == -1 ? 1 : 0;
}
