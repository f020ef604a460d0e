#include "shell/ui/qt_main_outlets.h"

#include "shell/ui/main_sheet.h"

namespace nubo {

QtMainOutlets::QtMainOutlets(MainSheet* sheet) : sheet_(sheet) {}

void QtMainOutlets::SetStatus(std::string_view text) {
    const QString copy = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    MainSheet* sheet = sheet_;
    QMetaObject::invokeMethod(
        sheet, [sheet, copy] { sheet->setStatus(copy); }, Qt::QueuedConnection);
}

void QtMainOutlets::ReportProgress(const TransferProgress& progress) {
    MainSheet* sheet = sheet_;
    QMetaObject::invokeMethod(
        sheet, [sheet, progress] { sheet->reportProgress(progress); }, Qt::QueuedConnection);
}

void QtMainOutlets::RequestClose() {
    MainSheet* sheet = sheet_;
    QMetaObject::invokeMethod(sheet, &MainSheet::closeRequested, Qt::QueuedConnection);
}

}  // namespace nubo
