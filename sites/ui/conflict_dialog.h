#pragma once

#include <QMessageBox>
#include <cstdint>

#include "engine/conflict_answers.h"

class QCheckBox;

namespace nubo {

// What the conflict questions of both directions share: a message box whose text is
// followed by rows of their own and "For all files of this batch", and whose answer
// carries that tick.
class ConflictDialog : public QMessageBox {
    Q_OBJECT

  protected:
    ConflictDialog(const QString& title, const QString& objectName, QWidget* parent);
    // Below the text, above the buttons: `row` (none: nothing), then "for all". Called
    // once the texts and buttons are set, since QMessageBox lays its grid out anew for a
    // new text.
    void addBelowText(QWidget* row);
    // The answer for a choice, for all when ticked (a Cancel never is).
    ConflictAnswer answerOf(ConflictChoice choice) const;
    // "N bytes", or that it is not known.
    static QString sizeText(int64_t bytes);

  private:
    QCheckBox* forAll_ = nullptr;
};

}  // namespace nubo
