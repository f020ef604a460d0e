#include "views/directory_reader.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unicode/coll.h>
#include <unicode/locid.h>
#include <unicode/unistr.h>

#include <memory>
#include <string>

#include "views/display_format.h"
#include "views/local_type_table.h"

namespace nubo {

namespace {

// One collator per thread: ICU collators are not shared between threads.
icu::Collator* threadCollator() {
    thread_local std::unique_ptr<icu::Collator> collator;
    if (!collator) {
        UErrorCode status = U_ZERO_ERROR;
        // The C locale's collation is byte order; people expect letters by letter.
        icu::Locale locale = icu::Locale::getDefault();
        if (std::string(locale.getVariant()) == "POSIX" ||
            std::string(locale.getLanguage()).empty())
            locale = icu::Locale::getRoot();
        collator.reset(icu::Collator::createInstance(locale, status));
        if (U_FAILURE(status)) {
            collator.reset();
            return nullptr;
        }
        collator->setAttribute(UCOL_NUMERIC_COLLATION, UCOL_ON, status);
        collator->setStrength(icu::Collator::SECONDARY);
    }
    return collator.get();
}

void fill(LocalEntry* entry, const std::string& name, const std::string& path,
          const struct stat& st, LocalTypeTable& types) {
    entry->name = name;
    entry->path = path;
    entry->folder = S_ISDIR(st.st_mode);
    entry->size = entry->folder ? 0 : static_cast<int64_t>(st.st_size);
    entry->time = static_cast<int64_t>(st.st_mtime);
    entry->typeRow = types.rowFor(name, entry->folder);
    FormatEntryTexts(entry->size, entry->time, &entry->sizeText, &entry->dateText);
    if (entry->folder)
        entry->sizeText.clear();
    entry->sortKey = FileSystemReader::collationKey(name);
}

}  // namespace

std::string FileSystemReader::collationKey(const std::string& name) {
    icu::Collator* collator = threadCollator();
    if (collator == nullptr)
        return name;
    const icu::UnicodeString text = icu::UnicodeString::fromUTF8(name);
    std::string key(static_cast<size_t>(collator->getSortKey(text, nullptr, 0)), '\0');
    collator->getSortKey(text, reinterpret_cast<uint8_t*>(key.data()),
                         static_cast<int32_t>(key.size()));
    // Names equal to the collator (letter case only) still order the same way every time.
    return key + '\1' + name;
}

bool FileSystemReader::entryFor(const std::string& path, LocalTypeTable& types, LocalEntry* entry) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 && ::lstat(path.c_str(), &st) != 0)
        return false;
    const size_t slash = path.find_last_of('/');
    fill(entry, slash == std::string::npos ? path : path.substr(slash + 1), path, st, types);
    return true;
}

bool FileSystemReader::read(const std::string& folder, LocalTypeTable& types,
                            std::vector<LocalEntry>* entries) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    DIR* dir = ::fdopendir(fd);
    if (dir == nullptr) {
        ::close(fd);
        return false;
    }
    const std::string prefix = folder == "/" ? folder : folder + "/";
    while (const dirent* item = ::readdir(dir)) {
        const std::string name = item->d_name;
        if (name == "." || name == "..")
            continue;
        struct stat st {};
        // A link shows what it points to; a broken one shows itself.
        if (::fstatat(fd, item->d_name, &st, 0) != 0 &&
            ::fstatat(fd, item->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        LocalEntry entry;
        fill(&entry, name, prefix + name, st, types);
        entries->push_back(std::move(entry));
    }
    ::closedir(dir);
    return true;
}

}  // namespace nubo
