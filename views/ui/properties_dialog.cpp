#include "views/ui/properties_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "views/ui/permissions_box.h"

namespace nubo {

namespace {

QLineEdit* readOnly(const std::string& text, QWidget* parent) {
    auto* edit = new QLineEdit(QString::fromStdString(text), parent);
    edit->setReadOnly(true);
    edit->setFrame(false);
    edit->setCursorPosition(0);
    return edit;
}

}  // namespace

PropertiesDialog::PropertiesDialog(const EntryProperties& properties, const QIcon& icon,
                                   QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QString::fromStdString(properties.windowTitle()));
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    auto* picture = new QLabel(this);
    picture->setPixmap(icon.pixmap(32, 32));
    top->addWidget(picture);
    QLineEdit* name = readOnly(properties.name, this);
    name->setFrame(true);
    top->addWidget(name, 1);
    layout->addLayout(top);
    auto* form = new QFormLayout;
    form->addRow("Type:", readOnly(properties.type, this));
    form->addRow("Size:", readOnly(properties.size, this));
    layout->addLayout(form);
    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    layout->addWidget(line);
    auto* rows = new QFormLayout;
    for (const EntryProperties::Row& row : properties.rows) {
        if (!row.label.empty())
            rows->addRow(QString::fromStdString(row.label), readOnly(row.value, this));
    }
    layout->addLayout(rows);
    if (!properties.modes.empty()) {
        permissions_ = new PermissionsBox(properties.modes, properties.folders, this);
        layout->addWidget(permissions_);
    }
    layout->addStretch();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    buttons->setObjectName("propertiesButtons");
    setObjectName("propertiesDialog");
    setMinimumWidth(fontMetrics().averageCharWidth() * 60);
}

std::optional<ModeChange> PropertiesDialog::modeChange() const {
    if (permissions_ == nullptr || result() != QDialog::Accepted)
        return std::nullopt;
    return permissions_->change();
}

}  // namespace nubo
