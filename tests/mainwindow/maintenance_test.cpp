// The maintenance commands, view and smart select through the file
// manager's buttons: local folders on both panels (the top one as the other
// panel that follows changes), then the top panel on a real server.
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

std::string Box(UINT id, const std::string& insert = "") { return "box:" + InsertTexts(LoadResourceString(id), insert, ""); }

// Plays the user: name dialogs are answered in turn from `answers` (null or
// none left: Cancel), message boxes with OK; the log holds what each showed.
struct User {
    explicit User(std::vector<const char*> names = {})
        : answers(std::move(names)), thread(GetCurrentThreadId()),
          watcher([this] { return DialogWatcher::ThreadDialog(thread); }, [this](HWND d) { Act(d); }, true, 10000) {}
    void Act(HWND d) {
        const bool box = GetDlgItem(d, 0xFFFF) != nullptr;
        log.push_back((box ? "box:" : "name:") + DialogWatcher::ControlText(d, box ? 0xFFFF : IDC_NAME_EDIT));
        const char* answer = box || next >= answers.size() ? nullptr : answers[next++];
        if (answer != nullptr) DialogWatcher::SetControlText(d, IDC_NAME_EDIT, answer);
        DialogWatcher::Click(d, box || answer != nullptr ? IDOK : IDCANCEL);
    }
    std::vector<const char*> answers;
    size_t next = 0;
    Names log;
    DWORD thread;
    DialogWatcher watcher;
};

Names Rows(const CFtpFileList& panel, bool selectedOnly = false) {
    Names names;
    for (int i = 0; i < panel.GetItemCount(); ++i)
        if (!selectedOnly || panel.GetItemState(i, LVIS_SELECTED)) names.push_back(panel.GetItemText(i, 0));
    std::sort(names.begin(), names.end());
    return names;
}

// A file whose time is `step` units of about seven minutes before a fixed time.
void MakeFile(const std::string& path, DWORD step) {
    testfiles::WriteFile(path, "x");
    const FILETIME time = {0, 0x01DA0000u - step};
    HANDLE file = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    SetFileTime(file, nullptr, nullptr, &time), CloseHandle(file);
}

struct Case {
    Names select;
    int button;
    std::vector<const char*> answers;
    Names log, rows;
};

// The file manager on one folder: "..", a.txt, b.txt, Readme.txt, sub.
struct Window {
    testfiles::TempFolder folder;
    CFtpMainDlg dlg{nullptr};
    explicit Window(bool files = true) {
        if (files) CreateDirectoryA(folder.Path("sub").c_str(), nullptr);
        for (const char* name : {"a.txt", "b.txt", "Readme.txt"})
            if (files) testfiles::WriteFile(folder.Path(name), name);
        dlg.m_strInitialLocal = folder.Root();
        dlg.Create(nullptr);
        dlg.SetActivePanel(&dlg.m_bottom);
    }
    ~Window() { DestroyWindow(dlg.m_hWnd); }
    // Selects c.select (everything else not), clicks, plays the user.
    Names Run(CFtpFileList& panel, const Case& c) {
        for (int i = 0; i < panel.GetItemCount(); ++i)
            panel.SetItemState(i, std::count(c.select.begin(), c.select.end(), panel.GetItemText(i, 0)) ? LVIS_SELECTED : 0,
                               LVIS_SELECTED);
        User user(c.answers);
        SendMessageA(dlg.m_hWnd, WM_COMMAND, MAKEWPARAM(c.button, BN_CLICKED), 0);
        user.watcher.Stop();
        return user.log;
    }
};

