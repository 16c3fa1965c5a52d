// Download and Upload through the file manager's buttons, with the top panel
// on the bundled pyftpdlib server, or on a local folder with no session.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <thread>

#include "dialog_driver.h"
#include "ftp_main_dlg.h"
#include "ftp_session.h"
#include "message_text.h"
#include "module.h"
#include "session_ops.h"
#include "test_files.h"
#include "test_servers.h"
#include "transfer.h"

namespace {

using Names = std::vector<std::string>;
namespace fs = std::filesystem;

// Every file ("name size") and folder ("name/") under `root`.
Names Tree(const std::string& root) {
    Names names;
    for (const auto& e : fs::recursive_directory_iterator(root))
        names.push_back(e.path().lexically_relative(root).generic_string() +
                        (e.is_directory() ? "/" : " " + std::to_string(e.file_size())));
    return std::sort(names.begin(), names.end()), names;
}

void Sized(const std::string& path, int64_t size) {
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream(path).close(), fs::resize_file(path, static_cast<uintmax_t>(size));
}

std::string Ask(const std::string& count, const std::string& folder) {
    return InsertTexts(LoadResourceString(IDS_ASK_TRANSFER), count, folder);
}

// Stop is clicked on the window's own thread as the bar first moves, or (g_atReset) as it is first reset.
HWND g_stop = nullptr;
bool g_atReset = false;
WNDPROC g_barProc = nullptr;
LRESULT CALLBACK ClickStopOnProgress(HWND bar, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == PBM_DELTAPOS && (wParam > 0 || g_atReset) && g_stop != nullptr)
        PostMessageA(g_stop, WM_LBUTTONDOWN, MK_LBUTTON, 0), g_stop = nullptr;
    return CallWindowProcA(g_barProc, bar, message, wParam, lParam);
}

// Wine makes no links but shows a Unix link to a folder as a junction looks
// on Windows, and starts Unix programs, which cannot be waited for: `command`
// runs in the Unix folder of `folder`; then `folder`\up is polled for `there`.
bool UnixShell(const std::string& folder, const std::string& command, bool there) {
    const auto unixName = reinterpret_cast<char*(CDECL*)(const WCHAR*)>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    char* name = unixName != nullptr ? unixName(std::wstring(folder.begin(), folder.end()).c_str()) : nullptr;
    const std::string unixFolder = name != nullptr ? name : "/none";
    HeapFree(GetProcessHeap(), 0, name);
    std::string line = "Z:\\bin\\sh -c \"cd '" + unixFolder + "' && " + command + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        CloseHandle(process.hThread), CloseHandle(process.hProcess);
    auto exists = [&] { return GetFileAttributesA((folder + "\\up").c_str()) != INVALID_FILE_ATTRIBUTES; };
    for (int i = 0; i < 250 && exists() != there; ++i) Sleep(20);
    return exists() == there;
}

// Bottom panel: a.txt (1,234,567 bytes), b.txt, dir/c.txt, dir/sub/d.txt; the
// top panel on a new folder of the site, or a local one (`server` null).
struct Window {
    testfiles::TempFolder local, other;
    std::string site;
    CFtpMainDlg dlg{nullptr};
    explicit Window(const testservers::Server* server) {
        Sized(local.Path("a.txt"), 1234567), Sized(local.Path("b.txt"), 9);
        Sized(local.Path("dir\\c.txt"), 100), Sized(local.Path("dir\\sub\\d.txt"), 5);
        const std::string name = "xfer-" + std::to_string(GetTickCount64());  // process ids come back
        site = server != nullptr ? server->root + "\\" + name : other.Root();
        fs::create_directories(site);
        dlg.m_strInitialLocal = local.Root();
        dlg.Create(nullptr);
        g_barProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
            GetDlgItem(dlg.m_hWnd, IDC_PROGRESS), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ClickStopOnProgress)));
        TheSession().SetLogWindow(&dlg);
        if (server != nullptr)
            dlg.m_top.m_bRemote = ConnectSession(dlg.m_hWnd, "127.0.0.1", server->user.c_str(), server->password.c_str(),
                                                 server->port, 30, "none", nullptr, 0, nullptr, nullptr, 1) == 0;
        dlg.m_top.ShowFolder(server != nullptr ? "/" + name : site);
    }
    ~Window() { (dlg.m_top.m_bRemote ? CloseSession() : 0), DestroyWindow(dlg.m_hWnd); }
    // Selects `select` in `panel`, clicks `button` (0: drops on the top
    // panel), answers every box with OK; the boxes' texts. Stop is clicked
    // once `stopFile` exists (a local copy), as the bar moves ("bar") or as the first row begins ("reset").
    Names Run(CFtpFileList& panel, const Names& select, int button, const std::string& stopFile = "") {
        panel.SetFocus();
        for (int i = 0; i < panel.GetItemCount(); ++i)
            panel.SetItemState(i, std::count(select.begin(), select.end(), panel.GetItemText(i, 0)) ? LVIS_SELECTED : 0,
                               LVIS_SELECTED);
        Names boxes;
        DialogWatcher user([t = GetCurrentThreadId()] { return DialogWatcher::ThreadDialog(t); }, [&](HWND d) {
            boxes.push_back(DialogWatcher::ControlText(d, 0xFFFF)), DialogWatcher::Click(d, IDOK);
        }, true, 10000);
        g_atReset = stopFile == "reset";
        if (stopFile == "bar" || g_atReset) g_stop = GetDlgItem(dlg.m_hWnd, IDC_STOP);
        const bool watch = stopFile.find('\\') != std::string::npos;  // a file's path
        std::thread stopper([&, stop = GetDlgItem(dlg.m_hWnd, IDC_STOP)] {
            for (int i = 0; watch && i < 20000 && !fs::exists(stopFile); ++i) Sleep(1);
            if (watch) PostMessageA(stop, WM_LBUTTONDOWN, MK_LBUTTON, 0);
        });
        button != 0 ? SendMessageA(dlg.m_hWnd, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0)
                    : dlg.OnPanelDrop(dlg.m_top.m_hWnd);
        stopper.join(), user.Stop();
        return boxes;
    }
    // The bar's upper end: the selection's bytes in units of 256.
    int BarEnd() { return static_cast<int>(SendDlgItemMessageA(dlg.m_hWnd, IDC_PROGRESS, PBM_GETRANGE, FALSE, 0)); }
};

}  // namespace

