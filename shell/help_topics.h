#pragma once

#include <string>
#include <vector>

namespace nubo {

// The help topics of the Help page: read from the topic file "NuboHelp.txt" of the help
// folder, or the built-in list when there is none, and where a topic opens: its local
// HTML file when present, else the same page on the product's web site.
class HelpTopics {
  public:
    struct Topic {
        std::string title;
        std::string target;  // relative to the help folder, optionally "#anchor"
        int parent = -1;     // index of the parent topic, -1 at the top level
        int depth = 0;
    };

    static constexpr const char* kWebAddress = "https://nubopro.org";
    static constexpr const char* kSupportAddress = "support@nubopro.org";
    static constexpr const char* kTopicFile = "NuboHelp.txt";

    // Reads the topic file's text. Header lines up to and including "****" are skipped;
    // then title and target lines come in pairs, the title's leading tabs giving its
    // depth and the target skipping as many characters. Lines end in LF or CR LF (the
    // last line may have no end); a title more than one level deeper than the topic
    // before it attaches to the deepest open level.
    static std::vector<Topic> parse(const std::string& text);
    static std::vector<Topic> builtIn();
    // The topics of a help folder: its topic file, else the built-in list.
    static std::vector<Topic> load(const std::string& helpFolder);

    // The help folder of a program at `programPath`: "help" beside the program (the
    // build tree), else "../share/nubopro/help" from its folder; "" when neither exists.
    static std::string findHelpFolder(const std::string& programPath);
    // What a target opens: "file://..." of the local file (anchor kept) when the file
    // exists in the help folder, else the web address + "/" + target.
    static std::string urlFor(const std::string& helpFolder, const std::string& target);
    // F1's topic for a page of the main window, by its tab's title ("Host", "Files",
    // "Remote", "Log", "Options", "Help", "About"): the page of the guide about it.
    static Topic ofPage(const std::string& tabTitle);
};

}  // namespace nubo
