#include "result_messages.h"

#include "ravoFtp.h"
#include "resource.h"

namespace {

struct CodeMessage {
    int code;
    unsigned stringId;
};

// Codes with a message of their own; -9 to -5 and every code not listed
// share the general message. A listing cut at the engine's entry limit
// (-32, kListingTooLong) says what -27 says: not all the files of the folder
// could be loaded. (Written as a number: host programs compile this file
// without the engine.)
constexpr CodeMessage kMessages[] = {
    {FTP_RESULT_TLS_NOT_OFFERED, IDS_ERR_TLS_NOT_OFFERED}, {FTP_RESULT_TLS_FAILED, IDS_ERR_TLS_FAILED},
    {FTP_RESULT_CERTIFICATE_REFUSED, IDS_ERR_CERT_REFUSED}, {FTP_RESULT_TLS_RESUME_REQUIRED, IDS_ERR_TLS_RESUME},
    {-32, IDS_ERR_MEMORY},
    {-31, IDS_ERR_NO_RESPONSE}, {-30, IDS_ERR_TIMEOUT},   {-29, IDS_ERR_DENIED},     {-28, IDS_ERR_ACCOUNT},
    {-27, IDS_ERR_MEMORY},      {-26, IDS_ERR_FILE_NAME}, {-25, IDS_ERR_SYNTAX},     {-24, IDS_ERR_LOCAL},
    {-23, IDS_ERR_NOT_TAKEN},   {-22, IDS_ERR_MORE_INFO}, {-21, IDS_ERR_CLOSED},     {-20, IDS_ERR_CLOSED},
    {-19, IDS_ERR_DISK_FULL},   {-18, IDS_ERR_DISK_FULL}, {-17, IDS_ERR_NOT_EMPTY},  {-16, IDS_ERR_MISSING},
    {-15, IDS_ERR_GENERAL},     {-14, IDS_ERR_ACCESS},    {-13, IDS_ERR_PASSWORD},   {-12, IDS_ERR_USER},
    {-11, IDS_ERR_RESOLVE},     {-10, IDS_ERR_CONNECT},   {-4, IDS_ERR_CANCELLED},   {FTP_RESULT_BUSY, IDS_ERR_BUSY},
};

}  // namespace

unsigned ResultMessageId(int resultCode) {
    if (resultCode >= -700 && resultCode <= -500) return IDS_ERR_SOCKET;
    for (const CodeMessage& m : kMessages) {
        if (m.code == resultCode) return m.stringId;
    }
    return IDS_ERR_GENERAL;
}
