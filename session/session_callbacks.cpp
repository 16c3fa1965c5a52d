// The engine's progress and trace callbacks: they reach the file-manager
// window when one is open, and watch the greeting for servers that cannot
// list a single named file.
#include <cstring>

#include "ftp_session.h"
#include "session_ops.h"

int OnTransferProgress(unsigned long bytes, int direction) {
    IFtpLogWindow* window = TheSession().LogWindow();
    return window ? window->ShowTransferProgress(bytes, direction) : 0;
}

int OnServerWait() {
    IFtpLogWindow* window = TheSession().LogWindow();
    return window ? window->PumpWhileWaiting() : 0;
}

void OnProtocolTrace(const char* text, int kind) {
    if (text == nullptr) return;
    FtpSession& session = TheSession();
    if (IFtpLogWindow* window = session.LogWindow()) window->AppendLogLine(text, kind);
    if (session.SingleFileListing() && GreetsAsPallix(text, kind)) session.ClearSingleFileListing();
}

// Servers greeting as "Pallix FTP" do not list a single file by name.
bool GreetsAsPallix(const char* text, int kind) {
    return kind == 2 && std::strncmp(text, "220", 3) == 0 && std::strlen(text) > 4 &&
           std::strstr(text + 4, "Pallix FTP") != nullptr;
}
