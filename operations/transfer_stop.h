// CTransferStopLatch: stands between the session and the file-manager window
// for the length of one transfer.
// - It remembers a stop the user asked for. The engine gives the last
//   progress report of a file after the server has confirmed it, and a stop
//   asked then cannot stop that file; without the latch the click would be
//   used up and a tree of small files would go on.
// - It counts the bytes of the row being transferred: for a folder the bytes
//   of its files so far, so that the bar moves by every file of the tree;
//   and it carries the engine's 32-bit count over 4 GiB.
// - It shows at most one report every 25 ms: repainting the window for each
//   of many small files would cost more than moving them.
#pragma once

#include <chrono>
#include <cstdint>

#include "ftp_session.h"
#include "log_window.h"
#include "operation_feedback.h"

class CTransferStopLatch : public IFtpLogWindow {
public:
    explicit CTransferStopLatch(CFtpOperationFeedback& feedback)
        : m_pWindow(TheSession().LogWindow()), m_feedback(feedback) {
        if (m_pWindow != nullptr) TheSession().SetLogWindow(this);
    }
    ~CTransferStopLatch() {
        if (TheSession().LogWindow() == this) TheSession().SetLogWindow(m_pWindow);
    }
    CTransferStopLatch(const CTransferStopLatch&) = delete;
    CTransferStopLatch& operator=(const CTransferStopLatch&) = delete;

    bool Stopped() const { return m_bStopped; }
    // A new row (the display was reset) or the next file of a tree.
    void NextRow() { m_nBase = m_nLast = 0, m_bShown = m_bPending = false; }
    void NextFile() { m_nBase += m_nLast, m_nLast = 0; }

    void AppendLogLine(const char* text, int kind) override { m_pWindow->AppendLogLine(text, kind); }
    void EnableLogOutput(bool enable) override { m_pWindow->EnableLogOutput(enable); }
    int ShowTransferProgress(unsigned long bytes, int direction) override {
        // Less than before within one file: the engine's count went past 4 GiB.
        uint64_t high = m_nLast - m_nLast % kWrap;
        if (bytes < m_nLast % kWrap) high += kWrap;
        m_nLast = high + bytes;
        m_nDirection = direction;
        const auto now = std::chrono::steady_clock::now();
        m_bPending = m_bShown && now - m_lastShown < std::chrono::milliseconds(25);
        if (m_bPending) return m_bStopped ? 1 : 0;
        m_bShown = true, m_lastShown = now;
        return Latch(m_feedback.ShowTransferProgress(m_nBase + m_nLast, direction) ? 1 : 0);
    }
    // The last report, if it was held back: the row ends on its true count.
    void Flush() {
        if (m_bPending) m_bPending = false, Latch(m_feedback.ShowTransferProgress(m_nBase + m_nLast, m_nDirection));
    }
    int PumpWhileWaiting() override { return Latch(m_pWindow->PumpWhileWaiting()); }

private:
    static constexpr uint64_t kWrap = uint64_t{1} << 32;
    int Latch(int stop) {
        if (stop != 0) m_bStopped = true;
        return stop;
    }

    IFtpLogWindow* m_pWindow;
    CFtpOperationFeedback& m_feedback;
    bool m_bStopped = false;
    uint64_t m_nBase = 0;  // the row's bytes before the current file
    uint64_t m_nLast = 0;  // the current file's bytes
    int m_nDirection = 0;
    bool m_bShown = false;
    bool m_bPending = false;  // a report was held back
    std::chrono::steady_clock::time_point m_lastShown;
};
