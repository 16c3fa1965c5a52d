// The user's side of a panel: activation by click and focus, keys, the
// double-click, in-place renaming and dragging rows onto the other panel.
// The list view's notifications come back to the panel reflected by the
// window; the commands themselves run in the owner window.
#include "ftp_file_list.h"
#include "ftp_panel_owner.h"
#include "image_list.h"
#include "module.h"
#include "resource.h"

BeepFunction CFtpFileList::s_pBeep = ::MessageBeep;

namespace {

// The longest name a label edit takes.
constexpr int kMaxLabel = 256;
// The picture of several rows being dragged.
constexpr int kMultipleImageWidth = 24;
constexpr COLORREF kMultipleImageMask = RGB(0, 0, 128);

// One drag at a time in the process, whichever panel started it: the
// no-drop cursor while it is shown, and the cursor it replaced.
HCURSOR s_hNoDropCursor = nullptr;
HCURSOR s_hCursorBeforeNoDrop = nullptr;

POINT Minus(POINT a, POINT b) { return POINT{a.x - b.x, a.y - b.y}; }

}  // namespace

void CFtpFileList::OnActivatingNotify(NMHDR*, LRESULT*) {
    if (m_pOwner != nullptr) m_pOwner->SetActivePanel(this);
}

// A row selected or deselected changes what the window's commands can do.
void CFtpFileList::OnItemChanged(NMHDR* header, LRESULT*) {
    const auto* change = reinterpret_cast<const NMLISTVIEW*>(header);
    if ((change->uChanged & LVIF_STATE) != 0 && m_pOwner != nullptr) m_pOwner->OnPanelSelectionChanged(this);
}

// Enter, F2 and F9 never get here: the window takes them first. A panel
// that was never listed has nothing to act on and only beeps.
void CFtpFileList::OnKeyNotify(NMHDR* header, LRESULT*) {
    const WORD key = reinterpret_cast<const NMLVKEYDOWN*>(header)->wVKey;
    if (!m_bListed) {
        s_pBeep(MB_ICONEXCLAMATION);
        return;
    }
    if (m_pOwner == nullptr) return;
    switch (key) {
        case VK_DELETE: m_pOwner->DeleteSelection(*this, 0, GetItemCount() - 1); break;
        case VK_F5: ShowFolder(m_strPath); break;
        // The list view moves the selection itself; the arrows only make
        // sure the panel typed in is the active one.
        case VK_UP:
        case VK_DOWN: m_pOwner->SetActivePanel(this); break;
        default: break;
    }
}

// The row under the pointer now, not the one the notification names: a
// double-click beside every row views nothing (-1).
void CFtpFileList::OnDoubleClick(NMHDR*, LRESULT*) {
    POINT point = {};
    ::GetCursorPos(&point);
    ::ScreenToClient(m_hWnd, &point);
    const int row = HitTest(point);
    if (m_pOwner != nullptr) m_pOwner->ViewSelection(*this, row, row);
}

// The parent entry is not a name of this folder: it cannot be renamed.
void CFtpFileList::OnBeginLabelEdit(NMHDR* header, LRESULT* result) {
    const auto* info = reinterpret_cast<const NMLVDISPINFOA*>(header);
    HWND edit = GetEditControl();
    if (edit != nullptr) ::SendMessageA(edit, EM_LIMITTEXT, kMaxLabel, 0);
    const FileEntry* entry = EntryAt(info->item.iItem);
    *result = entry != nullptr && entry->nImage == IMG_PARENT ? 1 : 0;
}

// The result stays 0: the list view never stores the typed label, the row
// shows what its record holds after the rename, renamed or not.
void CFtpFileList::OnEndLabelEdit(NMHDR* header, LRESULT* result) {
    const auto* info = reinterpret_cast<const NMLVDISPINFOA*>(header);
    *result = 0;
    if (info->item.iItem == -1 || info->item.pszText == nullptr || m_pOwner == nullptr) return;
    const std::string newName = info->item.pszText;
    m_pOwner->RenameEntry(*this, info->item.iItem, newName);
    m_pOwner->SyncOtherPanel();
}

bool CFtpFileList::IsOwnChild(HWND window) const { return window != nullptr && ::IsChild(m_hWnd, window) != FALSE; }

// The selection is drawn differently with and without the focus; the label
// edit field taking or giving back the focus changes nothing of that.
void CFtpFileList::OnSetFocus(HWND lost) {
    Default();
    if (!IsOwnChild(lost)) Invalidate(TRUE);
}

void CFtpFileList::OnKillFocus(HWND gaining) {
    Default();
    if (!IsOwnChild(gaining)) Invalidate(FALSE);
}

void CFtpFileList::OnNcPaint() {
    Invalidate(FALSE);
    Default();
}

// ---- Drag and drop ----------------------------------------------------------

void CFtpFileList::OnBeginDrag(NMHDR* header, LRESULT* result) {
    const auto* info = reinterpret_cast<const NMLISTVIEW*>(header);
    *result = 0;
    StartDrag(info->iItem, info->ptAction);
}

