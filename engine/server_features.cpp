#include "engine/server_features.h"

#include <algorithm>
#include <cctype>

namespace nubo {

namespace {

std::string upper(std::string_view text) {
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return result;
}

}  // namespace

void ServerFeatures::parse(const std::vector<std::string>& replyLines) {
    names_.clear();
    for (const std::string& line : replyLines) {
        // Feature lines start with one space; "211-..." and "211 End" do not.
        if (line.size() < 2 || line[0] != ' ') {
            continue;
        }
        std::string_view text(line);
        text.remove_prefix(text.find_first_not_of(' '));
        while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
            text.remove_suffix(1);
        }
        const size_t space = text.find(' ');
        Feature feature;
        feature.name = upper(text.substr(0, space));
        if (space != std::string_view::npos) {
            feature.parameters = std::string(text.substr(space + 1));
        }
        if (!feature.name.empty() && !has(feature.name)) {
            names_.push_back(std::move(feature));
        }
    }
}

bool ServerFeatures::has(std::string_view name) const {
    const std::string wanted = upper(name);
    return std::any_of(names_.begin(), names_.end(),
                       [&](const Feature& f) { return f.name == wanted; });
}

std::string ServerFeatures::parameters(std::string_view name) const {
    const std::string wanted = upper(name);
    for (const Feature& f : names_) {
        if (f.name == wanted) {
            return f.parameters;
        }
    }
    return {};
}

std::string ServerFeatures::mlstOptionsWithMode() const {
    const std::string facts = parameters("MLST");
    std::string chosen;
    std::string mode;
    size_t start = 0;
    while (start < facts.size()) {
        size_t end = facts.find(';', start);
        if (end == std::string::npos)
            end = facts.size();
        std::string fact = facts.substr(start, end - start);
        start = end + 1;
        const bool sent = !fact.empty() && fact.back() == '*';
        if (sent)
            fact.pop_back();
        if (upper(fact) == "UNIX.MODE") {
            if (sent)
                return {};  // sent already
            mode = fact;
        } else if (sent) {
            chosen += fact + ";";
        }
    }
    return mode.empty() ? std::string() : chosen + mode + ";";
}

}  // namespace nubo
