// FtpSession: the one FTP connection of the process, with the server's last
// message, the single-file listing flag, the clock offset and the log
// window. It lives from library load to unload (TheSession()).
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "log_window.h"
#include "ut_ftpclient.h"

class FtpSession {
public:
    static constexpr int kMessageSize = 4096;

    CUT_FTPClient& Client() { return m_client; }

    // The server's last message, refreshed after each engine call.
    const char* LastMessage() const { return m_lastMessage; }
    char* LastMessageBuffer() { return m_lastMessage; }
    void CopyLastMessage() { m_client.GetLastMessage(m_lastMessage, kMessageSize - 1); }
    void ClearLastMessage() { m_lastMessage[0] = '\0'; }

    // Whether the clock probe may list one named file; once cleared it stays
    // cleared for the rest of the process.
    bool SingleFileListing() const { return m_singleFileListing; }
    void ClearSingleFileListing() { m_singleFileListing = false; }

    // Local time minus the server's listed time, in 100-ns units.
    int64_t ClockOffset() const { return m_clockOffset; }
    bool OffsetMeasured() const { return m_offsetMeasured; }
    void SetClockOffset(int64_t offset, bool measured) {
        m_clockOffset = offset;
        m_offsetMeasured = measured;
    }

    // The connection's certificate question: the window it is shown over
    // (null: nobody to ask) and why the last certificate was refused.
    HWND CertificateParent() const { return m_certificateParent; }
    std::string& CertificateRefusal() { return m_certificateRefusal; }
    void SetCertificateParent(HWND parent) {
        m_certificateParent = parent;
        m_certificateRefusal.clear();
    }

    // The open file-manager window, or null.
    IFtpLogWindow* LogWindow() const { return m_logWindow; }
    void SetLogWindow(IFtpLogWindow* window) { m_logWindow = window; }
    // Writes string `id` to the log window as the session's own note.
    void LogNote(unsigned stringId);
    // Writes `text` to the log window as a note.
    void LogText(const std::string& text) {
        if (m_logWindow) m_logWindow->AppendLogLine(text.c_str(), 0);
    }

private:
    CUT_FTPClient m_client;
    char m_lastMessage[kMessageSize] = {};
    bool m_singleFileListing = true;
    int64_t m_clockOffset = 0;
    bool m_offsetMeasured = false;
    IFtpLogWindow* m_logWindow = nullptr;
    HWND m_certificateParent = nullptr;
    std::string m_certificateRefusal;
};

FtpSession& TheSession();
