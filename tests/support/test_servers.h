// The real FTP servers started by the CTest fixture: their ports, roots and
// users, read from the file named by RAVO_TEST_SERVERS.
#pragma once

#include <cstdlib>
#include <fstream>
#include <map>
#include <string>

namespace testservers {

// Paths from the Linux side; under Wine the Unix root is drive Z:.
inline std::string HostPath(const std::string& path) {
#ifdef _WIN32
    if (!path.empty() && path[0] == '/') return "Z:" + path;
#endif
    return path;
}

struct Server {
    int port = 0;
    std::string root;
    std::string user;
    std::string password;
    std::string sha256;  // TLS servers: their certificate's fingerprint, "AB:CD:..."
};

inline std::map<std::string, std::string> Values() {
    std::map<std::string, std::string> values;
    const char* file = std::getenv("RAVO_TEST_SERVERS");
    if (!file) return values;
    std::ifstream in(HostPath(file));
    for (std::string line; std::getline(in, line);) {
        const size_t eq = line.find('=');
        if (eq != std::string::npos) values[line.substr(0, eq)] = line.substr(eq + 1);
    }
    return values;
}

// kind: a name from tests/servers/servers.py ("vsftpd", "proftpd-tls", ...).
inline Server Load(const std::string& kind) {
    Server s;
    std::map<std::string, std::string> values = Values();
    s.port = std::atoi(values[kind + ".port"].c_str());
    s.root = HostPath(values[kind + ".root"]);
    s.user = values[kind + ".user"];
    s.password = values[kind + ".password"];
    s.sha256 = values[kind + ".sha256"];
    return s;
}

// The private CA that signs the TLS servers' certificates, as a path of this
// side ("" when no servers run); form is "der" or "pem".
inline std::string CaPath(const std::string& form) {
    const std::string path = Values()["ca." + form];
    return path.empty() ? path : HostPath(path);
}

}  // namespace testservers
