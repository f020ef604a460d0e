#include "shellext/ui/shortcut_properties_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "shellext/shortcut_properties.h"

// The icon lives in a static library, whose resources are registered by hand.
static void registerNubosxResources() {
    Q_INIT_RESOURCE(nubosx);
}

namespace nubo {

namespace {

QString q(const std::string& text) {
    return QString::fromStdString(text);
}

QIcon shortcutIcon() {
    registerNubosxResources();
    return QIcon::fromTheme("application-x-nubo-shortcut",
                            QIcon(":/nubosx/application-x-nubo-shortcut.svg"));
}

}  // namespace

ShortcutPropertiesDialog::ShortcutPropertiesDialog(ShortcutProperties& properties, QWidget* parent)
    : QDialog(parent), properties_(properties) {
    setObjectName("shortcutPropertiesDialog");
    setWindowTitle(tr("Nubo Shortcut"));
    setWindowIcon(shortcutIcon());

    icon_ = new QLabel;
    icon_->setObjectName("shortcutIcon");
    icon_->setPixmap(shortcutIcon().pixmap(32, 32));
    name_ = new QLabel;
    name_->setObjectName("shortcutName");
    name_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* header = new QHBoxLayout;
    header->addWidget(icon_);
    header->addSpacing(8);
    header->addWidget(name_, 1);
    auto* line = new QFrame;
    line->setObjectName("headerLine");
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    url_ = new QLineEdit;
    url_->setObjectName("urlEdit");
    url_->setMaxLength(static_cast<int>(ShortcutObject::kMaxUrl));
    folder_ = new QLineEdit;
    folder_->setObjectName("folderEdit");
    folder_->setMaxLength(static_cast<int>(ShortcutObject::kMaxDir));
    auto* form = new QFormLayout;
    form->setObjectName("valuesForm");
    form->addRow(tr("Server &URL:"), url_);
    form->addRow(tr("Transfer &Dir:"), folder_);

    auto* group = new QGroupBox(tr("Transfer Type "));
    group->setObjectName("typeGroup");
    auto* typeLayout = new QHBoxLayout(group);
    auto* exclusive = new QButtonGroup(this);
    const char* labels[] = {"&None", "&ASCII", "&Image", "&Smart"};
    const char* names[] = {"typeNone", "typeAscii", "typeImage", "typeSmart"};
    for (int type = 0; type < 4; ++type) {
        types_[type] = new QRadioButton(tr(labels[type]));
        types_[type]->setObjectName(names[type]);
        exclusive->addButton(types_[type], type);
        typeLayout->addWidget(types_[type]);
    }
    typeLayout->addStretch(1);
    update_ = new QCheckBox(tr("Use Update-&ONLY Transfers"));
    update_->setObjectName("updateCheck");

    error_ = new QLabel;
    error_->setObjectName("saveError");
    error_->setWordWrap(true);
    error_->setStyleSheet("color: #b00020");
    error_->hide();

    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel |
                                    QDialogButtonBox::Apply);
    buttons_->setObjectName("buttons");
    buttons_->button(QDialogButtonBox::Ok)->setObjectName("okButton");
    buttons_->button(QDialogButtonBox::Cancel)->setObjectName("cancelButton");
    buttons_->button(QDialogButtonBox::Apply)->setObjectName("applyButton");

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(header);
    layout->addWidget(line);
    layout->addLayout(form);
    layout->addWidget(group);
    layout->addWidget(update_);
    layout->addWidget(error_);
    layout->addStretch(1);
    layout->addWidget(buttons_);

    showValues();
    setMinimumWidth(420);

    connect(url_, &QLineEdit::textChanged, this, &ShortcutPropertiesDialog::updateApply);
    connect(folder_, &QLineEdit::textChanged, this, &ShortcutPropertiesDialog::updateApply);
    connect(exclusive, &QButtonGroup::idToggled, this, &ShortcutPropertiesDialog::updateApply);
    connect(update_, &QCheckBox::toggled, this, &ShortcutPropertiesDialog::updateApply);
    connect(buttons_->button(QDialogButtonBox::Apply), &QPushButton::clicked, this,
            [this] { apply(); });
    connect(buttons_, &QDialogButtonBox::accepted, this, [this] {
        if (apply()) {
            accept();
        }
    });
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void ShortcutPropertiesDialog::showValues() {
    name_->setText(q(properties_.name()));
    url_->setText(q(properties_.url));
    folder_->setText(q(properties_.folder));
    const int type = properties_.type >= 0 && properties_.type <= 3 ? properties_.type : 0;
    types_[type]->setChecked(true);
    update_->setChecked(properties_.update);
    updateApply();
}

void ShortcutPropertiesDialog::takeValues() {
    properties_.url = url_->text().toStdString();
    properties_.folder = folder_->text().toStdString();
    // The first checked button, as the Windows version read them.
    properties_.type = 0;
    for (int type = 0; type < 4; ++type) {
        if (types_[type]->isChecked()) {
            properties_.type = type;
            break;
        }
    }
    properties_.update = update_->isChecked();
}

void ShortcutPropertiesDialog::updateApply() {
    takeValues();
    buttons_->button(QDialogButtonBox::Apply)->setEnabled(properties_.differs());
}

bool ShortcutPropertiesDialog::apply() {
    takeValues();
    if (properties_.apply() == ShortcutProperties::Applied::Failed) {
        error_->setText(tr("The shortcut could not be written to %1.").arg(q(properties_.path())));
        error_->show();
        return false;
    }
    error_->hide();
    updateApply();
    return true;
}

}  // namespace nubo
