#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace nubo {

// What a server announced in its reply to FEAT (RFC 2389): one feature per line that
// starts with a space, its name first ("MLST", "UTF8", "REST STREAM" is "REST"), then
// its parameters. A server that refused FEAT offers nothing.
class ServerFeatures {
  public:
    // Reads the lines of a 211 reply (the first and last line name no feature).
    void parse(const std::vector<std::string>& replyLines);
    void clear() { names_.clear(); }
    // Feature names compare without regard to letter case.
    bool has(std::string_view name) const;
    // The parameters of a feature ("type*;size*;modify*;" for MLST), empty when absent.
    std::string parameters(std::string_view name) const;
    bool empty() const { return names_.empty(); }
    // The argument of "OPTS MLST" that adds UNIX.mode to the facts the server sends
    // ("type;size;modify;UNIX.mode;": those it sends already, then the mode), when it
    // offers the mode without sending it; else empty.
    std::string mlstOptionsWithMode() const;

  private:
    struct Feature {
        std::string name;  // upper case
        std::string parameters;
    };
    std::vector<Feature> names_;
};

}  // namespace nubo
