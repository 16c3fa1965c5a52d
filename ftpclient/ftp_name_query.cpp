// Whether a name is taken in the current folder, asked with one command
// instead of a listing: the clock probe checks its file name this way on
// every folder change until it has measured, and a listing of a large
// folder would cost far more than the probe itself.
#include "ftp_client_impl.h"

using namespace ftp;

int CUT_FTPClient::QueryName(const char* name) {
    if (name == nullptr || *name == '\0') return kBadArgument;
    Impl& s = *m_impl;
    // MLST answers for files and folders alike and in any transfer type.
    // SIZE is refused in ASCII mode by several servers, with the same 550
    // that means "no such file": it is asked in binary mode.
    const bool mlst = s.features.mlsd;
    if (!mlst && !s.features.size) return kRequestDenied;
    if (!mlst) {
        const int typed = s.EnsureType(1);
        if (typed != kOk) return typed;
    }
    Reply reply;
    const int r = s.Run((mlst ? "MLST " : "SIZE ") + std::string(name), Command::kFileRead, &reply);
    if (r == kOk) return 1;
    if (reply.code == 550) return 0;
    // Connection faults are the caller's; any other refusal says nothing
    // about the name (500/502: the command is not known after all).
    return IsConnectionFault(r) ? r : kRequestDenied;
}
