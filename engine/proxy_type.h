#pragma once

namespace nubo {

enum class ProxyType { None = 0, FtpProxy = 1, Socks4 = 2, Socks5 = 3 };

}  // namespace nubo
