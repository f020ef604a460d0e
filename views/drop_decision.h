#pragma once

namespace nubo {

// What a drop on one of the two file views does. Both views' event filters ask here,
// while the drag moves (to accept it or not) and when it lands.
enum class DropPayload { Nothing, LocalFiles, RemoteEntries };
enum class DropView { Remote, Local };
enum class DropAction { Refuse, Upload, Download };

struct DropSituation {
    DropPayload payload = DropPayload::Nothing;
    // Remote entries: they come from this process, and from the session this window is
    // connected with now (another window's, or an ended session's, are not ours).
    bool fromThisProcess = false;
    bool fromThisSession = false;
    DropView target = DropView::Remote;
    // This window has a logged-in session.
    bool connected = false;
    // The local view knows a folder to put files in (not Computer or Network).
    bool targetFolder = false;
};

DropAction decideDrop(const DropSituation& situation);

}  // namespace nubo
