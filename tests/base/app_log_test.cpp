#include "base/app_log.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "base/app_log_listener.h"
#include "shell/console_outlets.h"
#include "shell/stream_log_writer.h"

namespace nubo {
namespace {

using Lines = std::vector<std::string>;

TEST(AppLogTest, FlagsDecideWhichKindsAreKept) {
    AppLog log;
    log.LogCommand("<NOOP");
    log.LogExtended("... note: ", "x");
    log.SetFlags(true, false, true);
    log.LogCommand("<HIDDEN");
    log.LogExtended("kept");
    log.SetFlags(false, true, true);
    log.LogCommand("<HIDDEN");
    log.LogExtended("hidden");
    log.AppendLine("[banner]");  // whatever the flags say
    EXPECT_EQ(log.Lines(), (Lines{"<NOOP", "... note: x", "kept", "[banner]"}));
    log.Wipe();
    EXPECT_EQ(log.LineCount(), 0u);
}

TEST(AppLogTest, LinesAreCutAt511OnACharacterBoundary) {
    AppLog log;
    log.LogExtended(std::string(600, 'a'));
    EXPECT_EQ(log.Line(0).size(), 511u);
    // "é" is two bytes; 255 of them plus "x" put a character across the limit.
    std::string text = "x";
    for (int i = 0; i < 300; ++i)
        text += "\xc3\xa9";
    log.LogExtended(text);
    EXPECT_EQ(log.Line(1).size(), 511u);
    log.LogExtended("y" + text);
    EXPECT_EQ(log.Line(2).size(), 510u);
}

TEST(AppLogTest, ControlCharactersAreMadeVisible) {
    EXPECT_EQ(AppLog::MakeLine(std::string("a\x1b[31mb\0c\x7f", 10), "\td"), "a?[31mb?c?\td");
}

TEST(AppLogTest, C1ControlsAndBidirectionalOverridesAreMadeVisible) {
    // C1 as characters (CSI U+009B, NEL U+0085, U+0080) and as raw bytes in text that
    // is not UTF-8; embeddings, overrides and isolates.
    EXPECT_EQ(AppLog::MakeLine("a\xc2\x9b"
                               "2Jb\xc2\x85\xc2\x80",
                               ""),
              "a?2Jb??");
    EXPECT_EQ(AppLog::MakeLine("raw\x9b"
                               "2J\x90x\x9f",
                               ""),
              "raw?2J?x?");
    EXPECT_EQ(AppLog::MakeLine("evil\xe2\x80\xaetxt.exe", ""), "evil?txt.exe");
    EXPECT_EQ(AppLog::MakeLine("\xe2\x80\xaa\xe2\x80\xab\xe2\x80\xac\xe2\x80\xad", ""), "????");
    EXPECT_EQ(AppLog::MakeLine("\xe2\x81\xa6x\xe2\x81\xa7\xe2\x81\xa8\xe2\x81\xa9", ""), "?x???");
    // A character split between text and suffix is still one character.
    EXPECT_EQ(AppLog::MakeLine("a\xe2\x80",
                               "\xae"
                               "b"),
              "a?b");
    // Everything else stays as it came: letters of any script, the neighbours of the
    // hidden ranges, invalid bytes above 0x9F, a truncated sequence.
    for (const char* kept :
         {"caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80", "\xc2\xa0\xc2\xa9",
          "\xe2\x80\xa9\xe2\x80\xaf\xe2\x81\xa5\xe2\x81\xaa", "caf\xe9", "x\xe2\xa0"})
        EXPECT_EQ(AppLog::MakeLine(kept, ""), kept);
    // An overlong form of a C1 control, or a cut sequence, is no valid sequence: its
    // bytes are judged alone.
    EXPECT_EQ(AppLog::MakeLine("x\xe2\x80", ""), "x\xe2?");
    EXPECT_EQ(AppLog::MakeLine("\xe0\x82\x9b", ""), "\xe0??");
}

class Collector : public AppLogListener {
  public:
    void lineAppended(size_t index, const std::string& text, LogLineKind kind) override {
        indices.push_back(index);
        texts.push_back(text);
        kinds.push_back(kind);
    }
    void logWiped() override { ++wipes; }
    std::vector<size_t> indices;
    std::vector<std::string> texts;
    std::vector<LogLineKind> kinds;
    int wipes = 0;
};

TEST(AppLogTest, ClipboardTextIsTheSelectionOrEverythingWithLfEnds) {
    const std::vector<std::string> lines = {"one", "two", "three", "four", "five"};
    EXPECT_EQ(AppLog::ClipboardText(lines, {3, 1}), "two\nfour\n");
    EXPECT_EQ(AppLog::ClipboardText(lines, {}), "one\ntwo\nthree\nfour\nfive\n");
    EXPECT_EQ(AppLog::ClipboardText({}, {}), "");
}

TEST(AppLogTest, ListenersAreToldTheKindOfEachLine) {
    AppLog log;
    Collector collector;
    log.AddListener(&collector);
    log.LogCommand("<", "USER anonymous");
    log.LogCommand(">", "331 pw");
    log.LogExtended("... connected");
    log.AppendLine("[banner]");
    EXPECT_EQ(collector.kinds,
              (std::vector<LogLineKind>{LogLineKind::Command, LogLineKind::Reply,
                                        LogLineKind::Extended, LogLineKind::Other}));
    log.RemoveListener(&collector);
}

TEST(AppLogTest, ListenersFollowAppendsFromManyThreadsInOrder) {
    AppLog log;
    Collector collector;
    log.AddListener(&collector);
    std::vector<std::thread> writers;
    for (int t = 0; t < 4; ++t) {
        writers.emplace_back([&log, t] {
            for (int i = 0; i < 500; ++i) {
                log.LogCommand(">", std::to_string(t) + ":" + std::to_string(i));
            }
        });
    }
    for (std::thread& w : writers)
        w.join();
    ASSERT_EQ(collector.indices.size(), 2000u);
    for (size_t i = 0; i < collector.indices.size(); ++i) {
        ASSERT_EQ(collector.indices[i], i);
    }
    EXPECT_EQ(collector.texts, log.Lines());
    // Each writer's lines keep their own order.
    std::vector<int> next(4, 0);
    for (const std::string& line : log.Lines()) {
        int t = line[1] - '0';
        EXPECT_EQ(line, ">" + std::to_string(t) + ":" + std::to_string(next[t]++));
    }
    log.Wipe();
    EXPECT_EQ(collector.wipes, 1);
    log.RemoveListener(&collector);
    log.AppendLine("after");
    EXPECT_EQ(collector.indices.size(), 2000u);
}

std::string streamText(FILE* f) {
    std::fflush(f);
    std::rewind(f);
    std::string text;
    for (int c; (c = std::fgetc(f)) != EOF;)
        text += static_cast<char>(c);
    return text;
}

TEST(ConsoleTest, LogLinesGoToTheStreamAsTheyComeAndProgressOnlyToTerminals) {
    FILE* terminal = std::tmpfile();
    FILE* errors = std::tmpfile();
    {
        AppLog log;
        ConsoleOutlets outlets(terminal, true);
        StreamLogWriter writer(log, errors, &outlets);
        log.LogCommand("<NOOP");
        outlets.ReportProgress({TransferProgress::Kind::Get, "file", 42, 100, 42});
        outlets.SetStatus("short");
        log.SetFlags(true, false, true);
        log.LogCommand("<HIDDEN");
        log.LogExtended("... done");
        outlets.AddExitBits(1);
        outlets.AddExitBits(16);
        EXPECT_EQ(outlets.exitBits(), 17u);
    }
    EXPECT_EQ(streamText(errors), "<NOOP\n... done\n");
    // The progress line is rewritten in place, wiped to its old width.
    EXPECT_EQ(streamText(terminal), "\rGET file (42%)\rshort         \rshort\r     \r");

    FILE* pipe = std::tmpfile();
    ConsoleOutlets quiet(pipe, false);
    quiet.ReportProgress({TransferProgress::Kind::Put, "x", 1, 100, 1});
    quiet.SetStatus("status");
    EXPECT_EQ(streamText(pipe), "");
    std::fclose(terminal);
    std::fclose(errors);
    std::fclose(pipe);
}

}  // namespace
}  // namespace nubo
