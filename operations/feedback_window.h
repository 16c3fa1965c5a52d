// What the operation feedback needs of the file-manager window: the window
// that holds the progress controls and owns the message boxes, and its title.
#pragma once

#include <windows.h>

class IFtpFeedbackWindow {
public:
    virtual HWND GetOwnerWindow() const = 0;
    // The title with "  (percent%)" while percent is above 0.
    virtual void UpdateTitle(int percent) = 0;

protected:
    ~IFtpFeedbackWindow() = default;
};
