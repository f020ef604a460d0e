#pragma once

namespace nubo {

// What a command line asks for, in the order the Windows version numbers its modes
// (the order matters: every mode from Connect on connects, every one from
// TransferListed on transfers, and PutNames and GetNames name their files alone).
enum class CommandLineMode {
    Nothing = 0,
    Connect = 1,         // a URL alone: connect and browse
    TransferListed = 2,  // a URL and local files: upload them as given
    Fetch = 3,           // "-f": the URL's file, or its listing for ";type=d"
    PutNames = 4,        // "-p": upload the names from the transfer folder
    GetNames = 5,        // "-g": download the names into the transfer folder
};

// The modes that transfer (and so run without the window from a terminal).
inline bool transfers(CommandLineMode mode) {
    return mode >= CommandLineMode::TransferListed;
}

}  // namespace nubo
