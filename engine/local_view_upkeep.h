#pragma once

#include <cstdint>
#include <string>

namespace nubo {

// The local view as the engine keeps it up to date: told about files and folders the
// engine made, it shows them when it shows that directory. Called on the worker.
class LocalViewUpkeep {
  public:
    virtual ~LocalViewUpkeep() = default;
    virtual void localFileWritten(const std::string& directory, const std::string& name,
                                  int64_t size, int64_t time) = 0;
    virtual void localFolderCreated(const std::string& directory, const std::string& name) = 0;
};

}  // namespace nubo
