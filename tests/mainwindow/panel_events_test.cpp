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
Names g_log;  // message boxes, beeps, files opened and what the drags did, in turn
BOOL WINAPI RecordBeep(UINT) { return g_log.push_back("beep"), TRUE; }
INT_PTR RecordOpen(HWND, const char* file, const char*) {
    return g_log.push_back("open:" + std::string(file).substr(std::string(file).find_last_of('\\') + 1)), 33;
}
std::string Box(UINT id, const char* insert = "") { return "box:" + InsertTexts(LoadResourceString(id), insert, ""); }
Names Rows(const CFtpFileList& list) {
    Names names;
    for (int i = 0; i < list.GetItemCount(); ++i) names.push_back(list.GetItemText(i, 0));
    return std::sort(names.begin(), names.end()), names;
}

// The top panel, active, on "..", sub (holding in.txt), x.txt and y.txt;
// the bottom panel on an empty folder.
struct Window {
    testfiles::TempFolder top, bottom;
    CFtpMainDlg dlg{nullptr};
    CFtpFileList& panel = dlg.m_top;
    int Selected() const { return panel.GetNextItem(-1, LVNI_SELECTED); }
    // Near the icon of the first selected row, `dy` pixels lower, in client coordinates.
    POINT At(int dy = 0) const {
        RECT r = {};
        panel.GetItemRect(Selected(), &r, LVIR_ICON);
        return POINT{r.left + 4, r.top + 4 + dy};
    }
    void Send(UINT message, WPARAM wParam, POINT p) {
        SendMessageA(panel.m_hWnd, message, wParam, MAKELPARAM(p.x, p.y));
    }
};

