// ravo_quill_app: opens FTP Quill as a host program does, through the DLL's
// export by ordinal: FTP_ApplDlg (801), or FTP_ApplDlg2 (804) when a start
// folder is given. Used by `scripts/run quill`.
//
//   ravo_quill_app [FOLDER]
#include <windows.h>

#include <cstdio>

#include "ravoFtp.h"

int main(int argc, char** argv) {
    if (argc > 2) {
        std::fprintf(stderr, "usage: ravo_quill_app [FOLDER]\n");
        return 2;
    }
    HMODULE dll = LoadLibraryA("ravoFtp.dll");
    if (dll == nullptr) {
        std::fprintf(stderr, "ravo_quill_app: ravoFtp.dll not found (error %lu)\n", GetLastError());
        return 1;
    }
    int result = 0;
    if (argc == 2) {
        auto open2 = reinterpret_cast<FTP_APPLDLG2_FN>(reinterpret_cast<void*>(GetProcAddress(dll, MAKEINTRESOURCEA(804))));
        result = open2 != nullptr ? open2(nullptr, argv[1]) : -1;
    } else {
        auto open = reinterpret_cast<FTP_APPLDLG_FN>(reinterpret_cast<void*>(GetProcAddress(dll, MAKEINTRESOURCEA(801))));
        result = open != nullptr ? open(nullptr) : -1;
    }
    std::printf("FTP Quill closed (%d)\n", result);
    FreeLibrary(dll);
    return 0;
}
