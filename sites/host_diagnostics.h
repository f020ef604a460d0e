#pragma once

#include <memory>
#include <string>

#include "sites/host_context.h"

namespace nubo {

class NetworkDiagnostics;
class SiteSelection;

// Ping and trace route of the host in the URL box, for the Host page: whether they are
// offered here (no proxy) and can run (echo requests allowed), and why not.
//
// Owner's thread only.
class HostDiagnostics {
  public:
    HostDiagnostics(HostContext& context, const SiteSelection& selection);
    ~HostDiagnostics();

    // Start-up: whether echo requests can be sent. Without a sink nothing is offered.
    void startUp();
    // Shut-down: stops and waits for a running ping or trace.
    void shutDown();

    // False when not started (a malformed URL is logged). Escape on their tabs stops
    // them.
    bool ping();
    bool traceRoute();
    void stopPing();
    void stopTraceRoute();

    // Ping and trace route have their place (no proxy), and they can run (ICMP too).
    bool diagnosticsOffered() const;
    bool pingEnabled() const;
    // Why ping and trace route cannot run here; empty when they can.
    const std::string& icmpRefusal() const { return icmpRefusal_; }
    bool pingRunning() const;
    bool traceRunning() const;
    // The main window's status text (the classic layout's running ping line).
    void showStatus(const std::string& text);

  private:
    HostContext& context_;
    const SiteSelection& selection_;
    std::unique_ptr<NetworkDiagnostics> diagnostics_;
    bool icmpAvailable_ = false;
    std::string icmpRefusal_;  // why echo requests cannot be sent
};

}  // namespace nubo
