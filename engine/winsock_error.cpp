#include "engine/winsock_error.h"

#include <netdb.h>

#include <cerrno>
#include <cstdio>

namespace nubo {

namespace {

thread_local int tLastError = 0;

struct ErrorName {
    int code;
    const char* name;
};

constexpr ErrorName kNames[] = {
    {10004, "WSAEINTR"},           {10014, "WSAEFAULT"},          {10022, "WSAEINVAL"},
    {10024, "WSAEMFILE"},          {10035, "WSAEWOULDBLOCK"},     {10036, "WSAEINPROGRESS"},
    {10037, "WSAEALREADY"},        {10038, "WSAENOTSOCK"},        {10039, "WSAEDESTADDRREQ"},
    {10040, "WSAEMSGSIZE"},        {10041, "WSAEPROTOTYPE"},      {10042, "WSAENOPROTOOPT"},
    {10043, "WSAEPROTONOSUPPORT"}, {10044, "WSAESOCKTNOSUPPORT"}, {10045, "WSAEOPNOTSUPP"},
    {10046, "WSAEPFNOSUPPORT"},    {10047, "WSAEAFNOSUPPORT"},    {10048, "WSAEADDRINUSE"},
    {10049, "WSAEADDRNOTAVAIL"},   {10050, "WSAENETDOWN"},        {10051, "WSAENETUNREACH"},
    {10052, "WSAENETRESET"},       {10053, "WSAECONNABORTED"},    {10054, "WSAECONNRESET"},
    {10055, "WSAENOBUFS"},         {10056, "WSAEISCONN"},         {10057, "WSAENOTCONN"},
    {10058, "WSAESHUTDOWN"},       {10059, "WSAETOOMANYREFS"},    {10060, "WSAETIMEDOUT"},
    {10061, "WSAECONNREFUSED"},    {10062, "WSAELOOP"},           {10063, "WSAENAMETOOLONG"},
    {10064, "WSAEHOSTDOWN"},       {10065, "WSAEHOSTUNREACH"},    {10066, "WSAENOTEMPTY"},
    {10067, "WSAEPROCLIM"},        {10068, "WSAEUSERS"},          {10069, "WSAEDQUOT"},
    {10070, "WSAESTALE"},          {10071, "WSAEREMOTE"},         {10093, "WSANOTINITIALISED"},
    {11001, "WSAHOST_NOT_FOUND"},  {11002, "WSATRY_AGAIN"},       {11003, "WSANO_RECOVERY"},
    {11004, "WSANO_DATA"},
};

struct ErrnoCode {
    int err;
    int code;
};

constexpr ErrnoCode kErrnoCodes[] = {
    {EINTR, 10004},           {EFAULT, 10014},       {EINVAL, 10022},
    {EMFILE, 10024},          {ENFILE, 10024},       {EWOULDBLOCK, 10060},
    {EINPROGRESS, 10036},     {EALREADY, 10037},     {ENOTSOCK, 10038},
    {EBADF, 10038},           {EDESTADDRREQ, 10039}, {EMSGSIZE, 10040},
    {EPROTOTYPE, 10041},      {ENOPROTOOPT, 10042},  {EPROTONOSUPPORT, 10043},
    {ESOCKTNOSUPPORT, 10044}, {EOPNOTSUPP, 10045},   {EPFNOSUPPORT, 10046},
    {EAFNOSUPPORT, 10047},    {EADDRINUSE, 10048},   {EADDRNOTAVAIL, 10049},
    {ENETDOWN, 10050},        {ENETUNREACH, 10051},  {ENETRESET, 10052},
    {ECONNABORTED, 10053},    {ECONNRESET, 10054},   {EPIPE, 10054},
    {ENOBUFS, 10055},         {ENOMEM, 10055},       {EISCONN, 10056},
    {ENOTCONN, 10057},        {ESHUTDOWN, 10058},    {ETOOMANYREFS, 10059},
    {ETIMEDOUT, 10060},       {ECONNREFUSED, 10061}, {ELOOP, 10062},
    {ENAMETOOLONG, 10063},    {EHOSTDOWN, 10064},    {EHOSTUNREACH, 10065},
    {ENOTEMPTY, 10066},       {EUSERS, 10068},       {EDQUOT, 10069},
    {ESTALE, 10070},          {EREMOTE, 10071},      {EACCES, 10013},
};

}  // namespace

int lastWinsockError() {
    return tLastError;
}

void setLastWinsockError(int code) {
    tLastError = code;
}

const char* winsockErrorName(int code) {
    for (const ErrorName& row : kNames) {
        if (row.code == code) {
            return row.name;
        }
    }
    thread_local char unknown[32];
    std::snprintf(unknown, sizeof unknown, "<WSAunknown: #%d>", code);
    return unknown;
}

const char* winsockErrorName() {
    return winsockErrorName(tLastError);
}

int winsockCodeFromErrno(int err) {
    // With blocking sockets EAGAIN only comes back when a receive or send time-out ran
    // out, which is why it maps to WSAETIMEDOUT rather than WSAEWOULDBLOCK.
    for (const ErrnoCode& row : kErrnoCodes) {
        if (row.err == err) {
            return row.code;
        }
    }
    return err;
}

int winsockCodeFromResolver(int eaiError, int err) {
    switch (eaiError) {
        case 0:
            return 0;
        case EAI_NONAME:
#ifdef EAI_ADDRFAMILY
        case EAI_ADDRFAMILY:
#endif
            return wsa::kHostNotFound;
        case EAI_AGAIN:
            return wsa::kTryAgain;
        case EAI_FAIL:
            return wsa::kNoRecovery;
#ifdef EAI_NODATA
        case EAI_NODATA:
            return wsa::kNoData;
#endif
        case EAI_MEMORY:
            return 10055;
        case EAI_SYSTEM:
            return winsockCodeFromErrno(err);
        default:
            return wsa::kNoRecovery;
    }
}

}  // namespace nubo
