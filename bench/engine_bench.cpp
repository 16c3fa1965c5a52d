// Benchmark driver for the engine: one timed operation per run, printed as
// "seconds=<s> peak_kib=<k>" so that bench/run can compare it with curl.
//
//   engine_bench HOST PORT USER PASSWORD download REMOTE LOCAL
//   engine_bench HOST PORT USER PASSWORD upload LOCAL REMOTE
//   engine_bench HOST PORT USER PASSWORD many REMOTE_DIR COUNT LOCAL_DIR   (files f0..fN-1)
//   engine_bench HOST PORT USER PASSWORD list REMOTE_DIR
//
// RAVO_BENCH_SECURITY=2 connects with TLS required (bench/tls_run);
// RAVO_BENCH_SHA256 then names the one certificate accepted although the
// engine finds problems with it (the bench's private CA is trusted nowhere).
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "ut_ftpclient.h"

#ifdef _WIN32
#include <windows.h>
#include <psapi.h>
#else
#include <sys/resource.h>
#endif

namespace {

long PeakKib() {
#ifdef _WIN32
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return static_cast<long>(counters.PeakWorkingSetSize / 1024);
#else
    rusage usage = {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
#endif
}

// The fingerprint accepted by the certificate callback ("" = none).
std::string g_acceptedSha256;

int AcceptPinned(const FtpCertificateInfo* info) {
    return !g_acceptedSha256.empty() && g_acceptedSha256 == info->sha256 ? 1 : 0;
}

int SetUpSecurity(CUT_FTPClient& client) {
    const char* security = std::getenv("RAVO_BENCH_SECURITY");
    const char* sha256 = std::getenv("RAVO_BENCH_SHA256");
    if (!security) return kFtpSecurityPlain;
    g_acceptedSha256 = sha256 ? sha256 : "";
    client.SetCertificateCallback(AcceptPinned);
    client.SetSecurity(std::atoi(security));
    return std::atoi(security);
}

int Fail(const char* what, int code) {
    std::fprintf(stderr, "%s failed: %d\n", what, code);
    return 1;
}

int Run(CUT_FTPClient& client, int argc, char** argv) {
    const std::string op = argv[5];
    client.SetTransferType(1);
    if (op == "download" && argc == 8) return client.ReceiveFile(argv[6], argv[7]);
    if (op == "upload" && argc == 8) return client.SendFile(argv[6], argv[7]);
    if (op == "list" && argc == 7) {
        int r = client.ChDir(argv[6]);
        if (r == 0) r = client.GetDirInfo(nullptr);
        std::fprintf(stderr, "entries=%d\n", client.GetDirInfoCount());
        return r;
    }
    if (op == "many" && argc == 9) {
        int r = client.ChDir(argv[6]);
        const int count = std::atoi(argv[7]);
        for (int i = 0; i < count && r == 0; ++i) {
            const std::string name = "f" + std::to_string(i);
            r = client.ReceiveFile(name.c_str(), (std::string(argv[8]) + "/" + name).c_str());
        }
        return r;
    }
    std::fprintf(stderr, "unknown operation or wrong arguments\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 7) {
        std::fprintf(stderr, "usage: engine_bench HOST PORT USER PASSWORD OPERATION ARGS...\n");
        return 2;
    }
    CUT_FTPClient client;
    client.SetPassiveTransfer(1);
    const int security = SetUpSecurity(client);
    int r = client.ConnectToFirewall(argv[1], argv[3], static_cast<unsigned short>(std::atoi(argv[2])), 30000, 0,
                                     nullptr, 0, nullptr, nullptr, "anonymous");
    if (r == -22) r = client.SendPswd(argv[4], "anonymous");
    if (r != 0) return Fail("login", r);
    // A figure for plain FTP printed as one for TLS would be worse than none.
    if (security == kFtpSecurityRequired && !client.IsSecure()) return Fail("login over TLS", -34);
    client.SetOtherOptions();
    // The login is not timed: curl's figures include its login, which on
    // loopback costs a few milliseconds.
    const auto start = std::chrono::steady_clock::now();
    r = Run(client, argc, argv);
    if (r != 0) return Fail(argv[5], r);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("seconds=%.4f peak_kib=%ld\n", seconds, PeakKib());
    client.Close();
    return 0;
}
