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

}  // namespace

bool ShowHelpTopic(HWND owner, int context) {
    const std::string& file = TheApplication().m_strHelpPath;
    HtmlHelpFn htmlHelp = nullptr;
    if (::GetFileAttributesA(file.c_str()) != INVALID_FILE_ATTRIBUTES) htmlHelp = ViewerEntry(::LoadLibraryA("hhctrl.ocx"));
    if (htmlHelp == nullptr) {
        ::MessageBeep(MB_ICONEXCLAMATION);
        return false;
    }
    const size_t slash = file.find_last_of('\\');
    if (slash != std::string::npos) ::SetCurrentDirectoryA(file.substr(0, slash).c_str());
    if (context == 0)
        htmlHelp(owner, file.c_str(), kDisplayToc, 0);
    else
        htmlHelp(owner, file.c_str(), kHelpContext, static_cast<DWORD_PTR>(context));
    return true;
}

void CloseAllHelp() {
    HtmlHelpFn htmlHelp = ViewerEntry(::GetModuleHandleA("hhctrl.ocx"));
    if (htmlHelp != nullptr) htmlHelp(nullptr, nullptr, kCloseAll, 0);
}
