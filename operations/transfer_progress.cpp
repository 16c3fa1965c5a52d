#include "operation_feedback.h"

#include <commctrl.h>

#include "message_text.h"
#include "module.h"
#include "resource.h"
#include "size_text.h"
#include "transfer_stop.h"

bool CFtpOperationFeedback::ShowTransferProgress(uint64_t bytes, int direction) {
    HWND window = m_window.GetOwnerWindow();
    // No more than last time: a new file has begun (or this is the reset).
    if (bytes <= m_nLastBytes) {
        m_nLastPercent = 0;
        m_nLastBytes = 0;
    }
    SendDlgItemMessageA(window, IDC_PROGRESS, PBM_DELTAPOS, static_cast<WPARAM>((bytes - m_nLastBytes) / kBytesPerStep), 0);
    m_nLastBytes = bytes;
    SetActivityLine(bytes, direction);
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);

    const int percent = ProgressPercent();
    // The title is rewritten only when the percentage has changed.
    if (percent != m_nLastPercent) m_window.UpdateTitle(percent);
    m_nLastPercent = static_cast<int16_t>(percent);
    return PumpMessages(GetDlgItem(window, IDC_STOP));
}

void CFtpOperationFeedback::SetActivityLine(uint64_t bytes, int direction) const {
    std::string text;
    if (direction == 1 || direction == 2) {
        text = TrimLeft(FormatSizeText(static_cast<int64_t>(bytes))) + " " +
               LoadResourceString(direction == 1 ? IDS_BYTES_SENT : IDS_BYTES_RECEIVED);
    }
    SetDlgItemTextA(m_window.GetOwnerWindow(), IDC_ACTIVITY_LINE, TrimLeft(text).c_str());
}

int CFtpOperationFeedback::ProgressPercent() const {
    HWND bar = GetDlgItem(m_window.GetOwnerWindow(), IDC_PROGRESS);
    PBRANGE range = {};
    SendMessageA(bar, PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
    if (range.iHigh == range.iLow) return 0;
    const auto position = static_cast<int64_t>(SendMessageA(bar, PBM_GETPOS, 0, 0));
    // In 64 bits: a bar of more than 21 million steps (5 GB) would overflow
    // the product in 32.
    return static_cast<int>(position * 100 / (static_cast<int64_t>(range.iHigh) - range.iLow));
}
