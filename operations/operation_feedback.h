// CFtpOperationFeedback: the cancel test and the progress display of a file
// operation running on the file-manager window's own thread. The window owns
// one; its state (cursors, pointer over Stop, last byte count and percent)
// lasts as long as the window, so it carries over from one operation to the
// next until the reset call ShowTransferProgress(0, 0).
//
//   pump_messages.cpp      PumpMessages: Stop and Escape, cursor, repaint;
//                          PumpWhileWaiting: painting only, during a wait
//   transfer_progress.cpp  ShowTransferProgress: bar, byte line, title percent
#pragma once

#include <windows.h>

#include <cstdint>

#include "feedback_window.h"

class CFtpOperationFeedback {
public:
    explicit CFtpOperationFeedback(IFtpFeedbackWindow& window) : m_window(window) {}

    // Looks only at messages already waiting: true when a waiting Escape
    // key-down or left-button message for `stopButton` asks to stop. Lets
    // the window handle its other waiting messages (painting) meanwhile.
    bool PumpMessages(HWND stopButton);

    // While one command waits on the server (the window's commands still
    // enabled): dispatches only the painting of `window` and its children,
    // drops every key and click, and is true when Escape, or a press on the
    // child `stopId`, asks to end the wait.
    bool PumpWhileWaiting(HWND window, int stopId);

    // `bytes` of the current file so far; direction 1 sending, 2 receiving,
    // anything else no transfer (0, 0 resets the display before each item).
    // Returns PumpMessages' answer.
    bool ShowTransferProgress(uint64_t bytes, int direction);

    bool PointerOverStop() const { return m_bPointerOverStop; }

private:
    void SetActivityLine(uint64_t bytes, int direction) const;
    int ProgressPercent() const;

    IFtpFeedbackWindow& m_window;
    HCURSOR m_hWaitCursor = nullptr;
    HCURSOR m_hArrowCursor = nullptr;
    bool m_bPointerOverStop = false;
    uint64_t m_nLastBytes = 0;
    int16_t m_nLastPercent = 0;
};