TEST(Transfer, ListedNamesThatAreNotPlainLocalNames) {
    LeadBytes lead = SingleByteCharacters();
    lead[0x95] = true;  // "\x95\\" is one double-byte character
    for (auto [name, safe] : {std::pair{"a.txt", true}, {"COM10", true}, {"CONSOLE.txt", true}, {"\x95\\", true},
                              {"", false}, {".", false}, {"..", false}, {"a\\b", false}, {"a/b", false}, {"C:x", false},
                              {"f:stream", false}, {"CON", false}, {"nul.txt", false}, {"Com1 .log", false},
                              {"LPT9", false}, {"dot.", false}, {"blank ", false}, {"\x01x", false}, {"a?", false}})
        EXPECT_EQ(safe, IsSafeLocalName(name, lead)) << name;
}

// Two files and a folder up and down, the parent entry alone, names a local
// folder cannot hold, a drop merging into a folder the site has; the bar's
// end from the size texts (separators skipped) and the folder sums. Then a
// stop during a big file ends everything without a word, and a download
// leaves the local file it would have replaced as it was.
TEST(Transfer, FilesAndTreesBothWaysAndStops) {
    const testservers::Server server = testservers::Load("pyftpdlib");
    Window w(&server);
    CFtpFileList &top = w.dlg.m_top, &bottom = w.dlg.m_bottom;
    EXPECT_EQ(Names{Ask("3", top.m_strPath)}, w.Run(bottom, {"a.txt", "b.txt", "dir"}, IDC_UPLOAD));
    EXPECT_EQ(Names({"a.txt 1234567", "b.txt 9", "dir/", "dir/c.txt 100", "dir/sub/", "dir/sub/d.txt 5"}), Tree(w.site));
    EXPECT_EQ((1234567 + 9 + 105) / 256, w.BarEnd());
    EXPECT_EQ(3, top.GetItemCount() - 1) << "rows added to the target panel";
    bottom.ShowFolder(w.other.Root());
    EXPECT_EQ(Names{Ask("1", w.other.Root())}, w.Run(top, {".."}, IDC_DOWNLOAD));
    for (const char* name : {"CON", "nul.txt", "a:b", "b\\c", "dot.", "ok.txt"})
        TheSession().Client().SendFile(w.local.Path("b.txt").c_str(), (top.m_strPath + "/dir/" + name).c_str());
    top.ShowFolder(top.m_strPath);
    EXPECT_EQ(Names{Ask("2", w.other.Root())}, w.Run(top, {"dir", "b.txt"}, IDC_DOWNLOAD));
    EXPECT_EQ(Names({"b.txt 9", "dir/", "dir/c.txt 100", "dir/ok.txt 9", "dir/sub/", "dir/sub/d.txt 5"}),
              Tree(w.other.Root()));
    std::string current;
    EXPECT_TRUE(GetRemoteCurrentDir(&current) == 0 && current == top.m_strPath) << "the session's folder: " << current;
    EXPECT_EQ(0, w.BarEnd()) << "under 256 bytes";
    Sized(w.other.Path("dir\\new.txt"), 7);
    EXPECT_EQ(Names{}, w.Run(bottom, {"dir"}, 0));
    EXPECT_EQ(7u, fs::file_size(w.site + "\\dir\\new.txt")) << "merged";

    constexpr int64_t kBig = 256 << 20;
    Sized(w.other.Path("big.bin"), kBig), Sized(w.other.Path("z.txt"), 1), Sized(w.site + "\\big2.bin", kBig);
    bottom.ShowFolder(w.other.Root());
    EXPECT_EQ(Names{Ask("2", top.m_strPath)}, w.Run(bottom, {"big.bin", "z.txt"}, IDC_UPLOAD, "bar"));
    std::error_code none;  // the server may drop what it had of an aborted file
    EXPECT_NE(static_cast<uintmax_t>(kBig), fs::file_size(w.site + "\\big.bin", none));
    EXPECT_FALSE(fs::exists(w.site + "\\z.txt"));
    testfiles::WriteFile(w.local.Path("big2.bin"), "old");
    top.ShowFolder(top.m_strPath), bottom.ShowFolder(w.local.Root());
    EXPECT_EQ(Names{Ask("1", w.local.Root())}, w.Run(top, {"big2.bin"}, IDC_DOWNLOAD, "bar"));
    EXPECT_EQ("old", testfiles::ReadFile(w.local.Path("big2.bin")));
    EXPECT_EQ(7u, Tree(w.local.Root()).size()) << "no partial file left";
    for (const char* name : {"\\big.bin", "\\big2.bin"}) DeleteFileA((w.site + name).c_str());
}

