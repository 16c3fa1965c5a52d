// ravoftp_host: a command-line host program for ravoFtp.dll. It loads the
// DLL and calls its FTP functions by ordinal, as a publishing tool would.
//
//   ravoftp_host [--dll PATH] [--passive] [--timeout S] HOST PORT USER PASSWORD [COMMAND ...]
//
// Each COMMAND is one argument ("list attr name", "get local.txt /remote.txt");
// without commands they are read from standard input, one per line.
//   list TEMPLATE | cd [PATH] | mkdir PATH | rmdir PATH | delete PATH
//   rename OLD NEW | get LOCAL REMOTE | put LOCAL REMOTE
//   send LOCAL NAME | receive LOCAL NAME | close
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "ravoFtp.h"
#include "result_messages.h"

namespace {

struct Library {
    HMODULE module = nullptr;
    FTP_CONNECT_FN connect = nullptr;
    FTP_CLOSE_FN close = nullptr;
    FTP_LIST_FN list = nullptr;
    FTP_CHANGEDIR_FN changeDir = nullptr;
    FTP_PATH_FN makeDir = nullptr, removeDir = nullptr, removeFile = nullptr;
    FTP_TWO_PATHS_FN getFile = nullptr, putFile = nullptr, rename = nullptr, sendFile = nullptr,
                     receiveFile = nullptr;
    FTP_GETLASTMESSAGE_FN lastMessage = nullptr;

    template <typename Fn>
    bool Bind(Fn* fn, int ordinal) {
        *fn = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, MAKEINTRESOURCEA(ordinal))));
        return *fn != nullptr;
    }
    bool Load(const char* path) {
        module = LoadLibraryA(path);
        return module && Bind(&connect, 700) && Bind(&close, 702) && Bind(&list, 703) && Bind(&changeDir, 704) &&
               Bind(&makeDir, 705) && Bind(&removeDir, 706) && Bind(&removeFile, 707) && Bind(&getFile, 708) &&
               Bind(&putFile, 709) && Bind(&rename, 710) && Bind(&sendFile, 711) && Bind(&receiveFile, 712) &&
               Bind(&lastMessage, 720);
    }
};

std::vector<std::string> Words(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string w; in >> w;) words.push_back(w);
    return words;
}

// Prints a result: its message from the DLL's string table and the server's
// last reply.
int Report(const Library& dll, const std::string& what, int result) {
    char text[512] = "";
    LoadStringA(dll.module, ResultMessageId(result), text, sizeof text);
    char last[4096] = "";
    dll.lastMessage(last, sizeof last);
    if (result == 0) {
        std::printf("%s: ok%s%s\n", what.c_str(), *last ? "  | " : "", last);
    } else {
        std::printf("%s: error %d: %s%s%s\n", what.c_str(), result, text, *last ? "\n  server: " : "", last);
    }
    return result;
}

int List(const Library& dll, const std::string& templateText) {
    static char folders[65535];
    static char files[65535];
    const int r = dll.list(templateText.c_str(), folders, sizeof folders, files, sizeof files);
    std::printf("-- folders --\n%s-- files --\n%s", folders, files);
    return Report(dll, "list", r);
}

int Run(const Library& dll, const std::string& line) {
    const std::vector<std::string> w = Words(line);
    if (w.empty()) return 0;
    const std::string& c = w[0];
    const char* a1 = w.size() > 1 ? w[1].c_str() : "";
    const char* a2 = w.size() > 2 ? w[2].c_str() : "";
    if (c == "list") return List(dll, line.size() > 5 ? line.substr(5) : "attr date time size name");
    if (c == "cd") {
        char folder[256] = "";
        const int r = dll.changeDir(a1, folder, sizeof folder);
        std::printf("folder: %s\n", folder);
        return Report(dll, line, r);
    }
    if (c == "mkdir") return Report(dll, line, dll.makeDir(a1));
    if (c == "rmdir") return Report(dll, line, dll.removeDir(a1));
    if (c == "delete") return Report(dll, line, dll.removeFile(a1));
    if (c == "rename") return Report(dll, line, dll.rename(a1, a2));
    if (c == "get") return Report(dll, line, dll.getFile(a1, a2));
    if (c == "put") return Report(dll, line, dll.putFile(a1, a2));
    if (c == "send") return Report(dll, line, dll.sendFile(a1, a2));
    if (c == "receive") return Report(dll, line, dll.receiveFile(a1, a2));
    if (c == "close") return Report(dll, line, dll.close());
    std::printf("%s: unknown command\n", c.c_str());
    return -1;
}

}  // namespace

int main(int argc, char** argv) {
    const char* dllPath = "ravoFtp.dll";
    int passive = 0;
    int timeout = 30;
    int i = 1;
    for (; i < argc && argv[i][0] == '-' && argv[i][1] == '-'; ++i) {
        const std::string option = argv[i];
        if (option == "--passive") passive = 1;
        else if (option == "--dll" && i + 1 < argc) dllPath = argv[++i];
        else if (option == "--timeout" && i + 1 < argc) timeout = std::atoi(argv[++i]);
    }
    if (argc - i < 4) {
        std::fprintf(stderr, "usage: ravoftp_host [--dll PATH] [--passive] [--timeout S] HOST PORT USER PASSWORD [COMMAND ...]\n");
        return 2;
    }
    Library dll;
    if (!dll.Load(dllPath)) {
        std::fprintf(stderr, "cannot load %s or one of its exports\n", dllPath);
        return 2;
    }
    const int r = dll.connect(nullptr, argv[i], argv[i + 2], argv[i + 3], std::atoi(argv[i + 1]), timeout, "none",
                              nullptr, 0, nullptr, nullptr, passive);
    if (Report(dll, std::string("connect ") + argv[i], r) != 0) return 1;
    int failures = 0;
    if (i + 4 < argc) {
        for (int k = i + 4; k < argc; ++k) failures += Run(dll, argv[k]) != 0;
    } else {
        for (std::string line; std::getline(std::cin, line);) failures += Run(dll, line) != 0;
    }
    dll.close();
    return failures ? 1 : 0;
}
