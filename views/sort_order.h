#pragma once

namespace nubo {

// A directory view's sort order: a signed code (1 name, 2 type, 3 size, 4 time; negative
// reverses it) and each column's direction for its next click.
class SortOrder {
  public:
    int key() const { return key_; }
    // A column header (0 Name, 1 Size, 2 Type, 3 Date/Time): sorts by it; the next click
    // on it sorts the other way. False for an unknown column.
    bool clickColumn(int column) {
        static constexpr int kColumnCodes[4] = {1, 3, 2, 4};
        if (column < 0 || column > 3)
            return false;
        key_ = kColumnCodes[column] * directions_[column];
        directions_[column] = -directions_[column];
        return true;
    }
    // "Arrange Icons": a code 1-4, ascending; the columns' directions stay.
    bool arrange(int code) {
        if (code < 1 || code > 4)
            return false;
        key_ = code;
        return true;
    }
    // A kept order (a signed code as key() gives): the next click on its column sorts
    // the other way. False for an unknown code.
    bool restore(int key) {
        static constexpr int kCodeColumns[5] = {-1, 0, 2, 1, 3};
        const int code = key < 0 ? -key : key;
        if (code < 1 || code > 4)
            return false;
        key_ = key;
        directions_[kCodeColumns[code]] = key < 0 ? 1 : -1;
        return true;
    }
    void resetDirections() {
        for (int& direction : directions_)
            direction = 1;
    }

  private:
    int key_ = 1;
    int directions_[4] = {1, 1, 1, 1};
};

}  // namespace nubo
