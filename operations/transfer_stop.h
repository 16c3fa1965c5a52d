// CTransferStopLatch: stands between the session and the file-manager window
// for the length of one transfer and remembers a stop the user asked for.
// The engine gives the last progress report of a file after the server has
// confirmed it, and a stop asked then cannot stop that file; without the
// latch the click would be used up and a tree of small files would go on.
#pragma once

#include "ftp_session.h"
#include "log_window.h"

class CTransferStopLatch : public IFtpLogWindow {
public:
    CTransferStopLatch() : m_pWindow(TheSession().LogWindow()) {
        if (m_pWindow != nullptr) TheSession().SetLogWindow(this);
    }
    ~CTransferStopLatch() {
        if (TheSession().LogWindow() == this) TheSession().SetLogWindow(m_pWindow);
    }
    CTransferStopLatch(const CTransferStopLatch&) = delete;
    CTransferStopLatch& operator=(const CTransferStopLatch&) = delete;

    bool Stopped() const { return m_bStopped; }

    void AppendLogLine(const char* text, int kind) override { m_pWindow->AppendLogLine(text, kind); }
    void EnableLogOutput(bool enable) override { m_pWindow->EnableLogOutput(enable); }
    int ShowTransferProgress(unsigned long bytes, int direction) override {
        return Latch(m_pWindow->ShowTransferProgress(bytes, direction));
    }
    int PumpWhileWaiting() override { return Latch(m_pWindow->PumpWhileWaiting()); }

private:
    int Latch(int stop) {
        if (stop != 0) m_bStopped = true;
        return stop;
    }

    IFtpLogWindow* m_pWindow;
    bool m_bStopped = false;
};
