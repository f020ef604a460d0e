#include "sites/ui/certificate_dialog.h"

#include <QPushButton>

namespace nubo {

CertificateDialog::CertificateDialog(const QString& host, unsigned port,
                                     const TlsCertificateFacts& facts, QWidget* parent)
    : QMessageBox(QMessageBox::Warning, "Certificate", {}, QMessageBox::NoButton, parent) {
    setText(QString("The certificate of %1:%2 could not be verified: %3.")
                .arg(host)
                .arg(port)
                .arg(QString::fromStdString(facts.problem)));
    setInformativeText(
        QString("Subject: %1\nIssuer: %2\nValid from %3\nto %4\nSHA-256: %5\n\n"
                "Trust it only if you know this is the server's own "
                "certificate.")
            .arg(QString::fromStdString(facts.subject), QString::fromStdString(facts.issuer),
                 QString::fromStdString(facts.notBefore), QString::fromStdString(facts.notAfter),
                 QString::fromStdString(facts.fingerprint)));
    once_ = addButton("Trust &once", QMessageBox::AcceptRole);
    always_ = addButton("&Always trust", QMessageBox::YesRole);
    addButton(QMessageBox::Cancel);
    setDefaultButton(QMessageBox::Cancel);
}

SessionControl::TrustAnswer CertificateDialog::ask() {
    exec();
    return clickedButton() == once_     ? SessionControl::TrustAnswer::Once
           : clickedButton() == always_ ? SessionControl::TrustAnswer::Always
                                        : SessionControl::TrustAnswer::Cancel;
}

}  // namespace nubo