TEST(Maintenance, DeleteRenameAndNewFolderOnTheLocalSide) {
    const Names all = {"..", "Readme.txt", "a.txt", "b.txt", "sub"};
    const Case cases[] = {
        {{"a.txt", "b.txt", "sub"}, IDC_DELETE, {}, {Box(IDS_ASK_DELETE, "3")}, {"..", "Readme.txt"}},
        {{"..", "a.txt"}, IDC_DELETE, {}, {Box(IDS_ASK_DELETE, "2"), Box(IDS_PARENT_SPECIAL)}, {"..", "Readme.txt", "b.txt", "sub"}},
        {{"Readme.txt"}, IDC_RENAME, {"README.TXT"}, {"name:Readme.txt", Box(IDS_NAME_IN_USE), "name:Readme.txt"}, all},
        {{"a.txt"}, IDC_RENAME, {"a*b", "c.txt"},
         {"name:a.txt", Box(IDS_INVALID_NAME, LoadResourceString(IDS_NAME_CHARACTERS)), "name:a.txt"},
         {"..", "Readme.txt", "b.txt", "c.txt", "sub"}},
        {{"a.txt", "b.txt", "Readme.txt"}, IDC_RENAME, {"a2.txt"}, {"name:a.txt", "name:b.txt"},
         {"..", "Readme.txt", "a2.txt", "b.txt", "sub"}},
        {{"..", "b.txt"}, IDC_RENAME, {"b2.txt"}, {"name:b.txt"}, {"..", "Readme.txt", "a.txt", "b2.txt", "sub"}},
        {{}, IDC_NEW, {"sub"}, {"name:", Box(IDS_NAME_IN_USE), "name:sub"}, all},
        {{}, IDC_NEW, {"new"}, {"name:"}, {"..", "Readme.txt", "a.txt", "b.txt", "new", "sub"}},
    };
    for (const Case& c : cases) {
        Window w;
        EXPECT_EQ(c.log, w.Run(w.dlg.m_bottom, c)) << c.button << " " << c.log.size();
        EXPECT_EQ(c.rows, Rows(w.dlg.m_bottom));
        EXPECT_EQ(c.rows, Rows(w.dlg.m_top)) << "the other panel shows the same folder";
        const int last = w.dlg.m_bottom.GetItemCount() - 1;  // a new folder comes last
        if (c.rows.size() == 6) {
            EXPECT_EQ("new" + LoadResourceString(IDS_DIR), w.dlg.m_bottom.GetItemText(last, 0) + w.dlg.m_bottom.GetItemText(last, 1));
        }
    }
}

TEST(Maintenance, ShortNameRuleOnlyForLocalNamesOnOldSystems) {
    Window w;
    const int kind = TheApplication().m_nWindowsKind;
    for (auto [name, windows, remote, valid] : {std::tuple{"LONGNAME9.TXT", 1, FALSE, 0}, {"A.TXT", 2, FALSE, 0},
                                                {"MY FILE", 1, FALSE, 0}, {"A.TX", 1, FALSE, 1},
                                                {"LONGNAME9.TXT", 8, FALSE, 1}, {"MY FILE", 1, TRUE, 1}}) {
        TheApplication().m_nWindowsKind = windows;
        w.dlg.m_top.m_bRemote = remote;
        User user;
        EXPECT_EQ(valid, ValidateName(remote ? static_cast<CFtpFileList&>(w.dlg.m_top) : w.dlg.m_bottom, name));
        user.watcher.Stop();
        EXPECT_EQ(valid ? Names{} : Names{Box(IDS_INVALID_NAME, LoadResourceString(IDS_NAME_SHORT_RULE))}, user.log) << name;
    }
    TheApplication().m_nWindowsKind = kind;
    w.dlg.m_top.m_bRemote = FALSE;
}

Names g_opened;  // the files views opened, through the shell seam
INT_PTR g_shellAnswer = 33;
INT_PTR RecordOpen(HWND, const char* file, const char*) { return g_opened.push_back(file), g_shellAnswer; }

