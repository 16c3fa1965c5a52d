// What the session needs of the open file-manager window: its protocol log
// and its transfer progress display. The main window implements it and
// registers itself with FtpSession::SetLogWindow while it exists.
#pragma once

class IFtpLogWindow {
public:
    // One log line; kind 1 sent, 2 received, anything else a note.
    virtual void AppendLogLine(const char* text, int kind) = 0;
    virtual void EnableLogOutput(bool enable) = 0;
    // Non-zero when the user asked to stop the transfer.
    virtual int ShowTransferProgress(unsigned long bytes, int direction) = 0;
    // Called at least every 100 ms while the session waits on the server
    // with nothing moving (a command, a listing): paint, and non-zero when
    // the user asked to stop (Escape, or Stop where shown).
    virtual int PumpWhileWaiting() { return 0; }

protected:
    ~IFtpLogWindow() = default;
};
