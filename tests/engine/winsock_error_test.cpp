#include "engine/winsock_error.h"

#include <gtest/gtest.h>
#include <netdb.h>

#include <cerrno>
#include <string>
#include <thread>

namespace nubo {
namespace {

TEST(WinsockErrorTest, NamesFromTheTableAndUnknownCodes) {
    EXPECT_STREQ(winsockErrorName(10061), "WSAECONNREFUSED");
    EXPECT_STREQ(winsockErrorName(10004), "WSAEINTR");
    EXPECT_STREQ(winsockErrorName(10093), "WSANOTINITIALISED");
    EXPECT_STREQ(winsockErrorName(11004), "WSANO_DATA");
    EXPECT_STREQ(winsockErrorName(12345), "<WSAunknown: #12345>");
    EXPECT_STREQ(winsockErrorName(10013), "<WSAunknown: #10013>");  // not in the table
}

TEST(WinsockErrorTest, ErrnoAndResolverMapping) {
    EXPECT_EQ(winsockCodeFromErrno(ECONNREFUSED), 10061);
    EXPECT_EQ(winsockCodeFromErrno(ETIMEDOUT), 10060);
    EXPECT_EQ(winsockCodeFromErrno(EAGAIN), 10060);  // a socket time-out ran out
    EXPECT_EQ(winsockCodeFromErrno(ECONNRESET), 10054);
    EXPECT_EQ(winsockCodeFromErrno(EPIPE), 10054);
    EXPECT_EQ(winsockCodeFromErrno(EHOSTUNREACH), 10065);
    EXPECT_EQ(winsockCodeFromErrno(ENETUNREACH), 10051);
    EXPECT_EQ(winsockCodeFromResolver(EAI_NONAME, 0), 11001);
    EXPECT_EQ(winsockCodeFromResolver(EAI_AGAIN, 0), 11002);
    EXPECT_EQ(winsockCodeFromResolver(EAI_FAIL, 0), 11003);
    EXPECT_EQ(winsockCodeFromResolver(EAI_SYSTEM, ECONNREFUSED), 10061);
}

TEST(WinsockErrorTest, LastErrorAndUnknownNamesArePerThread) {
    setLastWinsockError(10061);
    const char* mine = winsockErrorName(11111);
    std::thread other([] {
        EXPECT_EQ(lastWinsockError(), 0);
        setLastWinsockError(10060);
        EXPECT_STREQ(winsockErrorName(22222), "<WSAunknown: #22222>");
    });
    other.join();
    EXPECT_EQ(lastWinsockError(), 10061);
    EXPECT_STREQ(mine, "<WSAunknown: #11111>");
}

}  // namespace
}  // namespace nubo
