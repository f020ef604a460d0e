#include "views/ui/permissions_box.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace nubo {

namespace {

struct BitBox {
    uint16_t bit;
    const char* name;  // the object name
    const char* text;
};

}  // namespace

PermissionsBox::PermissionsBox(const std::vector<std::optional<uint16_t>>& modes, bool folders,
                               QWidget* parent)
    : QGroupBox("Permissions", parent), edit_(modes) {
    setObjectName("permissionsBox");
    auto* grid = new QGridLayout(this);
    const char* const columns[3] = {"Read", "Write", "Execute"};
    const char* const rows[3] = {"Owner", "Group", "Others"};
    const char* const keys[3] = {"Owner", "Group", "Other"};
    const char* const bits[3] = {"Read", "Write", "Exec"};
    for (int c = 0; c < 3; ++c)
        grid->addWidget(new QLabel(columns[c], this), 0, c + 1);
    for (int r = 0; r < 3; ++r) {
        grid->addWidget(new QLabel(rows[r], this), r + 1, 0);
        for (int c = 0; c < 3; ++c) {
            auto* box = new QCheckBox(this);
            box->setObjectName(QString("perm%1%2").arg(keys[r], bits[c]));
            box->setAccessibleName(QString("%1 %2").arg(rows[r], columns[c]));
            grid->addWidget(box, r + 1, c + 1);
            boxes_.emplace_back(static_cast<uint16_t>(0400 >> (r * 3 + c)), box);
        }
    }
    const BitBox specials[3] = {{04000, "permSetUid", "Set user ID"},
                                {02000, "permSetGid", "Set group ID"},
                                {01000, "permSticky", "Sticky"}};
    for (int i = 0; i < 3; ++i) {
        auto* box = new QCheckBox(specials[i].text, this);
        box->setObjectName(specials[i].name);
        grid->addWidget(box, 4, i + 1);
        boxes_.emplace_back(specials[i].bit, box);
    }
    grid->addWidget(new QLabel("Octal:", this), 5, 0);
    octal_ = new QLineEdit(this);
    octal_->setObjectName("permOctal");
    octal_->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-7]{0,4}"), octal_));
    octal_->setMaxLength(4);
    grid->addWidget(octal_, 5, 1, 1, 3);
    if (folders) {
        contents_ = new QCheckBox(
            modes.size() == 1 ? "Apply to the folder's contents" : "Apply to the folders' contents",
            this);
        contents_->setObjectName("permContents");
        contents_->setToolTip(
            "Everything inside takes the boxes you changed; the other bits of "
            "each file's mode stay as they are");
        grid->addWidget(contents_, 6, 0, 1, 4);
    }
    for (const auto& [bit, box] : boxes_) {
        connect(box, &QCheckBox::clicked, this, [this, bit = bit, box = box] {
            edit_.setBit(bit, box->checkState() != Qt::Unchecked);
            showState();
        });
    }
    connect(octal_, &QLineEdit::textEdited, this, [this](const QString& text) {
        // Three digits or four make a mode; the boxes follow once one is whole.
        if (text.size() >= 3 && edit_.setOctal(text.toStdString())) {
            for (const auto& [bit, box] : boxes_) {
                const PermissionsEdit::State state = edit_.state(bit);
                box->setTristate(false);
                box->setCheckState(state == PermissionsEdit::State::On ? Qt::Checked
                                                                       : Qt::Unchecked);
            }
        }
    });
    showState();
}

void PermissionsBox::showState() {
    for (const auto& [bit, box] : boxes_) {
        const PermissionsEdit::State state = edit_.state(bit);
        // Mixed only until the user decides: a click never goes back to it.
        box->setTristate(state == PermissionsEdit::State::Mixed);
        box->setCheckState(state == PermissionsEdit::State::On    ? Qt::Checked
                           : state == PermissionsEdit::State::Off ? Qt::Unchecked
                                                                  : Qt::PartiallyChecked);
    }
    octal_->setText(QString::fromStdString(edit_.octalText()));
}

std::optional<ModeChange> PermissionsBox::change() const {
    const bool recursive = contents_ != nullptr && contents_->isChecked();
    if (!edit_.changed())
        return std::nullopt;
    return edit_.change(recursive);
}

}  // namespace nubo
