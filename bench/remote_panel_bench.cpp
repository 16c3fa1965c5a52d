// remote_panel_bench: the remote panel listing and showing one server folder
// (change of folder, listing, rows, sort), timed after the login.
//
//   remote_panel_bench HOST PORT USER PASSWORD FOLDER
//
// Prints "rows=N seconds=S" for one ShowFolder of FOLDER; bench/run takes
// the median of several runs and compares it with curl listing the same
// folder in the same run.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "ftp_session.h"
#include "panel_host_dlg.h"

int main(int argc, char** argv) {
    if (argc != 6) {
        std::fprintf(stderr, "usage: remote_panel_bench HOST PORT USER PASSWORD FOLDER\n");
        return 2;
    }
    CFtpPanelHostDlg host("", "");
    if (!host.Create(nullptr)) return 1;
    // The login lists its start folder, "/": the folder under test is listed
    // from scratch below.
    const int r = host.ConnectTop(argv[1], std::atoi(argv[2]), argv[3], argv[4], "/");
    if (r != 0) {
        std::fprintf(stderr, "connect failed: %d\n", r);
        return 1;
    }
    // ShowFolder's steps, timed one by one.
    CFtpRemoteFileList& top = host.m_top;
    const auto start = std::chrono::steady_clock::now();
    top.m_strPrevPath = top.m_strPath;
    top.m_strPath = argv[5];
    top.ReadFolder();
    const auto read = std::chrono::steady_clock::now();
    top.FillList();
    const auto filled = std::chrono::steady_clock::now();
    top.SortEntries();
    const auto sorted = std::chrono::steady_clock::now();
    using Seconds = std::chrono::duration<double>;
    std::printf("rows=%d read=%.3f fill=%.3f sort=%.3f seconds=%.3f\n", top.GetItemCount(),
                Seconds(read - start).count(), Seconds(filled - read).count(), Seconds(sorted - filled).count(),
                Seconds(sorted - start).count());
    host.DisconnectTop();
    host.DestroyWindow();
    return 0;
}
