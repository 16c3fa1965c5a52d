// CListCtrl: the list-view control (the panels use the report view). Rows
// and columns are 0-based; -1 means none. Texts are ANSI.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "wnd.h"

class CListCtrl : public CWnd {
public:
    // ---- Attributes ----
    int GetItemCount() const { return static_cast<int>(SendMessage(LVM_GETITEMCOUNT)); }
    UINT GetSelectedCount() const { return static_cast<UINT>(SendMessage(LVM_GETSELECTEDCOUNT)); }
    int GetNextItem(int start, UINT flags) const {
        return static_cast<int>(SendMessage(LVM_GETNEXTITEM, static_cast<WPARAM>(start), static_cast<LPARAM>(flags)));
    }
    UINT GetItemState(int item, UINT mask) const {
        return static_cast<UINT>(SendMessage(LVM_GETITEMSTATE, static_cast<WPARAM>(item), mask));
    }
    BOOL SetItemState(int item, UINT state, UINT mask) const {
        LVITEMA lv = {};
        lv.state = state;
        lv.stateMask = mask;
        return static_cast<BOOL>(SendMessage(LVM_SETITEMSTATE, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&lv)));
    }
    DWORD_PTR GetItemData(int item) const {
        LVITEMA lv = {};
        lv.mask = LVIF_PARAM;
        lv.iItem = item;
        return SendMessage(LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&lv)) ? static_cast<DWORD_PTR>(lv.lParam) : 0;
    }
    BOOL SetItemData(int item, DWORD_PTR data) const {
        LVITEMA lv = {};
        lv.mask = LVIF_PARAM;
        lv.iItem = item;
        lv.lParam = static_cast<LPARAM>(data);
        return static_cast<BOOL>(SendMessage(LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&lv)));
    }
    std::string GetItemText(int item, int subItem) const;
    BOOL SetItemText(int item, int subItem, LPCSTR text) const {
        LVITEMA lv = {};
        lv.iSubItem = subItem;
        lv.pszText = const_cast<LPSTR>(text);
        return static_cast<BOOL>(SendMessage(LVM_SETITEMTEXTA, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&lv)));
    }
    HIMAGELIST SetImageList(HIMAGELIST images, int kind) const {
        return reinterpret_cast<HIMAGELIST>(
            SendMessage(LVM_SETIMAGELIST, static_cast<WPARAM>(kind), reinterpret_cast<LPARAM>(images)));
    }
    DWORD SetExtendedStyle(DWORD style) const {
        return static_cast<DWORD>(SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, static_cast<LPARAM>(style)));
    }
    int GetStringWidth(LPCSTR text) const {
        return static_cast<int>(SendMessage(LVM_GETSTRINGWIDTHA, 0, reinterpret_cast<LPARAM>(text)));
    }
    BOOL GetItemRect(int item, RECT* rect, UINT code) const {
        rect->left = static_cast<LONG>(code);
        return static_cast<BOOL>(SendMessage(LVM_GETITEMRECT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(rect)));
    }
    HWND GetEditControl() const { return reinterpret_cast<HWND>(SendMessage(LVM_GETEDITCONTROL)); }
    int GetTopIndex() const { return static_cast<int>(SendMessage(LVM_GETTOPINDEX)); }

    // ---- Operations ----
    int InsertColumn(int column, LPCSTR heading, int format, int width) const {
        LVCOLUMNA lc = {};
        lc.mask = LVCF_TEXT | LVCF_FMT | LVCF_WIDTH | LVCF_SUBITEM;
        lc.fmt = format;
        lc.cx = width;
        lc.pszText = const_cast<LPSTR>(heading);
        lc.iSubItem = column;
        return static_cast<int>(SendMessage(LVM_INSERTCOLUMNA, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&lc)));
    }
    int InsertItem(const LVITEMA* item) const {
        return static_cast<int>(SendMessage(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(item)));
    }
    BOOL DeleteItem(int item) const { return static_cast<BOOL>(SendMessage(LVM_DELETEITEM, static_cast<WPARAM>(item))); }
    BOOL DeleteAllItems() const { return static_cast<BOOL>(SendMessage(LVM_DELETEALLITEMS)); }
    BOOL SortItems(PFNLVCOMPARE compare, LPARAM data) const {
        return static_cast<BOOL>(SendMessage(LVM_SORTITEMS, static_cast<WPARAM>(data), reinterpret_cast<LPARAM>(compare)));
    }
    BOOL EnsureVisible(int item, BOOL partialOk) const {
        return static_cast<BOOL>(SendMessage(LVM_ENSUREVISIBLE, static_cast<WPARAM>(item), partialOk));
    }
    BOOL Update(int item) const { return static_cast<BOOL>(SendMessage(LVM_UPDATE, static_cast<WPARAM>(item))); }
    BOOL RedrawItems(int first, int last) const {
        return static_cast<BOOL>(SendMessage(LVM_REDRAWITEMS, static_cast<WPARAM>(first), last));
    }
    int HitTest(POINT point, UINT* flags = nullptr) const {
        LVHITTESTINFO info = {};
        info.pt = point;
        const int item = static_cast<int>(SendMessage(LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&info)));
        if (flags != nullptr) *flags = info.flags;
        return item;
    }
    // The list view's own drag image of `item`; `origin` receives its
    // upper-left corner in client coordinates. The caller destroys it.
    HIMAGELIST CreateDragImage(int item, POINT* origin) const {
        return reinterpret_cast<HIMAGELIST>(
            SendMessage(LVM_CREATEDRAGIMAGE, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(origin)));
    }
    HWND EditLabel(int item) const { return reinterpret_cast<HWND>(SendMessage(LVM_EDITLABELA, static_cast<WPARAM>(item))); }
};
