#include "views/drop_decision.h"

#include <gtest/gtest.h>

namespace nubo {
namespace {

constexpr DropPayload kFiles = DropPayload::LocalFiles;
constexpr DropPayload kRows = DropPayload::RemoteEntries;
constexpr DropPayload kNothing = DropPayload::Nothing;
constexpr DropView kRemote = DropView::Remote;
constexpr DropView kLocal = DropView::Local;
constexpr DropAction kRefuse = DropAction::Refuse;
constexpr DropAction kUpload = DropAction::Upload;
constexpr DropAction kDownload = DropAction::Download;

struct Row {
    DropPayload payload;
    bool fromThisProcess;
    bool fromThisSession;
    DropView target;
    bool connected;
    bool targetFolder;
    DropAction expected;
    const char* why;
};

TEST(DropDecisionTest, WhatADropDoesOnEitherView) {
    const Row rows[] = {
        // Onto the remote view: local files upload, whoever dragged them.
        {kFiles, false, false, kRemote, true, false, kUpload, "files from any program"},
        {kFiles, true, false, kRemote, true, true, kUpload, "files from the local view"},
        {kFiles, false, false, kRemote, false, false, kRefuse, "not connected"},
        {kRows, true, true, kRemote, true, false, kRefuse, "its own rows dropped back"},
        {kNothing, false, false, kRemote, true, false, kRefuse, "nothing usable"},
        // Onto the local view: only this window's session's rows download.
        {kRows, true, true, kLocal, true, true, kDownload, "this session's rows"},
        {kRows, true, false, kLocal, true, true, kRefuse, "another window's session"},
        {kRows, false, true, kLocal, true, true, kRefuse, "another process"},
        {kRows, true, true, kLocal, false, true, kRefuse, "the session ended"},
        {kRows, true, true, kLocal, true, false, kRefuse, "Computer or Network shown"},
        {kFiles, true, false, kLocal, true, true, kRefuse, "local files on the local view"},
        {kNothing, false, false, kLocal, true, true, kRefuse, "nothing usable"},
    };
    for (const Row& row : rows) {
        DropSituation situation;
        situation.payload = row.payload;
        situation.fromThisProcess = row.fromThisProcess;
        situation.fromThisSession = row.fromThisSession;
        situation.target = row.target;
        situation.connected = row.connected;
        situation.targetFolder = row.targetFolder;
        EXPECT_EQ(decideDrop(situation), row.expected) << row.why;
    }
}

}  // namespace
}  // namespace nubo
