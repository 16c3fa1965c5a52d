// panel_bench: a folder of N files (default 20,000) shown and sorted by the
// file panel, against the bare list view inserting the same rows with
// callback texts and sorting them with a trivial comparison. Prints the
// median of RUNS runs and the ratio panel/bare (goal: 1.5 or below).
//
//   panel_bench [FILES [RUNS [FOLDER]]]   FOLDER: an existing folder to show
//                                         (kept), instead of a new one
//
// Both list views are on the hidden panel host window, with redrawing off
// while rows go in, as the panel does: the ratio is the panel's own cost
// (enumeration, records, texts, sorting) over the control's.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "panel_host_dlg.h"

namespace {

const char* const kExtensions[] = {".html", ".gif", ".txt", ".jpg", ".wav", ".css"};

std::string MakeFolder(int files) {
    char temp[MAX_PATH] = "";
    GetTempPathA(sizeof temp, temp);
    const std::string folder = std::string(temp) + "ravo-panel-bench-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(folder.c_str(), nullptr);
    for (int i = 0; i < files; ++i) {
        // Names, sizes and times in an order unrelated to each other.
        const unsigned key = static_cast<unsigned>(i) * 2654435761u;
        const std::string path = folder + "\\file-" + std::to_string(key % 1000003) + "-" + std::to_string(i) +
                                 kExtensions[i % 6];
        HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        if (file == INVALID_HANDLE_VALUE) continue;
        SetFilePointer(file, static_cast<LONG>((key >> 8) % 5000000), nullptr, FILE_BEGIN);
        SetEndOfFile(file);
        FILETIME stamp;
        GetSystemTimeAsFileTime(&stamp);
        ULARGE_INTEGER t = {{stamp.dwLowDateTime, stamp.dwHighDateTime}};
        t.QuadPart -= static_cast<ULONGLONG>(key % 100000000) * 10000000ULL;
        stamp = {t.LowPart, t.HighPart};
        SetFileTime(file, nullptr, nullptr, &stamp);
        CloseHandle(file);
    }
    return folder;
}

void RemoveFolder(const std::string& folder) {
    CFtpFileList remover;
    remover.RemoveFolder(folder);
}

double Milliseconds(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

double Median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// The bare control: a report list view inserting `count` rows whose texts
// are all supplied on request, as the panel's rows are.
HWND MakeBareList(HWND parent) {
    HWND list = CreateWindowExA(0, WC_LISTVIEWA, "", WS_CHILD | LVS_REPORT | LVS_SHAREIMAGELISTS, 0, 0, 600, 300, parent,
                                nullptr, nullptr, nullptr);
    for (int column = 0; column < 3; ++column) {
        LVCOLUMNA info = {};
        info.mask = LVCF_TEXT | LVCF_WIDTH;
        info.cx = 100;
        info.pszText = const_cast<char*>("column");
        SendMessageA(list, LVM_INSERTCOLUMNA, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&info));
    }
    SendMessageA(list, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(CFtpFileList::SharedImageList()));
    return list;
}

void FillBareList(HWND list, int count) {
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
    SendMessageA(list, LVM_SETITEMCOUNT, static_cast<WPARAM>(count), 0);
    for (int i = 0; i < count; ++i) {
        LVITEMA item = {};
        item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
        item.iItem = i;
        item.pszText = LPSTR_TEXTCALLBACKA;
        item.iImage = i % 6;
        item.lParam = (static_cast<LPARAM>(i) * 2654435761LL) % 1000003;
        const int row = static_cast<int>(SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
        LVITEMA sub = {};
        sub.pszText = LPSTR_TEXTCALLBACKA;
        sub.iSubItem = 1;
        SendMessageA(list, LVM_SETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&sub));
        sub.iSubItem = 2;
        SendMessageA(list, LVM_SETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&sub));
    }
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
}

