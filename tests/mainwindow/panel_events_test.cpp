// The panels of the file manager as the user works them: keys, double-click,
// renaming in place, and dragging rows onto the other panel.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "dialog_driver.h"
#include "ftp_main_dlg.h"
#include "message_text.h"
#include "module.h"
#include "test_files.h"

namespace {

using Names = std::vector<std::string>;
Names g_log;  // message boxes, beeps and files opened, in turn
BOOL WINAPI RecordBeep(UINT) { return g_log.push_back("beep"), TRUE; }
INT_PTR RecordOpen(HWND, const char* file, const char*) {
    return g_log.push_back("open:" + std::string(file).substr(std::string(file).find_last_of('\\') + 1)), 33;
}
std::string Box(UINT id, const char* insert = "") { return "box:" + InsertTexts(LoadResourceString(id), insert, ""); }

// The top panel on "..", sub (holding in.txt), x.txt and y.txt, the active
// one with `select` selected; the bottom panel on an empty folder.
struct Window {
    testfiles::TempFolder top, bottom;
    CFtpMainDlg dlg{nullptr};
    CFtpFileList& panel = dlg.m_top;
    explicit Window(const Names& select) {
        CreateDirectoryA(top.Path("sub").c_str(), nullptr);
        for (const char* name : {"x.txt", "y.txt", "sub\\in.txt"}) testfiles::WriteFile(top.Path(name), name);
        dlg.m_strInitialLocal = bottom.Root();
        dlg.Create(nullptr);
        panel.ShowFolder(top.Root());
        SetFocus(panel.m_hWnd);  // makes it the active panel
        for (int i = 0; i < panel.GetItemCount(); ++i)
            panel.SetItemState(i, std::count(select.begin(), select.end(), panel.GetItemText(i, 0)) ? LVIS_SELECTED : 0,
                               LVIS_SELECTED);
        CFtpFileList::s_pBeep = RecordBeep, CFtpFileList::s_pShellOpen = RecordOpen, g_log.clear();
    }
    ~Window() {
        DestroyWindow(dlg.m_hWnd);
        CFtpFileList::s_pBeep = ::MessageBeep, CFtpFileList::s_pShellOpen = ShellOpenDefault;
    }
    static Names Rows(const CFtpFileList& list) {
        Names names;
        for (int i = 0; i < list.GetItemCount(); ++i) names.push_back(list.GetItemText(i, 0));
        return std::sort(names.begin(), names.end()), names;
    }
    int Row(const std::string& name) const {
        int row = panel.GetItemCount() - 1;
        while (row > 0 && panel.GetItemText(row, 0) != name) --row;
        return row;
    }
    // Near the icon of row `name` (empty: below the rows), in client coordinates.
    POINT RowPoint(const std::string& name) const {
        RECT r = {};
        panel.GetItemRect(Row(name), &r, LVIR_ICON);
        return POINT{r.left + 4, r.top + 4 + (name.empty() ? 100 : 0)};
    }
};

struct Case {
    Names select;
    std::function<void(Window&)> act;
    int answer;  // to every message box
    Names log, rows;
};
void Key(Window& w, UINT key) { SendMessageA(w.panel.m_hWnd, WM_KEYDOWN, key, 0); }
void DoubleClick(Window& w, const std::string& row) {
    POINT p = w.RowPoint(row), screen = p;
    ClientToScreen(w.panel.m_hWnd, &screen), SetCursorPos(screen.x, screen.y);
    SendMessageA(w.panel.m_hWnd, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(p.x, p.y));
}
void EditLabel(Window& w, const char* typed, UINT endKey) {
    HWND edit = w.panel.EditLabel(w.panel.GetNextItem(-1, LVNI_SELECTED));
    g_log.push_back(edit == nullptr ? "no edit" : "limit " + std::to_string(SendMessageA(edit, EM_GETLIMITTEXT, 0, 0)));
    if (edit != nullptr) SetWindowTextA(edit, typed), SendMessageA(edit, WM_KEYDOWN, endKey, 0);
}

TEST(PanelEvents, KeysDoubleClickAndLabelEdits) {
    const Names all = {"..", "sub", "x.txt", "y.txt"}, withNew = {"..", "new.txt", "sub", "x.txt", "y.txt"};
    const Case cases[] = {
        {{}, [](Window& w) { Key(w, VK_F5); }, IDOK, {}, withNew},
        {{"x.txt"}, [](Window& w) { Key(w, VK_DELETE); }, IDOK, {Box(IDS_ASK_DELETE, "1")}, {"..", "sub", "y.txt"}},
        {{"x.txt"}, [](Window& w) { Key(w, VK_DELETE); }, IDCANCEL, {Box(IDS_ASK_DELETE, "1")}, all},
        {{"x.txt"}, [](Window& w) { w.panel.m_bListed = FALSE, Key(w, VK_DELETE), Key(w, VK_F5); }, IDOK,
         {"beep", "beep"}, all},
        {{"y.txt"}, [](Window& w) { DoubleClick(w, "y.txt"); }, IDOK, {"open:y.txt"}, all},
        {{"y.txt"}, [](Window& w) { DoubleClick(w, ""); }, IDOK, {}, all},
        {{"sub"}, [](Window& w) { DoubleClick(w, "sub"); }, IDOK, {}, {"..", "in.txt"}},
        {{".."}, [](Window& w) { EditLabel(w, "", 0); }, IDOK, {"no edit"}, all},
        {{"x.txt"}, [](Window& w) { EditLabel(w, "z.txt", VK_RETURN); }, IDOK, {"limit 256"}, {"..", "sub", "y.txt", "z.txt"}},
        {{"x.txt"}, [](Window& w) { EditLabel(w, "y.txt", VK_RETURN); }, IDOK, {"limit 256", Box(IDS_NAME_IN_USE)}, all},
        {{"x.txt"}, [](Window& w) { EditLabel(w, "z.txt", VK_ESCAPE); }, IDOK, {"limit 256"}, all},
    };
    for (const Case& c : cases) {
        Window w(c.select);
        testfiles::WriteFile(w.top.Path("new.txt"), "");  // seen only by a new listing
        DialogWatcher user([t = GetCurrentThreadId()] { return DialogWatcher::ThreadDialog(t, 0xFFFF); }, [&](HWND d) {
            g_log.push_back("box:" + DialogWatcher::ControlText(d, 0xFFFF)), DialogWatcher::Click(d, c.answer);
        }, true, 10000);
        c.act(w);
        user.Stop();
        EXPECT_EQ(c.log, g_log) << &c - cases;
        EXPECT_EQ(c.rows, Window::Rows(w.panel)) << &c - cases;
    }
}

// Rows dragged from the top panel and let go over the bottom panel (listed
// or never listed), the top panel itself or a button. One folder alone does
// not drag. The no-drop cursor shows where a drop would be refused.
TEST(PanelEvents, RowsDroppedOnTheOtherPanelAreCopiedThere) {
    enum Place { kOther, kNeverListed, kSelf, kButton };
    const struct {
        Names select;
        Place place;
        Names log;  // "drag" when a drag started, "no-drop" for the cursor
        Names copied;
    } cases[] = {
        {{"x.txt"}, kOther, {"drag"}, {}},
        {{"sub", "x.txt"}, kOther, {"drag"}, {}},
        {{"sub"}, kOther, {}, {}},
        {{"x.txt"}, kSelf, {"drag", "no-drop"}, {}},
        {{"x.txt"}, kButton, {"drag", "no-drop"}, {}},
        {{"x.txt"}, kNeverListed, {"drag", "no-drop"}, {}},
    };
    const HCURSOR noDrop = LoadCursorA(ResourceModule(), MAKEINTRESOURCEA(IDCUR_NO_DROP));
    for (const auto& c : cases) {
        Window w(c.select);
        w.dlg.m_bottom.m_bListed = c.place != kNeverListed;
        NMLISTVIEW begin = {{w.panel.m_hWnd, IDC_TOP_PANEL, static_cast<UINT>(LVN_BEGINDRAG)}, w.Row(c.select.back()),
                            0, 0, 0, 0, w.RowPoint(c.select.back()), 0};
        SendMessageA(w.dlg.m_hWnd, WM_NOTIFY, IDC_TOP_PANEL, reinterpret_cast<LPARAM>(&begin));
        if (GetCapture() == w.panel.m_hWnd && w.panel.m_bDragging) g_log.push_back("drag");
        const HWND over = c.place == kSelf ? w.panel.m_hWnd
                          : c.place == kButton ? GetDlgItem(w.dlg.m_hWnd, IDC_DOWNLOAD) : w.dlg.m_bottom.m_hWnd;
        RECT r = {};
        GetWindowRect(over, &r);
        POINT p = {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        ScreenToClient(w.panel.m_hWnd, &p), SetCursor(nullptr);
        SendMessageA(w.panel.m_hWnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(p.x, p.y));
        if (GetCursor() == noDrop) g_log.push_back("no-drop");
        SendMessageA(w.panel.m_hWnd, WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
        EXPECT_EQ(c.log, g_log) << &c - cases;
        EXPECT_TRUE(!w.panel.m_bDragging && GetCapture() == nullptr) << "the drop ends the drag";
        EXPECT_EQ(c.copied, w.bottom.List()) << &c - cases;
        EXPECT_EQ(c.copied.size() > 1 ? "sub\\in.txt" : "", testfiles::ReadFile(w.bottom.Path("sub\\in.txt")));
    }
}

}  // namespace
