#pragma once

#include <QString>
#include <QWidget>

class QPlainTextEdit;

namespace nubo {

// "Read Me": the program folder's ReadMe.txt, read the first time the page is shown
// (no folder: the page stays empty).
class ReadMePage : public QWidget {
    Q_OBJECT

  public:
    ReadMePage(const QString& readMePath, QWidget* parent = nullptr);
    QPlainTextEdit* text() const { return text_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QString path_;
    QPlainTextEdit* text_;
    bool filled_ = false;
};

}  // namespace nubo
