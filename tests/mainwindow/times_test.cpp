// Round trips through the file manager against each bundled server: after an
// upload and after a download of a small tree, "Files for updating" selects
// nothing on either side; a local file touched later than the listed
// minute and its slack, it alone.
#include <gtest/gtest.h>

#include <filesystem>

#include "dialog_driver.h"
#include "listed_time.h"
#include "ftp_main_dlg.h"
#include "session_ops.h"
#include "smart_select.h"
#include "test_files.h"
#include "test_servers.h"

namespace {

namespace fs = std::filesystem;

std::string Updating(CFtpFileList& source, CFtpFileList& target) {
    SmartSelect(&source, kSmartUpdating, &target);
    std::string names;
    for (int i = 0; i < source.GetItemCount(); ++i)
        if (source.GetItemState(i, LVIS_SELECTED)) names += " " + source.GetItemText(i, 0);
    return names;
}

// Local a.txt, b.txt and dir/c.txt; the top panel on a new folder of the
// site, made through the server so that its own user owns it.
TEST(Times, RoundTripsSelectNothingForUpdating) {
    for (const char* kind : {"pyftpdlib", "vsftpd", "shifted", "fastclock"}) {
        // vsftpd and fastclock take no times: the files and their upload in
        // one listed minute, which starts 20 s early on fastclock's clock.
        const bool noTimes = kind == std::string("vsftpd") || kind == std::string("fastclock");
        SYSTEMTIME now;
        GetSystemTime(&now);
        const int second = (now.wSecond + (kind == std::string("fastclock") ? 20 : 0)) % 60;
        if (second > 45) Sleep(static_cast<DWORD>(61 - second) * 1000);
        const testservers::Server server = testservers::Load(kind);
        testfiles::TempFolder local, other;
        fs::create_directory(local.Path("dir"));
        for (const char* name : {"a.txt", "b.txt", "dir\\c.txt", "old.txt"})
            testfiles::WriteFile(local.Path(name), name);
        const SYSTEMTIME noon = {2020, 1, 0, 15, 12, 0, 0, 0};  // no offset takes it to another day
        FILETIME old;
        SystemTimeToFileTime(&noon, &old), SetLocalFileTime(local.Path("old.txt").c_str(), old);
        CFtpMainDlg dlg(nullptr);
        dlg.m_strInitialLocal = local.Root();
        dlg.Create(nullptr);
        const std::string site = "/times-" + std::to_string(GetTickCount64());
        ASSERT_EQ(0, ConnectSession(dlg.m_hWnd, "127.0.0.1", server.user.c_str(), server.password.c_str(), server.port,
                                    30, "none", nullptr, 0, nullptr, nullptr, 1));
        ASSERT_EQ(0, MakeRemoteDir(site.c_str()));
        dlg.m_top.m_bRemote = dlg.m_bottom.m_bTruncateOldTimes = TRUE;  // files older than six months by their date
        dlg.m_top.ShowFolder(site);
        auto run = [&](CFtpFileList& panel, int button) {
            (&panel == &dlg.m_top ? dlg.m_bottom : dlg.m_top).SetFocus(), panel.SetFocus();  // the active panel
            for (int i = 0; i < panel.GetItemCount(); ++i)  // all but ".."
                panel.SetItemState(i, i > 0 ? LVIS_SELECTED : 0, LVIS_SELECTED);
            DialogWatcher user([t = GetCurrentThreadId()] { return DialogWatcher::ThreadDialog(t); },
                               [](HWND d) { DialogWatcher::Click(d, IDOK); }, true, 10000);
            SendMessageA(dlg.m_hWnd, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
            user.Stop();
        };
        auto both = [&] {
            dlg.m_top.ShowFolder(dlg.m_top.m_strPath), dlg.m_bottom.ShowFolder(dlg.m_bottom.m_strPath);
            return "site{" + Updating(dlg.m_top, dlg.m_bottom) + "} local{" + Updating(dlg.m_bottom, dlg.m_top) + "}";
        };
        run(dlg.m_bottom, IDC_UPLOAD);
        std::string got = "upload " + both();
        dlg.m_bottom.ShowFolder(other.Root());
        run(dlg.m_top, IDC_DOWNLOAD);
        got += ", download rows{" + Updating(dlg.m_bottom, dlg.m_top) + "} " + both();
        // A download takes the start of a listed minute: 60 s on is its end, within the slack.
        const fs::path touched = other.Path("b.txt");
        fs::last_write_time(touched, fs::last_write_time(touched) + std::chrono::seconds(75));
        got += ", touched " + both();
        std::printf("%s: %s\n", kind, got.c_str()), std::fflush(stdout);
        // Servers that keep an upload's time show the old file newer on the site.
        EXPECT_EQ("upload site{" + std::string(noTimes ? " old.txt" : "") +
                      "} local{}, download rows{} site{} local{}, touched site{} local{ b.txt}",
                  got);
        CloseSession(), DestroyWindow(dlg.m_hWnd);
    }
}

}  // namespace
