#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace nubo {

// Observer of the remote directory model. Called on the thread that changed the model
// (often the session worker), after the model's lock is released; a widget forwards
// with queued signals and reads what it needs from the model.
class RemoteDirectoryListener {
  public:
    virtual ~RemoteDirectoryListener() = default;
    // Rows [first, first + count) were appended to the shown list.
    virtual void rowsAppended(size_t first, size_t count) = 0;
    // The shown list was replaced by another or emptied.
    virtual void rowsReset() = 0;
    // The shown list's rows were removed, re-sorted or changed in place (renamed, marked)
    // while each entry kept its index: a view keeps its selection and an open editor.
    virtual void rowsUpdated() = 0;
    // The path text above the list changed.
    virtual void pathTextChanged() = 0;
    // A listing or transfer started or ended.
    virtual void busyChanged(bool busy) = 0;
    // Connected to or disconnected from a session.
    virtual void connectionChanged(bool connected) = 0;
    // A change of permissions ended; what the server refused ("path: reply" each).
    virtual void permissionsApplied(const std::vector<std::string>& refusals) { (void)refusals; }
    // An entry of any folder, shown or not, went from the server (a Delete): lists of
    // names found elsewhere drop it.
    virtual void entryGone(const std::string& directory, const std::string& name) {
        (void)directory;
        (void)name;
    }
};

}  // namespace nubo
