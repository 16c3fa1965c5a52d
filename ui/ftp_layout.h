// CFtpLayout: turns a fixed dialog template into a resizable window. It
// records the window's rectangle and every registered control's rectangle at
// the start, and on each resize places every control by a horizontal and a
// vertical rule, all in one deferred batch. Every layout starts from those
// start rectangles and the initial size, never from the last layout, so
// repeated resizing cannot drift.
//
// Rules, with d the change of the window's extent along the axis (the
// current extent is the window's less its sizing frame):
//   0 fixed                    4 far edge moves by d/2 (rounded)
//   1 far edge moves by d      5 near edge by d/2, far edge by d
//   2 both edges move by d     6 both edges move by d/2
//   3 keeps its size and its offset from the window's middle
// Any other value counts as 0.
#pragma once

#include <windows.h>

#include <vector>

#include "dialog.h"

struct LayoutItem {
    UINT nID = 0;
    int nHorz = 0;
    int nVert = 0;
    UINT nSwpFlags = 0;
    BYTE bErase = 0;     // 0: the background erase leaves the control's rectangle alone
    RECT rcStart = {};   // client coordinates; what the rules start from
    RECT rcCurrent = {}; // client coordinates; what the control was last given
    int nCenterX = 0;    // rule 3: start left less half the initial window width
    int nCenterY = 0;    // rule 3: start top less half the initial window height
};

class CFtpLayout : public CDialog {
public:
    CFtpLayout(UINT templateId, HWND parent);
    ~CFtpLayout() override;

    // Registers control `id` (again: the old record goes, the new one comes
    // last). An id without a control is ignored.
    void AddControl(UINT id, int horz, int vert, BOOL erase, UINT swpFlags);
    // Empties the registrations; the storage and its start rectangles stay
    // (see m_bKeepRects).
    void RemoveAllControls() { m_nItems = 0; }
    // Shifts the start rectangle of the first record of `id`.
    void OffsetControl(UINT id, int dx, int dy);
    void SetResizable(BOOL horizontal, BOOL vertical) {
        m_bResizeX = horizontal;
        m_bResizeY = vertical;
    }

    int GetItemCount() const { return static_cast<int>(m_nItems); }
    const LayoutItem& GetItem(int index) const { return m_items.at(static_cast<size_t>(index)); }

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange*) override {}

    void OnSize(UINT type, int cx, int cy);
    void OnGetMinMaxInfo(MINMAXINFO* info);
    BOOL OnEraseBkgnd(HDC dc);

    BEGIN_MSG_MAP(CFtpLayout, CDialog)
        ON_WM_SIZE()
        ON_WM_GETMINMAXINFO()
        ON_WM_ERASEBKGND()
    END_MSG_MAP()

protected:
    std::vector<LayoutItem> m_items;  // storage; the first m_nItems records are registered
    size_t m_nItems = 0;
    RECT m_rcInitial = {};            // window rectangle at initialisation (screen)
    BOOL m_bResizeX = FALSE;
    BOOL m_bResizeY = FALSE;
    bool m_bInitialized = false;
    // While set, a registration keeps the start rectangle that its place in
    // the storage already holds, so that re-registering the same controls in
    // the same order renews their rules without losing where they started.
    bool m_bKeepRects = false;

private:
    void StoreAt(size_t index, const LayoutItem& item);
};
