#pragma once

#include "sites/command_line_run.h"
#include "sites/diagnostics_sink.h"
#include "sites/host_context.h"
#include "sites/host_diagnostics.h"
#include "sites/session_control.h"
#include "sites/site_selection.h"

namespace nubo {

// The Host page's logic without the page, as one object for the windows and the
// command-line run: it owns and wires the site selection (the dialog and the site
// list), the session control (connect, log off, restart, certificate trust,
// statistics), the command-line run and the diagnostics, and starts and stops them
// together.
//
// Every part runs on the owner's thread; see SessionControl for the session's reports.
class HostController {
  public:
    using Context = HostContext;

    explicit HostController(Context context);
    ~HostController();
    HostController(const HostController&) = delete;
    HostController& operator=(const HostController&) = delete;

    // Page creation: restart slot, diagnostics, statistics, last host, site list,
    // configuration watch.
    void startUp();
    // Page destruction: stops the diagnostics, frees an unused restart slot, closes the
    // databases.
    void shutDown();

    void setListener(HostControllerListener* listener) { listener_.listener = listener; }

    SiteSelection& selection() { return selection_; }
    const SiteSelection& selection() const { return selection_; }
    SessionControl& control() { return control_; }
    const SessionControl& control() const { return control_; }
    CommandLineRun& commandLine() { return commandLine_; }
    HostDiagnostics& diagnostics() { return diagnostics_; }
    const HostDiagnostics& diagnostics() const { return diagnostics_; }

  private:
    Context context_;
    HostListenerSlot listener_;
    SiteSelection selection_;
    SessionControl control_;
    CommandLineRun commandLine_;
    HostDiagnostics diagnostics_;
};

}  // namespace nubo
