#pragma once

#include <QWidget>
#include <array>
#include <memory>

#include "views/name_filter.h"

class QCheckBox;
class QLineEdit;
class QToolButton;

namespace nubo {

// The filter box above a directory view: the patterns (NameFilter says what they show),
// "Aa" to match the letters' case, and "apply to transfers", which hands the filter to
// the transfers of folders started from this view. Enter or Down goes back to the view;
// Escape empties the box, or, empty, goes back too. Tab walks the box, "Aa" and
// "apply to transfers", then goes back to the view. Object names: prefix + "Filter",
// "FilterCase", "FilterTransfers".
class FilterBar : public QWidget {
    Q_OBJECT

  public:
    FilterBar(const QString& prefix, QWidget* parent = nullptr);

    NameFilter filter() const;
    // The filter for a folder's walk, null unless "apply to transfers" is ticked and a
    // pattern is set.
    std::shared_ptr<const WalkFilter> walkFilter() const;
    QLineEdit* box() const { return box_; }
    // Ctrl+F: the box takes the keyboard with its text selected.
    void takeFocus();

  signals:
    void filterChanged();
    void leaveWanted();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::array<QWidget*, 3> parts() const;

    QLineEdit* box_;
    QToolButton* matchCase_;
    QCheckBox* transfers_;
};

}  // namespace nubo
