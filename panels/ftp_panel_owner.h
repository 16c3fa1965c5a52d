// IFtpPanelOwner: what a file panel needs of the file-manager window. The
// main window implements it; the panel test host implements the part it
// needs. The commands a panel starts from a key, a double-click, an edited
// label or a drop run in the window, which owns the file operations: a
// window without them (the test host) leaves them at these do-nothing forms.
#pragma once

#include <string>

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

    // ---- Commands a panel starts (rows are list-view rows) ----
    // The selection of `panel` changed: the command states may follow.
    virtual void OnPanelSelectionChanged(CFtpFileList* /*panel*/) {}
    // Opens or views the selected rows first..last (a double-click: one row,
    // -1 when the pointer was over none).
    virtual void ViewSelection(CFtpFileList& /*panel*/, int /*first*/, int /*last*/) {}
    // Deletes the selected rows first..last after asking.
    virtual void DeleteSelection(CFtpFileList& /*panel*/, int /*first*/, int /*last*/) {}
    // Renames row `row` to `newName` (an edited label); false when refused,
    // failed or stopped, its message already shown.
    virtual bool RenameEntry(CFtpFileList& /*panel*/, int /*row*/, const std::string& /*newName*/) { return false; }
    // Lists the other panel again when it shows the active panel's folder.
    virtual void SyncOtherPanel() {}
    // Rows were dropped on `window`: 1 when it was the other panel (the
    // transfer has run), else 0.
    virtual int OnPanelDrop(HWND /*window*/) { return 0; }

protected:
    ~IFtpPanelOwner() = default;
};
