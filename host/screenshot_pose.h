// The screenshot handshake shared by the host programs: put a painted window
// at the top left, tell the photographer (scripts/screenshots) where it is by
// writing its rectangle to the ready file, wait until the photographer
// deletes that file, then close the window. Without a ready file the window
// stays three seconds for a person to look at.
#pragma once

#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

// How long a host waits for its window to show: the first program in a
// fresh Wine prefix on a new machine may take long. scripts/screenshots
// waits longer for the ready file.
constexpr std::chrono::seconds kShowLimit{50};

inline void PoseForScreenshot(HWND window, const std::string& readyFile) {
    using namespace std::chrono;
    // Top left, so that a window grown after its start stays on the screen.
    SetWindowPos(window, nullptr, 8, 8, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    std::this_thread::sleep_for(milliseconds(700));  // painting, fonts, images
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    std::this_thread::sleep_for(milliseconds(300));
    if (readyFile.empty()) {
        std::this_thread::sleep_for(seconds(3));
    } else {
        RECT rc;
        GetWindowRect(window, &rc);
        if (FILE* out = std::fopen(readyFile.c_str(), "w")) {
            std::fprintf(out, "%ld %ld %ld %ld\n", rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top);
            std::fclose(out);
        }
        const auto until = steady_clock::now() + seconds(30);
        while (GetFileAttributesA(readyFile.c_str()) != INVALID_FILE_ATTRIBUTES && steady_clock::now() < until) {
            std::this_thread::sleep_for(milliseconds(50));
        }
    }
    PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
}
