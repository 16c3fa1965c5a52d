// Plays the user in the dialogs a test's own code shows, from a helper
// thread: a visible dialog that `find` returns is handed to `action` (the
// first one only, or every new one), and a dialog still open at the deadline
// is cancelled, so that a failing test fails instead of hanging.
#pragma once

#include <windows.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <string>
#include <thread>

class DialogWatcher {
public:
    using Action = std::function<void(HWND)>;
    DialogWatcher(std::function<HWND()> find, Action action, bool everyNew, int timeoutMs)
        : m_thread([this, find, action, everyNew, timeoutMs] { Watch(find, action, everyNew, timeoutMs); }) {}
    ~DialogWatcher() { Stop(); }

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
    // The first visible dialog of `thread` that has a control `childId` (0: any).
    static HWND ThreadDialog(DWORD thread, int childId = 0) {
        for (HWND d = FindWindowExA(nullptr, nullptr, "#32770", nullptr); d != nullptr;
             d = FindWindowExA(nullptr, d, "#32770", nullptr))
            if (GetWindowThreadProcessId(d, nullptr) == thread && IsWindowVisible(d) &&
                (childId == 0 || GetDlgItem(d, childId) != nullptr))
                return d;
        return nullptr;
    }

private:
    void Watch(const std::function<HWND()>& find, const Action& action, bool everyNew, int timeoutMs) {
        using namespace std::chrono;
        HWND handled = nullptr;
        auto deadline = steady_clock::now() + milliseconds(timeoutMs);
        while (!m_stop) {
            HWND dialog = find();
            if (dialog != nullptr && (everyNew ? dialog != handled : !m_seen)) {
                m_seen = true;
                action(dialog);
                handled = dialog;
                deadline = steady_clock::now() + milliseconds(timeoutMs);
            } else if (dialog != nullptr && steady_clock::now() > deadline) {
                Click(dialog, IDCANCEL);
            }
            std::this_thread::sleep_for(milliseconds(10));
        }
    }

    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_seen{false};
    std::thread m_thread;  // last: it starts at construction
};

// Drives the first dialog of the given title in this process (tests run in
// parallel processes: a dialog of the same title in another one is not ours).
class DialogDriver : public DialogWatcher {
public:
    DialogDriver(const std::string& title, Action action, int timeoutMs = 15000)
        : DialogWatcher([title] { return OwnDialog(title.c_str()); }, std::move(action), false, timeoutMs) {}

private:
    static HWND OwnDialog(const char* title) {
        for (HWND dialog = FindWindowExA(nullptr, nullptr, "#32770", title); dialog != nullptr;
             dialog = FindWindowExA(nullptr, dialog, "#32770", title)) {
            DWORD process = 0;
            GetWindowThreadProcessId(dialog, &process);
            if (process == GetCurrentProcessId() && IsWindowVisible(dialog)) return dialog;
        }
        return nullptr;
    }
};
