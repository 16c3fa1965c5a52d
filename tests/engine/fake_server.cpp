#include "fake_server.h"

#include <chrono>

#include "ftp_result.h"

namespace fake {
namespace {

constexpr int kStepWaitMs = 10000;  // a client that stays silent this long has failed

ftp::NetAddress Loopback() {
    ftp::NetAddress a;
    ftp::MakeNumericAddress("127.0.0.1", 0, &a);
    return a;
}

}  // namespace

FakeServer::FakeServer(std::vector<Step> script) : m_script(std::move(script)) {
    m_listener.Listen(Loopback());
    m_port = m_listener.LocalAddress().Port();
    m_thread = std::thread([this] { Run(); });
}

FakeServer::~FakeServer() { Stop(); }

void FakeServer::Stop() {
    m_stop = true;
    if (m_thread.joinable()) m_thread.join();
    m_control.Close();
    m_listener.Close();
    m_dataListener.Close();
}

std::vector<std::string> FakeServer::Commands() {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_commands;
}

bool FakeServer::SendText(const std::string& text) {
    if (text.empty()) return true;  // an expected command answered later, or never
    std::string wire;
    for (const char c : text + "\n") wire += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return m_control.SendAll(wire.data(), wire.size(), kStepWaitMs) == ftp::kOk;
}

bool FakeServer::ReadLine(std::string* line) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kStepWaitMs);
    for (;;) {
        const size_t end = m_pending.find("\r\n");
        if (end != std::string::npos) {
            *line = m_pending.substr(0, end);
            m_pending.erase(0, end + 2);
            std::lock_guard<std::mutex> lock(m_mutex);
            m_commands.push_back(*line);
            return true;
        }
        if (m_stop || std::chrono::steady_clock::now() > deadline) return false;
        char buffer[1024];
        size_t got = 0;
        const int r = m_control.Receive(buffer, sizeof buffer, 100, &got);
        if (r == ftp::kTimeout) continue;
        if (r != ftp::kOk || got == 0) return false;
        m_pending.append(buffer, got);
    }
}

bool FakeServer::Accept(ftp::NetSocket& listener, ftp::NetSocket* socket) {
    for (int waited = 0; waited < kStepWaitMs && !m_stop; waited += 100) {
        const int r = listener.Accept(100, socket);
        if (r != ftp::kTimeout) return r == ftp::kOk;
    }
    return false;
}

void FakeServer::Run() {
    if (!Accept(m_listener, &m_control)) return;
    std::string line;
    for (const Step& step : m_script) {
        switch (step.action) {
        case Action::kReply:
            if (!SendText(step.text)) return;
            break;
        case Action::kExpect:
            if (!ReadLine(&line) || !SendText(step.text)) return;
            break;
        case Action::kExpectPasv: {
            if (!ReadLine(&line)) return;
            m_dataListener.Listen(Loopback());
            const int port = m_dataListener.LocalAddress().Port();
            const std::string host = step.text.empty() ? "127,0,0,1" : step.text;
            const std::string reply = "227 Entering Passive Mode (" + host + "," + std::to_string(port / 256) +
                                      "," + std::to_string(port % 256) + ")";
            if (!SendText(reply)) return;
            break;
        }
        case Action::kSendData:
        case Action::kSendDataAndDrop: {
            ftp::NetSocket data;
            if (!Accept(m_dataListener, &data)) return;
            data.SendAll(step.text.data(), step.text.size(), kStepWaitMs);
            data.Close();
            if (step.action == Action::kSendDataAndDrop) {
                m_control.Close();
                m_finished = true;
                return;
            }
            break;
        }
        case Action::kReceiveData: {
            ftp::NetSocket data;
            if (!Accept(m_dataListener, &data)) return;
            char buffer[4096];
            size_t got = 1;
            while (got > 0 && data.Receive(buffer, sizeof buffer, kStepWaitMs, &got) == ftp::kOk) {
            }
            break;
        }
        case Action::kRaw:
            if (m_control.SendAll(step.text.data(), step.text.size(), kStepWaitMs) != ftp::kOk) return;
            break;
        case Action::kPause:
            for (int waited = 0; waited < std::stoi(step.text) && !m_stop; waited += 10) {
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            }
            break;
        case Action::kSilence:
            m_finished = true;
            while (!m_stop) std::this_thread::sleep_for(std::chrono::milliseconds(20));
            return;
        }
    }
    m_finished = true;
    AnswerRest();
}

// After the script: QUIT is answered so that a client's Close() need not
// wait; any other command is refused and recorded for the test to see.
void FakeServer::AnswerRest() {
    std::string line;
    while (!m_stop && ReadLine(&line)) {
        if (line.compare(0, 4, "QUIT") == 0) {
            SendText("221 Goodbye.");
            return;
        }
        if (!SendText("502 Not scripted.")) return;
    }
}

std::vector<Step> LoggedIn(std::vector<Step> rest) {
    std::vector<Step> script = {{Action::kReply, "220 Fake FTP ready"}, {Action::kExpect, "230 Logged in"}};
    script.insert(script.end(), rest.begin(), rest.end());
    return script;
}

int LogIn(CUT_FTPClient& client, const FakeServer& server, int timeoutMs) {
    return client.ConnectToFirewall("127.0.0.1", "joe", static_cast<unsigned short>(server.Port()),
                                    static_cast<unsigned short>(timeoutMs), 0, nullptr, 0, nullptr, nullptr,
                                    "anonymous");
}

}  // namespace fake