// A linked folder inside a tree (here one that contains itself) is left out
// of an upload and of a download (a server without MLSD lists it as a link).
TEST(Transfer, LinksInsideTreesAreLeftOut) {
    const testservers::Server server = testservers::Load("shifted");
    Window w(&server);
    const Names dir = {"dir/", "dir/c.txt 100", "dir/sub/", "dir/sub/d.txt 5"};
    ASSERT_TRUE(UnixShell(w.local.Path("dir"), "ln -s . up", true));
    EXPECT_EQ(Names{Ask("1", w.dlg.m_top.m_strPath)}, w.Run(w.dlg.m_bottom, {"dir"}, IDC_UPLOAD));
    EXPECT_EQ(dir, Tree(w.site));
    ASSERT_TRUE(UnixShell(w.site + "\\dir", "ln -s . up", true));
    w.dlg.m_bottom.ShowFolder(w.other.Root());
    EXPECT_EQ(Names{Ask("1", w.other.Root())}, w.Run(w.dlg.m_top, {"dir"}, IDC_DOWNLOAD));
    EXPECT_EQ(dir, Tree(w.other.Root()));
    EXPECT_TRUE(UnixShell(w.local.Path("dir"), "rm up", false) && UnixShell(w.site + "\\dir", "rm up", false));
}

// No session: a folder copy makes the folder and copies its tree; a stop between
// rows, or as a row begins, ends before the next file; a failed copy says string 53.
TEST(Transfer, LocalCopies) {
    Window w(nullptr);
    EXPECT_EQ(Names{Ask("2", w.site)}, w.Run(w.dlg.m_bottom, {"b.txt", "dir"}, IDC_UPLOAD));
    EXPECT_EQ(Names({"b.txt 9", "dir/", "dir/c.txt 100", "dir/sub/", "dir/sub/d.txt 5"}), Tree(w.site));
    Sized(w.local.Path("big.bin"), 128 << 20), Sized(w.local.Path("z.txt"), 1);
    w.dlg.m_bottom.ShowFolder(w.local.Root());
    w.Run(w.dlg.m_bottom, {"big.bin", "z.txt"}, IDC_UPLOAD, w.site + "\\big.bin");
    EXPECT_FALSE(fs::exists(w.site + "\\z.txt")) << "stopped between rows";
    w.Run(w.dlg.m_bottom, {"z.txt"}, IDC_UPLOAD, "reset");
    EXPECT_FALSE(fs::exists(w.site + "\\z.txt")) << "stopped as the row began";
    w.dlg.m_top.m_strPath = w.site + "\\missing";
    EXPECT_EQ(Names({Ask("1", w.site + "\\missing"),
                     InsertTexts(LoadResourceString(IDS_CANNOT_TRANSFER), w.local.Path("b.txt"), "")}),
              w.Run(w.dlg.m_bottom, {"b.txt"}, IDC_UPLOAD));
}
