#pragma once

namespace nubo {

class FtpSession;

// The remote directory view as the session engine uses it. Calls come from the
// session worker and are answered on that thread by the core model.
class RemoteViewContract {
  public:
    virtual ~RemoteViewContract() = default;
    // Login finished: the view sends its requests to this session from now on.
    virtual void onConnected(FtpSession* session) = 0;
    // The session is gone: cached listings are freed and no request may reach it.
    virtual void onDisconnected() = 0;
};

}  // namespace nubo
