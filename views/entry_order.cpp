#include "views/entry_order.h"

#include "views/natural_compare.h"

namespace nubo {

int compareFolders(bool aFolder, bool bFolder) {
    return aFolder == bFolder ? 0 : (aFolder ? -1 : 1);
}

int compareRemoteEntries(const RemoteEntry& a, const RemoteEntry& b, int key,
                         std::string_view aType, std::string_view bType) {
    if (const int folders =
            compareFolders(a.type == EntryType::Directory, b.type == EntryType::Directory))
        return folders;
    int result = 0;
    switch (key < 0 ? -key : key) {
        case 2:
            // Most neighbours share a type: equal names need no walk through them.
            result = aType == bType ? 0 : naturalCompare(aType, bType);
            break;
        case 3:
            result = a.size < b.size ? -1 : (a.size > b.size ? 1 : 0);
            break;
        case 4:
            result = a.time < b.time ? -1 : (a.time > b.time ? 1 : 0);
            break;
        default:
            break;
    }
    if (result == 0)
        result = naturalCompare(a.name, b.name);
    return key < 0 ? -result : result;
}

}  // namespace nubo
