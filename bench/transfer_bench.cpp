// Benchmark driver for tree transfers (bench/transfer_run):
//   transfer_bench HOST PORT USER PASSWORD window-up LOCAL_DIR REMOTE_PARENT
//   transfer_bench HOST PORT USER PASSWORD window-down REMOTE_DIR LOCAL_PARENT
//     the file manager's Upload or Download of one folder row, with its
//     progress, status lines and rows, on a window of the driver's own;
//   transfer_bench HOST PORT USER PASSWORD exports-up LOCAL_DIR REMOTE_PARENT
//   transfer_bench HOST PORT USER PASSWORD exports-down REMOTE_DIR LOCAL_PARENT
//     the same tree file by file through the DLL's exports (make folder,
//     put or get each file by its full path), the names known beforehand.
// Prints "seconds=S files=N".
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "ftp_main_dlg.h"
#include "ftp_session.h"
#include "session_ops.h"
#include "transfer.h"

namespace {

using TwoPathFn = int(WINAPI*)(LPCSTR, LPCSTR);
using ConnectFn = int(WINAPI*)(HWND, LPCSTR, LPCSTR, LPCSTR, int, int, LPCSTR, LPCSTR, int, LPCSTR, LPCSTR, int);
using OnePathFn = int(WINAPI*)(LPCSTR);

// Set once logged in: the figures are the transfers, not the start-up.
std::chrono::steady_clock::time_point g_start;

struct Tree {
    std::vector<std::string> folders, files;  // relative, "\\"-separated
};

// The local tree (exports-up) as folders and files.
void ReadTree(const std::string& root, const std::string& relative, Tree* tree) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((root + relative + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        const std::string name = found.cFileName;
        if (name == "." || name == "..") continue;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            tree->folders.push_back(relative + "\\" + name);
            ReadTree(root, relative + "\\" + name, tree);
        } else {
            tree->files.push_back(relative + "\\" + name);
        }
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

std::string Slashes(std::string path) {
    for (char& c : path) c = c == '\\' ? '/' : c;
    return path;
}

std::string Leaf(const std::string& path) { return path.substr(path.find_last_of("\\/") + 1); }
std::string Parent(const std::string& path) { return path.substr(0, path.find_last_of("\\/")); }

int Exports(char** argv, bool up, const Tree& tree) {
    HMODULE dll = LoadLibraryA("ravoFtp.dll");
    auto at = [dll](int ordinal) { return reinterpret_cast<void*>(GetProcAddress(dll, MAKEINTRESOURCEA(ordinal))); };
    if (reinterpret_cast<ConnectFn>(at(700))(nullptr, argv[1], argv[3], argv[4], std::atoi(argv[2]), 30, "none",
                                              nullptr, 0, nullptr, nullptr, 1) != 0)
        return -1;
    g_start = std::chrono::steady_clock::now();
    const std::string local = up ? argv[6] : std::string(argv[7]) + "\\" + Leaf(argv[6]);
    const std::string remote = up ? std::string(argv[7]) + "/" + Leaf(argv[6]) : argv[6];
    int r = up ? reinterpret_cast<OnePathFn>(at(705))(remote.c_str()) : !CreateDirectoryA(local.c_str(), nullptr);
    for (const std::string& folder : tree.folders) {
        if (up) reinterpret_cast<OnePathFn>(at(705))((remote + Slashes(folder)).c_str());
        else CreateDirectoryA((local + folder).c_str(), nullptr);
    }
    for (size_t i = 0; i < tree.files.size() && r == 0; ++i) {
        const std::string l = local + tree.files[i], m = remote + Slashes(tree.files[i]);
        r = up ? reinterpret_cast<TwoPathFn>(at(709))(l.c_str(), m.c_str())
               : reinterpret_cast<TwoPathFn>(at(708))(l.c_str(), m.c_str());
    }
    return r;
}

// The folder row `name` of `source` selected alone and transferred (as a
// drop: no question) into `target`.
int Window(char** argv, bool up) {
    CFtpMainDlg dlg(nullptr);
    dlg.m_strInitialLocal = up ? Parent(argv[6]) : argv[7];
    dlg.Create(nullptr);
    TheSession().SetLogWindow(&dlg);
    if (ConnectSession(dlg.m_hWnd, argv[1], argv[3], argv[4], std::atoi(argv[2]), 30, "none", nullptr, 0, nullptr,
                       nullptr, 1) != 0)
        return -1;
    g_start = std::chrono::steady_clock::now();
    dlg.m_top.m_bRemote = TRUE;
    dlg.m_top.ShowFolder(up ? argv[7] : Parent(Slashes(argv[6])));
    CFtpFileList& source = up ? static_cast<CFtpFileList&>(dlg.m_bottom) : dlg.m_top;
    CFtpFileList& target = up ? static_cast<CFtpFileList&>(dlg.m_top) : dlg.m_bottom;
    for (int i = 0; i < source.GetItemCount(); ++i)
        source.SetItemState(i, source.GetItemText(i, 0) == Leaf(argv[6]) ? LVIS_SELECTED : 0, LVIS_SELECTED);
    CFtpTransfer(source, dlg).TransferSelection(0, source.GetItemCount() - 1, target, true);
    CloseSession();
    DestroyWindow(dlg.m_hWnd);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 8) {
        std::fprintf(stderr, "usage: transfer_bench HOST PORT USER PASSWORD MODE SOURCE TARGET_PARENT\n");
        return 2;
    }
    const std::string mode = argv[5];
    const bool up = mode.size() > 3 && mode.compare(mode.size() - 3, 3, "-up") == 0;
    Tree tree;
    // The download tree is the same shape as the upload one, read locally from
    // the folder the script made it from.
    ReadTree(up ? argv[6] : std::getenv("RAVO_BENCH_TREE"), "", &tree);
    const int r = mode.rfind("window", 0) == 0 ? Window(argv, up) : Exports(argv, up, tree);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - g_start).count();
    if (r != 0) return std::fprintf(stderr, "%s failed: %d\n", mode.c_str(), r), 1;
    std::printf("seconds=%.4f files=%zu\n", seconds, tree.files.size());
    return 0;
}
