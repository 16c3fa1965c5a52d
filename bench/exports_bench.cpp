// Benchmark driver for the DLL's exported functions, loaded by ordinal as a
// host does. Same operations and output as engine_bench:
//   exports_bench HOST PORT USER PASSWORD download REMOTE LOCAL
//   exports_bench HOST PORT USER PASSWORD upload LOCAL REMOTE
//   exports_bench HOST PORT USER PASSWORD many REMOTE_DIR COUNT LOCAL_DIR
#include <windows.h>
#include <psapi.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

using ConnectFn = int(WINAPI*)(HWND, LPCSTR, LPCSTR, LPCSTR, int, int, LPCSTR, LPCSTR, int, LPCSTR, LPCSTR, int);
using ChangeDirFn = int(WINAPI*)(LPCSTR, LPSTR, int);
using TwoPathFn = int(WINAPI*)(LPCSTR, LPCSTR);
using CloseFn = int(WINAPI*)();

template <typename Fn>
Fn Export(HMODULE dll, int ordinal) {
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(dll, MAKEINTRESOURCEA(ordinal))));
}

long PeakKib() {
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return static_cast<long>(counters.PeakWorkingSetSize / 1024);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 8) {
        std::fprintf(stderr, "usage: exports_bench HOST PORT USER PASSWORD OPERATION ARGS...\n");
        return 2;
    }
    HMODULE dll = LoadLibraryA("ravoFtp.dll");
    if (!dll) return 2;
    auto connect = Export<ConnectFn>(dll, 700);
    auto close = Export<CloseFn>(dll, 702);
    auto changeDir = Export<ChangeDirFn>(dll, 704);
    auto getFile = Export<TwoPathFn>(dll, 708);
    auto putFile = Export<TwoPathFn>(dll, 709);
    auto receiveFile = Export<TwoPathFn>(dll, 712);
    int r = connect(nullptr, argv[1], argv[3], argv[4], std::atoi(argv[2]), 30, "none", nullptr, 0, nullptr,
                    nullptr, 1);
    if (r != 0) return std::fprintf(stderr, "login failed: %d\n", r), 1;
    const std::string op = argv[5];
    const auto start = std::chrono::steady_clock::now();
    if (op == "download") {
        r = getFile(argv[7], argv[6]);
    } else if (op == "upload") {
        r = putFile(argv[6], argv[7]);
    } else if (op == "many" && argc == 9) {
        char folder[256];
        r = changeDir(argv[6], folder, sizeof folder);
        for (int i = 0; i < std::atoi(argv[7]) && r == 0; ++i) {
            const std::string name = "f" + std::to_string(i);
            r = receiveFile((std::string(argv[8]) + "\\" + name).c_str(), name.c_str());
        }
    } else {
        return 2;
    }
    if (r != 0) return std::fprintf(stderr, "%s failed: %d\n", op.c_str(), r), 1;
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("seconds=%.4f peak_kib=%ld\n", seconds, PeakKib());
    close();
    return 0;
}
