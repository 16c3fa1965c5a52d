// Reads and answers the message boxes a test's own thread shows, from a
// helper thread: each box's text, default button and icon are read back from
// the box itself, then it is answered with a button id, or with the Enter
// key (answer 0), as a user would.
#pragma once

#include <mutex>
#include <vector>

#include "dialog_driver.h"

struct SeenMessageBox {
    std::string text;
    int defaultButton = 0;  // the button drawn as the default one
    HICON icon = nullptr;
};

class MessageBoxReader {
public:
    static constexpr int kPressEnter = 0;

    explicit MessageBoxReader(int answer, int timeoutMs = 10000)
        : m_answer(answer),
          m_owner(GetCurrentThreadId()),
          m_watcher([this] { return DialogWatcher::ThreadDialog(m_owner, kTextId); },
                    [this](HWND box) { ReadAndAnswer(box); }, true, timeoutMs) {}

    void Stop() { m_watcher.Stop(); }
    std::vector<SeenMessageBox> Boxes() {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_boxes;
    }

private:
    static constexpr int kTextId = 0xFFFF;  // the box's text control
    static constexpr int kIconId = 0x0440;  // the box's icon control

    // The default button is the one with the default style (the dialog
    // manager's DM_GETDEFID is not kept up to date by every system).
    static int DefaultButtonOf(HWND box) {
        for (int id : {IDOK, IDCANCEL, IDABORT, IDRETRY, IDIGNORE, IDYES, IDNO}) {
            HWND button = GetDlgItem(box, id);
            if (button != nullptr && (GetWindowLongA(button, GWL_STYLE) & 0x0F) == BS_DEFPUSHBUTTON) return id;
        }
        return 0;
    }
    void ReadAndAnswer(HWND box) {
        Sleep(50);  // let it take the focus
        const HICON icon = reinterpret_cast<HICON>(SendDlgItemMessageA(box, kIconId, STM_GETICON, 0, 0));
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_boxes.push_back({DialogWatcher::ControlText(box, kTextId), DefaultButtonOf(box), icon});
        }
        if (m_answer != kPressEnter) return DialogWatcher::Click(box, m_answer);
        HWND target = DialogWatcher::FocusOf(box);
        if (target == nullptr) target = box;
        PostMessageA(target, WM_KEYDOWN, VK_RETURN, 1);
        PostMessageA(target, WM_KEYUP, VK_RETURN, 0xC0000001);
    }

    int m_answer;
    DWORD m_owner;
    std::mutex m_mutex;
    std::vector<SeenMessageBox> m_boxes;
    DialogWatcher m_watcher;  // last: it starts at construction
};
