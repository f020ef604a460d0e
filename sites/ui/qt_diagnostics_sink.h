#pragma once

#include <QObject>
#include <QString>

#include "sites/diagnostics_sink.h"

namespace nubo {

// The diagnostics' results as queued signals: the ping and trace threads never touch a
// widget. Made before the Host controller, which hands it to its diagnostics.
class QtDiagnosticsSink : public QObject, public DiagnosticsSink {
    Q_OBJECT

  public:
    void targetText(Operation operation, const std::string& text) override;
    void pingRow(const std::string& replyFrom, const std::string& time, const std::string& ttl,
                 const std::string& message) override;
    void pingStatus(const std::string& text) override;
    void traceRow(int hop, const std::string& first, const std::string& second,
                  const std::string& third, const std::string& name) override;
    void finished(Operation operation) override;

  signals:
    void targetChanged(bool ping, const QString& text);
    void pingRowAdded(const QStringList& columns);
    void pingStatusChanged(const QString& text);
    void traceRowAdded(const QStringList& columns);
    void operationFinished(bool ping);
};

}  // namespace nubo
