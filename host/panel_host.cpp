// ravo_panel_host: shows the panel host window to be photographed: the
// bottom panel on a small sample site it writes into the temporary folder,
// the top one on the Windows folder (panel-local) or connected to an FTP
// server on 127.0.0.1 (panel-remote, when RAVO_PANEL_FTP="PORT USER
// PASSWORD" names one).
//
//   ravo_panel_host --list          the names, one a line
//   ravo_panel_host NAME [READY]    as ravo_gallery: with READY, writes the
//                                   window's rectangle there once painted and
//                                   closes when the file is deleted
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

#include "file_time.h"
#include "panel_host_dlg.h"
#include "screenshot_pose.h"

namespace {

struct SampleFile {
    const char* name;
    DWORD size;
    int daysOld;
};

const SampleFile kSampleFiles[] = {
    {"index.html", 12480, 0},  {"news.html", 2210, 1},   {"about.htm", 4096, 30},
    {"logo.gif", 8192, 60},    {"photo.jpg", 154321, 90}, {"welcome.wav", 65536, 200},
    {"world.wrl", 20480, 400}, {"notes.txt", 512, 3},     {"site-backup.zip", 1234567, 10},
};
const char* const kSampleFolders[] = {"images", "styles"};

void SetAge(const std::string& path, int daysOld) {
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    constexpr int64_t kHour = 3600 * 10000000LL;
    const FILETIME stamp = FileTimeFromInt64(FileTimeToInt64(now) - (daysOld * 24LL + 1) * kHour);
    HANDLE file = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    SetFileTime(file, nullptr, nullptr, &stamp);
    CloseHandle(file);
}

std::string MakeSampleSite() {
    char temp[MAX_PATH] = "";
    GetTempPathA(sizeof temp, temp);
    const std::string site = std::string(temp) + "ravo-sample-site-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(site.c_str(), nullptr);
    for (const char* folder : kSampleFolders) CreateDirectoryA((site + "\\" + folder).c_str(), nullptr);
    for (const SampleFile& sample : kSampleFiles) {
        const std::string path = site + "\\" + sample.name;
        HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        if (file == INVALID_HANDLE_VALUE) continue;
        SetFilePointer(file, static_cast<LONG>(sample.size), nullptr, FILE_BEGIN);
        SetEndOfFile(file);
        CloseHandle(file);
        SetAge(path, sample.daysOld);
    }
    return site;
}

void RemoveSampleSite(const std::string& site) {
    for (const SampleFile& sample : kSampleFiles) DeleteFileA((site + "\\" + sample.name).c_str());
    for (const char* folder : kSampleFolders) RemoveDirectoryA((site + "\\" + folder).c_str());
    RemoveDirectoryA(site.c_str());
}

// Beside the window: once it has painted, say where it is, wait for the
// picture to be taken, then close it.
void Photograph(CFtpPanelHostDlg* host, const std::string& readyFile) {
    using namespace std::chrono;
    for (auto until = steady_clock::now() + kShowLimit;
         (host->m_hWnd == nullptr || !IsWindowVisible(host->m_hWnd)) && steady_clock::now() < until;)
        std::this_thread::sleep_for(milliseconds(50));
    HWND window = host->m_hWnd;
    if (window == nullptr) return;
    PoseForScreenshot(window, readyFile);
}

}  // namespace

int main(int argc, char** argv) {
    const char* server = std::getenv("RAVO_PANEL_FTP");
    if (argc == 2 && std::string(argv[1]) == "--list") {
        std::printf(server != nullptr ? "panel-local\npanel-remote\n" : "panel-local\n");
        return 0;
    }
    const std::string name = argc >= 2 ? argv[1] : "";
    if (argc < 2 || argc > 3 || (name != "panel-local" && (name != "panel-remote" || server == nullptr))) {
        std::fprintf(stderr, "usage: ravo_panel_host --list | panel-local [READY_FILE] | panel-remote [READY_FILE]\n");
        return 2;
    }
    SetCursorPos(2000, 2000);  // out of the way of the buttons
    char windows[MAX_PATH] = "";
    GetWindowsDirectoryA(windows, sizeof windows);
    const std::string site = MakeSampleSite();
    INT_PTR result = -1;
    {
        CFtpPanelHostDlg host(windows, site);
        if (name == "panel-remote") {
            char user[64] = "", password[64] = "";
            std::sscanf(server, "%d %63s %63s", &host.m_site.port, user, password);
            host.m_site.user = user;
            host.m_site.password = password;
        }
        std::thread photographer(Photograph, &host, argc == 3 ? std::string(argv[2]) : std::string());
        result = host.DoModal();
        photographer.join();
    }
    RemoveSampleSite(site);
    return result == -1 ? 1 : 0;
}
