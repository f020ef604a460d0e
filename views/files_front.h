#pragma once

namespace nubo {

// Whether the page with the remote files comes to the front by itself after a Connect:
// once per session, when it has logged in and its first listing has ended (in either
// order), with "Show the files after login" ticked, and only while the user is still on
// the Host page (one who went to another page meanwhile stays there).
class FilesFront {
  public:
    // What the window is doing when an event comes.
    struct Window {
        bool wanted;      // the Options page's check
        bool onHostPage;  // the Host page is the current tab
    };

    // A session connected or ended: the next login decides afresh.
    void sessionChanged();
    // The session logged in with nothing queued from the command line. True: bring the
    // files to the front now.
    bool loggedIn(Window window);
    // A listing (or transfer) of the session ended. True: bring the files to the front.
    bool listingEnded(Window window);

  private:
    bool due(Window window);

    bool loggedIn_ = false;
    bool listed_ = false;
    bool decided_ = false;
};

}  // namespace nubo
