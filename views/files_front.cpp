#include "views/files_front.h"

namespace nubo {

void FilesFront::sessionChanged() {
    loggedIn_ = false;
    listed_ = false;
    decided_ = false;
}

bool FilesFront::loggedIn(Window window) {
    loggedIn_ = true;
    return due(window);
}

bool FilesFront::listingEnded(Window window) {
    listed_ = true;
    return due(window);
}

bool FilesFront::due(Window window) {
    if (decided_ || !loggedIn_ || !listed_)
        return false;
    // Decided once: a later listing never pulls the user away from where they went.
    decided_ = true;
    return window.wanted && window.onHostPage;
}

}  // namespace nubo
