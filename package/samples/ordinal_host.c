/* A host that loads ravoFtp.dll at run time and finds its functions by
 * ordinal, as documented in ravoFtp.h: no import library needed. */
#include <windows.h>

#include "ravoFtp.h"
#include "host_common.h"

int main(void) {
    HMODULE dll = LoadLibraryA("ravoFtp.dll");
    FTP_OPEN_FN open;
    FTP_GETLASTMESSAGE_FN lastMessage;
    int ok;
    if (dll == NULL) {
        Say("ravoFtp.dll cannot be loaded\r\n");
        return 2;
    }
    open = (FTP_OPEN_FN)(void*)GetProcAddress(dll, MAKEINTRESOURCEA(701));
    lastMessage = (FTP_GETLASTMESSAGE_FN)(void*)GetProcAddress(dll, MAKEINTRESOURCEA(720));
    if (open == NULL || lastMessage == NULL) {
        Say("ordinal 701 or 720 is missing\r\n");
        return 3;
    }
    ok = CheckLibrary(open, lastMessage);
    FreeLibrary(dll);
    Say(ok ? "ordinal host: ok\r\n" : "ordinal host: FAILED\r\n");
    return ok ? 0 : 1;
}
