// The maintenance and view commands of the file manager on one panel, local
// or remote alike: they work through the panel's virtual file operations,
// so the same code deletes a local file and a file on the site.
//
// Where each group lives:
//   name_check.cpp        ValidateName
//   ftp_name_dlg.cpp      CFtpNameDlg, the name asked for by rename and New
//   delete_rename.cpp     DeleteSelection, DeleteEntry, RenameSelection,
//                         RenameEntry, NewFolder
//   view_selection.cpp    ViewSelection, OpenParentFolder
#pragma once

#include <string>
#include <vector>

#include "ftp_file_list.h"
#include "operation_feedback.h"

// What the commands need of the window beyond the panel's owner: the busy
// state around a long command, and its feedback (the cancel pump and the
// progress display).
class IFtpOperationWindow {
public:
    virtual void SetBusy(bool busy) = 0;
    virtual CFtpOperationFeedback& Feedback() = 0;

protected:
    ~IFtpOperationWindow() = default;
};

// What the panel commands and the transfers share (delete_rename.cpp).
// The window of an operation's boxes and progress controls: the panel's
// owner window, else its parent.
HWND OperationOwner(CFtpFileList& panel);
// The selected rows among first..last, in order: a listing of thousands of
// rows is not visited row by row for a few selected ones.
std::vector<int> SelectedRows(const CFtpFileList& panel, int first, int last);
// The bar of `owner` from `low` to `high`, one step at a time; its position.
void SetProgressRange(HWND owner, int low, int high);
void SetProgressPos(HWND owner, int pos);

// 1 when `name` may become the name of a row of `panel`; else its message
// has been shown (owner: the panel's owner window) and 0. The order of the
// checks decides which message a name with several faults gets.
int ValidateName(CFtpFileList& panel, const std::string& name);

// The short-name rule of old systems: at most 8 characters before the
// extension, an extension of at most two letters after its dot, no blank.
bool IsShortName(const std::string& name);

class CFtpPanelOperations {
public:
    CFtpPanelOperations(CFtpFileList& panel, IFtpOperationWindow& window) : m_panel(panel), m_window(window) {}

    // Rows first..last (row numbers of the list view); only selected rows
    // count. A range outside the rows does nothing.
    void DeleteSelection(int first, int last);
    // False stops the whole delete (a failure, already shown, or a stop).
    bool DeleteEntry(int row, const std::string& name);
    void RenameSelection(int first, int last);
    // True when renamed or when there was nothing to rename; false when the
    // name was refused or the rename failed or was stopped.
    bool RenameEntry(int row, const std::string& newName);
    void NewFolder();

    // One folder (or "..") selected: opened; otherwise every selected file
    // is opened in turn with its application.
    void ViewSelection(int first, int last);
    // Up one folder; the folder just left is scrolled into view.
    void OpenParentFolder();

private:
    HWND Owner() const { return OperationOwner(m_panel); }
    bool Selected(int row) const { return (m_panel.GetItemState(row, LVIS_SELECTED) & LVIS_SELECTED) != 0; }
    // The row on show and the activity line `textId`, painted at once.
    void ShowRowStatus(int row, FileEntry* entry, UINT textId) const;
    bool StopRequested() const;

    CFtpFileList& m_panel;
    IFtpOperationWindow& m_window;
};
