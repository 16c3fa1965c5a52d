#include "ftp_session.h"

#include "module.h"

FtpSession& TheSession() {
    // Created on first use, destroyed when the library is unloaded.
    static FtpSession session;
    return session;
}

void FtpSession::LogNote(unsigned stringId) {
    if (m_logWindow) m_logWindow->AppendLogLine(LoadResourceString(stringId).c_str(), 0);
}
