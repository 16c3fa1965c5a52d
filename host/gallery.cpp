// ravo_gallery: opens one dialog of the window layer so that it can be looked
// at or photographed: every dialog template of the library (filled with
// sample texts where that helps) and the test dialogs of the window layer.
//
//   ravo_gallery --list          the names, one a line
//   ravo_gallery NAME [READY]    shows NAME; with READY, writes the window's
//                                screen rectangle ("x y width height") into
//                                that file once it is painted, and closes when
//                                the file is deleted (or after 30 seconds);
//                                without it, closes after 3 seconds
//
// scripts/screenshots runs it under Xvfb for every name.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "certificate_dlg.h"
#include "gallery_dialogs.h"
#include "module.h"
#include "resource.h"
#include "test_dialogs.h"
#include "screenshot_pose.h"

namespace {

struct Entry {
    const char* name;
    std::function<std::unique_ptr<CDialog>()> make;
};

// The test dialog of bitmap buttons with a few states set, to see them all.
class CButtonStatesDlg : public CButtonTestDlg {
public:
    BOOL OnInitDialog() override {
        CButtonTestDlg::OnInitDialog();
        m_download.m_nState = CFtpBitmapButton::kHot;
        m_upload.m_nState = CFtpBitmapButton::kPressed;
        m_panel.m_bLit = TRUE;
        m_selectAll.m_bLit = TRUE;
        return TRUE;
    }
};

class CGrownLayoutDlg : public CLayoutTestDlg {
public:
    BOOL OnInitDialog() override {
        CLayoutTestDlg::OnInitDialog();
        SetWindowPos(nullptr, 0, 0, m_window0.right - m_window0.left + 180, m_window0.bottom - m_window0.top + 100,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        return TRUE;
    }
};

const char kServerMessage[] =
    "230-Welcome to the example site.\r\n230-Files older than 30 days are archived weekly.\r\n230 Login successful.";

// A self-signed certificate, presented for another name than the one asked for.
const FtpCertificateInfo kCertificate = {
    "ftp.example.com", 21, "CN=www.example.net, O=Example Hosting, C=GB", "CN=www.example.net, O=Example Hosting, C=GB",
    "2026-01-15 09:30:00 UTC", "2027-01-15 09:30:00 UTC",
    "3F:A2:91:0C:5D:E7:48:B6:21:9A:C4:7E:03:F8:D5:62:BB:10:7C:E9:44:A1:58:2D:96:0F:C3:7B:E2:15:8A:9C",
    kFtpCertUntrusted | kFtpCertWrongName};

std::vector<Entry> Entries() {
    return {
        {"main", [] { return std::make_unique<CGalleryMainDlg>(false, SIZE{0, 0}); }},
        {"main-busy", [] { return std::make_unique<CGalleryMainDlg>(true, SIZE{0, 0}); }},
        {"main-wide", [] { return std::make_unique<CGalleryMainDlg>(false, SIZE{220, 110}); }},
        {"name", [] {
             return std::make_unique<CGalleryTextDlg>(
                 IDD_NAME, LoadResourceString(IDS_RENAME_FILE),
                 std::initializer_list<std::pair<int, std::string>>{
                     {IDC_NAME_PROMPT, LoadResourceString(IDS_RENAME_FILE_PROMPT)}, {IDC_NAME_EDIT, "index.html"}});
         }},
        {"profile", [] { return std::make_unique<CGalleryProfileDlg>(0); }},
        {"profile-general", [] { return std::make_unique<CGalleryProfileDlg>(1); }},
        {"profile-www", [] { return std::make_unique<CGalleryProfileDlg>(2); }},
        {"profile-firewall", [] { return std::make_unique<CGalleryProfileDlg>(3); }},
        {"password", [] {
             return std::make_unique<CGalleryTextDlg>(
                 IDD_PASSWORD, "", std::initializer_list<std::pair<int, std::string>>{
                                       {IDC_SERVER_MESSAGE, "331 Password required for webmaster."}});
         }},
        {"server-message", [] {
             return std::make_unique<CGalleryTextDlg>(
                 IDD_SERVER_MESSAGE, "", std::initializer_list<std::pair<int, std::string>>{{IDC_SERVER_MESSAGE, kServerMessage}});
         }},
        {"certificate", [] { return std::make_unique<CFtpCertificateDlg>(nullptr, kCertificate); }},
        {"about", [] {
             return std::make_unique<CGalleryTextDlg>(IDD_ABOUT, "", std::initializer_list<std::pair<int, std::string>>{});
         }},
        {"test-layout", [] { return std::make_unique<CLayoutTestDlg>(); }},
        {"test-layout-grown", [] { return std::make_unique<CGrownLayoutDlg>(); }},
        {"test-buttons", [] { return std::make_unique<CButtonStatesDlg>(); }},
        {"test-exchange", [] { return std::make_unique<CExchangeTestDlg>(); }},
        {"test-sheet", [] { return std::make_unique<CSheetTestDlg>(); }},
    };
}

// A visible top-level dialog window, for EnumThreadWindows.
BOOL CALLBACK FindVisibleDialog(HWND window, LPARAM out) {
    char className[16] = "";
    GetClassNameA(window, className, sizeof className);
    if (std::string(className) != "#32770" || !IsWindowVisible(window) || GetParent(window) != nullptr) return TRUE;
    *reinterpret_cast<HWND*>(out) = window;
    return FALSE;
}

HWND VisibleDialogOf(DWORD thread) {
    HWND found = nullptr;
    EnumThreadWindows(thread, FindVisibleDialog, reinterpret_cast<LPARAM>(&found));
    return found;
}

// Runs beside the dialog: waits until it shows and has painted, tells the
// photographer where it is, waits for the picture and closes it.
void Photograph(DWORD dialogThread, const std::string& readyFile) {
    using namespace std::chrono;
    HWND dialog = nullptr;
    for (auto until = steady_clock::now() + kShowLimit; !dialog && steady_clock::now() < until;) {
        std::this_thread::sleep_for(milliseconds(50));
        dialog = VisibleDialogOf(dialogThread);
    }
    if (dialog == nullptr) {
        PostThreadMessageA(dialogThread, WM_QUIT, 3, 0);
        return;
    }
    PoseForScreenshot(dialog, readyFile);
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<Entry> entries = Entries();
    if (argc == 2 && std::string(argv[1]) == "--list") {
        for (const Entry& entry : entries) std::printf("%s\n", entry.name);
        return 0;
    }
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: ravo_gallery --list | NAME [READY_FILE]\n");
        return 2;
    }
    for (const Entry& entry : entries) {
        if (entry.name != std::string(argv[1])) continue;
        // The pointer stays out of the way: a button under it would light up.
        SetCursorPos(2000, 2000);
        std::unique_ptr<CDialog> dialog = entry.make();
        std::thread photographer(Photograph, GetCurrentThreadId(), argc == 3 ? std::string(argv[2]) : std::string());
        const INT_PTR result = dialog->DoModal();
        photographer.join();
        return result == -1 ? 1 : 0;
    }
    std::fprintf(stderr, "ravo_gallery: no dialog named %s\n", argv[1]);
    return 2;
}
