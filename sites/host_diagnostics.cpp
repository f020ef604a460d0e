#include "sites/host_diagnostics.h"

#include "base/app_log.h"
#include "base/config_store.h"
#include "engine/ftp_url.h"
#include "engine/main_outlets.h"
#include "sites/network_diagnostics.h"
#include "sites/site_selection.h"

namespace nubo {

HostDiagnostics::HostDiagnostics(HostContext& context, const SiteSelection& selection)
    : context_(context), selection_(selection) {}

HostDiagnostics::~HostDiagnostics() = default;

void HostDiagnostics::startUp() {
    if (context_.diagnosticsSink == nullptr)
        return;
    diagnostics_ = std::make_unique<NetworkDiagnostics>(*context_.log, *context_.diagnosticsSink);
    icmpAvailable_ = diagnostics_->loadIcmp();
    icmpRefusal_ = diagnostics_->icmpRefusal();
    if (context_.icmpProbe && !context_.icmpProbe(&icmpRefusal_)) {
        diagnostics_->unloadIcmp();
        icmpAvailable_ = false;
    }
}

void HostDiagnostics::shutDown() {
    diagnostics_.reset();
}

bool HostDiagnostics::diagnosticsOffered() const {
    // A configured proxy talks to the server, not this computer: no ping, no trace.
    return context_.config->GetInt("ProxyType") == 0;
}

bool HostDiagnostics::pingEnabled() const {
    // Diagnostics run beside a session, but never while a proxy is configured.
    return icmpAvailable_ && diagnosticsOffered();
}

bool HostDiagnostics::pingRunning() const {
    return diagnostics_ != nullptr && diagnostics_->pingRunning();
}

bool HostDiagnostics::traceRunning() const {
    return diagnostics_ != nullptr && diagnostics_->traceRunning();
}

void HostDiagnostics::showStatus(const std::string& text) {
    if (context_.outlets != nullptr)
        context_.outlets->SetStatus(text);
}

bool HostDiagnostics::ping() {
    if (!selection_.urlValid()) {
        context_.log->LogExtended("... malformed URL");
        return false;
    }
    return pingEnabled() &&
           diagnostics_->startPing(
               FtpUrl(selection_.urlText(), UrlDefaults::of(*context_.config)).host);
}

bool HostDiagnostics::traceRoute() {
    if (!selection_.urlValid()) {
        context_.log->LogExtended("... malformed URL");
        return false;
    }
    return pingEnabled() &&
           diagnostics_->startTraceRoute(
               FtpUrl(selection_.urlText(), UrlDefaults::of(*context_.config)).host);
}

void HostDiagnostics::stopPing() {
    if (diagnostics_ != nullptr)
        diagnostics_->stopPing();
}

void HostDiagnostics::stopTraceRoute() {
    if (diagnostics_ != nullptr)
        diagnostics_->stopTraceRoute();
}

}  // namespace nubo