void Key(Window& w, UINT key) { SendMessageA(w.panel.m_hWnd, WM_KEYDOWN, key, 0); }
void DoubleClick(Window& w, int dy) {
    POINT p = w.At(dy), screen = p;
    ClientToScreen(w.panel.m_hWnd, &screen), SetCursorPos(screen.x, screen.y), w.Send(WM_LBUTTONDBLCLK, MK_LBUTTON, p);
}
void EditLabel(Window& w, const char* typed, UINT endKey) {
    HWND edit = w.panel.EditLabel(w.Selected());
    g_log.push_back(edit == nullptr ? "no edit" : "limit " + std::to_string(SendMessageA(edit, EM_GETLIMITTEXT, 0, 0)));
    if (edit != nullptr) SetWindowTextA(edit, typed), SendMessageA(edit, WM_KEYDOWN, endKey, 0);
}
// Drags the selection from its first row and lets go over the middle of
// `over` (null: the bottom panel, never listed); the log says whether the
// drag started, whether the no-drop cursor showed, and what the bottom
// folder holds after. `captureLost`: another window takes the mouse before
// the button's release, which then comes as a later click in the panel.
void Drag(Window& w, HWND over, bool captureLost = false) {
    w.dlg.m_bottom.m_bListed = over != nullptr;
    NMLISTVIEW begin = {{w.panel.m_hWnd, IDC_TOP_PANEL, LVN_BEGINDRAG}, w.Selected(), 0, 0, 0, 0, w.At(), 0};
    SendMessageA(w.dlg.m_hWnd, WM_NOTIFY, IDC_TOP_PANEL, reinterpret_cast<LPARAM>(&begin));
    if (GetCapture() == w.panel.m_hWnd && w.panel.m_bDragging) g_log.push_back("drag");
    RECT r = {};
    GetWindowRect(over != nullptr ? over : w.dlg.m_bottom.m_hWnd, &r);
    POINT p = {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    ScreenToClient(w.panel.m_hWnd, &p), SetCursor(nullptr), w.Send(WM_MOUSEMOVE, MK_LBUTTON, p);
    if (GetCursor() == LoadCursorA(ResourceModule(), MAKEINTRESOURCEA(IDCUR_NO_DROP))) g_log.push_back("no-drop");
    if (captureLost) ReleaseCapture();
    w.Send(WM_LBUTTONUP, 0, p);
    EXPECT_TRUE(!w.panel.m_bDragging && GetCapture() == nullptr) << "the drop ends the drag";
    for (const std::string& name : w.bottom.List()) g_log.push_back("copied:" + name);
    if (GetFileAttributesA(w.bottom.Path("sub\\in.txt").c_str()) != INVALID_FILE_ATTRIBUTES) g_log.push_back("tree");
}

TEST(PanelEvents, KeysDoubleClickLabelEditsAndDrops) {
    const Names all = {"..", "sub", "x.txt", "y.txt"};
    const struct {
        Names select;
        std::function<void(Window&)> act;
        int answer;  // to every message box
        Names log, rows;  // rows: the top panel's after
    } cases[] = {
        {{}, [](Window& w) { Key(w, VK_F5); }, IDOK, {}, {"..", "new.txt", "sub", "x.txt", "y.txt"}},
        {{"x.txt"}, [](Window& w) { Key(w, VK_DELETE); }, IDOK, {Box(IDS_ASK_DELETE, "1")}, {"..", "sub", "y.txt"}},
        {{"x.txt"}, [](Window& w) { Key(w, VK_DELETE); }, IDCANCEL, {Box(IDS_ASK_DELETE, "1")}, all},
        {{"x.txt"}, [](Window& w) { w.panel.m_bListed = FALSE, Key(w, VK_DELETE), Key(w, VK_F5); }, IDOK,
         {"beep", "beep"}, all},
        {{"y.txt"}, [](Window& w) { DoubleClick(w, 0); }, IDOK, {"open:y.txt"}, all},
        {{"y.txt"}, [](Window& w) { DoubleClick(w, 100); }, IDOK, {}, all},
        {{"sub"}, [](Window& w) { DoubleClick(w, 0); }, IDOK, {}, {"..", "in.txt"}},
        {{".."}, [](Window& w) { EditLabel(w, "", 0); }, IDOK, {"no edit"}, all},
        {{"x.txt"}, [](Window& w) { EditLabel(w, "z.txt", VK_RETURN); }, IDOK, {"limit 256"},
         {"..", "sub", "y.txt", "z.txt"}},
        {{"x.txt"}, [](Window& w) { EditLabel(w, "y.txt", VK_RETURN); }, IDOK, {"limit 256", Box(IDS_NAME_IN_USE)},
         all},
        {{"x.txt"}, [](Window& w) { EditLabel(w, "z.txt", VK_ESCAPE); }, IDOK, {"limit 256"}, all},
        {{"x.txt"}, [](Window& w) { Drag(w, w.dlg.m_bottom.m_hWnd); }, IDOK, {"drag", "copied:x.txt"}, all},
        {{"sub", "x.txt"}, [](Window& w) { Drag(w, w.dlg.m_bottom.m_hWnd); }, IDOK,
         {"drag", "copied:sub", "copied:x.txt", "tree"}, all},
        {{"sub"}, [](Window& w) { Drag(w, w.dlg.m_bottom.m_hWnd); }, IDOK, {}, all},
        {{"x.txt"}, [](Window& w) { Drag(w, w.panel.m_hWnd); }, IDOK, {"drag", "no-drop"}, all},
        {{"x.txt"}, [](Window& w) { Drag(w, GetDlgItem(w.dlg.m_hWnd, IDC_DOWNLOAD)); }, IDOK, {"drag", "no-drop"},
         all},
        {{"x.txt"}, [](Window& w) { Drag(w, nullptr); }, IDOK, {"drag", "no-drop"}, all},
        {{"x.txt"}, [](Window& w) { Drag(w, w.dlg.m_bottom.m_hWnd, true); }, IDOK, {"drag"}, all},
    };
    for (const auto& c : cases) {
        Window w;
        CreateDirectoryA(w.top.Path("sub").c_str(), nullptr);
        for (const char* name : {"x.txt", "y.txt", "sub\\in.txt"}) testfiles::WriteFile(w.top.Path(name), name);
        w.dlg.m_strInitialLocal = w.bottom.Root();
        w.dlg.Create(nullptr);
        w.panel.ShowFolder(w.top.Root());
        SetFocus(w.panel.m_hWnd);  // makes it the active panel
        for (int i = 0; i < w.panel.GetItemCount(); ++i) {
            const bool chosen = std::count(c.select.begin(), c.select.end(), w.panel.GetItemText(i, 0)) > 0;
            w.panel.SetItemState(i, chosen ? LVIS_SELECTED : 0, LVIS_SELECTED);
        }
        testfiles::WriteFile(w.top.Path("new.txt"), "");  // seen only by a new listing
        CFtpFileList::s_pBeep = RecordBeep, CFtpFileList::s_pShellOpen = RecordOpen, g_log.clear();
        DialogWatcher user([t = GetCurrentThreadId()] { return DialogWatcher::ThreadDialog(t, 0xFFFF); }, [&](HWND d) {
            g_log.push_back("box:" + DialogWatcher::ControlText(d, 0xFFFF)), DialogWatcher::Click(d, c.answer);
        }, true, 10000);
        c.act(w);
        user.Stop();
        EXPECT_EQ(c.log, g_log) << &c - cases;
        EXPECT_EQ(c.rows, Rows(w.panel)) << &c - cases;
        CFtpFileList::s_pBeep = ::MessageBeep, CFtpFileList::s_pShellOpen = ShellOpenDefault;
        DestroyWindow(w.dlg.m_hWnd);
    }
}

}  // namespace