// Case::rows here: the files opened; answers[0]: the folder shown after,
// below the start; the last case's shell knows no application.
TEST(Maintenance, ViewOpensFilesOrOneFolderAndParentGoesUp) {
    CFtpFileList::s_pShellOpen = RecordOpen;
    const Case cases[] = {
        {{"sub"}, IDC_VIEW, {"\\sub"}, {}, {}},
        {{"sub", "a.txt", "b.txt"}, IDC_VIEW, {""}, {}, {"a.txt", "b.txt"}},
        {{"..", "a.txt"}, IDC_VIEW, {""}, {}, {"a.txt"}},
        {{"a.txt", "b.txt"}, IDC_VIEW, {""}, {Box(IDS_CANNOT_VIEW, "a.txt")}, {"a.txt"}},
    };
    for (const Case& c : cases) {
        Window w;
        g_opened.clear();
        g_shellAnswer = c.log.empty() ? 33 : 31 /* no association */;
        EXPECT_EQ(c.log, w.Run(w.dlg.m_bottom, c));
        for (std::string& file : g_opened) file = file.substr(file.find_last_of('\\') + 1);
        EXPECT_EQ(c.rows, g_opened);
        EXPECT_EQ(w.folder.Root() + c.answers[0], w.dlg.m_bottom.m_strPath);
        w.Run(w.dlg.m_bottom, {{".."}, IDC_VIEW, {}, {}, {}});  // ".." alone goes up
        EXPECT_EQ(*c.answers[0] ? w.folder.Root() : w.folder.Root().substr(0, w.folder.Root().rfind('\\')),
                  w.dlg.m_bottom.m_strPath);
    }
    CFtpFileList::s_pShellOpen = ShellOpenDefault;
    Window w;
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
    CreateDirectoryA(w.folder.Path("sub").c_str(), nullptr);
    CreateDirectoryA(target.Path("dirname").c_str(), nullptr);
    const Names files = {"Index.HTML", "dirname", "older.txt", "onlyhere.txt", "same.txt"};
    const Case cases[] = {
        {{"same.txt"}, IDC_SELECT_TRANSFER, {}, {}, {"Index.HTML", "dirname", "onlyhere.txt"}},
        {{"same.txt"}, IDC_SELECT_UPDATING, {}, {}, {"Index.HTML"}},
        {{"same.txt"}, IDC_SELECT_DELETION, {}, {}, {"dirname", "onlyhere.txt"}},
        {{"same.txt"}, IDC_SELECT_ALL, {}, {}, {"Index.HTML", "dirname", "older.txt", "onlyhere.txt", "same.txt", "sub"}},
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

// The same commands on the site: the top panel on a real server.
TEST(Maintenance, CommandsOnTheSite) {
    const testservers::Server server = testservers::Load("pyftpdlib");
    const std::string name = "maintenance-" + std::to_string(GetCurrentProcessId()), root = server.root + "\\" + name;
    for (const char* folder : {"", "\\sub"}) CreateDirectoryA((root + folder).c_str(), nullptr);
    for (const char* file : {"\\a.txt", "\\b.txt", "\\sub\\x.txt"}) testfiles::WriteFile(root + file, "x");
    Window w(false);
    CFtpRemoteFileList& top = w.dlg.m_top;
    ASSERT_EQ(0, ConnectSession(w.dlg.m_hWnd, "127.0.0.1", server.user.c_str(), server.password.c_str(), server.port,
                                30, "none", nullptr, 0, nullptr, nullptr, 1));
    top.m_bRemote = TRUE;
    top.ShowFolder("/" + name);
    w.dlg.SetActivePanel(&top);
    const Case cases[] = {
        {{"a.txt", "sub"}, IDC_DELETE, {}, {}, {"..", "b.txt"}},
        {{"b.txt"}, IDC_RENAME, {"B2.txt"}, {}, {"..", "B2.txt"}},
        {{}, IDC_NEW, {"made"}, {}, {"..", "B2.txt", "made"}},
    };
    for (const Case& c : cases) {
        w.Run(top, c);
        top.ShowFolder(top.m_strPath);
        EXPECT_EQ(c.rows, Rows(top)) << c.button;
    }
    CloseSession();
    top.m_bRemote = FALSE;
}

}  // namespace
