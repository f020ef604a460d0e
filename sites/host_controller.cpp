#include "sites/host_controller.h"

namespace nubo {

HostController::HostController(Context context)
    : context_(std::move(context)),
      selection_(context_, listener_, [this] { control_.forgetOutcome(); }),
      control_(context_, listener_, selection_),
      commandLine_(context_, selection_, control_),
      diagnostics_(context_, selection_) {}

HostController::~HostController() {
    if (listener_.listener != nullptr) {
        listener_.listener->hostControllerGone();
        listener_.listener = nullptr;
    }
}

void HostController::startUp() {
    control_.startUp();
    diagnostics_.startUp();
    selection_.load();
    listener_.changed();
}

void HostController::shutDown() {
    selection_.unload();
    diagnostics_.shutDown();
    control_.shutDown();
}

}  // namespace nubo
