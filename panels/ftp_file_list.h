// CFtpFileList: the file panel, a report-style list view showing one folder
// (Name, Size, Modified), and its file operations on the local disk. The
// remote panel derives from it and overrides the eleven virtual operations,
// whose slot order is fixed. Rows carry no texts: the list view asks for
// them (callback texts), answered from the FileEntry records the panel owns.
//
// Where each group lives:
//   ftp_file_list.cpp            construction, shared image list, InitPanel,
//                                ShowFolder, FreeEntries
//   ftp_file_list_rows.cpp       FillList and the path history,
//                                AddOrUpdateEntry, display texts, GetFileIcon
//   ftp_file_list_sort.cpp       SortEntries, CompareEntries, column clicks
//   ftp_file_list_local.cpp      GetParentPath, MakePath, ViewFile, ReadFolder
//   ftp_file_list_local_ops.cpp  CreateFolder ... GetFolderSize (slots 5-11)
//   ftp_file_list_status.cpp     ShowEntryStatus (the owner's status lines)
//   ftp_file_list_events.cpp     the user's side: clicks and focus, keys,
//                                double-click, label editing, drag and drop
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <cstdint>
#include <string>
#include <vector>

#include "combo_box.h"
#include "file_entry.h"
#include "lead_bytes.h"
#include "list_ctrl.h"
#include "msg_map.h"

class IFtpPanelOwner;

// Opens `file` with the shell ("open", shown normally), with `parameters`
// when not null; the shell's answer (above 32 is success). Tests replace it
// to see what a view would open.
using ShellOpenFunction = INT_PTR (*)(HWND owner, const char* file, const char* parameters);
INT_PTR ShellOpenDefault(HWND owner, const char* file, const char* parameters);
// How a panel sounds a refused key (MessageBeep's argument); tests count them.
using BeepFunction = BOOL(WINAPI*)(UINT type);

class CFtpFileList : public CListCtrl {
public:
    CFtpFileList();
    ~CFtpFileList() override;

    // ---- Set-up and showing a folder (ftp_file_list.cpp) ----
    // Columns, images and the first listing; m_pOwner and m_pPathCombo are set.
    void InitPanel();
    // The single way to change the folder: read it, fill the rows, sort.
    void ShowFolder(std::string path);
    // Deletes the records; the caller deletes the list-view items first.
    void FreeEntries();
    // The image list both panels share (created by the first panel).
    static HIMAGELIST SharedImageList() { return s_hImages; }

    // ---- Rows (ftp_file_list_rows.cpp) ----
    void FillList();
    // Shows a file or folder that an operation created, copied or renamed
    // without listing again; an existing row of the same icon and name
    // (letter case ignored) is updated instead. Its time is now, or that of
    // `timeOf` (the original of a copy that kept its original's time).
    static void AddOrUpdateEntry(CFtpFileList* panel, uint8_t image, const std::string& name, const std::string& sizeText,
                                 int64_t size, const FileEntry* timeOf = nullptr);
    static void GetFileIcon(const std::string& fileName, FileEntry* entry);
    // The record of row `item`, or null.
    FileEntry* EntryAt(int item) const { return reinterpret_cast<FileEntry*>(GetItemData(item)); }

    // ---- Sorting (ftp_file_list_sort.cpp) ----
    void SortEntries();
    // A click on a column heading: that column, the other direction.
    void OnColumnClicked(int column);
    // The list view's sort callback: parent entry, links, folders, files;
    // the column (low two bits of `param`) orders within a group, reversed
    // when any higher bit is set.
    // Name order compares keys that PrepareSortKey makes once per record and
    // sort. SortEntries works the order out once over the records and lets
    // the list view sort its rows by each record's place in it.
    static int CALLBACK CompareEntries(LPARAM a, LPARAM b, LPARAM param);
    static void PrepareSortKey(FileEntry& entry);

    // ---- The virtual file operations, in their fixed slot order ----
    // (ftp_file_list_local.cpp)
    virtual BOOL GetParentPath(std::string& path);                              // 1
    virtual std::string MakePath(const std::string& folder, const std::string& name);  // 2
    virtual BOOL ViewFile(const std::string& name);                             // 3
    virtual void ReadFolder();                                                  // 4
    // (ftp_file_list_local_ops.cpp) 0 is success; the local side shows no
    // message, the caller does.
    virtual int CreateFolder(const std::string& path);                          // 5
    virtual int RemoveFile(const std::string& path);                            // 6
    virtual int RemoveFolder(const std::string& path);                          // 7
    virtual int RenameItem(const std::string& oldPath, const std::string& newPath);  // 8
    virtual int PutFile(const std::string& source, const std::string& target);  // 9
    virtual int GetFile(const std::string& target, const std::string& source);  // 10
    virtual void GetFolderSize(const std::string& folder, uint64_t& total);     // 11

