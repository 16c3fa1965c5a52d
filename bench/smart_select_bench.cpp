// smart_select_bench: smart select over N rows a side (default 20,000): the
// selection with the target indexed once by folded name against the plain
// search of the target per source row, in the same run, on the same
// records; then the whole command on two panels (rows written back).
// Prints the median of RUNS runs and the ratio plain/indexed; both must
// select the same rows.
//
//   smart_select_bench [ROWS [RUNS]]
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "lead_bytes.h"
#include "panel_host_dlg.h"
#include "smart_select.h"

namespace {

double Milliseconds(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

double Median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// A site's folder as both sides see it: a third of the source's files are
// missing from the target, the others are there, some in other letter case,
// some newer on one side; names of one length, as a numbered site has.
std::vector<std::unique_ptr<FileEntry>> MakeSide(int rows, bool target) {
    std::vector<std::unique_ptr<FileEntry>> side;
    for (int i = 0; i < rows; ++i) {
        const unsigned key = static_cast<unsigned>(i) * 2654435761u;
        const int number = target ? (i + rows / 3) : i;
        auto entry = std::make_unique<FileEntry>();
        char name[40];
        std::snprintf(name, sizeof name, (target && key % 5 == 0) ? "PAGE-%06d.HTML" : "page-%06d.html", number);
        entry->strName = name;
        entry->nImage = i % 50 == 0 ? IMG_FOLDER : IMG_HTML;
        entry->ftModified = {key % 7, 0x01DA0000u};
        side.push_back(std::move(entry));
    }
    return side;
}

std::vector<const FileEntry*> View(const std::vector<std::unique_ptr<FileEntry>>& side) {
    std::vector<const FileEntry*> view;
    for (const auto& entry : side) view.push_back(entry.get());
    return view;
}

void Show(CFtpFileList& panel, const std::vector<std::unique_ptr<FileEntry>>& side) {
    panel.DeleteAllItems();
    panel.FreeEntries();
    for (const auto& entry : side) panel.m_entries.push_back(new FileEntry(*entry));
    panel.FillList();
}

}  // namespace

int main(int argc, char** argv) {
    const int rows = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20000;
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;
    std::printf("smart select benchmark: %d rows a side, median of %d runs\n", rows, runs);
    const auto source = MakeSide(rows, false), target = MakeSide(rows, true);
    const auto sourceView = View(source), targetView = View(target);
    const LeadBytes lead = LeadBytesOf(CP_ACP);

    const char* const modes[] = {"", "", "transfer", "updating", "missing"};
    for (int mode = kSmartTransfer; mode <= kSmartMissing; ++mode) {
        std::vector<double> indexed, plain;
        std::vector<bool> byIndex, byPlain;
        for (int run = 0; run < runs; ++run) {
            indexed.push_back(Milliseconds([&] { byIndex = SmartSelection(sourceView, mode, targetView, lead, true); }));
            plain.push_back(Milliseconds([&] { byPlain = SmartSelection(sourceView, mode, targetView, lead, false); }));
        }
        const double indexMs = Median(indexed), plainMs = Median(plain);
        std::printf("select %-8s: indexed %.1f ms, plain search %.1f ms, ratio plain/indexed %.1f, %ld rows, %s\n",
                    modes[mode], indexMs, plainMs, plainMs / indexMs,
                    static_cast<long>(std::count(byIndex.begin(), byIndex.end(), true)),
                    byIndex == byPlain ? "same rows" : "DIFFERENT ROWS");
    }

    CFtpPanelHostDlg host("", "");
    host.Create(nullptr);
    Show(host.m_bottom, source);
    Show(host.m_top, target);
    // The list view's own part: the same rows selected one by one, each
    // change notifying the window (the floor of any way to select them).
    const std::vector<bool> chosen = SmartSelection(sourceView, kSmartTransfer, targetView, lead);
    std::vector<double> whole, writes;
    for (int run = 0; run < runs; ++run) {
        SmartSelect(&host.m_bottom, kSmartClear, &host.m_top);
        whole.push_back(Milliseconds([&] { SmartSelect(&host.m_bottom, kSmartTransfer, &host.m_top); }));
        SmartSelect(&host.m_bottom, kSmartClear, &host.m_top);
        writes.push_back(Milliseconds([&] {
            for (size_t i = 0; i < chosen.size(); ++i)
                if (chosen[i]) host.m_bottom.SetItemState(static_cast<int>(i), LVIS_SELECTED, LVIS_SELECTED);
        }));
    }
    std::printf("whole command (transfer): %.1f ms, %u rows selected; selecting them one by one alone %.1f ms\n",
                Median(whole), host.m_bottom.GetSelectedCount(), Median(writes));
    host.DestroyWindow();
    return 0;
}
