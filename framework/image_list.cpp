#include "image_list.h"

#include "module.h"

BOOL CImageList::Create(int width, int height, UINT flags, int initial, int grow) {
    DeleteImageList();
    m_hImageList = ImageList_Create(width, height, flags, initial, grow);
    return m_hImageList != nullptr;
}

BOOL CImageList::Create(UINT bitmapId, int width, int grow, COLORREF mask) {
    DeleteImageList();
    m_hImageList = ImageList_LoadImageA(ResourceModule(), MAKEINTRESOURCEA(bitmapId), width, grow, mask,
                                        IMAGE_BITMAP, 0);
    return m_hImageList != nullptr;
}

BOOL CImageList::DeleteImageList() {
    if (m_hImageList == nullptr) return FALSE;
    const BOOL deleted = ImageList_Destroy(m_hImageList);
    m_hImageList = nullptr;
    return deleted;
}

int CImageList::AddBitmapResource(UINT bitmapId, COLORREF mask) const {
    // A device-dependent bitmap: an 8-bit section would be copied into an
    // 8-bit list by colour index, and its own colour table lost.
    HBITMAP bitmap = static_cast<HBITMAP>(LoadImageA(ResourceModule(), MAKEINTRESOURCEA(bitmapId), IMAGE_BITMAP, 0, 0, 0));
    if (bitmap == nullptr) return -1;
    const int index = Add(bitmap, mask);  // the list copies the pixels
    DeleteObject(bitmap);
    return index;
}
