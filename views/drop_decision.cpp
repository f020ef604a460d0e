#include "views/drop_decision.h"

namespace nubo {

DropAction decideDrop(const DropSituation& s) {
    if (!s.connected) {
        return DropAction::Refuse;  // both ways need the session
    }
    switch (s.target) {
        case DropView::Remote:
            // Files from any program, the local view included, go up; remote rows
            // dropped back on the remote view do nothing.
            return s.payload == DropPayload::LocalFiles ? DropAction::Upload : DropAction::Refuse;
        case DropView::Local:
            return s.payload == DropPayload::RemoteEntries && s.fromThisProcess &&
                           s.fromThisSession && s.targetFolder
                       ? DropAction::Download
                       : DropAction::Refuse;
    }
    return DropAction::Refuse;
}

}  // namespace nubo
