// ravo_quill: shows the file manager to be photographed, idle (quill-idle)
// or in the middle of an operation (quill-busy), both panels on the
// Windows folder and no settings file.
//
//   ravo_quill --list          the names, one a line
//   ravo_quill NAME [READY]    as ravo_gallery: with READY, writes the
//                              window's rectangle there once painted and
//                              closes when the file is deleted
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

#include "ftp_main_dlg.h"
#include "screenshot_pose.h"

namespace {

// The file manager as the pose needs it: busy when asked, and closed by the
// photographer's Escape without the exit question.
class CQuillPose : public CFtpMainDlg {
public:
    explicit CQuillPose(bool busy) : CFtpMainDlg(nullptr), m_bPoseBusy(busy) {}

    BOOL OnInitDialog() override {
        CFtpMainDlg::OnInitDialog();
        SetActivePanel(&m_bottom);
        if (m_bPoseBusy) {
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
    bool m_bPoseBusy;
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
        std::printf("quill-idle\nquill-busy\n");
        return 0;
    }
    const std::string name = argc >= 2 ? argv[1] : "";
    if (argc < 2 || argc > 3 || (name != "quill-idle" && name != "quill-busy")) {
        std::fprintf(stderr, "usage: ravo_quill --list | quill-idle|quill-busy [READY_FILE]\n");
        return 2;
    }
    SetCursorPos(2000, 2000);  // out of the way of the buttons
    char windows[MAX_PATH] = "";
    GetWindowsDirectoryA(windows, sizeof windows);
    CQuillPose window(name == "quill-busy");
    window.m_strInitialLocal = windows;
    std::thread photographer(Photograph, &window, argc == 3 ? std::string(argv[2]) : std::string());
    const INT_PTR result = window.DoModal();
    photographer.join();
    return result == -1 ? 1 : 0;
}
