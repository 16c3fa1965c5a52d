/* Shared by the two sample hosts: output through the console handle (no C
 * runtime needed, so the hosts also link with the Microsoft-style tools) and
 * the checks both make. */
#ifndef HOST_COMMON_H
#define HOST_COMMON_H

#include <windows.h>

static void Say(const char* text) {
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), text, (DWORD)lstrlenA(text), &written, NULL);
}

/* Prints "what: got" and whether it is the expected code; 1 when it is. */
static int Expect(const char* what, int got, int expected) {
    char line[160];
    wsprintfA(line, "%s: %d (%s)\r\n", what, got, got == expected ? "as expected" : "WRONG");
    Say(line);
    return got == expected;
}

/* Nothing listens on port 1 of this machine: the connection is refused at
 * once and FTP_Open says it cannot connect (-10). Before any connection the
 * server's last message is empty. */
static int CheckLibrary(FTP_OPEN_FN open, FTP_GETLASTMESSAGE_FN lastMessage) {
    char message[256] = "x";
    int ok = Expect("FTP_GetLastMessage before connecting", lastMessage(message, sizeof message), 0);
    ok &= Expect("length of that message", lstrlenA(message), 0);
    ok &= Expect("FTP_Open to 127.0.0.1 port 1", open(NULL, "127.0.0.1", "web", "secret", 1, 5), -10);
    return ok;
}

#ifdef HOST_NO_CRT
/* Without a C runtime the linker starts here; gcc's main calls __main, the
 * runtime's constructor hook, which has nothing to do here. */
int main(void);
void __main(void) {}
void HostEntry(void) { ExitProcess((UINT)main()); }
#endif

#endif
