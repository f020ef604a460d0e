// The session's own listings: looked up by directory and name, kept up after the
// session acted on entries, and bounded in number.
#include "engine/directory_cache.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace nubo {
namespace {

using Names = std::vector<std::string>;

RemoteEntry entry(const std::string& name, int64_t size = 1, EntryType type = EntryType::File) {
    RemoteEntry e;
    e.type = type;
    e.setSizeAndTime(size, 0);
    e.setName(name);
    return e;
}

Names namesOf(DirectoryCache& cache, const std::string& directory) {
    std::vector<RemoteEntry> listing;
    EXPECT_TRUE(cache.listing(directory, &listing)) << directory;
    Names names;
    for (const RemoteEntry& e : listing)
        names.push_back(e.name);
    return names;
}

// The size of the entry found, or -1 when there is none.
int64_t sizeFound(DirectoryCache& cache, const std::string& directory, const std::string& name,
                  bool ignoreCase) {
    RemoteEntry found;
    return cache.find(directory, name, ignoreCase, &found) ? found.size : -1;
}

TEST(DirectoryCacheTest, NamesAreFoundExactlyOrIgnoringCase) {
    DirectoryCache cache;
    cache.store("/pub", {entry("Readme", 1), entry("ÄRGER.txt", 2), entry("readme", 3),
                         entry("twice", 4), entry("twice", 5)});
    EXPECT_EQ(sizeFound(cache, "/pub", "Readme", false), 1);
    EXPECT_EQ(sizeFound(cache, "/pub", "README", false), -1);
    // Ignoring case, the entry of exactly that name comes first wherever it was listed.
    EXPECT_EQ(sizeFound(cache, "/pub", "readme", true), 3);
    EXPECT_EQ(sizeFound(cache, "/pub", "README", true), 1);
    EXPECT_EQ(sizeFound(cache, "/pub", "ärger.TXT", true), 2);
    EXPECT_EQ(sizeFound(cache, "/pub", "nothing", true), -1);
    // A name listed twice is the first of them.
    EXPECT_EQ(sizeFound(cache, "/pub", "twice", false), 4);
    // Directories are told apart by their exact path.
    EXPECT_EQ(sizeFound(cache, "/PUB", "Readme", false), -1);
    EXPECT_FALSE(cache.has("/pub/"));
    std::vector<RemoteEntry> none;
    EXPECT_FALSE(cache.listing("/other", &none));
    // The listing keeps the order the server listed in.
    EXPECT_EQ(namesOf(cache, "/pub"), (Names{"Readme", "ÄRGER.txt", "readme", "twice", "twice"}));
}

TEST(DirectoryCacheTest, TheLeastRecentlyUsedGoesBeyondTheBoundNeverTheCurrent) {
    DirectoryCache cache(3);
    cache.setCurrent("/home");
    cache.store("/home", {entry("h")});
    cache.store("/a", {entry("a")});
    cache.store("/b", {entry("b")});
    RemoteEntry found;
    ASSERT_TRUE(cache.find("/a", "a", false, &found));  // /a is used again: /b is older now
    cache.store("/c", {entry("c")});
    EXPECT_EQ(cache.size(), 3u);
    EXPECT_TRUE(cache.has("/home")) << "the current listing stays, though the oldest";
    EXPECT_TRUE(cache.has("/a"));
    EXPECT_FALSE(cache.has("/b"));
    EXPECT_TRUE(cache.has("/c"));
    // A listing stored again replaces the old one and takes no second place.
    cache.store("/c", {entry("c2")});
    EXPECT_EQ(cache.size(), 3u);
    EXPECT_EQ(namesOf(cache, "/c"), Names{"c2"});
    // A walk deeper than the bound keeps the bound.
    for (int i = 0; i < 10; ++i)
        cache.store("/deep/" + std::to_string(i), {entry("x")});
    EXPECT_EQ(cache.size(), 3u);
    EXPECT_TRUE(cache.has("/home"));
    EXPECT_TRUE(cache.has("/deep/9"));
    EXPECT_TRUE(cache.has("/deep/8"));
    cache.forget("/home");
    EXPECT_FALSE(cache.has("/home"));
    cache.clear();
    EXPECT_EQ(cache.size(), 0u);
    EXPECT_EQ(cache.current(), "");
}

TEST(DirectoryCacheTest, UpkeepFollowsTheServerInTheDirectoryNamed) {
    DirectoryCache cache;
    cache.store("/", {entry("a", 1), entry("b", 2), entry("c", 3)});
    cache.store("/sub", {entry("a", 10)});
    // An upload over a listed file changes it in place; a new one goes behind the rest.
    cache.update("/", "b", 20, 0, EntryType::File);
    cache.update("/", "new", 0, 0, EntryType::Directory);
    EXPECT_EQ(namesOf(cache, "/"), (Names{"a", "b", "c", "new"}));
    EXPECT_EQ(sizeFound(cache, "/", "b", false), 20);
    EXPECT_EQ(sizeFound(cache, "/sub", "a", false), 10) << "another directory's entry";
    // Nothing is made up for a directory that was never listed.
    cache.update("/elsewhere", "x", 1, 0, EntryType::File);
    EXPECT_FALSE(cache.has("/elsewhere"));

    cache.remove("/", "a");
    EXPECT_EQ(namesOf(cache, "/"), (Names{"b", "c", "new"}));
    EXPECT_EQ(sizeFound(cache, "/", "a", true), -1);
    EXPECT_EQ(sizeFound(cache, "/sub", "a", false), 10);

    // A rename onto a listed name leaves one entry of it: the renamed one.
    cache.rename("/", "b", "c");
    EXPECT_EQ(namesOf(cache, "/"), (Names{"c", "new"}));
    EXPECT_EQ(sizeFound(cache, "/", "c", false), 20);
    EXPECT_EQ(sizeFound(cache, "/", "b", false), -1);
    cache.rename("/", "gone", "d");  // not listed: nothing changes
    EXPECT_EQ(namesOf(cache, "/"), (Names{"c", "new"}));
}

TEST(DirectoryCacheTest, TheSecondOfANameIsFoundOnceTheFirstIsGone) {
    DirectoryCache cache;
    cache.store("/", {entry("twice", 1), entry("other", 2), entry("twice", 3)});
    cache.remove("/", "twice");
    EXPECT_EQ(sizeFound(cache, "/", "twice", false), 3);
    cache.rename("/", "twice", "once");
    EXPECT_EQ(sizeFound(cache, "/", "once", false), 3);
    EXPECT_EQ(sizeFound(cache, "/", "twice", false), -1);
    EXPECT_EQ(namesOf(cache, "/"), (Names{"other", "once"}));
}

}  // namespace
}  // namespace nubo
