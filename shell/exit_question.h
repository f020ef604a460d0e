#pragma once

#include <string>

#include "engine/transfer_queue.h"

namespace nubo {

// The question before the window closes while files of the Transfers pane still wait or
// have failed (they would be lost from view): empty when there is nothing to ask.
class ExitQuestion {
  public:
    static std::string text(const TaskCounts& counts);
};

}  // namespace nubo
