/* A host linked with ravoFtp's import library: the loader brings the DLL in
 * before main, by the functions' names. */
#include <windows.h>

#include "ravoFtp.h"
#include "host_common.h"

int main(void) {
    const int ok = CheckLibrary(FTP_Open, FTP_GetLastMessage);
    Say(ok ? "linked host: ok\r\n" : "linked host: FAILED\r\n");
    return ok ? 0 : 1;
}
