#include <algorithm>
#include <ctime>
#include <string>
#include <vector>

#include "base/app_log.h"
#include "engine/ftp_session.h"
#include "engine/main_outlets.h"
#include "engine/name_case.h"
#include "engine/path_text.h"
#include "engine/remote_search.h"
#include "engine/remote_tree_walk.h"
#include "engine/restart_record.h"

// Remote file operations of FtpSession: delete, create folder, rename, and the visit to
// the directory a request names.

namespace nubo {

int FtpSession::enterRequestDirectory(const std::string& directory, std::vector<RemoteEntry>* fresh,
                                      DirectoryVisit* visit) {
    visit->entered = false;
    visit->previous = currentRemoteDirectory_;
    if (directory.empty() || directory == currentRemoteDirectory_) {
        return 200;
    }
    // A plain CWD: the remote view keeps showing what it shows, and its listing is not
    // the one the request is checked against.
    setStatus("CD " + directory);
    std::string code;
    const int reply = changeWorkingDirectory(directory, &code);
    setStatus({});
    if (code[0] != '2') {
        logExtended("*** Unable to enter " + directory);
        return reply;
    }
    visit->entered = true;
    visit->listingBroken = listingBroken_;
    visit->listingMissing = listingMissing_;
    currentRemoteDirectory_ = directory;
    if (!resumePending_) {
        writeRestartField(RestartRecord::kRemoteDir, directory);
    }
    if (fresh == nullptr) {
        return reply;
    }
    const int listed = listDirectory(directory, {}, false, fresh);
    if (listed / 100 != 2 || listingBroken_ || listingMissing_) {
        logExtended("*** Unable to list " + directory + "; nothing done there");
        return listed / 100 == 2 ? ControlChannel::kLocalFailure : listed;
    }
    return listed;
}

void FtpSession::leaveRequestDirectory(const DirectoryVisit& visit, int lastCode) {
    if (!visit.entered || lastCode == 421) {
        return;  // nothing to put back, or no connection to do it on
    }
    abortRequested_ = false;  // coming back is not part of what STOP stopped
    listingBroken_ = visit.listingBroken;
    listingMissing_ = visit.listingMissing;
    setStatus("CD " + visit.previous);
    std::string code;
    changeWorkingDirectory(visit.previous, &code);
    setStatus({});
    if (code[0] != '2') {
        logExtended("*** Unable to return to " + visit.previous);
        return;
    }
    currentRemoteDirectory_ = visit.previous;
    if (!resumePending_) {
        writeRestartField(RestartRecord::kRemoteDir, visit.previous);
    }
}

bool FtpSession::listedEntry(const std::string& name, RemoteEntry* entry) {
    if (requestListing_ != nullptr && currentRemoteDirectory_ == requestListingDirectory_) {
        const RemoteEntry* listed = requestListing_->find(name);
        if (listed != nullptr)
            *entry = *listed;
        return listed != nullptr;
    }
    return listings().find(currentRemoteDirectory_, name, false, entry);
}

void FtpSession::entryUpdated(const std::string& directory, const std::string& name, int64_t size,
                              int64_t time, EntryType type) {
    listings().update(directory, name, size, time, type);
    if (view() != nullptr)
        view()->updateEntry(directory, name, size, time, type);
}

void FtpSession::entryRemoved(const std::string& directory, const std::string& name) {
    listings().remove(directory, name);
    listings().forgetTree(joinPath(directory, name));
    if (view() != nullptr)
        view()->entryRemoved(directory, name);
}

void FtpSession::entryRenamed(const std::string& directory, const std::string& from,
                              const std::string* to) {
    if (to != nullptr) {
        listings().rename(directory, from, *to);
        listings().forgetTree(joinPath(directory, from));
    }
    if (view() != nullptr)
        view()->entryRenamed(directory, from, to);
}

const RemoteEntry* FtpSession::stillListed(const ListingByName& fresh, const std::string& name,
                                           uint32_t failureBit) {
    if (const RemoteEntry* entry = fresh.find(name)) {
        return entry;
    }
    // Never another entry in its place: what the user chose is gone, so nothing is done.
    logExtended("*** " + name + " no longer on the server; skipped");
    if (failureBit != 0) {
        failFile({failureBit == exitbit::kGetFailed, currentRemoteDirectory_, name, {}, -1},
                 "no longer on the server", failureBit);
    }
    return nullptr;
}

int FtpSession::removeEntry(const std::string& directory, const RemoteEntry& entry,
                            std::string* reply) {
    setStatus("DELETE " + entry.name);
    logExtended("DELETEing " + entry.name);
    const bool folder = entry.type == EntryType::Directory;
    std::string code;
    const int result = protocol_.removeEntry(entry.name, folder, reply, &code);
    setStatus({});
    if (code[0] == '2') {
        entryRemoved(directory, entry.name);
        if (folder)
            listings().forget(joinPath(directory, entry.changeDirectoryName()));
        logExtended("... DELETEd " + entry.name);
    }
    return result;
}

void FtpSession::refusedRemoval(const std::string& directory, const RemoteEntry& entry,
                                const std::string& reply) {
    logExtended("... Unable to DELETE " + joinPath(directory, entry.name) + ": " + reply);
    TaskSpec spec{false, directory, entry.name, {}, entry.size, true};
    recordFile(spec, TaskState::Failed, reply, 0);
}

int FtpSession::removeTree(const std::string& directory, const RemoteEntry& folder, bool* gone) {
    int last = 0;
    const auto remove = [this, &last](const std::string& here, const RemoteEntry& entry) {
        std::string reply;
        last = removeEntry(here, entry, &reply);
        if (last / 100 == 2)
            return true;
        if (last != 421)
            refusedRemoval(here, entry, reply);
        return false;
    };
    *gone = false;
    RemoteTreeWalk::Visitor visitor;
    visitor.entered = [this, &remove, &last](const std::string& here, int,
                                             std::vector<RemoteEntry>& entries) {
        // Files first; the folders stay for the walk, which comes back to remove them.
        bool all = true;
        std::erase_if(entries, [&](const RemoteEntry& entry) {
            if (entry.type == EntryType::Directory)
                return false;
            if (abortRequested() || last == 421 || !remove(here, entry))
                all = false;
            return true;
        });
        return all;
    };
    visitor.left = [this, &remove, &folder, gone, &directory](const std::string& here,
                                                              const RemoteEntry& sub, bool whole) {
        const bool done = whole && !abortRequested() && remove(here, sub);
        if (here == directory && sub.name == folder.name)
            *gone = done;
    };
    visitor.refused = [this](const std::string& here, const RemoteEntry& sub,
                             const std::string& reply) { refusedRemoval(here, sub, reply); };
    RemoteTreeWalk walk(*this, std::move(visitor));
    // The count before the question listed the tree a moment ago.
    walk.useKeptListings(true);
    const int walked = walk.walk(folder);
    return walked == 421 || last == 0 ? walked : last;
}

int FtpSession::deleteEntries(const DeleteRequest& request) {
    const std::string directory = requestDirectory(request.directory);
    std::vector<RemoteEntry> fresh;
    DirectoryVisit visit;
    int result = enterRequestDirectory(request.directory, &fresh, &visit);
    if (result / 100 != 2) {
        for (const RemoteEntry& chosen : request.entries) {
            if (view() != nullptr)
                view()->entryKept(directory, chosen.name);
        }
        leaveRequestDirectory(visit, result);
        return result;
    }
    const ListingByName listed(fresh);
    for (const RemoteEntry& chosen : request.entries) {
        const RemoteEntry* entry = visit.entered ? stillListed(listed, chosen.name, 0) : &chosen;
        bool gone = false;
        if (entry != nullptr && entry->valid() && result != 421 && !abortRequested()) {
            if (request.withContents && entry->type == EntryType::Directory) {
                result = removeTree(directory, *entry, &gone);
            } else {
                result = removeEntry(directory, *entry, nullptr);
                gone = result / 100 == 2;
                if (!gone)
                    logExtended("... Unable to DELETE " + entry->name);
            }
        }
        if (!gone && view() != nullptr)
            view()->entryKept(directory, chosen.name);
    }
    leaveRequestDirectory(visit, result);
    return result;
}

int FtpSession::countTrees(const CountRequest& request) {
    TreeCount count;
    std::vector<RemoteEntry> fresh;
    DirectoryVisit visit;
    int result = enterRequestDirectory(request.directory, &fresh, &visit);
    if (result / 100 == 2) {
        RemoteTreeWalk::Visitor visitor;
        visitor.entered = [&count](const std::string&, int, std::vector<RemoteEntry>& entries) {
            for (const RemoteEntry& entry : entries)
                ++(entry.type == EntryType::Directory ? count.folders : count.files);
            return true;
        };
        visitor.refused = [&count](const std::string&, const RemoteEntry&, const std::string&) {
            count.complete = false;
        };
        RemoteTreeWalk walk(*this, std::move(visitor));
        const ListingByName listed(fresh);
        for (const RemoteEntry& chosen : request.entries) {
            const RemoteEntry* entry = visit.entered ? listed.find(chosen.name) : &chosen;
            if (entry == nullptr || entry->type != EntryType::Directory)
                continue;
            setStatus("COUNT " + entry->name);
            result = walk.walk(*entry);
            setStatus({});
            if (result == 421 || walk.stopped())
                break;
        }
        count.complete = count.complete && !walk.stopped() && result != 421;
    } else {
        count.complete = false;
    }
    leaveRequestDirectory(visit, result);
    if (request.counted)
        request.counted(count);
    return result;
}

int FtpSession::find(const FindRequest& request) {
    DirectoryVisit visit;
    int result = enterRequestDirectory(request.directory, nullptr, &visit);
    if (result / 100 == 2) {
        setStatus("FIND");
        result = request.search->run(*this);
        setStatus({});
    } else {
        request.search->stop();
        request.search->run(*this);  // stopped before it began: it ends at once
    }
    leaveRequestDirectory(visit, result);
    return result;
}

int FtpSession::makeDirectory(const MakeDirectoryRequest& request) {
    const std::string directory = requestDirectory(request.directory);
    const std::string& name = request.name;
    DirectoryVisit visit;
    int code = enterRequestDirectory(request.directory, nullptr, &visit);
    if (code / 100 == 2) {
        setStatus("CREATE " + name);
        logExtended("CREATEing " + name);
        code = protocol_.makeDirectory(name);
    }
    if (code == 257) {
        entryUpdated(directory, name, 0, static_cast<int64_t>(::time(nullptr)),
                     EntryType::Directory);
        logExtended("... CREATEd " + name);
    } else {
        if (view() != nullptr) {
            view()->placeholderDropped(directory, name);
        }
        logExtended("... Unable to CREATE " + name);
    }
    setStatus({});
    leaveRequestDirectory(visit, code);
    return code;
}

FtpSession::NameAtTarget FtpSession::nameAtTarget(const std::vector<RemoteEntry>* fresh,
                                                  const std::string& from, const std::string& to) {
    std::vector<RemoteEntry> kept;
    if (fresh == nullptr) {
        listings().listing(currentRemoteDirectory_, &kept);
        fresh = &kept;
    }
    NameAtTarget found;
    for (const RemoteEntry& entry : *fresh) {
        if (!entry.valid() || entry.name == from)
            continue;  // the renamed entry itself
        if (entry.name == to)
            found.taken = true;
        else if (found.twin.empty() && namesEqualIgnoringCase(entry.name, to))
            found.twin = entry.name;
    }
    return found;
}

int FtpSession::renameRemote(const RenameRequest& request) {
    const std::string directory = requestDirectory(request.directory);
    const std::string& oldName = request.from;
    const std::string& newName = request.to;
    std::vector<RemoteEntry> fresh;
    DirectoryVisit visit;
    int code = enterRequestDirectory(request.directory, &fresh, &visit);
    if (code / 100 != 2 ||
        (visit.entered && stillListed(ListingByName(fresh), oldName, 0) == nullptr)) {
        entryRenamed(directory, oldName, nullptr);
        leaveRequestDirectory(visit, code);
        return code / 100 == 2 ? 550 : code;
    }
    // RNTO onto a name the folder holds replaces that file on most servers: never sent,
    // whatever the view thought when it queued the request.
    const NameAtTarget target = nameAtTarget(visit.entered ? &fresh : nullptr, oldName, newName);
    if (target.taken) {
        logExtended("... Unable to RENAME TO " + newName);
        entryRenamed(directory, oldName, nullptr);
        leaveRequestDirectory(visit, code);
        return ControlChannel::kLocalFailure;
    }
    setStatus("RENAME " + oldName + " " + newName);
    logExtended("RENAMEing " + oldName + " to " + newName);
    bool fromRefused = false;
    std::string text;
    code = protocol_.rename(oldName, newName, &fromRefused, &text);
    if (fromRefused) {
        logExtended("... Unable to RENAME FROM " + oldName);
        entryRenamed(directory, oldName, nullptr);
    } else {
        if (text[0] == '2') {
            entryRenamed(directory, oldName, &newName);
            logExtended("... RENAMEd " + oldName + " to " + newName);
            if (!target.twin.empty())
                dropTwinIfGone(directory, target.twin);
        } else {
            entryRenamed(directory, oldName, nullptr);
            logExtended("... Unable to RENAME TO " + newName);
        }
    }
    setStatus({});
    leaveRequestDirectory(visit, code);
    return code;
}

void FtpSession::dropTwinIfGone(const std::string& directory, const std::string& twin) {
    // A server that ignores letter case may have taken the twin for the new name and
    // replaced it, or may keep both: only a listing tells, and the view follows it.
    std::vector<RemoteEntry> after;
    if (listAside(directory, &after) / 100 != 2)
        return;
    const bool kept = std::any_of(after.begin(), after.end(),
                                  [&twin](const RemoteEntry& e) { return e.name == twin; });
    if (!kept)
        entryRemoved(directory, twin);
}

}  // namespace nubo
