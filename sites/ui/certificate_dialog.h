#pragma once

#include <QMessageBox>

#include "engine/session_context.h"
#include "sites/host_controller.h"

class QPushButton;

namespace nubo {

// The question about a server certificate that did not verify: what it is (subject,
// issuer, validity, SHA-256 fingerprint, why it does not verify) and "Trust once",
// "Always trust" or "Cancel".
class CertificateDialog : public QMessageBox {
    Q_OBJECT

  public:
    CertificateDialog(const QString& host, unsigned port, const TlsCertificateFacts& facts,
                      QWidget* parent = nullptr);
    // Shows it modally; the answer.
    SessionControl::TrustAnswer ask();

  private:
    QPushButton* once_;
    QPushButton* always_;
};

}  // namespace nubo
