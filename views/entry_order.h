#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/remote_entry.h"

namespace nubo {

// The order of the directory views, as a file manager sorts: folders before the other
// entries whichever way a column sorts, then by the sort column (a signed code: 1 name,
// 2 type, 3 size, 4 time; negative reverses it), entries equal there by name; names in
// natural order (naturalCompare). The column and the names are compared by the
// functions given, each called only when the order comes down to it, so that a sort of
// many entries can compare what it made once.
template <class CompareColumn, class CompareNames>
int orderEntries(bool aFolder, bool bFolder, int key, CompareColumn compareColumn,
                 CompareNames compareNames) {
    if (aFolder != bFolder)
        return aFolder ? -1 : 1;
    int result = compareColumn();
    if (result == 0)
        result = compareNames();
    return key < 0 ? -result : result;
}

// Two remote entries in that order, names and type names compared as they are. Only a
// Directory counts as a folder (a link may lead to a file).
int compareRemoteEntries(const RemoteEntry& a, const RemoteEntry& b, int key,
                         std::string_view aType = {}, std::string_view bType = {});

// Sorts rows (indices of entries) in that order. Each row's folder, column value
// (typeRank[index] by type: its type name's place among them) and name key are gathered
// once into a small record, so a comparison reads neither the entries nor folds a name.
void sortRemoteRows(const std::vector<RemoteEntry>& entries, int key,
                    const std::vector<uint32_t>& typeRank, std::vector<int>* rows);

// Rows a and b in that order, types by their ranks as for sortRemoteRows (asked of
// typeRank by entry index, only when the order comes down to them), names folded as
// they are compared: for the few comparisons that place one row.
int compareRemoteRows(const std::vector<RemoteEntry>& entries, int key,
                      const std::function<uint32_t(int)>& typeRank, int a, int b);

// The natural sort keys of many names (appendNaturalKey) side by side in one buffer: a
// sort makes each name's key once and compares keys without folding or allocating.
class NaturalKeys {
  public:
    void reserve(size_t names) { ends_.reserve(names); }
    void add(std::string_view name);
    std::string_view key(size_t i) const {
        const uint32_t start = i == 0 ? 0 : ends_[i - 1];
        return std::string_view(bytes_).substr(start, ends_[i] - start);
    }
    // Natural order of names number i and j; equal keys go by the names' bytes.
    int compare(size_t i, size_t j, std::string_view iName, std::string_view jName) const;

  private:
    std::string bytes_;
    std::vector<uint32_t> ends_;
};

}  // namespace nubo
