#pragma once

namespace nubo {

// Observer of the local directory model, called on the thread that changed it (the
// reading thread, a session worker or the GUI thread) after the model's lock is released;
// a widget forwards with queued calls.
class LocalDirectoryListener {
  public:
    virtual ~LocalDirectoryListener() = default;
    // The rows were replaced by another folder's, or emptied.
    virtual void rowsReset() = 0;
    // The same folder's rows changed: some added, removed, re-sorted or changed in place.
    // Entry indices stay, so a view keeps its selection and an edit in progress.
    virtual void rowsUpdated() = 0;
    // Rows were appended at the end.
    virtual void rowsAppended() = 0;
    // A folder read started or ended.
    virtual void readingChanged(bool reading) = 0;
};

}  // namespace nubo
