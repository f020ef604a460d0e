#include "views/remote_drag.h"

#include <gtest/gtest.h>

#include <string>

namespace nubo {
namespace {

RemoteEntry entry(const std::string& name, EntryType type, int64_t size, int64_t time) {
    RemoteEntry e;
    e.type = type;
    e.setSizeAndTime(size, time);
    e.setName(name);
    return e;
}

TEST(RemoteDragTest, CarriesEntriesAsListedWhateverTheirNamesHold) {
    RemoteDrag drag;
    drag.processId = 4242;
    drag.sessionId = 0xdeadbeefcafeULL;
    drag.directory = "/pub/with space:and:colons";
    drag.entries.push_back(entry("plain.txt", EntryType::File, 1234, 1600000000));
    // A name may hold the field separator, digits and a line break.
    drag.entries.push_back(entry("12:odd\nname", EntryType::Directory, 0, 1500000000));
    RemoteEntry link = entry("latest", EntryType::Link, 7, 1400000000);
    link.linkTarget = "releases/v2";
    link.flags = RemoteEntry::kHasTimeOfDay;
    drag.entries.push_back(link);
    drag.entries.push_back(entry("", EntryType::File, 0, 0));

    RemoteDrag back;
    ASSERT_TRUE(RemoteDrag::decode(drag.encode(), &back));
    EXPECT_EQ(back.processId, 4242);
    EXPECT_EQ(back.sessionId, 0xdeadbeefcafeULL);
    EXPECT_EQ(back.directory, drag.directory);
    ASSERT_EQ(back.entries.size(), 4u);
    for (size_t i = 0; i < back.entries.size(); ++i) {
        const RemoteEntry& was = drag.entries[i];
        const RemoteEntry& is = back.entries[i];
        EXPECT_EQ(is.name, was.name) << i;
        EXPECT_EQ(is.type, was.type) << i;
        EXPECT_EQ(is.size, was.size) << i;
        EXPECT_EQ(is.time, was.time) << i;
        EXPECT_EQ(is.linkTarget, was.linkTarget) << i;
        EXPECT_EQ(is.flags, was.flags) << i;
        EXPECT_EQ(is.dateText, was.dateText) << i;
    }
}

TEST(RemoteDragTest, RefusesWhatIsNotAWholeDrag) {
    RemoteDrag drag;
    drag.processId = 1;
    drag.sessionId = 2;
    drag.directory = "/";
    drag.entries.push_back(entry("a.txt", EntryType::File, 5, 6));
    const std::string whole = drag.encode();
    RemoteDrag out;
    out.directory = "untouched";
    // The tag alone (an older drag's format), another program's text, a cut drag, a
    // drag with bytes behind it, a count larger than the entries, a field longer than
    // the data, a type out of range.
    std::string wrongType = whole;
    wrongType.replace(wrongType.rfind("1:2"), 3, "1:7");
    for (const std::string& bytes :
         {std::string("4242:7f00aa"), std::string("file:///tmp/x"),
          whole.substr(0, whole.size() - 3), whole + "x",
          std::string(whole).replace(whole.find("1:/1:1"), 6, "1:/1:2"),
          std::string("nubo-remote-drag 1\n99999:1"), wrongType, std::string()}) {
        EXPECT_FALSE(RemoteDrag::decode(bytes, &out)) << bytes;
    }
    EXPECT_EQ(out.directory, "untouched");
}

}  // namespace
}  // namespace nubo
