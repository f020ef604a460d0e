#pragma once

// WinSock-style error codes and names. Every network message of the program names
// its error the way users of the Windows version know them ("WSAECONNREFUSED"), so
// POSIX errno values and resolver failures are mapped onto that table here.

namespace nubo {

namespace wsa {
inline constexpr int kInterrupted = 10004;          // WSAEINTR
inline constexpr int kInvalidArgument = 10022;      // WSAEINVAL
inline constexpr int kMessageSize = 10040;          // WSAEMSGSIZE
inline constexpr int kAddressNotAvailable = 10049;  // WSAEADDRNOTAVAIL
inline constexpr int kConnectionAborted = 10053;    // WSAECONNABORTED
inline constexpr int kConnectionReset = 10054;      // WSAECONNRESET
inline constexpr int kNotConnected = 10057;         // WSAENOTCONN
inline constexpr int kTimedOut = 10060;             // WSAETIMEDOUT
inline constexpr int kConnectionRefused = 10061;    // WSAECONNREFUSED
inline constexpr int kHostNotFound = 11001;         // WSAHOST_NOT_FOUND
inline constexpr int kTryAgain = 11002;             // WSATRY_AGAIN
inline constexpr int kNoRecovery = 11003;           // WSANO_RECOVERY
inline constexpr int kNoData = 11004;               // WSANO_DATA
}  // namespace wsa

// The calling thread's last WinSock error, as every socket operation leaves it.
int lastWinsockError();
void setLastWinsockError(int code);

// Name of a code from the table, or "<WSAunknown: #%d>". The text for an unknown
// code lives in a per-thread buffer and stays valid until this thread names the next
// unknown code.
const char* winsockErrorName(int code);
// Name of the calling thread's last error.
const char* winsockErrorName();

// Maps a POSIX errno value to its WinSock code; values without a counterpart are
// passed through unchanged (they then print as unknown codes).
int winsockCodeFromErrno(int err);
// Maps a getaddrinfo/getnameinfo result (EAI_*) to its WinSock code.
int winsockCodeFromResolver(int eaiError, int err);

}  // namespace nubo
