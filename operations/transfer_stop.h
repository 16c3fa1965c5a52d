// CTransferStopLatch: stands between the session and the file-manager window
// for the length of one transfer.
// - It remembers a stop the user asked for, and answers every later report
//   and wait with a stop. The engine gives the last progress report of a
//   file after the server has confirmed it, and a stop asked then cannot
//   stop that file; a stop asked while folders are sized or while the
//   display is reset between rows reaches no transfer at all. Without the
//   latch such a click would be used up and the next file would run whole.
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

// A bar that shows bytes counts them in units of this many.
constexpr uint64_t kBytesPerStep = 256;

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
    // A new row: the display is reset (which pumps, and may see a stop).
    // True once a stop has been asked.
    bool NextRow() {
        m_nBase = m_nLast = 0, m_bShown = m_bPending = false;
        return Latch(m_feedback.ShowTransferProgress(0, 0) ? 1 : 0) != 0;
    }
    // The next file of a tree.
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
    // 1 from the first stop on, whatever the window answers now.
    int Latch(int stop) {
        if (stop != 0) m_bStopped = true;
        return m_bStopped ? 1 : 0;
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
