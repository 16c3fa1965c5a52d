// ravo_quill: shows the file manager to be photographed, idle (quill-idle),
// in the middle of an operation (quill-busy), with the protocol log shown
// (quill-log), maximised (quill-max), or connected to the sample site
// (quill-connected, when RAVO_PANEL_FTP="PORT USER PASSWORD" names its
// server), the panels on the Windows folder and no settings file; or in the
// middle of a real upload of a big file to that site (quill-transfer).
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
#include "transfer.h"

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
        if (m_strPose == "quill-connected" || m_strPose == "quill-transfer") ConnectToSampleSite();
        if (m_strPose == "quill-transfer") ::PostMessageA(m_hWnd, kUploadMessage, 0, 0);
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

    static constexpr UINT kUploadMessage = WM_APP + 7;

    BEGIN_MSG_MAP(CQuillPose, CFtpMainDlg)
        ON_COMMAND(IDCANCEL, OnCancel)
        ON_MESSAGE(kUploadMessage, OnUpload)
    END_MSG_MAP()

private:
    // An 80 MiB file (sparse: made at once) dropped on the site, big enough to
    // be under way when photographed; the photographer then clicks Stop.
    LRESULT OnUpload(WPARAM, LPARAM) {
        char temp[MAX_PATH] = "";
        GetTempPathA(sizeof temp, temp);
        const std::string folder = std::string(temp) + "ravo-quill-pose";
        const std::string file = folder + "\\site-archive.zip";
        CreateDirectoryA(folder.c_str(), nullptr);
        HANDLE big = CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        LARGE_INTEGER size;
        size.QuadPart = 80LL << 20;
        SetFilePointerEx(big, size, nullptr, FILE_BEGIN), SetEndOfFile(big), CloseHandle(big);
        m_bottom.ShowFolder(folder);
        m_bottom.SetItemState(-1, LVIS_SELECTED, LVIS_SELECTED);
        SetActivePanel(&m_bottom);
        CFtpTransfer(m_bottom, *this).TransferSelection(0, m_bottom.GetItemCount() - 1, m_top, true);
        UpdateTitle(0);
        DeleteFileA(file.c_str()), RemoveDirectoryA(folder.c_str());
        return 0;
    }

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
    for (auto until = steady_clock::now() + kShowLimit;
         (window->m_hWnd == nullptr || !IsWindowVisible(window->m_hWnd)) && steady_clock::now() < until;)
        std::this_thread::sleep_for(milliseconds(50));
    if (window->m_hWnd != nullptr) PoseForScreenshot(window->m_hWnd, readyFile);
    // An upload still running is stopped: the transfer keeps a stop however
    // it comes, so one click is enough.
    if (window->m_hWnd != nullptr) PostMessageA(GetDlgItem(window->m_hWnd, IDC_STOP), WM_LBUTTONDOWN, MK_LBUTTON, 0);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::string(argv[1]) == "--list") {
        std::printf(std::getenv("RAVO_PANEL_FTP") != nullptr ? "quill-idle\nquill-busy\nquill-log\nquill-max\nquill-connected\nquill-transfer\n"
                                                     : "quill-idle\nquill-busy\nquill-log\nquill-max\n");
        return 0;
    }
    const std::string name = argc >= 2 ? argv[1] : "";
    const bool known = name == "quill-idle" || name == "quill-busy" || name == "quill-log" || name == "quill-max" ||
                       name == "quill-connected" || name == "quill-transfer";
    if (argc < 2 || argc > 3 || !known) {
        std::fprintf(stderr, "usage: ravo_quill --list | quill-idle|quill-busy|quill-log|quill-max|quill-connected|quill-transfer [READY_FILE]\n");
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