    // ---- Status lines of the owner window (ftp_file_list_status.cpp) ----
    void ShowEntryStatus(FileEntry* entry);

    BEGIN_MSG_MAP(CFtpFileList, CListCtrl)
        ON_NOTIFY_REFLECT(LVN_GETDISPINFOA, OnGetDispInfo)
        ON_NOTIFY_REFLECT(LVN_COLUMNCLICK, OnColumnClick)
        // the user's side (ftp_file_list_events.cpp)
        ON_NOTIFY_REFLECT(NM_CLICK, OnActivatingNotify)
        ON_NOTIFY_REFLECT(NM_SETFOCUS, OnActivatingNotify)
        ON_NOTIFY_REFLECT(LVN_ITEMCHANGED, OnItemChanged)
        ON_NOTIFY_REFLECT(LVN_KEYDOWN, OnKeyNotify)
        ON_NOTIFY_REFLECT(NM_DBLCLK, OnDoubleClick)
        ON_NOTIFY_REFLECT(LVN_BEGINLABELEDITA, OnBeginLabelEdit)
        ON_NOTIFY_REFLECT(LVN_ENDLABELEDITA, OnEndLabelEdit)
        ON_NOTIFY_REFLECT(LVN_BEGINDRAG, OnBeginDrag)
        ON_WM_SETFOCUS()
        ON_WM_KILLFOCUS()
        ON_WM_NCPAINT()
        ON_WM_MOUSEMOVE()
        ON_WM_LBUTTONUP()
        ON_MESSAGE(WM_CAPTURECHANGED, OnCaptureChanged)
    END_MSG_MAP()

    IFtpPanelOwner* m_pOwner = nullptr;
    CComboBox* m_pPathCombo = nullptr;
    std::string m_strPath;
    std::string m_strPrevPath;
    std::string m_strMask = "*.*";
    BOOL m_bRemote = FALSE;
    std::vector<FileEntry*> m_entries;  // listing order; owned
    uint8_t m_bSortDesc[3] = {0, 0, 0};  // Name, Size, Modified
    uint8_t m_nSortColumn = 0;
    BOOL m_bCancel = 1;
    BOOL m_bListed = FALSE;
    BOOL m_bTruncateOldTimes = FALSE;
    BOOL m_bDragging = FALSE;
    POINT m_ptDragHotSpot = {0, 0};
    HIMAGELIST m_pDragImage = nullptr;
    // How both views (local and remote) open a file; the shell by default.
    static ShellOpenFunction s_pShellOpen;
    static BeepFunction s_pBeep;
    // The lead bytes of the code page of local names: separators and cuts
    // are found by character. The process's ANSI code page.
    LeadBytes m_leadBytes = LeadBytesOf(CP_ACP);

protected:
    HWND OwnerWindow() const;
    // Opens a local file as the local view does: a lower-cased `path` that
    // holds ".pkg" goes to Notepad, anything else opens itself.
    BOOL OpenLocalFile(const std::string& path) const;
    int InsertRow(int index, FileEntry* entry) const;

private:
    void OnGetDispInfo(NMHDR* header, LRESULT* result);
    void OnColumnClick(NMHDR* header, LRESULT* result);
    // ---- the user's side (ftp_file_list_events.cpp) ----
    void OnActivatingNotify(NMHDR* header, LRESULT* result);
    void OnItemChanged(NMHDR* header, LRESULT* result);
    void OnKeyNotify(NMHDR* header, LRESULT* result);
    void OnDoubleClick(NMHDR* header, LRESULT* result);
    void OnBeginLabelEdit(NMHDR* header, LRESULT* result);
    void OnEndLabelEdit(NMHDR* header, LRESULT* result);
    void OnBeginDrag(NMHDR* header, LRESULT* result);
    void OnSetFocus(HWND lost);
    void OnKillFocus(HWND gaining);
    void OnNcPaint();
    void OnMouseMove(UINT flags, POINT point);
    void OnLButtonUp(UINT flags, POINT point);
    LRESULT OnCaptureChanged(WPARAM, LPARAM);
    // Whether `window` is a child of this panel (its label edit field).
    bool IsOwnChild(HWND window) const;
    // The drag steps; `point` is in this panel's client coordinates.
    bool StartDrag(int item, POINT start);
    void MoveDrag(POINT point);
    void Drop(POINT point);
    // Takes the drag image away and gives the mouse back: the end of every drag.
    void EndDragImage();
    // The owner's child window under `point` (owner window coordinates).
    HWND OwnerChildAt(POINT point) const;
    void AddPathToHistory() const;
    void RankEntries(LPARAM param);
    struct ListingContext;
    void AddFoundEntry(const WIN32_FIND_DATAA& found, ListingContext& context);

    // The process-wide image list of the panels, and how many panels use it.
    static HIMAGELIST s_hImages;
    static int s_nPanels;
};
