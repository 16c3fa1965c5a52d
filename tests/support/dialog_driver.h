// Drives a modal dialog from a helper thread, as a user would: waits until a
// visible dialog with the given title appears, then runs an action on it
// (read controls, type, click). A dialog still open at the deadline is
// cancelled, so that a failing test fails instead of hanging.
#pragma once

#include <windows.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <string>
#include <thread>

class DialogDriver {
public:
    DialogDriver(std::string title, std::function<void(HWND)> action, int timeoutMs = 15000)
        : m_title(std::move(title)), m_action(std::move(action)) {
        m_thread = std::thread([this, timeoutMs] { Watch(timeoutMs); });
    }
    ~DialogDriver() { Stop(); }

    void Stop() {
        m_stop = true;
        if (m_thread.joinable()) m_thread.join();
    }
    bool Seen() const { return m_seen; }

    static std::string ControlText(HWND dialog, int id) {
        char text[4096] = "";
        SendDlgItemMessageA(dialog, id, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
        return text;
    }
    static void SetControlText(HWND dialog, int id, const char* text) {
        SendDlgItemMessageA(dialog, id, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
    }
    // Posted: the dialog's own thread handles the click in its modal loop.
    static void Click(HWND dialog, int id) { PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }
    static HWND FocusOf(HWND dialog) {
        GUITHREADINFO info = {};
        info.cbSize = sizeof info;
        GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &info);
        return info.hwndFocus;
    }

private:
    // Tests run in parallel processes: a dialog of the same title in another
    // one is not ours.
    static HWND FindOwnDialog(const char* title) {
        for (HWND dialog = FindWindowExA(nullptr, nullptr, "#32770", title); dialog != nullptr;
             dialog = FindWindowExA(nullptr, dialog, "#32770", title)) {
            DWORD process = 0;
            GetWindowThreadProcessId(dialog, &process);
            if (process == GetCurrentProcessId()) return dialog;
        }
        return nullptr;
    }
    void Watch(int timeoutMs) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        while (!m_stop) {
            HWND dialog = FindOwnDialog(m_title.c_str());
            if (dialog && IsWindowVisible(dialog)) {
                if (!m_seen) {
                    m_seen = true;
                    m_action(dialog);
                } else if (std::chrono::steady_clock::now() > deadline) {
                    Click(dialog, IDCANCEL);
                }
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }

    std::string m_title;
    std::function<void(HWND)> m_action;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_seen{false};
    std::thread m_thread;
};
