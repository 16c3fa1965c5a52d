// Entry point of ravoFtp.dll. The process-wide objects are function-local
// statics created on first use; nothing here needs to run at load time.
#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
    (void)reason;
    return TRUE;
}
