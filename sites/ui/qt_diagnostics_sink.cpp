#include "sites/ui/qt_diagnostics_sink.h"

#include <QStringList>

namespace nubo {

namespace {

QString q(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

// Signals emitted on a worker thread reach receivers on the GUI thread queued.
void QtDiagnosticsSink::targetText(Operation operation, const std::string& text) {
    emit targetChanged(operation == Operation::Ping, q(text));
}

void QtDiagnosticsSink::pingRow(const std::string& replyFrom, const std::string& time,
                                const std::string& ttl, const std::string& message) {
    emit pingRowAdded({q(replyFrom), q(time), q(ttl), q(message)});
}

void QtDiagnosticsSink::pingStatus(const std::string& text) {
    emit pingStatusChanged(q(text));
}

void QtDiagnosticsSink::traceRow(int hop, const std::string& first, const std::string& second,
                                 const std::string& third, const std::string& name) {
    emit traceRowAdded({QString::number(hop), q(first), q(second), q(third), q(name)});
}

void QtDiagnosticsSink::finished(Operation operation) {
    emit operationFinished(operation == Operation::Ping);
}

}  // namespace nubo
