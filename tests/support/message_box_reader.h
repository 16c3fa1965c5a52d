// Reads and answers the message boxes a test's own thread shows, from a
// helper thread: the box's caption, text, default button and icon are read
// back from the box itself, then it is answered with a button id, or with
// the Enter key (answer 0), as a user would. A box left open at the
// deadline is cancelled, so that a failing test fails instead of hanging.
#pragma once

#include <windows.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

struct SeenMessageBox {
    std::string caption;
    std::string text;
    int defaultButton = 0;  // the button drawn as the default one
    HICON icon = nullptr;
};

class MessageBoxReader {
public:
    static constexpr int kPressEnter = 0;
    static constexpr int kTextId = 0xFFFF;  // the box's text control
    static constexpr int kIconId = 0x0440;  // the box's icon control

    explicit MessageBoxReader(int answer, int timeoutMs = 10000)
        : m_answer(answer), m_thread(GetCurrentThreadId()) {
        m_watcher = std::thread([this, timeoutMs] { Watch(timeoutMs); });
    }
    ~MessageBoxReader() { Stop(); }

    void Stop() {
        m_stop = true;
        if (m_watcher.joinable()) m_watcher.join();
    }
    std::vector<SeenMessageBox> Boxes() {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_boxes;
    }

private:
    static BOOL CALLBACK FindBox(HWND window, LPARAM out) {
        char className[16] = "";
        GetClassNameA(window, className, sizeof className);
        if (std::string(className) == "#32770" && IsWindowVisible(window) && GetDlgItem(window, kTextId) != nullptr) {
            *reinterpret_cast<HWND*>(out) = window;
            return FALSE;
        }
        return TRUE;
    }
    // The box's default button is the one with the default style (the dialog
    // manager's DM_GETDEFID is not kept up to date by every system).
    static int DefaultButtonOf(HWND box) {
        for (int id : {IDOK, IDCANCEL, IDABORT, IDRETRY, IDIGNORE, IDYES, IDNO}) {
            HWND button = GetDlgItem(box, id);
            if (button != nullptr && (GetWindowLongA(button, GWL_STYLE) & 0x0F) == BS_DEFPUSHBUTTON) return id;
        }
        return 0;
    }
    static std::string TextOf(HWND window) {
        char text[4096] = "";
        SendMessageA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
        return text;
    }
    void Answer(HWND box) {
        if (m_answer != kPressEnter) {
            PostMessageA(box, WM_COMMAND, static_cast<WPARAM>(m_answer), 0);
            return;
        }
        GUITHREADINFO info = {};
        info.cbSize = sizeof info;
        GetGUIThreadInfo(m_thread, &info);
        HWND target = info.hwndFocus != nullptr ? info.hwndFocus : box;
        PostMessageA(target, WM_KEYDOWN, VK_RETURN, 1);
        PostMessageA(target, WM_KEYUP, VK_RETURN, 0xC0000001);
    }
    void Watch(int timeoutMs) {
        using namespace std::chrono;
        HWND answered = nullptr;
        auto deadline = steady_clock::now() + milliseconds(timeoutMs);
        while (!m_stop) {
            HWND box = nullptr;
            EnumThreadWindows(m_thread, FindBox, reinterpret_cast<LPARAM>(&box));
            if (box != nullptr && box != answered) {
                std::this_thread::sleep_for(milliseconds(50));  // let it take the focus
                SeenMessageBox seen;
                seen.caption = TextOf(box);
                seen.text = TextOf(GetDlgItem(box, kTextId));
                seen.defaultButton = DefaultButtonOf(box);
                seen.icon = reinterpret_cast<HICON>(SendDlgItemMessageA(box, kIconId, STM_GETICON, 0, 0));
                {
                    std::lock_guard<std::mutex> lock(m_mutex);
                    m_boxes.push_back(seen);
                }
                Answer(box);
                answered = box;
                deadline = steady_clock::now() + milliseconds(timeoutMs);
            } else if (box != nullptr && steady_clock::now() > deadline) {
                PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
            }
            std::this_thread::sleep_for(milliseconds(10));
        }
    }

    int m_answer;
    DWORD m_thread;
    std::atomic<bool> m_stop{false};
    std::mutex m_mutex;
    std::vector<SeenMessageBox> m_boxes;
    std::thread m_watcher;
};
