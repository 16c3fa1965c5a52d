// The one data-transfer step of the engine: listings (LIST, MLSD, NLST),
// RETR and STOR all go through it, so they answer every case alike:
//
//   first reply 1xx            data flows; the final reply ends it
//   first reply 2xx (no 1xx)   -31: the server claims a transfer that never
//                              opened; nothing is kept, the connection is in step
//   425 / 426                  -21, in step (the reply was final)
//   450, 550 "No files"        a listing is empty (0); a file gets its code
//   other 4xx / 5xx            the reply-to-result table
//   data connection fails      ABOR, NOOP, replies dropped up to its 200; -21
//   (or stays silent)          (-30 on a time-out); the connection stays usable
//   stop from the progress     the same ABOR path; -4
//
// File transfers report progress (bytes, direction) after every 256 KiB and,
// whatever moves, at least every 100 ms while any socket waits, so that a
// stop is seen within a quarter second in every phase. Listings call only
// the wait callback, every 100 ms while they wait, as every command does.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>

#include "data_channel.h"
#include "ftp_client_impl.h"

namespace ftp {

enum class DataKind { kListing, kDownload, kUpload };

class DataTransfer : private WaitTick {
public:
    DataTransfer(CUT_FTPClient::Impl& session, DataKind kind) : m_s(session), m_kind(kind) {}
    DataTransfer(const DataTransfer&) = delete;
    DataTransfer& operator=(const DataTransfer&) = delete;

    // What moves the bytes once the connection is up: Receive() or Send()
    // until the end, then 0 or a result code.
    class Body {
    public:
        virtual int Move(DataTransfer& transfer) = 0;

    protected:
        ~Body() = default;
    };

    // Runs the whole step: TYPE when needed (type 0/1; -1 for none), the
    // data connection, the command, the body, the final reply.
    int Run(const std::string& command, int type, Body& body);

    // Bodies move bytes through these; each counts `counted` bytes of the
    // file (before any line-end conversion) towards the progress.
    int Receive(char* buffer, size_t capacity, size_t* got);
    int Send(const char* data, size_t length, size_t counted);
    uint64_t Total() const { return m_total; }

private:
    int Start(const std::string& command, int type);
    int SecureData();
    int ReplyAfterFault(int fault);
    int Refusal(const Reply& reply) const;
    int Finish();
    void Recover();
    bool Tick() override;
    bool Report();
    bool Moved(size_t counted);
    bool Reports() const { return m_kind != DataKind::kListing && m_s.progress != nullptr; }
    int Timeout() const { return m_s.control.Timeout(); }

    CUT_FTPClient::Impl& m_s;
    DataKind m_kind;
    DataChannel m_data;
    bool m_commandSent = false;
    bool m_noData = false;  // a listing answered "no files"
    bool m_tlsTried = false;  // the data connection's TLS handshake was begun
    uint64_t m_total = 0;
    uint64_t m_reported = 0;
    std::chrono::steady_clock::time_point m_lastReport = std::chrono::steady_clock::now();
};

}  // namespace ftp
