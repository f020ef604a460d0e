#include <string>
#include <vector>

#include "engine/file_mode.h"
#include "engine/ftp_session.h"
#include "engine/listing_by_name.h"
#include "engine/path_text.h"
#include "engine/remote_view_contract.h"

// Permissions of FtpSession: SITE CHMOD on chosen entries, and a walk through the folders
// among them when the change reaches their contents.

namespace nubo {

namespace {

// Deeper than any tree a person means to change at once; a server that lists a folder
// inside itself ends there.
constexpr int kMaxDepth = 64;

}  // namespace

int FtpSession::changeModes(const ChmodRequest& request) {
    const std::string directory = requestDirectory(request.directory);
    std::vector<RemoteEntry> fresh;
    DirectoryVisit visit;
    std::vector<std::string> refusals;
    int result = enterRequestDirectory(request.directory, &fresh, &visit);
    if (result / 100 != 2) {
        refusals.push_back(directory + ": " + protocol_.lastReplyLine());
    } else {
        const ListingByName listed(fresh);
        for (const RemoteEntry& chosen : request.entries) {
            const RemoteEntry* entry =
                visit.entered ? stillListed(listed, chosen.name, 0) : &chosen;
            if (entry == nullptr || !entry->valid())
                continue;
            result = changeEntryMode(directory, *entry, request.change, 0, &refusals);
            if (result == 421 || abortRequested_)
                break;
        }
        // A walk leaves the session in the request's directory; the visit puts it back.
        if (currentRemoteDirectory_ != directory && result != 421)
            enterDirectoryOnly(directory);
    }
    leaveRequestDirectory(visit, result);
    if (view() != nullptr)
        view()->permissionsApplied(refusals);
    return result;
}

int FtpSession::changeEntryMode(const std::string& directory, const RemoteEntry& entry,
                                const ModeChange& change, int depth,
                                std::vector<std::string>* refusals) {
    const std::string path = joinPath(directory, entry.name);
    const bool walk = change.recursive && entry.type == EntryType::Directory && depth < kMaxDepth;
    int result = 200;
    if (walk && !change.folderBeforeContents()) {
        result = changeContentModes(path, change, depth + 1, refusals);
        if (result == 421)
            return result;
    }
    if (const std::optional<uint16_t> mode = change.target(entry.permissions())) {
        const std::string octal = file_mode::toOctal(*mode);
        setStatus("CHMOD " + octal + " " + entry.name);
        logExtended("CHMODing " + entry.name + " to " + octal);
        std::string code;
        result = protocol_.changeMode(entry.name, octal, &code);
        setStatus({});
        if (code[0] == '2') {
            listings().setMode(directory, entry.name, *mode);
            if (view() != nullptr)
                view()->modeChanged(directory, entry.name, *mode);
        } else {
            logExtended("... Unable to CHMOD " + entry.name);
            refusals->push_back(path + ": " + protocol_.lastReplyLine());
            if (result == 421)
                return result;
        }
    }
    if (walk && change.folderBeforeContents())
        result = changeContentModes(path, change, depth + 1, refusals);
    return result;
}

int FtpSession::changeContentModes(const std::string& folder, const ModeChange& change, int depth,
                                   std::vector<std::string>* refusals) {
    if (abortRequested_)
        return ControlChannel::kLocalFailure;
    const std::string parent = currentRemoteDirectory_;
    int result = enterDirectoryOnly(folder);
    if (result / 100 != 2) {
        refusals->push_back(folder + ": " + protocol_.lastReplyLine());
        return result;  // still in the parent
    }
    std::vector<RemoteEntry> entries;
    result = listDirectory(folder, {}, false, &entries);
    if (result / 100 != 2 || listingBroken_ || listingMissing_) {
        logExtended("*** Unable to list " + folder + "; its contents keep their permissions");
        refusals->push_back(folder + ": " + protocol_.lastReplyLine());
        entries.clear();
    }
    for (const RemoteEntry& entry : entries) {
        // A link's mode is its target's, which may lie anywhere.
        if (!entry.valid() || entry.type == EntryType::Link)
            continue;
        result = changeEntryMode(folder, entry, change, depth, refusals);
        if (result == 421 || abortRequested_)
            break;
        if (currentRemoteDirectory_ != folder && (result = enterDirectoryOnly(folder)) / 100 != 2)
            break;
    }
    if (result == 421)
        return result;
    const int back = enterDirectoryOnly(parent);
    return back / 100 == 2 ? result : back;
}

}  // namespace nubo
