// CImageList: an image list it owns (destroyed with the object unless
// detached), and the drag-image calls, which work on the one image list
// being dragged in the process.
#pragma once

#include <windows.h>

#include <commctrl.h>

class CImageList {
public:
    CImageList() = default;
    ~CImageList() { DeleteImageList(); }
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;

    BOOL Create(int width, int height, UINT flags, int initial, int grow);
    // Images `width` pixels wide cut from bitmap resource `id`, with `mask`
    // as the transparent colour.
    BOOL Create(UINT bitmapId, int width, int grow, COLORREF mask);
    void Attach(HIMAGELIST images) {
        DeleteImageList();
        m_hImageList = images;
    }
    HIMAGELIST Detach() {
        HIMAGELIST images = m_hImageList;
        m_hImageList = nullptr;
        return images;
    }
    BOOL DeleteImageList();
    HIMAGELIST GetSafeHandle() const { return m_hImageList; }
    operator HIMAGELIST() const { return m_hImageList; }

    // ---- Attributes ----
    int GetImageCount() const { return ImageList_GetImageCount(m_hImageList); }
    COLORREF SetBkColor(COLORREF colour) const { return ImageList_SetBkColor(m_hImageList, colour); }

    // ---- Operations ----
    // Adds the images of `bitmap`; `mask` is their transparent colour.
    int Add(HBITMAP bitmap, COLORREF mask) const { return ImageList_AddMasked(m_hImageList, bitmap, mask); }
    int AddBitmapResource(UINT bitmapId, COLORREF mask) const;
    BOOL Draw(HDC dc, int image, POINT at, UINT style) const {
        return ImageList_Draw(m_hImageList, image, dc, at.x, at.y, style);
    }

    // ---- Dragging ----
    BOOL BeginDrag(int image, POINT hotSpot) const { return ImageList_BeginDrag(m_hImageList, image, hotSpot.x, hotSpot.y); }
    BOOL SetDragCursorImage(int image, POINT hotSpot) const {
        return ImageList_SetDragCursorImage(m_hImageList, image, hotSpot.x, hotSpot.y);
    }
    static BOOL DragEnter(HWND lock, POINT at) { return ImageList_DragEnter(lock, at.x, at.y); }
    static BOOL DragMove(POINT at) { return ImageList_DragMove(at.x, at.y); }
    static BOOL DragLeave(HWND lock) { return ImageList_DragLeave(lock); }
    static BOOL DragShowNolock(BOOL show) { return ImageList_DragShowNolock(show); }
    static void EndDrag() { ImageList_EndDrag(); }

private:
    HIMAGELIST m_hImageList = nullptr;
};
