#include "bitmap.h"

#include <commctrl.h>

#include "module.h"

BOOL CBitmap::LoadMappedBitmap(UINT id, COLORREF face) {
    DeleteObject();
    COLORMAP map = {RGB(192, 192, 192), face};
    m_hBitmap = CreateMappedBitmap(ResourceModule(), static_cast<INT_PTR>(id), 0, &map, 1);
    return m_hBitmap != nullptr;
}

BOOL CBitmap::DeleteObject() {
    if (m_hBitmap == nullptr) return FALSE;
    const BOOL deleted = ::DeleteObject(m_hBitmap);
    m_hBitmap = nullptr;
    return deleted;
}

SIZE CBitmap::GetSize() const {
    BITMAP info = {};
    if (m_hBitmap == nullptr || ::GetObjectA(m_hBitmap, sizeof info, &info) == 0) return SIZE{0, 0};
    return SIZE{info.bmWidth, info.bmHeight};
}
