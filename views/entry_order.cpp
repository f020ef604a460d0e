#include "views/entry_order.h"

#include <algorithm>

#include "views/natural_compare.h"

namespace nubo {

namespace {

int sign(int compared) {
    return compared < 0 ? -1 : compared > 0;
}

int compareValues(int64_t a, int64_t b) {
    return a < b ? -1 : a > b;
}

// A row as sortRemoteRows compares it: the first bytes of its name's key as a number
// (zeros past its end) settle most names without reaching the key.
struct SortRow {
    int64_t value;
    uint64_t prefix;
    uint32_t name;  // its number among the keys
    int32_t index;
    bool folder;
};

uint64_t prefixOf(std::string_view key) {
    uint64_t prefix = 0;
    for (size_t i = 0; i < sizeof prefix; ++i)
        prefix = prefix << 8 | (i < key.size() ? static_cast<unsigned char>(key[i]) : 0U);
    return prefix;
}

bool isFolder(const RemoteEntry& entry) {
    return entry.type == EntryType::Directory;
}

// An entry's value in the sort column: its type's rank by type, none by name.
int64_t columnValue(const RemoteEntry& entry, int key, const std::vector<uint32_t>& typeRank,
                    int index) {
    switch (key < 0 ? -key : key) {
        case 2:
            return typeRank[static_cast<size_t>(index)];
        case 3:
            return entry.size;
        case 4:
            return entry.time;
        default:
            return 0;
    }
}

}  // namespace

int compareRemoteEntries(const RemoteEntry& a, const RemoteEntry& b, int key,
                         std::string_view aType, std::string_view bType) {
    const bool byType = key == 2 || key == -2;
    return orderEntries(
        isFolder(a), isFolder(b), key,
        [&] {
            if (byType)  // most neighbours share a type: no walk through equal names
                return aType == bType ? 0 : naturalCompare(aType, bType);
            return compareValues(columnValue(a, key, {}, 0), columnValue(b, key, {}, 0));
        },
        [&] { return naturalCompare(a.name, b.name); });
}

int compareRemoteRows(const std::vector<RemoteEntry>& entries, int key,
                      const std::function<uint32_t(int)>& typeRank, int a, int b) {
    const RemoteEntry& x = entries[static_cast<size_t>(a)];
    const RemoteEntry& y = entries[static_cast<size_t>(b)];
    const bool byType = key == 2 || key == -2;
    return orderEntries(
        isFolder(x), isFolder(y), key,
        [&] {
            return byType ? compareValues(typeRank(a), typeRank(b))
                          : compareValues(columnValue(x, key, {}, a), columnValue(y, key, {}, b));
        },
        [&] { return naturalCompare(x.name, y.name); });
}

void sortRemoteRows(const std::vector<RemoteEntry>& entries, int key,
                    const std::vector<uint32_t>& typeRank, std::vector<int>* rows) {
    NaturalKeys keys;
    keys.reserve(rows->size());
    std::vector<SortRow> sorted;
    sorted.reserve(rows->size());
    for (int index : *rows) {
        const RemoteEntry& entry = entries[static_cast<size_t>(index)];
        const auto name = static_cast<uint32_t>(sorted.size());
        keys.add(entry.name);
        sorted.push_back(SortRow{columnValue(entry, key, typeRank, index), prefixOf(keys.key(name)),
                                 name, index, isFolder(entry)});
    }
    std::stable_sort(sorted.begin(), sorted.end(), [&](const SortRow& a, const SortRow& b) {
        return orderEntries(
                   a.folder, b.folder, key, [&] { return compareValues(a.value, b.value); },
                   [&] {
                       if (a.prefix != b.prefix)
                           return a.prefix < b.prefix ? -1 : 1;
                       return keys.compare(a.name, b.name,
                                           entries[static_cast<size_t>(a.index)].name,
                                           entries[static_cast<size_t>(b.index)].name);
                   }) < 0;
    });
    for (size_t i = 0; i < sorted.size(); ++i)
        (*rows)[i] = sorted[i].index;
}

void NaturalKeys::add(std::string_view name) {
    appendNaturalKey(name, &bytes_);
    ends_.push_back(static_cast<uint32_t>(bytes_.size()));
}

int NaturalKeys::compare(size_t i, size_t j, std::string_view iName, std::string_view jName) const {
    if (const int keys = key(i).compare(key(j)))
        return sign(keys);
    return sign(iName.compare(jName));
}

}  // namespace nubo