// The file system's own part of reading: enumeration and nothing else.
int EnumerateOnly(const std::string& folder) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*.*").c_str(), &found);
    int count = 0;
    if (search == INVALID_HANDLE_VALUE) return 0;
    while (FindNextFileA(search, &found)) ++count;
    FindClose(search);
    return count;
}

// The bare sort: integer keys.
int CALLBACK CompareKeys(LPARAM a, LPARAM b, LPARAM) { return a < b ? -1 : (a > b ? 1 : 0); }

// An order unrelated to the keys, to start each measured sort from.
int CALLBACK CompareScrambled(LPARAM a, LPARAM b, LPARAM) {
    const auto x = static_cast<uint32_t>(a) * 2246822519u, y = static_cast<uint32_t>(b) * 2246822519u;
    return x < y ? -1 : (x > y ? 1 : 0);
}

}  // namespace

int main(int argc, char** argv) {
    const int files = argc > 1 ? std::atoi(argv[1]) : 20000;
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;
    std::printf("panel benchmark: %d files, median of %d runs\n", files, runs);
    const bool ownFolder = argc <= 3;
    const std::string folder = ownFolder ? MakeFolder(files) : std::string(argv[3]);

    CFtpPanelHostDlg host("", "");
    host.Create(nullptr);
    CFtpFileList& panel = host.m_bottom;
    HWND bare = MakeBareList(host.m_hWnd);

    std::vector<double> shown, inserted, read, filled, enumerated;
    for (int run = 0; run < runs; ++run) {
        shown.push_back(Milliseconds([&] { panel.ShowFolder(folder); }));
        inserted.push_back(Milliseconds([&] { FillBareList(bare, files); }));
        // The parts of showing: reading the folder, then making the rows.
        read.push_back(Milliseconds([&] { panel.ReadFolder(); }));
        filled.push_back(Milliseconds([&] { panel.FillList(); }));
        enumerated.push_back(Milliseconds([&] { EnumerateOnly(folder); }));
    }
    const double showMs = Median(shown), insertMs = Median(inserted);
    std::printf("show folder: panel %.1f ms (%d rows), bare list view %.1f ms, ratio %.2f\n", showMs,
                panel.GetItemCount(), insertMs, showMs / insertMs);
    std::printf("  of which reading the folder %.1f ms (the bare enumeration %.1f ms), making the rows %.1f ms\n",
                Median(read), Median(enumerated), Median(filled));

    // Every measured sort starts from rows in another order. The bare sort
    // is measured in turn with the panel's, so that both see the same load
    // of a shared machine.
    const char* const names[] = {"Name", "Size", "Modified"};
    for (int column = 0; column < 3; ++column) {
        for (int descending = 0; descending < 2; ++descending) {
            std::vector<double> sorts, bareSorts;
            for (int run = 0; run < runs; ++run) {
                SendMessageA(bare, LVM_SORTITEMS, 0, reinterpret_cast<LPARAM>(CompareScrambled));
                bareSorts.push_back(Milliseconds([&] { SendMessageA(bare, LVM_SORTITEMS, 0, reinterpret_cast<LPARAM>(CompareKeys)); }));
                panel.m_nSortColumn = static_cast<uint8_t>((column + 1) % 3);
                panel.m_bSortDesc[(column + 1) % 3] = 0;
                panel.SortEntries();
                panel.m_nSortColumn = static_cast<uint8_t>(column);
                panel.m_bSortDesc[column] = static_cast<uint8_t>(descending);
                sorts.push_back(Milliseconds([&] { panel.SortEntries(); }));
            }
            const double sortMs = Median(sorts), bareSortMs = Median(bareSorts);
            std::printf("sort by %-8s %-10s: panel %.1f ms, bare list view %.1f ms, ratio %.2f\n", names[column],
                        descending ? "descending" : "ascending", sortMs, bareSortMs, sortMs / bareSortMs);
        }
    }
    host.DestroyWindow();
    if (ownFolder) RemoveFolder(folder);
    return 0;
}
