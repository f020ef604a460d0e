#pragma once

// Time limits of blocking network calls, so that a headless run never hangs for ever
// on a dead peer. Both end as WSAETIMEDOUT through the usual messages.
namespace nubo {

// A connection attempt (control, data, proxy) gives up after this long.
inline constexpr int kConnectTimeoutSeconds = 30;
// A connection that stays silent this long while a reply or data is awaited fails as
// a receive error.
inline constexpr int kSilenceTimeoutSeconds = 120;
// A data connection that moves fewer bytes than this in that many seconds is stalled
// as well, though never quite silent (a server dripping one byte a second).
inline constexpr int kLowSpeedFloorBytes = 1024;
inline constexpr int kLowSpeedWindowSeconds = 60;

}  // namespace nubo
