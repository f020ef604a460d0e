#include "shell/help_topics.h"

#include <sys/stat.h>

#include <fstream>
#include <sstream>

namespace nubo {

namespace {

bool isFile(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool isFolder(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// The lines of a text, without their LF or CR LF ends; a last line without an end
// keeps every character.
std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        std::string line = text.substr(start, end == std::string::npos ? end : end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(std::move(line));
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    return lines;
}

}  // namespace

std::vector<HelpTopics::Topic> HelpTopics::parse(const std::string& text) {
    const std::vector<std::string> lines = splitLines(text);
    size_t i = 0;
    while (i < lines.size() && lines[i] != "****")
        ++i;
    i = i < lines.size() ? i + 1 : 0;  // without a "****" line nothing is a header
    std::vector<Topic> topics;
    // The last topic inserted at each depth, for the parents of deeper ones.
    std::vector<int> open;
    for (; i + 1 < lines.size(); i += 2) {
        const std::string& title = lines[i];
        size_t tabs = title.find_first_not_of('\t');
        if (tabs == std::string::npos)
            tabs = title.size();
        Topic topic;
        const int depth = static_cast<int>(std::min(tabs, open.size()));
        topic.depth = depth;
        topic.parent = depth > 0 ? open[static_cast<size_t>(depth - 1)] : -1;
        topic.title = title.substr(tabs);
        const std::string& target = lines[i + 1];
        topic.target = target.size() > tabs ? target.substr(tabs) : std::string();
        open.resize(static_cast<size_t>(depth));
        open.push_back(static_cast<int>(topics.size()));
        topics.push_back(std::move(topic));
    }
    return topics;
}

std::vector<HelpTopics::Topic> HelpTopics::builtIn() {
    const std::pair<const char*, const char*> rows[] = {
        {"Features", "Features.html"},
        {"How Do I...", "Help/NuboPROHowTo.html"},
        {"What Is...", "Help/NuboPROWhatIs.html"},
        {"Freqently Asked Questions", "Help/NuboPROFAQ.html"},
        {"Tips, Advice, and One-liners", "Help/NuboPROTips.html"},
        {"Advanced Usage", "Help/NuboPROAdvanced.html"},
    };
    std::vector<Topic> topics;
    for (const auto& [title, target] : rows)
        topics.push_back(Topic{title, target, -1, 0});
    return topics;
}

std::vector<HelpTopics::Topic> HelpTopics::load(const std::string& helpFolder) {
    std::ifstream in(helpFolder + "/" + kTopicFile, std::ios::binary);
    if (helpFolder.empty() || !in)
        return builtIn();
    std::ostringstream text;
    text << in.rdbuf();
    return parse(text.str());
}

std::string HelpTopics::findHelpFolder(const std::string& programPath) {
    const size_t slash = programPath.rfind('/');
    if (slash == std::string::npos)
        return {};
    const std::string folder = programPath.substr(0, slash);
    for (const std::string& candidate : {folder + "/help", folder + "/../share/nubopro/help"}) {
        if (isFolder(candidate))
            return candidate;
    }
    return {};
}

HelpTopics::Topic HelpTopics::ofPage(const std::string& tabTitle) {
    const std::pair<const char*, Topic> pages[] = {
        {"Host", {"The Host page", "host.html"}},
        {"Files", {"Remote and local files", "views.html"}},
        {"Remote", {"Remote and local files", "views.html"}},
        {"Log", {"The Log page", "log.html"}},
        {"Options", {"Options", "options.html"}},
    };
    for (const auto& [title, topic] : pages) {
        if (tabTitle == title)
            return topic;
    }
    return {"Getting started", "index.html"};
}

std::string HelpTopics::urlFor(const std::string& helpFolder, const std::string& target) {
    const size_t hash = target.find('#');
    const std::string file = target.substr(0, hash);
    if (!helpFolder.empty() && !file.empty() && isFile(helpFolder + "/" + file)) {
        return "file://" + helpFolder + "/" + target;
    }
    return std::string(kWebAddress) + "/" + target;
}

}  // namespace nubo
