#pragma once

#include <string>

namespace nubo {

// Where ping and trace route show their results: the Host page's target fields,
// result lists and status text. Called on the diagnostics' worker threads.
class DiagnosticsSink {
  public:
    enum class Operation { Ping, TraceRoute };

    virtual ~DiagnosticsSink() = default;
    // The target field: "name [address]" or "Unable to resolve host".
    virtual void targetText(Operation operation, const std::string& text) = 0;
    // A row of the ping list: "Reply From", "Time", "TTL", "Message".
    virtual void pingRow(const std::string& replyFrom, const std::string& time,
                         const std::string& ttl, const std::string& message) = 0;
    // The running ping line of the classic layout ("[address]: 1, 0, ***").
    virtual void pingStatus(const std::string& text) = 0;
    // A row of the trace list: "#", "(1)", "(2)", "(3)", "Name".
    virtual void traceRow(int hop, const std::string& first, const std::string& second,
                          const std::string& third, const std::string& name) = 0;
    // The operation ended; its button may be enabled again.
    virtual void finished(Operation operation) = 0;
};

}  // namespace nubo
