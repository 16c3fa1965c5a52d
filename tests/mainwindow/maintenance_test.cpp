// The maintenance commands, view and smart select through the file manager's
// buttons, on local folders and with the top panel on a real server.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "dialog_driver.h"
#include "ftp_application.h"
#include "ftp_main_dlg.h"
#include "message_text.h"
#include "module.h"
#include "panel_operations.h"
#include "session_ops.h"
#include "test_files.h"
#include "test_servers.h"

namespace {

using Names = std::vector<std::string>;

std::string Box(UINT id, const std::string& insert = "") {
    return "box:" + InsertTexts(LoadResourceString(id), insert, "");
}

Names Rows(const CFtpFileList& panel, bool selectedOnly = false) {
    Names names;
    for (int i = 0; i < panel.GetItemCount(); ++i)
        if (!selectedOnly || panel.GetItemState(i, LVIS_SELECTED)) names.push_back(panel.GetItemText(i, 0));
    std::sort(names.begin(), names.end());
    return names;
}

// A file whose time is `step` units of about seven minutes before a fixed time.
void MakeFile(const std::string& path, DWORD step) {
    const FILETIME time = {0, 0x01DA0000u - step};
    testfiles::WriteFile(path, "x");
    HANDLE file = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    SetFileTime(file, nullptr, nullptr, &time), CloseHandle(file);
}

// The shell seam of the views: "open:" and the file's name; a.txt has no
// application.
Names g_opened;
INT_PTR RecordOpen(HWND, const char* file, const char*) {
    g_opened.push_back("open:" + std::string(file).substr(std::string(file).find_last_of('\\') + 1));
    return g_opened.back() == "open:a.txt" ? 31 /* no association */ : 33;
}

struct Case {
    Names select;
    int button;
    std::vector<const char*> answers;
    Names log, rows;  // the dialogs, boxes and opened files seen; the rows after
};

// The folder the commands work on: "..", a.txt, b.txt, Readme.txt, sub.
void MakeTree(const std::string& root) {
    for (const char* name : {"", "\\sub"}) CreateDirectoryA((root + name).c_str(), nullptr);
    for (const char* name : {"\\a.txt", "\\b.txt", "\\Readme.txt"}) testfiles::WriteFile(root + name, name);
}

// The file manager with both panels on one local folder.
struct Window {
    testfiles::TempFolder folder;
    CFtpMainDlg dlg{nullptr};
    explicit Window(bool files = true) {
        if (files) MakeTree(folder.Root());
        dlg.m_strInitialLocal = folder.Root();
        dlg.Create(nullptr);
        dlg.SetActivePanel(&dlg.m_bottom);
    }
    ~Window() { DestroyWindow(dlg.m_hWnd); }
    // Selects c.select (no other row), clicks and plays the user: name
    // dialogs are answered in turn from c.answers (none left: Cancel),
    // message boxes with OK. What each showed, then the files opened.
    Names Run(CFtpFileList& panel, const Case& c) {
        for (int i = 0; i < panel.GetItemCount(); ++i) {
            const bool chosen = std::count(c.select.begin(), c.select.end(), panel.GetItemText(i, 0)) > 0;
            panel.SetItemState(i, chosen ? LVIS_SELECTED : 0, LVIS_SELECTED);
        }
        Names log;
        size_t next = 0;
        g_opened.clear();
        DialogWatcher user([t = GetCurrentThreadId()] { return DialogWatcher::ThreadDialog(t); }, [&](HWND d) {
            const bool box = GetDlgItem(d, 0xFFFF) != nullptr;
            log.push_back((box ? "box:" : "name:") + DialogWatcher::ControlText(d, box ? 0xFFFF : IDC_NAME_EDIT));
            const char* answer = box || next >= c.answers.size() ? nullptr : c.answers[next++];
            if (answer != nullptr) DialogWatcher::SetControlText(d, IDC_NAME_EDIT, answer);
            DialogWatcher::Click(d, box || answer != nullptr ? IDOK : IDCANCEL);
        }, true, 10000);
        SendMessageA(dlg.m_hWnd, WM_COMMAND, MAKEWPARAM(c.button, BN_CLICKED), 0);
        user.Stop();
        log.insert(log.end(), g_opened.begin(), g_opened.end());
        return log;
    }
};

// The table on the bottom panel over a local folder (the top panel shows the
// same folder and follows), or on the top panel connected to `server` on a
// system of the short-name rule; each case on a new copy of the folder.
void RunCases(const testservers::Server* server) {
    const int kind = TheApplication().m_nWindowsKind;
    TheApplication().m_nWindowsKind = server != nullptr ? 1 : 8;
    const Names all = {"..", "Readme.txt", "a.txt", "b.txt", "sub"};
    const Case cases[] = {
        {{"a.txt", "b.txt", "sub"}, IDC_DELETE, {}, {Box(IDS_ASK_DELETE, "3")}, {"..", "Readme.txt"}},
        {{"..", "a.txt"}, IDC_DELETE, {}, {Box(IDS_ASK_DELETE, "2"), Box(IDS_PARENT_SPECIAL)},
         {"..", "Readme.txt", "b.txt", "sub"}},
        {{"Readme.txt"}, IDC_RENAME, {"README.TXT"}, {"name:Readme.txt", Box(IDS_NAME_IN_USE), "name:Readme.txt"}, all},
        {{"a.txt"}, IDC_RENAME, {"a*b", "c.txt"},
         {"name:a.txt", Box(IDS_INVALID_NAME, LoadResourceString(IDS_NAME_CHARACTERS)), "name:a.txt"},
         {"..", "Readme.txt", "b.txt", "c.txt", "sub"}},
        {{"a.txt", "b.txt", "Readme.txt"}, IDC_RENAME, {"a2.txt"}, {"name:a.txt", "name:b.txt"},
         {"..", "Readme.txt", "a2.txt", "b.txt", "sub"}},
        {{"..", "b.txt"}, IDC_RENAME, {"b2.txt"}, {"name:b.txt"}, {"..", "Readme.txt", "a.txt", "b2.txt", "sub"}},
        {{}, IDC_NEW, {"sub"}, {"name:", Box(IDS_NAME_IN_USE), "name:sub"}, all},
        {{}, IDC_NEW, {"MY FILE"}, {"name:"}, {"..", "MY FILE", "Readme.txt", "a.txt", "b.txt", "sub"}},
        {{"sub", "b.txt", "Readme.txt"}, IDC_VIEW, {}, {"open:b.txt", "open:readme.txt"}, all},
        {{"..", "b.txt"}, IDC_VIEW, {}, {"open:b.txt"}, all},
        {{"a.txt", "b.txt"}, IDC_VIEW, {}, {Box(IDS_CANNOT_VIEW, "a.txt"), "open:a.txt"}, all},
    };
    CFtpFileList::s_pShellOpen = RecordOpen;
    for (const Case& c : cases) {
        Window w(server == nullptr);
        CFtpFileList* panel = &w.dlg.m_bottom;
        if (server != nullptr) {
            const std::string name = "maintenance-" + std::to_string(GetCurrentProcessId() * 100 + (&c - cases));
            MakeTree(server->root + "\\" + name);
            ASSERT_EQ(0, ConnectSession(w.dlg.m_hWnd, "127.0.0.1", server->user.c_str(), server->password.c_str(),
                                        server->port, 30, "none", nullptr, 0, nullptr, nullptr, 1));
            w.dlg.m_top.m_bRemote = TRUE;
            w.dlg.m_top.ShowFolder("/" + name);
            w.dlg.SetActivePanel(panel = &w.dlg.m_top);
        }
        EXPECT_EQ(c.log, w.Run(*panel, c)) << c.button << " " << c.log.size();
        EXPECT_EQ(c.rows, Rows(*panel));
        EXPECT_EQ(c.rows, server != nullptr ? c.rows : Rows(w.dlg.m_top)) << "the other panel shows the same folder";
        const int last = panel->GetItemCount() - 1;  // a new folder comes last
        const std::string lastRow = panel->GetItemText(last, 0) + panel->GetItemText(last, 1);
        EXPECT_EQ(c.rows.size() == 6, lastRow == "MY FILE" + LoadResourceString(IDS_DIR)) << lastRow;
        if (server != nullptr) CloseSession(), w.dlg.m_top.m_bRemote = FALSE;
    }
    TheApplication().m_nWindowsKind = kind;
    CFtpFileList::s_pShellOpen = ShellOpenDefault;
}

TEST(Maintenance, DeleteRenameNewAndViewOnTheLocalSide) { RunCases(nullptr); }

TEST(Maintenance, DeleteRenameNewAndViewOnTheSite) {
    const testservers::Server server = testservers::Load("pyftpdlib");
    RunCases(&server);
}

// Old systems (kind 1 or 2) take only short local names: refused, the
// name is asked again. The site takes any (RunCases).
TEST(Maintenance, ShortNameRuleOnlyForLocalNamesOnOldSystems) {
    const int kind = TheApplication().m_nWindowsKind;
    for (auto [name, windows, valid] : {std::tuple{"LONGNAME9.TXT", 1, false}, {"A.TXT", 2, false},
                                        {"MY FILE", 1, false}, {"A.TX", 1, true}, {"LONGNAME9.TXT", 8, true}}) {
        Window w;
        TheApplication().m_nWindowsKind = windows;
        const std::string reason = LoadResourceString(IDS_NAME_SHORT_RULE);
        const Names refused = {"name:", Box(IDS_INVALID_NAME, reason), "name:" + std::string(name)};
        EXPECT_EQ(valid ? Names{"name:"} : refused, w.Run(w.dlg.m_bottom, {{}, IDC_NEW, {name}, {}, {}})) << name;
    }
    TheApplication().m_nWindowsKind = kind;
}

TEST(Maintenance, OneFolderAloneOpensAndParentGoesUp) {
    Window w;
    w.Run(w.dlg.m_bottom, {{"sub"}, IDC_VIEW, {}, {}, {}});
    EXPECT_EQ(w.folder.Path("sub"), w.dlg.m_bottom.m_strPath);
    w.Run(w.dlg.m_bottom, {{".."}, IDC_VIEW, {}, {}, {}});
    EXPECT_EQ(w.folder.Root(), w.dlg.m_bottom.m_strPath);
    w.dlg.m_bottom.ShowFolder("C:\\");
    w.Run(w.dlg.m_bottom, {{}, IDC_PARENT, {}, {}, {}});
    EXPECT_EQ("C:\\", w.dlg.m_bottom.m_strPath) << "a drive has no parent";
}

// Source (bottom) against target (top): a match ignores letter case, equal
// times are not newer, a folder is no namesake of a file. Case::rows here:
// the rows selected; answers non-empty: against an empty target.
TEST(Maintenance, SmartSelectComparesWithTheOtherPanel) {
    Window w(false);
    testfiles::TempFolder target, empty;
    for (const char* name : {"Index.HTML", "onlyhere.txt", "dirname", "same.txt"}) MakeFile(w.folder.Path(name), 1);
    for (const char* name : {"index.html", "same.txt", "older.txt"}) MakeFile(target.Path(name), 1 + (*name == 'i'));
    MakeFile(w.folder.Path("older.txt"), 2);
    for (const std::string& folder : {w.folder.Path("sub"), target.Path("dirname")})
        CreateDirectoryA(folder.c_str(), nullptr);
    const Names files = {"Index.HTML", "dirname", "older.txt", "onlyhere.txt", "same.txt"};
    const Case cases[] = {
        {{"same.txt"}, IDC_SELECT_TRANSFER, {}, {}, {"Index.HTML", "dirname", "onlyhere.txt"}},
        {{"same.txt"}, IDC_SELECT_UPDATING, {}, {}, {"Index.HTML"}},
        {{"same.txt"}, IDC_SELECT_DELETION, {}, {}, {"dirname", "onlyhere.txt"}},
        {{}, IDC_SELECT_ALL, {}, {}, {"Index.HTML", "dirname", "older.txt", "onlyhere.txt", "same.txt", "sub"}},
        {{"same.txt"}, IDC_CLEAR_ALL, {}, {}, {}},
        {{"same.txt"}, IDC_SELECT_TRANSFER, {""}, {}, files},
        {{"same.txt"}, IDC_SELECT_UPDATING, {""}, {}, {}},
        {{"same.txt"}, IDC_SELECT_DELETION, {""}, {}, files},
    };
    w.dlg.m_bottom.ShowFolder(w.folder.Root());
    for (const Case& c : cases) {
        w.dlg.m_top.ShowFolder(c.answers.empty() ? target.Root() : empty.Root());
        w.dlg.SetActivePanel(&w.dlg.m_bottom);
        EXPECT_EQ(c.log, w.Run(w.dlg.m_bottom, c));
        EXPECT_EQ(c.rows, Rows(w.dlg.m_bottom, true)) << c.button;
        const auto* button = static_cast<CFtpBitmapButton*>(CWnd::FromHandle(GetDlgItem(w.dlg.m_hWnd, c.button)));
        EXPECT_EQ(!c.rows.empty() || c.button == IDC_CLEAR_ALL, button->m_bLit != FALSE) << "lit " << c.button;
    }
}

}  // namespace
