// IFtpPanelOwner: what a file panel needs of the file-manager window. The
// main window implements it; until it exists, the panel test host does.
#pragma once

#include "feedback_window.h"

class CFtpFileList;

class IFtpPanelOwner : public IFtpFeedbackWindow {
public:
    // Makes `panel` the active panel and recomputes the command states.
    virtual void SetActivePanel(CFtpFileList* panel) = 0;
    // The active panel, and the one that is not; null before the first.
    virtual CFtpFileList* GetActivePanel() const = 0;
    virtual CFtpFileList* GetOtherPanel() const = 0;
    // The server's connection was found closed after a failure was shown:
    // the window goes back to the local side once the operation has ended.
    virtual void SessionLost() {}

protected:
    ~IFtpPanelOwner() = default;
};
