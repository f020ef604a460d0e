// FTP over TLS (RFC 4217): the control connection's handshake, the server's certificate,
// and the protection of data connections.
#include <algorithm>
#include <cstdio>

#include "base/app_log.h"
#include "base/config_store.h"
#include "engine/control_channel.h"
#include "engine/control_connection.h"
#include "engine/data_connector.h"
#include "engine/ftp_url.h"
#include "engine/main_outlets.h"
#include "engine/session_context.h"
#include "engine/session_observer.h"
#include "engine/tls_channel.h"
#include "engine/trusted_certificates.h"

namespace nubo {

bool ControlConnection::startTls() {
    std::string error;
    if (!control_.socket().startTls(target_.host, nullptr, &error)) {
        logExtended("*** TLS handshake failed: " + error);
        tlsFailed_ = true;
        return false;
    }
    const TlsChannel& tls = *control_.socket().tls();
    logExtended("... " + tls.description() + " established");
    logExtended("... certificate: " + tls.certificate().subject);
    logExtended("... SHA-256 fingerprint " + tls.certificate().fingerprint);
    if (!judgeCertificate()) {
        tlsFailed_ = true;
        return false;
    }
    return true;
}

bool ControlConnection::requestTls() {
    // "AUTH TLS" first; servers of the older drafts know only "AUTH SSL".
    for (const char* mechanism : {"TLS", "SSL"}) {
        control_.sendCommand("AUTH", mechanism);
        if (control_.readReply() == 234)
            return startTls();
    }
    logExtended("*** The server does not offer TLS; not logging in (no password sent)");
    tlsFailed_ = true;
    return false;
}

bool ControlConnection::judgeCertificate() {
    const TlsChannel::Certificate& presented = control_.socket().tls()->certificate();
    if (presented.verified)
        return true;
    const unsigned port = target_.portNumber();
    TrustedCertificates trusted;
    const std::string file = context_.config->GetString("AppData") + TrustedCertificates::kFileName;
    if (!trusted.load(file))
        logExtended("*** " + trusted.refusal());
    switch (trusted.check(target_.host, port, presented.fingerprint)) {
        case TrustedCertificates::Verdict::Trusted:
            logExtended("... certificate not verified (" + presented.problem +
                        "), trusted by the user");
            return true;
        case TrustedCertificates::Verdict::Changed:
            logExtended("*** The certificate of " + target_.host + ":" + std::to_string(port) +
                        " is NOT the one trusted before: refused. If the server really has a "
                        "new certificate, remove its line from " +
                        file);
            return false;
        case TrustedCertificates::Verdict::Unknown:
            break;
    }
    if (context_.trustedOnce != nullptr &&
        std::find(context_.trustedOnce->begin(), context_.trustedOnce->end(),
                  presented.fingerprint) != context_.trustedOnce->end()) {
        logExtended("... certificate not verified (" + presented.problem +
                    "), trusted for this run");
        return true;
    }
    logExtended("*** Certificate not verified: " + presented.problem);
    logExtended("... to trust this certificate, add this line to " + file + ": " +
                TrustedCertificates::line(target_.host, port, presented.fingerprint));
    if (context_.observer != nullptr) {
        context_.observer->certificateRefused(
            target_.host, port,
            {presented.subject, presented.issuer, presented.notBefore, presented.notAfter,
             presented.fingerprint, presented.problem});
    }
    return false;
}

bool ControlConnection::protectData() {
    control_.sendCommand("PBSZ", "0");
    const int size = control_.readReply();
    control_.sendCommand("PROT", "P");
    const int protection = control_.readReply();
    if (size / 100 != 2 || protection / 100 != 2) {
        logExtended("*** The server refused to encrypt data connections (PROT P)");
        tlsFailed_ = true;  // no secure connection to be had: a failed connection
        return false;
    }
    data_.setProtected(true);
    return true;
}

}  // namespace nubo
