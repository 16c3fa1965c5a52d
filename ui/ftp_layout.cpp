#include "ftp_layout.h"

#include <algorithm>

namespace {

bool IsZeroRect(const RECT& r) { return r.left == 0 && r.top == 0 && r.right == 0 && r.bottom == 0; }

// Half a change, added to an edge: computed in double precision and
// truncated toward zero, which for the positive coordinates of a window
// rounds to nearest with halves up.
LONG AddHalf(LONG edge, int d) { return static_cast<LONG>(edge + d / 2.0 + 0.5); }

// The new near and far edge along one axis. `extent` is the window's current
// extent less its sizing frame, used by rule 3 only.
void PlaceAxis(int rule, LONG nearStart, LONG farStart, int d, int extent, int center, LONG& nearOut, LONG& farOut) {
    nearOut = nearStart;
    farOut = farStart;
    switch (rule) {
    case 1:
        farOut = farStart + d;
        break;
    case 2:
        nearOut = nearStart + d;
        farOut = farStart + d;
        break;
    case 3:
        nearOut = extent / 2 + center;
        farOut = nearOut + (farStart - nearStart);
        break;
    case 4:
        farOut = AddHalf(farStart, d);
        break;
    case 5:
        nearOut = AddHalf(nearStart, d);
        farOut = farStart + d;
        break;
    case 6:
        nearOut = AddHalf(nearStart, d);
        farOut = AddHalf(farStart, d);
        break;
    default:
        break;  // 0 and unknown rules: the control stays where it started
    }
}

}  // namespace

CFtpLayout::CFtpLayout(UINT templateId, HWND parent) : CDialog(templateId, parent) {}

CFtpLayout::~CFtpLayout() = default;

BOOL CFtpLayout::OnInitDialog() {
    CDialog::OnInitDialog();
    // No frame recalculation is asked for: the window keeps its size, and
    // the start rectangles are taken from it as it is.
    ModifyStyle(0, WS_THICKFRAME);
    GetWindowRect(&m_rcInitial);
    for (HWND child = ::GetWindow(m_hWnd, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
        const int id = ::GetDlgCtrlID(child);
        if (id != 0) AddControl(static_cast<UINT>(id), 0, 0, FALSE, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    m_bInitialized = true;
    return TRUE;
}

void CFtpLayout::AddControl(UINT id, int horz, int vert, BOOL erase, UINT swpFlags) {
    HWND control = GetDlgItem(static_cast<int>(id));
    if (control == nullptr) return;
    LayoutItem item;
    item.nID = id;
    item.nHorz = horz;
    item.nVert = vert;
    item.bErase = erase ? 1 : 0;
    item.nSwpFlags = swpFlags;
    ::GetWindowRect(control, &item.rcStart);
    ScreenToClient(&item.rcStart);
    item.rcCurrent = item.rcStart;
    if (horz == 3) item.nCenterX = item.rcStart.left - (m_rcInitial.right - m_rcInitial.left) / 2;
    if (vert == 3) item.nCenterY = item.rcStart.top - (m_rcInitial.bottom - m_rcInitial.top) / 2;
    if (m_bKeepRects) item.rcStart = RECT{};

    for (size_t i = 0; i < m_nItems; ++i) {
        if (m_items[i].nID != id) continue;
        for (size_t j = i; j + 1 < m_nItems; ++j) m_items[j] = m_items[j + 1];  // whole records move up
        --m_nItems;
        break;
    }
    StoreAt(m_nItems++, item);
}

void CFtpLayout::StoreAt(size_t index, const LayoutItem& item) {
    if (index >= m_items.size()) {
        // A place that never held a record has no start rectangle to keep:
        // the control's own rectangle is the only sensible start.
        m_items.push_back(item);
        if (IsZeroRect(m_items.back().rcStart)) m_items.back().rcStart = item.rcCurrent;
        return;
    }
    const RECT kept = m_items[index].rcStart;
    m_items[index] = item;
    if (IsZeroRect(item.rcStart)) m_items[index].rcStart = kept;
}

void CFtpLayout::OffsetControl(UINT id, int dx, int dy) {
    for (size_t i = 0; i < m_nItems; ++i) {
        if (m_items[i].nID != id) continue;
        ::OffsetRect(&m_items[i].rcStart, dx, dy);
        return;
    }
}

void CFtpLayout::OnSize(UINT, int, int) {
    Default();
    // The size parameters are not used: the window rectangle less the sizing
    // frame is compared with the initial rectangle, which keeps its frame.
    RECT r;
    GetWindowRect(&r);
    r.right -= ::GetSystemMetrics(SM_CXFRAME);
    r.bottom -= ::GetSystemMetrics(SM_CYFRAME);
    if (m_nItems == 0) return;
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    const int dx = width - (m_rcInitial.right - m_rcInitial.left);
    const int dy = height - (m_rcInitial.bottom - m_rcInitial.top);

    HDWP batch = ::BeginDeferWindowPos(std::max(static_cast<int>(m_nItems), 20));
    for (size_t i = 0; i < m_nItems; ++i) {
        LayoutItem& item = m_items[i];
        RECT rc;
        PlaceAxis(item.nHorz, item.rcStart.left, item.rcStart.right, dx, width, item.nCenterX, rc.left, rc.right);
        PlaceAxis(item.nVert, item.rcStart.top, item.rcStart.bottom, dy, height, item.nCenterY, rc.top, rc.bottom);
        HWND control = GetDlgItem(static_cast<int>(item.nID));
        // A failed deferred move ends the whole batch; a control that has
        // gone since it was registered is left out instead.
        if (batch != nullptr && control != nullptr)
            batch = ::DeferWindowPos(batch, control, nullptr, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top,
                                     item.nSwpFlags);
        item.rcCurrent = rc;
    }
    if (batch != nullptr) ::EndDeferWindowPos(batch);
}

void CFtpLayout::OnGetMinMaxInfo(MINMAXINFO* info) {
    if (m_bInitialized) {
        const LONG width = m_rcInitial.right - m_rcInitial.left;
        const LONG height = m_rcInitial.bottom - m_rcInitial.top;
        info->ptMinTrackSize = POINT{width, height};
        if (!m_bResizeX) info->ptMaxSize.x = info->ptMaxTrackSize.x = width;
        if (!m_bResizeY) info->ptMaxSize.y = info->ptMaxTrackSize.y = height;
    }
    Default();
}

BOOL CFtpLayout::OnEraseBkgnd(HDC dc) {
    // Controls that paint their whole rectangle are left out of the erase,
    // so that resizing does not flash them.
    for (size_t i = 0; i < m_nItems; ++i) {
        const RECT& rc = m_items[i].rcCurrent;
        if (!m_items[i].bErase) ::ExcludeClipRect(dc, rc.left, rc.top, rc.right, rc.bottom);
    }
    return static_cast<BOOL>(Default());
}
