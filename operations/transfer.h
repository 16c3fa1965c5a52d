// CFtpTransfer: Download and Upload, and a drop of rows from one panel on
// the other: the selected rows of the source panel are copied into the
// folder of the target panel, files one by one and folders with their whole
// tree. It works through the panels' virtual file operations, so a copy
// between two local folders (no session) takes the same road as a real
// upload; only folder creation and the tree walks know the sides.
//
// Where each group lives:
//   transfer.cpp       TransferSelection, TransferFile, TransferFolder
//   transfer_tree.cpp  UploadTree, DownloadTree, IsSafeLocalName
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ftp_file_list.h"
#include "panel_operations.h"

class CTransferStopLatch;

// Whether a name listed by a server may become a file of a local folder
// without leaving it or landing on something else: no separators, drive or
// stream colons, "." or "..", no character Windows refuses in a name, no
// trailing dot or blank (Windows drops them) and no device name (CON,
// NUL.txt...). `lead` tells the second bytes of double-byte characters,
// which may look like "\".
bool IsSafeLocalName(const std::string& name, const LeadBytes& lead);
// The note in the log for a listed name that was not copied.
void NoteSkippedName(const std::string& name, const std::string& folder);

class CFtpTransfer {
public:
    CFtpTransfer(CFtpFileList& source, IFtpOperationWindow& window) : m_source(source), m_window(window) {}

    // Rows first..last of the source; only selected rows count. `dropped`:
    // the rows were dropped on the target, which asks no question.
    void TransferSelection(int first, int last, CFtpFileList& target, bool dropped = false);
    // False ends the whole operation (a failure, already shown, or a stop).
    bool TransferFile(int row, CFtpFileList& target);
    bool KeepTime(const std::string& source, const std::string& copy, const FileEntry& original,
                  const CFtpFileList& target) const;
    // A failure inside a folder never stops the other rows.
    void TransferFolder(int row, CFtpFileList& target);
    // The content of a local folder into a folder of the target side; false
    // when a file was not copied (the copy stops there).
    bool UploadTree(const std::string& targetFolder, const std::string& sourceFolder, CFtpFileList& target);
    // The content of a remote folder into a local folder, over the remote
    // panel's tree walk; the session is back in its folder, with its
    // listing, afterwards.
    bool DownloadTree(const std::string& targetFolder, const std::string& sourceFolder, CFtpFileList& target);

private:
    uint64_t SelectionBytes(const std::vector<int>& rows);
    // The row on show, the display reset; false when a stop has been asked
    // (then or before).
    bool ShowRow(int row, FileEntry* entry);
    int MakeTargetFolder(CFtpFileList& target, const std::string& path) const;
    class DownloadVisitor;

    bool StopAsked() const;
    // The next file of a tree begins: the bar goes on from the files before.
    void NextFile() const;

    CFtpFileList& m_source;
    IFtpOperationWindow& m_window;
    CTransferStopLatch* m_pStop = nullptr;  // while TransferSelection runs
};
