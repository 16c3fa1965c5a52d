#include "ftp_help.h"

#include <string>

#include "ftp_application.h"

namespace {

using HtmlHelpFn = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);
constexpr UINT kDisplayToc = 0x0001;
constexpr UINT kHelpContext = 0x000F;
constexpr UINT kCloseAll = 0x0012;

HtmlHelpFn ViewerEntry(HMODULE viewer) {
    if (viewer == nullptr) return nullptr;
    return reinterpret_cast<HtmlHelpFn>(reinterpret_cast<void*>(::GetProcAddress(viewer, "HtmlHelpA")));
}

HelpViewer g_viewer = nullptr;  // null: the HTML Help viewer

}  // namespace

bool ShowHelpTopic(HWND owner, int context) {
    const std::string& file = TheApplication().m_strHelpPath;
    const bool exists = ::GetFileAttributesA(file.c_str()) != INVALID_FILE_ATTRIBUTES;
    HtmlHelpFn htmlHelp = nullptr;
    if (exists && g_viewer == nullptr) htmlHelp = ViewerEntry(::LoadLibraryA("hhctrl.ocx"));
    if (!exists || (htmlHelp == nullptr && g_viewer == nullptr)) {
        ::MessageBeep(MB_ICONEXCLAMATION);
        return false;
    }
    const size_t slash = file.find_last_of('\\');
    if (slash != std::string::npos) ::SetCurrentDirectoryA(file.substr(0, slash).c_str());
    if (g_viewer != nullptr)
        g_viewer(owner, file.c_str(), context);
    else if (context == 0)
        htmlHelp(owner, file.c_str(), kDisplayToc, 0);
    else
        htmlHelp(owner, file.c_str(), kHelpContext, static_cast<DWORD_PTR>(context));
    return true;
}

HelpViewer SetHelpViewer(HelpViewer viewer) {
    const HelpViewer before = g_viewer;
    g_viewer = viewer;
    return before;
}

void CloseAllHelp() {
    HtmlHelpFn htmlHelp = ViewerEntry(::GetModuleHandleA("hhctrl.ocx"));
    if (htmlHelp != nullptr) htmlHelp(nullptr, nullptr, kCloseAll, 0);
}
