#include "ftp_main_dlg.h"

// One line per protocol line: ">" sent, "<" received, "~" the system's own
// notes. Each line starts with a line break, so the box's first row stays
// empty and no line waits for its end.
void CFtpMainDlg::AppendLogLine(const char* text, int kind) {
    HWND log = m_hWnd != nullptr ? GetDlgItem(IDC_LOG) : nullptr;
    if (!m_bLogEnabled || log == nullptr || text == nullptr) return;
    const char marker = kind == 1 ? '>' : kind == 2 ? '<' : '~';
    std::string line = "\r\n";
    line += marker;
    line += ' ';
    line += text;
    const LRESULT lastLine = ::SendMessageA(log, EM_GETLINECOUNT, 0, 0) - 1;
    const LRESULT lineStart = ::SendMessageA(log, EM_LINEINDEX, static_cast<WPARAM>(lastLine), 0);
    const LRESULT end = lineStart + ::SendMessageA(log, EM_LINELENGTH, static_cast<WPARAM>(lineStart), 0);
    ::SendMessageA(log, EM_SETSEL, static_cast<WPARAM>(end), end);
    ::SendMessageA(log, EM_SCROLLCARET, 0, 0);
    ::SendMessageA(log, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(line.c_str()));
}

int CFtpMainDlg::ShowTransferProgress(unsigned long bytes, int direction) {
    return m_feedback.ShowTransferProgress(bytes, direction) ? 1 : 0;
}

int CFtpMainDlg::PumpWhileWaiting() { return m_feedback.PumpWhileWaiting(m_hWnd, IDC_STOP) ? 1 : 0; }