// Silent when the drag cannot start: nothing to drop on, no selected row
// under the pointer, or one folder alone, which is opened rather than
// dragged.
bool CFtpFileList::StartDrag(int item, POINT start) {
    const int selected = static_cast<int>(GetSelectedCount());
    s_hNoDropCursor = nullptr;
    s_hCursorBeforeNoDrop = nullptr;
    CFtpFileList* other = m_pOwner != nullptr ? m_pOwner->GetOtherPanel() : nullptr;
    if (other == nullptr || other->m_hWnd == nullptr || other == this) return false;
    if (m_bDragging || item < 0 || selected == 0) return false;
    const FileEntry* entry = EntryAt(item);
    if ((GetItemState(item, LVIS_SELECTED) & LVIS_SELECTED) == 0 || entry == nullptr ||
        entry->nImage == IMG_UNDER_CONSTRUCTION)
        return false;
    if (selected == 1 && IsFolderLike(entry->nImage)) return false;

    POINT origin = {};
    HIMAGELIST image = CreateDragImage(item, &origin);
    if (image == nullptr) return false;
    if (selected > 1) {
        ImageList_Destroy(image);
        CImageList several;
        several.Create(IDB_DRAG_MULTIPLE, kMultipleImageWidth, 1, kMultipleImageMask);
        image = several.Detach();
        if (image == nullptr) return false;
    }
    m_pDragImage = image;
    m_bDragging = TRUE;

    // The image moves in the owner window's coordinates: the hot spot
    // carries the pointer from this panel's client area to them.
    HWND owner = OwnerWindow();
    RECT panelRect = {}, ownerRect = {};
    GetWindowRect(&panelRect);
    ::GetWindowRect(owner, &ownerRect);
    m_ptDragHotSpot = Minus(Minus(start, POINT{panelRect.left - ownerRect.left, panelRect.top - ownerRect.top}), origin);
    if (selected > 1) m_ptDragHotSpot = POINT{0, m_ptDragHotSpot.y + 12};

    const POINT at = Minus(start, m_ptDragHotSpot);
    CImageList::DragShowNolock(TRUE);
    ImageList_SetDragCursorImage(m_pDragImage, 0, 0, 0);
    ImageList_BeginDrag(m_pDragImage, 0, 0, 0);
    CImageList::DragEnter(owner, at);
    CImageList::DragMove(at);
    ::ShowCursor(TRUE);
    ::SetCapture(m_hWnd);
    return true;
}

HWND CFtpFileList::OwnerChildAt(POINT point) const {
    HWND owner = OwnerWindow();
    return owner != nullptr ? ::ChildWindowFromPoint(owner, point) : nullptr;
}

void CFtpFileList::OnMouseMove(UINT, POINT point) {
    if (m_bDragging && m_pDragImage != nullptr) MoveDrag(point);
    Default();
}

// Only the other panel, once listed, takes a drop: anywhere else shows the
// no-drop cursor until the pointer comes back over it.
void CFtpFileList::MoveDrag(POINT point) {
    const POINT at = Minus(point, m_ptDragHotSpot);
    HWND owner = OwnerWindow();
    const CFtpFileList* other = m_pOwner->GetOtherPanel();
    const HWND target = OwnerChildAt(at);
    if (other != nullptr && target == other->m_hWnd && other->m_bListed) {
        if (s_hCursorBeforeNoDrop != nullptr) {
            ::SetCursor(s_hCursorBeforeNoDrop);
            s_hCursorBeforeNoDrop = nullptr;
            s_hNoDropCursor = nullptr;
        }
    } else if (s_hNoDropCursor == nullptr) {
        s_hNoDropCursor = ::LoadCursorA(ResourceModule(), MAKEINTRESOURCEA(IDCUR_NO_DROP));
        s_hCursorBeforeNoDrop = ::SetCursor(s_hNoDropCursor);
    }
    // Leaving and entering again repaints the image at its new place.
    CImageList::DragMove(at);
    CImageList::DragLeave(owner);
    CImageList::DragEnter(owner, at);
}

void CFtpFileList::OnLButtonUp(UINT, POINT point) {
    if (m_bDragging) Drop(point);
    else Default();
}

// The transfer runs inside the owner's drop handling while this panel is
// still marked as dragging: that is how it knows not to ask first.
void CFtpFileList::Drop(POINT point) {
    const HWND target = OwnerChildAt(Minus(point, m_ptDragHotSpot));
    EndDragImage();
    if (m_pOwner != nullptr) m_pOwner->OnPanelDrop(target);
    m_bDragging = FALSE;
}

void CFtpFileList::EndDragImage() {
    CImageList::DragLeave(OwnerWindow());
    CImageList::EndDrag();
    if (m_pDragImage != nullptr) ImageList_Destroy(m_pDragImage);
    m_pDragImage = nullptr;
    ::ShowCursor(TRUE);
    ::ReleaseCapture();  // its WM_CAPTURECHANGED finds no image left
}

// The mouse taken away during a drag (another window activated, a message
// box): the button's release will not come here, so the drag ends without
// a drop; else the next click in this panel would drop the rows unasked.
LRESULT CFtpFileList::OnCaptureChanged(WPARAM, LPARAM gaining) {
    if (m_bDragging && m_pDragImage != nullptr && reinterpret_cast<HWND>(gaining) != m_hWnd) {
        EndDragImage();
        if (s_hCursorBeforeNoDrop != nullptr) ::SetCursor(s_hCursorBeforeNoDrop);
        s_hNoDropCursor = s_hCursorBeforeNoDrop = nullptr;
        m_bDragging = FALSE;
    }
    return Default();
}
