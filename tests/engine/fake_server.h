// A scripted FTP server on 127.0.0.1 for what no real server does: proxy
// dialects, silence, broken replies, a connection dropped mid-transfer.
// It runs one control connection on its own thread, follows the script step
// by step and records every command line it received.
#pragma once

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "net_socket.h"
#include "ut_ftpclient.h"

namespace fake {

enum class Action {
    kReply,        // send `text` (lines joined with CRLF, CRLF appended)
    kExpect,       // read one command; reply `text`; the command is recorded
    kExpectPasv,   // read one command (PASV); open a data listener; reply 227
                   // naming `text` as the host ("10,9,8,7"), or 127.0.0.1
    kSendData,     // accept the data connection, send `text`, close it
    kReceiveData,  // accept the data connection, read it to its end
    kRaw,          // send `text` exactly as it is
    kSendDataAndDrop,  // accept, send `text`, then close data and control
    kPause,        // wait `text` milliseconds (cut short by Stop())
    kSilence,      // stop answering; keep the connection open until Stop()
};

struct Step {
    Action action;
    std::string text;
};

class FakeServer {
public:
    explicit FakeServer(std::vector<Step> script);
    ~FakeServer();

    int Port() const { return m_port; }
    std::vector<std::string> Commands();
    // The script ran to its end (all expected commands arrived).
    bool Finished() const { return m_finished; }
    void Stop();

private:
    void Run();
    void AnswerRest();
    bool ReadLine(std::string* line);
    bool SendText(const std::string& text);
    bool Accept(ftp::NetSocket& listener, ftp::NetSocket* socket);  // until the step wait or Stop()

    std::vector<Step> m_script;
    ftp::NetSocket m_listener;
    ftp::NetSocket m_control;
    ftp::NetSocket m_dataListener;
    std::string m_pending;
    int m_port = 0;
    std::mutex m_mutex;
    std::vector<std::string> m_commands;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_finished{false};
    std::thread m_thread;
};

// A step that reads one command and answers `text`.
inline Step Answer(std::string text) { return {Action::kExpect, std::move(text)}; }
// The greeting and the login every scripted session starts with, then `rest`.
std::vector<Step> LoggedIn(std::vector<Step> rest);
// Logs `client` in to `server` as joe; the result of ConnectToFirewall.
int LogIn(CUT_FTPClient& client, const FakeServer& server, int timeoutMs = 5000);

}  // namespace fake
